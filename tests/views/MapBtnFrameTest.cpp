// The area button frame: which areas its buttons show in which layout,
// scrolling by wheel and scroll bar, the keyboard walk along the areas,
// clicks that choose the shown area, the tab strip's modes and the values
// each mode gives the share bars.

#include <string>

#include "AreaPaneFixture.h"
#include "model/MapData.h"
#include "model/PersonData.h"
#include "platform/ui/KeyState.h"
#include "views/BlockMessages.h"

namespace {

constexpr int kAreas = 10;

class MapBtnFrameTest : public AreaPaneTest {
protected:
    void SetUp() override {
        AreaPaneTest::SetUp();
        NewGame(3, 0, FixtureWithAreas(kAreas), EnoughGovernors());
    }
    // A governor for every area.
    static SPersonFixtureOptions EnoughGovernors() {
        SPersonFixtureOptions persons;
        persons.governors = 2 * kAreas;
        persons.firstYearCandidates = 2 * kAreas;
        return persons;
    }
    std::vector<int> Range(int first, int count) {
        std::vector<int> areas;
        for (int a = first; a < first + count; ++a) areas.push_back(a);
        return areas;
    }
};

TEST_F(MapBtnFrameTest, TheFrameCreatesItsButtonsTabsAndBar) {
    MakeFrame(3);
    EXPECT_EQ(frame.GetScrollBar().GetDlgCtrlID(), 2000u);
    EXPECT_EQ(frame.GetTabs().GetDlgCtrlID(), 2200u);
    EXPECT_EQ(frame.GetButton(0)->GetDlgCtrlID(), 2100u);
    ASSERT_EQ(frame.GetTabs().GetItemCount(), 6);
    const char* names[] = {"Land price/Expand", "Population", "Governor",
                           "City Project",      "Disaster",   "Promoting Expos"};
    for (int t = 0; t < 6; ++t) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        ASSERT_TRUE(frame.GetTabs().GetItem(t, &item));
        EXPECT_EQ(item.text, names[t]);
    }
    const int ch = OwnerRow::LayoutSize().cy;
    EXPECT_EQ(frame.GetCount(), (GetSystemMetrics(SM_CYFULLSCREEN) - ch) / (3 * ch));
}

TEST_F(MapBtnFrameTest, LayoutsWithAndWithoutTheScrollBar) {
    const struct {
        const char* name;
        int buttons, extra, width;
        bool bar;
        int page;
        std::vector<int> shown;
    } cases[] = {
        {"three and a half buttons: the half one shows the next area", 3, 20, 420, true, 3,
         Range(0, 4)},
        {"exactly four", 4, 0, 420, true, 4, Range(0, 4)},
        {"every area fits", kAreas, 5, 420, false, 1, Range(0, kAreas)},
        {"a pane narrower than two characters", 4, 0,
         2 * OwnerRow::LayoutSize().cx - 1 + GetSystemMetrics(SM_CXVSCROLL), true, 4, {}},
    };
    MakeFrame(3);
    for (const auto& c : cases) {
        SizeFrame(c.buttons, c.extra, c.width);
        EXPECT_EQ(frame.IsScrollBarShown(), c.bar) << c.name;
        EXPECT_EQ(frame.GetScrollBar().IsWindowVisible() != FALSE, c.bar) << c.name;
        if (c.bar) {
            EXPECT_EQ(frame.GetPage(), c.page) << c.name;
        }
        EXPECT_EQ(ShownAreas(), c.shown) << c.name;
        EXPECT_EQ(frame.GetFirstVisible(), 0) << c.name;
    }
}

TEST_F(MapBtnFrameTest, TheThumbFollowsTheFirstAreaThroughALayout) {
    MakeFrame(3);
    frame.SetFirstVisible(4, TRUE);
    EXPECT_EQ(ShownAreas(), Range(4, 3));
    SizeFrame(5);
    EXPECT_EQ(frame.GetFirstVisible(), 4);
    EXPECT_EQ(frame.GetScrollBar().GetScrollPos(), 4);
    EXPECT_EQ(ShownAreas(), Range(4, 5));
    SizeFrame(8);
    EXPECT_EQ(frame.GetFirstVisible(), kAreas - 8) << "a taller pane shows no empty slots";
    frame.PostMessage(WM_BLOCK_SCROLLED, 1, 0);
    CMessageLoop::PumpPending();
    EXPECT_EQ(ShownAreas(), Range(1, 8)) << "the scroll bar's position";
}

TEST_F(MapBtnFrameTest, TheWheelKeepsWithinTheAreas) {
    MakeFrame(3);
    frame.ScrollByWheel(240);
    EXPECT_EQ(frame.GetFirstVisible(), 0);
    const struct {
        int delta, first;
    } steps[] = {{-120, 1}, {-360, 4}, {-119, 4}, {-120 * 50, kAreas - 3}, {120, kAreas - 4},
                 {120 * 50, 0}};
    for (const auto& s : steps) {
        frame.ScrollByWheel(s.delta);
        EXPECT_EQ(frame.GetFirstVisible(), s.first) << s.delta;
    }
    SizeFrame(kAreas);
    frame.ScrollByWheel(-240);
    EXPECT_EQ(frame.GetFirstVisible(), 0) << "nothing to scroll while every area fits";
}

TEST_F(MapBtnFrameTest, TheWheelWaitsForALayout) {
    frame.SetViewHost(&viewHost);
    ASSERT_TRUE(frame.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                             CRect(0, 0, 0, 0), &parent, 1002));
    ASSERT_EQ(frame.CreateButtons(), 1);
    EXPECT_EQ(frame.GetPage(), 1);
    frame.ScrollByWheel(-120 * 3);
    EXPECT_EQ(frame.GetFirstVisible(), 0);
}

TEST_F(MapBtnFrameTest, UpAndDownWalkTheAreasAroundBothEnds) {
    MakeFrame(3);
    frame.GetButton(0)->SetFocus();
    ASSERT_EQ(FocusedArea(), 0);
    Key(*frame.GetButton(0), VK_UP);
    EXPECT_EQ(FocusedArea(), kAreas - 1) << "up from the first area";
    EXPECT_EQ(frame.GetFirstVisible(), kAreas - 3);
    EXPECT_EQ(frame.GetFocusedIndex(TRUE), kAreas - 1);
    Key(*CWnd::GetFocus(), VK_DOWN);
    EXPECT_EQ(FocusedArea(), 0) << "down from the last area";
    EXPECT_EQ(frame.GetFirstVisible(), 0);
    Key(*CWnd::GetFocus(), VK_DOWN);
    Key(*CWnd::GetFocus(), VK_DOWN);
    Key(*CWnd::GetFocus(), VK_DOWN);
    EXPECT_EQ(FocusedArea(), 3);
    EXPECT_EQ(frame.GetFirstVisible(), 1) << "the focused area scrolls into the last row";
    Key(*CWnd::GetFocus(), VK_UP);
    Key(*CWnd::GetFocus(), VK_UP);
    Key(*CWnd::GetFocus(), VK_UP);
    EXPECT_EQ(FocusedArea(), 0);
    EXPECT_EQ(frame.GetFirstVisible(), 0);
}

TEST_F(MapBtnFrameTest, TabLeadsAroundTheViewsWindows) {
    MakeFrame(3);
    CWnd selectorButton;
    ASSERT_TRUE(selectorButton.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                                      CRect(0, 0, 10, 10), &parent, 7));
    CWnd companyTabs;
    ASSERT_TRUE(companyTabs.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                                   CRect(0, 0, 10, 10), &parent, 8));
    frame.SetFocusNeighbours([&] { selectorButton.SetFocus(); }, [&] { return &companyTabs; });
    frame.GetButton(1)->SetFocus();
    Key(*frame.GetButton(1), VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), &selectorButton);
    frame.GetButton(1)->SetFocus();
    CKeyState::SetDown(VK_SHIFT, true);
    Key(*frame.GetButton(1), VK_TAB);
    CKeyState::SetDown(VK_SHIFT, false);
    EXPECT_EQ(CWnd::GetFocus(), &frame.GetTabs());
    EXPECT_EQ(frame.GetFocusedIndex(TRUE), -1);
}

TEST_F(MapBtnFrameTest, AClickShowsItsArea) {
    MakeFrame(3);
    frame.SetFirstVisible(2, TRUE);
    viewHost.area = 0;
    frame.GetButton(1)->Click();
    EXPECT_EQ(viewHost.area, 3);
    EXPECT_EQ(frame.SelectArea(3, TRUE), 0) << "shown already";
    EXPECT_EQ(frame.SelectArea(9, TRUE), 1);
    EXPECT_EQ(viewHost.area, 9);
}

TEST_F(MapBtnFrameTest, EachModeGivesTheButtonsItsValues) {
    MakeFrame(3);
    CMapData& area = *doc.GetArea(1);
    CPersonData* governor = doc.GetAreaGovernor(1);
    ASSERT_NE(governor, nullptr);
    for (int c = 0; c < 3; ++c) {
        for (int kind = 0; kind < 3; ++kind)
            doc.GetEnterprise(c)->SetAreaRating(kind, 1, (kind + 1) * 100 + c, 0);
    }
    area.SetProjectFund(70);
    const int own = governor->GetAmount();
    const struct {
        int mode;
        std::vector<int> values;
        int64_t total;
    } cases[] = {
        {3, {100, 101, 102}, own + 303},
        {4, {200, 201, 202}, 603},
        {5, {300, 301, 302}, 70 + 903},
        {2,
         {governor->GetRelationLevel(0), governor->GetRelationLevel(1), governor->GetRelationLevel(2)},
         governor->GetRelationLevel(0) + governor->GetRelationLevel(1) + governor->GetRelationLevel(2)},
        {0, {0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        PickTab(c.mode);
        EXPECT_EQ(frame.GetMode(), c.mode);
        const CMapBtn& button = *frame.GetButton(1);
        EXPECT_EQ(button.GetValues(), c.values) << c.mode;
        EXPECT_EQ(button.GetTotal(), c.total) << c.mode;
        PaintButtons();
    }
}

// An area converted from a raw map has no governor until one is elected:
// its button shows "None" and zeros.
TEST_F(MapBtnFrameTest, AnAreaWithoutAGovernor) {
    MakeFrame(3);
    doc.GetArea(0)->SetGovernor(-1);
    for (int mode : {2, 3}) {
        PickTab(mode);
        const CMapBtn& button = *frame.GetButton(0);
        EXPECT_EQ(button.GetValues(), (std::vector<int>{0, 0, 0})) << mode;
        EXPECT_EQ(button.GetTotal(), 0) << mode;
        PaintButtons();
    }
}

TEST_F(MapBtnFrameTest, AnotherGameGivesTheButtonsItsAreas) {
    MakeFrame(kAreas);
    ASSERT_EQ(ShownAreas(), Range(0, kAreas));
    NewGame(3, 0, FixtureWithAreas(4), EnoughGovernors());
    frame.SetFirstVisible(0, TRUE);
    frame.RefreshAll();
    EXPECT_EQ(ShownAreas(), Range(0, 4));
    frame.RefreshAreaButton(7);
    frame.RefreshAreaButton(-1);
}

}  // namespace
