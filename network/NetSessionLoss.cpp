// Lost connections: a peer that closed, broke its stream, failed a send or
// left a channel unacknowledged too long.

#include "network/NetFrameService.h"
#include "network/NetSession.h"
#include "network/VClientSocket.h"
#include "platform/core/TextFormat.h"

void CNetSession::OnPeerClose(CVClientSocket* socket, int channel) {
    CEventScope scope(*this);
    if (!m_host) {
        if (m_client.FindSocket(socket) >= 0) LoseServer();
        return;
    }
    int found = channel;
    if (FindPeerBySocket(socket, &found) < 0) {
        // A connection of no participant: it only has to go.
        RetireSocket(socket);
        return;
    }
    LosePeer(socket, found);
}

void CNetSession::OnSendFailed(CVClientSocket* socket, int channel) {
    CEventScope scope(*this);
    Log(FormatText("]Send error(%d):%s", channel,
                   CAsyncSocket::GetErrorText(CAsyncSocket::GetLastError()).c_str()));
    if (!m_host) {
        if (m_client.FindSocket(socket) >= 0) LoseServer();
        return;
    }
    DropPeer(socket, channel, FormatText("]Lost channel %d.", channel));
}

void CNetSession::DropPeer(CVClientSocket* socket, int channel, const std::string& reason) {
    Log(reason);
    if (!m_host) {
        LoseServer();
        return;
    }
    const int index = FindPeerBySocket(socket);
    if (index < 0) {
        // The host's own connection, or a socket of no participant.
        if (m_client.FindSocket(socket) < 0) RetireSocket(socket);
        return;
    }
    const int player = m_peers[index].playerNumber;
    LosePeer(socket, channel);
    // A participant that stays in the table (absent, or the game is ending)
    // keeps none of its channels.
    const int stays = FindPeer(player);
    if (stays >= 0) {
        ForgetSocketsOf(m_peers[stays].channels, false);
        m_peers[stays].channels.ResetTraffic();
    }
}

void CNetSession::LosePeer(CVClientSocket* socket, int channel) {
    const int sessionState = m_frame.GetSessionState();
    if (sessionState == 5) return;
    int index = FindPeerBySocket(socket);
    if (index < 0) return;
    const int player = m_peers[index].playerNumber;
    const int company = m_peers[index].company;
    if (!m_peers[index].name.empty()) {
        Log(FormatText("]Lost connection with %s.", m_peers[index].name.c_str()));
    }
    const bool channelZero = channel == 0;
    switch (sessionState) {
        case 1:
            if (company >= 0) m_frame.ReleaseCompany(company);
            break;
        case 3:
            MarkPlayerAbsent(player);
            return;
        case 4:
            if (company >= 0) MarkPlayerAbsent(player);
            m_frame.OnJoinerLost(player);
            if (company >= 0) return;
            break;
        default:
            break;
    }
    index = FindPeer(player);
    if (index >= 0) RemovePeerAt(index, channelZero);
}

void CNetSession::RemovePeerAt(int index, bool channelZero) {
    const int player = m_peers[index].playerNumber;
    RemoveNetPlayer(player, true);
    m_frame.OnParticipantRemoved(player, channelZero);
}

void CNetSession::MarkPlayerAbsent(int playerNumber) {
    const int index = FindPeer(playerNumber);
    if (index < 0) return;
    CNetworkData& peer = m_peers[index];
    const bool noConnection = peer.connectionNumber == -1 || peer.connectionNumber == -2;
    if (noConnection && m_frame.GetSessionState() != 4) {
        RemovePeerAt(index, true);
        return;
    }
    const bool wasPresent =
        peer.state == CNetworkData::kPlayer || peer.state == CNetworkData::kObserver;
    if (wasPresent) peer.state += 2;
    peer.connectionNumber = -1;
    peer.readyFlag = 1;
    ForgetSocketsOf(peer.channels, false);
    peer.channels.ResetTraffic();
    m_frame.OnParticipantAbsent(playerNumber, wasPresent);
}

void CNetSession::LoseServer() {
    const int sessionState = m_frame.GetSessionState();
    if (sessionState == 5 || !IsOpen()) return;
    if (!m_serverLost && sessionState != 0) {
        m_serverLost = true;
        m_frame.ShowMessageBox("The connection with the server cut.");
        m_serverLost = false;
        // A loss handled while the box was open ended the session already.
        if (!IsOpen()) return;
    }
    CloseNetwork();
    m_frame.OnServerLost();
    if (sessionState != 0)
        m_frame.CloseProgram(true);
    else
        m_frame.PostNetworkFailure();
}
