// The small texts of the judgment windows.

#include "judge/JudgeFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/Formatting.h"

namespace {

using judge::FormatCount;
using judge::PadSpaces;

TEST(JudgeFormatTest, Thousands) {
    struct Case {
        int64_t value;
        const char* text;
    };
    const std::vector<Case> cases = {
        {1234567, "1,234,567"}, {999, "999"},          {1000, "1,000"},
        {0, "0"},               {100000, "100,000"},
        // Attendance x 10000 of a large club goes past 32 bits.
        {int64_t{3000000} * 10000, "30,000,000,000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatWithCommas(c.value), c.text);
    }
}

TEST(JudgeFormatTest, OrdinalsAndCounts) {
    struct Case {
        int n;
        const char* suffix;
    };
    const std::vector<Case> cases = {{1, "st"},  {2, "nd"},  {3, "rd"},  {4, "th"},
                                     {11, "th"}, {12, "th"}, {13, "th"}, {21, "th"},
                                     {22, "th"}, {23, "th"}, {0, "th"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_STREQ(GetOrdinalSuffix(c.n), c.suffix);
        EXPECT_EQ(FormatOrdinal(c.n), std::to_string(c.n) + c.suffix);
    }
    EXPECT_EQ(FormatCount("%3d", 0), "  0 time");
    EXPECT_EQ(FormatCount("%3d", 1), "  1 time");
    EXPECT_EQ(FormatCount("%3d", 2), "  2 times");
    EXPECT_EQ(PadSpaces(3), "   ");
    EXPECT_EQ(PadSpaces(0), "");
    EXPECT_EQ(PadSpaces(-2), "");
}

TEST(JudgeFormatTest, TruncateTextNeverSplitsACharacter) {
    // "é" and "ü" are two bytes each.
    const std::string text = "ab\xC3\xA9" "c\xC3\xBC";
    struct Case {
        int bytes;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {2, "ab"}, {3, "ab"}, {4, "ab\xC3\xA9"}, {6, "ab\xC3\xA9" "c"}, {7, text}, {50, text},
        {0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(TruncateText(text, c.bytes), c.expected);
    }
}

}  // namespace
