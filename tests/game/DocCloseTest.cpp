// The document's close and save handlers against the frame's flags: what a
// close asks, when it is refused, when the month resumes, and what a save
// leaves on disk.

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <iterator>

#include "GameFixture.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class DocCloseTest : public GameTest {
protected:
    void Game(int humans) {
        NewGame(2, humans);
        path = folder + "game.mqd";
        doc.SetPathName(path);
    }
    std::string path;
};

struct SCloseCase {
    const char* name;
    int pumping, closing, humans, modified, canSave, answer;
    bool closes;
    const char* asked;  // "" = nothing asked
    bool resumes;
    bool requested;  // the close was recorded for the end of the wait
    bool saved;
};

TEST_F(DocCloseTest, CloseTable) {
    const std::string saveQuestion = "Save changes to game.mqd?";
    const SCloseCase cases[] = {
        {"inside a wait", 1, 0, 1, 1, 0, kAnswerYes, false, "", false, true, false},
        {"inside a wait, nobody plays", 1, 0, 0, 1, 1, kAnswerYes, false, "", false, true, false},
        {"the game closes itself", 0, 1, 1, 1, 0, kAnswerNo, true, "", false, false, false},
        {"closes itself, nobody plays", 0, 1, 0, 1, 1, kAnswerNo, true, "", false, false, false},
        {"nobody plays, yes", 0, 0, 0, 1, 1, kAnswerYes, true, "Do you want to end the game?",
         false, false, false},
        {"nobody plays, no", 0, 0, 0, 1, 1, kAnswerNo, false, "Do you want to end the game?", true,
         false, false},
        {"not modified", 0, 0, 1, 0, 0, kAnswerNo, true, "", false, false, false},
        {"cannot save, yes", 0, 0, 1, 1, 0, kAnswerYes, true, "Close MERCAVO without saving data.",
         false, false, false},
        {"cannot save, no", 0, 0, 1, 1, 0, kAnswerNo, false, "Close MERCAVO without saving data.",
         true, false, false},
        {"can save, no", 0, 0, 1, 1, 1, kAnswerNo, true, saveQuestion.c_str(), false, false, false},
        {"can save, yes", 0, 0, 1, 1, 1, kAnswerYes, true, saveQuestion.c_str(), false, false, true},
        {"can save, cancel", 0, 0, 1, 1, 1, kAnswerCancel, false, saveQuestion.c_str(), true, false,
         false},
    };
    Game(1);
    for (const SCloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        frame = CFakeFrameService();
        fs::remove(path);
        ASSERT_EQ(doc.SetPlayerCount(c.humans, 1), 1);
        doc.SetModifiedFlag(c.modified != 0);
        frame.pumping = c.pumping;
        frame.closing = c.closing;
        frame.canSaveNow = c.canSave;
        frame.messageBoxAnswer = c.answer;

        EXPECT_EQ(doc.CanCloseFrame(), c.closes);
        if (*c.asked) {
            ASSERT_EQ(frame.messages.size(), 1u);
            EXPECT_EQ(frame.messages[0], c.asked);
        } else {
            EXPECT_TRUE(frame.messages.empty());
        }
        const bool resumed = std::count(frame.calls.begin(), frame.calls.end(),
                                        "ResumeAfterDeclinedClose") > 0;
        EXPECT_EQ(resumed, c.resumes);
        EXPECT_EQ(frame.closeRequested, c.requested);
        EXPECT_EQ(fs::exists(path), c.saved);
        if (c.saved) EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(DocCloseTest, TheEndQuestionDefaultsToNo) {
    Game(0);
    frame.messageBoxAnswer = kAnswerNo;
    EXPECT_FALSE(doc.CanCloseFrame());
    ASSERT_FALSE(frame.calls.empty());
    EXPECT_EQ(frame.calls[0], "ShowMessageBox(" +
                                  std::to_string(kMessageBoxYesNo | kMessageIconExclamation |
                                                 kMessageDefaultButton2) +
                                  ")");
}

TEST_F(DocCloseTest, ACopyKeepsTheGamesPathAndItsModifiedFlag) {
    Game(1);
    doc.SetModifiedFlag(true);
    const std::string copy = folder + "BACKUP.MQD";
    ASSERT_EQ(doc.DoSave(copy, 0), 1);
    EXPECT_TRUE(fs::exists(copy));
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_TRUE(doc.IsModified());

    const std::string judged = folder + "QORDIN.mqd";
    ASSERT_EQ(doc.DoSave(judged, 1), 1);
    EXPECT_EQ(doc.GetPathName(), judged);
    EXPECT_FALSE(doc.IsModified());
    // What was saved loads.
    CVDoc loaded;
    EXPECT_EQ(loaded.LoadFile(copy), -1);
}

TEST_F(DocCloseTest, SavesThatDoNotHappen) {
    Game(1);
    doc.SetPathName("");
    // No name and the prompt cancelled: nothing saved, the prompt started
    // from the title with the game's extension.
    EXPECT_EQ(doc.DoSave("", 1), 0);
    EXPECT_NE(std::find(frame.calls.begin(), frame.calls.end(), "PromptSaveName(Untitled.mqd)"),
              frame.calls.end());
    // The game may not be saved now: a beep, no file.
    frame.canSaveNow = 0;
    EXPECT_EQ(doc.DoSave(path, 1), 0);
    EXPECT_EQ(frame.beepCount, 1);
    EXPECT_FALSE(fs::exists(path));
    // The prompt's answer is saved to once saving is allowed.
    frame.canSaveNow = 1;
    frame.promptedName = folder + "chosen.mqd";
    EXPECT_EQ(doc.DoSave("", 1), 1);
    EXPECT_EQ(doc.GetPathName(), folder + "chosen.mqd");
}

// A save that cannot be written leaves the file that was there.
TEST_F(DocCloseTest, AFailedSaveKeepsTheOldFile) {
    Game(1);
    std::ofstream(path, std::ios::binary) << "the old game";
    // The temporary file's place is taken by a folder: the write fails.
    fs::create_directories(path + ".saving");
    EXPECT_EQ(doc.DoSave(path, 1), 0);
    EXPECT_EQ(ReadAll(path), "the old game");
    fs::remove_all(path + ".saving");
    EXPECT_EQ(doc.DoSave(path, 1), 1);
    EXPECT_NE(ReadAll(path), "the old game");
    EXPECT_FALSE(fs::exists(path + ".saving"));
}

}  // namespace
