#include "game/SiteLotValues.h"

#include <algorithm>
#include <cstdlib>

#include "game/MapTrial.h"
#include "model/BD.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/StructureCodes.h"

CSiteLotValues::CSiteLotValues(const CMapDoc& map, int area, CCellPoint site, int radius)
    : m_map(map),
      m_area(area),
      m_site(site),
      m_radius(std::max(radius, 0)),
      m_cells(static_cast<size_t>((2 * m_radius + 1) * (2 * m_radius + 1))) {}

void CSiteLotValues::BeginTrial(const CMapTrial& trial, int number, CCellPoint first,
                                bool reusable) {
    m_trial = &trial;
    // The trial has recorded the pending constructions' cells so far.
    m_pendingCells = trial.RecordedCount();
    m_number = number;
    m_first = first;
    m_reusable = reusable;
    m_asked = nullptr;
}

bool CSiteLotValues::InPlaced(int x, int y) const {
    return x >= m_first.x && x <= m_site.x && y >= m_first.y && y <= m_site.y;
}

CSiteLotValues::SCell* CSiteLotValues::StableCell(int x, int y) {
    if (!m_reusable || !m_trial) return nullptr;
    const int dx = x - m_site.x, dy = y - m_site.y;
    if (std::abs(dx) > m_radius || std::abs(dy) > m_radius) return nullptr;
    // The placed structure's own cells are new lots.
    if (InPlaced(x, y)) return nullptr;
    const size_t side = static_cast<size_t>(2 * m_radius + 1);
    SCell& cell =
        m_cells[static_cast<size_t>(dy + m_radius) * side + static_cast<size_t>(dx + m_radius)];
    // Outside the placed rectangle a reusable trial leaves the cell's layers
    // as they are with the pending constructions alone.
    if (!cell.known) {
        const CMapData& record = m_map.GetArea(m_area);
        cell.raw = record.GetStructureAt(x, y, 0);
        cell.anchor = record.GetAnchorCell(x, y);
    }
    // A covered cell reads its anchor's structure: it holds the same only
    // while the anchor lies outside the placed rectangle.
    if (cell.raw < 0 && (cell.raw != -1 || InPlaced(cell.anchor.x, cell.anchor.y))) return nullptr;
    if (!cell.known) {
        cell.type = m_map.GetCellStructureType(m_area, x, y, 0);
        cell.radius = cell.type ? std::max(cell.type->GetEffectRadius(), 0) : 0;
        cell.nearPending = m_trial->Touches(x, y, cell.radius, m_pendingCells);
        cell.known = true;
    }
    return &cell;
}

bool CSiteLotValues::TrialLots(int companies, std::vector<SLot>& lots) {
    lots.clear();
    if (!m_reusable || !m_trial) return false;
    const CMapData& record = m_map.GetArea(m_area);
    const auto owners = record.Cells(CMapData::layerOwner);
    const auto structures = record.Cells(CMapData::layerStructure);
    // An owned cell with a structure's anchor or a cell it covers.
    auto ownerOfLot = [&](int x, int y) {
        const size_t i = record.CellIndex(x, y);
        const int owner = owners[i], number = structures[i];
        return owner >= 1 && owner <= companies && (number > 0 || number == -1) ? owner - 1 : -1;
    };
    const int x0 = std::max(m_site.x - m_radius, 0),
              x1 = std::min(m_site.x + m_radius, record.GetWidth() - 1);
    const int y0 = std::max(m_site.y - m_radius, 0),
              y1 = std::min(m_site.y + m_radius, record.GetHeight() - 1);
    // The placed rectangle was clear: outside it a trial changes no cell,
    // so the other lots are the same for every reusable trial.
    if (!m_lotsFound) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const int owner = ownerOfLot(x, y);
                if (owner >= 0 && !InPlaced(x, y)) m_lots.push_back({x, y, owner});
            }
        m_lotsFound = true;
    }
    // The placed structure's cells go in among them, row by row.
    auto placedLotsUpTo = [&](int& py, int& px, int y, int x) {
        for (; py <= std::min(m_site.y, y1); ++py, px = std::max(m_first.x, x0)) {
            for (; px <= std::min(m_site.x, x1); ++px) {
                if (py > y || (py == y && px > x)) return;
                const int owner = ownerOfLot(px, py);
                if (owner >= 0) lots.push_back({px, py, owner});
            }
        }
    };
    int py = std::max(m_first.y, y0), px = std::max(m_first.x, x0);
    for (const SLot& lot : m_lots) {
        placedLotsUpTo(py, px, lot.y, lot.x);
        lots.push_back(lot);
    }
    placedLotsUpTo(py, px, y1, x1);
    return true;
}

bool CSiteLotValues::PlacedLotsStandAlone() const {
    if (!m_reusable || !m_trial) return false;
    const CBD* type = m_map.GetStructureType(m_number - 1);
    if (!type || StructureCode::StadiumKindOfCode(type->GetTypeCode()) >= 0) return false;
    return type->GetEffectRadius() <= 0 || type->GetEffect(m_number) == 0.0;
}

bool CSiteLotValues::Takes(int x, int y) {
    if (const SCell* cell = StableCell(x, y)) {
        const int d = cell->radius;
        return cell->nearPending ||
               (x >= m_first.x - d && x <= m_site.x + d && y >= m_first.y - d && y <= m_site.y + d);
    }
    const CBD* type = m_map.GetCellStructureType(m_area, x, y, 0);
    return m_trial && m_trial->Touches(x, y, type ? std::max(type->GetEffectRadius(), 0) : 0);
}

bool CSiteLotValues::Unaffected(const SCell& cell) const {
    if (!cell.type || StructureCode::StadiumKindOfCode(cell.type->GetTypeCode()) >= 0) return false;
    // A structure the lot's type has no effect for adds nothing to its
    // environment rating (each neighbour adds effect x weight, and the
    // weights do not depend on what stands there).
    return cell.type->GetEffectRadius() <= 0 || cell.type->GetEffect(m_number) == 0.0;
}

bool CSiteLotValues::Recalls(int x, int y, double& value) {
    m_asked = nullptr;
    SCell* cell = StableCell(x, y);
    if (!cell || !Unaffected(*cell)) return false;
    if (cell->hasValue) {
        value = cell->value;
        return true;
    }
    m_asked = cell;
    return false;
}

void CSiteLotValues::Note(int, int, double value) {
    // The listing tells of the lot it asked about last.
    if (m_asked) {
        m_asked->value = value;
        m_asked->hasValue = true;
    }
    m_asked = nullptr;
}
