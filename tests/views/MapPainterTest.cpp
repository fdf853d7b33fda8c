// The cell painter on small maps, pixel by pixel: masked pictures, raised
// cells, owner outlines, the grey-level display, topography only, the zoom
// rule, and the layer with its coverage mask.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ViewMapFixture.h"
#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/ColorTable.h"
#include "model/CompanyPens.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/MapDrawOrder.h"
#include "model/MapGeometry.h"
#include "model/MapPainter.h"
#include "model/MapPictureCache.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

namespace {

constexpr COLORREF kBackground = RGB(1, 2, 3);
constexpr int kWidth = 420;
constexpr int kHeight = 300;

// A picture of the whole area in a memory context over a plain background.
class Canvas {
public:
    Canvas() {
        bitmap.CreateBitmap(kWidth, kHeight);
        dc.CreateCompatibleDC(nullptr);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, kWidth, kHeight, kBackground);
    }
    ~Canvas() { dc.SelectObject(old); }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y) & 0xFFFFFF; }
    bool SameAs(const Canvas& other) const {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (At(x, y) != other.At(x, y)) return false;
        return true;
    }

    CBitmap bitmap;
    CDC dc;
    CBitmap* old = nullptr;
};

class MapPainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pens.Create());
        map = MakeViewMap({.width = 6, .height = 5});
    }
    void TearDown() override { pens.Release(); }

    CMapData& Area() { return map->GetArea(0); }

    CMapPainter::SStyle Style() {
        CMapPainter::SStyle style;
        style.pens = &pens;
        // Company c has colour c + 4; companies 0..2 exist.
        style.companyColour = [](int company) { return company >= 0 && company < 3 ? company + 4 : -1; };
        return style;
    }

    // Paints the whole area (or only the layer and coverage when asked).
    void Paint(Canvas& canvas, const CMapPainter::SStyle& style, double zoom = 1.0,
               int direction = 2, CDC* coverage = nullptr) {
        const CMapGeometry g(*map, 0, direction, zoom);
        CMapDrawOrder order;
        ASSERT_TRUE(order.Rebuild(g));
        CMapPainter painter(g, order, style);
        painter.PaintRect(canvas.dc, coverage, CRect(0, 0, kWidth, kHeight));
    }

    CMapGeometry Geometry(double zoom = 1.0) const { return CMapGeometry(*map, 0, 2, zoom); }

    CCompanyPens pens;
    std::unique_ptr<CMapDoc> map;
};

COLORREF Inverted(COLORREF c) { return ~c & 0xFFFFFF; }

COLORREF Dimmed(COLORREF c) {
    return RGB((c & 0xFF) / 2, ((c >> 8) & 0xFF) / 2, ((c >> 16) & 0xFF) / 2);
}

TEST_F(MapPainterTest, PictureReplacesTheTargetInsideItsMaskOnly) {
    for (bool highlight : {false, true}) {
        SCOPED_TRACE(highlight ? "inverted" : "plain");
        Canvas canvas;
        const CMapGeometry g = Geometry();
        CMapDrawOrder order;
        CMapPainter painter(g, order, Style());
        painter.DrawPicture(canvas.dc, nullptr, map->GetLandTypeEntry(0), 100, 100, 2, highlight);
        const COLORREF face = highlight ? Inverted(LandColour(0)) : LandColour(0);
        // The top face's middle, its short side below, and outside the
        // shape (a corner of the picture's box).
        EXPECT_EQ(canvas.At(100, 84), face);
        EXPECT_EQ(canvas.At(100, 104), highlight ? Inverted(Dimmed(LandColour(0))) : Dimmed(LandColour(0)));
        EXPECT_EQ(canvas.At(70, 70), kBackground);
        EXPECT_EQ(canvas.At(131, 107), kBackground);
    }
}

TEST_F(MapPainterTest, PicturesThatCannotBeDrawnDrawNothing) {
    struct SCase {
        const char* name;
        int pictureNumber;
        bool dropMask;
    };
    const std::vector<SCase> cases = {
        {"picture number 0", 0, false}, {"picture number 5", 5, false},
        {"picture number -1", -1, false}, {"no mask", 3, true}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        map = MakeViewMap({.width = 6, .height = 5});
        CBD& type = *map->GetLandTypeEntry(0);
        const CBD::SViewPoint hot = type.GetViewOffset(2), size = type.GetViewExtent(2);
        type.SetView(2, c.pictureNumber, 0, hot, size);
        if (c.dropMask) type.SetPictureOffset(1, 2, -1);
        Canvas canvas;
        const CMapGeometry g = Geometry();
        CMapDrawOrder order;
        CMapPainter painter(g, order, Style());
        painter.DrawPicture(canvas.dc, nullptr, &type, 100, 100, 2, false);
        for (int y = 60; y < 120; y += 3)
            for (int x = 60; x < 140; x += 3) ASSERT_EQ(canvas.At(x, y), kBackground) << x << "," << y;
    }
}

TEST_F(MapPainterTest, RaisedCellStandsOnSidePicturesDownToTheGround) {
    // The front corner cell: nothing is painted after it.
    const CMapGeometry g = Geometry();
    const int x = g.GetCellScreenX(5, 4);
    const COLORREF side = Dimmed(LandColour(map->GetLandTypeCount() - 1));
    for (int level : {0, 1, 3}) {
        SCOPED_TRACE("level " + std::to_string(level));
        Area().SetLayer(CMapData::layerHeight, 5, 4, level);
        Canvas canvas;
        Paint(canvas, Style());
        // Its own tile's side right below its face, and the lowest side
        // picture's side at the ground.
        EXPECT_EQ(canvas.At(x, g.GetCellScreenY(5, 4, level) + 4), Dimmed(LandColour(0)));
        if (level > 0) {
            EXPECT_EQ(canvas.At(x, g.GetCellScreenY(5, 4, 0) + 4), side);
            EXPECT_EQ(canvas.At(x, g.GetCellScreenY(5, 4, level - 1) + 4), side);
        } else {
            EXPECT_EQ(canvas.At(x, g.GetCellScreenY(5, 4, 0) + 12), kBackground);
        }
    }
}

TEST_F(MapPainterTest, BlockRepaintStartsSidesAtTheLowestNeighbour) {
    struct SCase {
        const char* name;
        int mx, my;
        int neighbourLevel;  // every neighbour's height
        int lowered;         // one neighbour's height (-1: none lowered)
        int fullFloor, blockFloor;
    };
    const std::vector<SCase> cases = {
        {"neighbours on the ground", 2, 2, 0, -1, 0, 0},
        {"neighbours one level up", 2, 2, 1, -1, 0, 1},
        {"neighbours two levels up", 2, 2, 2, -1, 0, 2},
        {"one neighbour lower", 2, 2, 2, 1, 0, 1},
        {"a damaged negative neighbour", 2, 2, 2, -5, 0, 0},
        {"a cell at the grid's edge", 0, 2, 2, -1, 0, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) Area().SetLayer(CMapData::layerHeight, x, y, c.neighbourLevel);
        Area().SetLayer(CMapData::layerHeight, c.mx, c.my, 3);
        if (c.lowered != -1) Area().SetLayer(CMapData::layerHeight, c.mx + 1, c.my + 1, c.lowered);
        const CMapGeometry g(*map, 0, 2, 1.0);
        CMapDrawOrder order;
        ASSERT_TRUE(order.Rebuild(g));
        CMapPainter::SStyle block = Style();
        block.sidesFromLowestNeighbour = true;
        EXPECT_EQ(CMapPainter(g, order, Style()).SideFloor(c.mx, c.my, 3), c.fullFloor);
        EXPECT_EQ(CMapPainter(g, order, block).SideFloor(c.mx, c.my, 3), c.blockFloor);
        // The sides left out are the ones the neighbours cover: the same
        // picture either way.
        Canvas full, partial;
        Paint(full, Style());
        Paint(partial, block);
        EXPECT_TRUE(full.SameAs(partial));
    }
}

TEST_F(MapPainterTest, OwnerOutlineIsDottedInsideAndSolidOutside) {
    const CMapGeometry g = Geometry();
    struct SCase {
        const char* name;
        int owner;
        int colour;  // -1: no outline
    };
    const std::vector<SCase> cases = {
        {"unowned", 0, -1}, {"company 0", 1, 4}, {"company 2", 3, 6}, {"no such company", 9, -1}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        Area().SetCellOwner(2, 2, c.owner);
        Canvas canvas;
        Paint(canvas, Style());
        const int x = g.GetCellScreenX(2, 2), y = g.GetCellScreenY(2, 2, 0);
        // The upper edges stay in view (cells in front cover the lower
        // ones): the outer rhombus runs through the face's corners.
        const COLORREF colour = c.colour < 0 ? LandColour(0) : GetColorTableEntry(c.colour);
        EXPECT_EQ(canvas.At(x - 16, y - 24), colour);
        EXPECT_EQ(canvas.At(x + 16, y - 24), colour);
        // The inner one, a pixel inside, alternates the colour and black.
        int coloured = 0, black = 0;
        for (int py = y - 33; py <= y - 16; ++py)
            for (int px = x - 33; px <= x + 33; ++px) {
                coloured += c.colour >= 0 && canvas.At(px, py) == colour;
                black += canvas.At(px, py) == RGB(0, 0, 0);
            }
        if (c.colour < 0) {
            EXPECT_EQ(black, 0);
        } else {
            EXPECT_GT(coloured, 64 + 8);
            EXPECT_GT(black, 8);
        }
    }
}

TEST_F(MapPainterTest, GreyLevelModeShowsTwiceTheValue) {
    const CMapGeometry g = Geometry();
    struct SCase {
        int value;
        int grey;
    };
    for (const SCase& c : {SCase{200, 255}, SCase{64, 128}, SCase{0, 0}, SCase{-5, 0}}) {
        SCOPED_TRACE(c.value);
        Area().SetLayer(CMapData::layerLandValue, 3, 1, c.value);
        CMapPainter::SStyle style = Style();
        style.mapMode = 2;
        Canvas canvas;
        Paint(canvas, style);
        EXPECT_EQ(canvas.At(g.GetCellScreenX(3, 1), g.GetCellScreenY(3, 1, 0) - 16),
                  RGB(c.grey, c.grey, c.grey));
    }
}

TEST_F(MapPainterTest, TopographyOnlyHidesTheStructures) {
    Canvas ground;
    Paint(ground, Style());
    map->SetStructureAt(0, 4, 3, FindStructureOfCode(*map, 85) + 1);
    map->SetStructureAt(0, 1, 1, FindStructureOfCode(*map, 55) + 1);
    Canvas built, topography;
    Paint(built, Style());
    CMapPainter::SStyle style = Style();
    style.topographyOnly = 1;
    Paint(topography, style);
    EXPECT_FALSE(built.SameAs(ground));
    EXPECT_TRUE(topography.SameAs(ground));
}

TEST_F(MapPainterTest, ZoomOneCopiesUnscaledAndAnyOtherZoomStretches) {
    struct SCase {
        double zoom;
        int left;
        int width;
    };
    const CMapGeometry g1 = Geometry(1.0);
    // The land tile is 64 wide with its hotspot 32 in.
    for (const SCase& c : {SCase{1.0, -32, 64}, SCase{0.999, -31, 64}, SCase{1.5, -48, 96}}) {
        SCOPED_TRACE(c.zoom);
        const CMapGeometry g(*map, 0, 2, c.zoom);
        CMapDrawOrder order;
        ASSERT_TRUE(order.Rebuild(g));
        CMapPainter painter(g, order, Style());
        const CRect box = painter.GetCellBounds(0, 0);
        EXPECT_EQ(box.left - g.GetCellScreenX(0, 0), c.left);
        EXPECT_EQ(box.Width(), c.width);
    }
    Canvas exact, stretched;
    Paint(exact, Style(), 1.0);
    Paint(stretched, Style(), 0.999);
    EXPECT_FALSE(exact.SameAs(stretched));
}

TEST_F(MapPainterTest, StretchedPicturesFromTheCacheAreTheSame) {
    map->SetStructureAt(0, 4, 3, FindStructureOfCode(*map, 85) + 1);
    Area().SetCellOwner(1, 1, 2);
    CMapPictureCache cache;
    for (double zoom : {0.5, 0.75, 1.0, 1.25, 2.0}) {
        SCOPED_TRACE(zoom);
        CMapPainter::SStyle style = Style();
        style.highlight = [](int mx, int my) { return mx == 4 && my == 3; };
        Canvas stretched;
        Paint(stretched, style, zoom);
        style.pictures = &cache;
        // Twice: filling the cache, then drawing from it.
        for (int pass = 0; pass < 2; ++pass) {
            Canvas cached;
            Paint(cached, style, zoom);
            EXPECT_TRUE(cached.SameAs(stretched)) << "pass " << pass;
        }
    }
}

TEST_F(MapPainterTest, LayerWithCoverageEqualsPaintingOverTheBackground) {
    map->SetStructureAt(0, 4, 3, FindStructureOfCode(*map, 85) + 1);
    Area().SetCellOwner(1, 1, 2);
    Area().SetLayer(CMapData::layerHeight, 2, 3, 2);
    for (int mode : {0, 2}) {
        SCOPED_TRACE("map mode " + std::to_string(mode));
        CMapPainter::SStyle style = Style();
        style.mapMode = mode;
        style.highlight = [](int mx, int my) { return mx == 1 && my == 2; };
        Canvas direct;
        Paint(direct, style);
        Canvas layer, coverage;
        layer.dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(0, 0, 0));
        coverage.dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(0, 0, 0));
        Paint(layer, style, 1.0, 2, &coverage.dc);
        Canvas composed;
        composed.dc.BitBlt(0, 0, kWidth, kHeight, &coverage.dc, 0, 0, 0x00220326);
        composed.dc.BitBlt(0, 0, kWidth, kHeight, &layer.dc, 0, 0, SRCPAINT);
        EXPECT_TRUE(composed.SameAs(direct));
    }
}

}  // namespace
