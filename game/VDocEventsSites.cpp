// The events that put land and construction work on the market: lots put up
// for auction, construction tenders and the governors' public works
// contracts, with the search for a site that the last two share; and the
// governor donation scandal.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"

namespace {

constexpr int kAuctionTries = 3;
constexpr int kTypeDraws = 100;
// Donations above this figure may come to light.
constexpr int kDonationLimit = 50;
constexpr int kScandalMorale = 20;
constexpr int kSanctionMonths = 12;

bool IsCrossingCode(int code) {
    return code == StructureCode::kCrossingRail || code == StructureCode::kCrossingRoad;
}

}  // namespace

// ---------------------------------------------------------------- auctions

void CVDoc::LandAuctionEvent() {
    const int areas = GetMap().GetAreaCount();
    if (areas == 0) return;
    bool found = false;
    int area = 0, x = 0, y = 0;
    for (int i = 0; i < kAuctionTries && !found; ++i) {
        area = Random(areas);
        const CMapData& record = GetMap().GetArea(area);
        x = Random(record.GetWidth());
        y = Random(record.GetHeight());
        if (!record.IsInGrid(x, y) || record.GetCellOwner(x, y) != 0 ||
            !GetMap().IsCellUsable(area, x, y))
            continue;
        found = !GetMap().HasStructureAt(area, x, y) || Random(10) >= 2;
    }
    if (!found || Random(10) < 4) return;
    RunAuction(area, x, y, std::max(1, GetMap().GetLotPrice(area, x, y, 0) / 2));
}

// ---------------------------------------------------------------- sites

int CVDoc::CalcTenderPrice(int structureType) const {
    const CBD* type = GetMap().GetStructureType(structureType);
    if (!type) return 0;
    return ClampToInt(20 * int64_t{type->GetPriceStep()} + 2 * int64_t{type->GetBasePrice()} + 10);
}

namespace {

// A type the governors offer for tenders: a lot that can be traded and a
// price.
bool IsTenderType(const CBD* type) {
    return type && type->GetUsableFlag() != 0 && type->GetBasePrice() > 0;
}

// trunc((R + g)^0.95), the base of an area's score for a public structure.
// A governor's amount may have gone negative: the base is then kept at 0.
int SiteWeight(int64_t value) {
    return TruncToInt(std::pow(static_cast<double>(std::max<int64_t>(value, 0)), 0.95));
}

}  // namespace

int CVDoc::ChooseSiteArea(int landValue) {
    const int areas = GetMap().GetAreaCount();
    int best = 0;
    int chosen = -1;
    for (int i = 0; i < 4 * areas; ++i) {
        const int area = Random(areas);
        const CPersonData* governor = GetAreaGovernor(area);
        const int64_t base = int64_t{SumAreaRatings(0, area, 0)} + (governor ? governor->GetAmount() : 0);
        const int score = Random(ClampToInt(int64_t{SiteWeight(base)} + 30));
        if (score > best) {
            best = score;
            chosen = area;
        }
    }
    if (chosen < 0 || Random(Random(ClampToInt(int64_t{best} + 20))) < landValue) return -1;
    return chosen;
}

int CVDoc::FindConstructionSite(int company, SConstructionSite& site) {
    const CMapDoc& map = GetMap();
    const int types = map.GetStructureTypeCount();
    const int areas = map.GetAreaCount();
    if (types == 0 || areas == 0) return 0;
    double best = 0.0;
    int chosen = -1;
    for (int attempt = 0; attempt < (company < 0 ? 1 : 2); ++attempt)
        for (int i = 0; i < kTypeDraws; ++i) {
            const int t = Random(types);
            const CBD* type = map.GetStructureType(t);
            if (!IsTenderType(type)) continue;
            const double ratio = static_cast<double>(type->GetBasePrice()) /
                                 (static_cast<double>(type->GetPriceStep()) + 1.0);
            if (ratio > best) {
                best = ratio;
                chosen = t;
            }
            break;
        }
    if (chosen < 0) return 0;
    const CBD& type = *map.GetStructureType(chosen);
    int area = -1;
    if (company < 0) {
        area = ChooseSiteArea(type.GetLandValue());
    } else if (const CEnterprise* builder = GetEnterprise(company)) {
        for (int i = 0; i < 2 * areas + 5 && area < 0; ++i) {
            const int a = Random(areas);
            const CPersonData* governor = GetAreaGovernor(a);
            const int64_t base = int64_t{SumAreaRatings(0, a, 0)} + (governor ? governor->GetAmount() : 0);
            const int score = Random(ClampToInt(int64_t{SiteWeight(base)} + 60));
            if (score >= type.GetLandValue() && builder->GetAreaLevel(a) > 3) area = a;
        }
    }
    if (area < 0) return 0;
    const CMapData& record = map.GetArea(area);
    const bool crossing = IsCrossingCode(type.GetTypeCode());
    int width = 1, height = 1;
    type.GetSize(width, height);
    for (int i = 0; i < (crossing ? 30 : 10); ++i) {
        const int x = Random(record.GetWidth());
        const int y = Random(record.GetHeight());
        if (!record.IsInGrid(x, y) || record.IsProjectCell(x, y)) continue;
        const bool fits =
            crossing ? map.CanPlaceCrossing(area, x, y, chosen)
                     : map.IsRectBuildable(area, x - width + 1, y - height + 1, x, y, -1, 0);
        if (!fits) continue;
        site = {area, x, y, chosen};
        return 1;
    }
    return 0;
}

// ---------------------------------------------------------------- donation scandal

// Every company whose donations to the area's governor over the last year
// exceed the limit may be exposed: it loses standing and morale and is
// barred from public works for a year.
void CVDoc::ExposeDonations(int area, std::vector<int>& exposed) {
    const CPersonData* governor = GetAreaGovernor(area);
    const int governorIndex = GetMap().GetArea(area).GetGovernor();
    for (int c = 0; c < CompanyCount(); ++c) {
        CEnterprise& company = m_game.companies[static_cast<size_t>(c)];
        const int donations = company.GetMonthlyFigure(3, area, -1);
        if (donations <= kDonationLimit || Random(donations) < kDonationLimit) continue;
        const int loss = RandomVary(40, 20);
        company.SetAreaGrade(area, ClampToInt(int64_t{company.GetAreaGrade(area)} - loss), 1);
        company.SetMorale(ClampToInt(int64_t{company.GetRating()} - kScandalMorale));
        company.SetSanctionMonths(kSanctionMonths);
        CHistory entry;
        entry.SetDonationScandal(area, governor ? governorIndex : -1);
        company.GetHistory().push_back(std::move(entry));
        exposed.push_back(c);
    }
}

void CVDoc::DonationScandalEvent() {
    const int areas = GetMap().GetAreaCount();
    if (areas == 0) return;
    const int area = Random(areas);
    std::vector<int> exposed;
    ExposeDonations(area, exposed);
    if (exposed.empty()) return;
    Services::Report().ShowIllegalDonations(area, exposed);
    HoldElection(area, 1);
}

// ---------------------------------------------------------------- tenders and contracts

void CVDoc::ConstructionBidEvent() {
    SConstructionSite site;
    if (!FindConstructionSite(-1, site)) return;
    RunPublicTender(site.area, site.x, site.y, site.structureType);
}

// The company the governor favours among 3n draws: in the game, at level 3
// or more in the area, scored by the governor's relation to it; -1 none.
int CVDoc::ChooseContractCompany(int area) {
    const int n = CompanyCount();
    const CPersonData* governor = GetAreaGovernor(area);
    int best = -1;
    int chosen = -1;
    for (int i = 0; i < 3 * n; ++i) {
        const int c = Random(n);
        if (IsLeaving(c) || m_game.companies[static_cast<size_t>(c)].GetAreaLevel(area) < 3) continue;
        const int relation = governor ? governor->GetRelation(c) : 0;
        const int score = Random(ClampToInt(int64_t{relation} + 10));
        if (score > best) {
            best = score;
            chosen = c;
        }
    }
    return chosen;
}

void CVDoc::PublicWorksContractEvent() {
    const int company = GetYear() >= 1 ? FindWeakCompany(1) : -1;
    SConstructionSite site;
    if (!FindConstructionSite(company, site)) return;
    const int chosen = company >= 0 ? company : ChooseContractCompany(site.area);
    if (chosen < 0 || IsLeaving(chosen) || IsRemotePlayerAway(chosen)) return;
    OfferPublicContract(chosen, site.area, site.x, site.y, site.structureType);
}

// The governor's offer: his price for the structure, the company answers.
void CVDoc::OfferPublicContract(int company, int area, int x, int y, int structureType) {
    const int price = CalcGovernorContractPrice(area, company, structureType);
    OfferContract(area, x, y, structureType, price, company, -1);
}

void CVDoc::RunPublicTender(int area, int x, int y, int structureType) {
    RunTender(area, x, y, structureType, CalcTenderPrice(structureType));
}
