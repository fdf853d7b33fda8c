// The announcement: the texts of its explanations and of the final message,
// its steps in order with their music and sounds, run in process, and
// closing the window while it runs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "JudgeFixture.h"
#include "JudgeWindowFixture.h"
#include "judge/AnnouncementTexts.h"
#include "judge/ArboDoc.h"
#include "judge/JudgeReport.h"
#include "platform/core/Clock.h"
#include "platform/core/ProgramFolder.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageBox.h"

namespace {

using namespace judge;
using announcement::SCompanyEntry;
using announcement::STextRun;

// The runs as the text pane shows them: one string per line.
std::vector<std::string> Lines(const std::vector<STextRun>& runs) {
    std::vector<std::string> lines;
    for (const STextRun& run : runs) {
        if (run.newLine || lines.empty()) lines.emplace_back();
        lines.back() += run.text;
    }
    return lines;
}

std::vector<std::string> MessageLines(const std::vector<announcement::SMessagePart>& parts) {
    std::vector<STextRun> runs;
    for (const auto& part : parts) runs.insert(runs.end(), part.runs.begin(), part.runs.end());
    return Lines(runs);
}

SCompanyEntry Entry(const char* name, int rank, int value, bool human = false) {
    return {name, 0, rank, value, human};
}

struct SBonusCase {
    const char* name;
    std::vector<int> order;
    std::vector<SCompanyEntry> companies;
    std::vector<std::string> bonusLines;
};

TEST(AnnouncementTextTest, BonusLinesNameTheCompaniesOfTheirPlace) {
    const std::vector<SBonusCase> cases = {
        {"one company each",
         {2, 0, 1},
         {Entry("A", 1, 50), Entry("B", 2, 10), Entry("C", 0, 90)},
         {"  Bonus points  1st 10points  C  ", "                     2nd  3points  A  ",
          "                     3rd  1point   B  "}},
        {"two share the first place, none is second",
         {0, 1, 2},
         {Entry("A", 0, 90), Entry("B", 0, 90), Entry("C", 2, 10)},
         {"  Bonus points  1st 10points  A  B  ", "                     2nd  3points  ",
          "                     3rd  1point   C  "}},
        {"a value of 0 is not named, even at place 0",
         {0, 1, 2},
         {Entry("A", 0, 0), Entry("B", 0, 0), Entry("C", 0, 0)},
         {"  Bonus points  1st 10points  ", "                     2nd  3points  ",
          "                     3rd  1point   "}},
        {"a negative value is named",
         {1, 0},
         {Entry("A", 1, -30), Entry("B", 0, -10)},
         {"  Bonus points  1st 10points  B  ", "                     2nd  3points  A  ",
          "                     3rd  1point   "}},
    };
    const announcement::SExplanation page0 = announcement::Explanation(0, "");
    for (const SBonusCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> lines =
            Lines(announcement::ExplanationRuns(page0, c.order, c.companies, true));
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[0], "1st judgement  Funds");
        EXPECT_EQ(lines[1], "  \"Funds\"/100 points");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()), c.bonusLines);
        // Without names the bonus lines stand alone.
        const std::vector<std::string> plain =
            Lines(announcement::ExplanationRuns(page0, c.order, c.companies, false));
        EXPECT_EQ(plain[2], "  Bonus points  1st 10points  ");
    }
}

TEST(AnnouncementTextTest, ExplanationsOfTheLeagueAndAreaPages) {
    EXPECT_EQ(Lines(announcement::ExplanationRuns(announcement::Explanation(11, ""), {}, {}, false))
                  .front(),
              "11th judgement Times Champion (League 2)");
    const auto area = Lines(
        announcement::ExplanationRuns(announcement::Explanation(18, "Harbour"), {}, {}, false));
    EXPECT_EQ(area.front(), "15th judgement Area Contribution Level (Harbour)");
    EXPECT_EQ(area[2], "  Bonus points  1st 50/30points  ");
    // Pages without a bonus have two lines; pages outside have none.
    EXPECT_EQ(Lines(announcement::ExplanationRuns(announcement::Explanation(7, ""), {}, {}, false))
                  .size(),
              2u);
    EXPECT_TRUE(announcement::Explanation(19, "").number.empty());
    EXPECT_FALSE(announcement::SectionLines(18, 0).empty());
    EXPECT_TRUE(announcement::SectionLines(18, 1).empty());
}

struct SFinalCase {
    const char* name;
    std::vector<SCompanyEntry> companies;
    int humanPlayers;
    std::vector<std::string> lines;
};

TEST(AnnouncementTextTest, FinalMessageNamesTheWinnersAndSpeaksToTheHumanPlayer) {
    const std::string thanks = "Thank you for playing.  See you next time.";
    const std::string credit = announcement::kCreditLine;
    const std::vector<SFinalCase> cases = {
        {"two tied first, no human player",
         {Entry("A", 0, 100), Entry("B", 0, 100), Entry("C", 2, 50)},
         0,
         {"Final assessment awards # 1 to A, and B.", thanks, " ", credit}},
        {"three tied first",
         {Entry("A", 0, 7), Entry("B", 0, 7), Entry("C", 0, 7)},
         0,
         {"Final assessment awards # 1 to A, B, and C.", thanks, " ", credit}},
        {"a decisive human win: 100 and 89",
         {Entry("A", 0, 100, true), Entry("B", 1, 89)},
         1,
         {"Final assessment awards # 1 to A.Congratulations.",
          "You showed remarkable management ability.", thanks, " ", credit}},
        {"a close human win: 100 and 90",
         {Entry("A", 0, 100, true), Entry("B", 1, 90)},
         1,
         {"Final assessment awards # 1 to A.", "Congratulations on a very good game", thanks, " ",
          credit}},
        {"a human win shared: no second place, not decisive",
         {Entry("A", 0, 100, true), Entry("B", 0, 100)},
         1,
         {"Final assessment awards # 1 to A, and B.", "Congratulations on a very good game",
          thanks, " ", credit}},
        {"the one human player third",
         {Entry("A", 0, 300), Entry("B", 1, 200), Entry("C", 2, 100, true)},
         1,
         {"Final assessment awards # 1 to A.", "Unfortunately C took the 3rd place.", thanks, " ",
          credit}},
        {"two human players: nothing said of their places",
         {Entry("A", 0, 300), Entry("B", 1, 200, true), Entry("C", 2, 100, true)},
         2,
         {"Final assessment awards # 1 to A.", thanks, " ", credit}},
    };
    for (const SFinalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto parts = announcement::FinalMessage(c.companies, c.humanPlayers);
        EXPECT_EQ(MessageLines(parts), c.lines);
        // The thanks wait longest; the credit line ends without a wait.
        EXPECT_EQ(parts[parts.size() - 2].wait, 8000);
        EXPECT_EQ(parts.back().wait, 0);
    }
}

struct SMusicCase {
    const char* name;
    std::vector<int> humanRanks;
    int companies;
    int music;
};

TEST(AnnouncementTextTest, ResultsMusicFollowsTheBestHumanCompany) {
    const std::vector<SMusicCase> cases = {
        {"no human company", {}, 4, 20},
        {"a human company first", {0}, 4, 19},
        {"the best human company second", {3, 1}, 4, 20},
        {"the best human company last of several", {3, 3}, 4, 21},
        {"a single company, human", {0}, 1, 19},
    };
    for (const SMusicCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CMainFrame::ResultsMusic(c.humanRanks, c.companies), c.music);
    }
}

// ---------------------------------------------------------------- in process

class AnnouncementRunTest : public CJudgeWindowFixture {
protected:
    void SetUp() override {
        CJudgeWindowFixture::SetUp();
        transcript = folder.Folder() + "transcript.txt";
        setenv(CDrawJudgeTextWnd::kTranscriptVariable, transcript.c_str(), 1);
        CAutoAnswer::Set(true);
    }
    void TearDown() override {
        unsetenv(CDrawJudgeTextWnd::kTranscriptVariable);
        CMessageLoop::SetPreTranslateHandler(nullptr);
        CJudgeWindowFixture::TearDown();
        CProgramFolder::Override("");
        CAutoAnswer::Reset();
        CKeyState::Clear();
        CMessageLoop::Reset();
    }
    // Starts the window (with the announcement queued, or not); the report
    // goes into the test's folder.
    bool StartRecording(bool announce = true) {
        if (!Start(announce)) return false;
        CProgramFolder::Override(folder.Folder());
        frame->SetRecorder([this](const char* what, int value) {
            events.push_back(std::string(what) + " " + std::to_string(value));
        });
        return true;
    }
    // Dispatches until the window closed (or the time-out).
    bool RunToTheEnd() {
        return CMessageLoop::WaitDispatching(120000, [this] { return !frame->IsWindow(); });
    }
    int Count(const std::string& event) const {
        return static_cast<int>(std::count(events.begin(), events.end(), event));
    }
    std::vector<std::string> Posts() const {
        std::vector<std::string> posts;
        for (const std::string& e : events)
            if (e.rfind("post", 0) == 0) posts.push_back(e);
        return posts;
    }
    std::string LastMusic() const {
        for (auto e = events.rbegin(); e != events.rend(); ++e)
            if (e->rfind("music", 0) == 0) return *e;
        return "";
    }
    // The totals of the same file judged without windows.
    std::vector<int> HeadlessTotals() {
        CArboDoc headless;
        EXPECT_EQ(headless.LoadFile(folder.Folder() + "kept.mqd"), -1);
        EXPECT_EQ(headless.PrepareJudgment(), 1);
        while (headless.RunNextStep()) {
        }
        std::vector<int> totals;
        for (int c = 0; c < headless.GetCompanyCount(); ++c) totals.push_back(headless.GetTotal(c));
        return totals;
    }
    std::vector<int> Totals() {
        CArboDoc* doc = app->GetDocument();
        std::vector<int> totals;
        for (int c = 0; c < doc->GetCompanyCount(); ++c) totals.push_back(doc->GetTotal(c));
        return totals;
    }
    static std::vector<std::string> Expected(int items) {
        std::vector<std::string> posts(static_cast<size_t>(items), "post 1282");
        posts.push_back("post 1283");
        return posts;
    }

    std::string transcript;
    std::vector<std::string> events;
};

class OneAreaAnnouncementTest : public AnnouncementRunTest {
protected:
    SJudgmentFileOptions FileOptions() const override {
        SJudgmentFileOptions options;
        options.map.areaCount = 1;
        return options;
    }
};

TEST_F(OneAreaAnnouncementTest, EveryPageOnceThenTheResultsAndTheEnd) {
    ASSERT_TRUE(StartRecording());
    ASSERT_TRUE(RunToTheEnd());
    // Page 18 once: nineteen pages, then the results.
    EXPECT_EQ(Posts(), Expected(19));
    EXPECT_TRUE(frame->AreResultsShown());
    EXPECT_EQ(Totals(), HeadlessTotals());
    // The announcement's music, every page's sound, and the results music.
    EXPECT_EQ(events.front().rfind("sound 4", 0), 0u);
    EXPECT_GE(Count("music 18"), 20);
    EXPECT_GE(Count("sound 4"), 19 + 1);
    const std::string music = LastMusic();
    EXPECT_TRUE(music == "music 19" || music == "music 20" || music == "music 21") << music;
    const std::string text = ReadWholeFile(transcript);
    EXPECT_NE(text.find("Announcing judgment results.\n"), std::string::npos);
    EXPECT_NE(text.find("15th judgement Area Contribution Level ("), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - std::string(announcement::kCreditLine).size() - 1),
              std::string(announcement::kCreditLine) + "\n");
    EXPECT_TRUE(std::filesystem::exists(folder.Folder() + "JUDGE.TXT"));
}

TEST_F(AnnouncementRunTest, SpaceInTheFirstIntroductionWaitShowsTheRestAtOnce) {
    ASSERT_TRUE(StartRecording(false));
    // The first message the wait dispatches is met with Space.
    bool pressed = false;
    CMessageLoop::SetPreTranslateHandler([&](MSG&) {
        if (!pressed) CKeyState::Press(VK_SPACE);
        pressed = true;
        return false;
    });
    frame->PostMessage(WM_NULL, 0, 0);
    frame->ShowIntroduction();
    EXPECT_EQ(Count("wait 4000"), 1);
    EXPECT_EQ(view->GetTopFrame().GetTextPane().GetLineCount(), 10);
    // The lines other than " " sound.
    EXPECT_EQ(Count("sound 4"), 7);
    EXPECT_EQ(view->GetDisplayMode(), 2);
}

TEST_F(AnnouncementRunTest, PollingWaitsDispatchWhateverTheWaitTime) {
    ASSERT_TRUE(StartRecording(false));
    ASSERT_EQ(CClock::TimeScale(), 0.0);
    // A window standing for the network's notifications.
    class CCountingWnd : public CWnd {
    public:
        int seen = 0;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_USER + 7) ++seen;
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } notify;
    ASSERT_TRUE(notify.CreateEx(0, CArboApp::kFaceClass, "", WS_CHILD, CRect(0, 0, 1, 1), frame,
                                0));
    notify.PostMessage(WM_USER + 7, 0, 0);
    // The presentation's waits end at once without looking at the queue.
    EXPECT_EQ(frame->WaitMilliseconds(50, 1, 0), 0);
    EXPECT_EQ(notify.seen, 0);
    // A poll of the network dispatches what came meanwhile.
    frame->PollWait(50);
    EXPECT_EQ(notify.seen, 1);
    notify.DestroyWindow();
}

TEST_F(AnnouncementRunTest, NoToTheCloseQuestionShowsThePromptAndJudgesEachStepOnce) {
    CAutoAnswer::Set(false);
    ASSERT_TRUE(StartRecording());
    CDrawJudgeTextWnd& text = view->GetTopFrame().GetTextPane();
    ASSERT_TRUE(CMessageLoop::WaitDispatching(60000, [&] { return text.IsPromptShown(); }));
    text.ShowPrompt(false, nullptr);
    // Unattended, the question takes its default, No; the prompt comes back
    // and presses itself from then on.
    CAutoAnswer::Set(true);
    frame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(frame->IsWindow());
    ASSERT_TRUE(RunToTheEnd());
    const int steps = app->GetDocument()->GetStepTotal();
    EXPECT_EQ(Posts(), Expected(steps));
    EXPECT_EQ(Totals(), HeadlessTotals());
    // The report equals that of the run without windows, but for its stamp.
    CArboDoc headless;
    ASSERT_EQ(headless.LoadFile(folder.Folder() + "kept.mqd"), -1);
    ASSERT_EQ(headless.PrepareJudgment(), 1);
    while (headless.RunNextStep()) {
    }
    const auto written = SplitLines(ReadWholeFile(folder.Folder() + "JUDGE.TXT"));
    const auto expected = SplitLines(CJudgeReport::ComposeText(headless, 0));
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(written.begin() + 1, written.end()),
              std::vector<std::string>(expected.begin() + 1, expected.end()));
}

TEST_F(AnnouncementRunTest, ClosingDuringTheFinalMessageAsksNothingAndKeepsTheReport) {
    ASSERT_TRUE(StartRecording(false));
    // The first wait of the final message meets a close.
    frame->SetRecorder([this](const char* what, int) {
        if (std::string(what) == "wait" && frame->AreResultsShown())
            frame->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    frame->OnAnnounceResults();
    EXPECT_FALSE(frame->IsWindow());
    EXPECT_TRUE(std::filesystem::exists(folder.Folder() + "JUDGE.TXT"));
    const std::string text = ReadWholeFile(transcript);
    EXPECT_NE(text.find("Final assessment awards # 1 to "), std::string::npos);
    EXPECT_EQ(text.find("Thank you for playing."), std::string::npos);
}

TEST_F(AnnouncementRunTest, YesToTheCloseQuestionEndsTheAnnouncement) {
    CAutoAnswer::Set(false);
    ASSERT_TRUE(StartRecording());
    CDrawJudgeTextWnd& text = view->GetTopFrame().GetTextPane();
    ASSERT_TRUE(CMessageLoop::WaitDispatching(60000, [&] { return text.IsPromptShown(); }));
    // The question's box is answered Yes as soon as it is open.
    CMessageLoop::SetPreTranslateHandler([](MSG&) {
        if (CMessageBox* box = CMessageBox::GetOpen()) box->EndDialog(IDYES);
        return false;
    });
    CMessageLoop::SetTimer(frame, 77, 10);
    frame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(frame->IsWindow());
    EXPECT_EQ(app->GetDocument()->GetStepCounter(), 1);
    EXPECT_EQ(Posts(), std::vector<std::string>{"post 1282"});
}

}  // namespace
