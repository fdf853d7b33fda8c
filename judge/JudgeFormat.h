#pragma once
// The small texts of the judgment windows beyond the game's formatting
// (model/Formatting.h: FormatWithCommas, GetOrdinalSuffix, FormatOrdinal,
// TruncateText): padding and counts.

#include <string>

namespace judge {

// n spaces (none for n below 1).
std::string PadSpaces(int n);
// n by the printf format, then " time" for n below 2, else " times".
std::string FormatCount(const char* format, int n);

}  // namespace judge
