#include "tools/mkdata/AreaBuilder.h"

#include "tools/mkdata/MapRules.h"

namespace {
constexpr char kNoStructure = '.';

// Codes the game places itself: a fire burns in a construction state, the
// marker and the crossings come with construction sites.
bool PlacedByGameOnly(int code) {
    return code == 40 || code == 45 || code == 25 || code == 26 || code == 27;
}
}  // namespace

CAreaBuilder::CAreaBuilder(const CMapContent& content, const CMapContent::SArea& area)
    : m_spec(content), m_area(area) {}

void CAreaBuilder::Fail(int line, const std::string& what) const {
    CMapRules::Fail({m_area.place.file, line}, what);
}

CMapData CAreaBuilder::Build() {
    CMapData area;
    area.SetName(m_area.name);
    area.SetExplanation(m_area.explanation);
    area.SetGridSize(m_spec.gridWidth, m_spec.gridHeight);
    PlaceLand(area);
    PlaceHeights(area);
    PlaceStructures(area);
    area.SetPopulation(m_area.population);
    area.AddLevel(m_area.level - area.GetLevel());
    area.AddEffect(5, m_area.effect5);
    area.SetPotential(m_area.potential);
    area.SetFigure19(m_area.figure19);
    area.SetFigure20(m_area.quake);
    return area;
}

void CAreaBuilder::PlaceLand(CMapData& area) const {
    // CMapRules has checked every sign and name.
    for (int y = 0; y < m_spec.gridHeight; ++y)
        for (int x = 0; x < m_spec.gridWidth; ++x) {
            char sign = m_area.land[static_cast<size_t>(y)].second[static_cast<size_t>(x)];
            area.SetLandType(x, y, CMapRules::FindLand(m_spec, m_spec.landLegend.at(sign).name));
        }
}

void CAreaBuilder::PlaceHeights(CMapData& area) const {
    for (size_t y = 0; y < m_area.height.size(); ++y)
        for (int x = 0; x < m_spec.gridWidth; ++x)
            area.SetLayer(CMapData::layerHeight, x, static_cast<int>(y),
                          m_area.height[y].second[static_cast<size_t>(x)] - '0');
}

void CAreaBuilder::PlaceStructures(CMapData& area) {
    if (m_area.build.empty()) return;
    if (static_cast<int>(m_area.build.size()) != m_spec.gridHeight)
        Fail(m_area.place.line, "the build grid is not whole");
    m_claimed.assign(static_cast<size_t>(m_spec.gridHeight),
                     std::vector<bool>(static_cast<size_t>(m_spec.gridWidth), false));
    for (int y = 0; y < m_spec.gridHeight; ++y) {
        const auto& [line, row] = m_area.build[static_cast<size_t>(y)];
        for (int x = 0; x < m_spec.gridWidth; ++x) {
            char sign = row[static_cast<size_t>(x)];
            if (sign != kNoStructure && !m_claimed[static_cast<size_t>(y)][static_cast<size_t>(x)])
                PlaceOne(area, x, y, sign, line);
        }
    }
}

void CAreaBuilder::PlaceOne(CMapData& area, int x0, int y0, char sign, int line) {
    auto entry = m_spec.structureLegend.find(sign);
    if (entry == m_spec.structureLegend.end())
        Fail(line, std::string("structure sign '") + sign + "' is not in the legend");
    int type = CMapRules::FindStructure(m_spec, entry->second.name);
    if (type < 0)
        CMapRules::Fail(entry->second.place, "the legend names an unknown structure type \"" +
                                                 entry->second.name + "\"");
    const CMapContent::SStructure& content = m_spec.structures[static_cast<size_t>(type)];
    if (PlacedByGameOnly(content.code))
        Fail(line, "\"" + content.name + "\" (code " + std::to_string(content.code) +
                       ") is placed by the game, not by the map");
    std::string where = " at column " + std::to_string(x0) + " of area \"" + m_area.key + "\"";
    for (int j = 0; j < content.height; ++j)
        for (int i = 0; i < content.width; ++i) {
            int x = x0 + i, y = y0 + j;
            if (x >= m_spec.gridWidth || y >= m_spec.gridHeight ||
                m_claimed[static_cast<size_t>(y)][static_cast<size_t>(x)] ||
                m_area.build[static_cast<size_t>(y)].second[static_cast<size_t>(x)] != sign)
                Fail(line, "\"" + content.name + "\" needs a whole " + std::to_string(content.width) +
                               "x" + std::to_string(content.height) + " block of '" + sign + "'" +
                               where);
            m_claimed[static_cast<size_t>(y)][static_cast<size_t>(x)] = true;
        }
    CheckFootprintGround(area, x0, y0, type, line);
    int ax = x0 + content.width - 1, ay = y0 + content.height - 1;
    for (int j = 0; j < content.height; ++j)
        for (int i = 0; i < content.width; ++i) {
            int x = x0 + i, y = y0 + j;
            if (x == ax && y == ay)
                area.SetStructureNo(x, y, type + 1);
            else
                area.SetCovered(x, y, ax, ay);
        }
}

void CAreaBuilder::CheckFootprintGround(const CMapData& area, int x0, int y0, int type,
                                        int line) const {
    const CMapContent::SStructure& content = m_spec.structures[static_cast<size_t>(type)];
    int level = area.GetGroundHeight(x0, y0);
    for (int j = 0; j < content.height; ++j)
        for (int i = 0; i < content.width; ++i) {
            int x = x0 + i, y = y0 + j;
            std::string where = " (column " + std::to_string(x) + ", row " + std::to_string(y) +
                                " of area \"" + m_area.key + "\")";
            if (area.GetGroundHeight(x, y) != level)
                Fail(line, "\"" + content.name + "\" stands on uneven ground" + where);
            const CMapContent::SLand& land = m_spec.lands[static_cast<size_t>(area.GetLandType(x, y))];
            if (!land.usable)
                Fail(line, "\"" + content.name + "\" stands on " + land.name +
                               ", which cannot carry buildings" + where);
        }
}

bool CAreaBuilder::FindNthOfCode(const CMapContent& content, const CMapData& area, int code, int n,
                                 int& x, int& y) {
    for (int cy = 0; cy < area.GetHeight(); ++cy)
        for (int cx = 0; cx < area.GetWidth(); ++cx) {
            int number = area.GetStructureAt(cx, cy, 0);
            if (number < 1 || content.structures[static_cast<size_t>(number - 1)].code != code)
                continue;
            if (--n == 0) {
                x = cx;
                y = cy;
                return true;
            }
        }
    return false;
}
