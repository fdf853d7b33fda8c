#pragma once
// Checks shared by the readers of the saved-game layout: a stored integer
// within its range, and a stored count that the rest of the file can hold
// before anything is sized for it.

#include <cstdint>

#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"

// Throws error unless lo <= value <= hi.
inline int ReadStoredInt(CArchive& ar, int lo, int hi,
                         eMERCAVO_ERROR error = eMERCAVO_ERROR_CONTENTS) {
    int value = ar.ReadInt();
    if (value < lo || value > hi) throw error;
    return value;
}

// Throws eMERCAVO_ERROR_CONTENTS unless count records of at least
// bytesEach bytes fit into what is left of the archive.
inline void CheckStoredFits(CArchive& ar, int64_t count, uint64_t bytesEach) {
    if (count < 0 || static_cast<uint64_t>(count) > ar.Stream().Remaining() / bytesEach)
        throw eMERCAVO_ERROR_CONTENTS;
}
