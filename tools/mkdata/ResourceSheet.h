#pragma once
// The review sheet of the resource pictures: every catalogue entry at 1:1
// and 2:1 with each cell outlined and numbered (masks beside their
// pictures, as the strips hold them), then the marks drawn over the button
// face through their masks the way the program draws them, and the cursors
// over light and dark ground with their hot spots ringed in red.

#include <string>
#include <vector>

#include "tools/mkdata/Canvas.h"

class CResourceSheet {
public:
    static CCanvas Render(const CGamePalette& palette);
    // False when the file cannot be written.
    static bool WriteFile(const CGamePalette& palette, const std::string& path);
};
