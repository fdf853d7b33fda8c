#pragma once
// A point of a picture in pixels; pixel (x, y) covers x..x+1, y..y+1.

struct SPointF {
    double x = 0.0;
    double y = 0.0;
};
