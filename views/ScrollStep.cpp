#include "views/ScrollStep.h"

#include <algorithm>

int NextScrollPosition(const SCROLLINFO& info, UINT code, int thumbPos) {
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
