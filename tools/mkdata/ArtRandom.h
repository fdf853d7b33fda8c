#pragma once
// The random source of the picture painters: a small 64-bit generator of our
// own, so that a seed draws the same pictures on every machine and the game's
// runtime generator is never disturbed.

#include <cstdint>

class CArtRandom {
public:
    explicit CArtRandom(uint64_t seed) : m_state(seed) {}

    uint64_t Next();
    // 0 .. n - 1 (0 when n <= 0).
    int Below(int n);
    // lo .. hi, both included.
    int Between(int lo, int hi);
    // 0.0 <= value < 1.0.
    double Unit();
    // lo <= value < hi.
    double Range(double lo, double hi);
    // True with probability p.
    bool Chance(double p);

    // A value 0.0 <= h < 1.0 fixed by the three numbers (pixel noise).
    static double Hash(int64_t a, int64_t b, uint64_t seed);

private:
    uint64_t m_state;
};
