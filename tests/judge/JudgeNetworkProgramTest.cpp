// Three real `qordin` programs on 127.0.0.1 after a network game: one on the
// host's machine and two clients, each with its own program folder, profile
// and network information file, offscreen and answering by themselves.

#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "JudgeFixture.h"
#include "JudgeNetworkFixture.h"
#include "fakes/JudgmentFileFixture.h"
#include "fakes/ProgramRun.h"
#include "fakes/TempFolder.h"
#include "model/NetLoginRecord.h"
#include "model/NetworkInfoFile.h"
#include "platform/net/AsyncSocket.h"
#include "platform/core/ProgramFolder.h"

namespace {

namespace fs = std::filesystem;

// Each test its own port, so that tests run side by side.
constexpr int kPortSteps = 24711;
constexpr int kPortKilled = 24721;
constexpr int kPortRefusals = 24731;
constexpr int kPortNoServer = 24741;

struct SParticipant {
    const char* folder;
    const char* name;
    const char* code;
};
const SParticipant kParticipants[] = {
    {"host", "Hana", "000000"}, {"alice", "Alice", "111111"}, {"bob", "Bob", "222222"}};

// Programs of the build beside an in-process judgment network of the test.
class JudgeNetworkProgramTest : public JudgeNetworkFixture {
protected:
    void SetUp() override {
        JudgeNetworkFixture::SetUp();
        bin = fs::path(CProgramFolder::Get());
        if (!fs::exists(bin / "qordin")) GTEST_SKIP() << "qordin is not built";
        fs::create_directories(root.Path() / "game");
    }

    // The judgment data file as participant `self` saves it: the network
    // game's frame block with everyone's personal code, its own record local.
    void WriteFiles(CJudgmentFileFixture& fixture, int self) {
        const SParticipant& p = kParticipants[self];
        const fs::path home = root.Path() / p.folder;
        if (!fs::exists(home)) {
            fs::create_directories(home / "config");
            fs::copy(bin / "res", home / "res", fs::copy_options::recursive);
            fs::copy_file(bin / "MERCAVO.PAL", home / "MERCAVO.PAL");
        }
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
        WriteNetworkInfo(self, "127.0.0.1", p.code);
    }

    void WriteNetworkInfo(int self, const std::string& address, const std::string& code) {
        const fs::path home = root.Path() / kParticipants[self].folder;
        ASSERT_TRUE(CNetworkInfoFile::Write((home / CNetworkInfoFile::kFileName).string(),
                                            {address, code}));
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
                {"MERCAVO_PORT_BASE", std::to_string(portBase)},
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
    int portBase = kPortSteps;
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

// One program killed once the pages are under way: without a client the
// other two finish; without the host each client says so once and ends.
TEST_F(JudgeNetworkProgramTest, AProgramKilledMidWay) {
    portBase = kPortKilled;
    CJudgmentFileFixture fixture((root.Path() / "game").string() + "/");
    ASSERT_TRUE(fixture.ok());
    for (int killed : {2, 0}) {
        SCOPED_TRACE(kParticipants[killed].folder);
        // A judged file goes with its judgment: each round gets new ones.
        for (int self = 0; self < 3; ++self) WriteFiles(fixture, self);
        for (int self = 0; self < 3; ++self) {
            const fs::path home = root.Path() / kParticipants[self].folder;
            fs::remove(home / "trace.txt");
            fs::remove(home / "JUDGE.TXT");
        }
        std::unique_ptr<CProgramRun> programs[3];
        for (int self = 0; self < 3; ++self) {
            programs[self] = std::make_unique<CProgramRun>();
            ASSERT_TRUE(Start(*programs[self], self));
        }
        // The second page has gone out.
        const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        auto pagesSent = [&] {
            const std::string trace = Read(0, "trace.txt");
            size_t count = 0;
            for (size_t at = trace.find("700 02 002"); at != std::string::npos;
                 at = trace.find("700 02 002", at + 1))
                ++count;
            return count;
        };
        while (pagesSent() < 4 && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_GE(pagesSent(), 4u);
        programs[killed]->Kill();
        for (int self = 0; self < 3; ++self) {
            if (self == killed) continue;
            SCOPED_TRACE(kParticipants[self].folder);
            int code = -1;
            ASSERT_TRUE(programs[self]->Wait(300000, &code)) << programs[self]->Log();
            EXPECT_EQ(code, 0) << programs[self]->Log();
            const std::string log = programs[self]->Log();
            const size_t cut = log.find("The connection with the server cut.");
            if (killed == 0) {
                ASSERT_NE(cut, std::string::npos) << log;
                EXPECT_EQ(log.find("The connection with the server cut.", cut + 1), std::string::npos);
                EXPECT_FALSE(fs::exists(root.Path() / kParticipants[self].folder / "JUDGE.TXT"));
            } else {
                // (A client may still see the host end after the results.)
                EXPECT_TRUE(fs::exists(root.Path() / kParticipants[self].folder / "JUDGE.TXT"));
            }
        }
    }
}

// A judgment server of the protocol before ours: it refuses every login of
// another protocol, as our server refuses a login of 101.
class COlderJudgeServer : public CAsyncSocket {
public:
    static constexpr int kProtocol = 101;

    bool Open(int port) { return Create(static_cast<UINT>(port)) && Listen(); }
    // Answers the login once it has come.
    void Serve() {
        if (answered || connection.received.size() < kNetRecordSize) return;
        NetRecordBytes login{};
        std::copy_n(connection.received.begin(), kNetRecordSize, login.begin());
        SNetLogin fields;
        const bool ours = CNetLoginRecord::Read(login, fields) && fields.protocol == kProtocol;
        NetRecordBytes answer{};
        CNetLoginRecord::BuildAnswer(judge::CJudgeNetwork::kClass,
                                     ours ? CNetLoginRecord::kAccepted
                                          : CNetLoginRecord::kBadProtocol,
                                     answer);
        connection.SendText(answer.data());
        answered = true;
    }

    CRawJudgePeer connection;
    bool answered = false;

protected:
    void OnAccept(int) override { Accept(connection); }
};

// A 4-byte number of the judgment data file.
int StoredInt(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<int>(static_cast<uint32_t>(bytes.at(at)) |
                            static_cast<uint32_t>(bytes.at(at + 1)) << 8 |
                            static_cast<uint32_t>(bytes.at(at + 2)) << 16 |
                            static_cast<uint32_t>(bytes.at(at + 3)) << 24);
}

// A refused client program shows the refusal's text and ends by itself;
// the server's table stays as it was.
TEST_F(JudgeNetworkProgramTest, ARefusedClientProgramShowsWhyAndEnds) {
    CJudgmentFileFixture fixture((root.Path() / "game").string() + "/");
    ASSERT_TRUE(fixture.ok());
    // The check numbers the client program sends: those of its file (the
    // map's stored one closes the map block).
    const std::vector<uint8_t> bytes = fixture.Bytes();
    const SLayout layout = fixture.Layout();
    const int characterCheck = StoredInt(bytes, layout.personChecksum);
    const int mapCheck = StoredInt(bytes, layout.starting - 4);

    struct SCase {
        const char* why;
        const char* code;  // the client's personal code in its M_NINFO.DAT
        int characterDelta;  // the server's check numbers against the client's
        int mapDelta;
        bool started;
        bool olderServer;
        int refusal;
    };
    const SCase cases[] = {
        {"protocols differ", "111111", 0, 0, false, true, CNetLoginRecord::kBadProtocol},
        {"other character data", "111111", 1, 0, false, false, CNetLoginRecord::kBadCharacters},
        {"other map data", "111111", 0, 1, false, false, CNetLoginRecord::kBadMap},
        {"after the start", "111111", 0, 0, true, false, CNetLoginRecord::kStarted},
        {"unknown password", "999999", 0, 0, false, false, CNetLoginRecord::kBadPassword},
        {"password of a connected participant", "000000", 0, 0, false, false,
         CNetLoginRecord::kBadPassword},
    };
    int port = kPortRefusals;
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.why);
        portBase = port++;
        COlderJudgeServer older;
        if (c.olderServer) {
            setenv("MERCAVO_PORT_BASE", std::to_string(portBase).c_str(), 1);
            ASSERT_TRUE(older.Open(judge::CJudgeNetwork::Port()));
        } else {
            // After the start the missing participants are gone.
            const auto peers = c.started ? std::vector<SPeerSetup>{ThreePeers()[0], ThreePeers()[1]}
                                         : ThreePeers();
            OpenServer(portBase, peers, true, characterCheck + c.characterDelta,
                       mapCheck + c.mapDelta);
            if (c.started) server->StartJudgment();
        }
        const std::vector<judge::CNetworkData> before =
            server ? server->Peers() : std::vector<judge::CNetworkData>{};

        WriteFiles(fixture, 1);
        WriteNetworkInfo(1, "127.0.0.1", c.code);
        CProgramRun client;
        ASSERT_TRUE(Start(client, 1));
        int exitCode = -1;
        const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (!client.Wait(0, &exitCode) && std::chrono::steady_clock::now() < end) {
            Settle(5);
            older.Serve();
        }
        ASSERT_NE(exitCode, -1) << "the client still runs\n" << client.Log();
        EXPECT_EQ(exitCode, 0) << client.Log();
        const std::string log = client.Log();
        const std::string text = judge::CJudgeNetwork::RefusalText(c.refusal);
        const size_t shown = log.find(text);
        EXPECT_NE(shown, std::string::npos) << log;
        EXPECT_EQ(log.find(text, shown + 1), std::string::npos) << log;
        EXPECT_EQ(log.find(judge::CJudgeNetwork::kRetriesFailedText), std::string::npos) << log;
        EXPECT_FALSE(fs::exists(root.Path() / kParticipants[1].folder / "JUDGE.TXT"));

        if (server) {
            Settle(50);
            const std::vector<judge::CNetworkData>& after = server->Peers();
            ASSERT_EQ(after.size(), before.size());
            for (size_t i = 0; i < before.size(); ++i) {
                EXPECT_EQ(after[i].playerNumber, before[i].playerNumber);
                EXPECT_EQ(after[i].state, before[i].state);
                EXPECT_EQ(after[i].socket, before[i].socket);
            }
            server.reset();
        }
    }
}

// Without a server a client program tries six times and then gives up; an
// empty server address counts each try as failed in the same way. The
// tries wait in real time, so both programs run side by side.
TEST_F(JudgeNetworkProgramTest, WithoutAServerTheClientProgramGivesUp) {
    portBase = kPortNoServer;
    CJudgmentFileFixture fixture((root.Path() / "game").string() + "/");
    ASSERT_TRUE(fixture.ok());
    struct SCase {
        int self;
        const char* address;
    };
    const SCase cases[] = {{1, "127.0.0.1"}, {2, ""}};
    CProgramRun clients[2];
    const auto started = std::chrono::steady_clock::now();
    for (size_t i = 0; i < 2; ++i) {
        WriteFiles(fixture, cases[i].self);
        WriteNetworkInfo(cases[i].self, cases[i].address, kParticipants[cases[i].self].code);
        ASSERT_TRUE(Start(clients[i], cases[i].self));
    }
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(cases[i].address);
        int exitCode = -1;
        ASSERT_TRUE(clients[i].Wait(180000, &exitCode)) << clients[i].Log();
        EXPECT_EQ(exitCode, 0) << clients[i].Log();
        // Five expiries started a new try; only the sixth gave up.
        EXPECT_GE(std::chrono::steady_clock::now() - started,
                  std::chrono::milliseconds((judge::CJudgeNetwork::kConnectTries - 1) *
                                            judge::CJudgeNetwork::kRetryMs));
        const std::string log = clients[i].Log();
        const size_t shown = log.find(judge::CJudgeNetwork::kRetriesFailedText);
        EXPECT_NE(shown, std::string::npos) << log;
        EXPECT_EQ(log.find(judge::CJudgeNetwork::kRetriesFailedText, shown + 1), std::string::npos)
            << log;
    }
}

}  // namespace
