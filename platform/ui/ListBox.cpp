#include "platform/ui/ListBox.h"

#include <algorithm>

#include "platform/ui/Brush.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"
#include "platform/ui/detail/ItemList.h"

namespace {

struct ListState {
    CItemList items;
    int top = 0;
    int fixedHeight = 0;  // 0 = not known yet
    bool focused = false;
    // Created with WS_VSCROLL (the style bit itself follows the bar's
    // visibility).
    bool hasBar = false;
};

ListState* StateOf(const CWnd* wnd) {
    return CControlSupport::State<ListState>(wnd);
}

}  // namespace

int CListBox::OnCreate(CREATESTRUCT* create) {
    if (ListState* s = StateOf(this)) s->hasBar = create && (create->style & WS_VSCROLL);
    return 0;
}

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, nullptr, "", style | WS_CHILD, rect, parent, id);
}

bool CListBox::IsOwnerDrawn() const {
    return (GetStyle() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

int CListBox::GetCount() const {
    const ListState* s = StateOf(this);
    return s ? s->items.Count() : 0;
}

int CListBox::AddString(const std::string& text) {
    ListState* s = StateOf(this);
    if (!s) return LB_ERR;
    const bool sorted = (GetStyle() & LBS_SORT) && !IsOwnerDrawn();
    return InsertString(sorted ? s->items.SortedIndex(text) : s->items.Count(), text);
}

int CListBox::InsertString(int index, const std::string& text) {
    ListState* s = StateOf(this);
    const int at = s ? s->items.Insert(index, text) : -1;
    if (at < 0) return LB_ERR;
    UpdateScroll();
    Invalidate();
    return at;
}

int CListBox::DeleteString(UINT index) {
    ListState* s = StateOf(this);
    if (!s || !s->items.Erase(index)) return LB_ERR;
    s->top = std::clamp(s->top, 0, std::max(0, GetCount() - 1));
    UpdateScroll();
    Invalidate();
    return GetCount();
}

void CListBox::ResetContent() {
    ListState* s = StateOf(this);
    if (!s) return;
    s->items.Clear();
    s->top = 0;
    UpdateScroll();
    Invalidate();
}

int CListBox::GetCurSel() const {
    const ListState* s = StateOf(this);
    return s ? s->items.Selected() : LB_ERR;
}

int CListBox::SetCurSel(int index) {
    ListState* s = StateOf(this);
    if (!s) return LB_ERR;
    const bool valid = s->items.Has(index);
    s->items.Select(valid ? index : -1);
    if (valid) EnsureVisible(index);
    Invalidate();
    return valid || index == -1 ? s->items.Selected() : LB_ERR;
}

int CListBox::GetText(int index, std::string& text) const {
    const ListState* s = StateOf(this);
    if (!s || !s->items.Has(index)) return LB_ERR;
    text = s->items.At(index).text;
    return static_cast<int>(text.size());
}

std::string CListBox::GetText(int index) const {
    std::string text;
    GetText(index, text);
    return text;
}

int CListBox::GetTextLen(int index) const {
    std::string text;
    return GetText(index, text);
}

int CListBox::SetItemData(int index, uintptr_t data) {
    ListState* s = StateOf(this);
    if (!s || !s->items.Has(index)) return LB_ERR;
    s->items.At(index).data = data;
    return 0;
}

uintptr_t CListBox::GetItemData(int index) const {
    const ListState* s = StateOf(this);
    if (!s || !s->items.Has(index)) return static_cast<uintptr_t>(LB_ERR);
    return s->items.At(index).data;
}

int CListBox::SetItemHeight(int index, UINT height) {
    ListState* s = StateOf(this);
    if (!s || height == 0 || height > 0xFFFF) return LB_ERR;
    if (GetStyle() & LBS_OWNERDRAWVARIABLE) {
        if (!s->items.Has(index)) return LB_ERR;
        s->items.At(index).height = static_cast<int>(height);
    } else {
        s->fixedHeight = static_cast<int>(height);
    }
    UpdateScroll();
    Invalidate();
    return 0;
}

int CListBox::GetItemHeight(int index) const {
    if ((GetStyle() & LBS_OWNERDRAWVARIABLE) && (index < 0 || index >= GetCount())) return LB_ERR;
    return HeightOf(index);
}

int CListBox::HeightOf(int index) const {
    ListState* s = StateOf(this);
    if (!s) return 1;
    const bool variable = (GetStyle() & LBS_OWNERDRAWVARIABLE) != 0;
    if (variable && s->items.Has(index)) {
        if (s->items.At(index).height == 0) {
            MEASUREITEMSTRUCT mis;
            mis.CtlType = ODT_LISTBOX;
            mis.itemID = static_cast<UINT>(index);
            mis.itemData = s->items.At(index).data;
            const int height = CControlSupport::ItemHeight(const_cast<CListBox*>(this), mis, true);
            s = StateOf(this);
            if (!s || index >= GetCount()) return 1;
            s->items.At(index).height = height;
        }
        return s->items.At(index).height;
    }
    if (s->fixedHeight == 0) {
        MEASUREITEMSTRUCT mis;
        mis.CtlType = ODT_LISTBOX;
        const int height =
            CControlSupport::ItemHeight(const_cast<CListBox*>(this), mis, IsOwnerDrawn());
        s = StateOf(this);
        if (!s) return 1;
        s->fixedHeight = height;
    }
    return s->fixedHeight;
}

int CListBox::GetTopIndex() const {
    const ListState* s = StateOf(this);
    return s ? s->top : 0;
}

int CListBox::SetTopIndex(int index) {
    ListState* s = StateOf(this);
    if (!s || index < 0 || (index >= GetCount() && index != 0)) return LB_ERR;
    s->top = index;
    UpdateScroll();
    Invalidate();
    return 0;
}

int CListBox::GetItemRect(int index, RECT* rect) const {
    if (!rect || index < 0 || index >= std::max(1, GetCount())) return LB_ERR;
    CRect client;
    GetClientRect(&client);
    const int top = GetTopIndex();
    int y = 0;
    if (index >= top) {
        for (int i = top; i < index; ++i) y += HeightOf(i);
    } else {
        for (int i = index; i < top; ++i) y -= HeightOf(i);
    }
    *rect = CRect(0, y, client.Width(), y + HeightOf(index));
    return 0;
}

int CListBox::FindString(int startAfter, const std::string& prefix) const {
    const ListState* s = StateOf(this);
    return s ? s->items.Find(startAfter, prefix) : LB_ERR;
}

int CListBox::ItemFromPoint(CPoint point) const {
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) return -1;
    int y = 0;
    for (int i = GetTopIndex(); i < GetCount(); ++i) {
        const int h = HeightOf(i);
        if (point.y < y + h) return i;
        y += h;
    }
    return -1;
}

int CListBox::VisibleFrom(int top) const {
    CRect client;
    GetClientRect(&client);
    int y = 0, n = 0;
    for (int i = top; i < GetCount(); ++i) {
        y += HeightOf(i);
        if (y > client.Height()) break;
        ++n;
    }
    return std::max(1, n);
}

void CListBox::EnsureVisible(int index) {
    ListState* s = StateOf(this);
    if (!s || index < 0) return;
    if (index < s->top) {
        s->top = index;
    } else {
        while (s->top < index && index >= s->top + VisibleFrom(s->top)) ++s->top;
    }
    UpdateScroll();
}

void CListBox::UpdateScroll() {
    ListState* s = StateOf(this);
    if (!s || !s->hasBar) return;
    const int count = GetCount();
    const int page = VisibleFrom(s->top);
    const bool needed = count > page || s->top > 0;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, count - 1);
    si.nPage = static_cast<UINT>(page);
    si.nPos = s->top;
    SetScrollInfo(SB_VERT, &si, TRUE);
    ShowScrollBar(SB_VERT, needed || (GetStyle() & LBS_DISABLENOSCROLL) ? TRUE : FALSE);
}

void CListBox::OnSize(UINT, int, int) {
    UpdateScroll();
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {
    m_drawItemDefault = true;
}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {
    m_measureItemDefault = true;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    return CControlSupport::OfferItemToSelf(*this, message, lParam, result, m_drawItemDefault,
                                            m_measureItemDefault);
}

LRESULT CListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<intptr_t>(wParam));
    switch (message) {
        case LB_ADDSTRING:
            return AddString(lParam ? reinterpret_cast<const char*>(lParam) : "");
        case LB_INSERTSTRING:
            return InsertString(index, lParam ? reinterpret_cast<const char*>(lParam) : "");
        case LB_DELETESTRING:
            return DeleteString(static_cast<UINT>(wParam));
        case LB_RESETCONTENT:
            ResetContent();
            return 0;
        case LB_SETCURSEL:
            return SetCurSel(index);
        case LB_GETCURSEL:
            return GetCurSel();
        case LB_GETCOUNT:
            return GetCount();
        case LB_GETTEXT:
            return lParam ? GetText(index, *reinterpret_cast<std::string*>(lParam)) : LB_ERR;
        case LB_GETTEXTLEN:
            return GetTextLen(index);
        case LB_SETITEMDATA:
            return SetItemData(index, static_cast<uintptr_t>(lParam));
        case LB_GETITEMDATA:
            return static_cast<LRESULT>(GetItemData(index));
        case LB_SETITEMHEIGHT:
            return SetItemHeight(index, static_cast<UINT>(LOWORD(lParam)));
        case LB_GETITEMHEIGHT:
            return GetItemHeight(index);
        case LB_SETTOPINDEX:
            return SetTopIndex(index);
        case LB_GETTOPINDEX:
            return GetTopIndex();
        case LB_GETITEMRECT:
            return GetItemRect(index, reinterpret_cast<RECT*>(lParam));
        case LB_FINDSTRING:
            return FindString(index, lParam ? reinterpret_cast<const char*>(lParam) : "");
        case WM_ENABLE: {
            const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
            Invalidate();
            return r;
        }
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CListBox::UserSelect(int index) {
    ListState* s = StateOf(this);
    if (!s || !s->items.Has(index)) return;
    const bool changed = s->items.Selected() != index;
    s->items.Select(index);
    EnsureVisible(index);
    Invalidate();
    if (changed && (GetStyle() & LBS_NOTIFY)) CControlSupport::Command(this, LBN_SELCHANGE);
}

void CListBox::OnLButtonDown(UINT, CPoint point) {
    SetFocus();
    UserSelect(ItemFromPoint(point));
}

void CListBox::OnLButtonDblClk(UINT, CPoint point) {
    const int item = ItemFromPoint(point);
    if (item < 0) return;
    UserSelect(item);
    if (GetStyle() & LBS_NOTIFY) CControlSupport::Command(this, LBN_DBLCLK);
}

void CListBox::OnKeyDown(UINT key, UINT, UINT) {
    const int count = GetCount();
    if (count == 0) return;
    const int cur = GetCurSel();
    const int page = VisibleFrom(GetTopIndex());
    int next = cur;
    switch (key) {
        case VK_UP:
            next = cur <= 0 ? 0 : cur - 1;
            break;
        case VK_DOWN:
            next = cur < 0 ? 0 : std::min(count - 1, cur + 1);
            break;
        case VK_PRIOR:
            next = std::max(0, cur - page + 1);
            break;
        case VK_NEXT:
            next = std::min(count - 1, std::max(0, cur) + page - 1);
            break;
        case VK_HOME:
            next = 0;
            break;
        case VK_END:
            next = count - 1;
            break;
        default:
            return;
    }
    UserSelect(next);
}

void CListBox::OnVScroll(UINT code, UINT pos, CWnd*) {
    ListState* s = StateOf(this);
    if (!s) return;
    const int page = VisibleFrom(s->top);
    const int last = std::max(0, GetCount() - page);
    int top = s->top;
    if (!CControlSupport::ScrollTarget(code, pos, s->top, page, last, top)) return;
    top = std::clamp(top, 0, last);
    if (top == s->top) return;
    s->top = top;
    UpdateScroll();
    Invalidate();
}

BOOL CListBox::OnMouseWheel(UINT, short delta, CPoint) {
    OnVScroll(delta > 0 ? SB_LINEUP : SB_LINEDOWN, 0, nullptr);
    return TRUE;
}

void CListBox::OnSetFocus(CWnd*) {
    if (ListState* s = StateOf(this)) s->focused = true;
    Invalidate();
}

void CListBox::OnKillFocus(CWnd*) {
    if (ListState* s = StateOf(this)) s->focused = false;
    Invalidate();
}

BOOL CListBox::OnEraseBkgnd(CDC* dc) {
    if (!dc) return FALSE;
    CRect client;
    GetClientRect(&client);
    CControlSupport::Background(this, *dc, client, CTLCOLOR_LISTBOX, GetSysColor(COLOR_WINDOW));
    return TRUE;
}

void CListBox::PaintItem(CDC& dc, int index, const CRect& rect) {
    const ListState* s = StateOf(this);
    const int sel = s->items.Selected();
    const bool selected = index == sel;
    const bool focus = s->focused && (index == sel || (sel < 0 && index == 0));
    if (IsOwnerDrawn()) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_LISTBOX;
        dis.itemID = index < GetCount() ? static_cast<UINT>(index) : static_cast<UINT>(-1);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (selected ? ODS_SELECTED : 0) | (focus ? ODS_FOCUS : 0) |
                        (IsWindowEnabled() ? 0 : ODS_DISABLED);
        dis.rcItem = rect;
        dis.itemData = index < GetCount() ? s->items.At(index).data : 0;
        CControlSupport::DrawListItem(this, dc, dis);
        return;
    }
    if (selected) dc.FillSolidRect(rect, GetSysColor(COLOR_HIGHLIGHT));
    CControlSupport::ItemText(dc, rect, s->items.At(index).text, selected,
                              IsWindowEnabled() != FALSE);
    if (focus) dc.DrawFocusRect(rect);
}

void CListBox::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CFont* old = CControlSupport::SelectFont(this, dc);
    int y = 0;
    for (int i = GetTopIndex(); i < GetCount() && y < client.Height(); ++i) {
        const int h = HeightOf(i);
        PaintItem(dc, i, CRect(0, y, client.Width(), y + h));
        if (!IsWindow()) return;
        y += h;
    }
    dc.SelectObject(old);
}
