// The map view's geometry: turning, projection, zoom rule, scroll sizes,
// redraw ranges and reach, and the hit test as a table over whole maps.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ViewMapFixture.h"
#include "fakes/FakeMapWorld.h"
#include "fakes/MapFileFixture.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/MapDrawOrder.h"
#include "model/MapGeometry.h"
#include "model/Saturate.h"

namespace {

std::unique_ptr<CMapDoc> LoadAuthoredMap() {
    const char* home = std::getenv("MERCAVO_HOME");
    return home ? CFakeMapWorld::LoadMapFile(std::string(home) + "/ORIGINAL.MQM") : nullptr;
}

TEST(MapGeometryTest, OriginOfTheFirstViewCell) {
    auto map = MakeViewMap({.width = 6, .height = 5, .metrics = {30, 14, 26, 12, 9, 2, 3}});
    const CMapGeometry g(*map, 0, 2, 1.0);
    EXPECT_EQ(g.GetCellScreenX(0, 0), 30 + 4 * 26);
    EXPECT_EQ(g.GetCellScreenY(0, 0, 0), 14 + 12 + 2 * 3 * 9);
    // A level lifts the point; a scroll moves it back.
    EXPECT_EQ(g.GetCellScreenY(0, 0, 2), 14 + 12 + 4 * 9);
    CMapGeometry scrolled = g;
    scrolled.SetScroll(7, 11);
    EXPECT_EQ(scrolled.GetCellScreenX(0, 0), 30 + 4 * 26 - 7);
    EXPECT_EQ(scrolled.GetCellScreenY(0, 0, 0), 14 + 12 + 54 - 11);
}

TEST(MapGeometryTest, ZoomRuleScalesLengths) {
    struct SCase {
        double zoom;
        int64_t value;
        int scaled;
    };
    const std::vector<SCase> cases = {
        {0.5, 9, 5},   {0.75, 9, 7},  {1.0, 9, 9},       {1.25, 9, 11},
        {1.5, 9, 13},  {2.0, 9, 18},  {0.5, 0, 0},       {0.5, -3, -1},
        {2.0, int64_t{1} << 40, INT32_MAX},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.zoom) + " x " + std::to_string(c.value));
        EXPECT_EQ(CMapGeometry::Scale(c.value, c.zoom), c.scaled);
    }
}

TEST(MapGeometryTest, ScrollBarsCascade) {
    struct SCase {
        const char* name;
        int tw, th, cx, cy;
        bool horizontal, vertical;
    };
    // Bars 16 wide and 16 high.
    const std::vector<SCase> cases = {
        {"fits", 500, 300, 500, 300, false, false},
        {"too wide only", 501, 280, 500, 300, true, false},
        {"too wide, and then too high for the lower height", 501, 290, 500, 300, true, true},
        {"too high only", 480, 400, 500, 300, false, true},
        {"too high, which narrows the width too far", 490, 400, 500, 300, true, true},
        {"both", 900, 900, 500, 300, true, true},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        bool h = false, v = false;
        CMapGeometry::FitScrollBars(c.tw, c.th, c.cx, c.cy, 16, 16, h, v);
        EXPECT_EQ(h, c.horizontal);
        EXPECT_EQ(v, c.vertical);
    }
}

TEST(MapGeometryTest, ScrollStepsAndEnds) {
    EXPECT_EQ(CMapGeometry::LineStep(15), 1);
    EXPECT_EQ(CMapGeometry::LineStep(0), 1);
    EXPECT_EQ(CMapGeometry::LineStep(400), 20);
    // Range 0..999 with a page of 300: the end leaves the last page whole.
    EXPECT_EQ(CMapGeometry::ClampScroll(5000, 0, 999, 300), 700);
    EXPECT_EQ(CMapGeometry::ClampScroll(-5, 0, 999, 300), 0);
    EXPECT_EQ(CMapGeometry::ClampScroll(450, 0, 999, 300), 450);
    // A page larger than the range stays at the start.
    EXPECT_EQ(CMapGeometry::ClampScroll(10, 0, 99, 300), 0);
}

TEST(MapGeometryTest, TurningRoundTripsOnSquareAndOblongGrids) {
    for (auto [w, h] : {std::pair{28, 28}, std::pair{6, 5}}) {
        auto map = MakeViewMap({.width = w, .height = h});
        for (int d = 0; d < 4; ++d) {
            SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " direction " +
                         std::to_string(d));
            const CMapGeometry g(*map, 0, d, 1.0);
            EXPECT_EQ(g.GetViewColumns(), d % 2 ? h : w);
            EXPECT_EQ(g.GetViewRows(), d % 2 ? w : h);
            for (int my = 0; my < h; ++my)
                for (int mx = 0; mx < w; ++mx) {
                    const CCellPoint v = g.MapToView(mx, my);
                    ASSERT_TRUE(g.IsViewCell(v.x, v.y)) << mx << "," << my;
                    ASSERT_EQ(g.ViewToMap(v.x, v.y), CCellPoint(mx, my));
                }
        }
    }
}

TEST(MapGeometryTest, TableOfATallBuildingReachesTheCellsBehindIt) {
    auto map = MakeViewMap({.width = 8, .height = 8});
    const int arena = FindStructureOfCode(*map, 85);
    map->SetStructureAt(0, 5, 5, arena + 1);
    const CMapGeometry g(*map, 0, 2, 1.0);
    CMapDrawOrder order;
    ASSERT_TRUE(order.Rebuild(g));
    // The block runs from (3, 3) to (5, 5); its box reaches up over the
    // cells behind it.
    const SCellRect range = g.GetRedrawRange(5, 5, 0);
    EXPECT_LE(range.x0, 3);
    EXPECT_LE(range.y0, 2);
    EXPECT_EQ(range.x1, 5);
    EXPECT_EQ(range.y1, 5);
    // A cell behind the building is reached by it, so that redrawing the
    // cell repaints the block in front.
    for (CCellPoint behind : {CCellPoint(4, 2), CCellPoint(3, 3), CCellPoint(5, 3)}) {
        SCOPED_TRACE(std::to_string(behind.x) + "," + std::to_string(behind.y));
        EXPECT_GE(order.GetReach(behind.x, behind.y).x, 5);
        EXPECT_GE(order.GetReach(behind.x, behind.y).y, 5);
    }
    // Every cell of the block names the far corner; the anchor is the far
    // corner in direction 2 only.
    EXPECT_EQ(g.FarCornerOf(3, 4), CCellPoint(5, 5));
    const CMapGeometry turned(*map, 0, 0, 1.0);
    EXPECT_EQ(turned.FarCornerOf(turned.MapToView(5, 5).x, turned.MapToView(5, 5).y),
              turned.MapToView(3, 3));
    // Without the building the same cell is reached by less.
    map->DemolishAt(0, 5, 5);
    ASSERT_TRUE(order.Rebuild(g));
    EXPECT_LT(order.GetReach(4, 2).y, 5);
}

// ---- Hit test

struct SHitRow {
    int direction;
    double zoom;
    bool midScroll;
    int cells = 0;
    int exact = 0;
    int covered = 0;
    std::vector<std::string> failures;
};

// Every cell's top-face centre in an 800 x 600 window, turned into a
// client point and back.
SHitRow HitRow(const CMapDoc& map, int areaIndex, int direction, double zoom, bool midScroll) {
    SHitRow row{direction, zoom, midScroll};
    CMapGeometry g(map, areaIndex, direction, zoom);
    if (midScroll) {
        int tw = 0, th = 0;
        g.GetTotalSize(tw, th);
        g.SetScroll(std::max(tw - 800, 0) / 2, std::max(th - 600, 0) / 2);
    }
    const CMapData& area = map.GetArea(areaIndex);
    auto t = [&](CMapDoc::eCellMetric m) { return TruncToInt(map.GetCellMetric(m) * zoom); };
    for (int vy = 0; vy < g.GetViewRows(); ++vy)
        for (int vx = 0; vx < g.GetViewColumns(); ++vx) {
            const CCellPoint m = g.ViewToMap(vx, vy);
            const int level = area.GetGroundHeight(m.x, m.y);
            const int x = g.GetCellScreenX(vx, vy) +
                          (t(CMapDoc::metricRowStepX) - t(CMapDoc::metricColumnStepX)) / 2;
            const int y = g.GetCellScreenY(vx, vy, level) - t(CMapDoc::metricFaceOffset) -
                          (t(CMapDoc::metricColumnStepY) + t(CMapDoc::metricRowStepY)) / 2;
            if (x < 0 || y < 0 || x >= 800 || y >= 600) continue;
            ++row.cells;
            const CCellPoint hit = g.CellFromPoint(x, y);
            if (hit == g.AnchorOf(m.x, m.y)) {
                ++row.exact;
                continue;
            }
            // A higher cell in front may hide the centre.
            const CCellPoint hv = g.IsMapCell(hit.x, hit.y) ? g.MapToView(hit.x, hit.y)
                                                             : CCellPoint(-1, -1);
            const bool inFront = g.IsMapCell(hit.x, hit.y) && hv.x >= vx && hv.y >= vy;
            if (inFront && area.GetGroundHeight(hit.x, hit.y) > level) {
                ++row.covered;
                continue;
            }
            row.failures.push_back("(" + std::to_string(m.x) + "," + std::to_string(m.y) + ") -> (" +
                                   std::to_string(hit.x) + "," + std::to_string(hit.y) + ")");
        }
    return row;
}

void RunHitTable(const CMapDoc& map, int area, const char* title, bool flat) {
    std::printf("%s\n%-9s %-5s %-6s %6s %6s %8s\n", title, "direction", "zoom", "scroll",
                "cells", "exact", "covered");
    int cells = 0;
    for (int d = 0; d < 4; ++d)
        for (double zoom : {0.5, 1.0, 2.0})
            for (bool mid : {false, true}) {
                const SHitRow row = HitRow(map, area, d, zoom, mid);
                std::printf("%-9d %-5.2f %-6s %6d %6d %8d\n", d, zoom, mid ? "mid" : "0,0",
                            row.cells, row.exact, row.covered);
                SCOPED_TRACE(std::string(title) + " direction " + std::to_string(d) + " zoom " +
                             std::to_string(zoom) + (mid ? " mid" : " origin"));
                cells += row.cells;
                EXPECT_TRUE(row.failures.empty()) << row.failures.front();
                if (flat) EXPECT_EQ(row.exact, row.cells);
            }
    EXPECT_GT(cells, 0);
}

TEST(MapGeometryTest, HitTestFindsEveryCellOfTheFlatFixture) {
    RunHitTable(*MakeViewMap({.width = 6, .height = 5}), 0, "flat 6 x 5", true);
    RunHitTable(*MakeViewMap({.width = 28, .height = 28}), 0, "flat 28 x 28", true);
}

TEST(MapGeometryTest, HitTestOnTheAuthoredMapMissesOnlyCoveredCells) {
    auto map = LoadAuthoredMap();
    ASSERT_NE(map, nullptr) << "the program folder's ORIGINAL.MQM";
    // The area with the most raised cells.
    int best = 0, bestRaised = -1;
    for (int a = 0; a < map->GetAreaCount(); ++a) {
        int raised = 0;
        for (int32_t level : map->GetArea(a).Cells(CMapData::layerHeight)) raised += level > 0;
        if (raised > bestRaised) {
            best = a;
            bestRaised = raised;
        }
    }
    std::printf("area %d: %d raised cells\n", best, bestRaised);
    EXPECT_GT(bestRaised, 0);
    RunHitTable(*map, best, "authored map", false);
}

TEST(MapGeometryTest, ClickAboveARaisedCellHitsIt) {
    auto map = MakeViewMap({.width = 6, .height = 5});
    map->GetArea(0).SetLayer(CMapData::layerHeight, 2, 2, 3);
    const CMapGeometry g(*map, 0, 2, 1.0);
    // Just above the raised top face's lower corner: over the ground of
    // the cell behind it, but the raised cell is in front.
    const int x = g.GetCellScreenX(2, 2) - 2;
    const int y = g.GetCellScreenY(2, 2, 3) - 3;
    EXPECT_EQ(g.CellFromPoint(x, y), CCellPoint(2, 2));
    // A cell's side belongs to it too.
    EXPECT_EQ(g.CellFromPoint(x, g.GetCellScreenY(2, 2, 1) - 3), CCellPoint(2, 2));
    // Nothing: far off the picture.
    EXPECT_EQ(g.CellFromPoint(5000, 5000), CCellPoint(-1, -1));
    EXPECT_EQ(g.CellFromPoint(-3000, 2), CCellPoint(-1, -1));
}

TEST(MapGeometryTest, HitTestAnswersNothingWhereTheProjectionIsUndefined) {
    // Values that the loader refuses, set on a loaded map as damage could.
    struct SCase {
        const char* name;
        std::array<int, 7> metrics;
    };
    const std::vector<SCase> cases = {
        {"column x step 0", {0, 16, 32, 16, 8, 0, 3}},
        {"row x step 0", {32, 16, 0, 16, 8, 0, 3}},
        {"row y step 0 and column y step 0", {32, 0, 32, 0, 8, 0, 3}},
        {"slopes cancel", {32, -16, 32, 16, 8, 0, 3}},
    };
    auto map = MakeViewMap({.width = 6, .height = 5});
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < 7; ++i)
            map->SetCellMetric(static_cast<CMapDoc::eCellMetric>(i), c.metrics[size_t(i)]);
        const CMapGeometry g(*map, 0, 2, 1.0);
        for (int y = -50; y < 400; y += 25)
            for (int x = -50; x < 400; x += 25) EXPECT_EQ(g.CellFromPoint(x, y), CCellPoint(-1, -1));
    }
}

}  // namespace

namespace {

// The view cell of map cell (x, y) on a W x H grid, as the turning rule
// states it for each direction.
CCellPoint ExpectedViewCell(int d, int x, int y, int w, int h) {
    switch (d) {
        case 0: return {w - x - 1, h - y - 1};
        case 1: return {h - y - 1, x};
        case 2: return {x, y};
        default: return {y, w - x - 1};
    }
}

TEST(MapGeometryTest, ViewCellsFollowTheTurningRuleOnSquareAndOblongGrids) {
    for (auto [w, h] : {std::pair{4, 4}, std::pair{5, 3}}) {
        auto map = MakeViewMap({.width = w, .height = h});
        for (int d = 0; d < 4; ++d) {
            SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " direction " +
                         std::to_string(d));
            const CMapGeometry g(*map, 0, d, 1.0);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const CCellPoint v = g.MapToView(x, y);
                    EXPECT_EQ(v, ExpectedViewCell(d, x, y, w, h)) << x << "," << y;
                    EXPECT_TRUE(g.IsViewCell(v.x, v.y));
                    EXPECT_EQ(g.ViewToMap(v.x, v.y), CCellPoint(x, y));
                }
        }
    }
}

TEST(MapGeometryTest, ViewAnchorOfATwoByTwoStructureInEachDirection) {
    auto map = MakeViewMap({.width = 6, .height = 6});
    int square = -1;
    for (int t = 0; t < map->GetStructureTypeCount() && square < 0; ++t) {
        int w = 0, h = 0;
        map->GetStructureType(t)->GetViewSize(2, w, h);
        if (w == 2 && h == 2) square = t;
    }
    ASSERT_GE(square, 0);
    // Anchored at (3, 3): the block covers (2..3, 2..3).
    map->SetStructureAt(0, 3, 3, square + 1);
    const CCellPoint anchors[4] = {{2, 2}, {3, 2}, {3, 3}, {2, 3}};
    for (int d = 0; d < 4; ++d) {
        SCOPED_TRACE(d);
        const CMapGeometry g(*map, 0, d, 1.0);
        const CCellPoint anchor = g.MapToView(anchors[d].x, anchors[d].y);
        for (int y = 2; y <= 3; ++y)
            for (int x = 2; x <= 3; ++x) {
                const CCellPoint v = g.MapToView(x, y);
                EXPECT_EQ(g.FarCornerOf(v.x, v.y), anchor) << x << "," << y;
                EXPECT_EQ(g.IsFarCorner(v.x, v.y), v == anchor);
            }
    }
}

TEST(MapGeometryTest, ProjectionAndContentSizeAtEachZoom) {
    // Column steps (30, 14), row steps (26, 12), level rise 9, 3 levels.
    auto map = MakeViewMap({.width = 6, .height = 5, .metrics = {30, 14, 26, 12, 9, 2, 3}});
    struct SCase {
        double zoom;
        int x, y, width, height;
    };
    // View cell (1, 2) at level 1: X = (5 - 2 - 1) 26 + 2 x 30 = 112,
    // Y = (6 - 1) 9 + 2 x 14 + 3 x 12 = 109; the content 310 x 198. Below
    // zoom 1 the lengths scale as v + 1.
    const std::vector<SCase> cases = {
        {0.5, 56, 55, 155, 99},
        {1.0, 112, 109, 310, 198},
        {2.0, 224, 218, 620, 396},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.zoom);
        const CMapGeometry g(*map, 0, 2, c.zoom);
        EXPECT_EQ(g.GetCellScreenX(1, 2), c.x);
        EXPECT_EQ(g.GetCellScreenY(1, 2, 1), c.y);
        int w = 0, h = 0;
        g.GetTotalSize(w, h);
        EXPECT_EQ(w, c.width);
        EXPECT_EQ(h, c.height);
    }
}

}  // namespace
