#include "judge/MapDoc.h"

#include <algorithm>

#include "judge/Saturate.h"
#include "model/BD.h"
#include "model/MapData.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"

namespace judge {

CMapDoc::CMapDoc() : m_map(std::make_unique<::CMapDoc>()) {}
CMapDoc::~CMapDoc() = default;

void CMapDoc::Load(CArchive& ar) {
    m_map->SetMapFileMode(0);
    m_map->Serialize(ar);
    // Page 18 is ranked once per area and the announcement keeps one slot
    // per area: a map without areas would never end it.
    if (m_map->GetAreaCount() < 1 || m_map->GetAreaCount() > kMaxAreas)
        throw eMERCAVO_ERROR_CONTENTS;
}

void CMapDoc::CheckOwners(int companyCount) const {
    for (int a = 0; a < m_map->GetAreaCount(); ++a) {
        const CMapData& area = m_map->GetArea(a);
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < area.GetWidth(); ++x)
                CheckRange(area.GetCellOwner(x, y), 0, companyCount);
    }
}

int64_t CMapDoc::GetLandValue(int area, int x, int y) const {
    const CMapData& data = m_map->GetArea(area);
    const CBD* land = m_map->GetLandTypeEntry(data.GetLandType(x, y));
    if (!land) return 0;
    if (land->GetTypeCode() != 0) return land->GetFixedLandPrice();
    return int64_t{data.GetLevel()} * land->GetLandValue() / 50;
}

int CMapDoc::GetLotPrice(int area, int x, int y, int landOnly) const {
    const CMapData& data = m_map->GetArea(area);
    int number = data.GetStructureAt(x, y, 1);
    const CBD* type = number > 0 ? m_map->GetStructureType(number - 1) : nullptr;
    if (landOnly || !type) return Saturate(GetLandValue(area, x, y));
    int64_t price = int64_t{type->GetBasePrice()} + 20 * int64_t{type->GetPriceStep()};
    int width = 1, height = 1;
    type->GetSize(width, height);
    // The structure covers the rectangle up and left of its anchor; the
    // part outside the grid has no land to add.
    CCellPoint anchor = data.GetAnchorCell(x, y);
    int left = std::max(anchor.x - width + 1, 0), top = std::max(anchor.y - height + 1, 0);
    for (int cy = top; cy <= anchor.y && cy < data.GetHeight(); ++cy)
        for (int cx = left; cx <= anchor.x && cx < data.GetWidth(); ++cx)
            price += GetLandValue(area, cx, cy);
    return Saturate(price);
}

}  // namespace judge
