#pragma once
// The records of class 300 group 03 (the map: leagues and areas) and the
// broken-building report of class 400 (02/053 with the area and the cell
// count, 02/054 with up to 50 cells). The texts of the leagues and the
// areas are their own (CLeague, CMapData); this class routes them by league
// and area and checks the indexes before a reader sees the record.

#include <string>
#include <vector>

#include "model/CellPoint.h"
#include "model/NetRecordBuilder.h"

class CAreaLimits;
class CMapDoc;
class CNetRecordReader;

class CNetMapRecords {
public:
    static constexpr int kGroup = 3;
    // The broken-building report: class 400, group 02.
    static constexpr int kActionClass = 400;
    static constexpr int kActionGroup = 2;
    static constexpr int kCodeBroke = 53;
    static constexpr int kCodeBrokeCells = 54;
    static constexpr int kBrokeCellsPerRecord = 50;

    // league -1: every league.
    static std::vector<std::string> BuildLeagues(const CMapDoc& map, int league);
    static std::vector<std::string> BuildAreas(const CMapDoc& map);
    // The map's share of the whole state: the leagues, then every area.
    static std::vector<std::string> BuildAll(const CMapDoc& map);
    // The joiner's refresh of one area: its state and layers 7 and 9.
    static std::vector<std::string> BuildAreaRefresh(const CMapDoc& map, int area);

    // The reader stands behind the code. Type records, pictures and area
    // texts never travel (every program loads them from the same data
    // file): they are taken and ignored. False, nothing changed, when an
    // index or a text does not fit this map.
    static bool Apply(CMapDoc& map, int code, CNetRecordReader& in, const CAreaLimits& limits);

    static std::vector<CNetRecordBuilder> BuildBroke(int area, const std::vector<CCellPoint>& cells);

private:
    static bool ApplyLeague(CMapDoc& map, int code, CNetRecordReader& in);
    static bool ApplyArea(CMapDoc& map, int code, CNetRecordReader& in, const CAreaLimits& limits);
};
