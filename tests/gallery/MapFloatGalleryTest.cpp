// The balloon and the floating windows of the map on the authored map,
// rendered to PNG files in the gallery folder: the balloon of a free plot,
// an owned building, a stadium with two home teams and an expo-site cell;
// the direction dial in the four directions with one direction lacking
// pictures and one arrow pressed; and the map with its name window and dial
// in place.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fakes/GalleryFolder.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"
#include "views/BalloonFixture.h"

namespace {

class MapFloatGalleryTest : public BalloonTest {
protected:
    // Shows the map window's balloon for the cell and saves what it shows.
    void ShootBalloon(CCellPoint cell, const std::string& name) {
        CBalonWnd& balloon = map.GetBalloonWnd();
        balloon.SetDrawSource(&doc);
        const CSize size = balloon.Prepare(area, cell.x, cell.y);
        ASSERT_GT(size.cx, 0);
        balloon.SetWindowPos(nullptr, 40, 40, size.cx, size.cy,
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        balloon.Invalidate(TRUE);
        ASSERT_TRUE(balloon.SaveToPng((GalleryFolder() / name).string()));
        balloon.ShowWindow(SW_HIDE);
    }
};

TEST_F(MapFloatGalleryTest, Balloons) {
    OpenWindow(800, 600, area);
    ShootBalloon(FreePlot(), "balloon-empty.png");
    ShootBalloon(OwnedBuilding(), "balloon-owned.png");
    std::vector<std::string> names;
    ShootBalloon(Stadium(names), "balloon-stadium.png");
    ShootBalloon(ExpoSite(), "balloon-expo.png");
}

TEST_F(MapFloatGalleryTest, DialInEveryDirection) {
    const CSize client(CMapDrawWnd::kDirectWndSize, CMapDrawWnd::kDirectWndSize);
    for (int d = 0; d < 4; ++d) {
        CMapDirectWnd::SLook look;
        look.direction = d;
        look.angles = {doc.GetMap().GetViewAngle1(), doc.GetMap().GetViewAngle2()};
        // Direction 1 lacks pictures; the arrow after the current one is
        // held down.
        look.enabled = {1, 0, 1, 1};
        look.hot = (d + 3) % 4;
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmap(client.cx, client.cy));
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CBitmap* old = dc.SelectObject(&bitmap);
        CMapDirectWnd::Draw(dc, client, look);
        dc.SelectObject(old);
        const std::string name = "dial-d" + std::to_string(d) + ".png";
        ASSERT_TRUE(bitmap.SaveToPng((GalleryFolder() / name).string()));
    }
}

TEST_F(MapFloatGalleryTest, MapWithNameWindowAndDial) {
    OpenWindow(1280, 800, area);
    map.GetNameWnd().FitToNames();
    // The dial where a player would leave it: the top right corner.
    CRect client;
    map.GetClientRect(&client);
    map.GetDirectWnd().SetWindowPos(nullptr, client.right - CMapDrawWnd::kDirectWndSize - 8, 8, 0,
                                    0, SWP_NOSIZE | SWP_NOZORDER);
    const std::filesystem::path png = GalleryFolder() / "map-floating-windows.png";
    ASSERT_TRUE(map.SaveToPng(png.string()));
    EXPECT_GT(std::filesystem::file_size(png), 10000u);
}

}  // namespace
