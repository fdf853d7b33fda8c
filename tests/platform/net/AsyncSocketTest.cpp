#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RecordStream.h"
#include "SocketFixture.h"
#include "platform/net/AsyncSocket.h"
#include "platform/net/LocalHost.h"

namespace {

int IntOption(const CAsyncSocket& socket, int option, int level = SOL_SOCKET) {
    int value = -1;
    int length = sizeof value;
    EXPECT_TRUE(socket.GetSockOpt(option, &value, &length, level));
    return value;
}

TEST_F(SocketTest, ListenConnectAcceptAnnounceTheConnectionOnBothEnds) {
    ConnectPair();
    EXPECT_EQ(listener.Count('A'), 1);
    EXPECT_EQ(client->Count('C'), 1);
    EXPECT_EQ(server->Count('C'), 0);

    std::string peer;
    UINT peerPort = 0;
    std::string local;
    UINT localPort = 0;
    ASSERT_TRUE(server->GetPeerName(peer, peerPort));
    ASSERT_TRUE(client->GetSockName(local, localPort));
    EXPECT_EQ(peer, "127.0.0.1");
    EXPECT_EQ(peerPort, localPort);

    // Small records go out at once on both ends.
    EXPECT_NE(IntOption(*client, TCP_NODELAY, IPPROTO_TCP), 0);
    EXPECT_NE(IntOption(*server, TCP_NODELAY, IPPROTO_TCP), 0);
    EXPECT_NE(IntOption(listener, SO_REUSEADDR), 0);

    // Nothing more without traffic.
    Settle(100);
    EXPECT_EQ(client->Count('S'), 1);
    EXPECT_EQ(server->Count('S'), 1);
    EXPECT_EQ(client->Count('R') + server->Count('R') + client->Count('X'), 0);
}

TEST_F(SocketTest, EveryWaitingConnectionIsAnnouncedAndAccepted) {
    const UINT port = StartListener();
    std::vector<std::unique_ptr<CTestSocket>> accepted;
    listener.onAccept = [&](int) {
        accepted.push_back(std::make_unique<CTestSocket>());
        EXPECT_TRUE(listener.Accept(*accepted.back()));
    };
    std::vector<std::unique_ptr<CTestSocket>> clients;
    for (int i = 0; i < 12; ++i) {
        clients.push_back(std::make_unique<CTestSocket>());
        ASSERT_TRUE(clients.back()->Create());
        clients.back()->Connect("127.0.0.1", port);
    }
    ASSERT_TRUE(WaitUntil([&] { return accepted.size() == 12; }));
    ASSERT_TRUE(WaitUntil([&] {
        for (auto& c : clients) {
            if (c->connectErrors != std::vector<int>{0}) return false;
        }
        return true;
    }));
}

TEST_F(SocketTest, RecordsTravelBothWays) {
    ConnectPair();
    CRecordSender toServer(40);
    CRecordSender toClient(40);
    CRecordReceiver atServer(kRecordSize);
    CRecordReceiver atClient(kRecordSize);
    server->onReceive = [&](int) { atServer.ReceiveOnce(*server); };
    client->onReceive = [&](int) { atClient.ReceiveOnce(*client); };
    client->onSend = [&](int) { toServer.Pump(*client); };
    server->onSend = [&](int) { toClient.Pump(*server); };
    toServer.Pump(*client);
    toClient.Pump(*server);
    ASSERT_TRUE(WaitUntil([&] { return atServer.Records() == 40 && atClient.Records() == 40; }));
    EXPECT_TRUE(atServer.Intact());
    EXPECT_TRUE(atClient.Intact());
}

TEST_F(SocketTest, PartialSendResumesWhenTheSocketCanSendAgain) {
    ConnectPair(4096);
    constexpr uint32_t kRecords = 4096;  // 2 MB: far more than both buffers
    CRecordSender sender(kRecords);
    CRecordReceiver receiver(8192);
    client->onSend = [&](int) { sender.Pump(*client); };

    // The receiver does not read yet: the sender fills what the system
    // buffers hold and then hears nothing more.
    sender.Pump(*client);
    Settle(200);
    EXPECT_FALSE(sender.Done());
    ASSERT_GT(sender.Blocked() + sender.Partial(), 0);
    const int announced = client->Count('S');
    Settle(100);
    EXPECT_EQ(client->Count('S'), announced);

    server->onReceive = [&](int) { receiver.ReceiveOnce(*server); };
    receiver.ReceiveOnce(*server);
    ASSERT_TRUE(WaitUntil([&] { return receiver.Records() == kRecords; }, 30000))
        << receiver.Records() << " records arrived";
    EXPECT_TRUE(sender.Done());
    EXPECT_TRUE(receiver.Intact());
    EXPECT_GT(client->Count('S'), announced);
}

TEST_F(SocketTest, HundredThousandRecordsEachWayArriveCompleteAndInOrder) {
    ConnectPair();
    constexpr uint32_t kRecords = 100000;
    CRecordSender toServer(kRecords);
    CRecordSender toClient(kRecords);
    // One end reads a record's worth at a time, as the game does; the other
    // takes what is there.
    CRecordReceiver atServer(kRecordSize);
    CRecordReceiver atClient(64 * 1024);
    server->onReceive = [&](int) { atServer.ReceiveOnce(*server); };
    client->onReceive = [&](int) { atClient.ReceiveOnce(*client); };
    client->onSend = [&](int) { toServer.Pump(*client); };
    server->onSend = [&](int) { toClient.Pump(*server); };
    const auto start = std::chrono::steady_clock::now();
    toServer.Pump(*client);
    toClient.Pump(*server);
    ASSERT_TRUE(WaitUntil(
        [&] { return atServer.Records() == kRecords && atClient.Records() == kRecords; }, 120000))
        << atServer.Records() << " and " << atClient.Records() << " arrived";
    EXPECT_TRUE(atServer.Intact());
    EXPECT_TRUE(atClient.Intact());
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("seconds", std::to_string(seconds));
}

TEST_F(SocketTest, PeerCloseComesAfterTheLastDataAndOnlyOnce) {
    ConnectPair();
    CRecordSender sender(3);
    CRecordReceiver receiver(kRecordSize);
    uint32_t recordsAtClose = 0;
    server->onReceive = [&](int) { receiver.ReceiveOnce(*server); };
    server->onClose = [&](int) { recordsAtClose = receiver.Records(); };
    sender.Pump(*client);
    ASSERT_TRUE(sender.Done());
    client->Close();
    EXPECT_FALSE(client->IsOpen());

    ASSERT_TRUE(WaitUntil([&] { return server->Count('X') == 1; }));
    EXPECT_EQ(server->closeErrors, std::vector<int>{0});
    EXPECT_EQ(recordsAtClose, 3u);
    Settle(100);
    EXPECT_EQ(server->Count('X'), 1);
    // The socket stays open until its owner closes it.
    char byte;
    EXPECT_EQ(server->Receive(&byte, 1), 0);
}

TEST_F(SocketTest, RefusedConnectionIsReportedToTheConnectNotification) {
    // A bound socket that does not listen: its port refuses connections.
    CTestSocket closed;
    ASSERT_TRUE(closed.Create(0, SOCK_STREAM, FD_ALL_EVENTS, "127.0.0.1"));
    std::string address;
    UINT port = 0;
    ASSERT_TRUE(closed.GetSockName(address, port));

    ASSERT_TRUE(client->Create());
    EXPECT_FALSE(client->Connect("127.0.0.1", port));
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAEWOULDBLOCK);
    ASSERT_TRUE(WaitUntil([&] { return client->Count('C') == 1; }));
    EXPECT_EQ(client->connectErrors, std::vector<int>{WSAECONNREFUSED});
    Settle(100);
    EXPECT_EQ(client->Count('S') + client->Count('X') + client->Count('R'), 0);
    EXPECT_EQ(client->Send("x", 1), SOCKET_ERROR);
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAENOTCONN);
}

TEST_F(SocketTest, SocketDeletedInItsHandlerOrWithNoticesQueuedIsNotCalledAgain) {
    ConnectPair();
    // Deleted by its own close handler.
    server->onClose = [&](int) { server.reset(); };
    client->Close();
    ASSERT_TRUE(WaitUntil([&] { return server == nullptr; }));

    // Deleted while notifications for it are queued.
    client = std::make_unique<CTestSocket>();
    server = std::make_unique<CTestSocket>();
    listener.Close();
    ConnectPair();
    client->Send("abc", 3);
    client->Close();
    ASSERT_TRUE(WaitUntil([] { return CMessageLoop::HasPending(); }, 2000));
    server.reset();
    Settle(200);
}

TEST_F(SocketTest, OptionsAreSetOrKeptAsAsked) {
    ConnectPair();
    const int buffer = 546;
    const int on = 1;
    ASSERT_TRUE(client->SetSockOpt(SO_RCVBUF, &buffer, sizeof buffer));
    ASSERT_TRUE(client->SetSockOpt(SO_SNDBUF, &buffer, sizeof buffer));
    EXPECT_GE(IntOption(*client, SO_RCVBUF), buffer);
    EXPECT_GE(IntOption(*client, SO_SNDBUF), buffer);
    ASSERT_TRUE(client->SetSockOpt(SO_KEEPALIVE, &on, sizeof on));
    EXPECT_NE(IntOption(*client, SO_KEEPALIVE), 0);
    // Kept and read back, without reaching the system.
    for (int option : {SO_DONTROUTE, SO_DEBUG}) {
        EXPECT_EQ(IntOption(*client, option), 0);
        ASSERT_TRUE(client->SetSockOpt(option, &on, sizeof on));
        EXPECT_EQ(IntOption(*client, option), 1);
    }
    int value = 0;
    int length = 2;
    EXPECT_FALSE(client->GetSockOpt(SO_DEBUG, &value, &length));
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAEFAULT);

    // The connection still carries records.
    CRecordSender sender(5);
    CRecordReceiver receiver(kRecordSize);
    server->onReceive = [&](int) { receiver.ReceiveOnce(*server); };
    sender.Pump(*client);
    ASSERT_TRUE(WaitUntil([&] { return receiver.Records() == 5; }));
}

TEST_F(SocketTest, MisuseFailsWithItsErrorNumber) {
    const UINT port = StartListener();
    CTestSocket never;
    CTestSocket fresh;
    ASSERT_TRUE(fresh.Create());
    char byte = 0;
    std::string address;
    UINT somePort = 0;

    struct Case {
        const char* what;
        std::function<bool()> fails;
        int error;
    };
    const Case cases[] = {
        {"send, never created", [&] { return never.Send("x", 1) == SOCKET_ERROR; }, WSAENOTSOCK},
        {"peer of never created", [&] { return !never.GetPeerName(address, somePort); },
         WSAENOTSOCK},
        {"send, not connected", [&] { return fresh.Send("x", 1) == SOCKET_ERROR; }, WSAENOTCONN},
        {"receive, not connected", [&] { return fresh.Receive(&byte, 1) == SOCKET_ERROR; },
         WSAENOTCONN},
        {"negative length", [&] { return fresh.Send("x", -1) == SOCKET_ERROR; }, WSAEFAULT},
        {"created twice", [&] { return !fresh.Create(); }, WSAEINVAL},
        {"not a stream", [&] { return !never.Create(0, SOCK_DGRAM); }, WSAESOCKTNOSUPPORT},
        {"bad address text", [&] { return !never.Create(0, SOCK_STREAM, FD_ALL_EVENTS, "1.2.3"); },
         WSAEINVAL},
        {"port taken", [&] { return !never.Create(port, SOCK_STREAM, FD_ALL_EVENTS, "127.0.0.1"); },
         WSAEADDRINUSE},
        {"accept, none waiting", [&] { return !listener.Accept(never); }, WSAEWOULDBLOCK},
        {"accept, not listening", [&] { return !fresh.Accept(never); }, WSAEINVAL},
        {"connect a listener", [&] { return !listener.Connect("127.0.0.1", port); }, WSAEINVAL},
        {"shut down, bad mode", [&] { return !fresh.ShutDown(7); }, WSAEINVAL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CAsyncSocket::SetLastError(0);
        EXPECT_TRUE(c.fails());
        EXPECT_EQ(CAsyncSocket::GetLastError(), c.error);
    }
    EXPECT_NE(CAsyncSocket::GetErrorText(WSAEWOULDBLOCK), CAsyncSocket::GetErrorText(99999));
}

TEST_F(SocketTest, NothingToReceiveWouldBlock) {
    ConnectPair();
    char buffer[16];
    EXPECT_EQ(server->Receive(buffer, sizeof buffer), SOCKET_ERROR);
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAEWOULDBLOCK);
    // A receive that leaves data is followed by another notification.
    client->Send("0123456789", 10);
    ASSERT_TRUE(WaitUntil([&] { return server->Count('R') == 1; }));
    server->onReceive = [&](int) { server->Receive(buffer, 4); };
    EXPECT_EQ(server->Receive(buffer, 4), 4);
    ASSERT_TRUE(WaitUntil([&] { return server->Count('R') == 3; }));
    Settle(100);
    EXPECT_EQ(server->Count('R'), 3);
}

TEST(LocalHostTest, NameAndDottedAddress) {
    EXPECT_FALSE(CLocalHost::GetName().empty());
    const std::string address = CLocalHost::GetAddress();
    if (address.empty()) {
        EXPECT_EQ(CAsyncSocket::GetLastError(), WSANO_DATA);
    } else {
        in_addr parsed{};
        EXPECT_EQ(inet_pton(AF_INET, address.c_str(), &parsed), 1) << address;
    }
}

}  // namespace
