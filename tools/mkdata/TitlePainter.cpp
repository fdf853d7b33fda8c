#include "tools/mkdata/TitlePainter.h"

#include <cmath>
#include <string>

#include "tools/mkdata/MaskedCell.h"
#include "tools/mkdata/PixelFont.h"
#include "tools/mkdata/Strokes.h"

namespace {

constexpr double kPi = 3.14159265358979;
constexpr int kStillPhase = 7;

const SRgb kInk{20, 22, 34};
const SRgb kWhite{255, 255, 255};
const SRgb kGold{240, 196, 70};
const SRgb kGoldDark{150, 100, 28};
const SRgb kGoldLight{255, 240, 160};
const SRgb kNightTop{16, 20, 56};
const SRgb kNightLow{40, 90, 150};
const SRgb kBuilding{30, 34, 52};
const SRgb kWindow{255, 226, 120};
const SRgb kWindowDark{60, 64, 90};

// One building of a skyline, in units of the area it stands in: left and
// right edges 0..1 and its top, 0 the top of the area and 1 the ground.
struct SBuilding {
    double left, right, top;
};

constexpr SBuilding kSkyline[] = {{0.00, 0.12, 0.55}, {0.10, 0.24, 0.38}, {0.24, 0.33, 0.62},
                                  {0.33, 0.46, 0.22}, {0.46, 0.55, 0.48}, {0.55, 0.68, 0.30},
                                  {0.68, 0.77, 0.58}, {0.77, 0.90, 0.42}, {0.90, 1.00, 0.64}};

// Whether window (column, row) of building b is lit in a phase: most are,
// a few change from phase to phase, all are at the still end.
bool WindowLit(int b, int column, int row, int phase) {
    if (phase >= kStillPhase) return true;
    const unsigned h = static_cast<unsigned>(b * 7919 + column * 104729 + row * 1299709 +
                                             phase * 15485863);
    return (h >> 3) % 5 != 0;
}

// The colour of a skyline pixel at (x, y) of the area (ax, ay, aw, ah), or
// none when (x, y) is sky.
bool SkylineAt(int x, int y, double ax, double ay, double aw, double ah, int phase, SRgb& c) {
    const double u = (x + 0.5 - ax) / aw, v = (y + 0.5 - ay) / ah;
    for (int b = 0; b < static_cast<int>(std::size(kSkyline)); ++b) {
        const SBuilding& s = kSkyline[b];
        if (u < s.left || u >= s.right || v < s.top) continue;
        const int bx = x - static_cast<int>(std::ceil(ax + s.left * aw));
        const int by = y - static_cast<int>(std::ceil(ay + s.top * ah));
        const bool window = bx % 3 == 1 && by % 3 == 2 && v < 0.96;
        c = window ? (WindowLit(b, bx / 3, by / 3, phase) ? kWindow : kWindowDark) : kBuilding;
        return true;
    }
    return false;
}

// A coin seen turned by its width factor f (1 face on), with the letter M
// while it faces the viewer.
void Coin(CCanvas& c, double cx, double cy, double r, double f) {
    const double rx = std::max(1.2, r * f);
    // The rim shows as the coin turns away.
    if (f < 0.95) c.FillEllipse(cx + 1.2, cy, rx, r, kGoldDark);
    c.FillEllipse(cx, cy, rx + 1.0, r + 1.0, kInk);
    c.FillEllipse(cx, cy, rx, r, kGold);
    if (rx > 4) c.FillEllipse(cx, cy, rx - 2.0, r - 2.0, SRgb{250, 212, 96});
    if (f > 0.8) {
        // The letter M stroked across the coin's face.
        const double s = r * 0.5, stroke = std::max(0.75, r * 0.12);
        CStrokes::Path(c,
                       {{cx - s, cy + s * 0.9},
                        {cx - s, cy - s * 0.9},
                        {cx, cy + s * 0.25},
                        {cx + s, cy - s * 0.9},
                        {cx + s, cy + s * 0.9}},
                       stroke, kGoldDark, false);
        c.FillEllipse(cx - rx * 0.5, cy - r * 0.62, rx * 0.16, r * 0.12, kGoldLight);
    }
}

// The logo badge of radius r round (cx, cy) in a phase 0..7.
void Badge(CCanvas& c, double cx, double cy, double r, int phase) {
    c.FillEllipse(cx, cy, r, r, kInk);
    c.FillEllipse(cx, cy, r - 1.0, r - 1.0, kGold);
    c.FillEllipse(cx, cy, r - 2.5, r - 2.5, kGoldDark);
    const double inner = r - 3.5;
    const CCanvas::Shader sky = CStrokes::Gradient(static_cast<int>(cy - inner),
                                                   static_cast<int>(cy + inner), kNightTop,
                                                   kNightLow);
    c.FillEllipse(cx, cy, inner, inner, [&](int x, int y) {
        SRgb s;
        if (SkylineAt(x, y, cx - inner, cy, 2 * inner, inner, phase, s)) return s;
        return sky(x, y);
    });
    const double f = phase >= kStillPhase ? 1.0 : std::fabs(std::cos(phase * kPi / 7));
    Coin(c, cx, cy - inner * 0.32, inner * 0.4, f);
}

// A small four-pointed sparkle.
void Sparkle(CCanvas& c, double x, double y, double r, const SRgb& colour) {
    c.FillPolygon({{x, y - r}, {x + r * 0.3, y - r * 0.3}, {x + r, y}, {x + r * 0.3, y + r * 0.3},
                   {x, y + r}, {x - r * 0.3, y + r * 0.3}, {x - r, y}, {x - r * 0.3, y - r * 0.3}},
                  colour);
}

void Caption(CCanvas& c, int cx, int y, const std::string& text) {
    const int x = cx - CPixelFont::TextWidth(text, 2) / 2;
    CPixelFont::Draw(c, x + 1, y + 1, text, SRgb{150, 160, 190}, 2);
    CPixelFont::Draw(c, x, y, text, SRgb{16, 26, 80}, 2);
}

void NewGamePicture(CCanvas& c) {
    const int w = c.Width();
    // Sunrise behind a young city and a crane still at work.
    c.FillEllipse(w / 2.0, 40, 20, 20, SRgb{255, 176, 60});
    c.FillEllipse(w / 2.0, 40, 16, 16, SRgb{255, 214, 110});
    const SRgb colours[] = {{52, 100, 190}, {206, 46, 36}, {96, 170, 60}, {150, 96, 200}};
    const int blocks[][3] = {{10, 24, 16}, {26, 18, 10}, {54, 26, 12}, {68, 20, 14}};
    for (int i = 0; i < 4; ++i) {
        const auto [x, top, bw] = blocks[i];
        c.FillRect(x - 1, top - 1, bw + 2, 42 - top + 1, kInk);
        c.FillRect(x, top, bw, 42 - top, colours[i]);
        for (int wy = top + 3; wy < 39; wy += 4)
            for (int wx = x + 2; wx < x + bw - 2; wx += 4) c.FillRect(wx, wy, 2, 2, kWindow);
    }
    // The crane over the building that is going up.
    c.FillRect(40, 8, 3, 34, kInk);
    c.FillRect(41, 9, 1, 33, kGold);
    c.FillRect(30, 7, 34, 3, kInk);
    c.FillRect(31, 8, 32, 1, kGold);
    c.FillRect(59, 10, 1, 10, kInk);
    c.FillRect(56, 20, 7, 3, SRgb{206, 46, 36});
    c.FillRect(4, 42, w - 8, 3, SRgb{60, 118, 36});
    Sparkle(c, 84, 10, 5, kWhite);
    Sparkle(c, 16, 12, 3, kGoldLight);
    Caption(c, w / 2, 50, "NEW GAME");
}

void LoadPicture(CCanvas& c) {
    const int w = c.Width();
    // An open folder holding a saved game, an arrow lifting it out.
    const SRgb folder{222, 170, 70}, folderDark{160, 110, 30};
    CStrokes::RoundBox(c, 22, 10, 22, 8, 2.0, kInk);
    CStrokes::RoundBox(c, 23, 11, 20, 7, 1.5, folderDark);
    CStrokes::RoundBox(c, 22, 14, 52, 30, 2.0, kInk);
    CStrokes::RoundBox(c, 23, 15, 50, 28, 1.5, folderDark);
    c.FillRect(30, 6, 34, 30, kInk);
    c.FillRect(31, 7, 32, 29, kWhite);
    for (int y = 11; y < 32; y += 4) c.FillRect(34, y, y == 11 ? 16 : 26, 2, SRgb{130, 140, 170});
    c.FillPolygon({{18, 24}, {78, 24}, {72, 45}, {24, 45}}, kInk);
    c.FillPolygon({{19.5, 25}, {76.5, 25}, {71, 44}, {25, 44}}, folder);
    c.FillRect(28, 27, 42, 1, SRgb{250, 214, 130});
    const std::vector<SPointF> arrow = {{72, 30}, {72, 16}, {67, 16}, {77, 4},
                                        {87, 16}, {82, 16}, {82, 30}};
    c.FillPolygon(arrow, SRgb{80, 170, 60});
    CStrokes::Path(c, arrow, 0.6, SRgb{24, 80, 24}, true);
    Caption(c, w / 2, 50, "LOAD GAME");
}

}  // namespace

void CTitlePainter::Logo(CCanvas& strip, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    const double r = std::min(w, h) / 2.0 - 0.5;
    for (int phase = 0; phase <= kStillPhase && phase + 1 < entry.rows; ++phase) {
        CCanvas cell = CMaskedCell::Blank(w, h, strip.Palette());
        Badge(cell, w / 2.0, h / 2.0, r, phase);
        CMaskedCell::PutPicture(strip, cell, 0, (phase + 1) * h);
        if (phase == 0) CMaskedCell::PutMask(strip, cell, 0, 0);
    }
}

void CTitlePainter::LogoBack(CCanvas& strip, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    // Small diamonds a shade darker than the button face on a lattice, the
    // face showing through between them.
    CCanvas cell = CMaskedCell::Blank(w, h, strip.Palette());
    for (const auto& [x, y] : {std::pair{w / 4.0, h / 4.0}, {w * 3 / 4.0, h * 3 / 4.0}}) {
        cell.FillPolygon({{x, y - 3}, {x + 3, y}, {x, y + 3}, {x - 3, y}}, SRgb{176, 176, 176});
        cell.FillPolygon({{x, y - 3}, {x + 3, y}, {x, y}, {x - 3, y}}, SRgb{208, 208, 208});
    }
    CMaskedCell::PutMask(strip, cell, 0, 0);
    CMaskedCell::PutPicture(strip, cell, 0, h);
}

void CTitlePainter::MarkAnimation(CCanvas& strip, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    const int frames = entry.rows;
    const CGamePalette& palette = strip.Palette();
    for (int frame = 0; frame < frames; ++frame) {
        const int y0 = frame * h;
        strip.FillRect(0, y0, w, h, SRgb{0, 0, 0});
        // Six company emblems on a ring round the spinning coin; the light
        // runs round the ring, one emblem a frame.
        for (int i = 0; i < frames; ++i) {
            const double a = 2 * kPi * i / frames - kPi / 2;
            const double x = w / 2.0 + std::cos(a) * w * 0.36;
            const double y = y0 + h / 2.0 + std::sin(a) * h * 0.36;
            const SRgb colour = palette.Color(CGamePalette::CompanyColorIndex(i * 5 % 32));
            const bool lit = i == frame;
            const double r = lit ? 6.5 : 5.0;
            if (lit) strip.FillEllipse(x, y, r + 1.5, r + 1.5, colour.Mixed(kWhite, 0.7));
            strip.FillEllipse(x, y, r, r, colour.Mixed(SRgb{0, 0, 0}, 0.5));
            strip.FillEllipse(x, y, r - 1.3, r - 1.3, lit ? colour.Mixed(kWhite, 0.25) : colour);
        }
        Coin(strip, w / 2.0, y0 + h / 2.0, w * 0.17, std::fabs(std::cos(frame * kPi / frames)));
    }
}

void CTitlePainter::StartChoice(CCanvas& strip, const SPictureEntry& entry, bool newGame) {
    const int w = entry.width, h = entry.height / 2;
    CCanvas picture = CMaskedCell::Blank(w, h, strip.Palette());
    if (newGame) {
        NewGamePicture(picture);
    } else {
        LoadPicture(picture);
    }
    CMaskedCell::PutPicture(strip, picture, 0, 0);
    CMaskedCell::PutMask(strip, picture, 0, h);
}

void CTitlePainter::ReportPicture(CCanvas& c) {
    const int w = c.Width(), h = c.Height();
    c.FillRect(0, 0, w, h, SRgb{0, 0, 0});
    const CCanvas::Shader sky = CStrokes::Gradient(0, h * 2 / 3, SRgb{120, 170, 226},
                                                   SRgb{226, 236, 246});
    for (int y = 1; y < h - 1; ++y) c.FillRect(1, y, w - 2, 1, sky(0, y));
    const SRgb stone{222, 212, 192}, stoneDark{150, 140, 124}, shadow{100, 96, 90};
    // Ground, steps, the hall, its columns, the frieze and the pediment.
    c.FillRect(1, 108, w - 2, h - 109, SRgb{118, 170, 52});
    for (int i = 0; i < 3; ++i) {
        c.FillRect(10 + i * 3, 108 - (i + 1) * 3, w - 20 - i * 6, 3, shadow);
        c.FillRect(11 + i * 3, 108 - (i + 1) * 3 + 1, w - 22 - i * 6, 2, stone);
    }
    c.FillRect(18, 66, w - 36, 33, SRgb{120, 112, 100});
    for (int i = 0; i < 5; ++i) {
        const int x = 20 + i * 14;
        c.FillRect(x, 66, 8, 33, shadow);
        c.FillRect(x + 1, 66, 6, 33, stone);
        c.FillRect(x + 2, 66, 1, 33, kWhite);
        c.FillRect(x - 1, 64, 10, 3, stoneDark);
    }
    c.FillRect(14, 52, w - 28, 12, shadow);
    c.FillRect(15, 53, w - 30, 10, stone);
    CPixelFont::Draw(c, w / 2 - CPixelFont::TextWidth("BANK", 2) / 2 + 1, 53, "BANK", kInk, 2);
    c.FillPolygon({{10, 52}, {w / 2.0, 34}, {w - 10.0, 52}}, shadow);
    c.FillPolygon({{15, 50.5}, {w / 2.0, 37}, {w - 15.0, 50.5}}, stone);
    c.FillEllipse(w / 2.0, 45, 4, 4, kGold);
    // The falling arrow, thick red in a dark edge, from the upper left to
    // its head over the roof.
    const std::vector<SPointF> path = {{8, 8}, {30, 24}, {44, 14}, {70, 30}};
    CStrokes::Path(c, path, 4.2, SRgb{90, 10, 10}, false);
    CStrokes::Path(c, path, 2.9, SRgb{214, 40, 34}, false);
    const std::vector<SPointF> head = {{64, 20}, {88, 40}, {58, 38}};
    c.FillPolygon(head, SRgb{214, 40, 34});
    CStrokes::Path(c, head, 1.0, SRgb{90, 10, 10}, true);
}

void CTitlePainter::TitlePicture(CCanvas& c) {
    const int w = c.Width(), h = c.Height();
    const CCanvas::Shader sky = CStrokes::Gradient(0, h, kNightTop, SRgb{120, 90, 150});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            SRgb s;
            c.Plot(x, y, SkylineAt(x, y, 0, h * 0.4, w, h * 0.6, kStillPhase, s) ? s : sky(x, y));
        }
    Badge(c, w / 2.0, h * 0.32, h * 0.28, kStillPhase);
}
