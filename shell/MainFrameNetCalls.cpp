// The network calls of the turn driver and the start. Each acts only in a
// network game; the network play fills them in. A game at one machine
// passes through them without effect.

#include "game/NetDocState.h"
#include "shell/MainFrame.h"

void CMainFrame::AnnouncePhase(int) {}

void CMainFrame::SendPlayMusic(int, int) {}

void CMainFrame::SendRefreshInfo() {}

void CMainFrame::MarkPlayerBusy(int) {}

void CMainFrame::SendMonthStart() {}

void CMainFrame::CompanyInputDone(int) {}

void CMainFrame::SendInputDone() {}

void CMainFrame::ForceEndOfInput() {}

void CMainFrame::BroadcastCompanyOrder() {}

void CMainFrame::ClearTurnOrders() {}

void CMainFrame::SendAllCompanyFigures() {
    if (m_doc && m_frameState.IsNetworkHost()) CNetDocState(*m_doc).SendAllCompanyFigures();
}

void CMainFrame::SendAllGameData(int player) {
    TraceCall("game data", player);
    if (m_doc && m_frameState.IsNetworkHost()) CNetDocState(*m_doc).SendAllGameData(player);
}

// The network information file is written for a network game only; true
// when there was nothing to write.
bool CMainFrame::WriteNetworkInfo() {
    return true;
}

void CMainFrame::SendGoToJudgment() {}

void CMainFrame::AnnounceFounding() {}

void CMainFrame::RunLobbyStep() {}
