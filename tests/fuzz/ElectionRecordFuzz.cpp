// The two election records read from arbitrary text on a client of the
// fixture game: the text up to the first line break is the election record,
// the rest the vote-count record. Either may be refused, but never crash;
// an election that completes leaves every area with a governor of its own
// and a game that saves and loads again.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "HeadlessServices.h"
#include "fakes/OrderGameFixture.h"
#include "game/Election.h"
#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/PersonData.h"
#include "model/services/Services.h"

namespace {

const std::vector<uint8_t>& FixtureGame() {
    static const std::vector<uint8_t> bytes =
        MakeOrderGameBytes((std::filesystem::temp_directory_path() /
                            ("mercavo_election_fuzz_" + std::to_string(getpid())))
                               .string() +
                           "/");
    return bytes;
}

// Every area is governed by a person of the table who knows it.
void CheckGovernors(CVDoc& doc) {
    for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a) {
        const CPersonData* governor = doc.GetAreaGovernor(a);
        if (!governor || governor->GetEmployerNo() != a + 1) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SHeadlessServices services;
    const std::vector<uint8_t>& game = FixtureGame();
    if (game.empty()) std::abort();
    CVDoc doc;
    auto scoped = ScopedDoc(&doc);
    if (doc.LoadBytes(game) != -1) std::abort();
    doc.SetWaitTime(0);
    services.transcript = CTranscript();

    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\n');
    const std::string_view first = input.substr(0, split);
    const std::string_view second =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    // A vote count without its election completes nothing.
    CElection stray(doc);
    if (stray.OnElectionResultRecord(input) || stray.OnElectionResultRecord(second)) std::abort();

    CElection election(doc);
    if (!election.OnElectionRecord(first)) return 0;
    if (!election.OnElectionResultRecord(second)) return 0;
    CheckGovernors(doc);
    CVDoc again;
    auto scopedAgain = ScopedDoc(&again);
    if (again.LoadBytes(doc.SaveBytes()) != -1) std::abort();
    return 0;
}
