#pragma once
// The map drawing window, the left pane of the main view. For now it draws
// only its class background and records the calls it receives (turn
// animations, rebuilds, marks, cursor and balloon) so that its callers can
// be checked; its cell tables are always sized.

#include <string>
#include <vector>

#include "platform/ui/Wnd.h"

class CVDoc;
class IViewHost;

class CMapDrawWnd : public CWnd {
public:
    struct SCall {
        std::string name;
        int a = 0;
        int b = 0;
        int c = 0;
        bool operator==(const SCall& other) const = default;
    };

    // Takes the view's document; the view keeps the shown area.
    void AttachDocument(CVDoc* doc, IViewHost* view);
    CVDoc* GetDocument() const { return m_doc; }
    // The area the view shows; -1 none.
    int GetCurrentArea() const;

    // Sizes the per-cell tables for the shown map: 1, or 0 without memory.
    int ResetCellTables();
    // Marks the shown area's cells of a company: 1 when any was marked.
    int MarkCompanyCells(int company);
    // Forgets the marked cells, redrawing them when asked.
    void FlushChangedCells(int redraw);
    // Moves the cursor block; (-1, -1) removes it. 1 when it changed.
    int SetCursorCell(int mx, int my, BOOL redraw);
    // The cursor block's size in cells; 1 when it changed.
    int SetCursorSize(int cx, int cy);
    // Recomputes the draw order after the area, direction or structures change.
    void RebuildMap();
    // Repaints the cells that can overlap the block of map cell (mx, my).
    void DrawCell(int mx, int my, int wide);
    void HideBalloon();
    // Animates a turn of the map by `step` quarter turns (recorded with the
    // direction it starts from).
    void AnimateTurn(int step, int mode);

    const std::vector<SCall>& GetCalls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }

private:
    void Record(const char* name, int a = 0, int b = 0, int c = 0);

    CVDoc* m_doc = nullptr;
    IViewHost* m_view = nullptr;
    int m_cursorX = -1;
    int m_cursorY = -1;
    int m_cursorWidth = 1;
    int m_cursorHeight = 1;
    std::vector<SCall> m_calls;
};
