#pragma once
// The judgment's results are 32-bit values; sums and products of stored
// values are formed in 64 bits and held to the int range where stored.

#include <algorithm>
#include <climits>
#include <cstdint>

namespace judge {

inline int Saturate(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace judge
