#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "GameFixture.h"
#include "model/MapData.h"

namespace {

TEST_F(GameTest, AccessorsOutsideTheirRangesGiveNothing) {
    NewGame(4);
    EXPECT_EQ(doc.GetEnterprise(-1), nullptr);
    EXPECT_EQ(doc.GetEnterprise(4), nullptr);
    // Person indexes come from plans, tasks and draws: never trusted.
    EXPECT_EQ(doc.GetDirector(-1), nullptr);
    EXPECT_EQ(doc.GetDirector(doc.GetDirectorTableSize()), nullptr);
    EXPECT_EQ(doc.GetGovernor(doc.GetGovernorTableSize()), nullptr);
    EXPECT_STREQ(doc.GetAreaNameText(-1), "All");
    EXPECT_EQ(doc.GetAreaNameText(2), nullptr);
    EXPECT_EQ(doc.GetAreaName(0), "Harbor");
    EXPECT_EQ(doc.GetArea(2), nullptr);
    EXPECT_EQ(doc.GetViewPictureIndex(), 2);
    doc.SetViewDirection(1);
    EXPECT_EQ(doc.GetViewPictureIndex(), 3);
    EXPECT_EQ(doc.SetPlayerCount(5, 1), 0);
    EXPECT_EQ(doc.SetPlayerCount(-1, 1), 0);
    EXPECT_EQ(doc.SetPlayerCount(2, 0), 1);
    EXPECT_EQ(doc.GetPlayState(), 2);
    EXPECT_EQ(doc.GetStartingPlayerCount(), 0);
}

TEST(TurnOrderTest, EmptyGameAndTheLastPosition) {
    CVDoc doc;
    auto scoped = ScopedDoc(&doc);
    EXPECT_EQ(doc.GetTurnEnterprise(-1), -1);
    EXPECT_EQ(doc.NextTurn(), 0);
}

TEST_F(GameTest, TurnOrderIsAPermutationWalkedToItsEnd) {
    NewGame(6);
    doc.ShuffleTurnOrder();
    std::set<int> seen;
    do seen.insert(doc.GetTurnEnterprise(-1));
    while (doc.NextTurn());
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(doc.GetTurnPosition(), 5);
    EXPECT_EQ(doc.NextTurn(), 0);
    EXPECT_EQ(doc.GetTurnPosition(), 5);
    // A peer's table may not name a company outside the game.
    int before = doc.GetTurnEnterprise(0);
    doc.SetTurnOrderEntry(0, 6);
    EXPECT_EQ(doc.GetTurnEnterprise(0), before);
}

TEST_F(GameTest, StockMatrixHoldingsAndPrices) {
    NewGame(3);
    EXPECT_EQ(doc.GetStockHolding(1, -2), 0);
    EXPECT_EQ(doc.GetStockPrice(1), 0);  // nothing issued yet
    doc.InitIssuedShares();
    EXPECT_EQ(doc.GetStockHolding(1, -1), 150);
    doc.SetStockHolding(1, 0, 30);
    doc.SetStockHolding(1, 2, 45);
    EXPECT_EQ(doc.GetStockHolding(1, -2), 75);
    EXPECT_DOUBLE_EQ(doc.GetShareRatio(1, 2), 0.3);
    // Nobody holding: the base price; all held: 13/3 of it.
    int base = static_cast<int>((std::pow(80.0, 0.9) + 1500) * 10 / 150);
    EXPECT_EQ(doc.GetStockPrice(0), base);
    doc.SetStockHolding(0, 1, 150);
    EXPECT_EQ(doc.GetStockPrice(0),
              static_cast<int>((std::pow(80.0, 0.9) + 1500) * 10 / 150 * 1300 / 300));
}

class RemovalTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        NewGame(4, 1);
        doc.InitIssuedShares();
        // Row r, holder h: 100 r + 10 h + 1.
        for (int r = 0; r < 4; ++r)
            for (int h = 0; h < 4; ++h) doc.SetStockHolding(r, h, 100 * r + 10 * h + 1);
        doc.ShuffleTurnOrder();
    }
    int Owner(int x, int y) { return doc.GetMap().GetArea(0).GetCellOwner(x, y); }
};

TEST_F(RemovalTest, RemovingTheLastCompanyKeepsTheOtherRowsAndColumns) {
    doc.RemoveEnterprise(3);
    ASSERT_EQ(doc.GetCompanyCount(), 3);
    for (int r = 0; r < 3; ++r) {
        // The removed holder's shares go back to the issuer.
        EXPECT_EQ(doc.GetStockHolding(r, -1), 150 + 100 * r + 31);
        for (int h = 0; h < 3; ++h) EXPECT_EQ(doc.GetStockHolding(r, h), 100 * r + 10 * h + 1);
    }
}

TEST_F(RemovalTest, RemovingCompanyOneRenumbersEverythingAfterIt) {
    std::string removedName = doc.GetEnterprise(1)->GetName();
    int removedSlot = doc.GetEnterprise(1)->GetNameSlot();
    std::string thirdName = doc.GetEnterprise(3)->GetName();
    int president3 = doc.GetEnterprise(3)->GetPresidentNumber() - 1;
    int president1 = doc.GetEnterprise(1)->GetPresidentNumber() - 1;
    CMapData& area = doc.GetMap().GetArea(0);
    area.SetCellOwner(0, 0, 2);  // company 1
    area.SetCellOwner(0, 1, 4);  // company 3
    CProTeam& team = doc.GetMap().GetProTeam(0, 0);
    team.SetOwner(3);
    doc.GetEnterprise(0)->SetContractBid(3, 0, 1, 1, 0, 99);
    doc.GetEnterprise(2)->SetAuctionBid(-2, 0, 1, 1, 1);

    doc.RemoveEnterprise(1);
    ASSERT_EQ(doc.GetCompanyCount(), 3);
    EXPECT_EQ(doc.GetEnterprise(2)->GetName(), thirdName);
    EXPECT_EQ(doc.GetEnterprise(2)->GetNumber(), 2);
    EXPECT_EQ(Owner(0, 0), 0);
    EXPECT_EQ(Owner(0, 1), 3);
    EXPECT_EQ(team.GetOwnerIndex(), 2);
    EXPECT_EQ(doc.GetDirector(president3)->GetEmployerNo(), 3);
    EXPECT_EQ(doc.GetDirector(president1)->GetEmployerNo(), 0);
    EXPECT_EQ(doc.GetDirector(president1)->GetPresidentFlag(), 0);
    EXPECT_EQ(doc.GetMap().GetCompanyNameUser(removedSlot), -1);
    EXPECT_EQ(doc.GetEnterprise(0)->GetContractBid().contractor, 2);
    EXPECT_EQ(doc.GetEnterprise(1)->GetAuctionBid().buyer, -1);
    EXPECT_EQ(doc.GetStockHolding(1, 1), 100 * 2 + 10 * 2 + 1);
    EXPECT_EQ(doc.GetStockHolding(2, 0), 100 * 3 + 1);
    EXPECT_FALSE(doc.GetEnterprise(0)->GetHistory().empty());
    std::set<int> order;
    for (int p = 0; p < 3; ++p) order.insert(doc.GetTurnEnterprise(p));
    EXPECT_EQ(order, (std::set<int>{0, 1, 2}));
    (void)removedName;
    // The game saves and loads whole.
    CVDoc loaded;
    auto scoped = ScopedDoc(&loaded);
    EXPECT_EQ(loaded.LoadBytes(doc.SaveBytes()), -1);
}

TEST_F(RemovalTest, RemovingTheOnlyHumanCompanyLeavesNoHumanPlayer) {
    doc.RemoveEnterprise(0);
    EXPECT_EQ(doc.GetPlayState(), 0);
    EXPECT_EQ(doc.GetStartingPlayerCount(), 1);
}

TEST_F(RemovalTest, MergingTwoIntoZeroAddsTheirRowsAndColumns) {
    doc.MergeEnterprise(2, 0);
    ASSERT_EQ(doc.GetCompanyCount(), 3);
    auto old = [](int r, int h) { return 100 * r + 10 * h + 1; };
    EXPECT_EQ(doc.GetStockHolding(0, -1), 150 + 150);
    EXPECT_EQ(doc.GetStockHolding(0, 0), old(0, 0) + old(0, 2) + old(2, 0) + old(2, 2));
    EXPECT_EQ(doc.GetStockHolding(0, 1), old(0, 1) + old(2, 1));
    EXPECT_EQ(doc.GetStockHolding(2, 2), old(3, 3));
    EXPECT_EQ(doc.GetStockHolding(2, 0), old(3, 0) + old(3, 2));
}

TEST_F(RemovalTest, TheAbsorberTakesATeamOrSellsIt) {
    CLeague& league = doc.GetMap().GetLeague(1);
    league.GetTeam(0).SetOwner(3);
    league.GetTeam(1).SetOwner(1);
    doc.GetEnterprise(1)->SetLeagueTeam(1, 1);
    int funds = doc.GetEnterprise(1)->GetFunds();
    doc.MergeEnterprise(3, 1);
    // The absorber already has a team in the league: the other is sold.
    EXPECT_EQ(league.GetTeam(0).GetOwnerIndex(), -1);
    EXPECT_EQ(doc.GetEnterprise(1)->GetFunds(), funds + std::max(league.GetTeamPrice(0) / 2, 1));
    CLeague& other = doc.GetMap().GetLeague(2);
    other.GetTeam(1).SetOwner(2);
    doc.MergeEnterprise(2, 1);
    EXPECT_EQ(other.GetTeam(1).GetOwnerIndex(), 1);
    EXPECT_EQ(doc.GetEnterprise(1)->GetLeagueTeam(2), 1);
}

// Companies leave at the month's safe point: a rule that drops or merges a
// company, even from inside one of the company's own methods, leaves the
// record in place until then.
class LeavingTest : public RemovalTest {
protected:
    // Company 1 holds a head office at (4, 4) and a bare lot at (1, 2) of
    // area 0.
    void SetUp() override {
        RemovalTest::SetUp();
        PlaceOfficeAndLot(1);
        held = CellsOwnedBy(2);
    }
    int CellsOwnedBy(int owner) {
        int cells = 0;
        CMapData& area = doc.GetMap().GetArea(0);
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < area.GetWidth(); ++x) cells += area.GetCellOwner(x, y) == owner;
        return cells;
    }
    // Draws until the company's loan recall fails: its forced sale has
    // nothing to sell.
    bool FailRecall(CEnterprise& company) {
        company.SetDebt(100000);
        company.SetFunds(0);
        for (uint32_t seed = 1; seed <= 500; ++seed) {
            CRuntimeRandom::Seed(seed * 2654435761u);
            if (company.RunLoanRecall() == 0) return true;
        }
        return false;
    }
    std::set<int> TurnOrder() {
        std::set<int> order;
        for (int p = 0; p < doc.GetCompanyCount(); ++p) order.insert(doc.GetTurnEnterprise(p));
        return order;
    }
    int held = 0;
};

TEST_F(LeavingTest, ACompanyDroppedInItsOwnLoanRecallLeavesAtTheSafePoint) {
    CEnterprise& company = *doc.GetEnterprise(1);
    const int president = company.GetPresidentNumber() - 1;
    const std::string third = doc.GetEnterprise(2)->GetName();
    ASSERT_TRUE(FailRecall(company));
    // Still there, with nothing left to hold: its offices left the map.
    EXPECT_EQ(company.GetNumber(), 1);
    EXPECT_TRUE(doc.IsLeaving(1));
    EXPECT_EQ(doc.GetCompanyCount(), 4);
    EXPECT_EQ(CellsOwnedBy(2), 0);
    EXPECT_FALSE(doc.GetMap().HasStructureAt(0, 4, 4));
    EXPECT_EQ(doc.GetDirector(president)->GetEmployerNo(), 0);
    EXPECT_EQ(company.GetDirectorCount(), 0);
    // A second drop of a leaving company changes nothing.
    doc.DropEnterprise(1);

    EXPECT_EQ(doc.RemoveLeavingCompanies(), 1);
    ASSERT_EQ(doc.GetCompanyCount(), 3);
    EXPECT_FALSE(doc.IsLeaving(1));
    EXPECT_EQ(doc.GetEnterprise(1)->GetName(), third);
    EXPECT_EQ(TurnOrder(), (std::set<int>{0, 1, 2}));
    EXPECT_EQ(doc.RemoveLeavingCompanies(), 0);
}

TEST_F(LeavingTest, MergersPassTheHoldingsAndRenumberTheRequestsAfterThem) {
    const int directors = doc.GetEnterprise(1)->GetDirectorCount();
    const int absorberDirectors = doc.GetEnterprise(3)->GetDirectorCount();
    ASSERT_TRUE(doc.RequestMerger(1, 3));
    ASSERT_TRUE(doc.RequestMerger(0, 3));
    EXPECT_FALSE(doc.RequestMerger(1, 2));  // already leaving
    EXPECT_FALSE(doc.RequestMerger(2, 0));  // its absorber is leaving
    EXPECT_FALSE(doc.RequestMerger(2, 2));
    EXPECT_EQ(doc.GetCompanyCount(), 4);

    EXPECT_EQ(doc.RemoveLeavingCompanies(), 2);
    ASSERT_EQ(doc.GetCompanyCount(), 2);
    // The absorber, once company 3, is company 1 now and holds company 1's
    // office and lot and its staff.
    CEnterprise& absorber = *doc.GetEnterprise(1);
    EXPECT_EQ(CellsOwnedBy(2), held);
    EXPECT_TRUE(doc.GetMap().HasStructureAt(0, 4, 4));
    EXPECT_GE(absorber.GetDirectorCount(), absorberDirectors + directors);
    EXPECT_EQ(TurnOrder(), (std::set<int>{0, 1}));
}

TEST_F(LeavingTest, ACompanyDroppedWhileAMergerIntoItWaitsCancelsTheMerger) {
    const std::string absorbed = doc.GetEnterprise(2)->GetName();
    ASSERT_TRUE(doc.RequestMerger(2, 1));
    ASSERT_TRUE(FailRecall(*doc.GetEnterprise(1)));
    EXPECT_EQ(doc.RemoveLeavingCompanies(), 1);
    ASSERT_EQ(doc.GetCompanyCount(), 3);
    EXPECT_EQ(doc.GetEnterprise(1)->GetName(), absorbed);
    EXPECT_EQ(CellsOwnedBy(2), 0);
}

TEST_F(GameTest, ANewGovernorTakesOfficeAndTheOldOneLeaves) {
    NewGame(3);
    int old = doc.GetMap().GetArea(0).GetGovernor();
    int next = 0;
    while (doc.GetGovernor(next)->GetEmployerNo() != 0) ++next;
    doc.GetEnterprise(1)->SetAreaRating(3, 0, 40, 0);
    EXPECT_EQ(doc.ChangeAreaGovernor(0, old), 0);
    EXPECT_EQ(doc.GetEnterprise(1)->GetAreaRating(3, 0), 20);
    EXPECT_EQ(doc.ChangeAreaGovernor(0, next), 1);
    EXPECT_EQ(doc.GetMap().GetArea(0).GetGovernor(), next);
    EXPECT_EQ(doc.GetGovernor(old)->GetEmployerNo(), 0);
    EXPECT_EQ(doc.GetGovernor(next)->GetEmployerNo(), 1);
    EXPECT_EQ(doc.GetEnterprise(1)->GetAreaRating(3, 0), 0);
    EXPECT_EQ(doc.ChangeAreaGovernor(0, doc.GetGovernorTableSize()), 0);
}

}  // namespace
