#pragma once
// The state behind a CDC and the surface it draws on.

#include <QImage>
#include <QRect>
#include <optional>
#include <vector>

#include "platform/ui/DC.h"
#include "platform/ui/Point.h"

class CWindowWidget;

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
    std::optional<QRect> clip;  // surface coordinates
};

// Where drawing lands: a surface, the offset of logical (0, 0) on it and the
// part of it that may change.
struct CDCTarget {
    QImage* image = nullptr;
    QPoint origin;
    QRect clip;
    CWindowWidget* widget = nullptr;

    bool Contains(int sx, int sy) const { return clip.contains(sx, sy); }
};

struct CDC::Impl {
    enum class Kind { None, Window, Memory };
    Kind kind = Kind::None;
    CWnd* wnd = nullptr;
    bool wholeWindow = false;
    std::optional<QRect> paintClip;  // client coordinates
    CDCState state;
    std::vector<CDCState> saved;

    // Resolves the current surface; false when there is nothing to draw on.
    bool Resolve(CDCTarget& target) const;
    // Shows changed pixels of a window.
    static void Touched(const CDCTarget& target, const QRect& area);
    // A colour as it lands on the surface (palette-relative colours resolved).
    uint32_t Pixel(COLORREF color) const;
    COLORREF Resolve(COLORREF color) const;
};
