#pragma once
// The parts of a window outside its client area that we draw ourselves
// (borders, edges, the caption of windows without a window-manager frame)
// and the hit test over them.

#include "platform/ui/Wnd.h"

class CNonClientPainter {
public:
    static void Paint(CWnd* wnd);
    static LRESULT HitTest(const CWnd* wnd, CPoint screenPoint);
};
