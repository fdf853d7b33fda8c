#pragma once
// Static texts (left, centred, right; wrapped unless SS_LEFTNOWORDWRAP),
// frames and filled rectangles, pictures (SS_BITMAP) and owner-drawn
// statics. With SS_NOTIFY a click sends STN_CLICKED.

#include <string>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Wnd.h"

class CBitmap;

class CStatic : public CWnd {
public:
    BOOL Create(const std::string& text, DWORD style, const RECT& rect, CWnd* parent,
                UINT id = 0xFFFF);
    // The picture of an SS_BITMAP static (kept by the caller); returns the
    // previous one.
    CBitmap* SetBitmap(CBitmap* bitmap);
    CBitmap* GetBitmap() const;

    virtual void DrawItem(LPDRAWITEMSTRUCT dis);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    void PaintKind(CDC& dc, const CRect& client);
    bool m_drawItemDefault = false;
};
