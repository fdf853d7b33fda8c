#include "tools/mkdata/MarkPainter.h"

#include <string>

#include "model/ColorMarkStrip.h"
#include "tools/mkdata/MaskedCell.h"
#include "tools/mkdata/PixelFont.h"
#include "tools/mkdata/Strokes.h"

namespace {

const SRgb kInk{24, 24, 32};
const SRgb kWhite{255, 255, 255};
const SRgb kGold{236, 190, 70};
const SRgb kGoldDark{150, 104, 30};
const SRgb kGoldLight{255, 236, 150};

// The disc every colour mark fills, its rim and its glint.
struct SEmblem {
    double cx, cy, outer, inner;
};

SEmblem EmblemOf(int w, int h) {
    const double r = std::min(w, h) / 2.0 - 1.0;
    return {w / 2.0, h / 2.0, r, r - 1.6};
}

void DrawEmblem(CCanvas& cell, const SEmblem& e, const SRgb& rim, const SRgb& fill) {
    cell.FillEllipse(e.cx, e.cy, e.outer, e.outer, rim);
    cell.FillEllipse(e.cx, e.cy, e.inner, e.inner, fill);
    // A small glint up left makes the disc read as a raised badge.
    cell.FillEllipse(e.cx - e.inner * 0.42, e.cy - e.inner * 0.45, e.inner * 0.3, e.inner * 0.2,
                     fill.Mixed(kWhite, 0.6));
}

// Text centred on (cx, cy) with a one-pixel shadow below right.
void ShadowedText(CCanvas& canvas, int cx, int cy, const std::string& text, const SRgb& c,
                  const SRgb& shadow, int scale) {
    const int x = cx - CPixelFont::TextWidth(text, scale) / 2 + scale / 2;
    const int y = cy - CPixelFont::TextHeight(scale) / 2;
    CPixelFont::Draw(canvas, x + 1, y + 1, text, shadow, scale);
    CPixelFont::Draw(canvas, x, y, text, c, scale);
}

// Five coins stacked, the top one showing its face, and one more lying
// before the stack.
void CoinStack(CCanvas& cell) {
    const double cx = cell.Width() / 2.0 - 2.0;
    for (int i = 0; i < 5; ++i)
        CStrokes::FlatDisc(cell, cx, 24.0 - i * 3.5, 9.0, 3.6, kInk, kGold, kGoldDark);
    const double top = 24.0 - 4 * 3.5;
    cell.FillEllipse(cx, top - 0.3, 6.0, 2.2, kGoldDark);
    cell.FillEllipse(cx, top - 0.3, 5.0, 1.5, kGold);
    cell.FillEllipse(cx - 5.0, top - 1.2, 1.6, 0.8, kGoldLight);
    CStrokes::FlatDisc(cell, cx + 9.0, 26.0, 6.0, 2.6, kInk, kGold, kGoldDark);
}

void Megaphone(CCanvas& cell) {
    const SRgb red{206, 52, 40}, redDark{120, 24, 20}, grey{150, 150, 160};
    // Handle under the mouthpiece, the cone opening to the right, its rim.
    CStrokes::Capsule(cell, {10, 18}, {12, 25}, 2.6, kInk);
    CStrokes::Capsule(cell, {10, 18}, {12, 25}, 1.6, grey);
    const std::vector<SPointF> cone = {{3, 13}, {8, 13}, {22, 5}, {22, 27}, {8, 19}, {3, 19}};
    cell.FillPolygon(cone, red);
    cell.FillPolygon({{8, 13}, {22, 5}, {22, 9}, {8, 15}}, SRgb{240, 110, 90});
    CStrokes::Path(cell, cone, 0.7, redDark, true);
    cell.FillRect(2, 13, 3, 7, kInk);
    cell.FillEllipse(22.5, 16, 3.0, 11.5, kInk);
    cell.FillEllipse(22.5, 16, 2.0, 10.5, SRgb{240, 240, 236});
    // Sound leaving it.
    for (int i = 0; i < 2; ++i) {
        const double x = 26.5 + i * 2.5;
        CStrokes::Capsule(cell, {x, 11.0 - i}, {x + 1, 16}, 0.55, kInk);
        CStrokes::Capsule(cell, {x + 1, 16}, {x, 21.0 + i}, 0.55, kInk);
    }
}

void Tick(CCanvas& cell) {
    const std::vector<SPointF> tick = {{4.5, 12.5}, {9.5, 18.5}, {19.5, 5.5}};
    CStrokes::Path(cell, tick, 3.2, SRgb{20, 70, 20}, false);
    CStrokes::Path(cell, tick, 2.1, SRgb{60, 170, 50}, false);
    CStrokes::Capsule(cell, {9.0, 16.5}, {18.5, 5.0}, 0.7, SRgb{150, 220, 110});
}

void Hourglass(CCanvas& cell) {
    const SRgb wood{126, 84, 48}, glass{200, 228, 246}, sand{226, 186, 110};
    cell.FillPolygon({{6, 4}, {18, 4}, {13, 12}, {18, 20}, {6, 20}, {11, 12}}, kInk);
    cell.FillPolygon({{7.5, 5}, {16.5, 5}, {12.5, 11.5}, {16.5, 19}, {7.5, 19}, {11.5, 11.5}},
                     glass);
    // Sand: what is left above, the heap below and the thread between.
    cell.FillPolygon({{9.5, 8.5}, {14.5, 8.5}, {12.5, 11.5}, {11.5, 11.5}}, sand);
    cell.FillPolygon({{12, 14}, {16.5, 19}, {7.5, 19}}, sand);
    cell.FillRect(12, 11, 1, 4, sand);
    CStrokes::RoundBox(cell, 4, 2, 16, 3, 1.0, kInk);
    CStrokes::RoundBox(cell, 4, 19, 16, 3, 1.0, kInk);
    cell.FillRect(5, 3, 14, 1, wood);
    cell.FillRect(5, 20, 14, 1, wood);
}

void Cross(CCanvas& cell) {
    for (const auto& [radius, c] : {std::pair{3.2, SRgb{90, 14, 14}}, {2.1, SRgb{214, 40, 34}}}) {
        CStrokes::Capsule(cell, {6, 6}, {18, 18}, radius, c);
        CStrokes::Capsule(cell, {18, 6}, {6, 18}, radius, c);
    }
    CStrokes::Capsule(cell, {6.5, 5.5}, {12, 11}, 0.6, SRgb{250, 130, 110});
}

}  // namespace

void CMarkPainter::ColorMarks(CCanvas& strip, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    const SEmblem e = EmblemOf(w, h);
    const CGamePalette& palette = strip.Palette();
    auto put = [&](int colour, const SRgb& rim, const SRgb& fill) {
        CCanvas cell = CMaskedCell::Blank(w, h, palette);
        DrawEmblem(cell, e, rim, fill);
        CMaskedCell::PutPicture(strip, cell, GetColorMarkCell(colour) * w, 0);
        if (colour == -2) CMaskedCell::PutMask(strip, cell, 0, 0);
    };
    // The month markers carry the month's number in text, so both are light:
    // the later months a pale grey in a light rim, this month and the earlier
    // ones white in a dark rim.
    put(-2, SRgb{160, 160, 160}, SRgb{223, 223, 223});
    put(-1, SRgb{80, 80, 80}, kWhite);
    for (int c = 0; c < kCompanyColorCount; ++c) {
        const SRgb& fill = palette.Color(CGamePalette::CompanyColorIndex(c));
        put(c, fill.Mixed(SRgb{0, 0, 0}, 0.55), fill);
    }
}

void CMarkPainter::SmallMarks(CCanvas& strip, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    const SEmblem e = EmblemOf(w, h);
    for (int n = 0; n < CPictureCatalog::kSmallMarkCount; ++n) {
        CCanvas cell = CMaskedCell::Blank(w, h, strip.Palette());
        cell.FillEllipse(e.cx, e.cy, e.outer, e.outer, SRgb{16, 26, 70});
        cell.FillEllipse(e.cx, e.cy, e.outer - 1.2, e.outer - 1.2, SRgb{200, 220, 250});
        cell.FillEllipse(e.cx, e.cy, e.inner - 0.6, e.inner - 0.6,
                         CStrokes::Gradient(3, h - 4, SRgb{90, 140, 225}, SRgb{24, 60, 140}));
        ShadowedText(cell, w / 2, h / 2, std::to_string(n + 1), kWhite, SRgb{10, 20, 60}, 2);
        CMaskedCell::PutPicture(strip, cell, (n + 1) * w, 0);
        if (n == 0) CMaskedCell::PutMask(strip, cell, 0, 0);
    }
}

void CMarkPainter::PairMarks(CCanvas& strip, const SPictureEntry& entry, bool masks) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    // The right column is not drawn from: its pictures stay black and its
    // masks white, so it shows nothing.
    if (masks) strip.Fill(kWhite);
    for (int row = 0; row < entry.rows; ++row) {
        CCanvas cell = CMaskedCell::Blank(w, h, strip.Palette());
        if (row == 0) CoinStack(cell);
        if (row == 1) Megaphone(cell);
        if (masks) {
            CMaskedCell::PutMask(strip, cell, 0, row * h);
        } else {
            CMaskedCell::PutPicture(strip, cell, 0, row * h);
        }
    }
}

void CMarkPainter::RowMarks(CCanvas& strip, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    void (*const marks[])(CCanvas&) = {Tick, Hourglass, Cross};
    for (int row = 0; row < entry.rows && row < 3; ++row) {
        CCanvas cell = CMaskedCell::Blank(w, h, strip.Palette());
        marks[row](cell);
        CMaskedCell::PutMask(strip, cell, 0, row * h);
        CMaskedCell::PutPicture(strip, cell, w, row * h);
    }
}
