#include "tools/mkdata/MaskedCell.h"

CCanvas CMaskedCell::Blank(int width, int height, const CGamePalette& palette) {
    return CCanvas(width, height, palette);
}

void CMaskedCell::PutPicture(CCanvas& strip, const CCanvas& shape, int x, int y) {
    strip.Draw(shape, x, y);
}

void CMaskedCell::PutMask(CCanvas& strip, const CCanvas& shape, int x, int y) {
    for (int sy = 0; sy < shape.Height(); ++sy)
        for (int sx = 0; sx < shape.Width(); ++sx)
            strip.SetIndex(x + sx, y + sy,
                           shape.IsCovered(sx, sy) ? CGamePalette::kBlack : CGamePalette::kWhite);
}
