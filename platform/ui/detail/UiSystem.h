#pragma once
// The Qt side of the window layer: makes sure one QApplication exists before
// any window, font or picture is touched, and converts between our colours
// and rectangles and Qt's.

#include <QColor>
#include <QRect>
#include <cstdint>

#include "platform/ui/Rect.h"

class CUiSystem {
public:
    // Creates the QApplication on first use. Without a display and without
    // QT_QPA_PLATFORM the offscreen platform is chosen, so that tools and
    // tests never abort for lack of a screen.
    static void Ensure();

    // 0x00BBGGRR <-> the 0xFFRRGGBB pixels of our 32-bit surfaces.
    static uint32_t ToPixel(COLORREF c) {
        return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
    static COLORREF FromPixel(uint32_t p) {
        return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
    }
    static QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
    static QRect ToQRect(const RECT& r) {
        return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    static CRect FromQRect(const QRect& r) {
        return CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    }
};
