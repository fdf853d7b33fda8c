#include "platform/core/Clock.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <thread>

namespace {

std::optional<double>& ScaleOverride() {
    static std::optional<double> scale;
    return scale;
}

double ScaleFromEnvironment() {
    const char* text = std::getenv("MERCAVO_TIME_SCALE");
    if (!text || !*text) return 1.0;
    char* end = nullptr;
    double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(value) || value < 0) return 1.0;
    return value;
}

}  // namespace

uint32_t CClock::GetTickCount() {
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

double CClock::TimeScale() {
    if (!ScaleOverride()) ScaleOverride() = ScaleFromEnvironment();
    return *ScaleOverride();
}

void CClock::SetTimeScale(double scale) {
    ScaleOverride() = (std::isfinite(scale) && scale >= 0) ? scale : 1.0;
}

int64_t CClock::Scale(int64_t ms) {
    if (ms <= 0) return 0;
    int64_t scaled = std::llround(static_cast<double>(ms) * TimeScale());
    return scaled < 0 ? 0 : static_cast<int64_t>(scaled);
}

void CClock::SleepReal(int64_t ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
