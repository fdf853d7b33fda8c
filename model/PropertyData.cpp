#include "model/PropertyData.h"

#include <algorithm>
#include <cmath>

#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/Saturate.h"
#include "model/services/Services.h"

namespace {

constexpr int kYear = 12;

}  // namespace

void CPropertyData::SetFromLot(int area, int x, int y) {
    const CMapDoc* map = Services::Map().GetMapDoc();
    if (!map || area < 0 || area >= map->GetAreaCount() || !map->GetArea(area).IsInGrid(x, y))
        return;
    const CBD* land = map->GetCellStructureType(area, x, y, 1);
    const CBD* structure = map->GetCellStructureType(area, x, y, 0);
    m_cell = CCellPoint(x, y);
    m_hasStructure = structure ? 1 : 0;
    m_landName = land ? land->GetName() : std::string();
    m_structureName = structure ? structure->GetName() : std::string();
    m_price = map->GetLotPrice(area, x, y, 0);
    m_life = map->GetStructureLayer7(area, x, y);
    m_proceeds = m_profit = 0;
    if (structure) AddStructureFigures(area, x, y);
}

void CPropertyData::AddStructureFigures(int area, int x, int y) {
    const CMapDoc& map = *Services::Map().GetMapDoc();
    CCellPoint anchor, first;
    if (!map.GetStructureExtent(area, x, y, anchor, first)) return;
    double income = 0.0, expense = 0.0;
    for (int cy = first.y; cy <= anchor.y; ++cy)
        for (int cx = first.x; cx <= anchor.x; ++cx)
            Services::Map().CalcLotValue(area, cx, cy, -1, income, expense, 0);
    // On an observer's machine nobody's staff is paid here.
    const CEnterprise* own = Services::Companies().GetOwnCompany();
    const CBD* type = map.GetCellStructureType(area, x, y, 0);
    int pay = own && type ? own->CalcSalaryCost(type->GetValueFigure(), kYear) : 0;
    m_proceeds = TruncToInt(income);
    m_profit = TruncToInt(income - expense - pay);
}
