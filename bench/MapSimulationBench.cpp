// One month of every area of a map: the authored map ORIGINAL.MQM of the
// program folder when there is one, else the small fixture map; and busy
// generated areas of 64 x 64 cells for a figure per cell at a realistic
// size. Items processed are cells, so the rate gives the time per cell.
// Also the site rating on its own, per call, at the radii its callers use.

#include <benchmark/benchmark.h>

#include "fakes/FakeMapWorld.h"
#include "fakes/MapFileFixture.h"
#include "fakes/MapWorldFixtures.h"
#include "model/MapDoc.h"
#include "platform/core/RuntimeRandom.h"

namespace {

int CountCells(const CMapDoc& map) {
    int cells = 0;
    for (int a = 0; a < map.GetAreaCount(); ++a)
        cells += map.GetArea(a).GetWidth() * map.GetArea(a).GetHeight();
    return cells;
}

void RunMonths(benchmark::State& state, CFakeMapWorld& world) {
    CMapDoc& map = world.Map();
    CRuntimeRandom::Seed(1);
    map.InitAreaValues();
    int month = 0;
    for (auto _ : state) {
        world.doc.currentMonthIndex = month++;
        for (int a = 0; a < map.GetAreaCount(); ++a) map.RunAreaMonth(a);
        // The frame fake keeps a log; keep it from growing over the run.
        world.frame.calls.clear();
        world.frame.lostStructures.clear();
    }
    const int cells = CountCells(map);
    state.SetItemsProcessed(state.iterations() * cells);
    state.counters["cells"] = cells;
    state.counters["areas"] = map.GetAreaCount();
}

void BM_MapMonth(benchmark::State& state) {
    auto map = CFakeMapWorld::LoadOriginalMap();
    const bool authored = map != nullptr;
    if (!map) {
        map = MakeFixtureMap();
        MakeTypesUsable(*map);
    }
    const int companies = map->GetMaxCompanyCount();
    CFakeMapWorld world(std::move(map), companies);
    state.SetLabel(authored ? "ORIGINAL.MQM" : "fixture map");
    RunMonths(state, world);
}
BENCHMARK(BM_MapMonth)->Unit(benchmark::kMicrosecond);

void BM_BusyMapMonth(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    CFakeMapWorld world(MakeBusyMap(side, side, 8, 5));
    RunMonths(state, world);
}
BENCHMARK(BM_BusyMapMonth)->Arg(64)->Unit(benchmark::kMillisecond);

// RateSite at every cell of a busy 64 x 64 area in turn: for no company on
// the land types' values (as the land values seep) and for a company on
// the current land values (as a director searches a lot).
void BM_RateSite(benchmark::State& state) {
    const int radius = static_cast<int>(state.range(0));
    const bool forCompany = state.range(1) != 0;
    CFakeMapWorld world(MakeBusyMap(64, 64, 1, 5));
    CMapDoc& map = world.Map();
    CRuntimeRandom::Seed(1);
    map.InitAreaValues();
    const int company = forCompany ? 0 : -1, current = forCompany ? 1 : 0;
    int cell = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(map.RateSite(0, cell % 64, cell / 64, radius, company, current));
        cell = (cell + 1) % (64 * 64);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RateSite)
    ->ArgNames({"radius", "company"})
    ->ArgsProduct({{1, 3, 6}, {0, 1}})
    ->Unit(benchmark::kNanosecond);

}  // namespace
