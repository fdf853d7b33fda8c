#pragma once
// The state receivers fed arbitrary records against the small fixture game:
// the input is a list of records separated by newlines, each led by a byte
// that picks its code from the target's codes; the rest of the line is the
// payload. A record may be refused, but never crash, and after every record
// the game still saves and loads again.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "HeadlessServices.h"
#include "fakes/OrderGameFixture.h"
#include "game/NetDocState.h"
#include "game/VDoc.h"
#include "model/FixedFieldFormat.h"
#include "model/NetRecordBuilder.h"
#include "model/services/Services.h"

namespace {

const std::vector<uint8_t>& StateFuzzGame() {
    static const std::vector<uint8_t> bytes =
        MakeOrderGameBytes((std::filesystem::temp_directory_path() /
                            ("mercavo_state_fuzz_" + std::to_string(getpid())))
                               .string() +
                           "/");
    return bytes;
}

inline int RunStateFuzz(const uint8_t* data, size_t size, int recordClass, int group,
                        const std::vector<int>& codes) {
    static SHeadlessServices services;
    const std::vector<uint8_t>& game = StateFuzzGame();
    if (game.empty()) std::abort();
    CVDoc doc;
    auto scoped = ScopedDoc(&doc);
    if (doc.LoadBytes(game) != -1) std::abort();
    doc.SetWaitTime(0);
    CNetDocState state(doc);
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.empty()) continue;
        const int code = codes[static_cast<uint8_t>(line[0]) % codes.size()];
        std::string text = FormatRecordHeader(recordClass, group, code);
        text.append(line.substr(1, kNetRecordTextLimit - text.size()));
        NetRecordBytes record{};
        if (!CNetRecordBuilder::Frame(text, record)) std::abort();
        services.transcript = CTranscript();
        if (recordClass == 400)
            state.OnBuildingBrokeRecord(record);
        else
            state.OnTransferRecord(record);
        CVDoc check;
        if (check.LoadBytes(doc.SaveBytes()) != -1) __builtin_trap();
    }
    return 0;
}

}  // namespace
