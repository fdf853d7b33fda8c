#include "shell/MainFrame.h"

#include "dialogs/EstablishWnd.h"
#include "dialogs/ExplainWnd.h"
#include "game/MonthChain.h"
#include "game/VDoc.h"
#include "model/services/Services.h"
#include "network/NetSession.h"
#include "platform/core/Profile.h"
#include "platform/sound/EffectDevice.h"
#include "platform/sound/MusicDevice.h"
#include "platform/sound/SoundNotify.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WindowDC.h"
#include "platform/ui/WindowPlacement.h"
#include "resources/MercavoIds.h"
#include "shell/FrameNetLink.h"
#include "shell/FrameSound.h"
#include "shell/TarvoApp.h"
#include "shell/VView.h"

namespace {

using namespace mercavo_ids;

// A pop-up with caption and thick frame (the opening text and network
// windows).
constexpr DWORD kPopupStyle = 0x82C40000;
constexpr int kNetworkWidth = 400;
constexpr int kNetworkHeight = 300;

CRect CentredOnDesktop(int width, int height) {
    const int sx = GetSystemMetrics(SM_CXSCREEN);
    const int sy = GetSystemMetrics(SM_CYSCREEN);
    CRect rect((sx - width) / 2, (sy - height) / 2, (sx + width) / 2, (sy + height) / 2);
    rect.IntersectRect(rect, CRect(0, 0, sx, sy));
    return rect;
}

}  // namespace

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() {
    if (IsWindow()) DestroyWindow();
    // The records send through the session only while it lives.
    if (m_net && Services::RegisteredNet() == m_net.get()) Services::SetNet(nullptr);
}

void CMainFrame::ReadOptions() {
    m_options.Read(GetProfile());
}

void CMainFrame::AttachDocument(CVDoc* doc, CVView* view) {
    m_doc = doc;
    m_view = view;
    if (m_doc) m_doc->SetFrameState(&m_frameState);
    // The company-control queries know who waits for the game data.
    if (m_doc) m_doc->SetNetPlayers(&m_netPlayers);
}

CProfile& CMainFrame::GetProfile() {
    return CTarvoApp::Get()->GetProfile();
}

// ---------------------------------------------------------------- creation

int CMainFrame::OnCreate(CREATESTRUCT* create) {
    if (CFrameWnd::OnCreate(create) == -1) return -1;
    CTarvoApp* app = CTarvoApp::Get();
    if (!app->CreateAppPalette()) return -1;
    if (!app->CreateDrawingResources()) return -1;
    CWindowDC dc(this);
    if (!app->CreateFonts(dc)) return -1;
    m_sound = std::make_unique<CFrameSound>(this);
    m_sound->Options() = m_options.sound;
    m_sound->SetCloseRequestedQuery([this] { return m_closeRequested != 0; });
    if (!CreateBars()) return -1;
    if (!CreatePopups()) return -1;
    OnUpdateFrameTitle();
    return 0;
}

bool CMainFrame::CreateBars() {
    CTarvoApp* app = CTarvoApp::Get();
    if (!m_toolBar.Create(this, app->GetStrips().GetBitmap(CPictureCatalog::kToolFaces))) {
        return false;
    }
    m_toolBar.SetBarStyle(m_toolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar);
    LoadBarState(GetProfile(), kBarStateSection);
    if (!m_statusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, kStatusBarId)) return false;
    const UINT indicators[] = {ID_SEPARATOR};
    if (!m_statusBar.SetIndicators(indicators, 1)) return false;
    SetStatusText(kReadyText);
    RecalcLayout();
    return true;
}

bool CMainFrame::CreatePopups() {
    if (!m_openingText.CreateEx(0, kPopupClass, "", kPopupStyle, CRect(0, 0, 0, 0), this, 0)) {
        return false;
    }
    if (!m_networkWnd.CreateEx(0, kPopupClass, "", kPopupStyle,
                               CentredOnDesktop(kNetworkWidth, kNetworkHeight), this, 0)) {
        return false;
    }
    // The company detail entry is modeless and hidden until the network
    // play asks for it.
    return m_enterpriseDlg.Create(this) != FALSE;
}

// ---------------------------------------------------------------- close

void CMainFrame::OnClose() {
    // The document decides whether the game may close now (a close inside
    // a phase's wait is only recorded; the game itself closes unasked).
    if (m_doc && !m_doc->CanCloseFrame()) return;
    // Accepted while a phase of the month runs under it (a report box of
    // the phase): the window goes once the phase has stopped.
    if (m_inPhase) {
        CloseProgram();
        return;
    }
    // The players stop through their normal path, so a close that is then
    // refused leaves them working.
    if (m_sound) m_sound->StopForClose();
    SavePlacement();
    if (!m_foundingPhase) {
        m_options.toolBar = m_toolBar.IsWindowVisible() ? 1 : 0;
        m_options.statusBar = m_statusBar.IsWindowVisible() ? 1 : 0;
    }
    if (m_sound) m_options.sound = m_sound->Options();
    m_options.Write(GetProfile(), !m_foundingPhase);
    SaveBarState(GetProfile(), kBarStateSection);
    CFrameWnd::OnClose();
}

void CMainFrame::OnDestroy() {
    CFrameWnd::OnDestroy();
    // The main window gone, the program ends.
    PostQuitMessage(0);
}

void CMainFrame::SavePlacement() {
    WINDOWPLACEMENT placement;
    if (!CWindowPlacement::Get(this, &placement)) return;
    if (placement.showCmd == SW_SHOWMAXIMIZED) placement.flags |= WPF_RESTORETOMAXIMIZED;
    CTarvoApp::Get()->WriteWindowLayout(placement, kPlacementKey);
}

void CMainFrame::RestorePlacement() {
    WINDOWPLACEMENT placement;
    if (!CTarvoApp::Get()->ReadWindowLayout(&placement, kPlacementKey)) {
        // Sized to the desktop first: a desktop without a window manager
        // does not maximise, and the window still fills the screen.
        MoveWindow(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        ShowWindow(SW_SHOWMAXIMIZED);
        return;
    }
    if (placement.showCmd != SW_SHOWMAXIMIZED) placement.showCmd = SW_SHOW;
    // Shown first, so that the stored rectangle is taken with the window
    // manager's frame, as it was saved; else the window would grow by its
    // frame on every run.
    ShowWindow(SW_SHOWNORMAL);
    CWindowPlacement::Set(this, &placement);
}

// ---------------------------------------------------------------- commands

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case kViewToolbar:
            ToggleToolBar();
            return TRUE;
        case kViewStatusBar:
            ToggleStatusBar();
            return TRUE;
        case kAppAbout:
            CTarvoApp::Get()->OnAppAbout();
            return TRUE;
        case kAppExit:
            PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
            return TRUE;
        case kFileOpen:
            OpenFile();
            return TRUE;
        default:
            if (LOWORD(wParam) >= kRecentFile1 &&
                LOWORD(wParam) < kRecentFile1 + CTarvoApp::kRecentFiles) {
                OpenRecentFile(LOWORD(wParam) - kRecentFile1);
                return TRUE;
            }
            if (OnMenuCommand(LOWORD(wParam))) return TRUE;
            return CFrameWnd::OnCommand(wParam, lParam);
    }
}

void CMainFrame::OnUpdateCommand(CCmdUI* ui) {
    switch (ui->m_nID) {
        case kViewToolbar:
            ui->SetCheck(m_toolBar.IsWindow() && m_toolBar.IsWindowVisible() ? 1 : 0);
            break;
        case kViewStatusBar:
            ui->SetCheck(m_statusBar.IsWindow() && m_statusBar.IsWindowVisible() ? 1 : 0);
            break;
        default:
            OnUpdateMenuCommand(ui);
            break;
    }
}

void CMainFrame::ToggleToolBar() {
    ShowControlBar(&m_toolBar, m_toolBar.IsWindowVisible() ? FALSE : TRUE);
}

void CMainFrame::ToggleStatusBar() {
    ShowControlBar(&m_statusBar, m_statusBar.IsWindowVisible() ? FALSE : TRUE);
}

// A game is opened only while no chain message is on its way, so that the
// opened game runs one chain. A failed open leaves the running game as it
// was (the document loads into a fresh copy first).
void CMainFrame::OpenFile() {
    if (!IsChainIdle()) return;
    EndMapPick(1);
    std::string path;
    if (!CTarvoApp::Get()->DoPromptFileName(path, kFileOpen, 0, true)) return;
    if (IsChainIdle() && CTarvoApp::Get()->OpenDocumentFile(path)) ResumeOpenedGame();
}

void CMainFrame::OpenRecentFile(int index) {
    if (!IsChainIdle()) return;
    CRecentFileList& recent = CTarvoApp::Get()->GetRecentFiles();
    const std::string path = recent[index];
    if (path.empty()) return;
    EndMapPick(1);
    if (CTarvoApp::Get()->OpenDocumentFile(path)) ResumeOpenedGame();
}

// ---------------------------------------------------------------- messages

void CMainFrame::OnActivateApp(BOOL active, DWORD threadId) {
    CFrameWnd::OnActivateApp(active, threadId);
    if (m_sound) m_sound->OnActivateApp(active && !IsIconic());
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case MM_MCINOTIFY:
            if (m_sound) m_sound->OnNotify(wParam, lParam);
            return 0;
        default: {
            LRESULT result = 0;
            if (OnChainMessage(message, wParam, lParam, result)) return result;
            if (OnNetPhaseMessage(message, wParam, lParam, result)) return result;
            return CFrameWnd::WindowProc(message, wParam, lParam);
        }
    }
}
