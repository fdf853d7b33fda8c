#pragma once
// The computer player's powers: a negative base (losses, debts, negative
// funds) counts as 0, so that a power never yields NaN.

#include <algorithm>
#include <cmath>

namespace ComMath {

inline double Pow0(double base, double exponent) {
    return std::pow(std::max(base, 0.0), exponent);
}

}  // namespace ComMath
