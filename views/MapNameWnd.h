#pragma once
// The name window: the small window that floats over the map window and
// names the area on display. It starts in the map's bottom left corner,
// sized for the longest area name, and can be dragged anywhere inside the
// map.

#include "views/MapFloatWnd.h"

class CFont;

class CMapNameWnd : public CMapFloatWnd {
public:
    static constexpr int kMinWidth = 20;
    static constexpr int kMinHeight = 5;

    CMapNameWnd() : CMapFloatWnd(kMinWidth, kMinHeight) {}

    // Sizes the window for the longest area name of the map (at most the
    // map window's client size), puts it in the map's bottom left corner
    // and keeps that size as its initial size.
    void FitToNames();

protected:
    void OnPaint() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    // The application's second message font; nullptr without one.
    static CFont* NameFont();
};
