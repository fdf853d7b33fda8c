#pragma once
// Faces of the persons: three pictures per person (young, middle-aged, old)
// of one fixed size, drawn from the person's seed so that persons are told
// apart by face shape, skin, hair style and colour, eyes, glasses, beard and
// clothes, while the three ages of one person keep the same features.

#include <cstdint>

#include "platform/core/MemBlock.h"
#include "tools/mkdata/Canvas.h"

class CFacePainter {
public:
    static constexpr int kWidth = 64;
    static constexpr int kHeight = 64;
    static constexpr int kAges = 3;

    enum class ESex { Male, Female };

    // age: 0 young, 1 middle-aged, 2 old.
    static CCanvas Draw(uint64_t seed, ESex sex, int age, const CGamePalette& palette);
    // The picture as a face's image block (8 bits, game palette).
    static CMemBlock DrawBlock(uint64_t seed, ESex sex, int age, const CGamePalette& palette);
};
