// The judgment window in process: the application started on a judgment
// data file of the fixture game, with a profile of the test's own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "JudgeWindowFixture.h"
#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/ArboView.h"
#include "judge/JudgeFonts.h"
#include "judge/MainFrame.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/SystemMetrics.h"
#include "resources/JudgeIds.h"

namespace {

using namespace judge;

class JudgeWindowTest : public CJudgeWindowFixture {};

TEST_F(JudgeWindowTest, OpensOnTheItemList) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(frame->GetWindowText(), "MERCAVO Judgment");
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(view->GetDisplayMode(), CArboView::kModeItemList);
    EXPECT_TRUE(view->GetItemPane().IsWindowVisible());
    EXPECT_FALSE(view->GetMapFrame().IsWindowVisible());
    EXPECT_TRUE(view->GetTopFrame().IsWindowVisible());
    EXPECT_TRUE(view->GetCompanyPane().IsWindowVisible());
    // The start posts the announcement's first message; until the
    // announcement exists it changes nothing.
    CMessageLoop::WaitDispatching(20, [] { return false; });
    EXPECT_EQ(view->GetDisplayMode(), CArboView::kModeItemList);
    struct Command {
        UINT id;
        bool enabled;
    };
    const std::vector<Command> commands = {
        {judge_ids::kAppAbout, true},          {judge_ids::kAppExit, true},
        {judge_ids::kDataAuthor, false},       {judge_ids::kHomepage, false},
        {judge_ids::kContributionResults, false}, {judge_ids::kNetworkWindow, false},
        {judge_ids::kMap, false},              {judge_ids::kHideMap, false},
    };
    for (const Command& c : commands) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(frame->IsCommandEnabled(c.id), c.enabled);
    }
    frame->SetResultsShown(true);
    EXPECT_TRUE(frame->IsCommandEnabled(judge_ids::kMap));
}

TEST_F(JudgeWindowTest, TheCommandLineFileGoesWithTheWindow) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(std::filesystem::exists(File()));
    frame->SendMessage(WM_CLOSE, 0, 0);
    EXPECT_FALSE(frame->IsWindow());
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(JudgeWindowTest, OptionsFromTheGameProfile) {
    struct Case {
        const char* key;
        const char* stored;
        std::function<double(const COptionData&)> read;
        double expected;
    };
    const std::vector<Case> cases = {
        {nullptr, nullptr, [](auto& o) { return o.mapDrawRate; }, 1.0},
        {nullptr, nullptr, [](auto& o) { return o.judgeMusic; }, 1},
        {nullptr, nullptr, [](auto& o) { return o.sound.musicIndex[18]; }, 18},
        {nullptr, nullptr, [](auto& o) { return o.sound.musicIndex[21]; }, 21},
        {nullptr, nullptr, [](auto& o) { return o.sound.musicFiles[18] == "MERC_7.MID"; }, 1},
        {nullptr, nullptr, [](auto& o) { return o.sound.effectIndex[4]; }, -1},
        {nullptr, nullptr, [](auto& o) { return o.mapBkColor2; }, 4144959},
        {"MapDrawRate", "3.0", [](auto& o) { return o.mapDrawRate; }, 1.0},
        {"MapDrawRate", "0.5", [](auto& o) { return o.mapDrawRate; }, 0.5},
        {"MapDrawRate", "abc", [](auto& o) { return o.mapDrawRate; }, 1.0},
        {"MIDI_Index19", "40", [](auto& o) { return o.sound.musicIndex[18]; }, -1},
        {"MIDI_Index19", "-5", [](auto& o) { return o.sound.musicIndex[18]; }, -1},
        {"MIDI_Index19", "29", [](auto& o) { return o.sound.musicIndex[18]; }, 29},
        {"Wave_Index5", "10", [](auto& o) { return o.sound.effectIndex[4]; }, -1},
        {"Judge_BGM(MIDI)", "0", [](auto& o) { return o.judgeMusic; }, 0},
        {"Judge_BGM(MIDI)", "7", [](auto& o) { return o.judgeMusic; }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key ? std::string(c.key) + "=" + c.stored : "fresh profile");
        std::filesystem::remove_all(folder.Path() / "config");
        if (c.key) Profile().WriteProfileString(COptionData::kSection, c.key, c.stored);
        app.reset();
        // The last window took its command-line file with it.
        std::filesystem::copy_file(folder.Folder() + "kept.mqd", File(),
                                   std::filesystem::copy_options::overwrite_existing);
        ASSERT_TRUE(Start());
        EXPECT_EQ(c.read(frame->GetOptions()), c.expected);
    }
}

TEST_F(JudgeWindowTest, FontsFromTheMarkHeight) {
    struct Case {
        int h;
        int heights[CJudgeFonts::kFontCount];
    };
    const std::vector<Case> cases = {{40, {20, 26, 30, 45}}, {33, {16, 21, 24, 36}},
                                     {21, {10, 13, 15, 22}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.h);
        for (int font = 0; font < CJudgeFonts::kFontCount; ++font) {
            EXPECT_EQ(CJudgeFonts::FontHeight(font, c.h), c.heights[font]) << font;
            EXPECT_EQ(CJudgeFonts::FontWeight(font), font >= 2 ? FW_BOLD : FW_NORMAL);
        }
    }
    ASSERT_TRUE(Start());
    for (int font = 0; font < CJudgeFonts::kFontCount; ++font) {
        const CSize size = app->GetFonts().GetSize(font);
        EXPECT_GT(size.cx, 0) << font;
        EXPECT_GT(size.cy, 2) << font;
    }
    // Font 1 is the application's text size; font 3 is the tallest.
    EXPECT_EQ(app->GetCharSize().cy, app->GetFonts().GetSize(1).cy);
    EXPECT_GT(app->GetFonts().GetSize(3).cy, app->GetFonts().GetSize(2).cy);
}

// A window that plays the user during a wait: each posted message runs one
// action.
class CActorWnd : public CWnd {
public:
    static constexpr UINT kAct = WM_USER + 1;
    std::function<void()> action;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kAct && action) {
            action();
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(JudgeWindowTest, Waits) {
    ASSERT_TRUE(Start());
    CActorWnd actor;
    ASSERT_TRUE(actor.Create(nullptr, "actor", 0, CRect(0, 0, 1, 1), nullptr, 0));
    CClock::SetTimeScale(1);
    const int waitTime = app->GetDocument()->GetWaitTime();
    ASSERT_GT(waitTime, 0);
    // 30 units: wait time x 3 milliseconds.
    uint32_t start = CClock::GetTickCount();
    EXPECT_EQ(frame->JudgeWaitLoop(30, 0, 1), 0);
    uint32_t lasted = CClock::GetTickCount() - start;
    EXPECT_GE(lasted, static_cast<uint32_t>(waitTime * 3));
    EXPECT_LT(lasted, static_cast<uint32_t>(waitTime * 3 + 1000));
    EXPECT_FALSE(frame->IsInWait());
    // WaitMilliseconds lasts its milliseconds whatever the wait time.
    start = CClock::GetTickCount();
    EXPECT_EQ(frame->WaitMilliseconds(120, 0, 1), 0);
    EXPECT_GE(CClock::GetTickCount() - start, 119u);

    struct Case {
        const char* name;
        int key;
        int skippable;
        int result;
        bool early;
    };
    const std::vector<Case> cases = {
        {"Space skips", VK_SPACE, 1, 1, true},
        {"Return ends the wait", VK_RETURN, 1, 0, true},
        {"a wait that cannot be skipped ignores Space", VK_SPACE, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A press before the wait does not count.
        CKeyState::Press(c.key);
        CKeyState::Release(c.key);
        actor.action = [&] {
            CKeyState::Press(c.key);
            CKeyState::Release(c.key);
        };
        actor.PostMessage(CActorWnd::kAct, 0, 0);
        start = CClock::GetTickCount();
        // Long enough to tell an early end from a full wait: 400 ms.
        EXPECT_EQ(frame->JudgeWaitLoop(4000 / waitTime, 0, c.skippable), c.result);
        EXPECT_EQ(CClock::GetTickCount() - start < 300u, c.early);
    }

    // A close asked during a wait closes the window after it.
    actor.action = [&] { frame->SendMessage(WM_CLOSE, 0, 0); };
    actor.PostMessage(CActorWnd::kAct, 0, 0);
    EXPECT_EQ(frame->JudgeWaitLoop(10, 0, 1), 0);
    EXPECT_FALSE(frame->IsWindow());
    actor.DestroyWindow();
}

TEST_F(JudgeWindowTest, PaneLayout) {
    ASSERT_TRUE(Start());
    const int fx = GetSystemMetrics(SM_CXDLGFRAME);
    const int fy = GetSystemMetrics(SM_CYDLGFRAME);
    struct Case {
        const char* name;
        int mode;
        int horizontal;
        int vertical;
        CRect top, company, item;
    };
    const std::vector<Case> cases = {
        {"defaults", 2, 500, 200, CRect(0, 0, 1000, 100), CRect(0, 100, 500, 500),
         CRect(500, 100, 1000, 500)},
        {"mode 0: the company pane takes the whole width", 0, 500, 200, CRect(0, 0, 1000, 100),
         CRect(0, 100, 1000, 500), CRect()},
        {"ratios of 0 keep the dialog-frame minimum", 2, 0, 0, CRect(0, 0, 1000, fy),
         CRect(0, fy, fx, 500), CRect(fx, fy, 1000, 500)},
        {"ratios of 1000", 3, 1000, 1000, CRect(0, 0, 1000, 500), CRect(0, 500, 1000, 500),
         CRect(1000, 500, 1000, 500)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view->SetDisplayMode(c.mode, FALSE);
        view->SetRatios(c.horizontal, c.vertical);
        view->LayoutPanes(1000, 500);
        EXPECT_EQ(PaneRect(view->GetTopFrame()), c.top);
        EXPECT_EQ(PaneRect(view->GetCompanyPane()), c.company);
        if (c.mode != 0) {
            EXPECT_EQ(PaneRect(view->GetItemPane()), c.item);
        }
        EXPECT_EQ(view->GetItemPane().IsWindowVisible() != FALSE, c.mode >= 2);
        EXPECT_FALSE(view->GetMapFrame().IsWindowVisible());
    }
    view->SetDisplayMode(1, FALSE);
    EXPECT_TRUE(view->GetMapFrame().IsWindowVisible());
    EXPECT_FALSE(view->GetItemPane().IsWindowVisible());
    EXPECT_TRUE(frame->IsCommandEnabled(judge_ids::kHideMap));
}

TEST_F(JudgeWindowTest, DraggedSplitLines) {
    ASSERT_TRUE(Start());
    view->SetRatios(500, 200);
    view->MoveWindow(0, 0, 800, 600, FALSE);
    view->SetTopHeight(300);
    view->SetLeftWidth(200);
    EXPECT_EQ(view->GetVerticalRatio(), 500);
    EXPECT_EQ(view->GetHorizontalRatio(), 250);
    // Beyond the window the ratio stops at the whole.
    view->SetTopHeight(900);
    EXPECT_EQ(view->GetVerticalRatio(), 1000);
    view->SetTopHeight(-5);
    EXPECT_EQ(view->GetVerticalRatio(), 0);
    // A minimised window has no client to share: nothing changes.
    view->SetRatios(400, 300);
    view->MoveWindow(0, 0, 0, 0, FALSE);
    view->SetTopHeight(50);
    view->SetLeftWidth(50);
    EXPECT_EQ(view->GetVerticalRatio(), 300);
    EXPECT_EQ(view->GetHorizontalRatio(), 400);
}

TEST_F(JudgeWindowTest, MapDirection) {
    struct Case {
        int from;
        int to;
        std::vector<int> turns;
    };
    const std::vector<Case> cases = {
        {0, 3, {-1}}, {3, 1, {-1, -1}}, {1, 3, {-1, -1}}, {0, 1, {1}},
        {3, 0, {1}},  {2, 2, {}},       {1, 0, {-1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to));
        EXPECT_EQ(CArboView::TurnSteps(c.from, c.to), c.turns);
    }
    ASSERT_TRUE(Start());
    CArboDoc* doc = app->GetDocument();
    doc->SetViewDirection(0);
    EXPECT_EQ(view->SetMapDirection(3), 1);
    EXPECT_EQ(doc->GetViewDirection(), 3);
    EXPECT_EQ(view->SetMapDirection(3), 0);
}

}  // namespace
