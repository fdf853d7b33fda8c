// The company pages frame and its selector: which entries the buttons
// show, scrolling by keys, wheel and selection, the pages each choice
// shows and where the keyboard focus goes.

#include <string>

#include "InfoWindowFixture.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/SystemMetrics.h"
#include "views/InfoBtn.h"

namespace {

class SelectorTest : public InfoWindowTest {
protected:
    CSelectInfoWnd& Selector() { return pages.GetSelector(); }
    bool BarShown() { return Selector().GetScrollBar().IsWindowVisible() != FALSE; }
    // The entries the buttons on screen show, top to bottom.
    std::vector<int> ShownEntries() {
        std::vector<int> shown;
        for (int i = 0; i < Selector().GetVisibleRows(); ++i) {
            CInfoBtn* button = Selector().GetButton(i);
            if (button && button->IsWindowVisible()) shown.push_back(button->GetIndex());
        }
        return shown;
    }
    // The entry of the button that has the keyboard focus; -1 none.
    int FocusedEntry() {
        for (int i = 0; i < Selector().GetButtonCount(); ++i)
            if (CWnd::GetFocus() == Selector().GetButton(i)) return Selector().GetButton(i)->GetIndex();
        return -1;
    }
    void Key(CWnd& wnd, int key) { wnd.SendMessage(WM_KEYDOWN, static_cast<WPARAM>(key), 0); }
    // What the tab strip tells its parent when the user picks a tab.
    void PickTab(int tab) {
        pages.GetTabCtrl().SetCurSel(tab);
        NMHDR head;
        head.hwndFrom = &pages.GetTabCtrl();
        head.idFrom = CInfoDrawFrameWnd::kTabCtrlId;
        head.code = TCN_SELCHANGE;
        pages.SendMessage(WM_NOTIFY, head.idFrom, reinterpret_cast<LPARAM>(&head));
    }
    bool Visible(CWnd& wnd) { return wnd.IsWindowVisible() != FALSE; }
};

TEST_F(SelectorTest, TheFrameCreatesItsTabsAndPages) {
    NewGame(3);
    MakePages(6);
    CInfoTabCtrl& tabs = pages.GetTabCtrl();
    EXPECT_EQ(tabs.GetDlgCtrlID(), 2340u);
    ASSERT_EQ(tabs.GetItemCount(), 5);
    const char* names[] = {"Status", "Director", "Achievement", "Team", "Stock"};
    for (int t = 0; t < 5; ++t) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        ASSERT_TRUE(tabs.GetItem(t, &item));
        EXPECT_EQ(item.text, names[t]);
    }
    CWnd* inOrder[] = {&pages.GetListPage(), &pages.GetStatusPage(), &pages.GetDirectorPage(),
                       &pages.GetAchievementPage(), &pages.GetTeamPage(), &pages.GetStockPage()};
    for (int p = 0; p < 6; ++p) EXPECT_EQ(inOrder[p]->GetDlgCtrlID(), 2350u + p);
    EXPECT_TRUE(Visible(pages.GetStatusPage()));
    EXPECT_FALSE(Visible(pages.GetListPage()));
    EXPECT_EQ(Selector().GetButton(0)->GetDlgCtrlID(), 2300u);
    EXPECT_EQ(Selector().GetButtonCount(),
              GetSystemMetrics(SM_CYSCREEN) / Selector().GetRowHeight() + 1);
}

TEST_F(SelectorTest, ThreeCompaniesThatFitShowNoBarAndNeverScroll) {
    NewGame(3);
    MakePages(4);
    EXPECT_FALSE(BarShown());
    EXPECT_EQ(Selector().GetVisibleRows(), 4);
    EXPECT_EQ(ShownEntries(), (std::vector<int>{0, 1, 2, 3}));
    Selector().Select(3, TRUE);
    EXPECT_EQ(Selector().GetFirst(), 0);
    Selector().SelectAndShow(3);
    EXPECT_EQ(Selector().GetFirst(), 0);
    EXPECT_EQ(pages.GetShownCompany(), 2);
}

TEST_F(SelectorTest, UpAndDownScrollAndWrapAroundTheColumn) {
    NewGame(5);
    MakePages(3);
    ASSERT_TRUE(BarShown());
    ASSERT_EQ(Selector().GetVisibleRows(), 3);
    Selector().GetButton(2)->SetFocus();
    Key(*Selector().GetButton(2), VK_DOWN);
    EXPECT_EQ(Selector().GetFirst(), 1);
    EXPECT_EQ(ShownEntries(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(FocusedEntry(), 3);
    // Up on "Company list" goes round to the last company.
    Selector().SetFirst(0, TRUE);
    Selector().GetButton(0)->SetFocus();
    Key(*Selector().GetButton(0), VK_UP);
    EXPECT_EQ(Selector().GetFirst(), 3);
    EXPECT_EQ(ShownEntries(), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(FocusedEntry(), 5);
    // And Down on the last one back to the top; moving selects nothing.
    Key(*Selector().GetButton(2), VK_DOWN);
    EXPECT_EQ(Selector().GetFirst(), 0);
    EXPECT_EQ(FocusedEntry(), 0);
    EXPECT_EQ(Selector().GetSelected(), 0);
    // Tab goes on to the tab strip.
    Key(*Selector().GetButton(0), VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), &pages.GetTabCtrl());
}

TEST_F(SelectorTest, TheWheelMovesOneRowANotchUpToTheLastPage) {
    NewGame(5);
    MakePages(3);
    CRect rect;
    Selector().GetWindowRect(&rect);
    struct SCase {
        int delta;
        bool inside;
        int first;
    };
    const SCase cases[] = {{-120, true, 1}, {-120, false, 1}, {-360, true, 3},
                           {-120, true, 3}, {120, true, 2},   {1200, true, 0}};
    for (const SCase& c : cases) {
        const CPoint at = c.inside ? CPoint(rect.left + 2, rect.top + 2)
                                   : CPoint(rect.right + 20, rect.top + 2);
        pages.ForwardMouseWheel(c.delta, at.x, at.y);
        EXPECT_EQ(Selector().GetFirst(), c.first) << c.delta << (c.inside ? " inside" : " outside");
    }
    // Companies that all fit do not scroll.
    SizeForRows(6);
    pages.ForwardMouseWheel(-120, rect.left + 2, rect.top + 2);
    EXPECT_EQ(Selector().GetFirst(), 0);
}

TEST_F(SelectorTest, TheCompanyListHidesTheTabsAndACompanyBringsBackItsTab) {
    NewGame(3);
    MakePages(6);
    pages.SetCompany(1);
    PickTab(CInfoDrawFrameWnd::kTabAchievement);
    EXPECT_TRUE(Visible(pages.GetAchievementPage()));
    EXPECT_FALSE(Visible(pages.GetStatusPage()));

    Selector().GetButton(0)->Click();
    EXPECT_EQ(Selector().GetSelected(), 0);
    EXPECT_FALSE(Visible(pages.GetTabCtrl()));
    EXPECT_TRUE(Visible(pages.GetListPage()));
    for (int t = 0; t < CInfoDrawFrameWnd::kTabCount; ++t)
        EXPECT_FALSE(Visible(*pages.GetTabPage(t))) << t;
    CRect client, list;
    pages.GetClientRect(&client);
    pages.GetListPage().GetWindowRect(&list);
    pages.ScreenToClient(&list);
    EXPECT_EQ(list.top, 0);
    EXPECT_EQ(list.Height(), client.Height());

    Selector().GetButton(3)->Click();
    EXPECT_EQ(pages.GetShownCompany(), 2);
    EXPECT_TRUE(Visible(pages.GetTabCtrl()));
    EXPECT_FALSE(Visible(pages.GetListPage()));
    EXPECT_TRUE(Visible(pages.GetAchievementPage()));
    EXPECT_EQ(pages.GetTabCtrl().GetCurSel(), CInfoDrawFrameWnd::kTabAchievement);
}

TEST_F(SelectorTest, SwitchingToTheSameCompanyChangesNothing) {
    NewGame(3);
    MakePages(6);
    pages.SetCompany(1);
    EXPECT_EQ(Selector().GetSelected(), 2);
    PickTab(CInfoDrawFrameWnd::kTabTeam);
    const int refreshes = pages.GetRefreshCount();
    pages.SetCompany(1);
    EXPECT_EQ(pages.GetTabCtrl().GetCurSel(), CInfoDrawFrameWnd::kTabTeam);
    EXPECT_TRUE(Visible(pages.GetTeamPage()));
    EXPECT_EQ(pages.GetRefreshCount(), refreshes);
    // Another company starts on "Status".
    pages.SetCompany(2);
    EXPECT_EQ(pages.GetTabCtrl().GetCurSel(), CInfoDrawFrameWnd::kTabStatus);
    EXPECT_TRUE(Visible(pages.GetStatusPage()));
    EXPECT_EQ(Selector().GetSelected(), 3);
    EXPECT_EQ(pages.GetShownCompany(), 2);
}

TEST_F(SelectorTest, ShiftTabOnTheTabsFocusesTheSelectedCompany) {
    NewGame(5);
    MakePages(3);
    Selector().SelectAndShow(5);
    ASSERT_EQ(Selector().GetFirst(), 3);
    CInfoTabCtrl& tabs = pages.GetTabCtrl();
    tabs.SetFocus();
    Key(tabs, VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), &tabs) << "Tab leads to the area buttons";
    CKeyState::SetDown(VK_SHIFT, true);
    Key(tabs, VK_TAB);
    CKeyState::SetDown(VK_SHIFT, false);
    EXPECT_EQ(FocusedEntry(), 5);
}

TEST_F(SelectorTest, SelectingTheOwnCompanyFallsBackToTheTurnCompany) {
    NewGame(4);
    MakePages(6);
    pages.SelectCompany(-1);
    EXPECT_EQ(pages.GetShownCompany(), doc.GetTurnEnterprise(-1));
    EXPECT_EQ(Selector().GetSelected(), doc.GetTurnEnterprise(-1) + 1);
    CFrameState& state = doc.GetFrameState();
    state.SetNetworkRoles(1, 1, 0);
    CFrameState::SPeer self;
    self.company = 3;
    self.localFlag = 1;
    state.GetPeers().push_back(self);
    pages.SelectCompany(-1);
    EXPECT_EQ(pages.GetShownCompany(), 3);
    EXPECT_EQ(Selector().GetSelected(), 4);
}

// However tall the window, no more rows show than there are buttons, and
// every entry stays within reach.
TEST_F(SelectorTest, AWindowTallerThanTheScreen) {
    constexpr int kScreen = 100;
    CSelectInfoWnd::SetScreenHeight(kScreen);
    SMapFixtureOptions map;
    map.maxCompanies = 12;
    NewGame(12, 0, map);
    MakePages(1);
    CSelectInfoWnd::SetScreenHeight(0);
    const int buttons = Selector().GetButtonCount();
    ASSERT_EQ(buttons, kScreen / Selector().GetRowHeight() + 1);
    ASSERT_EQ(CSelectInfoWnd::EntryCount(), 13);
    pages.MoveWindow(0, 0, 900, 3 * kScreen);
    ASSERT_GT(300 / Selector().GetRowHeight(), buttons);
    EXPECT_EQ(Selector().GetVisibleRows(), buttons);
    EXPECT_TRUE(BarShown());
    EXPECT_EQ(Selector().GetScrollBar().GetScrollPos(), 0);
    Selector().MoveFocus(12);
    EXPECT_EQ(FocusedEntry(), 12);
    EXPECT_EQ(Selector().GetFirst(), 13 - buttons);
    Selector().MoveFocus(13);
    EXPECT_EQ(FocusedEntry(), 0);
    Selector().OnWheel(-120 * 100);
    EXPECT_EQ(ShownEntries().back(), 12);
    Selector().SetFirst(0, TRUE);
    Selector().SelectAndShow(12);
    EXPECT_EQ(ShownEntries().back(), 12);
    EXPECT_EQ(pages.GetShownCompany(), 11);
}

}  // namespace
