#pragma once
// A scroll bar that moves itself and reports its new position to its
// parent (WM_BLOCK_SCROLLED, wParam = the position). Positions stay in
// [minimum, maximum - page + 1].

#include "platform/ui/ScrollBar.h"

class CBtnScrollBar : public CScrollBar {
public:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void Scroll(UINT code, int thumbPos);

    int m_reserved = 0;
};
