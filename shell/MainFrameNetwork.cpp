// Network play: the frame's calls go to the session it owns.

#include "network/NetSession.h"
#include "shell/FrameNetLink.h"
#include "shell/MainFrame.h"

CNetSession& CMainFrame::GetNetSession() {
    if (!m_net) {
        m_netLink = std::make_unique<CFrameNetLink>(*this);
        m_net = std::make_unique<CNetSession>(*m_netLink, &m_frameState.GetPeers());
    }
    return *m_net;
}

bool CMainFrame::OpenNetwork() {
    return GetNetSession().OpenNetwork();
}

void CMainFrame::CloseNetwork() {
    GetNetSession().CloseNetwork();
}

bool CMainFrame::SendToPlayer(int playerNumber, const std::string& record, bool markBusy) {
    return GetNetSession().SendToPlayer(playerNumber, record, markBusy);
}

bool CMainFrame::SendDirectToPlayer(int playerNumber, const std::string& record) {
    return GetNetSession().SendDirectToPlayer(playerNumber, record);
}

void CMainFrame::SendToAll(const std::string& record, bool markBusy) {
    GetNetSession().BroadcastRecord(record, markBusy, false);
}

bool CMainFrame::WaitPlayerChannelFree(int playerNumber) {
    return GetNetSession().WaitPlayerChannelFree(playerNumber);
}

bool CMainFrame::WaitChannelsFree() {
    return GetNetSession().WaitChannelsFree();
}
