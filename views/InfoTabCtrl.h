#pragma once
// The tab strip of the company pages ("Status", "Director", "Achievement",
// "Team", "Stock"). Shift+Tab on it gives the keyboard focus to the
// selector button of the chosen company; Tab leads on to the area buttons'
// tab strip.

#include "platform/ui/TabCtrl.h"

class CInfoDrawFrameWnd;

class CInfoTabCtrl : public CTabCtrl {
public:
    explicit CInfoTabCtrl(CInfoDrawFrameWnd& frame) : m_frame(frame) {}

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    CInfoDrawFrameWnd& m_frame;
};
