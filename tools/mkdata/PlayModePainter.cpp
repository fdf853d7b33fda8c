#include "tools/mkdata/PlayModePainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkdata/Strokes.h"

namespace {

const SRgb kInk{20, 22, 34};
const SRgb kScreen{70, 150, 220};
const SRgb kScreenLight{170, 220, 250};
const SRgb kCase{210, 212, 220};
const SRgb kServer{90, 96, 120};
const SRgb kLamp{80, 220, 90};
const SRgb kLink{230, 140, 30};
const SRgb kDisk{60, 70, 160};

// A small monitor with its foot, its screen's top left at (x, y).
void Monitor(CCanvas& c, int x, int y) {
    c.FillRect(x - 1, y - 1, 18, 14, kInk);
    c.FillRect(x, y, 16, 12, kCase);
    c.FillRect(x + 2, y + 2, 12, 8, kScreen);
    c.FillRect(x + 3, y + 3, 5, 2, kScreenLight);
    c.FillRect(x + 6, y + 13, 4, 2, kInk);
    c.FillRect(x + 3, y + 15, 10, 2, kInk);
}

// A server tower, its top left at (x, y).
void Server(CCanvas& c, int x, int y) {
    c.FillRect(x - 1, y - 1, 14, 24, kInk);
    c.FillRect(x, y, 12, 22, kServer);
    for (int row = 0; row < 3; ++row) {
        c.FillRect(x + 2, y + 3 + row * 5, 8, 2, kCase);
        c.FillRect(x + 8, y + 3 + row * 5, 2, 2, kLamp);
    }
}

// An arrow head at b pointing away from a, after the line a-b.
void Arrow(CCanvas& c, SPointF a, SPointF b) {
    CStrokes::Capsule(c, a, b, 1.0, kLink);
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::max(1.0, std::sqrt(dx * dx + dy * dy));
    const double ux = dx / length, uy = dy / length;
    c.FillPolygon({{b.x + ux * 4, b.y + uy * 4},
                   {b.x - uy * 3.5, b.y + ux * 3.5},
                   {b.x + uy * 3.5, b.y - ux * 3.5}},
                  kLink);
}

void Disk(CCanvas& c, int x, int y) {
    c.FillRect(x - 1, y - 1, 14, 14, kInk);
    c.FillRect(x, y, 12, 12, kDisk);
    c.FillRect(x + 3, y, 6, 4, kCase);
    c.FillRect(x + 2, y + 7, 8, 5, SRgb{240, 240, 240});
}

void Cell(CCanvas& c, int mode, int x0) {
    switch (mode) {
        case 0:
            Monitor(c, x0 + 24, 7);
            break;
        case 1:
            Server(c, x0 + 26, 5);
            Monitor(c, x0 + 4, 2);
            Monitor(c, x0 + 44, 12);
            Arrow(c, {x0 + 25.0, 12}, {x0 + 21.0, 9});
            Arrow(c, {x0 + 38.0, 20}, {x0 + 43.0, 20});
            break;
        case 2:
            Monitor(c, x0 + 6, 8);
            Server(c, x0 + 46, 5);
            Arrow(c, {x0 + 24.0, 14}, {x0 + 40.0, 14});
            break;
        default:
            Monitor(c, x0 + 4, 8);
            Disk(c, x0 + 26, 4);
            Server(c, x0 + 47, 5);
            CStrokes::Ring(c, x0 + 32.0, 16, 11, 9.5, kLink);
            Arrow(c, {x0 + 38.0, 26}, {x0 + 42.0, 24});
            break;
    }
}

}  // namespace

void CPlayModePainter::Draw(CCanvas& strip, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    const CCanvas::Shader sky = CStrokes::Gradient(0, h - 1, SRgb{226, 236, 248}, SRgb{190, 210, 232});
    for (int mode = 0; mode < entry.columns; ++mode) {
        const int x0 = mode * w;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) strip.Plot(x0 + x, y, sky(x, y));
        strip.FillRect(x0, h - 1, w, 1, SRgb{120, 130, 150});
        strip.FillRect(x0 + w - 1, 0, 1, h, SRgb{120, 130, 150});
        Cell(strip, mode, x0);
    }
}
