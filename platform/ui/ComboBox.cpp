#include "platform/ui/ComboBox.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

#include "platform/ui/Brush.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ComboDropList.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

constexpr int kMaxItems = 1 << 20;

struct ComboItem {
    std::string text;
    uintptr_t data = 0;
};

struct ComboState {
    std::vector<ComboItem> items;
    int curSel = -1;
    int itemHeight = 0;  // 0 = not known yet
    int listHeight = 0;  // the dropped list's room below the box
    bool focused = false;
    std::shared_ptr<CComboDropList> list;
    // The list closes from inside its own handlers; its object lives on
    // until the next drop.
    std::shared_ptr<CComboDropList> closed;
};

ComboState* StateOf(const CWnd* wnd) {
    return CControlSupport::State<ComboState>(wnd);
}

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, nullptr, "", style | WS_CHILD, rect, parent, id);
}

bool CComboBox::IsOwnerDrawn() const {
    return (GetStyle() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

int CComboBox::OnCreate(CREATESTRUCT* create) {
    if (ComboState* s = StateOf(this)) s->listHeight = create ? create->cy : 0;
    return 0;
}

void CComboBox::OnDestroy() {
    ShowDropDown(FALSE);
    CWnd::OnDestroy();
}

int CComboBox::GetCount() const {
    const ComboState* s = StateOf(this);
    return s ? static_cast<int>(s->items.size()) : 0;
}

int CComboBox::AddString(const std::string& text) {
    ComboState* s = StateOf(this);
    if (!s) return CB_ERR;
    int index = GetCount();
    if ((GetStyle() & CBS_SORT) && !IsOwnerDrawn()) {
        auto it = std::upper_bound(
            s->items.begin(), s->items.end(), text,
            [](const std::string& t, const ComboItem& item) { return LessNoCase(t, item.text); });
        index = static_cast<int>(it - s->items.begin());
    }
    return InsertString(index, text);
}

int CComboBox::InsertString(int index, const std::string& text) {
    ComboState* s = StateOf(this);
    if (!s || GetCount() >= kMaxItems) return CB_ERR;
    if (index == -1) index = GetCount();
    if (index < 0 || index > GetCount()) return CB_ERR;
    s->items.insert(s->items.begin() + index, ComboItem{text, 0});
    if (s->curSel >= index) ++s->curSel;
    Invalidate();
    return index;
}

int CComboBox::DeleteString(UINT index) {
    ComboState* s = StateOf(this);
    if (!s || index >= s->items.size()) return CB_ERR;
    s->items.erase(s->items.begin() + static_cast<long>(index));
    const int i = static_cast<int>(index);
    if (s->curSel == i) {
        s->curSel = -1;
    } else if (s->curSel > i) {
        --s->curSel;
    }
    Invalidate();
    return GetCount();
}

void CComboBox::ResetContent() {
    ComboState* s = StateOf(this);
    if (!s) return;
    s->items.clear();
    s->curSel = -1;
    Invalidate();
}

int CComboBox::GetCurSel() const {
    const ComboState* s = StateOf(this);
    return s ? s->curSel : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
    ComboState* s = StateOf(this);
    if (!s) return CB_ERR;
    const bool valid = index >= 0 && index < GetCount();
    s->curSel = valid ? index : -1;
    if (valid && s->list) s->list->SetHot(index);
    Invalidate();
    return valid ? index : CB_ERR;
}

int CComboBox::GetLBText(int index, std::string& text) const {
    const ComboState* s = StateOf(this);
    if (!s || index < 0 || index >= GetCount()) return CB_ERR;
    text = s->items[static_cast<size_t>(index)].text;
    return static_cast<int>(text.size());
}

std::string CComboBox::GetLBText(int index) const {
    std::string text;
    GetLBText(index, text);
    return text;
}

int CComboBox::SetItemData(int index, uintptr_t data) {
    ComboState* s = StateOf(this);
    if (!s || index < 0 || index >= GetCount()) return CB_ERR;
    s->items[static_cast<size_t>(index)].data = data;
    return 0;
}

uintptr_t CComboBox::GetItemData(int index) const {
    const ComboState* s = StateOf(this);
    if (!s || index < 0 || index >= GetCount()) return static_cast<uintptr_t>(CB_ERR);
    return s->items[static_cast<size_t>(index)].data;
}

int CComboBox::SetItemHeight(int, UINT height) {
    ComboState* s = StateOf(this);
    if (!s || height == 0 || height > 0xFFFF) return CB_ERR;
    s->itemHeight = static_cast<int>(height);
    FitBox();
    return 0;
}

int CComboBox::GetItemHeight(int) const {
    ComboState* s = StateOf(this);
    if (!s) return CB_ERR;
    if (s->itemHeight == 0) {
        MEASUREITEMSTRUCT mis;
        mis.CtlType = ODT_COMBOBOX;
        mis.CtlID = GetDlgCtrlID();
        mis.itemHeight = static_cast<UINT>(CControlSupport::LineHeight(this));
        if (IsOwnerDrawn()) CControlSupport::Measure(const_cast<CComboBox*>(this), mis);
        s = StateOf(this);
        if (!s) return CB_ERR;
        s->itemHeight = std::clamp(static_cast<int>(mis.itemHeight), 1, 0xFFFF);
    }
    return s->itemHeight;
}

int CComboBox::FindString(int startAfter, const std::string& prefix) const {
    const int count = GetCount();
    for (int k = 1; k <= count; ++k) {
        const int i = ((startAfter < 0 ? -1 : startAfter) + k) % count;
        const std::string text = GetLBText(i);
        if (text.size() < prefix.size()) continue;
        const std::string head = text.substr(0, prefix.size());
        if (!LessNoCase(head, prefix) && !LessNoCase(prefix, head)) return i;
    }
    return CB_ERR;
}

void CComboBox::FitBox() {
    ComboState* s = StateOf(this);
    if (!s) return;
    CRect r;
    GetWindowRect(&r);
    if (CWnd* parent = GetParent()) parent->ScreenToClient(&r);
    const int height = GetItemHeight(0) + 6;
    if (r.Height() == height) return;
    // A taller rectangle (a template's, or a caller's MoveWindow) gives the
    // dropped list its room.
    if (r.Height() > height) s->listHeight = r.Height();
    MoveWindow(r.left, r.top, r.Width(), height);
}

void CComboBox::OnSize(UINT, int, int) {
    FitBox();
}

void CComboBox::ShowDropDown(BOOL show) {
    ComboState* s = StateOf(this);
    if (!s || (s->list != nullptr) == (show != FALSE)) return;
    if (!show) {
        s->closed = std::move(s->list);
        s->list.reset();
        if (s->closed->IsWindow()) s->closed->DestroyWindow();
        Invalidate();
        CControlSupport::Command(this, CBN_CLOSEUP);
        return;
    }
    CControlSupport::Command(this, CBN_DROPDOWN);
    s = StateOf(this);
    if (!s) return;
    CRect box;
    GetWindowRect(&box);
    const int room = std::max(s->listHeight - box.Height(), GetItemHeight(0) + 2);
    auto list = std::make_shared<CComboDropList>(this);
    s->list = list;
    if (!list->Open(CRect(box.left, box.bottom, box.right, box.bottom + room), GetItemHeight(0),
                    GetCount(), s->curSel)) {
        s->list.reset();
    }
    Invalidate();
}

BOOL CComboBox::GetDroppedState() const {
    const ComboState* s = StateOf(this);
    return s && s->list ? TRUE : FALSE;
}

void CComboBox::ChooseFromList(int index) {
    ShowDropDown(FALSE);
    if (index >= 0) UserSelect(index);
}

void CComboBox::UserSelect(int index) {
    ComboState* s = StateOf(this);
    if (!s || index < 0 || index >= GetCount()) return;
    const bool changed = s->curSel != index;
    s->curSel = index;
    Invalidate();
    if (changed) CControlSupport::Command(this, CBN_SELCHANGE);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {
    m_drawItemDefault = true;
}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {
    m_measureItemDefault = true;
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
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

void CComboBox::PaintItem(CDC& dc, int index, const CRect& rect, bool selected, bool box) {
    ComboState* s = StateOf(this);
    if (!s) return;
    CFont* old = CControlSupport::SelectFont(this, dc);
    if (IsOwnerDrawn()) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_COMBOBOX;
        dis.itemID =
            index >= 0 && index < GetCount() ? static_cast<UINT>(index) : static_cast<UINT>(-1);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (selected ? ODS_SELECTED : 0) | (box ? ODS_COMBOBOXEDIT : 0) |
                        (box && s->focused ? ODS_FOCUS : 0) |
                        (IsWindowEnabled() ? 0 : ODS_DISABLED);
        dis.hDC = &dc;
        dis.rcItem = rect;
        dis.itemData = dis.itemID != static_cast<UINT>(-1) ? s->items[dis.itemID].data : 0;
        const int saved = dc.SaveDC();
        CControlSupport::DrawItem(this, dis);
        dc.RestoreDC(saved);
    } else {
        dc.FillSolidRect(rect, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (index >= 0 && index < GetCount()) {
            dc.SetBkMode(TRANSPARENT);
            dc.SetTextColor(GetSysColor(!IsWindowEnabled() ? COLOR_GRAYTEXT
                                        : selected         ? COLOR_HIGHLIGHTTEXT
                                                           : COLOR_WINDOWTEXT));
            dc.TextOut(rect.left + 2, rect.top, s->items[static_cast<size_t>(index)].text);
        }
    }
    dc.SelectObject(old);
}

LRESULT CComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<intptr_t>(wParam));
    const char* text = lParam ? reinterpret_cast<const char*>(lParam) : "";
    switch (message) {
        case CB_ADDSTRING:
            return AddString(text);
        case CB_INSERTSTRING:
            return InsertString(index, text);
        case CB_DELETESTRING:
            return DeleteString(static_cast<UINT>(wParam));
        case CB_RESETCONTENT:
            ResetContent();
            return 0;
        case CB_GETCOUNT:
            return GetCount();
        case CB_GETCURSEL:
            return GetCurSel();
        case CB_SETCURSEL:
            return SetCurSel(index);
        case CB_GETLBTEXT:
            return lParam ? GetLBText(index, *reinterpret_cast<std::string*>(lParam)) : CB_ERR;
        case CB_FINDSTRING:
            return FindString(index, text);
        case CB_GETITEMDATA:
            return static_cast<LRESULT>(GetItemData(index));
        case CB_SETITEMDATA:
            return SetItemData(index, static_cast<uintptr_t>(lParam));
        case CB_SETITEMHEIGHT:
            return SetItemHeight(index, static_cast<UINT>(lParam));
        case CB_SHOWDROPDOWN:
            ShowDropDown(static_cast<BOOL>(wParam));
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return GetDroppedState();
        case WM_SETFONT: {
            const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
            if (ComboState* s = StateOf(this); s && !IsOwnerDrawn()) s->itemHeight = 0;
            FitBox();
            return r;
        }
        case WM_ENABLE: {
            const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
            if (!wParam) ShowDropDown(FALSE);
            Invalidate();
            return r;
        }
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CComboBox::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CComboBox::OnPaint() {
    CPaintDC dc(this);
    ComboState* s = StateOf(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_WINDOW));
    CControlSupport::Sunken(dc, client);
    const int button = GetSystemMetrics(SM_CXVSCROLL);
    CRect arrow(client.right - 2 - button, client.top + 2, client.right - 2, client.bottom - 2);
    CControlSupport::ButtonFace(dc, arrow, s->list != nullptr, false);
    CControlSupport::Arrow(dc, arrow, 1, IsWindowEnabled() != FALSE);
    CRect item(client.left + 3, client.top + 3, arrow.left - 1, client.bottom - 3);
    PaintItem(dc, s->curSel, item, s->focused && !IsOwnerDrawn(), true);
    if (s->focused && !IsOwnerDrawn()) dc.DrawFocusRect(item);
}

void CComboBox::OnLButtonDown(UINT, CPoint) {
    SetFocus();
    ShowDropDown(!GetDroppedState());
}

void CComboBox::OnKeyDown(UINT key, UINT, UINT) {
    ComboState* s = StateOf(this);
    if (!s) return;
    if (s->list) {
        switch (key) {
            case VK_UP:
                s->list->SetHot(std::max(0, s->list->Hot() - 1));
                return;
            case VK_DOWN:
                s->list->SetHot(std::min(GetCount() - 1, s->list->Hot() + 1));
                return;
            case VK_RETURN:
                ChooseFromList(s->list->Hot());
                return;
            case VK_ESCAPE:
                ChooseFromList(-1);
                return;
            default:
                return;
        }
    }
    const int count = GetCount();
    if (count == 0) return;
    switch (key) {
        case VK_UP:
            UserSelect(std::max(0, s->curSel - 1));
            break;
        case VK_DOWN:
            UserSelect(std::min(count - 1, s->curSel + 1));
            break;
        case VK_HOME:
            UserSelect(0);
            break;
        case VK_END:
            UserSelect(count - 1);
            break;
        case VK_F1 + 3:
            ShowDropDown(TRUE);
            break;  // F4
        default:
            break;
    }
}

void CComboBox::OnSetFocus(CWnd*) {
    if (ComboState* s = StateOf(this)) s->focused = true;
    Invalidate();
}

void CComboBox::OnKillFocus(CWnd*) {
    if (ComboState* s = StateOf(this)) s->focused = false;
    Invalidate();
}
