#include "tools/mkdata/ArtRandom.h"

namespace {
uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
}  // namespace

uint64_t CArtRandom::Next() {
    m_state += 0x9E3779B97F4A7C15ULL;
    return Mix(m_state);
}

int CArtRandom::Below(int n) {
    if (n <= 0) return 0;
    return static_cast<int>(Next() % static_cast<uint64_t>(n));
}

int CArtRandom::Between(int lo, int hi) {
    return lo + Below(hi - lo + 1);
}

double CArtRandom::Unit() {
    return static_cast<double>(Next() >> 11) / 9007199254740992.0;
}

double CArtRandom::Range(double lo, double hi) {
    return lo + (hi - lo) * Unit();
}

bool CArtRandom::Chance(double p) {
    return Unit() < p;
}

double CArtRandom::Hash(int64_t a, int64_t b, uint64_t seed) {
    uint64_t h = Mix(seed + 0x9E3779B97F4A7C15ULL);
    h = Mix(h ^ static_cast<uint64_t>(a) * 0xD6E8FEB86659FD93ULL);
    h = Mix(h ^ static_cast<uint64_t>(b) * 0xA0761D6478BD642FULL);
    return static_cast<double>(h >> 11) / 9007199254740992.0;
}
