// The monthly steps of persons that reach into the document: tasks that can
// fail, head hunting, resignations, and the formulas of the task handlers.

#include <gtest/gtest.h>

#include <algorithm>

#include "model/PersonData.h"
#include "model/PersonFixtures.h"

namespace {

using Calls = std::vector<std::string>;

class PersonTaskTest : public PersonTest {
protected:
    // A director of company 0 (index 4) on a designated purchase of the
    // cell (5, 6) in area 2, where structure 9 stood when the task was given.
    CPersonData DesignatedBuyer() {
        CPersonData person;
        person.SetIndex(4);
        Employ(person, 0, 500);
        person.AssignTask(CPersonData::eTASK_DESIGNATED_PURCHASE, 5000);
        person.SetTaskArea(2);
        person.SetTaskTarget(5, 6);
        person.SetTaskParam(0, 9);
        doc.cells[{2, 5, 6}] = {0, 9, false};
        return person;
    }
};

TEST_F(PersonTaskTest, DesignatedPurchaseFailsWhenTheLotChanged) {
    struct Case {
        const char* what;
        CFakeDocService::SCell cell;
        int reason;
    };
    for (Case c : std::initializer_list<Case>{
             {"bought by the own company", {1, 9, false}, 0},
             {"another structure stands there", {0, 3, false}, 1},
             {"became part of the project", {0, 9, true}, 2},
         }) {
        SCOPED_TRACE(c.what);
        doc.calls.clear();
        frame.calls.clear();
        CPersonData person = DesignatedBuyer();
        doc.cells[{2, 5, 6}] = c.cell;
        EXPECT_EQ(person.AdvanceTask(), 0);
        EXPECT_FALSE(person.HasTask());
        EXPECT_EQ(doc.calls,
                  (Calls{"ReportPurchaseFailure(0,4,2,5,6," + std::to_string(c.reason) + ")",
                         "DropDirectorPlan(0,4)"}));
        EXPECT_EQ(frame.calls, Calls{"RefreshInfoPanels"});
    }
}

TEST_F(PersonTaskTest, DesignatedPurchaseGoesOnWhileTheLotIsUnchanged) {
    CPersonData person = DesignatedBuyer();
    doc.networkHost = true;
    doc.companies[0].human = true;
    EXPECT_EQ(person.AdvanceTask(), 0);
    EXPECT_TRUE(person.HasTask());
    EXPECT_TRUE(doc.calls.empty());
    // A human player's failure: no plan to drop; the host tells the others.
    doc.cells[{2, 5, 6}].owner = 1;
    EXPECT_EQ(person.AdvanceTask(), 0);
    EXPECT_EQ(doc.calls, (Calls{"ReportPurchaseFailure(0,4,2,5,6,0)", "SendPersonState(4,RECORD)",
                                "SendRefreshInfo"}));
}

TEST_F(PersonTaskTest, LandSearchForgetsAStaleLotAndKeepsTheBestScore) {
    CPersonData person;
    person.SetIndex(1);
    Employ(person, 0, 500);
    person.AssignTask(CPersonData::eTASK_LAND_PURCHASE, 5000);
    person.SetTaskArea(3);
    person.SetTaskParam(0, 800);  // price limit
    doc.lotScore = 40;
    doc.lot = {7, 8, 300, 2, 310};
    person.AdvanceTask();
    EXPECT_EQ(doc.calls, Calls{"FindLotForDirector(800)"});
    EXPECT_EQ(person.GetTaskTargetX(), 7);
    EXPECT_EQ(person.GetTaskTargetY(), 8);
    EXPECT_EQ(person.GetTaskParam(1), 40);
    EXPECT_EQ(person.GetTaskParam(2), 300);
    EXPECT_EQ(person.GetTaskParam(3), 3);  // direction + 1
    EXPECT_EQ(person.GetTaskParam(4), 310);

    doc.lotScore = 40;  // not better: the lot stays
    doc.lot = {1, 1, 5, -1, 0};
    person.AdvanceTask();
    EXPECT_EQ(person.GetTaskTargetX(), 7);

    doc.cells[{3, 7, 8}].structure = 12;  // built on meanwhile: forgotten
    doc.lotScore = 0;
    person.AdvanceTask();
    EXPECT_EQ(person.GetTaskTargetX(), -1);
    EXPECT_EQ(person.GetTaskTargetY(), -1);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(person.GetTaskParam(i), 0);
    EXPECT_EQ(person.GetTaskParam(0), 800);
}

TEST_F(PersonTaskTest, ReinforcementEndsWhenTheDocumentBreaksItOff) {
    CPersonData person;
    person.AssignTask(CPersonData::eTASK_REINFORCEMENT, 100);
    doc.reinforcementGoesOn = false;
    EXPECT_EQ(person.AdvanceTask(), 0);
    doc.reinforcementGoesOn = true;
    person.AssignTask(0, 0);
    person.AssignTask(CPersonData::eTASK_REINFORCEMENT, 100);
    EXPECT_EQ(person.AdvanceTask(), 1);
}

// Company 0 hunts director 1 of company 1 through its director 0.
class HeadHuntTest : public PersonTaskTest {
protected:
    void SetUp() override {
        PersonTaskTest::SetUp();
        directors.resize(2);
        for (int i = 0; i < 2; ++i) directors[static_cast<size_t>(i)].SetIndex(i);
        doc.companies[0].directorCount = 2;
        doc.companies[1].directorCount = 3;
        Employ(hunter(), 0, 1000);
        Employ(target(), 1, 0);
        target().SetRelation(0, 2000);
        hunter().AssignTask(CPersonData::eTASK_HEAD_HUNTING, 100000);
        hunter().SetTaskParam(0, 1);
        hunter().SetTaskParam(1, 1);
    }
    CPersonData& hunter() { return directors[0]; }
    CPersonData& target() { return directors[1]; }
};

TEST_F(HeadHuntTest, TheTargetChangesSides) {
    doc.companies[1].human = true;
    EXPECT_EQ(hunter().AdvanceTask(), 0);
    EXPECT_EQ(target().GetEmployerNo(), 1);
    EXPECT_FALSE(hunter().HasTask());
    EXPECT_EQ(doc.calls,
              (Calls{"ReportHeadhuntLoss(1,1,0)", "ReportHeadhuntNotice(0,1)",
                     "RemoveDirector(1,1)", "AddDirector(0,1)", "DropDirectorPlan(0,0)"}));
    EXPECT_EQ(doc.companies[0].directorCount, 3);
    EXPECT_GT(hunter().GetExperience(2), 0);  // Negotiation weighs most in head hunting
}

TEST_F(HeadHuntTest, HostSendsTheChangedStaff) {
    doc.networkHost = true;
    doc.companies[0].human = true;
    EXPECT_EQ(hunter().HeadHuntStep(), 1);
    EXPECT_EQ(
        doc.calls,
        (Calls{"ReportHeadhuntSucceeded(0,0,1)", "ReportHeadhuntNotice(0,1)",
               "SendPersonState(1,RELATIONS)", "SendPersonState(1,EXPERIENCE)",
               "SendPersonState(1,STATUS)", "RemoveDirector(1,1)", "AddDirector(0,1)",
               "SendPersonState(1,SALARY)", "SendPersonState(1,RELATIONS)", "SendDirectorList(0)",
               "SendDirectorList(1)", "SendPersonState(0,RECORD)", "SendRefreshInfo"}));
}

TEST_F(HeadHuntTest, TheTargetStaysWhileBusyAndTheRelationGrows) {
    target().AssignTask(CPersonData::eTASK_RAISE_FUNDS, 100);
    target().SetRelation(0, 100);
    EXPECT_EQ(hunter().HeadHuntStep(), 0);
    EXPECT_TRUE(hunter().HasTask());
    EXPECT_EQ(target().GetEmployerNo(), 2);
    // (3000 + 1500 + 1000) / 140 = 39, varied by up to 13, halved, x 10 / 8.
    EXPECT_GE(target().GetRelation(0), 100 + 26 * 10 / 2 / 8);
    EXPECT_LE(target().GetRelation(0), 100 + 52 * 10 / 2 / 8);
    EXPECT_TRUE(doc.calls.empty());
}

TEST_F(HeadHuntTest, TheHuntFailsWhenTheTargetMovedOn) {
    doc.companies[0].human = true;
    target().SetEmployer(3);
    EXPECT_EQ(hunter().HeadHuntStep(), 1);
    EXPECT_FALSE(hunter().HasTask());
    EXPECT_EQ(doc.calls, Calls{"ReportHeadhuntFailed(0,0)"});
    // A target index outside the table fails the same way.
    doc.calls.clear();
    hunter().AssignTask(CPersonData::eTASK_HEAD_HUNTING, 100);
    hunter().SetTaskParam(0, 99);
    EXPECT_EQ(hunter().HeadHuntStep(), 1);
    EXPECT_EQ(doc.calls, Calls{"ReportHeadhuntFailed(0,0)"});
}

TEST_F(HeadHuntTest, AnExtremeSociabilityDividesNothingByZero) {
    SRawPerson raw;
    raw.sociability = 6;
    target().TakeBaseRecord(LoadBasePerson(raw.Bytes()));
    std::vector<uint8_t> bytes = StorePerson(target());
    Put16(bytes, 6, 10);  // sociability 10 in a saved record
    LoadPerson(target(), bytes);
    ASSERT_EQ(target().GetSociability(), 10);
    target().AssignTask(CPersonData::eTASK_RAISE_FUNDS, 100);
    EXPECT_EQ(hunter().HeadHuntStep(), 0);
}

TEST_F(PersonTaskTest, ResignationNeedsFourMonthsAndASpareDirector) {
    auto resigns = [&](int monthsServed, int directorCount) {
        doc.companies[1].directorCount = directorCount;
        for (int i = 0; i < 200; ++i) {
            doc.currentMonthIndex = 0;
            CPersonData person;
            person.SetIndex(3);
            Employ(person, 1, 0);
            doc.currentMonthIndex = monthsServed;
            if (person.TryResign()) return true;
        }
        return false;
    };
    EXPECT_FALSE(resigns(3, 3));
    EXPECT_FALSE(resigns(12, 1));
    EXPECT_TRUE(doc.calls.empty());
    EXPECT_TRUE(resigns(4, 3));
    EXPECT_EQ(doc.calls, (Calls{"ReportResignation(1,3)", "RemoveDirector(1,3)"}));
}

TEST_F(PersonTaskTest, ResignationOnTheHost) {
    doc.networkHost = true;
    doc.companies[1].directorCount = 2;
    CPersonData person;
    person.SetIndex(3);
    Employ(person, 1, 0);
    doc.currentMonthIndex = 10;
    for (int i = 0; i < 200 && person.GetEmployerNo() != 0; ++i) person.TryResign();
    ASSERT_EQ(person.GetEmployerNo(), 0);
    EXPECT_EQ(doc.calls, (Calls{"ReportResignation(1,3)", "RemoveDirector(1,3)",
                                "SendDirectorList(1)", "SendPersonState(3,RELATIONS)",
                                "SendPersonState(3,EXPERIENCE)", "SendPersonState(3,STATUS)"}));
}

TEST_F(PersonTaskTest, ChangeEmployerCoolsTheOtherRelations) {
    doc.currentMonthIndex = 9;
    CPersonData person;
    Employ(person, 1, 900);
    person.SetRelation(0, 300);
    person.SetRelation(2, 600);
    person.ChangeEmployer(2);
    EXPECT_EQ(person.GetEmployerNo(), 3);
    EXPECT_EQ(person.GetHireMonth(), 9);
    EXPECT_EQ(person.GetRelation(0), 200);
    EXPECT_EQ(person.GetRelation(1), 450);
    EXPECT_EQ(person.GetRelation(2), 600);
    EXPECT_TRUE(doc.calls.empty());  // not the host
}

TEST_F(PersonTaskTest, OnlyFormerEmployeesLeaveTheirFormerEmployer) {
    CPersonData employed;
    employed.SetEmployer(2);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(employed.TryLeaveFormerEmployer(), 0);
    int left = 0;
    for (int i = 0; i < 100; ++i) {
        CPersonData former;
        former.SetEmployer(-2);
        // Random(max(100 - 60, 30)) < 20: about half leave.
        if (former.TryLeaveFormerEmployer()) {
            ++left;
            EXPECT_EQ(former.GetEmployerNo(), 0);
        }
    }
    EXPECT_GT(left, 25);
    EXPECT_LT(left, 75);
}

TEST_F(PersonTaskTest, MonthlyDriftLowersRelationsAndTellsThePlayers) {
    doc.networkHost = true;
    CPersonData person;
    person.ResetRelations(3);
    for (int c = 0; c < 3; ++c) person.SetRelation(c, 1000);
    for (int month = 0; month < 10; ++month) person.MonthlyDrift();
    for (int c = 0; c < 3; ++c) {
        EXPECT_LT(person.GetRelation(c), 1000);
        EXPECT_GE(person.GetRelation(c), 1000 - 10 * 3);  // Random(7 - 3) each month
    }
    EXPECT_GE(person.GetAmount(), 0);
    EXPECT_LE(person.GetAmount(), 10 * 5);
    EXPECT_FALSE(doc.calls.empty());
    EXPECT_EQ(doc.calls.front(), "SendPersonState(-1,RELATIONS)");
    doc.calls.clear();
    CPersonData lonely;  // no relation to lose
    lonely.MonthlyDrift();
    EXPECT_TRUE(doc.calls.empty());
}

TEST_F(PersonTaskTest, ASociabilityAboveSevenFromASavedGameLosesNothing) {
    CPersonData person;
    person.ResetRelations(2);
    person.SetRelation(0, 2000);
    person.SetRelation(1, 0);
    std::vector<uint8_t> bytes = StorePerson(person);
    for (int sociability : {8, 65535}) {
        bytes.at(6) = uint8_t(sociability);
        bytes.at(7) = uint8_t(sociability >> 8);
        CPersonData loaded;
        LoadPerson(loaded, bytes);
        ASSERT_EQ(loaded.GetSociability(), sociability);
        for (int month = 0; month < 50; ++month) loaded.MonthlyDrift();
        EXPECT_EQ(loaded.GetRelation(0), 2000) << sociability;
        EXPECT_EQ(loaded.GetRelation(1), 0) << sociability;
    }
}

TEST_F(PersonTaskTest, ExtendRelationsForNewCompanies) {
    SRawPerson raw;
    raw.table = 1;
    CPersonData governor = FromRaw(raw);
    CPersonData director;
    governor.ResetRelations(1);
    director.ResetRelations(1);
    governor.SetRelation(0, 1234);
    doc.companies.resize(40);
    governor.ExtendRelations();
    director.ExtendRelations();
    ASSERT_EQ(governor.GetRelationCount(), 40);
    ASSERT_EQ(director.GetRelationCount(), 40);
    EXPECT_EQ(governor.GetRelation(0), 1234);
    EXPECT_EQ(director.GetRelation(0), 0);
    for (int c = 1; c < 40; ++c) {
        EXPECT_GE(governor.GetRelation(c), 200);
        EXPECT_LE(governor.GetRelation(c), 600);
        EXPECT_LE(director.GetRelation(c), 1332);
    }
}

TEST_F(PersonTaskTest, TaskTests) {
    // A league of kind 0 plays in code-80 stadiums, any other kind in code-85 ones.
    doc.structureCodes = {{0, 60}, {1, 61}, {2, 80}, {3, 85}, {4, 10}};
    CPersonData person;
    person.AssignTask(CPersonData::eTASK_CONSTRUCTION, 100);
    person.SetTaskArea(2);
    struct Case {
        int type;
        bool office, stadium0, stadium1;
    };
    for (Case c : std::initializer_list<Case>{{0, true, false, false},
                                              {1, true, false, false},
                                              {2, false, true, false},
                                              {3, false, false, true},
                                              {4, false, false, false}}) {
        SCOPED_TRACE(c.type);
        person.SetTaskParam(0, c.type);
        EXPECT_EQ(person.IsBuildingOffice(2), c.office);
        EXPECT_FALSE(person.IsBuildingOffice(1));
        EXPECT_EQ(person.IsBuildingSportsFacility(0), c.stadium0);
        EXPECT_EQ(person.IsBuildingSportsFacility(1), c.stadium1);
    }
    EXPECT_FALSE(person.IsHuntingPerson(0));
    person.AssignTask(CPersonData::eTASK_HEAD_HUNTING, 100);
    person.SetTaskParam(0, 6);
    EXPECT_TRUE(person.IsHuntingPerson(6));
    EXPECT_FALSE(person.IsBuildingOffice(-1));
}

TEST_F(PersonTaskTest, FormulasOfTheTaskHandlers) {
    CPersonData person;  // abilities 30, no employer
    EXPECT_EQ(person.CalcSearchPower(), 7 + 19);
    EXPECT_EQ(person.CalcSearchDivisor(), 1000 / 60);
    EXPECT_EQ(person.CalcAdvertisingEffect(10), 20);  // sqrt(70 x 6)
    EXPECT_EQ(person.CalcAdvertisingEffect(2), 8);    // sqrt(70 x 1)
    EXPECT_EQ(person.CalcInvestmentEffect(3), 10);    // pow(3 x 5300 / 100, 0.6) / 2
    EXPECT_EQ(person.CalcInvestmentEffect(-3), 0);    // no power of a negative
    doc.companies[1].totalAreaGrade = 400;
    EXPECT_EQ(person.CalcRecruitableEmployees(1), 77);  // 100 x pow(590, 0.9) / 200 / 2
    EXPECT_EQ(person.EstimateBudget(true), 333 + 356);
    int reinforcement = person.CalcReinforcement();  // (3000 varied + 500) / 100
    EXPECT_GE(reinforcement, 32);
    EXPECT_LE(reinforcement, 38);
    CPersonData found = WithAbilities(30);
    int remark = person.RateFoundTalent(found);
    EXPECT_GE(remark, 0);
    EXPECT_LE(remark, 3);
}

TEST_F(PersonTaskTest, StockPurchaseBuysNothingAtAZeroPrice) {
    CPersonData person = WithAbilities(100);  // aptitude 100000: apt 1000 (or near)
    Employ(person, 0, 1000);
    doc.stock = {{0}, {10000, 0, 0, 0}, {0}};
    doc.companies[0].funds = 600;
    int shares = -1, price = -1;
    for (int seed = 1; seed <= 20; ++seed) {
        CRuntimeRandom::Seed(static_cast<uint32_t>(seed));
        doc.companies[1].stockPrice = 1;  // 1 x 60 / 100 = 0
        EXPECT_EQ(person.PlanStockPurchase(1, shares, price), 0);
        EXPECT_EQ(shares, 0);
    }
    int bought = 0;
    for (int seed = 1; seed <= 20; ++seed) {
        CRuntimeRandom::Seed(static_cast<uint32_t>(seed));
        doc.companies[1].stockPrice = 100;
        if (!person.PlanStockPurchase(1, shares, price)) continue;
        ++bought;
        EXPECT_EQ(price, 60);
        EXPECT_GE(shares, 1);
        EXPECT_LE(shares, 10);  // funds 600 / 60
    }
    EXPECT_GT(bought, 10);
    // Nothing to buy: every issued share is held already, or none was issued.
    doc.stock[1] = {500, 250, 250, 0};
    EXPECT_EQ(person.PlanStockPurchase(1, shares, price), 0);
    doc.stock[1] = {0, 0, 0, 5};
    EXPECT_EQ(person.PlanStockPurchase(1, shares, price), 0);
}

}  // namespace
