#pragma once
// Turns one area of the sources into an area of the map: land types from
// the legend, heights, and the structures of the build grid. A structure is
// drawn in the build grid by filling its whole footprint with its sign;
// footprints are found left to right and top to bottom, so that equal
// neighbours line up. Each footprint must be whole, level and on land that
// can carry buildings. Complaints name the source line.

#include "model/MapData.h"
#include "tools/mkdata/MapContent.h"

class CAreaBuilder {
public:
    CAreaBuilder(const CMapContent& content, const CMapContent::SArea& area);

    CMapData Build();

    // The anchor of the n-th (from 1) structure of a type code in row order;
    // false when the area has fewer.
    static bool FindNthOfCode(const CMapContent& content, const CMapData& area, int code, int n, int& x,
                              int& y);

private:
    void PlaceLand(CMapData& area) const;
    void PlaceHeights(CMapData& area) const;
    void PlaceStructures(CMapData& area);
    void PlaceOne(CMapData& area, int x, int y, char sign, int line);
    void CheckFootprintGround(const CMapData& area, int x0, int y0, int type, int line) const;
    [[noreturn]] void Fail(int line, const std::string& what) const;

    const CMapContent& m_spec;
    const CMapContent::SArea& m_area;
    std::vector<std::vector<bool>> m_claimed;
};
