#include "judge/MapChildDrag.h"

#include <algorithm>

#include "platform/ui/Menu.h"
#include "platform/ui/Wnd.h"

namespace judge {

void CMapChildDrag::Begin(CWnd& wnd, CPoint point) {
    m_dragging = true;
    m_start = point;
    wnd.ClientToScreen(&m_start);
    wnd.SetCapture();
}

void CMapChildDrag::End(CWnd& wnd, CPoint point) {
    if (!m_dragging) return;
    m_dragging = false;
    CWnd::ReleaseCapture();
    CWnd* parent = wnd.GetParent();
    if (!parent) return;
    CPoint end = point;
    wnd.ClientToScreen(&end);
    CRect rect;
    wnd.GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    rect.OffsetRect(end.x - m_start.x, end.y - m_start.y);
    CRect client;
    parent->GetClientRect(&client);
    wnd.MoveWindow(KeptInside(rect, client.Size()), TRUE);
}

CRect CMapChildDrag::KeptInside(const CRect& rect, CSize parent) {
    const int x = std::max(0, std::min<int>(rect.left, parent.cx - rect.Width()));
    const int y = std::max(0, std::min<int>(rect.top, parent.cy - rect.Height()));
    return CRect(x, y, x + rect.Width(), y + rect.Height());
}

void CMapChildDrag::ShowMenu(CWnd& wnd, CPoint point) {
    CMenu menu;
    if (!menu.CreatePopupMenu()) return;
    menu.AppendMenu(MF_STRING, kDefaultSizeCommand, kDefaultSizeText);
    wnd.ClientToScreen(&point);
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, &wnd);
}

}  // namespace judge
