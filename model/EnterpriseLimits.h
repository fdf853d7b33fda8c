#pragma once
// What a loaded company's indexes are checked against once the whole saved
// game has been read: the tables they point into, which come after the
// companies in the file.

#include <array>

class CEnterpriseLimits {
public:
    // Persons of the directors' table.
    int personCount = 0;
    // Teams of each of the three leagues.
    std::array<int, 3> teamCounts{};
    // Company names offered by the map.
    int companyNameCount = 0;
    int companyCount = 0;
};
