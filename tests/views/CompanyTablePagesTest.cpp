// The two sortable table pages: the company list and the staff page, their
// sorting, the arrangement kept in the viewing company's record, scrolling
// and layout.

#include <gtest/gtest.h>

#include <climits>
#include <numeric>
#include <string>
#include <vector>

#include "model/BasePerson.h"
#include "model/Enterprise.h"
#include "model/MercavoError.h"
#include "model/PersonData.h"
#include "platform/ui/ControlMessages.h"
#include "views/BlockMessages.h"
#include "views/EpListInfo.h"
#include "views/EpSubordinate.h"
#include "views/InfoPagesFixture.h"

namespace {

// The pages with their title drawing open to the tests.
class CTestListPage : public CEpListInfo {
public:
    using CEpListInfo::DrawTitle;
};
class CTestStaffPage : public CEpSubordinate {
public:
    using CEpSubordinate::DrawTitle;
};

std::vector<int> Iota(int count) {
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

// The mouse on a header: a click in a column, a drag of a column's right
// divider; then the messages the header posted reach the page.
void ClickColumn(CHeaderCtrl& header, int column) {
    CRect item;
    ASSERT_TRUE(header.GetItemRect(column, &item));
    const LPARAM at = MAKELPARAM(item.CenterPoint().x, item.CenterPoint().y);
    header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    header.SendMessage(WM_LBUTTONUP, 0, at);
    CMessageLoop::PumpPending();
}
void DragDivider(CHeaderCtrl& header, int column, int dx) {
    CRect item;
    ASSERT_TRUE(header.GetItemRect(column, &item));
    const int y = item.CenterPoint().y;
    header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.right - 1, y));
    header.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(item.right - 1 + dx, y));
    header.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(item.right - 1 + dx, y));
    CMessageLoop::PumpPending();
}

// Whether anything but the button face was drawn in the rectangle, and the
// right edge of what was.
int InkRight(const CBlockCanvas& canvas, const CRect& area) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int right = area.left;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.At(x, y) != face) right = std::max(right, x + 1);
    return right;
}

// ---------------------------------------------------------------- the order

TEST(SortedTableOrderTest, IsStableKeepsItemOrderForColumnZeroAndComparesWithoutOverflow) {
    const std::vector<int> values = {5, INT_MIN, INT_MAX, 5, -1, INT_MAX, 0};
    auto byValue = [&](int, int a, int b) {
        return CSortedTableBody::CompareNumbers(values[static_cast<size_t>(a)],
                                                values[static_cast<size_t>(b)]);
    };
    struct Case {
        int column, direction;
        std::vector<int> order;
    };
    const Case cases[] = {
        {1, 1, {2, 5, 0, 3, 6, 4, 1}},   // largest first, equal values in item order
        {1, -1, {1, 4, 6, 0, 3, 2, 5}},  // smallest first, equal values still in item order
        {0, 1, Iota(7)},                 // no column: item order
        {0, -1, Iota(7)},
        {2, 1, Iota(7)},                 // a column beyond the table: item order
        {-3, 1, Iota(7)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CSortedTableBody::SortedOrder(7, c.column, 1, c.direction, byValue), c.order)
            << "column " << c.column << " direction " << c.direction;
    EXPECT_TRUE(CSortedTableBody::SortedOrder(0, 1, 1, 1, byValue).empty());
}

TEST(SortedTableOrderTest, NamesCompareTheirBytesAsUnsignedValues) {
    EXPECT_LT(CSortedTableBody::CompareNames("Alpha", "Bravo"), 0);
    EXPECT_EQ(CSortedTableBody::CompareNames("Alpha", "Alpha"), 0);
    EXPECT_LT(CSortedTableBody::CompareNames("Alpha", "Alphabet"), 0);
    // A byte above 127 comes after every letter.
    EXPECT_GT(CSortedTableBody::CompareNames("\xC4gir", "Zeta"), 0);
}

// ---------------------------------------------------------------- company list

class CompanyListPageTest : public InfoPagesTest {
protected:
    static constexpr int kViewing = 1;

    void SetUp() override {
        InfoPagesTest::SetUp();
        if (HasFatalFailure()) return;
        const char* names[] = {"Delta", "Alpha", "Foxtrot", "Bravo", "Echo", "Charlie"};
        const int funds[] = {5000, 9000, 1000, 7000, 3000, 8000};
        for (int c = 0; c < doc.GetCompanyCount(); ++c) {
            Company(c).SetName(names[c]);
            Company(c).SetFunds(funds[c]);
        }
        CreatePage(page, 100 * cell.cx, 30 * cell.cy);
        frame.SetCompany(kViewing);
        page.Refresh();
    }
    void Resize(int width, int height) {
        page.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE);
    }
    // The height of the title strip and the header: two strips of 1.5 lines.
    int TableTop() const { return 2 * (3 * cell.cy / 2); }
    std::vector<int> Order() { return page.GetBody().GetOrder(); }
    void ResetOrder() {
        page.GetResetButton().SendMessage(BM_CLICK);
        CMessageLoop::PumpPending();
    }
    CEnterprise& Viewing() { return Company(kViewing); }

    CTestListPage page;
};

TEST_F(CompanyListPageTest, ColumnClicksSortAndResetOrderKeepsTheSharedDirection) {
    struct Step {
        const char* what;
        int column;  // -1: "Reset Order"
        std::vector<int> order;
        int sortColumn, direction;
    };
    const Step steps[] = {
        {"Funds", 1, {1, 5, 3, 0, 4, 2}, 2, 1},
        {"Funds again: the poorest first", 1, {2, 4, 0, 3, 5, 1}, 2, -1},
        {"Company Name keeps the direction: Z to A", 0, {2, 4, 0, 5, 3, 1}, 1, -1},
        {"Reset Order", -1, Iota(6), 0, -1},
        {"Company Name: still Z to A", 0, {2, 4, 0, 5, 3, 1}, 1, -1},
        {"Company Name again: A to Z", 0, {1, 3, 5, 0, 4, 2}, 1, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.column < 0)
            ResetOrder();
        else
            ClickColumn(page.GetHeader(), step.column);
        EXPECT_EQ(Order(), step.order);
        EXPECT_EQ(Viewing().GetListSortColumn(), step.sortColumn);
        EXPECT_EQ(Viewing().GetListSortDirection(), step.direction);
    }
}

TEST_F(CompanyListPageTest, EqualFundsKeepCompanyOrderAndTheIntLimitsSortCorrectly) {
    const int funds[] = {INT_MAX, 40, INT_MIN, 40, -1, INT_MAX};
    for (int c = 0; c < 6; ++c) Company(c).SetFunds(funds[c]);
    Viewing().SetListSortColumn(2);
    for (const auto& [direction, order] :
         {std::pair{1, std::vector<int>{0, 5, 1, 3, 4, 2}},
          std::pair{-1, std::vector<int>{2, 4, 1, 3, 0, 5}}}) {
        if (Viewing().GetListSortDirection() != direction) Viewing().ReverseListSortDirection();
        page.Refresh();
        EXPECT_EQ(Order(), order) << "direction " << direction;
    }
}

TEST_F(CompanyListPageTest, CellsShowTheFiguresAndNoneForNoHeadOffice) {
    CEnterprise& company = Company(3);
    company.SetDebt(420);
    company.SetEmployeesAtWork(1234);
    company.SetHomeArea(-1);
    EXPECT_EQ(CEpListInfoWnd::CellText(company, 0), "Bravo");
    EXPECT_EQ(CEpListInfoWnd::CellText(company, 1), "7000");
    EXPECT_EQ(CEpListInfoWnd::CellText(company, 2), "420");
    EXPECT_EQ(CEpListInfoWnd::CellText(company, 3), "1234");
    EXPECT_EQ(CEpListInfoWnd::CellText(company, 4),
              std::to_string(company.GetMonthlyPayroll(1, 0)));
    EXPECT_EQ(CEpListInfoWnd::CellText(company, 6), "None");
    company.SetHomeArea(1);
    EXPECT_EQ(CEpListInfoWnd::CellText(company, 6), doc.GetAreaName(1));
}

TEST_F(CompanyListPageTest, EndOfAColumnDragStoresAllSevenWidthsInTheViewingCompany) {
    const std::vector<int> defaults = page.GetDefaultWidths();
    ASSERT_EQ(defaults.size(), 7u);
    EXPECT_EQ(defaults[0], 10 + 14 * cell.cx);
    EXPECT_EQ(defaults[1], 10 + 6 * cell.cx);
    DragDivider(page.GetHeader(), 1, 25);

    const std::vector<int> widths = page.GetColumnWidths();
    EXPECT_EQ(widths[1], defaults[1] + 25);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(Viewing().GetListColumnWidth(i), widths[i]) << i;
    // The rows are painted in the new widths; other companies keep theirs.
    EXPECT_EQ(page.GetBody().GetColumnWidths(), widths);
    EXPECT_EQ(Company(kViewing + 1).GetListColumnWidth(1), -1);
}

TEST_F(CompanyListPageTest, EachViewingCompanyShowsItsOwnWidthsAndUnsetOnesFallBack) {
    CEnterprise& other = Company(4);
    other.SetListColumnWidth(0, 150);
    other.SetListColumnWidth(2, 33);
    const std::vector<int> defaults = page.GetDefaultWidths();
    frame.SetCompany(4);
    page.Refresh();
    std::vector<int> widths = page.GetColumnWidths();
    EXPECT_EQ(widths[0], 150);
    EXPECT_EQ(widths[1], defaults[1]);
    EXPECT_EQ(widths[2], 33);
    // The last column takes the rest of the width.
    const int others = std::accumulate(widths.begin(), widths.end() - 1, 0);
    EXPECT_EQ(widths[6], 100 * cell.cx - others);

    frame.SetCompany(kViewing);
    page.Refresh();
    widths = page.GetColumnWidths();
    EXPECT_EQ(widths[0], defaults[0]);
    EXPECT_EQ(widths[2], defaults[2]);
}

TEST_F(CompanyListPageTest, ArrangementSurvivesSavingAndLoadingAndABadSortColumnIsRefused) {
    ClickColumn(page.GetHeader(), 2);
    ClickColumn(page.GetHeader(), 2);
    DragDivider(page.GetHeader(), 0, -12);
    Viewing().SetStaffSortColumn(8);
    Viewing().SetStaffColumnWidth(8, 77);
    const std::vector<int> widths = page.GetColumnWidths();
    {
        CVDoc loaded;
        ASSERT_EQ(loaded.LoadBytes(doc.SaveBytes()), -1);
        const CEnterprise& again = *loaded.GetEnterprise(kViewing);
        EXPECT_EQ(again.GetListSortColumn(), 3);
        EXPECT_EQ(again.GetListSortDirection(), -1);
        for (int i = 0; i < 7; ++i) EXPECT_EQ(again.GetListColumnWidth(i), widths[i]) << i;
        EXPECT_EQ(again.GetStaffSortColumn(), 8);
        EXPECT_EQ(again.GetStaffColumnWidth(8), 77);
    }
    struct Case {
        int list, staff, result;
    };
    for (const Case c : {Case{7, 10, -1}, Case{8, 1, eMERCAVO_ERROR_CONTENTS},
                         Case{1, 11, eMERCAVO_ERROR_CONTENTS}}) {
        Viewing().SetListSortColumn(c.list);
        Viewing().SetStaffSortColumn(c.staff);
        CVDoc loaded;
        EXPECT_EQ(loaded.LoadBytes(doc.SaveBytes()), c.result) << c.list << " " << c.staff;
    }
}

TEST_F(CompanyListPageTest, TheBarShowsWhenTheRowsDoNotFitAndTheTopRowStaysWithinThem) {
    const int rowHeight = page.GetBody().GetRowHeight();
    ASSERT_EQ(page.GetHeaderTop(), 3 * cell.cy / 2);
    struct Case {
        int height;
        bool bar;
        int rowsPerPage;
    };
    const Case cases[] = {
        {TableTop() + 6 * rowHeight, false, 0},
        {TableTop() + 6 * rowHeight - 1, true, 5},
        {TableTop() + 2 * rowHeight + 3, true, 2},
    };
    for (const Case& c : cases) {
        Resize(100 * cell.cx, c.height);
        EXPECT_EQ(page.GetScrollBar().IsWindowVisible() != FALSE, c.bar) << c.height;
        if (c.bar) {
            EXPECT_EQ(page.GetRowsPerPage(), c.rowsPerPage) << c.height;
        }
        CRect body;
        page.GetBody().GetWindowRect(&body);
        EXPECT_LE(body.Height(), c.height - TableTop()) << c.height;
    }
    // Scrolled to the last page, a refresh keeps the row and the bar on it.
    page.SendMessage(WM_BLOCK_SCROLLED, 4);
    EXPECT_EQ(page.GetBody().GetTopRow(), 4);
    page.Refresh();
    EXPECT_EQ(page.GetBody().GetTopRow(), 4);
    EXPECT_EQ(page.GetScrollBar().GetScrollPos(), 4);
    // A position past the last page stops at it.
    page.SendMessage(WM_BLOCK_SCROLLED, 9);
    EXPECT_EQ(page.GetBody().GetTopRow(), 4);
    EXPECT_EQ(page.GetScrollBar().GetScrollPos(), 4);
}

TEST_F(CompanyListPageTest, WheelScrollsARowPer120UnitsOnlyWhileCompanyZeroIsShown) {
    Resize(100 * cell.cx, TableTop() + 2 * page.GetBody().GetRowHeight());
    ASSERT_TRUE(page.GetScrollBar().IsWindowVisible());
    ASSERT_EQ(page.GetRowsPerPage(), 2);
    Show(0);
    struct Case {
        int delta, topRow;
    };
    const Case cases[] = {
        {-119, 0}, {-120, 1}, {-240, 3}, {-600, 4}, {100, 4}, {120, 3}, {360, 0}, {120, 0},
    };
    for (const Case& c : cases) {
        page.ScrollByWheel(c.delta, 0, 0);
        EXPECT_EQ(page.GetBody().GetTopRow(), c.topRow) << c.delta;
        EXPECT_EQ(page.GetScrollBar().GetScrollPos(), c.topRow) << c.delta;
    }
    Show(2);
    page.ScrollByWheel(-120, 0, 0);
    EXPECT_EQ(page.GetBody().GetTopRow(), 0);
}

TEST_F(CompanyListPageTest, NarrowPageHidesResetOrderAndTheTitleStillStopsAtTheButton) {
    const int u = CSortedTablePage::CaptionWidth();
    Resize(40 * u, 20 * cell.cy);
    CRect button;
    page.GetResetButton().GetWindowRect(&button);
    page.ScreenToClient(&button);
    ASSERT_TRUE(page.GetResetButton().IsWindowVisible());
    EXPECT_EQ(button.left, 17 * u);
    EXPECT_EQ(button.Width(), 23 * u);

    for (const int width : {28 * u, 28 * u - 1}) {
        Resize(width, 20 * cell.cy);
        EXPECT_EQ(page.GetResetButton().IsWindowVisible() != FALSE, width >= 28 * u) << width;
    }
    // The hidden button stays where the last layout put it: 5 widths in.
    CBlockCanvas canvas(28 * u, cell.cy);
    InfoPage::PrepareContext(canvas.DC(), 28 * u, cell.cy);
    page.DrawTitle(canvas.DC(), 28 * u - 1);
    const int right = InkRight(canvas, CRect(0, 0, 28 * u, cell.cy));
    EXPECT_GT(right, 0);
    EXPECT_LE(right, 5 * u);
}

class OneCompanyListTest : public InfoPagesTest {
protected:
    OneCompanyListTest() { companies = 1; }
};

TEST_F(OneCompanyListTest, OneCompanyNeverShowsTheBar) {
    CTestListPage page;
    CreatePage(page, 100 * cell.cx, 2 * cell.cy);
    frame.SetCompany(0);
    page.Refresh();
    EXPECT_FALSE(page.GetScrollBar().IsWindowVisible());
    EXPECT_EQ(page.GetBody().GetOrder(), Iota(1));
}

// ---------------------------------------------------------------- staff page

class StaffPageTest : public InfoPagesTest {
protected:
    static constexpr int kShown = 2;
    static constexpr int kViewingCompany = 1;

    void SetUp() override {
        InfoPagesTest::SetUp();
        if (HasFatalFailure()) return;
        while (Shown().GetDirectorCount() < 5) HireDirector(kShown);
        const int salaries[] = {300, 900, 100, 500, 700};
        const char* names[] = {"Mora", "Ilse", "Bjorn", "Yann", "Cato"};
        const int directing[] = {4, 5, 3, 5, 2};
        for (int i = 0; i < 5; ++i) {
            // The person record the character data would give.
            CBasePerson base;
            base.SetName(names[i]);
            base.SetBaseAbility(0, directing[i]);
            base.SetGrowth(0, 5);
            Director(i).TakeBaseRecord(base);
            Director(i).SetSalary(salaries[i]);
        }
        CreatePage(page, 120 * cell.cx, 30 * cell.cy);
        frame.SetCompany(kViewingCompany);
        Show(kShown);
        page.Refresh();
    }
    CEnterprise& Shown() { return Company(kShown); }
    CPersonData& Director(int i) { return *Shown().GetDirector(i); }
    std::vector<int> Order() { return page.GetBody().GetOrder(); }

    CTestStaffPage page;
};

TEST_F(StaffPageTest, SalaryAndNameClicksSortAndResetOrderRestoresStaffOrder) {
    CEnterprise& viewing = Company(kViewingCompany);
    struct Step {
        const char* what;
        int column;  // -1: "Reset Order"
        std::vector<int> order;
    };
    const Step steps[] = {
        {"Salary: the best-paid first", 6, {1, 4, 3, 0, 2}},
        {"Salary again: the lowest-paid first", 6, {2, 0, 3, 4, 1}},
        {"Reset Order", -1, Iota(5)},
        {"Name after the flip: Z to A", 0, {3, 0, 1, 4, 2}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.column < 0) {
            page.GetResetButton().SendMessage(BM_CLICK);
            CMessageLoop::PumpPending();
        } else {
            ClickColumn(page.GetHeader(), step.column);
        }
        EXPECT_EQ(Order(), step.order);
    }
    // The arrangement is the viewing company's, not the shown one's.
    EXPECT_EQ(viewing.GetStaffSortColumn(), 1);
    EXPECT_EQ(viewing.GetStaffSortDirection(), -1);
    EXPECT_EQ(Shown().GetStaffSortColumn(), 1);
    EXPECT_EQ(Shown().GetStaffSortDirection(), 1);
}

TEST_F(StaffPageTest, AbilitiesShowTenthsButSortByTheFullValue) {
    // Directors 1 and 3 both show 5; experience adds to 3's full value
    // below the tenth that shows.
    CPersonData& learner = Director(3);
    CPersonData& peer = Director(1);
    learner.AssignTask(CPersonData::eTASK_TEAM_SUPPORT, 100);
    for (int month = 0; month < 500 && learner.GetAbility(0, false) <= peer.GetAbility(0, false);
         ++month)
        learner.GainExperience();
    const int full = learner.GetAbility(0, false);
    ASSERT_GT(full, peer.GetAbility(0, false));
    ASSERT_LT(full, 60);
    EXPECT_EQ(CSubordinateListWnd::CellText(learner, 1, kShown), "5");
    EXPECT_EQ(CSubordinateListWnd::CellText(peer, 1, kShown), "5");
    EXPECT_EQ(CSubordinateListWnd::Value(learner, 1, kShown), full);

    ClickColumn(page.GetHeader(), 1);
    EXPECT_EQ(Order(), (std::vector<int>{3, 1, 0, 2, 4}));
}

TEST_F(StaffPageTest, AreaShowsOnlyATasksOwnAreaAndActiveCountsTheBusy) {
    struct Case {
        int director, task, area;
        bool named;
    };
    const Case cases[] = {
        {0, CPersonData::eTASK_NONE, 2, false},
        {1, CPersonData::eTASK_RECRUIT_MANAGEMENT, 2, false},  // no area: -2
        {2, CPersonData::eTASK_RECRUIT_EMPLOYEES, 2, false},   // all areas: -1
        {3, CPersonData::eTASK_ADVERTISING, -1, false},
        {4, CPersonData::eTASK_CONSTRUCTION, 2, true},
    };
    for (const Case& c : cases) {
        CPersonData& director = Director(c.director);
        director.AssignTask(c.task, 100);
        director.SetTaskArea(c.area);
        EXPECT_EQ(CSubordinateListWnd::CellText(director, 9, kShown),
                  c.named ? doc.GetAreaName(c.area) : std::string())
            << c.director;
        EXPECT_EQ(CSubordinateListWnd::CellText(director, 8, kShown),
                  CPersonData::GetTaskName(c.task));
    }
    EXPECT_FALSE(doc.GetAreaName(2).empty());
    EXPECT_EQ(CEpSubordinate::ActiveCount(Shown()), 4);
}

TEST_F(StaffPageTest, ADirectorLeavingBeforeThePaintGivesNoWrongRow) {
    ClickColumn(page.GetHeader(), 6);
    ASSERT_EQ(Order(), (std::vector<int>{1, 4, 3, 0, 2}));
    const std::string leaving = Director(1).GetName();
    Shown().RemoveDirector(Shown().GetDirectorIndex(1));
    ASSERT_EQ(Shown().GetDirectorCount(), 4);

    const int width = 120 * cell.cx, height = 10 * cell.cy;
    CBlockCanvas canvas(width, height);
    InfoPage::PrepareContext(canvas.DC(), width, height);
    page.GetBody().Draw(canvas.DC(), width, height);
    // The paint sorted the four that are left again, by salary.
    ASSERT_EQ(Order().size(), 4u);
    std::vector<std::string> names;
    for (int position : Order()) names.push_back(Director(position).GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"Cato", "Yann", "Mora", "Bjorn"}));
}

TEST_F(StaffPageTest, DefaultWidthsUseTheCaptionWidthAndOneDirectorShowsNoBar) {
    const int u = CSortedTablePage::CaptionWidth();
    EXPECT_EQ(page.GetDefaultWidths()[0], 10 + 14 * u);
    EXPECT_EQ(page.GetDefaultWidths()[8], 10 + 9 * u);
    EXPECT_EQ(page.GetHeaderTop(), 5 * cell.cy / 2);

    page.SetWindowPos(nullptr, 0, 0, 120 * cell.cx, 5 * cell.cy, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_TRUE(page.GetScrollBar().IsWindowVisible());
    while (Shown().GetDirectorCount() > 1) Shown().RemoveDirector(Shown().GetDirectorIndex(0));
    page.SetWindowPos(nullptr, 0, 0, 120 * cell.cx, 3 * cell.cy, SWP_NOZORDER | SWP_NOMOVE);
    page.Refresh();
    EXPECT_FALSE(page.GetScrollBar().IsWindowVisible());
    EXPECT_EQ(Order(), Iota(1));
}

}  // namespace
