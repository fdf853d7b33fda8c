#include "shell/FrameNetLink.h"

#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Messages.h"
#include "shell/MainFrame.h"

void CFrameNetLink::AddLogLine(const std::string& line) {
    m_frame.AddInfoMessage(line);
}

bool CFrameNetLink::IsCloseRequested() {
    return m_frame.IsCloseRequested();
}

int CFrameNetLink::GetSessionState() {
    return m_frame.GetSessionState();
}

void CFrameNetLink::ShowMessageBox(const std::string& text) {
    m_frame.ShowMessageBox(text, MB_OK);
}

void CFrameNetLink::PostNetworkFailure() {
    m_frame.PostMessage(CMainFrame::WM_START_GAME, 0, 0);
}

void CFrameNetLink::CloseProgram(bool clearModified) {
    CVDoc* doc = m_frame.GetDocument();
    if (clearModified && doc) doc->SetModifiedFlag(false);
    m_frame.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void CFrameNetLink::ReleaseCompany(int company) {
    CVDoc* doc = m_frame.GetDocument();
    if (!doc || !doc->GetEnterprise(company)) return;
    // The computer takes the company over from its start again.
    doc->SetupEnterprise(company, 0);
    doc->ChooseStartArea(company);
    if (CEnterprise* enterprise = doc->GetEnterprise(company)) enterprise->SetNetworkPlayerId(-1);
}
