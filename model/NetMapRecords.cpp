#include "model/NetMapRecords.h"

#include <algorithm>

#include "model/FixedField.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/NetRecordReader.h"

namespace {

bool IsLeagueCode(int code) {
    return code >= CLeague::kCodeHeader && code <= CLeague::kCodeTeams;
}

bool IsAreaCode(int code) {
    return (code >= CMapData::kCodeAreaState && code <= CMapData::kCodeStadiumList1) ||
           (code >= CMapData::kCodeLayer0 && code < CMapData::kCodeLayer0 + CMapData::kLayerCount) ||
           code == CMapData::kCodeCellValues;
}

// Codes of the data file's own tables and texts: never sent, taken and
// ignored.
bool IsDataFileCode(int code) {
    return (code >= 40 && code <= 61) || code == CMapData::kCodeTexts;
}

}  // namespace

std::vector<std::string> CNetMapRecords::BuildLeagues(const CMapDoc& map, int league) {
    std::vector<std::string> texts;
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
        if (league >= 0 && l != league) continue;
        for (std::string& text : map.GetLeague(l).BuildRecords(l)) texts.push_back(std::move(text));
    }
    return texts;
}

std::vector<std::string> CNetMapRecords::BuildAreas(const CMapDoc& map) {
    std::vector<std::string> texts;
    for (int a = 0; a < map.GetAreaCount(); ++a)
        for (std::string& text : map.GetArea(a).BuildAll(a, false)) texts.push_back(std::move(text));
    return texts;
}

std::vector<std::string> CNetMapRecords::BuildAll(const CMapDoc& map) {
    std::vector<std::string> texts = BuildLeagues(map, -1);
    for (std::string& text : BuildAreas(map)) texts.push_back(std::move(text));
    return texts;
}

std::vector<std::string> CNetMapRecords::BuildAreaRefresh(const CMapDoc& map, int area) {
    const CMapData& record = map.GetArea(area);
    std::vector<std::string> texts{record.BuildAreaState(area)};
    for (int layer : {7, 9})
        for (std::string& text : record.BuildLayer(area, layer)) texts.push_back(std::move(text));
    return texts;
}

bool CNetMapRecords::Apply(CMapDoc& map, int code, CNetRecordReader& in,
                           const CAreaLimits& limits) {
    if (IsDataFileCode(code)) return true;
    if (IsLeagueCode(code)) return ApplyLeague(map, code, in);
    if (IsAreaCode(code)) return ApplyArea(map, code, in, limits);
    return in.Refuse("code");
}

bool CNetMapRecords::ApplyLeague(CMapDoc& map, int code, CNetRecordReader& in) {
    int league = 0;
    if (!in.ReadInt(2, league, "league")) return false;
    if (league < 0 || league >= CMapDoc::kLeagueCount) return in.Refuse("league");
    CLeague& target = map.GetLeague(league);
    const std::string_view text = in.Rest();
    // The teams come from the map data file: a game never changes their
    // number, so a header of another count belongs to another map.
    int pos = 0;
    if (code == CLeague::kCodeHeader && ParseFixedInt(text, pos, 4) != target.GetTeamCount())
        return in.Refuse("team count");
    bool ok = code == CLeague::kCodeHeader    ? target.ReadLeagueHeader(text)
              : code == CLeague::kCodePairFlags ? target.ReadPairFlags(text)
                                                : target.ReadTeams(text);
    return ok || in.Refuse("league record");
}

bool CNetMapRecords::ApplyArea(CMapDoc& map, int code, CNetRecordReader& in,
                               const CAreaLimits& limits) {
    int area = 0;
    if (!in.ReadInt(4, area, "area")) return false;
    if (area < 0 || area >= map.GetAreaCount()) return in.Refuse("area");
    CMapData& record = map.GetArea(area);
    const std::string_view text = in.Rest();
    bool ok = false;
    if (code >= CMapData::kCodeLayer0 && code < CMapData::kCodeLayer0 + CMapData::kLayerCount) {
        ok = record.ReadLayerChunk(text, code - CMapData::kCodeLayer0, limits);
    } else {
        switch (code) {
        case CMapData::kCodeAreaState: ok = record.ReadAreaState(text); break;
        case CMapData::kCodeProjectHeader: ok = record.ReadProjectHeader(text); break;
        case CMapData::kCodeProjectSites: ok = record.ReadProjectSites(text); break;
        case CMapData::kCodeProjectCells: ok = record.ReadProjectCells(text); break;
        case CMapData::kCodeStadiumHeader: ok = record.ReadStadiumHeader(text); break;
        case CMapData::kCodeStadiumList0: ok = record.ReadStadiumCells(text, 0); break;
        case CMapData::kCodeStadiumList1: ok = record.ReadStadiumCells(text, 1); break;
        case CMapData::kCodeCellValues: ok = record.ReadCellValues(text, limits); break;
        default: ok = false;
        }
    }
    return ok || in.Refuse("area record");
}

std::vector<CNetRecordBuilder> CNetMapRecords::BuildBroke(int area,
                                                         const std::vector<CCellPoint>& cells) {
    std::vector<CNetRecordBuilder> records;
    const int n = static_cast<int>(cells.size());
    CNetRecordBuilder head(kActionClass, kActionGroup, kCodeBroke);
    head.Int(area, 4).Int(n, 4);
    records.push_back(head);
    for (int f = 0; f < n;) {
        const int t = std::min(f + kBrokeCellsPerRecord, n);
        CNetRecordBuilder b(kActionClass, kActionGroup, kCodeBrokeCells);
        b.Int(f, 4).Int(t, 4);
        for (int i = f; i < t; ++i) b.Int(cells[static_cast<size_t>(i)].x, 4).Int(cells[static_cast<size_t>(i)].y, 4);
        records.push_back(b);
        f = t;
    }
    return records;
}
