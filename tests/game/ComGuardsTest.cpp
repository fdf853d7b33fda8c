// Inputs that would take a power of a negative base or divide by zero in the
// computer player's formulas, and what they give instead.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ComCommandFixture.h"
#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/League.h"
#include "model/PersonData.h"

namespace {

struct SGuardCase {
    const char* name;
    std::function<void()> setup;
    std::function<void(CComCommand&)> check;
};

TEST_F(ComCommandTest, NegativeBasesAndZeroDivisorsGiveSoundResults) {
    const int flats = FindStructureOfCode(doc.GetMap(), 55);
    const std::vector<uint8_t> fresh = doc.SaveBytes();
    const std::vector<SGuardCase> cases = {
        {"a tender with losses and negative funds on an owned lot",
         [&] {
             MakeStrongInArea0(kSubject);
             MakeStrongInArea0(2);
             Company(kSubject).SetFunds(-5000);
             Company(kSubject).AddYearResult(-1, 0, 0, -8000, 0, 0);
             doc.GetMap().GetArea(0).SetCellOwner(4, 0, 1);
         },
         [&](CComCommand& com) {
             const int bid = com.BidForContract(0, CCellPoint(4, 0), flats, 1000000);
             EXPECT_GT(bid, 0);
             EXPECT_LE(bid, 1000000);
         }},
        {"a contractor with negative funds",
         [&] {
             MakeStrongInArea0(2);
             Company(2).SetFunds(-100);
             doc.SetStockHolding(2, kSubject, doc.GetStockHolding(2, -1) / 2);
         },
         [&](CComCommand& com) {
             int score = 0;
             EXPECT_EQ(com.ChooseContractor(0, flats, 0, score), 2);
             EXPECT_GT(score, 0);
         }},
        {"selling a stock without a price",
         [&] {
             doc.SetStockHolding(0, -1, 0);
             Company(kSubject).SetFunds(-3000);
         },
         [&](CComCommand& com) {
             int stock = 0, quantity = 0;
             EXPECT_EQ(com.DecideStockSale(stock, quantity), 0);
             EXPECT_EQ(stock, -1);
         }},
        {"buying stock of companies that issued none",
         [&] {
             for (int c = 0; c < doc.CompanyCount(); ++c) doc.SetStockHolding(c, -1, 0);
             SetIncome(kSubject, 5000000);
         },
         [&](CComCommand& com) {
             CCmdPacket plan;
             EXPECT_EQ(com.PlanStockPurchase(plan, 1), 0);
         }},
        {"a donation weighed by a president without Directing",
         [&] {
             SetAbilities(President(kSubject), {0, 9, 5, 5, 5}, 3);
             MakeStrongInArea0(kSubject);
             SetIncome(kSubject, 50000);
             Company(kSubject).RecordMonthlyFigure(3, 0, 500, 0, -1);
         },
         [&](CComCommand& com) {
             CCmdPacket plan;
             EXPECT_EQ(com.PlanInvestment(plan, 3, 1), 0);
         }},
        {"disaster prevention with a negative income",
         [&] {
             MakeStrongInArea0(kSubject);
             SetIncome(kSubject, -40000);
         },
         [&](CComCommand& com) {
             CCmdPacket plan;
             EXPECT_EQ(com.PlanInvestment(plan, 1, 1), 0);
         }},
        {"a team of a league that plays no games a month",
         [&] {
             doc.GetMap().GetLeague(1).SetSchedule(20, 0, {3, 9});
             doc.GetMap().GetLeague(1).GetTeam(1).SetForSale(1);
             Company(kSubject).SetFunds(10000000);
             SetIncome(kSubject, 10000000);
         },
         [&](CComCommand& com) {
             CCmdPacket plan;
             EXPECT_GE(com.PlanProTeamPurchase(plan, 1), 0);
         }},
        {"advice on salaries with nobody paid",
         [&] {
             Company(kSubject).SetEmployees(0);
             for (int i = 0; i < Company(kSubject).GetDirectorCount(); ++i)
                 Company(kSubject).GetDirector(i)->SetSalary(0);
         },
         [&](CComCommand& com) {
             int change = 0, person = -1;
             EXPECT_GE(com.RateEmployeeSalary(change), 0);
             EXPECT_GE(com.RateDirectorSalary(person, change), 0);
         }},
    };
    for (const SGuardCase& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case on the fixture game as it was set up.
        ASSERT_EQ(doc.LoadBytes(fresh), -1);
        SetAbilities(President(kSubject), {5, 5, 5, 5, 5}, 3);
        for (int p = 0; p < doc.CompanyCount(); ++p) doc.SetTurnOrderEntry(p, p);
        CRuntimeRandom::Seed(11);
        c.setup();
        CComCommand com(doc, kSubject);
        c.check(com);
    }
}

}  // namespace
