#pragma once
// The scroll bars of a window, which sit in its non-client area, and the
// bookkeeping after a window's size or frame changed.

#include <QPoint>

#include "platform/ui/Wnd.h"

class CScrollBars {
public:
    static BOOL Set(CWnd* wnd, int bar, const SCROLLINFO& info);
    static BOOL Get(const CWnd* wnd, int bar, SCROLLINFO& info, UINT mask);
    static void Show(CWnd* wnd, int bar, bool show);
    static void Enable(CWnd* wnd, int bar, bool enable);
    // Places the scroll bar widgets for the window's current size.
    static void Layout(CWnd* wnd);
    // Brings surface, scroll bars and frame up to date after a change of
    // size, frame or scroll bars; sends WM_SIZE when the client size changed
    // and WM_MOVE when the position did.
    static void AfterGeometryChange(CWnd* wnd, CSize oldClient, QPoint oldPos);
};
