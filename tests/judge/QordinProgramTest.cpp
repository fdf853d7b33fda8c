// The real `qordin` program, started with a program folder and a profile
// of its own, offscreen, answering its message boxes by itself.

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "fakes/JudgmentFileFixture.h"
#include "fakes/ProgramRun.h"
#include "fakes/TempFolder.h"
#include "platform/core/ProgramFolder.h"

namespace {

namespace fs = std::filesystem;

fs::path BuildBin() {
    return fs::path(CProgramFolder::Get());
}

// The palette and the pictures of the build's program folder.
void CopyDataFiles(const fs::path& to) {
    fs::copy(BuildBin() / "res", to / "res", fs::copy_options::recursive);
    fs::copy_file(BuildBin() / "MERCAVO.PAL", to / "MERCAVO.PAL");
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class QordinProgramTest : public ::testing::Test {
public:
    void SetUp() override {
        home = root.Path() / "home";
        config = root.Path() / "config";
        fs::create_directories(home);
        fs::create_directories(config);
        fs::create_directories(root.Path() / "game");
        CopyDataFiles(home);
    }

    std::map<std::string, std::string> Environment() const {
        return {{"MERCAVO_HOME", home.string()},      {"XDG_CONFIG_HOME", config.string()},
                {"QT_QPA_PLATFORM", "offscreen"},     {"MERCAVO_TIME_SCALE", "0"},
                {"MERCAVO_AUTO_ANSWER", "1"},         {"SDL_AUDIODRIVER", "dummy"}};
    }

    // A judgment data file of the fixture game, outside the program folder.
    fs::path JudgmentFile() {
        const fs::path path = root.Path() / "judged.mqd";
        CJudgmentFileFixture fixture((root.Path() / "game").string() + "/");
        EXPECT_TRUE(fixture.ok());
        EXPECT_TRUE(fixture.Write(path.string()));
        return path;
    }

    CTempFolder root;
    fs::path home;
    fs::path config;
};

struct SRun {
    const char* name;
    std::function<void(QordinProgramTest&, std::vector<std::string>&)> prepare;
    // The text the run must log; "" = no message box at all.
    const char* logged;
    // Whether it judges: unattended, it announces and ends by itself.
    bool runs;
    // A file named on the command line that must still exist afterwards.
    bool fileStays;
};

// The message boxes answered: the lines of the unattended answers other
// than the prompt's presses.
int QuestionsAsked(const std::string& log) {
    int questions = 0;
    for (size_t at = log.find("[auto-answer]"); at != std::string::npos;
         at = log.find("[auto-answer]", at + 1)) {
        if (log.compare(at, 20, "[auto-answer] Prompt") != 0) ++questions;
    }
    return questions;
}

std::string ColourLines(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "10 20 30\n";
    return text;
}

TEST_F(QordinProgramTest, StartsOfTheProgram) {
    const std::vector<SRun> runs = {
        {"good file", [](auto& t, auto& args) { args.push_back(t.JudgmentFile().string()); }, "",
         true, false},
        {"no palette",
         [](auto& t, auto& args) {
             fs::remove(t.home / "MERCAVO.PAL");
             args.push_back(t.JudgmentFile().string());
         },
         "The files shown below could not be readed. MERCAVO.PAL", false, true},
        {"colour line without three numbers",
         [](auto& t, auto& args) {
             WriteText(t.home / "MERCAVO.PAL", "3\n1 2 3\n4 5\n7 8 9\n");
             args.push_back(t.JudgmentFile().string());
         },
         "MERCAVO.PAL is not a MERCAVO paleete data file.", false, true},
        {"negative count",
         [](auto& t, auto& args) {
             WriteText(t.home / "MERCAVO.PAL", "-5\n" + ColourLines(5));
             args.push_back(t.JudgmentFile().string());
         },
         "MERCAVO.PAL is not a MERCAVO paleete data file.", false, true},
        {"count above 256",
         [](auto& t, auto& args) {
             WriteText(t.home / "MERCAVO.PAL", "300\n" + ColourLines(256));
             args.push_back(t.JudgmentFile().string());
         },
         "", true, false},
        {"no colour marks",
         [](auto& t, auto& args) {
             fs::remove(t.home / "res" / "420.bmp");
             args.push_back(t.JudgmentFile().string());
         },
         "The program (qordin.exe) cannot start.", false, true},
        {"damaged file",
         [](auto& t, auto& args) {
             const fs::path file = t.JudgmentFile();
             // The peer count of the frame's block (after the 64-byte header
             // and two version ints) made negative.
             std::fstream bytes(file, std::ios::in | std::ios::out | std::ios::binary);
             bytes.seekp(72);
             bytes.write("\xFF\xFF\xFF\xFF", 4);
             args.push_back(file.string());
         },
         "The file(QORDIN.MQD) contents are incorrect.", false, true},
        {"no file", [](auto&, auto&) {}, "could not be opened", false, false},
    };
    for (const SRun& run : runs) {
        SCOPED_TRACE(run.name);
        fs::remove_all(root.Path());
        SetUp();
        std::vector<std::string> args;
        run.prepare(*this, args);
        CProgramRun program;
        ASSERT_TRUE(program.Start((BuildBin() / "qordin").string(), args, Environment(),
                                  (root.Path() / "qordin.log").string()));
        int code = -1;
        if (run.runs) {
            ASSERT_TRUE(program.Wait(60000, &code)) << program.Log();
            EXPECT_EQ(code, 0) << program.Log();
            EXPECT_NE(program.Log().find("[auto-answer] Prompt"), std::string::npos);
        } else {
            ASSERT_TRUE(program.Wait(30000, &code)) << program.Log();
            EXPECT_NE(code, 0);
        }
        if (*run.logged) {
            EXPECT_NE(program.Log().find(run.logged), std::string::npos) << program.Log();
        } else {
            EXPECT_EQ(QuestionsAsked(program.Log()), 0) << program.Log();
        }
        if (!args.empty()) EXPECT_EQ(fs::exists(args[0]), run.fileStays);
    }
}

}  // namespace
