#pragma once
// A width and height pair.

#include "platform/gfx/WinDefs.h"

class CSize : public SIZE {
public:
    CSize() = default;
    CSize(int w, int h) {
        cx = w;
        cy = h;
    }
    CSize(const SIZE& s) : SIZE(s) {}

    bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const CSize& o) const { return !(*this == o); }
    CSize operator+(const CSize& o) const { return CSize(cx + o.cx, cy + o.cy); }
    CSize operator-(const CSize& o) const { return CSize(cx - o.cx, cy - o.cy); }
};
