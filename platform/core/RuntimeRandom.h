#pragma once
// The runtime random generator every formula of the game rests on: a 15-bit
// linear congruential generator, state x 214013 + 2531011 mod 2^32, each draw
// (state >> 16) & 0x7FFF. Fixed here so that a seed gives the same game on
// every machine. Nothing in the project may use the C library's rand.

#include <cstdint>

class CRuntimeRandom {
public:
    static constexpr int kMax = 32767;

    // Where the draws come from while a test scripts them: each draw is
    // asked of the source, with the range the caller will scale it to (0
    // when the caller takes the raw draw), so that a script can check which
    // draw the rule asks for. The generator's state does not move meanwhile.
    class IDrawSource {
    public:
        virtual ~IDrawSource() = default;
        virtual int Draw(int range) = 0;
    };

    static void Seed(uint32_t seed);
    // One draw, 0..32767.
    static int Next();
    // One draw that the caller scales to range (Random(range)).
    static int NextFor(int range);
    // The raw state, for tests and for putting a generator back as it was.
    static uint32_t State();
    static void SetState(uint32_t state);
    // Tests only: null puts the generator back in charge.
    static void SetDrawSource(IDrawSource* source);
};
