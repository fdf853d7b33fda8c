// The server's participants: logins, the start, the page steps and the
// losses; and a client's loss of its server.

#include <algorithm>

#include "judge/JudgeNetwork.h"
#include "judge/JudgeNetworkHost.h"
#include "judge/VClientSocket.h"
#include "model/NetLoginRecord.h"
#include "model/NetSessionRecords.h"
#include "platform/core/TextFormat.h"

namespace judge {

namespace {

// The login's result by the checks in their order.
int JudgeLogin(const SNetLogin& login, int protocol, int characterCheck, int mapCheck,
               bool started) {
    if (login.protocol != protocol) return CNetLoginRecord::kBadProtocol;
    if (login.characterCheck != characterCheck) return CNetLoginRecord::kBadCharacters;
    if (login.mapCheck != mapCheck) return CNetLoginRecord::kBadMap;
    if (started) return CNetLoginRecord::kStarted;
    return CNetLoginRecord::kAccepted;
}

}  // namespace

void CJudgeNetwork::CheckLogin(CVClientSocket* socket, const NetRecordBytes& record) {
    const int connection = FindPeerBySocket(socket);
    if (connection < 0 || m_peers[connection].state != CNetworkData::kConnecting) return;
    SNetLogin login;
    std::string failed;
    if (!CNetLoginRecord::Read(record, login, &failed)) {
        ReceiveError("login: " + failed);
        return;
    }
    int result = JudgeLogin(login, kProtocol, m_characterCheck, m_mapCheck,
                            m_started != kNotStarted);
    int match = -1;
    if (result == CNetLoginRecord::kAccepted) {
        auto it = std::find_if(m_peers.begin(), m_peers.end(), [&](const CNetworkData& peer) {
            return peer.state != CNetworkData::kConnecting && !peer.personalCode.empty() &&
                   peer.personalCode == login.password;
        });
        match = it == m_peers.end() ? -1 : static_cast<int>(it - m_peers.begin());
        // A participant that is connected keeps its link.
        if (match < 0 || m_peers[match].socket || m_peers[match].IsLoggedIn())
            result = CNetLoginRecord::kBadPassword;
    }
    NetRecordBytes answer{};
    CNetLoginRecord::BuildAnswer(kClass, result, answer);
    if (result != CNetLoginRecord::kAccepted) {
        const int temporary = m_peers[connection].playerNumber;
        SendToPeer(temporary, answer, false);
        // The refused connection closes once its answer has gone out.
        const int index = FindPeer(temporary);
        if (index >= 0) {
            m_peers.erase(m_peers.begin() + index);
            m_dropped.insert(socket);
            if (socket->PendingBytes() == 0) DropRefused(socket);
        }
        m_owner.NetRefresh();
        return;
    }
    const int matchNumber = m_peers[match].playerNumber;
    CNetworkData temporary = std::move(m_peers[connection]);
    m_peers.erase(m_peers.begin() + connection);
    CNetworkData& peer = m_peers[FindPeer(matchNumber)];
    peer.socket = socket;
    peer.received = std::move(temporary.received);
    peer.state -= 2;
    peer.loginText = login.reserved;
    peer.connectionNumber = temporary.playerNumber;
    peer.freeFlag = 1;
    peer.stepDone = 1;
    const int number = peer.playerNumber;
    SendToPeer(number, answer, true);
    SendPeerList(number, -1);
    m_owner.NetRefresh();
    if (m_started == kNotStarted && AllLoggedIn()) StartJudgment();
}

void CJudgeNetwork::StartForPeers() {
    for (;;) {
        auto it = std::find_if(m_peers.begin(), m_peers.end(),
                               [](const CNetworkData& peer) { return !peer.IsLoggedIn(); });
        if (it == m_peers.end()) break;
        const int number = it->playerNumber;
        RemovePeer(number, true);
        SendLeave(number);
    }
    NetRecordBytes record{};
    if (Build(1, 1, record)) Broadcast(record, true, false);
    m_owner.NetLog(kStartText, -1);
    m_owner.NetRefresh();
}

void CJudgeNetwork::StartJudgment() {
    CEventScope scope(*this);
    if (!m_host || m_started != kNotStarted) return;
    StartForPeers();
    m_started = kStarted;
    ClearStepDone();
    NetRecordBytes record{};
    if (Build(2, 0, record)) Broadcast(record, true, false);
    m_owner.NetStartAnnouncement();
}

void CJudgeNetwork::OnPeerStepDone(CVClientSocket* socket) {
    const int index = FindPeerBySocket(socket);
    if (index < 0) return;
    const int number = m_peers[index].playerNumber;
    NetRecordBytes record{};
    if (CNetSessionRecords::BuildSetFlag(number, record)) Broadcast(record, true, false);
    const int at = FindPeer(number);
    if (at >= 0) m_peers[at].stepDone = 1;
    m_owner.NetRefresh();
    CheckAllDone();
}

void CJudgeNetwork::CheckAllDone() {
    if (!m_host || m_started != kStarted) return;
    const bool allDone = std::all_of(m_peers.begin(), m_peers.end(),
                                     [](const CNetworkData& peer) { return peer.stepDone != 0; });
    if (allDone) AdvanceAll();
}

void CJudgeNetwork::AdvanceAll() {
    // Cleared before the next page goes out, so that no early report of it
    // is lost.
    ClearStepDone();
    NetRecordBytes record{};
    if (Build(2, 2, record)) Broadcast(record, true, false);
    if (m_owner.NetNextPage()) m_started = kFinished;
}

// ---------------------------------------------------------------- losses

void CJudgeNetwork::OnConnectionLost(CVClientSocket* socket) {
    if (!socket) return;
    if (socket == m_client) {
        if (!m_host) OnServerLost();
        return;
    }
    if (m_dropped.count(socket)) {
        DropRefused(socket);
        return;
    }
    const int index = FindPeerBySocket(socket);
    if (index < 0) {
        RetireSocket(socket);
        return;
    }
    const int number = m_peers[index].playerNumber;
    if (!m_peers[index].name.empty())
        m_owner.NetLog(FormatText("]Lost connection with %s.", m_peers[index].name.c_str()), -1);
    if (m_started != kNotStarted) {
        RemovePeer(number, true);
        SendLeave(number);
        m_owner.NetRefresh();
        // The one that had not finished may have been the last awaited.
        CheckAllDone();
        return;
    }
    OnPeerLost(number);
}

void CJudgeNetwork::OnPeerLost(int playerNumber) {
    const int index = FindPeer(playerNumber);
    if (index < 0) return;
    CNetworkData& peer = m_peers[index];
    if (peer.connectionNumber == -1 && !peer.localFlag) {
        RemovePeer(playerNumber, true);
        SendLeave(playerNumber);
        m_owner.NetRefresh();
        return;
    }
    if (peer.state == CNetworkData::kPlayer || peer.state == CNetworkData::kObserver)
        peer.state += 2;
    peer.connectionNumber = -1;
    peer.stepDone = 1;
    CVClientSocket* socket = peer.socket;
    peer.socket = nullptr;
    peer.freeFlag = 1;
    peer.received.Clear();
    RetireSocket(socket);
    SendPeerList(-1, playerNumber);
    m_owner.NetRefresh();
}

void CJudgeNetwork::OnServerLost() {
    if (!m_serverLostShown) {
        m_serverLostShown = true;
        m_owner.NetMessageBox(kServerLostText);
    }
    const bool finished = m_started == kFinished;
    Close();
    if (!finished) m_owner.NetCloseProgram();
}

void CJudgeNetwork::RemovePeer(int playerNumber, bool deleteSocket) {
    const int index = FindPeer(playerNumber);
    if (index < 0) return;
    CVClientSocket* socket = m_peers[index].socket;
    m_peers.erase(m_peers.begin() + index);
    if (deleteSocket && socket && socket != m_client) RetireSocket(socket);
}

}  // namespace judge
