// Company name records loaded from arbitrary bytes: the loader may only
// refuse with its error, and what it accepts stores back to the same record.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/EnterpriseName.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {
// What was loaded must store and load again without a fault.
void CheckRoundTrip(const CEnterpriseName& name) {
    try {
        CMemoryStream copy;
        CArchive out(copy, CArchive::store);
        CEnterpriseName(name).Serialize(out);
        copy.Rewind();
        CArchive in(copy, CArchive::load);
        CEnterpriseName again;
        again.Serialize(in);
        if (again.GetText() != name.GetText() || again.GetUser() != name.GetUser()) std::abort();
    } catch (...) {
        std::abort();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CMemoryStream stream(std::vector<uint8_t>(data, data + size));
    CArchive ar(stream, CArchive::load);
    try {
        for (int i = 0; i < 8; ++i) {
            CEnterpriseName name;
            name.Serialize(ar);
            CheckRoundTrip(name);
        }
    } catch (const CArchiveException&) {
    } catch (eMERCAVO_ERROR) {
    }
    return 0;
}
