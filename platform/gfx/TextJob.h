#pragma once
// One ExtTextOut as the window system draws it: the surface, what of it may
// change, and the text with its placement and colours (palette-relative
// colours already resolved). Coordinates are surface pixels.

#include <string>

#include "platform/gfx/GdiDefs.h"
#include "platform/gfx/PixelRows.h"

struct STextJob {
    SPixelRows surface;
    SPixelBox clip;
    int x = 0;
    int y = 0;
    UINT options = 0;
    // The option rectangle (ETO_OPAQUE, ETO_CLIPPED), when one was given.
    bool hasRect = false;
    SPixelBox rect;
    std::string text;
    // The advance of every character, or nullptr.
    const int* dx = nullptr;
    UINT align = 0;
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = 0;
};
