// What plan steps cost and whether a plan can go ahead: the money, director,
// lot, stadium and team tests, and the whole-plan check that gives up old or
// blocked plans.

#include <gtest/gtest.h>

#include "model/CmdPacket.h"
#include "model/PlanWorldFixture.h"

namespace {

CCmdPacket::SStep Step(eCOM_CMD kind, int param1, int param2, int param3, int x = -1, int y = -1,
                       int group = 1, int done = 0) {
    CCmdPacket::SStep step;
    step.kind = kind;
    step.param1 = param1;
    step.param2 = param2;
    step.param3 = param3;
    step.point = CCellPoint(x, y);
    step.group = group;
    step.done = done;
    return step;
}

CCmdPacket PlanOf(std::initializer_list<CCmdPacket::SStep> steps, int age = 0) {
    CCmdPacket plan;
    plan.MakeRecruitEmployees();
    plan.RemoveStep(0);
    for (const CCmdPacket::SStep& step : steps) plan.AddStep(step);
    for (int i = 0; i < age; ++i) plan.AddAge();
    return plan;
}

class PlanCostTest : public PlanWorldTest {
protected:
    void SetUp() override {
        PlanWorldTest::SetUp();
        CMapData& area = map->GetArea(1);
        area.AddLevel(100 - area.GetLevel());
    }
};

TEST_F(PlanCostTest, EachKindCostsWhatItsOrderTakes) {
    int entrusting = AddPerson(4);
    persons[static_cast<size_t>(entrusting)].SetTaskParam(0, 77);
    int estimating = AddPerson(4);
    const CLeague& league = map->GetLeague(0);
    struct SCase {
        const char* name;
        CCmdPacket::SStep step;
        int expected;
    } cases[] = {
        {"land without a director: price level x 1.3", Step(eCOM_ACQUIRE_LAND, -1, -1, 1), 130},
        {"land with a director: the amount entrusted", Step(eCOM_ACQUIRE_LAND, entrusting, -1, 1),
         77},
        {"land with a director without one: his estimate",
         Step(eCOM_ACQUIRE_LAND, estimating, -1, 1),
         persons[static_cast<size_t>(estimating)].EstimateBudget(true)},
        {"land in no area", Step(eCOM_ACQUIRE_LAND, -1, -1, 7), 0},
        {"purchase: lot price x 7 / 5", Step(eCOM_DESIGNATED_PURCHASE, -1, -2, 0, 2, 2),
         map->GetLotPrice(0, 2, 2, 0) * 7 / 5},
        {"construction: the type's base price", Step(eCOM_CONSTRUCTION, -1, typeHeadOffice, 0),
         map->GetStructureType(typeHeadOffice)->GetBasePrice()},
        {"demolition", Step(eCOM_CONSTRUCTION, -1, -1, 0, 1, 1), 10},
        {"recruiting", Step(eCOM_RECRUIT_EMPLOYEES, -1, 0, -1), 0},
        {"loan", Step(eCOM_LOAN, -1, 0, -1), 0},
        {"advertising budget", Step(eCOM_ADVERTISING, -1, 45, 0), 45},
        {"donation", Step(eCOM_INVEST_DONATION, -1, 33, 0), 33},
        {"reinforcement", Step(eCOM_REINFORCE, -1, 5, 0, 1, 1), 5},
        {"team: its price", Step(eCOM_ACQUIRE_TEAM, 0, 1, 0, 3, 3), league.GetTeamPrice(1)},
        {"team of no league", Step(eCOM_ACQUIRE_TEAM, 5, 1, 0, 3, 3), 0},
        {"support: a tenth of the price", Step(eCOM_FINANCIAL_SUPPORT, -1, 0, 1),
         std::max(1, league.GetTeamPrice(1) / 10)},
        {"no command", Step(eCOM_NONE, -1, 99, 0), 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlanOf({c.step}).GetStepCost(0), c.expected);
    }
}

TEST_F(PlanCostTest, PlanCostSumsAllOrOnlyDoneSteps) {
    CCmdPacket plan = PlanOf({Step(eCOM_ADVERTISING, -1, 40, 0, -1, -1, 1, 1),
                              Step(eCOM_INVEST_PROJECT, -1, 25, 0),
                              Step(eCOM_CONSTRUCTION, -1, -1, 0, 1, 1, 1, 1)});
    EXPECT_EQ(plan.GetPlanCost(0), 75);
    EXPECT_EQ(plan.GetPlanCost(1), 50);
}

TEST_F(PlanCostTest, OnlyALoanPlanPlansALoan) {
    company.SetDebt(990);
    CCmdPacket loan;
    loan.MakeLoan();
    EXPECT_EQ(loan.GetPlannedLoanAmount(company), company.CalcLoanAmount(nullptr));
    EXPECT_EQ(loan.GetPlannedLoanAmount(company), 10);
    CCmdPacket recruiting;
    recruiting.MakeRecruitEmployees();
    EXPECT_EQ(recruiting.GetPlannedLoanAmount(company), 0);
    // A loan plan whose loan step is gone.
    loan.RemoveStep(0);
    EXPECT_EQ(loan.GetPlannedLoanAmount(company), 0);
}

using FeasibilityTest = PlanWorldTest;

TEST_F(FeasibilityTest, OldPlansAreGivenUpAndLoseTheirUndoneSteps) {
    for (int age : {12, 13}) {
        SCOPED_TRACE(age);
        CCmdPacket plan = PlanOf(
            {Step(eCOM_RECRUIT_EMPLOYEES, 4, 0, -1, -1, -1, 1, 1),
             Step(eCOM_RECRUIT_MANAGEMENT, -1, 0, -1), Step(eCOM_LOAN, -1, 0, -1, -1, -1, 0, 0)},
            age);
        int ok = plan.CheckFeasible(company, 0, 1);
        EXPECT_EQ(ok, age == 12 ? 1 : 0);
        EXPECT_EQ(plan.GetStepCount(), age == 12 ? 3 : 1);
        EXPECT_EQ(plan.GetKind(0), eCOM_RECRUIT_EMPLOYEES);
    }
}

TEST_F(FeasibilityTest, ABlockedStepStripsTheWholePlanCheckedPlan) {
    CCmdPacket plan = PlanOf({Step(eCOM_DESIGNATED_PURCHASE, 3, -1, 0, 1, 1, 1, 1),
                              Step(eCOM_DESIGNATED_PURCHASE, -1, -2, 0, 2, 1, 0),
                              Step(eCOM_CONSTRUCTION, -1, typeKiosk, 0, 2, 1)});
    doc.cells[{0, 2, 1}] = {3, 0, false, true};  // bought by another company meanwhile
    EXPECT_EQ(plan.CheckFeasible(company, 0, 1), 0);
    ASSERT_EQ(plan.GetStepCount(), 1);
    EXPECT_EQ(plan.IsDone(0), 1);
}

TEST_F(FeasibilityTest, EmptyOrFinishedFirstGroups) {
    CCmdPacket empty;
    EXPECT_EQ(empty.CheckFeasible(company, 0, 0), 0);
    EXPECT_EQ(empty.CheckFeasible(company, 0, 1), 0);
    CCmdPacket done = PlanOf({Step(eCOM_LOAN, 2, 0, -1, -1, -1, 1, 1), Step(eCOM_LOAN, -1, 0, -1)});
    // Nothing left to do in the first group: nothing to go ahead with.
    EXPECT_EQ(done.CheckFeasible(company, 0, 0), 0);
    EXPECT_EQ(done.CheckFeasible(company, 0, 1), 1);
}

TEST_F(FeasibilityTest, DirectorAndMoneyTestsOfTheNextSteps) {
    struct SCase {
        const char* name;
        CCmdPacket::SStep step;
        bool director;
        int funds;
        int expected;
    } cases[] = {
        {"recruiting with a free director", Step(eCOM_RECRUIT_EMPLOYEES, -1, 0, -1), true, 0, 1},
        {"recruiting without one", Step(eCOM_HEADHUNTING, -1, 4, -1), false, 0, 0},
        {"advertising within the funds", Step(eCOM_ADVERTISING, -1, 50, 0), true, 50, 1},
        {"advertising beyond them", Step(eCOM_ADVERTISING, -1, 51, 0), true, 50, 0},
        {"stock purchase without a director", Step(eCOM_PURCHASE_STOCK, -1, 0, -1), false, 50, 0},
        {"land with money to spare", Step(eCOM_ACQUIRE_LAND, -1, -1, 0), true, 100000, 1},
        {"land without money", Step(eCOM_ACQUIRE_LAND, -1, -1, 0), true, 0, 0},
        {"land without a director", Step(eCOM_ACQUIRE_LAND, -1, -1, 0), false, 100000, 0},
        {"no command", Step(eCOM_NONE, -1, 0, -1), false, 0, 1},
    };
    map->GetArea(0).AddLevel(100 - map->GetArea(0).GetLevel());
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CEnterprise probe;
        probe.Init(1, kAreas);
        probe.SetFunds(c.funds);
        if (c.director) probe.AddDirector(AddPerson(3));
        CCmdPacket plan = PlanOf({c.step});
        EXPECT_EQ(plan.CheckFeasible(probe, 1, 0), c.expected);
        // The whole-plan check leaves money and directors out.
        EXPECT_EQ(plan.CheckFeasible(probe, 0, 1), 1);
    }
}

TEST_F(FeasibilityTest, PurchaseStepsNeedTheLotAsPlanned) {
    struct SCase {
        const char* name;
        CFakeDocService::SCell cell;  // owner, structure, project, usable
        int param2;
        int expected;
    } cases[] = {
        {"unusable lot", {0, 0, false, false}, -2, 0},
        {"still unowned", {0, 0, false, true}, -2, 1},
        {"planned unowned, now owned", {1, 0, false, true}, -2, 0},
        {"planned from another company", {1, 0, false, true}, -1, 1},
        {"the structure as planned", {1, 4, false, true}, 4, 1},
        {"the structure is ours already", {2, 4, false, true}, 4, 0},
        {"another structure stands there", {1, 5, false, true}, 4, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        doc.cells[{0, 3, 3}] = c.cell;
        CCmdPacket plan = PlanOf({Step(eCOM_DESIGNATED_PURCHASE, -1, c.param2, 0, 3, 3)});
        EXPECT_EQ(plan.CheckFeasible(company, 0, 1), c.expected);
    }
}

class ConstructionFeasibilityTest : public FeasibilityTest {
protected:
    void SetUp() override {
        FeasibilityTest::SetUp();
        for (int y = 2; y <= 3; ++y)
            for (int x = 2; x <= 3; ++x) Own(0, x, y);
        company.SetFunds(9000);
        company.SetEmployees(90);
        company.SetEmployeesAtWork(90);
    }
    // The head office (9000, staff 90) on the 2 x 2 cells up to (3, 3).
    int Check(int whole) {
        CCmdPacket plan = PlanOf({Step(eCOM_CONSTRUCTION, -1, typeHeadOffice, 0, 3, 3)});
        return plan.CheckFeasible(company, 1, whole);
    }
};

TEST_F(ConstructionFeasibilityTest, OwnedEmptyFootprintFundsAndStaff) {
    EXPECT_EQ(Check(0), 1);
    company.SetFunds(8999);
    EXPECT_EQ(Check(0), 0);
    EXPECT_EQ(Check(1), 1);
    company.SetFunds(9000);
    company.SetEmployeesAtWork(89);
    EXPECT_EQ(Check(0), 0);
}

TEST_F(ConstructionFeasibilityTest, EveryFootprintCellCounts) {
    doc.cells[{0, 2, 2}].owner = 0;
    EXPECT_EQ(Check(0), 0);
    EXPECT_EQ(Check(1), 0);
    Own(0, 2, 2);
    doc.cells[{0, 3, 2}].structure = 5;
    EXPECT_EQ(Check(0), 0);
    EXPECT_EQ(Check(1), 0);
}

TEST_F(ConstructionFeasibilityTest, LaterStepsMayWaitForTheirLand) {
    doc.cells[{0, 2, 2}].owner = 0;
    CCmdPacket plan = PlanOf({Step(eCOM_ACQUIRE_LAND, -1, -1, 0, 2, 2),
                              Step(eCOM_CONSTRUCTION, -1, typeHeadOffice, 0, 3, 3)});
    EXPECT_EQ(plan.CheckFeasible(company, 0, 1), 1);
    EXPECT_EQ(plan.GetStepCount(), 2);
}

TEST_F(ConstructionFeasibilityTest, DemolitionNeedsItsCellAndTen) {
    doc.cells[{0, 5, 5}] = {2, 4, false, true};
    CCmdPacket plan = PlanOf({Step(eCOM_CONSTRUCTION, -1, -1, 0, 5, 5)});
    company.SetFunds(10);
    EXPECT_EQ(CCmdPacket(plan).CheckFeasible(company, 0, 0), 1);
    company.SetFunds(9);
    EXPECT_EQ(CCmdPacket(plan).CheckFeasible(company, 0, 0), 0);
    doc.cells[{0, 5, 5}].owner = 3;
    EXPECT_EQ(CCmdPacket(plan).CheckFeasible(company, 0, 1), 0);
}

TEST_F(FeasibilityTest, ReinforcementOfOwnStructuresButNotRubble) {
    company.SetFunds(100);
    company.AddDirector(AddPerson(3));
    struct SCase {
        const char* name;
        int owner, structure, expected;
    } cases[] = {
        {"own flats", 2, typeFlats + 1, 1},
        {"own rubble", 2, typeRubble + 1, 0},
        {"someone else's flats", 3, typeFlats + 1, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        doc.cells[{1, 4, 4}] = {c.owner, c.structure, false, true};
        CCmdPacket plan;
        plan.MakeDemolishOrReinforce(1, 4, 4, 0);
        EXPECT_EQ(plan.CheckFeasible(company, 1, 0), c.expected);
    }
}

TEST_F(FeasibilityTest, TeamsNeedAFreeTeamForSaleAndAStadiumOfTheirSport) {
    map->SetStructureAt(0, 3, 3, typeBallpark + 1);  // code 80: the stadiums of league 0
    CProTeam& team = map->GetLeague(0).GetTeam(1);
    company.SetFunds(1000000);
    struct SCase {
        const char* name;
        int area, x, y;
        bool forSale;
        int owner;
        int expected;
    } cases[] = {
        {"free team for sale at a ballpark", 0, 3, 3, true, -1, 1},
        {"not for sale", 0, 3, 3, false, -1, 0},
        {"owned already", 0, 3, 3, true, 0, 0},
        {"a cell outside the map", 3, 3, 3, true, -1, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        team.SetForSale(c.forSale);
        team.SetOwner(c.owner);
        CCmdPacket plan;
        plan.MakeAcquireProTeam(0, 1, c.area, CCellPoint(c.x, c.y));
        EXPECT_EQ(plan.CheckFeasible(company, 1, 0), c.expected);
    }
    team.SetForSale(1);
    team.SetOwner(-1);
    CCmdPacket plan;
    plan.MakeAcquireProTeam(0, 1, 0, CCellPoint(3, 3));
    company.SetFunds(map->GetLeague(0).GetTeamPrice(1) - 1);
    EXPECT_EQ(CCmdPacket(plan).CheckFeasible(company, 1, 0), 0);
    EXPECT_EQ(CCmdPacket(plan).CheckFeasible(company, 1, 1), 1);
    // Two teams of the sport play there already.
    for (int l : {0, 2}) {
        CProTeam& resident = map->GetLeague(l).GetTeam(0);
        resident.SetHomeField(0, 3, 3);
        resident.SetOwner(0);
    }
    EXPECT_EQ(CCmdPacket(plan).CheckFeasible(company, 1, 1), 0);
}

TEST_F(FeasibilityTest, SupportNeedsATeamOfTheLeague) {
    company.SetFunds(1000000);
    CCmdPacket plan;
    plan.MakeFinancialSupport(2, 0);
    EXPECT_EQ(CCmdPacket(plan).CheckFeasible(company, 1, 0), 0);
    company.SetLeagueTeam(2, 0);
    EXPECT_EQ(CCmdPacket(plan).CheckFeasible(company, 1, 0), 1);
    company.SetFunds(0);
    EXPECT_EQ(CCmdPacket(plan).CheckFeasible(company, 1, 0), 0);
    CCmdPacket badLeague;
    badLeague.MakeFinancialSupport(7, 0);
    EXPECT_EQ(badLeague.CheckFeasible(company, 1, 1), 0);
}

}  // namespace
