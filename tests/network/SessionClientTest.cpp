// Host and client sessions in one process: the exchange both ways, a
// client's one-at-a-time hand-over, a send cut short by the system, the
// loss of the server and the connection time-out.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "model/NetRecordBuilder.h"
#include "network/SessionFixture.h"

namespace {

constexpr int kActionClass = 400;

enum PortBase {
    kExchange = 23300,
    kClientReentry = 23320,
    kShortSend = 23340,
    kServerLoss = 23360,
    kNoServer = 23380,
};

std::string ActionText(int code, int value = 0) {
    return CNetRecordBuilder(kActionClass, 0, code).Int(value, 6).Text();
}

// Sends only part of a record when told to, then takes nothing until it is
// resumed, like a system whose send buffer is full.
class CShortSendSocket : public CVClientSocket {
public:
    using CVClientSocket::CVClientSocket;
    void CutNextSend(int bytes) { m_cut = bytes; }
    void Resume() {
        m_stalled = false;
        OnSend(0);
    }

protected:
    int Transmit(const char* data, int length) override {
        if (m_stalled) {
            CAsyncSocket::SetLastError(WSAEWOULDBLOCK);
            return SOCKET_ERROR;
        }
        if (m_cut > 0) {
            const int count = CVClientSocket::Transmit(data, std::min(length, m_cut));
            m_cut = 0;
            m_stalled = true;
            return count;
        }
        return CVClientSocket::Transmit(data, length);
    }

private:
    int m_cut = 0;
    bool m_stalled = false;
};

class SessionClient : public CSessionFixture {
protected:
    CFakeNetFrame clientFrame;
    CNetSession client{clientFrame};
};

}  // namespace

TEST_F(SessionClient, QueuedRecordsGoBothWaysInOrder) {
    OpenHost(kExchange);
    ConnectClient(client, kRemotePlayer);
    std::vector<int> atClient, atHost;
    client.SetClassHandler(kActionClass, [&](const SNetIncoming& in) {
        EXPECT_EQ(in.player, -1);
        atClient.push_back(in.code);
    });
    host.SetClassHandler(kActionClass, [&](const SNetIncoming& in) {
        EXPECT_EQ(in.player, kRemotePlayer);
        atHost.push_back(in.code);
    });
    std::vector<int> sent;
    for (int code = 0; code < 3 * kChannelCount + 5; ++code) {
        ASSERT_TRUE(host.SendToPlayer(kRemotePlayer, ActionText(code), true));
        ASSERT_TRUE(client.SendRecordToHost(ActionText(code), true));
        sent.push_back(code);
    }
    ASSERT_TRUE(host.WaitChannelsFree());
    ASSERT_TRUE(WaitFor([&] { return atHost.size() == sent.size(); }));
    EXPECT_EQ(atClient, sent);
    EXPECT_EQ(atHost, sent);
    EXPECT_FALSE(hostFrame.HasLine("]Send error:"));
    EXPECT_FALSE(clientFrame.HasLine("]Send error:"));
}

TEST_F(SessionClient, RecordArrivingDuringAHandlerWaitsItsTurn) {
    OpenHost(kClientReentry);
    ConnectClient(client, kRemotePlayer);
    std::vector<std::string> order;
    bool secondWaited = false;
    client.SetClassHandler(kActionClass, [&](const SNetIncoming& in) {
        order.push_back("begin " + std::to_string(in.code));
        if (in.code == 1) {
            // The handler pumps messages: the next record arrives meanwhile
            // and stays in its ring slot.
            secondWaited = WaitFor([&] { return client.ClientChannels().ring[1][0] != '\0'; });
        }
        order.push_back("end " + std::to_string(in.code));
    });
    ASSERT_TRUE(host.SendToPlayer(kRemotePlayer, ActionText(1), true));
    ASSERT_TRUE(host.SendToPlayer(kRemotePlayer, ActionText(2), true));
    ASSERT_TRUE(WaitFor([&] { return order.size() == 4; }));
    EXPECT_TRUE(secondWaited);
    EXPECT_EQ(order, (std::vector<std::string>{"begin 1", "end 1", "begin 2", "end 2"}));
}

TEST_F(SessionClient, SendCutShortIsCompletedAndArrivesOnce) {
    std::vector<CShortSendSocket*> made;
    host.SetSocketMaker([&](int channel, ISocketEvents& events) {
        auto socket = std::make_unique<CShortSendSocket>(channel, events);
        made.push_back(socket.get());
        return std::unique_ptr<CVClientSocket>(std::move(socket));
    });
    OpenHost(kShortSend);
    ConnectWirePeer();
    wire.autoAck = true;
    auto* first = dynamic_cast<CShortSendSocket*>(Remote()->channels.sockets[0]);
    ASSERT_NE(first, nullptr);
    first->CutNextSend(100);
    ASSERT_TRUE(host.SendToPlayer(kRemotePlayer, ActionText(0, 123456), true));
    ASSERT_TRUE(WaitFor([&] { return wire.bytesReceived[0] == 100; }));
    Settle(50);
    EXPECT_EQ(wire.bytesReceived[0], 100u);
    first->Resume();
    ASSERT_TRUE(WaitFor([&] { return wire.records.size() == 1; }));
    // Round the channels once more: channel 0 carries the next record too.
    for (int code = 1; code <= kChannelCount; ++code) {
        ASSERT_TRUE(host.SendToPlayer(kRemotePlayer, ActionText(code), true));
    }
    ASSERT_TRUE(host.WaitChannelsFree());
    ASSERT_EQ(wire.records.size(), kChannelCount + 1u);
    EXPECT_EQ(wire.bytesReceived[0], 2u * kNetRecordSize);
    for (size_t i = 0; i < wire.records.size(); ++i) {
        SCOPED_TRACE(i);
        NetRecordBytes expected{};
        CNetRecordBuilder::Frame(ActionText(static_cast<int>(i), i == 0 ? 123456 : 0), expected);
        expected[0] = '+';
        EXPECT_EQ(wire.records[i].record, expected);
    }
}

TEST_F(SessionClient, LostServerEndsTheClientsSession) {
    OpenHost(kServerLoss);
    ConnectClient(client, kRemotePlayer);
    clientFrame.sessionState = 1;
    host.CloseNetwork();
    ASSERT_TRUE(WaitFor([&] { return !client.IsOpen(); }));
    EXPECT_EQ(std::count(clientFrame.calls.begin(), clientFrame.calls.end(),
                         "Box:The connection with the server cut."),
              1);
    EXPECT_TRUE(clientFrame.HasCall("ServerLost"));
    EXPECT_TRUE(clientFrame.HasCall("CloseProgram(clear)"));
    EXPECT_FALSE(clientFrame.HasCall("NetworkFailure"));
}

TEST_F(SessionClient, ConnectionTimeOutRefusesAfterItsFloor) {
    setenv("MERCAVO_PORT_BASE", std::to_string(kNoServer).c_str(), 1);
    client.SetHostAddress("127.0.0.1");
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(client.OpenNetwork());
    ASSERT_TRUE(WaitFor([&] { return clientFrame.HasCall("NetworkFailure"); }, 20000));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(4900));
    EXPECT_TRUE(clientFrame.HasCall("Box:Connection refused."));
    EXPECT_FALSE(client.IsOpen());
    EXPECT_EQ(clientFrame.connected, 0);
}
