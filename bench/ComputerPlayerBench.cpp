// The computer players on the authored map (ORIGINAL.MQM and the character
// data of the program folder) in a mid-game month: every company owns
// buildings, has income, funds, staff and strong areas. BM_ComputerTurns
// runs the turns of all companies of one month (the game is put back before
// each iteration, outside the timing); BM_PlanNext asks one company for its
// next plan, which changes nothing.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "fakes/MidGame.h"
#include "game/ComCommand.h"
#include "game/HeadlessServices.h"
#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/PersonData.h"
#include "model/PersonDataFile.h"
#include "model/services/Services.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"

namespace {

constexpr int kCompanies = 10;

bool PrepareGame(CVDoc& doc, benchmark::State& state) {
    CRuntimeRandom::Seed(1);
    doc.SetEnterpriseCount(kCompanies);
    if (!doc.PrepareNewGameFrom(CProgramFolder::File(CVDoc::kDefaultMapFile),
                                CProgramFolder::File(CPersonDataFile::kFileName)) ||
        !doc.SetupEnterprises()) {
        state.SkipWithError("the authored data files did not make a game");
        return false;
    }
    MakeMidGame(doc);
    return true;
}

void BM_ComputerTurns(benchmark::State& state) {
    CHeadlessServices services;
    CVDoc doc;
    auto scopedDoc = ScopedDoc(&doc);
    if (!PrepareGame(doc, state)) return;
    const std::vector<uint8_t> start = doc.SaveBytes();
    int plans = 0;
    for (auto _ : state) {
        state.PauseTiming();
        doc.LoadBytes(start);
        CRuntimeRandom::Seed(5);
        state.ResumeTiming();
        for (int c = 0; c < doc.GetCompanyCount(); ++c) CComCommand(doc, c).RunMonth();
        state.PauseTiming();
        plans = 0;
        for (int c = 0; c < doc.GetCompanyCount(); ++c) plans += doc.GetEnterprise(c)->GetPlanCount();
        state.ResumeTiming();
    }
    state.counters["companies"] = doc.GetCompanyCount();
    state.counters["plans_after"] = plans;
}
BENCHMARK(BM_ComputerTurns)->Unit(benchmark::kMicrosecond);

void BM_PlanNext(benchmark::State& state) {
    CHeadlessServices services;
    CVDoc doc;
    auto scopedDoc = ScopedDoc(&doc);
    if (!PrepareGame(doc, state)) return;
    CRuntimeRandom::Seed(5);
    int found = 0;
    for (auto _ : state) {
        CCmdPacket plan;
        found += CComCommand(doc, 0).PlanNext(plan) ? 1 : 0;
        benchmark::DoNotOptimize(plan);
    }
    state.counters["found"] = found;
}
BENCHMARK(BM_PlanNext)->Unit(benchmark::kMicrosecond);

}  // namespace
