// The whole game state of a 24-month game of ten companies, sent by the
// host to a client over 127.0.0.1: from the first record sent to the last
// one applied to the client's copy, which starts each time from the data
// files alone. The counters give the records of one transfer and those the
// client refused (none in a sound transfer).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "LoopbackSessions.h"
#include "fakes/SimulatedGame.h"
#include "game/NetDocState.h"
#include "game/VDoc.h"
#include "model/FrameState.h"
#include "model/NetStateOut.h"
#include "model/PersonDataFile.h"
#include "model/services/Services.h"
#include "platform/core/ProgramFolder.h"

namespace {

constexpr const char* kGame = "--companies 10 --months 24 --seed 1";

// The simulated game's saved bytes; empty when it could not be played.
std::vector<uint8_t> SimulatedGameBytes() {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("mercavo_state_bench_" + std::to_string(getpid()) + ".mqd");
    std::vector<uint8_t> bytes;
    if (CopySimulatedGame(CProgramFolder::Get(), kGame, file.string())) {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::error_code error;
    std::filesystem::remove(file, error);
    return bytes;
}

void BM_WholeGameStateHostToClient(benchmark::State& state) {
    CLoopbackSessions& sessions = CLoopbackSessions::Shared();
    if (!sessions.ok) {
        state.SkipWithError("the sessions did not connect");
        return;
    }
    const std::vector<uint8_t> game = SimulatedGameBytes();
    CFrameState hostFrame, clientFrame;
    CVDoc host, client;
    host.SetFrameState(&hostFrame);
    client.SetFrameState(&clientFrame);
    if (game.empty() || host.LoadBytes(game) != -1) {
        state.SkipWithError(
            "simulate did not play the game (MERCAVO_HOME names the program folder)");
        return;
    }
    CDetachedFrameService frame;
    auto scopedFrame = ScopedFrame(&frame);
    auto scopedNet = ScopedNet(&sessions.host);
    auto scopedDoc = ScopedDoc(&client);
    long applied = 0, refused = 0;
    sessions.client.SetClassHandler(CNetStateOut::kStateClass, [&](const SNetIncoming& in) {
        if (CNetDocState(client).OnTransferRecord(in.record))
            ++applied;
        else
            ++refused;
    });
    const long records = static_cast<long>(CNetDocState(host).BuildAllGameData().size());
    for (auto _ : state) {
        state.PauseTiming();
        if (client.LoadDataFilesFrom(CProgramFolder::File(CVDoc::kDefaultMapFile),
                                     CProgramFolder::File(CPersonDataFile::kFileName)) != 1) {
            state.SkipWithError("the data files did not load");
            break;
        }
        applied = refused = 0;
        state.ResumeTiming();
        CNetDocState(host).SendAllGameData(CLoopbackSessions::kClientPlayer);
        const bool arrived =
            CLoopbackSessions::WaitFor([&] { return applied + refused == records; }, 60000);
        if (!arrived || !sessions.host.WaitChannelsFree()) {
            state.SkipWithError("the transfer did not arrive whole");
            break;
        }
    }
    // The handler's documents end here.
    sessions.client.SetClassHandler(CNetStateOut::kStateClass, [](const SNetIncoming&) {});
    state.counters["records"] = static_cast<double>(records);
    state.counters["refused"] = static_cast<double>(refused);
}
BENCHMARK(BM_WholeGameStateHostToClient)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace
