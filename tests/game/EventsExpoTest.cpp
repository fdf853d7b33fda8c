// The EXPO: planned in an area, its sites given out month by month, opened
// with the companies' exhibitions and closed four months later.

#include <algorithm>

#include "game/EventsFixture.h"
#include "model/Random.h"

namespace {

class ExpoTest : public EventsTest {
protected:
    void SetUp() override {
        EventsTest::SetUp();
        Start(2, 2);
        WidenArea(0, 20, 20);
        doc.GetEnterprise(0)->SetAreaLevel(0, 3);
        doc.GetMap().GetArea(0).SetProjectFund(700);
    }

    void AdvanceTo(int monthIndex) {
        doc.SetYear(monthIndex / 12);
        doc.SetMonth(monthIndex % 12);
    }

    CMapData& Area() { return doc.GetMap().GetArea(0); }
};

}  // namespace

TEST_F(ExpoTest, PlannedExpoOpensWithExhibitionsAndClosesFourMonthsLater) {
    const int pavilion = FindStructureOfCode(doc.GetMap(), 70);
    ASSERT_GE(pavilion, 0);
    ASSERT_EQ(doc.PlanExpo(0), 1);
    CMapData& area = Area();
    const int opening = area.GetProjectStart();
    EXPECT_EQ(opening, 24);
    EXPECT_LT(area.GetProjectFund(), 700);
    const int sites = area.GetProjectSiteCount();
    EXPECT_GE(sites, 3);
    EXPECT_LE(sites, 10);
    // Every site lies within the margin (4 cells) around one centre.
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int i = 0; i < sites; ++i) {
        const CCellPoint p = area.GetProjectSitePoint(i);
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    EXPECT_LE(maxX - minX, 8);
    EXPECT_LE(maxY - minY, 8);
    EXPECT_EQ(report.calls.front(), "ShowExpoPlanned(0)");

    // A contractor of company 1 builds on a project cell.
    const CCellPoint first = area.GetProjectSitePoint(0);
    const int director = HireDirector(1);
    CPersonData& contractor = *doc.GetDirector(director);
    contractor.AssignTask(CPersonData::eTASK_CONTRACT_CONSTRUCTION, 300);
    contractor.SetTaskArea(0);
    contractor.SetTaskTarget(first.x, first.y);

    for (int month = 0; month < opening; ++month) {
        AdvanceTo(month);
        doc.RunExpos();
    }
    int given = 0;
    for (int i = 0; i < sites; ++i) given += area.GetProjectSiteFlag(i);
    EXPECT_GT(given, 0);
    // The sites are built by the month of the opening.
    for (int i = 0; i < sites; ++i) {
        const CCellPoint p = area.GetProjectSitePoint(i);
        doc.GetMap().SetStructureAt(0, p.x, p.y, pavilion + 1);
        area.SetProjectSiteFlag(i, 1);
    }
    AdvanceTo(opening);
    doc.RunExpos();
    EXPECT_NE(std::find(report.calls.begin(), report.calls.end(), "ShowExpoOpening(0,1," +
                            std::to_string(area.GetProjectCells().size()) + ")"),
              report.calls.end());
    EXPECT_EQ(CountHistory(0, CHistory::kindExhibition), 1);
    EXPECT_EQ(CountHistory(1, CHistory::kindExhibition), 0);
    EXPECT_TRUE(area.HasProject());

    std::vector<CCellPoint> points;
    for (int i = 0; i < sites; ++i) points.push_back(area.GetProjectSitePoint(i));
    for (int month = opening + 1; month <= opening + 4; ++month) {
        AdvanceTo(month);
        doc.RunExpos();
    }
    EXPECT_FALSE(area.HasProject());
    EXPECT_EQ(area.GetProjectSiteCount(), 0);
    EXPECT_FALSE(contractor.HasTask());
    for (const CCellPoint& p : points) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        EXPECT_FALSE(doc.GetMap().HasStructureAt(0, p.x, p.y));
    }
}

TEST_F(ExpoTest, ExpoWhoseSitesAreNotBuiltClosesAtItsOpening) {
    ASSERT_EQ(doc.PlanExpo(0), 1);
    const size_t cells = Area().GetProjectCells().size();
    AdvanceTo(Area().GetProjectStart());
    doc.RunExpos();
    EXPECT_NE(std::find(report.calls.begin(), report.calls.end(),
                        "ShowExpoOpening(0,0," + std::to_string(cells) + ")"),
              report.calls.end());
    EXPECT_FALSE(Area().HasProject());
    EXPECT_EQ(CountHistory(0, CHistory::kindExhibition), 1);
}

TEST_F(ExpoTest, NoExpoIsPlannedInTheLastTwoYears) {
    doc.SetGameYears(3);
    AdvanceTo(12);
    CScriptedDraws draws;
    doc.ExpoEvent();
    EXPECT_FALSE(Area().HasProject());
    AdvanceTo(11);
    bool planned = false;
    for (int i = 0; i < 20 && !planned; ++i) {
        draws.ThenGenerator();
        doc.ExpoEvent();
        planned = Area().HasProject();
    }
    EXPECT_TRUE(planned);
}

TEST_F(ExpoTest, PlanningIsAbandonedAfterTwentyFailedPoints) {
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) Area().SetCellOwner(x, y, 2);
    CScriptedDraws draws;
    draws.ThenGenerator();
    EXPECT_EQ(doc.PlanExpo(0), 0);
    EXPECT_FALSE(Area().HasProject());
    EXPECT_EQ(Area().GetProjectSiteCount(), 0);
    EXPECT_EQ(Area().GetProjectFund(), 700);
    // Each failed point draws x and y; 21 points in a row end the planning.
    const auto& asked = draws.AskedRanges();
    EXPECT_EQ(std::count(asked.begin(), asked.end(), 5), 42);
}
