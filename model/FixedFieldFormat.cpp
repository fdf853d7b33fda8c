#include "model/FixedFieldFormat.h"

#include <algorithm>
#include <cstdint>

#include "model/services/NetService.h"
#include "platform/core/TextFormat.h"

std::string FormatFixedInt(int value, int width) {
    if (width <= 0) return {};
    int64_t limit = 1;
    for (int i = 0; i < width && limit < INT64_C(10000000000); ++i) limit *= 10;
    int64_t high = limit - 1;
    int64_t low = width == 1 ? 0 : -(limit / 10 - 1);
    int64_t held = std::clamp<int64_t>(value, low, high);
    return FormatText("%0*lld", width, static_cast<long long>(held));
}

std::string FormatRecordHeader(int recordClass, int group, int code) {
    return kNetRecordHeader + FormatFixedInt(recordClass, 3) + FormatFixedInt(group, 2) +
           FormatFixedInt(code, 3);
}
