// The peer record: its defaults, and that the peer table keeps every
// record's channel state when a record before it is removed.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fakes/FakeNetFrame.h"
#include "network/NetSession.h"
#include "network/SocketEvents.h"
#include "network/VClientSocket.h"

namespace {

class CNoEvents : public ISocketEvents {
public:
    void OnPeerAccept(int) override {}
    void OnRecordReceive(CVClientSocket*, int) override {}
    void OnChannelConnect(CVClientSocket*, int) override {}
    void OnPeerClose(CVClientSocket*, int) override {}
    void OnSocketSend(CVClientSocket*) override {}
    void OnSendFailed(CVClientSocket*, int) override {}
};

// A record whose channels all carry something that a move could lose.
CNetworkData BusyRecord(int player, std::vector<std::unique_ptr<CVClientSocket>>& sockets,
                        ISocketEvents& events) {
    CNetworkData record;
    record.playerNumber = player;
    record.name = "Player " + std::to_string(player);
    CChannelState& state = record.channels;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        sockets.push_back(std::make_unique<CVClientSocket>(channel, events));
        state.sockets[channel] = sockets.back().get();
        state.freeFlags[channel] = channel % 2;
        state.ring[channel].fill(static_cast<char>('A' + player));
        state.ring[channel][0] = '+';
        // The most a buffer ever holds.
        state.receiveCounts[channel] = kReceiveBufferSize - 1;
        state.receiveBuffers[channel].fill(static_cast<char>('a' + channel));
    }
    state.currentChannel = 5;
    state.ringReadIndex = 7;
    return record;
}

}  // namespace

TEST(NetworkData, DefaultRecordHasFreeChannelsNoSocketsAndAnEmptyRing) {
    const CNetworkData record;
    EXPECT_EQ(record.playerNumber, -1);
    EXPECT_EQ(record.connectionNumber, -1);
    EXPECT_EQ(record.company, -1);
    EXPECT_EQ(record.readyFlag, 1);
    EXPECT_EQ(record.colour, -1);
    EXPECT_EQ(record.state, CNetworkData::kConnecting);
    for (int channel = 0; channel < kChannelCount; ++channel) {
        SCOPED_TRACE(channel);
        EXPECT_EQ(record.channels.sockets[channel], nullptr);
        EXPECT_EQ(record.channels.freeFlags[channel], 1);
        EXPECT_EQ(record.channels.ring[channel][0], '\0');
        EXPECT_EQ(record.channels.receiveCounts[channel], 0);
    }
    EXPECT_EQ(record.channels.currentChannel, 0);
    EXPECT_EQ(record.channels.ringReadIndex, 0);
}

TEST(NetworkData, RemovingARecordKeepsTheChannelStateOfLaterOnes) {
    CNoEvents events;
    std::vector<std::unique_ptr<CVClientSocket>> sockets;
    CFakeNetFrame frame;
    CNetSession session(frame);
    std::vector<CNetworkData> expected;
    for (int player = 1; player <= 4; ++player) {
        expected.push_back(BusyRecord(player, sockets, events));
        session.AddNetPlayer(expected.back());
    }
    session.RemoveNetPlayer(2, false);
    expected.erase(expected.begin() + 1);
    ASSERT_EQ(session.Peers().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].playerNumber);
        const CNetworkData& kept = session.Peers()[i];
        EXPECT_EQ(kept.playerNumber, expected[i].playerNumber);
        EXPECT_EQ(kept.name, expected[i].name);
        EXPECT_EQ(kept.channels.sockets, expected[i].channels.sockets);
        EXPECT_EQ(kept.channels.freeFlags, expected[i].channels.freeFlags);
        EXPECT_EQ(kept.channels.ring, expected[i].channels.ring);
        EXPECT_EQ(kept.channels.receiveCounts, expected[i].channels.receiveCounts);
        EXPECT_EQ(kept.channels.receiveBuffers, expected[i].channels.receiveBuffers);
        EXPECT_EQ(kept.channels.currentChannel, 5);
        EXPECT_EQ(kept.channels.ringReadIndex, 7);
    }
}

TEST(ChannelState, RingHandsRecordsOnInSlotOrderAndNeverOverwrites) {
    CChannelState state;
    auto record = [](char tag) {
        NetRecordBytes bytes{};
        bytes[0] = '+';
        bytes[1] = tag;
        return bytes;
    };
    NetRecordBytes out;
    int slot = -1;
    EXPECT_TRUE(state.PutInRing(2, record('c')));
    EXPECT_FALSE(state.TakeFromRing(out, slot)) << "slot 0 has not arrived";
    EXPECT_FALSE(state.PutInRing(2, record('x')));
    EXPECT_EQ(state.ring[2][1], 'c');
    EXPECT_TRUE(state.PutInRing(0, record('a')));
    EXPECT_TRUE(state.PutInRing(1, record('b')));
    std::string order;
    while (state.TakeFromRing(out, slot)) order += out[1];
    EXPECT_EQ(order, "abc");
    EXPECT_EQ(state.ringReadIndex, 3);
}
