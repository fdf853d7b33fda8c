// The document's economic rules on a small game of the fixture files:
// revenue, lot values, the December interest rate, stock prices and share
// figures, stock and team trades, and the area and site figures. Random
// draws are scripted ({n, k}: Random(n) gives k).

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "fakes/ScriptedDraws.h"
#include "game/HeadlessDialogService.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/PersonData.h"

namespace {

class EconomicsTest : public GameTest {
protected:
    // Four companies, all played by people: no computer step draws.
    void SetUp() override {
        GameTest::SetUp();
        NewGame(4, 4);
    }

    CEnterprise& Company(int c) { return *doc.GetEnterprise(c); }
    CMapDoc& Map() { return doc.GetMap(); }
    CBD& Type(int code) { return *Map().GetStructureType(FindStructureOfCode(Map(), code)); }

    // Nobody owns a cell, a team or staff, and nobody advertises.
    void QuietGame() {
        for (int a = 0; a < Map().GetAreaCount(); ++a) {
            CMapData& area = Map().GetArea(a);
            for (int y = 0; y < area.GetHeight(); ++y)
                for (int x = 0; x < area.GetWidth(); ++x) area.SetCellOwner(x, y, 0);
        }
        for (int c = 0; c < doc.GetCompanyCount(); ++c) {
            Company(c).SetEmployees(0);
            Company(c).SetAdvertisingBudget(0);
            for (int l = 0; l < CMapDoc::kLeagueCount; ++l) Company(c).SetLeagueTeam(l, -1);
        }
        for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
            for (int t = 0; t < Map().GetLeague(l).GetTeamCount(); ++t)
                Map().GetProTeam(l, t).SetOwner(-1);
    }
    // Area 1 without structures and owners, for structures placed by a test.
    void ClearArea1() {
        CMapData& area = Map().GetArea(1);
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < area.GetWidth(); ++x) {
                if (Map().HasStructureAt(1, x, y) && Map().IsAnchorCell(1, x, y))
                    Map().SetStructureAt(1, x, y, 0);
                area.SetCellOwner(x, y, 0);
            }
    }
    // A structure of the code anchored at (x, y) of area 1, owned by
    // company c (-1: nobody).
    void Place(int code, int x, int y, int c) {
        Map().SetStructureAt(1, x, y, FindStructureOfCode(Map(), code) + 1);
        Map().SetStructureOwner(1, x, y, c + 1);
    }
    static void SetRevenue(CBD& type, int r1, int r2, int r3, int r4) {
        type.SetRevenueFigure(0, r1);
        type.SetRevenueFigure(1, r2);
        type.SetRevenueFigure(2, r3);
        type.SetRevenueFigure(3, r4);
    }
    struct SLot {
        int flag = 0;
        double income = 0, expense = 0;
    };
    SLot Lot(int x, int y, int month, int withSalary = 0) {
        SLot lot;
        lot.flag = doc.CalcLotValue(1, x, y, month, lot.income, lot.expense, withSalary);
        return lot;
    }
    std::vector<int> SalesMilestones(int c) {
        std::vector<int> steps;
        for (const CHistory& h : Company(c).GetHistory())
            if (h.GetKind() == CHistory::kindSalesTarget) steps.push_back(h.GetParam(0));
        return steps;
    }

    CFakeDialogService dialogs;
    CScopedService<IDialogService> scopedDialogs = ScopedDialogs(&dialogs);
};

// ---------------------------------------------------------------- interest

// The target is min(year + 8, 30); the rate moves by (Random(9) - 4) / 2
// and Random(2 x the sign toward the target), then is held to 8..30 and
// announced with every company's debt.
TEST_F(EconomicsTest, InterestRateMovesInDecemberOnly) {
    struct Case {
        const char* name;
        int year, month, rate;
        bool network;
        CDraws draws;
        int expected;
    };
    const std::vector<Case> cases = {
        {"year 0 at 10: noise up, no step down", 0, 11, 10, false, {{9, 8}, {-2, 0}}, 12},
        {"year 0 at 10: noise and step down", 0, 11, 10, false, {{9, 1}, {-2, -1}}, 8},
        {"year 0 at 10: never below 8", 0, 11, 10, false, {{9, 0}, {-2, -1}}, 8},
        {"year 0 at 9: still held at 8", 0, 11, 9, false, {{9, 2}, {-2, -1}}, 8},
        {"year 3 at 8: a step up toward 11", 3, 11, 8, false, {{9, 4}, {2, 1}}, 9},
        {"year 25 at 30: noise only, held at 30", 25, 11, 30, false, {{9, 8}, {0, 0}}, 30},
        {"year 25 at 30: noise down", 25, 11, 30, false, {{9, 0}, {0, 0}}, 28},
        {"network game: the dialog closes itself", 25, 11, 30, true, {{9, 1}, {0, 0}}, 29},
        {"June: no change", 0, 5, 10, false, {}, 10},
        {"January: no change", 25, 0, 30, false, {}, 30},
    };
    for (int c = 0; c < 4; ++c) Company(c).SetDebt(100 * c + 5);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        dialogs.calls.clear();
        doc.SetYear(test.year);
        doc.SetMonth(test.month);
        doc.SetInterestRate(test.rate);
        doc.GetFrameState().SetNetworkRoles(test.network ? 1 : 0, test.network ? 1 : 0, 0);
        {
            CScriptedDraws script(test.draws);
            doc.AdjustInterestRate();
        }
        EXPECT_EQ(doc.GetInterestRate(), test.expected);
        if (test.draws.empty()) {
            EXPECT_TRUE(dialogs.calls.empty());
            continue;
        }
        const std::string close = test.network ? "5000" : "0";
        EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"ShowInterest(" +
                                                           std::to_string(test.expected) + "," +
                                                           close + ",5,105,205,305)"}));
    }
}

TEST_F(EconomicsTest, InterestRateIsStoredWithin8To30) {
    const std::vector<std::pair<int, int>> cases = {
        {INT_MIN, 8}, {0, 8}, {7, 8}, {8, 8}, {19, 19}, {30, 30}, {31, 30}, {INT_MAX, 30}};
    for (const auto& [given, stored] : cases) {
        SCOPED_TRACE(given);
        doc.SetInterestRate(given);
        EXPECT_EQ(doc.GetInterestRate(), stored);
    }
}

TEST(HeadlessDialogServiceTest, TheInterestDialogIsOneTranscriptLine) {
    CTranscript transcript;
    CHeadlessDialogService dialogs(transcript);
    dialogs.ShowInterest(12, {0, 340, 7}, 5000);
    EXPECT_EQ(transcript.GetLines(),
              (std::vector<std::string>{"dialog: interest rate 12%, debts 0 340 7"}));
}

// ---------------------------------------------------------------- stock

// price = trunc(base x (held x 1000 / issued + 300) / 300) with base =
// (max(annual income, 80)^0.9 + 1500) x 10 / issued; 0 while nothing is
// issued.
TEST_F(EconomicsTest, StockPriceFromIncomeAndHoldings) {
    auto base = [](double income, double issued) {
        return (std::pow(std::max(income, 80.0), 0.9) + 1500) * 10 / issued;
    };
    struct Case {
        const char* name;
        int income, issued, held;
        int expected;
    };
    const std::vector<Case> cases = {
        {"income 0, none held: the base", 0, 150, 0, static_cast<int>(base(0, 150))},
        {"income 0, all held: 13/3 of it", 0, 150, 150,
         static_cast<int>(base(0, 150) * 1300 / 300)},
        {"income 50 counts as 80", 50, 150, 0, static_cast<int>(base(0, 150))},
        {"held x 1000 beyond 32 bits", 2000000000, 2500000, 2200000,
         static_cast<int>(base(2000000000, 2500000) * (880 + 300) / 300)},
        {"none issued", 0, 0, 0, 0},
        {"a negative issued count means none", 0, -40, 10, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Company(0).ClearMonth(0);
        Company(0).AddYearResult(-1, 0, 0, 0, test.income, 1);
        ASSERT_EQ(Company(0).GetAnnualIncome(), test.income);
        doc.SetStockHolding(0, -1, test.issued);
        doc.SetStockHolding(0, 1, test.held);
        EXPECT_EQ(doc.GetStockPrice(0), test.expected);
    }
}

// While a company has issued nothing (or a negative count), every share
// figure of it is 0 and no roll is drawn.
TEST_F(EconomicsTest, ShareFiguresOfACompanyWithoutShares) {
    for (int issued : {0, -40}) {
        SCOPED_TRACE(issued);
        doc.SetStockHolding(0, -1, issued);
        doc.SetStockHolding(0, 1, 10);
        EXPECT_EQ(doc.GetShareRatio(0, 1), 0.0);
        EXPECT_EQ(doc.GetHoldingWeight(1, 0), 0.0);
        CScriptedDraws none;
        EXPECT_EQ(doc.ShareholderPressureRoll(0, 1), 0);
    }
}

TEST_F(EconomicsTest, HoldingWeightIsTwiceTheShareCappedAtOne) {
    const std::vector<std::pair<int, double>> cases = {
        {0, 0.0}, {25, std::pow(0.5, 0.8)}, {50, 1.0}, {80, 1.0}};
    doc.SetStockHolding(0, -1, 100);
    for (const auto& [held, weight] : cases) {
        SCOPED_TRACE(held);
        doc.SetStockHolding(0, 2, held);
        EXPECT_DOUBLE_EQ(doc.GetHoldingWeight(2, 0), weight);
    }
}

// v = share x 1000; below 10 no roll; else Random(Random(v)) +
// Random(Random(Random(100))) >= 61, drawn in that order.
TEST_F(EconomicsTest, ShareholderPressureRoll) {
    struct Case {
        const char* name;
        int held;
        CDraws draws;
        int expected;
    };
    const std::vector<Case> cases = {
        {"a share below 1 %: no roll", 9, {}, 0},
        {"61 reached", 300, {{300, 200}, {200, 50}, {100, 90}, {90, 40}, {40, 11}}, 1},
        {"one short of 61", 300, {{300, 200}, {200, 50}, {100, 90}, {90, 40}, {40, 10}}, 0},
        {"a small share may still press", 10, {{10, 9}, {9, 8}, {100, 99}, {99, 98}, {98, 53}}, 1},
    };
    doc.SetStockHolding(0, -1, 1000);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        doc.SetStockHolding(0, 3, test.held);
        CScriptedDraws script(test.draws);
        EXPECT_EQ(doc.ShareholderPressureRoll(0, 3), test.expected);
    }
}

TEST_F(EconomicsTest, StockSaleAtTheStockPrice) {
    struct Case {
        const char* name;
        int held, quantity;
        int sold;
    };
    const std::vector<Case> cases = {
        {"part of the holding", 30, 10, 10},
        {"no more than held", 30, 45, 30},
        {"nothing", 30, 0, 0},
        {"a negative quantity sells nothing", 30, -5, 0},
    };
    doc.SetStockHolding(1, -1, 150);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        doc.SetStockHolding(1, 2, test.held);
        const int price = doc.GetStockPrice(1);
        ASSERT_GT(price, 0);
        CEnterprise& seller = Company(2);
        const int funds = seller.GetFunds(), sales = seller.GetMonthlySales(doc.GetMonth()),
                  profit = seller.GetMonthlyProfit(doc.GetMonth());
        doc.ApplyStockSale(2, 1, test.quantity);
        EXPECT_EQ(seller.GetFunds(), funds + price * test.sold);
        EXPECT_EQ(seller.GetMonthlySales(doc.GetMonth()), sales + price * test.sold);
        EXPECT_EQ(seller.GetMonthlyProfit(doc.GetMonth()), profit + price * test.sold);
        EXPECT_EQ(doc.GetStockHolding(1, 2), test.held - test.sold);
        EXPECT_EQ(doc.GetStockHolding(1, -1), 150);
    }
}

TEST_F(EconomicsTest, LoanRepaymentLowersFundsAndDebt) {
    Company(0).SetFunds(500);
    Company(0).SetDebt(300);
    doc.RepayLoan(0, 120);
    EXPECT_EQ(Company(0).GetFunds(), 380);
    EXPECT_EQ(Company(0).GetDebt(), 180);
    doc.RepayLoan(7, 120);  // no such company
}

// ---------------------------------------------------------------- teams

// The proceeds are max(price / 2, 1). The league's and the team's figures
// are held where every price is above 1, so the floor of 1 guards a price
// the rules cannot make.
TEST_F(EconomicsTest, TeamSaleEarnsHalfThePriceAndAtLeastOne) {
    CLeague& league = Map().GetLeague(0);
    CProTeam& team = league.GetTeam(1);
    const int month = doc.GetMonth();
    struct Case {
        const char* name;
        int leaguePopularity, winPower, popularity;
    };
    const std::vector<Case> cases = {{"the cheapest team", 5, 5, 5},
                                     {"a better team", 5, 6, 6},
                                     {"a dear team", 20, 30, 30}};
    // Directors supporting the team sold lose that task; others keep theirs.
    const int supporter = HireDirector(1), other = HireDirector(1);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        for (int p : {supporter, other}) {
            doc.GetDirector(p)->AssignTask(CPersonData::eTASK_TEAM_SUPPORT, 10);
            doc.GetDirector(p)->SetTaskParam(0, p == supporter ? 0 : 2);
        }
        league.SetPopularity(test.leaguePopularity);
        team.SetWinPower(test.winPower);
        team.SetPopularity(test.popularity);
        Company(1).SetLeagueTeam(0, 1);
        team.SetOwner(1);
        const int price = league.GetTeamPrice(1);
        const int proceeds = std::max(price / 2, 1);
        const int funds = Company(1).GetFunds(), sales = Company(1).GetMonthlySales(month),
                  profit = Company(1).GetMonthlyProfit(month);
        doc.ApplyProTeamSale(1, 0);
        EXPECT_EQ(Company(1).GetFunds(), funds + proceeds) << price;
        EXPECT_EQ(Company(1).GetMonthlySales(month), sales + proceeds);
        EXPECT_EQ(Company(1).GetMonthlyProfit(month), profit + proceeds);
        EXPECT_EQ(Company(1).GetLeagueTeam(0), -1);
        EXPECT_EQ(team.GetOwnerIndex(), -1);
        EXPECT_EQ(doc.GetDirector(supporter)->GetTaskKind(), CPersonData::eTASK_NONE);
        EXPECT_EQ(doc.GetDirector(other)->GetTaskKind(), CPersonData::eTASK_TEAM_SUPPORT);
    }
    // Nothing to sell: nothing changes.
    const int funds = Company(1).GetFunds();
    doc.ApplyProTeamSale(1, 0);
    doc.ApplyProTeamSale(1, 3);
    EXPECT_EQ(Company(1).GetFunds(), funds);
}

TEST_F(EconomicsTest, TeamPurchaseIsPaidOutsideNetworkPlay) {
    const int month = doc.GetMonth();
    // The company's player has a peer entry, this seat's own or another's.
    CNetworkData player;
    player.playerNumber = 7;
    player.company = 2;
    player.state = CNetworkData::kPlayer;
    doc.GetFrameState().GetPeers().push_back(player);
    Company(2).SetNetworkPlayerId(player.playerNumber);
    struct SCase {
        const char* game;
        bool network, here;
        int paid;
    };
    for (const SCase& c : {SCase{"one machine", false, true, 240},
                           SCase{"network game, company played at another seat", true, false, 240},
                           SCase{"network game, company played here", true, true, 0}}) {
        SCOPED_TRACE(c.game);
        doc.GetFrameState().SetNetworkRoles(c.network ? 1 : 0, 0, 0);
        doc.GetFrameState().GetPeers().back().localFlag = c.here ? 1 : 0;
        Company(2).SetFunds(1000);
        const int profit = Company(2).GetMonthlyProfit(month);
        const size_t history = Company(2).GetHistory().size();
        doc.ApplyProTeamPurchase(2, 1, 0, 240);
        EXPECT_EQ(Company(2).GetFunds(), 1000 - c.paid);
        EXPECT_EQ(Company(2).GetMonthlyProfit(month), profit - c.paid);
        EXPECT_EQ(Company(2).GetLeagueTeam(1), 0);
        EXPECT_EQ(Map().GetProTeam(1, 0).GetOwnerIndex(), 2);
        ASSERT_EQ(Company(2).GetHistory().size(), history + 1);
        const CHistory& entry = Company(2).GetHistory().back();
        EXPECT_EQ(entry.GetKind(), CHistory::kindTeamTrade);
        EXPECT_EQ(entry.GetParam(0), 1);
        EXPECT_EQ(entry.GetParam(1), 0);
    }
    // A league or team outside the map buys nothing.
    doc.ApplyProTeamPurchase(2, 3, 0, 240);
    doc.ApplyProTeamPurchase(2, 1, 2, 240);
    EXPECT_EQ(Company(2).GetFunds(), 1000);
}

// ---------------------------------------------------------------- revenue

TEST_F(EconomicsTest, AMonthWithNothingToEarnOrPayAppliesNothing) {
    QuietGame();
    std::vector<int> funds;
    for (int c = 0; c < 4; ++c) funds.push_back(Company(c).GetFunds());
    doc.SetMonth(4);  // the leagues are in season, but nobody owns a team
    EXPECT_EQ(doc.CalcMonthlyRevenue(), 0);
    EXPECT_TRUE(doc.GetRevenueFigures().empty());
    for (int c = 0; c < 4; ++c) EXPECT_EQ(Company(c).GetFunds(), funds[size_t(c)]);
}

// Company 1 owns a 2 x 2 head office (revenue figure 2 = 400: 100 a cell
// at a month factor of 10; figure 1 = 40: 10 a cell) and rubble, and
// advertises for 50; company 2 owns a team in season that plays in a
// stadium nobody owns.
TEST_F(EconomicsTest, RevenueMonthOfBuildingsTeamsAndAdvertising) {
    QuietGame();
    ClearArea1();
    SetRevenue(Type(StructureCode::kHeadOffice), 40, 400, 0, 0);
    Place(StructureCode::kHeadOffice, 1, 1, 1);
    Place(StructureCode::kRubble, 0, 3, 1);
    Place(StructureCode::kStadiumKind0, 5, 4, -1);
    Company(1).SetAdvertisingBudget(50);
    Company(1).SetAreaGrade(1, 300, 1);
    CProTeam& team = Map().GetProTeam(0, 0);
    team.SetHomeField(1, 5, 4);
    team.SetOwner(2);
    Company(2).SetLeagueTeam(0, 0);
    doc.SetMonth(3);
    ASSERT_EQ(Type(StructureCode::kHeadOffice).GetMonthFactor(3), 10);
    ASSERT_TRUE(Map().GetLeague(0).IsInSeason(3));
    const int attendance = Map().RateHomeFieldSite(1, 5, 4, 0, 0, -1);
    const int takings = attendance / 15;
    ASSERT_GT(takings, 3);
    std::vector<int> funds;
    for (int c = 0; c < 4; ++c) funds.push_back(Company(c).GetFunds());
    const int seasonAttendance = team.GetAttendance(), seasonSales = team.GetSales(),
              seasonExpenses = team.GetExpenses();

    ASSERT_EQ(doc.CalcMonthlyRevenue(), 1);

    const auto& figures = doc.GetRevenueFigures();
    ASSERT_EQ(figures.size(), 4u);
    EXPECT_DOUBLE_EQ(figures[1].sales, 400);
    EXPECT_DOUBLE_EQ(figures[1].profit, 400 - 40 - 50);
    EXPECT_DOUBLE_EQ(figures[1].cash, 400 - 40);
    EXPECT_EQ(figures[1].advertising, 50);
    EXPECT_EQ(Company(1).GetFunds(), funds[1] + 310);
    EXPECT_EQ(Company(1).GetAreaGrade(1), 299);
    EXPECT_DOUBLE_EQ(figures[2].sales, takings);
    EXPECT_DOUBLE_EQ(figures[2].profit, takings - 3);
    EXPECT_EQ(Company(2).GetFunds(), funds[2] + takings - 3);
    EXPECT_EQ(team.GetAttendance(), seasonAttendance + attendance);
    EXPECT_EQ(team.GetSales(), seasonSales + 2 * takings);
    EXPECT_EQ(team.GetExpenses(), seasonExpenses + takings + 3);
    EXPECT_EQ(Company(2).GetAttendance(0), attendance);
    for (int c : {0, 3}) {
        EXPECT_DOUBLE_EQ(figures[size_t(c)].profit, 0);
        EXPECT_EQ(Company(c).GetFunds(), funds[size_t(c)]);
    }
}

// The payroll (with the directors) lowers the profit; the cash result
// pays the fair rate instead.
TEST_F(EconomicsTest, RevenueMonthOfPayrollAlone) {
    QuietGame();
    CEnterprise& company = Company(0);
    company.SetEmployees(2000);
    company.SetStandardSalary(30);
    const int payroll = company.GetMonthlyPayroll(1, 0), fair = company.GetMonthlyPayroll(1, 1);
    ASSERT_GT(payroll, 0);
    company.SetFunds(1000);
    ASSERT_EQ(doc.CalcMonthlyRevenue(), 1);
    EXPECT_EQ(doc.GetRevenueFigures()[0].payroll, payroll);
    EXPECT_DOUBLE_EQ(doc.GetRevenueFigures()[0].profit, -payroll);
    EXPECT_DOUBLE_EQ(doc.GetRevenueFigures()[0].cash, -fair);
    EXPECT_EQ(company.GetFunds(), 1000 - payroll);
}

// With S = the 12 months' sales and m milestone records, records for m,
// m + 1, ... are added while S >= (m + 1) x 1000.
TEST_F(EconomicsTest, SalesMilestones) {
    struct Case {
        const char* name;
        int sales;
        int already;
        std::vector<int> expected;
    };
    const std::vector<Case> cases = {
        {"2500 and none yet", 2500, 0, {0, 1}},
        {"2500 and one already", 2500, 1, {0, 1}},
        {"2500 and both already", 2500, 2, {0, 1}},
        {"999: none", 999, 0, {}},
        {"exactly 3000", 3000, 0, {0, 1, 2}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        QuietGame();
        CEnterprise& company = Company(3);
        company.GetHistory().clear();
        for (int m = 0; m < test.already; ++m) {
            CHistory entry;
            entry.SetSalesTarget(m);
            company.GetHistory().push_back(entry);
        }
        for (int m = 0; m < 12; ++m) company.ClearMonth(m);
        company.AddMonthlySales(5, test.sales);
        company.SetAdvertisingBudget(1);  // something to pay
        ASSERT_EQ(doc.CalcMonthlyRevenue(), 1);
        EXPECT_EQ(SalesMilestones(3), test.expected);
    }
}

// ---------------------------------------------------------------- lot value

class LotValueTest : public EconomicsTest {
protected:
    void SetUp() override {
        EconomicsTest::SetUp();
        QuietGame();
        ClearArea1();
        Company(1).SetAreaGrade(-1, 250, 0);
        Company(1).SetAreaGrade(1, 320, 1);
        Company(1).SetEmployees(1000);
        Company(1).SetStandardSalary(25);
    }
};

// Month -1 is the whole year: the sum of the twelve months, for every cell
// of a 2 x 2 building, with and without the salaries.
TEST_F(LotValueTest, TheWholeYearIsTheSumOfItsMonths) {
    CBD& office = Type(StructureCode::kHeadOffice);
    SetRevenue(office, 36, 400, 120, 90);
    office.SetMonthFactors({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    Place(StructureCode::kHeadOffice, 3, 2, 1);
    for (int withSalary : {0, 1})
        for (int y = 1; y <= 2; ++y)
            for (int x = 2; x <= 3; ++x) {
                SCOPED_TRACE("cell " + std::to_string(x) + "," + std::to_string(y) +
                             (withSalary ? " with salaries" : ""));
                SLot months;
                for (int m = 0; m < 12; ++m) {
                    SLot one = Lot(x, y, m, withSalary);
                    EXPECT_EQ(one.flag, 1);
                    months.income += one.income;
                    months.expense += one.expense;
                }
                SLot year = Lot(x, y, -1, withSalary);
                EXPECT_EQ(year.flag, 1);
                EXPECT_GT(year.income, 0);
                EXPECT_NEAR(year.income, months.income, 1e-9 * year.income);
                if (!withSalary) {
                    EXPECT_NEAR(year.expense, months.expense, 1e-9);
                }
            }
    // The salary of the type's value figure over the months, by the cells.
    const double salary = Lot(2, 1, -1, 1).expense - Lot(2, 1, -1, 0).expense;
    EXPECT_DOUBLE_EQ(salary, Company(1).CalcSalaryCost(office.GetValueFigure(), 12) / 4.0);
}

// The parts that do not depend on the cell (figures 1, 2 and 4) are shared
// by the cells: each cell of a 2 x 2 building carries a quarter of what a
// one-cell building of the same figures earns and costs.
TEST_F(LotValueTest, EachCellOfA2x2BuildingCarriesAQuarter) {
    CBD& office = Type(StructureCode::kHeadOffice);
    CBD& branch = Type(StructureCode::kBranchOffice);
    for (CBD* type : {&office, &branch}) {
        SetRevenue(*type, 80, 400, 0, 60);
        type->SetMonthFactors({0, 10, 0, 10, 0, 10, 0, 10, 0, 10, 0, 10});
    }
    Place(StructureCode::kHeadOffice, 1, 1, 1);
    Place(StructureCode::kBranchOffice, 4, 4, 1);
    const SLot whole = Lot(4, 4, 1);
    const double grades = std::pow(320.0, 0.8) + std::pow(Company(1).GetAreaGrade(-1), 0.8);
    EXPECT_NEAR(whole.income, 10 * 400 / 10.0 + 10 * grades * 60 / 200 / 10, 1e-9);
    EXPECT_DOUBLE_EQ(whole.expense, 80);
    for (int y = 0; y <= 1; ++y)
        for (int x = 0; x <= 1; ++x) {
            SCOPED_TRACE("cell " + std::to_string(x) + "," + std::to_string(y));
            SLot cell = Lot(x, y, 1);
            EXPECT_NEAR(cell.income * 4, whole.income, 1e-9);
            EXPECT_DOUBLE_EQ(cell.expense * 4, whole.expense);
        }
    // January's factor is 0 and nothing else costs: only the expense.
    const SLot january = Lot(0, 0, 0);
    EXPECT_EQ(january.flag, 1);
    EXPECT_DOUBLE_EQ(january.income, 0);
}

// A stadium's cell where a team has its home field adds the team's draw /
// 15 in the months its league is in season (April to December here).
TEST_F(LotValueTest, AStadiumAddsItsTeamsOnlyInSeason) {
    Place(StructureCode::kStadiumKind0, 5, 4, 2);
    CProTeam& team = Map().GetProTeam(0, 0);
    team.SetHomeField(1, 5, 4);
    team.SetOwner(2);
    const int takings = Map().RateHomeFieldSite(1, 5, 4, 0, 0, -1) / 15;
    ASSERT_GT(takings, 0);
    struct Case {
        int month;
        bool inSeason;
    };
    const std::vector<Case> cases = {{0, false}, {2, false}, {3, true}, {8, true}, {11, true}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.month);
        ASSERT_EQ(Map().GetLeague(0).IsInSeason(test.month), test.inSeason);
        EXPECT_DOUBLE_EQ(Lot(5, 4, test.month).income, test.inSeason ? takings : 0);
        EXPECT_EQ(Lot(5, 4, test.month).flag, test.inSeason ? 1 : 0);
        EXPECT_DOUBLE_EQ(Lot(4, 3, test.month).income, 0);  // no home field here
    }
    EXPECT_DOUBLE_EQ(Lot(5, 4, -1).income, 9.0 * takings);
    team.SetOwner(-1);  // a team nobody owns plays nowhere
    EXPECT_DOUBLE_EQ(Lot(5, 4, 5).income, 0);
}

// Nothing is added for a cell outside the map, a month outside -1..11, a
// cell without a structure, or a type whose size has no cells.
TEST_F(LotValueTest, CellsWithoutFiguresAddNothing) {
    SetRevenue(Type(StructureCode::kBranchOffice), 10, 100, 100, 100);
    Place(StructureCode::kBranchOffice, 4, 4, 1);
    struct Case {
        const char* name;
        int area, x, y, month;
    };
    const std::vector<Case> cases = {
        {"area -1", -1, 4, 4, 1}, {"area beyond the map", 2, 4, 4, 1},
        {"x beyond the grid", 1, 6, 4, 1}, {"y -1", 1, 4, -1, 1},
        {"month 12", 1, 4, 4, 12}, {"month -2", 1, 4, 4, -2},
        {"no structure", 1, 0, 0, 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        double income = 5, expense = 7;
        EXPECT_EQ(doc.CalcLotValue(test.area, test.x, test.y, test.month, income, expense, 1), 0);
        EXPECT_EQ(income, 5);
        EXPECT_EQ(expense, 7);
    }
    for (auto [width, height] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{-1, -1}}) {
        SCOPED_TRACE("size " + std::to_string(width) + " x " + std::to_string(height));
        Type(StructureCode::kBranchOffice).SetSize(width, height);
        double income = 5, expense = 7;
        EXPECT_EQ(doc.CalcLotValue(1, 4, 4, 1, income, expense, 1), 0);
        EXPECT_EQ(income, 5);
        EXPECT_EQ(expense, 7);
    }
}

// ---------------------------------------------------------------- areas and sites

// f = amount / 2 / (ratings + governor's amount); each falls by
// max(int(value x f), 1) and none below 0.
TEST_F(EconomicsTest, DiluteAreaInvestments) {
    struct Case {
        const char* name;
        int governor;
        std::vector<int> ratings;
        int amount;
        int governorAfter;
        std::vector<int> ratingsAfter;
    };
    const std::vector<Case> cases = {
        {"total 0: nothing changes", 0, {0, 0, 0, 0}, 500, 0, {0, 0, 0, 0}},
        {"a governor with 0 stays at 0", 0, {100, 0, 300, 0}, 200, 0, {75, 0, 225, 0}},
        {"half of everything", 1000, {1000, 0, 0, 20}, 2020, 500, {500, 0, 0, 10}},
        {"at least 1 each", 10, {10, 1, 0, 0}, 1, 9, {9, 0, 0, 0}},
    };
    CPersonData* governor = doc.GetAreaGovernor(0);
    ASSERT_NE(governor, nullptr);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        governor->SetAmount(test.governor);
        for (int c = 0; c < 4; ++c) Company(c).SetAreaRating(0, 0, test.ratings[size_t(c)], 0);
        const int otherArea = Company(0).GetAreaRating(0, 1);
        doc.DiluteAreaInvestments(0, test.amount);
        EXPECT_EQ(governor->GetAmount(), test.governorAfter);
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(Company(c).GetAreaRating(0, 0), test.ratingsAfter[size_t(c)]) << c;
        EXPECT_EQ(Company(0).GetAreaRating(0, 1), otherArea);
    }
    doc.DiluteAreaInvestments(-1, 100);
    doc.DiluteAreaInvestments(2, 100);
}

// best = the largest int(sales x 0.4) + max(int(income x 0.6), 0), at least
// 50; own = the builder's, at least 50 and best / 7; result = best x 10 /
// own + height x 10 + 90.
TEST_F(EconomicsTest, SiteFactor) {
    struct Case {
        const char* name;
        std::vector<int> sales;
        int builder;
        int expected;  // without the height part
    };
    const std::vector<Case> cases = {
        {"every company below 50", {0, 100, 20, 0}, 1, 10},
        {"the builder is the strongest", {1000, 0, 0, 0}, 0, 10},
        {"a small builder: own at least 50", {1000, 200, 0, 0}, 1, 400 * 10 / 80},
        {"a tiny builder: own at least best / 7", {5000, 0, 0, 0}, 2, 2000 * 10 / (2000 / 7)},
        {"no such builder", {1000, 0, 0, 0}, 9, 400 * 10 / 57},
    };
    const int height = Map().GetGroundHeight(1, 2, 2);
    ASSERT_EQ(height, 1);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        for (int c = 0; c < 4; ++c) {
            for (int m = 0; m < 12; ++m) Company(c).ClearMonth(m);
            Company(c).AddMonthlySales(0, test.sales[size_t(c)]);
        }
        EXPECT_EQ(doc.CalcSiteFactor(1, 2, 2, test.builder), test.expected + height * 10 + 90);
    }
    EXPECT_EQ(doc.CalcSiteFactor(1, 6, 2, 0), 0);
    EXPECT_EQ(doc.CalcSiteFactor(-1, 2, 2, 0), 0);
}

TEST_F(EconomicsTest, AreaValueAndStrongCompanies) {
    Map().GetArea(0).SetProjectFund(700);
    for (int c = 0; c < 4; ++c) {
        Company(c).SetAreaRating(2, 0, 10 * (c + 1), 0);
        Company(c).SetAreaLevel(0, c + 1);
    }
    EXPECT_EQ(doc.GetAreaValue(0), 700 + 100);
    EXPECT_EQ(doc.CountStrongCompanies(0), 2);
    EXPECT_EQ(doc.GetAreaValue(-1), 0);
    EXPECT_EQ(doc.GetAreaValue(2), 0);
    EXPECT_EQ(doc.CountStrongCompanies(2), 0);
    EXPECT_EQ(doc.CalcLotPriceFor(nullptr, 0, 0, 0), Map().GetLotPriceForDirector(0, 0, 0, nullptr));
    EXPECT_EQ(doc.CalcLotPriceFor(nullptr, 0, 6, 0), -1);
}

}  // namespace
