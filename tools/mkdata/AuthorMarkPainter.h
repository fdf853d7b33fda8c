#pragma once
// The data author's mark: a 32 x 32 badge with up to three letters, the
// picture that the data author dialog shows for each data file.

#include <string_view>

#include "platform/core/MemBlock.h"
#include "tools/mkdata/Canvas.h"

class CAuthorMarkPainter {
public:
    static constexpr int kSize = 32;

    static CCanvas Draw(std::string_view letters, const CGamePalette& palette);
    // The mark as a packed bitmap (8 bits, game palette).
    static CMemBlock DrawBlock(std::string_view letters, const CGamePalette& palette);
};
