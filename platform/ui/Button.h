#pragma once
// Push buttons (plain, default, with a bitmap, owner-drawn), check boxes,
// radio buttons and group boxes. A click sends WM_COMMAND BN_CLICKED to
// the parent; automatic check boxes toggle and automatic radio buttons
// check themselves and clear the others of their group (the siblings from
// the last WS_GROUP control up to the next). Owner-drawn buttons ask for
// WM_DRAWITEM (offered to the button itself first: override DrawItem).

#include <string>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Wnd.h"

class CBitmap;

class CButton : public CWnd {
public:
    BOOL Create(const std::string& text, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCheck() const;
    void SetCheck(int check);
    // BST_PUSHED while held down, BST_FOCUS with the focus, plus the check.
    UINT GetState() const;
    void SetState(BOOL pushed);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    // BS_BITMAP buttons show the picture (kept by the caller) instead of
    // the text; returns the previous one.
    CBitmap* SetBitmap(CBitmap* bitmap);
    CBitmap* GetBitmap() const;
    // What a click does, as if the user clicked.
    void Click();

    // Owner-drawn buttons: draw the button. The default lets the parent
    // draw it.
    virtual void DrawItem(LPDRAWITEMSTRUCT dis);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnKeyUp(UINT key, UINT repeat, UINT flags) override;
    void OnSetFocus(CWnd* oldWnd) override;
    void OnKillFocus(CWnd* newWnd) override;

private:
    UINT Kind() const;
    bool IsPushKind() const;
    void PaintPush(CDC& dc, const CRect& client);
    void PaintCheck(CDC& dc, const CRect& client);
    void PaintGroup(CDC& dc, const CRect& client);
    void PaintOwnerDrawn(CDC& dc, const CRect& client);
    bool m_drawItemDefault = false;
};
