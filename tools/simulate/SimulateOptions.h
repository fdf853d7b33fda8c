#pragma once
// The command line of the headless harness.

#include <optional>
#include <string>

class CSimulateOptions {
public:
    // false (with the reason in error) for an unknown option or a value
    // that is missing or not a number in range.
    bool Parse(int argc, const char* const* argv, std::string& error);
    static const char* Usage();

    std::string mapFile;        // empty: ORIGINAL.MQM in the program folder
    std::string personFile;     // empty: ORIGINAL.MQP in the program folder
    int companies = 0;          // 0: the map's count
    int years = 10;             // the game's length
    std::optional<int> months;  // none: to the end of the game
    std::optional<int> seed;    // none: from the clock
    std::string saveFile;
    std::string loadFile;
    std::string transcriptFile;
    // Check the game's invariants after every phase.
    bool check = false;
    // Keep a copy of one month's backup of every game year (a month drawn
    // apart from the game's draws) and of the last month's, named
    // BACKUP-<year>-<month>.MQD, for the soak to verify.
    bool keepBackups = false;
    // Only verify that this saved game loads and saves again to the same
    // bytes apart from the load count and the session state.
    std::string verifyFile;
};
