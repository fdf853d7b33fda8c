#include "model/CellTypeTable.h"

#include "model/BD.h"
#include "model/MapDoc.h"

CCellTypeTable::CCellTypeTable(const CMapDoc& map) {
    m_land.resize(static_cast<size_t>(map.GetLandTypeCount()));
    for (size_t i = 0; i < m_land.size(); ++i) {
        const CBD* type = map.GetLandTypeEntry(static_cast<int>(i));
        m_land[i] = {type, type->GetTypeCode(), type->GetLandValue()};
    }
    m_structures.resize(static_cast<size_t>(map.GetStructureTypeCount()) + 1);
    for (size_t n = 1; n < m_structures.size(); ++n) {
        const CBD* type = map.GetStructureType(static_cast<int>(n - 1));
        m_structures[n] = {type, type->GetTypeCode(), type->GetLandValue(), type->IsDestructible()};
    }
}
