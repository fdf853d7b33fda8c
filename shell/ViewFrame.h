#pragma once
// What the main view needs of the main frame: the map interaction mode and
// its end, whether the founding phase still runs, the network window, and
// the application's profile. CMainFrame implements it.

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
};
