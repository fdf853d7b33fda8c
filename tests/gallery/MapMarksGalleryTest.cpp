// The map window on the authored map while it shows changed cells and
// while the player picks a construction site, rendered to PNG files in the
// gallery folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fakes/GalleryFolder.h"
#include "views/MapWindowFixture.h"

namespace {

class MapMarksGalleryTest : public MapWindowTest {
protected:
    void Save(const std::string& name) {
        const std::filesystem::path png = GalleryFolder() / name;
        ASSERT_TRUE(map.SaveToPng(png.string()));
        EXPECT_GT(std::filesystem::file_size(png), 10000u);
    }
    // The middle of the shown area's grid.
    CCellPoint Middle() {
        const CMapData& a = doc.GetMap().GetArea(host.area);
        return {a.GetWidth() / 2, a.GetHeight() / 2};
    }
};

TEST_F(MapMarksGalleryTest, ChangedCellsInTheInvertedBlinkPhase) {
    NewAuthoredGame(1, 4);
    OpenWindow(1200, 800, BusiestArea());
    // A block of changed cells with buildings on it, as after an order.
    const CCellPoint m = Middle();
    map.MarkCellRect(m.x - 2, m.y - 1, m.x + 2, m.y + 2, 60000);
    while (!map.GetBlinkPhase()) map.SendMessage(WM_TIMER, CMapDrawWnd::kBlinkTimerId, 0);
    map.Invalidate(FALSE);
    Save("map-blink-inverted.png");
    map.FlushChangedCells(0);
}

TEST_F(MapMarksGalleryTest, ConstructionPickWithABlockCursorUnderTheMouse) {
    NewAuthoredGame(1, 4);
    OpenWindow(1200, 800, BusiestArea());
    host.mapMode = 5;
    host.pickFlag = 1;
    map.SetCursorSize(3, 3);
    // The mouse on the middle cell's top face.
    const CCellPoint m = Middle();
    const CMapGeometry g = map.GetGeometry();
    const CCellPoint v = g.MapToView(m.x, m.y);
    CPoint at(g.GetCellScreenX(v.x, v.y), g.GetCellScreenY(v.x, v.y, g.HeightAt(m.x, m.y)));
    for (int up = 1; up < 60 && map.CellFromPoint(at.x, at.y).x < 0; ++up) --at.y;
    map.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y - 4));
    EXPECT_GE(map.GetCursorCell().x, 0);
    Save("map-construction-pick.png");
}

}  // namespace
