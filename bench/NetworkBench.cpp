// Queued records from a host session to a client session over 127.0.0.1,
// each acknowledged before its channel carries the next: records per second
// (items per second) of the whole round, the limit of a state transfer.

#include <benchmark/benchmark.h>

#include <string>

#include "LoopbackSessions.h"
#include "model/NetRecordBuilder.h"

namespace {

void BM_QueuedRecordsHostToClient(benchmark::State& state) {
    CLoopbackSessions& sessions = CLoopbackSessions::Shared();
    if (!sessions.ok) {
        state.SkipWithError("the sessions did not connect");
        return;
    }
    const std::string record =
        CNetRecordBuilder(400, 0, 100).Int(1234, 4).Text(std::string(200, 'x'), 3, 400).Text();
    const long before = sessions.received;
    for (auto _ : state) {
        if (!sessions.host.SendToPlayer(CLoopbackSessions::kClientPlayer, record, true)) {
            state.SkipWithError("a send failed");
            return;
        }
    }
    // Every record handled and acknowledged.
    sessions.host.WaitChannelsFree();
    if (sessions.received - before != static_cast<long>(state.iterations())) {
        state.SkipWithError("records were lost");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_QueuedRecordsHostToClient)->MinTime(2.0)->UseRealTime();

}  // namespace
