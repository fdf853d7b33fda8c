#include <gtest/gtest.h>

#include <vector>

#include "tools/mkdata/BuildingPainter.h"

namespace {

CSolid::SFace Wall(double length) {
    CSolid::SFace f;
    f.isWall = true;
    f.wallLeft = {0.0, 0.0, 0.0};
    f.wallRight = {length, 0.0, 0.0};
    return f;
}

// Wall features come two a cell, never fewer than asked, evenly centred.
TEST(BuildingPainterTest, SpacedFeaturesAlongAWall) {
    struct Case {
        double length;
        int least;
        std::vector<double> centres;
    };
    const Case cases[] = {
        {0.3, 1, {0.5}},
        {0.3, 2, {0.25, 0.75}},
        {1.0, 1, {0.25, 0.75}},
        {2.0, 2, {0.125, 0.375, 0.625, 0.875}},
    };
    for (const Case& c : cases) {
        std::vector<double> seen;
        CBuildingPainter::Spaced(Wall(c.length), c.least, [&](double s, int n) {
            EXPECT_EQ(n, static_cast<int>(c.centres.size())) << c.length;
            seen.push_back(s);
        });
        EXPECT_EQ(seen, c.centres) << c.length << " " << c.least;
    }
}

}  // namespace
