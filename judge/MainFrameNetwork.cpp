// The main frame's side of the judgment network: it answers what the
// network asks of the program (the log, boxes, the retry timer, the
// announcement's steps) and shows the network window.

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/JudgeNetwork.h"
#include "judge/MainFrame.h"
#include "platform/core/Clock.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/MessageBox.h"

namespace judge {

void CMainFrame::SetupNetwork() {
    if (!m_networkGame || !m_doc) return;
    m_network = std::make_unique<CJudgeNetwork>(*this);
    m_network->Load(m_doc->GetFrameState(), m_doc->GetPersonChecksum(), m_doc->GetMapChecksum());
}

void CMainFrame::OnNetworkStart() {
    if (!m_network) return;
    m_network->Start(CArboApp::Get()->GetProgramDirectory());
}

void CMainFrame::CloseNetwork() {
    KillTimer(CJudgeNetwork::kRetryTimer);
    if (m_network) m_network->Close();
}

void CMainFrame::OnTimer(UINT_PTR id) {
    if (id == CJudgeNetwork::kRetryTimer && m_network) {
        m_network->OnRetryTimer();
        return;
    }
    CFrameWnd::OnTimer(id);
}

bool CMainFrame::IsJudgmentNotStarted() const {
    return m_network && m_network->IsNotStarted();
}

bool CMainFrame::IsNetworkHost() {
    return m_network && m_network->IsHost();
}

bool CMainFrame::HasPeers() {
    return m_network && !m_network->Peers().empty();
}

void CMainFrame::ToggleNetworkWindow() {
    if (!m_networkWnd.IsWindow()) return;
    m_networkWnd.ShowWindow(m_networkWnd.IsWindowVisible() ? SW_HIDE : SW_SHOW);
}

// ---------------------------------------------------------------- IJudgeNetworkHost

void CMainFrame::NetLog(const std::string& text, int) {
    m_networkLog.push_back(text);
    // An unattended run leaves its network lines where its boxes go.
    if (CAutoAnswer::IsAutoAnswer()) std::fprintf(stderr, "qordin network: %s\n", text.c_str());
}

void CMainFrame::NetMessageBox(const std::string& text) {
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

void CMainFrame::NetCloseProgram() {
    if (m_inWait) {
        m_closeRequested = true;
        return;
    }
    PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void CMainFrame::NetPostStart() {
    PostMessage(WM_NETWORK_START, 0, 0);
}

void CMainFrame::NetSetRetryTimer(int ms) {
    // A connection needs real time whatever the presentation's time scale:
    // a program that starts before its server would use up its tries at once.
    if (!IsWindow()) return;
    CMessageLoop::SetTimer(this, CJudgeNetwork::kRetryTimer, std::max<int64_t>(CClock::Scale(ms), ms));
}

void CMainFrame::NetKillRetryTimer() {
    KillTimer(CJudgeNetwork::kRetryTimer);
}

void CMainFrame::NetStartAnnouncement() {
    PostMessage(WM_START_ANNOUNCEMENT, 0, 0);
}

bool CMainFrame::NetNextPage() {
    const UINT step = m_pendingStep;
    AdvanceAndPost();
    return step == WM_ANNOUNCE_RESULTS;
}

void CMainFrame::NetRefresh() {
    if (m_network && m_networkWnd.IsWindow()) m_networkWnd.SetWindowText(m_network->Title());
}

void CMainFrame::NetShowWindow() {
    NetRefresh();
    if (m_networkWnd.IsWindow()) m_networkWnd.ShowWindow(SW_SHOW);
}

void CMainFrame::NetIndicate(int) {}

void CMainFrame::NetPollWait(int ms) {
    PollWait(ms);
}

bool CMainFrame::NetIsRunning() {
    return IsWindow() != FALSE && !m_closeRequested;
}

}  // namespace judge
