#pragma once
// Maps for the cell operation and monthly step tests and benchmarks: the
// fixture map's type tables with every type usable, blank areas of plain
// meadow, and busy areas with mixed land, houses, shops, offices, stadiums
// and a nuisance works.

#include <memory>

#include "model/Random.h"
#include "platform/core/RuntimeRandom.h"

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

// The structure type of code 75 that MakeBusyMap adds to the fixture types.
inline int AddWorksType(CMapDoc& map) {
    CBD works;
    works.SetName("Works");
    works.SetTypeCode(75);
    works.SetFlags(1, 1, 0);
    works.SetBonuses(0, 0, 0, 200);
    map.AddStructureType(works);
    map.FinishLoad();
    return map.GetStructureTypeCount() - 1;
}

// areas areas of w x h cells (w, h >= 4) filled from a fixed seed; owners
// are companies 0..3.
inline std::unique_ptr<CMapDoc> MakeBusyMap(int w, int h, int areas, uint32_t seed) {
    auto map = MakeBlankMap(w, h, areas);
    const int works = AddWorksType(*map);
    auto type = [&](int code) { return FindStructureOfCode(*map, code); };
    const int land[] = {fixtureMeadow, fixtureScrub, fixtureField, fixtureFoundation};
    const uint32_t saved = CRuntimeRandom::State();
    CRuntimeRandom::Seed(seed);
    for (int a = 0; a < areas; ++a) {
        CMapDoc& m = *map;
        CMapData& area = m.GetArea(a);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int kind = Random(20);
                area.SetLandType(x, y, land[kind < 17 ? kind % 3 : 3]);
                area.SetLandValue(x, y, 10 + Random(30));
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (!m.IsPlainLand(a, x, y)) continue;
                int roll = Random(100);
                if (roll < 15)
                    m.SetStructureAt(a, x, y, type(55) + 1 + Random(2));
                else if (roll < 19)
                    m.SetStructureAt(a, x, y, type(30) + 1);
                if (roll < 19 && Random(4) == 0) area.SetCellOwner(x, y, 1 + Random(4));
            }
        // Company sites away from the edges, one of each.
        const int sites[][3] = {{type(60), 3, 3},
                                {type(61), w - 2, 2},
                                {type(80), w - 1, h - 1},
                                {type(85), 3, h - 1},
                                {works, w / 2, h / 2}};
        for (const auto& site : sites) {
            m.SetStructureAt(a, site[1], site[2], site[0] + 1);
            if (site[0] != works) m.SetStructureOwner(a, site[1], site[2], 1 + (a + site[0]) % 4);
        }
        area.InitPotential(Random(120) - 60);
    }
    CRuntimeRandom::SetState(saved);
    return map;
}
