#pragma once
// Conversions that hold a wide value at the edge of the narrower type
// instead of wrapping or invoking undefined behaviour. Stored data and the
// formulas built on it can reach any int, so the rules widen, compute and
// come back through these.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// A 64-bit result held to the int range.
inline int ClampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

// Truncation toward zero, as the formulas truncate; held to the int range,
// and a NaN counts as 0 (a plain cast of either would be undefined).
inline int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(std::trunc(value),
                                       static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

// The largest magnitude TruncToInt64 answers: a round figure just inside
// int64_t (the limits themselves round up to 2^63 as a double, which the
// cast could not hold).
inline constexpr double kTruncInt64Limit = 9.0e18;

// Truncation toward zero into 64 bits, held to +-kTruncInt64Limit; a NaN
// counts as 0.
inline int64_t TruncToInt64(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int64_t>(std::clamp(std::trunc(value), -kTruncInt64Limit, kTruncInt64Limit));
}
