#pragma once
// The game's five sound effects, synthesised from seeded noise, filters,
// envelopes and a few sine partials: 16-bit PCM mono at 22,050 Hz. Every
// effect is normalised to a peak of -1.5 dBFS, has its mean removed and
// fades in and out over its first and last 5 ms, so it starts and ends
// without a click.

#include <cstdint>
#include <string>
#include <vector>

class CEffectSynth {
public:
    static constexpr int kSampleRate = 22050;
    static constexpr double kFadeSeconds = 0.005;
    static constexpr double kPeakDecibels = -1.5;

    struct SEffect {
        const char* file;
        const char* sound;  // what a listener hears
        double seconds;
    };
    // MERC_1.WAV .. MERC_5.WAV: rumble, crackle, tick, chime, typewriter key.
    static const std::vector<SEffect>& Effects();

    // The samples of effect 0..4.
    static std::vector<int16_t> Synthesise(int effect);
};
