#include "platform/ui/HeaderCtrl.h"

#include <algorithm>
#include <vector>

#include "platform/ui/Cursor.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

constexpr int kGrip = 3;

struct HeaderItem {
    int width = 0;
    std::string text;
    int format = HDF_LEFT;
    LPARAM param = 0;
};

struct HeaderState {
    std::vector<HeaderItem> items;
    int tracking = -1;
    int trackStartX = 0;
    int trackStartWidth = 0;
    int trackWidth = 0;
    int pressed = -1;
};

HeaderState* StateOf(const CWnd* wnd) {
    return CControlSupport::State<HeaderState>(wnd);
}

}  // namespace

BOOL CHeaderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, nullptr, "", style | WS_CHILD, rect, parent, id);
}

int CHeaderCtrl::GetItemCount() const {
    const HeaderState* s = StateOf(this);
    return s ? static_cast<int>(s->items.size()) : 0;
}

int CHeaderCtrl::InsertItem(int index, const HDITEM* item) {
    HeaderState* s = StateOf(this);
    if (!s || !item || s->items.size() >= 4096) return -1;
    index = std::clamp(index, 0, GetItemCount());
    HeaderItem h;
    if (item->mask & HDI_WIDTH) h.width = std::max(0, item->cxy);
    if (item->mask & HDI_TEXT) h.text = item->text;
    if (item->mask & HDI_FORMAT) h.format = item->fmt;
    if (item->mask & HDI_LPARAM) h.param = item->lParam;
    s->items.insert(s->items.begin() + index, h);
    Invalidate();
    return index;
}

BOOL CHeaderCtrl::DeleteItem(int index) {
    HeaderState* s = StateOf(this);
    if (!s || index < 0 || index >= GetItemCount()) return FALSE;
    s->items.erase(s->items.begin() + index);
    Invalidate();
    return TRUE;
}

BOOL CHeaderCtrl::GetItem(int index, HDITEM* item) const {
    const HeaderState* s = StateOf(this);
    if (!s || !item || index < 0 || index >= GetItemCount()) return FALSE;
    const HeaderItem& h = s->items[static_cast<size_t>(index)];
    if (item->mask & HDI_WIDTH) item->cxy = h.width;
    if (item->mask & HDI_TEXT) item->text = h.text;
    if (item->mask & HDI_FORMAT) item->fmt = h.format;
    if (item->mask & HDI_LPARAM) item->lParam = h.param;
    return TRUE;
}

BOOL CHeaderCtrl::SetItem(int index, const HDITEM* item) {
    HeaderState* s = StateOf(this);
    if (!s || !item || index < 0 || index >= GetItemCount()) return FALSE;
    HeaderItem& h = s->items[static_cast<size_t>(index)];
    if (item->mask & HDI_WIDTH) h.width = std::max(0, item->cxy);
    if (item->mask & HDI_TEXT) h.text = item->text;
    if (item->mask & HDI_FORMAT) h.format = item->fmt;
    if (item->mask & HDI_LPARAM) h.param = item->lParam;
    Invalidate();
    return TRUE;
}

BOOL CHeaderCtrl::GetItemRect(int index, RECT* rect) const {
    const HeaderState* s = StateOf(this);
    if (!s || !rect || index < 0 || index >= GetItemCount()) return FALSE;
    CRect client;
    GetClientRect(&client);
    int x = 0;
    for (int i = 0; i < index; ++i) x += s->items[static_cast<size_t>(i)].width;
    *rect = CRect(x, 0, x + s->items[static_cast<size_t>(index)].width, client.Height());
    return TRUE;
}

LRESULT CHeaderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<intptr_t>(wParam));
    switch (message) {
        case HDM_GETITEMCOUNT:
            return GetItemCount();
        case HDM_INSERTITEM:
            return InsertItem(index, reinterpret_cast<const HDITEM*>(lParam));
        case HDM_DELETEITEM:
            return DeleteItem(index);
        case HDM_GETITEM:
            return GetItem(index, reinterpret_cast<HDITEM*>(lParam));
        case HDM_SETITEM:
            return SetItem(index, reinterpret_cast<const HDITEM*>(lParam));
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

int CHeaderCtrl::DividerAt(CPoint point) const {
    const HeaderState* s = StateOf(this);
    int x = 0;
    int found = -1;
    for (int i = 0; i < GetItemCount(); ++i) {
        x += s->items[static_cast<size_t>(i)].width;
        // The last of several dividers at one place (zero-width columns)
        // wins, so that a collapsed column can be pulled open again.
        if (point.x >= x - kGrip && point.x <= x + kGrip) found = i;
    }
    return found;
}

int CHeaderCtrl::ItemAt(CPoint point) const {
    for (int i = 0; i < GetItemCount(); ++i) {
        CRect r;
        if (GetItemRect(i, &r) && r.PtInRect(point)) return i;
    }
    return -1;
}

LRESULT CHeaderCtrl::NotifyTrack(UINT code, int index, int width) {
    NMHEADER nm;
    HDITEM item;
    item.mask = HDI_WIDTH;
    item.cxy = width;
    nm.iItem = index;
    nm.iButton = 0;
    nm.pitem = &item;
    return CControlSupport::Notify(this, nm.hdr, code);
}

void CHeaderCtrl::OnLButtonDown(UINT, CPoint point) {
    HeaderState* s = StateOf(this);
    if (!s) return;
    const int divider = DividerAt(point);
    if (divider >= 0) {
        const int width = s->items[static_cast<size_t>(divider)].width;
        if (NotifyTrack(HDN_BEGINTRACK, divider, width) != 0) return;
        s = StateOf(this);
        if (!s) return;
        s->tracking = divider;
        s->trackStartX = point.x;
        s->trackStartWidth = s->trackWidth = width;
        SetCapture();
        return;
    }
    if (GetStyle() & HDS_BUTTONS) {
        s->pressed = ItemAt(point);
        if (s->pressed >= 0) {
            SetCapture();
            Invalidate();
        }
    }
}

void CHeaderCtrl::OnMouseMove(UINT, CPoint point) {
    HeaderState* s = StateOf(this);
    if (!s || s->tracking < 0) return;
    const int width = std::max(0, s->trackStartWidth + point.x - s->trackStartX);
    if (width == s->trackWidth) return;
    s->trackWidth = width;
    s->items[static_cast<size_t>(s->tracking)].width = width;
    Invalidate();
    NotifyTrack(HDN_TRACK, s->tracking, width);
}

void CHeaderCtrl::OnLButtonUp(UINT, CPoint point) {
    HeaderState* s = StateOf(this);
    if (!s) return;
    if (s->tracking >= 0) {
        const int index = s->tracking;
        const int width = s->trackWidth;
        s->tracking = -1;
        ReleaseCapture();
        NotifyTrack(HDN_ENDTRACK, index, width);
        if (!IsWindow() || index >= GetItemCount()) return;
        HDITEM item;
        item.mask = HDI_WIDTH;
        item.cxy = width;
        SetItem(index, &item);
        NotifyTrack(HDN_ITEMCHANGED, index, width);
        return;
    }
    if (s->pressed < 0) return;
    const int pressed = s->pressed;
    s->pressed = -1;
    ReleaseCapture();
    Invalidate();
    if (ItemAt(point) == pressed) {
        NMHEADER nm;
        nm.iItem = pressed;
        nm.iButton = 0;
        CControlSupport::Notify(this, nm.hdr, HDN_ITEMCLICK);
    }
}

BOOL CHeaderCtrl::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    CPoint point;
    GetCursorPos(&point);
    ScreenToClient(&point);
    const HeaderState* s = StateOf(this);
    if (hitTest == HTCLIENT && s && (s->tracking >= 0 || DividerAt(point) >= 0)) {
        SetCursor(CCursor::LoadStandard(IDC_SIZEWE));
        return TRUE;
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

BOOL CHeaderCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CHeaderCtrl::OnPaint() {
    CPaintDC dc(this);
    const HeaderState* s = StateOf(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
    CFont* old = CControlSupport::SelectFont(this, dc);
    for (int i = 0; i < GetItemCount(); ++i) {
        CRect r;
        GetItemRect(i, &r);
        if (r.IsRectEmpty()) continue;
        const HeaderItem& h = s->items[static_cast<size_t>(i)];
        CControlSupport::ButtonFace(dc, r, i == s->pressed, false);
        CRect text = r;
        text.DeflateRect(4, 0);
        if (i == s->pressed) text.OffsetRect(1, 1);
        const int justify = h.format & HDF_JUSTIFYMASK;
        const int align = justify == HDF_RIGHT ? 2 : justify == HDF_CENTER ? 1 : 0;
        CControlSupport::Text(dc, text, h.text, align, false, IsWindowEnabled() != FALSE);
    }
    dc.SelectObject(old);
}
