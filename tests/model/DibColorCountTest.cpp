#include <gtest/gtest.h>

#include <vector>

#include "fakes/TestDrawing.h"
#include "model/DibHeader.h"

namespace {

struct CountCase {
    const char* name;
    SDibLayout layout;
    // Written into biClrUsed after the image is made (-1: as made).
    int colorsUsed;
    int count;
    uint32_t paletteSize;
};

TEST(DibColorCountTest, CountAndTableSizeFollowTheHeader) {
    auto row = [](int bytes) { return std::vector<std::vector<uint8_t>>{std::vector<uint8_t>(bytes)}; };
    const std::vector<CountCase> cases = {
        {"1 bit", {8, 1, 1, {}, row(1)}, 0, 2, 8},
        {"4 bits", {2, 1, 4, {}, row(1)}, 0, 16, 64},
        {"8 bits", {1, 1, 8, {}, row(1)}, 0, 256, 1024},
        {"24 bits", {1, 1, 24, {}, row(3)}, 0, 0, 0},
        {"8 bits with 20 colours used", {1, 1, 8, {}, row(1)}, 20, 20, 80},
        {"4 bits with 3 colours used", {2, 1, 4, {}, row(1)}, 3, 3, 12},
        {"12-byte core header, 8 bits", {1, 1, 8, {}, row(1), false, true}, -1, 256, 768},
        {"12-byte core header, 1 bit", {8, 1, 1, {}, row(1), false, true}, -1, 2, 6},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> image = MakeDib(c.layout);
        if (c.colorsUsed >= 0) WriteLE32(image.data() + 32, static_cast<uint32_t>(c.colorsUsed));
        EXPECT_EQ(GetDibColorCount(image.data(), image.size()), c.count);
        EXPECT_EQ(GetDibPaletteSize(image.data(), image.size()), c.paletteSize);
    }
}

TEST(DibColorCountTest, UnreadableHeaderHasNoColours) {
    const std::vector<uint8_t> shortHeader = {40, 0, 0, 0, 1, 0};
    EXPECT_EQ(GetDibColorCount(shortHeader.data(), shortHeader.size()), 0);
    EXPECT_EQ(GetDibPaletteSize(shortHeader.data(), shortHeader.size()), 0u);
    EXPECT_EQ(GetDibColorCount(nullptr, 0), 0);
}

}  // namespace
