#include "platform/ui/TabCtrl.h"

#include <algorithm>
#include <vector>

#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

struct TabItem {
    std::string text;
    LPARAM param = 0;
};

struct TabState {
    std::vector<TabItem> items;
    int curSel = -1;
    bool focused = false;
};

TabState* StateOf(const CWnd* wnd) {
    return CControlSupport::State<TabState>(wnd);
}

}  // namespace

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, nullptr, "", style | WS_CHILD, rect, parent, id);
}

int CTabCtrl::InsertItem(int index, const std::string& text, LPARAM param) {
    TabState* s = StateOf(this);
    if (!s || s->items.size() >= 4096) return -1;
    index = std::clamp(index, 0, GetItemCount());
    s->items.insert(s->items.begin() + index, TabItem{text, param});
    if (s->curSel < 0) {
        s->curSel = 0;
    } else if (s->curSel >= index) {
        ++s->curSel;
    }
    Invalidate();
    return index;
}

int CTabCtrl::InsertItem(int index, const TCITEM* item) {
    if (!item) return -1;
    return InsertItem(index, (item->mask & TCIF_TEXT) ? item->text : std::string(),
                      (item->mask & TCIF_PARAM) ? item->lParam : 0);
}

BOOL CTabCtrl::DeleteItem(int index) {
    TabState* s = StateOf(this);
    if (!s || index < 0 || index >= GetItemCount()) return FALSE;
    s->items.erase(s->items.begin() + index);
    if (s->curSel == index) {
        s->curSel = -1;
    } else if (s->curSel > index) {
        --s->curSel;
    }
    Invalidate();
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems() {
    TabState* s = StateOf(this);
    if (!s) return FALSE;
    s->items.clear();
    s->curSel = -1;
    Invalidate();
    return TRUE;
}

int CTabCtrl::GetItemCount() const {
    const TabState* s = StateOf(this);
    return s ? static_cast<int>(s->items.size()) : 0;
}

BOOL CTabCtrl::GetItem(int index, TCITEM* item) const {
    const TabState* s = StateOf(this);
    if (!s || !item || index < 0 || index >= GetItemCount()) return FALSE;
    if (item->mask & TCIF_TEXT) item->text = s->items[static_cast<size_t>(index)].text;
    if (item->mask & TCIF_PARAM) item->lParam = s->items[static_cast<size_t>(index)].param;
    return TRUE;
}

BOOL CTabCtrl::SetItem(int index, const TCITEM* item) {
    TabState* s = StateOf(this);
    if (!s || !item || index < 0 || index >= GetItemCount()) return FALSE;
    if (item->mask & TCIF_TEXT) s->items[static_cast<size_t>(index)].text = item->text;
    if (item->mask & TCIF_PARAM) s->items[static_cast<size_t>(index)].param = item->lParam;
    Invalidate();
    return TRUE;
}

int CTabCtrl::GetCurSel() const {
    const TabState* s = StateOf(this);
    return s ? s->curSel : -1;
}

int CTabCtrl::SetCurSel(int index) {
    TabState* s = StateOf(this);
    if (!s || index < 0 || index >= GetItemCount()) return -1;
    const int old = s->curSel;
    s->curSel = index;
    Invalidate();
    return old;
}

int CTabCtrl::RowHeight() const {
    return CControlSupport::LineHeight(this) + (IsButtons() ? 8 : 6);
}

BOOL CTabCtrl::GetItemRect(int index, RECT* rect) const {
    const TabState* s = StateOf(this);
    if (!s || !rect || index < 0 || index >= GetItemCount()) return FALSE;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CControlSupport::SelectFont(this, dc);
    const int gap = IsButtons() ? 3 : 0;
    int x = IsButtons() ? 0 : 2;
    for (int i = 0; i <= index; ++i) {
        const std::string text =
            CControlSupport::StripMnemonic(s->items[static_cast<size_t>(i)].text);
        const int w = dc.GetTextExtent(text).cx + 12;
        if (i == index) {
            *rect = CRect(x, IsButtons() ? 0 : 2, x + w, RowHeight());
            return TRUE;
        }
        x += w + gap;
    }
    return FALSE;
}

void CTabCtrl::AdjustRect(BOOL larger, RECT* rect) const {
    if (!rect) return;
    const int top = RowHeight();
    if (larger) {
        rect->top -= top;
        rect->left -= 2;
        rect->right += 2;
        rect->bottom += 2;
    } else {
        rect->top += top;
        rect->left += 2;
        rect->right -= 2;
        rect->bottom -= 2;
    }
}

LRESULT CTabCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<intptr_t>(wParam));
    switch (message) {
        case TCM_GETITEMCOUNT:
            return GetItemCount();
        case TCM_GETITEM:
            return GetItem(index, reinterpret_cast<TCITEM*>(lParam));
        case TCM_SETITEM:
            return SetItem(index, reinterpret_cast<const TCITEM*>(lParam));
        case TCM_INSERTITEM:
            return InsertItem(index, reinterpret_cast<const TCITEM*>(lParam));
        case TCM_DELETEITEM:
            return DeleteItem(index);
        case TCM_DELETEALLITEMS:
            return DeleteAllItems();
        case TCM_GETITEMRECT:
            return GetItemRect(index, reinterpret_cast<RECT*>(lParam));
        case TCM_GETCURSEL:
            return GetCurSel();
        case TCM_SETCURSEL:
            return SetCurSel(index);
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CTabCtrl::UserSelect(int index) {
    if (index < 0 || index >= GetItemCount() || index == GetCurSel()) return;
    NMHDR head;
    if (CControlSupport::Notify(this, head, TCN_SELCHANGING) != 0) return;
    if (!IsWindow() || SetCurSel(index) < -1) return;
    NMHDR change;
    CControlSupport::Notify(this, change, TCN_SELCHANGE);
}

void CTabCtrl::OnLButtonDown(UINT, CPoint point) {
    if (!(GetStyle() & TCS_FOCUSNEVER)) SetFocus();
    for (int i = 0; i < GetItemCount(); ++i) {
        CRect r;
        if (GetItemRect(i, &r) && r.PtInRect(point)) {
            UserSelect(i);
            return;
        }
    }
}

void CTabCtrl::OnKeyDown(UINT key, UINT, UINT) {
    NMTCKEYDOWN down;
    down.wVKey = static_cast<WORD>(key);
    CControlSupport::Notify(this, down.hdr, TCN_KEYDOWN);
    if (!IsWindow()) return;
    if (key == VK_LEFT) UserSelect(GetCurSel() - 1);
    if (key == VK_RIGHT) UserSelect(GetCurSel() + 1);
}

void CTabCtrl::OnSetFocus(CWnd*) {
    if (TabState* s = StateOf(this)) s->focused = true;
    Invalidate();
}

void CTabCtrl::OnKillFocus(CWnd*) {
    if (TabState* s = StateOf(this)) s->focused = false;
    Invalidate();
}

BOOL CTabCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CTabCtrl::OnPaint() {
    CPaintDC dc(this);
    const TabState* s = StateOf(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
    CFont* old = CControlSupport::SelectFont(this, dc);
    const int row = RowHeight();
    if (!IsButtons() && client.Height() > row) {
        CRect page(client.left, row - 1, client.right, client.bottom);
        CControlSupport::Raised(dc, page);
    }
    for (int i = 0; i < GetItemCount(); ++i) {
        CRect r;
        GetItemRect(i, &r);
        const bool selected = i == s->curSel;
        if (IsButtons()) {
            CControlSupport::ButtonFace(dc, r, selected, false);
        } else {
            if (selected) r.InflateRect(2, 2);
            r.bottom = selected ? row + 1 : row;
            dc.FillSolidRect(r, GetSysColor(COLOR_BTNFACE));
            dc.FillSolidRect(r.left, r.top, 1, r.Height(), GetSysColor(COLOR_BTNHIGHLIGHT));
            dc.FillSolidRect(r.left, r.top, r.Width(), 1, GetSysColor(COLOR_BTNHIGHLIGHT));
            dc.FillSolidRect(r.right - 1, r.top, 1, r.Height(), GetSysColor(COLOR_3DDKSHADOW));
            dc.FillSolidRect(r.right - 2, r.top + 1, 1, r.Height() - 1,
                             GetSysColor(COLOR_BTNSHADOW));
        }
        CRect text = r;
        if (selected && IsButtons()) text.OffsetRect(1, 1);
        CControlSupport::Text(dc, text, s->items[static_cast<size_t>(i)].text, 1, false,
                              IsWindowEnabled() != FALSE);
        if (selected && s->focused) {
            CRect f = text;
            f.DeflateRect(3, 3);
            dc.DrawFocusRect(f);
        }
    }
    dc.SelectObject(old);
}
