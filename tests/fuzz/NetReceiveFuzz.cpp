// The receive path of a client session on arbitrary byte streams spread over
// the twelve channels: reassembly, the ring and the dispatch with recording
// handlers. Every dispatched record must be whole (exactly the 512 bytes that
// arrived on its channel), queued records come in sending order (slot after
// slot), or the session has dropped its server and takes nothing more.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

#include "fakes/FakeNetFrame.h"
#include "network/NetSession.h"

namespace {

struct SWhole {
    NetRecordBytes record;
    // For a queued record: its place in the channel's sequence of queued
    // records.
    int64_t turn;
};

struct SShadow {
    // What arrived on each channel and is not yet a whole record, and the
    // whole records, queued and immediate, not yet matched.
    std::array<std::string, kChannelCount> partial;
    std::array<std::deque<SWhole>, kChannelCount> queued;
    std::array<std::deque<SWhole>, kChannelCount> immediate;
    std::array<int64_t, kChannelCount> queuedCount{};
    // The place in the ring's order of the last queued record handed on.
    int64_t lastOrder = -1;

    void Add(int channel, const NetRecordBytes& record) {
        if (record[0] == '+')
            queued[channel].push_back({record, queuedCount[channel]++});
        else
            immediate[channel].push_back({record, 0});
    }
    // The record that arrived on the channel and is handed on now: records
    // the session kept from the handlers (acknowledgements, unknown kinds,
    // refused ones) are passed over.
    SWhole Match(std::deque<SWhole>& waiting, const NetRecordBytes& record) {
        while (!waiting.empty()) {
            SWhole front = waiting.front();
            waiting.pop_front();
            if (front.record == record) return front;
        }
        std::abort();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    CFakeNetFrame frame;
    frame.sessionState = 1;
    CNetSession session(frame);
    session.SetHostAddress("127.0.0.1");
    SShadow shadow;
    auto handler = [&](const SNetIncoming& in) {
        if (in.channel < 0 || in.channel >= kChannelCount) std::abort();
        if (!in.queued) {
            shadow.Match(shadow.immediate[in.channel], in.record);
            return;
        }
        // The ring hands on slot after slot: the n-th queued record of
        // channel c is the (12 n + c)-th in sending order.
        const SWhole whole = shadow.Match(shadow.queued[in.channel], in.record);
        const int64_t order = whole.turn * kChannelCount + in.channel;
        if (order <= shadow.lastOrder) std::abort();
        shadow.lastOrder = order;
    };
    for (int recordClass = 0; recordClass <= 600; recordClass += 100) {
        session.SetClassHandler(recordClass, handler);
    }
    size_t at = 0;
    while (at + 2 <= size && session.IsOpen()) {
        const int channel = data[at] % kChannelCount;
        const size_t length = std::min<size_t>(data[at + 1] * 4u, size - at - 2);
        const char* bytes = reinterpret_cast<const char*>(data + at + 2);
        at += 2 + length;
        std::string& partial = shadow.partial[channel];
        partial.append(bytes, length);
        while (partial.size() >= kNetRecordSize) {
            NetRecordBytes record;
            std::memcpy(record.data(), partial.data(), kNetRecordSize);
            partial.erase(0, kNetRecordSize);
            shadow.Add(channel, record);
        }
        session.ReceiveClientBytes(channel, bytes, static_cast<int>(length));
    }
    return 0;
}
