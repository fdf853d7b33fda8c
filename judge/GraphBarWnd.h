#pragma once
// A two-colour bar: the share of the value in the range is drawn in the bar
// colour, the rest in the background colour. A range below 0 grows from the
// right edge leftwards.

#include "platform/gfx/GdiDefs.h"
#include "platform/ui/Wnd.h"

namespace judge {

class CGraphBarWnd : public CWnd {
public:
    // Each setter only stores; the caller repaints.
    void SetRange(int minimum, int maximum);
    void SetValue(int value) { m_value = value; }
    void SetColors(COLORREF bar, COLORREF background);
    int GetMinimum() const { return m_min; }
    int GetMaximum() const { return m_max; }
    int GetValue() const { return m_value; }

    // The x where the bar colour meets the background in a bar `width`
    // wide, counted from the left; the value is kept within the range.
    static int SplitX(int minimum, int maximum, int value, int width);

    // Draws the bar into a width x height area at the context's origin.
    void Draw(CDC& dc, int width, int height) const;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    int m_min = 0;
    int m_max = 1;
    int m_value = 0;
    COLORREF m_bar = 0;
    COLORREF m_background = 0xFFFFFF;
};

}  // namespace judge
