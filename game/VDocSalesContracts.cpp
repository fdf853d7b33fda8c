// Construction work given out to other companies: a construction a company
// ordered from a contractor, settled at month end; a contract the area's
// governor offers; and a public tender won by the lowest bid.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "game/BidList.h"
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

// The free director best at construction (randomised; the first on ties);
// -1 when all are busy.
int BestFreeBuilder(const CEnterprise& company) {
    int best = -1, bestAptitude = 0;
    for (int i = 0; i < company.GetDirectorCount(); ++i) {
        const CPersonData* director = company.GetDirector(i);
        if (!director || director->HasTask()) continue;
        const int aptitude =
            director->GetTaskAptitude(CPersonData::eTASK_CONTRACT_CONSTRUCTION, true);
        if (best < 0 || aptitude > bestAptitude) {
            best = company.GetDirectorIndex(i);
            bestAptitude = aptitude;
        }
    }
    return best;
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
                                              director >= 0, takeover != 0);
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

// ---------------------------------------------------------------- public tenders

int CVDoc::RunTender(int area, int x, int y, int structureType, int ceiling) {
    CCellPoint first;
    if (!GetSiteRect(area, x, y, structureType, first)) return 0;
    const CEnterprise* owner = GetEnterprise(GetCellOwner(area, x, y) - 1);
    bool show = owner && owner->IsHumanPlayed();
    for (int c = 0; c < CompanyCount() && !show; ++c)
        show = GetEnterprise(c)->IsHumanPlayed() &&
               GetEnterprise(c)->GetAreaLevel(area) >= kOfficeLevel;
    SelectArea(area);
    int winner = -1, price = 0;
    int director = -1;
    if (CollectTenderBids(area, x, y, ceiling, structureType, winner, price)) {
        const CEnterprise& company = *GetEnterprise(winner);
        if (!company.IsHumanPlayed())
            director = BestFreeBuilder(company);
        else if (company.GetDirectorCount() > 1)
            director = ChosenOrFreeDirector(company, AskDirectorChoice(winner, kBuilderChoice));
        else
            director = ChosenOrFreeDirector(company, company.GetDirectorIndex(0));
    }
    // A winner without a free director cannot take the work.
    if (director < 0) {
        if (show) ReportBidFailed(area, x, y, structureType);
        Services::Frame().AddInfoMessage(
            FormatText("Unsuccessful bid in %s", GetAreaName(area).c_str()));
        return 0;
    }
    if (show) ReportDevelopmentContract(area, x, y, structureType, price, winner);
    m_orders->StartContractConstruction(director, area, CCellPoint(x, y), structureType, price);
    return 1;
}

int CVDoc::CollectTenderBids(int area, int x, int y, int ceiling, int structureType, int& winner,
                             int& price) {
    winner = -1;
    price = ceiling;
    const CBD* type = GetMap().GetStructureType(structureType);
    CCellPoint first;
    if (!type || !GetSiteRect(area, x, y, structureType, first)) return 0;
    const int cost = type->GetBasePrice();
    const int owner = GetCellOwner(area, x, y) - 1;
    IReportService& report = Services::Report();
    CBidList bids;
    for (int p = 0; p < CompanyCount(); ++p) {
        const int c = GetTurnEnterprise(p);
        CEnterprise* company = GetEnterprise(c);
        if (!company || c == owner) continue;
        if (!company->IsHumanPlayed()) {
            const int bid =
                CComCommand(*this, c).BidForContract(area, CCellPoint(x, y), structureType, ceiling);
            if (bid > 0) bids.Add(c, bid);
            continue;
        }
        if (IsRemotePlayerAway(c) || company->GetAreaLevel(area) < kOfficeLevel) continue;
        const bool here = IsLocallyPlayed(c);
        const int64_t funds = company->GetFunds();
        // The bid range: from twice what the funds lack of the cost up to
        // the ceiling. A range that is empty leaves the company out.
        const int64_t lowest = std::max<int64_t>((int64_t{cost} - funds) * 2, 1);
        if (owner < 0 && company->GetSanctionMonths() > 0) {
            if (here) report.ShowPublicWorksBanned(c, area, structureType);
            continue;
        }
        if (funds < std::max<int64_t>(int64_t{cost} - ceiling / 2, 0) || lowest > ceiling) {
            if (here) report.ShowTenderLacksFunds(c, area, structureType);
            continue;
        }
        if (company->CountFreeDirectors() == 0) {
            if (here) report.ShowTenderLacksDirector(c, area, structureType);
            continue;
        }
        // A network game asks its human bidders together over the network,
        // which has no bids to give yet.
        if (IsNetworkGame()) continue;
        Services::Frame().MarkCellRect(first.x, first.y, x, y, kSiteBlinkMs);
        SBidPriceDialog dialog;
        dialog.company = c;
        dialog.structureType = structureType;
        dialog.cost = cost;
        dialog.area = area;
        dialog.cell = CCellPoint(x, y);
        dialog.lowest = static_cast<int>(lowest);
        dialog.highest = ceiling;
        bids.AskPlayer(dialog);
    }
    return bids.DrawWinner(ceiling, false, winner, price) ? 1 : 0;
}

void CVDoc::ReportDevelopmentContract(int area, int x, int y, int structureType, int price,
                                      int winner) {
    CCellPoint first;
    if (!IsActivityReportOn() || !GetSiteRect(area, x, y, structureType, first)) return;
    Services::Frame().MarkCellRect(first.x, first.y, x, y, kSiteBlinkMs);
    Services::Report().ShowDevelopmentContract(area, x, y, structureType, price, winner);
    Services::Frame().FlushChangedCells(1);
}

void CVDoc::ReportBidFailed(int area, int x, int y, int structureType) {
    CCellPoint first;
    if (!GetSiteRect(area, x, y, structureType, first)) return;
    Services::Frame().MarkCellRect(first.x, first.y, x, y, kSiteBlinkMs);
    Services::Report().ShowBidFailed(area, x, y, structureType);
    Services::Frame().FlushChangedCells(1);
}
