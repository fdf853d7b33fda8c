// The total ranking table over the company rows: each step's order, the
// strip's button, the cells without points, the scroll limits and the hit
// test of the head rows.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "JudgeWindowFixture.h"
#include "judge/ArboDoc.h"
#include "judge/EpDrawFrameWnd.h"
#include "judge/ShowTotalPoint.h"

namespace {

using judge::CShowTotalPoint;

struct SOrderCase {
    const char* name;
    std::vector<int> ranks;
    std::vector<int> order;
};

TEST(RankingTableOrderTest, TiedCompaniesKeepIndexOrder) {
    const std::vector<SOrderCase> cases = {
        {"all tied", {0, 0, 0}, {0, 1, 2}},
        {"ties after a later first", {2, 0, 0, 1}, {1, 2, 3, 0}},
        {"reversed", {3, 2, 1, 0}, {3, 2, 1, 0}},
        {"two pairs", {1, 0, 1, 0}, {1, 3, 0, 2}},
        {"none", {}, {}},
    };
    for (const SOrderCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CShowTotalPoint::StepOrder(c.ranks), c.order);
    }
}

TEST(RankingTableOrderTest, PositionsStayWithinTheScrollRange) {
    struct Case {
        int64_t position;
        int count, visible, expected;
    };
    const std::vector<Case> cases = {{-3, 10, 4, 0}, {0, 10, 4, 0},   {6, 10, 4, 6},
                                     {7, 10, 4, 6},  {1LL << 40, 10, 4, 6}, {2, 3, 5, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.position) + " of " + std::to_string(c.count));
        EXPECT_EQ(CShowTotalPoint::ClampPosition(c.position, c.count, c.visible), c.expected);
    }
    EXPECT_EQ(CShowTotalPoint::CellText(12, 0), "12( 1)");
    EXPECT_EQ(CShowTotalPoint::CellText(0, 0), "--");
    EXPECT_EQ(CShowTotalPoint::CellText(-5, 3), "--");
}

class RankingTableTest : public CJudgeWindowFixture {
protected:
    SJudgmentFileOptions FileOptions() const override {
        SJudgmentFileOptions options;
        options.companies = 12;
        options.map.maxCompanies = 12;
        return options;
    }
    // Debts of 0, 100, 200 ... 1100: company 0 has no debt points.
    void PrepareGame(CJudgmentFileFixture& fixture) override {
        for (int c = 0; c < 12; ++c) fixture.Company(c).SetDebt(100 * c);
    }
    // Every step judged and the table shown over the rows.
    CShowTotalPoint& ShowTable() {
        judge::CArboDoc* doc = app->GetDocument();
        while (doc->RunNextStep()) {
        }
        view->GetCompanyPane().GetRows().ShowOverlay();
        return view->GetCompanyPane().GetRows().GetOverlay();
    }
};

TEST_F(RankingTableTest, TheButtonShowsAndHidesTheStrip) {
    ASSERT_TRUE(Start());
    CShowTotalPoint& table = ShowTable();
    EXPECT_EQ(table.GetButton().GetWindowText(), "Display Ranking");
    EXPECT_FALSE(table.IsRankingShown());
    table.SetFirstColumn(3);
    const int left = table.Measures().Left();
    table.SendMessage(WM_COMMAND, CShowTotalPoint::kButtonId, 0);
    EXPECT_EQ(table.GetButton().GetWindowText(), "Hide Ranking");
    EXPECT_TRUE(table.IsRankingShown());
    // The strip takes a mark's width per company; the columns start again.
    EXPECT_EQ(table.Measures().Left(), left + 12 * table.Measures().markWidth);
    EXPECT_EQ(table.GetFirstColumn(), 0);
    table.SendMessage(WM_COMMAND, CShowTotalPoint::kButtonId, 0);
    EXPECT_EQ(table.GetButton().GetWindowText(), "Display Ranking");
}

TEST_F(RankingTableTest, ACompanyWithoutPointsHasNoMarkInTheStrip) {
    ASSERT_TRUE(Start());
    CShowTotalPoint& table = ShowTable();
    judge::CArboDoc* doc = app->GetDocument();
    int withPoints = 0, without = 0;
    for (int step = 0; step < doc->GetStepTotal(); ++step) {
        const std::vector<int> strip = table.StripCompanies(step);
        for (int c = 0; c < doc->GetCompanyCount(); ++c) {
            SCOPED_TRACE(std::to_string(step) + "/" + std::to_string(c));
            const int points = doc->GetCompany(c)->PointsHistory()[static_cast<size_t>(step)];
            const bool inStrip = std::find(strip.begin(), strip.end(), c) != strip.end();
            EXPECT_EQ(inStrip, points > 0);
            (points > 0 ? withPoints : without)++;
        }
    }
    // The debts give every company negative points on their step.
    EXPECT_GT(without, 0);
    EXPECT_GT(withPoints, 0);
    // Every step's order holds every company once.
    ASSERT_EQ(table.GetPageOrders().size(), static_cast<size_t>(doc->GetStepTotal()));
    for (const std::vector<int>& order : table.GetPageOrders()) EXPECT_EQ(order.size(), 12u);
}

TEST_F(RankingTableTest, ScrollingStaysWithinTheTable) {
    ASSERT_TRUE(Start());
    CShowTotalPoint& table = ShowTable();
    const CShowTotalPoint::SMeasures m = table.Measures();
    // Room for two columns and three step rows.
    table.MoveWindow(0, 0, m.Left() + 2 * m.columnWidth + 40, m.Head() + 3 * m.rowHeight + 40,
                     TRUE);
    ASSERT_TRUE(table.IsColumnBarShown());
    ASSERT_TRUE(table.IsRowBarShown());
    const int steps = app->GetDocument()->GetStepTotal();
    const int lastRow = steps - table.GetVisibleRows();
    const int lastColumn = 12 - table.GetVisibleColumns();
    struct Case {
        const char* name;
        UINT message;
        UINT code;
        int expected;
    };
    const std::vector<Case> cases = {
        {"line up at the top", WM_VSCROLL, SB_LINEUP, 0},
        {"line down", WM_VSCROLL, SB_LINEDOWN, 1},
        {"pages past the end", WM_VSCROLL, SB_PAGEDOWN, -1},
        {"thumb past the end", WM_VSCROLL, SB_THUMBPOSITION, -1},
        {"columns: page past the end", WM_HSCROLL, SB_PAGEDOWN, -2},
        {"columns: line up", WM_HSCROLL, SB_LINEUP, -3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CScrollBar& bar = c.message == WM_VSCROLL ? table.GetRowBar() : table.GetColumnBar();
        for (int i = 0; i < (c.code == SB_PAGEDOWN ? 20 : 1); ++i) {
            table.SendMessage(c.message, MAKEWPARAM(c.code, 1000),
                              reinterpret_cast<LPARAM>(&bar));
        }
        const int expected = c.expected == -1   ? lastRow
                             : c.expected == -2 ? lastColumn
                             : c.expected == -3 ? lastColumn - 1
                                                : c.expected;
        const int position =
            c.message == WM_VSCROLL ? table.GetFirstRow() : table.GetFirstColumn();
        EXPECT_EQ(position, expected);
        EXPECT_EQ(bar.GetScrollPos(), position);
    }
    // The wheel moves the rows back, never above the first.
    table.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(120 * 100)), 0);
    EXPECT_EQ(table.GetFirstRow(), 0);
}

TEST_F(RankingTableTest, HitTestFindsTheCompanyColumnUnderAHeadRow) {
    ASSERT_TRUE(Start());
    CShowTotalPoint& table = ShowTable();
    const CShowTotalPoint::SMeasures m = table.Measures();
    table.MoveWindow(0, 0, m.Left() + 4 * m.columnWidth + 40, m.Head() + 8 * m.rowHeight, TRUE);
    table.SetFirstColumn(2);
    struct Case {
        const char* name;
        CPoint point;
        int company;
    };
    const std::vector<Case> cases = {
        {"first visible column, name row", CPoint(m.Left() + 1, 1), 2},
        {"third column, first places row", CPoint(m.Left() + 2 * m.columnWidth + 5, 3 * m.rowHeight + 1), 4},
        {"label column", CPoint(m.Left() - 1, 1), -1},
        {"the judgment item row", CPoint(m.Left() + 1, 4 * m.rowHeight + 1), -1},
        {"a step row", CPoint(m.Left() + 1, m.Head() + 1), -1},
        {"above", CPoint(m.Left() + 1, -1), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(table.HitTest(c.point), c.company);
    }
    // Past the last company.
    table.SetFirstColumn(100);
    const int first = table.GetFirstColumn();
    EXPECT_EQ(table.HitTest(CPoint(m.Left() + (11 - first) * m.columnWidth + 1, 1)), 11);
    EXPECT_EQ(table.HitTest(CPoint(m.Left() + (12 - first) * m.columnWidth + 1, 1)), -1);
}

}  // namespace
