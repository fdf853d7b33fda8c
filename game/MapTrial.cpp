#include "game/MapTrial.h"

#include <algorithm>
#include <cstdlib>

CMapTrial::CMapTrial(CMapData& area) : m_area(area) {
    for (int list = 0; list < 2; ++list)
        for (int i = 0; i < area.GetStadiumCount(list); ++i)
            m_stadiums[static_cast<size_t>(list)].push_back(area.GetPairListCell(list, i));
}

void CMapTrial::Record(int x0, int y0, int x1, int y1) {
    for (int y = std::max(y0, 0); y <= std::min(y1, m_area.GetHeight() - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, m_area.GetWidth() - 1); ++x) {
            // A trial touches a few footprints: a short list is searched
            // faster than a map of the area is made.
            if (std::any_of(m_cells.begin(), m_cells.end(),
                            [&](const SCell& c) { return c.x == x && c.y == y; }))
                continue;
            SCell cell{x, y, {}};
            for (int layer = 0; layer < CMapData::kLayerCount; ++layer)
                cell.layers[static_cast<size_t>(layer)] = m_area.GetLayer(layer, x, y);
            m_cells.push_back(cell);
        }
}

void CMapTrial::Restore() {
    for (const SCell& cell : m_cells)
        for (int layer = 0; layer < CMapData::kLayerCount; ++layer)
            m_area.SetLayer(layer, cell.x, cell.y, cell.layers[static_cast<size_t>(layer)]);
    for (int list = 0; list < 2; ++list) {
        const auto& kept = m_stadiums[static_cast<size_t>(list)];
        bool same = m_area.GetStadiumCount(list) == static_cast<int>(kept.size());
        for (size_t i = 0; same && i < kept.size(); ++i)
            same = m_area.GetPairListCell(list, static_cast<int>(i)) == kept[i];
        if (same) continue;
        while (m_area.GetStadiumCount(list) > 0)
            m_area.RemoveStadiumCell(list, m_area.GetPairListCell(list, 0));
        for (const CCellPoint& cell : kept) m_area.AddStadiumCell(list, cell);
    }
}

bool CMapTrial::Touches(int x, int y, int distance) const {
    return Touches(x, y, distance, m_cells.size());
}

bool CMapTrial::Touches(int x, int y, int distance, size_t count) const {
    const auto end = m_cells.begin() + static_cast<std::ptrdiff_t>(std::min(count, m_cells.size()));
    return std::any_of(m_cells.begin(), end, [&](const SCell& c) {
        return std::abs(c.x - x) <= distance && std::abs(c.y - y) <= distance;
    });
}
