#include "model/MapBackground.h"

#include <algorithm>

#include "platform/gfx/DC.h"

COLORREF CMapBackground::RowColour(COLORREF top, COLORREF bottom, int row, int height) {
    auto channel = [](COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    const double t = height > 1 ? double(row) / (height - 1) : 0.0;
    auto mix = [&](int shift) {
        return static_cast<int>(channel(top, shift) * (1.0 - t) + channel(bottom, shift) * t);
    };
    return RGB(mix(0), mix(8), mix(16));
}

bool CMapBackground::Build(CBitmap& bitmap, int width, int height, COLORREF top, COLORREF bottom,
                           const CPalette* palette) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    bitmap.DeleteObject();
    if (!bitmap.CreateBitmap(width, height)) return false;
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr)) return false;
    CBitmap* old = dc.SelectObject(&bitmap);
    for (int i = 0; i < height; ++i) {
        COLORREF colour = RowColour(top, bottom, i, height);
        if (palette && palette->GetEntryCount() > 0)
            colour = palette->EntryColor(palette->GetNearestPaletteIndex(colour));
        dc.FillSolidRect(0, i, width, 1, colour);
    }
    dc.SelectObject(old);
    return true;
}
