#pragma once
// What a reader accepted must store and load again unchanged: the shared
// check of the record fuzz targets. Any exception or difference aborts, so
// libFuzzer keeps the input.

#include <cstdlib>

#include "platform/core/Archive.h"

template <typename Record, typename Same>
void CheckStoredRoundTrip(const Record& record, Same same) {
    try {
        CMemoryStream copy;
        CArchive out(copy, CArchive::store);
        Record(record).Serialize(out);
        copy.Rewind();
        CArchive in(copy, CArchive::load);
        Record again;
        again.Serialize(in);
        if (!same(record, again)) std::abort();
    } catch (...) {
        std::abort();
    }
}
