#pragma once
// What the windows of the main view's panes need of the view that holds
// them: the shown area, the pane sizes while a splitter or a title bar is
// dragged, the view direction, and what the map window draws with (the
// application's palette, pens and fonts, the frame's zoom, map interaction
// mode, pick flag, player-input switch and map colours). The main view
// implements it; the panes reach it through the pointer their owner hands
// them.

#include "model/CellPoint.h"
#include "platform/ui/GdiDefs.h"

class CCompanyPens;
class CFont;
class CPalette;

class IViewHost {
public:
    virtual ~IViewHost() = default;
    // The index of the map area the map window shows; -1 while none.
    virtual int GetShownArea() const = 0;
    // Makes `area` the shown area: 1 when it changed, 0 when it was shown.
    virtual int ShowArea(int area) = 0;
    // Shows `area` through the area buttons, so that their pressed button
    // follows: 1 when it changed, 0 when it was shown.
    virtual int SelectArea(int area) { return ShowArea(area); }
    // The keyboard focus to the area buttons' tab strip, or to their first
    // button (the Tab order from the information window).
    virtual void FocusAreaTabs() {}
    virtual void FocusFirstAreaButton() {}
    // The information window's title bar was dragged to view coordinate y.
    virtual void DragInfoWindow(int y) = 0;
    // The area selection window's splitter was dragged by dx (right > 0).
    virtual void SetSelectPaneWidth(int dx) = 0;
    // Turns the map to direction 0..3: 1 when it changed, 0 when current.
    virtual int SetDirection(int direction) = 0;

    // ---- What the map window draws with
    // nullptr while the application has none.
    virtual CPalette* GetPalette() = 0;
    virtual CCompanyPens* GetCompanyPens() = 0;
    // The application's message fonts: 0 the first, 1 the second.
    virtual CFont* GetMessageFont(int index) = 0;
    // The zoom of the map ("MapDrawRate"), 1.0 for 100 %.
    virtual double GetMapDrawRate() const = 0;
    // The map interaction mode: 0 none, 1 own plots blinking, 2 grey-level
    // display, 3..10 picks for orders.
    virtual int GetMapMode() const = 0;
    virtual int GetPickFlag() const = 0;
    virtual int IsInputEnabled() const = 0;
    // The background gradient's colours, top and bottom.
    virtual void GetMapColors(COLORREF& top, COLORREF& bottom) const = 0;

    // ---- What the map window's clicks, keys and context menu ask of the frame
    // Hands a picked map cell to the pick of the frame's map interaction mode.
    virtual void PickMapCell(CCellPoint cell) = 0;
    // Ends the frame's map interaction mode; unless forced only while input
    // is on.
    virtual void EndMapPick(int force) = 0;
    // The real-estate portfolio of the shown area.
    virtual void DoAreaPortfolio() = 0;
    // Shows the shown area's explanation text.
    virtual void ShowAreaExplanation() = 0;
};
