#pragma once
// Maps for the cell operation and monthly step tests: the fixture map's
// type tables with every type usable, and blank areas of plain meadow.

#include <memory>

#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/MapData.h"
#include "model/MapDoc.h"

inline void MakeTypesUsable(CMapDoc& map) {
    for (int i = 0; i < map.GetLandTypeCount(); ++i) map.GetLandTypeEntry(i)->SetFlags(1, 1, 0);
    for (int i = 0; i < map.GetStructureTypeCount(); ++i)
        map.GetStructureType(i)->SetFlags(1, 1, 0);
}

// areas blank areas of w x h meadow cells with land value 30.
inline std::unique_ptr<CMapDoc> MakeBlankMap(int w, int h, int areas = 1) {
    SMapFixtureOptions options;
    options.areaCount = 0;
    auto map = MakeFixtureMap(options);
    MakeTypesUsable(*map);
    map->SetGridSize(w, h);
    for (int a = 0; a < areas; ++a) {
        CMapData area;
        area.SetGridSize(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                area.SetLandType(x, y, fixtureMeadow);
                area.SetLandValue(x, y, 30);
            }
        map->AddArea(area);
    }
    map->FinishLoad();
    return map;
}
