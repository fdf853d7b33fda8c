// The area's monthly rules under scripted draws: each case lists the draws
// a rule asks for, as {n, k} for Random(n) giving k, so that the rule's
// constants stand in the tables, and the result they must give. A rule that
// draws more or fewer times than its script, or asks another n, fails.
//
// The fixture's plain land types by value: scrub 10, field 20, meadow 30;
// houses: cottages 100 and flats 300; the kiosk is the code-30 type.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeMapWorld.h"
#include "fakes/MapFileFixture.h"
#include "fakes/MapWorldFixtures.h"
#include "fakes/ScriptedDraws.h"
#include "model/BD.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/PersonFixtures.h"

namespace {

using Draws = CDraws;
constexpr auto Join = JoinDraws;
constexpr int kFlats = 3, kCottages = 4, kKiosk = 5, kBallpark = 9;

// Draws for Random(w) and Random(h) that pick the cell (x, y).
Draws Cell(int w, int h, int x, int y) {
    return {{w, x}, {h, y}};
}

CPersonData PersonWithFigure3(int figure3) {
    SRawPerson raw;
    raw.figure3 = figure3;
    CPersonData person;
    person.TakeBaseRecord(LoadBasePerson(raw.Bytes()));
    return person;
}

CMapData& Area(CFakeMapWorld& world) {
    return world.Map().GetArea(0);
}

// ---- Trend ----

struct STrendCase {
    const char* name;
    int trend, potential;
    bool projectOpen;
    Draws draws;
    int expected;
};

TEST(AreaRuleDraws, DriftTrend) {
    const STrendCase cases[] = {
        // r >= 6 and then Random(10) < 8: nothing moves.
        {"quiet", 3, 8, false, {{10, 6}, {10, 7}}, 3},
        // r >= 6, Random(10) >= 8: d = Random(Random(-trend)), + 1 on Random(12) < 6.
        {"pulled up from below", -6, 8, false, {{10, 9}, {10, 8}, {6, 4}, {4, 3}, {12, 5}}, -2},
        {"pulled down from above", 6, 8, false, {{10, 6}, {10, 9}, {-6, -4}, {-4, -2}, {12, 6}}, 4},
        // r < 6: d = Random(potential); clamped to 10.
        {"potential", 5, 8, false, {{10, 5}, {8, 7}, {12, 6}}, 10},
        {"potential and the one", -3, 8, false, {{10, 0}, {8, 2}, {12, 5}}, 0},
        // An open project adds Random(5) + 3.
        {"open project", -9, 4, true, {{10, 0}, {4, 0}, {12, 6}, {5, 4}}, -2},
    };
    for (const STrendCase& c : cases) {
        SCOPED_TRACE(c.name);
        CFakeMapWorld world(MakeBlankMap(3, 3));
        CMapData& a = Area(world);
        a.InitPotential(c.potential);  // draws a trend of its own
        a.SetTrend(c.trend);
        if (c.projectOpen) a.SetProjectStart(0);
        CScriptedDraws script(c.draws);
        EXPECT_EQ(world.Map().DriftTrend(0), c.expected != c.trend);
        EXPECT_EQ(a.GetTrend(), c.expected);
    }
}

// The trend turns into houses: q = 3 sign(t) + t, m = Random(q) Random(q) / q.
TEST(AreaRuleDraws, ApplyTrendBuildsOrRemovesHouses) {
    struct SCase {
        const char* name;
        int trend;
        bool houses;  // every cell carries cottages
        Draws draws;
        int trendAfter, populationChange;
    };
    // 4 x 4 cells: Random(16) picks the cell, (1, 1) is candidate 5.
    const SCase cases[] = {
        {"stop roll", 4, false, {{5, 0}}, 4, 0},
        {"m of 0", -5, false, {{-4, -2}, {-8, -7}, {-8, -1}}, -5, 0},
        // m = 36 / 7 = 5, held to the trend 4; n = max(Random(4), 1) = 1:
        // one cottage (value 100, ten people) on the candidate drawn, the
        // target 100 + Random(0), one type of that value, durability
        // max(40, Random(60), 10).
        {"growth",
         4,
         false,
         {{5, 3}, {7, 6}, {7, 6}, {4, 0}, {16, 5}, {0, 0}, {1, 0}, {60, 55}},
         3,
         10},
        // m = 49 / -8 = -6, held to -5; n = Random(5) = 2: one cottage goes
        // (n drops by its value / 10).
        {"shrinkage", -5, true, {{-4, -1}, {-8, -7}, {-8, -7}, {5, 2}, {16, 5}}, -3, -10},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto map = MakeBlankMap(4, 4);
        map->GetStructureType(kCottages)->SetDurability(40);
        CFakeMapWorld world(std::move(map));
        CMapDoc& m = world.Map();
        CMapData& a = Area(world);
        if (c.houses)
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 4; ++x) m.SetStructureAt(0, x, y, kCottages + 1);
        a.SetPopulation(500);
        a.SetTrend(c.trend);
        CMapDoc::CCellSet changed;
        {
            CScriptedDraws script(c.draws);
            EXPECT_EQ(m.ApplyTrend(0, changed), c.populationChange != 0);
        }
        EXPECT_EQ(a.GetTrend(), c.trendAfter);
        EXPECT_EQ(a.GetPopulation(), 500 + c.populationChange);
        if (c.populationChange == 0) {
            EXPECT_TRUE(changed.empty());
            continue;
        }
        ASSERT_EQ(changed.size(), 1u);
        EXPECT_EQ(changed.begin()->first, 1 * 4 + 1);
        if (c.populationChange > 0) {
            EXPECT_EQ(a.GetLayer(CMapData::layerStructure, 1, 1), kCottages + 1);
            EXPECT_EQ(a.GetCellLayer7(1, 1), 55);
        } else {
            EXPECT_EQ(a.GetLayer(CMapData::layerStructure, 1, 1), 0);
        }
    }
}

// A house next to a nuisance goes when Random(1000 - 3 x its influence
// range) < 10; every unowned house of the ring draws once.
TEST(AreaRuleDraws, HousesNextToANuisanceGoOnADrawBelowTen) {
    auto map = MakeBlankMap(3, 3);
    const int works = AddWorksType(*map);  // influence range 200: Random(400)
    CFakeMapWorld world(std::move(map));
    CMapDoc& m = world.Map();
    CMapData& a = Area(world);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) m.SetStructureAt(0, x, y, kCottages + 1);
    m.SetStructureAt(0, 1, 1, works + 1);
    a.SetCellOwner(2, 2, 1);  // owned: never drawn for
    a.SetPopulation(100);
    CMapDoc::CCellSet changed;
    {
        CScriptedDraws script({{400, 10}, {400, 9}, {400, 399}, {400, 0}, {400, 10}, {400, 10},
                               {400, 10}});
        m.RemoveHousesNearNuisance(0, changed);
    }
    ASSERT_EQ(changed.size(), 2u);
    EXPECT_EQ(a.GetLayer(CMapData::layerStructure, 1, 0), 0);
    EXPECT_EQ(a.GetLayer(CMapData::layerStructure, 0, 1), 0);
    EXPECT_EQ(a.GetLayer(CMapData::layerStructure, 0, 0), kCottages + 1);
    EXPECT_EQ(a.GetPopulation(), 100 - 2 * 10);
}

// ---- Land values ----

// A 3 x 3 area draws max(9 / 3, 1) = 3 samples. The raised or lowered
// centre rates its 8 neighbours (in scan order, each drawn once here): the
// highest score takes value from a cell above its type's value, the lowest
// gives to a cell below it. The other samples hit cells at their type's
// value and draw nothing more.
TEST(AreaRuleDraws, DiffusionMovesValueToTheBestOrFromTheWorstNeighbour) {
    for (int centre : {40, 20}) {
        SCOPED_TRACE(centre);
        CFakeMapWorld world(MakeBlankMap(3, 3));
        CMapDoc& m = world.Map();
        CMapData& a = Area(world);
        a.SetLandValue(1, 1, centre);
        const bool push = centre > 30;
        // Every neighbour has the same rating: the spread draw decides.
        const int score = m.RateSite(0, 0, 0, 2, -1, 0) * 100 / m.GetLotPrice(0, 0, 0, 1);
        Draws draws = Cell(3, 3, 1, 1);
        for (int i = 0; i < 8; ++i) {
            draws.push_back({8, i});
            // Candidate 4 is (2, 1): the highest spread when pushing, the
            // lowest when pulling.
            const bool chosen = i == 4;
            draws.push_back({score / 2, chosen == push ? score / 2 - 1 : (push ? 0 : score / 2 - 2)});
        }
        // amount = Random(diff) / 2.
        draws.push_back(push ? SScriptedDraw{10, 7} : SScriptedDraw{-10, -7});
        draws = Join({draws, Cell(3, 3, 0, 0), Cell(3, 3, 2, 2)});
        {
            CScriptedDraws script(draws);
            m.DiffuseLandValue(0);
        }
        EXPECT_EQ(a.GetLandValue(1, 1), push ? 37 : 23);
        EXPECT_EQ(a.GetLandValue(2, 1), push ? 33 : 27);
        EXPECT_EQ(a.GetLandValue(1, 0), 30);
    }
}

// A 10 x 10 area: 33 diffusion samples (two draws each when the cell sits
// at its type's value), 5 land-type samples and the decay's draws.
TEST(AreaRuleDraws, ATenByTenAreaDraws33DiffusionAnd5LandTypeSamples) {
    CFakeMapWorld world(MakeBlankMap(10, 10));
    CMapDoc& m = world.Map();
    Draws diffusion;
    for (int i = 0; i < 33; ++i) diffusion = Join({diffusion, Cell(10, 10, i % 10, i / 10)});
    {
        CScriptedDraws script(diffusion);
        m.DiffuseLandValue(0);
    }
    // Meadow is the highest plain type: no sample steps. The decay:
    // Random(100 / 100) = 0, then Random(1000 / 100) <= 10 gives one cell,
    // which falls to field's value 20.
    Draws steps;
    for (int i = 0; i < 5; ++i) steps = Join({steps, Cell(10, 10, i, i)});
    steps = Join({steps, {{1, 0}, {10, 9}}, Cell(10, 10, 7, 3)});
    CMapDoc::CCellSet changed;
    {
        CScriptedDraws script(steps);
        m.StepLandTypes(0, changed);
    }
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(Area(world).GetLandValue(7, 3), 20);
    EXPECT_EQ(Area(world).GetLandType(7, 3), fixtureMeadow);
}

// One sample on 3 x 3 (9 / 20 < 1), then the decay: Random(9 / 100) = 0
// and one cell when Random(1000 / 9) <= 10.
TEST(AreaRuleDraws, LandTypeSteps) {
    struct SCase {
        const char* name;
        int type, value;
        Draws draws;
        int typeAfter, valueAfter;
    };
    const SCase cases[] = {
        // Field 20 at 35 reaches meadow 30: v - (30 - 20).
        {"up", fixtureField, 35, Join({Cell(3, 3, 1, 1), {{0, 0}, {111, 11}}}), fixtureMeadow, 25},
        // Meadow 30 at 15 is at or below field 20: v - (20 - 30).
        {"down", fixtureMeadow, 15, Join({Cell(3, 3, 1, 1), {{0, 0}, {111, 11}}}), fixtureField,
         25},
        // Field at 25 neither; the decay sets the next lower value 10.
        {"decay", fixtureField, 25,
         Join({Cell(3, 3, 1, 1), {{0, 0}, {111, 10}}, Cell(3, 3, 1, 1)}), fixtureField, 10},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CFakeMapWorld world(MakeBlankMap(3, 3));
        CMapData& a = Area(world);
        a.SetLandType(1, 1, c.type);
        a.SetLandValue(1, 1, c.value);
        CMapDoc::CCellSet changed;
        {
            CScriptedDraws script(c.draws);
            world.Map().StepLandTypes(0, changed);
        }
        EXPECT_EQ(a.GetLandType(1, 1), c.typeAfter);
        EXPECT_EQ(a.GetLandValue(1, 1), c.valueAfter);
        EXPECT_EQ(changed.size(), c.typeAfter != c.type ? 1u : 0u);
    }
}

// ---- Code-30 buildings ----

TEST(AreaRuleDraws, AKioskComesUpOnTheLowestRatedOfThreeCells) {
    auto map = MakeBlankMap(3, 3);
    map->GetStructureType(kKiosk)->SetDurability(20);
    CFakeMapWorld world(std::move(map));
    CMapDoc& m = world.Map();
    CMapData& a = Area(world);
    a.SetTrend(-4);
    // The rating of a cell rises with a flats block next to it.
    m.SetStructureAt(0, 0, 0, kFlats + 1);
    CMapDoc::CCellSet changed;
    {
        // Random(5) = 0 and Random(trend) < 1; three cells, (2, 2) the
        // lowest rated; one kiosk type of the lowest value above 0;
        // Random(50 - 0) < 1 accepts; durability max(20, Random(30), 10);
        // trend + Random(50) / 3 + 2.
        CScriptedDraws script(Join({{{5, 0}, {-4, 0}},
                                    Cell(3, 3, 1, 0),
                                    Cell(3, 3, 2, 2),
                                    Cell(3, 3, 0, 1),
                                    {{1, 0}, {50, 0}, {30, 29}, {50, 30}}}));
        EXPECT_TRUE(m.GrowCode30Structures(0, changed));
    }
    EXPECT_EQ(a.GetLayer(CMapData::layerStructure, 2, 2), kKiosk + 1);
    EXPECT_EQ(a.GetCellLayer7(2, 2), 29);
    EXPECT_EQ(a.GetTrend(), -4 + 30 / 3 + 2);
    // Random(5) other than 0 ends the step at once.
    CScriptedDraws script({{5, 1}});
    EXPECT_FALSE(m.GrowCode30Structures(0, changed));
}

// ---- Wear ----

TEST(AreaRuleDraws, WearTakesRandomOfRandomFiveFromOwnedStructures) {
    struct SCase {
        const char* name;
        int durability;
        Draws draws;
        int durabilityAfter;
        bool lost;
    };
    const SCase cases[] = {
        {"worn", 5, {{5, 4}, {4, 3}}, 2, false},
        {"spared", 5, {{5, 0}, {0, 0}}, 5, false},
        {"lost", 3, {{5, 4}, {4, 3}}, 3, true},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CFakeMapWorld world(MakeBlankMap(4, 4));
        CMapDoc& m = world.Map();
        m.GetStructureType(kBallpark)->SetBonuses(7, 0, 0, 0);
        m.SetStructureAt(0, 2, 2, kBallpark + 1);
        m.SetStructureOwner(0, 2, 2, 2);
        m.SetStructureLayer7(0, 2, 2, c.durability);
        CEnterprise& owner = world.Company(1);
        owner.SetAreaGrade(0, 300, 1);
        const int atWork = owner.GetEmployeesAtWork();
        CMapDoc::CCellSet lostAnchors, lostCells, worn;
        {
            CScriptedDraws script(c.draws);
            m.WearStructures(0, lostAnchors, lostCells, worn);
        }
        EXPECT_EQ(Area(world).GetCellLayer7(2, 2), c.durabilityAfter);
        EXPECT_EQ(worn.size(), c.durabilityAfter != 5 || c.lost ? 1u : 0u);
        EXPECT_EQ(lostAnchors.size(), c.lost ? 1u : 0u);
        EXPECT_EQ(lostCells.size(), c.lost ? 4u : 0u);
        // A lost structure costs its owner twice the grade bonus and puts
        // its value figure (800 / 10) of people back to work.
        EXPECT_EQ(owner.GetAreaGrade(0), c.lost ? 300 - 2 * 7 : 300);
        EXPECT_EQ(owner.GetEmployeesAtWork(), atWork + (c.lost ? 80 : 0));
    }
}

// ---- Potential, fire and project fund ----

// A new game's trend is a third of a draw below the potential, kept within
// the trend's range like every other change of it.
TEST(AreaRuleDraws, ANewGamesTrendStaysWithinItsRange) {
    CFakeMapWorld world(MakeBlankMap(3, 3));
    CMapData& a = Area(world);
    struct SCase {
        int potential, draw, trend;
    };
    for (SCase c : {SCase{20, 19, 6}, SCase{100, 99, 10}, SCase{100, 30, 10}, SCase{100, 29, 9},
                    SCase{-100, -99, -10}, SCase{-40, -33, -10}}) {
        CScriptedDraws script({{c.potential, c.draw}});
        a.InitPotential(c.potential);
        EXPECT_EQ(a.GetTrend(), c.trend) << c.potential << " " << c.draw;
    }
}

TEST(AreaRuleDraws, PotentialFireAndProjectFund) {
    CFakeMapWorld world(MakeBlankMap(3, 3));
    CMapDoc& m = world.Map();
    CMapData& a = Area(world);
    struct SPotentialCase {
        int draw, after;
    };
    // potential -= r when r = Random(10) < 3.
    for (SPotentialCase c : {SPotentialCase{2, 18}, SPotentialCase{3, 20}, SPotentialCase{0, 20}}) {
        a.InitPotential(20);
        CScriptedDraws script({{10, c.draw}});
        m.DecayPotential(0);
        EXPECT_EQ(a.GetPotential(), c.after) << c.draw;
    }
    struct SFireCase {
        int fire;
        Draws draws;
        int after;
    };
    // Nothing on Random(4) < 1; else + Random(trunc((100 - fire)^1.5 / 150) + 2).
    const SFireCase fires[] = {{40, {{4, 0}}, 40},
                               {40, {{4, 1}, {5, 4}}, 44},
                               {0, {{4, 3}, {8, 7}}, 7},
                               {99, {{4, 3}, {2, 1}}, 100},
                               {100, {{4, 3}, {2, 1}}, 100}};
    for (const SFireCase& c : fires) {
        a.SetFire(c.fire);
        CScriptedDraws script(c.draws);
        a.GrowFire();
        EXPECT_EQ(a.GetFire(), c.after) << c.fire;
    }
    struct SFundCase {
        const char* name;
        int figure3;  // the governor's figure, -1 without a governor
        int fund;
        Draws draws;
        int after;
    };
    // grow = Random(Random(2g + 2)), plus Random(500) when Random(1200) < 1.
    const SFundCase funds[] = {
        {"no governor", -1, 100, {{2, 1}, {1, 0}, {1200, 1}}, 100},
        {"governor", 5, 100, {{12, 11}, {11, 7}, {1200, 1}}, 107},
        {"windfall", 5, 600, {{12, 0}, {0, 0}, {1200, 0}, {500, 499}}, 700},
    };
    for (const SFundCase& c : funds) {
        SCOPED_TRACE(c.name);
        if (c.figure3 >= 0) {
            world.governors[1] = PersonWithFigure3(c.figure3);
            a.SetGovernor(1);
        } else {
            a.SetGovernor(-1);
        }
        a.SetProjectFund(c.fund);
        CScriptedDraws script(c.draws);
        EXPECT_EQ(a.GrowProjectFund(), c.after != c.fund);
        EXPECT_EQ(a.GetProjectFund(), c.after);
    }
}

// ---- New game ----

// Three hills of 10, 5 and -5 over the 5 x 5 squares around drawn centres,
// held between scrub 10 and meadow 30; fire Random(40); durabilities
// max(10 d, Random(15 d), 10).
TEST(AreaRuleDraws, NewGameValues) {
    auto map = MakeBlankMap(6, 1);
    map->GetStructureType(kKiosk)->SetDurability(4);
    CFakeMapWorld world(std::move(map));
    CMapDoc& m = world.Map();
    CMapData& a = Area(world);
    for (int x = 0; x < 5; ++x) a.SetLandType(x, 0, fixtureField);
    a.SetLandType(5, 0, fixtureFoundation);
    m.SetStructureAt(0, 5, 0, kKiosk + 1);
    {
        CScriptedDraws script({{6, 0}, {1, 0}, {6, 4}, {1, 0}, {6, 2}, {1, 0}, {40, 39}, {60, 59}});
        m.InitAreaValues();
    }
    const int expected[] = {25, 20, 15, 20, 25};
    for (int x = 0; x < 5; ++x) EXPECT_EQ(a.GetLandValue(x, 0), expected[x]) << x;
    EXPECT_EQ(a.GetFire(), 39);
    EXPECT_EQ(a.GetCellLayer7(5, 0), 59);
}

}  // namespace
