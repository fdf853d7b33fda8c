#include "tools/mkdata/PictureBlock.h"

#include <new>

#include "model/DibHeader.h"

template <typename F>
CMemBlock CPictureBlock::Make(const CCanvas& canvas, F index) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    const size_t stride = (static_cast<size_t>(width) + 3) / 4 * 4;
    const size_t bits = stride * height;
    CMemBlock block;
    if (!block.Alloc(kHeaderSize + kColorTableSize + bits)) throw std::bad_alloc();
    uint8_t* p = block.Lock();
    WriteLE32(p, kHeaderSize);
    WriteLE32(p + 4, static_cast<uint32_t>(width));
    WriteLE32(p + 8, static_cast<uint32_t>(height));
    WriteLE16(p + 12, 1);
    WriteLE16(p + 14, 8);
    WriteLE32(p + 16, 0);
    WriteLE32(p + 20, static_cast<uint32_t>(bits));
    WriteLE32(p + 32, CGamePalette::kSize);
    const CGamePalette& palette = canvas.Palette();
    for (int i = 0; i < CGamePalette::kSize; ++i) {
        const SRgb& c = palette.Color(i);
        uint8_t* entry = p + kHeaderSize + i * 4;
        entry[0] = static_cast<uint8_t>(c.b);
        entry[1] = static_cast<uint8_t>(c.g);
        entry[2] = static_cast<uint8_t>(c.r);
    }
    uint8_t* rows = p + kHeaderSize + kColorTableSize;
    for (int y = 0; y < height; ++y) {
        uint8_t* row = rows + (height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) row[x] = index(x, y);
    }
    return block;
}

CMemBlock CPictureBlock::Image(const CCanvas& canvas) {
    return Make(canvas, [&](int x, int y) {
        return canvas.IsCovered(x, y) ? canvas.Index(x, y) : uint8_t{CGamePalette::kBlack};
    });
}

CMemBlock CPictureBlock::Mask(const CCanvas& canvas) {
    return Make(canvas, [&](int x, int y) {
        return canvas.IsCovered(x, y) ? uint8_t{CGamePalette::kWhite}
                                      : uint8_t{CGamePalette::kBlack};
    });
}
