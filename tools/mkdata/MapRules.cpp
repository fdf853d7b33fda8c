#include "tools/mkdata/MapRules.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "model/League.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/StructureCodes.h"
#include "tools/mkdata/ArtCatalog.h"

namespace {

using SStructure = CMapContent::SStructure;

int CountCode(const CMapContent& content, int code) {
    return static_cast<int>(std::count_if(content.structures.begin(), content.structures.end(),
                                          [&](const SStructure& t) { return t.code == code; }));
}

bool HasLandCode(const CMapContent& content, int code) {
    return std::any_of(content.lands.begin(), content.lands.end(),
                       [&](const CMapContent::SLand& l) { return l.code == code; });
}

// Codes the computer builds on its own sites: they need the third flag.
bool ComputerBuilds(int code) {
    return code == 0 || code == 60 || code == 61 || code == 71 || code == 80 || code == 85;
}

// Codes that only the game itself places (burning, marking, pairing).
bool NeverByComputer(int code) {
    return code == 35 || code == 40 || code == 45 || code == 27 || code == 72;
}

// Codes placed cell by cell by the area simulation or as markers.
bool MustBeSingleCell(int code) {
    return code == 35 || code == 40 || code == 45 || code == 30 || code == 55 || code == 25 ||
           code == 26 || code == 27;
}

void CheckArt(const CMapContent::SPlace& place, const std::string& art, bool land) {
    auto kind = CArtCatalog::Find(art);
    if (!kind) CMapRules::Fail(place, "unknown picture kind \"" + art + "\"");
    if (CArtCatalog::Info(*kind).land != land)
        CMapRules::Fail(place, "picture kind \"" + art + "\" is not a " +
                                   (land ? "land" : "structure") + " picture");
}

// ---- Map ----

void CheckMap(const CMapContent& content) {
    if (content.gridWidth < 1 || content.gridHeight < 1 || content.gridWidth > CMapData::kMaxSide ||
        content.gridHeight > CMapData::kMaxSide)
        CMapRules::Fail(content.place, "the map needs a grid size (grid W H)");
    if (content.maxCompanies < 1 || content.maxCompanies > CMapDoc::kMaxCompanyLimit)
        CMapRules::Fail(content.place, "the maximum company count must lie in 1..32");
    if (content.initialCompanies < 1 || content.initialCompanies > content.maxCompanies)
        CMapRules::Fail(content.place, "the initial company count must lie in 1..maximum");
    if (content.directorsNeeded < content.maxCompanies)
        CMapRules::Fail(content.place, "a game needs at least one director per company (" +
                                           std::to_string(content.maxCompanies) + ")");
    // A new game gives every area its own governor and draws until it has.
    if (content.governorsNeeded < static_cast<int>(content.areas.size()))
        CMapRules::Fail(content.place, "a game needs at least one governor per area (" +
                                           std::to_string(content.areas.size()) + ")");
    static const char* const kWhich[] = {"first", "second", "third"};
    for (size_t i = 0; i < content.authors.size(); ++i)
        if (content.authors[i].name.empty())
            CMapRules::Fail(content.place, std::string("the ") + kWhich[i] + " author is missing");
    int wanted = content.maxCompanies + CMapRules::kSpareCompanyNames;
    if (static_cast<int>(content.companyNames.size()) < wanted)
        CMapRules::Fail(content.place,
                        "too few company names: " + std::to_string(content.companyNames.size()) +
                            ", the map needs " + std::to_string(wanted) +
                            " (the maximum company count and " +
                            std::to_string(CMapRules::kSpareCompanyNames) + " spare)");
    std::set<std::string> names;
    for (const auto& name : content.companyNames)
        if (!names.insert(name.name).second)
            CMapRules::Fail(name.place, "company name \"" + name.name + "\" given twice");
}

// ---- Types ----

void CheckLands(const CMapContent& content) {
    if (content.lands.empty() || static_cast<int>(content.lands.size()) > CMapDoc::kMaxTypes)
        CMapRules::Fail(content.place, "the map needs 1 to 256 land types");
    int plain = 0, lastValue = -1;
    for (size_t i = 0; i < content.lands.size(); ++i) {
        const CMapContent::SLand& land = content.lands[i];
        CheckArt(land.place, land.art, true);
        if (CMapRules::FindLand(content, land.name) != static_cast<int>(i))
            CMapRules::Fail(land.place, "land type \"" + land.name + "\" given twice");
        bool last = i + 1 == content.lands.size();
        if ((land.art == CMapRules::kSideArt) != last)
            CMapRules::Fail(land.place,
                            "the side picture belongs to the last land type, and only there");
        if (land.code != 0) continue;
        ++plain;
        if (land.value < 1 || land.value <= lastValue)
            CMapRules::Fail(land.place,
                            "plain land (code 0) needs land values above 0 that rise "
                            "from type to type");
        lastValue = land.value;
    }
    if (plain < CMapRules::kMinPlainLand || plain > CMapRules::kMaxPlainLand)
        CMapRules::Fail(content.place, "the map needs 4 to 8 plain land types (code 0), it has " +
                                           std::to_string(plain));
    if (!HasLandCode(content, 17))
        CMapRules::Fail(content.place,
                        "\"Topography\" data does not include \"Foundation\" (code 17)");
    if (!HasLandCode(content, 31))
        CMapRules::Fail(content.place, "the map needs water land (code 31)");
}

void CheckRequiredCodes(const CMapContent& content) {
    struct SRequired {
        int code;
        const char* what;
    };
    static const SRequired kRequired[] = {{35, "\"Rubble\""},
                                          {40, "\"Fire\""},
                                          {45, "a construction-site marker"},
                                          {50, "a public building"},
                                          {51, "a public building"},
                                          {55, "\"Residence\""},
                                          {70, "a project"},
                                          {71, "a structure with a second part"},
                                          {75, "a nuisance"},
                                          {76, "an explosive structure"},
                                          {80, "a stadium"},
                                          {85, "a stadium"},
                                          {30, "a small building"}};
    for (const SRequired& r : kRequired)
        if (CountCode(content, r.code) == 0)
            CMapRules::Fail(content.place, "\"Building\" data does not include " +
                                               std::string(r.what) + " (code " +
                                               std::to_string(r.code) + ")");
    if (CountCode(content, 45) != 1)
        CMapRules::Fail(content.place,
                        "the map needs exactly one construction-site marker (code 45)");
    static const std::pair<int, const char*> kOffices[] = {{60, "\"Head Office\""},
                                                           {61, "\"Branch Office\""}};
    for (auto [code, what] : kOffices)
        if (std::none_of(content.structures.begin(), content.structures.end(),
                         [&](const SStructure& t) { return t.code == code && t.flags[1] == 1; }))
            CMapRules::Fail(content.place, std::string("\"Building\" data does not include ") +
                                               what + " (code " + std::to_string(code) +
                                               " with the second flag)");
}

void CheckRising(const CMapContent& content, int code, int lo, int hi, const char* what) {
    int count = 0, last = -1;
    for (const SStructure& t : content.structures) {
        if (t.code != code) continue;
        ++count;
        if (t.value < 1 || t.value <= last)
            CMapRules::Fail(t.place, std::string(what) + " (code " + std::to_string(code) +
                                         ") needs values above 0 that rise from type to type");
        last = t.value;
    }
    if (count < lo || count > hi)
        CMapRules::Fail(content.place, "the map needs " + std::to_string(lo) + " to " +
                                           std::to_string(hi) + " " + what + " types (code " +
                                           std::to_string(code) + "), it has " +
                                           std::to_string(count));
}

// A type that needs a partner directly after it, and a partner that needs
// its leader directly before it.
void CheckPairs(const CMapContent& content) {
    const auto& types = content.structures;
    for (size_t i = 0; i < types.size(); ++i) {
        const SStructure& t = types[i];
        const SStructure* next = i + 1 < types.size() ? &types[i + 1] : nullptr;
        const SStructure* previous = i > 0 ? &types[i - 1] : nullptr;
        if (t.code == 71 &&
            (!next || next->code != 72 || next->width != t.width || next->height != t.height))
            CMapRules::Fail(t.place,
                            "a code-71 type must be followed directly by its code-72 "
                            "partner of the same size");
        if (t.code == 72 && (!previous || previous->code != 71))
            CMapRules::Fail(t.place, "a code-72 type must follow directly after its code-71 type");
        if ((t.code == 25 || t.code == 26) && (!next || next->code != 27))
            CMapRules::Fail(t.place,
                            "a crossing (code 25 or 26) must be followed directly by its "
                            "code-27 works");
        if (t.code == 27 && (!previous || (previous->code != 25 && previous->code != 26)))
            CMapRules::Fail(t.place, "a code-27 type must follow directly after a crossing");
    }
    if (CountCode(content, 26) > 0 && !HasLandCode(content, 20))
        CMapRules::Fail(content.place, "crossings of code 26 need land of code 20");
    if (CountCode(content, 25) > 0 && !HasLandCode(content, 21))
        CMapRules::Fail(content.place, "crossings of code 25 need land of code 21");
}

void CheckStructure(const CMapContent& content, size_t i) {
    const SStructure& t = content.structures[i];
    CheckArt(t.place, t.art, false);
    if (CMapRules::FindStructure(content, t.name) != static_cast<int>(i))
        CMapRules::Fail(t.place, "structure type \"" + t.name + "\" given twice");
    if (MustBeSingleCell(t.code) && (t.width != 1 || t.height != 1))
        CMapRules::Fail(t.place, "a type of code " + std::to_string(t.code) + " must be 1x1");
    if (ComputerBuilds(t.code) && t.flags[2] != 1)
        CMapRules::Fail(t.place, "the computer builds types of code " + std::to_string(t.code) +
                                     ": the third flag must be set");
    if (NeverByComputer(t.code) && t.flags[2] != 0)
        CMapRules::Fail(t.place, "the computer must not build a type of code " +
                                     std::to_string(t.code) + ": clear the third flag");
    if (t.code == 70 && (t.basePrice < 1 || t.flags[0] != 1))
        CMapRules::Fail(t.place,
                        "a project (code 70) is offered for tenders: it needs a base "
                        "price and the first flag");
    if (t.code == 0 && (t.basePrice < 1 || t.staff < 1 || t.durability < 1))
        CMapRules::Fail(t.place, "a business needs a base price, staff and durability");
    for (const auto& [name, factor] : t.near)
        if (CMapRules::FindStructure(content, name) < 0)
            CMapRules::Fail(t.place, "\"near\" names an unknown structure type \"" + name + "\"");
    if (!t.near.empty() && t.radius < 1)
        CMapRules::Fail(t.place, "neighbours act only within a radius of 1 or more");
}

void CheckStructures(const CMapContent& content) {
    if (static_cast<int>(content.structures.size()) > CMapDoc::kMaxTypes)
        CMapRules::Fail(content.place, "the map holds at most 256 structure types");
    // What the table as a whole lacks first: a missing code says more than
    // the neighbour lists that named its types.
    CheckRequiredCodes(content);
    int economy = CountCode(content, 0);
    if (economy < CMapRules::kMinEconomy || economy > CMapRules::kMaxEconomy)
        CMapRules::Fail(content.place, "the map needs 20 to 40 businesses (code 0), it has " +
                                           std::to_string(economy));
    CheckRising(content, 55, CMapRules::kMinHousing, CMapRules::kMaxHousing, "housing");
    CheckPairs(content);
    for (size_t i = 0; i < content.structures.size(); ++i) CheckStructure(content, i);
}

// ---- Areas ----

void CheckLandGrid(const CMapContent& content, const CMapContent::SArea& area) {
    if (static_cast<int>(area.land.size()) != content.gridHeight)
        CMapRules::Fail(area.place, "area \"" + area.key + "\" has no land grid");
    for (const auto& [line, row] : area.land)
        for (char sign : row) {
            auto entry = content.landLegend.find(sign);
            CMapContent::SPlace place{area.place.file, line};
            if (entry == content.landLegend.end())
                CMapRules::Fail(place,
                                std::string("land sign '") + sign + "' is not in the legend");
            int type = CMapRules::FindLand(content, entry->second.name);
            if (type < 0)
                CMapRules::Fail(entry->second.place, "the legend names an unknown land type \"" +
                                                         entry->second.name + "\"");
            if (type + 1 == static_cast<int>(content.lands.size()))
                CMapRules::Fail(place, "the side land type is not for cells");
        }
    for (const auto& [line, row] : area.height)
        for (char sign : row)
            if (sign < '0' || sign - '0' > content.maxLevel)
                CMapRules::Fail({area.place.file, line},
                                "heights are digits 0.." + std::to_string(content.maxLevel));
}

void CheckFigures(const CMapContent::SArea& area) {
    if (area.name.empty()) CMapRules::Fail(area.place, "the area needs a name");
    if (area.population < 5)
        CMapRules::Fail(area.place, "the population must be 5 or more (units of 10,000)");
    if (area.level < 10 || area.level > 200)
        CMapRules::Fail(area.place, "the price level must lie in 10..200");
    if (area.figure19 < 0 || area.figure19 >= CMapRules::kFigure19Limit)
        CMapRules::Fail(area.place, "figure 19 must lie in 0..149");
}

void CheckAreas(const CMapContent& content) {
    if (content.areas.empty() || static_cast<int>(content.areas.size()) > CMapDoc::kMaxAreas)
        CMapRules::Fail(content.place, "the map needs 1 to 64 areas");
    for (const CMapContent::SArea& area : content.areas) {
        CheckFigures(area);
        CheckLandGrid(content, area);
    }
    if (std::none_of(content.areas.begin(), content.areas.end(),
                     [](const CMapContent::SArea& a) { return a.quake > 0; }))
        CMapRules::Fail(content.place, "no area has an earthquake figure above 0");
}

// ---- Leagues ----

void CheckSchedule(const CMapContent::SLeague& league) {
    int n = static_cast<int>(league.teams.size());
    if (n < CMapRules::kMinTeams || n > CMapRules::kMaxTeams)
        CMapRules::Fail(league.place, "a league has 6 to 8 teams, this one " + std::to_string(n));
    if (league.seasonGames % (n - 1) != 0)
        CMapRules::Fail(league.place, "the season games must be a multiple of the teams - 1 (" +
                                          std::to_string(n - 1) + ")");
    const auto& starts = league.startMonths;
    if (starts.empty()) CMapRules::Fail(league.place, "a league needs a season start month");
    int months = CMapRules::SeasonMonths(league);
    for (size_t i = 0; i < starts.size(); ++i) {
        int next = i + 1 < starts.size() ? starts[i + 1] : starts.front() + 12;
        if (next - starts[i] < months)
            CMapRules::Fail(league.place, "a season of " + std::to_string(months) +
                                              " months runs into the next start month");
    }
}

void CheckLeagues(const CMapContent& content) {
    if (static_cast<int>(content.leagues.size()) != CMapRules::kLeagueCount)
        CMapRules::Fail(content.place, "the map needs exactly three leagues");
    std::set<int> kinds;
    for (const CMapContent::SLeague& league : content.leagues) {
        kinds.insert(league.kind);
        CheckSchedule(league);
        int code = StructureCode::StadiumTypeCode(league.kind);
        if (CountCode(content, code) == 0)
            CMapRules::Fail(league.place, "no stadium type (code " + std::to_string(code) +
                                              ") for this league's sport");
        std::set<std::string> names;
        for (const CMapContent::STeam& team : league.teams)
            if (!names.insert(team.name).second)
                CMapRules::Fail(team.place, "team name \"" + team.name + "\" given twice");
    }
    if (kinds.size() != 2)
        CMapRules::Fail(content.place, "the three leagues play two sports (kinds 0 and 1)");
}

}  // namespace

void CMapRules::Fail(const CMapContent::SPlace& place, const std::string& what) {
    throw std::runtime_error(place.file + ":" + std::to_string(place.line) + ": " + what);
}

int CMapRules::FindLand(const CMapContent& content, const std::string& name) {
    for (size_t i = 0; i < content.lands.size(); ++i)
        if (content.lands[i].name == name) return static_cast<int>(i);
    return -1;
}

int CMapRules::FindStructure(const CMapContent& content, const std::string& name) {
    for (size_t i = 0; i < content.structures.size(); ++i)
        if (content.structures[i].name == name) return static_cast<int>(i);
    return -1;
}

int CMapRules::SeasonMonths(const CMapContent::SLeague& league) {
    int perMonth = std::max(league.gamesPerMonth, 1);
    return (league.seasonGames + perMonth - 1) / perMonth;
}

void CMapRules::Check(const CMapContent& content) {
    CheckMap(content);
    CheckLands(content);
    CheckStructures(content);
    CheckAreas(content);
    CheckLeagues(content);
}
