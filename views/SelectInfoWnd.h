#pragma once
// The company selector beside the company pages: a column of buttons,
// "Company list" first (entry 0), then one per company (entry n shows
// company n - 1), with a scroll bar when they do not fit. Choosing an entry
// shows its pages; the keyboard walks the column with Up and Down, wrapping
// at both ends. Enough buttons for the screen's height are made once and
// only moved, shown and hidden afterwards; a window taller than the screen
// shows no more rows than there are buttons.

#include <memory>
#include <vector>

#include "platform/ui/Wnd.h"
#include "views/BtnScrollBar.h"

class CInfoBtn;
class CInfoDrawFrameWnd;

class CSelectInfoWnd : public CWnd {
public:
    static constexpr UINT kFirstButtonId = 2300;
    static constexpr UINT kScrollBarId = 2000;

    explicit CSelectInfoWnd(CInfoDrawFrameWnd& frame);
    ~CSelectInfoWnd() override;

    // Scrolls back to the first entry and lays the buttons out again.
    void ResetSelection();
    // Places the buttons and the scroll bar for a client area of cx by cy
    // (-1, -1: the current one) and shows the selected entry.
    void Layout(int cx = -1, int cy = -1);
    // Selects an entry and shows its pages; nothing when it is selected.
    void Select(int index, BOOL redraw);
    // Scrolls so that the entry shows (as the last row when it was below)
    // and selects it.
    void SelectAndShow(int index);
    // Shows entries from `first` on (-1: the current first entry).
    void SetFirst(int first, BOOL redraw);
    // Gives the keyboard focus to an entry's button, scrolling to it;
    // entries wrap around at both ends. The selection stays.
    void MoveFocus(int target);
    // The mouse wheel: one row a notch (120), never past the last page.
    void OnWheel(int delta);
    // The keyboard focus to the button of the selected entry when it shows.
    void FocusSelected();
    // The keyboard focus to the pages' tab strip.
    void FocusTabs();

    int GetSelected() const { return m_selected; }
    int GetFirst() const { return m_first; }
    int GetVisibleRows() const { return m_visibleRows; }
    int GetRowHeight() const { return m_rowHeight; }
    int GetButtonCount() const { return static_cast<int>(m_buttons.size()); }
    // The button at a position of the column; nullptr outside it.
    CInfoBtn* GetButton(int position);
    CBtnScrollBar& GetScrollBar() { return m_scrollBar; }
    // The entries: "Company list" and one per company.
    static int EntryCount();
    // The screen height the buttons are made for (0: the primary screen's),
    // for selectors created afterwards.
    static void SetScreenHeight(int pixels);

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool HasScrollBar() const;
    // The button showing an entry; nullptr when it is not on screen.
    CInfoBtn* ButtonOf(int index);
    void RepaintButton(CInfoBtn* button);

    CInfoDrawFrameWnd& m_frame;
    CBtnScrollBar m_scrollBar;
    int m_visibleRows = 0;
    int m_rowHeight = 1;
    int m_first = 0;
    int m_selected = 0;
    int m_firstShown = -1;
    int m_lastShown = -1;
    std::vector<std::unique_ptr<CInfoBtn>> m_buttons;
};
