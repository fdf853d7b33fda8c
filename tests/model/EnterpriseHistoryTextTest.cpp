// The company history text file: a golden file for a company with entries
// of every kind, the empty history, placeholders for stored indexes that
// lead nowhere, and a file that cannot be written.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/BD.h"
#include "model/CompanyRulesFixture.h"
#include "model/League.h"
#include "platform/core/Archive.h"

namespace {

constexpr int64_t kFixedClock = 1615107903;  // 2021-03-07 09:05:03 UTC

class CFixedClockApp : public CDetachedAppService {
public:
    std::string GetProgramDirectory() override { return folder; }
    int64_t GetUtcTime() override { return kFixedClock; }
    std::string folder;
};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back("<no line end>" + text.substr(start));
    return lines;
}

class HistoryTextTest : public CompanyRulesTest {
protected:
    void SetUp() override {
        CompanyRulesTest::SetUp();
        char pattern[] = "/tmp/mercavo-hist-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        app.folder = std::string(pattern) + "/";
        // Company 0, played by the computer.
        ASSERT_EQ(company.Init(0, kAreas), 1);
        doc.enterprises = {&company};
        company.SetName("Orbis Holdings");
        company.SetPresidentName("Cole President");
        MakeComputer();
        AddPerson(3, "Ann Example");
        CPersonData governor;
        governor.TakeBaseRecord(LoadBasePerson(GovernorRecord().Bytes()));
        governors.push_back(governor);
        doc.governors = &governors;
        doc.areaNames = {{0, "Hillside"}, {1, "Riverside"}, {2, "Old Town"}};
        kiosk.SetName("Kiosk");
        tower.SetName("Office Tower");
        doc.structureTypes = {&kiosk, &tower};
        AddTeams(leagues[0], {"Dock Rats", "Harbour Gulls"});
        AddTeams(leagues[1], {"Mill Town Rovers"});
        doc.leagues = {&leagues[0], &leagues[1], &leagues[2]};
    }
    void TearDown() override { std::filesystem::remove_all(app.folder); }

    static SRawPerson GovernorRecord() {
        SRawPerson raw;
        raw.name = "Gus Mayor";
        return raw;
    }
    static void AddTeams(CLeague& league, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            CProTeam team;
            team.SetName(name);
            league.AddTeam(team);
        }
    }

    // Appends an entry made by adder in the given month.
    template <typename Adder>
    void Add(int month, Adder adder) {
        doc.currentMonthIndex = month;
        CHistory entry;
        adder(entry);
        company.GetHistory().push_back(entry);
    }

    // An entry as a saved game may hold it: any kind, any parameters.
    void AddStored(int month, int kind, std::vector<int> params) {
        CMemoryStream stream;
        CArchive out(stream, CArchive::store);
        for (int v : {month, kind, static_cast<int>(params.size())}) out.WriteInt(v);
        for (int v : params) out.WriteInt(v);
        CMemoryStream in(stream.Bytes());
        CArchive ar(in, CArchive::load);
        CHistory entry;
        entry.Serialize(ar);
        company.GetHistory().push_back(entry);
    }

    std::vector<std::string> WrittenLines() {
        EXPECT_EQ(company.WriteHistoryText(), 1);
        return Lines(ReadFile(app.folder + "HIST_1.TXT"));
    }

    CFixedClockApp app;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    std::vector<CPersonData> governors;
    CBD kiosk, tower;
    CLeague leagues[3];
};

TEST_F(HistoryTextTest, EveryKindMatchesTheGoldenFile) {
    int ann = 1;
    Add(0, [](CHistory& h) { h.SetEnteredMarket(0); });
    Add(0, [](CHistory& h) { h.SetLandPurchased(1); });
    Add(2, [&](CHistory& h) { h.SetDirectorChange(ann, true); });
    Add(13, [](CHistory& h) { h.SetSalesTarget(1); });
    Add(13, [](CHistory& h) { h.SetEmployeesPassed(0); });
    Add(14, [](CHistory& h) { h.SetStrike(2); });
    Add(14, [](CHistory& h) { h.SetConstructionOutsourced(0, 1); });
    Add(14, [](CHistory& h) { h.SetDisaster(1, 0, 1); });
    Add(20, [](CHistory& h) { h.SetExhibition(2, true); });
    Add(20, [](CHistory& h) { h.SetExhibition(1, false); });
    Add(25, [](CHistory& h) { h.SetDonationScandal(0, 0); });
    Add(25, [](CHistory& h) { h.SetTeamTrade(0, 1, true); });
    Add(25, [](CHistory& h) { h.SetTeamTrade(1, 0, false); });
    // Companies coming and going leave no line, and no trace in the columns.
    Add(30, [](CHistory& h) { h.SetCompanyName("Gone Ltd", 0); });
    Add(33, [](CHistory& h) { h.SetCompanyName("New Ltd", 1); });
    Add(35, [](CHistory& h) { h.SetMerger("Gone Ltd", "New Ltd"); });
    Add(36, [](CHistory& h) { h.SetChampions(0, 1, 2); });
    Add(36, [&](CHistory& h) { h.SetDirectorChange(ann, false); });

    std::filesystem::path golden =
        std::filesystem::path(__FILE__).parent_path() / "golden" / "HIST_1.TXT";
    std::vector<std::string> expected = Lines(ReadFile(golden));
    ASSERT_FALSE(expected.empty());
    std::vector<std::string> written = WrittenLines();
    ASSERT_EQ(written.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(written[i], expected[i]) << "line " << i;
}

TEST_F(HistoryTextTest, EmptyHistory) {
    company.SetPresident(0);  // human-played: no "(COM)"
    EXPECT_EQ(WrittenLines(),
              (std::vector<std::string>{"MERCAVO Company's history data\x81\x40"
                                        "created 2021.3.7  9: 5: 3",
                                        "", "Orbis Holdings", "President:Cole President", "", "",
                                        "End", ""}));
}

TEST_F(HistoryTextTest, StoredIndexesThatLeadNowherePrintAPlaceholder) {
    AddStored(0, CHistory::kindEnteredMarket, {kAreas});
    AddStored(0, CHistory::kindLandPurchased, {-1});
    AddStored(0, CHistory::kindDirectorChange, {500, 0});
    AddStored(0, CHistory::kindDirectorChange, {1, 7});
    AddStored(0, CHistory::kindConstructionOutsourced, {0, 42});
    AddStored(0, CHistory::kindDisaster, {0, 1, 9});
    AddStored(0, CHistory::kindExhibition, {1, 5});
    AddStored(0, CHistory::kindDonationScandal, {2, 3});
    AddStored(0, CHistory::kindTeamTrade, {5, 0, 0});
    AddStored(0, CHistory::kindTeamTrade, {0, 2, 3});
    AddStored(0, CHistory::kindChampions, {1, -1, 0});
    AddStored(0, CHistory::kindStrike, {});
    AddStored(0, CHistory::kindSalesTarget, {});
    AddStored(0, CHistory::kindEmployeesPassed, {INT_MAX});
    std::vector<std::string> lines = WrittenLines();
    ASSERT_EQ(lines.size(), 5u + 14u + 3u);
    const std::vector<std::string> events(lines.begin() + 5, lines.begin() + 19);
    const std::vector<std::string> expected = {
        "Entered ?'s market.",
        "? land purchased.",
        "Recruited ?.",
        "Ann Example ?",
        "? construction outsourced in Hillside.",
        "Hillside Office Tower ?",
        "Riverside ?",
        "Old Town Governor ?'s illegal donations was uncovered.",
        "Purchased ? from league 6.",
        "? ? from league 1.",
        "? league 2 1st time champions!",
        "? strike.",
        "Achieved targeted Annual sales ?.",
        "Exceeded 2147483648000 employees.",
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        const std::string& line = events[i];
        ASSERT_GE(line.size(), expected[i].size() + 2) << line;
        EXPECT_EQ(line.substr(line.size() - expected[i].size() - 2), "  " + expected[i]);
    }
}

TEST_F(HistoryTextTest, SameMonthAndAYearLater) {
    AddStored(2, CHistory::kindStrike, {0});
    AddStored(2, CHistory::kindStrike, {1});
    AddStored(13, CHistory::kindStrike, {2});
    std::vector<std::string> lines = WrittenLines();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[5], "1st   year     March  1st strike.");
    EXPECT_EQ(lines[6], std::string(19, ' ') + "  2nd strike.");
    EXPECT_EQ(lines[7], "2nd   year  February  3rd strike.");
}

TEST_F(HistoryTextTest, UnwritableFolderGivesZero) {
    app.folder += "missing/";
    EXPECT_EQ(company.WriteHistoryText(), 0);
}

TEST_F(HistoryTextTest, ExistingFileIsReplaced) {
    {
        std::ofstream old(app.folder + "HIST_1.TXT", std::ios::binary);
        old << std::string(5000, 'x');
    }
    std::vector<std::string> lines = WrittenLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[lines.size() - 2], "End");
}

}  // namespace
