#pragma once
// One block transfer onto a 32-bit surface: a destination rectangle (negative
// sizes mirror), an optional source rectangle (stretched to the destination
// by nearest pixel), an 8 x 8 pattern and a ternary raster code. Run clips
// once and then works row by row, with loops of their own for the codes the
// programs use; Reference is the plain per-pixel form of the same rules,
// kept so that the two can be compared.

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/gfx/PixelBox.h"
#include "platform/gfx/PixelRows.h"
#include "platform/gfx/SourceRows.h"

struct STransfer {
    SPixelRows dst;
    // Destination pixels that may change (within dst).
    SPixelBox clip;
    // The destination in surface coordinates.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    // The truth-table byte of the raster code (bits 16..23 of a ROP).
    uint8_t code = 0;

    // Source pixels; only those inside `srcValid` are read, and destination
    // pixels whose source pixel lies outside it are left alone. They must
    // not share memory with the destination rectangle.
    const uint32_t* src = nullptr;
    ptrdiff_t srcStride = 0;
    // Or a source converted row by row as it is read (src and srcStride are
    // then not used); only rows and columns inside `srcValid` are asked for.
    const ISourceRows* srcRows = nullptr;
    SPixelBox srcValid;
    int srcX = 0;
    int srcY = 0;
    int srcWidth = 0;
    int srcHeight = 0;

    // Surface pixel (x, y) takes pattern[((y - patternY) & 7) * 8 + ((x - patternX) & 7)].
    std::array<uint32_t, 64> pattern{};
    int patternX = 0;
    int patternY = 0;
};

class CBlockTransfer {
public:
    // False when the code needs a source and there is none (or its size is
    // 0); else true, with the destination box the transfer covers (pixels
    // in it may be unchanged) in `touched`.
    static bool Run(const STransfer& tr, SPixelBox* touched = nullptr);
    static bool Reference(const STransfer& tr, SPixelBox* touched = nullptr);
};
