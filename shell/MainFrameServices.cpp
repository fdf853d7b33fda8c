// The main frame as the records' frame service, and its music and effects.

#include "game/VDoc.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageLoop.h"
#include "shell/FrameSound.h"
#include "shell/MainFrame.h"
#include "shell/VView.h"

void CMainFrame::TraceCall(const char* call, int value) {
    if (m_callTrace) m_callTrace(call, value);
}

int CMainFrame::PlayMusic(int situation, int restart) {
    TraceCall("music", situation);
    return m_sound ? m_sound->PlayMusic(situation, restart) : 0;
}

int CMainFrame::PlayMusicFile(int file, int restart) {
    TraceCall("music file", file);
    return m_sound ? m_sound->PlayMusicFile(file, restart) : 0;
}

void CMainFrame::StopMusic(int clear) {
    if (m_sound) m_sound->StopMusic(clear);
}

void CMainFrame::PlayEffect(int effect) {
    TraceCall("effect", effect);
    if (m_sound) m_sound->PlayEffect(effect);
}

int CMainFrame::CheckCloseRequest() {
    if (!m_closeRequested) return 0;
    m_closeRequested = 0;
    // Inside a chain message the chain stops here; a declined close starts
    // it again.
    if (m_inPhase) m_chainStopped = 1;
    PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    return 1;
}

bool CMainFrame::PumpOneMessage(int maxWaitMs) {
    MSG msg;
    if (!CMessageLoop::Peek(msg, nullptr, 0, 0, PM_REMOVE)) {
        if (maxWaitMs <= 0 || !CMessageLoop::WaitForMessage(maxWaitMs)) return false;
        if (!CMessageLoop::Peek(msg, nullptr, 0, 0, PM_REMOVE)) return false;
    }
    if (msg.message == WM_QUIT) {
        // The quit belongs to the main loop.
        CMessageLoop::PostQuit(static_cast<int>(msg.wParam));
        return false;
    }
    if (!CMessageLoop::PreTranslate(msg)) CMessageLoop::Dispatch(msg);
    return true;
}

void CMainFrame::DrainPendingMessages() {
    PumpPendingMessages();
}

bool CMainFrame::WasKeyPressed(int key) {
    return (GetAsyncKeyState(key) & 1) != 0;
}

int CMainFrame::ShowMessageBox(const std::string& text, unsigned style) {
    return AfxMessageBox(text, style);
}

void CMainFrame::Beep() {
    MessageBeep(0);
}

void CMainFrame::RefreshInfoPanels() {
    if (m_view) m_view->RefreshDirectorLine();
}

void CMainFrame::AddInfoMessage(const std::string& text) {
    if (m_view) m_view->GetInfoWnd().AddMessage(text);
}

void CMainFrame::AddInfoHeading(int company) {
    if (!m_view || !m_doc) return;
    if (const CEnterprise* e = m_doc->GetEnterprise(company)) {
        m_view->GetInfoWnd().AddMessage(e->GetName());
    }
}

int CMainFrame::GetShownArea() {
    return m_view ? m_view->GetShownArea() : -1;
}

CMapDrawWnd* CMainFrame::GetMapDrawWnd() {
    return m_view ? &m_view->GetMapDrawWnd() : nullptr;
}

void CMainFrame::RebuildMap() {
    if (!m_view) return;
    CMapDrawWnd& map = m_view->GetMapDrawWnd();
    map.RebuildMap();
    if (map.IsWindow()) {
        map.ForgetPicture();
        map.Invalidate(TRUE);
        map.UpdateWindow();
    }
}

void CMainFrame::DrawMapCell(int x, int y) {
    if (m_view) m_view->GetMapDrawWnd().DrawCell(x, y, 0);
}

void CMainFrame::RefreshAreaButton(int area) {
    if (m_view) m_view->GetMapSelectWnd().GetButtonFrame().RefreshAreaButton(area);
}

void CMainFrame::ScrollAreaButtonsToFirst() {
    if (m_view) m_view->GetMapSelectWnd().GetButtonFrame().SetFirstVisible(0, TRUE);
}
