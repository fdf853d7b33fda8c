#pragma once
// A rectangle of surface pixels, right and bottom exclusive. Built from
// 64-bit sums and held to the int range, so that a transfer placed near the
// int limits clips instead of overflowing.

#include <algorithm>
#include <cstdint>
#include <limits>

struct SPixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // x, y and a size that may be negative (the box then lies to its left
    // or above).
    static SPixelBox Spanning(int64_t x, int64_t y, int64_t width, int64_t height) {
        const int64_t l = width < 0 ? x + width : x;
        const int64_t t = height < 0 ? y + height : y;
        return {Hold(l), Hold(t), Hold(l + (width < 0 ? -width : width)),
                Hold(t + (height < 0 ? -height : height))};
    }

    bool IsEmpty() const { return right <= left || bottom <= top; }
    int Width() const { return IsEmpty() ? 0 : right - left; }
    int Height() const { return IsEmpty() ? 0 : bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    SPixelBox Intersected(const SPixelBox& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }

private:
    static int Hold(int64_t v) {
        return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(),
                                                    std::numeric_limits<int>::max()));
    }
};
