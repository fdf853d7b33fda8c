#pragma once
// The judgment program's four fonts, made from the height h of the
// colour-mark strip's cells: font 0 h / 2, font 1 13h / 20 (the text font,
// whose size is the application's character size), font 2 (h / 2) x 3 / 2
// bold and font 3 ((h / 2) x 3 / 2) x 3 / 2 bold. Fonts 0..2 are the
// game's three fonts (model/AppFonts.h) in another order. Each font keeps
// its average character width and its line height (text height + 2).

#include "platform/gfx/Font.h"
#include "platform/gfx/Size.h"

class CDC;

namespace judge {

class CJudgeFonts {
public:
    static constexpr int kFontCount = 4;

    // The height and weight of font 0..3 for a mark cell height.
    static int FontHeight(int font, int cellHeight);
    static int FontWeight(int font);

    // Makes the fonts and measures each on dc; false when a font cannot be
    // made or measured (a cell height below 2 makes fonts of no height).
    bool Create(int cellHeight, CDC& dc);
    void Release();

    // Font 0..3; nullptr outside.
    CFont* GetFont(int font);
    // Average character width and line height of font 0..3; 0, 0 outside.
    CSize GetSize(int font) const;

private:
    CFont m_fonts[kFontCount];
    CSize m_sizes[kFontCount];
};

}  // namespace judge
