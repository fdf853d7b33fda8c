// Who may send what, and when: a record from the wrong side, or in a session
// state that does not take it, changes nothing on the host (neither its
// game nor its peer table), is acknowledged when queued and is logged.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "game/GameFixture.h"
#include "network/NetRecordKinds.h"
#include "network/SessionFixture.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"
#include "platform/core/TextFormat.h"

namespace {

constexpr int kPortBase = 23500;

struct SCase {
    int recordClass, group, code;
    int sessionState;
};

class RecordRole : public CSessionFixtureT<GameTest> {
protected:
    std::vector<uint8_t> SavedGame() {
        CMemoryStream stream;
        CArchive ar(stream, CArchive::store);
        doc.Serialize(ar);
        return stream.Bytes();
    }

    using PeerRow = std::tuple<int, int, int, int, std::string, std::array<int, kChannelCount>,
                               std::array<CVClientSocket*, kChannelCount>>;
    std::vector<PeerRow> PeerTable() {
        std::vector<PeerRow> rows;
        for (const CNetworkData& peer : host.Peers()) {
            rows.emplace_back(peer.playerNumber, peer.state, peer.company, peer.readyFlag,
                              peer.name, peer.channels.freeFlags, peer.channels.sockets);
        }
        return rows;
    }

    // Every class handler changes the game, as the real ones do.
    void HandlersThatChangeTheGame() {
        for (int recordClass = 0; recordClass <= 600; recordClass += 100) {
            host.SetClassHandler(recordClass, [this](const SNetIncoming&) {
                ++applied;
                doc.GetEnterprise(0)->AddFunds(1);
            });
        }
    }

    // Sends a record as its sender would: queued on the next channel in turn
    // when its kind is acknowledged (and waits for the acknowledgement),
    // else at once.
    void Send(const SCase& c) {
        if (!CNetRecordKinds::IsAcknowledged(c.recordClass, c.group, c.code)) {
            // Refused or applied, it is taken at once.
            const int taken = host.RejectedCount() + applied;
            wire.SendRecord(0, MakeRecord(c.recordClass, c.group, c.code, "0001", '_'));
            ASSERT_TRUE(WaitFor([&] { return host.RejectedCount() + applied != taken; }));
            return;
        }
        const size_t acks = wire.records.size();
        wire.SendRecord(m_next, MakeRecord(c.recordClass, c.group, c.code, "0001", '+'));
        m_next = (m_next + 1) % kChannelCount;
        ASSERT_TRUE(WaitFor([&] { return wire.records.size() == acks + 1; }));
        EXPECT_EQ(std::string(wire.records.back().record.data()), "_MERCAVO00000010");
    }

    int applied = 0;
    int m_next = 0;
};

// The records a client may never send, and records out of their states.
std::vector<SCase> RefusedCases() {
    std::vector<SCase> cases;
    for (const SNetRecordKind& kind : CNetRecordKinds::All()) {
        if (kind.sender != ENetSender::Host) continue;
        // Every code of a short range; a whole class of codes by its first.
        const int last = kind.lastCode - kind.firstCode < 10 ? kind.lastCode : kind.firstCode;
        for (int code = kind.firstCode; code <= last; ++code) {
            cases.push_back({kind.recordClass, kind.group, code, 1});
        }
    }
    for (int state : {0, 3, 5}) cases.push_back({500, 0, 1, state});
    for (int state : {0, 1, 2, 3, 4}) cases.push_back({0, 50, 1, state});
    return cases;
}

}  // namespace

TEST_F(RecordRole, RefusedRecordsChangeNothingAndAreLogged) {
    NewGame(4, 2);
    OpenHost(kPortBase);
    ConnectWirePeer();
    HandlersThatChangeTheGame();
    const std::vector<SCase> cases = RefusedCases();
    // The game start, the resumed lobby, the judgment hand-over and the
    // month's input phase are among them.
    auto has = [&](int cls, int group, int code) {
        return std::any_of(cases.begin(), cases.end(), [&](const SCase& c) {
            return c.recordClass == cls && c.group == group && c.code == code;
        });
    };
    EXPECT_TRUE(has(200, 3, 4) && has(200, 14, 0) && has(0, 50, 1) && has(500, 0, 0));
    for (const SCase& c : cases) {
        SCOPED_TRACE(FormatText("%03d %02d/%03d in state %d", c.recordClass, c.group, c.code,
                                c.sessionState));
        hostFrame.sessionState = c.sessionState;
        const std::vector<uint8_t> before = SavedGame();
        const std::vector<PeerRow> peers = PeerTable();
        const int rejected = host.RejectedCount();
        Send(c);
        EXPECT_EQ(applied, 0);
        EXPECT_EQ(host.RejectedCount(), rejected + 1);
        EXPECT_TRUE(hostFrame.HasLine(
            FormatText("]Receive error:%03d %02d/%03d from player 1 not taken in state %d.",
                       c.recordClass, c.group, c.code, c.sessionState)));
        EXPECT_TRUE(SavedGame() == before);
        EXPECT_TRUE(PeerTable() == peers);
    }
}

TEST_F(RecordRole, RecordsInTheirStatesAreApplied) {
    NewGame(4, 2);
    OpenHost(kPortBase + 20);
    ConnectWirePeer();
    HandlersThatChangeTheGame();
    const std::vector<SCase> cases = {
        {400, 0, 100, 1}, {500, 0, 1, 1}, {500, 0, 1, 4}, {0, 50, 1, 5}, {100, 0, 2, 0}};
    int expected = 0;
    for (const SCase& c : cases) {
        SCOPED_TRACE(FormatText("%03d %02d/%03d in state %d", c.recordClass, c.group, c.code,
                                c.sessionState));
        hostFrame.sessionState = c.sessionState;
        const std::vector<uint8_t> before = SavedGame();
        Send(c);
        EXPECT_EQ(applied, ++expected);
        EXPECT_FALSE(SavedGame() == before);
    }
}
