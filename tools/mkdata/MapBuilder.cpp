#include "tools/mkdata/MapBuilder.h"

#include <algorithm>
#include <stdexcept>

#include "model/BD.h"
#include "model/Efct.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "model/MapFileWriter.h"
#include "model/StructureCodes.h"
#include "platform/core/ArchiveStream.h"
#include "tools/mkdata/AreaBuilder.h"
#include "tools/mkdata/ArtCatalog.h"
#include "tools/mkdata/AuthorMarkPainter.h"
#include "tools/mkdata/IsoView.h"
#include "tools/mkdata/MapFileReport.h"
#include "tools/mkdata/MapRules.h"
#include "tools/mkdata/MapSource.h"

namespace {

int AreaIndexOf(const CMapContent& content, const std::string& key) {
    for (size_t i = 0; i < content.areas.size(); ++i)
        if (content.areas[i].key == key) return static_cast<int>(i);
    return -1;
}

// The strip width of one type: both pictures of every direction that has
// one.
int64_t StripWidthOf(const CBD& type) {
    int64_t width = 0;
    for (int d = 0; d < CBD::kDirections; ++d) {
        if (!type.GetFirstPicture(d).HasImage() && !type.GetSecondPicture(d).HasImage()) continue;
        width += 2 * int64_t{type.GetViewExtent(d).x};
    }
    return width;
}

void CheckTableStrips(const CMapDoc& map, bool land) {
    int count = land ? map.GetLandTypeCount() : map.GetStructureTypeCount();
    for (int first = 0; first < count; first += CMapDoc::kTypesPerStrip) {
        int last = std::min(first + CMapDoc::kTypesPerStrip, count) - 1;
        int64_t width = 0;
        for (int i = first; i <= last; ++i)
            width += StripWidthOf(land ? *map.GetLandTypeEntry(i) : *map.GetStructureType(i));
        if (width > CMapBuilder::kMaxStripWidth)
            throw std::runtime_error(
                std::string(land ? "land" : "structure") + " types " + std::to_string(first) +
                ".." + std::to_string(last) + " need a picture strip " + std::to_string(width) +
                " pixels wide, more than " + std::to_string(CMapBuilder::kMaxStripWidth) +
                ": move large types into another group of 20");
    }
}

}  // namespace

std::unique_ptr<CMapDoc> CMapBuilder::Build(const CMapContent& content) const {
    CMapRules::Check(content);
    auto map = std::make_unique<CMapDoc>();
    SetHeader(content, *map);
    // Areas and leagues first: their mistakes show before the pictures are
    // drawn.
    AddAreas(content, *map);
    AddLeagues(content, *map);
    SetAuthors(content, *map);
    AddLandTypes(content, *map);
    AddStructureTypes(content, *map);
    CheckStripWidths(*map);
    return map;
}

void CMapBuilder::SetHeader(const CMapContent& content, CMapDoc& map) const {
    map.SetGridSize(content.gridWidth, content.gridHeight);
    const int metrics[CMapDoc::kCellMetricCount] = {
        CIsoView::kColumnDx,     CIsoView::kColumnDy,      CIsoView::kRowDx,
        CIsoView::kRowDy,        CIsoView::kLevelDy,       CIsoView::kFaceOffset,
        content.maxLevel,        content.initialCompanies, content.maxCompanies,
        content.directorsNeeded, content.governorsNeeded,
    };
    for (int m = 0; m < CMapDoc::kCellMetricCount; ++m)
        map.SetCellMetric(static_cast<CMapDoc::eCellMetric>(m), metrics[m]);
    for (int i = 0; i < 3; ++i) {
        map.SetHeaderValue(i, content.header[static_cast<size_t>(i)]);
        map.SetMapValue(i, content.values[static_cast<size_t>(i)]);
    }
    map.SetMapValues12(content.values12[0], content.values12[1]);
    for (const auto& name : content.companyNames) map.AddCompanyName(name.name);
}

void CMapBuilder::DrawPictures(CBD& type, const std::string& art, int w, int h,
                               uint64_t variant) const {
    // CMapRules has checked the kind.
    EArtKind kind = *CArtCatalog::Find(art);
    CArtCatalog::ApplyToType(type, CArtCatalog::Draw(kind, w, h, variant, m_palette));
}

void CMapBuilder::AddLandTypes(const CMapContent& content, CMapDoc& map) const {
    for (const CMapContent::SLand& land : content.lands) {
        CBD type;
        type.SetName(land.name);
        type.SetTypeCode(land.code);
        type.SetLandValue(land.value);
        type.SetFixedLandPrice(land.fixedPrice);
        type.SetFlags(land.usable, 1, 0);
        DrawPictures(type, land.art, 1, 1, 0);
        map.AddLandType(type);
    }
}

void CMapBuilder::AddStructureTypes(const CMapContent& content, CMapDoc& map) const {
    for (size_t i = 0; i < content.structures.size(); ++i) {
        const CMapContent::SStructure& s = content.structures[i];
        CBD type;
        type.SetName(s.name);
        type.SetSecondText(s.secondText);
        type.SetTypeCode(s.code);
        type.SetSize(s.width, s.height);
        type.SetLandValue(s.value);
        type.SetBasePrice(s.basePrice);
        type.SetPriceStep(s.priceStep);
        type.SetValueFigure(s.staff);
        type.SetDurability(s.durability);
        type.SetFlags(s.flags[0], s.flags[1], s.flags[2]);
        for (int r = 0; r < 4; ++r) type.SetRevenueFigure(r, s.revenue[static_cast<size_t>(r)]);
        type.SetEffectRadius(s.radius);
        std::array<int32_t, CBD::kMonths> months{};
        std::copy(s.months.begin(), s.months.end(), months.begin());
        type.SetMonthFactors(months);
        type.SetBonuses(s.bonus[0], s.bonus[1], s.bonus[2], s.bonus[3]);
        for (int e = 1; e <= 6; ++e) type.SetEffectValue(e, s.effects[static_cast<size_t>(e - 1)]);
        std::vector<CEfct> effects;
        for (const auto& [name, factor] : s.near)
            effects.emplace_back(CMapRules::FindStructure(content, name), factor);
        type.SetEffects(effects);
        // Types that share an art kind each get their own variant.
        uint64_t variant = static_cast<uint64_t>(std::count_if(
            content.structures.begin(), content.structures.begin() + static_cast<long>(i),
            [&](const CMapContent::SStructure& t) { return t.art == s.art; }));
        DrawPictures(type, s.art, s.width, s.height, variant);
        map.AddStructureType(type);
    }
}

void CMapBuilder::SetAuthors(const CMapContent& content, CMapDoc& map) const {
    // The first author's name and mark are the area text and block 3, the
    // second's the map title and block 1, the third's the map text and
    // block 2.
    map.SetAreaText(content.authors[0].name);
    map.SetMapTitle(content.authors[1].name);
    map.SetMapText(content.authors[2].name);
    const int blocks[3] = {3, 1, 2};
    for (int i = 0; i < 3; ++i) {
        CMemBlock mark =
            CAuthorMarkPainter::DrawBlock(content.authors[static_cast<size_t>(i)].mark, m_palette);
        if (!map.SetRawBlock(blocks[i], static_cast<const uint8_t*>(mark.Lock()), mark.Size()))
            throw std::bad_alloc();
    }
}

void CMapBuilder::AddAreas(const CMapContent& content, CMapDoc& map) const {
    for (const CMapContent::SArea& area : content.areas)
        map.AddArea(CAreaBuilder(content, area).Build());
}

void CMapBuilder::AddLeagues(const CMapContent& content, CMapDoc& map) const {
    for (size_t l = 0; l < content.leagues.size(); ++l) {
        const CMapContent::SLeague& source = content.leagues[l];
        CLeague& league = map.GetLeague(static_cast<int>(l));
        league.SetRankedByRate(source.kind);
        league.SetPopularity(source.popularity);
        league.SetSchedule(source.seasonGames, source.gamesPerMonth, source.startMonths);
        int code = StructureCode::StadiumTypeCode(league.GetStadiumKind());
        for (const CMapContent::STeam& t : source.teams) {
            int area = AreaIndexOf(content, t.homeArea);
            if (area < 0) CMapRules::Fail(t.place, "unknown home area \"" + t.homeArea + "\"");
            int x = -1, y = -1;
            if (!CAreaBuilder::FindNthOfCode(content, map.GetArea(area), code, t.homeStadium, x, y))
                CMapRules::Fail(t.place, "area \"" + t.homeArea + "\" has no stadium " +
                                             std::to_string(t.homeStadium) + " of code " +
                                             std::to_string(code) + " for this league");
            CProTeam team;
            team.SetName(t.name);
            team.SetForSale(t.forSale);
            team.SetWinPower(t.power);
            team.SetStrength(t.power);
            team.SetPopularity(t.popularity);
            team.SetHomeField(area, x, y);
            league.AddTeam(team);
        }
    }
}

void CMapBuilder::CheckStripWidths(const CMapDoc& map) {
    CheckTableStrips(map, true);
    CheckTableStrips(map, false);
}

std::vector<uint8_t> CMapBuilder::WriteVerified(CMapDoc& map) const {
    std::vector<uint8_t> bytes = CMapFileWriter::Write(map);
    std::unique_ptr<CMapDoc> loaded;
    try {
        loaded = CMapFileReport::Load(bytes);
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string("the game's loader refuses the map: ") + e.what());
    }
    std::string problem = CMapFileReport::FindNewGameProblem(*loaded);
    if (!problem.empty()) throw std::runtime_error("a new game refuses the map: " + problem);
    return bytes;
}

std::unique_ptr<CMapDoc> CMapBuilder::WriteDataFile(const std::string& dataFolder,
                                                    const std::string& outPath,
                                                    const CGamePalette& palette) {
    CMapBuilder builder(palette);
    std::unique_ptr<CMapDoc> map = builder.Build(CMapSource::ReadFolder(dataFolder));
    std::vector<uint8_t> bytes = builder.WriteVerified(*map);
    if (!CFileStream::WriteWholeFile(outPath, bytes))
        throw std::runtime_error(outPath + ": cannot be written");
    return map;
}
