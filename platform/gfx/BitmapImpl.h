#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/PixelAllocator.h"
#include "platform/gfx/PixelRows.h"

struct CBitmap::Impl {
    int width = 0;
    int height = 0;
    std::vector<uint32_t, SPixelAllocator<uint32_t>> pixels;  // 0xFFRRGGBB, rows top first

    SPixelRows Rows() { return {pixels.data(), width, height, width}; }
};
