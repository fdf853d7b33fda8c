#pragma once
// The map windows' background: a vertical gradient from a top colour to a
// bottom colour, each row in the palette's nearest colour.

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Palette.h"

class CMapBackground {
public:
    // A row's colour: each channel top x (1 - t) + bottom x t with
    // t = row / (height - 1); one row has nothing to blend and takes the
    // top colour.
    static COLORREF RowColour(COLORREF top, COLORREF bottom, int row, int height);
    // A new bitmap of width x height (at least 1 x 1) filled row by row;
    // false when it cannot be made.
    static bool Build(CBitmap& bitmap, int width, int height, COLORREF top, COLORREF bottom,
                      const CPalette* palette);
};
