// The area selection window: where it places the logo, the month window,
// the company window and the button frame, and its splitter at the left
// edge, which resizes the pane through the view.

#include <vector>

#include "AreaPaneFixture.h"
#include "model/PictureCatalog.h"

namespace {

// The view's fake, keeping the splitter's drags.
class CSplitterViewHost : public CRecordingViewHost {
public:
    void SetSelectPaneWidth(int dx) override { widths.push_back(dx); }
    std::vector<int> widths;
};

class MapSelectWndTest : public AreaPaneTest {
protected:
    void SetUp() override {
        AreaPaneTest::SetUp();
        NewGame(3);
        pane.SetViewHost(&splitterHost);
        ASSERT_TRUE(pane.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                                CRect(0, 0, 420, 600), &parent, 1002));
    }
    CRect RectOf(const CWnd& child) {
        CRect rect;
        child.GetWindowRect(&rect);
        pane.ScreenToClient(&rect);
        return rect;
    }
    void Mouse(UINT message, int x) {
        pane.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, 10));
    }

    CSplitterViewHost splitterHost;
    CMapSelectWnd pane;
};

TEST_F(MapSelectWndTest, TheChildrenStandOneBelowTheOther) {
    const int m = GetSystemMetrics(SM_CXDLGFRAME);
    const CSize cell = OwnerRow::LayoutSize();
    const int logoH = host.strips.GetCellSize(CPictureCatalog::kLogo).cy;
    const int rowH = std::max(cell.cy, host.MarkCell().cy) + 2 * cell.cy;
    const int monthW =
        20 * OwnerRow::CharSize().cx + host.strips.GetCellSize(CPictureCatalog::kSmallMarks).cx;
    EXPECT_EQ(RectOf(pane.GetLogo()), CRect(m, 0, 420, logoH));
    EXPECT_EQ(RectOf(pane.GetMonthWnd()), CRect(m, logoH, m + monthW, logoH + rowH));
    EXPECT_EQ(RectOf(pane.GetDirectorLine()), CRect(m + monthW, logoH, 420, logoH + rowH));
    EXPECT_EQ(RectOf(pane.GetButtonFrame()), CRect(m, logoH + rowH, 420, 600));
    const UINT ids[] = {pane.GetLogo().GetDlgCtrlID(), pane.GetMonthWnd().GetDlgCtrlID(),
                        pane.GetDirectorLine().GetDlgCtrlID(), pane.GetButtonFrame().GetDlgCtrlID()};
    EXPECT_EQ(std::vector<UINT>(std::begin(ids), std::end(ids)),
              (std::vector<UINT>{1004, 1200, 1201, 1002}));
    pane.MoveWindow(0, 0, 60, 40);
    EXPECT_EQ(RectOf(pane.GetDirectorLine()).Width(), 0) << "a narrow pane leaves it no room";
    EXPECT_EQ(RectOf(pane.GetButtonFrame()).Height(), 0);
}

TEST_F(MapSelectWndTest, TheSplitterDragsThePanesEdge) {
    Mouse(WM_LBUTTONDOWN, 1);
    Mouse(WM_MOUSEMOVE, -30);
    Mouse(WM_LBUTTONUP, 5);
    Mouse(WM_MOUSEMOVE, 40);
    EXPECT_EQ(splitterHost.widths, (std::vector<int>{-31, 4})) << "moves and the release";
    splitterHost.widths.clear();
    Mouse(WM_LBUTTONDOWN, 50);
    Mouse(WM_MOUSEMOVE, 10);
    Mouse(WM_LBUTTONUP, 10);
    EXPECT_TRUE(splitterHost.widths.empty()) << "a press beside the edge drags nothing";
}

TEST_F(MapSelectWndTest, ResetButtonsShowsTheFirstAreas) {
    CMapBtnFrame& buttons = pane.GetButtonFrame();
    buttons.SetFirstVisible(1, TRUE);
    pane.ResetButtons();
    EXPECT_EQ(buttons.GetFirstVisible(), 0);
    EXPECT_EQ(buttons.GetButton(0)->GetArea(), 0);
    EXPECT_EQ(buttons.GetButton(1)->GetArea(), 1);
    EXPECT_FALSE(buttons.GetButton(2)->IsWindowVisible()) << "no third area";
}

}  // namespace
