// The map document's operations on the cells of an area: structures and
// their footprints, lot prices, the tests for buying and building, the
// effects of a finished construction, a director's lot search, stadium
// sites and the release of a company's lots.

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "model/CellPoint.h"
#include "model/Enterprise.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"

namespace {

CEnterprise* CompanyOfOwner(int owner) {
    if (owner <= 0 || !Services::HasDoc()) return nullptr;
    return Services::Companies().GetCompany(owner - 1);
}
}  // namespace

// ---- Helpers ----

const CBD* CMapDoc::LandTypeAt(const CMapData& a, int x, int y) const {
    return GetLandTypeEntry(a.GetLandType(x, y));
}

const CBD* CMapDoc::StructureTypeAt(const CMapData& a, int x, int y) const {
    int number = a.GetStructureAt(x, y, 1);
    return number > 0 ? GetStructureType(number - 1) : nullptr;
}

int CMapDoc::StructureCodeAt(const CMapData& a, int x, int y) const {
    const CBD* type = StructureTypeAt(a, x, y);
    return type ? type->GetTypeCode() : 0;
}

// ---- Queries ----

bool CMapDoc::HasStructureAt(int area, int x, int y) const {
    int number = GetArea(area).GetLayer(CMapData::layerStructure, x, y);
    return number > 0 || number == -1;
}

bool CMapDoc::IsAnchorCell(int area, int x, int y) const {
    return GetArea(area).IsAnchorOrFree(x, y);
}

bool CMapDoc::GetStructureExtent(int area, int x, int y, CCellPoint& anchor,
                                 CCellPoint& first) const {
    const CMapData& a = GetArea(area);
    const CBD* type = StructureTypeAt(a, x, y);
    if (!type) return false;
    int w = 1, h = 1;
    type->GetSize(w, h);
    anchor = a.GetAnchorCell(x, y);
    first = {anchor.x - w + 1, anchor.y - h + 1};
    return true;
}

const CBD* CMapDoc::GetCellStructureType(int area, int x, int y, int land) const {
    const CMapData& a = GetArea(area);
    return land ? LandTypeAt(a, x, y) : StructureTypeAt(a, x, y);
}

int CMapDoc::GetCellStructureNo(int area, int x, int y, int land) const {
    const CMapData& a = GetArea(area);
    return land ? a.GetLandType(x, y) : a.GetStructureAt(x, y, 1);
}

int CMapDoc::GetCellTypeCode(int area, int x, int y, int land) const {
    const CBD* type = GetCellStructureType(area, x, y, land);
    return type ? type->GetTypeCode() : 0;
}

bool CMapDoc::IsPlainLand(int area, int x, int y) const {
    const CBD* land = GetCellStructureType(area, x, y, 1);
    return land && land->GetTypeCode() == StructureCode::kPlain;
}

bool CMapDoc::IsLandCode31(int area, int x, int y) const {
    const CBD* land = GetCellStructureType(area, x, y, 1);
    return land && land->GetTypeCode() == StructureCode::kJunction;
}

bool CMapDoc::IsCellKind30(int area, int x, int y) const {
    return GetCellTypeCode(area, x, y, 0) == StructureCode::kKiosk;
}

bool CMapDoc::IsCellKind35(int area, int x, int y) const {
    return GetCellTypeCode(area, x, y, 0) == StructureCode::kRubble;
}

bool CMapDoc::IsCellKind45(int area, int x, int y) const {
    return GetCellTypeCode(area, x, y, 0) == StructureCode::kMast;
}

bool CMapDoc::IsCode55At(int area, int x, int y) const {
    return GetCellTypeCode(area, x, y, 0) == StructureCode::kHouse;
}

bool CMapDoc::IsSpecialCell(int area, int x, int y) const {
    const CMapData& a = GetArea(area);
    return IsSpecialKind(a.GetConstructionState(x, y), GetCellTypeCode(area, x, y, 1),
                         StructureCodeAt(a, x, y));
}

int CMapDoc::GetGroundHeight(int area, int x, int y) const {
    return GetArea(area).GetGroundHeight(x, y);
}

int CMapDoc::GetStructureLayer7(int area, int x, int y) const {
    const CMapData& a = GetArea(area);
    if (!HasStructureAt(area, x, y)) return 0;
    CCellPoint anchor = a.GetAnchorCell(x, y);
    return a.GetCellLayer7(anchor.x, anchor.y);
}

bool CMapDoc::SetStructureLayer7(int area, int x, int y, int value) {
    CMapData& a = GetArea(area);
    CCellPoint anchor = a.GetAnchorCell(x, y);
    return a.SetCellLayer7(anchor.x, anchor.y, value) != 0;
}

void CMapDoc::SetStructureOwner(int area, int x, int y, int value) {
    CMapData& a = GetArea(area);
    CCellPoint anchor, first;
    if (!GetStructureExtent(area, x, y, anchor, first)) {
        a.SetCellOwner(x, y, value);
        return;
    }
    for (int cy = std::max(first.y, 0); cy <= anchor.y; ++cy)
        for (int cx = std::max(first.x, 0); cx <= anchor.x; ++cx) a.SetCellOwner(cx, cy, value);
}

bool CMapDoc::IsCellUsable(int area, int x, int y) const {
    const CMapData& a = GetArea(area);
    return AreTypesUsable(LandTypeAt(a, x, y), StructureTypeAt(a, x, y));
}

bool CMapDoc::IsCellFreeForSale(int area, int x, int y) const {
    const CMapData& a = GetArea(area);
    return a.GetCellOwner(x, y) == 0 && !HasStructureAt(area, x, y) && IsCellUsable(area, x, y) &&
           !a.IsProjectCell(x, y);
}

bool CMapDoc::IsRectFree(int area, int x0, int y0, int x1, int y1) const {
    const CMapData& a = GetArea(area);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (!a.IsInGrid(x, y) || a.GetCellOwner(x, y) != 0 || !IsPlainLand(area, x, y) ||
                HasStructureAt(area, x, y) || a.IsProjectCell(x, y))
                return false;
        }
    return true;
}

bool CMapDoc::IsRectBuildable(int area, int x0, int y0, int x1, int y1, int company,
                              int mode) const {
    const CMapData& a = GetArea(area);
    if (!a.IsInGrid(x0, y0)) return false;
    int height = a.GetGroundHeight(x0, y0);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (!a.IsInGrid(x, y) || a.GetCellOwner(x, y) != company + 1 ||
                !IsPlainLand(area, x, y) || a.GetGroundHeight(x, y) != height)
                return false;
            const CBD* structure = StructureTypeAt(a, x, y);
            if (mode == 1 ? !(structure && structure->CanBeBuiltOver())
                          : HasStructureAt(area, x, y))
                return false;
        }
    return true;
}

int CMapDoc::CountFreePlainCells(int area) const {
    const CMapData& a = GetArea(area);
    int count = 0;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x)
            if (a.GetCellOwner(x, y) == 0 && IsPlainLand(area, x, y)) ++count;
    return count;
}

// ---- Structures ----

void CMapDoc::SetStructureAt(int area, int x, int y, int number) {
    CMapData& a = GetArea(area);
    const CBD* type = number > 0 ? GetStructureType(number - 1) : nullptr;
    const int newCode = type ? type->GetTypeCode() : 0;
    CCellPoint anchor, first;
    if (GetStructureExtent(area, x, y, anchor, first)) {
        int list = StructureCode::StadiumKindOfCode(StructureCodeAt(a, anchor.x, anchor.y));
        if (list >= 0) a.RemoveStadiumCell(list, anchor);
        int fill = newCode == StructureCode::kRubble ? number : 0;
        for (int cy = std::max(first.y, 0); cy <= anchor.y; ++cy)
            for (int cx = std::max(first.x, 0); cx <= anchor.x; ++cx)
                a.SetStructureNo(cx, cy, fill);
    }
    if (!type) {
        a.SetStructureNo(x, y, 0);
        return;
    }
    if (newCode == StructureCode::kCrossingRail || newCode == StructureCode::kCrossingRoad) {
        // A crossing is built as a site, not placed.
        a.SetStructureNo(x, y, 0);
        a.SetConstruction(x, y, CMapData::kConstructionUnderWay, number - 1);
        return;
    }
    int w = 1, h = 1;
    type->GetSize(w, h);
    for (int cy = y - h + 1; cy <= y; ++cy)
        for (int cx = x - w + 1; cx <= x; ++cx) {
            if (cx == x && cy == y)
                a.SetStructureNo(cx, cy, number);
            else
                a.SetCovered(cx, cy, x, y);
        }
    int list = StructureCode::StadiumKindOfCode(newCode);
    if (list >= 0) a.AddStadiumCell(list, {x, y});
}

void CMapDoc::DemolishAt(int area, int x, int y) {
    CMapData& a = GetArea(area);
    int owner = a.GetCellOwner(x, y);
    if (owner > 0) {
        const CBD* type = StructureTypeAt(a, x, y);
        int w = 1, h = 1;
        if (type) type->GetSize(w, h);
        CEnterprise* company = CompanyOfOwner(owner);
        if (w * h > 1 && company) company->AddAreaBuildings(area, w * h - 1);
        if (GetCode35TypeCount() > 0)
            SetStructureAt(area, x, y, GetCode35Type(Random(GetCode35TypeCount())) + 1);
    } else if (IsSpecialCell(area, x, y) && !HasStructureAt(area, x, y)) {
        a.SetConstruction(x, y, CMapData::kConstructionNone, 0);
    } else {
        SetStructureAt(area, x, y, 0);
    }
    SetStructureLayer7(area, x, y, 0);
}

void CMapDoc::MarkSiteRect(int area, int x0, int y0, int x1, int y1) {
    if (m_code45Type < 0) return;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) SetStructureAt(area, x, y, m_code45Type + 1);
}

void CMapDoc::RemoveHousePopulation(int area, int structureType) {
    const CBD* type = GetStructureType(structureType);
    if (!type || type->GetTypeCode() != StructureCode::kHouse) return;
    CMapData& a = GetArea(area);
    a.SetPopulation(ClampToInt(int64_t{a.GetPopulation()} - type->GetLandValue() / 10));
    Services::Frame().RefreshAreaButton(area);
}

int CMapDoc::RollCellLayer7(int area, int x, int y, const CPersonData* director) {
    const CMapData& a = GetArea(area);
    const CBD* type = IsSpecialCell(area, x, y) && !HasStructureAt(area, x, y)
                          ? GetStructureType(a.GetConstructionType(x, y))
                          : StructureTypeAt(a, x, y);
    int64_t d = 10 * int64_t{type ? type->GetDurability() : 0};
    int ability = director ? director->GetAbility(4, true) : 0;
    int v = ClampToInt(d / 2 + d * ability / 60);
    int value = std::max(ClampToInt(int64_t{v} * 3 / 4 + Random(v) / 2), 1);
    return SetStructureLayer7(area, x, y, value) ? 1 : 0;
}

void CMapDoc::ApplyStructureInfluence(int area, int x, int y, int structureType) {
    const CBD* type = GetStructureType(structureType);
    if (!type) return;
    CMapData& a = GetArea(area);
    int w = 1, h = 1;
    type->GetSize(w, h);
    int64_t total = (int64_t{type->GetExtraFigure4()} + type->GetInfluenceRange()) * 3;
    int x0 = std::max(x - w, 0), y0 = std::max(y - h, 0);
    int x1 = std::min(x + 1, a.GetWidth() - 1), y1 = std::min(y + 1, a.GetHeight() - 1);
    const int inner = w * h;
    const int ring = (x1 - x0 + 1) * (y1 - y0 + 1) - inner;
    const int innerShare = ClampToInt(std::max<int64_t>(2 * total / inner, 1));
    // A rectangle cut down to the footprint by the grid has no ring to share.
    const int ringShare = ring > 0 ? ClampToInt(std::max<int64_t>(total / ring, 1)) : 0;
    for (int cy = y0; cy <= y1; ++cy)
        for (int cx = x0; cx <= x1; ++cx) {
            bool inside = cx > x - w && cx <= x && cy > y - h && cy <= y;
            int share = inside ? innerShare : ringShare;
            if (share != 0)
                a.SetLandValue(cx, cy, ClampToInt(int64_t{a.GetLandValue(cx, cy)} + share));
        }
    int bonus = type->GetAreaBonus();
    a.AddPotential(ClampToInt(int64_t{bonus} + Random(bonus / 2)));
    a.SetTrend(ClampToInt(int64_t{a.GetTrend()} + type->GetInfluenceRange()));
    if (type->GetTypeCode() == StructureCode::kHouse)
        a.SetPopulation(ClampToInt(int64_t{a.GetPopulation()} + type->GetLandValue() / 10));
    const int effects[CMapData::kEffectCount] = {type->GetEffectValue1(), type->GetEffectValue2(),
                                                 type->GetEffectValue3(), type->GetEffectValue4(),
                                                 type->GetEffectValue5(), type->GetEffectValue6()};
    for (int i = 0; i < CMapData::kEffectCount; ++i) a.AddEffect(i + 1, effects[i]);
}

bool CMapDoc::WearByDisaster(int area, int strength, std::map<int, CCellPoint>& lostAnchors,
                             std::map<int, CCellPoint>& lostCells) {
    CMapData& a = GetArea(area);
    bool lost = false;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            if (Random(ClampToInt(int64_t{strength} + 4)) < 4) continue;
            int amount = Random(ClampToInt(2 * int64_t{strength} + 5));
            if (CollapseStructure(area, x, y, amount, lostAnchors, lostCells)) lost = true;
        }
    if (lost && Services::HasDoc() && Services::NetPlay().IsNetworkHost()) {
        std::vector<CCellPoint> cells;
        for (const auto& entry : lostCells) cells.push_back(entry.second);
        a.SendCellValues(-1, area, "0101111100", cells);
        Services::Frame().SendAllCompanyFigures();
    }
    return lost;
}

// ---- Prices and environment ----

int CMapDoc::GetLotPrice(int area, int x, int y, int landOnly) const {
    if (!IsCellUsable(area, x, y)) return -1;
    const CMapData& a = GetArea(area);
    int64_t price = 0;
    CCellPoint anchor{x, y}, first{x, y};
    if (!landOnly) {
        if (const CBD* type = StructureTypeAt(a, x, y)) {
            price = int64_t{type->GetBasePrice()} + 20 * int64_t{type->GetPriceStep()};
            GetStructureExtent(area, x, y, anchor, first);
        }
    }
    for (int cy = std::max(first.y, 0); cy <= anchor.y; ++cy)
        for (int cx = std::max(first.x, 0); cx <= anchor.x; ++cx) {
            if (const CBD* land = LandTypeAt(a, cx, cy))
                price += LandCellPrice(*land, a.GetLevel(), a.GetLandValue(cx, cy));
        }
    return std::max(ClampToInt(price), 1);
}

int CMapDoc::GetLotPriceForDirector(int area, int x, int y, const CPersonData* director) const {
    int64_t divisor = 650;
    if (director)
        divisor = int64_t{director->GetAbility(0, true)} +
                  4 * int64_t{director->GetAbility(2, true)} + 500;
    // Abilities are never negative in sane data; keep the divisor positive.
    return ClampToInt(int64_t{GetLotPrice(area, x, y, 0)} * 650 / std::max<int64_t>(divisor, 1));
}

int CMapDoc::GetPurchaseWork(int area, int x, int y) const {
    int price = std::max(GetLotPrice(area, x, y, 0), 0);
    return ClampToInt(int64_t{TruncToInt(std::pow(static_cast<double>(price), 0.4))} * 100 + 900);
}

int CMapDoc::GetLotValueForOwner(int area, int x, int y) const {
    double factor = GetArea(area).GetCellOwner(x, y) > 0 ? 3.0 : 1.5;
    return TruncToInt(GetLotPrice(area, x, y, 0) * factor);
}

bool CMapDoc::CanPlaceCrossing(int area, int x, int y, int structureType) const {
    const CMapData& a = GetArea(area);
    const CBD* type = GetStructureType(structureType);
    int code = type ? type->GetTypeCode() : 0;
    auto landCode = [&](int cx, int cy) { return GetCellTypeCode(area, cx, cy, 1); };
    auto sideOk = [&](int cx, int cy, int road) {
        if (!a.IsInGrid(cx, cy)) return true;
        int c = landCode(cx, cy);
        return c == road || c == StructureCode::kJunction;
    };
    if (code == StructureCode::kCrossingRail && (landCode(x, y) != StructureCode::kRailLand ||
                                                 !sideOk(x - 1, y, StructureCode::kRailLand) ||
                                                 !sideOk(x + 1, y, StructureCode::kRailLand)))
        return false;
    if (code == StructureCode::kCrossingRoad && (landCode(x, y) != StructureCode::kRoadLand ||
                                                 !sideOk(x, y - 1, StructureCode::kRoadLand) ||
                                                 !sideOk(x, y + 1, StructureCode::kRoadLand)))
        return false;
    const int dx[] = {0, -1, 1, 0, 0};
    const int dy[] = {0, 0, 0, -1, 1};
    for (int i = 0; i < 5; ++i) {
        int cx = x + dx[i], cy = y + dy[i];
        if (a.IsInGrid(cx, cy) && IsSpecialCell(area, cx, cy)) return false;
    }
    return !HasStructureAt(area, x, y);
}

namespace {

// A neighbour's weight in a structure's environment: 6 sqrt(2) less its
// distance, so that no cell 9 or more columns or rows away counts. The
// revenue and the site ratings ask for every owned cell each month, so the
// weights are worked out once: per radius, the neighbours that count, row
// by row, and the sum of their weights when none lies off the grid.
class CEnvironmentWeights {
public:
    static constexpr int kReach = 8;
    struct SNeighbour {
        int dx, dy;
        double weight;
    };

    CEnvironmentWeights() {
        const double reach = 6.0 * std::sqrt(2.0);
        for (int r = 1; r <= kReach; ++r) {
            double total = 0.0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    const double weight = reach - std::hypot(double(dx), double(dy));
                    if ((dx == 0 && dy == 0) || weight <= 0.0) continue;
                    m_neighbours[r].push_back({dx, dy, weight});
                    total += weight;
                }
            m_totals[r] = total;
        }
    }
    // 1 <= r <= kReach.
    const std::vector<SNeighbour>& Neighbours(int r) const { return m_neighbours[r]; }
    double Total(int r) const { return m_totals[r]; }

private:
    std::array<std::vector<SNeighbour>, kReach + 1> m_neighbours;
    std::array<double, kReach + 1> m_totals{};
};

const CEnvironmentWeights& EnvironmentWeights() {
    static const CEnvironmentWeights weights;
    return weights;
}

}  // namespace

double CMapDoc::RateStructureEnvironment(int area, int x, int y) const {
    const CMapData& a = GetArea(area);
    const CBD* type = StructureTypeAt(a, x, y);
    if (!type || type->GetEffectRadius() <= 0) return 0.0;
    // The radius comes from the map file; beyond the weights' reach no cell
    // counts.
    const int r = std::min(type->GetEffectRadius(), int{CEnvironmentWeights::kReach});
    const CEnvironmentWeights& table = EnvironmentWeights();
    // A neighbourhood holds few kinds of structure, and a structure covers
    // several cells: each number's effect is looked up once.
    struct SSeenEffect {
        int number;
        double effect;
    };
    std::array<SSeenEffect, 16> seen{};
    size_t seenCount = 0;
    auto effectOf = [&](int number) {
        for (size_t i = 0; i < seenCount; ++i)
            if (seen[i].number == number) return seen[i].effect;
        const double effect = type->GetEffect(number);
        if (seenCount < seen.size()) seen[seenCount++] = {number, effect};
        return effect;
    };
    // The neighbours are summed row by row. An empty cell adds nothing (its
    // effect is 0), so it is passed over; the weights add up whatever
    // stands there, so away from the grid's edges their sum is the table's.
    const bool inside =
        x - r >= 0 && y - r >= 0 && x + r < a.GetWidth() && y + r < a.GetHeight();
    double sum = 0.0, weights = inside ? table.Total(r) : 0.0;
    for (const CEnvironmentWeights::SNeighbour& n : table.Neighbours(r)) {
        const int cx = x + n.dx, cy = y + n.dy;
        if (!inside) {
            if (!a.IsInGrid(cx, cy)) continue;
            weights += n.weight;
        }
        const int number = a.StructureNoAt(a.CellIndex(cx, cy));
        if (number != 0) sum += effectOf(number) * n.weight;
    }
    if (weights <= 0.0) return 0.0;
    return std::clamp(sum / weights, -100.0, 500.0);
}

int CMapDoc::CountCompanyCells(int area, int company, int mode) const {
    const CMapData& a = GetArea(area);
    int count = 0;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            if (a.GetCellOwner(x, y) != company + 1) continue;
            bool built = HasStructureAt(area, x, y);
            if ((built && (mode & 2)) || (!built && (mode & 1))) ++count;
        }
    return count;
}

// ---- A director's lot search ----

int CMapDoc::ScoreLot(int area, int x, int y, const CPersonData& director, int priceLimit,
                      int& price) const {
    int ability = director.GetAbility(1, true);
    int spread = TruncToInt(std::pow(std::max(150 - ability, 0), 1.4) / 15);
    int radius = std::clamp(3 * ability / 80, 1, 3);
    int directorPrice = GetLotPriceForDirector(area, x, y, &director);
    price = RandomVary(directorPrice, directorPrice / 10);
    if (priceLimit > 0 && price > priceLimit) return 0;
    int c = RandomVary(ClampToInt(10 * int64_t{directorPrice}),
                       ClampToInt(3 * int64_t{directorPrice})) /
                10 +
            10;
    int denominator = std::max(TruncToInt(std::pow(10.0 * std::max(c, 0), 0.35) * 5), 1);
    int rating = RateSite(area, x, y, radius, director.GetEmployer(), 1);
    rating =
        RandomVary(ClampToInt(10 * int64_t{rating}), ClampToInt(int64_t{rating} * spread / 10)) /
        10;
    return ClampToInt(int64_t{rating} * 100 / denominator);
}

int CMapDoc::RateLotForDirector(int area, int x, int y, const CPersonData& director) const {
    int price = 0;
    return ScoreLot(area, x, y, director, 0, price);
}

int CMapDoc::FindLotForDirector(const CPersonData& director, int priceLimit,
                                SLotFound& found) const {
    found = SLotFound();
    const int area = director.GetTaskArea();
    if (area < 0 || area >= GetAreaCount()) return 0;
    const CMapData& a = GetArea(area);
    if (a.GetWidth() < 1 || a.GetHeight() < 1) return 0;
    if (priceLimit == 0) found.price = director.EstimateBudget(false);
    int best = 0;
    const int tries = director.CalcSearchPower();
    for (int i = 0; i < tries; ++i) {
        int x = Random(a.GetWidth()), y = Random(a.GetHeight());
        if (!IsCellFreeForSale(area, x, y)) continue;
        int price = 0;
        int score = ScoreLot(area, x, y, director, priceLimit, price);
        if (score <= best) continue;
        best = score;
        found.x = x;
        found.y = y;
        found.price = price;
    }
    if (best <= 0) return 0;
    int q = std::max(100 - director.GetAbility(1, false), 20);
    int income =
        Services::HasDoc() ? Services::Companies().GetAnnualIncome(director.GetEmployer()) : 0;
    if (Random(ClampToInt(int64_t{q} * q)) < 400 && Random(income) > 50) {
        const int dx[] = {0, 1, 0, -1};
        const int dy[] = {-1, 0, 1, 0};
        for (int i = 0; i < 5; ++i) {
            int d = Random(4);
            int x = found.x + dx[d], y = found.y + dy[d];
            if (!a.IsInGrid(x, y) || !IsCellFreeForSale(area, x, y)) continue;
            found.direction = d;
            found.secondPrice =
                RandomVary(GetLotPriceForDirector(area, x, y, &director), found.price / 10);
            break;
        }
    }
    return best;
}

// ---- Stadiums ----

int CMapDoc::FindTeamsWithHomeAt(int area, int x, int y, std::vector<int>& leagues,
                                 std::vector<int>& teams) const {
    int count = 0;
    for (int l = 0; l < kLeagueCount; ++l) {
        const CLeague& league = GetLeague(l);
        for (int t = 0; t < league.GetTeamCount(); ++t) {
            const CProTeam& team = league.GetTeam(t);
            if (team.GetOwnerIndex() < 0 || team.GetHomeArea() != area || team.GetHomeX() != x ||
                team.GetHomeY() != y)
                continue;
            leagues.push_back(l);
            teams.push_back(t);
            ++count;
        }
    }
    return StructureCode::StadiumKindOfCode(GetCellTypeCode(area, x, y, 0)) >= 0 ? count : -count;
}

int CMapDoc::StadiumUseCount(int kind, int area, int x, int y) const {
    int sign = GetCellTypeCode(area, x, y, 0) == StructureCode::StadiumTypeCode(kind) ? 1 : -1;
    int count = 0;
    for (const CLeague& league : m_leagues) {
        if (league.GetStadiumKind() != kind) continue;
        for (int t = 0; t < league.GetTeamCount(); ++t) {
            const CProTeam& team = league.GetTeam(t);
            if (team.GetOwnerIndex() >= 0 && team.GetHomeArea() == area && team.GetHomeX() == x &&
                team.GetHomeY() == y)
                ++count;
        }
    }
    return count * sign;
}

bool CMapDoc::IsCellAvailableTo(int company, int kind, int area, int x, int y) const {
    int count = StadiumUseCount(kind, area, x, y);
    int owner = GetArea(area).GetCellOwner(x, y);
    int limit = owner == 0 || owner == company + 1 ? 2 : 1;
    return count >= 0 && count < limit;
}

CCellPoint CMapDoc::GetAnchorOf(int area, int x, int y) const {
    return GetArea(area).GetAnchorCell(x, y);
}

bool CMapDoc::IsListCellAvailableTo(int company, int list, int area, int i) const {
    CCellPoint cell = GetArea(area).GetPairListCell(list, i);
    return IsCellAvailableTo(company, list, area, cell.x, cell.y);
}

int CMapDoc::StadiumUseCountAtListCell(int kind, int area, int i) const {
    CCellPoint cell = GetArea(area).GetPairListCell(kind, i);
    return StadiumUseCount(kind, area, cell.x, cell.y);
}

int CMapDoc::CountQualifyingListCells(int company, int kind, int area, int skipArea,
                                      CCellPoint skip) const {
    int count = 0;
    for (int a = 0; a < GetAreaCount(); ++a) {
        if (area != -1 && a != area) continue;
        const CMapData& data = GetArea(a);
        for (int i = 0; i < data.GetStadiumCount(kind); ++i) {
            CCellPoint cell = data.GetPairListCell(kind, i);
            if (a == skipArea && cell == skip) continue;
            if (data.IsInGrid(cell.x, cell.y) &&
                IsCellAvailableTo(company, kind, a, cell.x, cell.y))
                ++count;
        }
    }
    return count;
}

int CMapDoc::CountListCellsAll(int list, int company) const {
    int count = 0;
    for (const auto& area : m_areas) count += area->CountListCellsOwnedBy(list, company);
    return count;
}

int CMapDoc::RateHomeFieldSite(int area, int x, int y, int league, int team, int useCount) const {
    const CLeague& l = GetLeague(league);
    const CBD* stadium = GetCellStructureType(area, x, y, 0);
    if (!stadium || stadium->GetTypeCode() != StructureCode::StadiumTypeCode(l.GetStadiumKind()))
        return 0;
    if (useCount == -1) useCount = StadiumUseCount(l.GetStadiumKind(), area, x, y);
    int64_t base = int64_t{l.GetTeamCount()} * l.GetTeam(team).GetPopularity() *
                   (int64_t{stadium->GetLandValue()} + 70) / 100;
    const CMapData& a = GetArea(area);
    double f = (200.0 + GetLotPrice(area, x, y, 1) +
                std::pow(10.0 * std::max(a.GetPopulation(), 0), 0.7)) /
               300.0;
    f = f * (100.0 + RateStructureEnvironment(area, x, y)) / 100.0;
    // A count of another kind's stadium comes in negative.
    return TruncToInt(static_cast<double>(base) * (f + 10.0) / (std::max(useCount, 0) + 1) / 5.0);
}

// ---- Companies leaving ----

void CMapDoc::RemoveCompanyFromMap(int company) {
    for (auto& area : m_areas)
        for (int y = 0; y < area->GetHeight(); ++y)
            for (int x = 0; x < area->GetWidth(); ++x) {
                // The leaving company's cells were released or passed on by
                // the caller; one left over is nobody's rather than the
                // company's before it.
                int owner = area->GetCellOwner(x, y);
                if (owner == company + 1)
                    area->SetCellOwner(x, y, 0);
                else if (owner > company + 1)
                    area->SetCellOwner(x, y, owner - 1);
            }
}

void CMapDoc::ReleaseCompanyLots(int company, int area, int successor) {
    CMapData& a = GetArea(area);
    CEnterprise* leaving = CompanyOfOwner(company + 1);
    CEnterprise* heir = successor >= 0 ? CompanyOfOwner(successor + 1) : nullptr;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            if (a.GetCellOwner(x, y) != company + 1) continue;
            CCellPoint anchor{x, y}, first{x, y};
            const CBD* type = StructureTypeAt(a, x, y);
            if (type) GetStructureExtent(area, x, y, anchor, first);
            const int code = type ? type->GetTypeCode() : 0;
            if (successor < 0) {
                if (code == StructureCode::kMast || code == StructureCode::kRubble ||
                    StructureCode::IsOfficeCode(code))
                    SetStructureAt(area, anchor.x, anchor.y, 0);
            } else if (StructureCode::IsOfficeCode(code)) {
                int staff = type->GetValueFigure();
                std::vector<int> branches = [&] {
                    std::vector<int> list;
                    for (int i = 0; i < GetStructureTypeCount(); ++i)
                        if (GetStructureType(i)->GetTypeCode() == StructureCode::kBranchOffice)
                            list.push_back(i);
                    return list;
                }();
                if (heir && heir->GetAreaLevel(area) < 3 && !branches.empty()) {
                    if (leaving) leaving->AddBusyEmployees(staff);
                    SetStructureAt(area, anchor.x, anchor.y, branches.front() + 1);
                    heir->SetAreaLevel(area, 3);
                    CHistory entry;
                    entry.SetEnteredMarket(area);
                    heir->GetHistory().push_back(entry);
                    if (leaving)
                        leaving->AddBusyEmployees(
                            -GetStructureType(branches.front())->GetValueFigure());
                } else {
                    SetStructureAt(area, anchor.x, anchor.y, 0);
                    if (leaving) {
                        leaving->ConvertLandToBuilding(area, -1);
                        leaving->AddBusyEmployees(staff);
                    }
                }
            }
            for (int cy = std::max(first.y, 0); cy <= anchor.y; ++cy)
                for (int cx = std::max(first.x, 0); cx <= anchor.x; ++cx)
                    a.SetCellOwner(cx, cy, successor + 1);
        }
}
