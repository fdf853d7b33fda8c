#include "model/MapData.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>

#include "model/AreaLimits.h"
#include "model/BD.h"
#include "model/BaseMapData.h"
#include "model/FixedField.h"
#include "model/FixedFieldFormat.h"
#include "model/Formatting.h"
#include "model/MapDoc.h"
#include "model/MercavoError.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StoredForm.h"
#include "model/StructureCodes.h"
#include "model/services/NetService.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {
constexpr int kEffectLimit = 9999;
// Cells that never held plain land keep the 0 they were made with.
constexpr int kMaxLandValue = 300;

CCellPoint ReadPoint(CArchive& ar) {
    int x = ar.ReadInt();
    int y = ar.ReadInt();
    return {x, y};
}
}  // namespace

CMapData::CMapData() = default;

void CMapData::ThrowOutsideGrid() {
    throw std::out_of_range("cell outside the area");
}

void CMapData::SetGridSize(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        throw std::invalid_argument("area size");
    m_width = width;
    m_height = height;
    for (auto& layer : m_layers) layer.assign(static_cast<size_t>(width) * height, 0);
}

// ---- Cells ----

void CMapData::SetStructureNo(int x, int y, int number) {
    SetLayer(layerStructure, x, y, number);
    SetLayer(layerAnchorX, x, y, 0);
    SetLayer(layerAnchorY, x, y, 0);
}

void CMapData::SetCovered(int x, int y, int anchorX, int anchorY) {
    SetLayer(layerStructure, x, y, -1);
    SetLayer(layerAnchorX, x, y, anchorX);
    SetLayer(layerAnchorY, x, y, anchorY);
}

int CMapData::GetCellLayerValue(int x, int y, int selector) const {
    switch (selector) {
        case 0:
            return GetLayer(layerLandType, x, y);
        case 1:
            return GetStructureAt(x, y, 1);
        case 2:
            return GetLayer(layerHeight, x, y);
        default:
            return 0;
    }
}

void CMapData::SetConstruction(int x, int y, int state, int type) {
    SetLayer(layerConstructionState, x, y, state);
    SetLayer(layerConstructionType, x, y, type);
}

int CMapData::SetCellOwner(int x, int y, int value) {
    SetLayer(layerOwner, x, y, value);
    return value;
}

int CMapData::SetCellLayer7(int x, int y, int value) {
    int old = GetLayer(layerDurability, x, y);
    SetLayer(layerDurability, x, y, value);
    return old != value ? 1 : 0;
}

void CMapData::SetLandValue(int x, int y, int value) {
    SetLayer(layerLandValue, x, y, std::clamp(value, 1, 300));
}

const CBD* CMapData::LandTypeEntry(int index) const {
    return m_map.map ? m_map.map->GetLandTypeEntry(index) : Services::Map().GetLandType(index);
}

const CBD* CMapData::StructureTypeEntry(int index) const {
    return m_map.map ? m_map.map->GetStructureType(index) : Services::Map().GetStructureType(index);
}

int CMapData::StructureTypeCode(int index) const {
    if (!m_map.map) return Services::Map().GetStructureTypeCode(index);
    const CBD* type = m_map.map->GetStructureType(index);
    return type ? type->GetTypeCode() : 0;
}

const CBD* CMapData::GetCellType(int x, int y, int land) const {
    if (land) return LandTypeEntry(GetLayer(layerLandType, x, y));
    int number = GetStructureAt(x, y, 1);
    return number > 0 ? StructureTypeEntry(number - 1) : nullptr;
}

int CMapData::GetCellBaseValue(int x, int y, int current) const {
    return CMapDoc::CellBaseValueOf(GetCellType(x, y, 1), GetCellType(x, y, 0),
                                    GetLayer(layerLandValue, x, y), current);
}

// ---- Figures ----

int CMapData::SetPopulation(int value) {
    int old = m_population;
    m_population = std::max(value, 5);
    return old != m_population ? 1 : 0;
}

void CMapData::AddLevel(int delta) {
    m_priceLevel = static_cast<int>(std::clamp<int64_t>(int64_t(m_priceLevel) + delta, 10, 200));
}

int CMapData::ClampLevelDelta(int delta) const {
    int level = m_priceLevel;
    int lower = level > 9 ? 10 - level : 0;
    int upper = std::min(std::max(200 - level, 0), delta);
    return std::max(lower, upper);
}

void CMapData::AddPotential(int delta) {
    m_potential = static_cast<int>(std::clamp<int64_t>(int64_t(m_potential) + delta, -100, 100));
}

void CMapData::UpdatePotentialAndTrend(int flag, int strength) {
    int m = std::clamp(strength, 10, 50);
    if (flag == 0) m /= 3;
    AddPotential(m + Random(m));
    int root = static_cast<int>(std::sqrt(std::max(strength, 0)));
    int p = flag != 0 ? root / 4 : -root / 3;
    // The stored trend is taken as read and may be far outside its range.
    SetTrend(static_cast<int>(std::clamp<int64_t>(int64_t{m_trend} + p + Random(p), -10, 10)));
}

void CMapData::InitPotential(int value) {
    m_potential = value;
    // The trend lives in -10..10 like every trend the area's operations set;
    // a third of a potential above 30 would leave it.
    m_trend = std::clamp(Random(value) / 3, -10, 10);
}

int CMapData::SetTrend(int value) {
    int old = m_trend;
    m_trend = std::clamp(value, -10, 10);
    return old != m_trend ? 1 : 0;
}

int CMapData::SetGovernor(int person) {
    int old = m_governor;
    m_governor = person;
    return old != person ? 1 : 0;
}

int CMapData::SetFire(int value) {
    int old = m_fire;
    // Fire danger above 100 would make the monthly growth undefined.
    m_fire = std::clamp(value, 0, 100);
    return old != m_fire ? 1 : 0;
}

void CMapData::GrowFire() {
    if (Random(4) < 1) return;
    int room = 100 - std::clamp(m_fire, 0, 100);
    int step = static_cast<int>(std::pow(static_cast<double>(room), 1.5) / 150) + 2;
    m_fire = std::min(m_fire + Random(step), 100);
}

void CMapData::AddEffect(int which, int delta) {
    int& sum = m_effects.at(static_cast<size_t>(which - 1));
    sum = static_cast<int>(std::clamp<int64_t>(int64_t(sum) + delta, -kEffectLimit, kEffectLimit));
}

void CMapData::SetProjectFund(int value) {
    m_projectFund = std::clamp(value, 0, 700);
}

bool CMapData::IsProjectOpen() const {
    if (m_projectStart == -1) return false;
    int month = Services::Game().GetCurrentMonthIndex();
    // A stored start month may lie at the end of the int range.
    return m_projectStart <= month && month < int64_t{m_projectStart} + kProjectOpenMonths;
}

bool CMapData::GrowProjectFund() {
    const CPersonData* governor =
        m_governor >= 0 ? Services::Companies().GetGovernor(m_governor) : nullptr;
    int64_t g = governor ? governor->GetFigure3() : 0;
    int grow = Random(Random(static_cast<int>(std::clamp<int64_t>(2 * g + 2, -1000000, 1000000))));
    if (Random(1200) < 1) grow += Random(500);
    SetProjectFund(static_cast<int>(std::clamp<int64_t>(int64_t{m_projectFund} + grow, 0, 700)));
    return grow != 0;
}

// ---- Project and stadium lists ----

void CMapData::ClearProjectLists() {
    m_siteValues.clear();
    m_sitePoints.clear();
    m_siteFlags.clear();
    m_projectCells.clear();
}

int CMapData::AddProjectArea(int x0, int y0, int x1, int y1, int structureType) {
    try {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) m_projectCells.push_back({x, y});
        m_siteValues.push_back(structureType);
        m_sitePoints.push_back({x1, y1});
        m_siteFlags.push_back(0);
    } catch (const std::bad_alloc&) {
        // Keep the three site lists parallel.
        size_t sites = std::min({m_siteValues.size(), m_sitePoints.size(), m_siteFlags.size()});
        m_siteValues.resize(sites);
        m_sitePoints.resize(sites);
        m_siteFlags.resize(sites);
        return 0;
    }
    return 1;
}

int CMapData::GetProjectSiteCount() const {
    return HasProject() ? static_cast<int>(m_siteValues.size()) : 0;
}

bool CMapData::IsProjectCell(int x, int y) const {
    return std::find(m_projectCells.begin(), m_projectCells.end(), CCellPoint(x, y)) !=
           m_projectCells.end();
}

int CMapData::GetProjectCompletion() const {
    if (m_projectCells.empty()) return 0;
    int done = 0;
    for (const CCellPoint& cell : m_projectCells) {
        if (!IsInGrid(cell.x, cell.y)) continue;
        int number = GetStructureAt(cell.x, cell.y, 1);
        if (number > 0 && StructureTypeCode(number - 1) == StructureCode::kProject) ++done;
    }
    return 100 * done / static_cast<int>(m_projectCells.size());
}

std::vector<CCellPoint>& CMapData::Stadiums(int list) {
    return m_stadiums.at(static_cast<size_t>(list));
}

const std::vector<CCellPoint>& CMapData::Stadiums(int list) const {
    return m_stadiums.at(static_cast<size_t>(list));
}

int CMapData::CountListCellsOwnedBy(int list, int company) const {
    const std::vector<CCellPoint>& cells = Stadiums(list);
    if (company == -1) return static_cast<int>(cells.size());
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), [&](const CCellPoint& c) {
        return IsInGrid(c.x, c.y) && GetCellOwner(c.x, c.y) == company + 1;
    }));
}

CCellPoint CMapData::GetPairListCell(int list, int i) const {
    return Stadiums(list).at(static_cast<size_t>(i));
}

int CMapData::AddStadiumCell(int list, CCellPoint point) {
    try {
        Stadiums(list).push_back(point);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int CMapData::RemoveStadiumCell(int list, CCellPoint point) {
    std::vector<CCellPoint>& cells = Stadiums(list);
    auto found = std::find(cells.begin(), cells.end(), point);
    if (found == cells.end()) return 0;
    cells.erase(found);
    return 1;
}

void CMapData::RebuildStadiumLists(const std::function<int(int)>& structureTypeCode) {
    for (auto& list : m_stadiums) list.clear();
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            int number = GetLayer(layerStructure, x, y);
            if (number <= 0) continue;
            int list = StructureCode::StadiumKindOfCode(structureTypeCode(number - 1));
            if (list >= 0) Stadiums(list).push_back({x, y});
        }
}

void CMapData::RebuildStadiumLists() {
    RebuildStadiumLists([this](int type) { return StructureTypeCode(type); });
}

// ---- Stored form ----

void CMapData::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void CMapData::Store(CArchive& ar) const {
    ar.WriteRecordText(m_name);
    ar.WriteRecordText(m_explanation);
    ar.WriteInt(m_width);
    ar.WriteInt(m_height);
    ar.WriteInt(m_spare);
    for (const auto& layer : m_layers)
        for (int32_t v : layer) ar.WriteInt(v);
    for (int v : {m_population, m_priceLevel, m_potential, m_figure19, m_figure20, m_trend,
                  m_governor, m_fire})
        ar.WriteInt(v);
    for (int v : m_effects) ar.WriteInt(v);
    ar.WriteInt(m_projectFund);
    ar.WriteInt(m_projectStart);
    ar.WriteInt(static_cast<int32_t>(m_siteValues.size()));
    for (int v : m_siteValues) ar.WriteInt(v);
    ar.WriteInt(static_cast<int32_t>(m_sitePoints.size()));
    for (const CCellPoint& p : m_sitePoints) {
        ar.WriteInt(p.x);
        ar.WriteInt(p.y);
    }
    ar.WriteInt(static_cast<int32_t>(m_siteFlags.size()));
    for (int v : m_siteFlags) ar.WriteByte(static_cast<uint8_t>(v));
    ar.WriteInt(static_cast<int32_t>(m_projectCells.size()));
    for (const CCellPoint& p : m_projectCells) {
        ar.WriteInt(p.x);
        ar.WriteInt(p.y);
    }
}

void CMapData::Load(CArchive& ar) {
    CMapData a;
    a.m_map = m_map;
    a.m_name = ar.ReadRecordText();
    a.m_explanation = ar.ReadRecordText();
    int width = ReadAtLeast(ar, 0);
    int height = ReadAtLeast(ar, 0);
    a.m_spare = ReadAtLeast(ar, 0);
    if (width > kMaxSide || height > kMaxSide) throw eMERCAVO_ERROR_CONTENTS;
    uint64_t cells = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
    CheckRemaining(ar, static_cast<int64_t>(cells), 4 * kLayerCount);
    a.SetGridSize(width, height);
    for (auto& layer : a.m_layers)
        for (int32_t& v : layer) v = ar.ReadInt();
    for (int32_t v : a.m_layers[layerLandValue]) CheckRange(v, 0, kMaxLandValue);
    a.m_population = ReadAtLeast(ar, 0);
    a.m_priceLevel = ReadAtLeast(ar, 0);
    a.m_potential = ar.ReadInt();
    a.m_figure19 = ar.ReadInt();
    a.m_figure20 = ar.ReadInt();
    a.m_trend = ar.ReadInt();
    a.m_governor = ReadAtLeast(ar, -1);
    // Fire danger is 0..100; more would make its monthly growth undefined.
    a.m_fire = std::min(ReadAtLeast(ar, 0), 100);
    for (int& v : a.m_effects) v = CheckRange(ar.ReadInt(), -kEffectLimit, kEffectLimit);
    a.m_projectFund = ar.ReadInt();
    a.m_projectStart = ReadAtLeast(ar, -1);
    int sites = ReadCount(ar, 4);
    for (int i = 0; i < sites; ++i) a.m_siteValues.push_back(ar.ReadInt());
    int points = ReadCount(ar, 8);
    for (int i = 0; i < points; ++i) a.m_sitePoints.push_back(ReadPoint(ar));
    int flags = ReadCount(ar, 1);
    for (int i = 0; i < flags; ++i) a.m_siteFlags.push_back(ar.ReadByte());
    int projectCells = ReadCount(ar, 8);
    for (int i = 0; i < projectCells; ++i) a.m_projectCells.push_back(ReadPoint(ar));
    a.CheckCells();
    *this = std::move(a);
}

void CMapData::AssignFromBaseRecord(const CBaseMapData& record) {
    CMapData a;
    a.m_map = m_map;
    a.m_name = record.GetName();
    a.m_explanation = record.GetExplanation();
    a.SetGridSize(record.GetWidth(), record.GetHeight());
    a.m_spare = record.GetCount();
    size_t cells = a.m_layers[0].size();
    for (int i = 0; i < CBaseMapData::kGridCount; ++i) {
        const std::vector<int>& grid = record.GetGrid(i);
        if (grid.size() != cells) throw eMERCAVO_ERROR_CONTENTS;
        std::copy(grid.begin(), grid.end(), a.m_layers[static_cast<size_t>(i)].begin());
    }
    a.m_population = record.GetFigure(0);
    a.m_priceLevel = std::clamp(record.GetFigure(1), 10, 200);
    a.m_effects[4] = record.GetFigure(2);
    a.m_potential = record.GetFigure(3);
    a.m_figure19 = record.GetFigure(4);
    a.m_figure20 = record.GetFigure(5);
    // The same bounds as the stored form, so that a game started from the
    // map data file can be saved and loaded again. Width and height must
    // equal the map's grid (the record checks that); the price level is
    // clamped above and the other figures are taken as read by both forms.
    CheckRange(a.m_spare, 0, std::numeric_limits<int>::max());
    CheckRange(a.m_population, 0, std::numeric_limits<int>::max());
    CheckRange(a.m_effects[4], -kEffectLimit, kEffectLimit);
    a.CheckCells();
    *this = std::move(a);
}

// Whatever the map: the site lists run parallel, every point lies in the
// grid, every covered cell points at an anchor in the grid that holds a
// structure, and every construction state is known.
void CMapData::CheckCells() const {
    if (m_sitePoints.size() != m_siteValues.size() || m_siteFlags.size() != m_siteValues.size())
        throw eMERCAVO_ERROR_CONTENTS;
    for (const auto* list : {&m_sitePoints, &m_projectCells})
        for (const CCellPoint& p : *list)
            if (!IsInGrid(p.x, p.y)) throw eMERCAVO_ERROR_CONTENTS;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (!CellHangsTogether(x, y)) throw eMERCAVO_ERROR_CONTENTS;
}

bool CMapData::CellHangsTogether(int x, int y) const {
    const int structure = GetLayer(layerStructure, x, y);
    if (structure < -1) return false;
    if (structure == -1) {
        int ax = GetLayer(layerAnchorX, x, y), ay = GetLayer(layerAnchorY, x, y);
        if (!IsInGrid(ax, ay) || GetLayer(layerStructure, ax, ay) <= 0) return false;
    }
    int state = GetLayer(layerConstructionState, x, y);
    return state >= kConstructionNone && state <= kConstructionBurning;
}

bool CMapData::LayerValueFits(int layer, int value, const CAreaLimits& limits) {
    auto within = [value](int lo, int hi) { return value >= lo && value <= hi; };
    switch (layer) {
        case layerLandType:
            return within(0, limits.landTypeCount - 1);
        case layerStructure:
        case layerConstructionType:
            return within(-1, limits.structureTypeCount);
        case layerConstructionState:
            return within(kConstructionNone, kConstructionBurning);
        case layerOwner:
            return within(0, limits.maxCompanies);
        case layerLandValue:
            return within(0, kMaxLandValue);
        default:
            return true;
    }
}

bool CMapData::CellFits(int x, int y, const CAreaLimits& limits) const {
    for (int layer = 0; layer < kLayerCount; ++layer)
        if (!LayerValueFits(layer, GetLayer(layer, x, y), limits)) return false;
    const int types = limits.structureTypeCount;
    const int type = GetLayer(layerConstructionType, x, y);
    switch (GetLayer(layerConstructionState, x, y)) {
        case kConstructionUnderWay:
            return type >= 0 && type < types;
        case kConstructionBurning:
            return type >= 1 && limits.structureTypeCode &&
                   limits.structureTypeCode(type - 1) == StructureCode::kFire;
        default:
            return true;
    }
}

void CMapData::Validate(const CAreaLimits& limits) const {
    if (m_width != limits.gridWidth || m_height != limits.gridHeight) throw eMERCAVO_ERROR_CONTENTS;
    CheckCells();
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (!CellFits(x, y, limits)) throw eMERCAVO_ERROR_CONTENTS;
    for (int v : m_siteValues) CheckRange(v, 0, limits.structureTypeCount - 1);
}

// ---- Network texts ----

namespace {
constexpr int kRecordClass = 300;
constexpr int kRecordGroup = 3;
constexpr int kSitesPerText = 30;
constexpr int kProjectCellsPerText = 50;
constexpr int kStadiumsPerText[2] = {50, 52};
constexpr int kCellValueBytes = 400;

uint8_t ByteOf(int32_t value, int k) {
    return static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * k));
}

int32_t WithByte(int32_t value, int k, uint8_t byte) {
    uint32_t v = static_cast<uint32_t>(value) & ~(0xFFu << (8 * k));
    return static_cast<int32_t>(v | (static_cast<uint32_t>(byte) << (8 * k)));
}

void AppendRaw(std::string& text, int32_t value) {
    for (int k = 0; k < 4; ++k) text += static_cast<char>(ByteOf(value, k));
}

int32_t ReadRaw(std::string_view text, int pos) {
    uint32_t v = 0;
    for (int k = 0; k < 4; ++k)
        v |= static_cast<uint32_t>(static_cast<uint8_t>(text[static_cast<size_t>(pos + k)]))
             << (8 * k);
    return static_cast<int32_t>(v);
}

int Left(std::string_view text, int pos) {
    return static_cast<int>(text.size()) - pos;
}

bool SelectedLayers(std::string_view mask, std::vector<int>& layers) {
    if (mask.size() < CMapData::kLayerCount) return false;
    for (int i = 0; i < CMapData::kLayerCount; ++i)
        if (mask[static_cast<size_t>(i)] == '1') layers.push_back(i);
    return true;
}
}  // namespace

std::string CMapData::Head(int code, int area) {
    return FormatRecordHeader(kRecordClass, kRecordGroup, code) + FormatFixedInt(area, 4);
}

void CMapData::Send(int peer, const std::string& record) {
    Services::Net().SendRecord(peer, record);
}

std::string CMapData::BuildAreaState(int area) const {
    std::string text = Head(kCodeAreaState, area) + FormatFixedInt(m_width, 4) +
                       FormatFixedInt(m_height, 4) + FormatFixedInt(m_spare, 4) +
                       FormatFixedInt(m_population, 10);
    for (int v : {m_priceLevel, m_potential, m_figure19, m_figure20}) text += FormatFixedInt(v, 5);
    text += FormatFixedInt(m_trend, 4) + FormatFixedInt(m_governor, 4) + FormatFixedInt(m_fire, 5);
    for (int v : m_effects) text += FormatFixedInt(v, 5);
    return text;
}

std::string CMapData::BuildTexts(int area) const {
    std::string text = Head(kCodeTexts, area);
    // Both texts share one record: the name first, the explanation in what
    // is left, each cut at a character boundary.
    int room = kNetRecordTextLimit - static_cast<int>(text.size()) - 6;
    std::string name = TruncateText(m_name, std::min(room, 999));
    std::string explanation =
        TruncateText(m_explanation, std::min(room - static_cast<int>(name.size()), 999));
    text += FormatFixedInt(static_cast<int>(name.size()), 3) + name;
    text += FormatFixedInt(static_cast<int>(explanation.size()), 3) + explanation;
    return text;
}

std::vector<std::string> CMapData::BuildLayer(int area, int layer) const {
    std::vector<std::string> records;
    const std::vector<int32_t>& values = m_layers.at(static_cast<size_t>(layer));
    int size = LayerBytes();
    for (int start = 0; start < size; start += kLayerChunkBytes) {
        int end = std::min(start + kLayerChunkBytes, size) - 1;
        std::string text =
            Head(kCodeLayer0 + layer, area) + FormatFixedInt(start, 8) + FormatFixedInt(end, 8);
        for (int b = start; b <= end; ++b)
            text += static_cast<char>(ByteOf(values[static_cast<size_t>(b / 4)], b % 4));
        records.push_back(std::move(text));
    }
    return records;
}

std::vector<std::string> CMapData::BuildCellValues(int area, std::string_view mask,
                                                   const std::vector<CCellPoint>& cells) const {
    std::vector<int> layers;
    if (!SelectedLayers(mask, layers)) return {};
    int perText = kCellValueBytes / (4 * static_cast<int>(layers.size()) + 8);
    std::vector<std::string> records;
    std::vector<CCellPoint> inGrid;
    for (const CCellPoint& c : cells)
        if (IsInGrid(c.x, c.y)) inGrid.push_back(c);
    int total = static_cast<int>(inGrid.size());
    for (int first = 0; first < total; first += perText) {
        int count = std::min(perText, total - first);
        std::string text = Head(kCodeCellValues, area) + std::string(mask.substr(0, 10)) +
                           FormatFixedInt(count, 4);
        for (int i = first; i < first + count; ++i) {
            const CCellPoint& c = inGrid[static_cast<size_t>(i)];
            text += FormatFixedInt(c.x, 4) + FormatFixedInt(c.y, 4);
            for (int layer : layers) AppendRaw(text, GetLayer(layer, c.x, c.y));
        }
        records.push_back(std::move(text));
    }
    return records;
}

std::vector<std::string> CMapData::BuildPointChunks(int code, int area,
                                                    const std::vector<CCellPoint>& points,
                                                    int perText) const {
    std::vector<std::string> records;
    int total = std::min(static_cast<int>(points.size()), 9999);
    for (int first = 0; first < total; first += perText) {
        int last = std::min(first + perText, total) - 1;
        std::string text = Head(code, area) + FormatFixedInt(first, 4) + FormatFixedInt(last, 4);
        for (int i = first; i <= last; ++i)
            text += FormatFixedInt(points[static_cast<size_t>(i)].x, 4) +
                    FormatFixedInt(points[static_cast<size_t>(i)].y, 4);
        records.push_back(std::move(text));
    }
    return records;
}

std::vector<std::string> CMapData::BuildProjectLists(int area) const {
    int sites = std::min(static_cast<int>(m_siteValues.size()), 999);
    int cells = std::min(static_cast<int>(m_projectCells.size()), 9999);
    std::vector<std::string> records;
    records.push_back(Head(kCodeProjectHeader, area) + FormatFixedInt(m_projectFund, 8) +
                      FormatFixedInt(m_projectStart, 4) + FormatFixedInt(sites, 3) +
                      FormatFixedInt(cells, 4));
    for (int first = 0; first < sites; first += kSitesPerText) {
        int last = std::min(first + kSitesPerText, sites) - 1;
        std::string text =
            Head(kCodeProjectSites, area) + FormatFixedInt(first, 4) + FormatFixedInt(last, 4);
        for (int i = first; i <= last; ++i) {
            size_t k = static_cast<size_t>(i);
            text += FormatFixedInt(m_siteValues[k], 4) + FormatFixedInt(m_sitePoints[k].x, 4) +
                    FormatFixedInt(m_sitePoints[k].y, 4) + (m_siteFlags[k] ? "1" : "0");
        }
        records.push_back(std::move(text));
    }
    std::vector<CCellPoint> sent(m_projectCells.begin(), m_projectCells.begin() + cells);
    for (std::string& text : BuildPointChunks(kCodeProjectCells, area, sent, kProjectCellsPerText))
        records.push_back(std::move(text));
    return records;
}

std::vector<std::string> CMapData::BuildPairLists(int area) const {
    std::vector<std::string> records;
    records.push_back(Head(kCodeStadiumHeader, area) +
                      FormatFixedInt(std::min(GetStadiumCount(0), 9999), 4) +
                      FormatFixedInt(std::min(GetStadiumCount(1), 9999), 4));
    for (int list = 0; list < 2; ++list)
        for (std::string& text : BuildPointChunks(kCodeStadiumList0 + list, area, Stadiums(list),
                                                  kStadiumsPerText[list]))
            records.push_back(std::move(text));
    return records;
}

std::vector<std::string> CMapData::BuildAll(int area, bool withTexts) const {
    std::vector<std::string> records{BuildAreaState(area)};
    if (withTexts) records.push_back(BuildTexts(area));
    auto append = [&](std::vector<std::string> more) {
        for (std::string& r : more) records.push_back(std::move(r));
    };
    for (int layer = 0; layer < kLayerCount; ++layer) append(BuildLayer(area, layer));
    append(BuildProjectLists(area));
    append(BuildPairLists(area));
    return records;
}

void CMapData::SendAll(int peer, int area, bool withTexts) const {
    for (const std::string& record : BuildAll(area, withTexts)) Send(peer, record);
}

void CMapData::SendAreaState(int peer, int area) const {
    Send(peer, BuildAreaState(area));
}

void CMapData::SendTexts(int peer, int area) const {
    Send(peer, BuildTexts(area));
}

void CMapData::SendLayer(int peer, int area, int layer) const {
    for (const std::string& record : BuildLayer(area, layer)) Send(peer, record);
}

void CMapData::SendAllLayers(int peer, int area) const {
    for (int layer = 0; layer < kLayerCount; ++layer) SendLayer(peer, area, layer);
}

void CMapData::SendCellValues(int peer, int area, std::string_view mask,
                              const std::vector<CCellPoint>& cells) const {
    for (const std::string& record : BuildCellValues(area, mask, cells)) Send(peer, record);
}

void CMapData::SendProjectLists(int peer, int area) const {
    for (const std::string& record : BuildProjectLists(area)) Send(peer, record);
}

void CMapData::SendPairLists(int peer, int area) const {
    for (const std::string& record : BuildPairLists(area)) Send(peer, record);
}

bool CMapData::ReadAreaState(std::string_view text) {
    int pos = 0;
    int width = ParseFixedInt(text, pos, 4);
    int height = ParseFixedInt(text, pos, 4);
    int spare = ParseFixedInt(text, pos, 4);
    int population = ParseFixedInt(text, pos, 10);
    int figures[4];
    for (int& v : figures) v = ParseFixedInt(text, pos, 5);
    int trend = ParseFixedInt(text, pos, 4);
    int governor = ParseFixedInt(text, pos, 4);
    int fire = ParseFixedInt(text, pos, 5);
    std::array<int, kEffectCount> effects{};
    for (int& v : effects) v = ParseFixedInt(text, pos, 5);
    // The grid itself never changes size: a text for another size belongs
    // to another map.
    if (pos > static_cast<int>(text.size()) || width != m_width || height != m_height ||
        spare < 0 || population < 0 || figures[0] < 0 || governor < -1)
        return false;
    m_spare = spare;
    m_population = population;
    m_priceLevel = figures[0];
    m_potential = figures[1];
    m_figure19 = figures[2];
    m_figure20 = figures[3];
    m_trend = trend;
    m_governor = governor;
    m_fire = std::clamp(fire, 0, 100);
    m_effects = effects;
    return true;
}

bool CMapData::ReadTexts(std::string_view text) {
    int pos = 0;
    std::string texts[2];
    for (std::string& t : texts) {
        int length = ParseFixedInt(text, pos, 3);
        if (pos > static_cast<int>(text.size()) || length < 0 || length > Left(text, pos))
            return false;
        t = std::string(text.substr(static_cast<size_t>(pos), static_cast<size_t>(length)));
        pos += length;
    }
    m_name = std::move(texts[0]);
    m_explanation = std::move(texts[1]);
    return true;
}

bool CMapData::ReadLayerChunk(std::string_view text, int layer, const CAreaLimits& limits) {
    if (layer < 0 || layer >= kLayerCount) return false;
    int pos = 0;
    int start = ParseFixedInt(text, pos, 8);
    int end = ParseFixedInt(text, pos, 8);
    if (pos > static_cast<int>(text.size()) || start < 0 || start > end || end >= LayerBytes() ||
        end - start + 1 > Left(text, pos))
        return false;
    // The values the chunk touches, written into a copy first. The layers
    // of one area arrive one after the other, so only each value's own
    // range can be checked here, not how the layers hang together.
    std::vector<int32_t>& values = m_layers[static_cast<size_t>(layer)];
    const size_t first = static_cast<size_t>(start / 4);
    std::vector<int32_t> touched(values.begin() + static_cast<std::ptrdiff_t>(first),
                                 values.begin() + end / 4 + 1);
    for (int b = start; b <= end; ++b) {
        int32_t& v = touched[static_cast<size_t>(b / 4) - first];
        v = WithByte(v, b % 4, static_cast<uint8_t>(text[static_cast<size_t>(pos + b - start)]));
    }
    if (!std::all_of(touched.begin(), touched.end(),
                     [&](int32_t v) { return LayerValueFits(layer, v, limits); }))
        return false;
    std::copy(touched.begin(), touched.end(), values.begin() + static_cast<std::ptrdiff_t>(first));
    return true;
}

bool CMapData::ReadCellValues(std::string_view text, const CAreaLimits& limits) {
    std::vector<int> layers;
    if (!SelectedLayers(text, layers)) return false;
    int pos = kLayerCount;
    int count = ParseFixedInt(text, pos, 4);
    int recordSize = 8 + 4 * static_cast<int>(layers.size());
    if (pos > static_cast<int>(text.size()) || count < 0 || count > Left(text, pos) / recordSize)
        return false;
    std::vector<CCellPoint> cells;
    for (int i = 0; i < count; ++i) {
        int at = pos + i * recordSize;
        int x = ParseFixedInt(text, at, 4);
        int y = ParseFixedInt(text, at, 4);
        if (!IsInGrid(x, y)) return false;
        cells.push_back({x, y});
    }
    // Written first and checked after, since an anchor may come in the same
    // record as the cells it covers; what the cells held is put back in
    // reverse order when any of them does not fit.
    std::vector<int32_t> previous;
    for (int i = 0; i < count; ++i) {
        int at = pos + i * recordSize + 8;
        const CCellPoint& c = cells[static_cast<size_t>(i)];
        for (int layer : layers) {
            previous.push_back(GetLayer(layer, c.x, c.y));
            SetLayer(layer, c.x, c.y, ReadRaw(text, at));
            at += 4;
        }
    }
    if (std::all_of(cells.begin(), cells.end(),
                    [&](const CCellPoint& c) { return CellUpdateFits(c.x, c.y, limits); }))
        return true;
    for (int i = count - 1; i >= 0; --i) {
        const CCellPoint& c = cells[static_cast<size_t>(i)];
        for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
            SetLayer(*layer, c.x, c.y, previous.back());
            previous.pop_back();
        }
    }
    return false;
}

// The cell itself, and the cells that may be covered by a structure
// anchored at it (an anchor is the bottom-right cell of its footprint).
bool CMapData::CellUpdateFits(int x, int y, const CAreaLimits& limits) const {
    if (!CellFits(x, y, limits)) return false;
    for (int cy = std::max(y - CBD::kMaxSize + 1, 0); cy <= y; ++cy)
        for (int cx = std::max(x - CBD::kMaxSize + 1, 0); cx <= x; ++cx)
            if (!CellHangsTogether(cx, cy)) return false;
    return true;
}

bool CMapData::ReadProjectHeader(std::string_view text) {
    int pos = 0;
    int fund = ParseFixedInt(text, pos, 8);
    int start = ParseFixedInt(text, pos, 4);
    int sites = ParseFixedInt(text, pos, 3);
    int cells = ParseFixedInt(text, pos, 4);
    if (pos > static_cast<int>(text.size()) || start < -1 || sites < 0 || cells < 0) return false;
    m_projectFund = fund;
    m_projectStart = start;
    m_siteValues.resize(static_cast<size_t>(sites), 0);
    m_sitePoints.resize(static_cast<size_t>(sites), CCellPoint());
    m_siteFlags.resize(static_cast<size_t>(sites), 0);
    m_projectCells.resize(static_cast<size_t>(cells), CCellPoint());
    return true;
}

bool CMapData::ReadProjectSites(std::string_view text) {
    int pos = 0;
    int first = ParseFixedInt(text, pos, 4);
    int last = ParseFixedInt(text, pos, 4);
    const int entry = 13;
    if (pos > static_cast<int>(text.size()) || first < 0 || first > last ||
        last >= static_cast<int>(m_siteValues.size()) || last - first + 1 > Left(text, pos) / entry)
        return false;
    struct Site {
        int type, x, y, flag;
    };
    std::vector<Site> received;
    for (int i = first; i <= last; ++i) {
        Site s;
        s.type = ParseFixedInt(text, pos, 4);
        s.x = ParseFixedInt(text, pos, 4);
        s.y = ParseFixedInt(text, pos, 4);
        s.flag = text[static_cast<size_t>(pos++)] == '1' ? 1 : 0;
        if (s.type < 0 || !IsInGrid(s.x, s.y)) return false;
        received.push_back(s);
    }
    for (int i = first; i <= last; ++i) {
        const Site& s = received[static_cast<size_t>(i - first)];
        size_t k = static_cast<size_t>(i);
        m_siteValues[k] = s.type;
        m_sitePoints[k] = {s.x, s.y};
        m_siteFlags[k] = s.flag;
    }
    return true;
}

bool CMapData::ReadPointChunk(std::string_view text, std::vector<CCellPoint>& points) const {
    int pos = 0;
    int first = ParseFixedInt(text, pos, 4);
    int last = ParseFixedInt(text, pos, 4);
    if (pos > static_cast<int>(text.size()) || first < 0 || first > last ||
        last >= static_cast<int>(points.size()) || last - first + 1 > Left(text, pos) / 8)
        return false;
    std::vector<CCellPoint> received;
    for (int i = first; i <= last; ++i) {
        int x = ParseFixedInt(text, pos, 4);
        int y = ParseFixedInt(text, pos, 4);
        if (!IsInGrid(x, y)) return false;
        received.push_back({x, y});
    }
    std::copy(received.begin(), received.end(), points.begin() + first);
    return true;
}

bool CMapData::ReadProjectCells(std::string_view text) {
    return ReadPointChunk(text, m_projectCells);
}

bool CMapData::ReadStadiumHeader(std::string_view text) {
    int pos = 0;
    int sizes[2];
    for (int& s : sizes) s = ParseFixedInt(text, pos, 4);
    if (pos > static_cast<int>(text.size()) || sizes[0] < 0 || sizes[1] < 0) return false;
    for (int list = 0; list < 2; ++list)
        Stadiums(list).resize(static_cast<size_t>(sizes[list]), CCellPoint());
    return true;
}

bool CMapData::ReadStadiumCells(std::string_view text, int list) {
    if (list < 0 || list > 1) return false;
    return ReadPointChunk(text, Stadiums(list));
}
