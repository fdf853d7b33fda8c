#pragma once
// The runtime random generator every formula of the game rests on: a 15-bit
// linear congruential generator, state x 214013 + 2531011 mod 2^32, each draw
// (state >> 16) & 0x7FFF. Fixed here so that a seed gives the same game on
// every machine. Nothing in the project may use the C library's rand.

#include <cstdint>

class CRuntimeRandom {
public:
    static constexpr int kMax = 32767;

    static void Seed(uint32_t seed);
    // One draw, 0..32767.
    static int Next();
    // The raw state, for tests and for putting a generator back as it was.
    static uint32_t State();
    static void SetState(uint32_t state);
};
