#include "platform/ui/ListBox.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/ui/Brush.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

// Items past this would only come from a runaway caller.
constexpr int kMaxItems = 1 << 20;

struct ListItem {
    std::string text;
    uintptr_t data = 0;
    int height = 0;  // variable lists; 0 = not measured yet
};

struct ListState {
    std::vector<ListItem> items;
    int curSel = -1;
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

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
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
    return s ? static_cast<int>(s->items.size()) : 0;
}

int CListBox::AddString(const std::string& text) {
    ListState* s = StateOf(this);
    if (!s) return LB_ERR;
    int index = static_cast<int>(s->items.size());
    if ((GetStyle() & LBS_SORT) && !IsOwnerDrawn()) {
        auto it = std::upper_bound(
            s->items.begin(), s->items.end(), text,
            [](const std::string& t, const ListItem& item) { return LessNoCase(t, item.text); });
        index = static_cast<int>(it - s->items.begin());
    }
    return InsertString(index, text);
}

int CListBox::InsertString(int index, const std::string& text) {
    ListState* s = StateOf(this);
    if (!s || static_cast<int>(s->items.size()) >= kMaxItems) return LB_ERR;
    const int count = static_cast<int>(s->items.size());
    if (index == -1) index = count;
    if (index < 0 || index > count) return LB_ERR;
    s->items.insert(s->items.begin() + index, ListItem{text, 0, 0});
    if (s->curSel >= index) ++s->curSel;
    UpdateScroll();
    Invalidate();
    return index;
}

int CListBox::DeleteString(UINT index) {
    ListState* s = StateOf(this);
    if (!s || index >= s->items.size()) return LB_ERR;
    s->items.erase(s->items.begin() + static_cast<long>(index));
    const int i = static_cast<int>(index);
    if (s->curSel == i) {
        s->curSel = -1;
    } else if (s->curSel > i) {
        --s->curSel;
    }
    s->top = std::clamp(s->top, 0, std::max(0, GetCount() - 1));
    UpdateScroll();
    Invalidate();
    return GetCount();
}

void CListBox::ResetContent() {
    ListState* s = StateOf(this);
    if (!s) return;
    s->items.clear();
    s->curSel = -1;
    s->top = 0;
    UpdateScroll();
    Invalidate();
}

int CListBox::GetCurSel() const {
    const ListState* s = StateOf(this);
    return s ? s->curSel : LB_ERR;
}

int CListBox::SetCurSel(int index) {
    ListState* s = StateOf(this);
    if (!s) return LB_ERR;
    const bool valid = index >= 0 && index < GetCount();
    s->curSel = valid ? index : -1;
    if (valid) EnsureVisible(index);
    Invalidate();
    return valid || index == -1 ? s->curSel : LB_ERR;
}

int CListBox::GetText(int index, std::string& text) const {
    const ListState* s = StateOf(this);
    if (!s || index < 0 || index >= GetCount()) return LB_ERR;
    text = s->items[static_cast<size_t>(index)].text;
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
    if (!s || index < 0 || index >= GetCount()) return LB_ERR;
    s->items[static_cast<size_t>(index)].data = data;
    return 0;
}

uintptr_t CListBox::GetItemData(int index) const {
    const ListState* s = StateOf(this);
    if (!s || index < 0 || index >= GetCount()) return static_cast<uintptr_t>(LB_ERR);
    return s->items[static_cast<size_t>(index)].data;
}

int CListBox::SetItemHeight(int index, UINT height) {
    ListState* s = StateOf(this);
    if (!s || height == 0 || height > 0xFFFF) return LB_ERR;
    if (GetStyle() & LBS_OWNERDRAWVARIABLE) {
        if (index < 0 || index >= GetCount()) return LB_ERR;
        s->items[static_cast<size_t>(index)].height = static_cast<int>(height);
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
    if (variable && index >= 0 && index < GetCount()) {
        ListItem& item = s->items[static_cast<size_t>(index)];
        if (item.height == 0) {
            MEASUREITEMSTRUCT mis;
            mis.CtlType = ODT_LISTBOX;
            mis.CtlID = GetDlgCtrlID();
            mis.itemID = static_cast<UINT>(index);
            mis.itemData = item.data;
            mis.itemHeight = static_cast<UINT>(CControlSupport::LineHeight(this));
            CControlSupport::Measure(const_cast<CListBox*>(this), mis);
            s = StateOf(this);
            if (!s || index >= GetCount()) return 1;
            s->items[static_cast<size_t>(index)].height =
                std::clamp(static_cast<int>(mis.itemHeight), 1, 0xFFFF);
        }
        return s->items[static_cast<size_t>(index)].height;
    }
    if (s->fixedHeight == 0) {
        MEASUREITEMSTRUCT mis;
        mis.CtlType = ODT_LISTBOX;
        mis.CtlID = GetDlgCtrlID();
        mis.itemHeight = static_cast<UINT>(CControlSupport::LineHeight(this));
        if (IsOwnerDrawn()) CControlSupport::Measure(const_cast<CListBox*>(this), mis);
        s = StateOf(this);
        if (!s) return 1;
        s->fixedHeight = std::clamp(static_cast<int>(mis.itemHeight), 1, 0xFFFF);
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
    const int count = GetCount();
    for (int k = 1; k <= count; ++k) {
        const int i = ((startAfter < 0 ? -1 : startAfter) + k) % count;
        const std::string text = GetText(i);
        if (text.size() < prefix.size()) continue;
        if (!LessNoCase(text.substr(0, prefix.size()), prefix) &&
            !LessNoCase(prefix, text.substr(0, prefix.size()))) {
            return i;
        }
    }
    return LB_ERR;
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
    if (message == WM_DRAWITEM) {
        m_drawItemDefault = false;
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        if (m_drawItemDefault) return FALSE;
    } else if (message == WM_MEASUREITEM) {
        m_measureItemDefault = false;
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        if (m_measureItemDefault) return FALSE;
    } else {
        return FALSE;
    }
    if (result) *result = TRUE;
    return TRUE;
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
    if (!s || index < 0 || index >= GetCount()) return;
    const bool changed = s->curSel != index;
    s->curSel = index;
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
    switch (static_cast<int>(code)) {
        case SB_LINEUP:
            --top;
            break;
        case SB_LINEDOWN:
            ++top;
            break;
        case SB_PAGEUP:
            top -= page;
            break;
        case SB_PAGEDOWN:
            top += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            top = static_cast<int>(pos);
            break;
        case SB_TOP:
            top = 0;
            break;
        case SB_BOTTOM:
            top = last;
            break;
        default:
            return;
    }
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
    CBrush* brush = CControlSupport::CtlColor(this, *dc, CTLCOLOR_LISTBOX);
    if (brush) {
        dc->FillRect(client, brush);
    } else {
        dc->FillSolidRect(client, GetSysColor(COLOR_WINDOW));
    }
    return TRUE;
}

void CListBox::PaintItem(CDC& dc, int index, const CRect& rect) {
    const ListState* s = StateOf(this);
    const bool selected = index == s->curSel;
    const bool focus = s->focused && (index == s->curSel || (s->curSel < 0 && index == 0));
    if (IsOwnerDrawn()) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_LISTBOX;
        dis.itemID = index < GetCount() ? static_cast<UINT>(index) : static_cast<UINT>(-1);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (selected ? ODS_SELECTED : 0) | (focus ? ODS_FOCUS : 0) |
                        (IsWindowEnabled() ? 0 : ODS_DISABLED);
        dis.hDC = &dc;
        dis.rcItem = rect;
        dis.itemData = index < GetCount() ? s->items[static_cast<size_t>(index)].data : 0;
        const int saved = dc.SaveDC();
        CControlSupport::DrawItem(this, dis);
        dc.RestoreDC(saved);
        return;
    }
    if (selected) dc.FillSolidRect(rect, GetSysColor(COLOR_HIGHLIGHT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(!IsWindowEnabled() ? COLOR_GRAYTEXT
                                : selected         ? COLOR_HIGHLIGHTTEXT
                                                   : COLOR_WINDOWTEXT));
    dc.TextOut(rect.left + 2, rect.top, s->items[static_cast<size_t>(index)].text);
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
