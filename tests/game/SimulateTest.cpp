// End to end: the headless harness from the program folder, run as a
// separate program on data files made by code.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "GameFixture.h"
#include "fakes/Golden.h"
#include "game/MonthChain.h"
#include "platform/core/Archive.h"

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class SimulateTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        const char* home = std::getenv("MERCAVO_HOME");
        if (!home) GTEST_SKIP() << "MERCAVO_HOME names no program folder";
        this->home = home;
        program = std::string(home) + "/simulate";
        if (!std::filesystem::exists(program)) GTEST_SKIP() << program << " is not built";
        WriteFiles(*MakeGameFixtureMap());
    }

    // The exit status of simulate with the fixture's data files.
    int Run(const std::string& arguments) {
        return Launch("--map " + folder + "ORIGINAL.MQM --persons " + folder + "ORIGINAL.MQP " +
                      arguments);
    }
    // The exit status of simulate with the authored data files of the
    // program folder.
    int RunWithData(const std::string& arguments) {
        return Launch("--map " + home + "/ORIGINAL.MQM --persons " + home + "/ORIGINAL.MQP " +
                      arguments);
    }
    // simulate's own program folder is the test's: its monthly backup and
    // its judgment file land there, apart from other tests' runs.
    int Launch(const std::string& arguments) {
        std::string command = "MERCAVO_HOME='" + folder + "' " + program + " " + arguments +
                              " > " + folder + "out.txt 2>&1";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The game checksum of the last run's summary.
    std::string GameChecksum() {
        const std::string out = Output();
        const std::string label = "game checksum ";
        size_t at = out.find(label);
        return at == std::string::npos ? "none" : out.substr(at + label.size(), 8);
    }
    std::string Output() {
        std::vector<uint8_t> bytes = ReadAll(folder + "out.txt");
        return {bytes.begin(), bytes.end()};
    }

    // The offsets of the two words that a load changes: the frame's session
    // state and the load count.
    static std::pair<size_t, size_t> LoadWords(const std::vector<uint8_t>& bytes) {
        size_t session = 0, loadCount = 0;
        EXPECT_TRUE(CVDoc::LocateLoadWords(bytes, session, loadCount));
        return {session, loadCount};
    }

    std::string home;
    std::string program;
};

// Map files hold at least one area, but the area step does not rely on
// it: with none, no area runs and the month goes on to its settlement.
TEST_F(GameTest, TheAreaStepOfAMapWithoutAreasGoesOnToTheSettlement) {
    ASSERT_EQ(doc.GetMap().GetAreaCount(), 0);
    CMonthChain chain(doc);
    EXPECT_EQ(chain.Run(ePHASE_AREA), ePHASE_SETTLEMENT);
    EXPECT_EQ(chain.Run(ePHASE_AREA), ePHASE_SETTLEMENT);
}

TEST_F(SimulateTest, SavedGameLoadsAndSavesAgainUnchanged) {
    ASSERT_EQ(Run("--companies 7 --months 24 --seed 1 --save " + folder + "a.mqd"), 0) << Output();
    EXPECT_NE(Output().find("Year 3 of 10, January"), std::string::npos) << Output();
    ASSERT_EQ(Run("--load " + folder + "a.mqd --months 0 --save " + folder + "b.mqd"), 0)
        << Output();
    ASSERT_EQ(Run("--load " + folder + "b.mqd --months 0 --save " + folder + "c.mqd"), 0)
        << Output();
    std::vector<uint8_t> a = ReadAll(folder + "a.mqd");
    std::vector<uint8_t> b = ReadAll(folder + "b.mqd");
    std::vector<uint8_t> c = ReadAll(folder + "c.mqd");
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size());
    ASSERT_EQ(b.size(), c.size());
    // A load counts itself and puts the frame into the session state of a
    // loaded game; every other byte stays.
    auto [session, loadCount] = LoadWords(a);
    EXPECT_EQ(a[loadCount], 0);
    EXPECT_EQ(b[loadCount], 1);
    EXPECT_EQ(c[loadCount], 2);
    for (auto* file : {&a, &b, &c}) {
        std::fill_n(file->begin() + static_cast<long>(session), 4, 0);
        std::fill_n(file->begin() + static_cast<long>(loadCount), 4, 0);
    }
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(b == c);
}

TEST_F(SimulateTest, TheSameSeedGivesTheSameGame) {
    ASSERT_EQ(Run("--companies 5 --months 14 --seed 9 --save " + folder + "one.mqd --transcript " +
                  folder + "one.txt"),
              0)
        << Output();
    std::string first = Output();
    const std::vector<uint8_t> backup = ReadAll(folder + "BACKUP.MQD");
    ASSERT_FALSE(backup.empty());
    ASSERT_EQ(Run("--companies 5 --months 14 --seed 9 --save " + folder + "two.mqd --transcript " +
                  folder + "two.txt"),
              0);
    EXPECT_EQ(Output(), first);
    EXPECT_TRUE(ReadAll(folder + "one.mqd") == ReadAll(folder + "two.mqd"));
    EXPECT_TRUE(backup == ReadAll(folder + "BACKUP.MQD"));
    EXPECT_TRUE(ReadAll(folder + "one.txt") == ReadAll(folder + "two.txt"));
    ASSERT_EQ(Run("--companies 5 --months 14 --seed 10 --save " + folder + "three.mqd"), 0);
    EXPECT_FALSE(ReadAll(folder + "one.mqd") == ReadAll(folder + "three.mqd"));
}

// Seeded games pinned: any change of a rule's draws or figures moves a
// checksum. The expected values live in tests/golden (see its README for
// rewriting them when a change is meant).
TEST_F(SimulateTest, GoldenSeededGamesOnTheFixtureData) {
    std::string pinned;
    for (int seed : {1, 2, 3}) {
        const std::string run = "--companies 5 --months 24 --seed " + std::to_string(seed);
        ASSERT_EQ(Run(run), 0) << Output();
        pinned += run + ": " + GameChecksum() + "\n";
    }
    ExpectGolden("simulate-fixture", pinned);
}

TEST_F(SimulateTest, GoldenSeededGamesOnTheAuthoredData) {
    const std::string home = std::getenv("MERCAVO_HOME");
    if (!std::filesystem::exists(home + "/ORIGINAL.MQM") ||
        !std::filesystem::exists(home + "/ORIGINAL.MQP"))
        GTEST_SKIP() << "no authored data files in " << home;
    std::string pinned;
    for (int seed : {1, 2}) {
        const std::string run = "--companies 7 --months 12 --seed " + std::to_string(seed);
        ASSERT_EQ(RunWithData(run), 0) << Output();
        pinned += run + ": " + GameChecksum() + "\n";
    }
    ExpectGolden("simulate-authored", pinned);
}

// Without a month count the game runs to its end: a backup every month,
// the judgment file at the end, and a run past the end stops there too.
TEST_F(SimulateTest, AGamePlaysToItsEndAndLeavesItsJudgmentFile) {
    ASSERT_EQ(Run("--companies 4 --years 1 --seed 2 --check --save " + folder + "end.mqd"), 0)
        << Output();
    EXPECT_NE(Output().find("Game end after 1 years"), std::string::npos) << Output();
    const std::vector<uint8_t> judgment = ReadAll(folder + "QORDIN.mqd");
    ASSERT_FALSE(judgment.empty());
    EXPECT_TRUE(judgment == ReadAll(folder + "end.mqd"));
    EXPECT_FALSE(ReadAll(folder + "BACKUP.MQD").empty());
    // The game program does not take up a finished game.
    EXPECT_EQ(Run("--load " + folder + "QORDIN.mqd"), 1) << Output();

    ASSERT_EQ(Run("--companies 4 --years 1 --seed 2 --months 30"), 0) << Output();
    EXPECT_NE(Output().find("Game end after 1 years"), std::string::npos) << Output();
    EXPECT_TRUE(ReadAll(folder + "QORDIN.mqd") == judgment);
}

// The monthly backup is taken before the companies' operations: loaded, the
// game goes on from there to its end with every check holding.
TEST_F(SimulateTest, AMidGameBackupPlaysOnToTheEnd) {
    ASSERT_EQ(Run("--companies 5 --years 2 --seed 4 --months 7"), 0) << Output();
    std::filesystem::copy_file(folder + "BACKUP.MQD", folder + "july.mqd");
    ASSERT_EQ(Run("--load " + folder + "july.mqd --check"), 0) << Output();
    EXPECT_NE(Output().find("Game end after 2 years"), std::string::npos) << Output();
}

// The whole transcript of a short game on the authored data, line by line:
// every report and log line of every phase shows in the diff when a rule
// changes (tests/golden/README.md tells how to rewrite it on purpose).
TEST_F(SimulateTest, GoldenTranscriptOfTwoYearsOnTheAuthoredData) {
    if (!std::filesystem::exists(home + "/ORIGINAL.MQM") ||
        !std::filesystem::exists(home + "/ORIGINAL.MQP"))
        GTEST_SKIP() << "no authored data files in " << home;
    ASSERT_EQ(RunWithData("--companies 10 --years 2 --seed 1 --transcript " + folder + "t.txt"), 0)
        << Output();
    const std::vector<uint8_t> bytes = ReadAll(folder + "t.txt");
    ExpectGolden("simulate-transcript", std::string(bytes.begin(), bytes.end()));
}

TEST_F(SimulateTest, FailuresEndWithAMessage) {
    EXPECT_EQ(Run("--months"), 2);
    EXPECT_NE(Output().find("usage: simulate"), std::string::npos);
    EXPECT_EQ(Run("--companies 0"), 2);
    EXPECT_EQ(Run("--load " + folder + "ORIGINAL.MQP"), 1);
    EXPECT_NE(Output().find("Unavailable file.\nDifferent file version."), std::string::npos)
        << Output();
    // More companies than the map has room for are refused, with the range.
    EXPECT_EQ(Run("--companies 30 --months 1"), 2) << Output();
    EXPECT_NE(Output().find("--companies 30: the map has room for 1 to 8 companies"),
              std::string::npos)
        << Output();
}

TEST_F(SimulateTest, APhaseThatThrowsStopsTheRunWithoutSavingOverTheGoodFile) {
    const std::string good = folder + "good.mqd";
    ASSERT_EQ(Run("--companies 4 --months 2 --seed 3 --save " + good), 0) << Output();
    const std::vector<uint8_t> before = ReadAll(good);
    // The game was saved in March of the first year: the loaded game goes on
    // with March's operations, and the failure comes in that month.
    for (const std::string step : {"operations", "settlement", "bankruptcies"}) {
        SCOPED_TRACE(step);
        setenv("MERCAVO_SIMULATE_FAIL_STEP", step.c_str(), 1);
        int status = Run("--load " + good + " --months 3 --save " + good);
        unsetenv("MERCAVO_SIMULATE_FAIL_STEP");
        EXPECT_EQ(status, 1) << Output();
        EXPECT_NE(Output().find("year 1, March, step \"" + step + "\" failed"), std::string::npos)
            << Output();
        EXPECT_TRUE(ReadAll(good) == before);
    }
}

}  // namespace
