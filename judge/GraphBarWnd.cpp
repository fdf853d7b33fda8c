#include "judge/GraphBarWnd.h"

#include <algorithm>
#include <cstdint>

#include "platform/ui/PaintDC.h"

namespace judge {

void CGraphBarWnd::SetRange(int minimum, int maximum) {
    m_min = minimum;
    m_max = maximum;
}

void CGraphBarWnd::SetColors(COLORREF bar, COLORREF background) {
    m_bar = bar;
    m_background = background;
}

int CGraphBarWnd::SplitX(int minimum, int maximum, int value, int width) {
    // An empty range has nothing to share out.
    if (maximum <= minimum) return 0;
    const int64_t v = std::clamp(value, minimum, maximum);
    return static_cast<int>((v - minimum) * width / (static_cast<int64_t>(maximum) - minimum));
}

void CGraphBarWnd::Draw(CDC& dc, int width, int height) const {
    const int x = SplitX(m_min, m_max, m_value, width);
    // Below 0 the part up to x is what the value leaves empty.
    const COLORREF left = m_min >= 0 ? m_bar : m_background;
    const COLORREF right = m_min >= 0 ? m_background : m_bar;
    dc.FillSolidRect(0, 0, x, height, left);
    dc.FillSolidRect(x, 0, width - x, height, right);
}

void CGraphBarWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(dc, client.Width(), client.Height());
}

BOOL CGraphBarWnd::OnEraseBkgnd(CDC* dc) {
    (void)dc;
    return TRUE;
}

}  // namespace judge
