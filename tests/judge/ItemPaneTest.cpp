// The item pane: which item a page shows, where the item list goes and how
// the director table shares its places.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "JudgeWindowFixture.h"
#include "judge/ArboDoc.h"
#include "judge/ArboView.h"
#include "judge/JudgeTextFrameWnd.h"
#include "platform/ui/Messages.h"
#include "platform/ui/SystemMetrics.h"

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

namespace {

class ItemPaneScrollTest : public CJudgeWindowFixture {
protected:
    SJudgmentFileOptions FileOptions() const override {
        SJudgmentFileOptions options;
        options.companies = 12;
        options.map.maxCompanies = 12;
        return options;
    }
};

TEST_F(ItemPaneScrollTest, CardsAndChartsScrollByRows) {
    ASSERT_TRUE(Start());
    const CSize ch = app->GetCharSize();
    const int cardWidth = 26 * ch.cx + 8;
    const int cardHeight = 5 * std::max(ch.cy, app->GetMarkSize().cy) + 8;
    const int boxHeight = 3 * ch.cy + 8;
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    struct Case {
        const char* name;
        int mode, width, height;
        bool scrolls;
        int rows, visible;
    };
    const std::vector<Case> cases = {
        {"charts for four of twelve", 5, 600, 4 * boxHeight + 3, true, 12, 4},
        {"room for every chart", 5, 600, 12 * boxHeight, false, 12, 12},
        {"a single chart row visible", 5, 600, boxHeight + boxHeight / 2, false, 12, 1},
        {"three cards a row, two rows visible", 4, 3 * cardWidth + bar, 2 * cardHeight, true, 4, 2},
        {"the bar's width costs a card a row", 4, 3 * cardWidth + bar - 1, 2 * cardHeight, true, 6,
         2},
        {"room for every card", 4, 3 * cardWidth, 4 * cardHeight, false, 4, 4},
        {"the item list does not scroll", 2, 600, 40, false, 0, 0},
    };
    CJudgeTextFrameWnd& pane = view->GetItemPane();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view->SetDisplayMode(c.mode, TRUE);
        pane.MoveWindow(0, 0, c.width, c.height, TRUE);
        CRect client;
        pane.GetClientRect(&client);
        pane.Relayout(client.Width(), client.Height());
        EXPECT_EQ(pane.IsScrollBarShown(), c.scrolls);
        EXPECT_EQ((pane.GetStyle() & WS_VSCROLL) != 0, c.scrolls);
        EXPECT_EQ(pane.GetVisibleRows(), c.visible);
        EXPECT_EQ(pane.GetFirstRow(), 0);
        if (!c.scrolls) {
            pane.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
            EXPECT_EQ(pane.GetFirstRow(), 0);
            continue;
        }
        SCROLLINFO info;
        ASSERT_TRUE(pane.GetScrollInfo(SB_VERT, &info));
        EXPECT_EQ(info.nMax, c.rows - 1);
        EXPECT_EQ(info.nPage, static_cast<UINT>(c.visible));
        const int last = c.rows - c.visible;
        pane.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        EXPECT_EQ(pane.GetFirstRow(), 1);
        pane.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA)), 0);
        EXPECT_EQ(pane.GetFirstRow(), 0) << "the wheel away from the user goes up";
        pane.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        EXPECT_EQ(pane.GetFirstRow(), std::min(c.visible, last));
        pane.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-10 * WHEEL_DELTA)), 0);
        EXPECT_EQ(pane.GetFirstRow(), last) << "clamped to the last page";
        EXPECT_EQ(pane.GetScrollPos(SB_VERT), last);
        pane.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
        EXPECT_EQ(pane.GetFirstRow(), 0);
        pane.SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
        EXPECT_EQ(pane.GetFirstRow(), 0);
    }
}

}  // namespace
