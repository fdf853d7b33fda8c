// The real `mercavo` program, started with a program folder and a profile
// of its own, offscreen, answering its message boxes by itself.

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>

#include "fakes/ProgramRun.h"
#include "fakes/TempFolder.h"
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
                {"MERCAVO_AUTO_ANSWER", "1"},         {"SDL_AUDIODRIVER", "dummy"}};
    }

    // A game of three computer companies, one month played, saved.
    fs::path SimulatedGame() {
        const fs::path save = root.Path() / "simulated.mqd";
        CProgramRun simulate;
        EXPECT_TRUE(simulate.Start((BuildBin() / "simulate").string(),
                                   {"--companies", "3", "--months", "1", "--seed", "7", "--save",
                                    save.string()},
                                   Environment(), (root.Path() / "simulate.log").string()));
        int code = -1;
        EXPECT_TRUE(simulate.Wait(120000, &code));
        EXPECT_EQ(code, 0) << simulate.Log();
        return save;
    }

    CProfile Profile() const { return CProfile((config / "QUELF" / "MERCAVO-1.0.ini").string()); }

    CTempFolder root;
    fs::path home;
    fs::path config;
};

struct SRun {
    const char* name;
    std::function<void(MercavoProgramTest&, std::vector<std::string>&)> prepare;
    // The text the run must log; "" = no message box at all.
    const char* logged;
    // Whether it keeps running until it is told to close (exit 0 then).
    bool runs;
};

TEST_F(MercavoProgramTest, RunsOfTheProgram) {
    const std::vector<SRun> runs = {
        {"complete", [](auto&, auto&) {}, "", true},
        {"no palette", [](auto& t, auto&) { fs::remove(t.home / "MERCAVO.PAL"); },
         "The files shown below could not be readed. MERCAVO.PAL", false},
        {"short palette", [](auto& t, auto&) { ShortPalette(t.home); },
         "MERCAVO.PAL is not a MERCAVO paleete data file.", false},
        {"no colour marks", [](auto& t, auto&) { fs::remove(t.home / "res" / "420.bmp"); },
         "The game cannot start.", false},
        {"simulated game",
         [](auto& t, auto& args) { args.push_back(t.SimulatedGame().string()); }, "", true},
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
         "Incorrect file contents.", true},
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
        if (run.runs) {
            if (*run.logged) EXPECT_TRUE(program.WaitForLog(run.logged, 30000)) << program.Log();
            // Still running a while after its start; a close request ends it.
            EXPECT_FALSE(program.Wait(2000, &code)) << program.Log();
            program.Signal(SIGTERM);
            ASSERT_TRUE(program.Wait(30000, &code)) << program.Log();
            EXPECT_EQ(code, 0) << program.Log();
        } else {
            ASSERT_TRUE(program.Wait(30000, &code)) << program.Log();
            EXPECT_NE(code, 0);
        }
        if (*run.logged) {
            EXPECT_NE(program.Log().find(run.logged), std::string::npos) << program.Log();
        } else {
            EXPECT_EQ(program.Log().find("[auto-answer]"), std::string::npos) << program.Log();
        }
    }
}

// Closing in the founding phase writes the options but not the bars, and
// the placement, but no pane ratios.
TEST_F(MercavoProgramTest, ACloseRequestWritesTheOptions) {
    CProgramRun program;
    ASSERT_TRUE(program.Start((BuildBin() / "mercavo").string(), {}, Environment(),
                              (root.Path() / "mercavo.log").string()));
    int code = -1;
    EXPECT_FALSE(program.Wait(1500, &code)) << program.Log();
    program.Signal(SIGTERM);
    ASSERT_TRUE(program.Wait(30000, &code)) << program.Log();
    EXPECT_EQ(code, 0) << program.Log();

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
