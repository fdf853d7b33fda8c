// The start of a game: the start choice, the map file, the set-up, the game
// window with the founding phase of a new game, the opening text, or the
// resumption of a loaded game.

#include "dialogs/DlgInputSetting.h"
#include "dialogs/DlgSelectMapFile.h"
#include "dialogs/EstablishWnd.h"
#include "dialogs/InputStartDlg.h"
#include "game/MonthChain.h"
#include "game/VDoc.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/SystemMetrics.h"
#include "resources/MercavoIds.h"
#include "shell/MainFrame.h"
#include "shell/TarvoApp.h"
#include "shell/VView.h"

namespace {

constexpr UINT kConnectTimer = 100;
constexpr int kStartMusic = 0;
constexpr int kNetworkWait = 5;
constexpr int kComputerGameWait = 3;
constexpr DWORD kCompanyListStyle = 0x92C40000;
constexpr const char* kCompanyListTitle = "Company list";
constexpr const char* kNoMapFileText = "Unexisting map data file.";
// "Set-up error of the area display window", as the game has always said it.
constexpr const char* kLayoutErrorText =
    "\xE5\x9C\xB0\xE5\x8C\xBA\xE8\xA1\xA8\xE7\xA4\xBA\xEF\xBD\xB3\xEF\xBD\xA8\xEF\xBE\x9D\xEF"
    "\xBE\x84\xEF\xBE\x9E\xEF\xBD\xB3\xE3\x81\xAE\xE8\xA8\xAD\xE5\xAE\x9A\xE3\x82\xA8\xE3\x83"
    "\xA9\xE3\x83\xBC";

}  // namespace

// ---------------------------------------------------------------- 0x572

void CMainFrame::OnStartGame() {
    KillTimer(kConnectTimer);
    bool started = true;
    if (m_doc && !m_doc->IsLoadedGame() && m_startChoicePending) {
        m_startChoicePending = 0;
        PlayMusic(kStartMusic);
        started = RunStartChoice();
    }
    if (started && m_doc && !m_doc->IsLoadedGame()) started = RunSetUp();
    if (!started || !m_doc) {
        CloseProgram();
        return;
    }
    if (m_frameState.IsNetworkGame() && !m_doc->IsLoadedGame()) {
        // The handshake goes on from here; a client's set-up has joined
        // its host already.
        if (m_frameState.IsNetworkHost()) OpenNetwork();
        return;
    }
    PostMessage(WM_GAME_WINDOW, 0, 0);
}

bool CMainFrame::RunStartChoice() {
    CInputStartDlg start([this] {
        std::string path;
        CTarvoApp* app = CTarvoApp::Get();
        return app && app->DoPromptFileName(path, mercavo_ids::kFileOpen, 0, true) &&
               app->OpenDocumentFile(path);
    });
    if (start.DoModal() != IDOK || !start.IsAccepted()) return false;
    if (!start.GetChoice()) {
        m_doc->SetLoadedGame(true);
        return true;
    }
    std::vector<std::string> maps;
    if (!ListMapFiles(maps)) {
        ShowMessageBox(kNoMapFileText, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    int chosen = 0;
    if (maps.size() > 1) {
        CDlgSelectMapFile select;
        select.SetFileNames(maps);
        if (select.DoModal() != IDOK || select.GetChosen() < 0) return false;
        chosen = select.GetChosen();
    }
    return m_doc->PrepareNewGame(maps[static_cast<size_t>(chosen)]) == 1;
}

bool CMainFrame::RunSetUp() {
    CDlgInputSetting setting;
    setting.InitFromDocument(m_doc->GetMap().GetInitialCompanyCount(), {0, 0, 0});
    if (setting.DoModal() != IDOK) return false;
    m_frameState.SetNetworkRoles(setting.IsNetworkGame(), setting.IsHost(),
                                 setting.IsObserver());
    if (setting.IsNetworkGame()) {
        m_doc->SetWaitTime(kNetworkWait);
        if (!setting.IsHost()) return true;
    }
    m_doc->SetGameYears(setting.GetYears());
    if (setting.GetPlayCount() == 0) m_doc->SetWaitTime(kComputerGameWait);
    m_doc->SetEnterpriseCount(setting.GetCompanyCount());
    if (!m_doc->SetPlayerCount(setting.GetPlayCount(), 1)) return false;
    m_playCountAtStart = setting.GetPlayCount();
    m_role2AtStart = setting.GetRole2Count();
    return true;
}

// ---------------------------------------------------------------- 0x573

void CMainFrame::OpenGameWindow() {
    // A view without its panes cannot show the game: the program closes
    // without going on to the founding.
    if (!m_view || m_view->CreatePanes() != 1) {
        ShowMessageBox(kLayoutErrorText, MB_OK | MB_ICONEXCLAMATION);
        CloseProgram();
        return;
    }
    EnableInput(0);
    const bool loaded = m_doc->IsLoadedGame();
    if (loaded) {
        PostMessage(WM_GAME_OPENED, 0, 0);
    } else if (!m_frameState.IsNetworkGame() || m_frameState.IsNetworkHost()) {
        if (!m_doc->SetupEnterprises()) {
            CloseProgram();
            return;
        }
    }
    m_playCountAtStart = m_doc->GetPlayState();
    if (loaded) m_role2AtStart = CountRole2Peers();
    if (m_frameState.IsNetworkGame()) {
        if (!loaded) SetSessionState(1);
        ShowNetworkWindow();
    }
    RestorePlacement();
    RefreshAfterOpen();
    RecalcLayout();
    if (!loaded) SetUpFounding();
    UpdateWindow();
}

void CMainFrame::SetUpFounding() {
    ShowControlBar(&m_toolBar, FALSE);
    ShowControlBar(&m_statusBar, FALSE);
    if (m_view) m_view->ShowWindow(SW_HIDE);
    CRect client;
    GetClientRect(&client);
    m_establishWnd = std::make_unique<CEstablishWnd>([this] { EndFounding(); });
    if (!m_establishWnd->Open(this, client)) {
        MessageBeep(0);
        m_establishWnd.reset();
        return;
    }
    EnableInput(0);
    // The list of the companies, as tall as their number.
    const CSize cell = CTarvoApp::Get()->GetCharSize();
    const int companies = m_doc->CompanyCount();
    const int width = cell.cx * 40;
    const int height = cell.cy * (companies + 3);
    CRect frame;
    GetWindowRect(&frame);
    CRect list(frame.left + (frame.Width() - width) / 2, frame.top + (frame.Height() - height) / 2,
               0, 0);
    list.right = list.left + width;
    list.bottom = list.top + height;
    list.IntersectRect(list, CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    m_companyListWnd = std::make_unique<CWnd>();
    if (!m_companyListWnd->CreateEx(0, kPopupClass, kCompanyListTitle, kCompanyListStyle, list,
                                    this, 0)) {
        MessageBeep(0);
        m_companyListWnd.reset();
    }
    SetFoundingPhase(1);
    StopMusic(1);
    if (m_frameState.IsNetworkGame() && m_frameState.IsNetworkHost()) MarkPlayerBusy(-1);
    BeginFoundingPhase();
}

void CMainFrame::BeginFoundingPhase() {
    StopMusic(1);
    if (m_frameState.IsNetworkGame()) {
        AnnounceFounding();
        ShowNetworkWindow();
        if (m_frameState.IsNetworkHost()) RunLobbyStep();
    } else {
        // The founding goes on whether or not a close came during the
        // text: the close has been posted and asks its own question.
        ShowOpeningText(0);
        m_chainStopped = 0;
    }
    const bool drives = !m_frameState.IsNetworkGame() || m_frameState.IsNetworkHost();
    if (m_doc && m_doc->GetPlayState() == 0 && drives && m_establishWnd) {
        m_establishWnd->PostMessage(CEstablishWnd::WM_RUN_FOUNDING, 0, 0);
    }
    PlayMusic(1);
    if (m_establishWnd && !(m_frameState.IsNetworkGame() && m_frameState.IsObserver())) {
        m_establishWnd->EnableWindow(TRUE);
    }
}

// The founding window's end of the phase: every company issues its shares,
// the wait time comes from the options and the game opens.
void CMainFrame::EndFounding() {
    if (m_doc) {
        m_doc->InitIssuedShares();
        m_doc->SetWaitTime(m_options.waitTime);
    }
    PostMessage(WM_GAME_OPENED, 0, 0);
}

// ---------------------------------------------------------------- 0x504

void CMainFrame::OnGameOpened() {
    ShowControlBar(&m_toolBar, m_options.toolBar ? TRUE : FALSE);
    ShowControlBar(&m_statusBar, m_options.statusBar ? TRUE : FALSE);
    SetFoundingPhase(0);
    if (m_establishWnd) {
        m_establishWnd->DestroyWindow();
        m_establishWnd.reset();
    }
    if (m_companyListWnd) {
        m_companyListWnd->DestroyWindow();
        m_companyListWnd.reset();
    }
    m_doc->SetModifiedFlag(true);
    if (m_view) {
        m_view->ShowWindow(SW_SHOW);
        m_view->EnableWindow(FALSE);
    }
    RecalcLayout();
    if (m_view) {
        m_view->GetMapSelectWnd().ResetButtons();
        m_view->ShowTurnCompany(m_doc->GetTurnEnterprise(-1));
    }
    RefreshInfoPanels();
    ShowWindow(SW_SHOW);
    UpdateWindow();
    OnUpdateFrameTitle();
    StopMusic(1);
    int next = ePHASE_MONTH_START;
    if (m_doc->IsLoadedGame()) {
        next = ePHASE_OPERATIONS;
        if (m_frameState.IsNetworkGame()) {
            next = WM_HOST_ADDRESS;
            if (m_frameState.IsNetworkHost()) PlayMusic(kStartMusic);
        }
    } else if (!m_frameState.IsNetworkGame()) {
        m_resumePhase = ePHASE_MONTH_START;
        if (ShowOpeningText(1)) return;
    }
    if (m_view) {
        m_view->GetMapSelectWnd().GetLogo().StartAnimation(kOpenedLogoPeriodMs);
        m_view->EnableWindow(TRUE);
    }
    const bool drives = !m_frameState.IsNetworkGame() || m_frameState.IsNetworkHost();
    if (drives) PostMessage(static_cast<UINT>(next), 0, 0);
}

// ---------------------------------------------------------------- 0x575

void CMainFrame::EnterHostAddress() {
    if (m_doc && !m_doc->IsLoadedGame()) SetSessionState(0);
    OpenNetwork();
}

// ---------------------------------------------------------------- File Open

void CMainFrame::ResumeOpenedGame() {
    m_humanTurnOpen = 0;
    m_doc->SetLoadedGame(true);
    RefreshAfterOpen();
    PostMessage(WM_GAME_OPENED, 0, 0);
}
