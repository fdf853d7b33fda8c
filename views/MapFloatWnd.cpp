#include "views/MapFloatWnd.h"

#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/StringTable.h"
#include "views/MapDrawWnd.h"

void CMapFloatWnd::RestoreDefaultSize() {
    SetWindowPos(nullptr, 0, 0, m_defaultWidth, m_defaultHeight, SWP_NOMOVE | SWP_NOZORDER);
}

CMapDrawWnd* CMapFloatWnd::GetMapWnd() const {
    return dynamic_cast<CMapDrawWnd*>(GetParent());
}

void CMapFloatWnd::BeginDrag(CPoint point) {
    SetCapture();
    m_dragPoint = point;
    ClientToScreen(&m_dragPoint);
    GetWindowRect(&m_dragRect);
}

void CMapFloatWnd::DragTo(CPoint point) {
    CMapDrawWnd* map = GetMapWnd();
    if (!map) return;
    CPoint screen = point;
    ClientToScreen(&screen);
    const CRect rect =
        map->ClampRectToClient(m_dragRect, screen.x - m_dragPoint.x, screen.y - m_dragPoint.y);
    SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    map->UpdateWindow();
    m_dragPoint = screen;
    GetWindowRect(&m_dragRect);
}

void CMapFloatWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Invalidate(TRUE);
}

void CMapFloatWnd::OnRButtonUp(UINT, CPoint point) {
    CMenu menu;
    if (!menu.CreatePopupMenu()) {
        MessageBeep(0);
        return;
    }
    menu.AppendMenu(MF_STRING, kInitialSizeCommand, CStringTable::Get(kInitialSizeCommand));
    ClientToScreen(&point);
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

BOOL CMapFloatWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != kInitialSizeCommand) return CWnd::OnCommand(wParam, lParam);
    RestoreDefaultSize();
    return TRUE;
}

void CMapFloatWnd::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (info) info->ptMinTrackSize = {m_minWidth, m_minHeight};
    CWnd::OnGetMinMaxInfo(info);
}
