#pragma once
// The judgment program's main window: menu 128 around the judgment view.
// It reads the options from the game's profile before its window exists,
// makes the application's drawing resources when it is created, plays the
// music and the sound effects, runs the waits of the announcement and
// answers what the document's close question asks (IJudgeFrame).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "judge/AnnouncementTexts.h"
#include "judge/JudgeFrame.h"
#include "judge/JudgeNetworkHost.h"
#include "model/OptionData.h"
#include "platform/ui/FrameWnd.h"

class CMusicDevice;
class CEffectDevice;

namespace judge {

class CArboDoc;
class CArboView;
class CJudgeMusic;
class CJudgeNetwork;

class CMainFrame : public CFrameWnd, public IJudgeFrame, public IJudgeNetworkHost {
public:
    // The announcement's messages (handled from the announcement on).
    static constexpr UINT WM_START_ANNOUNCEMENT = 0x501;
    static constexpr UINT WM_ANNOUNCE_ITEM = 0x502;
    static constexpr UINT WM_ANNOUNCE_RESULTS = 0x503;
    static constexpr UINT WM_NETWORK_START = 0x564;
    static constexpr const char* kStartFailedText = "The program (qordin.exe) cannot start.";
    static constexpr int kNetworkWidth = 400;
    static constexpr int kNetworkHeight = 300;
    // The results page and the home page of this build: none, so their
    // commands stay greyed.
    static constexpr const char* kResultsAddress = "";
    static constexpr const char* kHomepageAddress = "";

    CMainFrame();
    ~CMainFrame() override;

    // The options of "OptionData" (the framework's pre-create step).
    void ReadJudgeOptions();
    void AttachDocument(CArboDoc* doc, CArboView* view);
    CArboDoc* GetDocument() { return m_doc; }
    const COptionData& GetOptions() const { return m_options; }
    CJudgeMusic* GetMusic() { return m_music.get(); }
    // Devices of the caller's for the music made at creation (tests).
    void UseSoundDevices(std::unique_ptr<CMusicDevice> music, std::unique_ptr<CEffectDevice> effect);

    // The message of a judgment data file (at path) that cannot be judged.
    static void ShowStartupError(int error, const std::string& path);

    // ---- music and effects
    void PlayJudgeMusic(int index, int restart);
    void PlayJudgeSound(int index);
    void StopSounds();

    // ---- waits
    // Waits wait time x units / 10 milliseconds by the clock. Skippable:
    // Space ends it with 1, Return ends it with 0. A close asked meanwhile
    // closes the window afterwards.
    int JudgeWaitLoop(int units, int noPump, int skippable);
    // A wait of ms milliseconds; 0 at once while the wait time is 0.
    int WaitMilliseconds(int ms, int noPump, int skippable);
    // A close asked during a wait: closes the window now, 1; else 0.
    int EndOnRequest();

    // ---- the announcement's state
    void SetResultsShown(bool shown) { m_resultsShown = shown; }
    void SetPendingStep(UINT message) { m_pendingStep = message; }
    UINT GetPendingStep() const { return m_pendingStep; }
    void SetNetworkGame(bool network) { m_networkGame = network; }
    // The judgment network of a network game (MainFrameNetwork.cpp): made
    // from the loaded file's participants before the start is posted.
    void SetupNetwork();
    CJudgeNetwork* GetNetwork() { return m_network.get(); }
    // Shows or hides the network window (F2 and the menu command).
    void ToggleNetworkWindow();
    // The network log's lines so far (the window's message pane shows them).
    const std::vector<std::string>& GetNetworkLog() const { return m_networkLog; }
    bool CanSendResults() const;
    // The announcement's page (0..18) and, on page 18, its area.
    int GetAnnouncePage() const { return m_page; }
    int GetAnnounceArea() const { return m_area; }
    void SetAnnounceStep(int page, int area);
    // The text pane's prompt was pressed: the next page (or area) and the
    // pending step; in a network game the judgment network moves on.
    void OnPromptPressed();

    // ---- the announcement (MainFrameAnnouncement.cpp)
    // Each returns 0; a close asked during a wait ends the announcement.
    LRESULT OnStartAnnouncement();
    LRESULT OnAnnounceItem();
    LRESULT OnAnnounceResults();
    void ShowIntroduction();
    void ShowSectionIntroduction();
    // The page's explanation; with names, the companies on the bonus lines.
    void ShowItemExplanation(int names);
    void ShowExplanationText(const std::vector<announcement::STextRun>& runs);
    // Shows the lines one by one; 1 when Space skipped the waits.
    int ShowMessageLines(const std::vector<std::string>& lines);
    void RunItemAnimation();
    void RevealDirectors();
    void ShowLeaguePage(int league, int kind);
    void RevealYears(int kind);
    void ShowAreaPage(int area);
    void ShowFinalMessage();
    void ClearTextPane();
    // Dispatches what waits, remembers the next step; 1 when the window
    // closed meanwhile.
    int PumpAndPost(UINT message);
    // The results music: 19 a human company won, 21 the best human company
    // came last, else 20.
    static int ResultsMusic(const std::vector<int>& humanRanks, int companies);
    // Whether this machine must wait for the judgment network's start (a
    // network client only) until the server's start arrives.
    bool IsJudgmentNotStarted() const;
    // A wait of at least ms real milliseconds that dispatches messages
    // whatever the presentation's wait time; for the network's polling.
    void PollWait(int ms);

    // What the announcement does, for tests: "music", "sound", "post" and
    // "wait" with their number (music and sound index, message, units).
    using Recorder = std::function<void(const char* what, int value)>;
    void SetRecorder(Recorder recorder) { m_recorder = std::move(recorder); }

    // ---- IJudgeFrame
    bool IsInWait() override { return m_inWait; }
    void RequestClose() override { m_closeRequested = true; }
    bool AreResultsShown() override { return m_resultsShown; }
    bool HasPendingStep() override { return m_pendingStep != 0; }
    bool IsNetworkGame() override { return m_networkGame; }
    bool IsNetworkHost() override;
    bool HasPeers() override;
    void ShowPromptAgain() override;

    // ---- IJudgeNetworkHost
    void NetLog(const std::string& text, int colour) override;
    void NetMessageBox(const std::string& text) override;
    void NetCloseProgram() override;
    void NetPostStart() override;
    void NetSetRetryTimer(int ms) override;
    void NetKillRetryTimer() override;
    void NetStartAnnouncement() override;
    bool NetNextPage() override;
    void NetRefresh() override;
    void NetShowWindow() override;
    void NetIndicate(int direction) override;
    void NetPollWait(int ms) override;
    bool NetIsRunning() override;

    bool IsCloseRequested() const { return m_closeRequested; }
    CWnd& GetNetworkWindow() { return m_networkWnd; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnClose() override;
    void OnDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnUpdateCommand(CCmdUI* ui) override;
    void OnActivateApp(BOOL active, DWORD threadId) override;
    void OnTimer(UINT_PTR id) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    // Realises the application palette; repaints when that changed colours.
    BOOL OnQueryNewPaletteJudge();

private:
    bool CreateDrawingResources();
    void SavePlacement();
    void Record(const char* what, int value) {
        if (m_recorder) m_recorder(what, value);
    }
    void PostStep(UINT message);
    // The next page (or area on the last page); posts the pending step.
    void AdvanceAndPost();
    void OnNetworkStart();
    void CloseNetwork();
    // The announcement's step for the frame's page and area (0..steps - 1).
    int CurrentStep() const;
    // The count-up of the bars in the company pane.
    void CountUpBars();
    // Every company with its place and its value on the page (its total
    // for page -1).
    std::vector<announcement::SCompanyEntry> CompanyEntries(int page) const;
    // After a wait: false when the window was closed meanwhile.
    bool IsRunning() { return IsWindow() != FALSE; }

    COptionData m_options;
    std::unique_ptr<CJudgeMusic> m_music;
    std::unique_ptr<CMusicDevice> m_musicDevice;
    std::unique_ptr<CEffectDevice> m_effectDevice;
    CWnd m_networkWnd;
    std::unique_ptr<CJudgeNetwork> m_network;
    std::vector<std::string> m_networkLog;
    CArboDoc* m_doc = nullptr;
    CArboView* m_view = nullptr;
    bool m_inWait = false;
    bool m_closeRequested = false;
    bool m_resultsShown = false;
    bool m_networkGame = false;
    UINT m_pendingStep = 0;
    int m_page = 0;
    int m_area = 0;
    // The page (and area) on screen was announced: the prompt moves on
    // from it. Not yet before the first page.
    bool m_stepShown = true;
    // A step's handler is running: it shows the prompt itself at its end.
    bool m_inStep = false;
    Recorder m_recorder;
};

}  // namespace judge
