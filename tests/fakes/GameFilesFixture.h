#pragma once
// The two data files of a new game made by code: the fixture map (see
// MapFileFixture.h) with its office types marked as the new game needs
// them, and a small character data file written with the real file class.

#include <cstdint>
#include <string>
#include <vector>

#include "MapFileFixture.h"
#include "model/PersonDataFile.h"

struct SPersonFixtureOptions {
    int directors = 12;
    int governors = 6;
    int firstYearCandidates = 12;
    // Every person gets three faces (small 8-bit pictures).
    bool faces = true;
};

CPersonDataFile MakeFixturePersonFile(const SPersonFixtureOptions& options = {});
std::vector<uint8_t> WriteFixturePersonFile(const SPersonFixtureOptions& options = {});

// The fixture map with its head and branch office types flagged as offices.
std::unique_ptr<CMapDoc> MakeGameFixtureMap(const SMapFixtureOptions& options = {});

// Writes ORIGINAL.MQM and ORIGINAL.MQP into the folder (with a trailing
// separator); false when a file cannot be written.
bool WriteGameDataFiles(const std::string& folder, CMapDoc& map,
                        const SPersonFixtureOptions& persons = {});
