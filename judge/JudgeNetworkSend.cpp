// Sending on the judgment network. Every record goes through the link's
// queue, so a partial send is resumed and never repeated; a link that waits
// for an acknowledgement is waited for with waits that dispatch messages,
// so that the acknowledgement can arrive.

#include <cstring>

#include "judge/JudgeNetwork.h"
#include "judge/JudgeNetworkHost.h"
#include "judge/VClientSocket.h"
#include "model/NetAckRecord.h"
#include "model/NetPeerEntry.h"
#include "model/NetRecordBuilder.h"
#include "model/NetSessionRecords.h"

namespace judge {

bool CJudgeNetwork::Build(int group, int code, NetRecordBytes& out) {
    return CNetRecordBuilder(kClass, group, code).Build(out);
}

bool CJudgeNetwork::SendRecord(CVClientSocket* socket, const NetRecordBytes& record, int player) {
    if (!socket) return false;
    m_trace.Write("send", player, 0, record);
    const bool sent =
        m_sendHook ? m_sendHook(socket, record) : socket->QueueBytes(record.data(), kNetRecordSize);
    if (!sent) {
        OnConnectionLost(socket);
        return false;
    }
    m_owner.NetIndicate(0);
    return true;
}

void CJudgeNetwork::SendAck(CVClientSocket* socket) {
    const int index = FindPeerBySocket(socket);
    SendRecord(socket, MakeAckRecord(), index >= 0 ? m_peers[index].playerNumber : -1);
}

void CJudgeNetwork::SendToServer(const NetRecordBytes& record, bool busy) {
    while (m_client && !m_clientFree && m_owner.NetIsRunning()) m_owner.NetPollWait(kLinkPollMs);
    if (!m_client || !m_owner.NetIsRunning()) return;
    NetRecordBytes queued = record;
    queued[0] = kNetQueuedMark;
    const int local = FindLocal();
    if (SendRecord(m_client, queued, local >= 0 ? m_peers[local].playerNumber : -1) && busy)
        m_clientFree = false;
}

int CJudgeNetwork::SendToPeer(int playerNumber, const NetRecordBytes& record, bool busy) {
    for (;;) {
        // A wait dispatches messages: the table is looked at afresh.
        const int index = FindPeer(playerNumber);
        if (index < 0) return -1;
        if (!m_peers[index].socket) return 0;
        if (m_peers[index].freeFlag) break;
        if (!m_owner.NetIsRunning()) return 0;
        m_owner.NetPollWait(kLinkPollMs);
    }
    NetRecordBytes queued = record;
    queued[0] = kNetQueuedMark;
    CVClientSocket* socket = m_peers[FindPeer(playerNumber)].socket;
    if (!SendRecord(socket, queued, playerNumber)) return 0;
    const int index = FindPeer(playerNumber);
    if (busy && index >= 0) m_peers[index].freeFlag = 0;
    return 1;
}

void CJudgeNetwork::Broadcast(const NetRecordBytes& record, bool busy, bool includeLocal) {
    std::vector<int> numbers;
    for (const CNetworkData& peer : m_peers)
        if (includeLocal || !peer.localFlag) numbers.push_back(peer.playerNumber);
    for (int number : numbers) SendToPeer(number, record, busy);
}

void CJudgeNetwork::SendPeerList(int to, int about) {
    if (to == -1) {
        std::vector<int> numbers;
        for (const CNetworkData& peer : m_peers)
            if (!peer.localFlag && peer.IsLoggedIn()) numbers.push_back(peer.playerNumber);
        for (int number : numbers) SendPeerList(number, about);
        return;
    }
    if (about == -1) {
        std::vector<int> numbers;
        for (const CNetworkData& peer : m_peers) numbers.push_back(peer.playerNumber);
        for (int number : numbers) SendPeerList(to, number);
        return;
    }
    const int index = FindPeer(about);
    const int recipient = FindPeer(to);
    if (index < 0 || recipient < 0) return;
    const CNetworkData& peer = m_peers[index];
    SNetPeerEntry entry;
    entry.playerNumber = peer.playerNumber;
    entry.company = peer.company;
    entry.name = CNetRecordBuilder::CutText(peer.name, CNetPeerEntry::kNameLimit);
    entry.companyName = CNetRecordBuilder::CutText(peer.companyName, CNetPeerEntry::kNameLimit);
    entry.colour = peer.colour;
    entry.isYou = to == about && m_peers[recipient].socket ? 1 : 0;
    entry.code = peer.personalCode;
    entry.state = peer.state;
    NetRecordBytes record{};
    std::string error;
    if (!CNetPeerEntry::Build(kClass, entry, record, &error)) {
        m_owner.NetLog("]Send error:" + error, -1);
        return;
    }
    SendToPeer(to, record, true);
}

void CJudgeNetwork::SendLeave(int playerNumber) {
    NetRecordBytes record{};
    // A number wider than the code's three digits would name someone else.
    if (playerNumber < 0 || !Build(3, playerNumber, record)) {
        m_owner.NetLog("]Send error:leave notice of player " + std::to_string(playerNumber), -1);
        return;
    }
    Broadcast(record, true, false);
}

void CJudgeNetwork::ClearStepDone() {
    for (CNetworkData& peer : m_peers)
        if (peer.state == CNetworkData::kPlayer) peer.stepDone = 0;
    NetRecordBytes record{};
    if (CNetSessionRecords::BuildClearFlags({}, record)) Broadcast(record, true, false);
    m_owner.NetRefresh();
}

void CJudgeNetwork::SendStepDone() {
    NetRecordBytes record{};
    if (Build(2, 1, record)) SendToServer(record, true);
}

void CJudgeNetwork::SendChat(const std::vector<int>& recipients, const std::string& text) {
    NetRecordBytes record{};
    if (!CNetSessionRecords::BuildChatRelay({recipients, text}, record)) {
        m_owner.NetLog("]Send error:chat line too long", -1);
        return;
    }
    SendToServer(record, false);
}

}  // namespace judge
