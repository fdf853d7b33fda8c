// The real `mercavo` program, started with a program folder and a profile
// of its own, offscreen, answering its message boxes by itself.

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>

#include "fakes/ProgramRun.h"
#include "fakes/SavedGameLayout.h"
#include "fakes/TempFolder.h"
#include "game/VDoc.h"
#include "model/FileBytes.h"
#include "model/MapData.h"
#include "model/MercavoError.h"
#include "platform/core/Profile.h"
#include "platform/core/ProgramFolder.h"

namespace {

namespace fs = std::filesystem;

// The build's program folder (MERCAVO_HOME of the tests).
fs::path BuildBin() {
    return fs::path(CProgramFolder::Get());
}

// A program folder with every data file of the build's (no programs).
void CopyDataFiles(const fs::path& to) {
    for (const fs::directory_entry& e : fs::directory_iterator(BuildBin())) {
        const fs::path& from = e.path();
        if (e.is_directory() && from.filename() == "res") {
            fs::copy(from, to / "res", fs::copy_options::recursive);
        } else if (e.is_regular_file() &&
                   (fs::status(from).permissions() & fs::perms::owner_exec) == fs::perms::none) {
            fs::copy_file(from, to / from.filename());
        }
    }
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Nine colour lines under a count of ten.
void ShortPalette(const fs::path& folder) {
    std::string text = "10\n";
    for (int i = 0; i < 9; ++i) text += "1 2 3\n";
    WriteText(folder / "MERCAVO.PAL", text);
}

class MercavoProgramTest : public ::testing::Test {
public:
    // Public: the table of runs prepares the folder through the fixture.
    void SetUp() override {
        home = root.Path() / "home";
        config = root.Path() / "config";
        fs::create_directories(home);
        fs::create_directories(config);
        CopyDataFiles(home);
    }

    std::map<std::string, std::string> Environment() const {
        return {{"MERCAVO_HOME", home.string()},      {"XDG_CONFIG_HOME", config.string()},
                {"QT_QPA_PLATFORM", "offscreen"},     {"MERCAVO_TIME_SCALE", "0"},
                {"MERCAVO_AUTO_ANSWER", "1"},         {"SDL_AUDIODRIVER", "dummy"},
                // A new game ends after one year; the chain is logged.
                {"MERCAVO_SETUP_YEARS", "1"},         {"MERCAVO_CHAIN_TRACE", "1"}};
    }

    // A one-year game of computer companies, months played, saved.
    fs::path SimulatedGame(int companies = 3, int months = 1) {
        const fs::path save = root.Path() / "simulated.mqd";
        CProgramRun simulate;
        EXPECT_TRUE(simulate.Start((BuildBin() / "simulate").string(),
                                   {"--companies", std::to_string(companies), "--years", "1",
                                    "--months", std::to_string(months), "--seed", "7", "--save",
                                    save.string()},
                                   Environment(), (root.Path() / "simulate.log").string()));
        int code = -1;
        EXPECT_TRUE(simulate.Wait(120000, &code));
        EXPECT_EQ(code, 0) << simulate.Log();
        return save;
    }

    // Runs the game program on a saved game of one year, unattended: it
    // ends by itself after its twelve months.
    void PlaySavedYear(const fs::path& start, CProgramRun& program);

    CProfile Profile() const { return CProfile((config / "QUELF" / "MERCAVO-1.0.ini").string()); }

    CTempFolder root;
    fs::path home;
    fs::path config;
};

struct SRun {
    const char* name;
    std::function<void(MercavoProgramTest&, std::vector<std::string>&)> prepare;
    // A text the run must log.
    const char* logged;
    // Months the game plays to its end by itself (exit 0); 0: the start
    // fails (exit not 0).
    int months;
};

// The messages of the turn driver the run logged, in order.
std::vector<std::string> ChainTrace(const std::string& log) {
    std::vector<std::string> trace;
    const std::string mark = "[chain] ";
    for (size_t at = log.find(mark); at != std::string::npos; at = log.find(mark, at + 1)) {
        const size_t end = log.find('\n', at);
        trace.push_back(log.substr(at + mark.size(), end - at - mark.size()));
    }
    return trace;
}

// Each month in the trace starts once, settles once and ends once, and the
// game ends once after the last: a phase run twice shows here.
void ExpectMonths(const std::string& log, int months) {
    int started = 0, ended = 0, judged = 0, open = 0;
    for (const std::string& m : ChainTrace(log)) {
        if (m == "0x564") ++started, ++open;
        if (m == "0x570") ++ended, --open;
        if (m == "0x6f4") ++judged;
        EXPECT_GE(open, -1);
        EXPECT_LE(open, 1);
    }
    EXPECT_EQ(ended, months);
    EXPECT_GE(started, months - 1);
    EXPECT_EQ(judged, 1);
}

void MercavoProgramTest::PlaySavedYear(const fs::path& start, CProgramRun& program) {
    ASSERT_TRUE(program.Start((BuildBin() / "mercavo").string(), {start.string()}, Environment(),
                              (root.Path() / "mercavo.log").string()));
    int code = -1;
    ASSERT_TRUE(program.Wait(300000, &code)) << program.Log();
    EXPECT_EQ(code, 0) << program.Log();
    ExpectMonths(program.Log(), 12);
}

TEST_F(MercavoProgramTest, RunsOfTheProgram) {
    const char* judgeMissing = "The judgment program could not be started.";
    const std::vector<SRun> runs = {
        {"complete", [](auto&, auto&) {}, judgeMissing, 12},
        {"no palette", [](auto& t, auto&) { fs::remove(t.home / "MERCAVO.PAL"); },
         "The files shown below could not be readed. MERCAVO.PAL", 0},
        {"short palette", [](auto& t, auto&) { ShortPalette(t.home); },
         "MERCAVO.PAL is not a MERCAVO paleete data file.", 0},
        {"no colour marks", [](auto& t, auto&) { fs::remove(t.home / "res" / "420.bmp"); },
         "The game cannot start.", 0},
        {"simulated game",
         [](auto& t, auto& args) { args.push_back(t.SimulatedGame().string()); }, judgeMissing,
         11},
        {"damaged game",
         [](auto& t, auto& args) {
             // The peer count of the frame's block (after the 64-byte
             // header and two version ints) made negative.
             const fs::path save = t.SimulatedGame();
             std::fstream file(save, std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(72);
             file.write("\xFF\xFF\xFF\xFF", 4);
             args.push_back(save.string());
         },
         "Incorrect file contents.", 12},
    };
    for (const SRun& run : runs) {
        SCOPED_TRACE(run.name);
        fs::remove_all(root.Path());
        SetUp();
        std::vector<std::string> args;
        run.prepare(*this, args);
        CProgramRun program;
        ASSERT_TRUE(program.Start((BuildBin() / "mercavo").string(), args, Environment(),
                                  (root.Path() / "mercavo.log").string()));
        int code = -1;
        ASSERT_TRUE(program.Wait(run.months ? 300000 : 30000, &code)) << program.Log();
        if (run.months) {
            EXPECT_EQ(code, 0) << program.Log();
            ExpectMonths(program.Log(), run.months);
        } else {
            EXPECT_NE(code, 0);
        }
        EXPECT_NE(program.Log().find(run.logged), std::string::npos) << program.Log();
    }
}

// A saved game named on the command line plays its months to the judgment:
// the backup of every month loads, and the judgment data holds the game at
// its end (which the game's own loader refuses as a game to go on with).
TEST_F(MercavoProgramTest, ASavedGameIsPlayedToTheJudgment) {
    const fs::path start = SimulatedGame(7, 0);
    CProgramRun program;
    ASSERT_NO_FATAL_FAILURE(PlaySavedYear(start, program));
    EXPECT_NE(program.Log().find("The judgment program could not be started. " +
                                 (home / "qordin").string()),
              std::string::npos)
        << program.Log();

    CVDoc backup;
    ASSERT_EQ(backup.LoadFile((home / "BACKUP.MQD").string()), -1);
    std::vector<uint8_t> judged;
    ASSERT_EQ(CFileBytes::Read((home / "QORDIN.mqd").string(), size_t{1} << 30, judged),
              CFileBytes::EResult::Ok);
    const SLayout layout(backup);
    EXPECT_EQ(Get(judged, layout.year), Get(judged, layout.playYears));
    EXPECT_EQ(Get(judged, layout.playYears), 1);
    CVDoc refused;
    EXPECT_EQ(refused.LoadFile((home / "QORDIN.mqd").string()), eMERCAVO_ERROR_CONTENTS);
}

// What the document reports reaches the player through the report
// composer's boxes, which an unattended run logs and answers: an EXPO due
// to open in the second month of a saved game, none of its sites built, is
// called off.
TEST_F(MercavoProgramTest, TheReportsOfAnUnattendedGameAreInItsLog) {
    const fs::path start = SimulatedGame(3, 0);
    std::string area;
    {
        CVDoc game;
        ASSERT_EQ(game.LoadFile(start.string()), -1);
        CMapData* record = game.GetArea(0);
        ASSERT_NE(record, nullptr);
        ASSERT_EQ(record->GetProjectSiteCount(), 0);
        // A saved game goes on from its month's turns: the EXPOs of the
        // month have had their step.
        record->SetProjectStart(game.GetMonthIndex() + 1);
        area = game.GetAreaName(0);
        ASSERT_TRUE(game.SaveFile(start.string()));
    }
    CProgramRun program;
    ASSERT_NO_FATAL_FAILURE(PlaySavedYear(start, program));
    EXPECT_NE(program.Log().find("[auto-answer] Report: Inadequate preparation cancelled the " +
                                 area + " EXPO. -> OK"),
              std::string::npos)
        << program.Log();
}

// A close request in the middle of an unattended game asks whether to end
// it; the default No lets the game go on, and no phase runs twice.
TEST_F(MercavoProgramTest, ACloseRequestInTheGameIsDeclined) {
    CProgramRun program;
    ASSERT_TRUE(program.Start((BuildBin() / "mercavo").string(), {}, Environment(),
                              (root.Path() / "mercavo.log").string()));
    ASSERT_TRUE(program.WaitForLog("[chain] 0x56d", 120000)) << program.Log();
    program.Signal(SIGTERM);
    int code = -1;
    ASSERT_TRUE(program.Wait(300000, &code)) << program.Log();
    EXPECT_EQ(code, 0) << program.Log();
    EXPECT_NE(program.Log().find("Do you want to end the game? -> No"), std::string::npos)
        << program.Log();
    ExpectMonths(program.Log(), 12);
}

// A close before the founding phase (the start finds no map data file and
// closes the program) writes the options but not the bars, and the
// placement, but no pane ratios.
TEST_F(MercavoProgramTest, ACloseRequestWritesTheOptions) {
    fs::remove(home / "ORIGINAL.MQM");
    CProgramRun program;
    ASSERT_TRUE(program.Start((BuildBin() / "mercavo").string(), {}, Environment(),
                              (root.Path() / "mercavo.log").string()));
    int code = -1;
    ASSERT_TRUE(program.Wait(30000, &code)) << program.Log();
    EXPECT_EQ(code, 0) << program.Log();
    EXPECT_NE(program.Log().find("Unexisting map data file."), std::string::npos)
        << program.Log();

    const CProfile profile = Profile();
    const char* written[] = {"BGM(MIDI)", "Judge_BGM(MIDI)", "Effect Sound(Wave)",
                             "MIDI_FileName1", "MIDI_FileName30", "MIDI_Index1", "MIDI_Index22",
                             "Wave_FileName1", "Wave_FileName10", "Wave_Index1", "Wave_Index5",
                             "PropertyType", "MapDrawRate", "UserColor1", "UserColor16",
                             "MapBkColor", "MapBkColor2"};
    for (const char* key : written) {
        EXPECT_NE(profile.GetProfileString("OptionData", key, "absent"), "absent") << key;
    }
    for (const char* key : {"WaitTime", "ToolBar", "StatusBar"}) {
        EXPECT_EQ(profile.GetProfileString("OptionData", key, "absent"), "absent") << key;
    }
    EXPECT_EQ(profile.GetProfileString("OptionData", "MapDrawRate", ""), "1.000000");
    const std::string placement = profile.GetProfileString("Window Layout", "MainWindow", "");
    EXPECT_EQ(std::count(placement.begin(), placement.end(), ','), 9) << placement;
    for (const char* key : {"InfomationWindow", "MapSelectWindow"}) {
        EXPECT_EQ(profile.GetProfileString("Window Layout", key, "absent"), "absent") << key;
    }
}

}  // namespace
