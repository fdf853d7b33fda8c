// The month's revenue step on the authored map (ORIGINAL.MQM and the
// character data of the program folder): every company owns buildings in
// several areas, pays staff and advertising and owns a team in season.
// Items processed are the map's cells, which the step walks every month.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "SharedStructures.h"
#include "game/HeadlessServices.h"
#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/PersonDataFile.h"
#include "model/services/Services.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"

namespace {

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
