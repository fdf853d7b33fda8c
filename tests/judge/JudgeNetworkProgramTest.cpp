// Three real `qordin` programs on 127.0.0.1 after a network game: one on the
// host's machine and two clients, each with its own program folder, profile
// and network information file, offscreen and answering by themselves.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "JudgeFixture.h"
#include "fakes/JudgmentFileFixture.h"
#include "fakes/ProgramRun.h"
#include "fakes/TempFolder.h"
#include "model/NetworkInfoFile.h"
#include "platform/core/ProgramFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPortBase = 24711;

struct SParticipant {
    const char* folder;
    const char* name;
    const char* code;
};
const SParticipant kParticipants[] = {
    {"host", "Hana", "000000"}, {"alice", "Alice", "111111"}, {"bob", "Bob", "222222"}};

class JudgeNetworkProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        bin = fs::path(CProgramFolder::Get());
        if (!fs::exists(bin / "qordin")) GTEST_SKIP() << "qordin is not built";
        fs::create_directories(root.Path() / "game");
    }

    // The judgment data file as participant `self` saves it: the network
    // game's frame block with everyone's personal code, its own record local.
    void WriteFiles(CJudgmentFileFixture& fixture, int self) {
        const SParticipant& p = kParticipants[self];
        const fs::path home = root.Path() / p.folder;
        fs::create_directories(home / "config");
        fs::copy(bin / "res", home / "res", fs::copy_options::recursive);
        fs::copy_file(bin / "MERCAVO.PAL", home / "MERCAVO.PAL");
        CFrameState& frame = fixture.Doc().GetFrameState();
        frame.GetPeers().clear();
        for (int i = 0; i < 3; ++i) {
            CFrameState::SPeer peer;
            peer.playerNumber = i;
            peer.company = i;
            peer.name = kParticipants[i].name;
            peer.companyName = std::string(kParticipants[i].name) + " Corp.";
            peer.colour = i + 1;
            peer.state = 3;
            peer.localFlag = i == self ? 1 : 0;
            peer.personalCode = kParticipants[i].code;
            frame.GetPeers().push_back(peer);
        }
        frame.SetNetworkRoles(1, self == 0 ? 1 : 0, 0);
        ASSERT_TRUE(fixture.Write((home / "judged.mqd").string()));
        ASSERT_TRUE(CNetworkInfoFile::Write((home / CNetworkInfoFile::kFileName).string(),
                                            {"127.0.0.1", p.code}));
    }

    std::map<std::string, std::string> Environment(int self) const {
        const fs::path home = root.Path() / kParticipants[self].folder;
        return {{"MERCAVO_HOME", home.string()},
                {"XDG_CONFIG_HOME", (home / "config").string()},
                {"QT_QPA_PLATFORM", "offscreen"},
                {"MERCAVO_TIME_SCALE", "0"},
                {"MERCAVO_AUTO_ANSWER", "1"},
                {"SDL_AUDIODRIVER", "dummy"},
                {"TZ", "UTC"},
                {"MERCAVO_PORT_BASE", std::to_string(kPortBase)},
                {"MERCAVO_NET_TRACE", (home / "trace.txt").string()}};
    }

    bool Start(CProgramRun& run, int self) {
        const fs::path home = root.Path() / kParticipants[self].folder;
        return run.Start((bin / "qordin").string(), {(home / "judged.mqd").string()},
                         Environment(self), (home / "qordin.log").string());
    }

    std::string Read(int self, const char* file) const {
        return ReadWholeFile((root.Path() / kParticipants[self].folder / file).string());
    }

    fs::path bin;
    CTempFolder root;
};

// The server's trace: every page's 02/002 goes out only after a 02/001 of
// each participant since the page before.
void ExpectPagesAfterEveryStep(const std::string& trace, int participants) {
    std::istringstream lines(trace);
    std::string direction, kind, recordClass, group, code;
    int player = 0, channel = 0;
    std::set<int> done;
    int pages = 0;
    std::string line;
    bool sentThisPage = false;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        fields >> direction >> player >> channel >> kind >> recordClass >> group >> code;
        if (recordClass != "700" || group != "02") continue;
        if (direction == "recv" && code == "001") {
            done.insert(player);
            sentThisPage = false;
        } else if (direction == "send" && code == "002") {
            if (!sentThisPage) {
                EXPECT_EQ(static_cast<int>(done.size()), participants) << "page " << pages;
                done.clear();
                ++pages;
            }
            sentThisPage = true;
        }
    }
    EXPECT_GT(pages, 18);
}

TEST_F(JudgeNetworkProgramTest, ThreeProgramsJudgeInStepAndWriteTheSameReport) {
    {
        CJudgmentFileFixture fixture((root.Path() / "game").string() + "/");
        ASSERT_TRUE(fixture.ok());
        for (int self = 0; self < 3; ++self) WriteFiles(fixture, self);
    }
    CProgramRun programs[3];
    for (int self = 0; self < 3; ++self) ASSERT_TRUE(Start(programs[self], self));
    for (int self = 0; self < 3; ++self) {
        SCOPED_TRACE(kParticipants[self].folder);
        int code = -1;
        ASSERT_TRUE(programs[self].Wait(300000, &code))
            << programs[self].Log() << "\n--- trace:\n" << Read(self, "trace.txt");
        EXPECT_EQ(code, 0) << programs[self].Log();
    }
    const std::vector<std::string> hostReport = SplitLines(Read(0, "JUDGE.TXT"));
    ASSERT_GT(hostReport.size(), 1u);
    for (int self = 1; self < 3; ++self) {
        SCOPED_TRACE(kParticipants[self].folder);
        const std::vector<std::string> report = SplitLines(Read(self, "JUDGE.TXT"));
        ASSERT_EQ(report.size(), hostReport.size());
        // All but the stamp.
        for (size_t i = 1; i < report.size(); ++i) EXPECT_EQ(report[i], hostReport[i]) << i;
        EXPECT_NE(programs[self].Log().find("]Please wait to get started."), std::string::npos);
    }
    ExpectPagesAfterEveryStep(Read(0, "trace.txt"), 3);
}

}  // namespace
