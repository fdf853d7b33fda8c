// The information balloon's table for the kinds of cell it tells about: a
// free plot, a plot under construction, an owned building with its
// figures, a stadium with its home teams and a cell of the expo site; and
// its size, which makes room for every label and value.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "fakes/FakeBlockHost.h"
#include "fakes/MapFileFixture.h"
#include "model/AppFonts.h"
#include "model/League.h"
#include "model/ProTeam.h"
#include "model/StructureCodes.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/MapWindowFixture.h"

namespace {

using SRow = CBalonWnd::SRow;

class BalonWndTest : public MapWindowTest {
protected:
    void SetUp() override {
        MapWindowTest::SetUp();
        ASSERT_TRUE(blocks.loaded) << "the program folder's palette, strips and fonts";
        NewAuthoredGame(1, 3);
        area = BusiestArea();
        balloon.SetDrawSource(&doc);
    }

    CMapData& Area() { return doc.GetMap().GetArea(area); }

    // The first cell of the area that passes the test.
    CCellPoint FindCell(const std::function<bool(int, int)>& test) {
        for (int y = 0; y < Area().GetHeight(); ++y)
            for (int x = 0; x < Area().GetWidth(); ++x)
                if (test(x, y)) return {x, y};
        ADD_FAILURE() << "no such cell";
        return {0, 0};
    }
    CCellPoint FreePlot() {
        const CMapDoc& m = doc.GetMap();
        return FindCell([&](int x, int y) {
            return !m.HasStructureAt(area, x, y) && Area().GetCellOwner(x, y) == 0 &&
                   m.IsCellUsable(area, x, y) && !Area().IsProjectCell(x, y) &&
                   Area().GetConstructionState(x, y) == 0;
        });
    }
    // The anchor of a structure whose type passes the test.
    CCellPoint FindStructure(const std::function<bool(const CBD&)>& test) {
        const CMapDoc& m = doc.GetMap();
        return FindCell([&](int x, int y) {
            const CBD* type = m.GetCellStructureType(area, x, y, 0);
            return type && m.IsAnchorCell(area, x, y) && test(*type);
        });
    }

    std::vector<std::string> Labels() {
        std::vector<std::string> labels;
        for (const SRow& row : balloon.GetRows()) labels.push_back(row.across ? row.value : row.label);
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
    int MarkRowHeight() const { return std::max(LineHeight(), static_cast<int>(blocks.MarkCell().cy)); }

    CFakeBlockHost blocks;
    CBalonWnd balloon;
    int area = 0;
};

TEST_F(BalonWndTest, FreePlotShowsOwnerLandAndPrice) {
    const CCellPoint c = FreePlot();
    const CSize size = balloon.Prepare(area, c.x, c.y);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Owner:", "Topography:", "Standard price:"}));
    EXPECT_EQ(Value("Owner:"), "None");
    EXPECT_EQ(Value("Topography:"), doc.GetMap().GetCellStructureType(area, c.x, c.y, 1)->GetName());
    char price[32];
    std::snprintf(price, sizeof price, "%4d", doc.GetMap().GetLotPrice(area, c.x, c.y, 0));
    EXPECT_EQ(Value("Standard price:"), price);
    for (const SRow& row : balloon.GetRows()) EXPECT_EQ(row.height, LineHeight());
    ExpectFits(size);
    EXPECT_EQ(size.cy, 3 * LineHeight() + 2 * GetSystemMetrics(SM_CYDLGFRAME));
}

TEST_F(BalonWndTest, PlotUnderConstructionNamesTheBuildingInParentheses) {
    const CCellPoint c = FreePlot();
    const int type = ConstructionType();
    ASSERT_GE(type, 0);
    Area().SetConstruction(c.x, c.y, CMapData::kConstructionUnderWay, type);
    ExpectFits(balloon.Prepare(area, c.x, c.y));
    const std::string land = doc.GetMap().GetCellStructureType(area, c.x, c.y, 1)->GetName();
    EXPECT_EQ(Value("Topography:"),
              land + "(" + doc.GetMap().GetStructureType(type)->GetName() + ")");
}

TEST_F(BalonWndTest, OwnedBuildingShowsItsFiguresWithThePayroll) {
    CMapDoc& m = doc.GetMap();
    // A building of several cells that keeps staff, so that every figure
    // has something to show.
    const CCellPoint c = FindStructure([](const CBD& type) {
        int w = 0, h = 0;
        type.GetSize(w, h);
        return w * h > 1 && type.GetValueFigure() > 0;
    });
    m.SetStructureOwner(area, c.x, c.y, 2);
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
    ASSERT_EQ(std::sscanf(Value("Total Expenses(Payroll Costs):").c_str(), "%d(%d)", &total, &payroll), 2);
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
    CMapDoc& m = doc.GetMap();
    const CCellPoint c = FindStructure([](const CBD& type) { return type.IsType80() || type.IsType85(); });
    const int kind = StructureCode::StadiumKindOfCode(m.GetCellTypeCode(area, c.x, c.y, 0));
    // Two teams of a league that plays on this kind of stadium.
    int league = 0;
    while (league < CMapDoc::kLeagueCount - 1 && m.GetLeague(league).GetStadiumKind() != kind) ++league;
    ASSERT_GE(m.GetLeague(league).GetTeamCount(), 2);
    std::vector<std::string> names;
    for (int t = 0; t < 2; ++t) {
        CProTeam& team = m.GetProTeam(league, t);
        team.SetOwner(t);
        team.SetHomeField(area, c.x, c.y);
        names.push_back(team.GetName());
    }
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
    const CCellPoint c = FreePlot();
    Area().AddProjectArea(c.x, c.y, c.x, c.y, 0);
    const CSize size = balloon.Prepare(area, c.x, c.y);
    const std::vector<SRow> rows = balloon.GetRows();
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(rows.back().across);
    EXPECT_EQ(rows.back().value, "Exposition's planned site.");
    EXPECT_GE(size.cx, TextWidth("Exposition's planned site.") + 2 * GetSystemMetrics(SM_CXDLGFRAME));
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

}  // namespace
