#pragma once
// A device context on a whole window, frame included; (0, 0) is the
// window's top-left corner.

#include "platform/ui/DC.h"

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd);
};
