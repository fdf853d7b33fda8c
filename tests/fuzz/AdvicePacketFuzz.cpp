// Advice records loaded from arbitrary bytes: the loader may only refuse
// with its error, and what it accepts stores back to the same record.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/AdvicePacket.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {
// What was loaded must store and load again without a fault.
void CheckRoundTrip(const CAdvicePacket& advice) {
    try {
        CMemoryStream copy;
        CArchive out(copy, CArchive::store);
        CAdvicePacket(advice).Serialize(out);
        if (copy.Bytes().size() != CAdvicePacket::kStoredSize) std::abort();
        copy.Rewind();
        CArchive in(copy, CArchive::load);
        CAdvicePacket again;
        again.Serialize(in);
        if (!(again == advice)) std::abort();
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
            CAdvicePacket advice;
            advice.Serialize(ar);
            CheckRoundTrip(advice);
        }
    } catch (const CArchiveException&) {
    } catch (eMERCAVO_ERROR) {
    }
    return 0;
}
