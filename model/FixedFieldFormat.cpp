#include "model/FixedFieldFormat.h"

#include <algorithm>
#include <cstdint>

#include "model/services/NetService.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {
struct SFieldLimits {
    int64_t low, high;
};

// The values that fill width characters: the minus sign takes one of them.
SFieldLimits FieldLimits(int width) {
    int64_t limit = 1;
    for (int i = 0; i < width && limit < INT64_C(10000000000); ++i) limit *= 10;
    return {width == 1 ? 0 : -(limit / 10 - 1), limit - 1};
}
}  // namespace

std::string FormatFixedInt(int value, int width) {
    if (width <= 0) return {};
    SFieldLimits limits = FieldLimits(width);
    int64_t held = std::clamp<int64_t>(value, limits.low, limits.high);
    if (held != value && Services::HasNet()) {
        Services::Net().ReportSendError(FormatText("value %d held at width %d", value, width));
    }
    return FormatText("%0*lld", width, static_cast<long long>(held));
}

bool FitsFixedInt(int value, int width) {
    if (width <= 0) return false;
    SFieldLimits limits = FieldLimits(width);
    return value >= limits.low && value <= limits.high;
}

std::string FormatRecordHeader(int recordClass, int group, int code) {
    return kNetRecordHeader + FormatFixedInt(recordClass, 3) + FormatFixedInt(group, 2) +
           FormatFixedInt(code, 3);
}
