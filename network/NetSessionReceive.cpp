// Receiving: reassembly of records from each channel's bytes, the ring that
// restores sending order, the dispatch by class and the acknowledgement.

#include <algorithm>
#include <cstring>

#include "model/NetAckRecord.h"
#include "model/NetRecordReader.h"
#include "network/NetFrameService.h"
#include "network/NetRecordKinds.h"
#include "network/NetSession.h"
#include "network/VClientSocket.h"
#include "network/VSocket.h"
#include "platform/core/TextFormat.h"

namespace {

bool HasHeader(const NetRecordBytes& record, char mark) {
    return record[0] == mark && std::memcmp(record.data() + 1, kNetRecordHeader + 1, 7) == 0;
}

}  // namespace

CChannelState* CNetSession::StateOf(const CVClientSocket* socket, int* player, bool* fromHost) {
    *player = -1;
    *fromHost = true;
    if (m_host && socket) {
        const int index = FindPeerBySocket(socket);
        if (index >= 0) {
            *player = m_peers[index].playerNumber;
            *fromHost = false;
            return &m_peers[index].channels;
        }
    }
    if (!m_host || m_client.FindSocket(socket) >= 0) return &m_client;
    return nullptr;
}

void CNetSession::OnRecordReceive(CVClientSocket* socket, int) {
    CEventScope scope(*this);
    int player = -1;
    bool fromHost = true;
    CChannelState* state = StateOf(socket, &player, &fromHost);
    if (!state) {
        if (m_sockets.count(socket)) {
            Log("]Receive error:A record on a connection of no participant");
            RetireSocket(socket);
        }
        return;
    }
    const int channel = state->FindSocket(socket);
    if (!IsValidChannel(channel)) return;
    const int room = std::min(kNetRecordSize, state->ReceiveRoom(channel));
    const int received = socket->Receive(state->ReceiveEnd(channel), room);
    if (received == SOCKET_ERROR && CAsyncSocket::GetLastError() == WSAEWOULDBLOCK) return;
    if (received <= 0) {
        const int error = CAsyncSocket::GetLastError();
        Log(FormatText("]Receive error(%d:%d):%s", channel, received,
                       CAsyncSocket::GetErrorText(error).c_str()));
        return;
    }
    state->AddReceived(channel, received);
    ProcessReceived(socket, channel, state);
}

void CNetSession::ReceiveClientBytes(int channel, const char* data, int length) {
    if (!IsValidChannel(channel) || !data) return;
    CEventScope scope(*this);
    while (length > 0) {
        const int count = std::min({length, kNetRecordSize, m_client.ReceiveRoom(channel)});
        std::memcpy(m_client.ReceiveEnd(channel), data, static_cast<size_t>(count));
        m_client.AddReceived(channel, count);
        data += count;
        length -= count;
        ProcessReceived(m_client.sockets[channel], channel, &m_client);
    }
}

void CNetSession::ProcessReceived(CVClientSocket* socket, int channel, CChannelState* state) {
    NetRecordBytes record;
    // A buffer holds less than a record before a receipt of at most one
    // record, so at most one record is complete now.
    if (!state->CutRecord(channel, record)) return;
    TakeRecord(socket, channel, record);
}

bool CNetSession::TakeRecord(CVClientSocket* socket, int channel, const NetRecordBytes& record) {
    // Outside a session nothing is taken.
    if (!IsOpen()) return false;
    if (HasHeader(record, kNetImmediateMark)) {
        DispatchRecord(record, socket, channel);
        return true;
    }
    if (!HasHeader(record, kNetQueuedMark)) {
        Log("]Receive error:Without the data header of MERCAVO included");
        DropPeer(socket, channel,
                 FormatText("]Receive error:Broken stream on channel %d.", channel));
        return false;
    }
    int player = -1;
    bool fromHost = true;
    CChannelState* state = StateOf(socket, &player, &fromHost);
    if (!state) return false;
    if (!state->PutInRing(channel, record)) {
        // The sender did not wait for the acknowledgement: the earlier record
        // is never overwritten.
        DropPeer(socket, channel,
                 FormatText("]Receive error:A queued record for the full slot %d.", channel));
        return false;
    }
    DrainRing(socket);
    return true;
}

void CNetSession::DrainRing(CVClientSocket* socket) {
    // A client hands queued records on one at a time: one that arrives while
    // another's handler runs waits in the ring, and the running drain takes
    // it when that handler is done.
    if (!m_host && m_draining) return;
    for (;;) {
        int player = -1;
        bool fromHost = true;
        // Looked up again each time: a handler may change the peer table.
        CChannelState* state = StateOf(socket, &player, &fromHost);
        if (!state) return;
        NetRecordBytes record;
        int slot = 0;
        if (!state->TakeFromRing(record, slot)) return;
        CVClientSocket* slotSocket = state->sockets[slot];
        const bool guard = !m_host;
        if (guard) m_draining = true;
        DispatchRecord(record, slotSocket, slot);
        if (guard) m_draining = false;
    }
}

void CNetSession::DispatchRecord(const NetRecordBytes& record, CVClientSocket* socket,
                                 int channel) {
    if (!IsOpen()) return;
    int player = -1;
    bool fromHost = true;
    StateOf(socket, &player, &fromHost);
    m_trace.Write("recv", player, channel, record);
    int recordClass = 0, group = 0, code = 0;
    if (!CNetRecordReader::ReadKind(record, recordClass, group, code)) {
        Log(FormatText("]Receive error:Unreadable record kind from player %d.", player));
        return;
    }
    m_frame.StepTransferIndicator(1);
    if (IsAckKind(recordClass, group, code)) {
        OnAck(socket, channel);
        return;
    }
    const bool queued = record[0] == kNetQueuedMark;
    const SNetRecordKind* kind = CNetRecordKinds::Find(recordClass, group, code);
    if (kind && !CNetRecordKinds::Takes(*kind, fromHost, m_frame.GetSessionState())) {
        ++m_rejected;
        Log(FormatText("]Receive error:%03d %02d/%03d from player %d not taken in state %d.",
                       recordClass, group, code, player, m_frame.GetSessionState()));
        if (queued) SendAck(socket);
        return;
    }
    const bool held = m_hold && recordClass >= 300 && recordClass <= 600;
    if (kind && !held) {
        auto handler = m_handlers.find(recordClass);
        if (handler != m_handlers.end()) {
            // A copy: the handler may be replaced while it runs.
            RecordHandler handle = handler->second;
            handle(SNetIncoming{record, recordClass, group, code, socket, channel, player, queued});
        }
    }
    if (CNetRecordKinds::IsAcknowledged(recordClass, group, code)) SendAck(socket);
}

void CNetSession::OnAck(CVClientSocket* socket, int channel) {
    if (!IsValidChannel(channel)) return;
    if (m_host && socket && m_client.sockets[channel] != socket) {
        int found = -1;
        const int index = FindPeerBySocket(socket, &found);
        if (index >= 0) m_peers[index].channels.MarkFree(found);
        return;
    }
    m_client.MarkFree(channel);
}

void CNetSession::OnChannelConnect(CVClientSocket* socket, int) {
    CEventScope scope(*this);
    const int channel = m_client.FindSocket(socket);
    if (channel < 0) return;
    m_client.MarkFree(channel);
    const bool all = std::all_of(m_client.freeFlags.begin(), m_client.freeFlags.end(),
                                 [](int flag) { return flag == 1; });
    if (all) m_frame.OnAllChannelsConnected();
}

void CNetSession::OnPeerAccept(int listeningIndex) {
    CEventScope scope(*this);
    if (listeningIndex < 0 || listeningIndex >= static_cast<int>(m_listeners.size())) return;
    std::unique_ptr<CVClientSocket> socket = MakeSocket(listeningIndex);
    if (!m_listeners[listeningIndex]->Accept(*socket)) return;
    const int player = m_admission ? m_admission(*socket, listeningIndex) : -1;
    const int index = FindPeer(player);
    // Refused, or the channel is taken: the connection closes.
    if (player < 0 || index < 0 || m_peers[index].channels.sockets[listeningIndex]) return;
    CChannelState& state = m_peers[index].channels;
    state.sockets[listeningIndex] = socket.get();
    state.freeFlags[listeningIndex] = 1;
    m_sockets[socket.get()] = std::move(socket);
}

void CNetSession::OnSocketSend(CVClientSocket*) {}
