// The information window in the running game program: the frame's log
// lines, report headings and page refreshes reach it, its title bar drags
// the border in the main view, and the wheel over the company selector
// scrolls it.

#include <memory>

#include "TurnDriverFixture.h"
#include "model/Enterprise.h"
#include "shell/VView.h"
#include "views/InfoWnd.h"

namespace {

class InfoPaneTest : public TurnDriverTest {
protected:
    void SetUp() override {
        TurnDriverTest::SetUp();
        // The game waits before its first month.
        auto held = std::make_shared<bool>(false);
        CMainFrame::SetChainGate([held](UINT message) {
            if (message != ePHASE_MONTH_START || *held) return true;
            *held = true;
            return false;
        });
        Start();
        Run();
        ASSERT_TRUE(frame->IsWindow());
        view = app->GetMainView();
        ASSERT_NE(view, nullptr);
    }
    CInfoWnd& Info() { return view->GetInfoWnd(); }
    std::string LastLine() {
        const auto lines = Info().GetLog().GetLines();
        return lines.empty() ? std::string() : lines.back().text;
    }

    CVView* view = nullptr;
};

TEST_F(InfoPaneTest, TheFramesServicesReachTheWindow) {
    frame->AddInfoMessage("A line of the month.");
    EXPECT_EQ(LastLine(), "A line of the month.");
    CEnterprise& company = *doc->GetEnterprise(1);
    company.SetReportHeadingWritten(0);
    Info().ReportAdvertisingChanged(company);
    const auto lines = Info().GetLog().GetLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2].text, company.GetName());
    EXPECT_EQ(lines.back().text, "  The advertising budget changed.");
    const int refreshes = Info().GetPages().GetRefreshCount();
    frame->RefreshInfoPanels();
    EXPECT_EQ(Info().GetPages().GetRefreshCount(), refreshes + 1);
}

TEST_F(InfoPaneTest, OpeningAGameEmptiesTheLog) {
    frame->AddInfoMessage("A line of the game before.");
    ASSERT_FALSE(Info().GetLog().GetLines().empty());
    frame->RefreshAfterOpen();
    EXPECT_TRUE(Info().GetLog().GetLines().empty());
    EXPECT_EQ(Info().GetLog().GetStoredCount(), 0);
}

TEST_F(InfoPaneTest, TheTitleBarMovesTheBorderToTheMap) {
    CRect client;
    view->GetClientRect(&client);
    CInfoTitleWnd& title = Info().GetTitle();
    title.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 2));
    title.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(40, -client.Height() * 2));
    // Dragged above the view's top: the information window takes the view.
    CRect info;
    Info().GetWindowRect(&info);
    view->ScreenToClient(&info);
    EXPECT_EQ(info.top, 0);
    EXPECT_EQ(view->GetInfoRatio(), 1000);
}

TEST_F(InfoPaneTest, TheWheelOverTheSelectorScrollsIt) {
    CSelectInfoWnd& selector = Info().GetPages().GetSelector();
    // A low information window: the companies do not fit.
    CRect client;
    view->GetClientRect(&client);
    view->DragInfoWindow(client.Height() - 2 * selector.GetRowHeight() - 30);
    ASSERT_TRUE(selector.GetScrollBar().IsWindowVisible());
    CRect rect;
    selector.GetWindowRect(&rect);
    const LPARAM inside = MAKELPARAM(rect.left + 3, rect.top + 3);
    const LPARAM outside = MAKELPARAM(rect.right + 40, rect.top + 3);
    frame->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), outside);
    EXPECT_EQ(selector.GetFirst(), 0);
    frame->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), inside);
    EXPECT_EQ(selector.GetFirst(), 1);
}

}  // namespace
