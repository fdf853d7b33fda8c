// The recolouring of the tool-button faces, pixel by pixel: the greys to
// the system colours within a tolerance of 16, the disabled look's shadow
// with its highlight edge kept inside each 32-pixel cell, and the latched
// look's checkerboard.

#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/SystemColors.h"
#include "views/BitmapRecolor.h"

namespace {

COLORREF Sys(int index) {
    return CSystemColors::Color(index);
}

// A bitmap filled with one colour and a context on it.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) {
        bitmap.CreateBitmap(width, height);
        dc.CreateCompatibleDC(nullptr);
        Select();
        dc.FillSolidRect(0, 0, width, height, fill);
    }
    ~Canvas() { Deselect(); }
    // The recolouring selects the bitmap itself.
    void Deselect() {
        if (previous) dc.SelectObject(previous);
        previous = nullptr;
    }
    void Select() { previous = dc.SelectObject(&bitmap); }
    CBitmap bitmap;
    CDC dc;
    CBitmap* previous = nullptr;
};

TEST(BitmapRecolor, GreysBecomeTheSystemColoursWithinSixteen) {
    struct Case {
        COLORREF in;
        COLORREF out;
    };
    const COLORREF other = RGB(200, 185, 175);
    const Case cases[] = {
        {RGB(255, 255, 255), Sys(COLOR_BTNHIGHLIGHT)},
        {RGB(239, 250, 255), Sys(COLOR_BTNHIGHLIGHT)},
        {RGB(192, 192, 192), Sys(COLOR_BTNFACE)},
        {RGB(200, 185, 176), Sys(COLOR_BTNFACE)},
        {other, other},
        {RGB(128, 128, 128), Sys(COLOR_BTNSHADOW)},
        {RGB(112, 144, 128), Sys(COLOR_BTNSHADOW)},
        {RGB(0, 0, 0), Sys(COLOR_BTNTEXT)},
        {RGB(16, 16, 16), Sys(COLOR_BTNTEXT)},
        {RGB(17, 0, 0), RGB(17, 0, 0)},
        {RGB(255, 0, 0), RGB(255, 0, 0)},
    };
    const int count = static_cast<int>(std::size(cases));
    Canvas canvas(count, 1, 0);
    for (int x = 0; x < count; ++x) canvas.dc.SetPixel(x, 0, cases[x].in);
    canvas.Deselect();
    ASSERT_EQ(RecolorBitmapGreys(canvas.bitmap), 1);
    canvas.Select();
    for (int x = 0; x < count; ++x)
        EXPECT_EQ(canvas.dc.GetPixel(x, 0), cases[x].out) << "pixel " << x;
}

TEST(BitmapRecolor, TheDisabledLookCastsItsEdgeWithinEachCell) {
    const COLORREF face = Sys(COLOR_BTNFACE);
    Canvas canvas(64, 4, face);
    // Shapes in text colour at the ends of both cells, and a shadow pixel.
    for (POINT p : {POINT{30, 1}, POINT{31, 1}, POINT{62, 1}, POINT{5, 1}})
        canvas.dc.SetPixel(p.x, p.y, Sys(COLOR_BTNTEXT));
    canvas.dc.SetPixel(10, 1, Sys(COLOR_BTNSHADOW));
    canvas.Deselect();
    ASSERT_EQ(RecolorBitmapGreysMasked(canvas.bitmap), 1);
    canvas.Select();
    struct Case {
        int x, y;
        COLORREF colour;
        const char* what;
    };
    const Case cases[] = {
        {5, 1, Sys(COLOR_BTNSHADOW), "a shape turns shadow"},
        {6, 2, Sys(COLOR_BTNHIGHLIGHT), "with a highlight below right"},
        {10, 1, face, "a shadow pixel vanishes into the face"},
        {11, 2, face, "and casts nothing"},
        {31, 2, Sys(COLOR_BTNHIGHLIGHT), "column 30 lights column 31"},
        {32, 2, face, "column 31 lights nothing in the next cell"},
        {63, 2, Sys(COLOR_BTNHIGHLIGHT), "the second cell's edge"},
        {0, 0, face, "the face stays"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(canvas.dc.GetPixel(c.x, c.y), c.colour) << c.what;
}

TEST(BitmapRecolor, TheLatchedLookIsACheckerboardOnTheFace) {
    const COLORREF face = Sys(COLOR_BTNFACE);
    const COLORREF mark = RGB(255, 0, 0);
    Canvas canvas(4, 3, face);
    canvas.dc.SetPixel(1, 0, mark);
    canvas.Deselect();
    ASSERT_EQ(RecolorBitmapFace(canvas.bitmap), 1);
    canvas.Select();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const COLORREF expected =
                x == 1 && y == 0 ? mark : (x + y) % 2 ? Sys(COLOR_BTNHIGHLIGHT) : face;
            EXPECT_EQ(canvas.dc.GetPixel(x, y), expected) << x << ", " << y;
        }
}

TEST(BitmapRecolor, AnEmptyBitmapIsRefused) {
    CBitmap empty;
    EXPECT_EQ(RecolorBitmapGreys(empty), 0);
    EXPECT_EQ(RecolorBitmapGreysMasked(empty), 0);
    EXPECT_EQ(RecolorBitmapFace(empty), 0);
}

}  // namespace
