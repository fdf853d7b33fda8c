#include "judge/OffScreenPaint.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Palette.h"

namespace judge {

void PaintOffScreen(CDC& dc, int width, int height, CPalette* palette,
                    const std::function<void(CDC&)>& draw) {
    if (width <= 0 || height <= 0) return;
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, width, height))
        return;
    CBitmap* old = memory.SelectObject(&bitmap);
    draw(memory);
    CPalette* oldPalette = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    if (palette) dc.RealizePalette();
    dc.BitBlt(0, 0, width, height, &memory, 0, 0, SRCCOPY);
    if (oldPalette) dc.SelectPalette(oldPalette, FALSE);
    memory.SelectObject(old);
}

}  // namespace judge
