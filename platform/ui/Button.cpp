#include "platform/ui/Button.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

struct ButtonState {
    int check = BST_UNCHECKED;
    bool pushed = false;
    bool tracking = false;
    bool focused = false;
    CBitmap* bitmap = nullptr;
};

ButtonState* StateOf(const CWnd* wnd) {
    return CControlSupport::State<ButtonState>(wnd);
}

}  // namespace

BOOL CButton::Create(const std::string& text, DWORD style, const RECT& rect, CWnd* parent,
                     UINT id) {
    return CreateEx(0, nullptr, text.c_str(), style | WS_CHILD, rect, parent, id);
}

UINT CButton::Kind() const {
    return GetStyle() & BS_TYPEMASK;
}

bool CButton::IsPushKind() const {
    const UINT kind = Kind();
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_OWNERDRAW ||
           (GetStyle() & BS_PUSHLIKE);
}

int CButton::GetCheck() const {
    const ButtonState* s = StateOf(this);
    return s ? s->check : 0;
}

void CButton::SetCheck(int check) {
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
}

UINT CButton::GetState() const {
    const ButtonState* s = StateOf(this);
    if (!s) return 0;
    return static_cast<UINT>(s->check) | (s->pushed ? BST_PUSHED : 0) |
           (s->focused ? BST_FOCUS : 0);
}

void CButton::SetState(BOOL pushed) {
    SendMessage(BM_SETSTATE, pushed ? TRUE : FALSE);
}

UINT CButton::GetButtonStyle() const {
    return GetStyle() & 0xFFFF;
}

void CButton::SetButtonStyle(UINT style, BOOL redraw) {
    SendMessage(BM_SETSTYLE, style, redraw);
}

CBitmap* CButton::SetBitmap(CBitmap* bitmap) {
    ButtonState* s = StateOf(this);
    if (!s) return nullptr;
    CBitmap* old = s->bitmap;
    s->bitmap = bitmap;
    Invalidate();
    return old;
}

CBitmap* CButton::GetBitmap() const {
    const ButtonState* s = StateOf(this);
    return s ? s->bitmap : nullptr;
}

void CButton::Click() {
    SendMessage(BM_CLICK);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {
    m_drawItemDefault = true;
}

BOOL CButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM) return FALSE;
    return CControlSupport::OfferToSelf(
        m_drawItemDefault, result, [&] { DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); });
}

LRESULT CButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonState* s = StateOf(this);
    switch (message) {
        case BM_GETCHECK:
            return s ? s->check : 0;
        case BM_SETCHECK:
            if (s && s->check != static_cast<int>(wParam)) {
                s->check = static_cast<int>(wParam);
                Invalidate();
            }
            return 0;
        case BM_GETSTATE:
            return GetState();
        case BM_SETSTATE:
            if (s && s->pushed != (wParam != 0)) {
                s->pushed = wParam != 0;
                Invalidate();
            }
            return 0;
        case BM_SETSTYLE:
            ModifyStyle(BS_TYPEMASK, static_cast<DWORD>(wParam) & BS_TYPEMASK);
            if (lParam) Invalidate();
            return 0;
        case BM_CLICK: {
            if (!IsWindowEnabled()) return 0;
            const UINT kind = Kind();
            if (kind == BS_AUTOCHECKBOX && s) SetCheck(s->check ? BST_UNCHECKED : BST_CHECKED);
            if (kind == BS_AUTO3STATE && s) SetCheck((s->check + 1) % 3);
            if (kind == BS_AUTORADIOBUTTON) {
                for (CWnd* other : CControlSupport::Group(this)) {
                    if (other != this) other->SendMessage(BM_SETCHECK, BST_UNCHECKED);
                }
                SetCheck(BST_CHECKED);
            }
            CControlSupport::Command(this, BN_CLICKED);
            return 0;
        }
        case WM_SETTEXT:
        case WM_ENABLE: {
            const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
            Invalidate();
            return r;
        }
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CButton::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CFont* old = CControlSupport::SelectFont(this, dc);
    const UINT kind = Kind();
    if (kind == BS_OWNERDRAW) {
        PaintOwnerDrawn(dc, client);
    } else if (kind == BS_GROUPBOX) {
        PaintGroup(dc, client);
    } else if (IsPushKind()) {
        PaintPush(dc, client);
    } else {
        PaintCheck(dc, client);
    }
    dc.SelectObject(old);
}

void CButton::PaintPush(CDC& dc, const CRect& client) {
    const ButtonState* s = StateOf(this);
    const bool down = s->pushed || ((GetStyle() & BS_PUSHLIKE) && s->check);
    CWnd* focus = GetFocus();
    const bool isDefault = Kind() == BS_DEFPUSHBUTTON || focus == this;
    CControlSupport::ButtonFace(dc, client, down, isDefault);
    CRect inner = client;
    inner.DeflateRect(3, 3);
    if (down) inner.OffsetRect(1, 1);
    if ((GetStyle() & BS_BITMAP) && s->bitmap) {
        CControlSupport::Picture(dc, *s->bitmap, inner, true);
    } else {
        CControlSupport::Text(dc, inner, GetWindowText(), 1, false, IsWindowEnabled() != FALSE);
    }
    if (s->focused) {
        CRect f = client;
        f.DeflateRect(4, 4);
        dc.DrawFocusRect(f);
    }
}

void CButton::PaintCheck(CDC& dc, const CRect& client) {
    const ButtonState* s = StateOf(this);
    CControlSupport::Background(this, dc, client, CTLCOLOR_BTN, GetSysColor(COLOR_BTNFACE));
    const int box = 13;
    const bool leftText = (GetStyle() & BS_LEFTTEXT) != 0;
    const int top = client.top + (client.Height() - box) / 2;
    const int boxLeft = leftText ? client.right - box : client.left;
    const CRect boxRect(boxLeft, top, boxLeft + box, top + box);
    const UINT kind = Kind();
    const bool enabled = IsWindowEnabled() != FALSE;
    if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) {
        CControlSupport::RadioBox(dc, boxRect, s->check != 0, enabled);
    } else {
        CControlSupport::CheckBox(dc, boxRect, s->check, enabled);
    }
    CRect text = client;
    if (leftText) {
        text.right = boxRect.left - 4;
    } else {
        text.left = boxRect.right + 4;
    }
    CControlSupport::Text(dc, text, GetWindowText(), leftText ? 2 : 0, false, enabled);
    if (s->focused) {
        CRect f = text;
        f.InflateRect(1, 0);
        dc.DrawFocusRect(f);
    }
}

void CButton::PaintGroup(CDC& dc, const CRect& client) {
    CControlSupport::Background(this, dc, client, CTLCOLOR_BTN, GetSysColor(COLOR_BTNFACE));
    const int line = CControlSupport::LineHeight(this);
    CRect frame = client;
    frame.top += line / 2;
    CControlSupport::Etched(dc, frame);
    const std::string text = CControlSupport::StripMnemonic(GetWindowText());
    if (text.empty()) return;
    const CSize extent = dc.GetTextExtent(text);
    const CRect label(client.left + 8, client.top, client.left + 12 + extent.cx, client.top + line);
    dc.FillSolidRect(label, GetSysColor(COLOR_BTNFACE));
    CRect textRect = label;
    textRect.left += 2;
    CControlSupport::Text(dc, textRect, GetWindowText(), 0, false, IsWindowEnabled() != FALSE);
}

void CButton::PaintOwnerDrawn(CDC& dc, const CRect& client) {
    const ButtonState* s = StateOf(this);
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_BUTTON;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (s->pushed ? ODS_SELECTED : 0) | (s->focused ? ODS_FOCUS : 0) |
                    (IsWindowEnabled() ? 0 : ODS_DISABLED);
    dis.hDC = &dc;
    dis.rcItem = client;
    if (!CControlSupport::DrawItem(this, dis)) {
        CControlSupport::ButtonFace(dc, client, s->pushed, false);
    }
}

void CButton::OnLButtonDown(UINT, CPoint) {
    ButtonState* s = StateOf(this);
    if (Kind() == BS_GROUPBOX || !s) return;
    SetCapture();
    s->tracking = true;
    if (GetStyle() & WS_TABSTOP || IsPushKind()) SetFocus();
    SetState(TRUE);
}

void CButton::OnLButtonDblClk(UINT flags, CPoint point) {
    OnLButtonDown(flags, point);
}

void CButton::OnMouseMove(UINT, CPoint point) {
    ButtonState* s = StateOf(this);
    if (!s || !s->tracking) return;
    CRect client;
    GetClientRect(&client);
    SetState(client.PtInRect(point) ? TRUE : FALSE);
}

void CButton::OnLButtonUp(UINT, CPoint point) {
    ButtonState* s = StateOf(this);
    if (!s || !s->tracking) return;
    s->tracking = false;
    ReleaseCapture();
    SetState(FALSE);
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) Click();
}

void CButton::OnKeyDown(UINT key, UINT, UINT) {
    if (key == VK_SPACE && Kind() != BS_GROUPBOX) SetState(TRUE);
}

void CButton::OnKeyUp(UINT key, UINT, UINT) {
    ButtonState* s = StateOf(this);
    if (key != VK_SPACE || !s || !s->pushed) return;
    SetState(FALSE);
    Click();
}

void CButton::OnSetFocus(CWnd*) {
    if (ButtonState* s = StateOf(this)) s->focused = true;
    Invalidate();
}

void CButton::OnKillFocus(CWnd*) {
    if (ButtonState* s = StateOf(this)) {
        s->focused = false;
        s->pushed = false;
    }
    Invalidate();
}
