#pragma once
// What the two small windows on the judgment's map share: dragging by a
// press off their targets, kept inside the map, and the pop-up menu that
// gives them back their default size.

#include "platform/ui/Rect.h"

class CWnd;

namespace judge {

class CMapChildDrag {
public:
    static constexpr UINT kDefaultSizeCommand = 10000;
    static constexpr const char* kDefaultSizeText = "It makes the default size.";

    // A press at a client point of wnd starts a drag of its rectangle.
    void Begin(CWnd& wnd, CPoint point);
    bool IsDragging() const { return m_dragging; }
    // The release: wnd moves by the pointer's travel, kept inside its
    // parent's client area.
    void End(CWnd& wnd, CPoint point);
    // The rectangle moved as little as needed to lie inside a parent of the
    // given size; never to negative positions.
    static CRect KeptInside(const CRect& rect, CSize parent);
    // The menu with its one command, at a client point of wnd.
    static void ShowMenu(CWnd& wnd, CPoint point);

private:
    bool m_dragging = false;
    CPoint m_start;
};

}  // namespace judge
