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
#include <memory>
#include <string>

#include "model/FrameState.h"
#include "model/OptionData.h"
#include "model/services/FrameService.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/StatusBar.h"
#include "shell/MainBar.h"
#include "shell/ViewFrame.h"

class CFileDialog;
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

    // ---- the game start until the start sequence exists
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
    void ShowNetworkWindow() override {}
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

    // ---- network operations phase and player table
    // 1 while saving is not allowed in a network game.
    int IsSaveBlocked() const { return m_saveBlocked; }
    void SetSaveBlocked(int flag) { m_saveBlocked = flag; }
    // Opens this seat's operations phase of a network month.
    void BeginNetworkOperations();
    // Carries out the orders received for the company this month.
    void ExecuteCmdSet(int company);

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

    // ---- private: network operations phase and player table
    int m_saveBlocked = 0;

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
    CStatusBar m_statusBar;
    // Stand-ins until their windows exist: the opening text, the network
    // window and the company-detail dialog.
    CWnd m_openingText;
    CWnd m_networkWnd;
    CWnd m_enterpriseDlg;
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
};
