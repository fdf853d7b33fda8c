#include "tools/mkdata/ToolFacePainter.h"

#include "tools/mkdata/Strokes.h"

namespace {

// The colours a face is drawn with, by role.
struct SInk {
    SRgb line, paper, face, shade, red, redLight, green, greenDark, blue, gold, goldDark, brown,
        skin;
};

const SRgb kWhite{255, 255, 255}, kFace{192, 192, 192}, kShadow{128, 128, 128}, kBlack{0, 0, 0};

SInk ColourInk() {
    return {{24, 24, 32},    kWhite,          kFace,          kShadow,       {206, 46, 36},
            {250, 130, 110}, {96, 170, 60},   {40, 100, 36},  {52, 100, 190}, {240, 196, 70},
            {160, 110, 30},  {126, 84, 48},   {250, 214, 180}};
}

// The greys stand in for the colours so that every part keeps its outline
// and its light or dark fill.
SInk GreyInk() {
    return {kBlack,  kWhite, kFace,  kShadow, kShadow, kFace, kWhite,
            kShadow, kShadow, kWhite, kShadow, kShadow, kWhite};
}

using Face = void (*)(CCanvas&, const SInk&);

void Polygon(CCanvas& c, const std::vector<SPointF>& points, const SRgb& fill, const SInk& ink) {
    c.FillPolygon(points, fill);
    CStrokes::Path(c, points, 0.6, ink.line, true);
}

void Box(CCanvas& c, int x, int y, int w, int h, const SRgb& fill, const SInk& ink) {
    c.FillRect(x, y, w, h, ink.line);
    c.FillRect(x + 1, y + 1, w - 2, h - 2, fill);
}

void Disc(CCanvas& c, double cx, double cy, double r, const SRgb& fill, const SInk& ink) {
    c.FillEllipse(cx, cy, r + 1.0, r + 1.0, ink.line);
    c.FillEllipse(cx, cy, r, r, fill);
}

// A flat coin seen from the side, its face up.
void Coin(CCanvas& c, double cx, double y, const SInk& ink) {
    CStrokes::FlatDisc(c, cx, y, 5.5, 2.6, ink.line, ink.gold, ink.goldDark);
}

void Plot(CCanvas& c, const SInk& ink) {
    Polygon(c, {{2, 21}, {16, 14}, {30, 21}, {16, 28}}, ink.green, ink);
    CStrokes::Capsule(c, {9, 17.5}, {23, 24.5}, 0.45, ink.greenDark);
    CStrokes::Capsule(c, {9, 24.5}, {23, 17.5}, 0.45, ink.greenDark);
}

void RealEstate(CCanvas& c, const SInk& ink) {
    Box(c, 5, 13, 15, 14, ink.paper, ink);
    Polygon(c, {{2, 14}, {12.5, 4}, {23, 14}}, ink.red, ink);
    Box(c, 11, 19, 5, 8, ink.brown, ink);
    Box(c, 7, 16, 4, 4, ink.blue, ink);
    // The key, upright on the right.
    Disc(c, 26, 8, 3.5, ink.gold, ink);
    c.FillEllipse(26, 8, 1.3, 1.3, ink.face);
    Box(c, 25, 11, 3, 17, ink.gold, ink);
    Box(c, 21, 21, 5, 3, ink.gold, ink);
    Box(c, 22, 25, 4, 3, ink.gold, ink);
}

void DesignatedPurchase(CCanvas& c, const SInk& ink) {
    Plot(c, ink);
    Polygon(c, {{11.5, 11}, {20.5, 11}, {16, 22}}, ink.red, ink);
    Disc(c, 16, 8.5, 5.5, ink.red, ink);
    c.FillEllipse(14.3, 6.8, 1.8, 1.4, ink.redLight);
}

void AcquireLand(CCanvas& c, const SInk& ink) {
    Plot(c, ink);
    for (int i = 0; i < 4; ++i) Coin(c, 16, 19.0 - i * 3.5, ink);
}

void Construction(CCanvas& c, const SInk& ink) {
    // The new building under the hook.
    Box(c, 17, 17, 12, 11, ink.red, ink);
    for (int y : {20, 23}) c.FillRect(18, y, 10, 1, ink.line);
    c.FillRect(22, 18, 1, 2, ink.line);
    c.FillRect(25, 21, 1, 2, ink.line);
    // Mast, jib and counterweight.
    Box(c, 7, 3, 5, 25, ink.gold, ink);
    for (int y = 6; y < 26; y += 4) CStrokes::Capsule(c, {8, double(y)}, {11, y + 2.5}, 0.5, ink.line);
    Box(c, 2, 3, 28, 4, ink.gold, ink);
    Box(c, 2, 7, 5, 4, ink.shade, ink);
    // Cable and hook.
    c.FillRect(24, 7, 1, 6, ink.line);
    CStrokes::Path(c, {{24.5, 12.5}, {24.5, 15.5}, {22.5, 15.5}, {22.5, 14}}, 0.7, ink.line,
                   false);
    c.FillRect(1, 28, 30, 1, ink.line);
}

void Reinforcement(CCanvas& c, const SInk& ink) {
    Box(c, 2, 17, 28, 11, ink.red, ink);
    for (int row = 0; row < 3; ++row) {
        const int y = 17 + row * 3 + 3;
        if (row < 2) c.FillRect(3, y, 26, 1, ink.shade);
        for (int x = 5 + (row % 2) * 3; x < 29; x += 6) c.FillRect(x, y - 2, 1, 2, ink.shade);
    }
    const std::vector<SPointF> shield = {{16, 2}, {25, 5}, {24, 16}, {16, 24}, {8, 16}, {7, 5}};
    Polygon(c, shield, ink.blue, ink);
    c.FillRect(14, 6, 4, 13, ink.paper);
    c.FillRect(10, 10, 12, 4, ink.paper);
}

void Salary(CCanvas& c, const SInk& ink) {
    Box(c, 6, 3, 22, 13, ink.greenDark, ink);
    Box(c, 2, 7, 22, 13, ink.green, ink);
    c.FillRect(4, 9, 18, 9, ink.paper);
    c.FillRect(5, 10, 16, 7, ink.green);
    Disc(c, 13, 13.5, 2.6, ink.paper, ink);
    for (int i = 0; i < 3; ++i) Coin(c, 23, 25.0 - i * 3.5, ink);
}

void Recruit(CCanvas& c, const SInk& ink) {
    CStrokes::RoundBox(c, 3, 16, 20, 13, 4.0, ink.line);
    CStrokes::RoundBox(c, 4, 17, 18, 12, 3.5, ink.blue);
    c.FillPolygon({{11, 17}, {15, 17}, {13, 21}}, ink.paper);
    c.FillRect(12, 20, 3, 6, ink.red);
    Disc(c, 13, 9, 5.0, ink.skin, ink);
    // The plus of a new hand.
    Disc(c, 24.5, 20.5, 5.5, ink.green, ink);
    c.FillRect(23, 17, 3, 8, ink.paper);
    c.FillRect(21, 19, 8, 3, ink.paper);
}

void Advice(CCanvas& c, const SInk& ink) {
    for (const auto& [a, b] : {std::pair<SPointF, SPointF>{{16, 0.5}, {16, 2.5}},
                               {{5, 5}, {7, 7}},
                               {{27, 5}, {25, 7}},
                               {{2, 13}, {4.5, 13}},
                               {{30, 13}, {27.5, 13}}})
        CStrokes::Capsule(c, a, b, 0.8, ink.goldDark);
    Disc(c, 16, 12, 7.5, ink.gold, ink);
    Polygon(c, {{11, 16}, {21, 16}, {19.5, 21}, {12.5, 21}}, ink.gold, ink);
    c.FillEllipse(13.5, 9.5, 2.2, 2.8, ink.paper);
    for (int i = 0; i < 3; ++i) Box(c, 12, 21 + i * 2, 8, 3, ink.shade, ink);
    Box(c, 14, 26, 4, 3, ink.line, ink);
}

void EndOperations(CCanvas& c, const SInk& ink) {
    Box(c, 2, 4, 21, 23, ink.paper, ink);
    Box(c, 2, 4, 21, 6, ink.red, ink);
    for (int x : {7, 17}) Box(c, x, 2, 2, 5, ink.shade, ink);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            c.FillRect(5 + col * 4, 12 + row * 4, 3, 2, row == 2 && col == 3 ? ink.red : ink.shade);
    // The arrow to the next month.
    Polygon(c, {{14, 19}, {22, 19}, {22, 15}, {30, 22}, {22, 29}, {22, 25}, {14, 25}}, ink.green,
            ink);
}

constexpr Face kFaces[CPictureCatalog::kToolFaceCount] = {
    RealEstate, DesignatedPurchase, AcquireLand,  Construction, Reinforcement,
    Salary,     Recruit,            Advice,       EndOperations};

}  // namespace

void CToolFacePainter::Draw(CCanvas& strip, const SPictureEntry& entry, bool greysOnly) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    const SInk ink = greysOnly ? GreyInk() : ColourInk();
    for (int i = 0; i < CPictureCatalog::kToolFaceCount && i < entry.columns; ++i) {
        CCanvas cell(w, h, strip.Palette());
        cell.Fill(ink.face);
        kFaces[i](cell, ink);
        strip.Draw(cell, i * w, 0);
    }
}
