#pragma once
// A colour of the painters before it is matched to the game palette.

#include <algorithm>
#include <cstdint>

struct SRgb {
    int r = 0;
    int g = 0;
    int b = 0;

    bool operator==(const SRgb&) const = default;

    // Each channel times f, kept to 0..255.
    SRgb Scaled(double f) const { return {Clamp(r * f), Clamp(g * f), Clamp(b * f)}; }
    // t = 0 gives this colour, t = 1 the other.
    SRgb Mixed(const SRgb& other, double t) const {
        return {Clamp(r + (other.r - r) * t), Clamp(g + (other.g - g) * t),
                Clamp(b + (other.b - b) * t)};
    }
    // The value red | green << 8 | blue << 16.
    uint32_t Value() const {
        return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 |
               static_cast<uint32_t>(b) << 16;
    }

private:
    static int Clamp(double v) { return static_cast<int>(std::clamp(v + 0.5, 0.0, 255.0)); }
};
