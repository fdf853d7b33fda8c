// Company events: exhibitions, the founding of a new computer company, the
// merger into another company and the release of everything on leaving.

#include <gtest/gtest.h>

#include <algorithm>

#include "model/PlanWorldFixture.h"

namespace {

class ExhibitionTest : public PlanWorldTest {
protected:
    void SetUp() override {
        PlanWorldTest::SetUp();
        company.SetAreaGrade(0, 300, 1);
        company.SetAreaGrade(1, 300, 1);
        director = Hire(company, 4);
        persons[static_cast<size_t>(director)].ResetRelations(2);
        persons[static_cast<size_t>(director)].SetRelation(1, 1000);
    }
    int Relation() const { return persons[static_cast<size_t>(director)].GetRelation(1); }
    int director = -1;
};

TEST_F(ExhibitionTest, NothingBelowLevelThree) {
    company.SetAreaLevel(0, 2);
    size_t entries = company.GetHistory().size();
    company.HoldExhibition(0, 1, 300);
    company.HoldExhibition(5, 1, 300);
    EXPECT_EQ(company.GetHistory().size(), entries);
    EXPECT_EQ(company.GetAreaGrade(0), 300);
    EXPECT_EQ(company.GetRating(), 0);
    EXPECT_EQ(Relation(), 1000);
}

struct SExhibitionCase {
    const char* name;
    int success;
    int gradeLow, gradeHigh;  // change of every area grade
    int moraleLow, moraleHigh;
    int relationLow, relationHigh;
};

TEST_F(ExhibitionTest, SuccessAndFailureOfValue300) {
    // a = 20 (failure: -(20 / 2) = -10), d = Random(a / 2) + a; b = 10,
    // morale 3 b or -20 b plus Random of its half; relations (+-b) / 2 likewise.
    const SExhibitionCase cases[] = {
        {"success", 1, 20, 29, 30, 44, 5, 6},
        {"failure", 0, -14, -10, -100, -100, -6, -5},
    };
    for (const SExhibitionCase& c : cases) {
        SCOPED_TRACE(c.name);
        company.SetAreaLevel(1, 3);
        company.SetAreaGrade(0, 300, 1);
        company.SetAreaGrade(1, 300, 1);
        company.SetMorale(0);
        persons[static_cast<size_t>(director)].SetRelation(1, 1000);
        company.HoldExhibition(1, c.success, 300);
        for (int area : {0, 1}) {
            EXPECT_GE(company.GetAreaGrade(area) - 300, c.gradeLow);
            EXPECT_LE(company.GetAreaGrade(area) - 300, c.gradeHigh);
        }
        EXPECT_GE(company.GetRating(), c.moraleLow);
        EXPECT_LE(company.GetRating(), c.moraleHigh);
        EXPECT_GE(Relation() - 1000, c.relationLow);
        EXPECT_LE(Relation() - 1000, c.relationHigh);
        const CHistory& entry = company.GetHistory().back();
        EXPECT_EQ(entry.GetKind(), CHistory::kindExhibition);
        EXPECT_EQ(ParamsOf(entry), (std::vector<int>{1, c.success ? 0 : 1}));
    }
}

TEST_F(ExhibitionTest, TheHostSendsGradesAfterEachArea) {
    doc.networkHost = true;
    company.SetAreaLevel(0, 4);
    company.HoldExhibition(0, 1, 90);
    EXPECT_EQ(doc.calls,
              (std::vector<std::string>{
                  "SendCompanyState(1,AREA_GRADES)", "SendCompanyState(1,AREA_GRADES)",
                  "SendCompanyState(1,STAFF_FIGURES)", "SendCompanyState(1,DIRECTOR_RELATIONS)"}));
}

class NewCompanyTest : public PlanWorldTest {
protected:
    void SetUp() override {
        PlanWorldTest::SetUp();
        doc.currentMonthIndex = 24;
        // The new company is the last one; its president is not chosen yet.
        company.SetPresident(0);
        for (int i = 0; i < map->GetCompanyNameCount(); ++i)
            if (i != kFreeName) map->SetCompanyNameUser(i, 0);
        AddPerson(9, "Late Starter", 3);
        int employed = AddPerson(9, "Busy Bee");
        persons[static_cast<size_t>(employed)].SetEmployer(1);
        candidate = AddPerson(4, "Nora Candidate", 2);
    }
    static constexpr int kFreeName = 4;
    int candidate = -1;
};

TEST_F(NewCompanyTest, TakesAFreeNameAPresidentFundsAndGrades) {
    ASSERT_TRUE(CEnterprise::CanSetUpNewComputerCompany());
    ASSERT_EQ(company.SetUpNewComputerCompany(), 1);
    EXPECT_EQ(company.GetName(), map->GetCompanyNameEntry(kFreeName));
    EXPECT_EQ(company.GetNameSlot(), kFreeName);
    EXPECT_EQ(map->GetCompanyNameUser(kFreeName), 1);
    EXPECT_EQ(company.GetPresidentNumber(), candidate + 1);
    EXPECT_EQ(company.GetPresidentName(), "Nora Candidate");
    const CPersonData& president = persons[static_cast<size_t>(candidate)];
    EXPECT_EQ(president.GetEmployer(), 1);
    EXPECT_EQ(president.GetPresidentFlag(), 1);
    EXPECT_FALSE(company.IsHumanPlayed());
    // f = RandomVary(7 x 24 + 350, 7 x 24 + 100) on top of the start funds;
    // half of it in shares issued.
    int f = company.GetFunds() - CEnterprise::kStartFunds;
    EXPECT_GE(f, 518 - 268);
    EXPECT_LE(f, 518 + 268);
    EXPECT_EQ(doc.stock.at(1).at(0), f / 2);
    EXPECT_NE(std::find(doc.calls.begin(), doc.calls.end(), "ChooseCompanyColour(1)"),
              doc.calls.end());
    EXPECT_NE(std::find(doc.calls.begin(), doc.calls.end(), "ChooseStartArea(1)"), doc.calls.end());
    int grade = company.GetAreaGrade(0);
    EXPECT_EQ(company.GetAreaGrade(1), grade);
    EXPECT_GE(grade, 300 - 133);
    EXPECT_LE(grade, 300 + 133);
}

TEST_F(NewCompanyTest, TheBestRatedOfTheDrawsPresides) {
    int strong = AddPerson(9, "Strong Candidate", 0);
    ASSERT_GT(persons[static_cast<size_t>(strong)].GetBaseRating(),
              persons[static_cast<size_t>(candidate)].GetBaseRating());
    int strongChosen = 0;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        CRuntimeRandom::Seed(seed);
        CEnterprise founded;
        founded.Init(1, kAreas);
        doc.enterprises[1] = &founded;
        for (int p : {strong, candidate}) persons[static_cast<size_t>(p)].SetEmployer(0);
        map->SetCompanyNameUser(kFreeName, -1);
        ASSERT_EQ(founded.SetUpNewComputerCompany(), 1);
        strongChosen += founded.GetPresidentNumber() == strong + 1;
    }
    doc.enterprises[1] = &company;
    // Four draws from two: the weaker one only when every draw is his.
    EXPECT_GE(strongChosen, 15);
}

TEST_F(NewCompanyTest, NothingIsFoundedWithoutANameOrAPresident) {
    struct SCase {
        const char* name;
        bool nameFree;
        bool personFree;
    } cases[] = {{"no company name left", false, true}, {"nobody to preside", true, false}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        map->SetCompanyNameUser(kFreeName, c.nameFree ? -1 : 0);
        persons[static_cast<size_t>(candidate)].SetEmployer(c.personFree ? 0 : 1);
        doc.calls.clear();
        EXPECT_FALSE(CEnterprise::CanSetUpNewComputerCompany());
        EXPECT_EQ(company.SetUpNewComputerCompany(), 0);
        EXPECT_EQ(company.GetPresidentNumber(), 0);
        EXPECT_EQ(company.GetName(), "");
        EXPECT_EQ(company.GetFunds(), CEnterprise::kStartFunds);
        EXPECT_TRUE(doc.calls.empty());
    }
}

class MergerTest : public PlanWorldTest {
protected:
    void SetUp() override {
        PlanWorldTest::SetUp();
        other.SetName("Aster Holdings");
        company.SetName("Cobalt Works");
        for (int x : {0, 1}) map->GetArea(0).SetCellOwner(x, 5, 2);
        map->GetArea(1).SetCellOwner(4, 4, 2);
        map->GetArea(1).SetCellOwner(5, 4, 1);
        company.AddAreaBuildings(0, 2);
        company.AddAreaBuildings(1, 1);
        other.AddAreaBuildings(1, 1);
        director = Hire(company, 4);
    }
    int director = -1;
};

TEST_F(MergerTest, LotsHoldingsAndStaffPassToTheAbsorber) {
    company.SetEmployees(100);
    company.SetEmployeesAtWork(80);
    company.SetMorale(40);
    other.SetEmployees(300);
    other.SetEmployeesAtWork(300);
    other.SetMorale(-20);
    company.MergeInto(0);

    EXPECT_EQ(map->GetArea(0).GetCellOwner(0, 5), 1);
    EXPECT_EQ(map->GetArea(0).GetCellOwner(1, 5), 1);
    EXPECT_EQ(map->GetArea(1).GetCellOwner(4, 4), 1);
    EXPECT_EQ(other.GetAreaBuildings(0), 2);
    EXPECT_EQ(other.GetAreaBuildings(1), 2);
    EXPECT_EQ(other.GetAreaRecord(0).GetBuildings(), 4);

    EXPECT_EQ(persons[0].GetEmployerNo(), 0);
    EXPECT_EQ(persons[0].GetPresidentFlag(), 0);
    EXPECT_EQ(persons[static_cast<size_t>(director)].GetEmployer(), 0);
    ASSERT_EQ(other.GetDirectorCount(), 1);
    EXPECT_EQ(other.GetDirectorIndex(0), director);

    // (40 x 100 - 20 x 300) / 400 / 2 = -5 / 2 = -2
    EXPECT_EQ(other.GetEmployees(), 400);
    EXPECT_EQ(other.GetEmployeesAtWork(), 380);
    EXPECT_EQ(other.GetRating(), -2);

    for (CEnterprise* e : {&other, &company}) {
        ASSERT_EQ(e->CountHistoryOfKind(CHistory::kindMerger), 1);
        const CHistory& entry =
            *std::find_if(e->GetHistory().begin(), e->GetHistory().end(),
                          [](const CHistory& h) { return h.GetKind() == CHistory::kindMerger; });
        EXPECT_EQ(entry.GetParam(0), 12);  // "Cobalt Works", then "Aster Holdings"
        EXPECT_EQ(entry.GetParam(1), 14);
    }
}

TEST_F(MergerTest, NoEmployeesAtWorkLeaveTheMoraleAlone) {
    company.SetEmployees(100);
    company.SetMorale(90);
    other.SetEmployees(50);
    other.SetEmployeesAtWork(50);
    other.SetMorale(-30);
    company.MergeInto(0);
    EXPECT_EQ(other.GetEmployees(), 150);
    EXPECT_EQ(other.GetRating(), -30);
}

TEST_F(MergerTest, LeavingReleasesLotsContractsAndStaff) {
    doc.networkHost = true;
    CPersonData& builder = persons[static_cast<size_t>(director)];
    builder.AssignTask(CPersonData::eTASK_CONTRACT_CONSTRUCTION, 12);
    builder.SetTaskArea(1);
    builder.SetTaskTarget(4, 2);
    builder.SetTaskParam(0, 7);
    int second = Hire(company, 3);
    company.ReleaseAllHoldings();

    EXPECT_EQ(map->GetArea(0).GetCellOwner(0, 5), 0);
    EXPECT_EQ(map->GetArea(1).GetCellOwner(4, 4), 0);
    EXPECT_EQ(map->GetArea(1).GetCellOwner(5, 4), 1);
    EXPECT_EQ(company.GetDirectorCount(), 0);
    for (int p : {0, director, second}) {
        SCOPED_TRACE(p);
        EXPECT_EQ(persons[static_cast<size_t>(p)].GetEmployerNo(), 0);
        EXPECT_EQ(persons[static_cast<size_t>(p)].GetPresidentFlag(), 0);
        EXPECT_FALSE(persons[static_cast<size_t>(p)].HasTask());
    }
    const std::string d = std::to_string(director), s = std::to_string(second);
    EXPECT_EQ(doc.calls,
              (std::vector<std::string>{
                  "SendAreaOwners(0)", "SendAreaOwners(1)", "RouteContractorBankrupt(1,4,2,7,1)",
                  "SendPersonState(0,STATUS)", "SendPersonState(" + d + ",RECORD)",
                  "SendPersonState(" + d + ",STATUS)", "SendPersonState(" + d + ",RELATIONS)",
                  "SendPersonState(" + s + ",RECORD)", "SendPersonState(" + s + ",STATUS)",
                  "SendPersonState(" + s + ",RELATIONS)", "SendDirectorList(1)"}));
}

TEST_F(MergerTest, APlayerPresidedCompanyLeavesThePlayersOwnRecordAlone) {
    // President 0 is the player himself: no person of the table presides.
    CPersonData player;
    player.SetEmployer(2);
    player.SetPresidentFlag(1);
    doc.playerPerson = &player;
    company.SetPresident(0);
    doc.networkHost = true;
    company.MergeInto(0);
    company.ReleaseAllHoldings();
    EXPECT_EQ(player.GetEmployerNo(), 2);
    EXPECT_EQ(player.GetPresidentFlag(), 1);
    EXPECT_EQ(std::count(doc.calls.begin(), doc.calls.end(), "SendPersonState(0,STATUS)"), 0);
}

}  // namespace
