// A company's stored form from arbitrary bytes. The first byte gives the
// map's area count; the rest is the record. A load may only refuse with its
// error; whatever it accepts must store, load and copy again unchanged.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/Enterprise.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

std::vector<uint8_t> Store(const CEnterprise& company) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    CEnterprise(company).Serialize(ar);
    return stream.Bytes();
}

void CheckRoundTrip(const CEnterprise& company, int areaCount) {
    try {
        std::vector<uint8_t> stored = Store(company);
        CMemoryStream stream(stored);
        CArchive ar(stream, CArchive::load);
        CEnterprise again;
        if (!again.Init(0, areaCount)) std::abort();
        again.Serialize(ar);
        if (Store(again) != stored) std::abort();
        CEnterprise copy;
        copy.SetNameSlot(company.GetNameSlot());
        copy = company;
        if (Store(copy) != stored) std::abort();
    } catch (...) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    int areaCount = data[0] % 8;
    CEnterprise company;
    if (!company.Init(0, areaCount)) return 0;
    try {
        CMemoryStream stream(std::vector<uint8_t>(data + 1, data + size));
        CArchive ar(stream, CArchive::load);
        company.Serialize(ar);
    } catch (const CArchiveException&) {
        return 0;
    } catch (eMERCAVO_ERROR) {
        return 0;
    }
    CheckRoundTrip(company, areaCount);
    return 0;
}
