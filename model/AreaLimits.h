#pragma once
// What the cells of an area are checked against after it was loaded or
// converted: the map it belongs to.

#include <functional>

class CAreaLimits {
public:
    int gridWidth = 0;
    int gridHeight = 0;
    int landTypeCount = 0;
    int structureTypeCount = 0;
    // Owners 0..this: the map's largest company count, or once a game runs
    // its company count (CVDoc::GetCellLimits).
    int maxCompanies = 0;
    // The type code of structure type index i (0..structureTypeCount - 1).
    std::function<int(int)> structureTypeCode;
};
