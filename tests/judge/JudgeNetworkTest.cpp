// The judgment network in one process on 127.0.0.1: logins, refusals, the
// start, page steps, losses, retries, and records from a peer that are
// malformed, cut or out of order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JudgeNetworkFixture.h"
#include "judge/RecordStream.h"
#include "model/NetLoginRecord.h"

namespace {

using judge::CJudgeNetwork;
using judge::CNetworkData;

// Ports of their own for each test, so that tests run side by side.
constexpr int kPortLogin = 24611;
constexpr int kPortRefusals = 24621;
constexpr int kPortHostile = 24631;
constexpr int kPortOwn = 24641;
constexpr int kPortStart = 24651;
constexpr int kPortLoss = 24661;
constexpr int kPortRetry = 24671;
constexpr int kPortLostBefore = 24681;

const char* kAck = "_MERCAVO00000010";

std::string LoginText(int protocol, int characterCheck, int mapCheck, const std::string& code) {
    SNetLogin login{protocol, characterCheck, mapCheck, "00000000000000", 0, code};
    NetRecordBytes record{};
    CNetLoginRecord::Build(CJudgeNetwork::kClass, login, record);
    return record.data();
}

TEST_F(JudgeNetworkFixture, EveryoneLogsInThePageMovesOnOnlyWhenAllHaveFinished) {
    OpenServer(kPortLogin, ThreePeers());
    CJudgeNetwork& alice = AddClient(1, "111111", ThreePeers());
    ASSERT_TRUE(WaitFor([&] { return Peer(*server, 1)->IsLoggedIn(); }));
    // Not everyone is in yet.
    EXPECT_TRUE(server->IsNotStarted());
    AddClient(2, "222222", ThreePeers());
    ASSERT_TRUE(WaitFor([&] { return clientHosts[1]->announcementStarts == 1; }));
    EXPECT_EQ(serverHost.announcementStarts, 1);
    EXPECT_EQ(clientHosts[0]->announcementStarts, 1);
    EXPECT_TRUE(clientHosts[0]->Logged(CJudgeNetwork::kWaitText));
    // Each client knows itself from its entry: the password is its code.
    EXPECT_EQ(alice.Password(), "111111");
    ASSERT_TRUE(Peer(alice, 2));
    EXPECT_EQ(Peer(alice, 2)->name, "Bob");

    // Two of three finished: nobody moves on.
    server->SendStepDone();
    alice.SendStepDone();
    Settle(200);
    EXPECT_EQ(serverHost.pages, 0);
    EXPECT_EQ(clientHosts[0]->pages, 0);
    EXPECT_EQ(Peer(*server, 1)->stepDone, 1);
    EXPECT_EQ(Peer(*server, 2)->stepDone, 0);
    clients[1]->SendStepDone();
    ASSERT_TRUE(WaitFor([&] {
        return serverHost.pages == 1 && clientHosts[0]->pages == 1 && clientHosts[1]->pages == 1;
    }));
    // The next page starts with every flag cleared again.
    EXPECT_EQ(Peer(*server, 1)->stepDone, 0);
}

TEST_F(JudgeNetworkFixture, RefusedLoginsShowTheirTextAndEndTheClient) {
    struct SCase {
        const char* why;
        std::string login;
        int code;
    };
    const std::vector<SCase> cases = {
        {"protocol 101", LoginText(101, kCharacterCheck, kMapCheck, "111111"), 2},
        {"other character data", LoginText(102, kCharacterCheck + 1, kMapCheck, "111111"), 3},
        {"other map data", LoginText(102, kCharacterCheck, kMapCheck + 1, "111111"), 4},
        {"unknown password", LoginText(102, kCharacterCheck, kMapCheck, "999999"), 9},
        {"password of a connected participant",
         LoginText(102, kCharacterCheck, kMapCheck, "000000"), 9},
    };
    OpenServer(kPortRefusals, ThreePeers());
    const std::vector<judge::CNetworkData> before = server->Peers();
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.why);
        CRawJudgePeer raw;
        ASSERT_TRUE(raw.Open(kPortRefusals));
        ASSERT_TRUE(WaitFor([&] { return raw.connected; }));
        raw.SendText(c.login);
        // The answer comes, then the connection closes.
        ASSERT_TRUE(WaitFor([&] { return raw.peerClosed; }));
        const std::string answer = "+MERCAVO70000" + std::string(c.code < 10 ? "00" : "0") +
                                   std::to_string(c.code);
        EXPECT_EQ(raw.CountRecords(answer), 1u);
        // The server's table is as it was.
        Settle(50);
        ASSERT_EQ(server->Peers().size(), before.size());
        for (size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(server->Peers()[i].playerNumber, before[i].playerNumber);
            EXPECT_EQ(server->Peers()[i].state, before[i].state);
        }
    }
    // A real client shows the text and ends.
    CJudgeNetwork& client = AddClient(1, "111111", ThreePeers(), kMapCheck + 1);
    ASSERT_TRUE(WaitFor([&] { return clientHosts[0]->closed; }));
    ASSERT_EQ(clientHosts[0]->boxes.size(), 1u);
    EXPECT_EQ(clientHosts[0]->boxes[0], CJudgeNetwork::RefusalText(4));
    EXPECT_TRUE(client.Peers().empty());
}

TEST_F(JudgeNetworkFixture, ALoginAfterTheStartIsRefusedWith6) {
    OpenServer(kPortStart, {{0, "Host", "000000", 3}, {1, "Alice", "111111", 3}});
    server->StartJudgment();
    CJudgeNetwork& late = AddClient(1, "111111", ThreePeers());
    (void)late;
    ASSERT_TRUE(WaitFor([&] { return clientHosts[0]->closed; }));
    EXPECT_EQ(clientHosts[0]->boxes, std::vector<std::string>{CJudgeNetwork::RefusalText(6)});
}

TEST_F(JudgeNetworkFixture, MalformedRecordsAreAcknowledgedReportedAndNotApplied) {
    OpenServer(kPortHostile, ThreePeers());
    CJudgeNetwork& alice = AddClient(1, "111111", ThreePeers());
    ASSERT_TRUE(WaitFor([&] { return Peer(*server, 1) && Peer(*server, 1)->IsLoggedIn(); }));
    (void)alice;
    CRawJudgePeer raw;
    ASSERT_TRUE(raw.Open(kPortHostile));
    ASSERT_TRUE(WaitFor([&] { return raw.connected && server->Peers().size() == 4; }));
    struct SCase {
        const char* why;
        std::string record;
        const char* logged;
        bool acknowledged;
    };
    const std::vector<SCase> cases = {
        {"bad header", "_MERCAVX70000000", "]Receive error:Without the data header", false},
        {"letter in a number", "_MERCAVO70000000010x", "]Receive error:login: protocol", true},
        {"flag count beyond the record", "_MERCAVO00010999" "0001",
         "]Receive error:step flags: count", true},
        {"chat count beyond the record", "_MERCAVO10000200" "00010002hi",
         "]Receive error:chat line: count", false},
        {"set flag cut", "_MERCAVO00011000" "1", "]Receive error:step flag", true},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.why);
        serverHost.log.clear();
        const size_t acks = raw.CountRecords(kAck);
        raw.SendText(c.record);
        ASSERT_TRUE(WaitFor([&] { return serverHost.Logged(c.logged); }));
        if (c.acknowledged) EXPECT_TRUE(WaitFor([&] { return raw.CountRecords(kAck) == acks + 1; }));
    }
    // Nothing of them was applied: everyone's flags and the table are as
    // they were, and the temporary connection is still waiting for its login.
    EXPECT_EQ(server->Peers().size(), 4u);
    EXPECT_TRUE(server->IsNotStarted());
    // A list entry whose name runs past the record's text is refused by a
    // client.
    clientHosts[0]->log.clear();
    NetRecordBytes entry{};
    const std::string text = "_MERCAVO70001000" "00070000" "99" "xxxxxxxxxx";
    CNetRecordBuilder::Frame(text, entry);
    alice.Dispatch(entry, nullptr);
    EXPECT_TRUE(clientHosts[0]->Logged("]Receive error:participant entry: name"));
    EXPECT_EQ(Peer(alice, 7), nullptr);
}

TEST(JudgeRecordStreamTest, RecordsAreCutInStreamOrderWhateverTheReads) {
    std::string bytes;
    for (char c : {'a', 'b', 'c'}) bytes += std::string(kNetRecordSize, c);
    // Reads of 300 + 212, then a 512-byte read while 100 bytes wait.
    const std::vector<std::vector<int>> splits = {{300, 212, 512, 512}, {100, 512, 412, 512}};
    for (const auto& split : splits) {
        judge::CRecordStream stream;
        std::string order;
        size_t at = 0;
        for (int length : split) {
            stream.Append(bytes.data() + at, length);
            at += static_cast<size_t>(length);
            NetRecordBytes record;
            while (stream.Cut(record)) {
                EXPECT_EQ(std::string(record.data(), record.size()),
                          std::string(kNetRecordSize, record[0]));
                order += record[0];
            }
        }
        EXPECT_EQ(order, "abc");
    }
}

TEST_F(JudgeNetworkFixture, AConnectionBeforeTheServersOwnIsNotTakenForIt) {
    OpenServer(kPortOwn, ThreePeers(), false);
    CRawJudgePeer early;
    ASSERT_TRUE(early.Open(kPortOwn));
    ASSERT_TRUE(WaitFor([&] { return server->Peers().size() == 4; }));
    EXPECT_FALSE(Peer(*server, 0)->IsLoggedIn());
    ConnectServerItself();
    EXPECT_NE(Peer(*server, 0)->socket, nullptr);
    // The early one is a temporary record of the lowest free number.
    EXPECT_EQ(Peer(*server, 3)->state, CNetworkData::kConnecting);
}

TEST_F(JudgeNetworkFixture, StartWithOneMissingRemovesItEverywhere) {
    OpenServer(kPortStart + 5, ThreePeers());
    CJudgeNetwork& alice = AddClient(1, "111111", ThreePeers());
    ASSERT_TRUE(WaitFor([&] { return Peer(alice, 2) != nullptr && Peer(*server, 1)->IsLoggedIn(); }));
    server->StartJudgment();
    EXPECT_EQ(Peer(*server, 2), nullptr);
    ASSERT_TRUE(WaitFor([&] { return Peer(alice, 2) == nullptr && clientHosts[0]->announcementStarts == 1; }));
    // The two that are left go on.
    server->SendStepDone();
    alice.SendStepDone();
    ASSERT_TRUE(WaitFor([&] { return clientHosts[0]->pages == 1 && serverHost.pages == 1; }));
}

TEST_F(JudgeNetworkFixture, LossesAfterTheStart) {
    OpenServer(kPortLoss, ThreePeers());
    AddClient(1, "111111", ThreePeers());
    AddClient(2, "222222", ThreePeers());
    ASSERT_TRUE(WaitFor([&] { return clientHosts[1]->announcementStarts == 1; }));
    // Bob is lost before finishing the page that everyone else finished: the
    // others move on all the same.
    server->SendStepDone();
    clients[0]->SendStepDone();
    ASSERT_TRUE(WaitFor([&] { return Peer(*server, 1)->stepDone == 1; }));
    clients[1].reset();
    ASSERT_TRUE(WaitFor([&] { return serverHost.pages == 1 && clientHosts[0]->pages == 1; }));
    EXPECT_EQ(Peer(*server, 2), nullptr);
    EXPECT_TRUE(serverHost.Logged("]Lost connection with Bob."));
    ASSERT_TRUE(WaitFor([&] { return Peer(*clients[0], 2) == nullptr; }));
    // The server lost: the client says so once and ends.
    server.reset();
    ASSERT_TRUE(WaitFor([&] { return clientHosts[0]->closed; }));
    Settle(50);
    EXPECT_EQ(clientHosts[0]->boxes, std::vector<std::string>{CJudgeNetwork::kServerLostText});
}

TEST_F(JudgeNetworkFixture, AParticipantLostBeforeTheStartStaysAbsentAndComesBack) {
    OpenServer(kPortLostBefore, ThreePeers());
    AddClient(1, "111111", ThreePeers());
    ASSERT_TRUE(WaitFor([&] { return Peer(*server, 1)->IsLoggedIn(); }));
    clients[0].reset();
    ASSERT_TRUE(WaitFor([&] { return Peer(*server, 1)->state == CNetworkData::kPlayerAbsent; }));
    EXPECT_EQ(Peer(*server, 1)->socket, nullptr);
    AddClient(1, "111111", ThreePeers());
    ASSERT_TRUE(WaitFor([&] { return Peer(*server, 1)->state == CNetworkData::kPlayer; }));
    EXPECT_TRUE(server->IsNotStarted());
}

TEST_F(JudgeNetworkFixture, WithoutAServerTheSixthExpiryEndsTheProgram) {
    setenv("MERCAVO_PORT_BASE", std::to_string(kPortRetry).c_str(), 1);
    for (const std::string address : {"127.0.0.1", ""}) {
        SCOPED_TRACE(address);
        CRecordingNetHost host;
        CJudgeNetwork client(host);
        client.Load(Frame(ThreePeers(), 1, false), kCharacterCheck, kMapCheck);
        client.SetServer(address, "111111");
        // Each start (the first and every posted one) arms the timer.
        client.Start("/nonexistent/");
        for (int expiry = 1; expiry <= CJudgeNetwork::kConnectTries; ++expiry) {
            SCOPED_TRACE(expiry);
            EXPECT_EQ(host.retryMs, CJudgeNetwork::kRetryMs);
            client.OnRetryTimer();
            if (expiry < CJudgeNetwork::kConnectTries) {
                EXPECT_EQ(host.startsPosted, expiry);
                EXPECT_FALSE(host.closed);
                client.Start("/nonexistent/");
            }
        }
        EXPECT_TRUE(host.closed);
        EXPECT_EQ(host.boxes, std::vector<std::string>{CJudgeNetwork::kRetriesFailedText});
    }
}

}  // namespace
