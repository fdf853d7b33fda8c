#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/BoxFontWindowSystem.h"
#include "fakes/FakeServices.h"
#include "fakes/TestDrawing.h"
#include "model/ColorTable.h"
#include "model/DrawingHelpers.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/SystemColors.h"

namespace {

constexpr COLORREF kBackground = RGB(10, 200, 10);

COLORREF Sys(int index) {
    return CSystemColors::Color(index);
}

// Text draws as boxes: the standard font is 10 pixels high with characters
// 5 wide (a box of 4 and a gap of 1).
class DrawingHelpersTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeFont(standard, 10);
        app.standardFont = &standard;
        app.standardCharWidth = 5;
    }
    static void MakeFont(CFont& font, int height) {
        font.CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0,
                        CLIP_STROKE_PRECIS, 0, 0, "MS Sans Serif");
    }

    CBoxFontWindowSystem windows;
    CFakeAppService app;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    CFont standard;
    CTestCanvas canvas{64, 40, kBackground};
};

TEST_F(DrawingHelpersTest, FrameEdgesAndCornersRaisedAndSunken) {
    for (BOOL sunken : {FALSE, TRUE}) {
        SCOPED_TRACE(sunken ? "sunken" : "raised");
        CTestCanvas c(16, 14, kBackground);
        c.DC().SetBkColor(RGB(1, 2, 3));
        Draw3DFrame(c.DC(), CRect(2, 2, 12, 10), sunken);
        const COLORREF topLeft = sunken ? Sys(COLOR_3DDKSHADOW) : Sys(COLOR_BTNHIGHLIGHT);
        const COLORREF bottomRight = sunken ? Sys(COLOR_BTNHIGHLIGHT) : Sys(COLOR_3DDKSHADOW);
        EXPECT_EQ(c.At(2, 2), topLeft);
        EXPECT_EQ(c.At(6, 2), topLeft);
        EXPECT_EQ(c.At(2, 6), topLeft);
        // The bottom and right edges are drawn last and own three corners.
        EXPECT_EQ(c.At(11, 2), bottomRight);
        EXPECT_EQ(c.At(2, 9), bottomRight);
        EXPECT_EQ(c.At(11, 9), bottomRight);
        EXPECT_EQ(c.At(6, 9), bottomRight);
        EXPECT_EQ(c.At(11, 6), bottomRight);
        EXPECT_EQ(c.At(6, 6), kBackground);
        EXPECT_EQ(c.At(1, 1), kBackground);
        EXPECT_EQ(c.At(12, 10), kBackground);
        EXPECT_EQ(c.DC().GetBkColor(), RGB(1, 2, 3));
    }
}

struct TextStateCase {
    int state;
    int colorIndex;
    COLORREF text;
    bool highlight;
};

TEST_F(DrawingHelpersTest, ColouredTextStatesAndTheEngravedHighlight) {
    const std::vector<TextStateCase> cases = {
        {0, -1, Sys(COLOR_BTNTEXT), true},
        {0, 5, GetColorTableEntry(5), true},
        {1, -1, Sys(COLOR_CAPTIONTEXT), false},
        {1, 5, Sys(COLOR_CAPTIONTEXT), false},
        {2, -1, Sys(COLOR_GRAYTEXT), true},
        {2, 5, Sys(COLOR_GRAYTEXT), true},
        {3, -1, Sys(COLOR_INACTIVECAPTIONTEXT), false},
        {3, 5, Sys(COLOR_INACTIVECAPTIONTEXT), false},
    };
    for (const TextStateCase& c : cases) {
        SCOPED_TRACE("state " + std::to_string(c.state) + " colour " +
                     std::to_string(c.colorIndex));
        CTestCanvas t(20, 20, kBackground);
        DrawColoredText(t.DC(), "A", CRect(0, 0, 20, 20), CPoint(4, 4), c.state, FALSE, 0,
                        c.colorIndex);
        // The box covers (4..7, 4..13); its copy one pixel down and right
        // shows only at its right and bottom edges.
        EXPECT_EQ(t.At(4, 4), c.text);
        EXPECT_EQ(t.At(8, 14), c.highlight ? Sys(COLOR_BTNHIGHLIGHT) : kBackground);
        EXPECT_EQ(t.At(3, 3), kBackground);
    }
}

struct PitchCase {
    const char* name;
    BOOL fixedPitch;
    int charWidth;
    int secondCharacter;
};

TEST_F(DrawingHelpersTest, FixedPitchAdvancesByTheCharacterWidth) {
    app.standardCharWidth = 7;
    const std::vector<PitchCase> cases = {
        {"own advances", FALSE, 9, 5},
        {"fixed pitch of 9", TRUE, 9, 9},
        {"fixed pitch of the standard width", TRUE, 0, 7},
    };
    for (const PitchCase& c : cases) {
        SCOPED_TRACE(c.name);
        CTestCanvas t(30, 12, kBackground);
        DrawColoredText(t.DC(), "AB", CRect(0, 0, 30, 12), CPoint(0, 0), 1, c.fixedPitch,
                        c.charWidth, -1);
        EXPECT_EQ(t.At(c.secondCharacter - 1, 2), kBackground);
        EXPECT_EQ(t.At(c.secondCharacter, 2), Sys(COLOR_CAPTIONTEXT));
    }
}

struct AlignCase {
    int align;
    BOOL fill;
    int x;
};

TEST_F(DrawingHelpersTest, TextInRectAlignsFillsAndCentresVertically) {
    const COLORREF fill = RGB(1, 2, 3);
    // "AB" is 10 x 10 in a 50 x 20 rectangle at (10, 10).
    const std::vector<AlignCase> cases = {
        {0, FALSE, 10}, {1, FALSE, 30}, {2, FALSE, 50}, {0, TRUE, 10}, {1, TRUE, 30}, {2, TRUE, 50},
    };
    for (const AlignCase& c : cases) {
        SCOPED_TRACE("align " + std::to_string(c.align) + (c.fill ? " filled" : ""));
        CTestCanvas t(64, 40, kBackground);
        t.DC().SetBkColor(fill);
        DrawTextInRect(t.DC(), "AB", CRect(10, 10, 60, 30), c.align, c.fill, 1, -1);
        const COLORREF around = c.fill ? fill : kBackground;
        EXPECT_EQ(t.At(c.x, 15), Sys(COLOR_CAPTIONTEXT));
        EXPECT_EQ(t.At(c.x, 24), Sys(COLOR_CAPTIONTEXT));
        EXPECT_EQ(t.At(c.x, 14), around);
        EXPECT_EQ(t.At(c.x, 25), around);
        EXPECT_EQ(t.At(c.x - 1, 20), c.x - 1 < 10 ? kBackground : around);
        EXPECT_EQ(t.At(10, 10) == fill, static_cast<bool>(c.fill));
        EXPECT_EQ(t.At(9, 9), kBackground);
    }
}

TEST_F(DrawingHelpersTest, CentredTextWiderThanItsRectStartsAtTheLeftEdge) {
    // Ten characters (50 pixels) in 21: centring would start at -4, with a
    // box over x = 11..14; starting at the left edge puts one over 10..13.
    DrawTextInRect(canvas.DC(), "ABCDEFGHIJ", CRect(10, 10, 31, 30), 1, FALSE, 1, -1);
    EXPECT_EQ(canvas.At(10, 20), Sys(COLOR_CAPTIONTEXT));
    EXPECT_EQ(canvas.At(14, 20), kBackground);
    EXPECT_EQ(canvas.At(31, 20), kBackground);
}

TEST_F(DrawingHelpersTest, TextInRectWithoutTextOnlyFills) {
    canvas.DC().SetBkColor(RGB(1, 2, 3));
    DrawTextInRect(canvas.DC(), nullptr, CRect(2, 2, 6, 6), 1, TRUE, 0, -1);
    EXPECT_EQ(canvas.At(2, 2), RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(5, 5), RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(6, 6), kBackground);
}

struct FaceCase {
    int speedClass;
    BOOL pressed;
    int outerTopLeft, innerTopLeft, innerBottomRight, outerBottomRight;
};

TEST_F(DrawingHelpersTest, ButtonFaceRingsFollowTheSpeedClass) {
    const std::vector<FaceCase> cases = {
        {300, FALSE, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_BTNSHADOW},
        {300, TRUE, COLOR_BTNSHADOW, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT},
        {200, FALSE, COLOR_BTNHIGHLIGHT, COLOR_3DLIGHT, COLOR_BTNSHADOW, COLOR_3DDKSHADOW},
        {200, TRUE, COLOR_3DDKSHADOW, COLOR_BTNSHADOW, COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT},
    };
    for (const FaceCase& c : cases) {
        SCOPED_TRACE("speed class " + std::to_string(c.speedClass) +
                     (c.pressed ? " pressed" : " raised"));
        app.speedClass = c.speedClass;
        CTestCanvas t(24, 20, kBackground);
        DrawButtonFace(t.DC(), CRect(0, 0, 20, 16), 0, c.pressed);
        EXPECT_EQ(t.At(8, 0), Sys(c.outerTopLeft));
        EXPECT_EQ(t.At(0, 8), Sys(c.outerTopLeft));
        EXPECT_EQ(t.At(8, 1), Sys(c.innerTopLeft));
        EXPECT_EQ(t.At(1, 8), Sys(c.innerTopLeft));
        EXPECT_EQ(t.At(8, 14), Sys(c.innerBottomRight));
        EXPECT_EQ(t.At(18, 8), Sys(c.innerBottomRight));
        EXPECT_EQ(t.At(8, 15), Sys(c.outerBottomRight));
        EXPECT_EQ(t.At(19, 8), Sys(c.outerBottomRight));
        EXPECT_EQ(t.At(8, 8), kBackground);
        // No focus: nothing four pixels inside.
        EXPECT_EQ(t.At(4, 4), kBackground);
    }
}

TEST_F(DrawingHelpersTest, FocusedButtonFaceHasADottedFrameFourPixelsInside) {
    DrawButtonFace(canvas.DC(), CRect(0, 0, 20, 16), kButtonFaceFocusState, FALSE);
    // The frame runs round (4, 4)-(16, 12) on the pixels of the
    // checkerboard.
    EXPECT_EQ(canvas.At(4, 4), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(5, 4), kBackground);
    EXPECT_EQ(canvas.At(6, 4), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(15, 11), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(4, 6), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(15, 5), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(6, 6), kBackground);
    EXPECT_EQ(canvas.At(3, 3), kBackground);
}

TEST_F(DrawingHelpersTest, HalftoneFillIsACheckerboardOfButtonFaceAndTheColour) {
    const COLORREF red = RGB(255, 0, 0);
    FillHalftoneRect(canvas.DC(), CRect(1, 1, 9, 9), red);
    for (int y = 1; y < 9; ++y) {
        for (int x = 1; x < 9; ++x) {
            SCOPED_TRACE(std::to_string(x) + ", " + std::to_string(y));
            EXPECT_EQ(canvas.At(x, y), (x + y) % 2 == 0 ? red : Sys(COLOR_BTNFACE));
        }
    }
    EXPECT_EQ(canvas.At(0, 0), kBackground);
    EXPECT_EQ(canvas.At(9, 9), kBackground);
}

struct FontCase {
    const char* name;
    int callerFont;  // height of a font the caller selects; 0 none
    bool standardFont;
    int textHeight;
};

TEST_F(DrawingHelpersTest, StandardFontOnlyReplacesThePlatformDefault) {
    const std::vector<FontCase> cases = {
        {"default font: the message font", 0, true, 10},
        {"caller's font stays", 20, true, 20},
        {"no standard font: the default font", 0, false, 11},
    };
    for (const FontCase& c : cases) {
        SCOPED_TRACE(c.name);
        app.standardFont = c.standardFont ? &standard : nullptr;
        CTestCanvas t(20, 30, kBackground);
        CFont callers;
        if (c.callerFont) {
            MakeFont(callers, c.callerFont);
            t.DC().SelectObject(&callers);
        }
        CFont* before = t.DC().GetCurrentFont();
        DrawColoredText(t.DC(), "A", CRect(0, 0, 20, 30), CPoint(0, 0), 1, FALSE, 0, -1);
        EXPECT_EQ(t.At(0, c.textHeight - 1), Sys(COLOR_CAPTIONTEXT));
        EXPECT_EQ(t.At(0, c.textHeight), kBackground);
        EXPECT_EQ(t.DC().GetCurrentFont(), before);
    }
}

}  // namespace
