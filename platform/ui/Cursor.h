#pragma once
// Mouse cursors: the standard shapes and our own pictures.

#include <memory>

#include "platform/ui/Point.h"

class CBitmap;

class CCursor {
public:
    // IDC_ARROW, IDC_SIZEWE, IDC_SIZENS, ...; unknown ids give the arrow.
    static const CCursor* LoadStandard(int id);
    // A cursor from a picture and a mask of the same size: where the mask is
    // white the screen shows through, elsewhere the picture's colour.
    CCursor(const CBitmap& picture, const CBitmap& mask, CPoint hotSpot);
    ~CCursor();
    CCursor(const CCursor&) = delete;
    CCursor& operator=(const CCursor&) = delete;

    int StandardId() const;

    struct Impl;
    Impl& PlatformImpl() const { return *m_impl; }

private:
    explicit CCursor(int standardId);
    std::unique_ptr<Impl> m_impl;
};

using HCURSOR = const CCursor*;

// The cursor shown over the window that the mouse is in (or that holds the
// capture); returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The mouse position in screen coordinates.
BOOL GetCursorPos(POINT* point);
