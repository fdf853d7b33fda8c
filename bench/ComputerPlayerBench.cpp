// The computer players on the authored map (ORIGINAL.MQM and the character
// data of the program folder) in a mid-game month: every company owns
// buildings, has income, funds, staff and strong areas. BM_ComputerTurns
// runs the turns of all companies of one month (the game is put back before
// each iteration, outside the timing); BM_PlanNext asks one company for its
// next plan, which changes nothing.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "SharedStructures.h"
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

// Every company holds buildings in every area, three directors, staff,
// income and funds, and stands at presence level 3 in some areas.
void MakeMidGame(CVDoc& doc) {
    ShareOutStructures(doc);
    const int companies = doc.GetCompanyCount();
    int person = 0;
    for (int c = 0; c < companies; ++c) {
        CEnterprise& company = *doc.GetEnterprise(c);
        // Three directors from the persons nobody employs.
        for (int hired = 0; hired < 3 && person < doc.GetDirectorTableSize(); ++person) {
            CPersonData& director = *doc.GetDirector(person);
            if (director.GetEmployerNo() != 0 || director.GetPresidentFlag()) continue;
            director.SetEmployer(c + 1);
            company.AddDirector(person);
            ++hired;
        }
        company.SetEmployees(3000);
        company.SetEmployeesAtWork(2500);
        company.SetStandardSalary(25);
        company.SetAdvertisingBudget(40);
        company.SetFunds(20000 + 3000 * c);
        for (int m = 0; m < 12; ++m) company.AddYearResult(-1, m, 900, 300, 700 + 50 * c, 0);
        for (int a = 0; a < company.GetAreaCount(); ++a) {
            company.SetAreaLevel(a, (a + c) % 4 == 0 ? 3 : (a + c) % 4 == 1 ? 1 : 0);
            company.RecountAreaLand(a);
        }
    }
    doc.SetYear(3);
    doc.SetMonth(4);
}

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
