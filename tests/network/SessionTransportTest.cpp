// The session's transport over 127.0.0.1 on one loop: reassembly, the ring's
// order, broken streams, flow control by acknowledgement, the close request
// and the acknowledgement time-out.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "model/NetRecordBuilder.h"
#include "network/SessionFixture.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Wnd.h"

namespace {

// Class 400 records travel either way and are acknowledged.
constexpr int kActionClass = 400;

// The host's port bases of these tests: each its own twelve ports.
enum PortBase {
    kReassembly = 23000,
    kRingOrder = 23020,
    kBadHeader = 23040,
    kBusyChannel = 23060,
    kNoAddress = 23080,
    kCloseRequest = 23100,
    kFullSlot = 23140,
    kWaitTimeZero = 23160,
    kAckTimeout = 23180,
};

std::string MakeRecordText(int code) {
    return CNetRecordBuilder(kActionClass, 0, code).Int(code, 4).Text();
}

// Runs a callback after a real delay, on the loop.
class CLater : public CWnd {
public:
    CLater() { Create(nullptr, "later", 0, CRect(0, 0, 0, 0), nullptr, 0); }
    void After(int64_t ms, std::function<void()> action) {
        m_action = std::move(action);
        CMessageLoop::SetTimer(this, 1, ms);
    }

protected:
    void OnTimer(UINT_PTR id) override {
        KillTimer(id);
        if (m_action) m_action();
    }

private:
    std::function<void()> m_action;
};

class SessionTransport : public CSessionFixture {
protected:
    void RecordActions() {
        host.SetClassHandler(kActionClass,
                             [this](const SNetIncoming& in) { handled.push_back(in.code); });
    }
    std::vector<int> handled;
};

}  // namespace

TEST_F(SessionTransport, RecordInTwoPiecesIsDispatchedOnce) {
    OpenHost(kReassembly);
    ConnectWirePeer();
    RecordActions();
    const NetRecordBytes record = MakeRecord(kActionClass, 0, 7, "payload", '_');
    const std::string bytes(record.data(), record.size());
    wire.SendBytes(3, bytes.substr(0, 300));
    Settle(50);
    EXPECT_TRUE(handled.empty());
    wire.SendBytes(3, bytes.substr(300));
    ASSERT_TRUE(WaitFor([&] { return !handled.empty(); }));
    Settle(50);
    EXPECT_EQ(handled, std::vector<int>{7});
    // The record was acknowledged on its channel.
    ASSERT_TRUE(WaitFor([&] { return !wire.records.empty(); }));
    EXPECT_EQ(wire.records[0].channel, 3);
    EXPECT_EQ(std::string(wire.records[0].record.data()), "_MERCAVO00000010");
}

TEST_F(SessionTransport, QueuedRecordsAreHandedOnInSendingOrder) {
    OpenHost(kRingOrder);
    ConnectWirePeer();
    RecordActions();
    // Sent on channels 0, 1, 2; delivered 2, 0, 1.
    for (int channel : {2, 0, 1}) {
        wire.SendRecord(channel, MakeRecord(kActionClass, 0, channel, "", '+'));
        Settle(30);
    }
    ASSERT_TRUE(WaitFor([&] { return handled.size() == 3; }));
    EXPECT_EQ(handled, (std::vector<int>{0, 1, 2}));
}

TEST_F(SessionTransport, UnknownHeaderIsReportedAndDropsThePeer) {
    OpenHost(kBadHeader);
    ConnectWirePeer();
    RecordActions();
    wire.SendRecord(4, MakeRecord(kActionClass, 0, 1, "", 'x'));
    ASSERT_TRUE(WaitFor([&] { return Remote() == nullptr; }));
    EXPECT_TRUE(hostFrame.HasLine("]Receive error:Without the data header of MERCAVO included"));
    EXPECT_TRUE(hostFrame.HasLine("]Lost connection with Remote."));
    EXPECT_TRUE(hostFrame.HasCall("Removed(1)"));
    EXPECT_TRUE(handled.empty());
    EXPECT_TRUE(WaitFor([&] { return wire.AnyClosed(); }));
}

TEST_F(SessionTransport, QueuedSendWaitsForItsChannelsAcknowledgement) {
    OpenHost(kBusyChannel);
    ConnectWirePeer();
    CLater later;
    std::vector<std::string> events;
    wire.onRecord = [&](const CWirePeer::SReceived& received) {
        events.push_back("record on " + std::to_string(received.channel));
        if (wire.records.size() == kChannelCount) {
            // Another channel's acknowledgement does not free channel 0.
            wire.SendAck(5);
            later.After(100, [&] {
                events.push_back("ack 0");
                wire.SendAck(0);
            });
        }
    };
    for (int i = 0; i <= kChannelCount; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(host.SendToPlayer(kRemotePlayer, MakeRecordText(i), true));
    }
    ASSERT_TRUE(WaitFor([&] { return wire.records.size() == kChannelCount + 1; }));
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2], "ack 0");
    EXPECT_EQ(events.back(), "record on 0");
    const CChannelState& state = Remote()->channels;
    EXPECT_EQ(state.currentChannel, 1);
    EXPECT_EQ(state.freeFlags[0], 0);
    EXPECT_EQ(state.freeFlags[5], 1);
    EXPECT_EQ(state.freeFlags[6], 0);
}

TEST_F(SessionTransport, WithoutHostAddressEveryRecordIsDiscarded) {
    OpenHost(kNoAddress);
    ConnectWirePeer();
    RecordActions();
    host.SetHostAddress("");
    wire.SendRecord(0, MakeRecord(kActionClass, 0, 1, "", '_'));
    wire.SendRecord(1, MakeRecord(kActionClass, 0, 2, "", '+'));
    wire.SendRecord(2, MakeRecord(kActionClass, 0, 3, "", 'x'));
    Settle(150);
    EXPECT_TRUE(handled.empty());
    EXPECT_TRUE(wire.records.empty()) << "nothing is acknowledged";
    EXPECT_NE(Remote(), nullptr);
}

TEST_F(SessionTransport, NothingGoesOutAfterTheCloseRequest) {
    OpenHost(kCloseRequest);
    ConnectWirePeer();
    RecordActions();
    hostFrame.closeRequested = true;
    EXPECT_FALSE(host.SendToPlayer(kRemotePlayer, MakeRecordText(1), true));
    EXPECT_FALSE(host.SendDirectToPlayer(kRemotePlayer, MakeRecordText(2)));
    host.BroadcastRecord(MakeRecordText(3), true, true);
    // Received records are still handled but not acknowledged.
    wire.SendRecord(0, MakeRecord(kActionClass, 0, 4, "", '+'));
    ASSERT_TRUE(WaitFor([&] { return !handled.empty(); }));
    Settle(100);
    EXPECT_EQ(wire.bytesReceived, (std::array<size_t, kChannelCount>{}));
}

TEST_F(SessionTransport, BrokenRingOrderDropsThePeer) {
    OpenHost(kFullSlot);
    ConnectWirePeer();
    RecordActions();
    // Slot 1 waits for slot 0; a second record for slot 1 would overwrite it.
    wire.SendRecord(1, MakeRecord(kActionClass, 0, 1, "", '+'));
    Settle(30);
    wire.SendRecord(1, MakeRecord(kActionClass, 0, 2, "", '+'));
    ASSERT_TRUE(WaitFor([&] { return Remote() == nullptr; }));
    EXPECT_TRUE(hostFrame.HasLine("]Receive error:A queued record for the full slot 1."));
    EXPECT_TRUE(hostFrame.HasLine("]Lost connection with Remote."));
    EXPECT_TRUE(handled.empty());
}

TEST_F(SessionTransport, WaitsDispatchAtWaitTimeZero) {
    OpenHost(kWaitTimeZero);
    ConnectWirePeer();
    wire.autoAck = true;
    // Twice round the channels: every send after the twelfth waits for an
    // acknowledgement that only a dispatching wait can receive.
    for (int i = 0; i < 2 * kChannelCount; ++i) {
        ASSERT_TRUE(host.SendToPlayer(kRemotePlayer, MakeRecordText(i), true));
    }
    EXPECT_TRUE(host.WaitChannelsFree());
    EXPECT_EQ(wire.records.size(), 2u * kChannelCount);
}

TEST_F(SessionTransport, PeerThatNeverAcknowledgesIsDroppedAfterTheTimeOut) {
    OpenHost(kAckTimeout);
    ConnectWirePeer();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(host.SendToPlayer(kRemotePlayer, MakeRecordText(1), true));
    // The wait ends when the participant is dropped.
    host.WaitChannelsFree();
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(Remote(), nullptr);
    EXPECT_TRUE(hostFrame.HasLine("]No acknowledgement from player 1 on channel 0."));
    EXPECT_TRUE(hostFrame.HasLine("]Lost connection with Remote."));
    // At time scale 0 the ten minutes shrink to their five-second floor.
    EXPECT_GE(waited, std::chrono::milliseconds(4900));
    EXPECT_LT(waited, std::chrono::seconds(30));
}
