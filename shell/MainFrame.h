#pragma once
// The game's main window: menu bar, tool bar and status bar around the main
// view. It reads the options before its window exists and writes them back
// when it closes, makes the application's drawing resources when it is
// created, keeps the frame's part of the saved game, shows load errors and
// the status texts of the map interaction modes, plays music and effects,
// and is the frame service of the records and the frame the main view asks.
//
// Topic files: MainFrame.cpp (creation, close, commands, messages),
// MainFrameModes.cpp (title, load errors, mode texts, map modes),
// MainFrameServices.cpp (the frame service and the sound),
// MainFrameNetwork.cpp (network play), MainFrameChain*.cpp (the turn
// driver and the start sequence), MainFrameNetPhase*.cpp (the network
// operations phase and the player table), MainFrameCommands*.cpp (the menu
// commands and their enabling rules).

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/DlgInputEnterprise.h"
#include "game/NetDocState.h"
#include "model/FrameState.h"
#include "model/NetPlayerTable.h"
#include "model/OptionData.h"
#include "model/services/FrameService.h"
#include "platform/ui/FrameWnd.h"
#include "views/MyStatusBar.h"
#include "shell/MainBar.h"
#include "shell/ViewFrame.h"

class CBaseDialog;
class CDlgInputSetting;
class CCmdSet;
class CEnterprise;
class CEstablishWnd;
class CExplainWnd;
class CFileDialog;
class CMonthChain;
class CFrameNetLink;
class CMapDrawWnd;
class CFrameSound;
class CNetSession;
class CVDoc;
class CVView;
// Used by the menu commands.
struct SCommandState;

class CMainFrame : public CFrameWnd, public CDetachedFrameService, public IViewFrame {
public:
    // Private messages: the start of the game (posted by the application).
    static constexpr UINT WM_START_GAME = 0x572;
    static constexpr UINT kModeTextIds[11] = {50000, 50100, 50101, 50010, 50110, 50020,
                                              50030, 50040, 50041, 50040, 50041};
    static constexpr int kChangeFlagCount = 10;
    static constexpr const char* kPlacementKey = "MainWindow";
    static constexpr const char* kBarStateSection = "ToolBars";
    static constexpr const char* kFoundingTitle = "-Preparing company setup";
    static constexpr const char* kStartFailedText = "The game cannot start.";
    static constexpr const char* kReadyText = "Please follow operation instructions.";
    static constexpr const char* kPopupClass = "VELMO_3DFaceWindow";
    // The logo's frame steps: while the player gives orders, and from the
    // opening of a game until then.
    static constexpr UINT kInputLogoPeriodMs = 300;
    static constexpr UINT kOpenedLogoPeriodMs = 500;

    CMainFrame();
    ~CMainFrame() override;

    // Reads the options before the window is made (the framework's
    // PreCreateWindow step).
    void ReadOptions();
    // The document and the view the frame works with.
    void AttachDocument(CVDoc* doc, CVView* view);
    CFrameState& GetFrameState() { return m_frameState; }
    COptionData& GetOptions() { return m_options; }
    CFrameSound* GetSound() { return m_sound.get(); }
    CMainBar& GetToolBar() { return m_toolBar; }
    CStatusBar& GetStatusBarWnd() { return m_statusBar; }

    // ---- title, errors, status texts
    static std::string TitleText(int foundingPhase);
    void OnUpdateFrameTitle();
    // "Insufficient memory.  Game unplayable." (1), "Unavailable file.\n
    // Different file version." (2), "Incorrect file contents." (3), "Error."
    void ShowLoadError(int code);
    // The string id of a map interaction mode's status text (0..10); the
    // mode-0 text for any other.
    static UINT ModeTextId(int mode);
    void UpdateModeText();
    void SetStatusText(const std::string& text);
    // After a game file was opened: the menu, the map set-up, the panes
    // refreshed; input is disabled. A failed map set-up shows load error 1
    // and ends the program.
    void RefreshAfterOpen();

    // ---- map interaction modes and the order code's choice slots
    void BeginMapMode(int mode);
    void SetMapPickMode(int pick, int cx, int cy);
    int GetPickFlag() const override { return m_pickFlag; }
    // 1 when the slot's value changed; 0 when not or for a slot outside 0..9.
    int SetChangeFlag(int index, int value);
    int GetChangeFlag(int index) const;
    void EnableInput(int enable);
    int IsInputEnabled() const override { return m_inputEnabled; }
    void SetFoundingPhase(int flag);

    // ---- music and effects (the frame's player)
    int PlayMusic(int situation, int restart = 0);
    int PlayMusicFile(int file, int restart = 0);
    void StopMusic(int clear);

    // ---- the game start (0x572): the start choice and the set-up
    void OnStartGame();

    // ---- network play: the session the frame owns does the work
    CVDoc* GetDocument() const { return m_doc; }
    // The map window of the main view; nullptr without a view.
    CMapDrawWnd* GetMapDrawWnd();
    // Made on first use.
    CNetSession& GetNetSession();
    bool OpenNetwork();
    void CloseNetwork();
    bool SendToPlayer(int playerNumber, const std::string& record, bool markBusy);
    bool SendDirectToPlayer(int playerNumber, const std::string& record);
    void SendToAll(const std::string& record, bool markBusy);
    bool WaitPlayerChannelFree(int playerNumber);
    bool WaitChannelsFree();
    // 0 new game before the start .. 5 game ending (see NetFrameService.h).
    void SetSessionState(int state) { m_sessionState = state; }
    int GetSessionState() const { return m_sessionState; }
    // Set when the user closes the program inside a pumping wait; nothing
    // is sent over the network any more.
    bool IsCloseRequested() const { return m_closeRequested != 0; }

    // ---- IViewFrame
    int GetMapMode() const override { return m_mapMode; }
    void EndMapPick(int force) override;
    int IsFoundingPhase() const override { return m_foundingPhase; }
    void ShowNetworkWindow() override;
    CProfile& GetProfile() override;
    double GetMapDrawRate() const override { return m_options.mapDrawRate; }
    void GetMapColors(COLORREF& top, COLORREF& bottom) const override {
        top = static_cast<COLORREF>(m_options.mapBkColor);
        bottom = static_cast<COLORREF>(m_options.mapBkColor2);
    }

    // ---- IFrameService
    void SetPumping(int flag) override { m_pumping = flag; }
    int CheckCloseRequest() override;
    bool PumpOneMessage(int maxWaitMs) override;
    void DrainPendingMessages() override;
    bool WasKeyPressed(int key) override;
    int ShowMessageBox(const std::string& text, unsigned style) override;
    void Beep() override;
    void RefreshInfoPanels() override;
    void AddInfoMessage(const std::string& text) override;
    void AddInfoHeading(int company) override;
    void PlayEffect(int effect) override;
    int GetShownArea() override;
    void RebuildMap() override;
    void DrawMapCell(int x, int y) override;
    void RefreshAreaButton(int area) override;
    void ScrollAreaButtonsToFirst() override;

    // ---- turn driver, start sequence and frame services
    // Private messages of the start (0x572 is WM_START_GAME); the month's
    // messages carry the month chain's phase numbers.
    static constexpr UINT WM_GAME_WINDOW = 0x573;
    static constexpr UINT WM_GAME_OPENED = 0x504;
    static constexpr UINT WM_HOST_ADDRESS = 0x575;
    static constexpr UINT WM_NET_TRANSFER = 0x577;
    static constexpr UINT WM_NET_OPERATIONS = 0x574;
    static constexpr UINT WM_APPLY_ORDERS = 0x576;
    static constexpr const char* kBackupFile = "BACKUP.MQD";
    static constexpr const char* kJudgmentFile = "QORDIN.mqd";
    static constexpr const char* kJudgmentProgram = "qordin";
    // Ends the turn of the company that moves now (End Operations, a
    // computer company's month, a company on strike).
    void EndTurn();
    // 1 while the company played at this seat is in its operations phase.
    int IsHumanTurnOpen() const { return m_humanTurnOpen; }
    // True while no chain message is outstanding: before the first month
    // of this run, or in a human company's operations phase with input
    // enabled. File Open and the recent files wait for it.
    bool IsChainIdle() const;
    // Turns the map to the company's home area when it has exactly one
    // area where it is established.
    void ShowHomeArea(int company);
    // The drain between two phases: dispatches everything queued, keeps
    // next as the phase to resume with, and answers CheckCloseRequest.
    int PumpAndCheck(int next);
    // The phase the month goes on with after a declined close; 0 none.
    int GetResumePhase() const { return m_resumePhase; }
    // Input together with the main view.
    void EnableInputAndView(int enable);
    // The explanation text set kind (0 the introduction, 1 the opening)
    // over the game window; 1 when a close was asked for meanwhile (it has
    // been posted).
    int ShowOpeningText(int kind);
    // The founding window has opened.
    void BeginFoundingPhase();
    // A game opened from the File menu goes on where it was saved: the turn
    // of the company at this seat ends unplayed.
    void ResumeOpenedGame();
    // The explanation window; nullptr before its first text.
    CExplainWnd* GetExplainWnd();
    // Appends the names of the program folder's "*.mqm" files in name
    // order; 1 when the list holds a name afterwards.
    static int ListMapFiles(std::vector<std::string>& list);
    // The game's end: the judgment data file and the judgment program.
    bool SaveJudgmentData();
    bool StartJudgmentProgram();
    // The game closes itself: nothing more is asked.
    void CloseProgram();
    // Tests watch the chain: called with every chain message as it
    // arrives (also one that the gate below then drops).
    void SetChainTrace(std::function<void(UINT)> trace) { m_chainTrace = std::move(trace); }
    // Tests watch what the frame asks of its player and of the network:
    // "music" (situation), "music file", "effect" and "game data" (player
    // id), each as it is asked.
    void SetCallTrace(std::function<void(const std::string&, int)> trace) {
        m_callTrace = std::move(trace);
    }
    // A client that asks for the running game waits for the next
    // transfer (0x577).
    void AddWaitingClient(int player) { m_waitingClients.push_back(player); }
    // Tests hold the start or the month: a chain message the gate refuses
    // is dropped unhandled. nullptr lets every message run.
    static void SetChainGate(std::function<bool(UINT)> gate);
    // Benchmarks learn when the month chain itself starts (begin true) and
    // ends each phase, so that what the frame adds can be told apart from
    // the game's own work. nullptr stops the calls.
    static void SetPhaseTimer(std::function<void(int phase, bool begin)> timer);
    // Frame-service flags of the close and the saves.
    int IsPumping() const override { return m_pumping; }
    void SetCloseRequest(int flag) override { m_closeRequested = flag; }
    int IsClosing() const override { return m_closing; }
    void SetClosing(int flag) override { m_closing = flag; }
    void ResumeAfterDeclinedClose() override;
    int CanSaveNow() override;
    int IsAutoSaving() const override { return m_autoSaving; }
    void SetAutoSaving(int flag) override { m_autoSaving = flag; }
    bool PromptSaveName(std::string& name) override;
    void ContinueMonth() override;
    // What the rules ask of the map window and the player's picks.
    void HandleLostStructures(CMapDoc& map, int area,
                              const std::vector<CCellPoint>& anchors) override;
    bool SelectAreaButton(int area) override;
    // As host sends every company's per-area records to every player.
    void SendAllCompanyFigures() override;
    int GetShownLeague() override { return m_shownLeague; }
    void SetShownLeague(int league) override { m_shownLeague = league; }
    // Network calls of the chain and the start; each acts only in a network
    // game, and the network play fills them in.
    void AnnouncePhase(int phase);
    void SendPlayMusic(int situation, int restart);
    void SendRefreshInfo();
    void MarkPlayerBusy(int player);
    void SendMonthStart();
    void CompanyInputDone(int company);
    void SendInputDone();
    void ForceEndOfInput();
    void BroadcastCompanyOrder();
    void ClearTurnOrders();
    void SendAllGameData(int player);
    bool WriteNetworkInfo();
    void SendGoToJudgment();
    void AnnounceFounding();
    void RunLobbyStep();

    // ---- network operations phase and player table
    // Sent by the turn limit while this seat's orders are incomplete.
    static constexpr UINT WM_FORCE_END_INPUT = 0x62C;
    static constexpr UINT_PTR kConnectTimerId = 100;
    static constexpr UINT_PTR kTurnLimitTimerId = 102;
    static constexpr int kTurnLimitSeconds = 60;
    // 1 while saving is not allowed in a network game: from the orders this
    // seat has sent until its next operations phase opens.
    int IsSaveBlocked() const { return m_saveBlocked; }
    void SetSaveBlocked(int flag) { m_saveBlocked = flag; }
    // The network operations message: every player busy, the network
    // window shown, the turn limit started, and this seat's phase opened.
    void RunNetworkOperations();
    // Opens this seat's operations phase of a network month. A seat without
    // an own entry or company acts as an observer.
    void BeginNetworkOperations();
    // Carries out the orders received for the company this month.
    void ExecuteCmdSet(int company);
    // The network layer's side of an order handed on (filled by the network
    // play).
    void SendCmdSet(const CCmdSet& order, int company);
    // A received team purchase that the team's owner must agree to first
    // (filled by the network play).
    void ProposeProTeamPurchase(int company, int league, int team, int result, int price);
    // The end of a seat's turn by the time limit: the orders count as
    // complete and End Operations is posted.
    void ForceEndTurn();
    int IsOrdersComplete() const { return m_ordersComplete; }
    void SetOrdersComplete(int flag) { m_ordersComplete = flag; }
    // Set when the time limit ended this seat's turn.
    int IsForcedEnd() const { return m_forcedEnd; }
    // The company of the order being handed on; empty otherwise.
    const std::vector<int>& GetCurrentOrder() const { return m_currentOrder; }

    // The network window: the shown flag becomes its inverse when toggle is
    // non-zero, else show; nothing outside a network game.
    void ShowNetworkWindow(int toggle, int show, int refresh);
    int IsNetworkWindowShown() const { return m_networkWndShown; }
    // The company detail entry of a network client, hidden until the
    // network play shows it.
    CDlgInputEnterprise& GetEnterpriseDlg() { return m_enterpriseDlg; }
    // The observers the host admitted at the set-up.
    int GetAdmittedObservers() const { return m_role2AtStart; }
    void UpdateNetworkWindowTitle();
    // "MERCAVO-NETWORK", a client's password when it has one, the host.
    static std::string NetworkWindowTitle(bool host, const std::string& password,
                                          const std::string& hostAddress);
    void SetNetPassword(const std::string& password) { m_netPassword = password; }
    const std::string& GetNetPassword() const { return m_netPassword; }

    // The player table (its accessors check every index and channel).
    CNetPlayerTable& GetNetPlayers() { return m_netPlayers; }
    int AddNetPlayer(int id, const std::string& name, const std::string& companyName, int colour,
                     const std::string& login, int role, int self) {
        return m_netPlayers.AddNetPlayer(id, name, companyName, colour, login, role, self);
    }
    // On the host with closeSockets set, the entry's sockets are closed.
    int RemoveNetPlayer(int id, int closeSockets);
    int FindNetPlayerById(int id) const { return m_netPlayers.FindNetPlayerById(id); }
    int FindSelfNetPlayer() const { return m_netPlayers.FindSelfNetPlayer(); }
    int CountNetPlayersByRole(int role) const { return m_netPlayers.CountNetPlayersByRole(role); }
    int CountBusyNetPlayers() const { return m_netPlayers.CountBusyNetPlayers(); }
    int IsAwaitingGameData(int id) const { return m_netPlayers.IsAwaitingGameData(id); }
    int GetNetPlayerCompany(int i) const { return m_netPlayers.GetNetPlayerCompany(i); }
    int GetNetPlayerId(int i) const { return m_netPlayers.GetNetPlayerId(i); }
    int GetNetPlayerRole(int i) const { return m_netPlayers.GetNetPlayerRole(i); }
    std::string GetNetPlayerName(int i) const { return m_netPlayers.GetNetPlayerName(i); }
    int IsNetPlayerSelf(int i) const { return m_netPlayers.IsNetPlayerSelf(i); }
    int IsNetPlayerReady(int i) const { return m_netPlayers.IsNetPlayerReady(i); }
    void SetNetPlayerReady(int i, int flag) { m_netPlayers.SetNetPlayerReady(i, flag); }
    // A company left the game: its player becomes an observer (this seat's
    // own included) and the later companies' entries move down by one.
    void ReleaseCompanyOfNetPlayer(int company);
    // A network game and not its host.
    int IsNetworkClient() const;
    // Session state 0 or 3.
    int IsSessionIdle() const { return m_sessionState == 0 || m_sessionState == 3; }
    // Advances the send (0) or receive (1) indicator modulo 8; its new value.
    int StepIndicator(int which);

    // ---- menu commands and their enabling rules
    // What the update rules read, taken now.
    SCommandState CollectCommandState();
    // The company played at this seat; -1 none (an observer).
    int GetSeatCompany();
    // A click on the map cell while a pick runs: the pick's order takes it.
    void OnMapPick(CCellPoint cell);
    // The picks' mode and parameters as the order commands read them.
    int GetMapPickMode() override { return m_mapMode; }
    void SetMapMode(int mode) override { BeginMapMode(mode); }
    int GetPickParam(int i) override { return GetChangeFlag(i); }
    int SetPickParam(int i, int value) override { return SetChangeFlag(i, value); }
    CCellPoint GetCursorCell() override;
    void FocusMap() override;
    void MarkCellRect(int x1, int y1, int x2, int y2, int periodMs) override;
    void FlushChangedCells(int redraw) override;
    // The folder of the players' web pages; empty: there is none. Set at
    // build time (MERCAVO_WEB_FOLDER); tests change it.
    static void SetWebFolder(const std::string& folder);
    static const std::string& GetWebFolder();

    // ---- changed cells, map effects and the map window's picks
    // (MainFrameMapMarks.cpp): each goes to the map window; without one the
    // marks are dropped, a wait returns at once and no cell is marked.
    void MarkCellList(const std::vector<CCellPoint>& cells, int periodMs) override;
    void AddCellMarks(const std::vector<CCellPoint>& cells) override;
    void ShowCellChanges(const std::vector<CCellPoint>& cells, int count) override;
    void WaitCellChanges(int count) override;
    int MarkCompanyCells(int company) override;
    void ShakeMap(int strength) override;
    void PickMapCell(CCellPoint cell) override { OnMapPick(cell); }
    void DoAreaPortfolio() override;
    // Shows the shown area's explanation text in a box with an OK button.
    void ShowAreaExplanation() override;

    // The file dialog shown by the application, while it is shown.
    void SetOpenFileDialog(CFileDialog* dialog) { m_fileDialog = dialog; }
    CFileDialog* GetOpenFileDialog() const { return m_fileDialog; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnClose() override;
    void OnDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnUpdateCommand(CCmdUI* ui) override;
    void OnActivateApp(BOOL active, DWORD threadId) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Message hooks of the topic files: each returns true when it handled
    // the message (result set) or the command.
    bool OnChainMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnNetPhaseMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnMenuCommand(UINT id);
    bool OnUpdateMenuCommand(CCmdUI* ui);

    // ---- private: turn driver, start sequence and frame services
    int m_humanTurnOpen = 0;
    bool IsChainMessage(UINT message) const;
    void RunChainMessage(UINT message);
    void DispatchChainMessage(UINT message);
    void RouteInput(UINT message, WPARAM wParam, LPARAM lParam);
    // The month chain's side of a phase; a phase that throws ends the game
    // with its message.
    int RunPhase(int phase);
    // Drains and posts the next phase (or ends the game).
    void ContinueChain(int next);
    void EndGameEarly();
    void StartMonth();
    void RunElections();
    void RunEvents();
    void RunPreTurn();
    void RunOperations();
    void BeginHumanTurn(int company);
    // The frame's end of a turn once the chain has given the next phase.
    void FinishTurn(int next);
    void RunTaskPhase(int phase);
    void RunSettlement();
    void RunRevenue();
    void AdvanceCalendar();
    void EndGame();
    void TransferToWaitingClients();
    void ApplyReceivedOrders();
    void SaveBackup();
    bool IsBackupDue() const;
    int CountRole2Peers() const;
    // The start sequence.
    bool RunStartChoice();
    bool RunSetUp();
    void ApplyPlayerPages(const CDlgInputSetting& setting);
    void OpenGameWindow();
    void OnGameOpened();
    void EnterHostAddress();
    void SetUpFounding();
    void EndFounding();
    std::unique_ptr<CMonthChain> m_chain;
    std::unique_ptr<CEstablishWnd> m_establishWnd;
    std::unique_ptr<CWnd> m_companyListWnd;
    std::unique_ptr<CExplainWnd> m_explainWnd;
    std::function<void(UINT)> m_chainTrace;
    std::function<void(const std::string&, int)> m_callTrace;
    void TraceCall(const char* call, int value);
    int m_closing = 0;
    int m_resumePhase = 0;
    // Set when a deferred close stopped the chain: only then does a
    // declined close post the resume phase.
    int m_chainStopped = 0;
    // 1 while a chain message is handled: a close found then stops the
    // chain.
    int m_inPhase = 0;
    int m_autoSaving = 0;
    // The first month of this run has begun.
    int m_monthsStarted = 0;
    int m_playCountAtStart = 0;
    int m_role2AtStart = 0;
    int m_shownLeague = 0;
    // The start choice is offered once a run: a start after a failed
    // connection goes straight to the set-up.
    int m_startChoicePending = 1;
    int m_rejoin = 0;
    std::vector<int> m_waitingClients;
    // The histories and plans the players hold, as the host last sent them.
    CNetDocState::SMonthSent m_monthSent;

    // ---- private: network operations phase and player table
    // The part of the operations phase after the observer's and the strike's
    // early ends: the notice, the company shown, the sound and the log.
    void OpenPlayerOperations();
    void ShowOperationsNotice();
    // The company played at this seat in a network game; nullptr for an
    // observer and for a seat whose entry or company is gone.
    CEnterprise* OwnNetCompany();
    void OnNetPhaseTimer(UINT_PTR id);
    int m_saveBlocked = 0;
    int m_ordersComplete = 0;
    int m_forcedEnd = 0;
    int m_networkWndShown = 0;
    std::string m_netPassword;
    std::vector<int> m_currentOrder;
    std::array<int, 2> m_indicators{};
    // Over the frame state's peers, which are declared further down: the
    // table keeps a reference and reads nothing while the frame is built.
    CNetPlayerTable m_netPlayers{m_frameState};

    // ---- private: menu commands and their enabling rules
    // Enables or greys every menu of the menu bar but the last (Help).
    void EnableMenuBar(int enable);
    // The command groups of the topic files: true when the id is theirs.
    bool RunFileCommand(UINT id);
    bool RunMapCommand(UINT id);
    bool RunOrderCommand(UINT id);
    bool RunHelpCommand(UINT id);
    // The guard of a player's command: false while no human turn is open;
    // otherwise the current map interaction ends first.
    bool BeginPlayerCommand();
    void SaveGame(bool askForName);
    void EndOperations();
    void ShowAcquiredRealEstate();
    // Starts the pick of the mode (block 1 x 1) unless it was running.
    void TogglePick(int modeBefore, int mode);
    void ChooseConstruction(int modeBefore);
    // Starts the pick of the mode when the company has at least minFunds,
    // else reports the funds short.
    void StartFundedPick(int mode, int minFunds);
    void ShowPartialMap();
    void SetZoom(double rate);
    void SetViewDirection(int direction);
    void ShowProsperity();
    void CursorToCentre();
    void WriteHistoryTexts();
    void SetSalaries();
    void AdjustAdvertisingCost();
    void EditOptions();
    void ShowDataAuthors();
    void OpenHelpPage(const char* page);
    void OpenChatRoom();

    bool CreateBars();
    bool CreatePopups();
    void SavePlacement();
    void RestorePlacement();
    void ToggleToolBar();
    void ToggleStatusBar();
    void OpenFile();
    // Recent file 0..7 of the File menu.
    void OpenRecentFile(int index);

    COptionData m_options;
    CFrameState m_frameState;
    std::unique_ptr<CFrameSound> m_sound;
    CMainBar m_toolBar;
    CMyStatusBar m_statusBar;
    // Stand-ins until their windows exist: the opening text, the network
    // window and the company-detail dialog.
    CWnd m_openingText;
    CWnd m_networkWnd;
    CDlgInputEnterprise m_enterpriseDlg;
    CVDoc* m_doc = nullptr;
    CVView* m_view = nullptr;
    CFileDialog* m_fileDialog = nullptr;
    int m_foundingPhase = 1;
    int m_inputEnabled = 1;
    int m_mapMode = 0;
    int m_pickFlag = 0;
    int m_pumping = 0;
    int m_closeRequested = 0;
    int m_sessionState = 0;
    std::array<int, kChangeFlagCount> m_changeFlags{};
    std::unique_ptr<CFrameNetLink> m_netLink;
    std::unique_ptr<CNetSession> m_net;

    // ---- the open dialog: the innermost modal dialog of the game, which
    // the network's forced end of a turn ends. Each dialog puts back the
    // one it covered when it goes.
public:
    CBaseDialog* GetOpenDialog() const { return m_openDialog; }
    void SetOpenDialog(CBaseDialog* dialog) { m_openDialog = dialog; }

private:
    CBaseDialog* m_openDialog = nullptr;
};
