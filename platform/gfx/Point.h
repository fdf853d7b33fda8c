#pragma once
// A point with the arithmetic the window code does on positions.

#include "platform/gfx/WinDefs.h"

class CPoint : public POINT {
public:
    CPoint() = default;
    CPoint(int px, int py) {
        x = px;
        y = py;
    }
    CPoint(const POINT& p) : POINT(p) {}
    // A position packed into a message parameter (signed 16-bit halves).
    explicit CPoint(LPARAM packed) : CPoint(GET_X_LPARAM(packed), GET_Y_LPARAM(packed)) {}

    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
    CPoint operator+(const CPoint& o) const { return CPoint(x + o.x, y + o.y); }
    CPoint operator-(const CPoint& o) const { return CPoint(x - o.x, y - o.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint& operator+=(const CPoint& o) {
        Offset(o.x, o.y);
        return *this;
    }
    CPoint& operator-=(const CPoint& o) {
        Offset(-o.x, -o.y);
        return *this;
    }
};
