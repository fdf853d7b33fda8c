// The document's month and the new game under scripted draws ({n, k}:
// Random(n) gives k): each step's effect on a small game of the fixture
// files, and the order in which the steps draw.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "GameFixture.h"
#include "fakes/ScriptedDraws.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/PersonData.h"

namespace {

using Draws = CDraws;
constexpr auto Vary = VaryDraws;
constexpr auto Join = JoinDraws;


class DocumentDrawsTest : public GameTest {
protected:
    // Four companies, all played by people: no computer step draws.
    void SetUp() override {
        GameTest::SetUp();
        NewGame(4, 4);
    }
    CEnterprise& Company(int c) { return *doc.GetEnterprise(c); }
};

// Strike ends, next month's expense cleared, grades decay, the sanction
// counts down, morale makes people quit (the report, the directors'
// relations), and the morale is summed. Company 0 alone has staff.
TEST_F(DocumentDrawsTest, MonthlyCompanyStep) {
    CEnterprise& company = Company(0);
    const int first = HireDirector(0), second = HireDirector(0);
    doc.GetDirector(first)->SetRelation(0, 500);
    doc.GetDirector(second)->SetRelation(0, 500);
    company.SetEmployees(1000);
    company.SetEmployeesAtWork(1000);
    company.SetStandardSalary(10);  // the fair rate without income
    company.SetMorale(-100);
    company.SetStrike(1);
    company.SetSanctionMonths(3);
    company.AddMonthlyExpense(doc.GetNextMonth(), 500);
    company.SetAreaGrade(-1, 300, 1);
    {
        // Morale: d = 0, -3; then 200 leave (see the company's own test);
        // each area (grade 300 - trunc(W + 1) = 295, level 0) loses
        // RandomVary(1, 1); each director Random(10) relation.
        CScriptedDraws script(Join({Vary(0, 0, 0, 0),
                                    {{7, 0}, {110, 109}, {163, 150}, {150, 149}, {224, 199}},
                                    Vary(1, 1, 0, 0),
                                    Vary(1, 0, 0, 0),
                                    {{10, 9}, {10, 4}}}));
        doc.RunMonthlyCompanyStep();
    }
    EXPECT_EQ(company.IsOnStrike(), 0);
    EXPECT_EQ(company.GetMonthlyExpense(doc.GetNextMonth()), 0);
    EXPECT_EQ(company.GetSanctionMonths(), 2);
    EXPECT_EQ(company.GetEmployees(), 800);
    EXPECT_EQ(company.GetAreaGrade(0), 294);
    EXPECT_EQ(company.GetAreaGrade(1), 294);
    EXPECT_EQ(company.GetMoraleTotal(), -100);
    EXPECT_EQ(doc.GetDirector(first)->GetRelation(0), 491);
    EXPECT_EQ(doc.GetDirector(second)->GetRelation(0), 496);
    ASSERT_FALSE(frame.infoLines.empty());
    EXPECT_EQ(frame.infoLines.back(), "200 employees left the " + company.GetName() + ".");
}

// An employed director: toward his employer r += Random((2000 - r) x f / 200
// + bonus), then on Random(48) = 0 r -= Random(1000); toward every other
// company r -= Random(r x f / 300), then on Random(100) = 0 r +=
// Random(200). Then he resigns when Random(r^1.4 + 30) < 6.
TEST_F(DocumentDrawsTest, RelationsDriftAndResignations) {
    const int p = HireDirector(0);
    // A second director, so that he is not the only one; as a president he
    // takes no part in the drift.
    doc.GetDirector(HireDirector(0))->SetPresidentFlag(1);
    CPersonData& person = *doc.GetDirector(p);
    person.SetSalary(person.CalcSalary(true));  // no bonus
    person.SetHireMonth(0);
    doc.SetMonth(6);
    const int f = person.GetSociability();
    ASSERT_GE(f, 1);
    const int toEmployer = (2000 - 500) * f / 200, toOther = 1500 * f / 300;
    auto reset = [&] {
        person.SetRelation(0, 500);
        for (int c = 1; c < 4; ++c) person.SetRelation(c, 1500);
    };
    const Draws drift = {{toEmployer, toEmployer - 1}, {48, 0},  {1000, 100},
                         {toOther, toOther - 1},       {100, 1},
                         {toOther, 0},                 {100, 0}, {200, 150},
                         {toOther, 2},                 {100, 99}};
    const int employer = 500 + toEmployer - 1 - 100;
    const int resignRange = static_cast<int>(std::pow(employer, 1.4)) + 30;
    reset();
    {
        CScriptedDraws script(Join({drift, {{resignRange, 6}}}));
        doc.UpdatePersonRelations();
    }
    EXPECT_EQ(person.GetRelation(0), employer);
    EXPECT_EQ(person.GetRelation(1), 1500 - (toOther - 1));
    EXPECT_EQ(person.GetRelation(2), 1650);
    EXPECT_EQ(person.GetRelation(3), 1498);
    EXPECT_EQ(person.GetEmployerNo(), 1);
    // Once more, and the resignation draw comes out low: he leaves, his
    // relation halves and he loses Random(experience) / 3 of each ability.
    reset();
    Draws leaving = Join({drift, {{resignRange, 5}}});
    for (int i = 0; i < CPersonData::kAbilityCount; ++i)
        leaving.push_back({person.GetExperience(i), 0});
    {
        CScriptedDraws script(leaving);
        doc.UpdatePersonRelations();
    }
    EXPECT_EQ(person.GetEmployerNo(), 0);
    EXPECT_EQ(Company(0).GetDirectorCount(), 1);
    EXPECT_EQ(person.GetRelation(0), employer / 2);
}

// Each running league: first every unowned team's offer (Random(win power)
// > 5; a change kept on Random(12) = 0), then every team's popularity
// (Random(36) = 0: + 1 on Random(10) >= 7, else - 1), then the league's
// (Random(24) = 1: + Random(3) - 1). No season runs in January.
TEST_F(DocumentDrawsTest, LeagueMonthDrawsOffersThenPopularity) {
    CMapDoc& map = doc.GetMap();
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
        CLeague& league = map.GetLeague(l);
        ASSERT_EQ(league.GetTeamCount(), 2);
        league.SetPopularity(10);
        for (int t = 0; t < 2; ++t) {
            CProTeam& team = league.GetTeam(t);
            team.SetOwner(-1);
            team.SetForSale(0);
            team.SetWinPower(10 * (t + 1));
            team.SetPopularity(10);
        }
    }
    doc.SetMonth(0);
    {
        CScriptedDraws script({
            // League 0: team 0 comes up for sale, its popularity rises, the
            // league's too.
            {10, 9}, {12, 0}, {20, 5}, {36, 0}, {10, 7}, {36, 1}, {24, 1}, {3, 2},
            // League 1: nothing changes.
            {10, 0}, {20, 0}, {36, 1}, {36, 1}, {24, 0},
            // League 2: team 1's change is not kept; team 0's popularity and
            // the league's fall.
            {10, 0}, {20, 9}, {12, 1}, {36, 0}, {10, 6}, {36, 35}, {24, 1}, {3, 0},
        });
        doc.RunLeagueMonth();
    }
    const CLeague& first = map.GetLeague(0);
    EXPECT_EQ(first.GetTeam(0).IsForSale(), 1);
    EXPECT_EQ(first.GetTeam(0).GetPopularity(), 11);
    EXPECT_EQ(first.GetPopularity(), 11);
    EXPECT_EQ(map.GetLeague(1).GetPopularity(), 10);
    const CLeague& third = map.GetLeague(2);
    EXPECT_EQ(third.GetTeam(1).IsForSale(), 0);
    EXPECT_EQ(third.GetTeam(0).GetPopularity(), 9);
    EXPECT_EQ(third.GetPopularity(), 9);
}

// Each area's governor: amount += Random(figure 3 + 3); every relation -=
// Random(7 - sociability), not below 0.
TEST_F(DocumentDrawsTest, GovernorsDrift) {
    Draws draws;
    std::vector<int> expectedAmounts;
    for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a) {
        CPersonData& governor = *doc.GetAreaGovernor(a);
        governor.SetAmount(100);
        draws.push_back({governor.GetFigure3() + 3, governor.GetFigure3() + 2});
        expectedAmounts.push_back(100 + governor.GetFigure3() + 2);
        for (int c = 0; c < governor.GetRelationCount(); ++c) {
            governor.SetRelation(c, 2);
            draws.push_back({7 - governor.GetSociability(), c == 0 ? 3 : 0});
        }
    }
    {
        CScriptedDraws script(draws);
        doc.RunAreaGovernorMonth();
    }
    for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a) {
        CPersonData& governor = *doc.GetAreaGovernor(a);
        EXPECT_EQ(governor.GetAmount(), expectedAmounts[static_cast<size_t>(a)]);
        EXPECT_EQ(governor.GetRelation(0), 0);
        EXPECT_EQ(governor.GetRelation(1), 2);
    }
}

TEST_F(DocumentDrawsTest, PlansAgeAndTheProcessedFlagsClear) {
    // Plans age only for computer companies: company 1 becomes one.
    Company(1).SetPresident(1);
    Company(1).GetPlans().emplace_back();
    Company(0).GetPlans().emplace_back();
    for (int c = 0; c < 4; ++c) Company(c).SetProcessedFlag(1);
    CScriptedDraws none;
    doc.AdvancePlans();
    doc.BroadcastGameData();
    EXPECT_EQ(Company(1).GetPlans()[0].GetAge(), 1);
    EXPECT_EQ(Company(0).GetPlans()[0].GetAge(), 0);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(Company(c).GetReportHeadingWritten(), 0) << c;
}

// ---- New game ----

class NewGameDrawsTest : public GameTest {
protected:
    // The fixture files read and checked for four computer companies, not
    // yet named.
    void PrepareComputerGame() {
        WriteFiles(*MakeGameFixtureMap());
        doc.SetEnterpriseCount(4);
        ASSERT_EQ(Prepare(doc), 1);
        ASSERT_EQ(doc.SetPlayerCount(0, 1), 1);
    }
};

// Area 0 first: its potential RandomVary(potential, 20); governors drawn
// with Random(G) until a free one comes; his last election Random(-48);
// his relation to every company RandomVary(400, 200).
TEST_F(NewGameDrawsTest, TheFirstAreaDrawsItsPotentialAndItsGovernor) {
    auto map = MakeGameFixtureMap();
    const int potential = map->GetArea(0).GetPotential();
    WriteFiles(*map);
    doc.SetEnterpriseCount(4);
    const int governors = 6;
    // The potential's own set-up draws the trend: Random(potential) / 3.
    Draws draws = Join({Vary(20, 20, 13, 1), {{potential + 13, 9}, {governors, 4}, {-48, -47}}});
    for (int c = 0; c < 4; ++c) draws = Join({draws, Vary(200, 200, 50 * c, c % 2)});
    CScriptedDraws script(draws);
    script.ThenGenerator();
    ASSERT_EQ(Prepare(doc), 1);
    EXPECT_EQ(doc.GetMap().GetArea(0).GetPotential(), potential + 13);
    EXPECT_EQ(doc.GetMap().GetArea(0).GetTrend(), 3);
    EXPECT_EQ(doc.GetMap().GetArea(0).GetGovernor(), 4);
    CPersonData& governor = *doc.GetGovernor(4);
    EXPECT_EQ(governor.GetEmployerNo(), 1);
    EXPECT_EQ(governor.GetElectionMonth(), -47);
    const int relations[] = {400, 450, 300, 550};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(governor.GetRelation(c), relations[c]) << c;
    // The interest rate RandomVary(10, 2) and each team's offer
    // Random(win power) >= 6 close the set-up.
    const std::vector<int>& asked = script.AskedRanges();
    ASSERT_GE(asked.size(), 9u);
    const size_t teams = asked.size() - 6;
    EXPECT_EQ(asked[teams - 3], 3);
    EXPECT_EQ(asked[teams - 1], 2);
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
        for (int t = 0; t < 2; ++t)
            EXPECT_EQ(asked[teams + size_t(2 * l + t)],
                      doc.GetMap().GetLeague(l).GetTeam(t).GetWinPower());
}

// A company name is drawn from the whole list until a free one comes; the
// first company (no earlier colours) keeps the colour of its last draw.
TEST_F(NewGameDrawsTest, NamesAreDrawnUntilAFreeOneComesAndTheFirstColourIsTheLastDrawn) {
    PrepareComputerGame();
    if (HasFatalFailure()) return;
    CMapDoc& map = doc.GetMap();
    const int names = map.GetCompanyNameCount();
    ASSERT_GE(names, 8);
    map.SetCompanyNameUser(3, 2);
    map.SetCompanyNameUser(5, 3);
    doc.GetEnterprise(0)->SetPresident(1);  // no president to choose
    Draws draws = {{names, 3}, {names, 5}, {names, 7}};
    for (int i = 0; i < 31; ++i) draws.push_back({32, i});
    draws.push_back({32, 17});
    {
        CScriptedDraws script(draws);
        ASSERT_EQ(doc.SetupEnterprise(0, 0), 1);
    }
    EXPECT_EQ(map.GetCompanyNameUser(7), 0);
    EXPECT_EQ(doc.GetEnterprise(0)->GetName(), map.GetCompanyNameEntry(7));
    EXPECT_EQ(doc.GetEnterprise(0)->GetColor(), 17);
}

// The draw for a free name is bounded: should it keep missing, the first
// free name is taken after 65536 draws.
TEST_F(NewGameDrawsTest, ANameDrawThatKeepsMissingTakesTheFirstFreeName) {
    PrepareComputerGame();
    if (HasFatalFailure()) return;
    CMapDoc& map = doc.GetMap();
    const int names = map.GetCompanyNameCount();
    for (int i = 0; i < names; ++i)
        if (i != 4 && i != 6) map.SetCompanyNameUser(i, 3);
    doc.GetEnterprise(0)->SetPresident(1);
    CDraws draws(size_t{1} << 16, SScriptedDraw{names, 0});
    draws.resize(draws.size() + 32, SScriptedDraw{32, 1});  // the colours
    {
        CScriptedDraws script(draws);
        ASSERT_EQ(doc.SetupEnterprise(0, 0), 1);
    }
    EXPECT_EQ(map.GetCompanyNameUser(4), 0);
}

// A start area: max(4 x areas, 5) tries, each Random(areas) and the rating v
// of that area drawn as Random(v) + v; the strictly highest wins.
TEST_F(NewGameDrawsTest, TheStartAreaIsTheBestOfItsTries) {
    PrepareComputerGame();
    if (HasFatalFailure()) return;
    const int areas = doc.GetMap().GetAreaCount();
    ASSERT_EQ(areas, 2);
    const CEnterprise& company = *doc.GetEnterprise(2);
    const int v0 = doc.RateAreaForCompany(company, 0, 0);
    const int v1 = doc.RateAreaForCompany(company, 1, 0);
    ASSERT_GE(v1, 2);
    // Area 0 at its lowest, then area 1 at its highest once: area 1 wins
    // unless area 0's lowest is higher still.
    CDraws draws;
    for (int t = 0; t < 8; ++t)
        draws = JoinDraws({draws, t == 5 ? CDraws{{areas, 1}, {v1, v1 - 1}}
                                         : CDraws{{areas, 0}, {v0, 0}}});
    {
        CScriptedDraws script(draws);
        doc.ChooseStartArea(2);
    }
    const int best = v1 - 1 + v1 > v0 ? 1 : 0;
    EXPECT_EQ(doc.GetEnterprise(2)->GetAreaLevel(best), 1);
    EXPECT_EQ(doc.GetEnterprise(2)->GetAreaLevel(1 - best), 0);
}

// Three draws among the persons without employer, each scored
// RandomVary(s, s / 2) of the person's base rating s; the highest (the
// first of equal scores) becomes president.
TEST_F(NewGameDrawsTest, ThePresidentIsTheBestOfThreeDraws) {
    PrepareComputerGame();
    if (HasFatalFailure()) return;
    const int persons = doc.GetDirectorTableSize();
    auto rating = [&](int p) { return doc.GetDirector(p)->GetBaseRating(); };
    const int s2 = rating(2), s5 = rating(5), s8 = rating(8);
    ASSERT_GE(s5 / 2, 1);
    // Person 2 scores s2, person 5 s5 + s5 / 2, person 8 s8 - s8 / 2.
    CScriptedDraws script(Join({{{persons, 2}}, Vary(s2 / 2, 0, 0, 0),
                                {{persons, 5}}, Vary(s5 / 2, s5 / 2, s5 / 2 - 1, 1),
                                {{persons, 8}}, Vary(s8 / 2, s8 / 2, s8 / 2 - 1, 0)}));
    ASSERT_EQ(doc.SetupEnterprise(1, 1), 1);
    int chosen = 2, best = s2;
    if (s5 + s5 / 2 - 1 > best) {
        chosen = 5;
        best = s5 + s5 / 2 - 1;
    }
    if (s8 - (s8 / 2 - 1) > best) chosen = 8;
    EXPECT_EQ(doc.GetEnterprise(1)->GetPresidentNumber(), chosen + 1);
}

}  // namespace
