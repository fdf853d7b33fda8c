#pragma once
// Cells of the strips drawn with a mask: a shape is drawn on a see-through
// canvas of the cell's size, then copied into its picture cell (black around
// it) and, as black on white, into its mask cell, so that a mask is always
// black exactly where its picture shows.

#include "tools/mkdata/Canvas.h"

class CMaskedCell {
public:
    // A see-through canvas of the cell size for one shape.
    static CCanvas Blank(int width, int height, const CGamePalette& palette);
    // The shape's covered pixels into strip at (x, y); the rest of the cell
    // stays as it is (black in a fresh strip).
    static void PutPicture(CCanvas& strip, const CCanvas& shape, int x, int y);
    // The shape's mask into strip at (x, y): black where it is covered, white
    // elsewhere in the cell.
    static void PutMask(CCanvas& strip, const CCanvas& shape, int x, int y);
};
