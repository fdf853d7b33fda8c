// A lot changing hands: money, land, buildings, staff and area levels of
// the seller and the buyer.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LandSalesFixture.h"
#include "model/History.h"

namespace {

TEST_F(LandSalesTest, ATransferMovesTheLotAndItsFigures) {
    struct Case {
        const char* name;
        bool building;
        int seller, buyer, price;
        int sellerLevel, buyerLevel;
        bool secondLot;  // the seller keeps another bare lot in the area
        int sellerLevelAfter, buyerLevelAfter;
        bool buyerHistory;
    };
    const std::vector<Case> cases = {
        {"last bare lot at level 2 drops the seller to 1", false, 1, 2, 30, 2, 1, false, 1, 2,
         true},
        {"a bare lot with another one left keeps level 2", false, 1, 2, 30, 2, 1, true, 2, 2,
         true},
        {"a seller with an office keeps its level", false, 1, 2, 30, 3, 0, false, 3, 2, true},
        {"a buyer at level 2 or more gets no history entry", false, 1, 2, 30, 2, 3, false, 1, 3,
         false},
        {"a building moves buildings and staff", true, 1, 2, 80, 3, 3, false, 3, 3, false},
        {"a building sold to nobody pays the seller", true, 1, -1, 40, 3, 0, false, 3, 0, false},
        {"bare land sold to nobody", false, 1, -1, 25, 2, 0, false, 1, 0, false},
        {"an unowned lot bought pays nobody", false, -1, 3, 50, 0, 1, false, 0, 2, true},
        {"a free transfer", false, 2, 3, 0, 2, 2, false, 1, 2, false},
    };
    const std::vector<uint8_t> initial = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.LoadBytes(initial), -1);
        const int x = 3, y = 3;
        if (c.building)
            Build(house, x, y, c.seller);
        else
            Own(x, y, c.seller);
        if (c.secondLot) Own(1, 1, c.seller);
        if (c.seller >= 0) doc.GetEnterprise(c.seller)->SetAreaLevel(0, c.sellerLevel);
        if (c.buyer >= 0) doc.GetEnterprise(c.buyer)->SetAreaLevel(0, c.buyerLevel);
        const SFigures sellerBefore = c.seller >= 0 ? Figures(c.seller) : SFigures{};
        const SFigures buyerBefore = c.buyer >= 0 ? Figures(c.buyer) : SFigures{};

        ASSERT_EQ(doc.TransferLot(0, x, y, c.buyer, c.price), 1);

        CCellPoint anchor, first;
        if (c.building) {
            ASSERT_TRUE(doc.GetMap().GetStructureExtent(0, x, y, anchor, first));
            for (int cy = first.y; cy <= anchor.y; ++cy)
                for (int cx = first.x; cx <= anchor.x; ++cx) EXPECT_EQ(Owner(cx, cy), c.buyer + 1);
        }
        EXPECT_EQ(Owner(x, y), c.buyer + 1);
        const int staff = c.building ? Staff(house) : 0;
        if (c.seller >= 0) {
            SFigures want = sellerBefore;
            want.funds += c.price;
            want.sales += c.price;
            want.profit += c.price;
            (c.building ? want.buildings : want.land) -= 1;
            want.employees -= staff;
            want.level = c.sellerLevelAfter;
            EXPECT_EQ(Figures(c.seller), want);
        }
        if (c.buyer >= 0) {
            SFigures want = buyerBefore;
            want.funds -= c.price;
            want.profit -= c.price;
            (c.building ? want.buildings : want.land) += 1;
            want.employees += staff;
            want.level = c.buyerLevelAfter;
            want.history += c.buyerHistory ? 1 : 0;
            EXPECT_EQ(Figures(c.buyer), want);
            if (c.buyerHistory) {
                EXPECT_EQ(doc.GetEnterprise(c.buyer)->GetHistory().back().GetKind(),
                          CHistory::kindLandPurchased);
            }
        }
    }
}

// A buyer short of money goes into debt for the rest; a seller whose staff
// leaves with the building never keeps more employees at work than it has.
TEST_F(LandSalesTest, ATransferKeepsTheCompanyRecordsConsistent) {
    Build(house, 3, 3, 1);
    doc.GetEnterprise(1)->SetEmployees(Staff(house));
    doc.GetEnterprise(1)->SetEmployeesAtWork(Staff(house));
    doc.GetEnterprise(2)->SetFunds(10);
    ASSERT_EQ(doc.TransferLot(0, 3, 3, 2, 50), 1);
    EXPECT_EQ(doc.GetEnterprise(1)->GetEmployees(), 0);
    EXPECT_EQ(doc.GetEnterprise(1)->GetEmployeesAtWork(), 0);
    EXPECT_EQ(doc.GetEnterprise(2)->GetFunds(), 0);
    EXPECT_EQ(doc.GetEnterprise(2)->GetDebt(), 40);
    // The saved game takes the result.
    CVDoc loaded;
    auto scoped = ScopedDoc(&loaded);
    EXPECT_EQ(loaded.LoadBytes(doc.SaveBytes()), -1);
}

// Areas, cells and companies come from orders, saved games and peers.
TEST_F(LandSalesTest, ATransferOutsideTheGameChangesNothing) {
    Own(3, 3, 1);
    CMapData& record = doc.GetMap().GetArea(0);
    struct Case {
        const char* name;
        int area, x, y, buyer;
    };
    const std::vector<Case> cases = {
        {"no such area", doc.GetMap().GetAreaCount(), 3, 3, 2},
        {"area -1", -1, 3, 3, 2},
        {"cell left of the grid", 0, -1, 3, 2},
        {"cell below the grid", 0, 3, record.GetHeight(), 2},
        {"no such company", 0, 3, 3, doc.GetCompanyCount()},
        {"a buyer below -1", 0, 3, 3, -2},
    };
    const std::vector<uint8_t> before = doc.SaveBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(doc.TransferLot(c.area, c.x, c.y, c.buyer, 10), 0);
        EXPECT_EQ(doc.SaveBytes(), before);
    }
}

TEST_F(LandSalesTest, ADirectorBuysForHisEmployer) {
    Own(3, 3, 1);
    const int director = HireDirector(2);
    ASSERT_EQ(doc.TransferLotToDirectorCompany(0, 3, 3, director, 20), 1);
    EXPECT_EQ(Owner(3, 3), 3);
    EXPECT_EQ(doc.GetEnterprise(1)->GetFunds(), 1020);
    EXPECT_EQ(doc.GetEnterprise(2)->GetFunds(), 980);
    // Nobody's director, or no director at all, buys nothing.
    doc.GetDirector(director)->SetEmployer(0);
    EXPECT_EQ(doc.TransferLotToDirectorCompany(0, 3, 3, director, 20), 0);
    EXPECT_EQ(doc.TransferLotToDirectorCompany(0, 3, 3, doc.GetDirectorTableSize(), 20), 0);
    EXPECT_EQ(Owner(3, 3), 3);
}

}  // namespace
