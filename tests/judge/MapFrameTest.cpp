// The judgment's map frame and its two small windows: the dial's targets
// and turns, the name strip kept inside the map, docking on resize and the
// background of a frame one pixel high.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "JudgeWindowFixture.h"
#include "judge/ArboDoc.h"
#include "judge/MapChildDrag.h"
#include "judge/MapFrameWnd.h"
#include "model/MapBackground.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"

namespace {

using judge::CMapChildDrag;
using judge::CMapDirectWnd;
using judge::CMapFrameWnd;

std::vector<CPoint> Points(const CMapDirectWnd::STriangle& t) {
    return {CPoint(t[0].x, t[0].y), CPoint(t[1].x, t[1].y), CPoint(t[2].x, t[2].y)};
}

CPoint Centroid(const CMapDirectWnd::STriangle& t) {
    return CPoint((t[0].x + t[1].x + t[2].x) / 3, (t[0].y + t[1].y + t[2].y) / 3);
}

TEST(MapDialTest, EachTargetIsHitAtItsScreenAngle) {
    const CSize client(70, 70);
    // Projection angles of an isometric map and of a lopsided one.
    for (auto [a0, a1] : {std::pair{0.4636476, 2.6779450}, std::pair{0.2, 2.1}}) {
        for (int direction = 0; direction < 4; ++direction) {
            SCOPED_TRACE(std::to_string(a0) + " direction " + std::to_string(direction));
            for (int target = 0; target <= CMapDirectWnd::kCentre; ++target) {
                const CPoint at = Centroid(CMapDirectWnd::Target(target, direction, a0, a1, client));
                EXPECT_EQ(CMapDirectWnd::HitTestAt(at, direction, a0, a1, client), target) << target;
            }
            // The current direction's arrow stands where direction 2's does.
            EXPECT_EQ(Points(CMapDirectWnd::Target(direction, direction, a0, a1, client)),
                      Points(CMapDirectWnd::Target(2, 2, a0, a1, client)));
            EXPECT_EQ(CMapDirectWnd::HitTestAt(CPoint(0, 0), direction, a0, a1, client), -1);
        }
    }
    EXPECT_EQ(CMapDirectWnd::ChosenDirection(1, 3), 1);
    EXPECT_EQ(CMapDirectWnd::ChosenDirection(CMapDirectWnd::kCentre, 3), 0);
}

TEST(MapDialTest, ChildrenAreKeptInsideAndDockedOnResize) {
    struct Case {
        const char* name;
        CRect rect;
        CSize parent;
        CRect kept;
    };
    const std::vector<Case> kept = {
        {"inside", CRect(10, 10, 60, 30), CSize(200, 100), CRect(10, 10, 60, 30)},
        {"past the right and bottom", CRect(180, 90, 230, 110), CSize(200, 100),
         CRect(150, 80, 200, 100)},
        {"past the left and top", CRect(-20, -5, 30, 15), CSize(200, 100), CRect(0, 0, 50, 20)},
        {"larger than the parent", CRect(50, 50, 350, 90), CSize(200, 100), CRect(0, 50, 300, 90)},
    };
    for (const Case& c : kept) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CMapChildDrag::KeptInside(c.rect, c.parent), c.kept);
    }
    struct Dock {
        const char* name;
        CRect child;
        CSize from, to;
        CRect docked;
    };
    const std::vector<Dock> docks = {
        {"on the right and bottom edges", CRect(130, 80, 200, 100), CSize(200, 100),
         CSize(300, 150), CRect(230, 130, 300, 150)},
        {"in the middle, the frame grows", CRect(50, 20, 100, 40), CSize(200, 100),
         CSize(300, 150), CRect(50, 20, 100, 40)},
        {"in the middle, the frame shrinks past it", CRect(150, 60, 190, 80), CSize(200, 100),
         CSize(160, 70), CRect(120, 50, 160, 70)},
        {"no size before", CRect(0, 0, 70, 70), CSize(0, 0), CSize(300, 200),
         CRect(0, 0, 70, 70)},
        {"a frame smaller than the child", CRect(0, 0, 70, 70), CSize(200, 100), CSize(40, 30),
         CRect(0, 0, 70, 70)},
    };
    for (const Dock& d : docks) {
        SCOPED_TRACE(d.name);
        EXPECT_EQ(CMapFrameWnd::DockChild(d.child, d.from, d.to), d.docked);
    }
}

TEST(MapTurnTest, OutlineCornersRunOnTheirEllipsesFromStartToEnd) {
    // A rhombus turned by a quarter: each corner takes its neighbour's place.
    const std::array<POINT, 4> from = {{{40, 0}, {0, 20}, {-40, 0}, {0, -20}}};
    const std::array<POINT, 4> to = {{{0, 20}, {-40, 0}, {0, -20}, {40, 0}}};
    auto same = [](const std::array<POINT, 4>& a, const std::array<POINT, 4>& b) {
        for (size_t i = 0; i < 4; ++i)
            if (std::abs(a[i].x - b[i].x) > 1 || std::abs(a[i].y - b[i].y) > 1) return false;
        return true;
    };
    for (int turns : {1, -1}) {
        SCOPED_TRACE(turns);
        EXPECT_TRUE(same(CMapFrameWnd::TurnOutline(from, to, turns, 0.0), from));
        EXPECT_TRUE(same(CMapFrameWnd::TurnOutline(from, to, turns, 1.0), to));
        // Half way every corner is on its ellipse (x/40)^2 + (y/20)^2 = 1.
        for (const POINT& p : CMapFrameWnd::TurnOutline(from, to, turns, 0.5)) {
            const double r = (p.x / 40.0) * (p.x / 40.0) + (p.y / 20.0) * (p.y / 20.0);
            EXPECT_NEAR(r, 1.0, 0.1) << p.x << "," << p.y;
        }
    }
    // The two senses of a turn run the corners opposite ways round.
    const auto forward = CMapFrameWnd::TurnOutline(from, to, 1, 0.5);
    const auto backward = CMapFrameWnd::TurnOutline(from, to, -1, 0.5);
    EXPECT_FALSE(same(forward, backward));
}

class MapFrameTest : public CJudgeWindowFixture {
protected:
    CMapFrameWnd& ShowMap() {
        view->ShowAreaMap(0);
        view->SetDisplayMode(judge::CArboView::kModeMap, TRUE);
        CMapFrameWnd& map = view->GetMapFrame();
        map.MoveWindow(0, 0, 400, 300, TRUE);
        return map;
    }
    static LPARAM At(CPoint p) { return MAKELPARAM(p.x, p.y); }
};

TEST_F(MapFrameTest, PressingTheCentreFourTimesTurnsOnceRound) {
    ASSERT_TRUE(Start());
    CMapFrameWnd& map = ShowMap();
    CMapDirectWnd& dial = map.GetDial();
    judge::CArboDoc* doc = app->GetDocument();
    const int first = doc->GetViewDirection();
    std::vector<int> directions;
    for (int i = 0; i < 4; ++i) {
        CRect client;
        dial.GetClientRect(&client);
        const ::CMapDoc& m = doc->GetMap().Map();
        const CPoint centre = Centroid(CMapDirectWnd::Target(
            CMapDirectWnd::kCentre, doc->GetViewDirection(), m.GetViewAngle1(),
            m.GetViewAngle2(), client.Size()));
        ASSERT_EQ(dial.HitTest(centre), CMapDirectWnd::kCentre);
        dial.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(centre));
        dial.SendMessage(WM_LBUTTONUP, 0, At(centre));
        directions.push_back(doc->GetViewDirection());
    }
    EXPECT_EQ(directions, (std::vector<int>{(first + 1) % 4, (first + 2) % 4, (first + 3) % 4,
                                            first}));
    // A release away from the pressed target chooses nothing.
    dial.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(CPoint(1, 1)));
    dial.SendMessage(WM_LBUTTONUP, 0, At(CPoint(1, 1)));
    EXPECT_EQ(doc->GetViewDirection(), first);
}

TEST_F(MapFrameTest, ANameStripDraggedPartlyOutsideStaysInside) {
    ASSERT_TRUE(Start());
    CMapFrameWnd& map = ShowMap();
    judge::CMapNameWnd& name = map.GetNameStrip();
    name.ComputeDefaultSize();
    CRect client;
    map.GetClientRect(&client);
    for (CPoint travel : {CPoint(1000, 1000), CPoint(-1000, -500), CPoint(30, -10)}) {
        SCOPED_TRACE(std::to_string(travel.x) + "," + std::to_string(travel.y));
        name.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(CPoint(5, 5)));
        name.SendMessage(WM_LBUTTONUP, 0, At(CPoint(5 + travel.x, 5 + travel.y)));
        CRect rect;
        name.GetWindowRect(&rect);
        map.ScreenToClient(&rect);
        EXPECT_GE(rect.left, 0);
        EXPECT_GE(rect.top, 0);
        EXPECT_LE(rect.right, client.right);
        EXPECT_LE(rect.bottom, client.bottom);
        EXPECT_EQ(rect.Size(), name.GetDefaultSize());
    }
    // Its menu's command puts it back at the bottom-left corner.
    name.SendMessage(WM_COMMAND, CMapChildDrag::kDefaultSizeCommand, 0);
    CRect rect;
    name.GetWindowRect(&rect);
    map.ScreenToClient(&rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.bottom, client.bottom);
}

TEST_F(MapFrameTest, AFrameOnePixelHighPaintsTheFirstColour) {
    ASSERT_TRUE(Start());
    CMapFrameWnd& map = ShowMap();
    const COLORREF first = static_cast<COLORREF>(frame->GetOptions().mapBkColor);
    EXPECT_EQ(CMapFrameWnd::GradientColour(first, RGB(0, 0, 0), 0, 1), first);
    EXPECT_EQ(CMapFrameWnd::GradientColour(RGB(200, 100, 0), RGB(0, 100, 200), 2, 3),
              RGB(0, 100, 200));
    EXPECT_EQ(CMapFrameWnd::GradientColour(RGB(200, 100, 0), RGB(0, 100, 200), 1, 3),
              RGB(100, 100, 100));
    // No area: only the background is painted.
    view->ShowAreaMap(-1);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(50, 1));
    CBitmap* old = dc.SelectObject(&bitmap);
    map.Paint(dc, 50, 1);
    for (int x : {0, 25, 49}) EXPECT_EQ(dc.GetPixel(x, 0), first) << x;
    dc.SelectObject(old);
}

}  // namespace
