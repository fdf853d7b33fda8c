#pragma once
// The direction window: the small dial in the map window that shows and
// changes the view direction. For now a window of its class that keeps its
// default size.

#include "platform/ui/Wnd.h"

class CMapDirectWnd : public CWnd {
public:
    // The size the window starts with and returns to.
    void SetDefaultSize(int width, int height) {
        m_defaultWidth = width;
        m_defaultHeight = height;
    }
    int GetDefaultWidth() const { return m_defaultWidth; }
    int GetDefaultHeight() const { return m_defaultHeight; }

private:
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
};
