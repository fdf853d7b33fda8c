#include "judge/TextFile.h"

#include <fstream>

#include "platform/core/TextFormat.h"

namespace judge {

std::tm LocalTime(int64_t utcTime) {
    std::time_t time = static_cast<std::time_t>(utcTime);
    std::tm local{};
    localtime_r(&time, &local);
    return local;
}

std::string FormatStamp(int64_t utcTime) {
    std::tm t = LocalTime(utcTime);
    return FormatText("%d.%d.%d  %d:%2d:%2d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                      t.tm_min, t.tm_sec);
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace judge
