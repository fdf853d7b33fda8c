#include "platform/gfx/DibRows.h"

#include <algorithm>
#include <cstring>

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

}  // namespace

bool CDibRows::Open(const void* infoPtr, size_t infoSize, const void* bitsPtr, size_t bitsSize) {
    *this = CDibRows();
    const auto* info = static_cast<const uint8_t*>(infoPtr);
    Layout l;
    if (!info || !bitsPtr || !ReadLayout(info, infoSize, l) || !Plausible(l)) return false;
    if (infoSize - l.headerSize < l.tableEntries * l.entrySize) return false;
    const int64_t stride = ((l.width * l.bits + 31) / 32) * 4;
    if (static_cast<int64_t>(bitsSize) / stride < l.height) return false;
    m_table.fill(Opaque(0, 0, 0));
    for (size_t i = 0; i < l.tableEntries; ++i) {
        const uint8_t* e = info + l.headerSize + i * l.entrySize;
        m_table[i] = Opaque(e[2], e[1], e[0]);
    }
    m_width = static_cast<int>(l.width);
    m_height = static_cast<int>(l.height);
    m_bottomUp = l.bottomUp;
    m_bitCount = l.bits;
    m_bits = static_cast<const uint8_t*>(bitsPtr);
    m_stride = static_cast<size_t>(stride);
    return true;
}

void CDibRows::ReadRow(int y, int x, int count, uint32_t* out) const {
    const size_t stored = static_cast<size_t>(m_bottomUp ? m_height - 1 - y : y);
    const uint8_t* row = m_bits + stored * m_stride;
    const size_t first = static_cast<size_t>(x), n = static_cast<size_t>(count);
    switch (m_bitCount) {
        case 24:
            for (size_t i = 0, p = first * 3; i < n; ++i, p += 3)
                out[i] = Opaque(row[p + 2], row[p + 1], row[p]);
            break;
        case 8:
            row += first;
            for (size_t i = 0; i < n; ++i) out[i] = m_table[row[i]];
            break;
        case 4:
            for (size_t i = 0, p = first; i < n; ++i, ++p)
                out[i] = m_table[(row[p / 2] >> ((p % 2) ? 0 : 4)) & 0x0Fu];
            break;
        default:
            for (size_t i = 0, p = first; i < n; ++i, ++p)
                out[i] = m_table[(row[p / 8] >> (7 - p % 8)) & 1u];
            break;
    }
}

size_t CDibRows::PackedInfoSize(const void* dib, size_t size) {
    Layout l;
    if (!dib || !ReadLayout(static_cast<const uint8_t*>(dib), size, l)) return 0;
    const size_t info = l.headerSize + l.tableEntries * l.entrySize;
    return info <= size ? info : 0;
}
