#pragma once
// What the records and the rules need of the main frame: the message pump
// behind the timed waits, the pumping flag that holds back a close request
// while a wait dispatches messages, the keys that skip a wait, and the
// message boxes and beeps of the loaders.

#include <string>
#include <vector>

#include "model/CellPoint.h"

class CMapDoc;

// Virtual key codes of the keys that end a skippable wait.
constexpr int kKeyReturn = 0x0D;
constexpr int kKeySpace = 0x20;

// Message-box styles the records ask for (the window system's values).
constexpr unsigned kMessageBoxOk = 0x00;
constexpr unsigned kMessageIconExclamation = 0x30;
constexpr unsigned kMessageBoxYesNoCancel = 0x03;
constexpr unsigned kMessageBoxYesNo = 0x04;
constexpr unsigned kMessageDefaultButton2 = 0x100;
// The buttons a message box answers with.
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

class IFrameService {
public:
    virtual ~IFrameService() = default;
    // While set, a request to close the game is only recorded.
    virtual void SetPumping(int flag) = 0;
    // When a close was requested meanwhile: clears the request, posts the
    // close command to the frame and returns 1; otherwise 0.
    virtual int CheckCloseRequest() = 0;
    // Dispatches at most one pending window message; false when none was
    // pending. May block briefly for one to arrive, never longer than maxWaitMs.
    virtual bool PumpOneMessage(int maxWaitMs) = 0;
    // Dispatches what is pending now and returns. A timer that keeps coming
    // due (every tick when time runs as fast as possible) fires once, so
    // the drain always ends.
    virtual void DrainPendingMessages() {
        while (PumpOneMessage(0)) {
        }
    }
    // Whether the key was pressed since the last query of it; the query
    // clears that state.
    virtual bool WasKeyPressed(int key) = 0;
    // Shows a modal message box; returns the button chosen, 0 when the box
    // could not be shown.
    virtual int ShowMessageBox(const std::string& text, unsigned style) = 0;
    // The warning beep.
    virtual void Beep() = 0;
    // Repaints the company pages of the information window and the line that
    // shows the selected director's order.
    virtual void RefreshInfoPanels() = 0;
    // The information window's message log: a line in the default colour,
    // and the company's name as the heading of its reports.
    virtual void AddInfoMessage(const std::string& text) = 0;
    virtual void AddInfoHeading(int company) = 0;
    // Plays sound effect 0..4 unless one is still playing.
    virtual void PlayEffect(int effect) = 0;

    // ---- the monthly area step and the map window the frame holds
    // Shows that the area is being stepped; as host also tells every player.
    virtual void AnnounceAreaStep(int area) = 0;
    // Structures worn out this month (anchor cells): as host sends them to
    // every player; then removes them, logs it and redraws the map.
    virtual void HandleLostStructures(CMapDoc& map, int area,
                                      const std::vector<CCellPoint>& anchors) = 0;
    // As host tells every player to repaint the area's button.
    virtual void SendRedrawListItem(int area) = 0;
    // As host sends every company's figures to every player.
    virtual void SendAllCompanyFigures() = 0;
    // The area the map window shows; -1 when none.
    virtual int GetShownArea() = 0;
    // The map window recomputes its cell tables and redraws every cell.
    virtual void RebuildMap() = 0;
    // The map window redraws one cell of the area it shows.
    virtual void DrawMapCell(int x, int y) = 0;
    // Repaints the area's button when it is visible.
    virtual void RefreshAreaButton(int area) = 0;
    // The area buttons scroll back so that the first area's button shows.
    virtual void ScrollAreaButtonsToFirst() = 0;

    // ---- the map window while an order is carried out
    // The view's area buttons select the area and the map window shows it;
    // false when it could not be selected.
    virtual bool SelectAreaButton(int area) = 0;
    // Marks the cells of the rectangle (corners in any order) as changed and
    // blinks them with the period in milliseconds.
    virtual void MarkCellRect(int x1, int y1, int x2, int y2, int periodMs) = 0;
    // Ends the highlighting of the changed cells; redraw: and redraws them.
    virtual void FlushChangedCells(int redraw) = 0;
    // Marks the listed cells as changed (cells outside the grid are ignored).
    virtual void MarkCellList(const std::vector<CCellPoint>& cells, int periodMs) = 0;
    // Adds the cells to the marked ones (cells outside the grid are ignored)
    // and blinks them.
    virtual void AddCellMarks(const std::vector<CCellPoint>& cells) = 0;
    // Marks the cells, blinks them and waits `count` blink ticks (a negative
    // count: until the marks are flushed or -count ticks have passed).
    virtual void ShowCellChanges(const std::vector<CCellPoint>& cells, int count) = 0;
    // Waits while marked cells blink, as ShowCellChanges does.
    virtual void WaitCellChanges(int count) = 0;
    // Marks the shown area's cells of a company: 1 when any was marked.
    virtual int MarkCompanyCells(int company) = 0;
    // Shakes the map picture with strength 1..3.
    virtual void ShakeMap(int strength) = 0;
    // Shows a structure of the type over the rectangle of the area until the
    // map is rebuilt; only the picture changes, never the map.
    virtual void PaintStructurePreview(int area, int x1, int y1, int x2, int y2,
                                       int structureType) = 0;

    // ---- the map picks and the input of the player's commands
    // The map pick mode: 0 none; 7 and 8 the stadium pick of a team
    // purchase, 9 and 10 that of a home-field change.
    virtual int GetMapPickMode() = 0;
    // Ends the current pick and stores the new mode.
    virtual void SetMapMode(int mode) = 0;
    // Starts (1) or ends (0) the pick on the map with a cursor block of the
    // size (ending: 1 x 1).
    virtual void SetMapPickMode(int pick, int cx, int cy) = 0;
    // Ends the current map interaction and returns the map to normal.
    virtual void EndMapPick(int force) = 0;
    // Pick parameters 0..9: the construction pick's structure type (-1 a
    // demolition); the stadium pick's league (0) and team (1).
    virtual int GetPickParam(int i) = 0;
    // 1 when the value changed.
    virtual int SetPickParam(int i, int value) = 0;
    // The player's input (menus and tool bar); 1 at start.
    virtual int IsInputEnabled() const = 0;
    virtual void EnableInput(int enable) = 0;
    // The league the score dialog showed last.
    virtual int GetShownLeague() = 0;
    virtual void SetShownLeague(int league) = 0;
    // The map window's cursor cell and cursor block size.
    virtual CCellPoint GetCursorCell() = 0;
    virtual void GetCursorBlock(int& width, int& height) = 0;
    // The keyboard focus goes back to the map window.
    virtual void FocusMap() = 0;
    virtual int PlayMusic(int situation, int restart) = 0;
    // The month's processing goes on (the pre-turn phase is posted).
    virtual void ContinueMonth() = 0;
    // In network play, the stadium the player chose when asked to move a
    // team goes to the host.
    virtual void SendStadiumAnswer(int area, CCellPoint cell) = 0;

    // ---- the close of the program and the saves it allows
    // 1 while a phase of the month dispatches messages.
    virtual int IsPumping() const = 0;
    // Records a close asked for inside a pumping wait; the phase closes
    // once its wait ends.
    virtual void SetCloseRequest(int flag) = 0;
    // Set once the game itself closes the program: the close asks nothing.
    virtual int IsClosing() const = 0;
    virtual void SetClosing(int flag) = 0;
    // The user declined a close: the month goes on where a deferred close
    // stopped it. Nothing happens when no phase was stopped.
    virtual void ResumeAfterDeclinedClose() = 0;
    // 1 when the game may be saved now.
    virtual int CanSaveNow() = 0;
    // 1 while the automatic backup (or the judgment data) is being saved.
    virtual int IsAutoSaving() const = 0;
    virtual void SetAutoSaving(int flag) = 0;
    // Asks for the file to save the game to, starting from name; false when
    // the user cancelled.
    virtual bool PromptSaveName(std::string& name) = 0;
};

// A frame with no window: nothing to pump, no keys, no close requests.
class CDetachedFrameService : public IFrameService {
public:
    void SetPumping(int) override {}
    int CheckCloseRequest() override { return 0; }
    bool PumpOneMessage(int) override { return false; }
    bool WasKeyPressed(int) override { return false; }
    // Nobody to show it to: the box cannot be shown.
    int ShowMessageBox(const std::string&, unsigned) override { return 0; }
    void Beep() override {}
    void RefreshInfoPanels() override {}
    void AddInfoMessage(const std::string&) override {}
    void AddInfoHeading(int) override {}
    void PlayEffect(int) override {}
    void AnnounceAreaStep(int) override {}
    void HandleLostStructures(CMapDoc&, int, const std::vector<CCellPoint>&) override {}
    void SendRedrawListItem(int) override {}
    void SendAllCompanyFigures() override {}
    int GetShownArea() override { return -1; }
    void RebuildMap() override {}
    void DrawMapCell(int, int) override {}
    void RefreshAreaButton(int) override {}
    void ScrollAreaButtonsToFirst() override {}
    bool SelectAreaButton(int) override { return false; }
    void MarkCellRect(int, int, int, int, int) override {}
    void FlushChangedCells(int) override {}
    void MarkCellList(const std::vector<CCellPoint>&, int) override {}
    void AddCellMarks(const std::vector<CCellPoint>&) override {}
    void ShowCellChanges(const std::vector<CCellPoint>&, int) override {}
    void WaitCellChanges(int) override {}
    int MarkCompanyCells(int) override { return 0; }
    void ShakeMap(int) override {}
    void PaintStructurePreview(int, int, int, int, int, int) override {}
    int GetMapPickMode() override { return 0; }
    void SetMapMode(int) override {}
    void SetMapPickMode(int, int, int) override {}
    void EndMapPick(int) override {}
    int GetPickParam(int) override { return 0; }
    int SetPickParam(int, int) override { return 0; }
    int IsInputEnabled() const override { return 1; }
    void EnableInput(int) override {}
    int GetShownLeague() override { return 0; }
    void SetShownLeague(int) override {}
    CCellPoint GetCursorCell() override { return {-1, -1}; }
    void GetCursorBlock(int& width, int& height) override { width = height = 1; }
    void FocusMap() override {}
    int PlayMusic(int, int) override { return 0; }
    void ContinueMonth() override {}
    void SendStadiumAnswer(int, CCellPoint) override {}
    // No month runs and nobody is asked: the game may close and be saved.
    int IsPumping() const override { return 0; }
    void SetCloseRequest(int) override {}
    int IsClosing() const override { return 0; }
    void SetClosing(int) override {}
    void ResumeAfterDeclinedClose() override {}
    int CanSaveNow() override { return 1; }
    int IsAutoSaving() const override { return 0; }
    void SetAutoSaving(int) override {}
    bool PromptSaveName(std::string&) override { return false; }
};
