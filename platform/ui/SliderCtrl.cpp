#include "platform/ui/SliderCtrl.h"

#include <algorithm>

#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

constexpr int kThumbLength = 10;

struct SliderState {
    int minPos = 0;
    int maxPos = 100;
    int pos = 0;
    int line = 1;
    int page = 20;
    bool dragging = false;
    bool focused = false;
};

SliderState* StateOf(const CWnd* wnd) {
    return CControlSupport::State<SliderState>(wnd);
}

}  // namespace

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, nullptr, "", style | WS_CHILD, rect, parent, id);
}

void CSliderCtrl::SetRange(int minPos, int maxPos, BOOL) {
    SliderState* s = StateOf(this);
    if (!s) return;
    s->minPos = minPos;
    s->maxPos = std::max(minPos, maxPos);
    s->pos = std::clamp(s->pos, s->minPos, s->maxPos);
    Invalidate();
}

void CSliderCtrl::GetRange(int& minPos, int& maxPos) const {
    minPos = GetRangeMin();
    maxPos = GetRangeMax();
}

int CSliderCtrl::GetRangeMin() const {
    const SliderState* s = StateOf(this);
    return s ? s->minPos : 0;
}

int CSliderCtrl::GetRangeMax() const {
    const SliderState* s = StateOf(this);
    return s ? s->maxPos : 0;
}

void CSliderCtrl::SetPos(int pos) {
    SliderState* s = StateOf(this);
    if (!s) return;
    s->pos = std::clamp(pos, s->minPos, s->maxPos);
    Invalidate();
}

int CSliderCtrl::GetPos() const {
    const SliderState* s = StateOf(this);
    return s ? s->pos : 0;
}

int CSliderCtrl::SetLineSize(int size) {
    SliderState* s = StateOf(this);
    if (!s) return 0;
    const int old = s->line;
    s->line = std::max(1, size);
    return old;
}

int CSliderCtrl::GetLineSize() const {
    const SliderState* s = StateOf(this);
    return s ? s->line : 0;
}

int CSliderCtrl::SetPageSize(int size) {
    SliderState* s = StateOf(this);
    if (!s) return 0;
    const int old = s->page;
    s->page = std::max(1, size);
    return old;
}

int CSliderCtrl::GetPageSize() const {
    const SliderState* s = StateOf(this);
    return s ? s->page : 0;
}

LRESULT CSliderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case TBM_GETPOS:
            return GetPos();
        case TBM_SETPOS:
            SetPos(static_cast<int>(lParam));
            return 0;
        case TBM_SETRANGE:
            SetRange(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<BOOL>(wParam));
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

CRect CSliderCtrl::Channel() const {
    CRect client;
    GetClientRect(&client);
    const int half = kThumbLength / 2 + 2;
    if (IsVertical()) {
        const int x = client.Width() / 2;
        return CRect(x - 2, client.top + half, x + 2, client.bottom - half);
    }
    const int y = client.Height() / 2;
    return CRect(client.left + half, y - 2, client.right - half, y + 2);
}

CRect CSliderCtrl::ThumbRect() const {
    const SliderState* s = StateOf(this);
    CRect client;
    GetClientRect(&client);
    const CRect channel = Channel();
    const int span = std::max(1, s->maxPos - s->minPos);
    if (IsVertical()) {
        const int y = channel.top + (channel.Height() - 1) * (s->pos - s->minPos) / span;
        return CRect(client.left + 2, y - kThumbLength / 2, client.right - 2, y + kThumbLength / 2);
    }
    const int x = channel.left + (channel.Width() - 1) * (s->pos - s->minPos) / span;
    return CRect(x - kThumbLength / 2, client.top + 2, x + kThumbLength / 2, client.bottom - 2);
}

int CSliderCtrl::PositionAt(CPoint point) const {
    const SliderState* s = StateOf(this);
    const CRect channel = Channel();
    const int length = std::max(1, (IsVertical() ? channel.Height() : channel.Width()) - 1);
    const int offset = IsVertical() ? point.y - channel.top : point.x - channel.left;
    const int span = s->maxPos - s->minPos;
    return s->minPos + std::clamp((offset * span + length / 2) / length, 0, span);
}

void CSliderCtrl::Move(int pos, int code) {
    SliderState* s = StateOf(this);
    if (!s) return;
    pos = std::clamp(pos, s->minPos, s->maxPos);
    s->pos = pos;
    Invalidate();
    CControlSupport::ToParent(this, IsVertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos),
                              reinterpret_cast<LPARAM>(this));
}

BOOL CSliderCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CSliderCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
    CControlSupport::Sunken(dc, Channel());
    CControlSupport::ButtonFace(dc, ThumbRect(), false, false);
    const SliderState* s = StateOf(this);
    if (s->focused) dc.DrawFocusRect(client);
}

void CSliderCtrl::OnLButtonDown(UINT, CPoint point) {
    SliderState* s = StateOf(this);
    if (!s) return;
    SetFocus();
    const CRect thumb = ThumbRect();
    if (thumb.PtInRect(point)) {
        s->dragging = true;
        SetCapture();
        return;
    }
    const bool before = IsVertical() ? point.y < thumb.top : point.x < thumb.left;
    Move(s->pos + (before ? -s->page : s->page), before ? TB_PAGEUP : TB_PAGEDOWN);
    if (IsWindow()) Move(GetPos(), TB_ENDTRACK);
}

void CSliderCtrl::OnMouseMove(UINT, CPoint point) {
    SliderState* s = StateOf(this);
    if (!s || !s->dragging) return;
    const int pos = PositionAt(point);
    if (pos != s->pos) Move(pos, TB_THUMBTRACK);
}

void CSliderCtrl::OnLButtonUp(UINT, CPoint) {
    SliderState* s = StateOf(this);
    if (!s || !s->dragging) return;
    s->dragging = false;
    ReleaseCapture();
    Move(s->pos, TB_THUMBPOSITION);
    if (IsWindow()) Move(GetPos(), TB_ENDTRACK);
}

void CSliderCtrl::OnKeyDown(UINT key, UINT, UINT) {
    SliderState* s = StateOf(this);
    if (!s) return;
    switch (key) {
        case VK_LEFT:
        case VK_UP:
            Move(s->pos - s->line, TB_LINEUP);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            Move(s->pos + s->line, TB_LINEDOWN);
            break;
        case VK_PRIOR:
            Move(s->pos - s->page, TB_PAGEUP);
            break;
        case VK_NEXT:
            Move(s->pos + s->page, TB_PAGEDOWN);
            break;
        case VK_HOME:
            Move(s->minPos, TB_TOP);
            break;
        case VK_END:
            Move(s->maxPos, TB_BOTTOM);
            break;
        default:
            return;
    }
    if (IsWindow()) Move(GetPos(), TB_ENDTRACK);
}

void CSliderCtrl::OnSetFocus(CWnd*) {
    if (SliderState* s = StateOf(this)) s->focused = true;
    Invalidate();
}

void CSliderCtrl::OnKillFocus(CWnd*) {
    if (SliderState* s = StateOf(this)) s->focused = false;
    Invalidate();
}
