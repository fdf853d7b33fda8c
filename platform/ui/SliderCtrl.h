#pragma once
// A slider (TBS_HORZ or TBS_VERT; the minimum at the left or top). Unlike a
// scroll bar it moves by itself: a drag, a click beside the thumb (a page)
// or an arrow key (a line) moves it and then sends WM_HSCROLL / WM_VSCROLL
// with the code (TB_THUMBTRACK, TB_PAGEUP, TB_LINEDOWN, ...) and the
// control in lParam, followed by TB_ENDTRACK.

#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Wnd.h"

constexpr int TB_LINEUP = 0;
constexpr int TB_LINEDOWN = 1;
constexpr int TB_PAGEUP = 2;
constexpr int TB_PAGEDOWN = 3;
constexpr int TB_THUMBPOSITION = 4;
constexpr int TB_TOP = 6;
constexpr int TB_BOTTOM = 7;

class CSliderCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetRange(int minPos, int maxPos, BOOL redraw = FALSE);
    void GetRange(int& minPos, int& maxPos) const;
    int GetRangeMin() const;
    int GetRangeMax() const;
    void SetPos(int pos);
    int GetPos() const;
    int SetLineSize(int size);
    int GetLineSize() const;
    int SetPageSize(int size);
    int GetPageSize() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnSetFocus(CWnd* oldWnd) override;
    void OnKillFocus(CWnd* newWnd) override;

private:
    bool IsVertical() const { return (GetStyle() & TBS_VERT) != 0; }
    CRect Channel() const;
    CRect ThumbRect() const;
    int PositionAt(CPoint point) const;
    void Move(int pos, int code);
};
