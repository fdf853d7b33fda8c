// The main view's keyboard walk between its panes: Tab runs from the area
// tab strip to an area button, to the selected company's selector button,
// to the company pages' tab strip and back to the area tab strip; Shift+Tab
// runs the other way. The map's area menu chooses through the area
// buttons, so that the pressed button follows.

#include <vector>

#include "ViewFixture.h"
#include "fakes/FakeBlockHost.h"
#include "platform/ui/KeyState.h"
#include "views/InfoBtn.h"
#include "views/MapBtn.h"

namespace {

class ViewTabChainTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        ASSERT_TRUE(host.loaded);
        host.doc = &doc;
        NewGame(3);
    }
    void Tab(bool shift) {
        CWnd* focus = CWnd::GetFocus();
        ASSERT_NE(focus, nullptr);
        CKeyState::SetDown(VK_SHIFT, shift);
        focus->SendMessage(WM_KEYDOWN, VK_TAB, 0);
        CKeyState::SetDown(VK_SHIFT, false);
    }

    CFakeBlockHost host;
};

TEST_F(ViewTabChainTest, TabAndShiftTabRunAroundThePanes) {
    CVView& v = MakeViewWithPanes();
    v.GetMapSelectWnd().ResetButtons();
    CMapBtnFrame& buttons = v.GetMapSelectWnd().GetButtonFrame();
    CInfoDrawFrameWnd& pages = v.GetInfoWnd().GetPages();
    pages.GetSelector().Select(2, TRUE);
    CInfoBtn* selected = pages.GetSelector().GetButton(2 - pages.GetSelector().GetFirst());
    ASSERT_NE(selected, nullptr);
    const std::vector<CWnd*> forward = {&buttons.GetTabs(), buttons.GetButton(0), selected,
                                        &pages.GetTabCtrl(), &buttons.GetTabs()};
    buttons.GetTabs().SetFocus();
    for (size_t i = 1; i < forward.size(); ++i) {
        Tab(false);
        EXPECT_EQ(CWnd::GetFocus(), forward[i]) << "Tab step " << i;
    }
    for (size_t i = forward.size() - 1; i > 0; --i) {
        Tab(true);
        EXPECT_EQ(CWnd::GetFocus(), forward[i - 1]) << "Shift+Tab step " << i;
    }
}

TEST_F(ViewTabChainTest, TheMapsAreaMenuChoosesThroughTheButtons) {
    CVView& v = MakeViewWithPanes();
    v.GetMapSelectWnd().ResetButtons();
    v.GetMapDrawWnd().SendMessage(WM_COMMAND, CMapDrawWnd::kFirstAreaCommand + 1, 0);
    EXPECT_EQ(v.GetShownArea(), 1);
    EXPECT_EQ(v.SelectArea(1), 0) << "shown already";
    EXPECT_EQ(v.SelectArea(0), 1);
    EXPECT_EQ(v.GetShownArea(), 0);
}

}  // namespace
