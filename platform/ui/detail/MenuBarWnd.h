#pragma once
// The strip of a frame's menu bar: a child window that sits in the frame's
// non-client area above the client area and shows the top-level items.

#include <vector>

#include "platform/ui/Wnd.h"

class CFrameWnd;

class CMenuBarWnd : public CWnd {
public:
    explicit CMenuBarWnd(CFrameWnd* frame) : m_frame(frame) {}
    static int Height();
    // The item's rectangle in the strip's client coordinates.
    CRect ItemRect(int index) const;
    int ItemAt(CPoint point) const;
    void SetOpen(int index);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;

private:
    std::vector<CRect> ItemRects() const;

    CFrameWnd* m_frame;
    int m_open = -1;
};
