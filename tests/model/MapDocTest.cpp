// The map document: the map data file written by the data tool's writer
// loads with its acceptance checks and checksum, the saved-game form is
// byte-stable, and the derived tables (type lists, picture strips, extent
// tables) are built on every load.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <new>

#include "fakes/FakeServices.h"
#include "fakes/MapFileFixture.h"
#include "model/AreaLimits.h"
#include "model/ColorMarkStrip.h"
#include "model/MapDoc.h"
#include "model/MapFileWriter.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/ArchiveStream.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Offsets of the header values in either form.
constexpr size_t kAreaCountAt = CMapDoc::kMagicSize + 12;
constexpr size_t kGridWidthAt = kAreaCountAt + 4;
constexpr size_t kMetricsAt = kAreaCountAt + 12;
constexpr size_t kMapValuesAt = kMetricsAt + 4 * CMapDoc::kCellMetricCount;
constexpr size_t kNameCountAt = kMapValuesAt + 12;

void SetInt(Bytes& bytes, size_t at, int32_t v) {
    for (int k = 0; k < 4; ++k) bytes.at(at + size_t(k)) = uint8_t(uint32_t(v) >> (8 * k));
}

int32_t GetInt(const Bytes& bytes, size_t at) {
    uint32_t v = 0;
    for (int k = 0; k < 4; ++k) v |= uint32_t(bytes.at(at + size_t(k))) << (8 * k);
    return int32_t(v);
}

Bytes StoreSaved(CMapDoc& map) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    map.Serialize(ar);
    return stream.Bytes();
}

void Load(CMapDoc& map, const Bytes& bytes, bool mapFile) {
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    map.SetMapFileMode(mapFile);
    map.Serialize(ar);
    map.SetMapFileMode(0);
}

// The error value a load throws; -1 when it loads.
int LoadError(const Bytes& bytes, bool mapFile) {
    CMapDoc map;
    try {
        Load(map, bytes, mapFile);
    } catch (eMERCAVO_ERROR e) {
        return e;
    }
    return -1;
}

Bytes Contents(const Bytes& file) {
    return Bytes(file.begin(), file.end() - 4);
}

class MapDocTest : public testing::Test {
protected:
    CDetachedAppService m_app;
    CFakeDocService m_doc;
    CScopedService<IAppService> m_scopedApp = ScopedApp(&m_app);
    CScopedService<IDocService> m_scopedDoc = ScopedDoc(&m_doc);
};

// ---- The map data file ----

TEST_F(MapDocTest, FixtureFileLoadsWithEverythingItHolds) {
    Bytes file = WriteFixtureMapFile();
    CMapDoc map;
    Load(map, file, true);

    EXPECT_EQ(map.GetAreaCount(), 2);
    EXPECT_EQ(map.GetGridWidth(), 6);
    EXPECT_EQ(map.GetGridHeight(), 5);
    EXPECT_EQ(map.GetAreaName(0), "Harbor");
    EXPECT_EQ(map.GetArea(1).GetPopulation(), 1300);
    EXPECT_EQ(map.GetCellMetric(CMapDoc::metricLevelRise), 8);
    EXPECT_EQ(map.GetInitialCompanyCount(), 4);
    EXPECT_EQ(map.GetMaxCompanyCount(), 8);
    EXPECT_EQ(map.GetDirectorsNeeded(), 6);
    EXPECT_EQ(map.GetGovernorsNeeded(), 4);
    EXPECT_EQ(map.GetHeaderValue(0), 2);
    EXPECT_EQ(map.GetMapValue(2), 3);
    EXPECT_EQ(map.GetMapValue2(), 6);
    ASSERT_EQ(map.GetCompanyNameCount(), 12);
    EXPECT_EQ(map.GetCompanyNameEntry(11), "Larkspur Realty");
    EXPECT_EQ(map.GetCompanyNameUser(0), -1);
    EXPECT_EQ(map.GetProTeam(1, 1).GetName(), "Mill Street Foxes");
    EXPECT_EQ(map.GetSeasonStartMonth(2, 1), 9);
    EXPECT_EQ(map.GetLandTypeCount(), 5);
    EXPECT_EQ(map.GetStructureTypeCount(), 14);
    EXPECT_EQ(map.GetStructureType(6)->GetName(), "Head Office");
    EXPECT_EQ(map.GetStructureType(6)->GetTag(), 6);
    EXPECT_EQ(map.GetStructureType(14), nullptr);
    EXPECT_EQ(map.GetMapTitle(), "Second Author");
    EXPECT_EQ(map.GetMapText(), "Third Author");
    EXPECT_EQ(map.GetAreaText(), "First Author");
    EXPECT_EQ(map.GetRawBlock(1).Size(), 10u);
    EXPECT_TRUE(map.GetRawBlock(2).IsEmpty());
    EXPECT_EQ(map.GetRawBlock(3).Lock()[0], 200);
    // The stored checksum is the running value of everything before it.
    EXPECT_EQ(map.GetStoredChecksum(), CMapFileWriter::ComputeChecksum(Contents(file)));
    EXPECT_EQ(m_app.DataChecksum().Get(), map.GetStoredChecksum());
}

TEST_F(MapDocTest, AreasTakeTheirCellsFromTheRawRecords) {
    CMapDoc map;
    Load(map, WriteFixtureMapFile(), true);
    const CMapData& harbor = map.GetArea(0);
    int office = FindStructureOfCode(map, 60);
    EXPECT_EQ(harbor.GetStructureAt(1, 1, 0), office + 1);
    EXPECT_EQ(harbor.GetStructureAt(0, 0, 1), office + 1);
    EXPECT_EQ(harbor.GetConstructionState(2, 3), CMapData::kConstructionUnderWay);
    EXPECT_EQ(map.GetArea(1).GetConstructionState(2, 2), CMapData::kConstructionBurning);
    // Layers the raw record does not carry start at 0.
    EXPECT_EQ(harbor.GetCellOwner(0, 1), 0);
    EXPECT_EQ(harbor.GetLandValue(2, 2), 0);
    // The stadium lists are rebuilt from the cells: the arena (code 85) in
    // the harbor, the ballpark (code 80) in the uplands.
    EXPECT_EQ(harbor.GetStadiumCount(1), 1);
    EXPECT_EQ(map.GetArea(1).GetStadiumCount(0), 1);
}

// An area held by a map looks its cells' types up in that map's tables,
// whatever document is registered (here a fake with empty tables).
TEST_F(MapDocTest, AreasFindTheirTypesInTheirOwnMap) {
    CMapDoc map;
    Load(map, WriteFixtureMapFile(), true);
    const CMapData& harbor = map.GetArea(0);
    int office = FindStructureOfCode(map, 60);
    ASSERT_NE(map.GetStructureType(office), nullptr);
    EXPECT_EQ(harbor.GetCellType(1, 1, 0), map.GetStructureType(office));
    EXPECT_EQ(harbor.GetCellType(1, 1, 1), map.GetLandTypeEntry(harbor.GetLandType(1, 1)));
    EXPECT_NE(harbor.GetCellType(1, 1, 1), nullptr);
    EXPECT_EQ(harbor.GetMap(), &map);
}

TEST_F(MapDocTest, OneFlippedByteGivesTheChecksumRefusal) {
    const Bytes file = WriteFixtureMapFile();
    // Bytes whose values the loader takes as they are: a map value, a
    // letter of a company name, a letter of an area's explanation, a byte
    // of the first author's mark, and the stored checksum itself.
    const Bytes contents = Contents(file);
    auto find = [&](const std::string& text) {
        auto it = std::search(file.begin(), file.end(), text.begin(), text.end());
        return size_t(it - file.begin());
    };
    const size_t cases[] = {kMapValuesAt, find("Cobalt") + 2, find("Docks") + 3, file.size() - 11,
                            file.size() - 2};
    for (size_t at : cases) {
        SCOPED_TRACE(at);
        Bytes damaged = file;
        damaged[at] ^= 0x01;
        EXPECT_EQ(LoadError(damaged, true), eMERCAVO_ERROR_CONTENTS);
        // With its checksum brought up to date the same file loads: the
        // refusal came from the checksum alone.
        Bytes fixed = damaged;
        if (at < contents.size()) {
            SetInt(fixed, fixed.size() - 4, CMapFileWriter::ComputeChecksum(Contents(fixed)));
        } else {
            fixed = file;
        }
        EXPECT_EQ(LoadError(fixed, true), -1);
    }
}

TEST_F(MapDocTest, WriterWritesTheFileTheLoaderReads) {
    auto map = MakeFixtureMap();
    std::string path = testing::TempDir() + "mapdoc_writer.mqm";
    ASSERT_TRUE(CMapFileWriter::WriteFile(*map, path));
    CFileStream file;
    ASSERT_TRUE(file.Open(path, CFileStream::modeRead));
    CArchive ar(file, CArchive::load);
    CMapDoc loaded;
    loaded.SetMapFileMode(1);
    loaded.Serialize(ar);
    EXPECT_EQ(file.Remaining(), 0u);
    EXPECT_EQ(loaded.GetAreaCount(), 2);
    std::remove(path.c_str());
    EXPECT_FALSE(CMapFileWriter::WriteFile(*map, testing::TempDir() + "no/such/folder/x.mqm"));
}

TEST_F(MapDocTest, StoredChecksumIsComparedNotFed) {
    Bytes file = WriteFixtureMapFile();
    int32_t stored = GetInt(file, file.size() - 4);
    CMapDoc map;
    Load(map, file, true);
    // After the load the running value is still the one it was compared
    // with.
    EXPECT_EQ(m_app.DataChecksum().Get(), stored);
    SetInt(file, file.size() - 4, stored + 1);
    EXPECT_EQ(LoadError(file, true), eMERCAVO_ERROR_CONTENTS);
}

TEST_F(MapDocTest, RawBlockSizeIsNotFedOnlyItsSampledBytes) {
    // Nine and ten bytes sample the same three bytes (0, 3 and 6), while
    // the sizes themselves would feed 63 and 0.
    const uint8_t bytes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    auto checksumWithBlock = [&](size_t size) {
        std::unique_ptr<CMapDoc> map = MakeFixtureMap();
        EXPECT_TRUE(map->SetRawBlock(1, bytes, size));
        return CMapFileWriter::ComputeChecksum(Contents(CMapFileWriter::Write(*map)));
    };
    EXPECT_EQ(checksumWithBlock(9), checksumWithBlock(10));
    EXPECT_NE(checksumWithBlock(9), checksumWithBlock(8));
}

TEST_F(MapDocTest, SavedFormIsAcceptedWithAnyChecksum) {
    CMapDoc map;
    Load(map, WriteFixtureMapFile(), true);
    Bytes saved = StoreSaved(map);
    SetInt(saved, saved.size() - 4, 12345);
    CMapDoc reloaded;
    Load(reloaded, saved, false);
    EXPECT_EQ(reloaded.GetStoredChecksum(), 12345);
}

TEST_F(MapDocTest, SavedFormRoundTripIsByteStable) {
    CMapDoc map;
    Load(map, WriteFixtureMapFile(), true);
    map.SetCompanyNameUser(3, 2);
    map.GetArea(1).SetGovernor(7);
    Bytes first = StoreSaved(map);
    CMapDoc reloaded;
    Load(reloaded, first, false);
    EXPECT_EQ(StoreSaved(reloaded), first);
    EXPECT_EQ(reloaded.GetCompanyNameUser(3), 2);
    EXPECT_EQ(reloaded.GetStoredChecksum(), map.GetStoredChecksum());
    EXPECT_EQ(reloaded.GetArea(1), map.GetArea(1));
}

TEST_F(MapDocTest, MapFileModeFlagReportsChanges) {
    CMapDoc map;
    EXPECT_EQ(map.SetMapFileMode(1), 1);
    EXPECT_EQ(map.SetMapFileMode(5), 0);
    EXPECT_EQ(map.SetMapFileMode(0), 1);
}

// ---- Acceptance checks ----

TEST_F(MapDocTest, MapWithoutARequiredTypeIsRefused) {
    struct Case {
        std::vector<int> omit;
        bool plainLand;
    };
    const Case cases[] = {{{35}, true}, {{40}, true}, {{45}, true}, {{70}, true}, {{}, false}};
    for (const Case& c : cases) {
        SMapFixtureOptions options;
        options.omitStructureCodes = c.omit;
        options.plainLand = c.plainLand;
        Bytes file = WriteFixtureMapFile(options);
        EXPECT_EQ(LoadError(file, true), eMERCAVO_ERROR_CONTENTS);
    }
    // Houses, kiosks and offices are the new game's business, not the map's.
    SMapFixtureOptions options;
    options.omitStructureCodes = {55, 30, 60};
    EXPECT_EQ(LoadError(WriteFixtureMapFile(options), true), -1);
}

// The saved form of the fixture map and the offsets of its counts.
class MapHeadTest : public MapDocTest {
protected:
    void SetUp() override {
        m_map = MakeFixtureMap();
        m_saved = StoreSaved(*m_map);
        CMemoryStream stream;
        CArchive ar(stream, CArchive::store);
        for (int i = 0; i < m_map->GetCompanyNameCount(); ++i) {
            ar.WriteString(m_map->GetCompanyNameEntry(i));
            ar.WriteInt(0);
        }
        for (int l = 0; l < CMapDoc::kLeagueCount; ++l) m_map->GetLeague(l).Serialize(ar);
        m_landCountAt = kNameCountAt + 4 + stream.Bytes().size();
        for (int i = 0; i < m_map->GetLandTypeCount(); ++i)
            m_map->GetLandTypeEntry(i)->Serialize(ar);
        m_structureCountAt = kNameCountAt + 4 + 4 + stream.Bytes().size();
    }
    std::unique_ptr<CMapDoc> m_map;
    Bytes m_saved;
    size_t m_landCountAt = 0;
    size_t m_structureCountAt = 0;
};

TEST_F(MapHeadTest, CountsAndMetricsOutsideTheirRangesAreRefused) {
    ASSERT_EQ(LoadError(m_saved, false), -1);
    ASSERT_EQ(GetInt(m_saved, kNameCountAt), 12);
    ASSERT_EQ(GetInt(m_saved, m_landCountAt), 5);
    ASSERT_EQ(GetInt(m_saved, m_structureCountAt), 14);
    const size_t metric = kMetricsAt;
    struct Case {
        size_t at;
        int32_t value;
    };
    const Case cases[] = {
        {kAreaCountAt, -1},
        {kAreaCountAt, 65},
        {kGridWidthAt, -6},
        {kGridWidthAt + 4, 10000},
        {metric + 4 * CMapDoc::metricColumnStepX, 0},
        {metric + 4 * CMapDoc::metricRowStepY, 0},
        {metric + 4 * CMapDoc::metricMaxCompanies, 0},
        {metric + 4 * CMapDoc::metricMaxCompanies, 33},
        {metric + 4 * CMapDoc::metricInitialCompanies, 9},
        {metric + 4 * CMapDoc::metricInitialCompanies, 0},
        {metric + 4 * CMapDoc::metricDirectorsNeeded, -1},
        {kNameCountAt, -1},
        {m_landCountAt, 257},
        {m_landCountAt, -1},
        {m_structureCountAt, 257},
        {m_structureCountAt, INT_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at << " = " << c.value);
        Bytes damaged = m_saved;
        SetInt(damaged, c.at, c.value);
        EXPECT_EQ(LoadError(damaged, false), eMERCAVO_ERROR_CONTENTS);
    }
}

TEST_F(MapHeadTest, HugeNameCountEndsTheDataWithoutAllocating) {
    SetInt(m_saved, kNameCountAt, INT32_MAX);
    CMapDoc map;
    EXPECT_THROW(Load(map, m_saved, false), CArchiveException);
}

TEST_F(MapDocTest, NewGameMapNeedsAnArea) {
    // The writer reads its file back, so it refuses what would not load.
    auto map = MakeFixtureMap(FixtureWithAreas(0));
    EXPECT_THROW(
        try { CMapFileWriter::Write(*map); } catch (eMERCAVO_ERROR e) {
            EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS);
            throw;
        },
        eMERCAVO_ERROR);
    // A saved map without areas is fine.
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
        for (int t = 0; t < 2; ++t) map->GetProTeam(l, t).SetHomeField(-1, -1, -1);
    CMapDoc reloaded;
    Bytes saved = StoreSaved(*map);
    EXPECT_NO_THROW(Load(reloaded, saved, false));
    EXPECT_EQ(reloaded.GetAreaCount(), 0);
}

TEST_F(MapDocTest, CompanyNameUsersMustBeCompaniesOfTheMap) {
    auto map = MakeFixtureMap();
    map->SetCompanyNameUser(0, 7);  // company 8 of 8
    Bytes saved = StoreSaved(*map);
    CMapDoc reloaded;
    EXPECT_NO_THROW(Load(reloaded, saved, false));
    map->SetCompanyNameUser(0, 8);
    EXPECT_EQ(LoadError(StoreSaved(*map), false), eMERCAVO_ERROR_CONTENTS);
}

TEST_F(MapDocTest, AreaCellsAreCheckedAgainstTheMap) {
    struct Case {
        std::function<void(CMapData&)> damage;
        // Whether the map data file carries the damaged layer.
        bool inMapFile;
    };
    const Case cases[] = {
        {[](CMapData& a) { a.SetLandType(1, 2, 5); }, true},          // past the land table
        {[](CMapData& a) { a.SetStructureNo(3, 2, 15); }, true},      // past the structure table
        {[](CMapData& a) { a.SetCellOwner(4, 4, 9); }, false},        // past the companies
        {[](CMapData& a) { a.SetConstruction(0, 4, 1, 14); }, true},  // no such type to build
        {[](CMapData& a) { a.SetConstruction(0, 4, 2, 1); }, true},   // burning without fire
        {[](CMapData& a) { a.SetGridSize(5, 5); }, true},             // unlike the map's grid
    };
    for (const Case& c : cases) {
        auto map = MakeFixtureMap();
        c.damage(map->GetArea(1));
        EXPECT_EQ(LoadError(StoreSaved(*map), false), eMERCAVO_ERROR_CONTENTS);
        // The data tool cannot write such a map.
        if (c.inMapFile) {
            EXPECT_THROW(CMapFileWriter::Write(*map), eMERCAVO_ERROR);
        }
    }
}

TEST_F(MapDocTest, RawAreaFiguresMustFitTheSavedForm) {
    // A game started from the map must save and load again: the raw
    // record's population and effect sum are held to the saved form's
    // bounds.
    const Bytes file = WriteFixtureMapFile();
    const Bytes population = {0xB0, 0x04, 0, 0};  // 1200, the harbor's
    size_t at = size_t(std::search(file.begin(), file.end(), population.begin(), population.end()) -
                       file.begin());
    for (auto [offset, value] : {std::pair{0, -1}, std::pair{8, 10000}, std::pair{8, -10000}}) {
        Bytes damaged = file;
        SetInt(damaged, at + size_t(offset), value);
        EXPECT_THROW(CMapFileWriter::ComputeChecksum(Contents(damaged)), eMERCAVO_ERROR);
        EXPECT_EQ(LoadError(damaged, true), eMERCAVO_ERROR_CONTENTS);
    }
    Bytes fine = file;
    SetInt(fine, at + 8, 9999);
    SetInt(fine, fine.size() - 4, CMapFileWriter::ComputeChecksum(Contents(fine)));
    EXPECT_EQ(LoadError(fine, true), -1);
}

// The count after an area's size must be one the saved form takes back:
// a map that loads with any other would start games that never reload.
// Every count here ends in the digit 0 and so adds nothing to the data
// checksum: the file's own checksum stays right and only the range check
// can refuse it.
TEST_F(MapDocTest, RawAreaCountMustFitTheSavedForm) {
    const Bytes file = WriteFixtureMapFile();
    const size_t countAt = FirstAreaCountOffset(file);
    ASSERT_EQ(GetInt(file, countAt), 0);
    ASSERT_EQ(GetInt(file, countAt - 8), GetInt(file, kGridWidthAt));
    struct Case {
        int32_t count;
        int error;  // -1: loads
    };
    for (const Case& c : {Case{-10, eMERCAVO_ERROR_CONTENTS}, Case{INT_MIN + 8, eMERCAVO_ERROR_CONTENTS},
                          Case{0, -1}, Case{70, -1}, Case{INT_MAX - 7, -1}}) {
        SCOPED_TRACE(c.count);
        Bytes damaged = file;
        SetInt(damaged, countAt, c.count);
        ASSERT_EQ(LoadError(damaged, true), c.error);
        if (c.error != -1) continue;
        CMapDoc map;
        Load(map, damaged, true);
        EXPECT_EQ(map.GetArea(0).GetSpare(), c.count);
        const Bytes saved = StoreSaved(map);
        CMapDoc reloaded;
        Load(reloaded, saved, false);
        EXPECT_EQ(StoreSaved(reloaded), saved);
    }
}

TEST_F(MapDocTest, FailedLoadKeepsTheAreasReadWhole) {
    auto map = MakeFixtureMap(FixtureWithAreas(6));
    map->GetArea(5).SetCellOwner(0, 0, 99);
    CMapDoc loaded;
    EXPECT_THROW(Load(loaded, StoreSaved(*map), false), eMERCAVO_ERROR);
    EXPECT_EQ(loaded.GetAreaCount(), 5);
    EXPECT_EQ(loaded.GetAreaName(4), "Outskirts 4");
}

TEST_F(MapDocTest, TruncatedFileEndsWithTheArchiveError) {
    const Bytes file = WriteFixtureMapFile();
    for (size_t keep : {size_t(10), size_t(200), file.size() / 2, file.size() - 1}) {
        Bytes cut(file.begin(), file.begin() + long(keep));
        CMapDoc map;
        EXPECT_THROW(Load(map, cut, true), CArchiveException) << keep;
    }
}

TEST_F(MapDocTest, SixtyFourByteTextsEndAtTheirField) {
    auto map = MakeFixtureMap();
    map->SetMapTitle(std::string(70, 'T'));
    map->SetMapText("Third");
    EXPECT_EQ(map->GetMapTitle(), std::string(64, 'T'));
    CMapDoc loaded;
    Load(loaded, CMapFileWriter::Write(*map), true);
    EXPECT_EQ(loaded.GetMapTitle(), std::string(64, 'T'));
    EXPECT_EQ(loaded.GetMapText(), "Third");
}

// ---- Derived tables ----

TEST_F(MapDocTest, TypeListsAreSortedByValue) {
    CMapDoc map;
    Load(map, WriteFixtureMapFile(), true);
    // Scrub 10, Field 20, Meadow 30.
    EXPECT_EQ(map.GetPlainLandTypes(), (std::vector<int>{1, 3, 0}));
    EXPECT_EQ(map.GetAveragePlainLandValue(), 20);
    EXPECT_EQ(map.GetCode55Types(), (std::vector<int>{4, 3}));
    int min = 0, max = 0;
    map.GetCode55ValueRange(min, max);
    EXPECT_EQ(min, 100);
    EXPECT_EQ(max, 300);
    map.GetCode30ValueRange(min, max);
    EXPECT_EQ(min, 50);
    EXPECT_EQ(max, 50);
    EXPECT_EQ(map.GetCode17LandType(), 2);
    EXPECT_EQ(map.GetCode45Type(), 2);
    EXPECT_EQ(map.GetCode35Type(0), 0);
    EXPECT_EQ(map.GetCode40Type(0), 1);
    EXPECT_EQ(map.GetCode70Type(0), 8);
    // Crossing (26) is followed by its gate (27); the level crossing (25)
    // is the last type and has none.
    EXPECT_EQ(map.GetPairTypes26(), (std::vector<int>{11}));
    EXPECT_TRUE(map.GetPairTypes25().empty());
    EXPECT_DOUBLE_EQ(map.GetViewAngle1(), std::atan(32.0 / 16.0));
    EXPECT_DOUBLE_EQ(map.GetViewAngle2(), std::atan(16.0 / 32.0));
    EXPECT_EQ(map.GetMaxFigure20(), 10);
    EXPECT_EQ(map.GetLeagueFigure(0, 1), std::max(1, map.GetLeague(0).GetTeamPrice(1) / 10));
}

TEST_F(MapDocTest, PictureStripsGroupTwentyTypesAcrossBothTables) {
    auto source = MakeFixtureMap();
    // 21 land types and 40 structure types, all with pictures.
    while (source->GetLandTypeCount() < 21) source->AddLandType(*source->GetLandTypeEntry(1));
    while (source->GetStructureTypeCount() < 40)
        source->AddStructureType(*source->GetStructureType(5));
    CMapDoc map;
    Load(map, CMapFileWriter::Write(*source), true);

    const auto& strips = map.GetPictureStrips();
    ASSERT_EQ(strips.size(), 4u);
    const int expected[4][3] = {{1, 0, 19}, {1, 20, 20}, {0, 0, 19}, {0, 20, 39}};
    for (int g = 0; g < 4; ++g) {
        SCOPED_TRACE(g);
        EXPECT_EQ(strips[g]->GetNumber(), g);
        EXPECT_EQ(strips[g]->IsLandTable(), expected[g][0] == 1);
        EXPECT_EQ(strips[g]->GetFirstType(), expected[g][1]);
        EXPECT_EQ(strips[g]->GetLastType(), expected[g][2]);
    }
    // Type 20 of the land table opens strip 1: first picture of direction
    // 0 at 0, its second after it, then the first of direction 1.
    const CBD& land20 = *map.GetLandTypeEntry(20);
    int w0 = land20.GetViewExtent(0).x;
    EXPECT_EQ(land20.GetStripNumber(), 1);
    EXPECT_EQ(land20.GetPictureOffset(0, 0), 0);
    EXPECT_EQ(land20.GetPictureOffset(1, 0), w0);
    EXPECT_EQ(land20.GetPictureOffset(0, 1), 2 * w0);
    EXPECT_EQ(land20.GetPictureOffset(1, 1), -1);
    // Every direction with a picture reserves twice its width.
    int width = 0, height = 0;
    for (int d = 0; d < 4; ++d) {
        width += 2 * land20.GetViewExtent(d).x;
        height = std::max(height, land20.GetViewExtent(d).y);
    }
    EXPECT_EQ(strips[1]->GetWidth(), width);
    EXPECT_EQ(strips[1]->GetHeight(), height);
    EXPECT_EQ(map.GetPictureStrip(3), strips[3].get());
    for (int d = 0; d < 4; ++d) EXPECT_EQ(map.IsDirectionComplete(d), 1);
}

TEST_F(MapDocTest, MapWithoutPicturesHasNoStripsAndNoCompleteDirection) {
    CMapDoc map;
    Load(map, WriteFixtureMapFile(FixtureWithoutPictures()), true);
    EXPECT_TRUE(map.GetPictureStrips().empty());
    EXPECT_EQ(map.GetStructureType(0)->GetPictureOffset(0, 0), -1);
    for (int d = 0; d < 4; ++d) EXPECT_EQ(map.IsDirectionComplete(d), 0);
}

TEST_F(MapDocTest, DirectionIsCompleteOnlyWhenEveryTypeHasItsSlotPicture) {
    auto source = MakeFixtureMap();
    // Slot 3 is what direction 1 draws.
    source->GetLandTypeEntry(4)->GetFirstPicture(3) = CBM();
    CMapDoc map;
    Load(map, CMapFileWriter::Write(*source), true);
    EXPECT_EQ(map.IsDirectionComplete(0), 1);
    EXPECT_EQ(map.IsDirectionComplete(1), 0);
    EXPECT_EQ(map.IsDirectionComplete(2), 1);
    EXPECT_EQ(map.IsDirectionComplete(3), 1);
}

TEST_F(MapDocTest, PictureOfImpossibleSizeFailsTheStrip) {
    for (CBD::SViewPoint extent : {CBD::SViewPoint{5000, 8}, CBD::SViewPoint{-8, 8}}) {
        auto map = MakeFixtureMap();
        map->GetStructureType(3)->SetView(2, 0, 0, {0, 0}, extent);
        EXPECT_EQ(LoadError(StoreSaved(*map), false), eMERCAVO_ERROR_FAILED);
    }
}

TEST_F(MapDocTest, ExtentTablesHoldTheLargestReachPerFootprint) {
    // Picture number d + 1 in slot d: each slot draws its own picture.
    CMapDoc map;
    CBD a, b, wide, extreme;
    a.SetView(0, 1, 0, {3, 4}, {10, 6});
    b.SetView(0, 1, 0, {5, 1}, {7, 9});
    wide.SetSize(2, 1);
    wide.SetView(0, 1, 0, {-2, 0}, {4, 4});
    wide.SetView(2, 3, 0, {1, 2}, {9, 9});
    extreme.SetSize(3, 3);
    extreme.SetView(1, 2, 0, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN});
    map.AddLandType(a);
    for (const CBD* type : {&b, &wide, &extreme}) map.AddStructureType(*type);
    map.BuildExtentTables();
    EXPECT_EQ(map.GetExtent(CMapDoc::extentLeft, 0, 1, 1), 5);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentAbove, 0, 1, 1), 4);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentRight, 0, 1, 1), 7);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentBelow, 0, 1, 1), 8);
    // Slot 0 is what direction 3 draws: the 2 x 1 footprint turns to 1 x 2
    // (height 2, width 1); slot 2 keeps it (height 1, width 2).
    EXPECT_EQ(map.GetExtent(CMapDoc::extentLeft, 0, 2, 1), 0);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentRight, 0, 2, 1), 6);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentRight, 0, 1, 2), 0);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentLeft, 2, 1, 2), 1);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentBelow, 2, 1, 2), 7);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentRight, 1, 3, 3), INT_MAX);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentBelow, 1, 3, 3), 0);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentLeft, 2, 1, 1), 0);
}

TEST_F(MapDocTest, ExtentTablesFollowThePictureEachSlotDraws) {
    // Slot 2 names picture 4 (index 3); picture 2 of the slot's own index
    // is not drawn and must not count. Slot 1 names no picture.
    CMapDoc map;
    CBD type;
    type.SetView(2, 4, 0, {50, 50}, {100, 100});
    type.SetView(3, 0, 0, {6, 7}, {20, 30});
    type.SetView(1, 0, 0, {9, 9}, {9, 9});
    map.AddLandType(type);
    map.BuildExtentTables();
    EXPECT_EQ(map.GetExtent(CMapDoc::extentLeft, 2, 1, 1), 6);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentAbove, 2, 1, 1), 7);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentRight, 2, 1, 1), 14);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentBelow, 2, 1, 1), 23);
    EXPECT_EQ(map.GetExtent(CMapDoc::extentLeft, 1, 1, 1), 0);
}

TEST_F(MapDocTest, ExtentTablesRefuseFootprintsBeyondThreeCells) {
    for (auto [w, h] : {std::pair{4, 1}, std::pair{1, 0}, std::pair{-1, 2}}) {
        CMapDoc map;
        CBD type;
        type.SetSize(w, h);
        map.AddStructureType(type);
        EXPECT_THROW(map.BuildExtentTables(), eMERCAVO_ERROR);
    }
}

TEST(ColorMarkStripTest, LastCompanyColourHasItsOwnCell) {
    EXPECT_EQ(kColorMarkCellCount, 35);
    EXPECT_EQ(GetColorMarkCell(-2), 1);
    EXPECT_EQ(GetColorMarkCell(kCompanyColorCount - 1), kColorMarkCellCount - 1);
    EXPECT_EQ(GetColorMarkCellWidth(35 * 18), 18);
}

}  // namespace
