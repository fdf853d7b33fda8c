#pragma once
// A small horizontal bar gauge: the share value / maximum of the width is
// drawn in the filled colours, the rest in the remaining colours, and the
// value stands right-aligned over both, changing colour where the bar ends.
// The status page shows a company's loyalty with it; the founding and the
// election dialogs show progress and votes. Owners set the figures and
// colours, then repaint.

#include "platform/gfx/GdiDefs.h"
#include "platform/ui/Wnd.h"

class CGraphBarWnd : public CWnd {
public:
    CGraphBarWnd();

    // Each setter only stores; the owner repaints.
    void SetMaximum(int maximum) { m_maximum = maximum; }
    void SetBarValue(int value) { m_value = value; }
    void SetBarColors(COLORREF filled, COLORREF remaining);
    void SetTextColors(COLORREF onFilled, COLORREF onRemaining);

    int GetMaximum() const { return m_maximum; }
    int GetBarValue() const { return m_value; }
    COLORREF GetFilledColor() const { return m_filled; }
    COLORREF GetRemainingColor() const { return m_remaining; }
    COLORREF GetFilledTextColor() const { return m_textOnFilled; }
    COLORREF GetRemainingTextColor() const { return m_textOnRemaining; }

    // How many of `width` pixels the value fills: 0 for a maximum of 0 or
    // less, never below 0 nor beyond the width. Owners set the maximum from
    // game figures, so neither a zero maximum nor a large product may break
    // the drawing.
    static int FilledWidth(int value, int maximum, int width);

    // Draws the bar into a width x height area at the context's origin.
    void Draw(CDC& dc, int width, int height) const;

protected:
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    int m_maximum = 100;
    int m_value = 0;
    COLORREF m_filled;
    COLORREF m_remaining;
    COLORREF m_textOnFilled;
    COLORREF m_textOnRemaining;
    int m_showValue = 1;
    int m_width = 0;
    int m_height = 0;
};
