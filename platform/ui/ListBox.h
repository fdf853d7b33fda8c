#pragma once
// A list box with single selection: texts with a value each, sorted with
// LBS_SORT, scrolled with its own vertical bar (WS_VSCROLL). A user's
// choice (click, arrow keys) sends LBN_SELCHANGE to the parent when the
// list has LBS_NOTIFY, a double click LBN_DBLCLK; SetCurSel sends nothing.
//
// Owner-drawn lists (LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE) ask for
// WM_DRAWITEM per visible item with its id, state (ODS_SELECTED, ODS_FOCUS)
// and rectangle, and for WM_MEASUREITEM (once for a fixed list, per item
// for a variable one unless LB_SETITEMHEIGHT gave it); both are offered to
// the list itself first (override DrawItem / MeasureItem). The background
// is erased in WM_ERASEBKGND: with the brush of the parent's (or the list's
// own, reflected) WM_CTLCOLOR, else with the window colour.
//
// The LB_ messages work as well: LB_GETTEXT takes a std::string* in lParam.

#include <string>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Wnd.h"

class CListBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCount() const;
    // The index of the new item, LB_ERR for a bad index.
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);  // -1 = at the end
    // The number of items left, LB_ERR for a bad index.
    int DeleteString(UINT index);
    void ResetContent();
    int GetCurSel() const;
    // -1 clears the selection; LB_ERR for a bad index (the selection is then
    // cleared too).
    int SetCurSel(int index);
    int GetText(int index, std::string& text) const;
    std::string GetText(int index) const;
    int GetTextLen(int index) const;
    int SetItemData(int index, uintptr_t data);
    uintptr_t GetItemData(int index) const;
    // Fixed lists: the height of every item (index ignored); variable ones:
    // the item's own.
    int SetItemHeight(int index, UINT height);
    int GetItemHeight(int index) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int GetItemRect(int index, RECT* rect) const;
    // The first item from after `startAfter` whose text begins with the
    // prefix (case-insensitive), LB_ERR when none.
    int FindString(int startAfter, const std::string& prefix) const;
    // The item under a client point, or -1.
    int ItemFromPoint(CPoint point) const;

    virtual void DrawItem(LPDRAWITEMSTRUCT dis);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT mis);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(CREATESTRUCT* create) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnSetFocus(CWnd* oldWnd) override;
    void OnKillFocus(CWnd* newWnd) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    bool IsOwnerDrawn() const;
    int HeightOf(int index) const;
    int VisibleFrom(int top) const;
    void EnsureVisible(int index);
    void UpdateScroll();
    void UserSelect(int index);
    void PaintItem(CDC& dc, int index, const CRect& rect);
    bool m_drawItemDefault = false;
    bool m_measureItemDefault = false;
};
