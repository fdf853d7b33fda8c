#pragma once
// The contact sheet mkdata leaves for review: every land and structure kind
// in its four pictures, a mask, sample faces and small map areas put
// together the way the view draws them.

#include <string>

#include "tools/mkdata/ContactSheet.h"

class CArtReview {
public:
    static void Fill(CContactSheet& sheet, const CGamePalette& palette);
    // False when the file cannot be written.
    static bool WriteContactSheet(const CGamePalette& palette, const std::string& path);
};
