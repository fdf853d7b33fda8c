#include "platform/gfx/Brush.h"

#include <cstddef>

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    if (m_created) return FALSE;
    m_kind = Kind::Solid;
    m_color = color;
    m_created = true;
    return TRUE;
}

BOOL CBrush::CreateNullBrush() {
    if (m_created) return FALSE;
    m_kind = Kind::Null;
    m_created = true;
    return TRUE;
}

BOOL CBrush::CreatePatternBrush(const std::array<BYTE, 8>& rows, COLORREF fore, COLORREF back) {
    if (m_created) return FALSE;
    m_kind = Kind::Pattern;
    m_rows = rows;
    m_color = fore;
    m_back = back;
    m_created = true;
    return TRUE;
}

CBrush* CBrush::GetHalftoneBrush() {
    static CBrush* brush = [] {
        auto* b = new CBrush;
        b->CreatePatternBrush({0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}, RGB(0, 0, 0),
                              RGB(255, 255, 255));
        return b;
    }();
    return brush;
}

COLORREF CBrush::ColorAt(int x, int y) const {
    if (m_kind != Kind::Pattern) return m_color;
    const BYTE row = m_rows[static_cast<size_t>(y & 7)];
    return (row & (0x80 >> (x & 7))) ? m_color : m_back;
}
