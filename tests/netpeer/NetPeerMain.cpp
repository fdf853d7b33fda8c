// The network tests' second program. Modes:
//   client COUNT   joins the host on 127.0.0.1 (MERCAVO_PORT_BASE), sends
//                  COUNT queued records of class 400 numbered 0.. and
//                  expects COUNT from the host in the same order; exits 0
//                  once both sides' records are all acknowledged and in
//                  order, 1 otherwise, 2 on time-out.
//   stay           joins the host and stays until it is killed.
//   hostile FRAMES [state]
//                  speaks the wire itself: sends FRAMES hostile frames to
//                  the host, connecting again whenever it is dropped; exits
//                  0 when all are sent, 2 on time-out. With "state" the
//                  frames are state records only (class 300 and the
//                  broken-building report).

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "HostileFrames.h"
#include "model/NetRecordBuilder.h"
#include "model/NetRecordReader.h"
#include "network/NetFrameService.h"
#include "network/NetSession.h"
#include "network/WirePeer.h"
#include "platform/ui/MessageLoop.h"

namespace {

constexpr int kActionClass = 400;
constexpr int kTimeLimitMs = 120000;

class CToolFrame : public INetFrameService {
public:
    void AddLogLine(const std::string&) override {}
    void StepTransferIndicator(int) override {}
    bool IsCloseRequested() override { return false; }
    int GetSessionState() override { return 0; }
    void ShowMessageBox(const std::string& text) override {
        std::fprintf(stderr, "box: %s\n", text.c_str());
    }
    void PostNetworkFailure() override { failed = true; }
    void CloseProgram(bool) override { failed = true; }
    void OnAllChannelsConnected() override { connected = true; }
    void OnServerLost() override { failed = true; }
    void ReleaseCompany(int) override {}
    void OnParticipantRemoved(int, bool) override {}
    void OnParticipantAbsent(int, bool) override {}
    void OnJoinerLost(int) override {}

    bool connected = false;
    bool failed = false;
};

bool WaitFor(const std::function<bool()>& condition, int timeoutMs = kTimeLimitMs) {
    return CMessageLoop::WaitDispatching(timeoutMs, condition);
}

int RunClient(int count, bool stay) {
    CToolFrame frame;
    CNetSession session(frame);
    session.SetHostAddress("127.0.0.1");
    int received = 0;
    bool inOrder = true;
    session.SetClassHandler(kActionClass, [&](const SNetIncoming& in) {
        CNetRecordReader reader(in.record);
        int number = -1;
        if (!reader.ReadInt(6, number, "number") || number != received) inOrder = false;
        ++received;
    });
    if (!session.OpenNetwork()) return 1;
    if (!WaitFor([&] { return frame.connected || frame.failed; }) || frame.failed) return 2;
    session.KillConnectTimer();
    if (stay) {
        std::printf("connected\n");
        std::fflush(stdout);
        WaitFor([] { return false; }, 24 * 3600 * 1000);
        return 0;
    }
    for (int number = 0; number < count; ++number) {
        const std::string record = CNetRecordBuilder(kActionClass, 0, 100).Int(number, 6).Text();
        if (!session.SendRecordToHost(record, true)) return 1;
    }
    const bool done = WaitFor([&] {
        const CChannelState& own = session.ClientChannels();
        bool allFree = true;
        for (int flag : own.freeFlags) allFree = allFree && flag == 1;
        return frame.failed || (received == count && allFree);
    });
    if (!done) return 2;
    std::printf("client received %d, %s\n", received, inOrder ? "in order" : "out of order");
    return !frame.failed && inOrder && received == count ? 0 : 1;
}

int RunHostile(int frames, CHostileFrames::EKinds kinds) {
    CHostileFrames generator(12345, kinds);
    int sent = 0;
    int connections = 0;
    const int base = CNetSession::PortBase();
    while (sent < frames) {
        CWirePeer peer;
        ++connections;
        if (!peer.Connect("127.0.0.1", base)) return 1;
        if (!WaitFor([&] { return peer.AllConnected() || peer.AnyClosed(); }, 20000)) return 2;
        int next = 0;
        while (sent < frames && !peer.AnyClosed()) {
            const SHostileFrame frame = generator.Next();
            ++sent;
            if (frame.how == SHostileFrame::EHow::CutAndClose) {
                peer.SendBytes(next, frame.bytes);
                break;
            }
            if (frame.how == SHostileFrame::EHow::TwiceOutOfTurn) {
                const int channel = (next + 1) % kChannelCount;
                peer.SendBytes(channel, frame.bytes);
                peer.SendBytes(channel, frame.bytes);
            } else {
                peer.SendBytes(next, frame.bytes);
                if (frame.bytes[0] == '+') next = (next + 1) % kChannelCount;
            }
            // Let the host answer now and then, so that its drops are seen.
            CMessageLoop::WaitDispatching(frame.drops ? 20 : 0, [&] { return peer.AnyClosed(); });
            if (frame.drops) WaitFor([&] { return peer.AnyClosed(); }, 2000);
        }
        peer.CloseAll();
    }
    std::printf("hostile sent %d frames over %d connections\n", sent, connections);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode == "client") return RunClient(count, false);
    if (mode == "stay") return RunClient(0, true);
    if (mode == "hostile") {
        const bool state = argc > 3 && std::string(argv[3]) == "state";
        return RunHostile(
            count, state ? CHostileFrames::EKinds::StateTransfer : CHostileFrames::EKinds::All);
    }
    std::fprintf(stderr, "usage: %s client COUNT | stay | hostile FRAMES [state]\n", argv[0]);
    return 64;
}
