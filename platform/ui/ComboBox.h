#pragma once
// A drop-down list combo box (CBS_DROPDOWNLIST; other kinds behave the
// same, without typing): a box showing the chosen item and a list that
// drops below it. The template's height includes the dropped list; the box
// itself is as tall as one item. A user's choice (in the list, or with the
// arrow keys on the closed box) sends CBN_SELCHANGE; opening and closing
// send CBN_DROPDOWN and CBN_CLOSEUP; SetCurSel sends nothing.
//
// Owner-drawn combos (CBS_OWNERDRAWFIXED) ask for WM_DRAWITEM for the box
// (ODS_COMBOBOXEDIT) and for each item of the dropped list, offered to the
// combo itself first (override DrawItem). CB_GETLBTEXT takes a
// std::string* in lParam.

#include <string>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Wnd.h"

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCount() const;
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetLBText(int index, std::string& text) const;
    std::string GetLBText(int index) const;
    int SetItemData(int index, uintptr_t data);
    uintptr_t GetItemData(int index) const;
    int SetItemHeight(int index, UINT height);
    int GetItemHeight(int index) const;
    int FindString(int startAfter, const std::string& prefix) const;
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;

    virtual void DrawItem(LPDRAWITEMSTRUCT dis);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT mis);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // For the dropped list: paints item `index` (-1 = the box) in `rect`.
    void PaintItem(CDC& dc, int index, const CRect& rect, bool selected, bool box);
    // For the dropped list: the user chose an item (or -1 = nothing).
    void ChooseFromList(int index);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(CREATESTRUCT* create) override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnSetFocus(CWnd* oldWnd) override;
    void OnKillFocus(CWnd* newWnd) override;

private:
    bool IsOwnerDrawn() const;
    void FitBox();
    void UserSelect(int index);
    bool m_drawItemDefault = false;
    bool m_measureItemDefault = false;
};
