#include "tools/mkdata/CursorPainter.h"

#include "tools/mkdata/MaskedCell.h"
#include "tools/mkdata/Strokes.h"

namespace {

const SRgb kOutline{0, 0, 0};
const SRgb kSkin{255, 232, 206};
const SRgb kShade{170, 112, 80};

// A hand is drawn twice: grown by a pixel in the outline colour, then in
// its own colours, so that every part is outlined and the parts merge.
struct SHandPart {
    SPointF a, b;
    double radius;
};

void DrawParts(CCanvas& cell, const std::vector<SHandPart>& parts) {
    for (const SHandPart& p : parts) CStrokes::Capsule(cell, p.a, p.b, p.radius + 1.1, kOutline);
    for (const SHandPart& p : parts) CStrokes::Capsule(cell, p.a, p.b, p.radius, kSkin);
}

// A fist seen from the back: the palm, four curled fingers across its top,
// each outlined on its own so that the knuckles read, and the thumb along
// the left; the hot spot (the middle of the palm) lies in it.
void ClosedHand(CCanvas& cell) {
    DrawParts(cell, {{{12, 19}, {20, 19}, 5.5}, {{8.5, 17}, {11, 22.5}, 2.2}});
    for (double x : {10.5, 14.5, 18.5, 22.5})
        DrawParts(cell, {{{x, 13.0 + (x > 20 ? 1 : 0)}, {x, 15.5}, 2.1}});
    CStrokes::Capsule(cell, {13, 21}, {19, 21}, 0.45, kShade);
}

// A hand whose index finger points up; its tip is the hot spot (hx, hy).
void PointingHand(CCanvas& cell, int hx, int hy) {
    const double fx = hx + 0.5, top = hy + 2.6;
    DrawParts(cell, {{{fx, top}, {fx, top + 12}, 2.0},
                     {{fx + 2.5, top + 16}, {fx + 9, top + 18}, 5.0},
                     {{fx + 4.5, top + 11}, {fx + 4.5, top + 12}, 1.9},
                     {{fx + 8.2, top + 11.5}, {fx + 8.2, top + 12.5}, 1.9},
                     {{fx + 11.5, top + 12.5}, {fx + 11.5, top + 13.5}, 1.8},
                     {{fx - 2, top + 13}, {fx - 4, top + 9.5}, 1.8}});
    CStrokes::Capsule(cell, {fx + 6.4, top + 10.5}, {fx + 6.4, top + 13}, 0.45, kShade);
    CStrokes::Capsule(cell, {fx + 9.9, top + 11}, {fx + 9.9, top + 13.5}, 0.45, kShade);
    CStrokes::Capsule(cell, {fx - 0.6, top + 1}, {fx + 0.6, top + 1}, 0.5, kShade);
}

}  // namespace

void CCursorPainter::Draw(CCanvas& canvas, const SPictureEntry& entry) {
    const int w = entry.CellWidth(), h = entry.CellHeight();
    CCanvas cell = CMaskedCell::Blank(w, h, canvas.Palette());
    if (entry.id == CPictureCatalog::kCursorPick) {
        ClosedHand(cell);
    } else {
        PointingHand(cell, entry.hotX, entry.hotY);
    }
    CMaskedCell::PutPicture(canvas, cell, 0, 0);
    CMaskedCell::PutMask(canvas, cell, 0, h);
}
