#pragma once
// What the windows of the main view's panes need of the view that holds
// them: the shown area, the pane sizes while a splitter or a title bar is
// dragged, and the view direction. The main view implements it; the panes
// reach it through the pointer their owner hands them.

class IViewHost {
public:
    virtual ~IViewHost() = default;
    // The index of the map area the map window shows; -1 while none.
    virtual int GetShownArea() const = 0;
    // Makes `area` the shown area: 1 when it changed, 0 when it was shown.
    virtual int ShowArea(int area) = 0;
    // The information window's title bar was dragged to view coordinate y.
    virtual void DragInfoWindow(int y) = 0;
    // The area selection window's splitter was dragged by dx (right > 0).
    virtual void SetSelectPaneWidth(int dx) = 0;
    // Turns the map to direction 0..3: 1 when it changed, 0 when current.
    virtual int SetDirection(int direction) = 0;
};
