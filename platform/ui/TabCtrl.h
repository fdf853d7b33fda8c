#pragma once
// A strip of tabs (or buttons with TCS_BUTTONS) in one row, each as wide as
// its text (TCS_RAGGEDRIGHT or not: one row never stretches). A click on
// another tab sends TCN_SELCHANGING (a nonzero answer keeps the old tab)
// and TCN_SELCHANGE through WM_NOTIFY; a key pressed on the control sends
// TCN_KEYDOWN (NMTCKEYDOWN) first, then the arrow keys move between tabs.
// Both are offered to the control itself first (reflected).

#include <string>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Wnd.h"

class CTabCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The index of the new tab, -1 on failure.
    int InsertItem(int index, const std::string& text, LPARAM param = 0);
    int InsertItem(int index, const TCITEM* item);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL GetItem(int index, TCITEM* item) const;
    BOOL SetItem(int index, const TCITEM* item);
    int GetCurSel() const;
    // Sends nothing; returns the previous selection, -1 for a bad index.
    int SetCurSel(int index);
    BOOL GetItemRect(int index, RECT* rect) const;
    // The area below the tabs (larger = FALSE) or the window that holds a
    // given display area (TRUE).
    void AdjustRect(BOOL larger, RECT* rect) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnSetFocus(CWnd* oldWnd) override;
    void OnKillFocus(CWnd* newWnd) override;

private:
    bool IsButtons() const { return (GetStyle() & TCS_BUTTONS) != 0; }
    int RowHeight() const;
    void UserSelect(int index);
};
