// The month's revenue step on the authored map (ORIGINAL.MQM and the
// character data of the program folder): every company owns buildings in
// several areas, pays staff and advertising and owns a team in season.
// Items processed are the map's cells, which the step walks every month.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "game/HeadlessServices.h"
#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/PersonDataFile.h"
#include "model/services/Services.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"

namespace {

// Hands the structures of every area round the companies, so that each
// owns buildings all over the map; returns the count of owned cells.
int ShareOutStructures(CVDoc& doc) {
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

void GiveStaffAndTeams(CVDoc& doc) {
    CMapDoc& map = doc.GetMap();
    for (int c = 0; c < doc.GetCompanyCount(); ++c) {
        CEnterprise& company = *doc.GetEnterprise(c);
        company.SetEmployees(3000);
        company.SetStandardSalary(25);
        company.SetAdvertisingBudget(40);
        for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
            CLeague& league = map.GetLeague(l);
            if (c >= league.GetTeamCount()) continue;
            company.SetLeagueTeam(l, c);
            league.GetTeam(c).SetOwner(c);
        }
    }
}

void BM_MonthlyRevenue(benchmark::State& state) {
    CHeadlessServices services;
    CRuntimeRandom::Seed(1);
    CVDoc doc;
    auto scopedDoc = ScopedDoc(&doc);
    if (!doc.PrepareNewGameFrom(CProgramFolder::File(CVDoc::kDefaultMapFile),
                                CProgramFolder::File(CPersonDataFile::kFileName)) ||
        !doc.SetupEnterprises()) {
        state.SkipWithError("the authored data files did not make a game");
        return;
    }
    const int owned = ShareOutStructures(doc);
    GiveStaffAndTeams(doc);
    doc.SetMonth(4);
    int cells = 0;
    for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a)
        cells += doc.GetMap().GetArea(a).GetWidth() * doc.GetMap().GetArea(a).GetHeight();
    for (auto _ : state) benchmark::DoNotOptimize(doc.CalcMonthlyRevenue());
    state.SetItemsProcessed(state.iterations() * cells);
    state.counters["companies"] = doc.GetCompanyCount();
    state.counters["areas"] = doc.GetMap().GetAreaCount();
    state.counters["owned_cells"] = owned;
}
BENCHMARK(BM_MonthlyRevenue)->Unit(benchmark::kMicrosecond);

}  // namespace
