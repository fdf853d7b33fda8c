#include "fakes/MapFileFixture.h"

#include <algorithm>
#include <string>

#include "fakes/TestPictures.h"
#include "model/BD.h"
#include "model/BaseMapData.h"
#include "model/BM.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/MapFileWriter.h"

namespace {

constexpr int kGridWidth = 6;
constexpr int kGridHeight = 5;

struct SType {
    const char* name;
    int code;
    int value;
    int width;
    int height;
};

const SType kLandTypes[] = {
    {"Meadow", 0, 30, 1, 1}, {"Scrub", 0, 10, 1, 1},     {"Foundation", 17, 50, 1, 1},
    {"Field", 0, 20, 1, 1},  {"Track bed", 20, 5, 1, 1},
};

const SType kStructureTypes[] = {
    {"Rubble", 35, 0, 1, 1},         {"Fire", 40, 0, 1, 1},
    {"Radio Mast", 45, 0, 1, 1},     {"Flats", 55, 300, 1, 1},
    {"Cottages", 55, 100, 1, 1},     {"Kiosk", 30, 50, 1, 1},
    {"Head Office", 60, 900, 2, 2},  {"Branch Office", 61, 600, 1, 1},
    {"Pavilion", 70, 400, 1, 1},     {"Ballpark", 80, 800, 2, 2},
    {"Arena", 85, 700, 3, 2},        {"Crossing", 26, 20, 1, 1},
    {"Crossing Gate", 27, 20, 1, 1}, {"Level Crossing", 25, 20, 1, 1},
};

const char* const kCompanyNames[] = {
    "Aster Holdings",   "Brightwater Co.", "Cobalt Works",     "Dunmore Group",
    "Elmstead Trading", "Fairhaven Ltd.",  "Granite Partners", "Hollis & Vane",
    "Ironbridge Inc.",  "Juniper Estates", "Kestrel Corp.",    "Larkspur Realty",
};

void AddPictures(CBD& type, int seed) {
    for (int d = 0; d < CBD::kDirections; ++d) {
        int w = 8 + (seed + d) % 3;
        int h = 6 + d % 2;
        type.GetFirstPicture(d) = CBM(MakeTestImageBlock(w, h, 4, 0, seed + d));
        // Second pictures (the masks) in two directions only.
        if (d % 2 == 0) type.GetSecondPicture(d) = CBM(MakeTestImageBlock(w, h, 4, 0, seed + 9));
        type.SetView(d, d, 1, {w / 2, h - 2}, {w, h});
    }
}

CBD MakeType(const SType& def, int seed, bool pictures) {
    CBD type;
    type.SetName(def.name);
    type.SetTypeCode(def.code);
    type.SetLandValue(def.value);
    type.SetBasePrice(def.value * 10);
    type.SetValueFigure(def.value / 10);
    type.SetSize(def.width, def.height);
    type.SetEffects({CEfct(seed % 5, 0.25 * seed)});
    if (pictures) AddPictures(type, seed);
    return type;
}

void AddLeagues(CMapDoc& map) {
    const char* teams[3][2] = {{"Harbor Gulls", "Upland Rams"},
                               {"Copper Hawks", "Mill Street Foxes"},
                               {"Quay Pilots", "Ridge Owls"}};
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
        CLeague& league = map.GetLeague(l);
        league.SetRankedByRate(l == 1);
        league.SetSchedule(20, 2, {3, 9});
        for (int t = 0; t < 2; ++t) {
            CProTeam team;
            team.SetName(teams[l][t]);
            team.SetHomeField(0, t, l);
            league.AddTeam(team);
        }
    }
}

void PlaceStructure(CMapDoc& map, CMapData& area, int code, int x, int y, int owner) {
    int type = FindStructureOfCode(map, code);
    if (type < 0) return;
    int w = 0, h = 0;
    map.GetStructureType(type)->GetSize(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            int cx = x - i, cy = y - j;
            if (i == 0 && j == 0)
                area.SetStructureNo(cx, cy, type + 1);
            else
                area.SetCovered(cx, cy, x, y);
            area.SetCellOwner(cx, cy, owner);
        }
}

CMapData MakeArea(CMapDoc& map, int index, const SMapFixtureOptions& options) {
    const char* names[] = {"Harbor", "Uplands"};
    CMapData area;
    area.SetName(index < 2 ? names[index] : "Outskirts " + std::to_string(index));
    area.SetExplanation(index == 0 ? "Docks, cranes and warehouses" : "");
    area.SetGridSize(kGridWidth, kGridHeight);
    const int land[] = {fixtureMeadow, fixtureScrub, fixtureField, fixtureFoundation};
    for (int y = 0; y < kGridHeight; ++y)
        for (int x = 0; x < kGridWidth; ++x) {
            area.SetLandType(x, y, land[(x + y + index) % 4]);
            area.SetLayer(CMapData::layerHeight, x, y, (x * y) % 3);
        }
    area.SetPopulation(1200 + 100 * index);
    if (index == 0) {
        PlaceStructure(map, area, 60, 1, 1, 2);
        PlaceStructure(map, area, 55, 4, 0, 1);
        PlaceStructure(map, area, 85, 5, 4, 0);
        int pavilion = FindStructureOfCode(map, 70);
        if (pavilion >= 0) area.SetConstruction(2, 3, CMapData::kConstructionUnderWay, pavilion);
    } else if (index == 1) {
        PlaceStructure(map, area, 80, 5, 4, 3);
        PlaceStructure(map, area, 30, 0, 0, 0);
        int fire = FindStructureOfCode(map, 40);
        if (fire >= 0) area.SetConstruction(2, 2, CMapData::kConstructionBurning, fire + 1);
    }
    (void)options;
    return area;
}

}  // namespace

int FindStructureOfCode(const CMapDoc& map, int code) {
    for (int i = 0; i < map.GetStructureTypeCount(); ++i)
        if (map.GetStructureType(i)->GetTypeCode() == code) return i;
    return -1;
}

std::unique_ptr<CMapDoc> MakeFixtureMap(const SMapFixtureOptions& options) {
    auto map = std::make_unique<CMapDoc>();
    map->SetGridSize(kGridWidth, kGridHeight);
    const int metrics[CMapDoc::kCellMetricCount] = {32, 16, 32, 16, 8, 4, 6, 4, 8, 6, 4};
    for (int m = 0; m < CMapDoc::kCellMetricCount; ++m)
        map->SetCellMetric(static_cast<CMapDoc::eCellMetric>(m), metrics[m]);
    map->SetCellMetric(CMapDoc::metricMaxCompanies, options.maxCompanies);
    for (int i = 0; i < 3; ++i) map->SetMapValue(i, i + 1);
    map->SetMapValues12(5, 6);
    for (const char* name : kCompanyNames) map->AddCompanyName(name);
    AddLeagues(*map);
    int seed = 1;
    for (const SType& def : kLandTypes) {
        SType s = def;
        if (!options.plainLand && s.code == 0) s.code = 31;
        map->AddLandType(MakeType(s, seed++, options.pictures));
    }
    for (const SType& def : kStructureTypes) {
        const auto& omit = options.omitStructureCodes;
        if (std::find(omit.begin(), omit.end(), def.code) != omit.end()) continue;
        map->AddStructureType(MakeType(def, seed++, options.pictures));
    }
    map->SetMapTitle("Second Author");
    map->SetMapText("Third Author");
    map->SetAreaText("First Author");
    const uint8_t mark1[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const uint8_t mark3[] = {200, 150, 100, 50, 25, 12, 6};
    map->SetRawBlock(1, mark1, sizeof mark1);
    map->SetRawBlock(3, mark3, sizeof mark3);
    for (int a = 0; a < options.areaCount; ++a) map->AddArea(MakeArea(*map, a, options));
    return map;
}

std::vector<uint8_t> WriteFixtureMapFile(const SMapFixtureOptions& options) {
    return CMapFileWriter::Write(*MakeFixtureMap(options));
}

size_t FirstAreaCountOffset(const std::vector<uint8_t>& file) {
    // The first area's population (1200) follows its interleaved cells.
    const uint8_t population[] = {0xB0, 0x04, 0, 0};
    auto at = std::search(file.begin(), file.end(), std::begin(population), std::end(population));
    const size_t cells = size_t(kGridWidth) * size_t(kGridHeight);
    return size_t(at - file.begin()) - 4 * CBaseMapData::kGridCount * cells - 4;
}
