// The item pane: which item a page shows, where the item list goes and how
// the director table shares its places.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "judge/ArboDoc.h"
#include "judge/JudgeTextFrameWnd.h"

namespace {

using judge::CArboDoc;
using judge::CJudgeTextFrameWnd;

TEST(ItemPaneTest, ItemOfEveryPage) {
    const std::vector<int> items = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 11, 11, 11, 12, 13, 14};
    for (int page = 0; page < static_cast<int>(items.size()); ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(CJudgeTextFrameWnd::ItemFromPage(page), items[static_cast<size_t>(page)]);
    }
    EXPECT_EQ(CJudgeTextFrameWnd::ItemFromPage(-1), -1);
    EXPECT_EQ(CJudgeTextFrameWnd::ItemFromPage(19), -1);
    EXPECT_STREQ(CJudgeTextFrameWnd::ItemName(3), "Employee Average Loyalty");
    EXPECT_STREQ(CJudgeTextFrameWnd::ItemName(14), "Area Contribution Level");
}

TEST(ItemPaneTest, ItemListLayout) {
    // Font 2 is 7 wide and 16 high, the marks 20 high: rows are 20 high and
    // a column 350 wide.
    struct Case {
        const char* name;
        int width, height;
        int rows, columns, left, top;
    };
    const std::vector<Case> cases = {
        {"a pane for two rows: one item per column", 2000, 40, 1, 5, 125, 0},
        {"too low even for that: still one", 800, 10, 1, 2, 50, 0},
        {"three rows a column", 1500, 80, 3, 4, 50, 0},
        {"a tall pane holds all fifteen in one column", 800, 600, 15, 1, 225, 140},
        {"a narrow pane keeps one column", 100, 200, 9, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto layout = CJudgeTextFrameWnd::ListLayout(c.width, c.height, 7, 16, 20);
        EXPECT_EQ(layout.rowHeight, 20);
        EXPECT_EQ(layout.rowsPerColumn, c.rows);
        EXPECT_EQ(layout.columns, c.columns);
        EXPECT_EQ(layout.left, c.left);
        EXPECT_EQ(layout.top, c.top);
    }
}

TEST(ItemPaneTest, EqualAbilitiesShareTheirPlaceAndPoints) {
    struct Case {
        std::vector<int> scores;
        std::vector<int> places;
        std::vector<int> points;
    };
    const std::vector<Case> cases = {
        {{500, 400, 300, 200, 100}, {0, 1, 2, 3, 4}, {25, 20, 15, 10, 5}},
        {{500, 400, 400, 300, 300}, {0, 1, 1, 3, 3}, {25, 20, 20, 10, 10}},
        {{200, 200, 200}, {0, 0, 0}, {25, 25, 25}},
        {{}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scores.size());
        const std::vector<int> places = CArboDoc::SharedPlaces(c.scores);
        EXPECT_EQ(places, c.places);
        std::vector<int> points;
        for (int place : places) points.push_back(CArboDoc::DirectorPoints(place));
        EXPECT_EQ(points, c.points);
    }
}

}  // namespace
