#include "SavedGameLayout.h"

#include <cstring>

#include "game/VDoc.h"
#include "model/BD.h"
#include "model/MapData.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"

size_t StoredSize(const std::function<void(CArchive&)>& store) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    store(ar);
    return stream.Bytes().size();
}

SCompanyLayout::SCompanyLayout(const CEnterprise& company) {
    size_t at = 29;
    at += StoredSize([&](CArchive& ar) { ar.WriteCompanyText(company.GetName()); });
    at += StoredSize([&](CArchive& ar) { ar.WriteCompanyText(company.GetPresidentName()); });
    president = at;
    funds = at + 4;
    debt = at + 8;
    employees = at + 25;
    atWork = at + 29;
    staffCount = at + 37;
    staff = at + 41;
    at = staff + 4 * static_cast<size_t>(company.GetDirectorCount());
    teams = at;
    at += 36;
    sign1 = at + 4;
    at += 48;
    sign2 = at + 4;
    at += 36;
    adviser = at;
    at += 12;
    proceeds = at;
    // The rest is measured from the end: the reserved bytes, the three lists,
    // the bids and the per-area records.
    CEnterprise copy = company;
    size_t end = StoredSize([&](CArchive& ar) { copy.Serialize(ar); });
    end -= ::CEnterprise::kReservedBytes;
    auto listSize = [](auto list) {
        size_t size = 4;
        for (auto& entry : list) size += StoredSize([&](CArchive& ar) { entry.Serialize(ar); });
        return size;
    };
    end -= listSize(company.GetHistory());
    end -= listSize(company.GetAdvice());
    end -= listSize(company.GetPlans());
    bids = end - 44;
    areas = bids - 96 * (static_cast<size_t>(company.GetAreaCount()) + 1);
    moraleSum = areas - 4;
    stockPrice = areas - 8;
    strikeCount = areas - 12;
    months = areas - 16 - 12 * 8 * 4;
}

SLayout::SLayout(CVDoc& doc) {
    size_t at = frame + StoredSize([&](CArchive& ar) { doc.GetFrameState().Serialize(ar); });
    loadCount = at;
    sessionState = at - 4 - StoredSize([&](CArchive& ar) {
                       ar.WriteString(doc.GetFrameState().GetPlayerName());
                   });
    personChecksum = at + 4;
    playYears = at + 8;
    year = at + 12;
    month = at + 16;
    map = at + 20;
    at += 20 + StoredSize([&](CArchive& ar) { doc.GetMap().Serialize(ar); });
    MeasureMap(doc.GetMap(), at);
    starting = at;
    humans = at + 4;
    count = at + 8;
    at += 12;
    for (int c = 0; c < doc.GetCompanyCount(); ++c) {
        companies.push_back(at);
        companyFields.emplace_back(*doc.GetEnterprise(c));
        at += StoredSize([&](CArchive& ar) { doc.GetEnterprise(c)->Serialize(ar); });
    }
    d = at;
    g = at + 4;
    firstYear = at + 8;
    at += 12;
    for (int p = 0; p < doc.GetDirectorTableSize(); ++p) {
        persons.push_back(at);
        at += StoredSize([&](CArchive& ar) { doc.GetDirector(p)->Serialize(ar); });
    }
    for (int p = 0; p < doc.GetGovernorTableSize(); ++p)
        at += StoredSize([&](CArchive& ar) { doc.GetGovernor(p)->Serialize(ar); });
    reservedWord = at;
    turnPosition = at + 4;
    turnOrder = at + 8;
    const size_t n = static_cast<size_t>(doc.GetCompanyCount());
    interest = turnOrder + 4 * n;
    stock = interest + 4;
    at = stock + 4 * (n + 1) * n;
    at += StoredSize([&](CArchive& ar) { ar.WriteString(doc.GetAuthorName(0)); });
    markSize = at;
    view = at + 4 + doc.GetAuthorMark(0)->Size();
    wait = view + 4;
    flag = wait + 4;
    area = flag + 1;
}

// The map's parts are measured from its end: checksum, third block, area
// text, the areas, two ints, two blocks, two texts, then the types.
void SLayout::MeasureMap(CMapDoc& mapDoc, size_t end) {
    mapAreaCount = map + CMapDoc::kMagicSize + 12;
    size_t at = end - 4 - (4 + mapDoc.GetRawBlock(3).Size()) - CMapDoc::kTextSize;
    const int n = mapDoc.GetAreaCount();
    areas.assign(static_cast<size_t>(n), 0);
    areaLayers.assign(static_cast<size_t>(n), 0);
    areaSizes.assign(static_cast<size_t>(n), {0, 0});
    for (int a = n - 1; a >= 0; --a) {
        CMapData& area = mapDoc.GetArea(a);
        at -= StoredSize([&](CArchive& ar) { area.Serialize(ar); });
        areas[static_cast<size_t>(a)] = at;
        areaLayers[static_cast<size_t>(a)] = at + StoredSize([&](CArchive& ar) {
                                                 ar.WriteRecordText(area.GetName());
                                                 ar.WriteRecordText(area.GetExplanation());
                                             }) +
                                             12;
        areaSizes[static_cast<size_t>(a)] = {area.GetWidth(), area.GetHeight()};
    }
    at -= 8 + (4 + mapDoc.GetRawBlock(2).Size()) + (4 + mapDoc.GetRawBlock(1).Size()) +
          2 * CMapDoc::kTextSize;
    structureTypes.assign(static_cast<size_t>(mapDoc.GetStructureTypeCount()), 0);
    structureTypeSizes.assign(structureTypes.size(), 0);
    for (int i = mapDoc.GetStructureTypeCount() - 1; i >= 0; --i) {
        CBD& type = *mapDoc.GetStructureType(i);
        // The size, four figures and six effect values come before the two
        // texts at the end.
        structureTypeSizes[static_cast<size_t>(i)] = at - 48 - StoredSize([&](CArchive& ar) {
                                                         ar.WriteRecordText(type.GetName());
                                                         ar.WriteRecordText(type.GetSecondText());
                                                     });
        at -= StoredSize([&](CArchive& ar) { type.Serialize(ar); });
        structureTypes[static_cast<size_t>(i)] = at;
    }
}

size_t SLayout::Cell(int a, int layer, int x, int y) const {
    const size_t width = static_cast<size_t>(areaSizes.at(static_cast<size_t>(a)).first);
    const size_t height = static_cast<size_t>(areaSizes.at(static_cast<size_t>(a)).second);
    return areaLayers.at(static_cast<size_t>(a)) +
           4 * (static_cast<size_t>(layer) * width * height + static_cast<size_t>(y) * width +
                static_cast<size_t>(x));
}

void Put(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
    std::memcpy(bytes.data() + at, &value, 4);
}

int32_t Get(const std::vector<uint8_t>& bytes, size_t at) {
    int32_t value;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}
