// Sending: immediate and queued records, the acknowledgement, the waits.

#include <algorithm>

#include "model/NetAckRecord.h"
#include "model/NetRecordBuilder.h"
#include "network/NetFrameService.h"
#include "network/NetSession.h"
#include "network/VClientSocket.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/MessageLoop.h"

namespace {
// The longest a network wait blocks on the loop before it looks again.
constexpr int64_t kWaitStepMs = 10;

std::string KindOf(const std::string& text) {
    return text.size() >= kNetPayloadStart
               ? text.substr(8, 3) + " " + text.substr(11, 2) + "/" + text.substr(13, 3)
               : "?";
}
}  // namespace

bool CNetSession::FrameText(const std::string& text, NetRecordBytes& record) {
    if (CNetRecordBuilder::Frame(text, record)) return true;
    ReportSendError(FormatText("%s: record text of %d bytes beyond %d", KindOf(text).c_str(),
                               static_cast<int>(text.size()), kNetRecordTextLimit));
    return false;
}

bool CNetSession::SendRawRecord(CVClientSocket* socket, const NetRecordBytes& record) {
    if (!socket || m_frame.IsCloseRequested() || !m_sockets.count(socket)) return false;
    int player = m_ownPlayer;
    const int peer = FindPeerBySocket(socket);
    if (peer >= 0) player = m_peers[peer].playerNumber;
    m_trace.Write("send", player, socket->GetChannel(), record);
    const bool sent = socket->QueueBytes(record.data(), kNetRecordSize);
    m_frame.StepTransferIndicator(0);
    if (!sent) OnSendFailed(socket, socket->GetChannel());
    return sent;
}

void CNetSession::SendAck(CVClientSocket* socket) {
    if (!socket) return;
    const bool ours = m_client.FindSocket(socket) >= 0 || (m_host && FindPeerBySocket(socket) >= 0);
    if (ours) SendRawRecord(socket, MakeAckRecord());
}

bool CNetSession::SendQueued(CChannelState& state, const NetRecordBytes& record, bool markBusy) {
    NetRecordBytes queued = record;
    queued[0] = kNetQueuedMark;
    const int channel = state.currentChannel;
    if (!IsValidChannel(channel)) return false;
    if (!SendRawRecord(state.sockets[channel], queued)) return false;
    if (markBusy) state.MarkBusy(channel, NowMs());
    state.AdvanceChannel();
    return true;
}

bool CNetSession::SendRecordToHost(const std::string& text, bool markBusy) {
    NetRecordBytes record;
    if (!FrameText(text, record) || !WaitClientChannelFree()) return false;
    return SendQueued(m_client, record, markBusy);
}

bool CNetSession::SendDirectToHost(const std::string& text) {
    NetRecordBytes record;
    if (!FrameText(text, record) || !WaitClientChannelFree()) return false;
    const int channel = m_client.currentChannel;
    if (!SendRawRecord(m_client.sockets[channel], record)) return false;
    m_client.MarkBusy(channel, NowMs());
    return true;
}

bool CNetSession::SendToPlayer(int playerNumber, const std::string& text, bool markBusy) {
    NetRecordBytes record;
    if (!FrameText(text, record)) return false;
    int index = FindPeer(playerNumber);
    if (index < 0 || !m_peers[index].channels.HasAllSockets()) return false;
    if (!WaitPlayerChannelFree(playerNumber)) return false;
    // The wait dispatched messages: the participant may be gone.
    index = FindPeer(playerNumber);
    if (index < 0) return false;
    return SendQueued(m_peers[index].channels, record, markBusy);
}

bool CNetSession::SendDirectToPlayer(int playerNumber, const std::string& text) {
    NetRecordBytes record;
    if (!FrameText(text, record)) return false;
    const bool free = WaitUntil([&] {
        const int index = FindPeer(playerNumber);
        if (index < 0 || !m_peers[index].channels.HasSocket(0)) return -1;
        return m_peers[index].channels.freeFlags[0] == 1 ? 1 : 0;
    });
    if (!free) return false;
    const int index = FindPeer(playerNumber);
    if (!SendRawRecord(m_peers[index].channels.sockets[0], record)) return false;
    const int again = FindPeer(playerNumber);
    if (again >= 0) m_peers[again].channels.MarkBusy(0, NowMs());
    return true;
}

void CNetSession::BroadcastRecord(const std::string& text, bool markBusy, bool includeLocal) {
    // The table may change while sending.
    std::vector<int> players;
    for (const CNetworkData& peer : m_peers) players.push_back(peer.playerNumber);
    for (int player : players) {
        const int index = FindPeer(player);
        if (index < 0) continue;
        if (m_peers[index].localFlag && !includeLocal) continue;
        SendToPlayer(player, text, markBusy);
    }
}

void CNetSession::SendRecord(int player, const std::string& record) {
    if (player < 0)
        SendToAll(record);
    else
        SendToPlayer(player, record, true);
}

bool CNetSession::SendToPlayer(int player, const std::string& record) {
    return SendToPlayer(player, record, true);
}

bool CNetSession::SendToAll(const std::string& record) {
    NetRecordBytes framed;
    if (!FrameText(record, framed)) return false;
    BroadcastRecord(record, true, false);
    return true;
}

// ---- waits

bool CNetSession::WaitUntil(const std::function<int()>& condition) {
    const unsigned generation = m_generation;
    auto ended = [&] {
        return generation != m_generation || !IsOpen() || m_frame.IsCloseRequested();
    };
    for (;;) {
        int state = condition();
        if (state != 0) return state > 0;
        if (ended()) return false;
        CheckAckTimeouts();
        state = condition();
        if (state != 0) return state > 0;
        if (ended()) return false;
        // One real step on the loop, whatever the wait-time setting.
        CMessageLoop::WaitDispatching(kWaitStepMs, [&] { return condition() != 0 || ended(); });
    }
}

bool CNetSession::WaitPlayerChannelFree(int playerNumber) {
    return WaitUntil([&] {
        const int index = FindPeer(playerNumber);
        if (index < 0) return -1;
        const CChannelState& state = m_peers[index].channels;
        if (!state.HasSocket(state.currentChannel)) return -1;
        return state.freeFlags[state.currentChannel] == 1 ? 1 : 0;
    });
}

bool CNetSession::WaitClientChannelFree() {
    return WaitUntil([&] {
        if (!m_client.HasSocket(m_client.currentChannel)) return -1;
        return m_client.freeFlags[m_client.currentChannel] == 1 ? 1 : 0;
    });
}

bool CNetSession::WaitChannelsFree() {
    return WaitUntil([&] {
        for (const CNetworkData& peer : m_peers) {
            if (std::any_of(peer.channels.freeFlags.begin(), peer.channels.freeFlags.end(),
                            [](int flag) { return flag != 1; })) {
                return 0;
            }
        }
        return 1;
    });
}
