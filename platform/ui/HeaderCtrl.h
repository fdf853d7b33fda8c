#pragma once
// A header strip of column titles. The user drags the divider at a
// column's right edge: HDN_BEGINTRACK, HDN_TRACK while moving and
// HDN_ENDTRACK when the button is released (also when the width did not
// change), each an NMHEADER with the column and its width, then the width
// is set (HDN_ITEMCHANGED). With HDS_BUTTONS a click on a title sends
// HDN_ITEMCLICK. All go through WM_NOTIFY, offered to the control itself
// first (reflected).

#include <string>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Wnd.h"

class CHeaderCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetItemCount() const;
    // The index of the new column, -1 on failure.
    int InsertItem(int index, const HDITEM* item);
    BOOL DeleteItem(int index);
    // Fills the fields named in item->mask.
    BOOL GetItem(int index, HDITEM* item) const;
    BOOL SetItem(int index, const HDITEM* item);
    BOOL GetItemRect(int index, RECT* rect) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;

private:
    // The column whose right divider is under the point, or -1.
    int DividerAt(CPoint point) const;
    int ItemAt(CPoint point) const;
    LRESULT NotifyTrack(UINT code, int index, int width);
};
