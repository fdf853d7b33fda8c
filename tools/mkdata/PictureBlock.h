#pragma once
// Turns a drawn picture into the packed device-independent bitmaps that the
// game's pictures hold: 8 bits per pixel, bottom row first, with the whole
// game palette as the colour table. The mask is white where the picture is
// covered and black elsewhere, and the image is black outside its shape, so
// that the view's mask-and-paint blits leave the background alone.

#include "platform/core/MemBlock.h"
#include "tools/mkdata/Canvas.h"

class CPictureBlock {
public:
    static constexpr int kHeaderSize = 40;
    static constexpr int kColorTableSize = CGamePalette::kSize * 4;

    static CMemBlock Image(const CCanvas& canvas);
    static CMemBlock Mask(const CCanvas& canvas);

private:
    // index(x, y) gives the palette index of each pixel.
    template <typename F>
    static CMemBlock Make(const CCanvas& canvas, F index);
};
