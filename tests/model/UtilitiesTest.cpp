// Random helpers, temporary memory, fixed-width fields, colours and texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numeric>

#include "model/ColorTable.h"
#include "model/FixedField.h"
#include "model/Formatting.h"
#include "model/Random.h"
#include "model/TempMem.h"
#include "platform/core/RuntimeRandom.h"

TEST(Random, SeedOneWorkedValues) {
    CRuntimeRandom::Seed(1);
    for (int expected : {0, 5, 1, 8, 5}) EXPECT_EQ(Random(10), expected);
}

TEST(Random, ExtremeDrawsAtTheEdgesOfTheRange) {
    // Draw x = 0 and x = 32767 through Random, for a few n.
    auto drawWith = [](int x, int n) {
        // Search a state whose next draw is x.
        for (uint32_t s = 0;; ++s) {
            CRuntimeRandom::SetState(s);
            if (CRuntimeRandom::Next() == x) {
                CRuntimeRandom::SetState(s);
                return Random(n);
            }
        }
    };
    struct Case {
        int x, n, expected;
    };
    for (Case c : std::initializer_list<Case>{{0, 10, 0},
                                              {1, 10, 0},
                                              {32767, 10, 9},
                                              {32767, 32766, 32765},
                                              {0, 32767, 0},
                                              {0, 100000, 0},
                                              {32767, 100000, 99996},
                                              {0, 0, 0},
                                              {32767, -5, -4},
                                              {0, -5, 0},
                                              {32767, INT_MAX, 2147418108}}) {
        SCOPED_TRACE(testing::Message() << "x=" << c.x << " n=" << c.n);
        EXPECT_EQ(drawWith(c.x, c.n), c.expected);
    }
}

TEST(Random, SmallRangesAndVary) {
    CRuntimeRandom::Seed(77);
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(Random(1), 0);
        int r = Random(2);
        ASSERT_TRUE(r == 0 || r == 1);
        ASSERT_EQ(RandomVary(50, 0), 50);
        ASSERT_EQ(RandomVary(50, 1), 50);
        int v = RandomVary(50, 10);
        ASSERT_GE(v, 41);
        ASSERT_LE(v, 59);
    }
}

TEST(Random, ShuffleAndPermutationGiveEveryEntryOnce) {
    CRuntimeRandom::Seed(5);
    std::vector<int> empty;
    ShuffleArray(empty);
    EXPECT_TRUE(empty.empty());
    std::vector<int> one = {7};
    ShuffleArray(one);
    EXPECT_EQ(one, std::vector<int>{7});

    std::vector<int> entries = {10, 20, 30, 40, 50, 60, 70};
    ShuffleArray(entries);
    std::vector<int> sorted = entries;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{10, 20, 30, 40, 50, 60, 70}));

    CTempMem block;
    ASSERT_EQ(RandomPermutation(10, block), 1);
    ASSERT_EQ(block.GetIntCount(), 10);
    std::vector<int> perm(block.GetInts(), block.GetInts() + 10);
    std::sort(perm.begin(), perm.end());
    std::vector<int> expected(10);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(perm, expected);
    EXPECT_EQ(RandomPermutation(0, block), 0);
    EXPECT_EQ(RandomPermutation(-3, block), 0);
}

TEST(Random, ShuffleFollowsTheDrawingRule) {
    // Seed 1 gives Random(3) = 0 then Random(2) = 1: pool {a,b,c} -> a, c, b.
    CRuntimeRandom::Seed(1);
    std::vector<int> entries = {1, 2, 3};
    ShuffleArray(entries);
    EXPECT_EQ(entries, (std::vector<int>{1, 3, 2}));
}

TEST(TempMem, AllocReallocAndFree) {
    CTempMem mem;
    EXPECT_EQ(mem.Alloc(0), 0);
    EXPECT_EQ(mem.GetBlock(), nullptr);
    ASSERT_EQ(mem.Alloc(8), 1);
    EXPECT_EQ(mem.GetSize(), 8u);
    mem.GetInts()[1] = 42;
    ASSERT_EQ(mem.ReAlloc(16), 1);
    EXPECT_EQ(mem.GetInts()[1], 42);
    EXPECT_EQ(mem.GetInts()[3], 0);
    EXPECT_EQ(mem.ReAlloc(0), 0);
    EXPECT_EQ(mem.GetSize(), 16u);
    mem.Free();
    EXPECT_EQ(mem.GetSize(), 0u);
}

TEST(FixedField, ReadsLikeAtoiAndAdvances) {
    struct Case {
        const char* text;
        int width, expected, endPos;
    };
    for (Case c : std::initializer_list<Case>{{"00042", 5, 42, 5},
                                              {"  -7", 4, -7, 4},
                                              {"12ab", 4, 12, 4},
                                              {"     ", 5, 0, 5},
                                              {"00000", 5, 0, 5},
                                              {"+15", 3, 15, 3},
                                              {"123456", 3, 123, 3},
                                              {"99999999999", 11, INT_MAX, 11},
                                              {"-99999999999", 12, INT_MIN, 12},
                                              {"42", 5, 42, 5},  // past the end reads as blanks
                                              {"", 3, 0, 3},
                                              {"12", 0, 0, 0},
                                              {"12", -4, 0, 0}}) {
        SCOPED_TRACE(c.text);
        int pos = 0;
        EXPECT_EQ(ParseFixedInt(c.text, pos, c.width), c.expected);
        EXPECT_EQ(pos, c.endPos);
    }
}

TEST(FixedField, FieldsAreConsumedInOrderAndOverrunIsVisible) {
    std::string text = "0012-0003abc";
    int pos = 0;
    EXPECT_EQ(ParseFixedInt(text, pos, 4), 12);
    EXPECT_EQ(ParseFixedInt(text, pos, 5), -3);
    EXPECT_EQ(ParseFixedText(text, pos, 3), "abc");
    EXPECT_EQ(pos, static_cast<int>(text.size()));
    EXPECT_EQ(ParseFixedInt(text, pos, 4), 0);
    EXPECT_GT(pos, static_cast<int>(text.size()));
    EXPECT_EQ(ParseFixedText(std::string_view("ab\0cd", 5), pos = 0, 5), "ab");
}

TEST(ColorTable, EntriesAsColourValues) {
    EXPECT_EQ(GetColorTableEntry(0), 0x0000FFu);
    EXPECT_EQ(GetColorTableEntry(9), 0xFF9F00u);
    EXPECT_EQ(GetColorTableEntry(31), 0x7040BFu);
    EXPECT_EQ(GetColorTableEntry(32), 0u);
    EXPECT_EQ(GetColorTableEntry(-1), 0u);
}

TEST(Formatting, CommasOrdinalsMonthsAndTruncation) {
    struct Commas {
        int value;
        const char* text;
    };
    for (Commas c : std::initializer_list<Commas>{{0, "0"},
                                                  {999, "999"},
                                                  {1000, "1,000"},
                                                  {-1000, "-1,000"},
                                                  {-123, "-123"},
                                                  {1234567, "1,234,567"},
                                                  {-123456, "-123,456"},
                                                  {INT_MIN, "-2,147,483,648"}})
        EXPECT_EQ(FormatWithCommas(c.value), c.text);

    struct Ordinal {
        int n;
        const char* text;
    };
    for (Ordinal o : std::initializer_list<Ordinal>{{1, "1st"},
                                                    {2, "2nd"},
                                                    {3, "3rd"},
                                                    {4, "4th"},
                                                    {11, "11th"},
                                                    {12, "12th"},
                                                    {21, "21th"},
                                                    {22, "22th"},
                                                    {0, "0th"},
                                                    {-1, "-1th"}})
        EXPECT_EQ(FormatOrdinal(o.n), o.text);

    EXPECT_STREQ(GetMonthName(0), "January");
    EXPECT_STREQ(GetMonthName(11), "December");
    EXPECT_STREQ(GetMonthName(12), "");
    EXPECT_STREQ(GetMonthName(-1), "");

    EXPECT_EQ(TruncateText("abc", 3), "abc");
    EXPECT_EQ(TruncateText("abc", 10), "abc");
    EXPECT_EQ(TruncateText("abcdef", 4), "abcd");
    // "é" is two bytes: never split.
    EXPECT_EQ(TruncateText("a\xC3\xA9z", 2), "a");
    EXPECT_EQ(TruncateText("a\xC3\xA9z", 3), "a\xC3\xA9");
    EXPECT_EQ(TruncateText("abc", -1), "");
}
