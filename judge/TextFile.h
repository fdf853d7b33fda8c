#pragma once
// The judgment's text files: CR LF line ends, local time stamps, whole
// files replaced.

#include <cstdint>
#include <ctime>
#include <string>

namespace judge {

constexpr const char* kLineEnd = "\r\n";

// The local time of a clock reading (seconds since 1970 UTC).
std::tm LocalTime(int64_t utcTime);
// "%d.%d.%d  %d:%2d:%2d": year, month, day, hour, minute, second.
std::string FormatStamp(int64_t utcTime);
// Replaces the file with the text; false when it cannot be written.
bool WriteTextFile(const std::string& path, const std::string& text);

}  // namespace judge
