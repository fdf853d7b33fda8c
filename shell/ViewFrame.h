#pragma once
// What the main view needs of the main frame: the map interaction mode and
// its end, the map's zoom, pick flag, input switch and colours, whether the founding phase still runs, the network window, and
// the application's profile. CMainFrame implements it.

#include "model/CellPoint.h"
#include "platform/ui/GdiDefs.h"

class CProfile;

class IViewFrame {
public:
    virtual ~IViewFrame() = default;
    // The map interaction mode: 0 none, 1 own plots blinking, 2 grey-level
    // display, 3..10 picks for orders.
    virtual int GetMapMode() const = 0;
    // Ends the map interaction mode; unless forced only while input is on.
    virtual void EndMapPick(int force) = 0;
    // Set from the frame's construction until the game has been opened.
    virtual int IsFoundingPhase() const = 0;
    // F2: shows or hides the network window (nothing outside a network game).
    virtual void ShowNetworkWindow() = 0;
    // The application's profile ("Window Layout" keeps the pane ratios).
    virtual CProfile& GetProfile() = 0;
    // The map's zoom ("MapDrawRate"), 1.0 for 100 %.
    virtual double GetMapDrawRate() const = 0;
    virtual int GetPickFlag() const = 0;
    virtual int IsInputEnabled() const = 0;
    // The map background colours ("MapBkColor" top, "MapBkColor2" bottom).
    virtual void GetMapColors(COLORREF& top, COLORREF& bottom) const = 0;

    // ---- The map window's picks and context menu
    // A cell picked on the map for the current map interaction mode.
    virtual void PickMapCell(CCellPoint cell) = 0;
    // Command 40025: the real-estate portfolio of the shown area.
    virtual void DoAreaPortfolio() = 0;
    // Command 40500: the shown area's explanation.
    virtual void ShowAreaExplanation() = 0;
};
