#include "model/Wait.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/services/Services.h"
#include "platform/core/Clock.h"

namespace {
// How long one pump may block for a message, so that the end of the wait
// and a key press are noticed in time.
constexpr int kPollMs = 10;

int64_t TargetMilliseconds(int waitTime, double tenths) {
    double target = std::trunc(static_cast<double>(waitTime) * tenths / 10.0);
    if (!(target > 0)) return 0;
    return CClock::Scale(target > 1e9 ? int64_t(1e9) : static_cast<int64_t>(target));
}

int WaitLoop(int64_t target, int noPump, int allowSkip) {
    IFrameService& frame = Services::Frame();
    uint32_t start = CClock::GetTickCount();
    // Key presses from before the wait do not end it.
    frame.WasKeyPressed(kKeyReturn);
    frame.WasKeyPressed(kKeySpace);
    for (;;) {
        int64_t elapsed = static_cast<uint32_t>(CClock::GetTickCount() - start);
        int64_t left = target - elapsed;
        int pollMs = static_cast<int>(std::clamp<int64_t>(left, 0, kPollMs));
        if (!noPump) {
            // A pump that had nothing to do must not turn this into a spin.
            if (!frame.PumpOneMessage(pollMs) && left > 0) CClock::SleepReal(1);
        } else if (left > 0) {
            CClock::SleepReal(std::min<int64_t>(left, kPollMs));
        }
        if (allowSkip && frame.WasKeyPressed(kKeySpace)) return 1;
        if (allowSkip && frame.WasKeyPressed(kKeyReturn)) return 0;
        if (static_cast<uint32_t>(CClock::GetTickCount() - start) >= target) return 0;
    }
}
}  // namespace

int Wait(double tenths, int noPump, int allowSkip) {
    int waitTime = Services::Game().GetWaitTime();
    if (waitTime < 1) return 0;
    IFrameService& frame = Services::Frame();
    frame.SetPumping(1);
    int result = WaitLoop(TargetMilliseconds(waitTime, tenths), noPump, allowSkip);
    frame.SetPumping(0);
    frame.CheckCloseRequest();
    return result;
}

int WaitMilliseconds(int ms, int noPump, int allowSkip) {
    int waitTime = Services::Game().GetWaitTime();
    if (waitTime < 1) return 0;
    return Wait(ms * 10.0 / waitTime, noPump, allowSkip);
}
