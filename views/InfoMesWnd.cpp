#include "views/InfoMesWnd.h"

#include <algorithm>

#include "model/ColorTable.h"
#include "platform/core/Clock.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"
#include "views/ScrollStep.h"

namespace {

CRect ClientOf(const CWnd& wnd) {
    CRect client;
    wnd.GetClientRect(&client);
    return client;
}

}  // namespace

CInfoMesWnd::CInfoMesWnd() {
    m_colours.fill(-1);
}

int CInfoMesWnd::LineHeight() {
    return OwnerRow::LayoutSize().cy;
}

COLORREF CInfoMesWnd::LineColour(int colour) {
    // Network peers send colour numbers of their own: anything outside the
    // table takes the default colour rather than reading past it.
    if (colour < 0 || colour >= kColorTableSize) return GetSysColor(COLOR_BTNTEXT);
    return static_cast<COLORREF>(GetColorTableEntry(colour));
}

std::vector<CInfoMesWnd::SLine> CInfoMesWnd::GetLines() const {
    std::vector<SLine> lines;
    lines.reserve(static_cast<size_t>(m_stored));
    for (int i = m_stored - 1; i >= 0; --i)
        lines.push_back({m_lines[static_cast<size_t>(i)], m_colours[static_cast<size_t>(i)]});
    return lines;
}

// ---------------------------------------------------------------- window

int CInfoMesWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    ShowScrollBar(SB_VERT, FALSE);
    return 0;
}

void CInfoMesWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    UpdateScrollState();
    Invalidate(TRUE);
}

void CInfoMesWnd::UpdateScrollState() {
    const int height = IsWindow() ? ClientOf(*this).Height() : 0;
    const int visible = std::max(height, 0) / LineHeight();
    if (visible > 0 && visible < m_stored) {
        m_visible = visible;
        SCROLLINFO info{};
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = m_stored - 1;
        info.nPage = static_cast<UINT>(visible);
        info.nPos = m_stored - visible;
        // The position is the newest line before the bar can ask for it.
        m_position = m_stored - m_visible;
        SetScrollInfo(SB_VERT, &info, TRUE);
        ShowScrollBar(SB_VERT, TRUE);
    } else {
        m_visible = 0;
        m_position = m_stored;
        if (IsWindow()) ShowScrollBar(SB_VERT, FALSE);
    }
}

void CInfoMesWnd::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
    if (scrollBar || m_visible == 0) return;
    SCROLLINFO info{};
    if (!GetScrollInfo(SB_VERT, &info, SIF_RANGE | SIF_PAGE | SIF_POS)) return;
    const int next = NextScrollPosition(info, code, static_cast<int>(pos));
    if (next == m_position) return;
    Invalidate(TRUE);
    m_position = next;
    SetScrollPos(SB_VERT, next, TRUE);
}

// ---------------------------------------------------------------- painting

void CInfoMesWnd::DrawRow(CDC& dc, const RECT& row, const std::string& text, int colour) const {
    dc.SetTextColor(LineColour(colour));
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    // Lines are never wrapped: a long one is cut at the window's edge.
    dc.ExtTextOut(row.left, row.top, ETO_OPAQUE | ETO_CLIPPED, &row, text);
}

void CInfoMesWnd::OnPaint() {
    CPaintDC dc(this);
    CRowPaintScope scope(dc);
    const CRect client = ClientOf(*this);
    const int cy = LineHeight();
    const int rows = std::clamp(client.Height() / cy, 1, kMaxLines);
    const int first = m_stored - m_visible - m_position;
    for (int r = 0; r < rows; ++r) {
        const int index = first + rows - r - 1;
        const CRect row(0, r * cy, client.Width(), (r + 1) * cy);
        if (index >= 0 && index < kMaxLines) {
            DrawRow(dc, row, m_lines[static_cast<size_t>(index)],
                    m_colours[static_cast<size_t>(index)]);
        } else {
            DrawRow(dc, row, std::string(), -1);
        }
    }
}

void CInfoMesWnd::RepaintNow() {
    if (!IsWindow()) return;
    Invalidate(TRUE);
    UpdateWindow();
}

// ---------------------------------------------------------------- lines

void CInfoMesWnd::AddMessage(const std::string& text, int smooth, int colour) {
    if (!IsAtNewest()) {
        UpdateScrollState();
        RepaintNow();
    }
    ScrollLines(1, smooth);
    if (IsWindow()) {
        CClientDC dc(this);
        CRowPaintScope scope(dc);
        const CRect client = ClientOf(*this);
        const int cy = LineHeight();
        const int top = std::max(client.Height() / cy - 1, 0) * cy;
        DrawRow(dc, CRect(0, top, client.Width(), top + cy), text, colour);
    }
    m_lines[0] = text;
    m_colours[0] = colour;
    UpdateScrollState();
}

void CInfoMesWnd::ScrollLines(int n, int smooth) {
    n = std::clamp(n, 1, kMaxLines);
    if (!IsAtNewest()) RepaintNow();
    ScrollPicture(n, smooth);
    for (int i = kMaxLines - 1; i >= n; --i) {
        m_lines[static_cast<size_t>(i)] = std::move(m_lines[static_cast<size_t>(i - n)]);
        m_colours[static_cast<size_t>(i)] = m_colours[static_cast<size_t>(i - n)];
    }
    for (int i = 0; i < n; ++i) {
        m_lines[static_cast<size_t>(i)].clear();
        m_colours[static_cast<size_t>(i)] = -1;
    }
    m_stored = std::min(m_stored + n, kMaxLines);
    UpdateScrollState();
}

void CInfoMesWnd::ScrollPicture(int n, int smooth) {
    if (!IsWindow()) return;
    const CRect client = ClientOf(*this);
    const int width = client.Width();
    const int height = client.Height();
    if (width <= 0 || height <= 0) return;
    const int pixels = n * LineHeight();
    CClientDC dc(this);
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    // A log nobody can see is not worth waiting for.
    if (smooth && IsWindowVisible()) {
        for (int step = 0; step < pixels; ++step) {
            dc.BitBlt(0, 0, width, height - 1, &dc, 0, 1, SRCCOPY);
            const CRect bottom(0, height - 1, width, height);
            dc.ExtTextOut(0, bottom.top, ETO_OPAQUE, &bottom, std::string());
            // Nothing else runs meanwhile, as the line scrolls in.
            CClock::SleepReal(CClock::Scale(kSmoothStepMs));
        }
        return;
    }
    const int moved = std::min(pixels, height);
    if (moved < height) dc.BitBlt(0, 0, width, height - moved, &dc, 0, moved, SRCCOPY);
    const CRect bottom(0, height - moved, width, height);
    dc.ExtTextOut(0, bottom.top, ETO_OPAQUE, &bottom, std::string());
}

void CInfoMesWnd::Clear() {
    for (int i = 0; i < kMaxLines; ++i) {
        m_lines[static_cast<size_t>(i)].clear();
        m_colours[static_cast<size_t>(i)] = -1;
    }
    m_stored = 0;
    m_position = 0;
    UpdateScrollState();
    RepaintNow();
}
