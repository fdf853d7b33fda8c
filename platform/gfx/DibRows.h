#pragma once
// A device-independent bitmap as stored (a 40- or 12-byte header, its colour
// table, and the rows of pixels, bottom row first unless the height is
// negative), read row by row as 32-bit pixels (0xFFRRGGBB). The header is
// checked against the buffers and the colour table looked up once, when it
// is opened; the buffers must outlive it.

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/gfx/SourceRows.h"

class CDibRows : public ISourceRows {
public:
    // info: header and colour table; bits: the pixel rows. Supports 1, 4, 8
    // and 24 bits per pixel, uncompressed. False on any fault.
    bool Open(const void* info, size_t infoSize, const void* bits, size_t bitsSize);
    // The size of the header and colour table at the start of a packed
    // bitmap (header, table and rows in one block); 0 when the header is
    // unreadable or the table runs past `size`.
    static size_t PackedInfoSize(const void* dib, size_t size);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // How the rows are stored.
    bool BottomUp() const { return m_bottomUp; }

    // y counts from the top row whatever the stored order; 0 <= x,
    // x + count <= Width(), 0 <= y < Height().
    void ReadRow(int y, int x, int count, uint32_t* out) const override;

private:
    int m_width = 0;
    int m_height = 0;
    bool m_bottomUp = true;
    int m_bitCount = 0;
    const uint8_t* m_bits = nullptr;
    size_t m_stride = 0;
    // Indexed pixels go through a full table of 2^bits entries: an index
    // past a shortened colour table shows black.
    std::array<uint32_t, 256> m_table{};
};
