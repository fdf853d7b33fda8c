#include "views/MapBtnFrame.h"

void CMapBtnFrame::SetFirstVisible(int first, BOOL redraw) {
    m_first = first < 0 ? 0 : first;
    if (redraw && IsWindow()) Invalidate(TRUE);
}

void CMapBtnFrame::ScrollByWheel(int delta) {
    // One area a notch, down for a wheel turned towards the user.
    SetFirstVisible(m_first - delta / 120, TRUE);
}

void CMapBtnFrame::RefreshAreaButton(int area) {
    m_refreshed.push_back(area);
    if (IsWindow()) Invalidate(TRUE);
}

void CMapBtnFrame::RefreshAll() {
    RefreshAreaButton(-1);
}
