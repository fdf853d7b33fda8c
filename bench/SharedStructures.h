#pragma once
// The benchmarks' mid-game map: the structures handed round the companies.

#include "game/VDoc.h"
#include "model/MapData.h"

// Hands the structures of every area round the companies, so that each
// owns buildings all over the map; returns the count of owned cells.
inline int ShareOutStructures(CVDoc& doc) {
    CMapDoc& map = doc.GetMap();
    const int companies = doc.GetCompanyCount();
    int next = 0, owned = 0;
    for (int a = 0; a < map.GetAreaCount(); ++a) {
        const CMapData& area = map.GetArea(a);
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < area.GetWidth(); ++x) {
                if (!map.HasStructureAt(a, x, y) || !map.IsAnchorCell(a, x, y)) continue;
                map.SetStructureOwner(a, x, y, next % companies + 1);
                ++next;
            }
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < area.GetWidth(); ++x)
                if (area.GetCellOwner(x, y) > 0) ++owned;
    }
    return owned;
}
