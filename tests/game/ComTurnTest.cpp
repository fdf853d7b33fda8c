// A computer company's monthly turn: which plan step runs and who carries
// it out, contracts and teams without a director, dropped plans, and the
// salary steps at the end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComCommandFixture.h"
#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/League.h"
#include "model/PersonData.h"

namespace {

const CCellPoint kLot(1, 2);

class ComTurnTest : public ComCommandTest {
protected:
    void SetUp() override {
        ComCommandTest::SetUp();
        doc.GetMap().GetArea(0).SetCellOwner(kLot.x, kLot.y, kSubject + 1);
        kiosk = FindStructureOfCode(doc.GetMap(), 30);
        ASSERT_GE(kiosk, 0);
    }
    // A plan to build a kiosk on the company's own lot: one construction
    // step that names its structure type.
    CCmdPacket KioskPlan() {
        CCmdPacket plan;
        plan.MakeBuildPlan(kSubject, 0, kLot, kiosk);
        return plan;
    }
    CCmdPacket SinglePlan(int type) {
        CCmdPacket plan;
        plan.MakeSingle(type);
        return plan;
    }
    std::vector<CCmdPacket>& Plans() { return Company(kSubject).GetPlans(); }
    int kiosk = -1;
};

TEST_F(ComTurnTest, WithoutFreeDirectorsOnlyTheStepsThatNeedNoneRun) {
    BusyAllDirectors(kSubject);
    // Company 2 can build here, and the company holds a tenth of it.
    MakeStrongInArea0(2);
    Company(2).SetFunds(100);
    doc.SetStockHolding(2, kSubject, doc.GetStockHolding(2, -1) / 10);
    SetIncome(kSubject, 10000000);
    Plans() = {SinglePlan(CCmdPacket::ePLAN_RECRUIT_EMPLOYEES), KioskPlan()};
    ASSERT_EQ(Plans()[1].GetStepCount(), 1);

    EXPECT_EQ(CComCommand(doc, kSubject).ExecuteNextStep(), 1);
    // The construction went to the other company as a contract bid.
    CEnterprise::SContractBid bid;
    ASSERT_TRUE(Company(kSubject).GetContractBid(bid));
    EXPECT_EQ(bid.contractor, 2);
    EXPECT_EQ(bid.structureType, kiosk);
    EXPECT_TRUE(Plans()[1].IsDone(0));
    EXPECT_FALSE(Plans()[0].IsDone(0));
    for (int i = 0; i < Company(kSubject).GetDirectorCount(); ++i)
        EXPECT_EQ(Company(kSubject).GetDirector(i)->GetTaskKind(), CPersonData::eTASK_RECRUIT_EMPLOYEES);
    // Nothing else can be done.
    EXPECT_EQ(CComCommand(doc, kSubject).ExecuteNextStep(), 0);
}

TEST_F(ComTurnTest, ATeamIsBoughtWithoutADirectorAndItsPlanGoes) {
    BusyAllDirectors(kSubject);
    Company(kSubject).SetFunds(1000000);
    CMapDoc& map = doc.GetMap();
    // The free team of league 1 with its arena in area 0.
    const int league = 1, team = 1;
    map.GetLeague(league).GetTeam(team).SetForSale(1);
    CCmdPacket plan;
    plan.MakeAcquireProTeam(league, team, 0, CCellPoint(5, 4));
    Plans() = {plan};
    ASSERT_EQ(CComCommand(doc, kSubject).ExecuteNextStep(), 1);
    EXPECT_TRUE(Plans().empty());
    EXPECT_EQ(Company(kSubject).GetLeagueTeam(league), team);
}

TEST_F(ComTurnTest, ARunnablePlanGoesOnAndNoNewPlanIsMade) {
    Plans() = {SinglePlan(CCmdPacket::ePLAN_RECRUIT_EMPLOYEES)};
    for (int seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        CRuntimeRandom::Seed(seed);
        Plans()[0].SetDone(0, 0);
        const int before = static_cast<int>(Plans().size());
        CComCommand com(doc, kSubject);
        ASSERT_TRUE(com.HasRunnablePlan());
        EXPECT_EQ(com.PlanAndExecute(), 1);
        EXPECT_EQ(static_cast<int>(Plans().size()), before);
        EXPECT_TRUE(Plans()[0].IsDone(0));
        // The task went to one of the company's directors, now busy.
        const CPersonData* director = doc.GetDirector(Plans()[0].GetParam1(0));
        ASSERT_NE(director, nullptr);
        EXPECT_EQ(director->GetTaskKind(), CPersonData::eTASK_RECRUIT_EMPLOYEES);
        for (int i = 0; i < Company(kSubject).GetDirectorCount(); ++i)
            Company(kSubject).GetDirector(i)->AssignTask(0, 0);
    }
}

TEST_F(ComTurnTest, EqualScoresGiveTheStepToTheEarlierDirector) {
    // No Analysis: the scores are the aptitudes themselves.
    SetAbilities(President(kSubject), {5, 0, 5, 5, 5}, 3);
    CEnterprise& company = Company(kSubject);
    ASSERT_EQ(company.GetDirectorCount(), 2);
    struct SCase {
        const char* name;
        std::array<int, 5> first, second;
        int winner;
    };
    const std::vector<SCase> cases = {
        {"equal", {5, 5, 5, 5, 5}, {5, 5, 5, 5, 5}, 0},
        {"the second better", {5, 5, 5, 5, 5}, {9, 9, 9, 9, 9}, 1},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetAbilities(*company.GetDirector(0), c.first, 3);
        SetAbilities(*company.GetDirector(1), c.second, 3);
        for (int i = 0; i < 2; ++i) company.GetDirector(i)->AssignTask(0, 0);
        Plans() = {SinglePlan(CCmdPacket::ePLAN_RECRUIT_EMPLOYEES)};
        ASSERT_EQ(CComCommand(doc, kSubject).ExecuteNextStep(), 1);
        EXPECT_EQ(Plans()[0].GetParam1(0), company.GetDirectorIndex(c.winner));
    }
}

TEST_F(ComTurnTest, InfeasiblePlansAreDroppedAndTheOthersKept) {
    CCmdPacket old = SinglePlan(CCmdPacket::ePLAN_RECRUIT_EMPLOYEES);
    for (int m = 0; m <= CCmdPacket::kMaxAge; ++m) old.AddAge();
    CCmdPacket lostLot = KioskPlan();
    Plans() = {old, SinglePlan(CCmdPacket::ePLAN_LOAN), lostLot, old};
    // The lot is sold meanwhile.
    doc.GetMap().GetArea(0).SetCellOwner(kLot.x, kLot.y, 0);
    EXPECT_EQ(CComCommand(doc, kSubject).DropInfeasiblePlans(), 1);
    ASSERT_EQ(Plans().size(), 1u);
    EXPECT_EQ(Plans()[0].GetPlanType(), CCmdPacket::ePLAN_LOAN);
    EXPECT_EQ(CComCommand(doc, kSubject).DropInfeasiblePlans(), 0);
}

TEST_F(ComTurnTest, AFinishedTaskReleasesItsDirectorsStep) {
    Plans() = {SinglePlan(CCmdPacket::ePLAN_LOAN), SinglePlan(CCmdPacket::ePLAN_RECRUIT_EMPLOYEES)};
    const int director = game.Director(kSubject, 1);
    Plans()[1].SetParam1(0, director);
    Plans()[1].SetDone(0, 1);
    doc.DropDirectorPlan(kSubject, director);
    ASSERT_EQ(Plans().size(), 1u);
    EXPECT_EQ(Plans()[0].GetPlanType(), CCmdPacket::ePLAN_LOAN);
}

TEST_F(ComTurnTest, AHeadhuntingStepNamingNobodyIsDropped) {
    CCmdPacket plan;
    plan.MakeHeadhunting(doc.GetDirectorTableSize() + 5);
    Plans() = {plan};
    EXPECT_EQ(CComCommand(doc, kSubject).ExecuteNextStep(), 1);
    EXPECT_TRUE(Plans().empty());
    for (int i = 0; i < Company(kSubject).GetDirectorCount(); ++i)
        EXPECT_FALSE(Company(kSubject).GetDirector(i)->HasTask());
}

TEST_F(ComTurnTest, SalariesAreSetAfterThePlansEveryMonth) {
    CEnterprise& company = Company(kSubject);
    for (int month = 0; month < 3; ++month) {
        SCOPED_TRACE(month);
        CRuntimeRandom::Seed(100 + month);
        for (int i = 0; i < company.GetDirectorCount(); ++i) company.GetDirector(i)->SetSalary(777);
        company.SetStandardSalary(1);
        TakeLog();
        CComCommand(doc, kSubject).RunMonth();
        const std::vector<std::string> log = TakeLog();
        EXPECT_GT(company.GetStandardSalary(), 1);
        // The salary lines close the turn's report.
        size_t firstSalary = log.size();
        for (size_t i = 0; i < log.size(); ++i)
            if (log[i].find("salary") != std::string::npos) {
                firstSalary = std::min(firstSalary, i);
            }
        ASSERT_LT(firstSalary, log.size());
        for (size_t i = firstSalary; i < log.size(); ++i)
            EXPECT_NE(log[i].find("salar"), std::string::npos) << log[i];
        for (int i = 0; i < company.GetDirectorCount(); ++i)
            EXPECT_NE(company.GetDirector(i)->GetSalary(), 777);
    }
}

TEST_F(ComTurnTest, TheMonthlyTurnAlwaysEnds) {
    struct SState {
        const char* name;
        int funds, income;
        bool strong, busy;
    };
    const std::vector<SState> states = {
        {"poor", -5000, 0, false, false},
        {"rich and strong", 200000, 50000, true, false},
        {"busy", 5000, 3000, true, true},
        {"ordinary", 5000, 3000, false, false},
    };
    for (const SState& s : states)
        for (int seed = 1; seed <= 6; ++seed) {
            SCOPED_TRACE(std::string(s.name) + " " + std::to_string(seed));
            CRuntimeRandom::Seed(seed);
            for (int c = 1; c <= 2; ++c) {
                Company(c).SetFunds(s.funds);
                SetIncome(c, s.income);
                if (s.strong) MakeStrongInArea0(c);
                if (s.busy) BusyAllDirectors(c);
                for (int month = 0; month < 2; ++month) {
                    CComCommand(doc, c).RunMonth();
                    doc.AdvancePlans();
                }
            }
        }
}

}  // namespace
