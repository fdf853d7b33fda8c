// The monthly life of an area: land values seep between cells, plain land
// climbs or falls to the next land type, the development trend turns into
// new or lost housing, small shops come up by themselves, company
// structures wear down, and the potential, fire danger and project fund
// move. Also the new-game set-up of land values and durabilities, and the
// site rating that the lot search and the computer player share.
//
// Every pass samples a bounded number of cells or walks the grid once: a
// month of an area is linear in its cell count. The passes read the cells
// through a view over the layers and a table of the types built when the
// pass starts (CAreaCellView, CCellTypeTable): the bounds of a loop are
// checked once, not at every cell and neighbour.

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <vector>

#include "model/AreaCellView.h"
#include "model/CellTypeTable.h"
#include "model/Enterprise.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"

namespace {
constexpr int kMinDurability = 10;
constexpr int kMinLandValue = 1;
constexpr int kMaxLandValue = 300;
constexpr char kMaskDurability[] = "0000000100";
constexpr char kMaskStructures[] = "1101111000";
constexpr char kMaskLandType[] = "1000000000";

int Key(const CMapData& a, int x, int y) {
    return y * a.GetWidth() + x;
}

void Add(CMapDoc::CCellSet& set, const CMapData& a, int x, int y) {
    set[Key(a, x, y)] = CCellPoint(x, y);
}

std::vector<CCellPoint> CellsOf(const CMapDoc::CCellSet& set) {
    std::vector<CCellPoint> cells;
    cells.reserve(set.size());
    for (const auto& entry : set) cells.push_back(entry.second);
    return cells;
}

// One project flag per cell, so that candidate scans need not search the
// project list for every cell.
std::vector<uint8_t> ProjectMask(const CMapData& a) {
    std::vector<uint8_t> mask(static_cast<size_t>(a.GetWidth()) * a.GetHeight(), 0);
    for (const CCellPoint& c : a.GetProjectCells())
        if (a.IsInGrid(c.x, c.y)) mask[static_cast<size_t>(Key(a, c.x, c.y))] = 1;
    return mask;
}

// The weights of RateSite by the distance along each axis (0..6): the same
// 49 figures for every cell rated, so they are worked out once.
using CSiteWeights = std::array<std::array<double, 7>, 7>;
const CSiteWeights& SiteWeights() {
    static const CSiteWeights table = [] {
        CSiteWeights t{};
        const double reach = 6.0 * std::sqrt(2.0);
        for (int dy = 0; dy <= 6; ++dy)
            for (int dx = 0; dx <= 6; ++dx)
                t[static_cast<size_t>(dy)][static_cast<size_t>(dx)] =
                    reach - std::hypot(dx + 1.0, dy + 1.0);
        return t;
    }();
    return table;
}

// The rating from the weighted sums of RateSite.
int SiteRatingOf(double sum, double weights) {
    if (weights <= 0.0) return 0;
    double mean = sum * 100.0 / weights;
    return mean > 0.0 ? static_cast<int>(std::min(std::sqrt(mean), 2.0e9)) : 0;
}

// sums[x] += values[x] x weight along a row: one sum per cell, so each keeps
// its own order of additions however the loop is compiled.
void AddWeighted(std::span<double> sums, const double* values, double weight) {
    for (size_t x = 0; x < sums.size(); ++x) sums[x] += values[x] * weight;
}

// The cells that plain land at (x, y) may give value to or take it from:
// its plain neighbours in the grid, or, past a special cell, the cell two
// steps away in that direction. Land of code 31 would stop the flow, but it
// is never plain.
void FindDiffusionCandidates(const CAreaCellView& cells, int x, int y,
                             std::vector<CCellPoint>& candidates) {
    candidates.clear();
    const int w = cells.Width(), h = cells.Height();
    auto inGrid = [&](int cx, int cy) { return cx >= 0 && cy >= 0 && cx < w && cy < h; };
    for (int ny = y - 1; ny <= y + 1; ++ny)
        for (int nx = x - 1; nx <= x + 1; ++nx) {
            if ((nx == x && ny == y) || !inGrid(nx, ny)) continue;
            int cx = nx, cy = ny;
            if (cells.IsSpecial(cells.Index(nx, ny))) {
                cx = 2 * nx - x;
                cy = 2 * ny - y;
                if (!inGrid(cx, cy)) continue;
            }
            if (cells.Land(cells.Index(cx, cy)).IsPlain()) candidates.push_back({cx, cy});
        }
}

// Takes entry i out of the list in constant time.
CCellPoint TakeAt(std::vector<CCellPoint>& list, int i) {
    CCellPoint cell = list[static_cast<size_t>(i)];
    list[static_cast<size_t>(i)] = list.back();
    list.pop_back();
    return cell;
}
}  // namespace

// ---- The month of one area ----

void CMapDoc::RunAreaMonth(int area) {
    CMapData& a = GetArea(area);
    Services::Frame().AnnounceAreaStep(area);
    // A grid without cells has nothing to simulate (and nothing to draw from).
    if (a.GetWidth() < 1 || a.GetHeight() < 1) return;
    CCellSet changed, lostAnchors, lostCells, worn;
    bool figuresChanged = false, structuresChanged = false;

    DiffuseLandValue(area);
    StepLandTypes(area, changed);
    if (DriftTrend(area)) figuresChanged = true;
    if (ApplyTrend(area, changed)) figuresChanged = structuresChanged = true;
    if (GrowCode30Structures(area, changed)) figuresChanged = structuresChanged = true;
    WearStructures(area, lostAnchors, lostCells, worn);
    const bool lost = !lostAnchors.empty();
    if (lost) figuresChanged = true;
    DecayPotential(area);
    a.GrowFire();
    const bool fundGrew = a.GrowProjectFund();

    const bool host = Services::NetPlay().IsNetworkHost();
    if (host) {
        a.SendAreaState(-1, area);
        worn.insert(lostCells.begin(), lostCells.end());
        if (!worn.empty()) a.SendCellValues(-1, area, kMaskDurability, CellsOf(worn));
        if (!changed.empty())
            a.SendCellValues(-1, area, structuresChanged ? kMaskStructures : kMaskLandType,
                             CellsOf(changed));
        if (fundGrew) a.SendProjectLists(-1, area);
        Services::NetPlay().SendRefreshInfo();
    }
    IFrameService& frame = Services::Frame();
    if (frame.GetShownArea() == area && !changed.empty()) {
        frame.RebuildMap();
        for (const auto& entry : changed) frame.DrawMapCell(entry.second.x, entry.second.y);
    }
    if (lost) frame.HandleLostStructures(*this, area, CellsOf(lostAnchors));
    if (figuresChanged) {
        frame.RefreshAreaButton(area);
        if (host) frame.SendRedrawListItem(area);
    }
}

// ---- Land values ----

int CMapDoc::BaseValueAt(const CMapData& a, size_t i, int current) const {
    const int number = a.StructureNoAt(i);
    return CellBaseValueOf(GetLandTypeEntry(a.Cells(CMapData::layerLandType)[i]),
                           number > 0 ? GetStructureType(number - 1) : nullptr,
                           a.Cells(CMapData::layerLandValue)[i], current);
}

int CMapDoc::RateSite(int area, int x, int y, int radius, int company, int current) const {
    const CMapData& a = GetArea(area);
    const int r = std::clamp(radius, 1, 6);
    // The square of cells within r, cut to the grid; the bounds are worked
    // out once (in 64 bits, for a cell far outside) and every cell inside
    // them is read without a check.
    const int y0 = ClampToInt(std::max<int64_t>(int64_t{y} - r, 0));
    const int y1 = ClampToInt(std::min<int64_t>(int64_t{y} + r, a.GetHeight() - 1));
    const int x0 = ClampToInt(std::max<int64_t>(int64_t{x} - r, 0));
    const int x1 = ClampToInt(std::min<int64_t>(int64_t{x} + r, a.GetWidth() - 1));
    const bool human = company >= 0 && Services::Companies().IsHumanPlayed(company);
    const double ownFactor = human ? 1.5 : 3.0;
    const std::span<const int32_t> owners = a.Cells(CMapData::layerOwner);
    const CSiteWeights& table = SiteWeights();
    // Summed in rows and columns as ever: a double sum in another order
    // could round differently and move a rating across a whole number.
    double sum = 0.0, weights = 0.0;
    for (int cy = y0; cy <= y1; ++cy) {
        // The corners of the widest square lie beyond the reach of the
        // weights: their weight is below 0 and they count against the sum.
        const auto& row = table[static_cast<size_t>(std::abs(cy - y))];
        for (int cx = x0; cx <= x1; ++cx) {
            const size_t i = a.CellIndex(cx, cy);
            const double weight = row[static_cast<size_t>(std::abs(cx - x))];
            double value = BaseValueAt(a, i, current);
            if (company >= 0) {
                const int owner = owners[i];
                if (owner == company + 1)
                    value = value * ownFactor + 100.0;
                else if (owner > 0)
                    value = 0.0;
            }
            sum += value * weight;
            weights += weight;
        }
    }
    return SiteRatingOf(sum, weights);
}

std::vector<int> CMapDoc::RateAllSites(int area, int radius, int current) const {
    const CMapData& a = GetArea(area);
    const int r = std::clamp(radius, 1, 6);
    const int w = a.GetWidth(), h = a.GetHeight();
    // The cells' values on a grid widened by r on every side: a cell of the
    // margin is 0 in values and in the inside mask, so a square that reaches
    // past the grid adds exactly 0.0 to both sums where RateSite adds nothing
    // (x + 0.0 is x, and the sums start at +0.0).
    const size_t pw = static_cast<size_t>(w) + 2 * static_cast<size_t>(r);
    const size_t ph = static_cast<size_t>(h) + 2 * static_cast<size_t>(r);
    std::vector<double> values(pw * ph, 0.0), inside(pw * ph, 0.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t p = (static_cast<size_t>(y) + r) * pw + static_cast<size_t>(x) + r;
            values[p] = BaseValueAt(a, a.CellIndex(x, y), current);
            inside[p] = 1.0;
        }
    const CSiteWeights& table = SiteWeights();
    std::vector<int> ratings(static_cast<size_t>(w) * static_cast<size_t>(h));
    std::vector<double> sums(static_cast<size_t>(w)), weights(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        std::fill(sums.begin(), sums.end(), 0.0);
        std::fill(weights.begin(), weights.end(), 0.0);
        // The square's cells in RateSite's order, rows then columns, each
        // added to the sums of a whole row of cells at once.
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx) {
                const double weight =
                    table[static_cast<size_t>(std::abs(dy))][static_cast<size_t>(std::abs(dx))];
                const size_t from =
                    static_cast<size_t>(y + r + dy) * pw + static_cast<size_t>(r + dx);
                AddWeighted(sums, &values[from], weight);
                AddWeighted(weights, &inside[from], weight);
            }
        for (int x = 0; x < w; ++x)
            ratings[a.CellIndex(x, y)] =
                SiteRatingOf(sums[static_cast<size_t>(x)], weights[static_cast<size_t>(x)]);
    }
    return ratings;
}

void CMapDoc::DiffuseLandValue(int area) {
    CMapData& a = GetArea(area);
    const CCellTypeTable types(*this);
    const CAreaCellView cells(a, types);
    const int w = a.GetWidth(), h = a.GetHeight();
    const int samples = std::max(w * h / 3, 1);
    // The rating of a candidate reads the land and structure types around
    // it, which this pass leaves alone (it moves land values only): every
    // cell is rated once, before the first sample.
    const std::vector<int> ratings = RateAllSites(area, 2, 0);
    std::vector<CCellPoint> candidates;
    for (int i = 0; i < samples; ++i) {
        int x = Random(w), y = Random(h);
        const size_t cell = cells.Index(x, y);
        const CCellTypeTable::SLand& land = cells.Land(cell);
        if (!land.IsPlain()) continue;
        // Stored land values are not held to 1..300 until written again.
        int diff = ClampToInt(int64_t{cells.LandValue(cell)} - land.value);
        if (diff == 0) continue;
        FindDiffusionCandidates(cells, x, y, candidates);
        if (candidates.empty()) continue;
        const bool pull = diff < 1;
        int bestScore = pull ? 10000 : 0;
        const CCellPoint* best = nullptr;
        for (size_t k = 0; k < candidates.size(); ++k) {
            const CCellPoint& c =
                candidates[static_cast<size_t>(Random(static_cast<int>(candidates.size())))];
            const size_t at = cells.Index(c.x, c.y);
            int price = cells.LandLotPrice(at);
            int score = ClampToInt(int64_t{ratings[at]} * 100 / (price != 0 ? price : 1));
            score = ClampToInt(int64_t{Random(score / 2)} + int64_t{score} * 3 / 4);
            if (pull ? score < bestScore : score > bestScore) {
                bestScore = score;
                best = &c;
            }
        }
        if (!best) continue;
        int amount = Random(diff) / 2;
        if (amount == 0) amount = pull ? -1 : 1;
        int64_t target = a.GetLandValue(best->x, best->y);
        amount =
            ClampToInt(std::clamp<int64_t>(amount, kMinLandValue - target, kMaxLandValue - target));
        a.SetLandValue(x, y, ClampToInt(int64_t{a.GetLandValue(x, y)} - amount));
        a.SetLandValue(best->x, best->y, ClampToInt(target + amount));
    }
}

// The land value of the next distinct plain land value below (direction -1)
// or above (+1) that of a land type; -1 when there is none.
int CMapDoc::PlainNeighbourValue(int landType, int direction) const {
    const CBD* type = GetLandTypeEntry(landType);
    if (!type) return -1;
    const int base = type->GetLandValue();
    int found = -1;
    for (int i : m_plainLandTypes) {
        int v = m_landTypes[static_cast<size_t>(i)]->GetLandValue();
        if (direction < 0 && v < base) found = v;
        if (direction > 0 && v > base) return v;
    }
    return direction < 0 ? found : -1;
}

void CMapDoc::StepLandTypes(int area, CCellSet& changed) {
    CMapData& a = GetArea(area);
    const int w = a.GetWidth(), h = a.GetHeight();
    const int cells = w * h;
    // The draws below divide by the cell count.
    if (cells <= 0) return;
    const CCellTypeTable types(*this);
    const CAreaCellView view(a, types);
    for (int i = std::max(cells / 20, 1); i > 0; --i) {
        int x = Random(w), y = Random(h);
        const size_t cell = view.Index(x, y);
        if (!view.Land(cell).IsPlain()) continue;
        int landType = a.GetLandType(x, y);
        int base = view.Land(cell).value;
        int v = view.LandValue(cell);
        int lower = PlainNeighbourValue(landType, -1);
        int upper = PlainNeighbourValue(landType, 1);
        auto at = std::find(m_plainLandTypes.begin(), m_plainLandTypes.end(), landType);
        if (at == m_plainLandTypes.end()) continue;
        if (v < base) {
            if (lower == -1 || v > lower || at == m_plainLandTypes.begin()) continue;
            a.SetLandType(x, y, *(at - 1));
            a.SetLandValue(x, y, ClampToInt(int64_t{v} - (int64_t{lower} - base)));
        } else {
            if (upper == -1 || v < upper || at + 1 == m_plainLandTypes.end()) continue;
            a.SetLandType(x, y, *(at + 1));
            a.SetLandValue(x, y, ClampToInt(int64_t{v} - (int64_t{upper} - base)));
        }
        Add(changed, a, x, y);
    }
    int m = Random(cells / 100);
    if (m == 0) m = Random(1000 / cells) <= 10 ? 1 : 0;
    for (; m > 0; --m) {
        int x = Random(w), y = Random(h);
        if (!view.Land(view.Index(x, y)).IsPlain()) continue;
        int lower = PlainNeighbourValue(a.GetLandType(x, y), -1);
        if (lower != -1) a.SetLandValue(x, y, lower);
    }
}

// ---- Trend and housing ----

bool CMapDoc::DriftTrend(int area) {
    CMapData& a = GetArea(area);
    int trend = a.GetTrend();
    int d = 0;
    if (Random(10) >= 6) {
        if (Random(10) < 8) return false;
        d = Random(Random(ClampToInt(-int64_t{trend})));
    } else {
        d = Random(a.GetPotential());
    }
    if (Random(12) < 6) ++d;
    if (a.IsProjectOpen()) d += Random(5) + 3;
    return a.SetTrend(ClampToInt(int64_t{trend} + d)) != 0;
}

bool CMapDoc::ApplyTrend(int area, CCellSet& changed) {
    CMapData& a = GetArea(area);
    const size_t before = changed.size();
    RemoveHousesNearNuisance(area, changed);
    bool any = changed.size() != before;
    // A stored trend is taken as read: the figures below are kept in 64 bits.
    const int t = a.GetTrend();
    // The stop roll comes first, even at trend 0: later draws stay in step.
    if (Random(ClampToInt(int64_t{t} + 1)) == 0 || t == 0) return any;
    const int64_t q = 3 * (t > 0 ? 1 : -1) + int64_t{t};
    const int64_t first = Random(ClampToInt(q));
    const int64_t second = Random(ClampToInt(q));
    int64_t m = first * second / q;
    if (std::abs(m) > std::abs(int64_t{t})) m = t;
    if (m == 0) return any;
    int d = 0;
    if (m < 0) {
        int n = std::max(Random(ClampToInt(-m)), 1);
        ShrinkArea(area, n, changed);
        d = -n;
    } else {
        int n = std::max(Random(ClampToInt(m)), 1);
        GrowArea(area, n, changed);
        d = n;
    }
    a.SetTrend(ClampToInt(int64_t{t} - d));
    return true;
}

int CMapDoc::PickCode55Type(int target) const {
    if (m_code55Types.empty()) return -1;
    auto value = [&](int type) {
        return m_structureTypes[static_cast<size_t>(type)]->GetLandValue();
    };
    // The list is sorted by value: the types of the target's value, else
    // the first type above it alone, else the types of the largest value.
    int chosen = value(m_code55Types.back());
    bool above = false;
    for (int type : m_code55Types)
        if (value(type) >= target) {
            chosen = value(type);
            above = chosen > target;
            break;
        }
    std::vector<int> ties;
    for (int type : m_code55Types)
        if (value(type) == chosen) ties.push_back(type);
    if (above) ties.resize(1);
    return ties[static_cast<size_t>(Random(static_cast<int>(ties.size())))];
}

int CMapDoc::RollDurability(int figure) const {
    return std::max({figure, Random(ClampToInt(int64_t{figure} * 3 / 2)), kMinDurability});
}

// Whether a structure of the type can stand with its anchor at (x, y) in
// the housing steps: the footprint lies in the grid on plain, unowned land
// outside the project, covering nothing but what stands at (x, y) itself.
bool CMapDoc::FootprintFits(int area, int x, int y, int structureType) const {
    const CMapData& a = GetArea(area);
    const CBD* type = GetStructureType(structureType);
    if (!type) return false;
    int w = 1, h = 1;
    type->GetSize(w, h);
    CCellPoint own = a.GetAnchorCell(x, y);
    for (int cy = y - h + 1; cy <= y; ++cy)
        for (int cx = x - w + 1; cx <= x; ++cx) {
            if (!a.IsInGrid(cx, cy) || a.GetCellOwner(cx, cy) != 0 || !IsPlainLand(area, cx, cy) ||
                a.IsProjectCell(cx, cy))
                return false;
            if (HasStructureAt(area, cx, cy) && !(a.GetAnchorCell(cx, cy) == own)) return false;
        }
    // The old structure must vanish whole under the new one.
    CCellPoint anchor, first;
    if (GetStructureExtent(area, x, y, anchor, first))
        if (!(anchor.x == x && anchor.y == y) || first.x < x - w + 1 || first.y < y - h + 1)
            return false;
    return true;
}

void CMapDoc::GrowArea(int area, int amount, CCellSet& changed) {
    if (m_code55Types.empty()) return;
    CMapData& a = GetArea(area);
    const std::vector<uint8_t> project = ProjectMask(a);
    const CCellTypeTable types(*this);
    const CAreaCellView cells(a, types);
    std::vector<CCellPoint> candidates;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            const size_t i = cells.Index(x, y);
            if (project[i] || cells.Owner(i) != 0 || !cells.Land(i).IsPlain()) continue;
            if (!cells.HasStructure(i) || cells.Structure(i).code == StructureCode::kHouse)
                candidates.push_back({x, y});
        }
    int min55 = 0, max55 = 0;
    GetCode55ValueRange(min55, max55);
    // Type values are any int: a house can take away as much as it adds.
    int64_t n = amount;
    while (n >= 1 && !candidates.empty()) {
        CCellPoint c = TakeAt(candidates, Random(static_cast<int>(candidates.size())));
        const CBD* old = StructureTypeAt(a, c.x, c.y);
        const bool house = old && old->GetTypeCode() == StructureCode::kHouse;
        const int cur = house ? old->GetLandValue() : 0;
        const int tenN = ClampToInt(10 * int64_t{n});
        const int base = std::clamp(ClampToInt(int64_t{tenN} + cur), min55, max55);
        int target = ClampToInt(base + int64_t{Random(ClampToInt(std::max<int64_t>(
                                           int64_t{std::min(tenN, max55)} - base, 0)))});
        if (house) target = ClampToInt(int64_t{target} + cur);
        int type = PickCode55Type(target);
        const CBD* chosen = GetStructureType(type);
        if (!chosen || chosen->GetLandValue() == cur || !FootprintFits(area, c.x, c.y, type))
            continue;
        SetStructureAt(area, c.x, c.y, type + 1);
        SetStructureLayer7(area, c.x, c.y, RollDurability(chosen->GetDurability()));
        const int64_t grown = (int64_t{chosen->GetLandValue()} - cur) / 10;
        n -= grown;
        a.SetPopulation(ClampToInt(a.GetPopulation() + grown));
        Add(changed, a, c.x, c.y);
    }
}

void CMapDoc::ShrinkArea(int area, int amount, CCellSet& changed) {
    CMapData& a = GetArea(area);
    const CCellTypeTable types(*this);
    const CAreaCellView cells(a, types);
    std::vector<CCellPoint> candidates;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            const size_t i = cells.Index(x, y);
            if (cells.Owner(i) == 0 && cells.IsAnchorOrFree(i) &&
                cells.Structure(i).code == StructureCode::kHouse)
                candidates.push_back({x, y});
        }
    int n = amount;
    while (n >= 1 && !candidates.empty()) {
        CCellPoint c = TakeAt(candidates, Random(static_cast<int>(candidates.size())));
        const CBD* house = StructureTypeAt(a, c.x, c.y);
        if (!house || house->GetTypeCode() != StructureCode::kHouse) continue;
        SetStructureAt(area, c.x, c.y, 0);
        n -= std::max(house->GetLandValue() / 10, 1);
        a.SetPopulation(ClampToInt(int64_t{a.GetPopulation()} - house->GetLandValue() / 10));
        Add(changed, a, c.x, c.y);
    }
}

void CMapDoc::RemoveHousesNearNuisance(int area, CCellSet& changed) {
    CMapData& a = GetArea(area);
    const CCellTypeTable types(*this);
    const CAreaCellView cells(a, types);
    const int W = a.GetWidth(), H = a.GetHeight();
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const size_t i = cells.Index(x, y);
            if (!cells.IsAnchorOrFree(i) || cells.Structure(i).code != StructureCode::kNuisance)
                continue;
            const CBD* nuisance = cells.Structure(i).type;
            int w = 1, h = 1;
            nuisance->GetSize(w, h);
            const int odds = ClampToInt(1000 - 3 * int64_t{nuisance->GetInfluenceRange()});
            for (int cy = std::max(y - h, 0); cy <= std::min(y + 1, H - 1); ++cy)
                for (int cx = std::max(x - w, 0); cx <= std::min(x + 1, W - 1); ++cx) {
                    bool inside = cx > x - w && cx <= x && cy > y - h && cy <= y;
                    const size_t c = cells.Index(cx, cy);
                    if (inside || cells.Owner(c) != 0) continue;
                    const CCellTypeTable::SStructure& house = cells.Structure(c);
                    if (house.code != StructureCode::kHouse || Random(odds) >= 10) continue;
                    SetStructureAt(area, cx, cy, 0);
                    a.SetPopulation(ClampToInt(int64_t{a.GetPopulation()} - house.value / 10));
                    Add(changed, a, cx, cy);
                }
        }
}

bool CMapDoc::GrowCode30Structures(int area, CCellSet& changed) {
    CMapData& a = GetArea(area);
    if (Random(5) != 0 || Random(a.GetTrend()) >= 1 || m_code30Types.empty()) return false;
    const int w = a.GetWidth(), h = a.GetHeight();
    auto value = [&](int type) {
        return m_structureTypes[static_cast<size_t>(type)]->GetLandValue();
    };
    const CCellTypeTable types(*this);
    const CAreaCellView cells(a, types);
    for (int attempt = 0; attempt < 60; ++attempt) {
        bool found = false;
        int bx = 0, by = 0, bestRating = 0;
        for (int k = 0; k < 3; ++k) {
            int x = Random(w), y = Random(h);
            const size_t i = cells.Index(x, y);
            if (!cells.Land(i).IsPlain() ||
                (cells.HasStructure(i) && cells.Structure(i).code != StructureCode::kKiosk) ||
                cells.Owner(i) != 0 || a.IsProjectCell(x, y))
                continue;
            int rating = RateSite(area, x, y, 3, -1, 1);
            if (!found || rating < bestRating) {
                found = true;
                bx = x;
                by = y;
                bestRating = rating;
            }
        }
        if (!found) continue;
        const CBD* old = StructureTypeAt(a, bx, by);
        const int cur = old ? old->GetLandValue() : 0;
        int next = -1;
        for (int type : m_code30Types)
            if (value(type) > cur) {
                next = value(type);
                break;
            }
        if (next == -1) continue;
        std::vector<int> ties;
        for (int type : m_code30Types)
            if (value(type) == next) ties.push_back(type);
        int type = ties[static_cast<size_t>(Random(static_cast<int>(ties.size())))];
        const int step = ClampToInt(int64_t{next} - cur);
        if (Random(step) >= 1 || !FootprintFits(area, bx, by, type)) continue;
        SetStructureAt(area, bx, by, type + 1);
        SetStructureLayer7(area, bx, by, RollDurability(GetStructureType(type)->GetDurability()));
        Add(changed, a, bx, by);
        if (a.GetTrend() < 0) a.SetTrend(a.GetTrend() + Random(step) / 3 + 2);
        return true;
    }
    return false;
}

// ---- Wear ----

void CMapDoc::WearStructures(int area, CCellSet& lostAnchors, CCellSet& lostCells, CCellSet& worn) {
    CMapData& a = GetArea(area);
    const CCellTypeTable types(*this);
    const CAreaCellView cells(a, types);
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            const size_t i = cells.Index(x, y);
            if (cells.Owner(i) == 0 || !cells.IsAnchorOrFree(i)) continue;
            const CCellTypeTable::SStructure& type = cells.Structure(i);
            if (!type.type || type.code == StructureCode::kKiosk || !type.destructible) continue;
            int amount = Random(Random(5));
            if (amount > 0) Add(worn, a, x, y);
            CollapseStructure(area, x, y, amount, lostAnchors, lostCells);
        }
}

bool CMapDoc::CollapseStructure(int area, int x, int y, int amount, CCellSet& lostAnchors,
                                CCellSet& lostCells) {
    if (amount == 0) return false;
    CMapData& a = GetArea(area);
    const CBD* type = StructureTypeAt(a, x, y);
    if (!type || !type->IsDestructible()) return false;
    CCellPoint anchor, first;
    GetStructureExtent(area, x, y, anchor, first);
    // A structure lost already waits for its removal: it is not lost twice.
    if (lostAnchors.count(Key(a, anchor.x, anchor.y))) return false;
    const int64_t d = int64_t{a.GetCellLayer7(anchor.x, anchor.y)} - amount;
    if (d > 0) {
        a.SetCellLayer7(anchor.x, anchor.y, ClampToInt(d));
        return false;
    }
    Add(lostAnchors, a, anchor.x, anchor.y);
    for (int cy = std::max(first.y, 0); cy <= anchor.y; ++cy)
        for (int cx = std::max(first.x, 0); cx <= anchor.x; ++cx) Add(lostCells, a, cx, cy);
    if (type->GetTypeCode() == StructureCode::kHouse)
        a.SetPopulation(ClampToInt(int64_t{a.GetPopulation()} - type->GetLandValue() / 10));
    int owner = a.GetCellOwner(anchor.x, anchor.y);
    CEnterprise* company = owner > 0 ? Services::Companies().GetCompany(owner - 1) : nullptr;
    if (company) {
        company->SetAreaGrade(
            area,
            ClampToInt(int64_t{company->GetAreaGrade(area)} - 2 * int64_t{type->GetGradeBonus()}),
            1);
        company->AddBusyEmployees(type->GetValueFigure());
    }
    return true;
}

void CMapDoc::DecayPotential(int area) {
    int r = Random(10);
    if (r < 3) GetArea(area).AddPotential(-r);
}

// ---- New game ----

void CMapDoc::InitAreaValues() {
    for (int area = 0; area < GetAreaCount(); ++area) {
        CMapData& a = GetArea(area);
        if (a.GetWidth() < 1 || a.GetHeight() < 1) continue;
        InitLandValues(area);
        a.SetFire(Random(40));
        SetDurabilities(area);
    }
}

void CMapDoc::InitLandValues(int area) {
    CMapData& a = GetArea(area);
    const int w = a.GetWidth(), h = a.GetHeight();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (IsPlainLand(area, x, y)) a.SetLandValue(x, y, LandTypeAt(a, x, y)->GetLandValue());
    if (m_plainLandTypes.empty()) return;
    const int lowest = m_landTypes[static_cast<size_t>(m_plainLandTypes.front())]->GetLandValue();
    const int highest = m_landTypes[static_cast<size_t>(m_plainLandTypes.back())]->GetLandValue();
    for (int amount : {10, 5, -5}) {
        int x0 = Random(w), y0 = Random(h);
        for (int y = std::max(y0 - 2, 0); y <= std::min(y0 + 2, h - 1); ++y)
            for (int x = std::max(x0 - 2, 0); x <= std::min(x0 + 2, w - 1); ++x) {
                if (!IsPlainLand(area, x, y)) continue;
                int distance = std::max(std::abs(x - x0), std::abs(y - y0));
                int v = a.GetLandValue(x, y) + (3 - distance) * amount;
                // The clamp follows the land types; the layer keeps 1..300.
                a.SetLandValue(x, y, std::clamp(v, std::min(lowest, highest), highest));
            }
    }
}

void CMapDoc::SetDurabilities(int area) {
    CMapData& a = GetArea(area);
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            const CBD* type = nullptr;
            if (a.IsAnchorOrFree(x, y) && a.GetStructureAt(x, y, 0) > 0)
                type = StructureTypeAt(a, x, y);
            else if (a.IsAnchorOrFree(x, y) && IsSpecialCell(area, x, y))
                type = GetStructureType(a.GetConstructionType(x, y));
            if (type)
                a.SetCellLayer7(x, y,
                                RollDurability(ClampToInt(10 * int64_t{type->GetDurability()})));
        }
}
