// The arithmetic of the turning outline: each corner's ellipse, the
// degenerate corner pairs that fit none, and the outlines at the ends of
// the turn.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "views/TurnOutline.h"

namespace {

bool Finite(const CTurnOutline::SPath& p) {
    return std::isfinite(p.a) && std::isfinite(p.b) && std::isfinite(p.start) &&
           std::isfinite(p.end);
}

TEST(TurnOutlineTest, CornerPathsAreFiniteForEveryPairOfCorners) {
    struct SCase {
        const char* name;
        double x1, y1, x2, y2;
        double a, b;  // expected axes
    };
    const double r5 = std::sqrt(5.0);
    const std::vector<SCase> cases = {
        // x^2/16 + y^2/4 = 1 through both corners.
        {"ellipse", 4, 0, 0, 2, 4, 2},
        {"ellipse, corners swapped", 0, 2, 4, 0, 4, 2},
        {"ellipse through skew corners", 2, std::sqrt(3.0), -std::sqrt(2.0), -std::sqrt(3.5), 4, 2},
        // a^2 comes out negative: no ellipse around the centre.
        {"no ellipse (a^2 < 0)", 1, 1, 3, 2, std::sqrt(2.0), std::sqrt(2.0)},
        // b^2 comes out negative.
        {"no ellipse (b^2 < 0)", 2, 4, 1, 1, std::sqrt(20.0), std::sqrt(20.0)},
        {"equal y", 1, 2, 3, 2, r5, r5},
        {"equal y, mirrored", -1, 2, 1, 2, r5, r5},
        {"equal x", 2, 1, 2, -3, r5, r5},
        {"zero radius", 0, 0, 5, 7, 0, 0},
        {"both at the centre", 0, 0, 0, 0, 0, 0},
        {"target at the centre", 3, 4, 0, 0, 5, 5},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CTurnOutline::SPath p = CTurnOutline::FitPath(c.x1, c.y1, c.x2, c.y2);
        EXPECT_TRUE(Finite(p));
        EXPECT_NEAR(p.a, c.a, 0.01);
        EXPECT_NEAR(p.b, c.b, 0.01);
        EXPECT_GE(p.start, -M_PI);
        EXPECT_LE(p.start, M_PI);
        EXPECT_GE(p.end, -M_PI);
        EXPECT_LE(p.end, M_PI);
    }
    // On a fitted ellipse the start angle names the start corner.
    const CTurnOutline::SPath p = CTurnOutline::FitPath(2, std::sqrt(3.0), 0, 2);
    EXPECT_NEAR(std::cos(p.start) * p.a, 2, 1e-9);
    EXPECT_NEAR(std::sin(p.start) * p.b, std::sqrt(3.0), 1e-9);
}

TEST(TurnOutlineTest, TheOutlineRunsFromTheSourceToTheTurnedTarget) {
    // A diamond before the turn and a flatter one after it, with different
    // centres.
    const CTurnOutline::SCorners source = {{{100, 40}, {60, 80}, {100, 120}, {140, 80}}};
    const CTurnOutline::SCorners target = {{{210, 60}, {150, 90}, {210, 120}, {270, 90}}};
    // Quarter turns: each corner has an ellipse to its target.
    for (int turns : {1, -1, 3, 5}) {
        SCOPED_TRACE("turns " + std::to_string(turns));
        const CTurnOutline turn(source, target, turns);
        EXPECT_EQ(turn.GetSourceCentre().x, 100);
        EXPECT_EQ(turn.GetSourceCentre().y, 80);
        EXPECT_EQ(turn.GetTargetCentre().x, 210);
        EXPECT_EQ(turn.GetTargetCentre().y, 90);
        const CTurnOutline::SCorners start = turn.At(0, 27);
        const CTurnOutline::SCorners end = turn.At(27, 27);
        for (int i = 0; i < 4; ++i) {
            const int j = ((i + turns) % 4 + 4) % 4;
            // Truncation may lose a pixel at either end.
            EXPECT_NEAR(start[size_t(i)].x, source[size_t(i)].x, 1);
            EXPECT_NEAR(start[size_t(i)].y, source[size_t(i)].y, 1);
            EXPECT_NEAR(end[size_t(i)].x, target[size_t(j)].x, 1);
            EXPECT_NEAR(end[size_t(i)].y, target[size_t(j)].y, 1);
        }
        // Half way the centre lies half way.
        const CTurnOutline::SCorners middle = turn.At(13, 26);
        long cx = 0;
        for (const POINT& p : middle) cx += p.x;
        EXPECT_NEAR(cx / 4.0, 155, 40);
    }
    // In a half turn opposite corners pair up: they fit no ellipse and run
    // on the circle through their start.
    const CTurnOutline half(source, target, 2);
    EXPECT_NEAR(half.GetPath(0).a, 40, 1e-9);
    EXPECT_NEAR(half.GetPath(0).b, 40, 1e-9);
    // A degenerate outline (all corners on one point) stays put.
    const CTurnOutline::SCorners point = {{{5, 5}, {5, 5}, {5, 5}, {5, 5}}};
    const CTurnOutline still(point, point, 1);
    for (int q = 0; q <= 27; ++q)
        for (const POINT& p : still.At(q, 27)) {
            EXPECT_EQ(p.x, 5);
            EXPECT_EQ(p.y, 5);
        }
}

}  // namespace
