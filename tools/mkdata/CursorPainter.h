#pragma once
// The two cursors, each its picture above its mask (white where the cursor
// lets the window through): 317 a closed hand that drags the founding
// schedule, 352 a hand pointing with its index finger at the direction
// dial's arrows. Both are light hands in a black outline with the hot spot
// of their catalogue entry inside the hand.

#include "model/PictureCatalog.h"
#include "tools/mkdata/Canvas.h"

class CCursorPainter {
public:
    static void Draw(CCanvas& canvas, const SPictureEntry& entry);
};
