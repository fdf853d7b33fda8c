// The report's ranking rows: names cut to their columns without splitting a
// character, " COM" only for the companies no player runs, and the step
// cells.

#include <algorithm>
#include <cstdio>

#include "JudgeFixture.h"
#include "judge/JudgeReport.h"

namespace {

class ReportRowsTest : public JudgeTest {
protected:
    std::vector<std::string> Lines() {
        EXPECT_TRUE(LoadAndPrepare());
        JudgeAll();
        return SplitLines(judge::CJudgeReport::ComposeText(doc, kFixedClock));
    }
    // The ranking row of a company: the line after the table head whose
    // place and name it shows.
    std::string Row(const std::vector<std::string>& lines, int company) {
        int place = doc.GetCompany(company)->GetRank() + 1;
        std::string head = FormatRowStart(place, doc.GetCompany(company)->GetName());
        for (const std::string& line : lines)
            if (line.rfind(head, 0) == 0) return line;
        return "";
    }
    static std::string FormatRowStart(int place, const std::string& name) {
        char prefix[8];
        std::snprintf(prefix, sizeof prefix, "%2d:", place);
        return prefix + name.substr(0, 5);
    }
};

TEST_F(ReportRowsTest, NamesAreCutToTheirColumnsAndOnlyComputerCompaniesSayCOM) {
    MakeGame();
    // "é" is two bytes and would be split at byte 13 of the name.
    game->Company(0).SetName("Abcdefghijkl\xC3\xA9xyz");
    game->Company(0).SetPresidentName("Presidentname Long");
    // Company 0 first on funds.
    game->Company(0).SetFunds(900000);
    std::vector<std::string> lines = Lines();
    ASSERT_EQ(doc.GetRankingOrder().front(), 0);
    std::string row = Row(lines, 0);
    ASSERT_FALSE(row.empty());
    EXPECT_EQ(row.substr(0, 17), " 1:Abcdefghijkl  ");
    EXPECT_EQ(row.substr(17, 14), "Presidentname ");
    EXPECT_EQ(row.size(), 17u + 14u + 9u + 18u);
    std::string computer = Row(lines, 1);
    ASSERT_FALSE(computer.empty());
    EXPECT_EQ(computer.substr(computer.size() - 4), " COM");
    EXPECT_EQ(computer.size(), 17u + 14u + 9u + 18u + 4u);
}

TEST_F(ReportRowsTest, StepCellsShowRanksOnlyForPointsAboveZero) {
    MakeGame();
    game->Company(0).SetDebt(400);
    std::vector<std::string> lines = Lines();
    auto debt = std::find_if(lines.begin(), lines.end(),
                             [](const std::string& l) { return l.rfind(" 2:Debt", 0) == 0; });
    ASSERT_NE(debt, lines.end());
    EXPECT_EQ(debt->size(), 42u + 10u * 3u);
    EXPECT_NE(debt->find("   -20(--)"), std::string::npos) << *debt;
    EXPECT_NE(debt->find("     0(--)"), std::string::npos) << *debt;
    auto funds = std::find_if(lines.begin(), lines.end(),
                              [](const std::string& l) { return l.rfind(" 1:Funds", 0) == 0; });
    ASSERT_NE(funds, lines.end());
    EXPECT_NE(funds->find("( 1)"), std::string::npos) << *funds;
}

}  // namespace
