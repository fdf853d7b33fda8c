// The information balloon's table for the kinds of cell it tells about: a
// free plot, a plot under construction, an owned building with its
// figures, a stadium with its home teams and a cell of the expo site; and
// its size, which makes room for every label and value.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "model/AppFonts.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BalloonFixture.h"

namespace {

using SRow = CBalonWnd::SRow;

class BalonWndTest : public BalloonTest {
protected:
    void SetUp() override {
        BalloonTest::SetUp();
        balloon.SetDrawSource(&doc);
    }

    std::vector<std::string> Labels() {
        std::vector<std::string> labels;
        for (const SRow& row : balloon.GetRows())
            labels.push_back(row.across ? row.value : row.label);
        return labels;
    }
    std::string Value(const std::string& label) {
        for (const SRow& row : balloon.GetRows())
            if (row.label == label) return row.value;
        ADD_FAILURE() << "no row " << label;
        return {};
    }

    int TextWidth(const std::string& text) {
        CClientDC dc(nullptr);
        CFont* old = dc.SelectObject(blocks.fonts.GetMessageFont());
        const int width = static_cast<int>(dc.GetTextExtent(text).cx);
        dc.SelectObject(old);
        return width;
    }

    // Every text fits its column, the size is the table's with the frame
    // around it, and the rows are as high as the size says.
    void ExpectFits(CSize size) {
        const int mark = static_cast<int>(blocks.MarkCell().cx);
        int height = 0;
        for (const SRow& row : balloon.GetRows()) {
            SCOPED_TRACE(row.label + " " + row.value);
            height += row.height;
            if (row.across) {
                EXPECT_LE(TextWidth(row.value), balloon.GetLabelWidth() + balloon.GetValueWidth());
                continue;
            }
            EXPECT_LE(TextWidth(row.label), balloon.GetLabelWidth());
            const int markWidth = row.markColour != CBalonWnd::kNoMark ? mark : 0;
            EXPECT_LE(TextWidth(row.value) + markWidth, balloon.GetValueWidth());
        }
        EXPECT_EQ(size.cx, balloon.GetLabelWidth() + balloon.GetValueWidth() +
                               2 * GetSystemMetrics(SM_CXDLGFRAME));
        EXPECT_EQ(size.cy, height + 2 * GetSystemMetrics(SM_CYDLGFRAME));
    }

    int LineHeight() const { return static_cast<int>(blocks.fonts.GetLayoutSize().cy); }
    int MarkRowHeight() const {
        return std::max(LineHeight(), static_cast<int>(blocks.MarkCell().cy));
    }

    CBalonWnd balloon;
};

TEST_F(BalonWndTest, FreePlotShowsOwnerLandAndPrice) {
    const CCellPoint c = FreePlot();
    const CSize size = balloon.Prepare(area, c.x, c.y);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Owner:", "Topography:", "Standard price:"}));
    EXPECT_EQ(Value("Owner:"), "None");
    EXPECT_EQ(Value("Topography:"),
              doc.GetMap().GetCellStructureType(area, c.x, c.y, 1)->GetName());
    char price[32];
    std::snprintf(price, sizeof price, "%4d", doc.GetMap().GetLotPrice(area, c.x, c.y, 0));
    EXPECT_EQ(Value("Standard price:"), price);
    for (const SRow& row : balloon.GetRows()) EXPECT_EQ(row.height, LineHeight());
    ExpectFits(size);
    EXPECT_EQ(size.cy, 3 * LineHeight() + 2 * GetSystemMetrics(SM_CYDLGFRAME));
}

TEST_F(BalonWndTest, PlotUnderConstructionNamesTheBuildingInParentheses) {
    int type = -1;
    const CCellPoint c = ConstructionSite(type);
    ASSERT_GE(type, 0);
    ExpectFits(balloon.Prepare(area, c.x, c.y));
    const std::string land = doc.GetMap().GetCellStructureType(area, c.x, c.y, 1)->GetName();
    EXPECT_EQ(Value("Topography:"),
              land + "(" + doc.GetMap().GetStructureType(type)->GetName() + ")");
}

TEST_F(BalonWndTest, OwnedBuildingShowsItsFiguresWithThePayroll) {
    CMapDoc& m = doc.GetMap();
    const CCellPoint c = OwnedBuilding();
    const CEnterprise& owner = *doc.GetEnterprise(1);
    const CSize size = balloon.Prepare(area, c.x, c.y);
    std::vector<std::string> expected = {"Owner:", "Topography:", "Building:"};
    if (m.IsCellUsable(area, c.x, c.y)) expected.push_back("Standard price:");
    for (const char* label : {"Sales:", "Total Expenses(Payroll Costs):", "Profit:", "Life Span:"})
        expected.push_back(label);
    EXPECT_EQ(Labels(), expected);
    EXPECT_EQ(Value("Owner:"), owner.GetName());
    EXPECT_EQ(balloon.GetRows()[0].markColour, owner.GetColor());
    EXPECT_EQ(balloon.GetRows()[0].height, MarkRowHeight());
    EXPECT_EQ(Value("Building:"), m.GetCellStructureType(area, c.x, c.y, 0)->GetName());

    int sales = 0, total = 0, payroll = 0, profit = 0;
    ASSERT_EQ(std::sscanf(Value("Sales:").c_str(), "%d", &sales), 1);
    ASSERT_EQ(
        std::sscanf(Value("Total Expenses(Payroll Costs):").c_str(), "%d(%d)", &total, &payroll),
        2);
    ASSERT_EQ(std::sscanf(Value("Profit:").c_str(), "%d", &profit), 1);
    const int staff = m.GetCellStructureType(area, c.x, c.y, 0)->GetValueFigure();
    EXPECT_EQ(payroll, owner.CalcSalaryCost(staff, 12));
    EXPECT_GT(payroll, 0);
    EXPECT_GE(total, payroll) << "the total holds the payroll";
    // Each figure is truncated on its own.
    EXPECT_NEAR(profit, sales - total, 1);
    ExpectFits(size);
}

TEST_F(BalonWndTest, StadiumAddsATallerRowPerHomeTeam) {
    std::vector<std::string> names;
    const CCellPoint c = Stadium(names);
    ASSERT_EQ(names.size(), 2u);
    const CSize size = balloon.Prepare(area, c.x, c.y);
    const std::vector<SRow> rows = balloon.GetRows();
    ASSERT_GE(rows.size(), 4u);
    const SRow& first = rows[rows.size() - 2];
    const SRow& second = rows.back();
    EXPECT_EQ(first.label, "Team:");
    EXPECT_EQ(second.label, "");
    EXPECT_EQ(first.value, names[0]);
    EXPECT_EQ(second.value, names[1]);
    EXPECT_EQ(first.markColour, doc.GetEnterprise(0)->GetColor());
    EXPECT_EQ(second.markColour, doc.GetEnterprise(1)->GetColor());
    EXPECT_EQ(first.height, MarkRowHeight());
    EXPECT_EQ(second.height, MarkRowHeight());
    ExpectFits(size);
}

TEST_F(BalonWndTest, ExpoSiteCellIsAtLeastAsWideAsTheExpoLine) {
    const CCellPoint c = ExpoSite();
    const CSize size = balloon.Prepare(area, c.x, c.y);
    const std::vector<SRow> rows = balloon.GetRows();
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(rows.back().across);
    EXPECT_EQ(rows.back().value, "Exposition's planned site.");
    EXPECT_GE(size.cx,
              TextWidth("Exposition's planned site.") + 2 * GetSystemMetrics(SM_CXDLGFRAME));
    ExpectFits(size);
}

TEST_F(BalonWndTest, CellsOffTheMapGiveAnEmptyBalloon) {
    for (CCellPoint c : {CCellPoint(-1, 0), CCellPoint(0, -1), CCellPoint(Area().GetWidth(), 0),
                         CCellPoint(0, Area().GetHeight())}) {
        EXPECT_EQ(balloon.Prepare(area, c.x, c.y), CSize(0, 0));
        EXPECT_TRUE(balloon.GetRows().empty());
    }
    EXPECT_EQ(balloon.Prepare(doc.GetMap().GetAreaCount(), 0, 0), CSize(0, 0));
    EXPECT_EQ(balloon.Prepare(-1, 0, 0), CSize(0, 0));
}

TEST_F(BalonWndTest, AnyKeyClosesTheMapsBalloon) {
    OpenWindow(400, 300, area);
    map.ClearCalls();
    ASSERT_TRUE(map.GetBalloonWnd().IsWindow());
    map.GetBalloonWnd().SendMessage(WM_KEYDOWN, 'A', 1);
    const auto& calls = map.GetCalls();
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(),
                            [](const CMapDrawWnd::SCall& c) { return c.name == "HideBalloon"; }));
}

}  // namespace
