#pragma once
// Writes the map data file of a map: the same layout that CMapDoc reads in
// map-file mode, with the areas as raw area records and, last, the checksum
// that loading the file computes. The data tool writes the game's map data
// file with it, so a file it writes always loads.

#include <cstdint>
#include <string>
#include <vector>

class CArchive;
class CMapData;
class CMapDoc;

class CMapFileWriter {
public:
    // The whole file. The contents are read back once to compute the
    // checksum, so a map that would not load throws what its load would
    // throw (eMERCAVO_ERROR_CONTENTS for a bad area, ...) and nothing is
    // written.
    static std::vector<uint8_t> Write(CMapDoc& map);
    static void Write(CMapDoc& map, CArchive& ar);
    // false when the file cannot be created or written (the map's own
    // errors are thrown as above).
    static bool WriteFile(CMapDoc& map, const std::string& path);

    // One raw area record: name, explanation, size, the spare count, the
    // first seven layers interleaved cell by cell, and the six figures the
    // record carries (population, price level, effect sum 5, potential,
    // figures 19 and 20).
    static void WriteRawArea(CArchive& ar, const CMapData& area);

    // The running checksum of the contents of a map data file (everything
    // before its stored checksum), as loading computes it.
    static int ComputeChecksum(const std::vector<uint8_t>& contents);
};
