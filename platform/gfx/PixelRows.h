#pragma once
// A view of 32-bit pixel rows in memory (0xFFRRGGBB): where row 0 starts,
// the size, and the distance between rows in pixels.

#include <cstddef>
#include <cstdint>

#include "platform/gfx/PixelBox.h"

struct SPixelRows {
    uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    ptrdiff_t stride = 0;

    uint32_t* Row(int y) const { return bits + static_cast<ptrdiff_t>(y) * stride; }
    SPixelBox Box() const { return {0, 0, width, height}; }
};
