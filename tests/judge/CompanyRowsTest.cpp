// The company rows of the judgment screen: the bar's count-up, the texts of
// every page, the two-colour bar and the scrolling pane.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "JudgeWindowFixture.h"
#include "judge/ArboDoc.h"
#include "judge/EpDataWnd.h"
#include "judge/EpDrawFrameWnd.h"
#include "judge/GraphBarWnd.h"
#include "judge/ArboView.h"
#include "judge/EpFrameWnd.h"
#include "judge/JudgeTextFrameWnd.h"
#include "judge/MainFrame.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"
#include "platform/ui/Messages.h"
#include "platform/ui/SystemMetrics.h"

namespace {

using namespace judge;

TEST(CompanyRowsTest, BarCountsUpToTheCompanysShare) {
    struct Case {
        const char* name;
        int64_t g, m;
        int p;
        CEpDataWnd::SBar bar;
    };
    const std::vector<Case> cases = {
        {"half the largest at 50 %", 50, 100, 50, {0, 1000, 500}},
        {"the largest at 50 %", 100, 100, 50, {0, 1000, 500}},
        {"half the largest at 100 %", 50, 100, 100, {0, 1000, 500}},
        {"the largest at 100 %", 100, 100, 100, {0, 1000, 1000}},
        {"a bar starts empty", 100, 100, 0, {0, 1000, 0}},
        {"debt: half the largest at 50 %", -50, -100, 50, {-1000, 0, -500}},
        {"debt: the largest at 100 %", -100, -100, 100, {-1000, 0, -1000}},
        {"debt: half the largest at 100 %", -50, -100, 100, {-1000, 0, -500}},
        {"all values 0", 0, 0, 100, {0, 1, 0}},
        {"a large value keeps its share", 3000000, 3000000, 100, {0, 1000, 1000}},
        {"the largest int", INT_MAX, INT_MAX, 100, {0, 1000, 1000}},
        {"a large negative value", -3000000, -3000000, 100, {-1000, 0, -1000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CEpDataWnd::SBar bar = CEpDataWnd::ComputeBar(c.g, c.m, c.p);
        EXPECT_EQ(bar.minimum, c.bar.minimum);
        EXPECT_EQ(bar.maximum, c.bar.maximum);
        EXPECT_EQ(bar.value, c.bar.value);
    }
}

TEST(CompanyRowsTest, PageValueTexts) {
    struct Case {
        int page;
        int value;
        const char* text;
    };
    const std::vector<Case> cases = {
        {0, 1234, "  1234"},
        {1, -56, "   -56"},
        {2, 321, "   321 people"},
        {3, 7512, "  75.12"},
        {3, 5, "   0.05"},
        {4, 3, "  3 area"},
        {5, 77, "  77"},
        {6, 123456, "  123456"},
        {7, 2, "  2"},
        {8, 10, "    10"},
        {9, 420, "   420"},
        {10, 0, "  None"},
        {10, 1, "  1 time"},
        {11, 4, "  4 times"},
        {12, 0, "  None"},
        {13, 0, "  None"},
        {13, 12, "  120,000 people"},
        {14, 345, "  3,450,000 people"},
        // Ten thousand times a large attendance passes the 32-bit range.
        {15, 3000000, "  30,000,000,000 people"},
        {16, 2, "  2 times"},
        {17, 0, "  None"},
        {18, 9, "       9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.page) + ": " + std::to_string(c.value));
        EXPECT_EQ(CEpDataWnd::FormatPageValue(c.page, c.value), c.text);
    }
}

TEST(CompanyRowsTest, TwoColourBar) {
    constexpr COLORREF kBar = 0x0000FF;
    constexpr COLORREF kBack = 0xC0C0C0;
    struct Case {
        const char* name;
        int minimum, maximum, value;
        int split;
        COLORREF left, right;
    };
    const std::vector<Case> cases = {
        {"0..1000 at 0 is all background", 0, 1000, 0, 0, kBack, kBack},
        {"0..1000 at 1000 is all bar", 0, 1000, 1000, 100, kBar, kBar},
        {"0..1000 at 500 is half", 0, 1000, 500, 50, kBar, kBack},
        {"-1000..0 at -1000 is all bar", -1000, 0, -1000, 0, kBar, kBar},
        {"-1000..0 at 0 is all background", -1000, 0, 0, 100, kBack, kBack},
        {"-1000..0 at -250 grows from the right", -1000, 0, -250, 75, kBack, kBar},
        {"an empty range draws no bar", 0, 0, 5, 0, kBack, kBack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CGraphBarWnd::SplitX(c.minimum, c.maximum, c.value, 100), c.split);
        CGraphBarWnd bar;
        bar.SetRange(c.minimum, c.maximum);
        bar.SetValue(c.value);
        bar.SetColors(kBar, kBack);
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmap(100, 4));
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CBitmap* old = dc.SelectObject(&bitmap);
        bar.Draw(dc, 100, 4);
        EXPECT_EQ(dc.GetPixel(0, 1), c.left);
        EXPECT_EQ(dc.GetPixel(99, 1), c.right);
        dc.SelectObject(old);
    }
}

class CompanyPaneTest : public CJudgeWindowFixture {
protected:
    SJudgmentFileOptions FileOptions() const override {
        SJudgmentFileOptions options;
        options.companies = 12;
        options.map.maxCompanies = 12;
        return options;
    }
    // Debts of 0, 100, 200 ... 1100.
    void PrepareGame(CJudgmentFileFixture& fixture) override {
        for (int c = 0; c < 12; ++c) fixture.Company(c).SetDebt(100 * c);
    }
};

TEST_F(CompanyPaneTest, RowsShareThePaneOrScroll) {
    ASSERT_TRUE(Start());
    CEpDrawFrameWnd& rows = view->GetCompanyPane().GetRows();
    ASSERT_EQ(rows.GetRowCount(), 12);
    const int d = rows.GetRowHeight();
    ASSERT_GT(d, 0);
    // Twelve rows in a pane for eight: the scroll bar pages by eight.
    rows.MoveWindow(0, 0, 600, 8 * d, TRUE);
    EXPECT_EQ(rows.GetFirstRow(), 0);
    EXPECT_EQ(rows.GetVisibleRows(), 8);
    SCROLLINFO info;
    ASSERT_TRUE(rows.GetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 11);
    EXPECT_EQ(info.nPage, 8u);
    EXPECT_TRUE(rows.GetRow(7).IsWindowVisible());
    EXPECT_FALSE(rows.GetRow(8).IsWindowVisible());
    // The scroll bar takes its width from the rows.
    CRect row;
    rows.GetRow(0).GetWindowRect(&row);
    EXPECT_EQ(row.Width(), 600 - GetSystemMetrics(SM_CXVSCROLL));
    rows.ScrollRows(3);
    EXPECT_EQ(rows.GetFirstRow(), 3);
    EXPECT_FALSE(rows.GetRow(2).IsWindowVisible());
    EXPECT_TRUE(rows.GetRow(10).IsWindowVisible());
    rows.ScrollRows(100);
    EXPECT_EQ(rows.GetFirstRow(), 11);
    // Room for all: the rows share the height and the bar goes.
    rows.MoveWindow(0, 0, 600, 12 * d + 30, TRUE);
    EXPECT_EQ(rows.GetFirstRow(), -1);
    for (int i = 0; i < 12; ++i) EXPECT_TRUE(rows.GetRow(i).IsWindowVisible()) << i;
}

TEST_F(CompanyPaneTest, OverlayTakesThePaneOver) {
    ASSERT_TRUE(Start());
    CEpDrawFrameWnd& rows = view->GetCompanyPane().GetRows();
    const int d = rows.GetRowHeight();
    rows.MoveWindow(0, 0, 600, 8 * d, TRUE);
    rows.ScrollRows(2);
    ASSERT_EQ(rows.GetFirstRow(), 2);
    EXPECT_FALSE(rows.GetOverlay().IsWindowVisible());

    rows.ShowOverlay();
    EXPECT_TRUE(rows.IsOverlayShown());
    EXPECT_EQ(rows.GetStyle() & WS_VSCROLL, 0u) << "the scroll bar goes with the rows";
    for (int i = 0; i < rows.GetRowCount(); ++i) {
        EXPECT_FALSE(rows.GetRow(i).IsWindowVisible()) << i;
    }
    const auto expectOverlayFills = [&](int width, int height) {
        CRect client;
        rows.GetClientRect(&client);
        EXPECT_EQ(client.Size(), CSize(width, height));
        CRect overlay;
        rows.GetOverlay().GetWindowRect(&overlay);
        rows.ScreenToClient(&overlay);
        EXPECT_EQ(overlay, client);
    };
    EXPECT_TRUE(rows.GetOverlay().IsWindowVisible());
    expectOverlayFills(600, 8 * d);
    rows.MoveWindow(0, 0, 500, 5 * d, TRUE);
    expectOverlayFills(500, 5 * d);
    for (int i = 0; i < rows.GetRowCount(); ++i) {
        EXPECT_FALSE(rows.GetRow(i).IsWindowVisible()) << i;
    }

    // The wheel goes to the overlay; one that the overlay passes back up
    // ends there instead of circling, and the hidden rows do not move.
    rows.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                     MAKELPARAM(10, 10));
    EXPECT_EQ(rows.GetStyle() & WS_VSCROLL, 0u);
    for (int i = 0; i < rows.GetRowCount(); ++i) {
        EXPECT_FALSE(rows.GetRow(i).IsWindowVisible()) << i;
    }
}

TEST_F(CompanyPaneTest, FrameSendsTheWheelToThePaneUnderThePointer) {
    ASSERT_TRUE(Start());
    CEpDrawFrameWnd& rows = view->GetCompanyPane().GetRows();
    rows.MoveWindow(0, 0, 600, 8 * rows.GetRowHeight(), TRUE);
    view->SetDisplayMode(5, TRUE);
    CJudgeTextFrameWnd& items = view->GetItemPane();
    items.MoveWindow(0, 600, 640, 3 * (3 * app->GetCharSize().cy + 8) + 4, TRUE);
    ASSERT_EQ(rows.GetFirstRow(), 0);
    ASSERT_TRUE(items.IsScrollBarShown());
    const auto centre = [](CWnd& w) {
        CRect r;
        w.GetWindowRect(&r);
        return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    struct Case {
        const char* name;
        CPoint point;
        int rowsFirst, itemsFirst;
    };
    CRect frameRect;
    frame->GetWindowRect(&frameRect);
    const std::vector<Case> cases = {
        {"over the rows", centre(rows), 1, 0},
        {"over the item pane", centre(items), 1, 1},
        {"over neither", CPoint(frameRect.right + 50, frameRect.bottom + 50), 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frame->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                           MAKELPARAM(c.point.x, c.point.y));
        EXPECT_EQ(rows.GetFirstRow(), c.rowsFirst);
        EXPECT_EQ(items.GetFirstRow(), c.itemsFirst);
    }
}

TEST_F(CompanyPaneTest, BarsFollowTheJudgedPage) {
    ASSERT_TRUE(Start());
    CArboDoc* doc = app->GetDocument();
    CEpDrawFrameWnd& rows = view->GetCompanyPane().GetRows();
    // Page 0 (funds), then page 1 (debt, counted down: a negative scale).
    for (int page = 0; page < 2; ++page) {
        ASSERT_TRUE(doc->RunNextStep());
        doc->SetCountUp(100);
        rows.UpdateAllBars();
        const int64_t m = doc->GetBarScale();
        for (int i = 0; i < rows.GetRowCount(); ++i) {
            SCOPED_TRACE(std::to_string(page) + "/" + std::to_string(i));
            const CGraphBarWnd& bar = rows.GetRow(i).GetData().GetBar();
            const auto expected = CEpDataWnd::ComputeBar(
                doc->GetCompany(i)->GetJudgeValue(doc->GetPage(), 1), m, 100);
            EXPECT_EQ(bar.GetValue(), expected.value);
            EXPECT_EQ(bar.GetMinimum(), expected.minimum);
        }
    }
    ASSERT_EQ(doc->GetPage(), 1);
    EXPECT_EQ(doc->GetBarScale(), -1100);
    // The largest debt fills its bar from the right, half of it half.
    EXPECT_EQ(rows.GetRow(11).GetData().GetBar().GetValue(), -1000);
    EXPECT_EQ(rows.GetRow(0).GetData().GetBar().GetValue(), 0);
    EXPECT_EQ(rows.GetRow(11).GetData().GetBar().GetMinimum(), -1000);
    doc->SetCountUp(50);
    rows.UpdateAllBars();
    EXPECT_EQ(rows.GetRow(11).GetData().GetBar().GetValue(), -500);
    EXPECT_EQ(rows.GetRow(3).GetData().GetBar().GetValue(), -272);
}

}  // namespace
