// The small windows and the text pane of the judgment screen, inside the
// judgment window of the fixture game.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JudgeWindowFixture.h"
#include "judge/ArboDoc.h"
#include "judge/DrawJudgeTextWnd.h"
#include "judge/InfoMesWnd.h"
#include "judge/LogoMarkWnd.h"
#include "judge/PopupEpNameWnd.h"
#include "judge/TopFrameWnd.h"
#include "platform/gfx/DC.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Messages.h"

namespace {

using namespace judge;

class SmallWindowsTest : public CJudgeWindowFixture {
protected:
    void TearDown() override {
        CAutoAnswer::Reset();
        CJudgeWindowFixture::TearDown();
    }
    CDrawJudgeTextWnd& Text() { return view->GetTopFrame().GetTextPane(); }
    // The text height of a font of the application.
    int FontHeight(int font, const std::string& text) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CFont* old = dc.SelectObject(app->GetFont(font));
        const int h = dc.GetTextExtent(text).cy;
        dc.SelectObject(old);
        return h;
    }
};

TEST_F(SmallWindowsTest, MessageLogKeepsTheNewestHundredLines) {
    ASSERT_TRUE(Start());
    CInfoMesWnd log;
    ASSERT_TRUE(log.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 100), frame, 0));
    for (int i = 1; i <= 101; ++i) log.AddMessage("line " + std::to_string(i), false, i % 3 - 1);
    EXPECT_EQ(log.GetHeldLines(), 100);
    EXPECT_EQ(log.GetLine(0), "line 101");
    EXPECT_EQ(log.GetLineColour(0), 101 % 3 - 1);
    EXPECT_EQ(log.GetLine(99), "line 2");
    SCROLLINFO info;
    ASSERT_TRUE(log.GetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(info.nMax, 99);
    EXPECT_EQ(static_cast<int>(info.nPage), 100 / app->GetCharSize().cy);
    log.ScrollUp(2, true);
    EXPECT_EQ(log.GetLine(0), "");
    EXPECT_EQ(log.GetLineColour(1), -1);
    EXPECT_EQ(log.GetLine(2), "line 101");
    log.Clear();
    EXPECT_EQ(log.GetHeldLines(), 0);
    EXPECT_EQ(log.GetLine(2), "");
}

TEST_F(SmallWindowsTest, LogoCyclesSevenFrames) {
    ASSERT_TRUE(Start());
    CLogoMarkWnd& logo = view->GetTopFrame().GetLogo();
    logo.SetInterval(500);
    EXPECT_EQ(logo.GetFrame(), 0);
    std::vector<int> frames;
    for (int i = 0; i < 8; ++i) {
        logo.SendMessage(WM_TIMER, CLogoMarkWnd::kTimer, 0);
        frames.push_back(logo.GetFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 0, 1}));
    logo.SetInterval(250);
    EXPECT_EQ(logo.GetFrame(), 0);
}

TEST_F(SmallWindowsTest, NamePopupHidesWhenTheMouseLeavesIt) {
    ASSERT_TRUE(Start());
    struct Case {
        const char* name;
        CPoint point;
        bool staysShown;
    };
    const std::vector<Case> cases = {
        {"inside", CPoint(10, 5), true},
        {"bottom-right corner", CPoint(159, 19), true},
        {"right of it", CPoint(160, 5), false},
        {"below it", CPoint(10, 20), false},
        {"left of it", CPoint(-1, 5), false},
        {"above it", CPoint(10, -3), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPopupEpNameWnd popup;
        ASSERT_TRUE(popup.CreateEx(0, CArboApp::kFaceClass, "", WS_POPUP | WS_VISIBLE,
                                   CRect(0, 0, 160, 20), frame, 0));
        popup.SetText("Granite Partners");
        popup.SetCapture();
        popup.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(c.point.x, c.point.y));
        EXPECT_EQ(popup.IsWindowVisible() != FALSE, c.staysShown);
        EXPECT_EQ(CWnd::GetCapture() == &popup, c.staysShown);
        CWnd::ReleaseCapture();
    }
}

TEST_F(SmallWindowsTest, TextLineHeights) {
    ASSERT_TRUE(Start());
    CDrawJudgeTextWnd& text = Text();
    text.ClearText();
    const int mark = app->GetMarkSize().cy;
    text.AddText("plain", 1, -1, true);
    text.AddText("Bold title", 3, 4, true);
    text.AddText("Company", 1, 2, true, 5);
    text.AddText("", 1, -1, true);
    text.AddText("small", 0, -1, true);
    text.AddText(" and larger", 2, -1, false);
    ASSERT_EQ(text.GetLineCount(), 5);
    EXPECT_EQ(text.GetLineHeight(0), FontHeight(1, "plain") + 4);
    EXPECT_EQ(text.GetLineHeight(1), FontHeight(3, "Bold title") + 4);
    EXPECT_EQ(text.GetLineHeight(2), std::max(FontHeight(1, "Company") + 4, mark + 2));
    EXPECT_EQ(text.GetLineHeight(3), app->GetCharSize().cy + 2);
    // A taller run later on the line raises it.
    EXPECT_EQ(text.GetLineHeight(4), FontHeight(2, " and larger") + 4);
    // Runs after the first of a line continue where it ends.
    EXPECT_EQ(text.GetRuns()[5].x, -1);
}

TEST_F(SmallWindowsTest, TextPaneKeepsTheLastLines) {
    ASSERT_TRUE(Start());
    CDrawJudgeTextWnd& text = Text();
    text.ClearText();
    for (int i = 0; i < 10; ++i) text.AddText("line " + std::to_string(i), 1, -1, true);
    const int h = text.GetLineHeight(0);
    text.MoveWindow(0, 0, 400, 3 * h + h / 2, TRUE);
    text.Refresh();
    EXPECT_EQ(text.GetFirstLine(), 7);
    text.MoveWindow(0, 0, 400, 20 * h, TRUE);
    EXPECT_EQ(text.GetFirstLine(), 0);
    // A centred last line starts at the middle less half its width.
    text.CenterLastLine();
    text.Refresh();
    EXPECT_TRUE(text.IsLineCentred(9));
    EXPECT_FALSE(text.IsLineCentred(8));
    EXPECT_GT(text.GetRuns()[9].x, 100);
    EXPECT_EQ(text.GetRuns()[8].x, 0);
}

TEST_F(SmallWindowsTest, PromptPlacement) {
    struct Case {
        const char* name;
        CRect client;
        CSize text;
        CRect prompt;
    };
    // Character 6 x 14: the prompt is the text plus four characters wide
    // and the text plus one and a half lines high, in the bottom-right
    // corner.
    const std::vector<Case> cases = {
        {"room enough", CRect(0, 0, 400, 100), CSize(30, 12), CRect(346, 67, 400, 100)},
        {"a narrow pane keeps the left edge", CRect(0, 0, 40, 100), CSize(30, 12),
         CRect(0, 67, 40, 100)},
        {"a low pane keeps the top edge", CRect(0, 0, 400, 20), CSize(30, 12),
         CRect(346, 0, 400, 20)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CDrawJudgeTextWnd::PromptRect(c.client, c.text, 6, 14), c.prompt);
    }
}

TEST_F(SmallWindowsTest, PromptBlinksAndHidesOnTheFace) {
    CAutoAnswer::Set(false);
    ASSERT_TRUE(Start());
    CDrawJudgeTextWnd& text = Text();
    text.ShowPrompt(true, "Next");
    EXPECT_TRUE(text.GetPrompt().IsWindowVisible());
    EXPECT_EQ(text.GetPrompt().GetWindowText(), "Next");
    EXPECT_EQ(text.GetPrompt().GetColorIndex(), COLOR_BTNFACE);
    std::vector<int> colours;
    for (int i = 0; i < 4; ++i) {
        text.SendMessage(WM_TIMER, CDrawJudgeTextWnd::kBlinkTimer, 0);
        colours.push_back(text.GetPrompt().GetColorIndex());
    }
    EXPECT_EQ(colours, (std::vector<int>{2, 15, 2, 15}));
    text.SendMessage(WM_TIMER, CDrawJudgeTextWnd::kBlinkTimer, 0);
    text.ShowPrompt(false, nullptr);
    EXPECT_FALSE(text.GetPrompt().IsWindowVisible());
    EXPECT_EQ(text.GetPrompt().GetColorIndex(), COLOR_BTNFACE);
}

TEST_F(SmallWindowsTest, PressingThePromptMovesTheAnnouncementOn) {
    CAutoAnswer::Set(false);
    ASSERT_TRUE(Start());
    CDrawJudgeTextWnd& text = Text();
    const int areas = app->GetDocument()->GetMap().GetAreaCount();
    ASSERT_EQ(areas, 2);
    struct Case {
        int page, area;
        int nextPage, nextArea;
    };
    const std::vector<Case> cases = {{3, 0, 4, 0}, {17, 0, 18, 0}, {18, 0, 18, 1}, {18, 1, 18, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.page) + "/" + std::to_string(c.area));
        frame->SetAnnounceStep(c.page, c.area);
        frame->SetPendingStep(CMainFrame::WM_ANNOUNCE_ITEM);
        text.ShowPrompt(true, "Next");
        text.SendMessage(WM_COMMAND, CDrawJudgeTextWnd::kPromptId, 0);
        EXPECT_FALSE(text.IsPromptShown());
        EXPECT_EQ(frame->GetAnnouncePage(), c.nextPage);
        EXPECT_EQ(frame->GetAnnounceArea(), c.nextArea);
        MSG msg;
        EXPECT_TRUE(CMessageLoop::Peek(msg, frame, CMainFrame::WM_ANNOUNCE_ITEM,
                                       CMainFrame::WM_ANNOUNCE_ITEM, PM_REMOVE));
        // A second press of a hidden prompt does nothing.
        text.SendMessage(WM_COMMAND, CDrawJudgeTextWnd::kPromptId, 0);
        EXPECT_EQ(frame->GetAnnouncePage(), c.nextPage);
    }
    // Unattended, the prompt presses itself.
    CAutoAnswer::Set(true);
    frame->SetAnnounceStep(5, 0);
    text.ShowPrompt(true, "Next");
    CMessageLoop::WaitDispatching(1000, [&] { return !text.IsPromptShown(); });
    EXPECT_EQ(frame->GetAnnouncePage(), 6);
}

}  // namespace
