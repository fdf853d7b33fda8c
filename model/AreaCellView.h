#pragma once
// One area's cells as a pass over many of them reads them: the layers it
// needs and, through the pass's type table, each cell's land and structure
// entries and the tests built on them. The pass checks its loop bounds
// once; the accessors take a cell index (Index, or CMapData::CellIndex)
// that lies in the grid and check nothing themselves. The view reads the
// area as it is now, so a pass that changes cells sees its own changes.

#include <cstddef>
#include <span>

#include "model/CellTypeTable.h"
#include "model/MapData.h"
#include "model/MapDoc.h"

class CAreaCellView {
public:
    CAreaCellView(const CMapData& area, const CCellTypeTable& types)
        : m_area(area),
          m_types(types),
          m_land(area.Cells(CMapData::layerLandType)),
          m_structure(area.Cells(CMapData::layerStructure)),
          m_construction(area.Cells(CMapData::layerConstructionState)),
          m_owner(area.Cells(CMapData::layerOwner)),
          m_value(area.Cells(CMapData::layerLandValue)) {}

    int Width() const { return m_area.GetWidth(); }
    int Height() const { return m_area.GetHeight(); }
    size_t Index(int x, int y) const { return m_area.CellIndex(x, y); }

    const CCellTypeTable::SLand& Land(size_t i) const { return m_types.Land(m_land[i]); }
    // A covered cell answers its anchor's structure.
    const CCellTypeTable::SStructure& Structure(size_t i) const {
        return m_types.Structure(m_area.StructureNoAt(i));
    }
    int Owner(size_t i) const { return m_owner[i]; }
    int LandValue(size_t i) const { return m_value[i]; }
    bool IsAnchorOrFree(size_t i) const { return m_structure[i] >= 0; }
    // A structure number above 0, or a covered cell.
    bool HasStructure(size_t i) const { return m_structure[i] > 0 || m_structure[i] == -1; }
    bool IsSpecial(size_t i) const {
        // The structure counts on road or rail land only: most cells are
        // decided without following it.
        const int land = Land(i).code;
        const bool track = land == StructureCode::kRoadLand || land == StructureCode::kRailLand;
        return CMapDoc::IsSpecialKind(m_construction[i], land, track ? Structure(i).code : 0);
    }
    // The lot price of the cell's land alone (CMapDoc::GetLotPrice with land
    // only): -1 when it cannot be traded, else at least 1.
    int LandLotPrice(size_t i) const {
        const CCellTypeTable::SLand& land = Land(i);
        if (!CMapDoc::AreTypesUsable(land.type, Structure(i).type)) return -1;
        return std::max(
            ClampToInt(CMapDoc::LandCellPrice(*land.type, m_area.GetLevel(), m_value[i])), 1);
    }

private:
    const CMapData& m_area;
    const CCellTypeTable& m_types;
    std::span<const int32_t> m_land, m_structure, m_construction, m_owner, m_value;
};
