// Computer plans from arbitrary bytes: the stored form (first byte even) or
// the network text (odd). A reader may only refuse with its error; whatever
// it accepts must come back unchanged through its writer.

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/StoredRoundTrip.h"
#include "model/CmdPacket.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

void LoadPlans(std::vector<uint8_t> bytes) {
    CMemoryStream stream(std::move(bytes));
    CArchive ar(stream, CArchive::load);
    for (int i = 0; i < 4; ++i) {
        CCmdPacket plan;
        plan.Serialize(ar);
        CheckStoredRoundTrip(plan, std::equal_to<CCmdPacket>());
    }
}

// Every field read from the text fits its width, so the plan always goes
// out again and reads back the same.
void ReadText(std::string_view text) {
    CCmdPacket plan;
    size_t used = plan.ReadFromString(text);
    if (used > text.size()) std::abort();
    try {
        std::string written;
        if (!plan.AppendText(written, written.max_size())) std::abort();
        CCmdPacket again;
        if (again.ReadFromString(written) != written.size() || !(again == plan)) std::abort();
    } catch (...) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    try {
        if (data[0] % 2 == 0)
            LoadPlans(std::vector<uint8_t>(data + 1, data + size));
        else
            ReadText(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    } catch (const CArchiveException&) {
    } catch (eMERCAVO_ERROR) {
    }
    return 0;
}
