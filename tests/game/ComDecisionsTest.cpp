// The computer player's single decisions: loan repayment, stock sale,
// salaries, contractors, tenders, lot offers and growth.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ComCommandFixture.h"
#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/PersonData.h"

namespace {

// With Directing 50, Analysis 50 and an income of 3000: the income draw must
// reach 500, free funds are 5000, A = 2400 gives q = 300, so v = 15300, and
// x is drawn from 800.
struct SRepayCase {
    const char* name;
    int debt;
    bool loanPlan;
    CDraws draws;
    int amount;
};

TEST_F(ComCommandTest, LoanRepaymentDecidesNothingOrTheSmallestOfDrawFundsAndDebt) {
    const CDraws pass2 = {{3000, 500}};
    const CDraws pass3 = JoinDraws({pass2, {{5000, 11}}});
    const CDraws pass5 = JoinDraws({pass3, VaryDraws(15300, 0, 0, 0)});
    const std::vector<SRepayCase> cases = {
        {"no debt", 0, false, {}, 0},
        {"a loan plan is pending", 1000, true, {}, 0},
        {"income draw below the bar", 1000, false, {{3000, 499}}, 0},
        {"free funds draw below 11", 1000, false, JoinDraws({pass2, {{5000, 10}}}), 0},
        {"weight draw below 150", 1000, false, JoinDraws({pass3, VaryDraws(15300, 15300, 15200, 0)}),
         0},
        {"amount below the Directing draw", 1000, false,
         JoinDraws({pass5, {{800, 10}}, VaryDraws(25, 21, 20, 1)}), 0},
        {"the drawn amount", 1000, false, JoinDraws({pass5, {{800, 700}}, VaryDraws(25, 0, 0, 0)}),
         700},
        {"at most the debt", 300, false, JoinDraws({pass5, {{800, 700}}, VaryDraws(25, 0, 0, 0)}),
         300},
    };
    for (const SRepayCase& c : cases) {
        SCOPED_TRACE(c.name);
        CEnterprise& company = Company(kSubject);
        company.SetDebt(c.debt);
        company.SetFunds(5000);
        SetIncome(kSubject, 3000);
        company.GetPlans().clear();
        if (c.loanPlan) {
            CCmdPacket plan;
            plan.MakeLoan();
            company.GetPlans().push_back(plan);
        }
        CScriptedDraws draws(c.draws);
        EXPECT_EQ(CComCommand(doc, kSubject).DecideLoanRepayment(), c.amount);
    }
}

TEST_F(ComCommandTest, RepaymentIsIssuedAsAnOrderOnlyWhenSomethingIsRepaid) {
    CEnterprise& company = Company(kSubject);
    SetIncome(kSubject, 3000);
    {
        CScriptedDraws draws(JoinDraws({{{3000, 500}, {5000, 11}}, VaryDraws(15300, 0, 0, 0),
                                        {{800, 700}}, VaryDraws(25, 0, 0, 0)}));
        CComCommand(doc, kSubject).RepayLoan();
    }
    EXPECT_EQ(company.GetDebt(), SOrderGame::kDebt - 700);
    EXPECT_EQ(company.GetFunds(), SOrderGame::kFunds - 700);
    {
        CScriptedDraws draws({{3000, 0}});
        CComCommand(doc, kSubject).RepayLoan();
    }
    EXPECT_EQ(company.GetDebt(), SOrderGame::kDebt - 700);
}

// ---------------------------------------------------------------- stock sale

// Directing 50: the shortfall's margin draw is Random(-900).
TEST_F(ComCommandTest, StockSaleNeedsHoldingsAShortfallAndAQuantity) {
    CEnterprise& company = Company(kSubject);
    const int issued0 = doc.GetStockHolding(0, -1);
    ASSERT_GT(issued0, 0);

    struct SCase {
        const char* name;
        int heldOf0, heldOwn, funds;
        std::function<CDraws()> draws;
        int stock, quantity;
    };
    const std::vector<SCase> cases = {
        {"nothing held", 0, 0, -2000, [] { return CDraws{}; }, -1, 0},
        {"no shortfall", 10, 0, 5000, [] { return CDraws{{-900, 0}}; }, -1, 0},
        {"own stock weighed at half its price", 10, 5, -2000,
         [&] {
             return CDraws{{-900, 0},
                           {doc.GetStockPrice(0), 0},
                           {doc.GetStockPrice(kSubject) / 2, 0},
                           {700, 0},
                           SScriptedDraw::Raw(1)};
         },
         kSubject, 0},
        {"a shortfall too small for one share", 10, 0, 0,
         [&] { return CDraws{{-900, -5}, {doc.GetStockPrice(0), 0}, {700, 0}}; }, -1, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        doc.SetStockHolding(0, kSubject, c.heldOf0);
        doc.SetStockHolding(kSubject, kSubject, c.heldOwn);
        company.SetFunds(c.funds);
        int stock = -2, quantity = -2;
        CScriptedDraws draws(c.draws());
        const int score = CComCommand(doc, kSubject).DecideStockSale(stock, quantity);
        EXPECT_EQ(stock, c.stock);
        if (c.stock < 0) {
            EXPECT_EQ(score, 0);
            EXPECT_EQ(quantity, 0);
            continue;
        }
        // The need of 2000 at the full price, at most the shares held.
        const int price = doc.GetStockPrice(c.stock);
        const int expected = std::min(2000 / price, c.heldOwn);
        EXPECT_EQ(quantity, expected);
        if (expected > 0) {
            EXPECT_GE(score, expected * price);
        }
    }
}

// ---------------------------------------------------------------- salaries

TEST_F(ComCommandTest, StandardSalaryFollowsItsTargetOnlyFromTheThresholdOn) {
    // Analysis 100 and person value 3: a change must be worth 150 - 50 - 15
    // = 85, i.e. three units of pay (90) but not two (60).
    SetAbilities(President(kSubject), {5, 10, 5, 5, 5}, 3);
    CEnterprise& company = Company(kSubject);
    company.SetStandardSalary(1);
    CComCommand(doc, kSubject).AdjustStandardSalary();
    const int target = company.GetStandardSalary();
    ASSERT_GT(target, 10);

    struct SCase {
        int offset;
        bool follows;
    };
    for (const SCase& c : {SCase{3, true}, SCase{-3, true}, SCase{2, false}, SCase{-2, false}}) {
        SCOPED_TRACE(c.offset);
        company.SetStandardSalary(target + c.offset);
        CComCommand(doc, kSubject).AdjustStandardSalary();
        EXPECT_EQ(company.GetStandardSalary(), c.follows ? target : target + c.offset);
    }
}

TEST_F(ComCommandTest, DirectorSalariesAreReportedOnlyWhenTheyChange) {
    CEnterprise& company = Company(kSubject);
    for (int i = 0; i < company.GetDirectorCount(); ++i) company.GetDirector(i)->SetSalary(500);
    TakeLog();
    CComCommand(doc, kSubject).AdjustDirectorSalaries();
    const std::vector<std::string> first = TakeLog();
    int reported = 0;
    for (const std::string& line : first)
        if (line.find("salary set at") != std::string::npos) ++reported;
    EXPECT_EQ(reported, company.GetDirectorCount());

    CComCommand(doc, kSubject).AdjustDirectorSalaries();
    for (const std::string& line : TakeLog()) EXPECT_EQ(line.find("salary set at"), std::string::npos);
}

// ---------------------------------------------------------------- contracts

TEST_F(ComCommandTest, OfficesAreNeverContractedOut) {
    MakeStrongInArea0(0);
    MakeStrongInArea0(2);
    for (int code : {60, 61}) {
        SCOPED_TRACE(code);
        const int type = FindStructureOfCode(doc.GetMap(), code);
        ASSERT_GE(type, 0);
        int score = -1;
        CScriptedDraws none;
        EXPECT_EQ(CComCommand(doc, kSubject).ChooseContractor(0, type, 100, score), -1);
        EXPECT_EQ(score, 0);
    }
}

TEST_F(ComCommandTest, EqualContractorScoresKeepTheEarlierCompanyInTurnOrder) {
    MakeStrongInArea0(0);
    MakeStrongInArea0(2);
    // Two companies alike: no stake of the planner in either, and no funds
    // that would make the work not worth their while.
    doc.SetStockHolding(0, kSubject, 0);
    Company(0).SetFunds(0);
    Company(2).SetFunds(0);
    const int type = FindStructureOfCode(doc.GetMap(), 55);
    struct SCase {
        std::vector<int> order;
        int winner;
    };
    for (const SCase& c : {SCase{{0, 1, 2}, 0}, SCase{{2, 1, 0}, 2}}) {
        SCOPED_TRACE(c.winner);
        for (size_t p = 0; p < c.order.size(); ++p) doc.SetTurnOrderEntry(static_cast<int>(p), c.order[p]);
        int score = 0;
        CScriptedDraws draws({SScriptedDraw::Raw(20000), SScriptedDraw::Raw(20000)});
        EXPECT_EQ(CComCommand(doc, kSubject).ChooseContractor(0, type, 0, score), c.winner);
        EXPECT_GT(score, 0);
    }
}

TEST_F(ComCommandTest, TenderBidIsTheCeilingForTheOnlyQualifiedCompanyAndNothingWithoutOne) {
    const int type = FindStructureOfCode(doc.GetMap(), 55);
    const CCellPoint cell(2, 2);
    struct SCase {
        const char* name;
        std::function<void()> setup;
        int bid;  // -1: a price of its own, at most the ceiling
    };
    const std::vector<SCase> cases = {
        {"alone at level 3", [&] { MakeStrongInArea0(kSubject); }, 100000},
        {"below level 3", [&] { Company(kSubject).SetAreaLevel(0, 2); }, 0},
        {"a rival qualifies",
         [&] {
             MakeStrongInArea0(kSubject);
             MakeStrongInArea0(2);
         },
         -1},
        {"no free director",
         [&] {
             MakeStrongInArea0(kSubject);
             BusyAllDirectors(kSubject);
         },
         0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.setup();
        const int bid = CComCommand(doc, kSubject).BidForContract(0, cell, type, 100000);
        if (c.bid >= 0) {
            EXPECT_EQ(bid, c.bid);
        } else {
            EXPECT_GT(bid, 0);
            EXPECT_LT(bid, 100000);
        }
    }
}

// ---------------------------------------------------------------- lot offers

TEST_F(ComCommandTest, LotOfferIsNothingBeyondTheMeansAndNeverBelowTheAskedPrice) {
    CEnterprise& company = Company(kSubject);
    MakeStrongInArea0(kSubject);
    SetIncome(kSubject, 2000);
    const CCellPoint cell(2, 2);
    company.SetFunds(500);
    EXPECT_EQ(CComCommand(doc, kSubject).ValueLotOffer(0, cell, 501), 0);

    company.SetFunds(50000);
    for (int seed = 1; seed <= 40; ++seed) {
        CRuntimeRandom::Seed(seed);
        for (int asked : {1, 50, 400, 5000}) {
            SCOPED_TRACE(std::to_string(seed) + "/" + std::to_string(asked));
            const int price = CComCommand(doc, kSubject).ValueLotOffer(0, cell, asked);
            EXPECT_TRUE(price == 0 || price >= asked) << price;
            EXPECT_LE(price, company.GetFunds());
        }
    }
}

// ---------------------------------------------------------------- growth

TEST_F(ComCommandTest, NoGrowthWithoutIncome) {
    for (int income : {0, -500}) {
        SCOPED_TRACE(income);
        SetIncome(kSubject, income);
        CScriptedDraws none;
        EXPECT_FALSE(CComCommand(doc, kSubject).CanManageMoreAreas(0));
        EXPECT_FALSE(CComCommand(doc, kSubject).CanManageMoreAreas(1));
    }
}

TEST_F(ComCommandTest, TheDocumentAsksTheComputerPlayerWhetherToGrow) {
    // Directing 100 (without the relation factor), income 144, two
    // directors: w = int(100 / 35 x 1 x 10) = 28, varied by up to 9, against
    // three times the sum of the levels.
    SetAbilities(President(kSubject), {10, 5, 5, 5, 5}, 3);
    SetIncome(kSubject, 144);
    struct SCase {
        int level, amount;
        bool grows;
    };
    for (const SCase& c : {SCase{0, 0, true}, SCase{4, 4, true}, SCase{4, 5, false}}) {
        SCOPED_TRACE(std::to_string(c.level) + "/" + std::to_string(c.amount));
        for (int a = 0; a < Company(kSubject).GetAreaCount(); ++a)
            Company(kSubject).SetAreaLevel(a, a < 2 ? c.level : 0);
        CScriptedDraws draws(VaryDraws(9, c.amount + 1, c.amount, 0));
        EXPECT_EQ(doc.CanManageMoreAreas(kSubject), c.grows);
    }
}

// ---------------------------------------------------------------- context

TEST_F(ComCommandTest, EachObjectKeepsItsOwnCompany) {
    CComCommand outer(doc, 1);
    CComCommand inner(doc, 2);
    EXPECT_EQ(outer.GetCompanyIndex(), 1);
    EXPECT_EQ(inner.GetCompanyIndex(), 2);
    doc.SetTurnOrderEntry(doc.GetTurnPosition(), 2);
    EXPECT_EQ(CComCommand(doc, -1).GetCompanyIndex(), 2);
    EXPECT_EQ(outer.GetCompanyIndex(), 1);
}

TEST_F(ComCommandTest, ACompanyWithoutPresidentGetsNoTurnAndNoAdvice) {
    Company(kSubject).SetPresident(-1);
    ASSERT_EQ(Company(kSubject).GetPresident(), nullptr);
    Company(kSubject).GetAdvice().resize(2);
    const std::vector<uint8_t> before = doc.SaveBytes();
    CScriptedDraws none;
    CComCommand com(doc, kSubject);
    EXPECT_FALSE(com.IsUsable());
    com.RunMonth();
    com.BuildAdvice();
    EXPECT_EQ(doc.SaveBytes(), before);
    EXPECT_EQ(CComCommand(doc, 99).IsUsable(), false);
}

}  // namespace
