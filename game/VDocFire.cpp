// A fire: started by the fire event, it burns on the map pass after pass.
// Each pass every burning cell may set its neighbours and itself burning;
// the resistance of the cells grows with every pass, so every fire dies out.
// Burning structures lose durability and may be lost; a lost structure of
// code 76 explodes into the cells around it.

#include <algorithm>
#include <cstdint>

#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/Wait.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {

// A fire starts when Random(kFireSpread - the area's fire figure) stays at
// or below kFireStart, on one of up to kStartTries cells.
constexpr int kFireSpread = 150;
constexpr int kFireStart = 50;
constexpr int kStartTries = 51;
// The resistance of a cell starts here and grows every pass.
constexpr int kStartResistance = 150;
constexpr int kResistanceStep = 3;
// A neighbour catches fire when Random(c) < kNeighbourChance, the burning
// cell burns on when Random(c) < kSelfChance.
constexpr int kNeighbourChance = 30;
constexpr int kSelfChance = 100;
// Structures that burn slowly, and those that explode.
constexpr int kSlowBurningCode = StructureCode::kFixed51;
constexpr int kExplodingCode = 76;
constexpr int kPassPauseMs = 200;
constexpr int kFireSound = 1;
constexpr int kFireCause = 1;

bool IsNoStartCode(int code) {
    return code == StructureCode::kFixed51 || code == StructureCode::kFixed50 ||
           code == StructureCode::kMast;
}

}  // namespace

struct CVDoc::SFire {
    int area = 0;
    int width = 0, height = 0;
    // One mark per cell: set burning in this pass.
    std::vector<int> marks;
    // The cells the pass touched, for the players.
    std::vector<CCellPoint> touched;
    bool spread = false;
    int resistance = kStartResistance;
    // The companies' fire safety in the area.
    int safety = 0;
    bool shown = false;

    int& Mark(int x, int y) {
        return marks[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

int CVDoc::IsFireproofCell(int area, int x, int y) {
    const CMapData* record = GetArea(area);
    if (!record || !record->IsInGrid(x, y)) return 0;
    const int land = GetMap().GetCellTypeCode(area, x, y, 1);
    if (land == StructureCode::kJunction || land == StructureCode::kRoadLand ||
        land == StructureCode::kRailLand)
        return 1;
    const int structure = GetMap().GetCellTypeCode(area, x, y, 0);
    return StructureCode::IsOfficeCode(structure) || structure == StructureCode::kFixed50 ||
                   structure == StructureCode::kMast
               ? 1
               : 0;
}

void CVDoc::StartFire() {
    const int areas = GetMap().GetAreaCount();
    if (areas == 0) return;
    const int area = Random(areas);
    const CMapData& record = GetMap().GetArea(area);
    if (Random(kFireSpread - record.GetFire()) > kFireStart) return;
    for (int i = 0; i < kStartTries; ++i) {
        const int x = Random(record.GetWidth());
        const int y = Random(record.GetHeight());
        if (!record.IsInGrid(x, y)) continue;
        const int land = GetMap().GetCellTypeCode(area, x, y, 1);
        if (land != StructureCode::kPlain || IsNoStartCode(GetMap().GetCellTypeCode(area, x, y, 0)))
            continue;
        Services::Frame().AddInfoMessage(FormatText("A fire occurred in %s.", record.GetName().c_str()));
        SpreadFire(area, x, y);
        return;
    }
}

void CVDoc::SetCellBurning(int area, int x, int y) {
    const CMapDoc& map = GetMap();
    const int count = map.GetCode40TypeCount();
    const int picture = count > 0 ? map.GetCode40Type(Random(count)) + 1 : 0;
    GetMap().GetArea(area).SetConstruction(x, y, CMapData::kConstructionBurning, picture);
}

int CVDoc::SpreadFire(int area, int x, int y) {
    CMapData* record = GetArea(area);
    if (!record || !record->IsInGrid(x, y)) return 0;
    IFrameService& frame = Services::Frame();
    SFire fire;
    fire.area = area;
    fire.width = record->GetWidth();
    fire.height = record->GetHeight();
    fire.marks.assign(static_cast<size_t>(fire.width) * static_cast<size_t>(fire.height), 0);
    fire.safety = SumAreaRatings(1, area, 1);
    fire.shown = frame.GetShownArea() == area;
    SetCellBurning(area, x, y);
    if (fire.shown) frame.DrawMapCell(x, y);
    if (IsNetworkHost()) {
        record->SendLayer(-1, area, CMapData::layerConstructionState);
        record->SendLayer(-1, area, CMapData::layerConstructionType);
    }
    int passes = 0;
    do {
        ++passes;
    } while (RunFirePass(fire) > 0);
    m_lastFirePasses = passes;
    frame.AddInfoMessage(fire.spread ? "  Finally extinguished the fire." : "  Extinguished fire.");
    frame.RefreshAreaButton(area);
    if (IsNetworkHost()) {
        frame.SendAllCompanyFigures();
        record->SendProjectLists(-1, area);
        record->SendPairLists(-1, area);
        record->SendAreaState(-1, area);
        frame.SendRedrawListItem(area);
    }
    return 0;
}

int CVDoc::RunFirePass(SFire& fire) {
    CMapData& record = GetMap().GetArea(fire.area);
    std::fill(fire.marks.begin(), fire.marks.end(), 0);
    fire.touched.clear();
    for (int y = 0; y < fire.height; ++y)
        for (int x = 0; x < fire.width; ++x)
            if (record.GetConstructionState(x, y) == CMapData::kConstructionBurning) {
                fire.touched.push_back({x, y});
                MarkFireNeighbours(fire, x, y);
            }
    Services::Frame().PlayEffect(kFireSound);
    WaitMilliseconds(kPassPauseMs, 0, 0);
    std::vector<int> cells(fire.marks.size());
    for (size_t i = 0; i < cells.size(); ++i) cells[i] = static_cast<int>(i);
    ShuffleArray(cells);
    int burning = 0;
    for (int i : cells) {
        const int x = i % fire.width, y = i / fire.width;
        const int state = record.GetConstructionState(x, y);
        if (fire.Mark(x, y)) {
            if (state >= 1 && state != CMapData::kConstructionBurning) continue;
            ++burning;
            BurnCell(fire, x, y);
        } else if (state == CMapData::kConstructionBurning) {
            record.SetConstruction(x, y, CMapData::kConstructionNone, 0);
            if (fire.shown) Services::Frame().DrawMapCell(x, y);
        }
    }
    fire.resistance = ClampToInt(int64_t{fire.resistance} + kResistanceStep);
    if (IsNetworkHost()) record.SendCellValues(-1, fire.area, "0101111100", fire.touched);
    return burning;
}

// The neighbours up, left, right and down of a burning cell, and the cell
// itself, may catch fire: plain land that is not fireproof.
void CVDoc::MarkFireNeighbours(SFire& fire, int x, int y) {
    static constexpr int kSteps[5][2] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}, {0, 0}};
    const int code = GetMap().GetCellTypeCode(fire.area, x, y, 0);
    for (const auto& step : kSteps) {
        const int tx = x + step[0], ty = y + step[1];
        if (tx < 0 || ty < 0 || tx >= fire.width || ty >= fire.height) continue;
        if (GetMap().GetCellTypeCode(fire.area, tx, ty, 1) != StructureCode::kPlain ||
            IsFireproofCell(fire.area, tx, ty))
            continue;
        int64_t c = fire.resistance;
        if (code == kSlowBurningCode) c *= 10;
        if (code == kExplodingCode) c /= 3;
        c += fire.safety;
        const bool self = step[0] == 0 && step[1] == 0;
        if (Random(ClampToInt(c)) >= (self ? kSelfChance : kNeighbourChance)) continue;
        fire.Mark(tx, ty) = 1;
        fire.touched.push_back({tx, ty});
        if (!self) fire.spread = true;
    }
}

void CVDoc::BurnCell(SFire& fire, int x, int y) {
    CMapDoc& map = GetMap();
    IFrameService& frame = Services::Frame();
    SetCellBurning(fire.area, x, y);
    CCellPoint anchor, first;
    if (!map.GetStructureExtent(fire.area, x, y, anchor, first)) {
        if (fire.shown) frame.DrawMapCell(x, y);
        return;
    }
    const int code = map.GetCellTypeCode(fire.area, x, y, 0);
    CMapDoc::CCellSet lostAnchors, lostCells;
    if (!map.CollapseStructure(fire.area, x, y, RandomVary(10, 5), lostAnchors, lostCells)) {
        if (fire.shown) frame.DrawMapCell(x, y);
        return;
    }
    RemoveLostStructures(fire.area, lostAnchors, kFireCause);
    if (fire.shown)
        for (const auto& entry : lostCells) frame.DrawMapCell(entry.second.x, entry.second.y);
    if (code == kExplodingCode) ExplodeStructure(fire, anchor, first);
}

// The extent of an exploding structure, one cell wider on every side, catches
// fire whatever its land, unless fireproof.
void CVDoc::ExplodeStructure(SFire& fire, CCellPoint anchor, CCellPoint first) {
    const int x0 = std::max(first.x - 1, 0), y0 = std::max(first.y - 1, 0);
    const int x1 = std::min(anchor.x + 1, fire.width - 1);
    const int y1 = std::min(anchor.y + 1, fire.height - 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (IsFireproofCell(fire.area, x, y)) continue;
            SetCellBurning(fire.area, x, y);
            fire.Mark(x, y) = 1;
            fire.touched.push_back({x, y});
            if (fire.shown) Services::Frame().DrawMapCell(x, y);
        }
}
