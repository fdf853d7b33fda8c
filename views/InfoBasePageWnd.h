#pragma once
// The base of the company pages of the information window: each page reads
// the shown company from its pages frame and brings its windows up to date
// in Refresh; with no company shown a page does nothing.

#include "platform/ui/Wnd.h"

class CInfoBasePageWnd : public CWnd {
public:
    virtual void Refresh() = 0;
};
