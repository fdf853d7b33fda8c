// Rows of the real-estate list: a lot's land, structure, price, yearly
// figures and durability.

#include "model/PropertyData.h"

#include <gtest/gtest.h>

#include "model/PlanWorldFixture.h"

namespace {

class PropertyDataTest : public PlanWorldTest {
protected:
    void SetUp() override {
        PlanWorldTest::SetUp();
        // A head office (2 x 2, staff 90) anchored at (3, 3) of area 0.
        map->SetStructureAt(0, 3, 3, typeHeadOffice + 1);
        map->SetStructureLayer7(0, 3, 3, 42);
        for (int y = 2; y <= 3; ++y)
            for (int x = 2; x <= 3; ++x) doc.lotValues[{0, x, y}] = {10.5, 4.0};
        company.SetStandardSalary(20);
    }
    int Pay() const {
        return company.CalcSalaryCost(map->GetStructureType(typeHeadOffice)->GetValueFigure(), 12);
    }
};

TEST_F(PropertyDataTest, ADefaultRowIsEmpty) {
    CPropertyData row;
    EXPECT_EQ(row.GetCell(), CCellPoint(-1, -1));
    EXPECT_EQ(row.HasStructure(), 0);
    EXPECT_EQ(row.GetLandName(), "");
    EXPECT_EQ(row.GetPrice(), 0);
    // Outside the map the row stays as it was.
    row.SetFromLot(0, 6, 0);
    row.SetFromLot(2, 0, 0);
    EXPECT_EQ(row.GetCell(), CCellPoint(-1, -1));
}

TEST_F(PropertyDataTest, ABareLotHasOnlyItsLandAndPrice) {
    CPropertyData row;
    row.SetFromLot(0, 1, 4);
    EXPECT_EQ(row.GetCell(), CCellPoint(1, 4));
    EXPECT_EQ(row.HasStructure(), 0);
    EXPECT_EQ(row.GetLandName(), "Meadow");
    EXPECT_EQ(row.GetStructureName(), "");
    EXPECT_EQ(row.GetPrice(), map->GetLotPrice(0, 1, 4, 0));
    EXPECT_GT(row.GetPrice(), 0);
    EXPECT_EQ(row.GetProceeds(), 0);
    EXPECT_EQ(row.GetProfit(), 0);
    EXPECT_EQ(row.GetLife(), 0);
    EXPECT_TRUE(doc.calls.empty());
}

TEST_F(PropertyDataTest, AStructureSumsTheYearOfEveryCellItCovers) {
    doc.ownCompany = 1;
    for (CCellPoint cell : {CCellPoint(3, 3), CCellPoint(2, 2)}) {
        SCOPED_TRACE(cell.x);
        doc.calls.clear();
        CPropertyData row;
        row.SetFromLot(0, cell.x, cell.y);
        EXPECT_EQ(row.GetCell(), cell);
        EXPECT_EQ(row.HasStructure(), 1);
        EXPECT_EQ(row.GetStructureName(), "Head Office");
        EXPECT_EQ(row.GetPrice(), map->GetLotPrice(0, 3, 3, 0));
        EXPECT_EQ(row.GetLife(), 42);
        EXPECT_EQ(row.GetProceeds(), 42);
        EXPECT_EQ(row.GetProfit(), 42 - 16 - Pay());
        EXPECT_EQ(doc.calls, (std::vector<std::string>{
                                 "CalcLotValue(0,2,2,-1,0)", "CalcLotValue(0,3,2,-1,0)",
                                 "CalcLotValue(0,2,3,-1,0)", "CalcLotValue(0,3,3,-1,0)"}));
    }
}

TEST_F(PropertyDataTest, LossesAndObservers) {
    for (int y = 2; y <= 3; ++y)
        for (int x = 2; x <= 3; ++x) doc.lotValues[{0, x, y}] = {1.0, 30.25};
    CPropertyData row;
    // An observer's machine has no company of its own: no pay to count.
    doc.ownCompany = -1;
    row.SetFromLot(0, 3, 3);
    EXPECT_EQ(row.GetProceeds(), 4);
    EXPECT_EQ(row.GetProfit(), -117);
    doc.ownCompany = 1;
    row.SetFromLot(0, 3, 3);
    EXPECT_EQ(row.GetProfit(), -117 - Pay());
    EXPECT_GT(Pay(), 0);
    CPropertyData copy(row);
    EXPECT_EQ(copy.GetProfit(), row.GetProfit());
    EXPECT_EQ(copy.GetStructureName(), "Head Office");
}

}  // namespace
