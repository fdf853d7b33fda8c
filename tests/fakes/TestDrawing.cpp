#include "fakes/TestDrawing.h"

#include <cstdlib>
#include <cstring>

namespace {
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}
}  // namespace

CTestCanvas::CTestCanvas(int width, int height, COLORREF fill) {
    m_dc.CreateCompatibleDC(nullptr);
    m_bitmap.CreateBitmap(width, height);
    m_dc.SelectObject(&m_bitmap);
    m_dc.FillSolidRect(0, 0, width, height, fill);
}

std::vector<COLORREF> CTestCanvas::Pixels(int left, int top, int width, int height) const {
    std::vector<COLORREF> out;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) out.push_back(At(x, y));
    }
    return out;
}

void CTestCanvas::SaveWhenAsked(const std::string& name) const {
    const char* folder = std::getenv("MERCAVO_TEST_PNG_DIR");
    if (folder && *folder) m_bitmap.SaveToPng(std::string(folder) + "/" + name + ".png");
}

std::vector<uint8_t> MakeDib(const SDibLayout& layout) {
    size_t stride = (static_cast<size_t>(layout.bitCount) * layout.width + 31) / 32 * 4;
    size_t headerSize = layout.coreHeader ? 12 : 40;
    size_t entrySize = layout.coreHeader ? 3 : 4;
    std::vector<uint8_t> dib(headerSize + layout.table.size() * entrySize +
                             stride * layout.rows.size());
    Put32(dib, 0, static_cast<uint32_t>(headerSize));
    if (layout.coreHeader) {
        Put16(dib, 4, static_cast<uint16_t>(layout.width));
        Put16(dib, 6, static_cast<uint16_t>(layout.height));
        Put16(dib, 8, 1);
        Put16(dib, 10, static_cast<uint16_t>(layout.bitCount));
    } else {
        Put32(dib, 4, static_cast<uint32_t>(layout.width));
        Put32(dib, 8, static_cast<uint32_t>(layout.topDown ? -layout.height : layout.height));
        Put16(dib, 12, 1);
        Put16(dib, 14, static_cast<uint16_t>(layout.bitCount));
        Put32(dib, 20, static_cast<uint32_t>(stride * layout.rows.size()));
        Put32(dib, 32, static_cast<uint32_t>(layout.table.size()));
    }
    uint8_t* entry = dib.data() + headerSize;
    for (COLORREF color : layout.table) {
        entry[0] = GetBValue(color);
        entry[1] = GetGValue(color);
        entry[2] = GetRValue(color);
        entry += entrySize;
    }
    uint8_t* bits = entry;
    size_t count = layout.rows.size();
    for (size_t i = 0; i < count; ++i) {
        size_t stored = layout.topDown ? i : count - 1 - i;
        std::memcpy(bits + stored * stride, layout.rows[i].data(), layout.rows[i].size());
    }
    return dib;
}

CMemBlock ToBlock(const std::vector<uint8_t>& bytes) {
    CMemBlock block;
    block.Alloc(bytes.size());
    std::memcpy(block.Lock(), bytes.data(), bytes.size());
    return block;
}

CMemBlock MakeSolidPicture(int width, int height, COLORREF color) {
    SDibLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = 24;
    std::vector<uint8_t> row;
    for (int x = 0; x < width; ++x) {
        row.push_back(GetBValue(color));
        row.push_back(GetGValue(color));
        row.push_back(GetRValue(color));
    }
    layout.rows.assign(static_cast<size_t>(height), row);
    return ToBlock(MakeDib(layout));
}
