#include "model/DibHeader.h"

#include <cstdlib>

uint32_t ReadLE32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

uint16_t ReadLE16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

void WriteLE32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

void WriteLE16(uint8_t* p, uint16_t value) {
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}

std::optional<CDibHeader> CDibHeader::Read(const uint8_t* block, size_t size) {
    if (block == nullptr || size < 4) return std::nullopt;
    CDibHeader header;
    header.size = ReadLE32(block);
    if (header.size == kCoreHeaderSize && size >= kCoreHeaderSize) {
        header.width = ReadLE16(block + 4);
        header.height = ReadLE16(block + 6);
        header.planes = ReadLE16(block + 8);
        header.bitCount = ReadLE16(block + 10);
        return header;
    }
    if (header.size == kInfoHeaderSize && size >= kInfoHeaderSize) {
        header.width = static_cast<int32_t>(ReadLE32(block + 4));
        header.height = static_cast<int32_t>(ReadLE32(block + 8));
        header.planes = ReadLE16(block + 12);
        header.bitCount = ReadLE16(block + 14);
        header.compression = ReadLE32(block + 16);
        header.sizeImage = ReadLE32(block + 20);
        header.colorsUsed = ReadLE32(block + 32);
        return header;
    }
    return std::nullopt;
}

int CDibHeader::GetColorCount() const {
    if (size == kInfoHeaderSize && (colorsUsed & 0xFFFF) != 0) {
        return static_cast<int>(colorsUsed & 0xFFFF);
    }
    switch (bitCount) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

uint32_t CDibHeader::GetColorTableSize() const {
    uint32_t entrySize = size == kCoreHeaderSize ? 3 : 4;
    return static_cast<uint32_t>(GetColorCount()) * entrySize;
}

uint64_t CDibHeader::GetStride() const {
    if (width <= 0) return 0;
    return (uint64_t{bitCount} * static_cast<uint64_t>(width) + 31) / 32 * 4;
}

uint64_t CDibHeader::GetBitsSize() const {
    return GetStride() * static_cast<uint64_t>(std::llabs(static_cast<int64_t>(height)));
}

bool CDibHeader::HasUsableFormat() const {
    if (size != kInfoHeaderSize && size != kCoreHeaderSize) return false;
    if (planes != 1 || compression != 0) return false;
    switch (bitCount) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return false;
    }
    // No picture of the game is larger; a larger one from outside would only
    // ask for a huge bitmap.
    if (width < 1 || height == 0 || width > kMaxSide || height > kMaxSide || height < -kMaxSide)
        return false;
    int colors = GetColorCount();
    return colors <= 256 && (bitCount > 8 || colors <= (1 << bitCount));
}

bool CDibHeader::IsUsable(size_t blockSize) const {
    return HasUsableFormat() && GetBitsOffset() + GetBitsSize() <= blockSize;
}

int GetDibColorCount(const uint8_t* block, size_t size) {
    std::optional<CDibHeader> header = CDibHeader::Read(block, size);
    return header ? header->GetColorCount() : 0;
}

uint32_t GetDibPaletteSize(const uint8_t* block, size_t size) {
    std::optional<CDibHeader> header = CDibHeader::Read(block, size);
    return header ? header->GetColorTableSize() : 0;
}
