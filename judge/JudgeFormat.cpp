#include "judge/JudgeFormat.h"

#include "platform/core/TextFormat.h"

namespace judge {

std::string PadSpaces(int n) {
    return n > 0 ? std::string(static_cast<size_t>(n), ' ') : std::string();
}

std::string FormatCount(const char* format, int n) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const std::string number = FormatText(format, n);
#pragma GCC diagnostic pop
    return number + (n < 2 ? " time" : " times");
}

}  // namespace judge
