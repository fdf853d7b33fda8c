// The map document's cell operations: footprints and stadium lists, lot
// prices and purchase work, site and environment ratings (also at radii
// where the weights turn negative), stadium availability, the influence of
// a new structure, demolition and the release of a company's lots; and the
// answers of the queries at every cell of busy areas, held to recorded
// hashes so that a faster way to the same answers cannot drift from them.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "fakes/FakeMapWorld.h"
#include "fakes/Golden.h"
#include "fakes/MapFileFixture.h"
#include "fakes/MapWorldFixtures.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/StructureCodes.h"
#include "model/services/DocService.h"
#include "platform/core/RuntimeRandom.h"

namespace {

// Structure type indexes of the fixture map.
constexpr int kRubble = 0, kMast = 2, kCottages = 4, kKiosk = 5, kHeadOffice = 6, kBranch = 7,
              kBallpark = 9, kArena = 10, kCrossing26 = 11, kCrossing25 = 13;

class MapCellsTest : public ::testing::Test {
protected:
    MapCellsTest() : world(MakeBlankMap(8, 10)) { CRuntimeRandom::Seed(7); }
    CMapDoc& map() { return world.Map(); }
    CMapData& area() { return world.Map().GetArea(0); }

    CFakeMapWorld world;
};

// ---- Footprints ----

struct SFootprintCase {
    const char* name;
    int type;
    int x, y;
    int firstX, firstY;
};

class FootprintTest : public MapCellsTest, public ::testing::WithParamInterface<SFootprintCase> {};

TEST_P(FootprintTest, AnchorHoldsTheNumberAndTheOtherCellsPointAtIt) {
    const SFootprintCase& c = GetParam();
    map().SetStructureAt(0, c.x, c.y, c.type + 1);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 8; ++x) {
            bool inside = x >= c.firstX && x <= c.x && y >= c.firstY && y <= c.y;
            int layer = area().GetLayer(CMapData::layerStructure, x, y);
            if (!inside) {
                EXPECT_EQ(layer, 0) << x << "," << y;
                continue;
            }
            EXPECT_EQ(area().GetStructureAt(x, y, 1), c.type + 1);
            if (x == c.x && y == c.y) {
                EXPECT_EQ(layer, c.type + 1);
            } else {
                EXPECT_EQ(layer, -1);
                EXPECT_EQ(area().GetAnchorCell(x, y), CCellPoint(c.x, c.y));
            }
            CCellPoint anchor, first;
            ASSERT_TRUE(map().GetStructureExtent(0, x, y, anchor, first));
            EXPECT_EQ(anchor, CCellPoint(c.x, c.y));
            EXPECT_EQ(first, CCellPoint(c.firstX, c.firstY));
        }
    // Removing it through any of its cells clears the whole footprint.
    map().SetStructureAt(0, c.firstX, c.firstY, 0);
    for (int y = c.firstY; y <= c.y; ++y)
        for (int x = c.firstX; x <= c.x; ++x) {
            EXPECT_FALSE(map().HasStructureAt(0, x, y));
            EXPECT_EQ(area().GetLayer(CMapData::layerAnchorX, x, y), 0);
        }
}

INSTANTIATE_TEST_SUITE_P(Cells, FootprintTest,
                         ::testing::Values(SFootprintCase{"one_cell", kKiosk, 3, 3, 3, 3},
                                           SFootprintCase{"two_by_two_at_5_7", kHeadOffice, 5, 7, 4,
                                                          6},
                                           SFootprintCase{"three_by_two", kArena, 2, 1, 0, 0},
                                           SFootprintCase{"in_the_corner", kBallpark, 7, 9, 6, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MapCellsTest, RubbleOverAStructureFillsItsWholeFootprint) {
    map().SetStructureAt(0, 5, 7, kHeadOffice + 1);
    map().SetStructureAt(0, 4, 6, kRubble + 1);
    for (int y = 6; y <= 7; ++y)
        for (int x = 4; x <= 5; ++x) {
            EXPECT_EQ(area().GetLayer(CMapData::layerStructure, x, y), kRubble + 1);
            EXPECT_TRUE(map().IsAnchorCell(0, x, y));
        }
}

TEST_F(MapCellsTest, ACrossingBecomesASiteInsteadOfAStructure) {
    for (int type : {kCrossing25, kCrossing26}) {
        map().SetStructureAt(0, 2, 2, type + 1);
        EXPECT_EQ(area().GetLayer(CMapData::layerStructure, 2, 2), 0);
        EXPECT_EQ(area().GetConstructionState(2, 2), CMapData::kConstructionUnderWay);
        EXPECT_EQ(area().GetConstructionType(2, 2), type);
        EXPECT_TRUE(map().IsSpecialCell(0, 2, 2));
    }
}

TEST_F(MapCellsTest, StadiumListsFollowPlacingReplacingAndRemoving) {
    const int ballparkList = StructureCode::StadiumKindOfCode(80);
    const int arenaList = StructureCode::StadiumKindOfCode(85);
    map().SetStructureAt(0, 1, 1, kBallpark + 1);
    map().SetStructureAt(0, 5, 5, kArena + 1);
    EXPECT_EQ(area().GetStadiumCount(ballparkList), 1);
    EXPECT_EQ(area().GetPairListCell(arenaList, 0), CCellPoint(5, 5));
    // Through a covered cell, replaced by something else.
    map().SetStructureAt(0, 0, 0, kKiosk + 1);
    EXPECT_EQ(area().GetStadiumCount(ballparkList), 0);
    map().DemolishAt(0, 4, 4);
    EXPECT_EQ(area().GetStadiumCount(arenaList), 0);
}

// ---- Prices ----

struct SLotPriceCase {
    const char* name;
    int landType;
    int landValue;
    int level;
    int structure;  // -1 none
    int landOnly;
    int expected;
};

class LotPriceTest : public MapCellsTest, public ::testing::WithParamInterface<SLotPriceCase> {};

TEST_P(LotPriceTest, Price) {
    const SLotPriceCase& c = GetParam();
    map().GetLandTypeEntry(fixtureFoundation)->SetFixedLandPrice(75);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 8; ++x) {
            area().SetLandType(x, y, c.landType);
            area().SetLandValue(x, y, c.landValue);
        }
    area().AddLevel(c.level - area().GetLevel());
    if (c.structure >= 0) map().SetStructureAt(0, 5, 7, c.structure + 1);
    EXPECT_EQ(map().GetLotPrice(0, 5, 7, c.landOnly), c.expected);
    // Without a director it is the plain price: x 650 / 650.
    if (!c.landOnly) {
        EXPECT_EQ(map().GetLotPriceForDirector(0, 5, 7, nullptr), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, LotPriceTest,
    ::testing::Values(
        SLotPriceCase{"plain_40_at_50", fixtureMeadow, 40, 50, -1, 0, 40},
        SLotPriceCase{"plain_40_at_200", fixtureMeadow, 40, 200, -1, 0, 160},
        SLotPriceCase{"cheap_land_is_at_least_1", fixtureMeadow, 1, 10, -1, 0, 1},
        SLotPriceCase{"fixed_price_land", fixtureFoundation, 40, 50, -1, 0, 75},
        // 900 x 10 + 4 cells x 40.
        SLotPriceCase{"with_a_2x2_structure", fixtureMeadow, 40, 50, kHeadOffice, 0, 9160},
        SLotPriceCase{"land_only_under_it", fixtureMeadow, 40, 50, kHeadOffice, 1, 40}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MapCellsTest, AnUnusableCellHasNoPrice) {
    map().GetLandTypeEntry(fixtureMeadow)->SetFlags(0, 1, 0);
    EXPECT_EQ(map().GetLotPrice(0, 1, 1, 0), -1);
    EXPECT_FALSE(map().IsCellFreeForSale(0, 1, 1));
    EXPECT_EQ(map().GetPurchaseWork(0, 1, 1), 900);
}

TEST_F(MapCellsTest, LargePricesDoNotOverflowOnTheirWayToTheDirectorsPrice) {
    map().GetStructureType(kKiosk)->SetBasePrice(INT_MAX / 2);
    map().SetStructureAt(0, 3, 3, kKiosk + 1);
    int price = map().GetLotPrice(0, 3, 3, 0);
    EXPECT_EQ(price, INT_MAX / 2 + 30);
    EXPECT_EQ(map().GetLotPriceForDirector(0, 3, 3, nullptr), price);
    CPersonData sharp;  // abilities 30 each: 650 / 650 again
    EXPECT_EQ(map().GetLotPriceForDirector(0, 3, 3, &sharp), price);
    map().GetStructureType(kKiosk)->SetPriceStep(INT_MAX / 10);
    EXPECT_EQ(map().GetLotPrice(0, 3, 3, 0), INT_MAX);
}

struct SWorkCase {
    int fixedPrice;
    int expected;
};

class PurchaseWorkTest : public MapCellsTest, public ::testing::WithParamInterface<SWorkCase> {};

TEST_P(PurchaseWorkTest, Work) {
    map().GetLandTypeEntry(fixtureFoundation)->SetFixedLandPrice(GetParam().fixedPrice);
    area().SetLandType(2, 2, fixtureFoundation);
    EXPECT_EQ(map().GetPurchaseWork(0, 2, 2), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cells, PurchaseWorkTest,
                         ::testing::Values(SWorkCase{1, 1000}, SWorkCase{1000, 2400},
                                           SWorkCase{50000, 8400}));

// ---- Ratings ----

struct SSiteCase {
    const char* name;
    int radius;
    int company;  // -1 none
    int owner;    // owner layer of every cell
    bool human;
    int expected;
};

class SiteRatingTest : public MapCellsTest, public ::testing::WithParamInterface<SSiteCase> {};

TEST_P(SiteRatingTest, Rating) {
    const SSiteCase& c = GetParam();
    world.doc.companies[1].human = c.human;
    map().GetLandTypeEntry(fixtureMeadow)->SetLandValue(50);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 8; ++x) area().SetCellOwner(x, y, c.owner);
    EXPECT_EQ(map().RateSite(0, 4, 5, c.radius, c.company, 0), c.expected);
    // A corner cell sees a cut square; the weights still cancel out.
    EXPECT_EQ(map().RateSite(0, 0, 0, c.radius, c.company, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cells, SiteRatingTest,
                         // Values of 50 everywhere: trunc(sqrt(50 x 100)) = 70.
                         ::testing::Values(SSiteCase{"radius_2", 2, -1, 0, false, 70},
                                           // Corner weights are negative at radius 6.
                                           SSiteCase{"radius_6", 6, -1, 0, false, 70},
                                           SSiteCase{"radius_clamped_low", -3, -1, 0, false, 70},
                                           SSiteCase{"radius_clamped_high", 40, -1, 0, false, 70},
                                           SSiteCase{"own_land_computer", 3, 1, 2, false, 158},
                                           SSiteCase{"own_land_human", 3, 1, 2, true, 132},
                                           SSiteCase{"other_company_land", 3, 1, 3, false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// At radius 6 the corners of the square weigh -sqrt(2): flats (330 with
// their meadow) in the four corners lower the mean of meadow 30 (rating
// trunc(sqrt(3000)) = 54) to 50; at radius 5 the corners are outside.
TEST(SiteRatingCorners, TheCornersOfTheWidestSquareCountAgainstTheSum) {
    constexpr int kFlats = 3;
    CFakeMapWorld world(MakeBlankMap(13, 13));
    CMapDoc& m = world.Map();
    EXPECT_EQ(m.RateSite(0, 6, 6, 6, -1, 0), 54);
    for (int y : {0, 12})
        for (int x : {0, 12}) m.SetStructureAt(0, x, y, kFlats + 1);
    EXPECT_EQ(m.RateSite(0, 6, 6, 6, -1, 0), 50);
    EXPECT_EQ(m.RateSite(0, 6, 6, 5, -1, 0), 54);
}

TEST_F(MapCellsTest, EnvironmentAverageSkipsCellsBeyondTheWeightsReach) {
    CBD& kiosk = *map().GetStructureType(kKiosk);
    kiosk.SetEffects({CEfct(kCottages, 40.0), CEfct(kMast, -900.0)});
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 8; ++x) map().SetStructureAt(0, x, y, kCottages + 1);
    map().SetStructureAt(0, 4, 5, kKiosk + 1);
    for (int radius : {1, 5, 6, 9, 30, INT_MAX}) {
        kiosk.SetEffectRadius(radius);
        EXPECT_DOUBLE_EQ(map().RateStructureEnvironment(0, 4, 5), 40.0) << radius;
    }
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 8; ++x)
            if (!(x == 4 && y == 5)) map().SetStructureAt(0, x, y, kMast + 1);
    EXPECT_DOUBLE_EQ(map().RateStructureEnvironment(0, 4, 5), -100.0);
    kiosk.SetEffectRadius(0);
    EXPECT_DOUBLE_EQ(map().RateStructureEnvironment(0, 4, 5), 0.0);
}

TEST(MapCellsSmall, EnvironmentOfALoneCellIsZero) {
    CFakeMapWorld world(MakeBlankMap(1, 1));
    world.Map().GetStructureType(kKiosk)->SetEffectRadius(7);
    world.Map().SetStructureAt(0, 0, 0, kKiosk + 1);
    EXPECT_DOUBLE_EQ(world.Map().RateStructureEnvironment(0, 0, 0), 0.0);
}

// ---- Stadiums ----

struct SStadiumCase {
    const char* name;
    int stadium;  // structure type at (5, 5)
    int owner;    // owner layer there
    int teams;    // owned teams of kind 0 with their home there
    bool available;
};

class StadiumAvailabilityTest : public MapCellsTest,
                                public ::testing::WithParamInterface<SStadiumCase> {};

TEST_P(StadiumAvailabilityTest, ForCompanyOne) {
    const SStadiumCase& c = GetParam();
    map().SetStructureAt(0, 5, 5, c.stadium + 1);
    area().SetCellOwner(5, 5, c.owner);
    // League 0 is of stadium kind 0 in the fixture, league 2 as well.
    const int leagues[] = {0, 2};
    for (int t = 0; t < c.teams; ++t) {
        CProTeam& team = map().GetProTeam(leagues[t % 2], t / 2);
        team.SetOwner(3);
        team.SetHomeField(0, 5, 5);
    }
    EXPECT_EQ(map().IsCellAvailableTo(1, 0, 0, 5, 5), c.available);
}

INSTANTIATE_TEST_SUITE_P(Cells, StadiumAvailabilityTest,
                         ::testing::Values(SStadiumCase{"free_empty", kBallpark, 0, 0, true},
                                           SStadiumCase{"free_one_team", kBallpark, 0, 1, true},
                                           SStadiumCase{"free_two_teams", kBallpark, 0, 2, false},
                                           SStadiumCase{"own_one_team", kBallpark, 2, 1, true},
                                           SStadiumCase{"others_empty", kBallpark, 3, 0, true},
                                           SStadiumCase{"others_one_team", kBallpark, 3, 1, false},
                                           SStadiumCase{"other_kind_with_team", kArena, 0, 1,
                                                        false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MapCellsTest, StadiumUseCountIsSignedByTheStadiumKind) {
    ASSERT_EQ(map().GetLeague(1).GetStadiumKind(), 1);
    map().SetStructureAt(0, 5, 5, kArena + 1);
    CProTeam& team = map().GetProTeam(1, 0);
    team.SetOwner(0);
    team.SetHomeField(0, 5, 5);
    EXPECT_EQ(map().StadiumUseCount(1, 0, 5, 5), 1);
    EXPECT_EQ(map().StadiumUseCount(0, 0, 5, 5), 0);
    std::vector<int> leagues, teams;
    EXPECT_EQ(map().FindTeamsWithHomeAt(0, 5, 5, leagues, teams), 1);
    EXPECT_EQ(leagues, std::vector<int>{1});
    map().SetStructureAt(0, 5, 5, kKiosk + 1);
    EXPECT_EQ(map().StadiumUseCount(1, 0, 5, 5), -1);
    leagues.clear();
    teams.clear();
    EXPECT_EQ(map().FindTeamsWithHomeAt(0, 5, 5, leagues, teams), -1);
}

TEST_F(MapCellsTest, HomeFieldRatingTakesANegativeUseCountAsNone) {
    map().SetStructureAt(0, 5, 5, kArena + 1);
    int none = map().RateHomeFieldSite(0, 5, 5, 1, 0, 0);
    EXPECT_GT(none, 0);
    EXPECT_EQ(map().RateHomeFieldSite(0, 5, 5, 1, 0, -5), none);
    EXPECT_EQ(map().RateHomeFieldSite(0, 5, 5, 1, 0, -1), none);  // counted: no teams
    EXPECT_LT(map().RateHomeFieldSite(0, 5, 5, 1, 0, 1), none);
    // The wrong kind of stadium draws nobody.
    EXPECT_EQ(map().RateHomeFieldSite(0, 5, 5, 0, 0, 0), 0);
}

TEST_F(MapCellsTest, QualifyingListCellsSkipTheGivenCell) {
    map().SetStructureAt(0, 1, 1, kBallpark + 1);
    map().SetStructureAt(0, 6, 6, kBallpark + 1);
    EXPECT_EQ(map().CountQualifyingListCells(0, 0, -1, -1, {}), 2);
    EXPECT_EQ(map().CountQualifyingListCells(0, 0, 0, 0, {6, 6}), 1);
    area().SetCellOwner(1, 1, 3);
    map().GetProTeam(0, 0).SetOwner(2);
    map().GetProTeam(0, 0).SetHomeField(0, 1, 1);
    EXPECT_EQ(map().CountQualifyingListCells(0, 0, -1, -1, {}), 1);
    EXPECT_EQ(map().CountListCellsAll(0, 2), 1);
}

// ---- Construction effects ----

TEST_F(MapCellsTest, InfluenceSharesTheTotalBetweenFootprintAndRing) {
    CBD& kiosk = *map().GetStructureType(kKiosk);
    kiosk.SetBonuses(0, 4, 20, 4);  // total (20 + 4) x 3 = 72
    map().SetStructureAt(0, 4, 5, kKiosk + 1);
    int trend = area().GetTrend();
    map().ApplyStructureInfluence(0, 4, 5, kKiosk);
    EXPECT_EQ(area().GetLandValue(4, 5), 30 + 144);
    EXPECT_EQ(area().GetLandValue(3, 4), 30 + 9);
    EXPECT_EQ(area().GetLandValue(5, 6), 30 + 9);
    EXPECT_EQ(area().GetLandValue(6, 6), 30);
    EXPECT_EQ(area().GetTrend(), trend + 4);
}

TEST(MapCellsSmall, InfluenceOfAStructureFillingTheGridHasNoRing) {
    CFakeMapWorld world(MakeBlankMap(2, 2));
    world.Map().GetStructureType(kHeadOffice)->SetBonuses(0, 0, 100, 0);
    world.Map().SetStructureAt(0, 1, 1, kHeadOffice + 1);
    world.Map().ApplyStructureInfluence(0, 1, 1, kHeadOffice);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(world.Map().GetArea(0).GetLandValue(x, y), 30 + 150);
}

TEST_F(MapCellsTest, DurabilityRollOfAConstructionIsAtLeastOne) {
    map().SetStructureAt(0, 2, 2, kKiosk + 1);
    EXPECT_EQ(map().RollCellLayer7(0, 2, 2, nullptr), 1);
    EXPECT_EQ(map().GetStructureLayer7(0, 2, 2), 1);
    map().GetStructureType(kKiosk)->SetDurability(40);
    map().RollCellLayer7(0, 2, 2, nullptr);
    EXPECT_GE(map().GetStructureLayer7(0, 2, 2), 150);
    EXPECT_LT(map().GetStructureLayer7(0, 2, 2), 250);
}

TEST_F(MapCellsTest, CrossingsNeedTheirRoadAndNoSiteNearby) {
    CMapData& a = area();
    for (int x = 0; x < 8; ++x) a.SetLandType(x, 3, fixtureTrackBed);  // code 20
    map().GetLandTypeEntry(fixtureScrub)->SetTypeCode(21);
    for (int y = 0; y < 10; ++y) a.SetLandType(5, y, fixtureScrub);
    EXPECT_FALSE(map().CanPlaceCrossing(0, 2, 3, kCrossing26));  // road runs sideways
    for (int y = 0; y < 10; ++y) a.SetLandType(2, y, fixtureTrackBed);
    EXPECT_TRUE(map().CanPlaceCrossing(0, 2, 3, kCrossing26));
    EXPECT_FALSE(map().CanPlaceCrossing(0, 5, 8, kCrossing25));  // the rail runs up
    a.SetConstruction(2, 4, CMapData::kConstructionUnderWay, kKiosk);
    EXPECT_FALSE(map().CanPlaceCrossing(0, 2, 3, kCrossing26));
}

// ---- Demolition and companies leaving ----

TEST_F(MapCellsTest, DemolishingAnOwnedStructureLeavesRubbleAndCountsItsCells) {
    map().SetStructureAt(0, 5, 7, kHeadOffice + 1);
    map().SetStructureOwner(0, 5, 7, 2);
    map().SetStructureLayer7(0, 5, 7, 80);
    map().DemolishAt(0, 4, 6);
    EXPECT_EQ(world.Company(1).GetAreaBuildings(0), 3);
    for (int y = 6; y <= 7; ++y)
        for (int x = 4; x <= 5; ++x) EXPECT_TRUE(map().IsCellKind35(0, x, y));
    EXPECT_EQ(map().GetStructureLayer7(0, 4, 6), 0);
}

TEST_F(MapCellsTest, DemolishingUnownedCellsRemovesStructuresAndSites) {
    map().SetStructureAt(0, 2, 2, kKiosk + 1);
    map().DemolishAt(0, 2, 2);
    EXPECT_FALSE(map().HasStructureAt(0, 2, 2));
    area().SetConstruction(3, 3, CMapData::kConstructionUnderWay, kKiosk);
    map().DemolishAt(0, 3, 3);
    EXPECT_FALSE(map().IsSpecialCell(0, 3, 3));
}

TEST_F(MapCellsTest, RemovingACompanyMovesTheHigherOwnersDownAndFreesItsOwn) {
    for (int owner = 0; owner <= 5; ++owner) area().SetCellOwner(owner, 0, owner);
    map().RemoveCompanyFromMap(2);
    // A cell the leaving company still held never passes to company 1.
    const int expected[] = {0, 1, 2, 0, 3, 4};
    for (int x = 0; x <= 5; ++x) EXPECT_EQ(area().GetCellOwner(x, 0), expected[x]);
}

TEST_F(MapCellsTest, ReleasedLotsWithoutSuccessorLoseTheirOfficesAndSites) {
    map().SetStructureAt(0, 5, 7, kHeadOffice + 1);
    map().SetStructureOwner(0, 5, 7, 1);
    map().SetStructureAt(0, 1, 1, kMast + 1);
    map().SetStructureAt(0, 2, 1, kCottages + 1);
    for (int x = 1; x <= 2; ++x) area().SetCellOwner(x, 1, 1);
    map().ReleaseCompanyLots(0, 0, -1);
    EXPECT_FALSE(map().HasStructureAt(0, 4, 6));
    EXPECT_FALSE(map().HasStructureAt(0, 1, 1));
    EXPECT_TRUE(map().IsCode55At(0, 2, 1));
    EXPECT_EQ(map().CountCompanyCells(0, 0, 3), 0);
}

TEST_F(MapCellsTest, ASuccessorBelowLevelThreeTakesTheOfficeAsABranch) {
    map().SetStructureAt(0, 5, 7, kHeadOffice + 1);
    map().SetStructureOwner(0, 5, 7, 1);
    world.Company(0).SetEmployees(500);
    world.Company(0).SetEmployeesAtWork(100);
    map().ReleaseCompanyLots(0, 0, 2);
    EXPECT_EQ(area().GetStructureAt(5, 7, 0), kBranch + 1);
    EXPECT_FALSE(map().HasStructureAt(0, 4, 6));
    EXPECT_EQ(world.Company(2).GetAreaLevel(0), 3);
    ASSERT_EQ(world.Company(2).GetHistory().size(), 1u);
    EXPECT_EQ(world.Company(0).GetEmployeesAtWork(), 100 + 90 - 60);
    for (int y = 6; y <= 7; ++y)
        for (int x = 4; x <= 5; ++x) EXPECT_EQ(area().GetCellOwner(x, y), 3);
}

// ---- The director's lot search ----

TEST_F(MapCellsTest, LotSearchFindsAFreeLotWithinThePriceLimit) {
    CPersonData director;
    director.AssignTask(CPersonData::eTASK_LAND_PURCHASE, 1000);
    director.SetTaskArea(0);
    for (int round = 0; round < 20; ++round) {
        SLotFound found;
        int score = map().FindLotForDirector(director, 0, found);
        ASSERT_GT(score, 0);
        EXPECT_TRUE(map().IsCellFreeForSale(0, found.x, found.y));
    }
    SLotFound found;
    EXPECT_EQ(map().FindLotForDirector(director, 1, found), 0);  // every lot costs more
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 8; ++x) area().SetCellOwner(x, y, 1);
    EXPECT_EQ(map().FindLotForDirector(director, 0, found), 0);
}

// ---- Every cell of busy areas ----

// Busy areas after half a year of their monthly step, with a strip of track
// bed under radio masts and a few construction sites, so that every kind of
// cell the queries tell apart is there.
class BusyCellsTest : public ::testing::Test {
protected:
    static constexpr int kW = 24, kH = 20, kAreas = 2;

    BusyCellsTest() : world(MakeBusyMap(kW, kH, kAreas, 31)) {
        world.doc.companies[1].human = true;
        CMapDoc& m = world.Map();
        for (int a = 0; a < kAreas; ++a) {
            CMapData& area = m.GetArea(a);
            for (int y = 0; y < kH; y += 3) {
                area.SetLandType(7, y, fixtureTrackBed);
                m.SetStructureAt(a, 7, y, kMast + 1);
                area.SetConstruction(kW - 5, y, CMapData::kConstructionUnderWay, kCottages);
            }
        }
        CRuntimeRandom::Seed(2028);
        m.InitAreaValues();
        for (int month = 0; month < 6; ++month)
            for (int a = 0; a < kAreas; ++a) m.RunAreaMonth(a);
    }

    // Each answer as four bytes, hashed.
    struct SAnswers {
        std::vector<uint8_t> bytes;
        void Add(int64_t v) {
            for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
        }
    };

    CFakeMapWorld world;
};

// Radii 0 and 7 are clamped; company 0 is played by the computer, 1 by a
// person.
TEST_F(BusyCellsTest, SiteRatingsMatchTheRecordedOnes) {
    const CMapDoc& m = world.Map();
    SAnswers answers;
    for (int a = 0; a < kAreas; ++a)
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                for (int radius = 0; radius <= 7; ++radius)
                    for (int company : {-1, 0, 1})
                        for (int current : {0, 1})
                            answers.Add(m.RateSite(a, x, y, radius, company, current));
    ExpectGolden("busy-site-ratings", HashText(answers.bytes));
}

// The whole-area rating adds each cell's terms in rows at once; it must
// give RateSite's answer bit for bit, also where the square reaches past
// the grid on every side.
TEST_F(BusyCellsTest, RatingsOfTheWholeAreaAreRateSitesAtEveryCell) {
    CFakeMapWorld small(MakeBusyMap(4, 5, 1, 9));
    for (CFakeMapWorld* w : {&world, &small}) {
        const CMapDoc& m = w->Map();
        const CMapData& a = m.GetArea(0);
        for (int radius : {0, 2, 3, 6})
            for (int current : {0, 1}) {
                SCOPED_TRACE(testing::Message() << a.GetWidth() << "x" << a.GetHeight()
                                                << " radius " << radius << " current " << current);
                const std::vector<int> all = m.RateAllSites(0, radius, current);
                ASSERT_EQ(all.size(), static_cast<size_t>(a.GetWidth() * a.GetHeight()));
                for (int y = 0; y < a.GetHeight(); ++y)
                    for (int x = 0; x < a.GetWidth(); ++x)
                        ASSERT_EQ(all[a.CellIndex(x, y)], m.RateSite(0, x, y, radius, -1, current))
                            << x << "," << y;
            }
    }
}

TEST_F(BusyCellsTest, CellQueriesMatchTheRecordedAnswers) {
    const CMapDoc& m = world.Map();
    SAnswers answers;
    for (int a = 0; a < kAreas; ++a)
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                CCellPoint anchor{-1, -1}, first{-1, -1};
                answers.Add(m.GetStructureExtent(a, x, y, anchor, first));
                for (int v : {anchor.x, anchor.y, first.x, first.y}) answers.Add(v);
                for (bool v :
                     {m.HasStructureAt(a, x, y), m.IsAnchorCell(a, x, y), m.IsPlainLand(a, x, y),
                      m.IsLandCode31(a, x, y), m.IsCellKind30(a, x, y), m.IsCellKind35(a, x, y),
                      m.IsCellKind45(a, x, y), m.IsCode55At(a, x, y), m.IsSpecialCell(a, x, y),
                      m.IsCellUsable(a, x, y), m.IsCellFreeForSale(a, x, y)})
                    answers.Add(v);
                for (int land : {0, 1}) {
                    answers.Add(m.GetCellStructureNo(a, x, y, land));
                    answers.Add(m.GetCellTypeCode(a, x, y, land));
                    answers.Add(m.GetLotPrice(a, x, y, land));
                }
                answers.Add(m.GetStructureLayer7(a, x, y));
                answers.Add(m.GetLotValueForOwner(a, x, y));
                answers.Add(std::llround(m.RateStructureEnvironment(a, x, y) * 1e6));
                answers.Add(
                    m.IsRectFree(a, x, y, std::min(x + 1, kW - 1), std::min(y + 1, kH - 1)));
            }
    ExpectGolden("busy-cell-queries", HashText(answers.bytes));
}

}  // namespace
