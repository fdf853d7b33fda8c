#pragma once
// The state behind a CDC and the surface it draws on.

#include <memory>
#include <optional>
#include <vector>

#include "platform/gfx/DC.h"
#include "platform/gfx/DCSurface.h"
#include "platform/gfx/PixelRows.h"
#include "platform/gfx/Point.h"

struct CDCState {
    CPen* pen = nullptr;
    CBrush* brush = nullptr;
    CFont* font = nullptr;
    CBitmap* bitmap = nullptr;
    CPalette* palette = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    UINT textAlign = TA_LEFT | TA_TOP;
    int stretchMode = BLACKONWHITE;
    CPoint position;
    CPoint viewportOrg;
    std::optional<SPixelBox> clip;  // surface coordinates
};

// Where drawing lands: the surface's pixels, the offset of logical (0, 0) on
// them and the part of them that may change.
struct CDCTarget {
    SPixelRows pixels;
    int originX = 0;
    int originY = 0;
    SPixelBox clip;
    const CDCSurface* window = nullptr;

    bool Contains(int sx, int sy) const { return clip.Contains(sx, sy); }
    uint32_t& At(int sx, int sy) const { return pixels.Row(sy)[sx]; }
};

struct CDC::Impl {
    enum class Kind { None, Window, Memory };
    Kind kind = Kind::None;
    // A window's pixels, for Kind::Window.
    std::unique_ptr<CDCSurface> window;
    CDCState state;
    std::vector<CDCState> saved;

    // Resolves the current surface; false when there is nothing to draw on.
    bool Resolve(CDCTarget& target) const;
    // Shows changed pixels of a window.
    static void Touched(const CDCTarget& target, const SPixelBox& area);
    // A colour as it lands on the surface (palette-relative colours resolved).
    uint32_t Pixel(COLORREF color) const;
    COLORREF Resolve(COLORREF color) const;
};
