// The frame's side of the map window's marks and effects: game code's
// calls through the frame service reach the map window of the main view,
// the map's context menu reaches the frame's explanation box and area
// portfolio, and the picks reach the frame's pick handler.

#include <algorithm>
#include <string>
#include <vector>

#include "MenuCommandsFixture.h"
#include "model/MapData.h"
#include "model/services/Services.h"
#include "resources/MercavoIds.h"
#include "shell/CommandRules.h"

namespace {

using SCall = CMapDrawWnd::SCall;

TEST_F(MenuCommandsTest, TheFrameServiceMarksWaitsAndShakesOnTheMapWindow) {
    StartWithGame();
    CMapDrawWnd& map = Map();
    IFrameService& service = *frame;
    map.ClearCalls();
    service.MarkCellList({{1, 1}, {2, 1}, {99, 99}}, 180);
    EXPECT_EQ(map.CountChangedCells(), 2);
    service.AddCellMarks({{0, 0}});
    EXPECT_EQ(map.CountChangedCells(), 3);
    EXPECT_EQ(map.IsBlinkPending(), 1);
    // The ticks come at once here: the wait ends after them, marks flushed.
    service.WaitCellChanges(-4);
    EXPECT_EQ(map.CountChangedCells(), 0);
    EXPECT_EQ(frame->IsPumping(), 0);
    service.ShowCellChanges({{3, 2}}, -2);
    EXPECT_EQ(map.CountChangedCells(), 0);
    service.ShakeMap(1);
    EXPECT_EQ(service.MarkCompanyCells(-1), 0);
    const std::vector<SCall>& calls = map.GetCalls();
    auto has = [&calls](const SCall& call) {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    };
    EXPECT_TRUE(has({"MarkCellList", 3, 180}));
    EXPECT_TRUE(has({"AddCellMarks", 1, 180}));
    EXPECT_TRUE(has({"ShakeMap", 1}));
    EXPECT_TRUE(has({"MarkCompanyCells", -1}));
}

TEST_F(MenuCommandsTest, TheFramesDrainEndsWhileAMarkKeepsBlinking) {
    StartWithGame();
    CMapDrawWnd& map = Map();
    IFrameService& service = *frame;
    // With time running as fast as it can, the blink's timer is due again
    // after every tick; a drain must still come back.
    service.MarkCellList({{1, 1}}, 180);
    ASSERT_EQ(map.IsBlinkPending(), 1);
    MSG msgLeft;
    CMessageLoop::Post(frame, WM_NULL, 0, 0);
    service.DrainPendingMessages();
    EXPECT_FALSE(CMessageLoop::Peek(msgLeft, frame, WM_NULL, WM_NULL, PM_NOREMOVE));
    EXPECT_EQ(map.IsBlinkPending(), 1);
}

TEST_F(MenuCommandsTest, TheMapsContextMenuCommandsReachTheFrame) {
    StartWithGame();
    CMapDrawWnd& map = Map();
    CMapData* area = doc->GetArea(app->GetMainView()->GetShownArea());
    ASSERT_NE(area, nullptr);
    area->SetExplanation("A quiet harbour district.");
    testing::internal::CaptureStderr();
    map.SendMessage(WM_COMMAND, CMapDrawWnd::kExplanationCommand, 0);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("A quiet harbour district."), std::string::npos) << log;

    // Another area through its menu item.
    const int other = app->GetMainView()->GetShownArea() == 0 ? 1 : 0;
    map.SendMessage(WM_COMMAND, CMapDrawWnd::kFirstAreaCommand + static_cast<UINT>(other), 0);
    EXPECT_EQ(app->GetMainView()->GetShownArea(), other);
}

TEST_F(MenuCommandsTest, AnEnterOnTheMapHandsTheCursorCellToThePick) {
    StartWithGame();
    OpenHumanTurn();
    Command(mercavo_ids::kPurchaseDesignated);
    ASSERT_EQ(frame->GetMapMode(), CCommandRules::kMapPurchase);
    ASSERT_EQ(frame->GetPickFlag(), 1);
    CMapDrawWnd& map = Map();
    map.SetCursorCell(1, 1, FALSE);
    map.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    // The designated purchase asks for its director or reports: the pick
    // took the cell.
    EXPECT_FALSE(reports.empty() && dialogs.empty());
    // Escape on the map ends a pick.
    frame->EnableInput(1);
    frame->EndMapPick(1);
    Command(mercavo_ids::kSellRealEstate);
    ASSERT_EQ(frame->GetMapMode(), CCommandRules::kMapSale);
    map.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(frame->GetMapMode(), 0);
    EXPECT_EQ(frame->GetPickFlag(), 0);
}

}  // namespace
