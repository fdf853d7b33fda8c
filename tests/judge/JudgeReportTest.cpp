// The report of a simulated game, compared with the golden JUDGE.TXT: once
// through the program as the game's end starts it, once in process with the
// clock fixed. And the program refusing damaged files without touching an
// earlier report.

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "fakes/SimulatedGame.h"
#include "JudgeFixture.h"
#include "fakes/ProgramRun.h"
#include "judge/DrawJudgeTextWnd.h"
#include "judge/ReportOnlyRun.h"
#include "platform/core/ArchiveStream.h"
#include "platform/core/TextFormat.h"

namespace {

namespace fs = std::filesystem;

class JudgeReportTest : public JudgeTest {
protected:
    void SetUp() override {
        JudgeTest::SetUp();
        const char* home = std::getenv("MERCAVO_HOME");
        if (!home) GTEST_SKIP() << "MERCAVO_HOME names no program folder";
        bin = std::string(home) + "/";
        if (!fs::exists(bin + "qordin") || !fs::exists(bin + "simulate"))
            GTEST_SKIP() << "qordin or simulate is not built";
    }
    // The golden game: seven computer companies, three years, seed 1, saved
    // at the end of the last year into the test's program folder.
    void Simulate() {
        for (const char* file : {"ORIGINAL.MQM", "ORIGINAL.MQP"})
            fs::copy_file(bin + file, folder + file, fs::copy_options::overwrite_existing);
        ASSERT_TRUE(CopySimulatedGame(bin, "--companies 7 --years 3 --seed 1", folder + "QORDIN.mqd"));
    }
    // qordin --report-only in the program folder: its exit status.
    int RunQordin(const std::string& file) {
        std::string command = "cd " + folder + " && MERCAVO_HOME=" + folder +
                              " QT_QPA_PLATFORM=offscreen " + bin + "qordin --report-only " + file +
                              " 2>" + folder + "errors.txt";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Errors() { return ReadWholeFile(folder + "errors.txt"); }

    std::string bin;
};

// The number after "label:" on a line of the text.
std::string NumberAfter(const std::string& text, const std::string& label) {
    std::smatch match;
    std::regex pattern(label + " *:([0-9-]+)");
    return std::regex_search(text, match, pattern) ? match[1].str() : "";
}

TEST_F(JudgeReportTest, TheSimulatedGamesReportThroughTheProgram) {
    Simulate();
    ASSERT_EQ(RunQordin("QORDIN.mqd"), 0) << Errors();
    std::string report = ReadWholeFile(folder + "JUDGE.TXT");
    // All but the stamp.
    ExpectGolden(report, "JUDGE.TXT", 1);
    std::string check = NumberAfter(report, "Judgment data");
    ASSERT_FALSE(check.empty());
    // One history per company at the game's end (companies come and go
    // during a game), numbered from 1 without a gap.
    int histories = 0;
    while (fs::exists(folder + FormatText("HIST_%d.TXT", histories + 1))) {
        ++histories;
        std::string history = ReadWholeFile(folder + FormatText("HIST_%d.TXT", histories));
        ASSERT_FALSE(history.empty()) << histories;
        EXPECT_EQ(NumberAfter(history, "Judge"), check) << histories;
    }
    EXPECT_GE(histories, 1);
    // The input stays.
    EXPECT_TRUE(fs::exists(folder + "QORDIN.mqd"));
}

TEST_F(JudgeReportTest, TheWholeReportInProcessWithTheClockFixed) {
    Simulate();
    std::ostringstream errors;
    // No file named: QORDIN.mqd in the program folder.
    ASSERT_EQ(judge::CReportOnlyRun::Run("", errors), 0) << errors.str();
    ExpectGolden(ReadWholeFile(folder + "JUDGE.TXT"), "JUDGE.TXT");
}

// The whole announcement as the game's end starts it, unattended: the
// program runs every step by itself, writes the report and ends.
TEST_F(JudgeReportTest, TheUnattendedAnnouncementEndsByItself) {
    Simulate();
    for (const char* data : {"MERCAVO.PAL", "res"}) {
        fs::copy(bin + data, folder + data, fs::copy_options::recursive);
    }
    // The game hands a copy over, which goes with the judgment.
    const std::string handed = folder + "handed.mqd";
    fs::copy_file(folder + "QORDIN.mqd", handed);
    const std::string transcript = folder + "transcript.txt";
    const std::map<std::string, std::string> env = {
        {"MERCAVO_HOME", folder},
        {"XDG_CONFIG_HOME", folder + "config"},
        {"QT_QPA_PLATFORM", "offscreen"},
        {"MERCAVO_TIME_SCALE", "0"},
        {"MERCAVO_AUTO_ANSWER", "1"},
        {"SDL_AUDIODRIVER", "dummy"},
        {"TZ", "UTC"},
        {judge::CDrawJudgeTextWnd::kTranscriptVariable, transcript}};
    CProgramRun program;
    ASSERT_TRUE(program.Start(bin + "qordin", {handed}, env, folder + "qordin.log"));
    int code = -1;
    ASSERT_TRUE(program.Wait(120000, &code)) << program.Log();
    EXPECT_EQ(code, 0) << program.Log();
    ExpectGolden(ReadWholeFile(folder + "JUDGE.TXT"), "JUDGE.TXT", 1);
    // The transcript's lines end in LF; the golden file's in CR LF.
    std::string lines = ReadWholeFile(transcript);
    std::string crlf;
    for (char c : lines) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ExpectGolden(crlf, "announcement.txt");
    EXPECT_FALSE(fs::exists(handed));
}

struct SRefusal {
    const char* name;
    size_t SLayout::*field;
    int value;
    const char* text;
};

class RefusedFileTest : public JudgeReportTest, public ::testing::WithParamInterface<SRefusal> {};

TEST_P(RefusedFileTest, ShowsItsTextExitsWith1AndLeavesTheReport) {
    MakeGame();
    std::vector<uint8_t> bytes = game->Bytes();
    Put(bytes, game->Layout().*GetParam().field, GetParam().value);
    ASSERT_TRUE(CFileStream::WriteWholeFile(folder + "bad.mqd", bytes));
    ASSERT_TRUE(WriteTextFileForTest(folder + "JUDGE.TXT", "earlier report"));
    EXPECT_EQ(RunQordin("bad.mqd"), 1);
    EXPECT_NE(Errors().find(GetParam().text), std::string::npos) << Errors();
    EXPECT_EQ(ReadWholeFile(folder + "JUDGE.TXT"), "earlier report");
    EXPECT_FALSE(fs::exists(folder + "HIST_1.TXT"));
}

INSTANTIATE_TEST_SUITE_P(
    Judgment, RefusedFileTest,
    ::testing::Values(SRefusal{"Version2", &SLayout::version, 2,
                               "The file (QORDIN.MQD) is not available."},
                      SRefusal{"NoPlayYears", &SLayout::playYears, 0,
                               "The file(QORDIN.MQD) contents are incorrect."},
                      SRefusal{"ViewDirection4", &SLayout::view, 4,
                               "The file(QORDIN.MQD) contents are incorrect."}),
    [](const ::testing::TestParamInfo<SRefusal>& info) { return std::string(info.param.name); });

TEST_F(JudgeReportTest, AMissingFileIsNamed) {
    EXPECT_EQ(RunQordin("nothing.mqd"), 1);
    EXPECT_NE(Errors().find("nothing.mqd could not be opened"), std::string::npos) << Errors();
}

TEST_F(JudgeReportTest, AReportThatCannotBeWrittenFails) {
    MakeGame();
    ASSERT_TRUE(game->Write(folder + "QORDIN.mqd"));
    fs::create_directory(folder + "JUDGE.TXT");
    EXPECT_EQ(RunQordin(""), 1);
    EXPECT_NE(Errors().find("could not be written"), std::string::npos) << Errors();
}

}  // namespace
