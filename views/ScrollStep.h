#pragma once
// Where a scroll action leads from a bar's range, page and position: line
// steps of 1, page steps of the page, the thumb's position, the top (left)
// or the bottom (right); kept within [minimum, maximum - page + 1]. Other
// codes keep the position.

#include "platform/ui/Messages.h"

int NextScrollPosition(const SCROLLINFO& info, UINT code, int thumbPos);
