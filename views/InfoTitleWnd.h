#pragma once
// The one-line title bar across the top of the information window: the
// name of the company chosen in the selector over the pages and "Message"
// over the log, in caption colours. Dragging it up or down moves the
// border between the map and the information window.

#include <string>

#include "platform/ui/Wnd.h"

class CInfoWnd;

class CInfoTitleWnd : public CWnd {
public:
    explicit CInfoTitleWnd(CInfoWnd& owner) : m_owner(owner) {}

    // The text over the pages: "Company list" for selector entry 0, else
    // the name of company entry - 1 (empty when there is no such company).
    static std::string SelectionText(int entry);

protected:
    void OnPaint() override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    // The window that holds the information window (the main view).
    CWnd* View() const;
    // Moves the bar's top by the drag from the press to the point (client
    // coordinates of the bar).
    void DragTo(CPoint point);

    CInfoWnd& m_owner;
    // Both in screen coordinates: the bar itself moves while it is dragged.
    CPoint m_pressed;
    CPoint m_last;
    int m_height = 0;
    int m_top = 0;
};
