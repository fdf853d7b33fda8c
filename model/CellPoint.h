#pragma once
// A map cell within an area as the records keep it: x the column, y the row.
// (-1, -1) stands for "no cell". The records store it as two 32-bit ints.

class CCellPoint {
public:
    CCellPoint() = default;
    CCellPoint(int px, int py) : x(px), y(py) {}

    bool operator==(const CCellPoint&) const = default;

    int x = 0;
    int y = 0;
};
