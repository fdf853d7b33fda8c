#include "model/MapDoc.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

#include "model/AreaLimits.h"
#include "model/BaseMapData.h"
#include "model/DataChecksum.h"
#include "model/MapFileWriter.h"
#include "model/MercavoError.h"
#include "model/PictureStripBitmap.h"
#include "model/Saturate.h"
#include "model/StoredForm.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/gfx/DC.h"

namespace {
// The picture slot that each view direction draws.
constexpr int kDirectionSlot[CMapDoc::kDirections] = {1, 3, 2, 0};
// A company name takes at least its one-byte length and its user.
constexpr uint64_t kMinNameBytes = 5;

CDataChecksum& Checksum() {
    return Services::App().DataChecksum();
}

void Raise(int32_t& entry, int64_t value) {
    entry = std::max(entry, ClampToInt(value));
}

void StoreBlock(CArchive& ar, const CMemBlock& block) {
    ar.WriteInt(static_cast<int32_t>(block.Size()));
    if (!block.IsEmpty()) ar.Write(block.Lock(), block.Size());
}

// Indexes of the types of a code, in ascending order of value (ties in
// table order).
std::vector<int> TypesByValue(const std::vector<std::unique_ptr<CBD>>& table, int code) {
    std::vector<int> list;
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i]->GetTypeCode() == code) list.push_back(static_cast<int>(i));
    std::stable_sort(list.begin(), list.end(), [&](int a, int b) {
        return table[static_cast<size_t>(a)]->GetLandValue() <
               table[static_cast<size_t>(b)]->GetLandValue();
    });
    return list;
}

std::vector<int> TypesOfCode(const std::vector<std::unique_ptr<CBD>>& table, int code) {
    std::vector<int> list;
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i]->GetTypeCode() == code) list.push_back(static_cast<int>(i));
    return list;
}

void ValueRange(const std::vector<std::unique_ptr<CBD>>& table, const std::vector<int>& list,
                int32_t& min, int32_t& max) {
    min = list.empty() ? -1 : table[static_cast<size_t>(list.front())]->GetLandValue();
    max = list.empty() ? -1 : table[static_cast<size_t>(list.back())]->GetLandValue();
}
}  // namespace

CMapDoc::CMapDoc() = default;
CMapDoc::~CMapDoc() = default;

// ---- Stored form ----

void CMapDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        StoreContents(ar, false);
        ar.WriteInt(m_storedChecksum);
        return;
    }
    Load(ar);
}

void CMapDoc::StoreContents(CArchive& ar, bool rawAreas) {
    ar.Write(kMagic, kMagicSize);
    for (int32_t v : m_header) ar.WriteInt(v);
    ar.WriteInt(GetAreaCount());
    ar.WriteInt(m_gridWidth);
    ar.WriteInt(m_gridHeight);
    for (int32_t v : m_cellMetrics) ar.WriteInt(v);
    for (int32_t v : m_mapValues) ar.WriteInt(v);
    ar.WriteInt(GetCompanyNameCount());
    for (size_t i = 0; i < m_companyNames.size(); ++i) {
        ar.WriteString(m_companyNames[i]);
        ar.WriteInt(m_companyNameUsers[i]);
    }
    for (CLeague& league : m_leagues) league.Serialize(ar);
    for (auto* table : {&m_landTypes, &m_structureTypes}) {
        ar.WriteInt(static_cast<int32_t>(table->size()));
        for (auto& type : *table) type->Serialize(ar);
    }
    ar.Write(m_mapTitle.data(), m_mapTitle.size());
    ar.Write(m_mapText.data(), m_mapText.size());
    StoreBlock(ar, m_rawBlock1);
    StoreBlock(ar, m_rawBlock2);
    ar.WriteInt(m_mapValue1);
    ar.WriteInt(m_mapValue2);
    for (auto& area : m_areas) {
        if (rawAreas)
            CMapFileWriter::WriteRawArea(ar, *area);
        else
            area->Serialize(ar);
    }
    ar.Write(m_areaText.data(), m_areaText.size());
    StoreBlock(ar, m_rawBlock3);
}

void CMapDoc::Load(CArchive& ar) {
    Checksum().Reset();
    LoadContents(ar);
    // The stored value is the checksum of everything before it: it is
    // compared, not fed.
    int32_t stored = ar.ReadInt();
    if (m_mapFileMode && stored != Checksum().Get()) throw eMERCAVO_ERROR_CONTENTS;
    m_storedChecksum = stored;
    BuildExtentTables();
    BuildPairLists();
    if (!FinishLoad()) throw eMERCAVO_ERROR_CONTENTS;
}

void CMapDoc::LoadContents(CArchive& ar) {
    m_areas.clear();
    ClearDerived();
    char magic[kMagicSize + 1] = {};
    ar.Read(magic, kMagicSize);
    Checksum().AddText(magic);
    LoadHead(ar);
    LoadCompanyNames(ar);
    LoadLeagues(ar);
    m_landTypes.clear();
    m_structureTypes.clear();
    int group = 0;
    LoadTypeTable(ar, m_landTypes, true, group);
    LoadTypeTable(ar, m_structureTypes, false, group);
    LoadText(ar, m_mapTitle);
    LoadText(ar, m_mapText);
    LoadRawBlock(ar, m_rawBlock1, false);
    LoadRawBlock(ar, m_rawBlock2, false);
    m_mapValue1 = ReadFed(ar);
    m_mapValue2 = ReadFed(ar);
    LoadAreas(ar);
    LoadText(ar, m_areaText);
    LoadRawBlock(ar, m_rawBlock3, true);
}

void CMapDoc::LoadHead(CArchive& ar) {
    for (int32_t& v : m_header) v = ReadFed(ar);
    m_headAreaCount = ReadFed(ar);
    m_gridWidth = ReadFed(ar);
    m_gridHeight = ReadFed(ar);
    for (int32_t& v : m_cellMetrics) v = ReadFed(ar);
    CheckHead();
    for (int32_t& v : m_mapValues) v = ReadFed(ar);
}

void CMapDoc::CheckHead() const {
    // A new game needs an area; a saved map may have none.
    CheckRange(m_headAreaCount, m_mapFileMode ? 1 : 0, kMaxAreas);
    CheckRange(m_gridWidth, 0, CMapData::kMaxSide);
    CheckRange(m_gridHeight, 0, CMapData::kMaxSide);
    if (m_headAreaCount > 0 && (m_gridWidth == 0 || m_gridHeight == 0))
        throw eMERCAVO_ERROR_CONTENTS;
    // The view's hit test divides by these steps and by the two slopes
    // built from them (and the view angles are taken from them).
    if (!IsProjectionUsable()) throw eMERCAVO_ERROR_CONTENTS;
    CheckRange(GetMaxCompanyCount(), 1, kMaxCompanyLimit);
    CheckRange(GetInitialCompanyCount(), 1, GetMaxCompanyCount());
    CheckRange(GetDirectorsNeeded(), 0, std::numeric_limits<int>::max());
    CheckRange(GetGovernorsNeeded(), 0, std::numeric_limits<int>::max());
}

void CMapDoc::LoadCompanyNames(CArchive& ar) {
    int32_t count = CheckRange(ReadFed(ar), 0, std::numeric_limits<int32_t>::max());
    CheckRemaining(ar, count, kMinNameBytes);
    m_companyNames.clear();
    m_companyNameUsers.clear();
    for (int i = 0; i < count; ++i) {
        std::string name = ar.ReadString(kMaxCompanyNameLength);
        Checksum().AddString(name);
        int32_t user = CheckRange(ReadFed(ar), 0, GetMaxCompanyCount());
        m_companyNames.push_back(std::move(name));
        m_companyNameUsers.push_back(user);
    }
}

void CMapDoc::LoadLeagues(CArchive& ar) {
    CHomeFieldBounds bounds{m_headAreaCount, m_gridWidth, m_gridHeight};
    for (CLeague& league : m_leagues) {
        league.SetHomeFieldBounds(bounds);
        league.Serialize(ar);
    }
}

void CMapDoc::LoadTypeTable(CArchive& ar, std::vector<std::unique_ptr<CBD>>& table, bool land,
                            int& group) {
    int32_t count = CheckRange(ReadFed(ar), 0, kMaxTypes);
    for (int i = 0; i < count; ++i) {
        auto type = std::make_unique<CBD>();
        type->Serialize(ar);
        type->SetTag(i);
        table.push_back(std::move(type));
        if ((i + 1) % kTypesPerStrip == 0 || i == count - 1) {
            BuildImageStrip(group++, table, land, i - i % kTypesPerStrip, i);
        }
    }
}

void CMapDoc::LoadText(CArchive& ar, CText& text) {
    ar.Read(text.data(), text.size());
    // A text that fills its 64 bytes has no terminator: it ends there.
    Checksum().AddString(TextOf(text));
}

void CMapDoc::LoadRawBlock(CArchive& ar, CMemBlock& block, bool dropAreas) {
    // The size only frames the block: the checksum takes a sample of its
    // bytes, not its size.
    int32_t size = ar.ReadInt();
    CMemBlock fresh;
    if (size > 0) {
        CheckRemaining(ar, size, 1);
        if (!fresh.Alloc(static_cast<size_t>(size))) {
            m_landTypes.clear();
            m_structureTypes.clear();
            if (dropAreas) m_areas.clear();
            ClearDerived();
            throw std::bad_alloc();
        }
        ar.Read(fresh.Lock(), fresh.Size());
        Checksum().AddBlock(fresh.Lock(), size);
    }
    block = std::move(fresh);
}

void CMapDoc::LoadAreas(CArchive& ar) {
    const CAreaLimits limits = GetAreaLimits();
    for (int i = 0; i < m_headAreaCount; ++i) {
        auto area = std::make_unique<CMapData>();
        area->SetMap(this);
        if (m_mapFileMode) {
            CBaseMapData record;
            record.SetExpectedGrid(m_gridWidth, m_gridHeight);
            record.Serialize(ar);
            area->AssignFromBaseRecord(record);
        } else {
            area->Serialize(ar);
        }
        // Every later cell operation trusts the layers: check them now.
        area->Validate(limits);
        m_areas.push_back(std::move(area));
    }
}

int CMapDoc::SetMapFileMode(int flag) {
    int value = flag ? 1 : 0;
    if (value == m_mapFileMode) return 0;
    m_mapFileMode = value;
    return 1;
}

// ---- Derived tables ----

void CMapDoc::ClearDerived() {
    m_pictureStrips.clear();
    m_plainLandTypes.clear();
    m_code55Types.clear();
    m_code30Types.clear();
    m_code35Types.clear();
    m_code40Types.clear();
    m_code70Types.clear();
    m_pairTypes26.clear();
    m_pairTypes25.clear();
    m_code45Type = -1;
    m_code17LandType = -1;
    m_code55ValueMin = m_code55ValueMax = -1;
    m_code30ValueMin = m_code30ValueMax = -1;
    m_directionComplete.fill(0);
    m_extentTables = {};
}

void CMapDoc::BuildImageStrip(int group, std::vector<std::unique_ptr<CBD>>& table, bool land,
                              int first, int last) {
    int64_t width = 0;
    int height = 0;
    for (int t = first; t <= last; ++t) {
        CBD& type = *table[static_cast<size_t>(t)];
        type.SetStripNumber(-1);
        for (int d = 0; d < kDirections; ++d) {
            for (int set = 0; set < 2; ++set) type.SetPictureOffset(set, d, -1);
            if (!type.GetFirstPicture(d).HasImage() && !type.GetSecondPicture(d).HasImage())
                continue;
            const CBD::SViewPoint& extent = type.GetViewExtent(d);
            // No bitmap can be made for a picture of a size beyond any
            // picture's.
            if (extent.x < 0 || extent.y < 0 || extent.x > CBM::kMaxSide ||
                extent.y > CBM::kMaxSide)
                throw eMERCAVO_ERROR_FAILED;
            width += 2 * extent.x;
            height = std::max(height, extent.y);
        }
    }
    if (width == 0) return;
    // A strip wider than any bitmap, or no memory for it, ends the load.
    if (width > std::numeric_limits<int>::max()) throw eMERCAVO_ERROR_FAILED;
    auto strip = std::make_unique<CPictureStripBitmap>(group, land, first, last,
                                                       static_cast<int>(width), height);
    CDC memory;
    if (!strip->Create() || !memory.CreateCompatibleDC(nullptr)) throw eMERCAVO_ERROR_FAILED;
    CBitmap* previous = memory.SelectObject(&strip->GetBitmap());
    int x = 0;
    for (int t = first; t <= last; ++t) {
        CBD& type = *table[static_cast<size_t>(t)];
        type.SetStripNumber(group);
        for (int d = 0; d < kDirections; ++d) {
            CBM* pictures[2] = {&type.GetFirstPicture(d), &type.GetSecondPicture(d)};
            const CBD::SViewPoint& extent = type.GetViewExtent(d);
            for (int set = 0; set < 2; ++set) {
                if (!pictures[set]->HasImage()) continue;
                type.SetPictureOffset(set, d, x);
                pictures[set]->Draw(memory, x, 0, extent.x, extent.y);
                // The image stays for sending and storing; the strip now
                // holds what the view draws.
                pictures[set]->ReleaseGdiObjects();
                x += extent.x;
            }
        }
    }
    memory.SelectObject(previous);
    m_pictureStrips.push_back(std::move(strip));
}

bool CMapDoc::IsProjectionUsable() const {
    const double dxCol = m_cellMetrics[metricColumnStepX];
    const double dyCol = m_cellMetrics[metricColumnStepY];
    const double dxRow = m_cellMetrics[metricRowStepX];
    const double dyRow = m_cellMetrics[metricRowStepY];
    if (dxCol <= 0 || dxRow <= 0 || dyRow == 0) return false;
    // The slopes of the column and row lines, as the hit test forms them.
    const double a = dyCol + dxCol * dyRow / dxRow;
    const double b = dyRow + dxRow * dyCol / dxCol;
    return a != 0.0 && b != 0.0;
}

void CMapDoc::BuildExtentTables() {
    m_extentTables = {};
    for (auto* table : {&m_landTypes, &m_structureTypes}) {
        for (const auto& type : *table) {
            int w = 0, h = 0;
            type->GetSize(w, h);
            // The tables hold footprints of 1 to 3 cells each way.
            if (w < 1 || w > CBD::kMaxSize || h < 1 || h > CBD::kMaxSize)
                throw eMERCAVO_ERROR_CONTENTS;
            for (int d = 0; d < kDirections; ++d) {
                // Table [slot] holds what the view draws for the direction
                // of that slot: the picture the slot's number names, with
                // the footprint turned as that direction turns it.
                const int slot = kDirectionSlot[d];
                const int number = type->GetViewValueA(slot);
                if (number < 1 || number > kDirections) continue;
                const CBD::SViewPoint& offset = type->GetViewOffset(number - 1);
                const CBD::SViewPoint& extent = type->GetViewExtent(number - 1);
                const int tw = (d & 1) ? h : w, th = (d & 1) ? w : h;
                auto entry = [&](eExtent kind) -> int32_t& {
                    return m_extentTables[kind][slot][th - 1][tw - 1];
                };
                Raise(entry(extentLeft), offset.x);
                Raise(entry(extentAbove), offset.y);
                Raise(entry(extentRight), int64_t{extent.x} - offset.x);
                Raise(entry(extentBelow), int64_t{extent.y} - offset.y);
            }
        }
    }
}

void CMapDoc::BuildPairLists() {
    m_pairTypes26.clear();
    m_pairTypes25.clear();
    for (size_t i = 0; i + 1 < m_structureTypes.size(); ++i) {
        int code = m_structureTypes[i]->GetTypeCode();
        if (m_structureTypes[i + 1]->GetTypeCode() != StructureCode::kCrossingPartner) continue;
        if (code == StructureCode::kCrossingRoad) m_pairTypes26.push_back(static_cast<int>(i));
        if (code == StructureCode::kCrossingRail) m_pairTypes25.push_back(static_cast<int>(i));
    }
}

bool CMapDoc::FinishLoad() {
    try {
        m_plainLandTypes = TypesByValue(m_landTypes, 0);
        if (m_plainLandTypes.empty()) return false;
        int64_t sum = 0;
        for (int i : m_plainLandTypes) sum += m_landTypes[static_cast<size_t>(i)]->GetLandValue();
        m_averagePlainLandValue =
            static_cast<int32_t>(sum / static_cast<int64_t>(m_plainLandTypes.size()));
        m_code55Types = TypesByValue(m_structureTypes, StructureCode::kHouse);
        m_code30Types = TypesByValue(m_structureTypes, StructureCode::kKiosk);
        ValueRange(m_structureTypes, m_code55Types, m_code55ValueMin, m_code55ValueMax);
        ValueRange(m_structureTypes, m_code30Types, m_code30ValueMin, m_code30ValueMax);
        m_monthFigures.fill(0);
        std::vector<int> foundations = TypesOfCode(m_landTypes, StructureCode::kFoundation);
        m_code17LandType = foundations.empty() ? -1 : foundations.back();
        m_code35Types = TypesOfCode(m_structureTypes, StructureCode::kRubble);
        m_code40Types = TypesOfCode(m_structureTypes, StructureCode::kFire);
        m_code70Types = TypesOfCode(m_structureTypes, StructureCode::kProject);
        std::vector<int> code45 = TypesOfCode(m_structureTypes, StructureCode::kMast);
        m_code45Type = code45.empty() ? -1 : code45.back();
        if (m_code35Types.empty() || m_code40Types.empty() || m_code70Types.empty() ||
            m_code45Type == -1)
            return false;
        m_viewAngle1 = std::atan(static_cast<double>(m_cellMetrics[metricRowStepX]) /
                                 m_cellMetrics[metricRowStepY]);
        m_viewAngle2 = std::atan(static_cast<double>(m_cellMetrics[metricColumnStepY]) /
                                 m_cellMetrics[metricColumnStepX]);
        m_maxFigure20 = 0;
        for (const auto& area : m_areas)
            m_maxFigure20 = std::max(m_maxFigure20, area->GetFigure20());
        const CAreaLimits limits = GetAreaLimits();
        for (auto& area : m_areas) area->RebuildStadiumLists(limits.structureTypeCode);
        for (int d = 0; d < kDirections; ++d) {
            int slot = kDirectionSlot[d];
            m_directionComplete[d] = 1;
            for (auto* table : {&m_landTypes, &m_structureTypes})
                for (const auto& type : *table)
                    if (type->GetPictureOffset(0, slot) == -1) m_directionComplete[d] = 0;
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// ---- Queries and setters ----

void CMapDoc::SetMapValues12(int value1, int value2) {
    m_mapValue1 = value1;
    m_mapValue2 = value2;
}

void CMapDoc::SetGridSize(int width, int height) {
    m_areas.clear();
    m_gridWidth = width;
    m_gridHeight = height;
}

bool CMapDoc::AddArea(const CMapData& area) {
    if (GetAreaCount() >= kMaxAreas) return false;
    m_areas.push_back(std::make_unique<CMapData>(area));
    m_areas.back()->SetMap(this);
    return true;
}

CAreaLimits CMapDoc::GetAreaLimits() const {
    CAreaLimits limits;
    limits.gridWidth = m_gridWidth;
    limits.gridHeight = m_gridHeight;
    limits.landTypeCount = GetLandTypeCount();
    limits.structureTypeCount = GetStructureTypeCount();
    limits.maxCompanies = GetMaxCompanyCount();
    limits.structureTypeCode = [this](int type) {
        const CBD* entry = GetStructureType(type);
        return entry ? entry->GetTypeCode() : 0;
    };
    return limits;
}

CBD* CMapDoc::GetLandTypeEntry(int i) {
    return const_cast<CBD*>(static_cast<const CMapDoc*>(this)->GetLandTypeEntry(i));
}

CBD* CMapDoc::GetStructureType(int i) {
    return const_cast<CBD*>(static_cast<const CMapDoc*>(this)->GetStructureType(i));
}

bool CMapDoc::AddLandType(const CBD& type) {
    if (GetLandTypeCount() >= kMaxTypes) return false;
    // Assignment, not copy construction: a copy-constructed type drops its
    // effects and its name.
    auto entry = std::make_unique<CBD>();
    *entry = type;
    entry->SetTag(GetLandTypeCount());
    m_landTypes.push_back(std::move(entry));
    return true;
}

bool CMapDoc::AddStructureType(const CBD& type) {
    if (GetStructureTypeCount() >= kMaxTypes) return false;
    auto entry = std::make_unique<CBD>();
    *entry = type;
    entry->SetTag(GetStructureTypeCount());
    m_structureTypes.push_back(std::move(entry));
    return true;
}

const std::string& CMapDoc::GetCompanyNameEntry(int i) const {
    return m_companyNames.at(static_cast<size_t>(i));
}

int CMapDoc::GetCompanyNameUser(int i) const {
    return m_companyNameUsers.at(static_cast<size_t>(i)) - 1;
}

void CMapDoc::SetCompanyNameUser(int i, int company) {
    m_companyNameUsers.at(static_cast<size_t>(i)) = company + 1;
}

void CMapDoc::AddCompanyName(const std::string& name) {
    m_companyNames.push_back(name.substr(0, kMaxCompanyNameLength));
    m_companyNameUsers.push_back(0);
}

int CMapDoc::GetSeasonStartMonth(int league, int i) const {
    return GetLeague(league).GetSeasonStartMonth(i);
}

const CProTeam& CMapDoc::GetProTeam(int league, int team) const {
    return GetLeague(league).GetTeam(team);
}

int CMapDoc::GetLeagueFigure(int league, int team) const {
    return std::max(1, GetLeague(league).GetTeamPrice(team) / 10);
}

void CMapDoc::GetCode55ValueRange(int& min, int& max) const {
    min = m_code55ValueMin;
    max = m_code55ValueMax;
}

void CMapDoc::GetCode30ValueRange(int& min, int& max) const {
    min = m_code30ValueMin;
    max = m_code30ValueMax;
}

int CMapDoc::IsDirectionComplete(int direction) const {
    return m_directionComplete.at(static_cast<size_t>(direction));
}

int CMapDoc::GetExtent(eExtent kind, int direction, int h, int w) const {
    return m_extentTables.at(kind)
        .at(static_cast<size_t>(direction))
        .at(static_cast<size_t>(h - 1))
        .at(static_cast<size_t>(w - 1));
}

const CPictureStripBitmap* CMapDoc::GetPictureStrip(int number) const {
    for (const auto& strip : m_pictureStrips)
        if (strip->GetNumber() == number) return strip.get();
    return nullptr;
}

const CMemBlock& CMapDoc::GetRawBlock(int i) const {
    switch (i) {
        case 1:
            return m_rawBlock1;
        case 2:
            return m_rawBlock2;
        case 3:
            return m_rawBlock3;
        default:
            throw std::out_of_range("raw block");
    }
}

bool CMapDoc::SetRawBlock(int i, const uint8_t* bytes, size_t size) {
    CMemBlock& block = const_cast<CMemBlock&>(GetRawBlock(i));
    CMemBlock fresh;
    if (size > 0) {
        if (!fresh.Alloc(size)) return false;
        std::memcpy(fresh.Lock(), bytes, size);
    }
    block = std::move(fresh);
    return true;
}

std::string CMapDoc::TextOf(const CText& text) {
    return std::string(text.data(), strnlen(text.data(), text.size()));
}

void CMapDoc::SetText(CText& field, const std::string& text) {
    field.fill(0);
    std::memcpy(field.data(), text.data(), std::min(text.size(), field.size()));
}
