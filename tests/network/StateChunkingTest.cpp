// How the senders cut a table into records, and the capacity of the records
// at the game's limits.

#include <gtest/gtest.h>

#include "StateGameFixture.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/NetCompanyRecords.h"
#include "model/NetMapRecords.h"
#include "model/NetPersonRecords.h"

namespace {

using R = CNetCompanyRecords;

// "GG/CCC" of each record text.
std::vector<std::string> Codes(const std::vector<CNetRecordBuilder>& records) {
    std::vector<std::string> codes;
    for (const CNetRecordBuilder& b : records) {
        EXPECT_TRUE(b.Ok()) << b.Error();
        codes.push_back(b.Text().substr(11, 2) + "/" + b.Text().substr(13, 3));
    }
    return codes;
}
// The fixed field of width at position of each record.
std::vector<int> Fields(const std::vector<CNetRecordBuilder>& records, size_t at, size_t width) {
    std::vector<int> values;
    for (const CNetRecordBuilder& b : records) values.push_back(std::stoi(b.Text().substr(at, width)));
    return values;
}
std::vector<int> Fields(const std::vector<std::string>& texts, size_t at, size_t width) {
    std::vector<int> values;
    for (const std::string& t : texts) values.push_back(std::stoi(t.substr(at, width)));
    return values;
}

using StateChunkingTest = CStateGameFixture;

TEST_F(StateChunkingTest, CompanyTablesGoInTheirBlocks) {
    NewGame(2, FixtureWithAreas(4));
    CEnterprise& c = *host.GetEnterprise(0);
    // Past years: 010 carries up to 20, 011 the next 20 each.
    struct SYears {
        int n;
        std::vector<std::string> codes;
    };
    for (const SYears& y : {SYears{0, {"01/010"}}, SYears{20, {"01/010"}},
                            SYears{45, {"01/010", "01/011", "01/011"}}}) {
        CEnterprise company = c;
        if (y.n > 0) company.AddYearResult(y.n - 1, 0, 1, 1, 1, 0);
        EXPECT_EQ(Codes(R::BuildPastYears(company)), y.codes) << y.n;
    }
    CEnterprise years = c;
    years.AddYearResult(44, 0, 1, 1, 1, 0);
    const auto more = R::BuildPastYears(years);
    EXPECT_EQ(Fields({more[1], more[2]}, 20, 4), (std::vector<int>{20, 40}));
    EXPECT_EQ(Fields({more[1], more[2]}, 24, 4), (std::vector<int>{40, 45}));

    // Advice: at most 16 items travel.
    CEnterprise advised = c;
    advised.GetAdvice().assign(17, CAdvicePacket());
    EXPECT_EQ(Fields({R::BuildAdvice(advised)}, 36, 2), (std::vector<int>{16}));

    // History: 16 entries of three parameters fill one record.
    CEnterprise history = c;
    history.GetHistory().clear();
    for (int i = 0; i < 17; ++i) {
        CHistory entry;
        entry.SetDisaster(1, i, 2);
        history.GetHistory().push_back(entry);
    }
    const auto entries = R::BuildHistory(history);
    EXPECT_EQ(Codes(entries), (std::vector<std::string>{"01/024", "01/025", "01/025"}));
    EXPECT_EQ(Fields({entries[1], entries[2]}, 20, 6), (std::vector<int>{0, 16}));
    EXPECT_EQ(Fields({entries[1], entries[2]}, 26, 6), (std::vector<int>{16, 17}));

    // An area record of area 3: the totals and element 4.
    EXPECT_EQ(Fields(R::BuildAreaRecords(c, 3), 20, 4), (std::vector<int>{0, 4}));
    EXPECT_EQ(Fields(R::BuildAreaRecords(c, -2 - 2), 20, 4), (std::vector<int>{2}));
    EXPECT_EQ(R::BuildAreaRecords(c, -1).size(), 5u);
}

TEST_F(StateChunkingTest, PersonBlocksFollowTheirRowCounts) {
    SPersonFixtureOptions persons;
    persons.directors = 45;
    persons.governors = 44;
    NewGame(2, {}, persons);
    CNetDocState state(host);
    // 44 persons to a status record: 45 take two, 44 one, none none.
    const auto status = state.BuildPersonStatus(0);
    EXPECT_EQ(Fields(status, 17, 4), (std::vector<int>{0, 44}));
    EXPECT_EQ(Fields(status, 21, 4), (std::vector<int>{43, 44}));
    ASSERT_EQ(host.GetGovernorTableSize(), 44);
    const auto governors = state.BuildPersonStatus(1);
    EXPECT_EQ(Fields(governors, 17, 4), (std::vector<int>{0}));
    EXPECT_EQ(Fields(governors, 21, 4), (std::vector<int>{43}));
    CVDoc empty;
    EXPECT_TRUE(CNetDocState(empty).BuildPersonStatus(0).empty());
    // Three directors to an employment record.
    const auto employment = state.BuildDirectorEmployment();
    EXPECT_EQ(employment.size(), 15u);
    EXPECT_EQ(Fields({employment.back()}, 16, 4), (std::vector<int>{42}));
    EXPECT_EQ(Fields({employment.back()}, 20, 4), (std::vector<int>{44}));
    // Nobody at work: no task progress record.
    for (int p = 0; p < host.GetDirectorTableSize(); ++p) host.GetDirector(p)->AssignTask(0, 0);
    EXPECT_TRUE(state.BuildTaskProgress().empty());
}

TEST_F(StateChunkingTest, SevenDirectorsGiveThreeEmploymentRecords) {
    SPersonFixtureOptions persons;
    persons.directors = 7;
    persons.firstYearCandidates = 7;
    NewGame(2, {}, persons);
    const auto employment = CNetDocState(host).BuildDirectorEmployment();
    EXPECT_EQ(Fields(employment, 16, 4), (std::vector<int>{0, 3, 6}));
    EXPECT_EQ(Fields(employment, 20, 4), (std::vector<int>{2, 5, 6}));
}

TEST_F(StateChunkingTest, MapRecordsGoInTheirBlocks) {
    // A layer of exactly 400 bytes is one record, 0 to 399.
    CMapData area;
    area.SetGridSize(10, 10);
    const auto layer = area.BuildLayer(0, 3);
    ASSERT_EQ(layer.size(), 1u);
    EXPECT_EQ(Fields(layer, 20, 8), (std::vector<int>{0}));
    EXPECT_EQ(Fields(layer, 28, 8), (std::vector<int>{399}));
    // Cell values: 8 cells with every layer, 33 with one, 50 with none.
    std::vector<CCellPoint> cells;
    for (int i = 0; i < 60; ++i) cells.push_back({i % 10, i / 10});
    for (const auto& [mask, count] : std::vector<std::pair<const char*, int>>{
             {"1111111111", 8}, {"0000000010", 33}, {"0000000000", 50}})
        EXPECT_EQ(Fields(area.BuildCellValues(0, mask, cells), 30, 4).front(), count) << mask;
    // A project without sites: 072 alone.
    EXPECT_EQ(area.BuildProjectLists(0).size(), 1u);
    // Broken buildings: blocks 0-50, 50-100, 100-120 behind the head.
    const auto broke = CNetMapRecords::BuildBroke(0, std::vector<CCellPoint>(120, {1, 1}));
    EXPECT_EQ(Codes(broke), (std::vector<std::string>{"02/053", "02/054", "02/054", "02/054"}));
    EXPECT_EQ(Fields({broke[1], broke[2], broke[3]}, 16, 4), (std::vector<int>{0, 50, 100}));
    EXPECT_EQ(Fields({broke[1], broke[2], broke[3]}, 20, 4), (std::vector<int>{50, 100, 120}));
}

TEST_F(StateChunkingTest, ALeagueOfFourTeamsTakesOneTeamRecord) {
    CLeague league;
    for (int t = 0; t < 4; ++t) league.AddTeam(CProTeam());
    std::vector<std::string> teams;
    for (const std::string& text : league.BuildRecords(1))
        if (text.substr(13, 3) == "022") teams.push_back(text);
    ASSERT_EQ(teams.size(), 1u);
    EXPECT_EQ(Fields(teams, 18, 4), (std::vector<int>{0}));
    EXPECT_EQ(Fields(teams, 22, 4), (std::vector<int>{3}));
}

// The shown broken buildings wait for the last block.
TEST_F(StateChunkingTest, ABrokenBuildingReportIsShownAfterItsLastBlock) {
    NewGame(2);
    std::vector<CCellPoint> cells;
    for (int i = 0; i < 120; ++i) cells.push_back({i % 3, (i / 3) % 3});
    for (const CNetRecordBuilder& b : CNetMapRecords::BuildBroke(1, cells)) Send(b);
    std::vector<size_t> shownAfter;
    const auto records = net.sent;
    net.sent.clear();
    for (size_t i = 0; i < records.size(); ++i) {
        frame.infoLines.clear();
        EXPECT_TRUE(ApplyText(client, records[i].record)) << (log.empty() ? "" : log.back());
        if (!frame.infoLines.empty()) shownAfter.push_back(i);
    }
    EXPECT_EQ(shownAfter, (std::vector<size_t>{3}));
}

TEST_F(StateChunkingTest, DocumentRecordsOfTheEdgeCases) {
    NewGame(3);
    CNetDocState state(host);
    // Every stock row, one record each.
    EXPECT_EQ(Fields(state.BuildStockRows(-1), 16, 4), (std::vector<int>{0, 1, 2}));
    // The header without re-creating keeps the client's companies.
    client.GetEnterprise(1)->SetName("Kept By The Client");
    Send(state.BuildHeader(0));
    EXPECT_EQ(ApplyToClient(), 0);
    EXPECT_EQ(client.GetEnterprise(1)->GetName(), "Kept By The Client");
    // A document without companies sends only the turn position.
    CVDoc empty;
    EXPECT_EQ(CNetDocState(empty).BuildTurnState().Text(), "_MERCAVO30000005000");
}

// ---------------------------------------------------------------- capacity

TEST_F(StateChunkingTest, EveryGovernorOfSixtyFourAreasGetsItsAmount) {
    SPersonFixtureOptions persons;
    persons.governors = 64;
    NewGame(2, FixtureWithAreas(64), persons);
    for (int a = 0; a < 64; ++a)
        if (CPersonData* governor = host.GetAreaGovernor(a)) governor->SetAmount(1000 + a);
    const auto records = CNetDocState(host).BuildGovernorAmounts();
    EXPECT_EQ(Codes(records).front(), "00/007");
    Send(records);
    EXPECT_EQ(ApplyToClient(), 0) << (log.empty() ? "" : log.back());
    int governed = 0;
    for (int a = 0; a < 64; ++a) {
        if (!host.GetAreaGovernor(a)) continue;
        ++governed;
        EXPECT_EQ(client.GetAreaGovernor(a)->GetAmount(), 1000 + a) << a;
    }
    EXPECT_GT(governed, 49);
}

TEST_F(StateChunkingTest, ThirtyTwoCompaniesFitEveryBlockRecord) {
    SMapFixtureOptions map;
    map.maxCompanies = 32;
    SPersonFixtureOptions persons;
    persons.directors = 60;
    persons.firstYearCandidates = 60;
    // The fixture names twelve companies; the map offers a name to each.
    std::unique_ptr<CMapDoc> names = MakeGameFixtureMap(map);
    for (int i = names->GetCompanyNameCount(); i < 32; ++i)
        names->AddCompanyName("Company " + std::to_string(i));
    NewGameOf(*names, 32, persons);
    ASSERT_EQ(host.CompanyCount(), 32);
    CNetDocState state(host);
    std::vector<CNetRecordBuilder> all = state.BuildAllGameData();
    for (const auto& block : {state.BuildDirectorEmployment(), state.BuildAllFunds(),
                              state.BuildPersonStatus(0), state.BuildStockRows(-1)})
        all.insert(all.end(), block.begin(), block.end());
    for (const CNetRecordBuilder& b : all) EXPECT_TRUE(b.Ok()) << b.Error();
    Send(state.BuildAllGameData());
    EXPECT_EQ(ApplyToClient(), 0) << (log.empty() ? "" : log.back());
    EXPECT_EQ(Difference(), "");
}

TEST_F(StateChunkingTest, AStaffOfOneHundredTwentyTravelsBehindTheFullRecord) {
    SPersonFixtureOptions persons;
    persons.directors = 150;
    persons.firstYearCandidates = 150;
    NewGame(2, {}, persons);
    CEnterprise& c = *host.GetEnterprise(0);
    for (int p = 0; c.GetDirectorCount() < 120 && p < host.GetDirectorTableSize(); ++p)
        if (host.GetDirector(p)->GetEmployerNo() == 0 && !host.GetDirector(p)->GetPresidentFlag())
            c.AddDirector(p);
    ASSERT_EQ(c.GetDirectorCount(), 120);
    const auto records = R::BuildAll(c);
    EXPECT_EQ(Codes(records)[0], "01/100");
    EXPECT_EQ(Codes(records)[1], "01/007");
    Send(records);
    EXPECT_EQ(ApplyToClient(), 0) << (log.empty() ? "" : log.back());
    ASSERT_EQ(client.GetEnterprise(0)->GetDirectorCount(), 120);
    for (int i = 0; i < 120; ++i)
        EXPECT_EQ(client.GetEnterprise(0)->GetDirectorIndex(i), c.GetDirectorIndex(i));
}

}  // namespace
