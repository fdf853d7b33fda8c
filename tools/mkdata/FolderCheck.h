#pragma once
// "mkdata --check FOLDER": every file the programs load from their folder,
// each through the programs' own reader. The checks are one list, one entry
// a group of files; a group that mkdata writes from another table joins the
// check by adding its entry to the list in FolderCheck.cpp.

#include <string>
#include <vector>

class CFolderCheck {
public:
    struct SGroup {
        const char* name;
        // Checks the group's files in folder (with a trailing separator):
        // one line per file in report, false when any is missing, unreadable
        // or wrong.
        bool (*check)(const std::string& folder, std::string& report);
    };

    static const std::vector<SGroup>& Groups();
    // Every group; false when any fails. The report names each file.
    static bool Run(const std::string& folder, std::string& report);
    // The palette file in folder through the game's palette reader; false
    // unless it loads and holds the game palette.
    static bool CheckPalette(const std::string& folder, std::string& report);
    // Reads a palette file and describes it; false when it cannot be read,
    // same tells whether it holds the game palette.
    static bool DescribePalette(const std::string& path, std::string& report, bool& same);
};
