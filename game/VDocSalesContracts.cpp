// Construction work given out to other companies: a construction a company
// ordered from a contractor, settled at month end; a contract the area's
// governor offers; and a public tender won by the lowest bid.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "game/ComCommand.h"
#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {

constexpr int kSiteBlinkMs = 180;
// A company takes part in a tender in an area where it has an office.
constexpr int kOfficeLevel = 3;
// The plan step of a construction, tried again when its order failed.
constexpr int kPlannedConstruction = 3;
// The reasons an ordered construction could not be given out.
constexpr int kPlanFailedFunds = 0;
constexpr int kPlanFailedEmployees = 1;
// The order kind under which a player picks a building director.
constexpr int kBuilderChoice = 8;
// A refused contract costs the contractor up to this much morale.
constexpr int kRefusalMoraleRange = 10;
// The governor's relation lifts his price by up to this many percent.
constexpr int kGovernorPremiumCap = 100;

// The person index of one of the company's directors; -1 when it is none
// of them.
int DirectorIndexOf(const CEnterprise& company, const CPersonData* person) {
    for (int i = 0; person && i < company.GetDirectorCount(); ++i)
        if (company.GetDirector(i) == person) return company.GetDirectorIndex(i);
    return -1;
}

// The company's first director without a task; -1 when all are busy.
int FirstFreeDirector(const CEnterprise& company) {
    for (int i = 0; i < company.GetDirectorCount(); ++i) {
        const CPersonData* director = company.GetDirector(i);
        if (director && !director->HasTask()) return company.GetDirectorIndex(i);
    }
    return -1;
}

}  // namespace

// ---------------------------------------------------------------- helpers

bool CVDoc::GetSiteRect(int area, int x, int y, int structureType, CCellPoint& first) {
    const CBD* type = GetMap().GetStructureType(structureType);
    CMapData* record = GetArea(area);
    if (!type || area < 0 || !record) return false;
    int width = 1, height = 1;
    type->GetSize(width, height);
    first = CCellPoint(x - width + 1, y - height + 1);
    return record->IsInGrid(x, y) && record->IsInGrid(first.x, first.y);
}

// A director the player named stands for the company only when he is one of
// its own and free; else its first free director takes the work.
int CVDoc::ChosenOrFreeDirector(const CEnterprise& company, int person) {
    const CPersonData* chosen = GetDirector(person);
    if (chosen && !chosen->HasTask() && DirectorIndexOf(company, chosen) == person) return person;
    return FirstFreeDirector(company);
}

// ---------------------------------------------------------------- ordered constructions

void CVDoc::SettleContractOrder(int company) {
    CEnterprise* client = GetEnterprise(company);
    CEnterprise::SContractBid bid;
    if (!client || !client->GetContractBid(bid)) return;
    const CBD* type = GetMap().GetStructureType(bid.structureType);
    const bool shownHere = client->IsHumanPlayed() && IsLocallyPlayed(company);
    CCellPoint first;
    bool given = false;
    // The site must still be the client's: another owner would pay for it.
    if (!type || !GetSiteRect(bid.area, bid.x, bid.y, bid.structureType, first) ||
        GetCellOwner(bid.area, bid.x, bid.y) != company + 1) {
        // Nothing to give out.
    } else if (client->GetFunds() < bid.price) {
        if (shownHere) Services::Report().ShowDevelopmentPlanFailed(company, kPlanFailedFunds);
    } else if (client->GetEmployeesAtWork() < type->GetValueFigure()) {
        if (shownHere)
            Services::Report().ShowDevelopmentPlanFailed(company, kPlanFailedEmployees);
    } else {
        given = OfferContract(bid.area, bid.x, bid.y, bid.structureType, bid.price,
                              bid.contractor, company) != 0;
    }
    if (!given && !client->IsHumanPlayed())
        client->IsPlannedCommandAt(kPlannedConstruction, bid.area, bid.x, bid.y);
    client->ClearContractBid();
}

int CVDoc::OfferContract(int area, int x, int y, int structureType, int price, int contractor,
                         int client) {
    CEnterprise* builder = GetEnterprise(contractor);
    CCellPoint first;
    if (!builder || contractor == client || !GetSiteRect(area, x, y, structureType, first))
        return 0;
    SelectArea(area);
    int takeover = 0;
    CPersonData* chosen =
        builder->ChooseContractDirector(structureType, price, client, takeover, area, x, y);
    int director = -1;
    if (chosen) {
        director = DirectorIndexOf(*builder, chosen);
        director = ChosenOrFreeDirector(*builder, director);
    }
    const CEnterprise* ordering = GetEnterprise(client);
    if (ordering && ordering->IsHumanPlayed() && IsLocallyPlayed(client))
        Services::Report().ShowContractAnswer(client, contractor, area, x, y, structureType,
                                              director >= 0);
    if (director >= 0) {
        m_orders->StartContractConstruction(director, area, CCellPoint(x, y), structureType,
                                            price);
    } else {
        builder->SetMorale(builder->GetRating() - Random(kRefusalMoraleRange));
        Services::Frame().RefreshInfoPanels();
    }
    if (IsNetworkGame()) {
        SendCompanyState(contractor, eCOMPANY_STAFF_FIGURES);
        SendRefreshInfo();
    }
    return director >= 0 ? 1 : 0;
}

int CVDoc::CalcGovernorContractPrice(int area, int company, int structureType) {
    const CBD* type = GetMap().GetStructureType(structureType);
    if (!type) return 0;
    const CPersonData* governor = GetAreaGovernor(area);
    int relation = governor && GetEnterprise(company) ? governor->GetRelation(company) : 0;
    relation = std::max(RandomVary(relation, relation), 0);
    const int premium =
        std::min(static_cast<int>(std::pow(relation, 0.8)), kGovernorPremiumCap);
    return ClampToInt(int64_t{type->GetBasePrice()} * (premium + 100) / 100 +
                      int64_t{type->GetPriceStep()} * 20 + 10);
}
