#include "model/StoredForm.h"

#include <climits>

#include "model/DataChecksum.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

int ReadChecked(CArchive& ar, int lo, int hi, eMERCAVO_ERROR error) {
    int value = ar.ReadInt();
    if (value < lo || value > hi) throw error;
    return value;
}

int ReadAtLeast(CArchive& ar, int lo) {
    return ReadChecked(ar, lo, INT_MAX);
}

void CheckIndex(int value, int lo, int end) {
    if (value < lo || value >= end) throw eMERCAVO_ERROR_CONTENTS;
}

bool FitsRemaining(CArchive& ar, int64_t count, uint64_t bytesEach) {
    return count >= 0 && static_cast<uint64_t>(count) <= ar.Stream().Remaining() / bytesEach;
}

void CheckFits(CArchive& ar, int64_t count, uint64_t bytesEach) {
    if (!FitsRemaining(ar, count, bytesEach)) throw eMERCAVO_ERROR_CONTENTS;
}

void CheckRemaining(CArchive& ar, int64_t count, uint64_t bytesEach) {
    if (!FitsRemaining(ar, count, bytesEach))
        throw CArchiveException(CArchiveException::endOfFile, "unexpected end of data");
}

int ReadCount(CArchive& ar, uint64_t entryBytes) {
    int count = ReadAtLeast(ar, 0);
    CheckRemaining(ar, count, entryBytes);
    return count;
}

int32_t ReadFed(CArchive& ar) {
    int32_t value = ar.ReadInt();
    Services::App().DataChecksum().Add(value);
    return value;
}

int CheckFed(int value, int lo, int hi) {
    Services::App().DataChecksum().Add(value);
    return CheckRange(value, lo, hi);
}
