#pragma once
// When the main frame's commands are enabled and checked: one rule per
// command over a snapshot of what the rules read (the company at this
// seat, the frame's flags and modes, the map's zoom and direction). The
// frame takes the snapshot when the platform asks for a command's state,
// so that one rule guards the menu entry, the tool-bar button and the key.

#include <array>

#include "platform/ui/WinDefs.h"

struct SCommandState {
    // A company is played at this seat (none for an observer).
    bool company = false;
    int freeDirectors = 0;
    // Directors that have a task.
    int busyDirectors = 0;
    bool input = false;
    // Land plus buildings of the company in the area the view shows, and
    // over all areas.
    int shownHoldings = 0;
    int totalHoldings = 0;
    bool auctionBidPending = false;
    // The company holds shares of at least one company.
    bool sharesHeld = false;
    // Leagues in which the company owns a team.
    int teams = 0;
    int funds = 0;
    int debt = 0;
    int employeesAtWork = 0;
    bool network = false;
    bool host = false;
    bool saveBlocked = false;
    // No message of the month's chain is outstanding.
    bool chainIdle = true;
    int mapMode = 0;
    double drawRate = 1.0;
    int direction = 0;
    // The map's per-direction enable values.
    std::array<int, 4> directionEnabled{1, 1, 1, 1};
};

struct SCommandUi {
    // false: the command has no rule of its own (enabled with its menu).
    bool handled = false;
    bool enabled = true;
    int check = 0;
};

class CCommandRules {
public:
    // The frame's map interaction modes that the commands start and check.
    static constexpr int kMapAcquired = 1;
    static constexpr int kMapProsperity = 2;
    static constexpr int kMapPurchase = 3;
    static constexpr int kMapSale = 4;
    static constexpr int kMapConstruction = 5;
    static constexpr int kMapReinforce = 6;
    static constexpr int kMapFirstStadium = 7;
    static constexpr int kMapLastStadium = 10;
    // The zoom entries' rates, in the order of their ids.
    static constexpr std::array<double, 6> kZoomRates = {0.5, 0.75, 1.0, 1.25, 1.5, 2.0};

    static SCommandUi Evaluate(UINT id, const SCommandState& s);
    // The rate of a zoom entry; 0 for another id.
    static double ZoomRate(UINT id);
    // The direction 0..3 of a view-direction entry; -1 for another id.
    static int ViewDirection(UINT id);
    // The recent-file entries 0..7.
    static bool IsRecentFile(UINT id);
};
