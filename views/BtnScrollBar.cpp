#include "views/BtnScrollBar.h"

#include <algorithm>

#include "views/BlockMessages.h"

int CBtnScrollBar::NextPosition(const SCROLLINFO& info, UINT code, int thumbPos) {
    const int page = static_cast<int>(info.nPage);
    int next = info.nPos;
    switch (code) {
        case SB_LINEUP: next -= 1; break;
        case SB_LINEDOWN: next += 1; break;
        case SB_PAGEUP: next -= page; break;
        case SB_PAGEDOWN: next += page; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: next = thumbPos; break;
        case SB_TOP: next = 0; break;
        case SB_BOTTOM: next = info.nMax; break;
        default: return info.nPos;
    }
    const int last = std::max(info.nMin, info.nMax - page + 1);
    return std::clamp(next, info.nMin, last);
}

void CBtnScrollBar::Scroll(UINT code, int thumbPos) {
    SCROLLINFO info{};
    if (!GetScrollInfo(&info, SIF_RANGE | SIF_PAGE | SIF_POS)) return;
    const int next = NextPosition(info, code, thumbPos);
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
