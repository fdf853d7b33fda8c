#include "tools/mkdata/MapFileReport.h"

#include <fstream>
#include <iterator>
#include <map>
#include <new>
#include <stdexcept>

#include "model/MapDoc.h"
#include "model/MercavoError.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/ArchiveStream.h"
#include "platform/core/TextFormat.h"

namespace {

bool HasOffice(const CMapDoc& map, int code) {
    for (int i = 0; i < map.GetStructureTypeCount(); ++i) {
        const CBD& type = *map.GetStructureType(i);
        if (type.GetTypeCode() == code && type.GetSecondFlag()) return true;
    }
    return false;
}

std::string TypesByCode(const CMapDoc& map) {
    std::map<int, int> counts;
    for (int i = 0; i < map.GetStructureTypeCount(); ++i)
        ++counts[map.GetStructureType(i)->GetTypeCode()];
    std::string text;
    for (auto [code, count] : counts) text += FormatText(" %d:%d", code, count);
    return text;
}

std::string LandByCode(const CMapDoc& map) {
    std::map<int, int> counts;
    for (int i = 0; i < map.GetLandTypeCount(); ++i)
        ++counts[map.GetLandTypeEntry(i)->GetTypeCode()];
    std::string text;
    for (auto [code, count] : counts) text += FormatText(" %d:%d", code, count);
    return text;
}

std::string Leagues(const CMapDoc& map) {
    std::string text;
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
        const CLeague& league = map.GetLeague(l);
        text += FormatText(
            "  league %d: kind %d (code-%d stadiums), %d teams, popularity %d, "
            "%d games at %d a month, starts",
            l, league.GetStadiumKind(), StructureCode::StadiumTypeCode(league.GetStadiumKind()),
            league.GetTeamCount(), league.GetPopularity(), league.GetSeasonGames(),
            league.GetGamesPerMonth());
        for (int i = 0; i < league.GetSeasonStartCount(); ++i)
            text += FormatText(" %d", league.GetSeasonStartMonth(i));
        text += "\n";
    }
    return text;
}

}  // namespace

std::unique_ptr<CMapDoc> CMapFileReport::Load(const std::vector<uint8_t>& bytes) {
    CDetachedAppService app;
    auto scoped = ScopedApp(&app);
    auto map = std::make_unique<CMapDoc>();
    map->SetMapFileMode(1);
    try {
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        map->Serialize(ar);
    } catch (eMERCAVO_ERROR e) {
        throw std::runtime_error(FormatText("%s (error %d)", GetMercavoErrorText(e), int(e)));
    } catch (const CArchiveException& e) {
        throw std::runtime_error(e.what());
    } catch (const std::bad_alloc&) {
        throw std::runtime_error(GetMercavoErrorText(eMERCAVO_ERROR_MEMORY));
    }
    map->SetMapFileMode(0);
    return map;
}

std::string CMapFileReport::FindNewGameProblem(const CMapDoc& map) {
    if (map.GetCompanyNameCount() < map.GetMaxCompanyCount())
        return "Insufficient \"Company Names\".";
    if (map.GetCode17LandType() < 0) return "\"Topography\" data does not include \"Foundation\".";
    if (map.GetCode35TypeCount() == 0) return "\"Building\" data does not include \"Rubble\".";
    if (map.GetCode40TypeCount() == 0) return "\"Building\" data does not include \"Fire\".";
    if (map.GetCode55Types().empty()) return "\"Building\" data does not include \"Residence\".";
    if (!HasOffice(map, 60)) return "\"Building\" data does not include \"Head Office\".";
    if (!HasOffice(map, 61)) return "\"Building\" data does not include \"Branch Office\".";
    return {};
}

std::string CMapFileReport::Summary(const std::string& path, const CMapDoc& map) {
    std::string text = FormatText(
        "%s: map data file\n"
        "  grid %d x %d, %d areas; companies %d (at most %d), %d company names; "
        "a game needs %d directors and %d governors\n",
        path.c_str(), map.GetGridWidth(), map.GetGridHeight(), map.GetAreaCount(),
        map.GetInitialCompanyCount(), map.GetMaxCompanyCount(), map.GetCompanyNameCount(),
        map.GetDirectorsNeeded(), map.GetGovernorsNeeded());
    for (int a = 0; a < map.GetAreaCount(); ++a) {
        const CMapData& area = map.GetArea(a);
        text += FormatText("  area %d \"%s\": population %d, price level %d, earthquake %d\n", a,
                           area.GetName().c_str(), area.GetPopulation(), area.GetLevel(),
                           area.GetFigure20());
    }
    text +=
        FormatText("  land types %d by code:%s\n", map.GetLandTypeCount(), LandByCode(map).c_str());
    text += FormatText("  structure types %d by code:%s\n", map.GetStructureTypeCount(),
                       TypesByCode(map).c_str());
    text += FormatText("  picture strips %d\n", static_cast<int>(map.GetPictureStrips().size()));
    text += Leagues(map);
    text += FormatText("  authors: \"%s\", \"%s\", \"%s\"\n", map.GetAreaText().c_str(),
                       map.GetMapTitle().c_str(), map.GetMapText().c_str());
    std::string problem = FindNewGameProblem(map);
    text +=
        "  new game: " + (problem.empty() ? std::string("passes the map's tests") : problem) + "\n";
    text += FormatText("  checksum: %d\n", map.GetStoredChecksum());
    return text;
}

bool CMapFileReport::Describe(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        text = path + ": cannot be opened\n";
        return false;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    try {
        text = Summary(path, *Load(bytes));
    } catch (const std::exception& e) {
        text = path + ": " + e.what() + "\n";
        return false;
    }
    return true;
}
