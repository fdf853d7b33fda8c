// Changed cells on the map window: marking (also from outside the grid),
// the blink with its sound and inverted pictures, the waits that end it and
// the flush; and the two screen effects, the earthquake and the turn, which
// leave the picture as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MapWindowFixture.h"

namespace {

using SCall = CMapDrawWnd::SCall;

class MapMarksTest : public MapWindowTest {
protected:
    std::vector<CCellPoint> MarkedCells() {
        std::vector<CCellPoint> cells;
        const CMapDoc& m = doc.GetMap();
        for (int y = 0; y < m.GetGridHeight(); ++y)
            for (int x = 0; x < m.GetGridWidth(); ++x)
                if (map.IsCellMarked(x, y)) cells.emplace_back(x, y);
        return cells;
    }

    int Count(const std::string& call) const {
        return static_cast<int>(std::count(frame.calls.begin(), frame.calls.end(), call));
    }

    std::vector<SCall> CallsNamed(const std::string& name) const {
        std::vector<SCall> calls;
        for (const SCall& c : map.GetCalls())
            if (c.name == name) calls.push_back(c);
        return calls;
    }

    void CheckTurnsLeaveThePicture() {
        for (int d = 0; d < 4; ++d) {
            doc.SetViewDirection(d);
            map.RebuildMap();
            map.Invalidate(FALSE);
            const std::vector<COLORREF> before = ClientPixels();
            for (int turns : {1, -1, 2, -2}) {
                SCOPED_TRACE("direction " + std::to_string(d) + " turns " + std::to_string(turns));
                map.ClearCalls();
                map.AnimateTurn(turns, 0);
                EXPECT_EQ(map.GetCalls(), (std::vector<SCall>{{"AnimateTurn", turns, 0, d}}));
                EXPECT_TRUE(ClientPixels() == before);
            }
        }
    }

    // A map cell under a structure in the middle of the shown area.
    CCellPoint StructureCell(int area) {
        const CMapData& a = doc.GetMap().GetArea(area);
        for (int y = a.GetHeight() / 3; y < a.GetHeight(); ++y)
            for (int x = a.GetWidth() / 3; x < a.GetWidth(); ++x)
                if (a.GetLayer(CMapData::layerStructure, x, y) > 0) return {x, y};
        return {a.GetWidth() / 2, a.GetHeight() / 2};
    }
};

TEST_F(MapMarksTest, MarkingTakesCornersInAnyOrderAndIgnoresCellsOutsideTheGrid) {
    NewGame();  // a 6 x 5 grid
    OpenWindow(320, 240, 0);
    const int w = doc.GetMap().GetGridWidth(), h = doc.GetMap().GetGridHeight();
    ASSERT_EQ(w, 6);
    ASSERT_EQ(h, 5);
    auto rect = [](int x0, int y0, int x1, int y1) {
        std::vector<CCellPoint> cells;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) cells.emplace_back(x, y);
        return cells;
    };
    struct SCase {
        const char* name;
        int x1, y1, x2, y2;
        std::vector<CCellPoint> marked;
    };
    const std::vector<SCase> cases = {
        {"corners in order", 3, 1, 5, 4, rect(3, 1, 5, 4)},
        {"corners swapped", 5, 4, 3, 1, rect(3, 1, 5, 4)},
        {"sticking out at the top left", -3, -2, 1, 1, rect(0, 0, 1, 1)},
        {"sticking out at the bottom right", 4, 3, 40, 70, rect(4, 3, 5, 4)},
        {"wholly outside", 7, 0, 9, 2, {}},
        {"huge", -2000000000, -2000000000, 2000000000, 2000000000, rect(0, 0, 5, 4)},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        map.FlushChangedCells(0);
        map.MarkCellRect(c.x1, c.y1, c.x2, c.y2, 180);
        EXPECT_EQ(MarkedCells(), c.marked);
        EXPECT_EQ(map.CountChangedCells(), static_cast<int>(c.marked.size()));
        EXPECT_EQ(map.IsBlinkPending(), 1);
    }
    // Cells from a peer may lie anywhere.
    map.FlushChangedCells(0);
    const std::vector<CCellPoint> wild = {{-1, 0}, {0, -1}, {w, 0}, {0, h}, {2, 3},
                                          {-2000000000, 2000000000}, {5, 4}};
    map.AddCellMarks(wild, 180);
    EXPECT_EQ(MarkedCells(), (std::vector<CCellPoint>{{2, 3}, {5, 4}}));
    // A list replaces the marks; a keyed collection's cells add to them.
    map.MarkCellList(std::vector<CCellPoint>{{1, 1}, {9, 9}}, 180);
    EXPECT_EQ(MarkedCells(), (std::vector<CCellPoint>{{1, 1}}));
    map.AddCellMarks(std::vector<CCellPoint>{{0, 0}, {1, 1}}, 180);
    EXPECT_EQ(MarkedCells(), (std::vector<CCellPoint>{{0, 0}, {1, 1}}));
}

TEST_F(MapMarksTest, ACellMarkedTwiceIsFlushedAndRedrawnOnce) {
    NewGame();
    OpenWindow(320, 240, 0);
    map.MarkCellRect(2, 2, 2, 2, 180);
    map.MarkCellRect(3, 2, 2, 2, 180);
    map.ClearCalls();
    map.FlushChangedCells(1);
    EXPECT_EQ(CallsNamed("DrawCell"), (std::vector<SCall>{{"DrawCell", 2, 2, 0}, {"DrawCell", 3, 2, 0}}));
    EXPECT_EQ(map.CountChangedCells(), 0);
    EXPECT_EQ(map.IsBlinkPending(), 0);
    // Flushing without redrawing only forgets.
    map.MarkCellRect(1, 1, 1, 1, 180);
    map.ClearCalls();
    map.FlushChangedCells(0);
    EXPECT_TRUE(CallsNamed("DrawCell").empty());
    EXPECT_EQ(map.CountChangedCells(), 0);
    // Only a network client redraws the flushed cells a level taller.
    struct SRole {
        const char* name;
        int network, host, wide;
    };
    for (const SRole& role : {SRole{"alone", 0, 0, 0}, SRole{"host", 1, 1, 0},
                              SRole{"client", 1, 0, 1}}) {
        SCOPED_TRACE(role.name);
        doc.GetFrameState().SetNetworkRoles(role.network, role.host, 0);
        map.MarkCellRect(4, 1, 4, 1, 180);
        map.ClearCalls();
        map.FlushChangedCells(1);
        EXPECT_EQ(CallsNamed("DrawCell"), (std::vector<SCall>{{"DrawCell", 4, 1, role.wide}}));
    }
    doc.GetFrameState().SetNetworkRoles(0, 0, 0);
}

TEST_F(MapMarksTest, CompanyCellsAreMarkedOnlyWhenTheCompanyOwnsSome) {
    NewGame();
    OpenWindow(320, 240, 0);
    CMapData& a = doc.GetMap().GetArea(0);
    a.SetCellOwner(1, 2, 2);
    a.SetCellOwner(4, 3, 2);
    EXPECT_EQ(map.MarkCompanyCells(0), 0);
    EXPECT_EQ(map.IsBlinkPending(), 0) << "no timer started";
    EXPECT_EQ(map.CountChangedCells(), 0);
    EXPECT_EQ(map.MarkCompanyCells(-1), 0);
    EXPECT_EQ(map.MarkCompanyCells(1), 1);
    EXPECT_EQ(MarkedCells(), (std::vector<CCellPoint>{{1, 2}, {4, 3}}));
    EXPECT_EQ(map.IsBlinkPending(), 1);
}

TEST_F(MapMarksTest, ANegativeWaitEndsAfterItsTicksOrWhenTheMarksAreFlushed) {
    NewGame();
    OpenWindow(320, 240, 0);
    map.ClearCalls();
    map.ShowCellChanges(std::vector<CCellPoint>{{1, 1}, {2, 3}}, 180, -6);
    EXPECT_EQ(map.CountChangedCells(), 0);
    EXPECT_EQ(map.IsBlinkPending(), 0);
    // Six ticks, each redrawing both cells a level taller, then the flush
    // redraws them plainly once.
    const std::vector<SCall> draws = CallsNamed("DrawCell");
    EXPECT_EQ(std::count_if(draws.begin(), draws.end(), [](const SCall& c) { return c.c == 1; }), 12);
    EXPECT_EQ(std::count_if(draws.begin(), draws.end(), [](const SCall& c) { return c.c == 0; }), 2);
    // Three of the six ticks are inverted, each with the blink's sound.
    EXPECT_EQ(Count("PlayEffect(2)"), 3);
    EXPECT_EQ(Count("SetPumping(1)"), 1);
    EXPECT_EQ(Count("SetPumping(0)"), 1);
    EXPECT_EQ(Count("CheckCloseRequest"), 1);

    // Another handler flushes the marks: the wait ends before any tick.
    frame.calls.clear();
    CClock::SetTimeScale(1);
    map.MarkCellRect(0, 0, 1, 1, 60000);
    struct SFlusher : CWnd {
        CMapDrawWnd* target = nullptr;
        LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
            if (message == WM_USER + 1) target->FlushChangedCells(1);
            return CWnd::WindowProc(message, w, l);
        }
    } flusher;
    flusher.target = &map;
    ASSERT_TRUE(flusher.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0));
    flusher.PostMessage(WM_USER + 1);
    const uint32_t start = CClock::GetTickCount();
    map.WaitCellChanges(-6);
    EXPECT_LT(CClock::GetTickCount() - start, 5000u);
    EXPECT_EQ(map.CountChangedCells(), 0);
    EXPECT_EQ(Count("PlayEffect(2)"), 0);
    flusher.DestroyWindow();

    // A quit ends the wait and stays queued for the main loop.
    map.MarkCellRect(0, 0, 1, 1, 60000);
    PostQuitMessage(3);
    map.WaitCellChanges(-6);
    EXPECT_EQ(map.CountChangedCells(), 0);
    MSG msg;
    EXPECT_TRUE(CMessageLoop::Peek(msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    // A count >= 0 is a timed wait of the game's, after which the marks are
    // flushed.
    CClock::SetTimeScale(0);
    map.MarkCellRect(0, 0, 1, 1, 180);
    frame.calls.clear();
    map.WaitCellChanges(3);
    EXPECT_EQ(map.CountChangedCells(), 0);
    EXPECT_EQ(map.IsBlinkPending(), 0);
}

TEST_F(MapMarksTest, TheBlinkInvertsTheMarkedCellWithItsSoundAndTheFlushLeavesAFullRepaint) {
    NewAuthoredGame(1, 4);
    const int area = BusiestArea();
    OpenWindow(360, 260, area);
    // The marked cell in the middle of the window.
    const CCellPoint cell = StructureCell(area);
    const CMapGeometry geometry = map.GetGeometry();
    const CCellPoint v = geometry.MapToView(cell.x, cell.y);
    for (int bar : {SB_HORZ, SB_VERT}) {
        const int target = bar == SB_HORZ ? geometry.GetCellScreenX(v.x, v.y) - 180
                                          : geometry.GetCellScreenY(v.x, v.y, 0) - 130;
        map.SendMessage(bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL,
                        MAKEWPARAM(SB_THUMBPOSITION, std::max(target, 0)), 0);
        map.SendMessage(bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    }
    const std::vector<COLORREF> plain = ClientPixels();
    map.MarkCellRect(cell.x, cell.y, cell.x, cell.y, 60000);
    for (int tick = 0; tick < 4; ++tick) {
        SCOPED_TRACE("tick " + std::to_string(tick));
        const int inverted = map.GetBlinkPhase();
        frame.calls.clear();
        map.SendMessage(WM_TIMER, CMapDrawWnd::kBlinkTimerId, 0);
        EXPECT_EQ(Count("PlayEffect(2)"), inverted);
        const std::vector<COLORREF> now = ClientPixels();
        ASSERT_EQ(now.size(), plain.size());
        int changed = 0, other = 0;
        for (size_t i = 0; i < now.size(); ++i) {
            if (now[i] == plain[i]) continue;
            // The cell's pictures show in inverted colours, nothing else.
            ++(now[i] == (~plain[i] & 0xFFFFFF) ? changed : other);
        }
        EXPECT_EQ(other, 0);
        if (inverted) {
            EXPECT_GT(changed, 50);
        } else {
            EXPECT_EQ(changed, 0);
        }
    }
    map.FlushChangedCells(1);
    const std::string flushed = CaptureWindow("flushed");
    EXPECT_TRUE(flushed == CaptureFreshRepaint("fresh")) << "see " << folder;
    EXPECT_TRUE(ClientPixels() == plain);
}

TEST_F(MapMarksTest, TheShakeMovesRowsBackAndForthAndPutsThePictureBack) {
    NewAuthoredGame(1, 4);
    OpenWindow(200, 120, BusiestArea());
    for (int strength : {1, 2, 3}) {
        SCOPED_TRACE("strength " + std::to_string(strength));
        const int shift = 2 * strength;
        const std::vector<COLORREF> before = ClientPixels();
        CRect client;
        map.GetClientRect(&client);
        const int w = client.Width(), h = client.Height();
        // What the window shows after each repetition, taken in its wait.
        std::vector<std::vector<COLORREF>> shots;
        for (int i = 0; i < 6; ++i) frame.pendingMessages.push_back([&] { shots.push_back(ClientPixels()); });
        frame.calls.clear();
        map.ShakeMap(strength);
        const size_t repetitions = strength < 3 ? 4 : 6;
        ASSERT_EQ(shots.size(), repetitions);
        frame.pendingMessages.clear();
        EXPECT_EQ(Count("PlayEffect(0)"), static_cast<int>(repetitions / 2));
        // The first repetition moves the bottom row left and the one above
        // it right; the second moves them back.
        const std::vector<COLORREF>& first = shots[0];
        auto at = [w](const std::vector<COLORREF>& p, int x, int y) { return p[size_t(y * w + x)]; };
        bool shiftedAsTold = true, backInside = true;
        for (int x = shift; x < w - shift; ++x) {
            shiftedAsTold &= at(first, x, h - 1) == at(before, x + shift, h - 1);
            shiftedAsTold &= at(first, x, h - 2) == at(before, x - shift, h - 2);
            for (int y : {h - 1, h - 2, h / 2})
                backInside &= at(shots[1], x, y) == at(before, x, y);
        }
        EXPECT_TRUE(shiftedAsTold);
        EXPECT_TRUE(backInside);
        EXPECT_TRUE(ClientPixels() == before);
    }
    // A window narrower than the shift shakes nothing.
    map.SetWindowPos(nullptr, 0, 0, 60, 60, SWP_NOZORDER | SWP_NOMOVE);
    CRect client;
    map.GetClientRect(&client);
    // The scroll bars keep their room: the client area becomes 4 wide.
    map.SetWindowPos(nullptr, 0, 0, 60 - client.Width() + 4, 60, SWP_NOZORDER | SWP_NOMOVE);
    map.GetClientRect(&client);
    ASSERT_EQ(client.Width(), 4);
    const std::vector<COLORREF> narrow = ClientPixels();
    frame.calls.clear();
    map.ShakeMap(3);
    EXPECT_EQ(Count("PlayEffect(0)"), 3);
    EXPECT_TRUE(ClientPixels() == narrow);
}

// After the turns of one and two quarters either way the outlines drawn
// have all been taken away again.
TEST_F(MapMarksTest, TheTurnOutlineLeavesThePictureAsItWasOnTheAuthoredMap) {
    NewAuthoredGame(1, 4);
    OpenWindow(400, 300, BusiestArea());
    CheckTurnsLeaveThePicture();
}

TEST_F(MapMarksTest, TheTurnOutlineLeavesThePictureAsItWasOnANonSquareGrid) {
    NewGame();  // 6 x 5
    OpenWindow(400, 300, 0);
    CheckTurnsLeaveThePicture();
}

}  // namespace
