#pragma once
// The "Achievement" page of the company pages: the shown company's title,
// its annual sales and profit, the estimated taxes, and a table of the
// twelve months of the current year (a marker with the month number, the
// sales and the profit of each month) that wraps into as many blocks as
// the page's width needs.

#include "platform/gfx/Size.h"
#include "views/InfoBasePageWnd.h"

class CDC;

class CEpBenefit : public CInfoBasePageWnd {
public:
    static constexpr int kMonths = 12;

    // What the table is measured in: the character cell, the label column
    // (the width of "WWWWWW"), a month column and a text row (the width and
    // height of "12345") and the marker row (a text row or a colour mark,
    // whichever is higher).
    struct SMetrics {
        CSize cell;
        int labelWidth = 0;
        int monthWidth = 0;
        int textHeight = 0;
        int markerRow = 0;
    };
    // How the twelve months are laid out in a page of a width.
    struct STable {
        int perBlock = 1;  // month columns side by side, at least 1
        int blocks = 1;
        int firstTop = 0;  // pixels
        int blockStep = 0;
        int ColumnLeft(int month, const SMetrics& m) const {
            return m.labelWidth + month % perBlock * m.monthWidth;
        }
        int BlockTop(int month) const { return firstTop + month / perBlock * blockStep; }
    };

    // Measures in the font selected into dc.
    static SMetrics Measure(CDC& dc);
    static STable Layout(int clientWidth, const SMetrics& metrics);
    // The colour value of a month's marker: -1 (mark cell 2) from the
    // current month on, -2 (mark cell 1) for the months before it.
    static int MarkerColour(int month, int currentMonth);

    // Repaints the page while a company is shown.
    void Refresh() override;
    // Draws the shown company's page onto a width-wide context set up by
    // InfoPage::PrepareContext; nothing while no company is shown.
    void Draw(CDC& dc, int width) const;

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
};
