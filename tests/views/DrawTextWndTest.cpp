// The scrolling text window and its history variant: line heights, run
// placement, centring, the scroll bars' decision and ranges, scrolling and
// line clicks, all computed from the extents the fonts measure.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "views/BlockFixture.h"
#include "platform/ui/DC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockMessages.h"
#include "views/DrawExTextWnd.h"
#include "views/DrawTextWnd.h"

namespace {

class TextWndTest : public BlocksTest {
protected:
    // A run's extent + 2, measured here on a context of its own.
    static CSize Measured(const std::string& text, CFont* font) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CFont* previous = dc.SelectObject(font);
        const CSize extent = dc.GetTextExtent(text);
        dc.SelectObject(previous);
        return CSize(extent.cx + 2, extent.cy + 2);
    }
    CFont* Normal() { return host.fonts.GetMessageFont(); }
    CFont* Bold() { return host.fonts.GetMessageFont2(); }
    int EmptyLine() const { return host.fonts.GetLayoutSize().cy + 2; }
    // A line of one run in the normal font.
    void AddLine(CDrawTextWnd& wnd, int line, const std::string& text) {
        ASSERT_TRUE(wnd.AddText(CPoint(0, line), text, RGB(0, 0, 0), Normal(),
                                CDrawTextWnd::kNoMark, 0));
    }
    void Scroll(CWnd& wnd, UINT message, int code, int pos = 0) {
        wnd.SendMessage(message, MAKEWPARAM(code, pos), 0);
    }
    void Click(CWnd& wnd, int y) { wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(4, y)); }

    CDrawTextWnd text;
};

TEST_F(TextWndTest, AWindowWithoutRunsHasNoTextAndPlacesNothing) {
    CreateChild(text, CRect(0, 0, 200, 100));
    EXPECT_EQ(text.GetTextHeight(0), 0);
    EXPECT_EQ(text.GetTextHeight(1), host.MarkCell().cy);
    EXPECT_EQ(text.GetLineCount(), 0);
    EXPECT_TRUE(text.PlaceRuns().empty());
    text.Layout();
    EXPECT_TRUE(text.PlaceRuns().empty());
    EXPECT_FALSE(text.AddText(CPoint(0, -1), "No line", 0, Normal(), CDrawTextWnd::kNoMark, 0));
    EXPECT_TRUE(text.GetRuns().empty()) << "a run without a line is refused";
}

TEST_F(TextWndTest, LineHeightsFitTheirRunsAndMarksAndEmptyLinesTakeTheLayoutHeight) {
    const CSize mark = host.MarkCell();
    const CSize normal = Measured("Normal", Normal());
    const CSize bold = Measured("Bold", Bold());
    // A line grows to the run's height + 2; a mark taller than that makes
    // it the mark's height + 2.
    auto fit = [&](CSize run, bool withMark) {
        int height = run.cy + 2;
        if (withMark && height < mark.cy) height = mark.cy + 2;
        return height;
    };
    ASSERT_TRUE(text.AddText(CPoint(0, 0), "Normal", 0, Normal(), CDrawTextWnd::kNoMark, 0));
    ASSERT_TRUE(text.AddText(CPoint(0, 2), "Bold", 0, Bold(), 5, 0));
    ASSERT_TRUE(text.AddText(CPoint(0, 3), "Normal", 0, Normal(), 32, 0));
    ASSERT_TRUE(text.AddText(CPoint(0, 4), "Normal", 0, Normal(), -2, 0));
    const std::vector<int> expected = {fit(normal, false), EmptyLine(), fit(bold, true),
                                       fit(normal, false), fit(normal, true)};
    EXPECT_EQ(text.GetLineHeights(), expected)
        << "line 1 has no runs; colour 32 is no mark; the month marker -2 is one";
    int sum = 0;
    for (int h : expected) sum += h;
    EXPECT_EQ(text.GetTextHeight(0), sum);
    EXPECT_EQ(text.GetTextHeight(1), sum + mark.cy);
}

TEST_F(TextWndTest, RunsArePlacedAfterMarksAndPreviousRuns) {
    const int markWidth = host.MarkCell().cx;
    const CSize alpha = Measured("Alpha", Normal());
    const CSize beta = Measured("Beta", Bold());
    struct Case {
        const char* what;
        int mark;           // of the first run
        int rightLimit;     // of the first run
        bool firstDrawn;
        int secondX;        // where the second run (x = -1, next line) starts
    };
    const Case cases[] = {
        {"a plain run", CDrawTextWnd::kNoMark, 0, true, alpha.cx},
        {"a marked run", 7, 0, true, markWidth + alpha.cx},
        {"colour 31, the last one", 31, 0, true, markWidth + alpha.cx},
        {"colour 32 has no mark", 32, 0, true, alpha.cx},
        {"a limit left of the start after the mark", 7, markWidth / 2, false,
         markWidth + alpha.cx},
        {"a limit inside the text", CDrawTextWnd::kNoMark, alpha.cx / 2, true, alpha.cx},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        text.Clear();
        ASSERT_TRUE(text.AddText(CPoint(0, 0), "Alpha", 0, Normal(), c.mark, c.rightLimit));
        ASSERT_TRUE(text.AddText(CPoint(-1, 1), "Beta", 0, Bold(), CDrawTextWnd::kNoMark, 0));
        const auto placed = text.PlaceRuns();
        ASSERT_EQ(placed.size(), 2u);
        EXPECT_EQ(placed[0].drawn, c.firstDrawn);
        if (c.rightLimit > 0 && c.firstDrawn) {
            EXPECT_EQ(placed[0].right, c.rightLimit);
        }
        EXPECT_EQ(placed[1].x, c.secondX) << "continues on the line below where the first ended";
        EXPECT_EQ(placed[1].right, c.secondX + beta.cx);
        EXPECT_EQ(placed[1].bottom, text.GetLineHeights()[0] + text.GetLineHeights()[1]);
    }
}

TEST_F(TextWndTest, CenterLineCentresOnceAndLeavesWideLinesAlone) {
    CreateChild(text, CRect(0, 0, 300, 100));
    const CSize first = Measured("Heading", Bold());
    const CSize second = Measured(" and more", Normal());
    ASSERT_TRUE(text.AddText(CPoint(0, 0), "Heading", 0, Bold(), CDrawTextWnd::kNoMark, 0));
    ASSERT_TRUE(text.AddText(CPoint(-1, 0), " and more", 0, Normal(), CDrawTextWnd::kNoMark, 0));
    ASSERT_TRUE(text.AddText(CPoint(0, 1), std::string(80, 'W'), 0, Normal(),
                             CDrawTextWnd::kNoMark, 0));
    const int left = (300 - (first.cx + second.cx)) / 2;
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "first call" : "second call");
        text.CenterLine(0);
        text.CenterLine(1);
        const auto placed = text.PlaceRuns();
        EXPECT_EQ(placed[0].x, left);
        EXPECT_EQ(placed[1].x, left + first.cx);
        EXPECT_EQ(placed[2].x, 0) << "wider than the window";
    }
}

TEST_F(TextWndTest, TheBarsAreDecidedInTwoPasses) {
    const int bar = 16;
    struct Case {
        const char* what;
        CSize content;
        bool horizontal, vertical;
        int width, height;
    };
    const Case cases[] = {
        {"fits", CSize(200, 100), false, false, 200, 100},
        {"too wide", CSize(250, 50), true, false, 200, 84},
        {"too tall", CSize(150, 300), false, true, 184, 100},
        {"both", CSize(250, 300), true, true, 184, 84},
        {"too tall, so then too wide", CSize(190, 300), true, true, 184, 84},
        {"too wide, so then too tall", CSize(250, 90), true, true, 184, 84},
        {"exactly fitting", CSize(200, 100), false, false, 200, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto bars = CDrawTextWnd::DecideBars(CSize(200, 100), c.content, bar, bar);
        EXPECT_EQ(bars.horizontal, c.horizontal);
        EXPECT_EQ(bars.vertical, c.vertical);
        EXPECT_EQ(bars.width, c.width);
        EXPECT_EQ(bars.height, c.height);
    }
}

// Twelve lines in a window that shows about four of them.
class ScrolledTextTest : public TextWndTest {
protected:
    void SetUp() override {
        TextWndTest::SetUp();
        for (int line = 0; line < kLines; ++line) AddLine(text, line, "Line " + std::to_string(line));
        lineHeight = text.GetLineHeights()[0];
        CreateChild(text, CRect(0, 0, 300, lineHeight * 4 + lineHeight / 2));
        text.Layout();
    }
    int VerticalMax() {
        SCROLLINFO info{};
        text.GetScrollInfo(SB_VERT, &info, SIF_RANGE);
        return info.nMax;
    }
    static constexpr int kLines = 12;
    int lineHeight = 0;
};

TEST_F(ScrolledTextTest, TheVerticalRangeEndsWhereTheLastLinesFit) {
    CRect client;
    text.GetClientRect(&client);
    const int max = VerticalMax();
    int fromMax = 0;
    for (int line = max; line < kLines; ++line) fromMax += text.GetLineHeights()[line];
    EXPECT_LE(fromMax, client.Height()) << "lines max .. last fit";
    EXPECT_GT(fromMax + text.GetLineHeights()[max - 1], client.Height()) << "one more does not";

    Scroll(text, WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(text.GetFirstLine(), max);
    EXPECT_EQ(text.PlaceRuns().front().index, max) << "the last lines show";
    Scroll(text, WM_VSCROLL, SB_TOP);
    EXPECT_EQ(text.GetFirstLine(), 0);
    Scroll(text, WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(text.GetFirstLine(), 0) << "clamped at the top";
    Scroll(text, WM_VSCROLL, SB_THUMBPOSITION, 100);
    EXPECT_EQ(text.GetFirstLine(), max) << "clamped at the range's end";
}

TEST_F(ScrolledTextTest, AClickPostsTheAbsoluteLinePlusOne) {
    for (int i = 0; i < 3; ++i) Scroll(text, WM_VSCROLL, SB_LINEDOWN);
    ASSERT_EQ(text.GetFirstLine(), 3);
    TakePosted();
    struct Case {
        const char* what;
        int y;
        WPARAM posted;  // 0: nothing
    };
    const int rest = (kLines - 3) * lineHeight;
    const Case cases[] = {
        {"first visible line", 1, 4},
        {"second visible line", lineHeight + 1, 5},
        {"exactly on the boundary belongs to the upper line", lineHeight, 4},
        {"the last line", rest, kLines},
        {"below the last line", rest + 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Click(text, c.y);
        const auto posted = TakePosted();
        if (c.posted == 0) {
            EXPECT_TRUE(posted.empty());
            continue;
        }
        ASSERT_EQ(posted.size(), 1u);
        EXPECT_EQ(posted[0].first, WM_BLOCK_LINE_CLICKED);
        EXPECT_EQ(posted[0].second, c.posted);
    }
}

TEST_F(ScrolledTextTest, ARefilledWindowThatFitsShowsItsFirstLine) {
    Scroll(text, WM_VSCROLL, SB_BOTTOM);
    ASSERT_GT(text.GetFirstLine(), 0);
    text.Clear();
    AddLine(text, 0, "Only line");
    text.Layout();
    EXPECT_EQ(text.GetFirstLine(), 0);
    EXPECT_EQ(text.GetScrollX(), 0);
    const auto placed = text.PlaceRuns();
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].bottom, text.GetLineHeights()[0]);
}

TEST_F(TextWndTest, HorizontalScrollingStaysWithinTheLastPage) {
    AddLine(text, 0, std::string(60, 'M'));
    CreateChild(text, CRect(0, 0, 120, 200));
    text.Layout();
    SCROLLINFO info{};
    ASSERT_TRUE(text.GetScrollInfo(SB_HORZ, &info, SIF_ALL));
    const int last = info.nMax - static_cast<int>(info.nPage) + 1;
    struct Step {
        int code;
        int pos;
        int expected;
    };
    const Step steps[] = {
        {SB_LINERIGHT, 0, 1},
        {SB_PAGERIGHT, 0, 1 + static_cast<int>(info.nPage)},
        {SB_RIGHT, 0, last},
        {SB_LINERIGHT, 0, last},
        {SB_THUMBTRACK, 5, 5},
        {SB_LINELEFT, 0, 4},
        {SB_LEFT, 0, 0},
        {SB_PAGELEFT, 0, 0},
    };
    for (const Step& step : steps) {
        Scroll(text, WM_HSCROLL, step.code, step.pos);
        EXPECT_EQ(text.GetScrollX(), step.expected) << "code " << step.code;
    }
}

// ---------------------------------------------------------------- history

class ExTextTest : public TextWndTest {
protected:
    void Add(const std::string& line, BOOL newLine = TRUE) {
        ASSERT_TRUE(history.AddText(line, 0, Normal(), newLine, CDrawTextWnd::kNoMark));
    }
    CDrawExTextWnd history;
};

TEST_F(ExTextTest, TheFirstRunOfAnEmptyHistoryOpensLineZero) {
    Add("First", FALSE);
    Add(" continued", FALSE);
    EXPECT_EQ(history.GetHistoryLineCount(), 1);
    CreateChild(history, CRect(0, 0, 300, 100));
    history.Refresh();
    EXPECT_EQ(history.GetLineText(0), "First continued");
}

TEST_F(ExTextTest, ShowsTheNewestLinesThatFitAndRefillsOnResize) {
    for (int line = 0; line < 30; ++line) Add("History line " + std::to_string(line));
    const int height = history.GetHistoryLineHeights()[0];
    struct Case {
        const char* what;
        int windowHeight;
        int top;
    };
    const Case cases[] = {
        {"lines taller than the window: the newest alone", height / 2, 29},
        {"exactly one line", height, 29},
        {"five lines and a half", height * 5 + height / 2, 25},
        {"room for all", height * 40, 0},
    };
    CreateChild(history, CRect(0, 0, 300, 10));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        history.MoveWindow(0, 0, 300, c.windowHeight);
        EXPECT_EQ(history.GetTopLine(), c.top) << "a resize refills";
        EXPECT_EQ(history.GetLineCount(), 30 - c.top);
        EXPECT_EQ(history.GetLineText(0), "History line " + std::to_string(c.top));
    }
}

TEST_F(ExTextTest, ClearEmptiesTheHistory) {
    Add("One");
    Add("Two");
    history.Clear();
    EXPECT_EQ(history.GetHistoryLineCount(), 0);
    CreateChild(history, CRect(0, 0, 300, 100));
    history.Refresh();
    EXPECT_EQ(history.GetLineCount(), 0);
    EXPECT_EQ(history.GetTopLine(), -1);
}

}  // namespace
