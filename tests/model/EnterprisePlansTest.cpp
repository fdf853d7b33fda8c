// A company's plans as the computer player, the orders and the directors'
// tasks ask about them, and the budget figures built on the plans' costs.

#include <gtest/gtest.h>

#include <algorithm>

#include "model/BD.h"
#include "model/CompanyRulesFixture.h"

namespace {

CCmdPacket::SStep Step(eCOM_CMD kind, int param1, int param2, int param3, int x = -1, int y = -1,
                       int done = 0) {
    CCmdPacket::SStep step;
    step.kind = kind;
    step.param1 = param1;
    step.param2 = param2;
    step.param3 = param3;
    step.point = CCellPoint(x, y);
    step.done = done;
    return step;
}

CCmdPacket Plan(int planType, std::initializer_list<CCmdPacket::SStep> steps) {
    // The builders set the type: a single-step builder of the wanted type,
    // its step replaced.
    CCmdPacket typed;
    switch (planType) {
        case CCmdPacket::ePLAN_BUILD:
            typed.MakeDemolishOrReinforce(0, 0, 0, 1);
            break;
        case CCmdPacket::ePLAN_HEADHUNTING:
            typed.MakeHeadhunting(0);
            break;
        case CCmdPacket::ePLAN_LOAN:
            typed.MakeLoan();
            break;
        case CCmdPacket::ePLAN_ADVERTISING:
            typed.MakeAdvertising(0, 0);
            break;
        default:
            typed.MakeRecruitEmployees();
            break;
    }
    typed.RemoveStep(0);
    for (const CCmdPacket::SStep& step : steps) typed.AddStep(step);
    return typed;
}

class PlansTest : public CompanyRulesTest {
protected:
    void SetUp() override {
        CompanyRulesTest::SetUp();
        MakeComputer();
        office.SetTypeCode(60);
        ballpark.SetTypeCode(80);
        arena.SetTypeCode(85);
        doc.structureTypes = {&office, &ballpark, &arena};
        doc.structureCodes = {{0, 60}, {1, 80}, {2, 85}};
    }
    std::vector<CCmdPacket>& Plans() { return company.GetPlans(); }
    CBD office, ballpark, arena;
};

TEST_F(PlansTest, ReleasingADirectorDropsAPlanLeftEmpty) {
    Plans() = {Plan(CCmdPacket::ePLAN_ADVERTISING, {Step(eCOM_ADVERTISING, 7, 30, 0)}),
               Plan(CCmdPacket::ePLAN_BUILD,
                    {Step(eCOM_ACQUIRE_LAND, 7, -1, 0, 1, 1), Step(eCOM_CONSTRUCTION, 8, 0, 0)})};
    company.CancelPlanAt(8, 0);
    ASSERT_EQ(company.GetPlanCount(), 2);
    EXPECT_EQ(company.GetPlan(1).GetParam1(1), -1);
    // Only the first plan with a step of the director is touched.
    company.CancelPlanAt(7, 1);
    ASSERT_EQ(company.GetPlanCount(), 1);
    EXPECT_EQ(company.GetPlan(0).GetStepCount(), 2);
    company.RemoveDirectorFromPlans(7);
    EXPECT_EQ(company.GetPlanCount(), 0);
}

TEST_F(PlansTest, AHumanPlayersPlansAreLeftAlone) {
    Plans() = {Plan(CCmdPacket::ePLAN_LOAN, {Step(eCOM_LOAN, 7, 0, -1)})};
    company.SetPresident(0);
    company.CancelPlanAt(7, 1);
    company.RemoveDirectorFromPlans(7);
    EXPECT_EQ(company.GetPlanCount(), 1);
    EXPECT_TRUE(company.IsLotPlannedForConstruction(3, 0, 9, 9));
    EXPECT_TRUE(company.IsPlannedCommandAt(eCOM_ADVERTISING, 0, 9, 9));
}

TEST_F(PlansTest, PlannedStepsAtACellAreClaimedOrReopened) {
    Plans() = {Plan(CCmdPacket::ePLAN_ADVERTISING, {Step(eCOM_CONSTRUCTION, -1, 0, 1, 4, 4)}),
               Plan(CCmdPacket::ePLAN_BUILD, {Step(eCOM_ACQUIRE_LAND, -1, -1, 1, 4, 4, 1),
                                              Step(eCOM_CONSTRUCTION, -1, 0, 1, 4, 4, 1)})};
    EXPECT_FALSE(company.IsLotPlannedForConstruction(5, 1, 3, 4));
    EXPECT_TRUE(company.IsLotPlannedForConstruction(5, 1, 4, 4));
    // Only a construction plan's step is given to the director.
    EXPECT_EQ(company.GetPlan(0).GetParam1(0), -1);
    EXPECT_EQ(company.GetPlan(1).GetParam1(1), 5);
    EXPECT_TRUE(company.IsPlannedCommandAt(eCOM_ACQUIRE_LAND, 1, 4, 4));
    EXPECT_EQ(company.GetPlan(1).IsDone(0), 0);
    EXPECT_EQ(company.GetPlan(1).IsDone(1), 1);
    EXPECT_FALSE(company.IsPlannedCommandAt(eCOM_ACQUIRE_LAND, 0, 4, 4));
}

TEST_F(PlansTest, CountsOverThePlans) {
    int hunter = Hire(4);
    persons[static_cast<size_t>(hunter)].AssignTask(CPersonData::eTASK_HEAD_HUNTING, 10);
    persons[static_cast<size_t>(hunter)].SetTaskParam(0, 9);
    Plans() = {
        Plan(CCmdPacket::ePLAN_BUILD,
             {Step(eCOM_ACQUIRE_LAND, -1, -1, 2, 1, 1), Step(eCOM_ACQUIRE_LAND, -1, -1, 1, 2, 1),
              Step(eCOM_CONSTRUCTION, -1, 1, 2, 2, 2)}),
        Plan(CCmdPacket::ePLAN_BUILD,
             {Step(eCOM_CONSTRUCTION, -1, 2, 0, 5, 5), Step(eCOM_CONSTRUCTION, -1, -1, 0, 1, 1)}),
        Plan(CCmdPacket::ePLAN_ADVERTISING,
             {Step(eCOM_FINANCIAL_SUPPORT, -1, 1, 0), Step(eCOM_FINANCIAL_SUPPORT, -1, 1, 1)}),
        Plan(CCmdPacket::ePLAN_HEADHUNTING, {Step(eCOM_HEADHUNTING, -1, 9, -1)}),
        Plan(CCmdPacket::ePLAN_HEADHUNTING, {Step(eCOM_HEADHUNTING, -1, 4, -1)}),
        Plan(CCmdPacket::ePLAN_LOAN, {Step(eCOM_LOAN, -1, 0, -1)}),
    };
    EXPECT_EQ(company.CountPlannedLandBuys(2), 1);
    EXPECT_EQ(company.CountPlannedLandBuys(0), 0);
    EXPECT_EQ(company.CountPlannedBuildings(1), 1);
    EXPECT_EQ(company.CountPlannedBuildings(0), 1);
    EXPECT_EQ(company.CountPlannedSupport(1, 1), 1);
    EXPECT_EQ(company.CountPlannedSupport(0, 1), 0);
    EXPECT_EQ(company.CountPlansOfType(CCmdPacket::ePLAN_BUILD), 2);
    EXPECT_EQ(company.CountPlansOfType(CCmdPacket::ePLAN_HEADHUNTING, 4), 1);
    EXPECT_TRUE(company.HasPlanOfType(CCmdPacket::ePLAN_LOAN));
    EXPECT_FALSE(company.HasPlanOfType(CCmdPacket::ePLAN_HEADHUNTING, 5));
    EXPECT_EQ(company.CountLoanPlans(), 1);
    EXPECT_EQ(company.CountHuntsForPerson(9), 2);
    EXPECT_EQ(company.CountHuntsForPerson(4), 1);
    EXPECT_TRUE(company.HasPlanAt(1, 2, 1));
    EXPECT_FALSE(company.HasPlanAt(1, 3, 3));
}

TEST_F(PlansTest, AnAreaIsPlannedForByAnOfficePlanOrAnOfficeUnderWay) {
    Plans() = {Plan(CCmdPacket::ePLAN_BUILD, {Step(eCOM_CONSTRUCTION, -1, 0, 2, 3, 3)})};
    EXPECT_TRUE(company.HasPlanForArea(2));
    EXPECT_FALSE(company.HasPlanForArea(1));
    int builder = Hire(4);
    CPersonData& director = persons[static_cast<size_t>(builder)];
    director.AssignTask(CPersonData::eTASK_CONSTRUCTION, 10);
    director.SetTaskArea(1);
    director.SetTaskParam(0, 0);
    EXPECT_TRUE(company.HasPlanForArea(1));
}

TEST_F(PlansTest, PlannedLoansAndCostsFeedTheBudget) {
    company.SetDebt(990);
    Plans() = {Plan(CCmdPacket::ePLAN_LOAN, {Step(eCOM_LOAN, -1, 0, -1)}),
               Plan(CCmdPacket::ePLAN_LOAN, {Step(eCOM_LOAN, -1, 0, -1)}),
               Plan(CCmdPacket::ePLAN_ADVERTISING, {Step(eCOM_ADVERTISING, -1, 40, 0, -1, -1, 1),
                                                    Step(eCOM_ADVERTISING, -1, 60, 1)})};
    EXPECT_EQ(company.SumPlannedLoans(), 20);
    EXPECT_EQ(company.SumPlannedCosts(0), 100);
    EXPECT_EQ(company.SumPlannedCosts(1), 40);
}

// Without profits the random margin is Random((5 - A) x 20) with A the
// president's first ability: between that and 0.
TEST_F(PlansTest, FundsShortfall) {
    int margin = (5 - persons[0].GetAbility(0, false)) * 20;
    int low = std::min(margin + 1, 0), high = std::max(margin - 1, 0);
    company.SetDebt(990);
    Plans() = {
        Plan(CCmdPacket::ePLAN_LOAN, {Step(eCOM_LOAN, -1, 0, -1)}),
        Plan(CCmdPacket::ePLAN_ADVERTISING, {Step(eCOM_ADVERTISING, -1, 200, 0, -1, -1, 1)})};
    company.SetFunds(50);
    for (int i = 0; i < 20; ++i) {
        int shortfall = company.CalcFundsShortfall(0);
        EXPECT_GE(shortfall, 150 - high);
        EXPECT_LE(shortfall, 150 - low);
        shortfall = company.CalcFundsShortfall(1);
        EXPECT_GE(shortfall, 140 - high);
        EXPECT_LE(shortfall, 140 - low);
    }
    company.SetFunds(150 - low + 1);
    EXPECT_EQ(company.CalcFundsShortfall(0), 0);
}

struct SSpendCase {
    const char* name;
    int monthlyIncome, funds, planned, monthIndex, early;
    int expected;
};

TEST_F(PlansTest, SpendableFunds) {
    // t = income x 3, R = t / 5; early in year y < 4: R = (4 - y) x 15 + t / 5,
    // reserve R / 2.
    const SSpendCase cases[] = {
        {"plenty, capped at R + 180", 100, 5000, 0, 60, 0, 720 + 180},
        {"all that is free", 100, 300, 0, 60, 0, 300},
        {"plans come first", 100, 300, 250, 60, 0, 50},
        {"plans beyond the funds", 100, 300, 400, 60, 0, 0},
        {"first year keeps a reserve", 0, 20, 0, 0, 1, 5 * (20 + 30) / 10},
        {"first year above the reserve", 0, 100, 0, 0, 1, 100},
        {"fifth year: reserve of half R", 10, 10, 0, 48, 1, 5 * (10 + 36) / 10},
        {"a loss spends nothing beyond 180", -100, 1000, 0, 60, 0, 180},
    };
    for (const SSpendCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetMonthlyIncome(c.monthlyIncome);
        company.SetFunds(c.funds);
        doc.currentMonthIndex = c.monthIndex;
        Plans().clear();
        if (c.planned)
            Plans() = {
                Plan(CCmdPacket::ePLAN_ADVERTISING, {Step(eCOM_ADVERTISING, -1, c.planned, 0)})};
        EXPECT_EQ(company.CalcSpendableFunds(c.early), c.expected);
    }
}

}  // namespace
