#include "platform/gfx/DibImage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/gfx/GdiDefs.h"

namespace {

constexpr int64_t kMaxSide = 16384;
constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;

struct Layout {
    int64_t width = 0;
    int64_t height = 0;
    bool bottomUp = true;
    int bits = 0;
    size_t headerSize = 0;
    size_t tableEntries = 0;
    size_t entrySize = 4;
};

bool ReadLayout(const uint8_t* info, size_t infoSize, Layout& l) {
    if (infoSize < 4) return false;
    uint32_t size;
    std::memcpy(&size, info, 4);
    if (size == sizeof(BITMAPCOREHEADER) && infoSize >= size) {
        BITMAPCOREHEADER h;
        std::memcpy(&h, info, sizeof h);
        l.width = h.bcWidth;
        l.height = h.bcHeight;
        l.bits = h.bcBitCount;
        l.entrySize = 3;
        l.headerSize = size;
        l.tableEntries = l.bits <= 8 ? (size_t{1} << l.bits) : 0;
        return h.bcPlanes == 1;
    }
    if (size < sizeof(BITMAPINFOHEADER) || infoSize < sizeof(BITMAPINFOHEADER) || size > infoSize) {
        return false;
    }
    BITMAPINFOHEADER h;
    std::memcpy(&h, info, sizeof h);
    if (h.biCompression != BI_RGB || h.biPlanes != 1) return false;
    l.width = h.biWidth;
    l.bottomUp = h.biHeight > 0;
    l.height = h.biHeight < 0 ? -static_cast<int64_t>(h.biHeight) : h.biHeight;
    l.bits = h.biBitCount;
    l.headerSize = size;
    const size_t full = l.bits <= 8 ? (size_t{1} << l.bits) : 0;
    l.tableEntries = h.biClrUsed != 0 && l.bits <= 8 ? std::min<size_t>(h.biClrUsed, full) : full;
    return true;
}

bool Plausible(const Layout& l) {
    if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 24) return false;
    if (l.width <= 0 || l.height <= 0 || l.width > kMaxSide || l.height > kMaxSide) return false;
    return l.width * l.height <= kMaxPixels;
}

uint32_t Opaque(uint8_t r, uint8_t g, uint8_t b) {
    return 0xFF000000u | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

// Indexed rows go through a full table of 2^bits entries, looked up once:
// an index past a shortened colour table shows black.
std::vector<uint32_t> FullTable(const uint8_t* info, const Layout& l) {
    std::vector<uint32_t> table(size_t{1} << l.bits, Opaque(0, 0, 0));
    for (size_t i = 0; i < l.tableEntries; ++i) {
        const uint8_t* e = info + l.headerSize + i * l.entrySize;
        table[i] = Opaque(e[2], e[1], e[0]);
    }
    return table;
}

void ConvertRow(const uint8_t* row, uint32_t* out, int64_t width, int bits, const uint32_t* table) {
    switch (bits) {
        case 24:
            for (int64_t x = 0; x < width; ++x)
                out[x] = Opaque(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
            break;
        case 8:
            for (int64_t x = 0; x < width; ++x) out[x] = table[row[x]];
            break;
        case 4:
            for (int64_t x = 0; x < width; ++x)
                out[x] = table[(row[x / 2] >> ((x % 2) ? 0 : 4)) & 0x0Fu];
            break;
        default:
            for (int64_t x = 0; x < width; ++x) out[x] = table[(row[x / 8] >> (7 - x % 8)) & 1u];
            break;
    }
}

}  // namespace

bool CDibImage::Decode(const void* infoPtr, size_t infoSize, const void* bitsPtr, size_t bitsSize) {
    *this = CDibImage();
    const auto* info = static_cast<const uint8_t*>(infoPtr);
    const auto* bits = static_cast<const uint8_t*>(bitsPtr);
    Layout l;
    if (!info || !bits || !ReadLayout(info, infoSize, l) || !Plausible(l)) return false;
    const size_t tableBytes = l.tableEntries * l.entrySize;
    if (infoSize - l.headerSize < tableBytes) return false;
    const int64_t stride = ((l.width * l.bits + 31) / 32) * 4;
    if (static_cast<int64_t>(bitsSize) / stride < l.height) return false;
    const std::vector<uint32_t> table = l.bits <= 8 ? FullTable(info, l) : std::vector<uint32_t>();
    m_pixels.resize(static_cast<size_t>(l.width * l.height));
    for (int64_t y = 0; y < l.height; ++y) {
        const uint8_t* row = bits + (l.bottomUp ? l.height - 1 - y : y) * stride;
        ConvertRow(row, m_pixels.data() + y * l.width, l.width, l.bits, table.data());
    }
    m_width = static_cast<int>(l.width);
    m_height = static_cast<int>(l.height);
    m_bottomUp = l.bottomUp;
    return true;
}

SPixelRows CDibImage::Rows() const {
    // The view is read-only in use; SPixelRows serves sources and surfaces alike.
    return {const_cast<uint32_t*>(m_pixels.data()), m_width, m_height, m_width};
}

size_t CDibImage::PackedInfoSize(const void* dib, size_t size) {
    Layout l;
    if (!dib || !ReadLayout(static_cast<const uint8_t*>(dib), size, l)) return 0;
    const size_t info = l.headerSize + l.tableEntries * l.entrySize;
    return info <= size ? info : 0;
}
