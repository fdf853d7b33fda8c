// Every state record goes from the host's builders through the class-300
// dispatch into the client's copy of the game, which then saves the host's
// game.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "StateGameFixture.h"
#include "game/HeadlessFrameService.h"
#include "game/Transcript.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/NetCompanyRecords.h"
#include "model/NetMapRecords.h"
#include "model/NetPersonRecords.h"

namespace {

using R = CNetCompanyRecords;
using P = CNetPersonRecords;

class StateRecordsTest : public CStateGameFixture {
public:
    CEnterprise& Company(int c) { return *host.GetEnterprise(c); }
    CPersonData& Director(int p) { return *host.GetDirector(p); }
    std::vector<CNetRecordBuilder> One(const CNetRecordBuilder& b) { return {b}; }
    // An office at cell 4,4 of the first area, owned by owner (company + 1).
    void PlaceOffice(int owner) {
        CMapDoc& map = host.GetMap();
        int office = -1;
        for (int i = 0; i < map.GetStructureTypeCount() && office < 0; ++i)
            if (map.GetStructureType(i)->GetTypeCode() == 60) office = i;
        ASSERT_GE(office, 0);
        map.SetStructureAt(0, 4, 4, office + 1);
        map.SetStructureOwner(0, 4, 4, owner);
    }
};

struct SRow {
    const char* codes;
    // Changes the host's game and returns the records that carry the change.
    std::function<void(StateRecordsTest&)> change;
};

TEST_F(StateRecordsTest, EveryCodeCarriesItsChangeToTheClient) {
    NewGame(4);
    const std::vector<SRow> rows = {
        {"00/100", [](StateRecordsTest& t) {
             t.host.SetInterestRate(19);
             t.Send(CNetDocState(t.host).BuildHeader(0));
         }},
        {"00/000", [](StateRecordsTest& t) {
             t.host.SetStockHolding(1, 0, 777);
             t.host.SetStockHolding(2, -1, 123456789);
             t.Send(CNetDocState(t.host).BuildStockRows(-1));
         }},
        {"00/001", [](StateRecordsTest& t) {
             t.host.ShuffleTurnOrder();
             t.Send(CNetDocState(t.host).BuildTurnOrder());
         }},
        {"00/005", [](StateRecordsTest& t) {
             t.host.NextTurn();
             t.Send(CNetDocState(t.host).BuildTurnState());
         }},
        {"00/002", [](StateRecordsTest& t) {
             t.host.ApplyLandValueChange(1, 1, 7);
             t.Send(CNetDocState::BuildLandValueChange(1, 1, 7));
         }},
        {"00/003", [](StateRecordsTest& t) {
             t.host.SetMonth(4);
             t.Send(CNetDocState(t.host).BuildCalendar());
         }},
        {"00/004", [](StateRecordsTest& t) {
             t.host.SetInterestRate(23);
             t.Send(CNetDocState(t.host).BuildInterestRate());
         }},
        {"00/007", [](StateRecordsTest& t) {
             t.host.GetAreaGovernor(0)->SetAmount(4321);
             t.Send(CNetDocState(t.host).BuildGovernorAmounts());
         }},
        {"01/100", [](StateRecordsTest& t) {
             t.Company(1).SetName("Renamed Company");
             t.Company(1).SetFunds(4321);
             t.Company(1).SetColor(5);
             t.Send(R::BuildFull(t.Company(1), true));
         }},
        {"01/000", [](StateRecordsTest& t) {
             t.Company(0).SetAreaGrade(1, 345, 1);
             t.Send(R::BuildAreaGrades(t.Company(0)));
         }},
        {"01/001", [](StateRecordsTest& t) {
             t.Company(0).SetStrike(1);
             t.Send(R::BuildStrike(t.Company(0)));
         }},
        {"01/003", [](StateRecordsTest& t) {
             t.Company(2).SetDebt(77);
             t.Send(R::BuildFunds(t.Company(2)));
         }},
        {"01/006", [](StateRecordsTest& t) {
             t.Company(0).SetEmployees(321);
             t.Company(0).SetMorale(-40);
             t.Send(R::BuildStaffFigures(t.Company(0)));
         }},
        {"01/007 02/001", [](StateRecordsTest& t) {
             int p = 0;
             while (t.Director(p).GetEmployerNo() != 0 || t.Director(p).GetPresidentFlag()) ++p;
             t.Director(p).SetEmployer(2);
             t.Company(1).AddDirector(p);
             t.Send(R::BuildDirectors(t.Company(1)));
             // The hiring goes into the company's history.
             t.Send(R::BuildHistory(t.Company(1)));
             t.Send(P::Build(t.Director(p), P::eSTATUS));
             t.Send(P::Build(t.Director(p), P::eSALARY));
             t.Send(P::Build(t.Director(p), P::eRELATIONS));
         }},
        {"01/008", [](StateRecordsTest& t) {
             t.Company(3).IncChampionships(2);
             t.Company(3).AddTeamInvestment(1, 999);
             t.Send(R::BuildTeams(t.Company(3)));
         }},
        {"01/009", [](StateRecordsTest& t) {
             CAdvicePacket advice;
             advice.SetKind(4);
             advice.SetPoint(3, 2);
             advice.SetParam3(-12345);
             advice.SetDetailed(1);
             t.Company(0).GetAdvice().push_back(advice);
             t.Send(R::BuildAdvice(t.Company(0)));
         }},
        {"01/010 01/014", [](StateRecordsTest& t) {
             t.Company(0).AddYearResult(3, 0, 100, -50, 20, 0);
             t.Send(R::BuildPastYears(t.Company(0)));
             t.Send(R::BuildMonthlySeries(t.Company(0)));
         }},
        {"01/010 01/011", [](StateRecordsTest& t) {
             // More years than one record carries.
             t.Company(2).AddYearResult(44, 0, 700, -30, 20, 0);
             t.Send(R::BuildPastYears(t.Company(2)));
             t.Send(R::BuildMonthlySeries(t.Company(2)));
         }},
        {"01/015", [](StateRecordsTest& t) {
             t.Company(1).AddMonthlyExpense(2, 40);
             t.Send(R::BuildMonthlyExpenses(t.Company(1)));
         }},
        {"01/016 01/021", [](StateRecordsTest& t) {
             t.Company(1).RecordMonthlyFigure(2, 0, 55, 1, 3);
             t.Send(R::BuildMonthlyTable(t.Company(1)));
             t.Send(R::BuildAreaRecords(t.Company(1), -1));
         }},
        {"01/017", [](StateRecordsTest& t) {
             t.Company(2).SetSanctionMonths(3);
             t.Send(R::BuildEventCounter(t.Company(2)));
         }},
        {"01/018", [](StateRecordsTest& t) {
             t.Company(2).SetYearEndStockPrice(55);
             t.Send(R::BuildYearEndPrice(t.Company(2)));
         }},
        {"01/019", [](StateRecordsTest& t) {
             t.Company(0).SetContractBid(1, 0, 2, 2, 3, 500);
             t.Company(0).SetAuctionBid(123456, 1, 3, 1, -1);
             t.Send(R::BuildBids(t.Company(0)));
         }},
        {"01/021 element", [](StateRecordsTest& t) {
             t.Company(0).SetAreaValue(1, 0, -12);
             t.Send(R::BuildAreaRecords(t.Company(0), 0));
         }},
        {"01/021 of every company", [](StateRecordsTest& t) {
             t.Company(1).SetAreaValue(2, 1, 9);
             t.Company(3).SetAreaValue(3, 0, -4);
             t.Send(CNetDocState(t.host).BuildAllCompanyFigures());
         }},
        {"01/024 01/025", [](StateRecordsTest& t) {
             CHistory entry;
             entry.SetDisaster(1, 4, 2);
             t.Company(3).GetHistory().push_back(entry);
             t.Send(R::BuildHistory(t.Company(3)));
         }},
        {"01/022 01/023", [](StateRecordsTest& t) {
             t.Company(2).GetPlans().emplace_back();
             t.Send(R::BuildPlans(t.Company(2)));
         }},
        {"01/026", [](StateRecordsTest& t) {
             // Company 1 hired a director above.
             const int p = t.Company(1).GetDirectorIndex(0);
             t.Director(p).SetRelation(1, 1500);
             t.Send(R::BuildDirectorRelations(
                 t.Company(1), [&t](int person) { return t.host.GetDirector(person); }));
         }},
        {"01/030", [](StateRecordsTest& t) {
             t.Company(3).AddMonthlyExpense(5, 7);
             t.Company(3).SetMorale(12);
             t.Send(R::BuildMonthEnd(t.Company(3)));
         }},
        {"02/000", [](StateRecordsTest& t) {
             t.Director(0).SetRelation(1, 999);
             t.Send(P::Build(t.Director(0), P::eRELATIONS));
         }},
        {"02/002", [](StateRecordsTest& t) {
             t.Director(1).SetSalary(88);
             t.Send(P::Build(t.Director(1), P::eSALARY));
         }},
        {"02/003", [](StateRecordsTest& t) {
             t.Director(1).SetTaskArea(1);
             t.Director(1).SetTaskTarget(2, 3);
             t.Send(P::Build(t.Director(1), P::eTASK));
         }},
        {"02/005 02/010", [](StateRecordsTest& t) {
             t.Director(2).AssignTask(3, 40);
             t.Director(2).SetTaskParam(15, -8);
             t.Send(P::Build(t.Director(2), P::eRECORD));
             t.Send(P::Build(t.Director(2), P::eEXPERIENCE));
         }},
        {"02/007", [](StateRecordsTest& t) {
             t.host.GetGovernor(1)->SetAmount(55555);
             t.host.GetGovernor(1)->SetElectionMonth(17);
             t.Send(P::Build(*t.host.GetGovernor(1), P::eAMOUNTS));
         }},
        {"02/101", [](StateRecordsTest& t) {
             t.Director(3).SetSalary(61);
             t.Director(3).SetRelation(2, 1999);
             t.Send(P::Build(t.Director(3), P::eSTATE));
         }},
        {"02/200", [](StateRecordsTest& t) {
             t.Director(4).SetRelation(3, 1234);
             t.Send(CNetDocState(t.host).BuildDirectorEmployment());
         }},
        {"02/201", [](StateRecordsTest& t) {
             // Company 1's director goes to work; a month later the host
             // advances every working director's task by one month.
             const int p = t.Company(1).GetDirectorIndex(0);
             t.Director(p).AssignTask(3, 40);
             t.Send(P::Build(t.Director(p), P::eRECORD));
             const auto records = CNetDocState(t.host).BuildTaskProgress();
             for (const CNetRecordBuilder& b : records) {
                 const int count = std::stoi(b.Text().substr(16, 4));
                 for (int i = 0; i < count; ++i) {
                     CPersonData& d = t.Director(std::stoi(b.Text().substr(20 + 4 * static_cast<size_t>(i), 4)));
                     d.SetTaskProgress(d.GetTaskProgress() + 1);
                 }
             }
             ASSERT_FALSE(records.empty());
             t.Send(records);
         }},
        {"02/202", [](StateRecordsTest& t) {
             for (int c = 0; c < t.host.CompanyCount(); ++c) t.Company(c).SetFunds(1000 + c);
             t.Send(CNetDocState(t.host).BuildAllFunds());
         }},
        {"02/203", [](StateRecordsTest& t) {
             t.host.GetGovernor(0)->SetElectionMonth(9);
             t.Send(CNetDocState(t.host).BuildPersonStatus(1));
         }},
        {"03/020 03/021 03/022", [](StateRecordsTest& t) {
             t.host.GetMap().GetProTeam(0, 1).AddWin(3);
             t.SendTexts(CNetMapRecords::BuildLeagues(t.host.GetMap(), 0));
         }},
        {"03/070", [](StateRecordsTest& t) {
             t.host.GetMap().GetArea(1).SetPopulation(5432);
             t.SendTexts({t.host.GetMap().GetArea(1).BuildAreaState(1)});
         }},
        {"03/088", [](StateRecordsTest& t) {
             t.host.GetMap().GetArea(0).SetCellOwner(1, 1, 2);
             t.SendTexts(t.host.GetMap().GetArea(0).BuildLayer(0, CMapData::layerOwner));
         }},
        {"03/110", [](StateRecordsTest& t) {
             t.host.GetMap().GetArea(0).SetCellOwner(2, 1, 3);
             t.SendTexts(t.host.GetMap().GetArea(0).BuildCellValues(0, "0000000010", {{2, 1}}));
         }},
        {"03/072 03/073 03/074", [](StateRecordsTest& t) {
             t.host.GetMap().GetArea(1).SetProjectFund(250);
             t.SendTexts(t.host.GetMap().GetArea(1).BuildProjectLists(1));
         }},
        {"03/075 03/076 03/077", [](StateRecordsTest& t) {
             t.host.GetMap().GetArea(0).AddStadiumCell(1, {3, 3});
             t.SendTexts(t.host.GetMap().GetArea(0).BuildPairLists(0));
         }},
    };
    ASSERT_EQ(Difference(), "");
    for (const SRow& row : rows) {
        SCOPED_TRACE(row.codes);
        row.change(*this);
        ASSERT_FALSE(net.sent.empty());
        EXPECT_EQ(ApplyToClient(), 0) << (log.empty() ? "" : log.back());
        EXPECT_EQ(Difference(), "");
    }
}

TEST_F(StateRecordsTest, TheReportStartedFlagAndANewCompanyReachTheClient) {
    NewGame(3);
    Send(R::BuildProcessed(Company(2), 1));
    Send(CNetDocState::BuildAddCompany());
    EXPECT_EQ(ApplyToClient(), 0);
    EXPECT_EQ(client.GetEnterprise(2)->GetReportHeadingWritten(), 1);
    ASSERT_EQ(client.CompanyCount(), 4);
    EXPECT_EQ(client.GetStockEntryCount(), 5u * 4u);
    EXPECT_EQ(client.GetTurnOrderSize(), 4);
    EXPECT_EQ(client.GetDirector(0)->GetRelationCount(), 4);
}

// What the month changes without a record of its own reaches the players
// at the month's transfer: the history records that grew and the plans of
// the computer companies that changed; nothing when nothing changed.
TEST_F(StateRecordsTest, TheMonthsTransferCarriesGrownHistoriesAndChangedPlans) {
    NewGame(3);
    CNetDocState::SMonthSent sent;
    CNetDocState(host).SendMonthChanges(sent);
    EXPECT_EQ(ApplyToClient(), 0) << (log.empty() ? "" : log.back());
    EXPECT_TRUE(CNetDocState(host).BuildMonthChanges(sent).empty());

    for (int i = 0; i < 20; ++i) {
        CHistory entry;
        entry.SetDisaster(1, i, 2);
        Company(1).GetHistory().push_back(entry);
    }
    ASSERT_FALSE(Company(0).IsHumanPlayed());
    Company(0).GetPlans().emplace_back();
    CNetDocState(host).SendMonthChanges(sent);
    std::vector<std::string> codes = SentCodes();
    const auto count = std::find(codes.begin(), codes.end(), "01/024");
    EXPECT_LT(count, std::find(codes.begin(), codes.end(), "01/025"));
    EXPECT_NE(std::find(codes.begin(), codes.end(), "01/022"), codes.end());
    for (const CFakeNetService::Sent& s : net.sent) {
        const int company = std::stoi(s.record.substr(16, 4));
        EXPECT_EQ(company, s.record.compare(11, 5, "01022") == 0 || s.record.compare(11, 5, "01023") == 0 ? 0 : 1)
            << s.record.substr(0, 20);
    }
    EXPECT_EQ(ApplyToClient(), 0) << (log.empty() ? "" : log.back());
    EXPECT_EQ(Difference(), "");
    EXPECT_TRUE(CNetDocState(host).BuildMonthChanges(sent).empty());
}

// The broken-building report: the host shows it and sends it; the client
// shows it when the last block has come, and both games agree.
TEST_F(StateRecordsTest, ABrokenBuildingIsShownAlikeOnHostAndClient) {
    NewGame(2);
    PlaceOffice(2);
    CopyHostToClient();
    const std::vector<CCellPoint> cells{{4, 4}};
    CNetDocState(host).SendBuildingBroke(0, cells);
    // The report, then the cells it changed and the owner's area records.
    const std::vector<std::string> codes = SentCodes();
    ASSERT_GE(codes.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(codes.begin(), codes.begin() + 3),
              (std::vector<std::string>{"02/053", "02/054", "03/110"}));
    EXPECT_EQ(codes.back(), "01/021");
    frame.calls.clear();
    EXPECT_EQ(ApplyToClient(), 0);
    EXPECT_EQ(Difference(), "");
    EXPECT_EQ(client.GetEnterprise(1)->GetHistory().back().GetKind(), CHistory::kindDisaster);
    EXPECT_EQ(client.GetMap().GetArea(0).GetStructureAt(4, 4, 1), host.GetMap().GetArea(0).GetStructureAt(4, 4, 1));
}

// The month's lost structures: the frame of a game without windows has the
// document report them, which as host sends them before it shows them.
TEST_F(StateRecordsTest, TheMonthsLostStructuresGoThroughTheBrokenBuildingReport) {
    NewGame(2);
    PlaceOffice(1);
    CMapDoc& map = host.GetMap();
    CopyHostToClient();
    const size_t entries = host.GetEnterprise(0)->GetHistory().size();
    CTranscript transcript;
    CHeadlessFrameService headless(transcript);
    {
        CScopedService<IFrameService> scoped = ScopedFrame(&headless);
        hostFrame.SetNetworkRoles(1, 1, 0);
        headless.HandleLostStructures(map, 0, {{4, 4}});
        hostFrame.SetNetworkRoles(0, 0, 0);
    }
    ASSERT_EQ(host.GetEnterprise(0)->GetHistory().size(), entries + 1);
    EXPECT_EQ(host.GetEnterprise(0)->GetHistory().back().GetKind(), CHistory::kindDisaster);
    EXPECT_NE(std::find(transcript.GetLines().begin(), transcript.GetLines().end(),
                        "log: The building broke in " + map.GetArea(0).GetName() + "."),
              transcript.GetLines().end());
    ASSERT_GE(SentCodes().size(), 2u);
    EXPECT_EQ(SentCodes()[0], "02/053");
    EXPECT_EQ(ApplyToClient(), 0) << (log.empty() ? "" : log.back());
    EXPECT_EQ(Difference(), "");
}

}  // namespace
