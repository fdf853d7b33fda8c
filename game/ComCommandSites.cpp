// The computer player's view of the map: which cells it may build on, what
// a lot earns, and which structure suits a site. Trial placements are made
// on the map itself and always taken back exactly (CMapTrial).

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/ComCommand.h"
#include "game/ComCommandMath.h"
#include "game/MapTrial.h"
#include "game/SiteLotValues.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapData.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"

using namespace ComMath;

namespace {

// The radius around a site whose lots the site's income changes.
constexpr int kNearbyRadius = 5;

}  // namespace

bool CComCommand::IsBuildableSite(int area, int x, int y) const {
    // A construction pass changes nothing the answer depends on.
    if (m_siteGains)
        return m_siteGains->Buildable(area, x, y, [&] { return CheckBuildableSite(area, x, y); });
    return CheckBuildableSite(area, x, y);
}

bool CComCommand::CheckBuildableSite(int area, int x, int y) const {
    const CMapDoc& map = m_doc.GetMap();
    if (area < 0 || area >= map.GetAreaCount()) return false;
    const CMapData& record = map.GetArea(area);
    if (!record.IsInGrid(x, y)) return false;
    if (map.HasStructureAt(area, x, y) || map.GetCellTypeCode(area, x, y, 0) != 0) return false;
    if (!map.IsCellUsable(area, x, y)) return false;
    const int owner = record.GetCellOwner(x, y);
    if (owner != 0 && owner != m_companyIndex + 1) return false;
    return !m_company->HasPlanAt(area, x, y) && !record.IsProjectCell(x, y);
}

std::vector<CCellPoint> CComCommand::CollectFreeSites(int area) const {
    std::vector<CCellPoint> sites;
    const CMapData& record = m_doc.GetMap().GetArea(area);
    for (int y = 0; y < record.GetHeight(); ++y)
        for (int x = 0; x < record.GetWidth(); ++x)
            if (record.GetCellOwner(x, y) == 0 && IsBuildableSite(area, x, y))
                sites.push_back({x, y});
    return sites;
}

double CComCommand::EstimateLotIncome(int area, CCellPoint cell, int asOwner) {
    CMapDoc& map = m_doc.GetMap();
    CCellPoint anchor, first;
    if (!map.GetStructureExtent(area, cell.x, cell.y, anchor, first)) return 0.0;
    CMapTrial trial(map.GetArea(area));
    if (asOwner) {
        trial.Record(first.x, first.y, anchor.x, anchor.y);
        map.SetStructureOwner(area, anchor.x, anchor.y, m_companyIndex + 1);
    }
    double income = 0, expense = 0;
    for (int y = std::max(first.y, 0); y <= anchor.y; ++y)
        for (int x = std::max(first.x, 0); x <= anchor.x; ++x)
            m_doc.CalcLotValue(area, x, y, m_doc.GetMonth(), income, expense, 1);
    return income - expense;
}

std::vector<CVDoc::SOwnedLot> CComCommand::NearbyLots(int area, CCellPoint cell) {
    std::vector<CVDoc::SOwnedLot> lots;
    m_doc.ListOwnedLotValues(area, cell.x - kNearbyRadius, cell.y - kNearbyRadius,
                             cell.x + kNearbyRadius, cell.y + kNearbyRadius, m_doc.GetMonth(), lots);
    return lots;
}

std::vector<double> CComCommand::SumNearbyIncome(int area, CCellPoint cell) {
    std::vector<double> totals(static_cast<size_t>(m_doc.CompanyCount()), 0.0);
    for (const CVDoc::SOwnedLot& lot : NearbyLots(area, cell))
        totals[static_cast<size_t>(lot.owner)] += lot.value;
    return totals;
}

double CComCommand::LotValue(int area, CCellPoint cell) {
    double income = 0, expense = 0;
    m_doc.CalcLotValue(area, cell.x, cell.y, m_doc.GetMonth(), income, expense, 1);
    return income - expense;
}

double CComCommand::PlacedLotValue(CSiteGains& pass, int area, CCellPoint cell, int number) {
    std::vector<CSiteGains::SGain>* row = pass.Row(area, cell);
    const size_t type = static_cast<size_t>(number - 1);
    if (!row || number < 1 || type >= row->size()) return LotValue(area, cell);
    CSiteGains::SGain& kept = (*row)[type];
    if (!kept.placedKnown) {
        kept.placedValue = LotValue(area, cell);
        kept.placedKnown = true;
    }
    return kept.placedValue;
}

// What a trial changed of every company's income near the site. A lot's
// value depends on its own cell and on the structures within its type's
// effect radius, so only the lots the trial touched, or whose radius
// reaches a touched cell, can have changed; the others are not worked out
// again (the site's values take the affected ones).
std::vector<double> CComCommand::NearbyIncomeChange(int area, CCellPoint site,
                                                    const std::vector<CVDoc::SOwnedLot>& before,
                                                    CSiteLotValues& values) {
    std::vector<double> change(static_cast<size_t>(m_doc.CompanyCount()), 0.0);
    for (const CVDoc::SOwnedLot& lot : before)
        if (values.Takes(lot.x, lot.y)) change[static_cast<size_t>(lot.owner)] -= lot.value;
    // A reusable trial's lots are known without a look at every cell.
    if (values.TrialLots(m_doc.CompanyCount(), m_trialLots)) {
        // The placed structure's lots may be kept by the construction pass.
        CSiteGains* pass = m_siteGains && values.PlacedLotsStandAlone() ? m_siteGains : nullptr;
        for (const CSiteLotValues::SLot& lot : m_trialLots) {
            if (!values.Takes(lot.x, lot.y)) continue;
            double value = 0;
            if (!values.Recalls(lot.x, lot.y, value)) {
                if (pass && values.InPlaced(lot.x, lot.y)) {
                    value = PlacedLotValue(*pass, area, {lot.x, lot.y}, values.PlacedNumber());
                } else {
                    value = LotValue(area, {lot.x, lot.y});
                    values.Note(lot.x, lot.y, value);
                }
            }
            change[static_cast<size_t>(lot.owner)] += value;
        }
        return change;
    }
    // The lots are worked out in one listing, which shares the area's and
    // the owners' terms among them.
    m_doc.ListOwnedLotValues(area, site.x - kNearbyRadius, site.y - kNearbyRadius,
                             site.x + kNearbyRadius, site.y + kNearbyRadius, m_doc.GetMonth(),
                             m_afterLots, values);
    for (const CVDoc::SOwnedLot& lot : m_afterLots)
        change[static_cast<size_t>(lot.owner)] += lot.value;
    return change;
}

double CComCommand::RateAreaSites(int area, const std::vector<CCellPoint>& own, CCellPoint& site,
                                  int& type) {
    std::vector<CCellPoint> free = CollectFreeSites(area);
    const int q = m_president->GetAbility(-1, false) / 5;
    const int p = std::min(2 * q, 100);
    const int freeCount = static_cast<int>(free.size());
    const int extra = std::min(std::max(freeCount * p / 100, q / 10), freeCount);
    std::vector<CCellPoint> candidates = own;
    for (int i = 0; i < extra; ++i) {
        const int k = Random(static_cast<int>(free.size()));
        candidates.push_back(free[static_cast<size_t>(k)]);
        free.erase(free.begin() + k);
    }
    double best = 0.0;
    for (size_t i = 0; i < candidates.size(); ++i) {
        const CCellPoint cell = candidates[i];
        double rating = 0.0;
        int chosen = -1;
        if (m_doc.GetMap().HasStructureAt(area, cell.x, cell.y)) {
            if (!RateBuildingPurchase(area, cell, rating)) return 0.0;
            chosen = m_doc.GetMap().GetCellStructureNo(area, cell.x, cell.y, 0) - 1;
        } else if (!ChooseStructureForSite(area, cell, 0, chosen, rating)) {
            return 0.0;
        }
        if (i >= own.size()) rating *= 0.8;
        if (rating > best) {
            best = rating;
            site = cell;
            type = chosen;
        }
    }
    return best;
}

// What buying another company's building is worth to the computer player:
// a stake in its owner makes the owner more willing.
int CComCommand::RatePlacementOwner(int owner) const {
    const double stake = std::min(2 * m_doc.GetShareRatio(owner, m_companyIndex), 1.0);
    return Random(TruncToInt(1000 * std::pow(std::max(stake, 0.0), 0.8)) + 500) - 350;
}

bool CComCommand::RateBuildingPurchase(int area, CCellPoint cell, double& rating) {
    CMapDoc& map = m_doc.GetMap();
    const CMapData& record = map.GetArea(area);
    const int owner = record.GetCellOwner(cell.x, cell.y);
    if (owner == m_companyIndex + 1 || !map.IsCellUsable(area, cell.x, cell.y)) return false;
    int64_t price = map.GetLotPriceForDirector(area, cell.x, cell.y, nullptr);
    if (owner != 0) price += std::max(map.GetLotPrice(area, cell.x, cell.y, 0), 0);
    const int64_t cost = std::max<int64_t>(price * 7 / 5, 1);
    if (m_company->CalcSpendableFunds(1) < cost) return false;
    rating = EstimateLotIncome(area, cell, 1) / static_cast<double>(cost);
    if (owner == 0) return true;
    const int v = RatePlacementOwner(owner - 1);
    if (v < 1) return false;
    rating += v / 50;
    if (m_company->GetAnnualIncome() > cost / 2) rating *= 2;
    const CEnterprise* seller = m_doc.GetEnterprise(owner - 1);
    if (seller && seller->IsHumanPlayed()) rating *= 2;
    return true;
}

bool CComCommand::ApplyPlannedConstructions(int area, CMapTrial& trial) {
    CMapDoc& map = m_doc.GetMap();
    const CMapData& record = map.GetArea(area);
    for (const CCmdPacket& plan : m_company->GetPlans())
        for (const CCmdPacket::SStep& step : plan.GetSteps()) {
            if (step.kind != eCOM_CONSTRUCTION || step.param3 != area || step.done) continue;
            if (!record.IsInGrid(step.point.x, step.point.y)) return false;
            if (step.param2 < 0) {
                CCellPoint anchor, first;
                if (!map.GetStructureExtent(area, step.point.x, step.point.y, anchor, first))
                    continue;
                trial.Record(first.x, first.y, anchor.x, anchor.y);
                map.SetStructureAt(area, anchor.x, anchor.y, 0);
                continue;
            }
            const CBD* type = map.GetStructureType(step.param2);
            if (!type) return false;
            int w = 1, h = 1;
            type->GetSize(w, h);
            const int x0 = step.point.x - w + 1, y0 = step.point.y - h + 1;
            if (!record.IsInGrid(x0, y0)) return false;
            for (int y = y0; y <= step.point.y; ++y)
                for (int x = x0; x <= step.point.x; ++x)
                    if (map.HasStructureAt(area, x, y)) return false;
            trial.Record(x0, y0, step.point.x, step.point.y);
            map.SetStructureAt(area, step.point.x, step.point.y, step.param2 + 1);
        }
    return true;
}

bool CComCommand::FootprintFits(int area, CCellPoint site, const CBD& type,
                                const SSiteTrial& shared, int64_t& cost) {
    CMapDoc& map = m_doc.GetMap();
    const CMapData& record = map.GetArea(area);
    int w = 1, h = 1;
    type.GetSize(w, h);
    const int x0 = site.x - w + 1, y0 = site.y - h + 1;
    if (!record.IsInGrid(x0, y0)) return false;
    cost = shared.incomeCost + type.GetValueFigure() / 3 +
           int64_t{type.GetPriceStep()} * shared.allowance + type.GetBasePrice();
    const int height = record.GetGroundHeight(x0, y0);
    for (int y = y0; y <= site.y; ++y)
        for (int x = x0; x <= site.x; ++x) {
            if (record.GetGroundHeight(x, y) != height) return false;
            if (!(x == site.x && y == site.y) && !IsBuildableSite(area, x, y)) return false;
            const int owner = record.GetCellOwner(x, y);
            if (owner != 0 && owner != m_companyIndex + 1) {
                if (RatePlacementOwner(owner - 1) <= 0) return false;
                cost += 2 * int64_t{std::max(map.GetLotPrice(area, x, y, 0), 0)};
            }
        }
    return true;
}

bool CComCommand::LayTrial(int area, CCellPoint site, int typeIndex, const CBD& type,
                           SSiteTrial& shared, double& gain) {
    CMapDoc& map = m_doc.GetMap();
    CMapData& record = map.GetArea(area);
    if (!shared.values) {
        shared.before = NearbyLots(area, site);
        shared.values.emplace(map, area, site, kNearbyRadius);
    }
    int w = 1, h = 1;
    type.GetSize(w, h);
    const int x0 = site.x - w + 1, y0 = site.y - h + 1;
    CMapTrial trial(record);
    if (!ApplyPlannedConstructions(area, trial)) return false;
    // With the pending constructions laid, a clear rectangle means that
    // placing the type changes the map there only.
    bool clear = true;
    for (int y = y0; y <= site.y; ++y)
        for (int x = x0; x <= site.x; ++x) clear = clear && record.GetStructureAt(x, y, 0) == 0;
    shared.values->BeginTrial(trial, typeIndex + 1, {x0, y0}, clear);
    trial.Record(x0, y0, site.x, site.y);
    for (int y = y0; y <= site.y; ++y)
        for (int x = x0; x <= site.x; ++x) record.SetCellOwner(x, y, m_companyIndex + 1);
    map.SetStructureAt(area, site.x, site.y, typeIndex + 1);
    const std::vector<double> change = NearbyIncomeChange(area, site, shared.before, *shared.values);
    gain = 0.0;
    for (size_t c = 0; c < change.size(); ++c)
        gain += static_cast<int>(c) == m_companyIndex ? change[c] : -change[c] * shared.weights[c];
    return true;
}

bool CComCommand::TrialGain(int area, CCellPoint site, int typeIndex, const CBD& type,
                            SSiteTrial& shared, double& gain) {
    using EState = CSiteGains::SGain::EState;
    CSiteGains::SGain* kept =
        shared.gains ? &(*shared.gains)[static_cast<size_t>(typeIndex)] : nullptr;
    if (kept && kept->state != EState::unknown) {
        gain = kept->gain;
        return kept->state == EState::known;
    }
    const bool laid = LayTrial(area, site, typeIndex, type, shared, gain);
    if (kept) {
        kept->state = laid ? EState::known : EState::unlaid;
        kept->gain = gain;
    }
    return laid;
}

double CComCommand::RateTypeAtSite(int area, CCellPoint site, int typeIndex, const CBD& type,
                                   SSiteTrial& shared, bool& fits) {
    fits = false;
    int64_t cost = 0;
    if (!FootprintFits(area, site, type, shared, cost)) return 0.0;
    double gain = 0.0;
    if (!TrialGain(area, site, typeIndex, type, shared, gain)) return 0.0;

    const int j = shared.spread;
    const int g = TruncToInt(gain);
    const int v = RandomVary(g, TruncToInt(gain / j));
    double rating = 0;
    if (v <= 0) {
        rating = static_cast<double>(v - cost);
    } else {
        // cost is never negative, so the divisor stays above 0.
        const int64_t divisor = std::max<int64_t>((cost + 250) / 3, 1);
        rating = std::pow(static_cast<double>(v), 1.23) / static_cast<double>(divisor);
    }
    CMapDoc& map = m_doc.GetMap();
    if (type.GetTypeCode() == StructureCode::kTwoPart) {
        const double q = (m_doc.CalcSiteFactor(area, site.x, site.y, m_companyIndex) - 128.0) / 28.0;
        rating *= std::clamp(q * q * q + 1.0, 0.1, 1.1);
    }
    const int kind = StructureCode::StadiumKindOfCode(type.GetTypeCode());
    if (kind >= 0) {
        const int planned = m_company->CountPlannedBuildings(kind == 0 ? 1 : 0);
        int s1 = 0;
        for (int a = 0; a < map.GetAreaCount(); ++a) s1 += map.GetArea(a).GetStadiumCount(kind);
        const int s2 = map.CountListCellsAll(kind, m_companyIndex);
        rating *= (30 / (s1 + planned + 1) + 100 + 150 / ((s2 + planned) * 4 + 1)) / 100;
    }
    rating += type.GetAreaBonus() / 30 + type.GetInfluenceRange() / 30 +
              type.GetEffectValue1() / 50 + type.GetEffectValue2() / 50 +
              type.GetEffectValue3() / 50 + type.GetEffectValue4() / 50 +
              type.GetEffectValue5() / 50 + type.GetEffectValue6() / 50;
    fits = true;
    return rating;
}

bool CComCommand::ChooseStructureForSite(int area, CCellPoint site, int office, int& type,
                                         double& rating) {
    type = -1;
    if (!IsBuildableSite(area, site.x, site.y)) return false;
    const double start = office ? -30000.0 : 0.0;
    double best = start;
    const int64_t budget =
        int64_t{m_company->CalcLoanAmount(nullptr)} + m_company->CalcSpendableFunds(1);
    const double own = std::max(m_company->GetAnnualIncome(), 100);
    SSiteTrial shared;
    for (int c = 0; c < m_doc.CompanyCount(); ++c) {
        double w = std::max(m_doc.GetEnterprise(c)->GetAnnualIncome(), 100) / own;
        if (c != m_companyIndex) w *= 0.6;
        shared.weights.push_back(std::clamp(w, 0.1, 1.0));
    }
    shared.incomeCost = TruncToInt(Pow0(m_company->GetAnnualIncome(), 0.77));
    shared.allowance = m_company->CalcIncomeAllowance();
    shared.spread = std::clamp((Ability(1) / 10) * 3, 1, 20);
    if (m_siteGains) shared.gains = m_siteGains->Row(area, site);
    const bool strong = CountStrongAreas() > 0;
    const bool hasHome = m_company->GetHomeArea() >= 0;
    const CMapDoc& map = m_doc.GetMap();
    for (int t = 0; t < map.GetStructureTypeCount(); ++t) {
        const CBD* candidate = map.GetStructureType(t);
        if (!candidate || candidate->GetSecondFlag() == 0) continue;
        if (strong && candidate->GetBasePrice() > budget) continue;
        const int code = candidate->GetTypeCode();
        if (StructureCode::IsOfficeCode(code) != (office != 0)) continue;
        if (office && code != (hasHome ? StructureCode::kBranchOffice : StructureCode::kHeadOffice))
            continue;
        bool fits = false;
        const double r = RateTypeAtSite(area, site, t, *candidate, shared, fits);
        if (fits && r > best) {
            best = r;
            type = t;
        }
    }
    rating = best;
    return best > start;
}

bool CComCommand::ChooseOfficeSite(int area, CCellPoint& site, int& type) {
    const CMapData& record = m_doc.GetMap().GetArea(area);
    std::vector<CCellPoint> candidates;
    for (int y = 0; y < record.GetHeight(); ++y)
        for (int x = 0; x < record.GetWidth(); ++x) {
            const int owner = record.GetCellOwner(x, y);
            if (m_doc.GetMap().HasStructureAt(area, x, y)) continue;
            if (owner == 0 || owner == m_companyIndex + 1) candidates.push_back({x, y});
        }
    double best = -30000.0;
    type = -1;
    const int tries = m_president->GetAbility(-1, false);
    for (int i = 0; i < tries && !candidates.empty(); ++i) {
        const int k = Random(static_cast<int>(candidates.size()));
        const CCellPoint cell = candidates[static_cast<size_t>(k)];
        candidates.erase(candidates.begin() + k);
        int chosen = -1;
        double rating = 0;
        if (ChooseStructureForSite(area, cell, 1, chosen, rating) && rating > best) {
            best = rating;
            site = cell;
            type = chosen;
        }
    }
    return type >= 0;
}
