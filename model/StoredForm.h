#pragma once
// The checks every reader of the stored form applies to what it reads: a
// value outside its range, an index outside its table, or a count larger
// than the rest of the data can hold is refused before anything is sized or
// indexed with it.

#include <cstdint>

#include "model/MercavoError.h"

class CArchive;

// A stored int within lo..hi; throws error otherwise.
int ReadChecked(CArchive& ar, int lo, int hi, eMERCAVO_ERROR error = eMERCAVO_ERROR_CONTENTS);
// A stored int of at least lo; throws eMERCAVO_ERROR_CONTENTS otherwise.
int ReadAtLeast(CArchive& ar, int lo);

// Throws eMERCAVO_ERROR_CONTENTS unless lo <= value < end.
void CheckIndex(int value, int lo, int end);

// Whether count entries of bytesEach bytes (at least 1) can all still be in
// the data; a negative count never fits.
bool FitsRemaining(CArchive& ar, int64_t count, uint64_t bytesEach);
// Throws eMERCAVO_ERROR_CONTENTS when they cannot.
void CheckFits(CArchive& ar, int64_t count, uint64_t bytesEach);
// Throws CArchiveException::endOfFile when they cannot: the data ends early.
void CheckRemaining(CArchive& ar, int64_t count, uint64_t bytesEach);
// A count of entries of entryBytes each that must all still be in the data:
// a larger count would only end in a failed read after a large allocation.
// A negative count throws eMERCAVO_ERROR_CONTENTS, a count past the end
// CArchiveException::endOfFile.
int ReadCount(CArchive& ar, uint64_t entryBytes);

// Readers of the data files feed every value they read to the data checksum.
int32_t ReadFed(CArchive& ar);
// Feeds value to the checksum, then checks it as CheckRange does.
int CheckFed(int value, int lo, int hi);
