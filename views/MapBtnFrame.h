#pragma once
// The frame of area buttons in the area selection window. For now it keeps
// which areas it was asked to show and refresh, and draws only its class
// background.

#include <vector>

#include "platform/ui/Wnd.h"

class CMapBtnFrame : public CWnd {
public:
    // Creates the buttons: 1 on success.
    int CreateButtons() { return 1; }
    // Shows areas first, first + 1, ... on the buttons.
    void SetFirstVisible(int first, BOOL redraw);
    int GetFirstVisible() const { return m_first; }
    // The mouse wheel over the frame (120 a notch).
    void ScrollByWheel(int delta);
    // Recomputes and repaints an area's button (-1 every visible one).
    void RefreshAreaButton(int area);
    // Recomputes and repaints every button.
    void RefreshAll();

    const std::vector<int>& GetRefreshedAreas() const { return m_refreshed; }

private:
    int m_first = 0;
    std::vector<int> m_refreshed;
};
