// The texts of the area buttons and the month window, and the geometry of
// their share bars, marks and relation gauges.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "views/AreaFigures.h"

namespace {

using namespace AreaFigures;

TEST(AreaFiguresTest, PopulationWithItsTrend) {
    const struct {
        int population, trend;
        const char* text;
    } cases[] = {
        {1, 0, "   10,000"},          {123, 0, "  1,230,000"},   {99, 0, "   990,000"},
        {100, 0, "  1,000,000"},      {1, -2, "   10,000--"},    {5, 3, "   50,000+++"},
        {12345, 1, "123,450,000+"},   {0, 0, "   00,000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PopulationText(c.population, c.trend), c.text) << c.population << " " << c.trend;
}

TEST(AreaFiguresTest, TheGovernorsRemainingTerm) {
    EXPECT_EQ(RemainingTerm(30, 30), 48) << "elected this month";
    EXPECT_EQ(RemainingTerm(77, 30), 1);
    const struct {
        int remaining;
        const char* text;
    } cases[] = {
        {48, "Ann Lee (Remaining term 48 months)"},
        {2, "Ann Lee (Remaining term 2 months)"},
        {1, "Ann Lee (Remaining term 1 month)"},
        {0, "Ann Lee (Remaining term 0 month)"},
        {-3, "Ann Lee (Remaining term -3 month)"},
    };
    for (const auto& c : cases) EXPECT_EQ(GovernorText("Ann Lee", c.remaining), c.text);
    EXPECT_EQ(GovernorLine(nullptr, 30), "None (Remaining term 0 month)")
        << "an area without a governor";
}

TEST(AreaFiguresTest, TheExpoLine) {
    const struct {
        int start, now, completion;
        const char* text;
    } cases[] = {
        {26, 20, 40, "Scheduled open date, 3rd year March, 40% complete."},
        {26, 26, 100, "Expo ongoing for 1 month."},
        {26, 27, 100, "Expo ongoing for 2 months."},
        {26, 29, 100, "Expo ongoing for 4 months."},
        {0, -1, 0, "Scheduled open date, 1st year January, 0% complete."},
        {INT_MAX, 0, 0, "Scheduled open date, 178956971th year August, 0% complete."},
    };
    for (const auto& c : cases) EXPECT_EQ(ExpoText(c.start, c.now, c.completion), c.text) << c.now;
}

TEST(AreaFiguresTest, TheMonthWindowsLines) {
    EXPECT_EQ(GameLengthText(10), "10 Year Game");
    EXPECT_EQ(YearText(0), "1st year");
    EXPECT_EQ(YearText(2), "3rd year");
    EXPECT_EQ(MonthText(0), "January");
    EXPECT_EQ(MonthText(11), "December");
}

// The edges of a bar 300 pixels wide from x = 10.
std::vector<int> Edges(const std::vector<SSegment>& segments) {
    std::vector<int> edges;
    for (const SSegment& s : segments) {
        edges.push_back(s.left);
        edges.push_back(s.right);
    }
    return edges;
}

TEST(AreaFiguresTest, ShareBarSegments) {
    const COLORREF a = RGB(255, 0, 0), b = RGB(0, 0, 255);
    const struct {
        const char* name;
        std::vector<SShare> shares;
        int64_t total;
        std::vector<int> edges;
    } cases[] = {
        {"a sum below the floor fills its share", {{100, a}, {400, b}}, 500, {10, 40, 40, 160}},
        {"a larger sum fills the bar exactly", {{1500, a}, {1500, b}}, 3000, {10, 160, 160, 310}},
        {"shares of 0 are left out", {{0, a}, {2000, b}}, 2000, {10, 310}},
        {"what lies past the scale is cut", {{1000, a}, {500, b}}, 1000, {10, 310}},
        {"totals beyond 32-bit products keep their edges",
         {{1'000'000'000, a}, {1'000'000'000, b}}, 2'000'000'000, {10, 160, 160, 310}},
    };
    for (const auto& c : cases) {
        const std::vector<SSegment> segments = ShareSegments(c.shares, c.total, 1000, 10, 300);
        EXPECT_EQ(Edges(segments), c.edges) << c.name;
    }
    const std::vector<SSegment> large =
        ShareSegments({{8'000'000, a}, {2'000'000, b}}, 10'000'000, 1000, 0, 300);
    ASSERT_EQ(large.size(), 2u);
    EXPECT_EQ(large[0].right, 240) << "W x acc beyond 2^31 stays exact";
    EXPECT_EQ(large[1].value, 2'000'000);
    EXPECT_EQ(large[1].colour, b);
}

TEST(AreaFiguresTest, MarksOfTheCompaniesThatExpanded) {
    // Four companies at levels 1, 2, 3, 5; slots of 20 pixels from x = 100.
    const std::vector<SMark> marks = MarkRects({1, 2, 3, 5}, 100, 185, 300, 300, 10, 30);
    ASSERT_EQ(marks.size(), 3u) << "below level 2 the slot stays empty";
    EXPECT_EQ(marks[0].company, 1);
    EXPECT_EQ(marks[0].rect, CRect(120, 10, 139, 20)) << "level 2: the upper half";
    EXPECT_EQ(marks[1].rect, CRect(140, 10, 159, 30)) << "level 3: the whole line";
    EXPECT_EQ(marks[2].rect, CRect(160, 10, 179, 30));
    const std::vector<SMark> clipped = MarkRects({3, 3, 3, 3}, 100, 185, 150, 150, 10, 30);
    ASSERT_EQ(clipped.size(), 3u) << "none from the first slot at the limit";
    EXPECT_EQ(clipped[2].rect.right, 149) << "clipped at the right edge, less a pixel";
    EXPECT_EQ(MarkRects({3}, 100, 101, 300, 300, 10, 11)[0].rect.Height(), 1);
    EXPECT_EQ(MarkRects({2}, 100, 101, 300, 300, 10, 11)[0].rect.Height(), 1)
        << "a half mark keeps at least one pixel";
    EXPECT_TRUE(MarkRects({}, 100, 185, 300, 300, 10, 30).empty()) << "no companies, no marks";
}

TEST(AreaFiguresTest, RelationGaugeSlots) {
    const std::vector<CRect> slots = GaugeSlots(4, 100, 200, 0, 10);
    ASSERT_EQ(slots.size(), 4u);
    EXPECT_EQ(slots[0], CRect(100, 0, 124, 10));
    EXPECT_EQ(slots[3], CRect(175, 0, 199, 10));
    const std::vector<CRect> narrow = GaugeSlots(30, 100, 120, 0, 10);
    ASSERT_EQ(narrow.size(), 4u) << "slots keep 5 pixels and stop at the limit";
    EXPECT_EQ(narrow[3], CRect(115, 0, 119, 10));
    EXPECT_TRUE(GaugeSlots(0, 100, 200, 0, 10).empty()) << "no companies, no gauges";
}

}  // namespace
