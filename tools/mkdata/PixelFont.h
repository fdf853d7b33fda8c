#pragma once
// A tiny 3 x 5 pixel font for the labels of the contact sheet (letters are
// drawn upper case; unknown characters as blanks).

#include <string_view>

#include "tools/mkdata/Canvas.h"

class CPixelFont {
public:
    // Draws text with its top left corner at (x, y), each font pixel
    // scale x scale screen pixels.
    static void Draw(CCanvas& canvas, int x, int y, std::string_view text, const SRgb& c,
                     int scale = 2);
    static int TextWidth(std::string_view text, int scale = 2);
    static int TextHeight(int scale = 2) { return 5 * scale; }
};
