// The judgment network's record dispatch on arbitrary records, on a server
// and on a client. The first byte chooses the side; the rest is cut into
// 512-byte records (classes 000, 100 and 700 are the ones dispatched). Every
// answer must be a whole record with its zero byte, and the tables stay
// within their bounds.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "judge/JudgeNetwork.h"
#include "judge/JudgeNetworkHost.h"
#include "model/FrameState.h"

namespace {

class CQuietHost : public judge::IJudgeNetworkHost {
public:
    void NetLog(const std::string&, int) override {}
    void NetMessageBox(const std::string&) override {}
    void NetCloseProgram() override { closed = true; }
    void NetPostStart() override {}
    void NetSetRetryTimer(int) override {}
    void NetKillRetryTimer() override {}
    void NetStartAnnouncement() override {}
    bool NetNextPage() override { return false; }
    void NetRefresh() override {}
    void NetShowWindow() override {}
    void NetIndicate(int) override {}
    // Nothing arrives while it waits: a link that stays busy ends the wait.
    void NetPollWait(int) override { closed = ++waits > 1000; }
    bool NetIsRunning() override { return !closed; }
    bool closed = false;
    int waits = 0;
};

CFrameState Participants(bool host) {
    CFrameState frame;
    const char* codes[] = {"000000", "111111", "222222"};
    for (int i = 0; i < 3; ++i) {
        CFrameState::SPeer peer;
        peer.playerNumber = i;
        peer.company = i;
        peer.name = "P" + std::to_string(i);
        peer.state = 3;
        peer.localFlag = i == (host ? 0 : 1) ? 1 : 0;
        peer.personalCode = codes[i];
        frame.GetPeers().push_back(peer);
    }
    frame.SetNetworkRoles(1, host ? 1 : 0, 0);
    return frame;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const bool host = data[0] & 1;
    CQuietHost frame;
    judge::CJudgeNetwork network(frame);
    network.Load(Participants(host), 1234, 5678);
    network.SetSendHook([](judge::CVClientSocket*, const NetRecordBytes& record) {
        if (std::memchr(record.data(), '\0', record.size()) == nullptr) std::abort();
        return true;
    });
    judge::CVClientSocket* socket = host ? network.AdoptConnection() : nullptr;
    for (size_t at = 1; at < size && !frame.closed; at += kNetRecordSize) {
        NetRecordBytes record{};
        std::memcpy(record.data(), data + at, std::min(size - at, record.size()));
        network.Dispatch(record, socket);
        if (network.Peers().size() > 64) std::abort();
    }
    return 0;
}
