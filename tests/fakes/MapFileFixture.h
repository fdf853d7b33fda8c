#pragma once
// A small but complete map made by code, and its map data file written with
// the real record classes: five land types, fourteen structure types (every
// code a new game needs, houses, kiosks, stadiums and a crossing pair),
// pictures in every direction, three leagues, twelve company names and two
// 6 x 5 areas with placed, covered, owned, building and burning cells.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CMapDoc;

struct SMapFixtureOptions {
    // Without plain land, the plain land types get code 31 instead of 0.
    bool plainLand = true;
    // Pictures of the types (4-bit, small); without them there are no
    // strips.
    bool pictures = true;
    int areaCount = 2;
    // Room for this many companies (the fixture names twelve).
    int maxCompanies = 8;
    // Structure types of these codes are left out (the cells that would
    // hold them stay empty).
    std::vector<int> omitStructureCodes;
};

inline SMapFixtureOptions FixtureWithAreas(int areaCount) {
    SMapFixtureOptions options;
    options.areaCount = areaCount;
    return options;
}

inline SMapFixtureOptions FixtureWithoutPictures() {
    SMapFixtureOptions options;
    options.pictures = false;
    return options;
}

// Land type indexes of the fixture map.
enum eFixtureLand { fixtureMeadow, fixtureScrub, fixtureFoundation, fixtureField, fixtureTrackBed };

std::unique_ptr<CMapDoc> MakeFixtureMap(const SMapFixtureOptions& options = {});
// The map data file of MakeFixtureMap(options).
std::vector<uint8_t> WriteFixtureMapFile(const SMapFixtureOptions& options = {});
// Where a fixture map data file holds the count that follows the first
// area's width and height.
size_t FirstAreaCountOffset(const std::vector<uint8_t>& file);

// The index of the first structure type of a code in the map; -1 for none.
int FindStructureOfCode(const CMapDoc& map, int code);
