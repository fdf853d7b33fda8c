#pragma once
// Painting a window's client off screen and copying it in one piece, so
// that nothing flickers while the parts are drawn over each other.

#include <functional>

class CDC;
class CPalette;

namespace judge {

// Draws into a bitmap of width x height and copies it onto dc at the
// origin, with the palette (when given) realised; nothing when the bitmap
// cannot be made.
void PaintOffScreen(CDC& dc, int width, int height, CPalette* palette,
                    const std::function<void(CDC&)>& draw);

}  // namespace judge
