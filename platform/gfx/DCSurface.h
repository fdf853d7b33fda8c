#pragma once
// Where a device context that is not on a memory bitmap draws: a window's
// pixels, supplied by the window layer. The core only reads and writes the
// pixels and reports which part changed.

#include "platform/gfx/PixelRows.h"

class CDCSurface {
public:
    virtual ~CDCSurface() = default;
    // The pixels, the part that may be drawn and where device (0, 0) lies on
    // them; false when there is nothing to draw on.
    virtual bool Resolve(SPixelRows& pixels, SPixelBox& area, int& baseX, int& baseY) const = 0;
    // Shows changed pixels.
    virtual void Touched(const SPixelBox& area) const = 0;
};
