// The area's monthly step: its single passes on small maps, what a month
// sends as network host and asks of the frame, an empty grid, and a soak of
// twenty years on the fixture map (and on the authored map when the program
// folder has one) that checks the area's invariants after every month.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <sstream>
#include <string>

#include "fakes/FakeMapWorld.h"
#include "fakes/Golden.h"
#include "fakes/MapFileFixture.h"
#include "fakes/MapWorldFixtures.h"
#include "model/MapCheck.h"
#include "model/MapDoc.h"
#include "model/Random.h"
#include "platform/core/Archive.h"
#include "platform/core/RuntimeRandom.h"

namespace {

constexpr int kCottages = 4, kFlats = 3, kKiosk = 5, kBallpark = 9;

int CountStructures(const CMapData& a, int number) {
    int n = 0;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x)
            if (a.GetLayer(CMapData::layerStructure, x, y) == number) ++n;
    return n;
}

// ---- Single passes ----

TEST(AreaPasses, ALandValueAtItsTypesValueIsNeverADiffusionSource) {
    CFakeMapWorld world(MakeBlankMap(10, 10));
    CRuntimeRandom::Seed(3);
    CMapData& a = world.Map().GetArea(0);
    for (int month = 0; month < 50; ++month) world.Map().DiffuseLandValue(0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(a.GetLandValue(x, y), 30);
    // One raised cell gives value to its neighbours and keeps the total.
    a.SetLandValue(5, 5, 130);
    for (int month = 0; month < 20; ++month) world.Map().DiffuseLandValue(0);
    int total = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) total += a.GetLandValue(x, y);
    EXPECT_EQ(total, 100 * 30 + 100);
    EXPECT_LT(a.GetLandValue(5, 5), 130);
}

TEST(AreaPasses, LandClimbsToTheNextPlainTypeWhenItsValueReachesIt) {
    CFakeMapWorld world(MakeBlankMap(10, 10));
    CRuntimeRandom::Seed(4);
    CMapData& a = world.Map().GetArea(0);
    // Plain types by value: scrub 10, field 20, meadow 30.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            a.SetLandType(x, y, fixtureField);
            a.SetLandValue(x, y, 35);
        }
    // One pass: five samples of 100 cells, and one decay that may set a
    // cell back to the next lower value.
    CMapDoc::CCellSet changed;
    world.Map().StepLandTypes(0, changed);
    ASSERT_FALSE(changed.empty());
    size_t stepped = 0;
    for (const auto& [key, cell] : changed) {
        EXPECT_EQ(a.GetLandType(cell.x, cell.y), fixtureMeadow);
        if (a.GetLandValue(cell.x, cell.y) == 35 - (30 - 20)) ++stepped;
        EXPECT_EQ(key, cell.y * 10 + cell.x);
    }
    EXPECT_GE(stepped + 1, changed.size());
}

TEST(AreaPasses, AnAreaWithoutCellsHasNoLandTypesToStep) {
    CFakeMapWorld world(MakeBlankMap(10, 10));
    world.Map().GetArea(0).SetGridSize(0, 0);
    CMapDoc::CCellSet changed;
    world.Map().StepLandTypes(0, changed);
    EXPECT_TRUE(changed.empty());
}

TEST(AreaPasses, WithTrendZeroApplyTrendChangesNothing) {
    CFakeMapWorld world(MakeBlankMap(10, 10));
    CRuntimeRandom::Seed(5);
    CMapData& a = world.Map().GetArea(0);
    a.SetTrend(0);
    int population = a.GetPopulation();
    CMapDoc::CCellSet changed;
    for (int i = 0; i < 50; ++i) EXPECT_FALSE(world.Map().ApplyTrend(0, changed));
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(a.GetPopulation(), population);
}

TEST(AreaPasses, ApplyTrendDrawsItsStopRollBeforeLookingAtTheTrend) {
    CFakeMapWorld world(MakeBlankMap(10, 10));
    world.Map().GetArea(0).SetTrend(0);
    CMapDoc::CCellSet changed;
    CRuntimeRandom::Seed(12);
    world.Map().ApplyTrend(0, changed);
    const int after = Random(1 << 30);
    CRuntimeRandom::Seed(12);
    Random(1);
    EXPECT_EQ(Random(1 << 30), after);
}

// The house types of the fixture (Cottages 100, Flats 300) and two of
// value 200, in table order after them.
TEST(AreaPasses, TheHouseTypeForATargetIsAnEqualOneOrElseTheFirstAbove) {
    auto map = MakeBlankMap(4, 4);
    for (const char* name : {"Villas", "Mews"}) {
        CBD type = *map->GetStructureType(kCottages);
        type.SetName(name);
        type.SetLandValue(200);
        map->AddStructureType(type);
    }
    map->FinishLoad();
    const int villas = map->GetStructureTypeCount() - 2, mews = villas + 1;
    CRuntimeRandom::Seed(13);
    struct SCase {
        int target;
        std::vector<int> allowed;
    };
    const SCase cases[] = {{50, {kCottages}},     {100, {kCottages}}, {150, {villas}},
                           {200, {villas, mews}}, {250, {kFlats}},    {900, {kFlats}}};
    for (const SCase& c : cases) {
        std::vector<int> seen;
        for (int i = 0; i < 40; ++i) {
            int type = map->PickCode55Type(c.target);
            if (std::find(seen.begin(), seen.end(), type) == seen.end()) seen.push_back(type);
        }
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(seen, c.allowed) << "target " << c.target;
    }
}

TEST(AreaPasses, GrowingBuildsHousesWithDurabilityOfAtLeastTen) {
    CFakeMapWorld world(MakeBlankMap(10, 10));
    CRuntimeRandom::Seed(6);
    CMapData& a = world.Map().GetArea(0);
    a.SetPopulation(100);
    CMapDoc::CCellSet changed;
    world.Map().GrowArea(0, 40, changed);
    ASSERT_FALSE(changed.empty());
    int grown = 0;
    for (const auto& [key, cell] : changed) {
        ASSERT_TRUE(world.Map().IsCode55At(0, cell.x, cell.y));
        EXPECT_GE(a.GetCellLayer7(cell.x, cell.y), 10);
        grown += world.Map().GetCellStructureType(0, cell.x, cell.y, 0)->GetLandValue() / 10;
    }
    EXPECT_EQ(a.GetPopulation(), 100 + grown);
}

TEST(AreaPasses, OwnedHousesSurviveShrinkingAndNuisances) {
    auto map = MakeBlankMap(10, 10);
    CBD works;
    works.SetName("Works");
    works.SetTypeCode(75);
    works.SetBonuses(0, 0, 0, 300);  // removal odds 1 in 10
    map->AddStructureType(works);
    const int worksType = map->GetStructureTypeCount() - 1;
    map->FinishLoad();
    CFakeMapWorld world(std::move(map));
    CRuntimeRandom::Seed(8);
    CMapDoc& m = world.Map();
    CMapData& a = m.GetArea(0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            m.SetStructureAt(0, x, y, kFlats + 1);
            a.SetCellOwner(x, y, 1 + (x + y) % 2);
        }
    m.SetStructureAt(0, 5, 5, worksType + 1);
    CMapDoc::CCellSet changed;
    for (int i = 0; i < 100; ++i) m.RemoveHousesNearNuisance(0, changed);
    m.ShrinkArea(0, 1000, changed);
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(CountStructures(a, kFlats + 1), 99);
    // Unowned, they go.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) a.SetCellOwner(x, y, 0);
    for (int i = 0; i < 100; ++i) m.RemoveHousesNearNuisance(0, changed);
    EXPECT_EQ(changed.size(), 8u);
    m.ShrinkArea(0, 100000, changed);
    EXPECT_EQ(CountStructures(a, kFlats + 1), 0);
    EXPECT_GE(a.GetPopulation(), 5);
}

TEST(AreaPasses, WornOutStructuresAreLostOnceWithTheirOwnersPenalty) {
    CFakeMapWorld world(MakeBlankMap(10, 10));
    CRuntimeRandom::Seed(9);
    CMapDoc& m = world.Map();
    m.GetStructureType(kBallpark)->SetBonuses(7, 0, 0, 0);
    m.SetStructureAt(0, 5, 5, kBallpark + 1);
    m.SetStructureOwner(0, 5, 5, 2);
    world.Company(1).SetAreaGrade(0, 300, 0);
    m.SetStructureLayer7(0, 5, 5, 1);
    CMapDoc::CCellSet lostAnchors, lostCells;
    EXPECT_TRUE(m.CollapseStructure(0, 4, 4, 3, lostAnchors, lostCells));
    EXPECT_FALSE(m.CollapseStructure(0, 5, 5, 3, lostAnchors, lostCells));
    EXPECT_EQ(lostAnchors.size(), 1u);
    EXPECT_EQ(lostCells.size(), 4u);
    EXPECT_EQ(world.Company(1).GetAreaGrade(0), 300 - 14);
    EXPECT_FALSE(m.CollapseStructure(0, 1, 1, 3, lostAnchors, lostCells));  // nothing there
}

// Layers 7 and 9 come from the saved game as they were stored.
TEST(AreaPasses, StoredLandValuesAndDurabilitiesAtTheIntLimitsDoNotOverflow) {
    CFakeMapWorld world(MakeBusyMap(8, 8, 1, 14));
    CMapDoc& m = world.Map();
    CMapData& a = m.GetArea(0);
    const int limits[] = {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            a.SetLayer(CMapData::layerLandValue, x, y, limits[(x + y) % 2]);
            a.SetLayer(CMapData::layerDurability, x, y, limits[(x + y) % 2]);
        }
    CRuntimeRandom::Seed(14);
    for (int month = 0; month < 24; ++month) m.RunAreaMonth(0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            EXPECT_GE(m.RateSite(0, x, y, 3, 0, 1), 0);
            if (!m.IsPlainLand(0, x, y)) continue;
            CMapDoc::CCellSet lostAnchors, lostCells;
            m.CollapseStructure(0, x, y, 4, lostAnchors, lostCells);
        }
}

// The area as stored, with population and trend replaced: a saved game
// holds them as they were written.
CMapData WithStoredFigures(CMapData area, int population, int trend) {
    CMemoryStream out;
    CArchive store(out, CArchive::store);
    area.Serialize(store);
    std::vector<uint8_t> bytes = out.Bytes();
    // The 16 figures come before the four (empty) list counts.
    const size_t figures = bytes.size() - 4 * 4 - 16 * 4;
    auto set = [&](size_t at, int32_t v) {
        for (int k = 0; k < 4; ++k) bytes.at(at + size_t(k)) = uint8_t(uint32_t(v) >> (8 * k));
    };
    set(figures, population);
    set(figures + 5 * 4, trend);
    CMemoryStream in(bytes);
    CArchive load(in, CArchive::load);
    CMapData loaded;
    loaded.Serialize(load);
    return loaded;
}

// Every figure of the type tables comes from the map data file, and the
// population and trend from the saved game, as any int.
TEST(AreaPasses, TypeAndAreaFiguresAtTheIntLimitsDoNotOverflow) {
    for (int limit : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        auto map = MakeBusyMap(8, 8, 1, 15);
        for (int i = 0; i < map->GetLandTypeCount(); ++i)
            map->GetLandTypeEntry(i)->SetLandValue(limit);
        for (int i = 0; i < map->GetStructureTypeCount(); ++i) {
            CBD* type = map->GetStructureType(i);
            // Opposite signs for neighbouring types make the differences
            // between them as wide as they go.
            const int value = i % 2 ? limit : -(limit + 1);
            type->SetLandValue(value);
            type->SetDurability(value);
            type->SetBonuses(value, value, value, value);
            type->SetValueFigure(value);
            type->SetEffectRadius(value);
        }
        map->FinishLoad();
        CMapData& a = map->GetArea(0);
        a = WithStoredFigures(a, std::numeric_limits<int>::max(), limit);
        CFakeMapWorld world(std::move(map));
        CRuntimeRandom::Seed(15);
        for (int month = 0; month < 24; ++month) {
            world.Map().RunAreaMonth(0);
            ASSERT_GE(a.GetPopulation(), 5) << "month " << month;
        }
        EXPECT_GE(a.GetTrend(), -10);
        EXPECT_LE(a.GetTrend(), 10);
    }
}

TEST(AreaPasses, NewGameValuesStayWithinThePlainRangeAndDurabilitiesAtTen) {
    auto map = MakeFixtureMap();
    MakeTypesUsable(*map);
    CFakeMapWorld world(std::move(map));
    CRuntimeRandom::Seed(10);
    world.Map().InitAreaValues();
    for (int area = 0; area < world.Map().GetAreaCount(); ++area) {
        const CMapData& a = world.Map().GetArea(area);
        EXPECT_LT(a.GetFire(), 40);
        for (int y = 0; y < a.GetHeight(); ++y)
            for (int x = 0; x < a.GetWidth(); ++x) {
                if (world.Map().IsPlainLand(area, x, y)) {
                    EXPECT_GE(a.GetLandValue(x, y), 10);
                    EXPECT_LE(a.GetLandValue(x, y), 30);
                }
                if (a.GetLayer(CMapData::layerStructure, x, y) > 0) {
                    EXPECT_GE(a.GetCellLayer7(x, y), 10);
                }
            }
    }
}

// ---- The month ----

TEST(AreaMonth, AnEmptyGridIsAnnouncedAndLeftAlone) {
    auto map = MakeBlankMap(3, 3);
    CMapData empty;
    map->AddArea(empty);
    CFakeMapWorld world(std::move(map));
    world.Map().RunAreaMonth(1);
    EXPECT_EQ(world.frame.calls, std::vector<std::string>{"AnnounceAreaStep(1)"});
}

TEST(AreaMonth, TheHostSendsTheAreaAndTheViewRedrawsChangedCells) {
    CFakeMapWorld world(MakeBlankMap(10, 10));
    CFakeNetService net;
    auto scopedNet = ScopedNet(&net);
    world.doc.networkHost = true;
    world.frame.shownArea = 0;
    CRuntimeRandom::Seed(11);
    CMapData& a = world.Map().GetArea(0);
    bool sawChanges = false;
    for (int month = 0; month < 24 && !sawChanges; ++month) {
        a.SetTrend(10);
        a.AddPotential(100);
        net.sent.clear();
        world.frame.drawnCells.clear();
        world.Map().RunAreaMonth(0);
        ASSERT_FALSE(net.sent.empty());
        EXPECT_EQ(net.sent.front().record.substr(8, 8), "30003070");
        EXPECT_EQ(net.sent.front().player, -1);
        sawChanges = !world.frame.drawnCells.empty();
        if (!sawChanges) continue;
        bool cellValues = std::any_of(net.sent.begin(), net.sent.end(), [](const auto& s) {
            return s.record.substr(8, 8) == "30003110";
        });
        EXPECT_TRUE(cellValues);
    }
    EXPECT_TRUE(sawChanges);
    EXPECT_NE(std::find(world.doc.calls.begin(), world.doc.calls.end(), "SendRefreshInfo"),
              world.doc.calls.end());
}

// ---- Soak ----

// One line per area: the hash of the area's stored form, which holds every
// layer and every figure.
std::string AreaHashes(const CMapDoc& map, int areas) {
    std::string text;
    for (int area = 0; area < areas; ++area) {
        CMapData copy = map.GetArea(area);
        CMemoryStream out;
        CArchive store(out, CArchive::store);
        copy.Serialize(store);
        text += (area ? "\n" : "") + std::string("area ") + std::to_string(area) + " " +
                HashText(out.Bytes());
    }
    return text;
}

void Soak(CFakeMapWorld& world, int areas, int months) {
    CMapDoc& map = world.Map();
    map.InitAreaValues();
    for (int month = 0; month < months; ++month) {
        world.doc.currentMonthIndex = month;
        for (int area = 0; area < areas; ++area) {
            map.RunAreaMonth(area);
            std::string fault = CheckAreaInvariants(map, area);
            ASSERT_EQ(fault, "") << "area " << area << ", month " << month;
        }
    }
}

TEST(AreaSoak, TwentyYearsOnTheFixtureMap) {
    auto map = MakeFixtureMap();
    MakeTypesUsable(*map);
    AddWorksType(*map);
    map->GetStructureType(kKiosk)->SetDurability(3);
    map->GetStructureType(kCottages)->SetDurability(2);
    map->FinishLoad();
    CFakeMapWorld world(std::move(map));
    CMapDoc& m = world.Map();
    m.SetStructureAt(1, 3, 3, m.GetStructureTypeCount());
    m.GetArea(0).SetGovernor(1);
    m.GetArea(0).InitPotential(60);
    m.GetArea(1).InitPotential(-60);
    CRuntimeRandom::Seed(20260);
    Soak(world, m.GetAreaCount(), 240);
    ExpectGolden("area-soak-fixture", AreaHashes(m, m.GetAreaCount()));
    // Twenty years of wear take the company structures down.
    EXPECT_FALSE(world.frame.lostStructures.empty());
}

TEST(AreaSoak, TwentyYearsOnBusyAreas) {
    CFakeMapWorld world(MakeBusyMap(24, 20, 3, 77));
    world.Map().GetArea(1).SetGovernor(2);
    CRuntimeRandom::Seed(20262);
    Soak(world, 3, 240);
    ExpectGolden("area-soak-busy", AreaHashes(world.Map(), 3));
    EXPECT_FALSE(world.frame.lostStructures.empty());
}

TEST(AreaSoak, TwentyYearsOnTheAuthoredMap) {
    auto map = CFakeMapWorld::LoadOriginalMap();
    if (!map) GTEST_SKIP() << "no ORIGINAL.MQM in the program folder";
    const int companies = map->GetMaxCompanyCount();
    CFakeMapWorld world(std::move(map), companies);
    // Under the sanitizers the areas of a large map would take minutes:
    // the soak keeps to about 30 000 cells.
    int areas = 0, cells = 0;
    while (areas < world.Map().GetAreaCount() && cells < 30000) {
        const CMapData& a = world.Map().GetArea(areas++);
        cells += a.GetWidth() * a.GetHeight();
    }
    CRuntimeRandom::Seed(20261);
    Soak(world, areas, 240);
    ExpectGolden("area-soak-authored", AreaHashes(world.Map(), areas));
}

}  // namespace
