// A company's teams: ownership, titles and spectators, the championship's
// lift of the area grades, and the monthly check of the home fields.

#include <gtest/gtest.h>

#include "model/PlanWorldFixture.h"

namespace {

using TeamsTest = PlanWorldTest;

TEST_F(TeamsTest, SettingATeamStartsItsLeagueFigures) {
    EXPECT_EQ(company.GetLeagueTeam(1), -1);
    company.SetLeagueTeam(1, 0);
    company.IncChampionships(1);
    company.AddTeamInvestment(1, 450);
    company.AddTeamInvestment(1, 50);
    company.SetLeagueTeam(2, 1);
    EXPECT_EQ(company.GetLeagueTeam(1), 0);
    EXPECT_EQ(company.GetChampionships(1), 1);
    EXPECT_EQ(company.GetAttendance(1), 500);
    EXPECT_EQ(company.CountOwnedTeams(), 2);
    // The same team again: a fresh start all the same.
    company.SetLeagueTeam(1, 0);
    EXPECT_EQ(company.GetLeagueTeam(1), 0);
    EXPECT_EQ(company.GetChampionships(1), 0);
    EXPECT_EQ(company.GetAttendance(1), 0);
    company.SetLeagueTeam(2, -1);
    EXPECT_EQ(company.GetLeagueTeam(2), -1);
    EXPECT_EQ(company.CountOwnedTeams(), 1);
}

TEST_F(TeamsTest, AChampionshipLiftsLowGradesMost) {
    // q = 2 teams x popularity 12 = 24; the rise is q x ((500 - g) x 100 / 400) / 3 / 100.
    map->GetLeague(0).GetTeam(1).SetPopularity(12);
    company.SetLeagueTeam(0, 1);
    company.IncChampionships(0);
    struct SCase {
        int grade, expected;
    } cases[] = {{100, 108}, {300, 304}, {499, 499}, {500, 500}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.grade);
        company.SetAreaGrade(0, c.grade, 1);
        company.SetAreaGrade(1, 100, 1);
        company.ApplyChampionship(0);
        EXPECT_EQ(company.GetAreaGrade(0), c.expected);
        EXPECT_EQ(company.GetAreaGrade(1), 108);
    }
    EXPECT_EQ(company.GetChampionships(0), 5);
    const CHistory& title = company.GetHistory().back();
    EXPECT_EQ(title.GetKind(), CHistory::kindChampions);
    EXPECT_EQ(ParamsOf(title), (std::vector<int>{0, 1, 4}));
    EXPECT_TRUE(doc.calls.empty());
}

TEST_F(TeamsTest, TheHostSendsTheChampionsNewStanding) {
    doc.networkHost = true;
    company.SetLeagueTeam(2, 0);
    company.ApplyChampionship(2);
    EXPECT_EQ(doc.calls, (std::vector<std::string>{"SendCompanyState(1,AREA_RECORDS)",
                                                   "SendCompanyState(1,TEAM_HOLDINGS)"}));
    // Without a team of the league there is no title.
    size_t entries = company.GetHistory().size();
    company.ApplyChampionship(1);
    EXPECT_EQ(company.GetHistory().size(), entries);
    EXPECT_EQ(company.GetChampionships(1), 0);
}

class HomeFieldTest : public PlanWorldTest {
protected:
    void SetUp() override {
        PlanWorldTest::SetUp();
        // League 0 plays in ballparks; one stands in area 1.
        map->SetStructureAt(1, 3, 3, typeBallpark + 1);
        Buy(0, 1);
    }
    void Buy(int league, int team) {
        map->GetLeague(league).GetTeam(team).SetOwner(company.GetNumber());
        company.SetLeagueTeam(league, team);
    }
    CProTeam& Team(int league, int team) { return map->GetLeague(league).GetTeam(team); }
};

TEST_F(HomeFieldTest, TeamsAtAStadiumOfTheirSportAreInOrder) {
    Team(0, 1).SetHomeField(1, 3, 3);
    EXPECT_EQ(company.ProcessLeagueTeams(), 0);
    // Any cell of the stadium will do.
    Team(0, 1).SetHomeField(1, 2, 2);
    EXPECT_EQ(company.ProcessLeagueTeams(), 0);
    EXPECT_TRUE(doc.calls.empty());
    other.SetLeagueTeam(0, 0);
    EXPECT_EQ(other.ProcessLeagueTeams(), 1);
}

struct SHomeFieldCase {
    const char* name;
    int homeArea;  // -1: none; else the home field is the cell (0, 0) there
    bool human;
    bool siteLeft;
    int answer;
    int expected;
    std::vector<std::string> calls;
};

TEST_F(HomeFieldTest, ATeamWithoutItsStadium) {
    const SHomeFieldCase cases[] = {
        {"no home field, computer", -1, false, true, 1, 1, {"ChooseHomeField(1,0)"}},
        {"stadium gone, computer", 0, false, true, 1, 1, {"ChooseHomeField(1,0)"}},
        {"stadium gone, player chose", 0, true, true, 1, 1, {"AskNewHomeField(1,0)"}},
        {"stadium gone, player still choosing", -1, true, true, 2, 2, {"AskNewHomeField(1,0)"}},
        {"stadium gone, player chose none", 0, true, true, 0, 0, {"AskNewHomeField(1,0)"}},
        {"no site left, computer", 0, false, false, 1, 1, {"IssueTeamSale(1,0)"}},
        {"no site left, player",
         -1,
         true,
         false,
         1,
         1,
         {"ReportTeamLostStadium(1,0)", "IssueTeamSale(1,0)"}},
    };
    for (const SHomeFieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        doc.calls.clear();
        doc.homeFieldAnswer = c.answer;
        company.SetPresident(c.human ? 0 : 1);
        // Two teams of the sport fill the only ballpark.
        for (int l : {0, 2}) {
            Team(l, 0).SetHomeField(1, 3, 3);
            Team(l, 0).SetOwner(c.siteLeft ? -1 : 0);
        }
        Team(0, 1).SetHomeField(c.homeArea, c.homeArea < 0 ? -1 : 0, c.homeArea < 0 ? -1 : 0);
        EXPECT_EQ(company.ProcessLeagueTeams(), c.expected);
        EXPECT_EQ(doc.calls, c.calls);
    }
}

TEST_F(HomeFieldTest, OnlyTheFirstTeamOutOfOrderIsDealtWith) {
    Buy(1, 0);  // arenas: none on the map
    Buy(2, 1);
    Team(0, 1).SetHomeField(1, 3, 3);
    EXPECT_EQ(company.ProcessLeagueTeams(), 1);
    EXPECT_EQ(doc.calls, (std::vector<std::string>{"IssueTeamSale(1,1)"}));
}

}  // namespace
