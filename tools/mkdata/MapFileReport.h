#pragma once
// "mkdata --check" for map data files: loads a file through the game's own
// loader in map-file mode (checksum, ranges, derived lists, picture strips)
// and describes it, or gives the loader's error. The same loading verifies
// every map file mkdata writes before it is written.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CMapDoc;

class CMapFileReport {
public:
    // Loads the bytes of a map data file as a new game does. Throws
    // std::runtime_error with the loader's error text.
    static std::unique_ptr<CMapDoc> Load(const std::vector<uint8_t>& bytes);

    // The first of the new game's tests of the map that fails, as the
    // game's message names it; empty when the map passes them all.
    static std::string FindNewGameProblem(const CMapDoc& map);

    // The summary of a loaded map: header figures, areas, types by code,
    // leagues, authors, checksum.
    static std::string Summary(const std::string& path, const CMapDoc& map);

    // Describes the file into text; false (text = the error) when it does
    // not load.
    static bool Describe(const std::string& path, std::string& text);
};
