#pragma once
// Dialog units to pixels. The base units come from the dialog font: the
// horizontal one is the average width of the 52 Latin letters (rounded),
// the vertical one the font's cell height; 4 horizontal units make one
// base unit, 8 vertical units one.

#include "platform/ui/Rect.h"

class CFont;

class CDialogUnits {
public:
    CDialogUnits(int baseX, int baseY);
    // Measures the font (nullptr: the default GUI font).
    static CDialogUnits ForFont(CFont* font);

    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    // A template rectangle given as position and size, in pixels (position
    // and size are converted each on its own, as templates are).
    CRect Map(int x, int y, int cx, int cy) const;
    // MapDialogRect: all four edges converted.
    void MapRect(RECT* rect) const;

private:
    int m_baseX;
    int m_baseY;
};
