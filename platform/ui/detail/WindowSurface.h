#pragma once
// The pixels a window's device context draws on: the window widget's
// surface, its client area (or the whole window) and, while painting, the
// invalid part.

#include <QRect>
#include <optional>

#include "platform/gfx/DCSurface.h"

class CWnd;

class CWindowSurface : public CDCSurface {
public:
    CWindowSurface(CWnd* wnd, bool wholeWindow, std::optional<QRect> paintClip = std::nullopt)
        : m_wnd(wnd), m_wholeWindow(wholeWindow), m_paintClip(paintClip) {}

    bool Resolve(SPixelRows& pixels, SPixelBox& area, int& baseX, int& baseY) const override;
    void Touched(const SPixelBox& area) const override;

private:
    CWnd* m_wnd;
    bool m_wholeWindow;
    std::optional<QRect> m_paintClip;  // client coordinates
};
