// The session against a second program: 10,000 queued records each way, a
// client that is killed, and a peer that sends hostile frames while an
// honest client's exchange goes on.

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

#include "model/NetRecordBuilder.h"
#include "model/NetRecordReader.h"
#include "network/SessionFixture.h"

extern char** environ;

namespace {

constexpr int kActionClass = 400;
constexpr int kChatClass = 100;

enum PortBase {
    kThousands = 23600,
    kKilled = 23620,
    kHostile = 23640,
};

std::string ActionText(int number) {
    return CNetRecordBuilder(kActionClass, 0, 100).Int(number, 6).Text();
}

// A running second program.
class CChild {
public:
    explicit CChild(const std::vector<std::string>& arguments) {
        std::vector<char*> argv;
        std::string program = MERCAVO_NETPEER;
        argv.push_back(program.data());
        std::vector<std::string> copies = arguments;
        for (std::string& argument : copies) argv.push_back(argument.data());
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
    }
    ~CChild() {
        if (Running()) Kill();
    }
    bool Started() const { return m_pid > 0; }
    bool Running() {
        if (m_pid <= 0 || m_exited) return false;
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_exited = true;
            m_status = status;
        }
        return !m_exited;
    }
    void Kill() {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, &m_status, 0);
        m_exited = true;
    }
    // The exit code, -1 while running or when killed.
    int ExitCode() {
        Running();
        return m_exited && WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1;
    }

private:
    pid_t m_pid = -1;
    bool m_exited = false;
    int m_status = 0;
};

class NetProcess : public CSessionFixture {
protected:
    void SetUp() override { admitStrangers = true; }
    const CNetworkData* Stranger() {
        const int index = host.FindPeer(kFirstStranger);
        return index < 0 ? nullptr : &host.Peers()[index];
    }
};

}  // namespace

TEST_F(NetProcess, TenThousandQueuedRecordsEachWayInOrder) {
    constexpr int kCount = 10000;
    OpenHost(kThousands);
    int received = 0;
    bool inOrder = true;
    host.SetClassHandler(kActionClass, [&](const SNetIncoming& in) {
        CNetRecordReader reader(in.record);
        int number = -1;
        if (!reader.ReadInt(6, number, "number") || number != received) inOrder = false;
        ++received;
    });
    CChild child({"client", std::to_string(kCount)});
    ASSERT_TRUE(child.Started());
    ASSERT_TRUE(WaitFor([&] { return HostHasAllSockets(kFirstStranger); }, 20000));
    for (int number = 0; number < kCount; ++number) {
        ASSERT_TRUE(host.SendToPlayer(kFirstStranger, ActionText(number), true)) << number;
    }
    ASSERT_TRUE(WaitFor([&] { return !child.Running(); }, 120000));
    EXPECT_EQ(child.ExitCode(), 0);
    EXPECT_EQ(received, kCount);
    EXPECT_TRUE(inOrder);
    EXPECT_FALSE(hostFrame.HasLine("]Send error:"));
}

TEST_F(NetProcess, KilledClientIsLostAndRemoved) {
    OpenHost(kKilled);
    hostFrame.sessionState = 0;
    CChild child({"stay"});
    ASSERT_TRUE(child.Started());
    ASSERT_TRUE(WaitFor([&] { return HostHasAllSockets(kFirstStranger); }, 20000));
    child.Kill();
    ASSERT_TRUE(WaitFor([&] { return Stranger() == nullptr; }));
    EXPECT_TRUE(hostFrame.HasLine("]Lost connection with Stranger 100."));
    EXPECT_TRUE(hostFrame.HasCall("Removed(100)") || hostFrame.HasCall("Removed(100,lists)"));
    EXPECT_EQ(host.FindPeer(kHostPlayer), 0) << "the host's own participant stays";
}

TEST_F(NetProcess, HostilePeerIsDroppedWhileAnHonestExchangeCompletes) {
    constexpr int kFrames = 10000;
    OpenHost(kHostile);
    // The honest client lives in this program and is known by its ports.
    CFakeNetFrame clientFrame;
    CNetSession client(clientFrame);
    ConnectClient(client, kRemotePlayer);
    std::vector<int> atHost, atClient;
    host.SetClassHandler(kActionClass, [&](const SNetIncoming& in) {
        CNetRecordReader reader(in.record);
        int number = -1;
        if (in.player == kRemotePlayer && reader.ReadInt(6, number, "number")) {
            atHost.push_back(number);
        }
    });
    // Readers check what they read: a chat line without its zero byte fails.
    int chatErrors = 0;
    host.SetClassHandler(kChatClass, [&](const SNetIncoming& in) {
        CNetRecordReader reader(in.record);
        std::string text;
        if (!reader.ReadTrailingText(text, "text")) ++chatErrors;
    });
    client.SetClassHandler(kActionClass, [&](const SNetIncoming& in) {
        CNetRecordReader reader(in.record);
        int number = -1;
        if (reader.ReadInt(6, number, "number")) atClient.push_back(number);
    });
    CChild hostile({"hostile", std::to_string(kFrames)});
    ASSERT_TRUE(hostile.Started());
    std::vector<int> sent;
    for (int number = 0; number < 500; ++number) {
        ASSERT_TRUE(host.SendToPlayer(kRemotePlayer, ActionText(number), true));
        ASSERT_TRUE(client.SendRecordToHost(ActionText(number), true));
        sent.push_back(number);
    }
    ASSERT_TRUE(WaitFor([&] { return !hostile.Running(); }, 240000)) << "the hostile peer hangs";
    EXPECT_EQ(hostile.ExitCode(), 0);
    ASSERT_TRUE(
        WaitFor([&] { return atHost.size() == sent.size() && atClient.size() == sent.size(); }));
    EXPECT_EQ(atHost, sent);
    EXPECT_EQ(atClient, sent);
    EXPECT_GT(chatErrors, 0);
    // Every dropped stranger was reported.
    const int strangers = m_strangers;
    int lost = 0;
    for (const std::string& line : hostFrame.log) {
        if (line.rfind("]Lost connection with Stranger ", 0) == 0) ++lost;
    }
    ASSERT_TRUE(WaitFor([&] { return host.Peers().size() == 2; }));
    EXPECT_EQ(lost, strangers) << "every stranger that went was reported";
    EXPECT_GT(lost, 1);
    EXPECT_NE(host.FindPeer(kRemotePlayer), -1);
    EXPECT_FALSE(hostFrame.HasLine("]Send error:"));
}
