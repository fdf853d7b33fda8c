#include "tools/mkdata/AuthorMarkPainter.h"

#include "tools/mkdata/PictureBlock.h"
#include "tools/mkdata/PixelFont.h"

namespace {
const SRgb kRim{40, 60, 110};
const SRgb kFace{70, 110, 170};
const SRgb kShine{120, 160, 210};
const SRgb kLetters{250, 250, 240};
}  // namespace

CCanvas CAuthorMarkPainter::Draw(std::string_view letters, const CGamePalette& palette) {
    CCanvas canvas(kSize, kSize, palette);
    const double centre = kSize / 2.0;
    canvas.FillEllipse(centre, centre, centre - 0.5, centre - 0.5, kRim);
    canvas.FillEllipse(centre, centre, centre - 3, centre - 3, kFace);
    canvas.FillEllipse(centre - 4, centre - 6, 7, 4, kShine);
    constexpr int kScale = 2;
    // The font leaves one blank column after every letter; centre the ink.
    int width = CPixelFont::TextWidth(letters, kScale) - kScale;
    int x = (kSize - width) / 2;
    int y = (kSize - CPixelFont::TextHeight(kScale)) / 2;
    CPixelFont::Draw(canvas, x, y, letters, kLetters, kScale);
    return canvas;
}

CMemBlock CAuthorMarkPainter::DrawBlock(std::string_view letters, const CGamePalette& palette) {
    return CPictureBlock::Image(Draw(letters, palette));
}
