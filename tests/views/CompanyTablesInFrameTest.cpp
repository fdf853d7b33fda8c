// The company list and staff pages inside the pages frame: the wheel over
// a page scrolls it, a page shown anew starts at its first row, and
// switching the viewing company brings its own arrangement.

#include "InfoWindowFixture.h"
#include "views/EpListInfo.h"
#include "views/EpSubordinate.h"
#include "views/SortedTableBody.h"

namespace {

class CompanyTablesInFrameTest : public InfoWindowTest {
protected:
    void SetUp() override {
        InfoWindowTest::SetUp();
        if (HasFatalFailure()) return;
        NewGame(5);
        for (int i = 0; i < 6; ++i) HireDirector(0);
        MakePages(4);
        pages.SetCompany(0);
    }
    // The wheel at the centre of a window.
    void WheelOver(CWnd& wnd, int delta) {
        CRect rect;
        wnd.GetWindowRect(&rect);
        pages.ForwardMouseWheel(delta, rect.CenterPoint().x, rect.CenterPoint().y);
    }
    // What picking a tab does.
    void PickTab(int tab) {
        pages.GetTabCtrl().SetCurSel(tab);
        pages.ShowPages(FALSE);
    }
};

TEST_F(CompanyTablesInFrameTest, TheWheelScrollsThePageUnderItAndAPageShownAnewStartsAtTheTop) {
    CEpListInfo& list = pages.GetListPage();
    pages.ShowCompany(-1, TRUE);
    ASSERT_TRUE(list.IsWindowVisible());
    ASSERT_TRUE(list.GetScrollBar().IsWindowVisible());
    WheelOver(list, -120);
    EXPECT_EQ(list.GetBody().GetTopRow(), 1);
    pages.ForwardMouseWheel(-120, -50, -50);
    EXPECT_EQ(list.GetBody().GetTopRow(), 1);
    // Company 0's pages, then the list again.
    pages.ShowCompany(0, TRUE);
    pages.ShowCompany(-1, TRUE);
    EXPECT_EQ(list.GetBody().GetTopRow(), 0);
    EXPECT_EQ(list.GetScrollBar().GetScrollPos(), 0);

    CEpSubordinate& staff = pages.GetDirectorPage();
    pages.ShowCompany(0, TRUE);
    PickTab(CInfoDrawFrameWnd::kTabDirector);
    ASSERT_TRUE(staff.IsWindowVisible());
    ASSERT_TRUE(staff.GetScrollBar().IsWindowVisible());
    WheelOver(staff, -240);
    EXPECT_EQ(staff.GetBody().GetTopRow(), 2);
    // The hidden list takes no wheel turns.
    WheelOver(list, -120);
    EXPECT_EQ(list.GetBody().GetTopRow(), 0);
    PickTab(CInfoDrawFrameWnd::kTabStatus);
    PickTab(CInfoDrawFrameWnd::kTabDirector);
    EXPECT_EQ(staff.GetBody().GetTopRow(), 0);
}

TEST_F(CompanyTablesInFrameTest, SwitchingTheViewingCompanyBringsItsOwnWidths) {
    doc.GetEnterprise(2)->SetListColumnWidth(0, 123);
    doc.GetEnterprise(2)->SetStaffColumnWidth(1, 45);
    pages.SetCompany(2);
    EXPECT_EQ(pages.GetListPage().GetColumnWidths()[0], 123);
    EXPECT_EQ(pages.GetDirectorPage().GetColumnWidths()[1], 45);
    pages.SetCompany(0);
    EXPECT_EQ(pages.GetListPage().GetColumnWidths()[0],
              pages.GetListPage().GetDefaultWidths()[0]);
    EXPECT_EQ(pages.GetDirectorPage().GetColumnWidths()[1],
              pages.GetDirectorPage().GetDefaultWidths()[1]);
}

}  // namespace
