// The salary and advertising orders with their log lines and network
// orders, the report heading, and the monthly and yearly figures.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "model/CompanyRulesFixture.h"

namespace {

using FiguresTest = CompanyRulesTest;

int Count(const std::vector<std::string>& calls, const std::string& call) {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

TEST_F(FiguresTest, EmployeeSalaryOrder) {
    EXPECT_EQ(company.SetSalary(0, 10, 0), 0);  // unchanged: nothing happens
    EXPECT_TRUE(frame.calls.empty());
    EXPECT_TRUE(doc.calls.empty());

    EXPECT_EQ(company.SetSalary(0, 800, 1), 1);
    EXPECT_EQ(company.IsFixedPay(), 1);
    EXPECT_EQ(company.GetFixedPayTotal(), 800);
    EXPECT_EQ(frame.infoLines,
              (std::vector<std::string>{"[heading 1]", "  All employee salaries changed."}));
    EXPECT_EQ(Count(frame.calls, "RefreshInfoPanels"), 1);
    EXPECT_EQ(Count(doc.calls, "SetModified"), 1);
    EXPECT_EQ(Count(frame.calls, "PlayEffect(4)"), 1);  // human-played

    // The heading is written once a month.
    EXPECT_EQ(company.SetSalary(0, 12, 0), 1);
    EXPECT_EQ(Count(frame.calls, "AddInfoHeading(1)"), 1);
    company.SetReportHeadingWritten(0);
    EXPECT_EQ(company.SetSalary(0, 13, 0), 1);
    EXPECT_EQ(Count(frame.calls, "AddInfoHeading(1)"), 2);
}

TEST_F(FiguresTest, DirectorSalaryOrder) {
    int director = Hire(3, "Bo Lind");
    MakeComputer();
    EXPECT_EQ(company.SetSalary(1, 25, 0), 1);
    EXPECT_EQ(persons[director].GetSalary(), 25);
    EXPECT_EQ(frame.infoLines,
              (std::vector<std::string>{"[heading 1]", "  Bo Lind salary set at 25."}));
    EXPECT_EQ(Count(frame.calls, "PlayEffect(4)"), 0);  // computer-played
    // The same salary again logs nothing but still counts as done.
    EXPECT_EQ(company.SetSalary(1, 25, 0), 1);
    EXPECT_EQ(frame.infoLines.size(), 2u);
    EXPECT_EQ(Count(frame.calls, "RefreshInfoPanels"), 2);
    EXPECT_EQ(company.SetSalary(2, 25, 0), 0);  // no such director
}

struct SRouteCase {
    const char* name;
    bool network, host, local;
    int send;
    const char* route;  // "" when no order goes out
};

TEST_F(FiguresTest, SalaryAndAdvertisingOrdersTravelInNetworkGames) {
    const SRouteCase cases[] = {
        {"single machine", false, false, false, 1, ""},
        {"no send flag", true, false, false, 0, ""},
        {"client", true, false, true, 1, "Send(1)"},
        {"host, own company", true, true, true, 1, "Store"},
        {"host, remote company", true, true, false, 1, "Send(1)"},
    };
    for (const SRouteCase& c : cases) {
        SCOPED_TRACE(c.name);
        doc.networkGame = c.network;
        doc.networkHost = c.host;
        doc.localCompanies = c.local ? std::set<int>{kNumber} : std::set<int>{};
        doc.orderRoutes.clear();
        doc.orders.clear();
        doc.currentMonthIndex = 7;
        company.SetStandardSalary(10);
        company.SetAdvertisingBudget(0);
        company.IssueDirectorSalary(0, 900, 1, c.send);
        company.IssueAdvertisingCost(55, c.send);
        if (*c.route == 0) {
            EXPECT_TRUE(doc.orderRoutes.empty());
            continue;
        }
        ASSERT_EQ(doc.orders.size(), 2u);
        EXPECT_EQ(doc.orderRoutes, (std::vector<std::string>{c.route, c.route}));
        const CCmdSet& salary = doc.orders[0];
        EXPECT_EQ(salary.GetOrderType(), 11);
        EXPECT_EQ(salary.GetMonthIndex(), 7);
        ASSERT_EQ(salary.GetValueCount(), 3);
        EXPECT_EQ(salary.GetValue(0), 0);
        EXPECT_EQ(salary.GetValue(1), 900);
        EXPECT_EQ(salary.GetValue(2), 1);
        const CCmdSet& advertising = doc.orders[1];
        EXPECT_EQ(advertising.GetOrderType(), 18);
        ASSERT_EQ(advertising.GetValueCount(), 1);
        EXPECT_EQ(advertising.GetValue(0), 55);
    }
}

TEST_F(FiguresTest, UnchangedOrdersAreNotSent) {
    doc.networkGame = true;
    company.IssueDirectorSalary(0, 10, 0, 1);  // the standard salary already
    company.SetAdvertisingBudget(30);
    company.IssueAdvertisingCost(30, 1);
    EXPECT_TRUE(doc.orders.empty());
}

TEST_F(FiguresTest, AdvertisingCostOrder) {
    EXPECT_EQ(company.SetAdvertisingCost(40), 1);
    EXPECT_EQ(company.GetAdvertisingBudget(), 40);
    EXPECT_EQ(frame.infoLines.back(), "  The advertising budget changed.");
    EXPECT_EQ(company.SetAdvertisingCost(40), 0);
    EXPECT_EQ(frame.infoLines.size(), 2u);
}

TEST_F(FiguresTest, ProcessedFlagIsSentByTheHostOnly) {
    company.SetProcessedFlag(1);
    EXPECT_EQ(company.GetReportHeadingWritten(), 1);
    EXPECT_TRUE(doc.calls.empty());
    doc.networkHost = true;
    company.SetProcessedFlag(0);
    EXPECT_EQ(company.GetReportHeadingWritten(), 0);
    EXPECT_EQ(doc.calls, std::vector<std::string>{"SendProcessedFlag(1,0)"});
}

// ---------------------------------------------------------------- figures

TEST_F(FiguresTest, MonthlyFigureSeries) {
    doc.currentMonthIndex = 26;  // March of the third year
    company.RecordMonthlyFigure(1, 2, 40, 0, -1);
    company.RecordMonthlyFigure(1, 2, 5, 1, -1);
    company.RecordMonthlyFigure(1, 0, 7, 0, 5);  // an explicit month leaves the area alone
    EXPECT_EQ(company.GetMonthlyFigure(1, -1, 2), 45);
    EXPECT_EQ(company.GetMonthlyFigure(1, 2, -1), 45);
    EXPECT_EQ(company.GetMonthlyFigure(1, 0, -1), 0);
    EXPECT_EQ(company.GetMonthlyFigure(1, -1, -1), 52);
    company.ClearCurrentMonth();
    EXPECT_EQ(company.GetMonthlyFigure(1, -1, 2), 0);
    EXPECT_EQ(company.GetMonthlyFigure(1, -1, 5), 7);
    EXPECT_THROW(company.RecordMonthlyFigure(4, 0, 1, 0, 0), std::out_of_range);
    EXPECT_THROW(company.RecordMonthlyFigure(0, 0, 1, 0, 12), std::out_of_range);
}

TEST_F(FiguresTest, SeriesThatLoadRefusesNegativeStayAtZero) {
    company.RecordMonthlyFigure(0, 1, -30, 0, -1);
    company.AddMonthlyExpense(4, -10);
    EXPECT_EQ(company.GetMonthlyFigure(0, 1, -1), 0);
    EXPECT_EQ(company.GetMonthlyFigure(0, -1, 0), 0);
    EXPECT_EQ(company.GetAnnualExpense(), 0);
}

TEST_F(FiguresTest, YearResultsAndAnnualFigures) {
    company.AddYearResult(2, 0, 100, -20, 50, 0);
    company.AddYearResult(2, 0, 10, 5, 5, 1);
    company.AddYearResult(2, 1, 30, 30, 30, 1);
    company.AddMonthlyExpense(1, 8);
    EXPECT_EQ(company.GetAnnualSales(2), 140);
    EXPECT_EQ(company.GetAnnualProfit(2), 15);
    EXPECT_EQ(company.GetAnnualSales(0), 0);  // grown with zeros
    EXPECT_EQ(company.GetAnnualSales(-1), 140);
    EXPECT_EQ(company.GetAnnualProfit(-1), 15);
    EXPECT_EQ(company.GetAnnualIncome(), 85);
    EXPECT_EQ(company.GetMonthlySales(0), 110);
    EXPECT_EQ(company.GetMonthlyProfit(0), -15);
    // Years the arrays do not reach read as 0.
    EXPECT_EQ(company.GetAnnualSales(3), 0);
    EXPECT_EQ(company.GetAnnualProfit(99), 0);
    EXPECT_EQ(company.GetAnnualProfit(-5), 0);
    company.ClearMonth(1);
    EXPECT_EQ(company.GetMonthlySales(1), 0);
    EXPECT_EQ(company.GetAnnualIncome(), 55);
    EXPECT_EQ(company.GetAnnualExpense(), 8);  // the expense stays
}

TEST_F(FiguresTest, MonthlyAddsSaturate) {
    company.AddMonthlySales(0, INT_MAX);
    company.AddMonthlySales(0, 10);
    company.AddMonthlyProfit(0, INT_MIN);
    company.AddMonthlyProfit(0, -10);
    EXPECT_EQ(company.GetMonthlySales(0), INT_MAX);
    EXPECT_EQ(company.GetMonthlyProfit(0), INT_MIN);
}

TEST_F(FiguresTest, PlannedInvestmentCountsInvestmentPlansOnly) {
    SetMonthlyIncome(1000);
    CCmdPacket invest;
    ASSERT_EQ(invest.MakeInvestmentPlan(kNumber, 0, 0), 1);
    int budget = invest.GetParam2(0);
    CCmdPacket::SStep step;
    step.kind = eCOM_INVEST_DONATION;
    step.param2 = 70;
    invest.AddStep(step);
    step.kind = eCOM_INVEST_PROJECT;
    step.param2 = 30;
    invest.AddStep(step);
    CCmdPacket advertising;
    advertising.MakeAdvertising(0, 20);
    advertising.AddStep(step);
    company.GetPlans() = {invest, advertising};
    EXPECT_EQ(company.SumPlannedInvestment(0), budget + 30);
    EXPECT_EQ(company.SumPlannedInvestment(3), 70);
    EXPECT_EQ(company.SumPlannedInvestment(1), 0);
}

TEST_F(FiguresTest, HistoryKindsAreCounted) {
    Hire(3);
    Hire(3);
    company.ChangeEmployees(1000);
    EXPECT_EQ(company.CountHistoryOfKind(CHistory::kindDirectorChange), 2);
    EXPECT_EQ(company.CountHistoryOfKind(CHistory::kindEmployeesPassed), 1);
    EXPECT_EQ(company.CountHistoryOfKind(CHistory::kindStrike), 0);
}

}  // namespace
