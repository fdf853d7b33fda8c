#pragma once
// What the area's monthly passes ask of a cell's land type and structure
// type, gathered from the map's type tables into two flat arrays: one entry
// per land type and one per structure number (0 = no structure). A pass
// builds one when it starts, then reads one small entry per cell instead of
// going from the cell to the type object and asking it. The types do not
// change while a pass runs; a table kept longer could miss a change made
// through a type the map handed out, so none is kept.

#include <cstddef>
#include <vector>

#include "model/StructureCodes.h"

class CBD;
class CMapDoc;

class CCellTypeTable {
public:
    struct SLand {
        // Null for a land type outside the map's table.
        const CBD* type = nullptr;
        int code = 0;
        int value = 0;

        bool IsPlain() const { return type && code == StructureCode::kPlain; }
    };
    struct SStructure {
        // Null for no structure or a number outside the map's table.
        const CBD* type = nullptr;
        // 0 without a structure, as the map's cell queries answer.
        int code = 0;
        int value = 0;
        bool destructible = false;
    };

    explicit CCellTypeTable(const CMapDoc& map);

    // Indexes outside the tables answer as no type.
    const SLand& Land(int landType) const {
        return static_cast<size_t>(landType) < m_land.size() ? m_land[static_cast<size_t>(landType)]
                                                             : m_noLand;
    }
    const SStructure& Structure(int number) const {
        return static_cast<size_t>(number) < m_structures.size()
                   ? m_structures[static_cast<size_t>(number)]
                   : m_structures.front();
    }

private:
    std::vector<SLand> m_land;
    // Entry 0 stands for no structure, entry n for structure type n - 1.
    std::vector<SStructure> m_structures;
    SLand m_noLand;
};
