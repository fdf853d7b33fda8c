// The turn driver: the month as a chain of private messages to the frame,
// one phase per message. The month chain does the game's side of each phase
// and names the phase that follows; the frame adds what belongs to the
// window: music and waits, the status text, the views, the network calls,
// the drain between phases with its close check, the automatic backup and
// the judgment at the end.
//
// Exactly one chain message is outstanding at any time, except while the
// chain waits for a person (a human company's operations, a home-field
// pick) or for the network.

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "game/MonthChain.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/MercavoError.h"
#include "model/Wait.h"
#include "platform/core/ProgramFolder.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageLoop.h"
#include "shell/FrameSound.h"
#include "shell/MainFrame.h"
#include "shell/TarvoApp.h"
#include "shell/VView.h"

namespace {

// Music situations: 6..17 are January to December.
constexpr int kMonthMusic = 6;
constexpr int kOperationsMusic = 3;
constexpr int kRevenueMusic = 4;
constexpr int kOperationsEffect = 3;
// Waits in tenths of the wait time.
constexpr int kMonthStartWait = 100;
constexpr int kPhaseWait = 50;
// Announced phases of the network.
constexpr int kAnnounceCalendar = 0;
constexpr int kAnnounceRevenue = 1;
constexpr int kAnnounceElections = 2;
constexpr int kAnnounceApplyOrders = 3;
constexpr int kJudgmentSessionState = 5;

constexpr const char* kOperationText = "Operation of the company ";
constexpr const char* kBeginRunningText = "Please begin running %s.";
constexpr const char* kAwaitingText = "Awaiting other player's input.";
constexpr const char* kJudgmentSaveFailed = "Failed to save judgment data.";
constexpr const char* kJudgmentStartFailed = "The judgment program could not be started.\n";
constexpr const char* kContinueText = "Continue game.";

std::function<bool(UINT)>& ChainGate() {
    static std::function<bool(UINT)> gate;
    return gate;
}

std::function<void(int, bool)>& PhaseTimer() {
    static std::function<void(int, bool)> timer;
    return timer;
}

// Tests follow the chain of the real program on standard error.
bool IsChainTraced() {
    static const bool traced = [] {
        const char* env = std::getenv("MERCAVO_CHAIN_TRACE");
        return env && env[0] == '1';
    }();
    return traced;
}

std::string BeginRunningText(const std::string& company) {
    std::string text = kBeginRunningText;
    text.replace(text.find("%s"), 2, company);
    return text;
}

}  // namespace

// ---------------------------------------------------------------- dispatch

void CMainFrame::SetChainGate(std::function<bool(UINT)> gate) {
    ChainGate() = std::move(gate);
}

void CMainFrame::SetPhaseTimer(std::function<void(int, bool)> timer) {
    PhaseTimer() = std::move(timer);
}

bool CMainFrame::IsChainMessage(UINT message) const {
    switch (message) {
    case WM_START_GAME:
    case WM_GAME_WINDOW:
    case WM_GAME_OPENED:
    case WM_HOST_ADDRESS:
    case WM_NET_TRANSFER:
    case WM_NET_OPERATIONS:
    case WM_APPLY_ORDERS:
    case ePHASE_GAME_END:
        return true;
    default:
        return message >= ePHASE_MONTH_START && message <= ePHASE_BANKRUPTCIES;
    }
}

bool CMainFrame::OnChainMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_MOUSEWHEEL || message == WM_KEYDOWN) {
        RouteInput(message, wParam, lParam);
        return false;
    }
    if (!IsChainMessage(message)) return false;
    result = 0;
    if (m_chainTrace) m_chainTrace(message);
    if (ChainGate() && !ChainGate()(message)) return true;
    if (IsChainTraced()) std::fprintf(stderr, "[chain] %#x\n", message);
    RunChainMessage(message);
    return true;
}

void CMainFrame::RunChainMessage(UINT message) {
    // A phase that stops for a close before its own step starts over.
    if (message >= ePHASE_MONTH_START && message <= ePHASE_BANKRUPTCIES) {
        m_resumePhase = static_cast<int>(message);
    }
    m_chainStopped = 0;
    const int outer = m_inPhase;
    m_inPhase = 1;
    DispatchChainMessage(message);
    m_inPhase = outer;
}

void CMainFrame::DispatchChainMessage(UINT message) {
    switch (message) {
    case WM_START_GAME: OnStartGame(); break;
    case WM_GAME_WINDOW: OpenGameWindow(); break;
    case WM_GAME_OPENED: OnGameOpened(); break;
    case WM_HOST_ADDRESS: EnterHostAddress(); break;
    case WM_NET_TRANSFER: TransferToWaitingClients(); break;
    case WM_NET_OPERATIONS: RunNetworkOperations(); break;
    case WM_APPLY_ORDERS: ApplyReceivedOrders(); break;
    case ePHASE_MONTH_START: StartMonth(); break;
    case ePHASE_ELECTIONS: RunElections(); break;
    case ePHASE_EVENTS: RunEvents(); break;
    case ePHASE_PRE_TURN: RunPreTurn(); break;
    case ePHASE_OPERATIONS: RunOperations(); break;
    case ePHASE_DIRECTOR_TASKS:
    case ePHASE_HEADHUNTING: RunTaskPhase(static_cast<int>(message)); break;
    case ePHASE_SETTLEMENT: RunSettlement(); break;
    case ePHASE_REVENUE: RunRevenue(); break;
    case ePHASE_CALENDAR: AdvanceCalendar(); break;
    case ePHASE_GAME_END: EndGame(); break;
    default: ContinueChain(RunPhase(static_cast<int>(message))); break;
    }
}

int CMainFrame::RunPhase(int phase) {
    if (!m_doc) return ePHASE_WAIT;
    if (!m_chain) {
        m_chain = std::make_unique<CMonthChain>(*m_doc);
        m_chain->SetBackupPoint([this] { SaveBackup(); });
    }
    std::string what;
    try {
        if (!PhaseTimer()) return m_chain->Run(phase);
        PhaseTimer()(phase, true);
        const int next = m_chain->Run(phase);
        PhaseTimer()(phase, false);
        return next;
    } catch (const std::exception& e) {
        what = e.what();
    } catch (eMERCAVO_ERROR e) {
        what = GetMercavoErrorText(e);
    }
    // The game is in a state nobody checked: it is not carried on.
    ShowMessageBox(what.empty() ? GetMercavoErrorText(-1) : what, MB_OK | MB_ICONEXCLAMATION);
    CloseProgram();
    return ePHASE_WAIT;
}

int CMainFrame::PumpAndCheck(int next) {
    m_pumping = 1;
    PumpPendingMessages();
    m_pumping = 0;
    m_resumePhase = next;
    return CheckCloseRequest();
}

void CMainFrame::ContinueChain(int next) {
    if (next == ePHASE_WAIT) return;
    if (next == ePHASE_OVER) {
        EndGameEarly();
        return;
    }
    if (PumpAndCheck(next)) return;
    PostMessage(static_cast<UINT>(next), 0, 0);
}

// No company is left, or the last one a person played: a game at this
// machine closes; the host of a network game goes to the game end, which
// its clients follow.
void CMainFrame::EndGameEarly() {
    if (m_frameState.IsNetworkGame()) {
        if (m_frameState.IsNetworkHost() && !PumpAndCheck(ePHASE_GAME_END)) {
            PostMessage(ePHASE_GAME_END, 0, 0);
        }
        return;
    }
    CloseProgram();
}

void CMainFrame::CloseProgram() {
    m_closing = 1;
    PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void CMainFrame::ResumeAfterDeclinedClose() {
    // Only a chain that a deferred close stopped is started again; at any
    // other time the chain message is still on its way.
    if (!m_chainStopped || m_resumePhase <= 0) return;
    m_chainStopped = 0;
    PostMessage(static_cast<UINT>(m_resumePhase), 0, 0);
}

void CMainFrame::ContinueMonth() {
    PostMessage(ePHASE_PRE_TURN, 0, 0);
}

bool CMainFrame::IsChainIdle() const {
    return !m_monthsStarted || (m_humanTurnOpen && m_inputEnabled);
}

// ---------------------------------------------------------------- phases

void CMainFrame::StartMonth() {
    EnableInput(0);
    m_monthsStarted = 1;
    const int music = kMonthMusic + (m_doc ? m_doc->GetMonth() : 0);
    SendPlayMusic(music, 0);
    PlayMusic(music);
    Wait(kMonthStartWait, 0, 0);
    if (m_chainStopped) return;
    ContinueChain(RunPhase(ePHASE_MONTH_START));
}

void CMainFrame::RunElections() {
    AnnouncePhase(kAnnounceElections);
    ContinueChain(RunPhase(ePHASE_ELECTIONS));
}

// The events phase drains inside the document after each event; its next
// message is posted as it comes.
void CMainFrame::RunEvents() {
    const int next = RunPhase(ePHASE_EVENTS);
    if (next == ePHASE_WAIT || m_chainStopped) return;
    if (next == ePHASE_OVER) {
        EndGameEarly();
        return;
    }
    m_resumePhase = next;
    PostMessage(static_cast<UINT>(next), 0, 0);
}

void CMainFrame::RunPreTurn() {
    int next = RunPhase(ePHASE_PRE_TURN);
    if (next == ePHASE_OPERATIONS && m_frameState.IsNetworkGame()) next = WM_NET_TRANSFER;
    ContinueChain(next);
}

void CMainFrame::RunOperations() {
    const int company = m_doc ? m_doc->GetTurnEnterprise(-1) : -1;
    CEnterprise* e = m_doc ? m_doc->GetEnterprise(company) : nullptr;
    if (!e) {
        ContinueChain(ePHASE_OVER);
        return;
    }
    if (m_inputEnabled) EndMapPick(0);
    SetStatusText(kOperationText + std::string(static_cast<size_t>(m_doc->GetTurnPosition()) + 1, '>'));
    if (e->IsOnStrike()) {
        FinishTurn(RunPhase(ePHASE_OPERATIONS));
        return;
    }
    const bool human = m_doc->IsHumanPlayed(company);
    PlayMusic(human ? kOperationsMusic : kMonthMusic + m_doc->GetMonth());
    Wait(kPhaseWait, 0, 0);
    if (m_chainStopped) return;
    if ((human || m_doc->GetPlayState() == 0) && m_view) m_view->ShowTurnCompany(company);
    // The chain waits when a person plays the company.
    const int next = RunPhase(ePHASE_OPERATIONS);
    if (next == ePHASE_WAIT && !m_closing) {
        BeginHumanTurn(company);
        return;
    }
    FinishTurn(next);
}

void CMainFrame::BeginHumanTurn(int company) {
    CEnterprise* e = m_doc->GetEnterprise(company);
    if (m_view) m_view->ShowDirectorLine(company);
    UpdateModeText();
    if (m_doc->GetSavedArea() == -1) {
        ShowHomeArea(company);
    } else {
        m_doc->ClearSavedArea();
    }
    const CFrameSound* sound = GetSound();
    const bool musicCovers = sound && sound->Options().music &&
                             sound->Options().musicIndex[kOperationsMusic] >= 0;
    if (!musicCovers) PlayEffect(kOperationsEffect);
    AddInfoMessage(BeginRunningText(e->GetName()));
    EnableInput(1);
    m_humanTurnOpen = 1;
}

void CMainFrame::EndTurn() {
    // Only an open turn ends: a second end would post a second chain
    // message.
    if (!m_humanTurnOpen) return;
    const bool network = m_frameState.IsNetworkGame() != 0;
    m_humanTurnOpen = 0;
    EnableInput(0);
    if (network) {
        if (m_doc && m_doc->GetPlayState() >= 2 && !m_forcedEnd) AddInfoMessage(kAwaitingText);
        if (m_frameState.IsNetworkHost()) {
            CompanyInputDone(m_doc ? m_doc->GetTurnEnterprise(-1) : -1);
        } else {
            SendInputDone();
        }
        if (m_view) m_view->ShowDirectorLine(-1);
        return;
    }
    if (!m_doc || !m_chain) return;
    // The player's orders may have let companies go: the month's safe
    // point comes before the next company moves.
    const int playersBefore = m_doc->GetPlayState();
    int next = m_chain->EndTurn();
    if (m_doc->RemoveLeavingCompanies() > 0 &&
        (m_doc->CompanyCount() == 0 || (playersBefore >= 1 && m_doc->GetPlayState() == 0))) {
        next = ePHASE_OVER;
    }
    FinishTurn(next);
}

void CMainFrame::FinishTurn(int next) {
    m_humanTurnOpen = 0;
    EnableInput(0);
    if (m_view) m_view->ShowDirectorLine(-1);
    ContinueChain(next);
}

// The directors' tasks and the head-hunting: one company a message.
void CMainFrame::RunTaskPhase(int phase) {
    PlayMusic(kMonthMusic + (m_doc ? m_doc->GetMonth() : 0));
    Wait(kPhaseWait, 0, 0);
    if (m_chainStopped) return;
    ContinueChain(RunPhase(phase));
}

void CMainFrame::RunSettlement() {
    const int next = RunPhase(ePHASE_SETTLEMENT);
    RefreshInfoPanels();
    SendRefreshInfo();
    ContinueChain(next);
}

void CMainFrame::RunRevenue() {
    AnnouncePhase(kAnnounceRevenue);
    PlayMusic(kRevenueMusic, 1);
    SendPlayMusic(kRevenueMusic, 1);
    const int next = RunPhase(ePHASE_REVENUE);
    RefreshInfoPanels();
    SendRefreshInfo();
    ContinueChain(next);
}

void CMainFrame::AdvanceCalendar() {
    AnnouncePhase(kAnnounceCalendar);
    const int next = RunPhase(ePHASE_CALENDAR);
    if (m_view) {
        m_view->Invalidate();
        m_view->GetMapSelectWnd().RepaintMonth();
    }
    RefreshInfoPanels();
    SendRefreshInfo();
    if (next == ePHASE_MONTH_START) {
        SendMonthStart();
        PlayMusic(kMonthMusic + m_doc->GetMonth());
    }
    ContinueChain(next);
}

// ---------------------------------------------------------------- backup

int CMainFrame::CountRole2Peers() const {
    int count = 0;
    for (const CFrameState::SPeer& peer : m_frameState.GetPeers()) count += peer.state == CNetworkData::kObserver;
    return count;
}

// A game at this machine is backed up every month. A network game only
// while the same people play it as at its start.
bool CMainFrame::IsBackupDue() const {
    if (!m_frameState.IsNetworkGame()) return true;
    return m_doc && m_playCountAtStart == m_doc->GetPlayState() &&
           m_role2AtStart == CountRole2Peers();
}

void CMainFrame::SaveBackup() {
    if (!m_doc || !IsBackupDue()) return;
    m_autoSaving = 1;
    m_doc->DoSave(CProgramFolder::File(kBackupFile), 0);
    m_autoSaving = 0;
}

// ---------------------------------------------------------------- game end

void CMainFrame::EndGame() {
    RunPhase(ePHASE_GAME_END);
    WriteNetworkInfo();
    if (!SaveJudgmentData()) {
        ShowMessageBox(kJudgmentSaveFailed, MB_OK | MB_ICONEXCLAMATION);
    } else {
        if (m_frameState.IsNetworkGame() && m_frameState.IsNetworkHost()) {
            WaitChannelsFree();
            SendGoToJudgment();
            WaitChannelsFree();
        }
        SetSessionState(kJudgmentSessionState);
        StartJudgmentProgram();
    }
    if (!m_frameState.IsNetworkGame()) CloseProgram();
}

bool CMainFrame::SaveJudgmentData() {
    if (!m_doc) return false;
    // Saved as the game's own file: the document takes its path and is no
    // longer modified.
    m_autoSaving = 1;
    const int saved = m_doc->DoSave(CProgramFolder::File(kJudgmentFile), 1);
    m_autoSaving = 0;
    if (saved) m_doc->SetModifiedFlag(false);
    return saved != 0;
}

// The judgment program is started by its full path with the file as its
// one argument: no command line is split, whatever the folder's name.
bool CMainFrame::StartJudgmentProgram() {
    const std::string program = CProgramFolder::File(kJudgmentProgram);
    const std::string file = CProgramFolder::File(kJudgmentFile);
    if (CDesktop::StartProgram(program, {file}, CProgramFolder::Get())) return true;
    ShowMessageBox(kJudgmentStartFailed + program, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

// ---------------------------------------------------------------- network phases

// The host sends the month's unsent changes to every player, then the game
// to each client that waits for it. A client that
// left while waiting is dropped from the list.
void CMainFrame::TransferToWaitingClients() {
    // The players' copies first get what the month changed without a record
    // of its own.
    if (m_doc && m_frameState.IsNetworkHost()) CNetDocState(*m_doc).SendMonthChanges(m_monthSent);
    if (m_rejoin && static_cast<int>(m_waitingClients.size()) < m_frameState.GetRole4Count()) {
        ShowMessageBox(kContinueText, MB_OK);
    }
    while (!m_waitingClients.empty()) {
        const int player = m_waitingClients.front();
        m_waitingClients.erase(m_waitingClients.begin());
        bool known = false;
        for (const CFrameState::SPeer& peer : m_frameState.GetPeers()) known |= peer.playerNumber == player;
        if (known) SendAllGameData(player);
    }
    m_rejoin = 0;
    if (m_doc) {
        for (int c = 0; c < m_doc->CompanyCount(); ++c) m_doc->GetEnterprise(c)->SetProcessedFlag(0);
    }
    ContinueChain(WM_NET_OPERATIONS);
}

void CMainFrame::ApplyReceivedOrders() {
    AnnouncePhase(kAnnounceApplyOrders);
    const int music = kMonthMusic + (m_doc ? m_doc->GetMonth() : 0);
    SendPlayMusic(music, 0);
    PlayMusic(music);
    if (!m_doc || m_doc->CompanyCount() == 0) {
        ContinueChain(ePHASE_OVER);
        return;
    }
    for (int p = 0; p < m_doc->CompanyCount(); ++p) {
        const int company = m_doc->GetTurnEnterprise(p);
        if (CEnterprise* e = m_doc->GetEnterprise(company)) {
            e->SetProcessedFlag(0);
            ExecuteCmdSet(company);
        }
    }
    m_doc->ShuffleTurnOrder();
    for (int c = 0; c < m_doc->CompanyCount(); ++c) m_doc->GetEnterprise(c)->SetProcessedFlag(0);
    ClearTurnOrders();
    ContinueChain(ePHASE_DIRECTOR_TASKS);
}

// ---------------------------------------------------------------- saving

int CMainFrame::CanSaveNow() {
    if (!m_doc) return 0;
    if (m_doc->GetYear() >= m_doc->GetGameYears() || m_autoSaving) return 1;
    const int players = m_doc->GetPlayState();
    if (m_frameState.IsNetworkGame()) {
        if (!m_frameState.IsNetworkHost()) return GetSessionState() == kJudgmentSessionState;
        if (players == 0 || m_frameState.IsObserver()) return 1;
        if (m_saveBlocked || !m_humanTurnOpen) return 0;
    }
    return m_inputEnabled || players == 0 ? 1 : 0;
}

bool CMainFrame::PromptSaveName(std::string& name) {
    return CTarvoApp::Get() && CTarvoApp::Get()->DoPromptFileName(name, 0, 0, false) != 0;
}
