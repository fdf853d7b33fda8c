// The map drawing window on the authored map, rendered to PNG files in the
// gallery folder: the busiest area of a new game (seed 1) with three
// companies' outlines, a fire, a construction with its overlay, raised
// cells and a 2 x 2 cursor block, in the four directions, at two more zoom
// steps and in the grey-level display.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fakes/GalleryFolder.h"
#include "views/MapWindowFixture.h"

namespace {

class MapGalleryTest : public MapWindowTest {
protected:
    // Lays out the scene on the shown area around its middle.
    void MakeScene(int area) {
        CMapDoc& m = doc.GetMap();
        CMapData& a = m.GetArea(area);
        const int w = a.GetWidth(), h = a.GetHeight();
        const int cx = w / 2, cy = h / 2;
        // Three companies own a patch each, structures and all.
        const CCellPoint patches[3] = {{cx - 6, cy - 5}, {cx + 2, cy - 7}, {cx - 3, cy + 3}};
        for (int c = 0; c < 3; ++c)
            for (int y = patches[c].y; y < patches[c].y + 4; ++y)
                for (int x = patches[c].x; x < patches[c].x + 5; ++x)
                    if (a.IsInGrid(x, y)) a.SetCellOwner(x, y, c + 1);
        // A fire on three free cells, as the fire rule sets them.
        const int fire = m.GetCode40Type(0);
        int burning = 0;
        for (int y = cy + 1; y < h && burning < 3; ++y)
            for (int x = cx + 3; x < w && burning < 3; ++x)
                if (a.GetStructureAt(x, y, 1) == 0 && a.GetConstructionState(x, y) == 0) {
                    a.SetConstruction(x, y, CMapData::kConstructionBurning, fire + 1);
                    ++burning;
                }
        // A construction under way, with its overlay where the map has one.
        for (int y = cy - 2; y < h; ++y)
            if (a.GetStructureAt(cx, y, 1) == 0) {
                a.SetConstruction(cx, y, CMapData::kConstructionUnderWay, ConstructionType());
                break;
            }
        // A small hill in front when the area has no raised cells.
        int raised = 0;
        for (int32_t level : a.Cells(CMapData::layerHeight)) raised += level > 0;
        if (raised == 0)
            for (int y = cy + 4; y < cy + 8 && y < h; ++y)
                for (int x = cx - 8; x < cx - 4 && x >= 0; ++x)
                    a.SetLayer(CMapData::layerHeight, x, y, 1 + (x + y) % 3);
        map.SetCursorSize(2, 2);
        map.SetCursorCell(cx - 1, cy + 1, FALSE);
    }

    void Render(const std::string& name) {
        map.RebuildMap();
        Relayout();
        const std::filesystem::path png = GalleryFolder() / name;
        ASSERT_TRUE(map.SaveToPng(png.string()));
        EXPECT_GT(std::filesystem::file_size(png), 10000u);
    }
};

TEST_F(MapGalleryTest, AuthoredMapInEveryDirectionAndZoom) {
    NewAuthoredGame(1, 4);
    const int area = BusiestArea();
    OpenWindow(1920, 1080, area);
    MakeScene(area);
    for (int d = 0; d < 4; ++d) {
        doc.SetViewDirection(d);
        Render("map-d" + std::to_string(d) + ".png");
    }
    doc.SetViewDirection(2);
    host.zoom = 0.5;
    Render("map-d2-z05.png");
    host.zoom = 2.0;
    map.RebuildMap();
    Relayout();
    ScrollToMiddle();
    EXPECT_GT(map.GetScrollX(), 0);
    ASSERT_TRUE(map.SaveToPng((GalleryFolder() / "map-d2-z20.png").string()));
    host.zoom = 1.0;
    host.mapMode = 2;
    Render("map-d2-grey.png");
}

}  // namespace
