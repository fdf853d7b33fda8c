#pragma once
// The writer of fixed-width decimal fields in network texts, the counterpart
// of ParseFixedInt. A value that does not fit its width would shift every
// later field of the record, so it is held at the nearest value that fits.

#include <string>

// value as exactly width characters, zero-padded, a minus sign inside the
// width ("%0*d"); values outside -(10^(width-1) - 1) .. 10^width - 1 are held
// at those limits, and the network service (when there is one) logs that as
// a send error.
std::string FormatFixedInt(int value, int width);
// Whether value fits width characters as FormatFixedInt writes it, unheld.
bool FitsFixedInt(int value, int width);

// The header of a record: "_MERCAVO", the class (3 digits), the group (2)
// and the code (3).
std::string FormatRecordHeader(int recordClass, int group, int code);
