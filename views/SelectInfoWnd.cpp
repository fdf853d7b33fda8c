#include "views/SelectInfoWnd.h"

void CSelectInfoWnd::ResetSelection() {
    m_first = 0;
    if (IsWindow()) Invalidate(TRUE);
}

void CSelectInfoWnd::Select(int index, BOOL redraw) {
    m_selected = index;
    if (redraw && IsWindow()) Invalidate(TRUE);
}
