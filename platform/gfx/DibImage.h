#pragma once
// A device-independent bitmap as stored (a 40- or 12-byte header, its colour
// table, and the rows of pixels, bottom row first unless the height is
// negative) turned into top-down 32-bit pixels (0xFFRRGGBB). Every size and
// index is checked against the buffers it came with.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gfx/PixelRows.h"

class CDibImage {
public:
    // info: header and colour table; bits: the pixel rows. Supports 1, 4, 8
    // and 24 bits per pixel, uncompressed. False, and an empty image, on any
    // fault.
    bool Decode(const void* info, size_t infoSize, const void* bits, size_t bitsSize);
    // The size of the header and colour table at the start of a packed
    // bitmap (header, table and rows in one block); 0 when the header is
    // unreadable or the table runs past `size`.
    static size_t PackedInfoSize(const void* dib, size_t size);

    bool IsEmpty() const { return m_pixels.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // How the rows were stored.
    bool BottomUp() const { return m_bottomUp; }
    const std::vector<uint32_t>& Pixels() const { return m_pixels; }
    SPixelRows Rows() const;

private:
    int m_width = 0;
    int m_height = 0;
    bool m_bottomUp = true;
    std::vector<uint32_t> m_pixels;
};
