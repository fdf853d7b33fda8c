#pragma once
// What the game asks of the map data as a whole, checked on the sources
// before anything is drawn or written: every type code the rules need, the
// pairs that must follow each other, leagues that can play and find their
// stadiums, areas whose grids and figures the loader and the new game
// accept. A broken rule throws std::runtime_error naming the source line
// and the rule, so that mkdata never writes a map the game would refuse.

#include <string>

#include "tools/mkdata/MapContent.h"

class CMapRules {
public:
    static constexpr int kMinPlainLand = 4;
    static constexpr int kMaxPlainLand = 8;
    static constexpr int kMinHousing = 4;
    static constexpr int kMaxHousing = 8;
    static constexpr int kMinEconomy = 20;
    static constexpr int kMaxEconomy = 40;
    static constexpr int kMinTeams = 6;
    static constexpr int kMaxTeams = 8;
    static constexpr int kLeagueCount = 3;
    // Company names beyond the largest company count.
    static constexpr int kSpareCompanyNames = 3;
    // The fire event draws Random(150 - figure).
    static constexpr int kFigure19Limit = 150;
    // The art kind of the map's last land type: the sides of raised cells.
    static constexpr const char* kSideArt = "side";

    static void Check(const CMapContent& content);

    // Index of the type of that name; -1 for none.
    static int FindLand(const CMapContent& content, const std::string& name);
    static int FindStructure(const CMapContent& content, const std::string& name);
    // The season of a league in months: its games at its monthly pace.
    static int SeasonMonths(const CMapContent::SLeague& league);

    [[noreturn]] static void Fail(const CMapContent::SPlace& place, const std::string& what);
};
