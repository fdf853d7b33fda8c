#pragma once
// The application's three fonts and their measured sizes, all derived from
// the cell height of the colour-mark strip: the message font (font 1,
// h x 13 / 20, normal) whose size is the layout size every painted window
// places text on; the interface font (font 2, h / 2, normal) of tabs, lists
// and area buttons with its caption-line size; the bold message font
// (font 3, (h / 2) x 3 / 2, bold) with its character size. A size is the
// average character width and the text height + descent + 2.

#include "platform/gfx/Font.h"
#include "platform/gfx/Size.h"

class CDC;

class CAppFonts {
public:
    static constexpr int kFontCount = 3;

    // The height and weight of font 1..3 for a mark cell height.
    static int FontHeight(int font, int cellHeight);
    static int FontWeight(int font);

    // Makes the three fonts and measures each selected into dc (what was
    // selected before is put back). False when a font cannot be made or
    // the cell height is below 1.
    bool Create(int cellHeight, CDC& dc);
    void Release();

    CFont* GetMessageFont() { return &m_fonts[0]; }
    CFont* GetUIFont() { return &m_fonts[1]; }
    CFont* GetMessageFont2() { return &m_fonts[2]; }
    CSize GetLayoutSize() const { return m_sizes[0]; }
    CSize GetCaptionLineSize() const { return m_sizes[1]; }
    CSize GetCharSize() const { return m_sizes[2]; }

private:
    CFont m_fonts[kFontCount];
    CSize m_sizes[kFontCount];
};
