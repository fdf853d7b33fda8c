#include "platform/ui/ScrollBar.h"

#include <algorithm>

#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

struct BarState {
    SCROLLINFO info;
    bool enabled = true;
    bool dragging = false;
    int dragOffset = 0;
    int trackPos = 0;
};

BarState* StateOf(const CWnd* wnd) {
    return CControlSupport::State<BarState>(wnd);
}

// The highest position a proportional thumb can reach.
int MaxPos(const SCROLLINFO& si) {
    return si.nPage > 0 ? std::max(si.nMin, si.nMax - static_cast<int>(si.nPage) + 1) : si.nMax;
}

}  // namespace

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, nullptr, "", style | WS_CHILD, rect, parent, id);
}

BOOL CScrollBar::SetScrollInfo(SCROLLINFO* info, BOOL redraw) {
    BarState* s = StateOf(this);
    if (!s || !info) return FALSE;
    SCROLLINFO& si = s->info;
    if (info->fMask & SIF_RANGE) {
        si.nMin = info->nMin;
        si.nMax = std::max(info->nMin, info->nMax);
    }
    if (info->fMask & SIF_PAGE) si.nPage = info->nPage;
    if (info->fMask & SIF_POS) si.nPos = info->nPos;
    si.nPage = std::min<UINT>(si.nPage, static_cast<UINT>(si.nMax - si.nMin + 1));
    si.nPos = std::clamp(si.nPos, si.nMin, MaxPos(si));
    if (redraw) Invalidate();
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(SCROLLINFO* info, UINT mask) const {
    const BarState* s = StateOf(this);
    if (!s || !info) return FALSE;
    info->fMask = mask;
    if (mask & SIF_RANGE) {
        info->nMin = s->info.nMin;
        info->nMax = s->info.nMax;
    }
    if (mask & SIF_PAGE) info->nPage = s->info.nPage;
    if (mask & SIF_POS) info->nPos = s->info.nPos;
    if (mask & SIF_TRACKPOS) info->nTrackPos = s->dragging ? s->trackPos : s->info.nPos;
    return TRUE;
}

int CScrollBar::SetScrollPos(int pos, BOOL redraw) {
    const int old = GetScrollPos();
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = pos;
    SetScrollInfo(&si, redraw);
    return old;
}

int CScrollBar::GetScrollPos() const {
    const BarState* s = StateOf(this);
    return s ? s->info.nPos : 0;
}

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL redraw) {
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = minPos;
    si.nMax = maxPos;
    SetScrollInfo(&si, redraw);
}

void CScrollBar::GetScrollRange(int* minPos, int* maxPos) const {
    const BarState* s = StateOf(this);
    if (minPos) *minPos = s ? s->info.nMin : 0;
    if (maxPos) *maxPos = s ? s->info.nMax : 0;
}

BOOL CScrollBar::EnableScrollBar(UINT arrows) {
    if (BarState* s = StateOf(this)) s->enabled = arrows != ESB_DISABLE_BOTH;
    Invalidate();
    return TRUE;
}

int CScrollBar::Length() const {
    CRect client;
    GetClientRect(&client);
    return IsVertical() ? client.Height() : client.Width();
}

int CScrollBar::Thickness() const {
    CRect client;
    GetClientRect(&client);
    return IsVertical() ? client.Width() : client.Height();
}

void CScrollBar::Thumb(int& start, int& size) const {
    const BarState* s = StateOf(this);
    const int arrow = std::min(Thickness(), Length() / 2);
    const int track = std::max(0, Length() - 2 * arrow);
    const SCROLLINFO& si = s->info;
    const int range = si.nMax - si.nMin + 1;
    size = si.nPage > 0 ? track * static_cast<int>(si.nPage) / std::max(1, range) : arrow;
    size = std::clamp(size, std::min(track, 8), track);
    const int span = MaxPos(si) - si.nMin;
    const int pos = s->dragging ? s->trackPos : si.nPos;
    start = arrow + (span > 0 ? (track - size) * (pos - si.nMin) / span : 0);
}

int CScrollBar::PositionFor(int thumbStart) const {
    const BarState* s = StateOf(this);
    const int arrow = std::min(Thickness(), Length() / 2);
    int start = 0, size = 0;
    Thumb(start, size);
    const int room = std::max(1, Length() - 2 * arrow - size);
    const int span = MaxPos(s->info) - s->info.nMin;
    const int offset = std::clamp(thumbStart - arrow, 0, room);
    return s->info.nMin + (span * offset + room / 2) / room;
}

void CScrollBar::Send(int code, int pos) {
    CControlSupport::ToParent(this, IsVertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos),
                              reinterpret_cast<LPARAM>(this));
}

BOOL CScrollBar::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CScrollBar::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const BarState* s = StateOf(this);
    dc.FillSolidRect(client, GetSysColor(COLOR_3DLIGHT));
    const bool enabled = s->enabled && IsWindowEnabled() && s->info.nMax > s->info.nMin;
    const int arrow = std::min(Thickness(), Length() / 2);
    CRect first = client, second = client;
    if (IsVertical()) {
        first.bottom = first.top + arrow;
        second.top = second.bottom - arrow;
    } else {
        first.right = first.left + arrow;
        second.left = second.right - arrow;
    }
    CControlSupport::ButtonFace(dc, first, false, false);
    CControlSupport::ButtonFace(dc, second, false, false);
    CControlSupport::Arrow(dc, first, IsVertical() ? 0 : 2, enabled);
    CControlSupport::Arrow(dc, second, IsVertical() ? 1 : 3, enabled);
    if (!enabled) return;
    int start = 0, size = 0;
    Thumb(start, size);
    CRect thumb = IsVertical() ? CRect(0, start, client.right, start + size)
                               : CRect(start, 0, start + size, client.bottom);
    CControlSupport::ButtonFace(dc, thumb, false, false);
}

void CScrollBar::OnLButtonDown(UINT, CPoint point) {
    BarState* s = StateOf(this);
    if (!s || !s->enabled || s->info.nMax <= s->info.nMin) return;
    const int along = IsVertical() ? point.y : point.x;
    const int arrow = std::min(Thickness(), Length() / 2);
    int start = 0, size = 0;
    Thumb(start, size);
    if (along < arrow) {
        Send(SB_LINEUP, 0);
    } else if (along >= Length() - arrow) {
        Send(SB_LINEDOWN, 0);
    } else if (along < start) {
        Send(SB_PAGEUP, 0);
    } else if (along >= start + size) {
        Send(SB_PAGEDOWN, 0);
    } else {
        s->dragging = true;
        s->dragOffset = along - start;
        s->trackPos = s->info.nPos;
        SetCapture();
        return;
    }
    if (IsWindow()) Send(SB_ENDSCROLL, 0);
}

void CScrollBar::OnLButtonDblClk(UINT flags, CPoint point) {
    OnLButtonDown(flags, point);
}

void CScrollBar::OnMouseMove(UINT, CPoint point) {
    BarState* s = StateOf(this);
    if (!s || !s->dragging) return;
    const int pos = PositionFor((IsVertical() ? point.y : point.x) - s->dragOffset);
    if (pos == s->trackPos) return;
    s->trackPos = pos;
    Invalidate();
    Send(SB_THUMBTRACK, pos);
}

void CScrollBar::OnLButtonUp(UINT, CPoint) {
    BarState* s = StateOf(this);
    if (!s || !s->dragging) return;
    s->dragging = false;
    ReleaseCapture();
    const int pos = s->trackPos;
    Invalidate();
    Send(SB_THUMBPOSITION, pos);
    if (IsWindow()) Send(SB_ENDSCROLL, 0);
}
