#include "MapCheck.h"

#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

#include "model/BD.h"
#include "model/MapDoc.h"

std::string CheckAreaInvariants(const CMapDoc& map, int area) {
    const CMapData& a = map.GetArea(area);
    std::ostringstream fault;
    if (a.GetPopulation() < 5) fault << "population " << a.GetPopulation();
    if (a.GetTrend() < -10 || a.GetTrend() > 10) fault << "trend " << a.GetTrend();
    if (a.GetPotential() < -100 || a.GetPotential() > 100) fault << "potential";
    if (a.GetFire() < 0 || a.GetFire() > 100) fault << "fire";
    if (a.GetProjectFund() < 0 || a.GetProjectFund() > 700) fault << "project fund";
    for (int y = 0; y < a.GetHeight() && fault.str().empty(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            int value = a.GetLandValue(x, y);
            bool plain = map.IsPlainLand(area, x, y);
            if (value > 300 || value < (plain ? 1 : 0)) fault << "land value " << value;
            int number = a.GetLayer(CMapData::layerStructure, x, y);
            if (number == -1) {
                CCellPoint anchor = a.GetAnchorCell(x, y);
                CCellPoint got, first;
                if (!a.IsInGrid(anchor.x, anchor.y) ||
                    a.GetLayer(CMapData::layerStructure, anchor.x, anchor.y) <= 0 ||
                    !map.GetStructureExtent(area, x, y, got, first) || x < first.x || y < first.y ||
                    x > anchor.x || y > anchor.y)
                    fault << "covered cell without its anchor";
            } else if (number > 0) {
                CCellPoint anchor, first;
                map.GetStructureExtent(area, x, y, anchor, first);
                for (int cy = first.y; cy <= y; ++cy)
                    for (int cx = first.x; cx <= x; ++cx)
                        if ((cx != x || cy != y) &&
                            (!a.IsInGrid(cx, cy) || !(a.GetAnchorCell(cx, cy) == anchor) ||
                             a.GetLayer(CMapData::layerStructure, cx, cy) != -1))
                            fault << "footprint cell not covered";
            }
            if (!fault.str().empty())
                return fault.str() + " at " + std::to_string(x) + "," + std::to_string(y);
        }
    CMapData rebuilt = a;
    rebuilt.RebuildStadiumLists(
        [&](int type) { return map.GetStructureType(type)->GetTypeCode(); });
    for (int list = 0; list < 2; ++list) {
        std::vector<std::pair<int, int>> have, want;
        for (int i = 0; i < a.GetStadiumCount(list); ++i)
            have.push_back({a.GetPairListCell(list, i).y, a.GetPairListCell(list, i).x});
        for (int i = 0; i < rebuilt.GetStadiumCount(list); ++i)
            want.push_back(
                {rebuilt.GetPairListCell(list, i).y, rebuilt.GetPairListCell(list, i).x});
        std::sort(have.begin(), have.end());
        if (have != want) fault << "stadium list " << list;
    }
    return fault.str();
}
