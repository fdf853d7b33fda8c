#pragma once
// The header of a packed device-independent bitmap (the picture block of a
// CBM): read from raw bytes without trusting them, with the sizes derived
// from it and the test that a whole block is a usable picture.

#include <cstddef>
#include <cstdint>
#include <optional>

class CDibHeader {
public:
    static constexpr uint32_t kInfoHeaderSize = 40;
    static constexpr uint32_t kCoreHeaderSize = 12;
    // The largest picture any source may hand us: a 1280 x 1280 true-colour
    // image with a full colour table.
    static constexpr int kMaxSide = 1280;
    static constexpr uint64_t kMaxImageBytes =
        kInfoHeaderSize + 256 * 4 + uint64_t{kMaxSide} * kMaxSide * 4;

    // Reads the 40-byte or 12-byte header at the start of the block; none
    // when the block is too short for the size it states or the size is
    // neither.
    static std::optional<CDibHeader> Read(const uint8_t* block, size_t size);

    // Colour-table entries: the colours-used field (low 16 bits) of a 40-byte
    // header when it is not 0, else 2, 16 or 256 for 1, 4 or 8 bits per
    // pixel and 0 for any other depth.
    int GetColorCount() const;
    // count x 3 bytes after a 12-byte header, count x 4 after a 40-byte one.
    uint32_t GetColorTableSize() const;
    // Bytes of one pixel row, padded to 4 bytes.
    uint64_t GetStride() const;
    // Bytes of all rows.
    uint64_t GetBitsSize() const;
    // Header + colour table: where the bits begin.
    uint64_t GetBitsOffset() const { return size + GetColorTableSize(); }

    // Whether the header describes a picture we can use: uncompressed, one
    // plane, a known depth, at least one pixel and at most kMaxSide a side,
    // and a colour table that the depth can index.
    bool HasUsableFormat() const;
    // The same, and header, table and bits all lie inside a block of
    // blockSize bytes.
    bool IsUsable(size_t blockSize) const;

    uint32_t size = 0;
    int32_t width = 0;
    // Negative for an image stored top row first.
    int32_t height = 0;
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    uint32_t colorsUsed = 0;
};

// The colour count and colour-table size of a picture header in the
// frame's terms: biClrUsed of a 40-byte header when not 0, else 2, 16 or 256
// for 1, 4 or 8 bits and 0 for any other depth (a 12-byte core header by
// its own bit count); the table is count x 4 bytes after a 40-byte header
// and count x 3 after a core header. A block whose header cannot be read
// has no colours.
int GetDibColorCount(const uint8_t* block, size_t size);
uint32_t GetDibPaletteSize(const uint8_t* block, size_t size);

// Little-endian access to the fields of a picture block.
uint32_t ReadLE32(const uint8_t* p);
uint16_t ReadLE16(const uint8_t* p);
void WriteLE32(uint8_t* p, uint32_t value);
void WriteLE16(uint8_t* p, uint16_t value);
