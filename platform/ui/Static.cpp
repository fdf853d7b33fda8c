#include "platform/ui/Static.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

struct StaticState {
    CBitmap* bitmap = nullptr;
};

}  // namespace

BOOL CStatic::Create(const std::string& text, DWORD style, const RECT& rect, CWnd* parent,
                     UINT id) {
    return CreateEx(0, nullptr, text.c_str(), style | WS_CHILD, rect, parent, id);
}

CBitmap* CStatic::SetBitmap(CBitmap* bitmap) {
    auto* s = CControlSupport::State<StaticState>(this);
    if (!s) return nullptr;
    CBitmap* old = s->bitmap;
    s->bitmap = bitmap;
    Invalidate();
    return old;
}

CBitmap* CStatic::GetBitmap() const {
    auto* s = CControlSupport::State<StaticState>(this);
    return s ? s->bitmap : nullptr;
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {
    m_drawItemDefault = true;
}

BOOL CStatic::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM) return FALSE;
    return CControlSupport::OfferToSelf(
        m_drawItemDefault, result, [&] { DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); });
}

LRESULT CStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT || message == WM_ENABLE) {
        const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
        Invalidate();
        return r;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CStatic::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CStatic::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CFont* old = CControlSupport::SelectFont(this, dc);
    PaintKind(dc, client);
    dc.SelectObject(old);
}

void CStatic::PaintKind(CDC& dc, const CRect& client) {
    const DWORD kind = GetStyle() & SS_TYPEMASK;
    if (kind == SS_OWNERDRAW) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_STATIC;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hDC = &dc;
        dis.rcItem = client;
        if (IsWindowEnabled() == FALSE) dis.itemState = ODS_DISABLED;
        CControlSupport::DrawItem(this, dis);
        return;
    }
    CControlSupport::Background(this, dc, client, CTLCOLOR_STATIC, GetSysColor(COLOR_BTNFACE));
    switch (kind) {
        case SS_BLACKRECT:
        case SS_GRAYRECT:
        case SS_WHITERECT: {
            const int colour = kind == SS_BLACKRECT  ? COLOR_WINDOWFRAME
                               : kind == SS_GRAYRECT ? COLOR_BTNSHADOW
                                                     : COLOR_WINDOW;
            dc.FillSolidRect(client, GetSysColor(colour));
            return;
        }
        case SS_BLACKFRAME:
        case SS_GRAYFRAME:
        case SS_WHITEFRAME: {
            const int colour = kind == SS_BLACKFRAME  ? COLOR_WINDOWFRAME
                               : kind == SS_GRAYFRAME ? COLOR_BTNSHADOW
                                                      : COLOR_WINDOW;
            dc.Draw3dRect(client, GetSysColor(colour), GetSysColor(colour));
            return;
        }
        case SS_ETCHEDFRAME:
            CControlSupport::Etched(dc, client);
            return;
        case SS_BITMAP:
            if (CBitmap* bitmap = GetBitmap()) {
                CControlSupport::Picture(dc, *bitmap, client, (GetStyle() & SS_CENTERIMAGE) != 0);
            }
            return;
        default:
            break;
    }
    const int align = kind == SS_CENTER ? 1 : kind == SS_RIGHT ? 2 : 0;
    const bool wrap = kind != SS_LEFTNOWORDWRAP;
    std::string text = GetWindowText();
    if (GetStyle() & SS_NOPREFIX) text = CControlSupport::EscapeMnemonic(text);
    CRect area = client;
    if (GetStyle() & SS_CENTERIMAGE) {
        CControlSupport::Text(dc, area, text, align, false, IsWindowEnabled() != FALSE);
    } else {
        CControlSupport::Text(dc, area, text, align, wrap, IsWindowEnabled() != FALSE);
    }
    if (GetStyle() & SS_SUNKEN) {
        dc.Draw3dRect(client, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    }
}

void CStatic::OnLButtonUp(UINT, CPoint) {
    if (GetStyle() & SS_NOTIFY) CControlSupport::Command(this, STN_CLICKED);
}
