// A company's per-area figures: the area record's stored form, grades and
// their monthly decay, levels, holdings counted from the map, effects,
// investments and ratings.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/EpMapData.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"

namespace {

class EnterpriseAreaTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(company.Init(1, 3), 1);
        doc.areaSizes[0] = {4, 3};
    }

    CFakeDocService doc;
    CScopedService<IDocService> scopedDoc = ScopedDoc(&doc);
    CEnterprise company;
};

CEpMapData LoadArea(const std::vector<int>& ints) {
    CMemoryStream stream;
    CArchive out(stream, CArchive::store);
    for (int v : ints) out.WriteInt(v);
    stream.Rewind();
    CArchive in(stream, CArchive::load);
    CEpMapData record;
    record.Serialize(in);
    return record;
}

std::vector<int> StoredArea(int at, int value) {
    std::vector<int> ints(24, 0);
    ints[0] = 100;
    ints[static_cast<size_t>(at)] = value;
    return ints;
}

TEST(EpMapData, StoredFormChecksEveryField) {
    CEpMapData record = LoadArea(StoredArea(11, -9999));
    EXPECT_EQ(record.GetEffect(6), -9999);
    EXPECT_EQ(LoadArea(StoredArea(6, 9999)).GetEffect(1), 9999);
    // The investment triples follow the effects: investment, rating, month figure.
    CEpMapData triples = LoadArea(StoredArea(12 + 3 * 2 + 1, 2154));
    EXPECT_EQ(triples.GetRating(2), 2154);

    struct {
        int at, value;
    } refused[] = {{0, -1},    {1, -1},      {2, -1},  {3, -1},  {4, -1}, {5, -1},
                   {6, 10000}, {11, -10000}, {12, -1}, {13, -1}, {23, -1}};
    for (const auto& r : refused) {
        int error = -1;
        try {
            LoadArea(StoredArea(r.at, r.value));
        } catch (eMERCAVO_ERROR e) {
            error = e;
        }
        EXPECT_EQ(error, eMERCAVO_ERROR_CONTENTS) << r.at;
    }
}

TEST_F(EnterpriseAreaTest, GradesAreClampedAndTheAverageFollowsSingleAreas) {
    company.SetAreaGrade(0, 40, 1);
    EXPECT_EQ(company.GetAreaGrade(0), 100);
    company.SetAreaGrade(1, 700, 1);
    EXPECT_EQ(company.GetAreaGrade(1), 500);
    EXPECT_EQ(company.GetAreaGrade(-1), (100 + 500 + 100) / 3);

    company.SetAreaGrade(-1, 250, 1);
    for (int area = 0; area < 3; ++area) EXPECT_EQ(company.GetAreaGrade(area), 250);
    EXPECT_EQ(company.GetAreaGrade(-1), 233);  // unchanged by the all-areas set
}

TEST_F(EnterpriseAreaTest, GradeSteps) {
    struct {
        int grade, step;
    } cases[] = {{100, 0}, {165, 0}, {166, 1}, {231, 1}, {232, 2}, {429, 4}, {430, 5}, {500, 5}};
    for (const auto& c : cases) {
        company.SetAreaGrade(2, c.grade, 0);
        EXPECT_EQ(company.GetAreaGradeStep(2), c.step) << c.grade;
    }
}

TEST_F(EnterpriseAreaTest, MonthlyDecayLosesTheAreaWeightUnlessAdvertisingCoversIt) {
    CEnterprise withoutAreas;
    ASSERT_EQ(withoutAreas.Init(0, 0), 1);
    withoutAreas.RunMonthlyGradeUpdate();  // nothing to divide among
    withoutAreas.UpdateAverageGrade();

    company.SetAreaGrade(0, 300, 0);
    company.SetAreaGrade(1, 200, 0);
    company.SetAreaGrade(2, 100, 0);
    company.AddAreaBuildings(1, 5);
    company.RunMonthlyGradeUpdate();
    // Weights ((land + 4 buildings + 5) x (grade + 33) / 100)^1.1 / 5: 4.41
    // and 17.49, each lost plus one; the third area stays at the floor.
    EXPECT_EQ(company.GetAreaGrade(0), 295);
    EXPECT_EQ(company.GetAreaGrade(1), 182);
    EXPECT_EQ(company.GetAreaGrade(2), 100);
    EXPECT_EQ(company.GetAreaGrade(-1), (295 + 182 + 100) / 3);

    // (1000 x 20)^0.8 = 2759 outweighs every area: one point each.
    company.SetAdvertisingBudget(1000);
    company.RunMonthlyGradeUpdate();
    EXPECT_EQ(company.GetAreaGrade(0), 294);
    EXPECT_EQ(company.GetAreaGrade(1), 181);

    // A negative budget (as an order may carry) slows nothing: the loss is
    // that of no advertising.
    company.SetAdvertisingBudget(-10);
    company.RunMonthlyGradeUpdate();
    EXPECT_EQ(company.GetAreaGrade(0), 289);
    EXPECT_EQ(company.GetAreaGrade(2), 100);
}

TEST_F(EnterpriseAreaTest, RatingsAndEffectsStayWithinTheirRanges) {
    company.SetAreaRating(1, 0, 3000, 0);
    EXPECT_EQ(company.GetAreaRating(1, 0), 2154);
    company.SetAreaRating(1, 0, -3000, 1);
    EXPECT_EQ(company.GetAreaRating(1, 0), 0);
    company.SetAreaRating(1, 0, 40, 1);
    EXPECT_EQ(company.GetAreaRating(1, 0), 40);

    company.SetAreaValue(2, 1, 9990);
    CBD type;
    type.SetBonuses(30, 0, 0, 0);
    type.SetEffectValue(2, 50);
    type.SetEffectValue(5, -7);
    doc.structureTypes = {&type};
    company.SetAreaGrade(1, 200, 1);
    company.AddBuildingEffects(1, 0);
    EXPECT_EQ(company.GetAreaGrade(1), 230);
    EXPECT_EQ(company.GetAreaGrade(-1), (100 + 230 + 100) / 3);
    EXPECT_EQ(company.GetAreaValue(2, 1), 9999);  // what a saved game can hold
    EXPECT_EQ(company.GetAreaValue(5, 1), -7);
    company.AddBuildingEffects(1, 1);  // no such type: nothing
    EXPECT_EQ(company.GetAreaGrade(1), 230);

    company.AddAreaTableValue(3, 2, 70);
    company.AddAreaTableValue(3, 2, -100);
    EXPECT_EQ(company.GetAreaTableValue(3, 2), 0);
}

TEST_F(EnterpriseAreaTest, LevelsAndHomeArea) {
    EXPECT_EQ(company.SetAreaLevel(0, 1), 1);
    EXPECT_EQ(company.SetAreaLevel(0, 1), 0);
    company.SetAreaLevel(1, 3);
    company.SetAreaLevel(2, 2);
    EXPECT_EQ(company.CountAreasAtLevel(1), 1);
    EXPECT_EQ(company.CountAreasAtLevel(0), 2);
    EXPECT_EQ(company.SumAreaLevels(0), 6);
    EXPECT_EQ(company.SumAreaLevels(1), 8);

    EXPECT_FALSE(company.HasAnyArea());
    company.SetHomeArea(2);
    EXPECT_EQ(company.GetHomeArea(), 2);
    EXPECT_TRUE(company.HasAnyArea());
}

TEST_F(EnterpriseAreaTest, RaisingTheBestAreaSkipsLevelsTwoAndFour) {
    company.SetAreaLevel(0, 2);
    company.SetAreaLevel(1, 4);
    doc.areaRatings = {{0, 30000}, {1, 30000}};
    // Area 2 rates 0 and draws 0, which still beats the start of -1000 as
    // soon as it is drawn among the six draws.
    for (int month = 0; month < 20 && company.GetAreaLevel(2) == 0; ++month)
        company.RaiseBestAreaLevel();
    EXPECT_EQ(company.GetAreaLevel(0), 2);
    EXPECT_EQ(company.GetAreaLevel(1), 4);
    EXPECT_EQ(company.GetAreaLevel(2), 1);

    doc.manageMoreAreas = false;
    company.SetAreaLevel(2, 0);
    for (int month = 0; month < 20; ++month) company.RaiseBestAreaLevel();
    EXPECT_EQ(company.GetAreaLevel(2), 0);
}

TEST_F(EnterpriseAreaTest, HoldingsAreCountedFromTheOwnerLayer) {
    // Company 1 owns cells as owner 2: two bare lots and a 2 x 1 structure
    // (anchor at (3,2), covered cell (2,2)); a lot of company 0 in between.
    doc.cells[{0, 0, 0}] = {2, 0, false};
    doc.cells[{0, 1, 1}] = {2, 0, false};
    doc.cells[{0, 2, 2}] = {2, -1, false};
    doc.cells[{0, 3, 2}] = {2, 7, false};
    doc.cells[{0, 3, 0}] = {1, 0, false};
    company.RecountAllHoldings();
    EXPECT_EQ(company.GetAreaLand(0), 2);
    EXPECT_EQ(company.GetAreaBuildings(0), 1);
    EXPECT_EQ(company.GetAreaLand(-1), 2);
    EXPECT_EQ(company.GetAreaBuildings(-1), 1);

    // Adding land recounts the area from the map.
    EXPECT_EQ(company.AddAreaLand(0, 5), 0);
    EXPECT_EQ(company.GetAreaLand(0), 2);
    // Converting no land takes a building away.
    company.ConvertLandToBuilding(0, 0);
    EXPECT_EQ(company.GetAreaBuildings(0), 0);
    EXPECT_EQ(company.GetAreaBuildings(-1), 0);

    // A construction plan on one of the lots claims it.
    CCmdPacket plan;
    plan.MakeDemolishOrReinforce(0, 1, 1, 1);
    company.GetPlans().push_back(plan);
    EXPECT_EQ(company.GetFreeAreaLand(0), 1);
    EXPECT_EQ(company.GetFreeAreaLand(-1), 1);
}

TEST_F(EnterpriseAreaTest, ContractsAndContributionsCountInTheAreaAndTheTotals) {
    company.IncAreaCount(1);
    company.IncAreaCount(2);
    company.AddAreaSum(2, 40);
    EXPECT_EQ(company.GetAreaRecord(0).GetContracts(), 2);
    EXPECT_EQ(company.GetAreaRecord(3).GetContracts(), 1);
    EXPECT_EQ(company.GetAreaRecord(0).GetContribution(), 40);
    EXPECT_EQ(company.GetAreaRecord(3).GetContribution(), 40);
}

}  // namespace
