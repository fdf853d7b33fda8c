#include <array>
#include <climits>
#include <cstring>
#include <vector>

#include "UiTestSupport.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/Palette.h"
#include "platform/ui/Pen.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// A memory context with its own bitmap.
struct Canvas {
    CDC dc;
    CBitmap bitmap;
    Canvas(int w, int h, COLORREF fill = kWhite) {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, w, h);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, w, h, fill);
    }
    void Set(const std::vector<COLORREF>& pixels, int w) {
        for (size_t i = 0; i < pixels.size(); ++i) {
            dc.SetPixel(static_cast<int>(i) % w, static_cast<int>(i) / w, pixels[i]);
        }
    }
    std::vector<COLORREF> Get() const {
        const CSize size = bitmap.GetSize();
        std::vector<COLORREF> out;
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) out.push_back(dc.GetPixel(x, y));
        }
        return out;
    }
};

class DrawingTest : public UiTest {};

struct RopCase {
    const char* name;
    DWORD rop;
    std::array<COLORREF, 4> expected;
};

// Destination and source of every case: red, green, black, white under
// white, black, yellow, blue.
TEST_F(DrawingTest, RasterOperationsOnTwoByTwo) {
    const std::vector<COLORREF> dst = {kRed, kGreen, kBlack, kWhite};
    const std::vector<COLORREF> src = {kWhite, kBlack, kYellow, kBlue};
    const RopCase cases[] = {
        {"copy", SRCCOPY, {kWhite, kBlack, kYellow, kBlue}},
        {"inverted copy", NOTSRCCOPY, {kBlack, kWhite, kBlue, kYellow}},
        {"and", SRCAND, {kRed, kBlack, kBlack, kBlue}},
        {"or", SRCPAINT, {kWhite, kGreen, kYellow, kWhite}},
        {"dest and not source", 0x00220326, {kBlack, kGreen, kBlack, kYellow}},
        {"xor", SRCINVERT, {RGB(0, 255, 255), kGreen, kYellow, kYellow}},
        {"invert dest", DSTINVERT, {RGB(0, 255, 255), RGB(255, 0, 255), kWhite, kBlack}},
    };
    for (const RopCase& c : cases) {
        Canvas d(2, 2), s(2, 2);
        d.Set(dst, 2);
        s.Set(src, 2);
        ASSERT_TRUE(d.dc.BitBlt(0, 0, 2, 2, &s.dc, 0, 0, c.rop)) << c.name;
        EXPECT_EQ(d.Get(), std::vector<COLORREF>(c.expected.begin(), c.expected.end())) << c.name;
    }
}

TEST_F(DrawingTest, MaskAndThenPictureDrawTheSpriteOverTheBackground) {
    Canvas back(4, 1, kBlue), mask(4, 1), picture(4, 1);
    mask.Set({kBlack, kBlack, kWhite, kWhite}, 4);
    picture.Set({kRed, kGreen, kBlack, kBlack}, 4);
    back.dc.BitBlt(0, 0, 4, 1, &mask.dc, 0, 0, SRCAND);
    back.dc.BitBlt(0, 0, 4, 1, &picture.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(back.Get(), (std::vector<COLORREF>{kRed, kGreen, kBlue, kBlue}));
}

// The map's way: a mask that is white inside the shape, cleared out of the
// target with destination-and-not-source, then the masked picture ORed in.
TEST_F(DrawingTest, WhiteInsideMaskClearsThenOrs) {
    Canvas back(4, 1, kBlue), mask(4, 1), work(4, 1);
    mask.Set({kWhite, kWhite, kBlack, kBlack}, 4);
    work.Set({kRed, kGreen, kYellow, kYellow}, 4);
    work.dc.BitBlt(0, 0, 4, 1, &mask.dc, 0, 0, SRCAND);
    back.dc.BitBlt(0, 0, 4, 1, &mask.dc, 0, 0, 0x00220326);
    back.dc.BitBlt(0, 0, 4, 1, &work.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(back.Get(), (std::vector<COLORREF>{kRed, kGreen, kBlue, kBlue}));
}

TEST_F(DrawingTest, CopyOntoItselfReadsTheOldPixels) {
    Canvas c(6, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) c.dc.SetPixel(x, y, RGB(x * 10, y * 10, 0));
    }
    // A row shifted right by two, the way the shake moves rows.
    c.dc.BitBlt(2, 0, 4, 1, &c.dc, 0, 0, SRCCOPY);
    for (int x = 2; x < 6; ++x) EXPECT_EQ(c.dc.GetPixel(x, 0), RGB((x - 2) * 10, 0, 0)) << x;
    // The whole area moved up one row, the way the log scrolls.
    c.dc.BitBlt(0, 0, 6, 2, &c.dc, 0, 1, SRCCOPY);
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(c.dc.GetPixel(x, 0), RGB(x * 10, 10, 0));
        EXPECT_EQ(c.dc.GetPixel(x, 1), RGB(x * 10, 20, 0));
    }
}

TEST_F(DrawingTest, StretchCopiesNearestPixels) {
    Canvas src(2, 2), big(4, 4), small(1, 1);
    src.Set({kRed, kGreen, kBlue, kYellow}, 2);
    big.dc.StretchBlt(0, 0, 4, 4, &src.dc, 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(big.dc.GetPixel(1, 1), kRed);
    EXPECT_EQ(big.dc.GetPixel(2, 1), kGreen);
    EXPECT_EQ(big.dc.GetPixel(1, 3), kBlue);
    EXPECT_EQ(big.dc.GetPixel(3, 3), kYellow);
    small.dc.StretchBlt(0, 0, 1, 1, &src.dc, 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(small.dc.GetPixel(0, 0), kRed);
}

// ---- Device-independent bitmaps ----------------------------------------------

struct Dib {
    std::vector<uint8_t> info;
    std::vector<uint8_t> bits;
};

Dib MakeDib(int bitCount, int width, int height, const std::vector<COLORREF>& table,
            const std::vector<uint8_t>& rows, bool core = false, uint32_t clrUsed = 0) {
    Dib dib;
    if (core) {
        BITMAPCOREHEADER h;
        h.bcWidth = static_cast<WORD>(width);
        h.bcHeight = static_cast<WORD>(height);
        h.bcBitCount = static_cast<WORD>(bitCount);
        dib.info.resize(sizeof h);
        std::memcpy(dib.info.data(), &h, sizeof h);
        for (COLORREF c : table) {
            dib.info.insert(dib.info.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
        }
    } else {
        BITMAPINFOHEADER h;
        h.biWidth = width;
        h.biHeight = height;
        h.biBitCount = static_cast<WORD>(bitCount);
        h.biClrUsed = clrUsed;
        dib.info.resize(sizeof h);
        std::memcpy(dib.info.data(), &h, sizeof h);
        for (COLORREF c : table) {
            dib.info.insert(dib.info.end(), {GetBValue(c), GetGValue(c), GetRValue(c), 0});
        }
    }
    dib.bits = rows;
    return dib;
}

int Draw(Canvas& c, const Dib& d, int w, int h) {
    return c.dc.StretchDIBits(0, 0, w, h, 0, 0, w, h, d.bits.data(), d.bits.size(), d.info.data(),
                              d.info.size(), DIB_RGB_COLORS, SRCCOPY);
}

// Rows are stored bottom first, each padded to four bytes.
TEST_F(DrawingTest, EightBitBitmapDrawsThroughItsColourTable) {
    const std::vector<COLORREF> table = {kBlack, kRed, kGreen, kBlue};
    const Dib dib = MakeDib(8, 3, 2, table, {3, 2, 1, 0, /*top row:*/ 1, 1, 2, 0}, false, 4);
    Canvas c(3, 2);
    EXPECT_EQ(Draw(c, dib, 3, 2), 2);
    EXPECT_EQ(c.Get(), (std::vector<COLORREF>{kRed, kRed, kGreen, kBlue, kGreen, kRed}));
}

TEST_F(DrawingTest, BitmapsOfEveryDepthAndHeaderDraw) {
    struct Case {
        const char* name;
        Dib dib;
        int width;
        std::vector<COLORREF> expected;
    };
    const std::vector<COLORREF> two = {kBlack, kWhite};
    const std::vector<COLORREF> four = {kBlack, kRed, kGreen, kBlue};
    std::vector<COLORREF> sixteen(16, kBlack);
    sixteen[5] = kYellow;
    sixteen[10] = kBlue;
    const Case cases[] = {
        {"1 bit",
         MakeDib(1, 2, 2, two, {0x40, 0, 0, 0, 0x80, 0, 0, 0}),
         2,
         {kWhite, kBlack, kBlack, kWhite}},
        {"4 bit",
         MakeDib(4, 2, 2, sixteen, {0xA5, 0, 0, 0, 0x5A, 0, 0, 0}),
         2,
         {kYellow, kBlue, kBlue, kYellow}},
        {"24 bit", MakeDib(24, 2, 1, {}, {0, 0, 255, 255, 0, 0, 0, 0}), 2, {kRed, kBlue}},
        {"core header",
         MakeDib(8, 2, 1, std::vector<COLORREF>(256, kGreen), {0, 7, 0, 0}, true),
         2,
         {kGreen, kGreen}},
        {"index past a short table",
         MakeDib(8, 2, 1, four, {1, 9, 0, 0}, false, 4),
         2,
         {kRed, kBlack}},
    };
    for (const Case& c : cases) {
        const int w = c.width;
        const int h = static_cast<int>(c.expected.size()) / w;
        Canvas canvas(w, h);
        EXPECT_EQ(Draw(canvas, c.dib, w, h), h) << c.name;
        EXPECT_EQ(canvas.Get(), c.expected) << c.name;
    }
}

TEST_F(DrawingTest, StretchedBitmapAndTopDownRows) {
    const Dib dib = MakeDib(8, 2, -2, {kRed, kBlue}, {0, 1, 0, 0, 1, 0, 0, 0}, false, 2);
    Canvas c(4, 4);
    EXPECT_EQ(c.dc.StretchDIBits(0, 0, 4, 4, 0, 0, 2, 2, dib.bits.data(), dib.bits.size(),
                                 dib.info.data(), dib.info.size(), DIB_RGB_COLORS, SRCCOPY),
              2);
    EXPECT_EQ(c.dc.GetPixel(0, 0), kRed) << "first stored row is the top one";
    EXPECT_EQ(c.dc.GetPixel(3, 1), kBlue);
    EXPECT_EQ(c.dc.GetPixel(1, 3), kBlue);
}

TEST_F(DrawingTest, DamagedBitmapsAreRefused) {
    const std::vector<COLORREF> table = {kBlack, kRed};
    Dib shortBits = MakeDib(8, 4, 4, table, std::vector<uint8_t>(15, 1));
    Dib badDepth = MakeDib(16, 1, 1, {}, {0, 0, 0, 0});
    Dib huge = MakeDib(8, 100000, 100000, table, {1, 1, 1, 1});
    Dib shortTable = MakeDib(8, 1, 1, table, {1, 0, 0, 0});
    shortTable.info.resize(shortTable.info.size() - 1);
    Dib truncatedHeader = MakeDib(8, 1, 1, table, {1, 0, 0, 0});
    truncatedHeader.info.resize(20);
    for (const Dib* d : {&shortBits, &badDepth, &huge, &shortTable, &truncatedHeader}) {
        Canvas c(4, 4, kWhite);
        EXPECT_EQ(Draw(c, *d, 4, 4), 0);
        EXPECT_EQ(c.dc.GetPixel(0, 0), kWhite);
    }
}

TEST_F(DrawingTest, SizesThatCannotBeMirroredDrawNothing) {
    const Dib dib = MakeDib(8, 2, 2, {kRed, kBlue}, {0, 1, 0, 0, 1, 0, 0, 0}, false, 2);
    struct Sizes {
        int width, height, srcWidth, srcHeight;
    };
    for (const Sizes& s : std::vector<Sizes>{{4, 4, INT_MIN, 2},
                                             {4, 4, 2, INT_MIN},
                                             {INT_MIN, 4, -2, 2},
                                             {4, INT_MIN, 2, -2}}) {
        Canvas c(4, 4, kWhite);
        EXPECT_EQ(c.dc.StretchDIBits(0, 0, s.width, s.height, 0, 0, s.srcWidth, s.srcHeight,
                                     dib.bits.data(), dib.bits.size(), dib.info.data(),
                                     dib.info.size(), DIB_RGB_COLORS, SRCCOPY),
                  0);
        EXPECT_EQ(c.dc.GetPixel(0, 0), kWhite);
    }
}

// ---- Lines, shapes and modes --------------------------------------------------

TEST_F(DrawingTest, XorRectangleDrawnTwiceRestoresTheBackground) {
    Canvas c(20, 12);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) c.dc.SetPixel(x, y, RGB(x * 12, y * 20, (x * y) % 256));
    }
    const auto before = c.Get();
    c.dc.SelectStockObject(BLACK_PEN);
    c.dc.SelectStockObject(NULL_BRUSH);
    c.dc.SetROP2(R2_NOTXORPEN);
    c.dc.Rectangle(2, 2, 15, 9);
    EXPECT_NE(c.Get(), before);
    const POINT outline[] = {{1, 1}, {18, 3}, {12, 10}, {3, 8}};
    c.dc.Polygon(outline, 4);
    c.dc.Polygon(outline, 4);
    c.dc.Rectangle(2, 2, 15, 9);
    EXPECT_EQ(c.Get(), before);
}

TEST_F(DrawingTest, FocusRectangleDrawnTwiceDisappears) {
    Canvas c(10, 10, RGB(10, 20, 30));
    const auto before = c.Get();
    c.dc.DrawFocusRect(CRect(1, 1, 9, 9));
    EXPECT_NE(c.Get(), before);
    c.dc.DrawFocusRect(CRect(1, 1, 9, 9));
    EXPECT_EQ(c.Get(), before);
}

TEST_F(DrawingTest, LinesLeaveOutTheirLastPointAndDotsHaveGaps) {
    Canvas c(12, 3);
    CPen solid(PS_SOLID, 1, kRed);
    c.dc.SelectObject(&solid);
    c.dc.MoveTo(0, 0);
    c.dc.LineTo(5, 0);
    EXPECT_EQ(c.dc.GetPixel(4, 0), kRed);
    EXPECT_EQ(c.dc.GetPixel(5, 0), kWhite);
    CPen dotted(PS_DOT, 1, kBlue);
    c.dc.SelectObject(&dotted);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.MoveTo(0, 2);
    c.dc.LineTo(12, 2);
    int on = 0;
    for (int x = 0; x < 12; ++x) on += c.dc.GetPixel(x, 2) == kBlue ? 1 : 0;
    EXPECT_GT(on, 0);
    EXPECT_LT(on, 12);
}

TEST_F(DrawingTest, RectangleFramesWithThePenAndFillsWithTheBrush) {
    Canvas c(6, 6);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kGreen);
    c.dc.SelectObject(&pen);
    c.dc.SelectObject(&brush);
    c.dc.Rectangle(1, 1, 5, 5);
    EXPECT_EQ(c.dc.GetPixel(1, 1), kRed);
    EXPECT_EQ(c.dc.GetPixel(4, 4), kRed);
    EXPECT_EQ(c.dc.GetPixel(2, 2), kGreen);
    EXPECT_EQ(c.dc.GetPixel(5, 5), kWhite);
    EXPECT_EQ(c.dc.GetPixel(0, 0), kWhite);
}

TEST_F(DrawingTest, RaisedEdgeIsLightAboveAndDarkBelow) {
    Canvas c(8, 8, RGB(1, 2, 3));
    CRect r(0, 0, 8, 8);
    c.dc.DrawEdge(&r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, CRect(2, 2, 6, 6));
    const COLORREF top = c.dc.GetPixel(3, 0), bottom = c.dc.GetPixel(3, 7);
    EXPECT_GT(GetRValue(top), GetRValue(bottom));
    EXPECT_EQ(c.dc.GetPixel(3, 3), RGB(1, 2, 3));
}

// ---- Text ---------------------------------------------------------------------

int InkOutside(const Canvas& c, const CRect& box, COLORREF paper, int* inside) {
    int outside = 0;
    const CSize size = c.bitmap.GetSize();
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            if (c.dc.GetPixel(x, y) == paper) continue;
            if (box.PtInRect(CPoint(x, y))) {
                ++*inside;
            } else {
                ++outside;
            }
        }
    }
    return outside;
}

TEST_F(DrawingTest, TextDrawsInsideItsExtent) {
    for (int weight : {FW_NORMAL, FW_BOLD}) {
        Canvas c(160, 40);
        CFont font;
        ASSERT_TRUE(font.CreateFont(16, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0,
                                    CLIP_STROKE_PRECIS, 0, 0, "MS Sans Serif"));
        c.dc.SelectObject(&font);
        c.dc.SetBkMode(TRANSPARENT);
        const CSize extent = c.dc.GetTextExtent("Hg Quay");
        EXPECT_GT(extent.cx, 20);
        EXPECT_LE(extent.cy, 16);
        c.dc.TextOut(10, 8, "Hg Quay");
        int inside = 0;
        EXPECT_EQ(InkOutside(c, CRect(CPoint(10, 8), extent), kWhite, &inside), 0);
        EXPECT_GT(inside, 30);
    }
}

TEST_F(DrawingTest, OpaqueAndClippedTextModes) {
    Canvas c(100, 30);
    c.dc.SetBkColor(kBlue);
    c.dc.SetTextColor(kYellow);
    const CRect row(0, 10, 100, 20);
    c.dc.ExtTextOut(2, 10, ETO_OPAQUE | ETO_CLIPPED, &row, "WWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    EXPECT_EQ(c.dc.GetPixel(99, 10), kBlue) << "the row is filled";
    EXPECT_EQ(c.dc.GetPixel(50, 9), kWhite) << "nothing above it";
    EXPECT_EQ(c.dc.GetPixel(50, 20), kWhite) << "nothing below it";
    c.dc.ExtTextOut(0, 0, ETO_OPAQUE, &row, "");
    EXPECT_EQ(c.dc.GetPixel(50, 15), kBlue) << "an empty text clears the row";
}

TEST_F(DrawingTest, PerCharacterAdvancePlacesEveryCharacter) {
    Canvas c(120, 20);
    c.dc.SetBkMode(TRANSPARENT);
    const int dx[] = {40, 40, 40};
    c.dc.ExtTextOut(0, 0, 0, nullptr, "lll", dx);
    auto inkInColumn = [&](int left) {
        for (int y = 0; y < 20; ++y) {
            for (int x = left; x < left + 40; ++x) {
                if (c.dc.GetPixel(x, y) != kWhite) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(inkInColumn(0));
    EXPECT_TRUE(inkInColumn(40));
    EXPECT_TRUE(inkInColumn(80));
}

TEST_F(DrawingTest, FontHeightsFollowTheRequestedCell) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    for (int height : {11, 13, 20, 26}) {
        CFont cell, character;
        cell.CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, 1, 0, 2, 0, 0, "MS Sans Serif");
        character.CreateFont(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, 1, 0, 2, 0, 0, "MS Sans Serif");
        TEXTMETRIC a, b;
        dc.SelectObject(&cell);
        dc.GetTextMetrics(&a);
        dc.SelectObject(&character);
        dc.GetTextMetrics(&b);
        EXPECT_LE(a.tmHeight, height);
        EXPECT_GE(a.tmHeight, height - 2);
        EXPECT_GT(b.tmHeight, a.tmHeight);
        EXPECT_EQ(a.tmHeight, a.tmAscent + a.tmDescent);
        EXPECT_GT(a.tmAveCharWidth, 0);
        dc.SelectStockObject(SYSTEM_FONT);
    }
}

// ---- Palette --------------------------------------------------------------------

TEST_F(DrawingTest, PaletteFindsNearestColoursAndResolvesIndexes) {
    const PALETTEENTRY entries[] = {{0, 0, 0, 0}, {200, 0, 0, 0}, {0, 0, 210, 0}};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(entries, 3));
    EXPECT_EQ(palette.GetNearestPaletteIndex(RGB(180, 20, 10)), 1u);
    EXPECT_EQ(palette.GetNearestPaletteIndex(RGB(10, 10, 250)), 2u);
    Canvas c(2, 1);
    EXPECT_EQ(c.dc.GetNearestColor(RGB(180, 20, 10)), RGB(180, 20, 10));
    c.dc.SelectPalette(&palette, FALSE);
    EXPECT_EQ(c.dc.RealizePalette(), 0u);
    EXPECT_EQ(c.dc.GetNearestColor(RGB(180, 20, 10)), RGB(200, 0, 0));
    c.dc.SetPixel(0, 0, PALETTEINDEX(2));
    c.dc.SetPixel(1, 0, PALETTERGB(20, 20, 20));
    EXPECT_EQ(c.dc.GetPixel(0, 0), RGB(0, 0, 210));
    EXPECT_EQ(c.dc.GetPixel(1, 0), kBlack);

    CPalette empty, tooBig;
    std::vector<PALETTEENTRY> many(257);
    EXPECT_FALSE(empty.CreatePalette(entries, 0));
    EXPECT_FALSE(tooBig.CreatePalette(many.data(), 257));
    EXPECT_TRUE(tooBig.CreatePalette(many.data(), 256));
}

TEST_F(DrawingTest, BitmapSizesAreChecked) {
    CBitmap zero, wide, fine;
    EXPECT_FALSE(zero.CreateBitmap(0, 5));
    EXPECT_FALSE(wide.CreateBitmap(100000, 2));
    EXPECT_TRUE(fine.CreateBitmap(3, 2));
    BITMAP info;
    EXPECT_GT(fine.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);
}

}  // namespace
