// The map drawing window keeps its picture between paints: whatever cells
// change and are redrawn with DrawCell, and however it scrolls, it shows
// exactly what a full repaint shows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MapWindowFixture.h"

namespace {

class MapDrawWndTest : public MapWindowTest {
protected:
    // The first cell from (x0, y0) on, row by row, where a w x h block
    // anchored there holds no structure.
    CCellPoint FreeBlock(int area, int w, int h, int x0, int y0) {
        const CMapData& a = doc.GetMap().GetArea(area);
        for (int y = y0; y < a.GetHeight(); ++y)
            for (int x = x0; x < a.GetWidth(); ++x) {
                bool free = x - w + 1 >= 0 && y - h + 1 >= 0;
                for (int j = 0; free && j < h; ++j)
                    for (int i = 0; free && i < w; ++i)
                        free = a.GetStructureAt(x - i, y - j, 1) == 0 &&
                               a.GetLayer(CMapData::layerStructure, x - i, y - j) == 0 &&
                               a.GetConstructionState(x - i, y - j) == 0;
                if (free) return {x, y};
            }
        return {-1, -1};
    }

    // The largest structure type of the map (3 x 3 on the authored map).
    int LargestType() {
        const CMapDoc& m = doc.GetMap();
        int best = 0, bestCells = 0;
        for (int t = 0; t < m.GetStructureTypeCount(); ++t) {
            int w = 0, h = 0;
            m.GetStructureType(t)->GetSize(w, h);
            if (w * h > bestCells) {
                best = t;
                bestCells = w * h;
            }
        }
        return best;
    }

    // Places, demolishes, starts a construction and changes owners, and
    // returns every cell that changed.
    std::vector<CCellPoint> ChangeCells(int area) {
        CMapDoc& m = doc.GetMap();
        CMapData& a = m.GetArea(area);
        std::vector<CCellPoint> changed;
        auto footprint = [&](CCellPoint anchor, int w, int h) {
            for (int j = 0; j < h; ++j)
                for (int i = 0; i < w; ++i) changed.emplace_back(anchor.x - i, anchor.y - j);
        };
        const int type = LargestType();
        int w = 0, h = 0;
        m.GetStructureType(type)->GetSize(w, h);
        EXPECT_EQ(w * h, 9);
        const CCellPoint site = FreeBlock(area, w, h, a.GetWidth() / 3, a.GetHeight() / 3);
        EXPECT_GE(site.x, 0);
        m.SetStructureAt(area, site.x, site.y, type + 1);
        footprint(site, w, h);
        // Demolish the first structure of more than one cell.
        for (int y = 0; y < a.GetHeight() && changed.size() == 9; ++y)
            for (int x = 0; x < a.GetWidth(); ++x) {
                const int n = a.GetLayer(CMapData::layerStructure, x, y);
                if (n <= 0 || (x == site.x && y == site.y)) continue;
                int sw = 0, sh = 0;
                m.GetStructureType(n - 1)->GetSize(sw, sh);
                if (sw * sh < 2) continue;
                m.DemolishAt(area, x, y);
                footprint({x, y}, sw, sh);
                break;
            }
        EXPECT_GT(changed.size(), 9u);
        const CCellPoint building = FreeBlock(area, 1, 1, 2, a.GetHeight() / 2);
        a.SetConstruction(building.x, building.y, CMapData::kConstructionUnderWay,
                          ConstructionType());
        changed.push_back(building);
        for (int i = 0; i < 6; ++i) {
            const CCellPoint cell{a.GetWidth() / 2 + i, a.GetHeight() / 2 - i / 2};
            a.SetCellOwner(cell.x, cell.y, 1 + i % 3);
            changed.push_back(cell);
        }
        return changed;
    }
};

TEST_F(MapDrawWndTest, DrawCellAfterChangesEqualsAFullRepaint) {
    NewAuthoredGame(1, 4);
    const int area = BusiestArea();
    OpenWindow(800, 600, area);
    for (double zoom : {1.0, 1.5})
        for (int d = 0; d < 4; ++d) {
            SCOPED_TRACE("zoom " + std::to_string(zoom) + " direction " + std::to_string(d));
            host.zoom = zoom;
            doc.SetViewDirection(d);
            map.RebuildMap();
            Relayout();
            ScrollToMiddle();
            const std::string before = CaptureWindow("before");
            const std::vector<CCellPoint> changed = ChangeCells(area);
            map.RebuildMap();
            for (CCellPoint cell : changed) map.DrawCell(cell.x, cell.y, 1);
            const std::string drawn = CaptureWindow("drawn");
            EXPECT_TRUE(drawn != before) << "the changes show";
            EXPECT_TRUE(drawn == CaptureFreshRepaint("fresh"))
                << "see " << folder << "drawn.png and fresh.png";
        }
}

TEST_F(MapDrawWndTest, ScrollingByOneCellEqualsAFullRepaint) {
    NewAuthoredGame(1, 4);
    const int area = BusiestArea();
    OpenWindow(800, 600, area);
    for (double zoom : {1.0, 1.5})
        for (int d = 0; d < 4; ++d) {
            host.zoom = zoom;
            doc.SetViewDirection(d);
            map.RebuildMap();
            Relayout();
            const CMapDoc& m = doc.GetMap();
            const int stepX = CMapGeometry::Scale(m.GetCellMetric(CMapDoc::metricColumnStepX), zoom);
            const int stepY = CMapGeometry::Scale(m.GetCellMetric(CMapDoc::metricColumnStepY), zoom);
            // Into the middle first, then one cell each way.
            struct SMove {
                const char* name;
                UINT message;
                int delta;
            };
            const std::vector<SMove> moves = {{"start", WM_HSCROLL, 300},
                                              {"start down", WM_VSCROLL, 200},
                                              {"right", WM_HSCROLL, stepX},
                                              {"down", WM_VSCROLL, stepY},
                                              {"left", WM_HSCROLL, -stepX},
                                              {"up", WM_VSCROLL, -stepY}};
            for (const SMove& move : moves) {
                SCOPED_TRACE(std::string(move.name) + " zoom " + std::to_string(zoom) +
                             " direction " + std::to_string(d));
                const int from = move.message == WM_HSCROLL ? map.GetScrollX() : map.GetScrollY();
                map.SendMessage(move.message, MAKEWPARAM(SB_THUMBTRACK, from + move.delta), 0);
                map.SendMessage(move.message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
                const int to = move.message == WM_HSCROLL ? map.GetScrollX() : map.GetScrollY();
                EXPECT_EQ(to, from + move.delta);
                const std::string scrolled = CaptureWindow("scrolled");
                EXPECT_TRUE(scrolled == CaptureFreshRepaint("fresh"))
                    << "see " << folder << "scrolled.png and fresh.png";
            }
        }
}

TEST_F(MapDrawWndTest, DrawCellOutsideTheGridDrawsNothing) {
    NewAuthoredGame(1, 4);
    OpenWindow(400, 300, 0);
    const std::string before = CaptureWindow("before");
    for (CCellPoint cell : {CCellPoint(-1, 0), CCellPoint(0, -1), CCellPoint(1000, 0),
                            CCellPoint(0, 1000)})
        map.DrawCell(cell.x, cell.y, 1);
    EXPECT_TRUE(CaptureWindow("after") == before);
}

}  // namespace

namespace {

TEST_F(MapDrawWndTest, BackgroundFillsTheClientAreaAfterEveryResize) {
    NewAuthoredGame(1, 4);
    OpenWindow(300, 200, -1);
    for (auto [w, h] : {std::pair{500, 400}, std::pair{200, 150}, std::pair{640, 480}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        map.SetWindowPos(nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOMOVE);
        map.UpdateWindow();
        CRect client;
        map.GetClientRect(&client);
        CClientDC dc(&map);
        // The gradient runs from the top colour to the bottom one.
        EXPECT_EQ(dc.GetPixel(client.right - 1, 0) & 0xFFFFFF, RGB(255, 255, 255));
        EXPECT_EQ(dc.GetPixel(client.right - 1, client.bottom - 1) & 0xFFFFFF, RGB(63, 63, 63));
    }
}

}  // namespace
