#include "views/BtnScrollBar.h"

#include "views/BlockMessages.h"
#include "views/ScrollStep.h"

void CBtnScrollBar::Scroll(UINT code, int thumbPos) {
    SCROLLINFO info{};
    if (!GetScrollInfo(&info, SIF_RANGE | SIF_PAGE | SIF_POS)) return;
    const int next = NextScrollPosition(info, code, thumbPos);
    if (next == info.nPos) return;
    SetScrollPos(next, TRUE);
    if (CWnd* parent = GetParent()) parent->PostMessage(WM_BLOCK_SCROLLED, static_cast<WPARAM>(next), 0);
}

BOOL CBtnScrollBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_VSCROLL && message != WM_HSCROLL)
        return CScrollBar::OnChildNotify(message, wParam, lParam, result);
    Scroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
    if (result) *result = 0;
    return TRUE;
}
