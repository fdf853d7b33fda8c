// The map window and the player: the cursor block kept in the view grid,
// the arrow keys, Enter, Escape and clicks that hand cells to the frame's
// picks, the balloon after a resting mouse (and not during a sweep), and
// the context menu.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "MapWindowFixture.h"
#include "platform/ui/Menu.h"
#include "platform/ui/SystemMetrics.h"

namespace {

class MapInputTest : public MapWindowTest {
protected:
    void TearDown() override {
        CClock::SetTimeScale(0);
        MapWindowTest::TearDown();
    }

    // A client point in the middle of what the hit test gives to a map cell.
    CPoint PointOf(CCellPoint cell) {
        const CMapGeometry g = map.GetGeometry();
        const CCellPoint v = g.MapToView(cell.x, cell.y);
        const int x0 = g.GetCellScreenX(v.x, v.y), y0 = g.GetCellScreenY(v.x, v.y, 0);
        int64_t sx = 0, sy = 0, n = 0;
        for (int y = y0 - 200; y < y0 + 100; ++y)
            for (int x = x0 - 150; x < x0 + 150; ++x)
                if (map.CellFromPoint(x, y) == cell) {
                    sx += x;
                    sy += y;
                    ++n;
                }
        EXPECT_GT(n, 0);
        const CPoint p(static_cast<int>(sx / std::max<int64_t>(n, 1)),
                       static_cast<int>(sy / std::max<int64_t>(n, 1)));
        EXPECT_EQ(map.CellFromPoint(p.x, p.y), cell);
        return p;
    }

    // The mouse stands on the window (in screen coordinates) or elsewhere.
    void MouseOnMap(bool on) {
        map.SetCursorPosSource([this, on] {
            CRect r;
            map.GetWindowRect(&r);
            // The middle, away from the small windows at the top left.
            return on ? r.CenterPoint() : CPoint(r.right + 50, r.bottom + 50);
        });
    }

    void MoveMouse(CPoint p) { map.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)); }

    // Dispatches until the balloon shows (or a second has passed).
    bool WaitForBalloon() {
        return CMessageLoop::WaitDispatching(1000, [this] { return map.IsBalloonShown() != 0; });
    }

    void Key(UINT key) { map.SendMessage(WM_KEYDOWN, key, 0); }

    // A 2 x 2 block placed at view cell (0, 0) moves to (1, 1), one at the
    // far view corner stays there, and cells past the grid come back into
    // it, in every direction.
    void CheckBlockCursorAtTheCorners() {
        map.SetCursorSize(2, 2);
        for (int d = 0; d < 4; ++d) {
            SCOPED_TRACE("direction " + std::to_string(d));
            doc.SetViewDirection(d);
            map.RebuildMap();
            const CMapGeometry g = map.GetGeometry();
            map.SetCursorCell(-1, -1, FALSE);
            const CCellPoint corner = g.ViewToMap(0, 0);
            EXPECT_EQ(map.SetCursorCell(corner.x, corner.y, TRUE), 1);
            EXPECT_EQ(map.GetCursorCell(), g.ViewToMap(1, 1));
            const CCellPoint far = g.ViewToMap(g.GetViewColumns() - 1, g.GetViewRows() - 1);
            map.SetCursorCell(far.x, far.y, TRUE);
            EXPECT_EQ(map.GetCursorCell(), far);
            for (CCellPoint outside : {CCellPoint(100, -100), CCellPoint(-5, 1000),
                                       CCellPoint(g.GetWidth(), g.GetHeight())}) {
                map.SetCursorCell(outside.x, outside.y, TRUE);
                EXPECT_TRUE(g.IsMapCell(map.GetCursorCell().x, map.GetCursorCell().y));
            }
        }
    }
};

TEST_F(MapInputTest, ABlockCursorPlacedAtTheCornerStaysInsideTheViewGrid) {
    NewGame();  // 6 x 5
    OpenWindow(400, 300, 0);
    CheckBlockCursorAtTheCorners();
}

TEST_F(MapInputTest, ABlockCursorPlacedAtTheCornerStaysInsideTheAuthoredMapsGrid) {
    NewAuthoredGame(1, 3);
    OpenWindow(400, 300, 0);
    CheckBlockCursorAtTheCorners();
}

TEST_F(MapInputTest, ArrowKeysMoveAndWrapTheCursorInsideTheGrid) {
    NewGame();  // 6 x 5
    OpenWindow(400, 300, 0);
    host.pickFlag = 1;
    host.mapMode = 3;
    // Direction 2: Left at column 0 goes to column W - 1 of the same row.
    map.SetCursorCell(0, 2, FALSE);
    Key(VK_LEFT);
    EXPECT_EQ(map.GetCursorCell(), CCellPoint(5, 2));
    Key(VK_RIGHT);
    EXPECT_EQ(map.GetCursorCell(), CCellPoint(0, 2));
    Key(VK_UP);
    EXPECT_EQ(map.GetCursorCell(), CCellPoint(0, 1));
    // In every direction, every key pressed often enough to wrap keeps the
    // cursor on the map and comes back to where it started.
    for (int d = 0; d < 4; ++d) {
        doc.SetViewDirection(d);
        map.RebuildMap();
        const CMapGeometry g = map.GetGeometry();
        for (UINT key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) {
            SCOPED_TRACE("direction " + std::to_string(d) + " key " + std::to_string(key));
            map.SetCursorCell(4, 3, FALSE);
            const int period = key == VK_LEFT || key == VK_RIGHT ? g.GetViewColumns() : g.GetViewRows();
            for (int i = 0; i < period; ++i) {
                Key(key);
                const CCellPoint c = map.GetCursorCell();
                ASSERT_TRUE(g.IsMapCell(c.x, c.y)) << c.x << "," << c.y;
            }
            EXPECT_EQ(map.GetCursorCell(), CCellPoint(4, 3));
        }
    }
    // Without the pick the keys do nothing.
    host.pickFlag = 0;
    doc.SetViewDirection(2);
    Key(VK_LEFT);
    EXPECT_EQ(map.GetCursorCell(), CCellPoint(4, 3));
}

TEST_F(MapInputTest, PicksReachTheFrameOnlyForCellsOnTheMap) {
    NewGame();  // 6 x 5
    OpenWindow(400, 300, 0);
    host.pickFlag = 1;
    MouseOnMap(false);
    struct SCase {
        const char* name;
        int mode;
        int direction;
        int blockW, blockH;
        CCellPoint cell;
        int result;
        CCellPoint picked;  // what the frame gets
    };
    const std::vector<SCase> cases = {
        {"purchase", 3, 2, 1, 1, {2, 3}, 1, {2, 3}},
        {"sale", 4, 2, 1, 1, {5, 4}, 1, {5, 4}},
        {"reinforcement", 6, 0, 1, 1, {0, 0}, 1, {0, 0}},
        {"home field", 9, 1, 1, 1, {1, 1}, 1, {1, 1}},
        {"no pick mode", 2, 2, 1, 1, {2, 3}, 0, {}},
        {"no cursor", 3, 2, 1, 1, {-1, -1}, 0, {}},
        {"outside the grid", 4, 2, 1, 1, {6, 0}, 0, {}},
        {"construction, direction 2: the cell is the far corner", 5, 2, 3, 3, {4, 4}, 1, {4, 4}},
        {"construction, direction 0: the block reaches to larger cells", 5, 0, 2, 2, {1, 1}, 1, {2, 2}},
        {"construction, direction 1", 5, 1, 2, 3, {3, 1}, 1, {3, 3}},
        {"construction, direction 3", 5, 3, 3, 2, {1, 2}, 1, {3, 2}},
        {"construction block sticking out", 5, 2, 3, 3, {1, 4}, 0, {}},
        {"construction block sticking out, direction 0", 5, 0, 2, 2, {5, 1}, 0, {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        host.picks.clear();
        host.mapMode = c.mode;
        doc.SetViewDirection(c.direction);
        map.SetCursorSize(c.blockW, c.blockH);
        EXPECT_EQ(map.PickCell(c.cell), c.result);
        if (c.result) {
            EXPECT_EQ(host.picks, std::vector<CCellPoint>{c.picked});
        } else {
            EXPECT_TRUE(host.picks.empty());
        }
    }
    // A click without a cursor (a click off the map) reaches no pick; Enter
    // hands over the cursor cell.
    doc.SetViewDirection(2);
    map.SetCursorSize(1, 1);
    host.mapMode = 3;
    host.picks.clear();
    map.SetCursorCell(-1, -1, FALSE);
    map.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_TRUE(host.picks.empty());
    map.SetCursorCell(2, 1, FALSE);
    Key(VK_RETURN);
    map.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(host.picks, (std::vector<CCellPoint>{{2, 1}, {2, 1}}));
}

TEST_F(MapInputTest, EscapeEndsAModeAndDoesNothingWithoutOne) {
    NewGame();
    OpenWindow(400, 300, 0);
    host.pickFlag = 1;
    host.mapMode = 5;
    Key(VK_ESCAPE);
    EXPECT_EQ(host.endPicks, std::vector<int>{0});
    EXPECT_EQ(host.mapMode, 0);
    Key(VK_ESCAPE);
    EXPECT_EQ(host.endPicks, std::vector<int>{0});
}

TEST_F(MapInputTest, TheBalloonComesWhenTheMouseRestsAndFollowsItToTheNextCell) {
    NewGame();
    OpenWindow(400, 300, 0);
    MouseOnMap(true);
    // Long after the window was made (its hover counts start then).
    uint32_t now = 0;
    map.SetTickSource([&now] { return now; });
    now = 100000;
    // 1500 ms become 150.
    CClock::SetTimeScale(0.1);
    const CPoint rest = PointOf({2, 2});
    MoveMouse(rest);
    PumpPendingMessages();
    EXPECT_EQ(map.IsBalloonShown(), 0) << "not before the mouse has rested";
    ASSERT_TRUE(WaitForBalloon());
    EXPECT_EQ(map.GetHoverCell(), CCellPoint(2, 2));
    EXPECT_TRUE(map.GetBalloonWnd().IsWindowVisible());
    EXPECT_EQ(CWnd::GetCapture(), &map);
    // Beside the mouse, below and right of its cursor, with the size the
    // balloon asked for.
    CPoint mouse = rest;
    map.ClientToScreen(&mouse);
    CRect shown;
    map.GetBalloonWnd().GetWindowRect(&shown);
    const CSize asked = map.GetBalloonWnd().Prepare(0, 2, 2);
    EXPECT_EQ(shown.Size(), asked);
    EXPECT_EQ(shown.TopLeft(),
              CMapDrawWnd::BalloonPosition(
                  mouse, asked, CSize(GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR)),
                  CSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))));
    EXPECT_GT(shown.left, mouse.x);
    EXPECT_GT(shown.top, mouse.y);

    // The next cell: the balloon goes at once and comes back 50 ms (here
    // 5) later for the new cell.
    MoveMouse(PointOf({3, 2}));
    EXPECT_EQ(map.IsBalloonShown(), 0);
    ASSERT_TRUE(WaitForBalloon());
    EXPECT_EQ(map.GetHoverCell(), CCellPoint(3, 2));

    // Off the map it goes and the capture is released.
    MoveMouse(CPoint(-50, -50));
    EXPECT_EQ(map.IsBalloonShown(), 0);
    EXPECT_FALSE(map.GetBalloonWnd().IsWindowVisible());
    EXPECT_NE(CWnd::GetCapture(), &map);
    EXPECT_EQ(map.GetCursorCell(), CCellPoint(-1, -1));

    // A timer that comes when the mouse is no longer over the map shows
    // nothing.
    MoveMouse(PointOf({4, 2}));
    MouseOnMap(false);
    EXPECT_FALSE(WaitForBalloon());
}

TEST_F(MapInputTest, EightCellChangesWithinTwoAndAHalfSecondsEndBalloonAndCursor) {
    NewGame();
    OpenWindow(400, 300, 0);
    MouseOnMap(true);
    struct SCase {
        const char* name;
        uint32_t stepMs;
        bool sweep;
    };
    for (const SCase& c : {SCase{"slow", 400, false}, SCase{"sweep", 300, true}}) {
        SCOPED_TRACE(c.name);
        uint32_t now = 0;
        map.SetTickSource([&now] { return now; });
        now = 100000;
        // Cells that are their own (or their structure's) anchors.
        MoveMouse(PointOf({2, 0}));
        ASSERT_TRUE(WaitForBalloon());
        const std::vector<CCellPoint> cells = {{3, 0}, {4, 0}, {5, 0}, {5, 1}, {4, 1},
                                               {3, 1}, {2, 1}, {2, 2}};
        bool sweptAway = false;
        for (const CCellPoint& cell : cells) {
            now += c.stepMs;
            MoveMouse(PointOf(cell));
            if (!WaitForBalloon()) {
                sweptAway = true;
                break;
            }
        }
        // Eight changes 300 ms apart take 2100 ms: a sweep; 400 ms apart
        // they take 2800 ms.
        EXPECT_EQ(sweptAway, c.sweep);
        EXPECT_EQ(map.IsBalloonShown(), c.sweep ? 0 : 1);
        if (c.sweep) EXPECT_EQ(map.GetCursorCell(), CCellPoint(-1, -1));
        map.HideBalloon();
        map.SetTickSource(nullptr);
    }
}

TEST_F(MapInputTest, AClickWithoutAPickShowsTheBalloonAtOnce) {
    NewGame();
    OpenWindow(400, 300, 0);
    MouseOnMap(true);
    CClock::SetTimeScale(1);
    const CPoint p = PointOf({4, 2});
    map.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(map.IsBalloonShown(), 1);
    EXPECT_EQ(map.GetHoverCell(), CCellPoint(4, 2));
    EXPECT_TRUE(host.picks.empty());
}

TEST_F(MapInputTest, TheBalloonStaysOnTheScreen) {
    const CSize cursor(32, 32), screen(1600, 1000);
    struct SCase {
        const char* name;
        CPoint mouse;
        CSize balloon;
        CPoint expected;
    };
    const std::vector<SCase> cases = {
        {"beside the mouse", {100, 100}, {200, 80}, {132, 132}},
        {"an empty balloon", {100, 100}, {0, 0}, {132, 132}},
        {"near the right edge", {1500, 300}, {200, 80}, {1400, 332}},
        {"near the bottom edge", {300, 950}, {200, 80}, {332, 920}},
        {"in the bottom right corner", {1599, 999}, {200, 80}, {1400, 920}},
        {"larger than the screen", {800, 500}, {2000, 1200}, {0, 0}},
        {"at the top left", {0, 0}, {50, 50}, {32, 32}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CPoint at = CMapDrawWnd::BalloonPosition(c.mouse, c.balloon, cursor, screen);
        EXPECT_EQ(at.x, c.expected.x);
        EXPECT_EQ(at.y, c.expected.y);
    }
}

TEST_F(MapInputTest, TheContextMenuOffersTheOtherAreasAndThePortfolioInTheReinforcementPick) {
    NewGame();  // two areas
    OpenWindow(400, 300, 0);
    auto items = [this] {
        CMenu menu;
        EXPECT_TRUE(map.BuildContextMenu(menu));
        std::vector<std::string> list;
        for (const CMenu::Item& item : menu.Items())
            list.push_back(item.id == 0 ? "-" : std::to_string(item.id) + " " + item.text);
        return list;
    };
    const std::string second = doc.GetMap().GetAreaName(1);
    EXPECT_EQ(items(), (std::vector<std::string>{"40500 Show area explanation", "-",
                                                 "40401  2:" + second}));
    host.mapMode = 6;
    host.area = 1;
    const std::string first = doc.GetMap().GetAreaName(0);
    EXPECT_EQ(items(), (std::vector<std::string>{"40025 Real Estate Portfolio", "-",
                                                 "40500 Show area explanation", "-",
                                                 "40400  1:" + first}));
    // The commands.
    map.SendMessage(WM_COMMAND, 40400, 0);
    EXPECT_EQ(host.area, 0);
    map.SendMessage(WM_COMMAND, 40401, 0);
    EXPECT_EQ(host.area, 1);
    map.SendMessage(WM_COMMAND, 40463, 0);
    EXPECT_EQ(host.area, 1) << "an area the map does not have";
    map.SendMessage(WM_COMMAND, 40500, 0);
    map.SendMessage(WM_COMMAND, 40025, 0);
    EXPECT_EQ(host.frameCalls,
              (std::vector<std::string>{"ShowAreaExplanation", "DoAreaPortfolio"}));
}

TEST_F(MapInputTest, TheContextMenuOfAOneAreaMapHoldsOnlyTheExplanation) {
    NewGame(4, 0, FixtureWithAreas(1));
    OpenWindow(400, 300, 0);
    CMenu menu;
    ASSERT_TRUE(map.BuildContextMenu(menu));
    ASSERT_EQ(menu.GetMenuItemCount(), 1);
    EXPECT_EQ(menu.GetMenuItemID(0), 40500u);
    // A right click runs the menu; Escape closes it without a command.
    map.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    map.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    PumpPendingMessages();
    EXPECT_TRUE(host.frameCalls.empty());
}

}  // namespace
