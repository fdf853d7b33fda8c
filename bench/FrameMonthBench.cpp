// One month of the game on the authored map with seven computer companies
// from a mid-game state, run twice: by the month chain alone as simulate
// runs it (BM_ChainMonthSeven) and by the game program's main frame in this
// process, offscreen, with its drains, waits, music and views
// (BM_FrameMonthSeven). The difference is what the turn driver adds to a
// month. BM_BackupSave is one save of the automatic backup of that game.

#include <benchmark/benchmark.h>

#include <ctime>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "fakes/MidGame.h"
#include "game/HeadlessServices.h"
#include "game/MonthChain.h"
#include "game/VDoc.h"
#include "model/PersonDataFile.h"
#include "model/services/Services.h"
#include "platform/core/Clock.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/MessageLoop.h"
#include "shell/MainFrame.h"
#include "shell/TarvoApp.h"

namespace {

constexpr int kCompanies = 7;

long long ThreadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool SevenCompanyGame(CVDoc& doc) {
    CRuntimeRandom::Seed(1);
    doc.SetGameYears(10);
    doc.SetPlayerCount(0, 1);
    doc.SetWaitTime(3);
    doc.SetEnterpriseCount(kCompanies);
    if (!doc.PrepareNewGameFrom(CProgramFolder::File(CVDoc::kDefaultMapFile),
                                CProgramFolder::File(CPersonDataFile::kFileName)) ||
        !doc.SetupEnterprises()) {
        return false;
    }
    doc.InitIssuedShares();
    MakeMidGame(doc);
    return true;
}

void BM_ChainMonthSeven(benchmark::State& state) {
    CClock::SetTimeScale(0);
    CHeadlessServices services;
    CVDoc doc;
    auto scopedDoc = ScopedDoc(&doc);
    if (!SevenCompanyGame(doc)) {
        state.SkipWithError("the authored data files did not make a game");
        return;
    }
    const std::vector<uint8_t> start = doc.SaveBytes();
    for (auto _ : state) {
        state.PauseTiming();
        doc.LoadBytes(start);
        CRuntimeRandom::Seed(5);
        CMonthChain chain(doc);
        state.ResumeTiming();
        for (int phase = ePHASE_MONTH_START; phase > 0 && phase != ePHASE_GAME_END;) {
            const int next = chain.Run(phase);
            if (phase == ePHASE_CALENDAR) break;
            phase = next;
        }
    }
}
BENCHMARK(BM_ChainMonthSeven)->Unit(benchmark::kMillisecond);

// The program's frame over the same game: the start is held, the game
// window opens as for a loaded game, and each iteration posts the month's
// first message and drains until the next month would begin.
class CFrameBench {
public:
    CFrameBench() {
        CClock::SetTimeScale(0);
        CAutoAnswer::Set(true);
        CMessageLoop::Reset();
        CMainFrame::SetChainGate([this](UINT message) {
            if (message == CMainFrame::WM_START_GAME || message == CMainFrame::WM_GAME_OPENED)
                return false;
            if (message == ePHASE_MONTH_START) return m_open ? (m_open = false, true) : false;
            return true;
        });
        m_app = std::make_unique<CTarvoApp>();
        if (!m_app->InitInstance({})) return;
        CMessageLoop::PumpPending();
        m_frame = m_app->GetMainFrame();
        CVDoc& doc = *m_app->GetDocument();
        if (!SevenCompanyGame(doc)) return;
        doc.SetLoadedGame(true);
        m_frame->SendMessage(CMainFrame::WM_GAME_WINDOW, 0, 0);
        CMessageLoop::PumpPending();
        m_start = doc.SaveBytes();
        m_ready = true;
    }
    ~CFrameBench() {
        m_app.reset();
        CMainFrame::SetChainGate(nullptr);
        CAutoAnswer::Reset();
        CMessageLoop::Reset();
    }
    bool IsReady() const { return m_ready; }
    void Reset() {
        m_app->GetDocument()->LoadBytes(m_start);
        CRuntimeRandom::Seed(5);
    }
    void RunMonth() {
        m_open = true;
        m_frame->PostMessage(ePHASE_MONTH_START, 0, 0);
        CMessageLoop::PumpPending();
    }
    CVDoc& Doc() { return *m_app->GetDocument(); }
    CMainFrame& Frame() { return *m_frame; }

private:
    std::unique_ptr<CTarvoApp> m_app;
    CMainFrame* m_frame = nullptr;
    std::vector<uint8_t> m_start;
    bool m_open = false;
    bool m_ready = false;
};

void BM_FrameMonthSeven(benchmark::State& state) {
    CFrameBench bench;
    if (!bench.IsReady()) {
        state.SkipWithError("the program's frame did not open the game");
        return;
    }
    // The month chain's own time inside the frame's month; the rest is what
    // the frame adds (drains, waits, music, views, backup). Both count the
    // CPU time of this thread, which other programs on the machine do not
    // disturb.
    long long chainNs = 0;
    long long phaseStart = 0;
    CMainFrame::SetPhaseTimer([&](int, bool begin) {
        const long long now = ThreadCpuNs();
        if (begin) phaseStart = now;
        else chainNs += now - phaseStart;
    });
    long long totalNs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench.Reset();
        state.ResumeTiming();
        const long long start = ThreadCpuNs();
        bench.RunMonth();
        totalNs += ThreadCpuNs() - start;
    }
    CMainFrame::SetPhaseTimer(nullptr);
    const double months = static_cast<double>(state.iterations());
    state.counters["chain_cpu_ms"] = static_cast<double>(chainNs) / 1e6 / months;
    state.counters["frame_cpu_ms"] = static_cast<double>(totalNs - chainNs) / 1e6 / months;
}
BENCHMARK(BM_FrameMonthSeven)->Unit(benchmark::kMillisecond);

void BM_BackupSave(benchmark::State& state) {
    CFrameBench bench;
    if (!bench.IsReady()) {
        state.SkipWithError("the program's frame did not open the game");
        return;
    }
    const std::string path =
        (std::filesystem::temp_directory_path() / "mercavo_bench_BACKUP.MQD").string();
    bench.Frame().SetAutoSaving(1);
    for (auto _ : state) {
        if (!bench.Doc().DoSave(path, 0)) {
            state.SkipWithError("the backup could not be saved");
            break;
        }
    }
    bench.Frame().SetAutoSaving(0);
    std::remove(path.c_str());
}
BENCHMARK(BM_BackupSave)->Unit(benchmark::kMillisecond);

}  // namespace
