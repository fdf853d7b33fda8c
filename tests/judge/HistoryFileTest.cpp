// The company history files: a golden file with a record of every kind and
// records whose parameters lead nowhere, and the file of a company without
// history.

#include <initializer_list>
#include <string>

#include "JudgeFixture.h"
#include "judge/JudgeReport.h"
#include "model/History.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"

namespace {

CHistory Stored(int monthIndex, int kind, const std::vector<int>& params) {
    CMemoryStream out;
    CArchive store(out, CArchive::store);
    store.WriteInt(monthIndex);
    store.WriteInt(kind);
    store.WriteInt(static_cast<int>(params.size()));
    for (int p : params) store.WriteInt(p);
    CMemoryStream in(out.Bytes());
    CArchive load(in, CArchive::load);
    CHistory entry;
    entry.Serialize(load);
    return entry;
}

std::vector<int> Codes(const std::string& text) {
    std::vector<int> codes;
    for (char c : text) codes.push_back(static_cast<signed char>(c));
    return codes;
}

std::vector<int> Merger(const std::string& a, const std::string& b) {
    std::vector<int> params{static_cast<int>(a.size()), static_cast<int>(b.size())};
    for (int c : Codes(a + b)) params.push_back(c);
    return params;
}

class HistoryFileTest : public JudgeTest {
protected:
    std::string Judged(int company) {
        EXPECT_TRUE(LoadAndPrepare());
        JudgeAll();
        return doc.GetCompany(company)->BuildHistoryText(
            judge::CJudgeReport::ComputeJudgmentCheck(doc), kFixedClock);
    }
};

TEST_F(HistoryFileTest, EveryKindAndParametersThatLeadNowhere) {
    MakeGame();
    int structure = game->Doc().GetMap().GetStructureTypeCount() - 1;
    std::vector<CHistory>& h = game->Company(1).GetHistory();
    h = {Stored(0, 1, {0}), Stored(0, 2, {1}), Stored(2, 5, {1, 0}), Stored(13, 3, {4}),
         Stored(13, 4, {0}), Stored(14, 6, {2}), Stored(14, 7, {0, structure}),
         Stored(14, 8, {1, structure, 1}), Stored(20, 9, {0, 0}), Stored(20, 9, {1, 1}),
         Stored(25, 10, {0, 0}), Stored(25, 11, {0, 1, 0}), Stored(25, 11, {1, 0, 1}),
         Stored(26, 12, {0, 1, 2}), Stored(30, 13, Codes("Gone Ltd")),
         Stored(33, 14, Codes("New Ltd")), Stored(35, 15, Merger("Gone Ltd", "New Ltd")),
         Stored(35, 5, {1, 1}),
         // A kind without text gets no line and leaves the columns alone.
         Stored(35, 0, {}),
         // Indexes and lengths that lead nowhere.
         Stored(36, 1, {99}), Stored(36, 5, {-1, 0}), Stored(36, 15, {50, 2, 'A', 'B'}),
         Stored(36, 12, {7, 0, 0}), Stored(36, 8, {0, 10000, 5}), Stored(36, 3, {})};
    ExpectGolden(Judged(1), "HIST_2.TXT");
}

TEST_F(HistoryFileTest, ACompanyWithoutHistory) {
    MakeGame();
    game->Company(2).GetHistory().clear();
    std::vector<std::string> lines = SplitLines(Judged(2));
    ASSERT_GE(lines.size(), 15u);
    EXPECT_EQ(lines[0],
              "MERCAVO Company's history data\x81\x40"
              "created 2021.3.7  9: 5: 3");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[4].substr(0, 9), "Judge  :0");
    EXPECT_EQ(lines[5].substr(0, 10), "Company:01");
    EXPECT_EQ(lines[7], doc.GetCompany(2)->GetName() + "(COM)");
    EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()),
              (std::vector<std::string>{"", "Year / Month", "", "End.", ""}));
}

}  // namespace
