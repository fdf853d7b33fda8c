#pragma once
// The program folder: where the executables, the data files, the saved games
// and the exported texts live. MERCAVO_HOME overrides it, so tests can run
// several programs side by side, each with its own folder.

#include <string>

class CProgramFolder {
public:
    // The folder with a trailing '/'.
    static std::string Get();
    // name inside the program folder.
    static std::string File(const std::string& name);
    // For tests: use this folder from now on ("" goes back to the default).
    static void Override(const std::string& folder);
};
