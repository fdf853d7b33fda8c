// An order record read from arbitrary text and handed to the receiver as if
// a player of the fixture game had sent it: the first byte names the
// sending company, the rest is the record's text. The receiver may refuse
// the record, but never crash, and a record it accepts leaves a game that
// saves and loads again. The check of a team purchase reads the same record
// first.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/OrderGameFixture.h"
#include "HeadlessServices.h"
#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/CmdSet.h"
#include "model/MercavoError.h"
#include "model/services/Services.h"

namespace {

const std::vector<uint8_t>& FixtureGame() {
    static const std::vector<uint8_t> bytes =
        MakeOrderGameBytes((std::filesystem::temp_directory_path() /
                            ("mercavo_order_fuzz_" + std::to_string(getpid())))
                               .string() +
                           "/");
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SHeadlessServices services;
    const std::vector<uint8_t>& game = FixtureGame();
    if (game.empty()) std::abort();
    if (size < 1) return 0;
    CVDoc doc;
    auto scoped = ScopedDoc(&doc);
    if (doc.LoadBytes(game) != -1) std::abort();
    // Waits would only slow the fuzzer down.
    doc.SetWaitTime(0);
    services.transcript = CTranscript();

    CCmdSet record;
    try {
        record.ReadText(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    } catch (eMERCAVO_ERROR) {
        return 0;
    }
    // Company numbers one past the game and below it are offered too.
    int company = static_cast<int>(data[0] % 8) - 2;
    // A team purchase is checked against its owner and site before it is
    // applied, from the same record.
    const int purchase = doc.GetOrders().CheckProTeamPurchase(company, record);
    if (purchase < 0 || purchase > 2) std::abort();
    if (!doc.GetOrders().OnCmdSetRecord(company, record)) return 0;
    CVDoc again;
    auto scopedAgain = ScopedDoc(&again);
    if (again.LoadBytes(doc.SaveBytes()) != -1) std::abort();
    return 0;
}
