// The saturating conversions at the edges of their types.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <limits>

#include "model/Saturate.h"

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin64 = std::numeric_limits<int64_t>::min();
}  // namespace

TEST(Saturate, ClampToIntHoldsWideValuesAtTheIntLimits) {
    const std::pair<int64_t, int> cases[] = {
        {0, 0},
        {-7, -7},
        {INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN},
        {int64_t{INT_MAX} + 1, INT_MAX},
        {int64_t{INT_MIN} - 1, INT_MIN},
        {kMax64, INT_MAX},
        {kMin64, INT_MIN},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(ClampToInt(value), expected) << value;
}

TEST(Saturate, TruncToIntTruncatesTowardZeroAndHoldsTheEdges) {
    const std::pair<double, int> cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {-0.5, 0},
        {kNaN, 0},
        {kInf, INT_MAX},
        {-kInf, INT_MIN},
        {2147483647.9, INT_MAX},
        {2147483646.9, 2147483646},
        {-2147483648.9, INT_MIN},
        {-2147483647.9, -2147483647},
        {1e300, INT_MAX},
        {-1e300, INT_MIN},
        {static_cast<double>(kMax64), INT_MAX},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(TruncToInt(value), expected) << value;
}

TEST(Saturate, TruncToInt64StaysInsideTheSixtyFourBitRange) {
    const int64_t limit = static_cast<int64_t>(kTruncInt64Limit);
    const std::pair<double, int64_t> cases[] = {
        {123456789012.7, 123456789012},
        {-123456789012.7, -123456789012},
        {kNaN, 0},
        {kInf, limit},
        {-kInf, -limit},
        {static_cast<double>(kMax64), limit},
        {static_cast<double>(kMin64), -limit},
        {1e19, limit},
        {-1e300, -limit},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(TruncToInt64(value), expected) << value;
}
