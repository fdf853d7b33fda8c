// The information window: its panes and the splitter between pages and
// log, the title bar's drag of the border to the map, and the standard
// report lines it writes.

#include <functional>
#include <string>
#include <vector>

#include "InfoWindowFixture.h"
#include "model/PersonData.h"
#include "views/OwnerRow.h"

namespace {

CRect RectIn(const CWnd& child, const CWnd& parent) {
    CRect rect;
    child.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    return rect;
}

TEST_F(InfoWindowTest, ThePanesFollowTheSplitRatio) {
    NewGame(3);
    CInfoWnd& w = MakeInfo(CRect(0, 400, 1000, 700));
    const int ch = OwnerRow::LayoutSize().cy;
    EXPECT_EQ(w.GetTitle().GetDlgCtrlID(), 1210u);
    EXPECT_EQ(w.GetGapWidth(), 3);
    EXPECT_DOUBLE_EQ(w.GetSplitRatio(), 0.6);
    EXPECT_EQ(RectIn(w.GetTitle(), w), CRect(0, 0, 1000, ch));
    EXPECT_EQ(RectIn(w.GetPages(), w), CRect(0, ch, 600, 300));
    EXPECT_EQ(RectIn(w.GetLog(), w), CRect(603, ch, 1000, 300));
}

TEST_F(InfoWindowTest, TheSplitterDragsTheBorderAndStaysAtZero) {
    NewGame(3);
    CInfoWnd& w = MakeInfo(CRect(0, 400, 1000, 700));
    // The gap at 600..603 is the window's own.
    MouseAt(w, WM_LBUTTONDOWN, 601, 100);
    MouseAt(w, WM_MOUSEMOVE, 501, 100);
    EXPECT_DOUBLE_EQ(w.GetSplitRatio(), 0.5);
    EXPECT_EQ(RectIn(w.GetPages(), w).Width(), 500);
    MouseAt(w, WM_MOUSEMOVE, -900, 100);
    MouseAt(w, WM_LBUTTONUP, -900, 100);
    EXPECT_DOUBLE_EQ(w.GetSplitRatio(), 0.0);
    EXPECT_EQ(RectIn(w.GetPages(), w).Width(), 0);
    EXPECT_EQ(RectIn(w.GetLog(), w).left, 3);
    // Resizing keeps the pages hidden.
    w.MoveWindow(0, 300, 1200, 400);
    EXPECT_DOUBLE_EQ(w.GetSplitRatio(), 0.0);
    EXPECT_EQ(RectIn(w.GetPages(), w).Width(), 0);
    // Fully right leaves the gap and the log's edge.
    MouseAt(w, WM_LBUTTONDOWN, 1, 100);
    MouseAt(w, WM_LBUTTONUP, 5000, 100);
    EXPECT_DOUBLE_EQ(w.GetSplitRatio(), 1197.0 / 1200.0);
}

TEST_F(InfoWindowTest, AWindowWithoutWidthKeepsTheRatio) {
    NewGame(3);
    CInfoWnd& w = MakeInfo(CRect(0, 400, 1000, 700));
    w.MoveWindow(0, 400, 0, 300);
    MouseAt(w, WM_LBUTTONDOWN, 0, 10);
    MouseAt(w, WM_MOUSEMOVE, -40, 10);
    MouseAt(w, WM_LBUTTONUP, 30, 10);
    EXPECT_DOUBLE_EQ(w.GetSplitRatio(), 0.6);
    w.MoveWindow(0, 400, 1000, 300);
    EXPECT_EQ(RectIn(w.GetPages(), w).Width(), 600);
}

TEST_F(InfoWindowTest, TheTitleBarDragsTheBorderToTheMap) {
    NewGame(3);
    CInfoWnd& w = MakeInfo(CRect(0, 400, 1280, 700));
    CInfoTitleWnd& title = w.GetTitle();
    const int bar = RectIn(title, w).Height();
    MouseAt(title, WM_LBUTTONDOWN, 50, 5);
    MouseAt(title, WM_MOUSEMOVE, 50, -95);
    MouseAt(title, WM_MOUSEMOVE, 50, -2000);
    MouseAt(title, WM_MOUSEMOVE, 50, 2000);
    MouseAt(title, WM_LBUTTONUP, 50, 25);
    EXPECT_EQ(viewHost.drags, (std::vector<int>{300, 0, 700 - bar, 420}));
    // Once released, moving drags nothing.
    MouseAt(title, WM_MOUSEMOVE, 50, 60);
    EXPECT_EQ(viewHost.drags.size(), 4u);
}

class ReportLinesTest : public InfoWindowTest {
protected:
    void SetUp() override {
        InfoWindowTest::SetUp();
        NewGame(3);
        MakeInfo(CRect(0, 400, 1280, 700));
        for (int c = 0; c < 3; ++c) doc.GetEnterprise(c)->SetName("Firm " + std::to_string(c));
        director = HireDirector(0);
        Director().SetTaskProgress(4);
        stranger = HireDirector(1);
    }
    CPersonData& Director() { return *doc.GetDirector(director); }
    CPersonData& Stranger() { return *doc.GetDirector(stranger); }
    CEnterprise& Company(int c) { return *doc.GetEnterprise(c); }
    std::vector<std::string> Log() {
        std::vector<std::string> lines;
        for (const auto& line : info.GetLog().GetLines()) lines.push_back(line.text);
        return lines;
    }
    // A new month: every company writes its heading again.
    void NextMonth() {
        for (int c = 0; c < 3; ++c) Company(c).SetReportHeadingWritten(0);
        info.GetLog().Clear();
    }

    int director = -1;
    int stranger = -1;
};

TEST_F(ReportLinesTest, EveryOperationWritesItsLines) {
    const std::string d = Director().GetName();
    const std::string s = Stranger().GetName();
    Director().SetSalary(77);
    const std::string salary = std::to_string(Director().GetSalary());
    struct SCase {
        const char* name;
        std::function<void()> report;
        std::vector<std::string> lines;
    };
    const std::vector<SCase> cases = {
        {"project head with the company", [&] { info.ReportProjectHead(Director(), TRUE); },
         {"    Firm 0's " + d + " headed the 4 month project."}},
        {"project head", [&] { info.ReportProjectHead(Director(), FALSE); },
         {"    " + d + " headed the 4 month project."}},
        {"salaries", [&] { info.ReportSalariesChanged(Company(0)); },
         {"Firm 0", "  All employee salaries changed."}},
        {"salary", [&] { info.ReportSalaryChanged(Company(0), Director()); },
         {"Firm 0", "  " + d + "'s salary changed to " + salary + "."}},
        {"advertising", [&] { info.ReportAdvertisingChanged(Company(2)); },
         {"Firm 2", "  The advertising budget changed."}},
        {"recruited", [&] { info.ReportRecruited(Director(), Stranger()); },
         {"Firm 0", "  Recruited " + s + ".", "    " + d + " headed the 4 month project."}},
        {"headhunted", [&] { info.ReportHeadhunted(Director(), Stranger()); },
         {"Firm 0 successfully headhunted " + s + " from Firm 1.",
          "    " + d + " headed the 4 month project."}},
        {"one own stock", [&] { info.ReportStockPurchase(Company(1), Company(2), 1, FALSE); },
         {"Firm 1", "  1 Firm 2 stock purchased."}},
        {"two own stocks", [&] { info.ReportStockPurchase(Company(1), Company(2), 2, FALSE); },
         {"Firm 1", "  2 Firm 2 stocks purchased."}},
        {"one stock of another buyer",
         [&] { info.ReportStockPurchase(Company(2), Company(0), 1, TRUE); },
         {"Firm 2 purchased Firm 0 1 stock."}},
        {"two stocks of another buyer",
         [&] { info.ReportStockPurchase(Company(2), Company(0), 2, TRUE); },
         {"Firm 2 purchased Firm 0 2 stocks."}},
        {"strike", [&] { info.ReportStrike(Company(1)); }, {"Firm 1 is on strike."}},
        {"league rose", [&] { info.ReportLeaguePopularity(0, TRUE); },
         {"Professional league 1's popularity rose sharply."}},
        {"league dropped", [&] { info.ReportLeaguePopularity(2, FALSE); },
         {"Professional league 3's popularity dropped sharply."}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        NextMonth();
        c.report();
        EXPECT_EQ(Log(), c.lines);
        for (const auto& line : info.GetLog().GetLines()) EXPECT_EQ(line.colour, -1);
    }
}

TEST_F(ReportLinesTest, TheHeadingIsWrittenOnceAMonth) {
    NextMonth();
    info.ReportSalariesChanged(Company(0));
    info.ReportAdvertisingChanged(Company(0));
    info.ReportAdvertisingChanged(Company(1));
    info.ReportSalariesChanged(Company(0));
    EXPECT_EQ(Log(), (std::vector<std::string>{"Firm 0", "  All employee salaries changed.",
                                               "  The advertising budget changed.", "Firm 1",
                                               "  The advertising budget changed.",
                                               "  All employee salaries changed."}));
}

}  // namespace
