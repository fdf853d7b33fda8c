// Network play: the frame's calls go to the session it owns.

#include "game/NetDocState.h"
#include "game/VDoc.h"
#include "model/NetStateOut.h"
#include "model/services/Services.h"
#include "network/NetSession.h"
#include "shell/FrameNetLink.h"
#include "shell/MainFrame.h"

CNetSession& CMainFrame::GetNetSession() {
    if (!m_net) {
        m_netLink = std::make_unique<CFrameNetLink>(*this);
        m_net = std::make_unique<CNetSession>(*m_netLink, &m_frameState.GetPeers());
        // ---- the state transfer: the records send through this session,
        // and the host's state records keep this seat's copy of the game.
        Services::SetNet(m_net.get());
        m_net->SetClassHandler(CNetStateOut::kStateClass, [this](const SNetIncoming& in) {
            if (!m_doc) return;
            CNetDocState(*m_doc, [this](const std::string& line) { m_netLink->AddLogLine(line); })
                .OnTransferRecord(in.record);
        });
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
