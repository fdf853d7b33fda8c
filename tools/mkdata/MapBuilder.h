#pragma once
// Makes the game's map data file "ORIGINAL.MQM" from the sources in data/:
// the sources are read and checked (CMapSource, CMapRules), the land and
// structure types get the pictures of their art kinds, the areas their
// cells, the leagues their home fields; the file is then loaded back
// through the game's loader and put to the new game's tests before it is
// written. Same sources, same bytes.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tools/mkdata/MapContent.h"

class CBD;
class CGamePalette;
class CMapDoc;

class CMapBuilder {
public:
    static constexpr const char* kFileName = "ORIGINAL.MQM";
    // The widest bitmap the platform makes: a strip of 20 types must fit.
    static constexpr int kMaxStripWidth = 16384;

    explicit CMapBuilder(const CGamePalette& palette) : m_palette(palette) {}

    // Checks the sources and builds the map; throws std::runtime_error
    // naming the source line and the rule it breaks.
    std::unique_ptr<CMapDoc> Build(const CMapContent& content) const;
    // The bytes of the map data file, after loading them back and running
    // the new game's tests of the map on them.
    std::vector<uint8_t> WriteVerified(CMapDoc& map) const;

    // Reads the sources of a folder (ending in '/'), builds, verifies and
    // writes the file; the map as written is returned (the persons are
    // checked against its needs). Nothing is written on an error.
    static std::unique_ptr<CMapDoc> WriteDataFile(const std::string& dataFolder,
                                                  const std::string& outPath,
                                                  const CGamePalette& palette);

    // Throws when a group of 20 types of a table needs a wider strip than
    // a bitmap can be.
    static void CheckStripWidths(const CMapDoc& map);

private:
    void SetHeader(const CMapContent& content, CMapDoc& map) const;
    void AddLandTypes(const CMapContent& content, CMapDoc& map) const;
    void AddStructureTypes(const CMapContent& content, CMapDoc& map) const;
    void SetAuthors(const CMapContent& content, CMapDoc& map) const;
    void AddAreas(const CMapContent& content, CMapDoc& map) const;
    void AddLeagues(const CMapContent& content, CMapDoc& map) const;
    void DrawPictures(CBD& type, const std::string& art, int w, int h, uint64_t variant) const;

    const CGamePalette& m_palette;
};
