#include "judge/InfoMesWnd.h"

#include <algorithm>

#include "judge/ArboApp.h"
#include "model/ColorTable.h"
#include "platform/core/Clock.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/Messages.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

int CInfoMesWnd::LineHeight() {
    CArboApp* app = CArboApp::Get();
    const int h = app ? app->GetCharSize().cy : 0;
    return h > 0 ? h : 1;
}

int CInfoMesWnd::VisibleLines() const {
    CRect client;
    GetClientRect(&client);
    return client.Height() / LineHeight();
}

void CInfoMesWnd::AddMessage(const std::string& text, bool smooth, int colour) {
    if (m_scrollBack > 0) {
        m_scrollBack = 0;
        Invalidate(TRUE);
    }
    ScrollUp(1, smooth);
    m_lines[0] = text;
    m_colours[0] = colour;
    m_held = std::min(m_held + 1, kLines);
    if (IsWindow()) RedrawWindow();
    UpdateScrollBar();
}

void CInfoMesWnd::ScrollUp(int n, bool smooth) {
    n = std::clamp(n, 0, kLines);
    if (n == 0) return;
    if (smooth && IsWindow()) {
        // The smooth scroll takes its time by the clock (no time at all in
        // a test run at scale 0).
        const int pixels = n * LineHeight();
        for (int i = 0; i < pixels; ++i) {
            ScrollWindow(0, -1);
            UpdateWindow();
            CClock::SleepReal(CClock::Scale(kSmoothStepMs));
        }
    }
    // The oldest lines fall off the end.
    std::rotate(m_lines.rbegin(), m_lines.rbegin() + n, m_lines.rend());
    std::rotate(m_colours.rbegin(), m_colours.rbegin() + n, m_colours.rend());
    for (int i = 0; i < n; ++i) {
        m_lines[static_cast<size_t>(i)].clear();
        m_colours[static_cast<size_t>(i)] = -1;
    }
    if (IsWindow()) Invalidate(FALSE);
}

void CInfoMesWnd::Clear() {
    for (int i = 0; i < kLines; ++i) {
        m_lines[static_cast<size_t>(i)].clear();
        m_colours[static_cast<size_t>(i)] = -1;
    }
    m_held = 0;
    m_scrollBack = 0;
    UpdateScrollBar();
    if (IsWindow()) Invalidate(TRUE);
}

void CInfoMesWnd::UpdateScrollBar() {
    if (!IsWindow()) return;
    const int visible = VisibleLines();
    if (m_held > visible && visible >= 1) {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = m_held - 1;
        info.nPage = static_cast<UINT>(visible);
        info.nPos = std::max(0, m_held - visible - m_scrollBack);
        ShowScrollBar(SB_VERT, TRUE);
        SetScrollInfo(SB_VERT, &info, TRUE);
    } else {
        ShowScrollBar(SB_VERT, FALSE);
    }
}

void CInfoMesWnd::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
    (void)scrollBar;
    const int visible = std::max(1, VisibleLines());
    const int most = std::max(0, m_held - visible);
    int back = m_scrollBack;
    switch (code) {
        case SB_LINEUP:
            ++back;
            break;
        case SB_LINEDOWN:
            --back;
            break;
        case SB_PAGEUP:
            back += visible;
            break;
        case SB_PAGEDOWN:
            back -= visible;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            back = most - static_cast<int>(pos);
            break;
        default:
            return;
    }
    back = std::clamp(back, 0, most);
    if (back == m_scrollBack) return;
    m_scrollBack = back;
    UpdateScrollBar();
    Invalidate(TRUE);
}

void CInfoMesWnd::DrawLines(CDC& dc, int width, int height) const {
    CArboApp* app = CArboApp::Get();
    const int h = LineHeight();
    const int lines = std::clamp(height / h, 1, kLines);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    dc.FillSolidRect(0, 0, width, height, face);
    CFont* old = app ? dc.SelectObject(app->GetFont(1)) : nullptr;
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(face);
    for (int row = 0; row < lines; ++row) {
        const int index = lines - 1 - row + m_scrollBack;
        if (index >= kLines) continue;
        const int colour = m_colours[static_cast<size_t>(index)];
        dc.SetTextColor(colour < 0 ? GetSysColor(COLOR_BTNTEXT) : GetColorTableEntry(colour));
        const CRect line(0, row * h, width, (row + 1) * h);
        dc.ExtTextOut(2, row * h, ETO_OPAQUE | ETO_CLIPPED, &line,
                      m_lines[static_cast<size_t>(index)]);
    }
    if (old) dc.SelectObject(old);
}

void CInfoMesWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawLines(dc, client.Width(), client.Height());
}

void CInfoMesWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    UpdateScrollBar();
}

}  // namespace judge
