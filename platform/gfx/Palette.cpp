#include "platform/gfx/Palette.h"

#include <algorithm>

BOOL CPalette::CreatePalette(const PALETTEENTRY* entries, int count) {
    if (m_created || !entries || count <= 0 || count > 256) return FALSE;
    m_entries.assign(entries, entries + count);
    m_created = true;
    return TRUE;
}

UINT CPalette::GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* out) const {
    if (!out || start >= m_entries.size()) return 0;
    const UINT n = std::min<UINT>(count, static_cast<UINT>(m_entries.size()) - start);
    std::copy_n(m_entries.begin() + start, n, out);
    return n;
}

UINT CPalette::SetPaletteEntries(UINT start, UINT count, const PALETTEENTRY* in) {
    if (!in || start >= m_entries.size()) return 0;
    const UINT n = std::min<UINT>(count, static_cast<UINT>(m_entries.size()) - start);
    std::copy_n(in, n, m_entries.begin() + start);
    return n;
}

UINT CPalette::GetNearestPaletteIndex(COLORREF color) const {
    UINT best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const PALETTEENTRY& e = m_entries[i];
        const long dr = e.peRed - GetRValue(color);
        const long dg = e.peGreen - GetGValue(color);
        const long db = e.peBlue - GetBValue(color);
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = static_cast<UINT>(i);
        }
    }
    return best;
}

COLORREF CPalette::EntryColor(UINT index) const {
    if (index >= m_entries.size()) return 0;
    const PALETTEENTRY& e = m_entries[index];
    return RGB(e.peRed, e.peGreen, e.peBlue);
}
