// The whole month of the game on the authored map with ten computer
// companies, phase by phase as the turn driver runs it, without the monthly
// backup: BM_WholeMonth from a mid-game state (put back before each
// iteration, outside the timing), with each phase's share of the month as a
// counter; BM_WholeGame a ten-year game from the new game to the game end,
// without the backups and the judgment file; BM_SaveGame one save of the
// mid-game state, for comparison.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <vector>

#include "fakes/MidGame.h"
#include "game/HeadlessServices.h"
#include "game/MonthChain.h"
#include "game/VDoc.h"
#include "model/PersonDataFile.h"
#include "model/services/Services.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"

namespace {

constexpr int kCompanies = 10;

bool NewGame(CVDoc& doc, int years, benchmark::State& state) {
    CRuntimeRandom::Seed(1);
    doc.SetGameYears(years);
    doc.SetPlayerCount(0, 1);
    doc.SetEnterpriseCount(kCompanies);
    if (!doc.PrepareNewGameFrom(CProgramFolder::File(CVDoc::kDefaultMapFile),
                                CProgramFolder::File(CPersonDataFile::kFileName)) ||
        !doc.SetupEnterprises()) {
        state.SkipWithError("the authored data files did not make a game");
        return false;
    }
    doc.InitIssuedShares();
    return true;
}

// Runs the chain from phase until the month's calendar has run; the next
// phase. Each phase's time is added to its entry of spent.
int RunMonth(CMonthChain& chain, int phase, std::map<int, double>* spent) {
    for (;;) {
        const auto start = std::chrono::steady_clock::now();
        const int next = chain.Run(phase);
        if (spent)
            (*spent)[phase] +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (phase == ePHASE_CALENDAR || next <= 0 || next == ePHASE_GAME_END) return next;
        phase = next;
    }
}

void BM_WholeMonth(benchmark::State& state) {
    CHeadlessServices services;
    CVDoc doc;
    auto scopedDoc = ScopedDoc(&doc);
    if (!NewGame(doc, 10, state)) return;
    MakeMidGame(doc);
    const std::vector<uint8_t> start = doc.SaveBytes();
    std::map<int, double> spent;
    for (auto _ : state) {
        state.PauseTiming();
        doc.LoadBytes(start);
        CRuntimeRandom::Seed(5);
        CMonthChain chain(doc);
        state.ResumeTiming();
        RunMonth(chain, ePHASE_MONTH_START, &spent);
    }
    double total = 0;
    for (const auto& [phase, seconds] : spent) total += seconds;
    for (const auto& [phase, seconds] : spent)
        state.counters[CMonthChain::PhaseName(phase)] = total > 0 ? seconds / total : 0;
}
BENCHMARK(BM_WholeMonth)->Unit(benchmark::kMillisecond);

void BM_WholeGame(benchmark::State& state) {
    CHeadlessServices services;
    int months = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CVDoc doc;
        auto scopedDoc = ScopedDoc(&doc);
        if (!NewGame(doc, 10, state)) return;
        CMonthChain chain(doc);
        state.ResumeTiming();
        months = 0;
        for (int phase = ePHASE_MONTH_START; phase > 0 && phase != ePHASE_GAME_END; ++months)
            phase = RunMonth(chain, phase, nullptr);
        chain.EndGame();
    }
    state.counters["months"] = months;
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SaveGame(benchmark::State& state) {
    CHeadlessServices services;
    CVDoc doc;
    auto scopedDoc = ScopedDoc(&doc);
    if (!NewGame(doc, 10, state)) return;
    MakeMidGame(doc);
    size_t bytes = 0;
    for (auto _ : state) bytes = doc.SaveBytes().size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);

}  // namespace
