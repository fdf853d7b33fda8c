#include "platform/ui/detail/ComboDropList.h"

#include <algorithm>

#include "platform/ui/ComboBox.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

BOOL CComboDropList::Open(const CRect& screenRect, int itemHeight, int count, int selected) {
    m_itemHeight = std::max(1, itemHeight);
    m_count = count;
    m_hot = selected;
    const int border = GetSystemMetrics(SM_CXBORDER);
    const bool scroll = count * m_itemHeight > screenRect.Height() - 2 * border;
    const int height =
        std::min(screenRect.Height(), std::max(1, count) * m_itemHeight + 2 * border);
    const CRect rect(screenRect.left, screenRect.top, screenRect.right, screenRect.top + height);
    DWORD style = WS_POPUP | WS_BORDER;
    if (scroll) style |= WS_VSCROLL;
    if (!CreateEx(WS_EX_TOPMOST, nullptr, "", style, rect, m_combo, 0)) return FALSE;
    if (scroll) {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMax = count - 1;
        si.nPage = static_cast<UINT>(Visible());
        SetScrollInfo(SB_VERT, &si, TRUE);
        if (selected >= Visible()) SetTop(selected - Visible() + 1);
    }
    ShowWindow(SW_SHOWNA);
    SetCapture();
    return TRUE;
}

int CComboDropList::Visible() const {
    CRect client;
    GetClientRect(&client);
    return std::max(1, client.Height() / m_itemHeight);
}

void CComboDropList::SetTop(int top) {
    top = std::clamp(top, 0, std::max(0, m_count - Visible()));
    if (top == m_top) return;
    m_top = top;
    SetScrollPos(SB_VERT, m_top, TRUE);
    Invalidate();
}

void CComboDropList::SetHot(int index) {
    if (index < 0 || index >= m_count || index == m_hot) return;
    m_hot = index;
    if (index < m_top) SetTop(index);
    if (index >= m_top + Visible()) SetTop(index - Visible() + 1);
    Invalidate();
}

int CComboDropList::ItemAt(CPoint point) const {
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) return -1;
    const int index = m_top + point.y / m_itemHeight;
    return index < m_count ? index : -1;
}

BOOL CComboDropList::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (dc) dc->FillSolidRect(client, GetSysColor(COLOR_WINDOW));
    return TRUE;
}

void CComboDropList::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    for (int i = m_top, y = 0; i < m_count && y < client.Height(); ++i, y += m_itemHeight) {
        m_combo->PaintItem(dc, i, CRect(0, y, client.Width(), y + m_itemHeight), i == m_hot, false);
        if (!IsWindow()) return;
    }
}

void CComboDropList::OnMouseMove(UINT, CPoint point) {
    const int item = ItemAt(point);
    if (item >= 0) SetHot(item);
}

void CComboDropList::OnLButtonDown(UINT, CPoint point) {
    CRect client;
    GetClientRect(&client);
    CRect window;
    GetWindowRect(&window);
    CPoint screen = point;
    ClientToScreen(&screen);
    if (window.PtInRect(screen) && !client.PtInRect(point)) {
        // On our own scroll bar: let it work without closing.
        ReleaseCapture();
        return;
    }
    m_pressedInside = client.PtInRect(point);
    if (!m_pressedInside) m_combo->ChooseFromList(-1);
}

void CComboDropList::OnLButtonUp(UINT, CPoint point) {
    if (!m_pressedInside) return;
    m_combo->ChooseFromList(ItemAt(point));
}

void CComboDropList::OnVScroll(UINT code, UINT pos, CWnd*) {
    switch (static_cast<int>(code)) {
        case SB_LINEUP:
            SetTop(m_top - 1);
            break;
        case SB_LINEDOWN:
            SetTop(m_top + 1);
            break;
        case SB_PAGEUP:
            SetTop(m_top - Visible());
            break;
        case SB_PAGEDOWN:
            SetTop(m_top + Visible());
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            SetTop(static_cast<int>(pos));
            break;
        case SB_ENDSCROLL:
            SetCapture();
            break;
        default:
            break;
    }
}

BOOL CComboDropList::OnMouseWheel(UINT, short delta, CPoint) {
    SetTop(m_top + (delta > 0 ? -1 : 1));
    return TRUE;
}
