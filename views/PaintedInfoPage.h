#pragma once
// A company page without children that paints itself in one piece off
// screen from the data on every paint request; its refresh repaints it
// while a company is shown.

#include "views/InfoBasePageWnd.h"

class CDC;

class CPaintedInfoPage : public CInfoBasePageWnd {
public:
    void Refresh() override;
    // Draws the shown company's page onto a context set up by
    // InfoPage::PrepareContext; nothing while no company is shown.
    virtual void Draw(CDC& dc, int width, int height) const = 0;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
};
