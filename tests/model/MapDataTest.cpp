// Map areas: cell layers, figures with their ranges, project and stadium
// lists, the stored form with its checks, the checks against the map, and
// the conversion of the map data file's area record.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>

#include "fakes/FakeServices.h"
#include "model/AreaLimits.h"
#include "model/BD.h"
#include "model/BaseMapData.h"
#include "model/FixedFieldFormat.h"
#include "model/MapData.h"
#include "model/MercavoError.h"
#include "model/StructureCodes.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/RuntimeRandom.h"

namespace {

std::vector<uint8_t> Store(const CMapData& area) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    CMapData copy = area;
    copy.Serialize(ar);
    return stream.Bytes();
}

CMapData Load(const std::vector<uint8_t>& bytes) {
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    CMapData area;
    area.Serialize(ar);
    return area;
}

void SetInt(std::vector<uint8_t>& bytes, size_t at, int32_t v) {
    for (int k = 0; k < 4; ++k) bytes.at(at + size_t(k)) = uint8_t(uint32_t(v) >> (8 * k));
}

// Structure type indexes of the fixture map and their codes.
enum { kHouse, kField, kBallpark, kFire, kPavilion, kTypeCount };
const int kCodes[kTypeCount] = {30, 80, 85, 40, 70};

// A map of three land types (values 10, 20, 30) and five structure types
// (values 100 ... 500), registered as the game's document.
class MapFixture : public testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            m_land[i].SetTypeCode(0);
            m_land[i].SetLandValue(10 * (i + 1));
            m_doc.landTypes.push_back(&m_land[i]);
        }
        for (int i = 0; i < kTypeCount; ++i) {
            m_structures[i].SetTypeCode(kCodes[i]);
            m_structures[i].SetLandValue(100 * (i + 1));
            m_doc.structureTypes.push_back(&m_structures[i]);
            m_doc.structureCodes[i] = kCodes[i];
        }
    }

    // A 6 x 5 area: a 2 x 2 field (code 80) anchored at (1, 1), a ballpark
    // (code 85) at (4, 0), a pavilion at (5, 4) owned by company 2, and a
    // two-site project.
    static CMapData MakeArea() {
        CMapData area;
        area.SetName("Harbor");
        area.SetExplanation("Docks and cranes");
        area.SetGridSize(6, 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) {
                area.SetLandType(x, y, (x + y) % 3);
                area.SetLandValue(x, y, 10 + x + y);
            }
        area.SetStructureNo(1, 1, kField + 1);
        area.SetCovered(0, 0, 1, 1);
        area.SetCovered(1, 0, 1, 1);
        area.SetCovered(0, 1, 1, 1);
        area.SetStructureNo(4, 0, kBallpark + 1);
        area.SetStructureNo(5, 4, kPavilion + 1);
        area.SetCellOwner(5, 4, 3);
        area.SetCellLayer7(5, 4, 40);
        area.SetConstruction(2, 3, CMapData::kConstructionUnderWay, kHouse);
        area.SetConstruction(3, 3, CMapData::kConstructionBurning, kFire + 1);
        area.SetProjectStart(30);
        area.SetProjectFund(250);
        area.AddProjectArea(4, 3, 5, 4, kPavilion);
        area.AddProjectArea(0, 4, 0, 4, kHouse);
        area.SetProjectSiteFlag(0, 1);
        area.SetGovernor(7);
        area.SetTrend(-4);
        area.AddEffect3(-250);
        return area;
    }

    static CAreaLimits Limits() {
        CAreaLimits limits;
        limits.gridWidth = 6;
        limits.gridHeight = 5;
        limits.landTypeCount = 3;
        limits.structureTypeCount = kTypeCount;
        limits.maxCompanies = 8;
        limits.structureTypeCode = [](int i) { return i >= 0 && i < kTypeCount ? kCodes[i] : 0; };
        return limits;
    }

    CBD m_land[3];
    CBD m_structures[kTypeCount];
    CFakeDocService m_doc;
    CScopedService<IDocService> m_scoped = ScopedDoc(&m_doc);
};

}  // namespace

TEST(MapData, DefaultAreaRoundTrip) {
    CMapData area;
    std::vector<uint8_t> bytes = Store(area);
    // Two empty texts, the size, 16 figures and four empty lists.
    ASSERT_EQ(bytes.size(), 4u * (2 + 3 + 16 + 4));
    const int32_t expected[] = {0, 0, 0, 0, 0, 100, 50, 10, 10, 10, 0, -1, 0,
                                0, 0, 0, 0, 0, 0,   0,  -1, 0,  0,  0, 0};
    for (size_t i = 0; i < std::size(expected); ++i) {
        int32_t v = 0;
        std::memcpy(&v, &bytes[4 * i], 4);
        EXPECT_EQ(v, expected[i]) << "value " << i;
    }
    CMapData loaded = Load(bytes);
    EXPECT_TRUE(loaded == area);
    EXPECT_EQ(loaded.GetName(), "");
    EXPECT_EQ(loaded.GetGovernor(), -1);
    EXPECT_FALSE(loaded.HasProject());
}

TEST_F(MapFixture, AreaRoundTripKeepsCellsFiguresAndLists) {
    CMapData area = MakeArea();
    std::vector<uint8_t> bytes = Store(area);
    CMapData loaded = Load(bytes);
    EXPECT_TRUE(loaded == area);
    EXPECT_EQ(Store(loaded), bytes);
    EXPECT_EQ(loaded.GetProjectSiteFlag(0), 1);
    EXPECT_EQ(loaded.GetStadiumCount(0) + loaded.GetStadiumCount(1), 0) << "never stored";
    EXPECT_NO_THROW(loaded.Validate(Limits()));
}

TEST_F(MapFixture, DamagedStoredFormsAreRefused) {
    const CMapData area = MakeArea();
    const std::vector<uint8_t> good = Store(area);
    const size_t size = 4 + 7 + 4 + 17;  // after the two texts: width, height, spare
    const size_t layers = size + 12, cells = 30;
    const size_t figures = layers + 4 * 10 * cells;
    auto cell = [&](int layer, int x, int y) {
        return layers + 4 * (size_t(layer) * cells + size_t(y) * 6 + size_t(x));
    };
    const size_t lists = figures + 16 * 4;
    const size_t sitePoints = lists + 4 + 2 * 4;
    const size_t projectCells = sitePoints + 4 + 2 * 8 + 4 + 2;
    struct Case {
        const char* what;
        size_t at;
        int32_t value;
    };
    const Case cases[] = {
        {"width -1", size, -1},
        {"height -1", size + 4, -1},
        {"spare -1", size + 8, -1},
        {"population -1", figures, -1},
        {"price level -1", figures + 4, -1},
        {"governor -2", figures + 24, -2},
        {"fire -1", figures + 28, -1},
        {"effect 10000", figures + 32, 10000},
        {"effect -10000", figures + 52, -10000},
        {"project start -2", figures + 60, -2},
        {"site value count -1", lists, -1},
        {"site point outside", sitePoints + 4, 6},
        {"project cell outside", projectCells + 8, -1},
        {"structure number -2", cell(1, 2, 2), -2},
        {"anchor outside the grid", cell(3, 0, 0), 6},
        {"anchor on a plain cell", cell(4, 0, 0), 4},
        {"construction state 3", cell(5, 2, 2), 3},
        {"land value 301", cell(9, 3, 2), 301},
        {"land value -1", cell(9, 3, 2), -1},
        {"land value at the int limit", cell(9, 0, 4), INT32_MAX},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        SetInt(bytes, c.at, c.value);
        try {
            Load(bytes);
            ADD_FAILURE() << c.what << " loaded";
        } catch (eMERCAVO_ERROR e) {
            EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS) << c.what;
        } catch (const CArchiveException&) {
            ADD_FAILURE() << c.what << " ran out of data";
        }
    }
    // Site lists of unequal length: one site value dropped.
    std::vector<uint8_t> unequal = good;
    SetInt(unequal, lists, 1);
    unequal.erase(unequal.begin() + long(lists + 8), unequal.begin() + long(lists + 12));
    EXPECT_THROW(Load(unequal), eMERCAVO_ERROR);
    // The edges of the ranges load; fire above 100 is held at 100.
    const Case accepted[] = {{"governor -1", figures + 24, -1},
                             {"effect 9999", figures + 32, 9999},
                             {"fire 150", figures + 28, 150},
                             {"land value 300", cell(9, 3, 2), 300},
                             {"land value 0 (never plain land)", cell(9, 3, 2), 0}};
    for (const Case& c : accepted) {
        std::vector<uint8_t> bytes = good;
        SetInt(bytes, c.at, c.value);
        EXPECT_NO_THROW(Load(bytes)) << c.what;
    }
    std::vector<uint8_t> hot = good;
    SetInt(hot, figures + 28, 150);
    EXPECT_EQ(Load(hot).GetFire(), 100);
    // A grid larger than the data is refused before anything is allocated.
    std::vector<uint8_t> huge = good;
    SetInt(huge, size, 9999);
    SetInt(huge, size + 4, 9999);
    EXPECT_THROW(Load(huge), CArchiveException);
    for (size_t cut = 0; cut < good.size(); cut += 37)
        EXPECT_THROW(Load(std::vector<uint8_t>(good.begin(), good.begin() + long(cut))),
                     CArchiveException);
}

TEST_F(MapFixture, ValidationAgainstTheMap) {
    EXPECT_NO_THROW(MakeArea().Validate(Limits()));
    struct Case {
        const char* what;
        std::function<void(CMapData&, CAreaLimits&)> damage;
    };
    const Case cases[] = {
        {"grid narrower", [](CMapData&, CAreaLimits& l) { l.gridWidth = 5; }},
        {"grid higher", [](CMapData&, CAreaLimits& l) { l.gridHeight = 6; }},
        {"land type 3", [](CMapData& a, CAreaLimits&) { a.SetLandType(2, 2, 3); }},
        {"land type -1", [](CMapData& a, CAreaLimits&) { a.SetLandType(2, 2, -1); }},
        {"structure 6", [](CMapData& a, CAreaLimits&) { a.SetStructureNo(2, 2, 6); }},
        {"owner 9", [](CMapData& a, CAreaLimits&) { a.SetCellOwner(2, 2, 9); }},
        {"owner -1", [](CMapData& a, CAreaLimits&) { a.SetCellOwner(2, 2, -1); }},
        {"building type 5", [](CMapData& a, CAreaLimits&) { a.SetConstruction(2, 2, 1, 5); }},
        {"burning a house", [](CMapData& a, CAreaLimits&) { a.SetConstruction(2, 2, 2, 1); }},
        {"burning type 0", [](CMapData& a, CAreaLimits&) { a.SetConstruction(2, 2, 2, 0); }},
        {"site type 5", [](CMapData& a, CAreaLimits&) { a.AddProjectArea(0, 0, 0, 0, 5); }},
        {"anchor on plain cell", [](CMapData& a, CAreaLimits&) { a.SetCovered(2, 2, 3, 2); }},
    };
    for (const Case& c : cases) {
        CMapData area = MakeArea();
        CAreaLimits limits = Limits();
        c.damage(area, limits);
        EXPECT_THROW(area.Validate(limits), eMERCAVO_ERROR) << c.what;
    }
}

TEST_F(MapFixture, CellLayers) {
    CMapData area = MakeArea();
    EXPECT_EQ(area.GetStructureAt(0, 0, 0), -1);
    EXPECT_EQ(area.GetStructureAt(0, 0, 1), kField + 1);
    EXPECT_EQ(area.GetCellLayerValue(0, 0, 1), kField + 1);
    EXPECT_EQ(area.GetCellLayerValue(0, 0, 0), 0);
    EXPECT_EQ(area.GetCellLayerValue(0, 0, 7), 0);
    EXPECT_EQ(area.GetAnchorCell(1, 0), CCellPoint(1, 1));
    EXPECT_EQ(area.GetAnchorCell(3, 3), CCellPoint(3, 3));
    EXPECT_FALSE(area.IsAnchorOrFree(0, 1));
    EXPECT_TRUE(area.IsAnchorOrFree(1, 1));
    area.SetLandValue(2, 2, 0);
    EXPECT_EQ(area.GetLandValue(2, 2), 1);
    area.SetLandValue(2, 2, 400);
    EXPECT_EQ(area.GetLandValue(2, 2), 300);
    EXPECT_EQ(area.SetCellLayer7(5, 4, 40), 0);
    EXPECT_EQ(area.SetCellLayer7(5, 4, 39), 1);
    // Types and values from the game's tables: land type (0 + 1) % 3 = 1.
    EXPECT_EQ(area.GetCellType(0, 1, 1), &m_land[1]);
    EXPECT_EQ(area.GetCellType(0, 1, 0), &m_structures[kField]);
    EXPECT_EQ(area.GetCellType(3, 0, 0), nullptr);
    EXPECT_EQ(area.GetCellBaseValue(0, 1, 0), 20 + 200);
    EXPECT_EQ(area.GetCellBaseValue(0, 1, 1), 11 - 20 + 20 + 200);
    EXPECT_THROW(area.GetLandType(6, 0), std::out_of_range);
    // Type values from a map data file may be any int: the sums hold at the
    // int limits instead of wrapping.
    m_land[1].SetLandValue(std::numeric_limits<int>::min());
    m_structures[kField].SetLandValue(std::numeric_limits<int>::min());
    EXPECT_EQ(area.GetCellBaseValue(0, 1, 0), std::numeric_limits<int>::min());
    m_land[1].SetLandValue(std::numeric_limits<int>::max());
    m_structures[kField].SetLandValue(std::numeric_limits<int>::max());
    EXPECT_EQ(area.GetCellBaseValue(0, 1, 0), std::numeric_limits<int>::max());
    EXPECT_EQ(area.GetCellBaseValue(0, 1, 1), std::numeric_limits<int>::max());
}

TEST(MapData, FiguresStayInTheirRanges) {
    CMapData area;
    area.AddLevel(500);
    EXPECT_EQ(area.GetLevel(), 200);
    area.AddLevel(-1000);
    EXPECT_EQ(area.GetLevel(), 10);
    area.AddLevel(40);
    EXPECT_EQ(area.ClampLevelDelta(-100), -40);
    EXPECT_EQ(area.ClampLevelDelta(300), 150);
    EXPECT_EQ(area.SetPopulation(2), 1);
    EXPECT_EQ(area.GetPopulation(), 5);
    EXPECT_EQ(area.SetPopulation(5), 0);
    EXPECT_EQ(area.SetTrend(25), 1);
    EXPECT_EQ(area.GetTrend(), 10);
    area.AddPotential(-500);
    EXPECT_EQ(area.GetPotential(), -100);
    area.AddEffect6(20000);
    EXPECT_EQ(area.GetEffect(6), 9999);
    area.SetProjectFund(900);
    EXPECT_EQ(area.GetProjectFund(), 700);
    EXPECT_EQ(area.SetFire(150), 1);
    EXPECT_EQ(area.GetFire(), 100);
    for (int start : {0, 60, 99, 100}) {
        area.SetFire(start);
        for (uint32_t seed = 0; seed < 40; ++seed) {
            CRuntimeRandom::Seed(seed);
            area.GrowFire();
            EXPECT_GE(area.GetFire(), start);
            EXPECT_LE(area.GetFire(), 100);
        }
    }
    for (uint32_t seed = 0; seed < 40; ++seed) {
        CRuntimeRandom::Seed(seed);
        area.UpdatePotentialAndTrend(seed % 2, int(seed) * 7);
        EXPECT_GE(area.GetTrend(), -10);
        EXPECT_LE(area.GetTrend(), 10);
        EXPECT_GE(area.GetPotential(), -100);
        EXPECT_LE(area.GetPotential(), 100);
    }
}

TEST(MapData, LevelDeltaOnALowLevel) {
    // A stored level below 10 (loading only rejects negatives).
    CMapData area;
    std::vector<uint8_t> bytes = Store(area);
    SetInt(bytes, 4 * 5 + 4, 5);
    area = Load(bytes);
    EXPECT_EQ(area.GetLevel(), 5);
    EXPECT_EQ(area.ClampLevelDelta(-100), 0);
}

TEST(MapData, FiguresAtTheEndOfTheIntRange) {
    // Trend and project start are loaded as stored; the monthly arithmetic
    // on them must not overflow.
    CMapData area;
    std::vector<uint8_t> bytes = Store(area);
    SetInt(bytes, 4 * 10, std::numeric_limits<int>::max());
    area = Load(bytes);
    area.UpdatePotentialAndTrend(1, 50);
    EXPECT_EQ(area.GetTrend(), 10);
    area.SetProjectStart(std::numeric_limits<int>::max());
    CFakeDocService doc;
    auto scoped = ScopedDoc(&doc);
    doc.currentMonthIndex = std::numeric_limits<int>::max();
    EXPECT_TRUE(area.IsProjectOpen());
}

TEST_F(MapFixture, ProjectOpensForFourMonths) {
    CMapData area = MakeArea();
    std::vector<bool> open;
    for (int month = 29; month <= 34; ++month) {
        m_doc.currentMonthIndex = month;
        open.push_back(area.IsProjectOpen());
    }
    EXPECT_EQ(open, (std::vector<bool>{false, true, true, true, true, false}));
    area.SetProjectStart(-1);
    EXPECT_FALSE(area.IsProjectOpen());
    EXPECT_EQ(area.GetProjectSiteCount(), 0);
}

TEST_F(MapFixture, ProjectLists) {
    CMapData area = MakeArea();
    ASSERT_EQ(area.GetProjectSiteCount(), 2);
    EXPECT_EQ(area.GetProjectSitePoint(0), CCellPoint(5, 4));
    EXPECT_EQ(area.GetProjectSiteValue(1), kHouse);
    const std::vector<CCellPoint> cells = {{4, 3}, {5, 3}, {4, 4}, {5, 4}, {0, 4}};
    EXPECT_EQ(area.GetProjectCells(), cells);
    EXPECT_TRUE(area.IsProjectCell(5, 3));
    EXPECT_FALSE(area.IsProjectCell(3, 3));
    // One of five project cells carries the pavilion (code 70).
    EXPECT_EQ(area.GetProjectCompletion(), 20);
    area.SetCovered(4, 4, 5, 4);
    EXPECT_EQ(area.GetProjectCompletion(), 40);
    area.ClearProjectLists();
    EXPECT_EQ(area.GetProjectCompletion(), 0);
}

TEST_F(MapFixture, StadiumListsFollowTheSportSelector) {
    CMapData area = MakeArea();
    area.SetStructureNo(3, 4, kField + 1);
    area.SetCellOwner(3, 4, 3);
    area.RebuildStadiumLists();
    ASSERT_EQ(area.GetStadiumCount(0), 2);
    ASSERT_EQ(area.GetStadiumCount(1), 1);
    EXPECT_EQ(area.GetPairListCell(0, 0), CCellPoint(1, 1));
    EXPECT_EQ(area.GetPairListCell(0, 1), CCellPoint(3, 4));
    EXPECT_EQ(area.GetPairListCell(1, 0), CCellPoint(4, 0));
    EXPECT_EQ(StructureCode::StadiumKindOfCode(80), 0);
    EXPECT_EQ(StructureCode::StadiumKindOfCode(85), 1);
    EXPECT_EQ(StructureCode::StadiumKindOfCode(70), -1);
    EXPECT_EQ(area.CountListCellsOwnedBy(0, -1), 2);
    EXPECT_EQ(area.CountListCellsOwnedBy(0, 2), 1);
    EXPECT_EQ(area.CountListCellsOwnedBy(1, 2), 0);
    EXPECT_EQ(area.RemoveStadiumCell(0, {1, 1}), 1);
    EXPECT_EQ(area.RemoveStadiumCell(0, {1, 1}), 0);
    EXPECT_EQ(area.GetPairListCell(0, 0), CCellPoint(3, 4));
    EXPECT_EQ(area.AddStadiumCell(1, {2, 2}), 1);
    EXPECT_EQ(area.GetStadiumCount(1), 2);
}

TEST_F(MapFixture, ConversionOfTheAreaRecord) {
    CMemoryStream stream;
    {
        CArchive ar(stream, CArchive::store);
        ar.WriteRecordText("Hills");
        ar.WriteRecordText("");
        for (int v : {3, 2, 4}) ar.WriteInt(v);
        for (int cell = 0; cell < 6; ++cell)
            for (int grid = 0; grid < 7; ++grid) ar.WriteInt(grid == 0 ? cell % 3 : 0);
        for (int v : {250, 400, -30, 12, 13, 14}) ar.WriteInt(v);
    }
    stream.Rewind();
    CArchive in(stream, CArchive::load);
    CBaseMapData record;
    record.Serialize(in);
    CMapData area;
    area.AssignFromBaseRecord(record);
    EXPECT_EQ(area.GetName(), "Hills");
    EXPECT_EQ(area.GetWidth(), 3);
    EXPECT_EQ(area.GetSpare(), 4);
    EXPECT_EQ(area.GetLandType(2, 1), 5 % 3);
    EXPECT_EQ(area.GetPopulation(), 250);
    EXPECT_EQ(area.GetLevel(), 200);
    EXPECT_EQ(area.GetEffect(5), -30);
    EXPECT_EQ(area.GetPotential(), 12);
    EXPECT_EQ(area.GetFigure19(), 13);
    EXPECT_EQ(area.GetFigure20(), 14);
    EXPECT_EQ(area.GetGovernor(), -1);
    EXPECT_EQ(area.GetProjectStart(), -1);
    CAreaLimits limits = Limits();
    limits.gridWidth = 3;
    limits.gridHeight = 2;
    EXPECT_NO_THROW(area.Validate(limits));
}

namespace {
// Hands a record to its reader as the map document's dispatcher does: the
// code after the class and group, the area index, then the fields.
bool Deliver(CMapData& area, const std::string& record, const CAreaLimits& limits) {
    int code = std::stoi(record.substr(13, 3));
    std::string_view fields = std::string_view(record).substr(20);
    switch (code) {
        case CMapData::kCodeAreaState:
            return area.ReadAreaState(fields);
        case CMapData::kCodeTexts:
            return area.ReadTexts(fields);
        case CMapData::kCodeProjectHeader:
            return area.ReadProjectHeader(fields);
        case CMapData::kCodeProjectSites:
            return area.ReadProjectSites(fields);
        case CMapData::kCodeProjectCells:
            return area.ReadProjectCells(fields);
        case CMapData::kCodeStadiumHeader:
            return area.ReadStadiumHeader(fields);
        case CMapData::kCodeStadiumList0:
            return area.ReadStadiumCells(fields, 0);
        case CMapData::kCodeStadiumList1:
            return area.ReadStadiumCells(fields, 1);
        case CMapData::kCodeCellValues:
            return area.ReadCellValues(fields, limits);
        default:
            return area.ReadLayerChunk(fields, code - CMapData::kCodeLayer0, limits);
    }
}

std::vector<std::string> WithCode(const std::vector<std::string>& records, int code) {
    std::vector<std::string> found;
    for (const std::string& r : records)
        if (std::stoi(r.substr(13, 3)) == code) found.push_back(r);
    return found;
}
}  // namespace

TEST_F(MapFixture, StateTextsCopyAnArea) {
    CMapData area = MakeArea();
    area.RebuildStadiumLists();
    area.SetFire(37);
    CMapData copy;
    copy.SetGridSize(6, 5);
    std::vector<std::string> records = area.BuildAll(5, true);
    for (const std::string& r : records) {
        EXPECT_LE(r.size(), 511u);
        EXPECT_EQ(r.substr(0, 13), "_MERCAVO30003");
        EXPECT_EQ(r.substr(16, 4), "0005");
        EXPECT_TRUE(Deliver(copy, r, Limits())) << r.substr(0, 40);
    }
    EXPECT_TRUE(copy == area);

    CFakeNetService net;
    auto scoped = ScopedNet(&net);
    area.SendAll(2, 5, false);
    ASSERT_EQ(net.sent.size(), records.size() - 1);
    EXPECT_EQ(net.sent[0].player, 2);
    EXPECT_EQ(net.sent[1].record, records[2]);
}

TEST_F(MapFixture, CellValuesCopySelectedLayers) {
    CMapData area = MakeArea();
    CMapData copy;
    copy.SetGridSize(6, 5);
    const std::vector<CCellPoint> cells = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {5, 4}, {3, 3}};
    for (const std::string& r : area.BuildCellValues(1, "1101111000", cells))
        EXPECT_TRUE(Deliver(copy, r, Limits()));
    for (const CCellPoint& c : cells)
        for (int layer = 0; layer < CMapData::kLayerCount; ++layer) {
            bool selected = std::string("1101111000")[size_t(layer)] == '1';
            EXPECT_EQ(copy.GetLayer(layer, c.x, c.y), selected ? area.GetLayer(layer, c.x, c.y) : 0)
                << layer;
        }
    // Records per text: 400 / (4 x selected + 8).
    std::vector<CCellPoint> many;
    for (int i = 0; i < 30; ++i) many.push_back({i % 6, i / 6});
    struct Case {
        const char* mask;
        std::vector<int> counts;
    };
    for (const Case& c : {Case{"0000000101", {25, 5}}, Case{"1111111111", {8, 8, 8, 6}}}) {
        std::vector<std::string> records = area.BuildCellValues(0, c.mask, many);
        ASSERT_EQ(records.size(), c.counts.size());
        for (size_t i = 0; i < records.size(); ++i)
            EXPECT_EQ(std::stoi(records[i].substr(30, 4)), c.counts[i]);
    }
}

TEST_F(MapFixture, HostileCellValuesAreRefusedWithNothingApplied) {
    const CMapData source = MakeArea();
    // The game runs with three companies although the map allows eight.
    CAreaLimits limits = Limits();
    limits.maxCompanies = 3;
    struct Case {
        const char* what;
        CCellPoint cell;
        std::function<void(CMapData&)> damage;
    };
    const Case cases[] = {
        {"land type 3", {2, 2}, [](CMapData& a) { a.SetLandType(2, 2, 3); }},
        {"land type -1", {2, 2}, [](CMapData& a) { a.SetLandType(2, 2, -1); }},
        {"structure 6", {2, 2}, [](CMapData& a) { a.SetStructureNo(2, 2, 6); }},
        {"structure -2",
         {2, 2},
         [](CMapData& a) { a.SetLayer(CMapData::layerStructure, 2, 2, -2); }},
        {"anchor outside the grid", {2, 2}, [](CMapData& a) { a.SetCovered(2, 2, 9, 0); }},
        {"anchor on a plain cell", {2, 2}, [](CMapData& a) { a.SetCovered(2, 2, 3, 2); }},
        {"anchor taken from its covered cells",
         {1, 1},
         [](CMapData& a) { a.SetStructureNo(1, 1, 0); }},
        {"construction state 3", {2, 2}, [](CMapData& a) { a.SetConstruction(2, 2, 3, 0); }},
        {"building type 5", {2, 2}, [](CMapData& a) { a.SetConstruction(2, 2, 1, 5); }},
        {"burning a house", {2, 2}, [](CMapData& a) { a.SetConstruction(2, 2, 2, kHouse + 1); }},
        {"burning type 0", {2, 2}, [](CMapData& a) { a.SetConstruction(2, 2, 2, 0); }},
        {"owner -1", {2, 2}, [](CMapData& a) { a.SetCellOwner(2, 2, -1); }},
        {"owner past the map's companies", {2, 2}, [](CMapData& a) { a.SetCellOwner(2, 2, 9); }},
        {"owner past the game's companies", {2, 2}, [](CMapData& a) { a.SetCellOwner(2, 2, 4); }},
    };
    for (const Case& c : cases) {
        // A good change to another cell travels in the same record.
        CMapData damaged = source;
        damaged.SetLandValue(0, 4, 77);
        c.damage(damaged);
        const std::vector<std::string> records =
            damaged.BuildCellValues(0, "1111111111", {{0, 4}, c.cell});
        ASSERT_EQ(records.size(), 1u);
        CMapData target = source;
        EXPECT_FALSE(Deliver(target, records[0], limits)) << c.what;
        EXPECT_TRUE(target == source) << c.what;
    }
    // Whole layers: each value in its layer's range.
    struct LayerCase {
        const char* what;
        int layer;
        int value;
    };
    const LayerCase layerCases[] = {
        {"land type 3", CMapData::layerLandType, 3},
        {"structure -2", CMapData::layerStructure, -2},
        {"structure 6", CMapData::layerStructure, 6},
        {"construction state 3", CMapData::layerConstructionState, 3},
        {"construction type 6", CMapData::layerConstructionType, 6},
        {"owner past the game's companies", CMapData::layerOwner, 4},
        {"owner -1", CMapData::layerOwner, -1},
    };
    for (const LayerCase& c : layerCases) {
        CMapData damaged = source;
        damaged.SetLayer(c.layer, 2, 2, c.value);
        CMapData target = source;
        for (const std::string& record : damaged.BuildLayer(0, c.layer))
            EXPECT_FALSE(Deliver(target, record, limits)) << c.what;
        EXPECT_TRUE(target == source) << c.what;
    }
    // The last company's cell is taken.
    CMapData owned = source;
    owned.SetCellOwner(2, 2, 3);
    CMapData target = source;
    EXPECT_TRUE(Deliver(target, owned.BuildCellValues(0, "0000000010", {{2, 2}})[0], limits));
    EXPECT_EQ(target.GetCellOwner(2, 2), 3);
}

TEST(MapStateTexts, FieldFormsOfTheEdgeCases) {
    CMapData area;
    area.SetGridSize(16, 16);
    area.SetTrend(-10);
    std::string state = area.BuildAreaState(0).substr(20);
    EXPECT_EQ(state.substr(42, 4), "-010");
    EXPECT_EQ(state.substr(46, 4), "-001");
    EXPECT_EQ(area.BuildTexts(0).substr(20), "000000");
    CMapData copy;
    copy.SetGridSize(16, 16);
    copy.SetName("Old");
    copy.SetGovernor(3);
    EXPECT_TRUE(copy.ReadAreaState(state));
    EXPECT_EQ(copy.GetGovernor(), -1);
    EXPECT_EQ(copy.GetTrend(), -10);
    EXPECT_TRUE(copy.ReadTexts("000000"));
    EXPECT_EQ(copy.GetName(), "");

    std::vector<std::string> layer = area.BuildLayer(0, 4);
    ASSERT_EQ(layer.size(), 3u);
    const char* offsets[] = {"0000000000000399", "0000040000000799", "0000080000001023"};
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(layer[i].substr(20, 16), offsets[i]);
    EXPECT_EQ(layer[0].substr(13, 3), "084");
    EXPECT_EQ(layer[2].size(), 36u + 224u);

    for (int i = 0; i < 120; ++i) area.AddStadiumCell(1, {i % 16, i / 16});
    std::vector<std::string> list1 = WithCode(area.BuildPairLists(0), CMapData::kCodeStadiumList1);
    ASSERT_EQ(list1.size(), 3u);
    const char* ranges[] = {"00000051", "00520103", "01040119"};
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(list1[i].substr(20, 8), ranges[i]);
}

TEST(MapStateTexts, LongTextsAreCutToFitTheRecord) {
    CMapData area;
    area.SetName(std::string(300, 'n'));
    area.SetExplanation("\xC3\xA9" + std::string(400, 'e'));
    std::string record = area.BuildTexts(0);
    EXPECT_LE(record.size(), 511u);
    CMapData copy;
    EXPECT_TRUE(copy.ReadTexts(std::string_view(record).substr(20)));
    EXPECT_EQ(copy.GetName(), area.GetName());
    EXPECT_EQ(copy.GetExplanation().substr(0, 2), "\xC3\xA9");
    EXPECT_EQ(copy.GetExplanation().size(), 511u - 20 - 6 - 300);
}

TEST_F(MapFixture, DamagedStateTextsAreDroppedWhole) {
    CMapData source = MakeArea();
    source.RebuildStadiumLists();
    const std::vector<std::string> all = source.BuildAll(0, true);
    auto fields = [&](int code) { return WithCode(all, code).at(0).substr(20); };
    auto with = [](std::string text, size_t at, const std::string& field) {
        return text.replace(at, field.size(), field);
    };
    const std::string state = fields(70), texts = fields(71), layer = fields(80), head = fields(72),
                      sites = fields(73), cells = fields(74), stadiumHead = fields(75),
                      list0 = fields(76);
    const std::string values =
        source.BuildCellValues(0, "1000000001", {{1, 1}, {2, 2}}).at(0).substr(20);
    struct Case {
        const char* what;
        int code;
        std::string text;
    };
    const Case cases[] = {
        {"state for a wider grid", 70, with(state, 0, "0007")},
        {"state for a lower grid", 70, with(state, 4, "0004")},
        {"state cut short", 70, state.substr(0, 80)},
        {"negative spare", 70, with(state, 8, "-001")},
        {"governor -2", 70, with(state, 46, "-002")},
        {"name longer than the text", 71, with(texts, 0, "999")},
        {"explanation longer than the text", 71, with(texts, 9, "050")},
        {"negative name length", 71, with(texts, 0, "-01")},
        {"chunk past the layer", 80, with(layer, 8, "00000120")},
        {"chunk start after end", 80, with(with(layer, 0, "00000050"), 8, "00000010")},
        {"chunk longer than its bytes", 80, layer.substr(0, 100)},
        {"cell outside the grid", 110, with(values, 14, "0006")},
        {"cell y -1", 110, with(values, 18, "-001")},
        {"more cells than sent", 110, with(values, 10, "0003")},
        {"mask cut short", 110, values.substr(0, 8)},
        {"negative project start", 72, with(head, 8, "-002")},
        {"negative site count", 72, with(head, 12, "-01")},
        {"project head cut short", 72, head.substr(0, 15)},
        {"sites past the list", 73, with(sites, 4, "0002")},
        {"site outside the grid", 73, with(sites, 12, "0009")},
        {"site entries cut short", 73, sites.substr(0, sites.size() - 1)},
        {"project cell first > last", 74, with(cells, 0, "0005")},
        {"project cell outside the grid", 74, with(cells, 12, "0005")},
        {"negative stadium count", 75, with(stadiumHead, 0, "-001")},
        {"stadium past the list", 76, with(list0, 4, "0001")},
        {"stadium outside the grid", 76, with(list0, 8, "0006")},
    };
    for (const Case& c : cases) {
        CMapData target = source;
        std::string record = "_MERCAVO30003" + FormatFixedInt(c.code, 3) + "0000" + c.text;
        EXPECT_FALSE(Deliver(target, record, Limits())) << c.what;
        EXPECT_TRUE(target == source) << c.what;
    }
    // The other layers and a layer number outside the ten.
    CMapData target = source;
    EXPECT_FALSE(target.ReadLayerChunk(layer, 10, Limits()));
    EXPECT_FALSE(target.ReadStadiumCells(list0, 2));
}

TEST_F(MapFixture, ReceivedFireIsHeld) {
    CMapData area = MakeArea();
    std::string state = area.BuildAreaState(0).substr(20);
    CMapData copy = area;
    EXPECT_TRUE(copy.ReadAreaState(state.replace(50, 5, "00250")));
    EXPECT_EQ(copy.GetFire(), 100);
    EXPECT_TRUE(copy.ReadAreaState(state.replace(50, 5, "-0005")));
    EXPECT_EQ(copy.GetFire(), 0);
}
