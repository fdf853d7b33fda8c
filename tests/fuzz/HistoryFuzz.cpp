// History entries from arbitrary bytes: the stored form, one entry's network
// text and a whole history record. A reader may only refuse with its error;
// whatever it accepts must come back unchanged through its writer.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/StoredRoundTrip.h"
#include "model/History.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

bool Same(const CHistory& a, const CHistory& b) {
    if (a.GetMonthIndex() != b.GetMonthIndex() || a.GetKind() != b.GetKind() ||
        a.GetParamCount() != b.GetParamCount())
        return false;
    for (int i = 0; i < a.GetParamCount(); ++i)
        if (a.GetParam(i) != b.GetParam(i)) return false;
    return true;
}

void CheckTextRoundTrip(const CHistory& entry) {
    try {
        std::string written;
        entry.AppendText(written);
        CHistory again;
        if (again.ReadText(written) != written.size() || !Same(entry, again)) std::abort();
    } catch (...) {
        std::abort();
    }
}

void LoadEntries(std::vector<uint8_t> bytes) {
    CMemoryStream stream(std::move(bytes));
    CArchive ar(stream, CArchive::load);
    for (int i = 0; i < 16; ++i) {
        CHistory entry;
        entry.Serialize(ar);
        CheckStoredRoundTrip(entry, Same);
    }
}

void ReadOne(std::string_view text) {
    CHistory entry;
    size_t used = entry.ReadText(text);
    if (used > text.size()) std::abort();
    CheckTextRoundTrip(entry);
}

void ReadRecord(std::string_view payload) {
    std::vector<CHistory> entries(8);
    CHistory::ReadEntries(payload, entries);
    std::string repacked;
    CHistory::PackEntries(entries, 0, repacked);
    if (repacked.size() > CHistory::kMaxPayload) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        switch (data[0] % 3) {
            case 0:
                LoadEntries(std::vector<uint8_t>(data + 1, data + size));
                break;
            case 1:
                ReadOne(rest);
                break;
            default:
                ReadRecord(rest);
                break;
        }
    } catch (const CArchiveException&) {
    } catch (eMERCAVO_ERROR) {
    }
    return 0;
}
