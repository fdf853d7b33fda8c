#pragma once
// A scroll bar control (SBS_VERT or SBS_HORZ). Like the window's own bars
// it does not move by itself: the user's actions are sent to the parent as
// WM_VSCROLL / WM_HSCROLL with the control in lParam (offered to the
// control first, reflected), and the position changes when someone sets
// it. A drag sends SB_THUMBTRACK while moving and SB_THUMBPOSITION at the
// end; every action ends with SB_ENDSCROLL.

#include "platform/ui/ControlStyles.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Wnd.h"

class CScrollBar : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL SetScrollInfo(SCROLLINFO* info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(SCROLLINFO* info, UINT mask = SIF_ALL) const;
    int SetScrollPos(int pos, BOOL redraw = TRUE);
    int GetScrollPos() const;
    void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int* minPos, int* maxPos) const;
    BOOL EnableScrollBar(UINT arrows = ESB_ENABLE_BOTH);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    bool IsVertical() const { return (GetStyle() & SBS_VERT) != 0; }
    int Length() const;
    int Thickness() const;
    // The thumb's start and size along the bar, arrows excluded.
    void Thumb(int& start, int& size) const;
    int PositionFor(int thumbStart) const;
    void Send(int code, int pos);
};
