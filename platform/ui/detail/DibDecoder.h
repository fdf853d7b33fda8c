#pragma once
// Turns a device-independent bitmap as stored (a 40- or 12-byte header,
// its colour table, and the rows of pixels, bottom row first unless the
// height is negative) into a top-down 32-bit image. Every size and index is
// checked against the buffers it came with.

#include <QImage>
#include <cstddef>

class CDibDecoder {
public:
    // info: header and colour table; bits: the pixel rows. Supports 1, 4, 8
    // and 24 bits per pixel, uncompressed. A null image on any fault.
    // `bottomUp` tells how the rows were stored.
    static QImage Decode(const void* info, size_t infoSize, const void* bits, size_t bitsSize,
                         bool* bottomUp = nullptr);
    // The size of the header and colour table at the start of a packed
    // bitmap (header, table and rows in one block); 0 when the header is
    // unreadable or the table runs past `size`.
    static size_t PackedInfoSize(const void* dib, size_t size);
};
