#include "views/InfoMesWnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BlockFixture.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/SystemMetrics.h"

namespace {

TEST(InfoMesWndTest, KeepsTheLastHundredLines) {
    CInfoMesWnd log;
    for (int i = 0; i < 130; ++i) log.AddMessage("line " + std::to_string(i), 1, i % 3 - 1);
    ASSERT_EQ(log.GetLines().size(), 100u);
    EXPECT_EQ(log.GetLines().front().text, "line 30");
    EXPECT_EQ(log.GetLines().back().text, "line 129");
    EXPECT_EQ(log.GetLines().back().colour, 129 % 3 - 1);
    log.Clear();
    EXPECT_TRUE(log.GetLines().empty());
}

// The colour of a line: -1 and anything outside the 32 table entries (a
// peer may send any number) take the button text colour.
TEST(InfoMesWndTest, LineColours) {
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    EXPECT_EQ(CInfoMesWnd::LineColour(-1), text);
    EXPECT_EQ(CInfoMesWnd::LineColour(5), RGB(32, 255, 0));
    EXPECT_EQ(CInfoMesWnd::LineColour(40), text);
    EXPECT_EQ(CInfoMesWnd::LineColour(-7), text);
    EXPECT_EQ(CInfoMesWnd::LineColour(32), text);
}

class InfoMesWindowTest : public BlocksTest {
protected:
    static constexpr int kWidth = 300;

    // A log rows lines high (plus extra pixels).
    void MakeLog(int rows, int extra = 0) {
        ASSERT_TRUE(log.CreateEx(0, "VELMO_3DFaceWindow", nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                                 CRect(0, 0, kWidth, rows * Line() + extra), &parent, 0));
    }
    static int Line() { return CInfoMesWnd::LineHeight(); }
    void Add(int count, const std::string& prefix = "line ") {
        for (int i = 0; i < count; ++i) log.AddMessage(prefix + std::to_string(i), 1, -1);
    }
    void Paint() {
        log.Invalidate(TRUE);
        log.UpdateWindow();
    }
    // Whether any pixel of the client rectangle differs from the button face.
    bool Inked(const CRect& rect) {
        CClientDC dc(&log);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (dc.GetPixel(x, y) != face) return true;
        return false;
    }
    bool HasPixel(const CRect& rect, COLORREF colour) {
        CClientDC dc(&log);
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (dc.GetPixel(x, y) == colour) return true;
        return false;
    }
    CRect Row(int r) {
        CRect client;
        log.GetClientRect(&client);
        return CRect(0, r * Line(), client.Width(), (r + 1) * Line());
    }
    SCROLLINFO Bar() {
        SCROLLINFO info{};
        log.GetScrollInfo(SB_VERT, &info, SIF_RANGE | SIF_PAGE | SIF_POS);
        return info;
    }
    bool BarShown() {
        CRect client;
        log.GetClientRect(&client);
        return client.Width() < kWidth;
    }

    CInfoMesWnd log;
};

TEST_F(InfoMesWindowTest, TheHundredAndFirstLinePushesTheOldestOut) {
    MakeLog(5);
    Add(101);
    EXPECT_EQ(log.GetStoredCount(), 100);
    EXPECT_EQ(log.GetLines().front().text, "line 1");
    EXPECT_EQ(log.GetLines().back().text, "line 100");
    EXPECT_TRUE(BarShown());
    EXPECT_EQ(Bar().nMax, 99);
    EXPECT_EQ(Bar().nPage, 5u);
    EXPECT_EQ(Bar().nPos, 95);
    EXPECT_EQ(log.GetScrollPosition(), 95);
}

TEST_F(InfoMesWindowTest, FewLinesStandAtTheBottomWithoutABar) {
    MakeLog(6);
    Add(3);
    EXPECT_FALSE(BarShown());
    EXPECT_EQ(log.GetVisibleCount(), 0);
    Paint();
    for (int r = 0; r < 3; ++r) EXPECT_FALSE(Inked(Row(r))) << "row " << r;
    for (int r = 3; r < 6; ++r) EXPECT_TRUE(Inked(Row(r))) << "row " << r;
    // The newest line is the last: an empty text leaves its row blank.
    log.AddMessage("", 1, -1);
    EXPECT_EQ(log.GetStoredCount(), 4);
    EXPECT_EQ(log.GetLines().back().text, "");
    Paint();
    EXPECT_FALSE(Inked(Row(5)));
    EXPECT_TRUE(Inked(Row(4)));
}

TEST_F(InfoMesWindowTest, AWindowBelowOneLineHasNoBarAndPaintsOneRow) {
    ASSERT_TRUE(log.CreateEx(0, "VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                             CRect(0, 0, kWidth, Line() - 3), &parent, 0));
    Add(10, "WWWW ");
    EXPECT_FALSE(BarShown());
    EXPECT_EQ(log.GetVisibleCount(), 0);
    Paint();
    EXPECT_TRUE(Inked(CRect(0, 0, kWidth, Line() - 3)));
}

TEST_F(InfoMesWindowTest, ALongLineIsCutAtTheEdgeAndShowsMoreWhenWidened) {
    MakeLog(2);
    log.AddMessage(std::string(200, 'W'), 0, -1);
    EXPECT_EQ(log.GetLines().back().text, std::string(200, 'W'));
    Paint();
    const CRect last = Row(1);
    EXPECT_TRUE(Inked(CRect(kWidth - 10, last.top, kWidth, last.bottom)));
    log.MoveWindow(0, 0, kWidth * 2, 2 * Line());
    Paint();
    EXPECT_TRUE(Inked(CRect(kWidth * 2 - 10, last.top, kWidth * 2, last.bottom)));
    // Still one line: nothing wrapped into the row above.
    EXPECT_FALSE(Inked(Row(0)));
}

TEST_F(InfoMesWindowTest, LinesAreDrawnInTheirColours) {
    MakeLog(3);
    log.AddMessage("WWWW", 0, 5);
    log.AddMessage("WWWW", 0, 40);
    log.AddMessage("WWWW", 0, -1);
    Paint();
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    EXPECT_TRUE(HasPixel(Row(0), RGB(32, 255, 0)));
    EXPECT_TRUE(HasPixel(Row(1), text));
    EXPECT_FALSE(HasPixel(Row(1), RGB(32, 255, 0)));
    EXPECT_TRUE(HasPixel(Row(2), text));
}

TEST_F(InfoMesWindowTest, ScrollCodesStayWithinTheStoredLines) {
    MakeLog(4);
    Add(10);
    ASSERT_EQ(log.GetScrollPosition(), 6);
    struct SCase {
        UINT code;
        UINT pos;
        int expected;
    };
    const SCase cases[] = {
        {SB_LINEDOWN, 0, 6}, {SB_LINEUP, 0, 5},      {SB_PAGEUP, 0, 1},  {SB_PAGEUP, 0, 0},
        {SB_LINEUP, 0, 0},   {SB_BOTTOM, 0, 6},      {SB_TOP, 0, 0},     {SB_PAGEDOWN, 0, 4},
        {SB_THUMBTRACK, 50, 6}, {SB_THUMBPOSITION, 2, 2}, {SB_ENDSCROLL, 0, 2},
    };
    for (const SCase& c : cases) {
        log.SendMessage(WM_VSCROLL, MAKEWPARAM(c.code, c.pos), 0);
        EXPECT_EQ(log.GetScrollPosition(), c.expected) << "code " << c.code;
        EXPECT_EQ(Bar().nPos, c.expected) << "code " << c.code;
    }
}

TEST_F(InfoMesWindowTest, ALineAddedWhileScrolledBackReturnsToTheNewest) {
    MakeLog(4);
    Add(10);
    log.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    ASSERT_EQ(log.GetScrollPosition(), 0);
    log.AddMessage("the newest", 1, -1);
    EXPECT_EQ(log.GetStoredCount(), 11);
    EXPECT_EQ(log.GetScrollPosition(), 7);
    EXPECT_EQ(Bar().nPos, 7);
    // The picture shows the newest lines: the bottom row is the new one,
    // drawn once more by a full paint with the same pixels.
    CClientDC dc(&log);
    std::vector<COLORREF> scrolled;
    for (int x = 0; x < 100; ++x) scrolled.push_back(dc.GetPixel(x, Row(3).top + Line() / 2));
    Paint();
    std::vector<COLORREF> painted;
    for (int x = 0; x < 100; ++x) painted.push_back(dc.GetPixel(x, Row(3).top + Line() / 2));
    EXPECT_EQ(scrolled, painted);
}

}  // namespace
