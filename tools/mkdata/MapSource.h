#pragma once
// Reads the map sources of data/ into a CMapContent:
//
//   map.txt    [map] grid, companies, needs, max_level, header, values,
//              values12; [authors] first/second/third NAME | LETTERS;
//              [companies] one name a line; [league] kind, popularity,
//              schedule GAMES PER_MONTH START..., and team lines
//              "team SALE POWER POPULARITY AREA STADIUM NAME".
//   types.txt  [land] lines "land CODE VALUE PRICE USABLE ART NAME";
//              [structures] lines "type CODE WxH ART VALUE PRICE STEPS STAFF
//              DURABILITY FLAGS NAME", each followed by optional lines
//              revenue, months, bonus, effects, radius, near, text.
//   areas.txt  [legend land] / [legend structures] lines "SIGN NAME";
//              [area KEY] with name, text, figures and the grids land,
//              height and build (one row a line).
//
// Mistakes throw std::runtime_error "FILE:LINE: what is wrong". What the
// game needs of the content as a whole is checked by CMapRules.

#include <string>

#include "tools/mkdata/MapContent.h"
#include "tools/mkdata/SourceText.h"

class CMapSource {
public:
    static constexpr const char* kMapName = "map.txt";
    static constexpr const char* kTypesName = "types.txt";
    static constexpr const char* kAreasName = "areas.txt";
    static constexpr int kMaxNameLength = 63;
    static constexpr int kMaxTextLength = 400;

    // The three sources of a folder (ending in '/').
    static CMapContent ReadFolder(const std::string& folder);

    static void ParseMap(const CSourceText& source, CMapContent& content);
    static void ParseTypes(const CSourceText& source, CMapContent& content);
    static void ParseAreas(const CSourceText& source, CMapContent& content);
};
