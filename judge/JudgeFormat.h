#pragma once
// The small texts of the judgment windows: padding, thousands, ordinals and
// counts. They build on the game's formatting (model/Formatting.h).

#include <cstdint>
#include <string>

namespace judge {

// n spaces (none for n below 1).
std::string PadSpaces(int n);
// "1,234,567"; 64 bits, so that a scaled value (attendance x 10000) keeps
// every digit.
std::string FormatThousands(int64_t value);
// "st", "nd", "rd" for 1, 2, 3, "th" for every other number (also 21..23).
const char* OrdinalSuffix(int n);
// "1st", "12th".
std::string FormatOrdinal(int n);
// n by the printf format, then " time" for n below 2, else " times".
std::string FormatCount(const char* format, int n);

}  // namespace judge
