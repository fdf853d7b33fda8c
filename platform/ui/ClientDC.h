#pragma once
// A device context on a window's client area for drawing outside WM_PAINT.
// Without a window it measures text and draws nowhere.

#include "platform/ui/DC.h"

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
};
