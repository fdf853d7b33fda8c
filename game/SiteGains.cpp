#include "game/SiteGains.h"

#include <algorithm>

#include "model/MapData.h"
#include "model/MapDoc.h"

CSiteGains::CSiteGains(const CMapDoc& map)
    : m_map(map),
      m_typeCount(static_cast<size_t>(std::max(map.GetStructureTypeCount(), 0))),
      m_rowOfCell(static_cast<size_t>(std::max(map.GetAreaCount(), 0))),
      m_buildable(m_rowOfCell.size()) {}

std::vector<CSiteGains::SGain>* CSiteGains::Row(int area, CCellPoint cell) {
    if (area < 0 || area >= m_map.GetAreaCount()) return nullptr;
    const CMapData& record = m_map.GetArea(area);
    if (!record.IsInGrid(cell.x, cell.y)) return nullptr;
    std::vector<int32_t>& rows = m_rowOfCell[static_cast<size_t>(area)];
    if (rows.empty())
        rows.assign(static_cast<size_t>(record.GetWidth()) * static_cast<size_t>(record.GetHeight()),
                    -1);
    int32_t& row = rows[record.CellIndex(cell.x, cell.y)];
    if (row < 0) {
        row = static_cast<int32_t>(m_rows.size());
        m_rows.emplace_back(m_typeCount);
    }
    return &m_rows[static_cast<size_t>(row)];
}

int8_t* CSiteGains::BuildableEntry(int area, int x, int y) {
    if (area < 0 || area >= m_map.GetAreaCount()) return nullptr;
    const CMapData& record = m_map.GetArea(area);
    if (!record.IsInGrid(x, y)) return nullptr;
    std::vector<int8_t>& cells = m_buildable[static_cast<size_t>(area)];
    if (cells.empty())
        cells.assign(static_cast<size_t>(record.GetWidth()) * static_cast<size_t>(record.GetHeight()),
                     -1);
    return &cells[record.CellIndex(x, y)];
}
