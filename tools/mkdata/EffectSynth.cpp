#include "tools/mkdata/EffectSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/mkdata/ArtRandom.h"

namespace {

constexpr double kRate = CEffectSynth::kSampleRate;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A one-pole low-pass filter with its corner at hz.
class CLowPass {
public:
    explicit CLowPass(double hz) : m_a(1.0 - std::exp(-kTwoPi * hz / kRate)) {}
    double operator()(double x) { return m_y += m_a * (x - m_y); }

private:
    double m_a;
    double m_y = 0.0;
};

// What the low-pass leaves out: a one-pole high-pass.
class CHighPass {
public:
    explicit CHighPass(double hz) : m_low(hz) {}
    double operator()(double x) { return x - m_low(x); }

private:
    CLowPass m_low;
};

double White(CArtRandom& random) {
    return random.Range(-1.0, 1.0);
}

size_t Frames(double seconds) {
    return static_cast<size_t>(std::lround(seconds * kRate));
}

// A low rumble: brown noise below 120 Hz, swelling and dying away, over a
// wavering 38 Hz tone.
std::vector<double> Rumble(double seconds) {
    CArtRandom random(11);
    CLowPass low1(120), low2(90), wobble(3);
    std::vector<double> out(Frames(seconds));
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / kRate;
        const double envelope = std::min(1.0, t / 0.15) * std::exp(-1.8 * std::max(0.0, t - 0.2));
        const double sway = 1.0 + 0.5 * wobble(White(random) * 8.0);
        phase += kTwoPi * 38.0 * (1.0 + 0.05 * std::sin(kTwoPi * 1.3 * t)) / kRate;
        out[i] = envelope * sway * (low2(low1(White(random))) * 6.0 + 0.35 * std::sin(phase));
    }
    return out;
}

// A crackle: sharp pops of bright noise at random moments, thickest in the
// middle, over a faint hiss.
std::vector<double> Crackle(double seconds) {
    CArtRandom random(23);
    CHighPass bright(1800);
    CLowPass body(5000);
    std::vector<double> out(Frames(seconds));
    double pop = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / kRate;
        const double density = 0.004 * std::sin(std::numbers::pi * t / seconds);
        if (random.Chance(density)) pop = random.Range(0.4, 1.0);
        pop *= 0.985;
        const double hiss = 0.05 * std::sin(std::numbers::pi * t / seconds);
        out[i] = body(bright(White(random)) * (pop + hiss));
    }
    return out;
}

// A soft tick: a few milliseconds of band-limited noise and a quiet high
// tone, both dying at once.
std::vector<double> Tick(double seconds) {
    CArtRandom random(37);
    CHighPass high(900);
    CLowPass low(4000);
    std::vector<double> out(Frames(seconds));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / kRate;
        const double envelope = std::exp(-t / 0.008);
        out[i] = envelope * (low(high(White(random))) + 0.3 * std::sin(kTwoPi * 2200.0 * t));
    }
    return out;
}

// A bell-like partial set for one chime note.
double Bell(double t, double hz) {
    if (t < 0.0) return 0.0;
    const double attack = std::min(1.0, t / 0.004);
    return attack * (std::exp(-t / 0.35) * std::sin(kTwoPi * hz * t) +
                     0.4 * std::exp(-t / 0.18) * std::sin(kTwoPi * hz * 2.76 * t) +
                     0.15 * std::exp(-t / 0.08) * std::sin(kTwoPi * hz * 5.4 * t));
}

// A two-note chime: a fifth falling to the tonic.
std::vector<double> Chime(double seconds) {
    std::vector<double> out(Frames(seconds));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / kRate;
        out[i] = Bell(t, 1174.66) + Bell(t - 0.16, 783.99);
    }
    return out;
}

// A typewriter key: the sharp strike of the type bar, a short metallic ring
// and the low knock of the carriage.
std::vector<double> TypeKey(double seconds) {
    CArtRandom random(53);
    CHighPass strike(2500);
    std::vector<double> out(Frames(seconds));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / kRate;
        const double hit = std::exp(-t / 0.003) * strike(White(random));
        const double ring = 0.25 * std::exp(-t / 0.02) * std::sin(kTwoPi * 3150.0 * t);
        const double knock = 0.6 * std::exp(-t / 0.015) * std::sin(kTwoPi * 160.0 * t);
        out[i] = hit + ring + knock;
    }
    return out;
}

// Faded in and out over 5 ms, with the level that leaves the faded sound
// without a mean taken off, scaled to the peak and rounded. The peak is
// taken before the fade, so no sample near either end rises above a
// straight line from silence to the peak.
std::vector<int16_t> Finish(std::vector<double> sound) {
    if (sound.empty()) return {};
    const size_t fade = std::min(Frames(CEffectSynth::kFadeSeconds), sound.size() / 2);
    std::vector<double> window(sound.size(), 1.0);
    for (size_t i = 0; i < fade; ++i) {
        window[i] = static_cast<double>(i) / fade;
        window[sound.size() - 1 - i] = static_cast<double>(i) / fade;
    }
    double weighted = 0.0, weights = 0.0;
    for (size_t i = 0; i < sound.size(); ++i) {
        weighted += sound[i] * window[i];
        weights += window[i];
    }
    const double level = weights > 0.0 ? weighted / weights : 0.0;
    double peak = 0.0;
    for (double& x : sound) {
        x -= level;
        peak = std::max(peak, std::abs(x));
    }
    const double scale =
        peak > 0.0 ? 32767.0 * std::pow(10.0, CEffectSynth::kPeakDecibels / 20.0) / peak : 0.0;
    std::vector<int16_t> samples(sound.size());
    for (size_t i = 0; i < sound.size(); ++i)
        samples[i] = static_cast<int16_t>(std::lround(sound[i] * window[i] * scale));
    return samples;
}

}  // namespace

const std::vector<CEffectSynth::SEffect>& CEffectSynth::Effects() {
    static const std::vector<SEffect> effects = {
        {"MERC_1.WAV", "a low rumble", 1.5},      {"MERC_2.WAV", "a crackle", 1.0},
        {"MERC_3.WAV", "a soft tick", 0.06},      {"MERC_4.WAV", "a two-note chime", 0.5},
        {"MERC_5.WAV", "a typewriter key", 0.08},
    };
    return effects;
}

std::vector<int16_t> CEffectSynth::Synthesise(int effect) {
    const double seconds = Effects().at(static_cast<size_t>(effect)).seconds;
    switch (effect) {
        case 0:
            return Finish(Rumble(seconds));
        case 1:
            return Finish(Crackle(seconds));
        case 2:
            return Finish(Tick(seconds));
        case 3:
            return Finish(Chime(seconds));
        default:
            return Finish(TypeKey(seconds));
    }
}
