#pragma once
// The millisecond tick clock. Every wait, timer and time-out of the programs
// goes through it, so that MERCAVO_TIME_SCALE can speed a whole game up (0 =
// as fast as possible) without changing the order of events.

#include <cstdint>

class CClock {
public:
    // Milliseconds since an arbitrary fixed point (monotonic, wraps at 2^32
    // like the window system's tick count the game was written for).
    static uint32_t GetTickCount();

    // The factor from MERCAVO_TIME_SCALE (default 1). Read once; tests may set
    // it directly.
    static double TimeScale();
    static void SetTimeScale(double scale);

    // A duration in milliseconds as it should really last: ms x scale,
    // rounded, never negative.
    static int64_t Scale(int64_t ms);

    // Sleeps for the given real (already scaled) number of milliseconds.
    static void SleepReal(int64_t ms);
};
