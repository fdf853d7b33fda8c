#include "model/DataChecksum.h"

#include <gtest/gtest.h>

#include "model/services/Services.h"

TEST(DataChecksum, BasicRuleWorkedValues) {
    struct Case {
        int value, expected;
    };
    for (Case c : std::initializer_list<Case>{{123, 54},
                                              {7, 49},
                                              {10, 0},
                                              {-5, -35},
                                              {0, 0},
                                              {999, 10 * 16 * 9},
                                              {-123, 0},
                                              {-321, 10}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(CDataChecksum().Add(c.value).Get(), c.expected);
    }
}

TEST(DataChecksum, StaysWithinSixDigitsAndKeepsTheSign) {
    CDataChecksum sum;
    for (int i = 0; i < 10000; ++i) sum.Add(999);
    EXPECT_EQ(sum.Get(), (10000 * 1440) % 1000000);
    CDataChecksum negative;
    for (int i = 0; i < 10000; ++i) negative.Add(-999);
    EXPECT_EQ(negative.Get(), -((10000 * 144) % 1000000));  // (-8) x (-2) x (-9) each
    EXPECT_EQ(CDataChecksum().Add(INT32_MIN).Get(), CDataChecksum().Add(-648).Get());
}

TEST(DataChecksum, TextsAreSignedBytesAndBlocksUnsigned) {
    // "ab" = 97 + 98 = 195 -> 2 x 16 x 5
    EXPECT_EQ(CDataChecksum().AddText("ab").Get(), 160);
    EXPECT_EQ(CDataChecksum().AddString(std::string("ab")).Get(), 160);
    // A byte 0xC8 is -56 in a text, 200 in a block.
    EXPECT_EQ(CDataChecksum().AddText("\xC8").Get(), CDataChecksum().Add(-56).Get());
    uint8_t one[1] = {0xC8};
    EXPECT_EQ(CDataChecksum().AddBlock(one, 1).Get(), CDataChecksum().Add(200).Get());
    EXPECT_EQ(CDataChecksum().AddText(nullptr).Get(), 0);
    EXPECT_EQ(CDataChecksum().AddDouble(-12.9).Get(), CDataChecksum().Add(-12).Get());
}

TEST(DataChecksum, BlockSamplesSquareRootManyBytes) {
    // size 10: n = 3, step = 3 -> bytes 0, 3, 6.
    uint8_t block[10] = {1, 50, 50, 2, 50, 50, 4, 50, 50, 50};
    EXPECT_EQ(CDataChecksum().AddBlock(block, 10).Get(), CDataChecksum().Add(7).Get());
    // size 16: n = 4, step = 4 -> bytes 0, 4, 8, 12.
    uint8_t square[16] = {};
    square[0] = square[4] = square[8] = square[12] = 255;
    EXPECT_EQ(CDataChecksum().AddBlock(square, 16).Get(), CDataChecksum().Add(1020).Get());
    // Nothing to sample adds nothing.
    EXPECT_EQ(CDataChecksum().Add(7).AddBlock(block, 0).Get(), 49);
    EXPECT_EQ(CDataChecksum().Add(7).AddBlock(block, -4).Get(), 49);
}

TEST(DataChecksum, TheApplicationServiceOwnsOneRunningValue) {
    CDetachedAppService app;
    auto scoped = ScopedApp(&app);
    Services::App().DataChecksum().Reset().Add(123).Add(7);
    EXPECT_EQ(app.DataChecksum().Get(), 103);
    Services::App().DataChecksum().Reset();
    EXPECT_EQ(app.DataChecksum().Get(), 0);
}
