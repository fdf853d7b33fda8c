// Closing the judgment's main window: refused during a wait, asked about
// while an announcement step is pending, and a No that only shows the
// prompt again.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "judge/ArboDoc.h"
#include "judge/JudgeFrame.h"
#include "platform/ui/AutoAnswer.h"

namespace {

class CRecordingFrame : public judge::IJudgeFrame {
public:
    bool IsInWait() override { return inWait; }
    void RequestClose() override { calls.push_back("RequestClose"); }
    bool AreResultsShown() override { return resultsShown; }
    bool HasPendingStep() override { return pendingStep; }
    bool IsNetworkGame() override { return networkGame; }
    bool IsNetworkHost() override { return host; }
    bool HasPeers() override { return peers; }
    void ShowPromptAgain() override { calls.push_back("ShowPromptAgain"); }

    bool inWait = false, resultsShown = false, pendingStep = true, networkGame = false,
         host = false, peers = false;
    std::vector<std::string> calls;
};

struct SCloseCase {
    const char* name;
    CRecordingFrame frame;
    bool closes;
    std::vector<std::string> calls;
};

CRecordingFrame Frame(std::function<void(CRecordingFrame&)> set) {
    CRecordingFrame frame;
    set(frame);
    return frame;
}

class ConfirmCloseTest : public ::testing::TestWithParam<SCloseCase> {
protected:
    // The question's default button, No, is the answer.
    void SetUp() override { CAutoAnswer::Set(true); }
    void TearDown() override { CAutoAnswer::Reset(); }
};

TEST_P(ConfirmCloseTest, ClosesOrKeepsTheAnnouncementGoing) {
    judge::CArboDoc doc;
    CRecordingFrame frame = GetParam().frame;
    EXPECT_EQ(doc.ConfirmClose(frame), GetParam().closes);
    EXPECT_EQ(frame.calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Judgment, ConfirmCloseTest,
    ::testing::Values(
        SCloseCase{"DuringAWait", Frame([](auto& f) { f.inWait = true; }), false, {"RequestClose"}},
        // No in a game of one machine: the prompt again, no second ranking.
        SCloseCase{"NoWhileAStepIsPending", Frame([](auto&) {}), false, {"ShowPromptAgain"}},
        SCloseCase{"NoAsNetworkHost",
                   Frame([](auto& f) {
                       f.networkGame = true;
                       f.host = true;
                   }),
                   false,
                   {"ShowPromptAgain"}},
        SCloseCase{"NoAsClientWithPeers",
                   Frame([](auto& f) {
                       f.networkGame = true;
                       f.peers = true;
                   }),
                   false,
                   {"ShowPromptAgain"}},
        SCloseCase{"ClientWithoutPeers", Frame([](auto& f) { f.networkGame = true; }), true, {}},
        SCloseCase{"AfterTheResults", Frame([](auto& f) { f.resultsShown = true; }), true, {}},
        SCloseCase{"NoStepPending", Frame([](auto& f) { f.pendingStep = false; }), true, {}}),
    [](const ::testing::TestParamInfo<SCloseCase>& info) { return std::string(info.param.name); });

}  // namespace
