#pragma once
// The device context of a WM_PAINT handler: takes the window's invalid part
// (erasing it first when asked), clips to it and leaves the window valid.

#include "platform/ui/DC.h"
#include "platform/ui/Wnd.h"

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);

    PAINTSTRUCT m_ps;
};
