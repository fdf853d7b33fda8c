#include "views/BitmapRecolor.h"

#include <cstdlib>
#include <functional>

#include "model/PictureStrips.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/SystemColors.h"

namespace {

// Tool faces are cut into cells of this width.
constexpr int kCellWidth = 32;
constexpr int kTolerance = 16;

bool Matches(COLORREF pixel, COLORREF colour) {
    return std::abs(GetRValue(pixel) - GetRValue(colour)) <= kTolerance &&
           std::abs(GetGValue(pixel) - GetGValue(colour)) <= kTolerance &&
           std::abs(GetBValue(pixel) - GetBValue(colour)) <= kTolerance;
}

COLORREF Sys(int index) {
    return CSystemColors::Color(index);
}

// Runs work on the bitmap selected into a memory context; false when the
// context cannot be made or the bitmap is empty.
bool WithContext(CBitmap& bitmap, const std::function<void(CDC&, CSize)>& work) {
    const CSize size = bitmap.GetSize();
    if (size.cx < 1 || size.cy < 1) return false;
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr)) return false;
    CBitmap* previous = dc.SelectObject(&bitmap);
    work(dc, size);
    dc.SelectObject(previous);
    return true;
}

}  // namespace

bool MatchesColour(CDC& dc, int x, int y, int red, int green, int blue) {
    return Matches(dc.GetPixel(x, y), RGB(red, green, blue));
}

int RecolorBitmapGreys(CBitmap& bitmap) {
    const COLORREF greys[4] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                               RGB(0, 0, 0)};
    const COLORREF system[4] = {Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNFACE), Sys(COLOR_BTNSHADOW),
                                Sys(COLOR_BTNTEXT)};
    return WithContext(bitmap, [&](CDC& dc, CSize size) {
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) {
                const COLORREF pixel = dc.GetPixel(x, y);
                for (int i = 0; i < 4; ++i)
                    if (Matches(pixel, greys[i])) {
                        dc.SetPixel(x, y, system[i]);
                        break;
                    }
            }
    }) ? 1 : 0;
}

int RecolorBitmapGreysMasked(CBitmap& bitmap) {
    CBitmap work;
    if (!CPictureStrips::CopyBitmap(bitmap, work)) return 0;
    const COLORREF face = Sys(COLOR_BTNFACE);
    const COLORREF shadow = Sys(COLOR_BTNSHADOW);
    const COLORREF highlight = Sys(COLOR_BTNHIGHLIGHT);
    CDC workDC;
    if (!workDC.CreateCompatibleDC(nullptr)) return 0;
    return WithContext(bitmap, [&](CDC& dc, CSize size) {
        // Shadows vanish into the face; everything else becomes shadow.
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) {
                if (Matches(dc.GetPixel(x, y), shadow)) dc.SetPixel(x, y, face);
                if (!Matches(dc.GetPixel(x, y), face)) dc.SetPixel(x, y, shadow);
            }
        CBitmap* previous = workDC.SelectObject(&work);
        workDC.BitBlt(0, 0, size.cx, size.cy, &dc, 0, 0, SRCCOPY);
        // A highlight edge below and right of each shape, within its cell.
        for (int y = 0; y + 1 < size.cy; ++y)
            for (int x = 0; x + 1 < size.cx; ++x) {
                if (x % kCellWidth == kCellWidth - 1) continue;
                if (!Matches(workDC.GetPixel(x, y), face) &&
                    Matches(workDC.GetPixel(x + 1, y + 1), face))
                    dc.SetPixel(x + 1, y + 1, highlight);
            }
        workDC.SelectObject(previous);
    }) ? 1 : 0;
}

int RecolorBitmapFace(CBitmap& bitmap) {
    const COLORREF face = Sys(COLOR_BTNFACE);
    const COLORREF highlight = Sys(COLOR_BTNHIGHLIGHT);
    return WithContext(bitmap, [&](CDC& dc, CSize size) {
        for (int y = 0; y < size.cy; ++y)
            for (int x = (y + 1) % 2; x < size.cx; x += 2)
                if (Matches(dc.GetPixel(x, y), face)) dc.SetPixel(x, y, highlight);
    }) ? 1 : 0;
}
