#include "platform/ui/ComboBox.h"

#include <algorithm>
#include <memory>

#include "platform/ui/Brush.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ComboDropList.h"
#include "platform/ui/detail/ControlSupport.h"
#include "platform/ui/detail/ItemList.h"

namespace {

struct ComboState {
    CItemList items;
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
    return s ? s->items.Count() : 0;
}

int CComboBox::AddString(const std::string& text) {
    ComboState* s = StateOf(this);
    if (!s) return CB_ERR;
    const bool sorted = (GetStyle() & CBS_SORT) && !IsOwnerDrawn();
    return InsertString(sorted ? s->items.SortedIndex(text) : s->items.Count(), text);
}

int CComboBox::InsertString(int index, const std::string& text) {
    ComboState* s = StateOf(this);
    const int at = s ? s->items.Insert(index, text) : -1;
    if (at < 0) return CB_ERR;
    Invalidate();
    return at;
}

int CComboBox::DeleteString(UINT index) {
    ComboState* s = StateOf(this);
    if (!s || !s->items.Erase(index)) return CB_ERR;
    Invalidate();
    return GetCount();
}

void CComboBox::ResetContent() {
    ComboState* s = StateOf(this);
    if (!s) return;
    s->items.Clear();
    Invalidate();
}

int CComboBox::GetCurSel() const {
    const ComboState* s = StateOf(this);
    return s ? s->items.Selected() : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
    ComboState* s = StateOf(this);
    if (!s) return CB_ERR;
    const bool valid = s->items.Has(index);
    s->items.Select(valid ? index : -1);
    if (valid && s->list) s->list->SetHot(index);
    Invalidate();
    return valid ? index : CB_ERR;
}

int CComboBox::GetLBText(int index, std::string& text) const {
    const ComboState* s = StateOf(this);
    if (!s || !s->items.Has(index)) return CB_ERR;
    text = s->items.At(index).text;
    return static_cast<int>(text.size());
}

std::string CComboBox::GetLBText(int index) const {
    std::string text;
    GetLBText(index, text);
    return text;
}

int CComboBox::SetItemData(int index, uintptr_t data) {
    ComboState* s = StateOf(this);
    if (!s || !s->items.Has(index)) return CB_ERR;
    s->items.At(index).data = data;
    return 0;
}

uintptr_t CComboBox::GetItemData(int index) const {
    const ComboState* s = StateOf(this);
    if (!s || !s->items.Has(index)) return static_cast<uintptr_t>(CB_ERR);
    return s->items.At(index).data;
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
        const int height =
            CControlSupport::ItemHeight(const_cast<CComboBox*>(this), mis, IsOwnerDrawn());
        s = StateOf(this);
        if (!s) return CB_ERR;
        s->itemHeight = height;
    }
    return s->itemHeight;
}

int CComboBox::FindString(int startAfter, const std::string& prefix) const {
    const ComboState* s = StateOf(this);
    return s ? s->items.Find(startAfter, prefix) : CB_ERR;
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
                    GetCount(), s->items.Selected())) {
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
    if (!s || !s->items.Has(index)) return;
    const bool changed = s->items.Selected() != index;
    s->items.Select(index);
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
    return CControlSupport::OfferItemToSelf(*this, message, lParam, result, m_drawItemDefault,
                                            m_measureItemDefault);
}

void CComboBox::PaintItem(CDC& dc, int index, const CRect& rect, bool selected, bool box) {
    ComboState* s = StateOf(this);
    if (!s) return;
    CFont* old = CControlSupport::SelectFont(this, dc);
    if (IsOwnerDrawn()) {
        const bool valid = s->items.Has(index);
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_COMBOBOX;
        dis.itemID = valid ? static_cast<UINT>(index) : static_cast<UINT>(-1);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (selected ? ODS_SELECTED : 0) | (box ? ODS_COMBOBOXEDIT : 0) |
                        (box && s->focused ? ODS_FOCUS : 0) |
                        (IsWindowEnabled() ? 0 : ODS_DISABLED);
        dis.rcItem = rect;
        dis.itemData = valid ? s->items.At(index).data : 0;
        CControlSupport::DrawListItem(this, dc, dis);
    } else {
        dc.FillSolidRect(rect, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (s->items.Has(index)) {
            CControlSupport::ItemText(dc, rect, s->items.At(index).text, selected,
                                      IsWindowEnabled() != FALSE);
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
    PaintItem(dc, s->items.Selected(), item, s->focused && !IsOwnerDrawn(), true);
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
            UserSelect(std::max(0, s->items.Selected() - 1));
            break;
        case VK_DOWN:
            UserSelect(std::min(count - 1, s->items.Selected() + 1));
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
