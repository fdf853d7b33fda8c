#pragma once
// What the name window and the direction dial share: both float over the
// map window, a press that starts nothing else drags them about inside its
// client area, their context menu gives them back their initial size, and
// neither can be made smaller than its minimum.

#include "platform/ui/Wnd.h"
#include "resources/MercavoIds.h"

class CMapDrawWnd;

class CMapFloatWnd : public CWnd {
public:
    // The command of the context menu's one item, and its string.
    static constexpr UINT kInitialSizeCommand = mercavo_ids::kInitialSize;

    CMapFloatWnd(int minWidth, int minHeight) : m_minWidth(minWidth), m_minHeight(minHeight) {}

    // The size the window starts with and returns to.
    void SetDefaultSize(int width, int height) {
        m_defaultWidth = width;
        m_defaultHeight = height;
    }
    int GetDefaultWidth() const { return m_defaultWidth; }
    int GetDefaultHeight() const { return m_defaultHeight; }
    // Gives the window its default size; it stays where it is.
    void RestoreDefaultSize();

protected:
    // The map window this floats over; nullptr under any other parent.
    CMapDrawWnd* GetMapWnd() const;
    // A press at a client point starts a drag: the mouse is captured.
    void BeginDrag(CPoint point);
    // While dragging, the window follows the mouse to a client point, kept
    // inside the map window's client area.
    void DragTo(CPoint point);
    bool HasCapture() const { return GetCapture() == this; }

    void OnSize(UINT type, int cx, int cy) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    int m_minWidth;
    int m_minHeight;
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
    // The window rectangle and the mouse position at the last step of a
    // drag, both in screen coordinates: the mouse's client position moves
    // with the window, so it cannot measure the next step.
    CRect m_dragRect;
    CPoint m_dragPoint;
};
