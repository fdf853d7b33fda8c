// The EXPO: an area project with a fixed life. It is planned 24 months
// ahead with its sites near a centre, the sites are given out by contracts
// and tenders, it opens in its opening month with the companies'
// exhibitions and closes four months later.

#include <algorithm>
#include <cstdint>

#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"

namespace {

// An EXPO opens this many months after it was planned; none is planned
// when the game ends sooner.
constexpr int kExpoLead = 24;
constexpr int kMinExpoSites = 3;
constexpr int kMaxExpoSites = 10;
// Points in a row where no site fits before the planning is given up.
constexpr int kMaxSiteFailures = 20;
// An area needs this many free plain cells (drawn) and this score.
constexpr int kMinFreeCells = 15;
constexpr int kMinExpoScore = 500;
constexpr int kExpoRating = 2;

// q x 3 / 4 + Random(q / 2) with q = value / 3: what is left of a fund or a
// rating once the EXPO is planned.
int ReduceForExpo(int value) {
    const int q = value / 3;
    return q * 3 / 4 + Random(q / 2);
}

}  // namespace

void CVDoc::ExpoEvent() {
    if (int64_t{GetMonthIndex()} + kExpoLead >= int64_t{m_game.playYears} * 12) return;
    const int areas = GetMap().GetAreaCount();
    std::vector<int> order(static_cast<size_t>(areas));
    for (int i = 0; i < areas; ++i) order[static_cast<size_t>(i)] = i;
    ShuffleArray(order);
    int best = 0;
    int chosen = -1;
    for (int area : order) {
        if (CountStrongCompanies(area) < 1 || GetMap().GetArea(area).HasProject()) continue;
        const int f = GetMap().CountFreePlainCells(area);
        if (f + Random(f) < kMinFreeCells) continue;
        const int v = GetAreaValue(area);
        const int score = ClampToInt(int64_t{v} + Random(v));
        if (score > best) {
            best = score;
            chosen = area;
        }
    }
    if (chosen < 0) return;
    const int v = GetAreaValue(chosen);
    if (int64_t{v} + Random(v) >= kMinExpoScore) PlanExpo(chosen);
}

int CVDoc::PlanExpo(int area) {
    CMapData* record = GetArea(area);
    if (!record) return 0;
    CMapDoc& map = GetMap();
    record->ClearProjectLists();
    const int width = record->GetWidth(), height = record->GetHeight();
    const int r = std::clamp(std::min(width / 2, height / 2) / 2, 1, 4);
    const int v = GetAreaValue(area);
    const int sites = std::clamp(ClampToInt((int64_t{v} + Random(v)) / 100), kMinExpoSites,
                                 kMaxExpoSites);
    int cx = Random(width - 2 * r) + r;
    const int cx2 = Random(width - 2 * r) + r;
    if (cx2 >= 0 && cx2 < width) cx = cx2;
    int cy = Random(height - 2 * r) + r;
    const int cy2 = Random(height - 2 * r) + r;
    if (cy2 >= 0 && cy2 < height) cy = cy2;
    std::vector<int> types;
    for (int i = 0; i < map.GetCode70TypeCount(); ++i) types.push_back(map.GetCode70Type(i));
    int placed = 0, failures = 0;
    while (placed < sites) {
        const int px = RandomVary(cx, r), py = RandomVary(cy, r);
        ShuffleArray(types);
        bool fitted = false;
        for (int t : types) {
            int w = 1, h = 1;
            map.GetStructureType(t)->GetSize(w, h);
            if (!map.IsRectFree(area, px - w + 1, py - h + 1, px, py)) continue;
            if (!record->AddProjectArea(px - w + 1, py - h + 1, px, py, t)) {
                record->ClearProjectLists();
                return 0;
            }
            fitted = true;
            break;
        }
        if (fitted) {
            ++placed;
            failures = 0;
        } else if (++failures > kMaxSiteFailures) {
            record->ClearProjectLists();
            return 0;
        }
    }
    record->SetProjectStart(GetMonthIndex() + kExpoLead);
    record->SetProjectFund(ReduceForExpo(record->GetProjectFund()));
    for (CEnterprise& company : m_game.companies)
        company.SetAreaRating(kExpoRating, area,
                              ReduceForExpo(company.GetAreaRating(kExpoRating, area)), 0);
    if (IsNetworkHost()) record->SendProjectLists(-1, area);
    Services::Report().ShowExpoPlanned(area);
    return 1;
}

void CVDoc::RunExpos() {
    const int areas = GetMap().GetAreaCount();
    std::vector<int> order(static_cast<size_t>(areas));
    for (int i = 0; i < areas; ++i) order[static_cast<size_t>(i)] = i;
    ShuffleArray(order);
    const int now = GetMonthIndex();
    for (int area : order) {
        CMapData& record = GetMap().GetArea(area);
        if (!record.HasProject()) continue;
        const int opening = record.GetProjectStart();
        if (now == opening) {
            OpenExpo(area);
            continue;
        }
        if (now == opening + CMapData::kProjectOpenMonths && opening >= 1) {
            CloseExpo(area);
            continue;
        }
        for (int i = 0; i < record.GetProjectSiteCount(); ++i) {
            if (record.GetProjectSiteFlag(i) != 0) continue;
            const int t = record.GetProjectSiteValue(i);
            const CBD* type = GetMap().GetStructureType(t);
            if (!type) continue;
            int w = 1, h = 1;
            type->GetSize(w, h);
            const CCellPoint corner = record.GetProjectSitePoint(i);
            if (!GetMap().IsRectBuildable(area, corner.x - w + 1, corner.y - h + 1, corner.x,
                                          corner.y, -1, 0))
                continue;
            const int64_t m = int64_t{opening} - now - type->GetPriceStep() + 2;
            if (Random(ClampToInt(m * m)) >= 4) continue;
            PlaceExpoSite(area, i, t);
        }
    }
}

// Site i is given out: as a contract to a company that promoted the EXPO, or
// to a construction tender.
void CVDoc::PlaceExpoSite(int area, int site, int structureType) {
    CMapData& record = GetMap().GetArea(area);
    const int fund = record.GetProjectFund();
    const int s = Random(GetAreaValue(area));
    const CCellPoint corner = record.GetProjectSitePoint(site);
    if (s >= fund) {
        int64_t sum = fund;
        for (int c = 0; c < CompanyCount(); ++c) {
            if (IsLeaving(c)) continue;
            sum += m_game.companies[static_cast<size_t>(c)].GetAreaRating(kExpoRating, area);
            if (s < sum) {
                OfferPublicContract(c, area, corner.x, corner.y, structureType);
                break;
            }
        }
    } else {
        RunPublicTender(area, corner.x, corner.y, structureType);
    }
    record.SetProjectSiteFlag(site, 1);
    if (IsNetworkHost()) record.SendProjectLists(-1, area);
}

void CVDoc::OpenExpo(int area) {
    CMapData* record = GetArea(area);
    if (!record) return;
    CMapDoc& map = GetMap();
    bool held = record->GetProjectSiteCount() > 0;
    int64_t value = 0;
    for (int i = 0; i < record->GetProjectSiteCount(); ++i) {
        const CCellPoint corner = record->GetProjectSitePoint(i);
        const CBD* type = record->IsInGrid(corner.x, corner.y)
                              ? map.GetCellStructureType(area, corner.x, corner.y, 0)
                              : nullptr;
        if (record->GetProjectSiteFlag(i) == 0 || !type ||
            type->GetTypeCode() != StructureCode::kProject) {
            held = false;
            continue;
        }
        value += type->GetLandValue();
    }
    const int v = ClampToInt(value);
    record->UpdatePotentialAndTrend(held ? 1 : 0, v);
    Services::Report().ShowExpoOpening(area, held ? 1 : 0, record->GetProjectCells());
    for (CEnterprise& company : m_game.companies) company.HoldExhibition(area, held ? 1 : 0, v);
    if (!held) CloseExpo(area);
}

void CVDoc::CloseExpo(int area) {
    CMapData* record = GetArea(area);
    if (!record) return;
    CMapDoc& map = GetMap();
    for (CPersonData& person : m_game.directors) {
        if (person.GetTaskKind() != CPersonData::eTASK_CONTRACT_CONSTRUCTION ||
            person.GetTaskArea() != area)
            continue;
        const int x = person.GetTaskTargetX(), y = person.GetTaskTargetY();
        if (!record->IsInGrid(x, y) || !record->IsProjectCell(x, y)) continue;
        person.AssignTask(CPersonData::eTASK_NONE, 0);
        if (IsNetworkHost()) SendPersonState(person, ePERSON_RECORD);
    }
    IFrameService& frame = Services::Frame();
    const bool shown = frame.GetShownArea() == area;
    for (const CCellPoint& cell : record->GetProjectCells()) {
        if (!record->IsInGrid(cell.x, cell.y) || record->GetCellOwner(cell.x, cell.y) != 0) continue;
        if (map.HasStructureAt(area, cell.x, cell.y)) {
            const CCellPoint anchor = map.GetAnchorOf(area, cell.x, cell.y);
            if (record->GetCellOwner(anchor.x, anchor.y) == 0) map.SetStructureAt(area, anchor.x, anchor.y, 0);
        }
        record->SetConstruction(cell.x, cell.y, CMapData::kConstructionNone, 0);
        if (shown) frame.DrawMapCell(cell.x, cell.y);
    }
    if (IsNetworkHost())
        for (int layer : {1, 3, 4, 5, 6}) record->SendLayer(-1, area, layer);
    record->SetProjectStart(-1);
    record->ClearProjectLists();
    if (IsNetworkHost()) record->SendProjectLists(-1, area);
    frame.RefreshAreaButton(area);
}
