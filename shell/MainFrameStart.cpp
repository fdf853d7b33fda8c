// The start of a game: the start choice, the map file, the set-up, the game
// window with the founding phase of a new game, the opening text, or the
// resumption of a loaded game.

#include <algorithm>
#include <array>
#include <cstdlib>

#include "dialogs/DlgInputNetworkIP.h"
#include "dialogs/DlgInputSetting.h"
#include "dialogs/DlgSelectMapFile.h"
#include "dialogs/EstablishWnd.h"
#include "dialogs/InputStartDlg.h"
#include "game/MonthChain.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "network/NetSession.h"
#include "platform/net/LocalHost.h"
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
// The game lengths a new game offers; the data files carry none.
constexpr std::array<int, 3> kYearChoices = {10, 20, 30};
// "Set-up error of the area display window", as the game has always said it.
constexpr const char* kLayoutErrorText =
    "\xE5\x9C\xB0\xE5\x8C\xBA\xE8\xA1\xA8\xE7\xA4\xBA\xEF\xBD\xB3\xEF\xBD\xA8\xEF\xBE\x9D\xEF"
    "\xBE\x84\xEF\xBE\x9E\xEF\xBD\xB3\xE3\x81\xAE\xE8\xA8\xAD\xE5\xAE\x9A\xE3\x82\xA8\xE3\x83"
    "\xA9\xE3\x83\xBC";

// Tests shorten a game: MERCAVO_SETUP_YEARS (1..100) is the only length
// offered.
std::array<int, 3> YearChoices() {
    const char* env = std::getenv("MERCAVO_SETUP_YEARS");
    const int years = env ? std::atoi(env) : 0;
    if (years >= 1 && years <= 100) return {years, 0, 0};
    return kYearChoices;
}

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
    start.DoModal();
    if (!start.IsChosen()) return false;
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
        CDlgSelectMapFile select(this);
        select.SetFileNames(maps);
        select.DoModal();
        chosen = select.GetChosen();
        if (chosen < 0 || chosen >= static_cast<int>(maps.size())) return false;
    }
    // A single file is loaded by its own name, whatever it is called.
    return m_doc->PrepareNewGame(maps[static_cast<size_t>(chosen)]) == 1;
}

bool CMainFrame::RunSetUp() {
    CDlgInputSetting setting(this);
    setting.InitFromDocument(m_doc->CompanyCount(), YearChoices());
    if (setting.DoModal() == IDCANCEL || !setting.IsCompleted()) return false;
    m_frameState.SetNetworkRoles(setting.IsNetworkGame(), setting.IsHost(),
                                 setting.IsObserver());
    if (setting.IsNetworkGame()) {
        GetNetSession().SetHostAddress(setting.GetAddress());
        if (setting.IsResume()) SetNetPassword(setting.GetPassword());
        m_doc->SetWaitTime(kNetworkWait);
        if (!setting.IsHost()) return true;
    }
    m_doc->SetGameYears(setting.GetYears());
    if (setting.GetPlayers() == 0) m_doc->SetWaitTime(kComputerGameWait);
    m_doc->SetEnterpriseCount(setting.GetMaxPlayers());
    if (!m_doc->SetPlayerCount(setting.GetPlayers(), 1)) return false;
    m_playCountAtStart = setting.GetPlayers();
    m_role2AtStart = setting.GetObservers();
    ApplyPlayerPages(setting);
    return true;
}

// The players' companies take the names and colours of their pages: every
// page at this machine, or in network play the host's own (none when it
// only watches).
void CMainFrame::ApplyPlayerPages(const CDlgInputSetting& setting) {
    int companies = setting.GetPlayers();
    if (setting.IsNetworkGame()) companies = setting.IsObserver() ? 0 : 1;
    companies = std::min(companies, setting.GetRowCount());
    for (int i = 0; i < companies; ++i) {
        CEnterprise* company = m_doc->GetEnterprise(i);
        if (!company) break;
        const CSettingPlayer& row = setting.GetRow(i);
        company->SetName(row.companyName);
        company->SetPresidentName(row.playerName);
        company->SetColor(row.colour);
    }
    if (setting.IsNetworkGame() && setting.GetRowCount() > 0)
        m_frameState.SetPlayerName(setting.GetRow(0).playerName);
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
    CDlgInputNetworkIP prompt(this);
    prompt.SetAddress(CLocalHost::GetAddress());
    prompt.DoModal();
    GetNetSession().SetHostAddress(prompt.GetAddress());
    SetNetPassword(prompt.GetSecondText());
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
