#pragma once
// The rows one scroll-bar action moves a pane by.

#include <algorithm>

#include "platform/ui/Messages.h"

namespace judge {

// A line, a page of `page` rows (at least one), or from the first visible
// row `first` to the thumb's position `pos`; 0 for any other action.
inline int RowScrollDelta(UINT code, UINT pos, int first, int page) {
    switch (code) {
        case SB_LINEUP:
            return -1;
        case SB_LINEDOWN:
            return 1;
        case SB_PAGEUP:
            return -std::max(1, page);
        case SB_PAGEDOWN:
            return std::max(1, page);
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            return static_cast<int>(pos) - first;
        default:
            return 0;
    }
}

}  // namespace judge
