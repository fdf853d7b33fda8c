// The two pending deals a company keeps until month end (a construction it
// ordered from another company and an own lot put up for sale), and its
// decision on a construction contract offered to it.

#include <algorithm>
#include <climits>

#include "model/BD.h"
#include "model/CmdSet.h"
#include "model/Enterprise.h"
#include "model/OrderType.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/services/Services.h"

namespace {

// The order kind under which the player picks the building director.
constexpr int kContractDirectorChoice = 8;
constexpr int kProblemFunds = 0;
constexpr int kProblemNoDirector = 1;

}  // namespace

void CEnterprise::SetContractBid(int contractor, int area, int x, int y, int structureType,
                                 int price) {
    m_contractBid = {contractor, area, x, y, structureType, price};
    Services::Game().SetModified();
}

int CEnterprise::GetContractBid(SContractBid& out) const {
    out = m_contractBid;
    return m_contractBid.contractor == -1 ? 0 : 1;
}

void CEnterprise::PlaceContractBid(int contractor, int area, int x, int y, int structureType,
                                   int price, int send) {
    if (send && Services::NetPlay().IsNetworkGame()) {
        CCmdSet order;
        order.Init(eORDER_CONTRACT, -1);
        order.AddValue(contractor);
        order.AddParam(area);
        order.AddPoint(CCellPoint(x, y));
        order.AddValue(structureType);
        order.AddValue(price);
        RouteOrder(order, true);
    }
    SetContractBid(contractor, area, x, y, structureType, price);
}

void CEnterprise::SetAuctionBid(int minimalBid, int area, int x, int y, int buyer) {
    m_lotSale = {minimalBid, area, x, y, buyer};
    Services::Game().SetModified();
}

int CEnterprise::GetAuctionBid(SLotSale& out) const {
    out = m_lotSale;
    return m_lotSale.minimalBid == -1 ? 0 : 1;
}

void CEnterprise::PlaceAuctionBid(int minimalBid, int area, int x, int y, int buyer, int send) {
    SetAuctionBid(minimalBid, area, x, y, buyer);
    if (!send || !Services::NetPlay().IsNetworkGame()) return;
    CCmdSet order;
    order.Init(eORDER_LOT_SALE, -1);
    order.AddParam(area);
    order.AddPoint(CCellPoint(x, y));
    order.AddValue(minimalBid);
    order.AddValue(buyer);
    RouteOrder(order, true);
}

bool CEnterprise::IsContractBidTargetIn(int area, int left, int top, int right, int bottom) const {
    const SContractBid& c = m_contractBid;
    if (c.contractor == -1 || c.area != area) return false;
    int width = 1, height = 1;
    if (const CBD* type = Services::Map().GetStructureType(c.structureType))
        type->GetSize(width, height);
    int64_t footLeft = int64_t{c.x} - width + 1;
    int64_t footTop = int64_t{c.y} - height + 1;
    return right >= footLeft && left <= c.x && bottom >= footTop && top <= c.y;
}

bool CEnterprise::IsAuctionBidTargetIn(int area, int left, int top, int right, int bottom) const {
    const SLotSale& s = m_lotSale;
    return s.minimalBid != -1 && s.area == area && s.x >= left && s.x <= right && s.y >= top &&
           s.y <= bottom;
}

bool CEnterprise::IsBidTargetIn(int area, int left, int top, int right, int bottom) const {
    return IsContractBidTargetIn(area, left, top, right, bottom) ||
           IsAuctionBidTargetIn(area, left, top, right, bottom);
}

CPersonData* CEnterprise::ChooseContractDirector(int structureType, int price, int offering,
                                                 int& takeover, int area, int x, int y) {
    const CBD* type = Services::Map().GetStructureType(structureType);
    if (!type) return nullptr;
    int64_t cost = type->GetBasePrice();
    takeover =
        offering >= 0 ? Services::Companies().ShareholderPressureRoll(m_number, offering) : 0;
    bool affordable = cost <= int64_t{m_funds} + price / 2;

    if (IsHumanPlayed()) {
        // An absent player takes no decision.
        if (Services::NetPlay().IsRemotePlayerAway(m_number)) return nullptr;
        int problem = !affordable                 ? kProblemFunds
                      : CountFreeDirectors() == 0 ? kProblemNoDirector
                                                  : -1;
        if (problem >= 0) {
            Services::PlayerReports().ReportContractProblem(m_number, area, x, y, offering,
                                                            structureType, problem);
            return nullptr;
        }
        if (!Services::PlayerReports().AskAcceptContract(m_number, area, x, y, offering,
                                                         structureType, price, takeover))
            return nullptr;
        if (GetDirectorCount() == 1) return GetDirector(0);
        return Services::Companies().GetDirector(
            Services::PlayerReports().AskDirectorChoice(m_number, kContractDirectorChoice));
    }

    if (!affordable || CountFreeDirectors() == 0) return nullptr;
    if (takeover == 0) {
        int64_t expected =
            int64_t{price} - cost - int64_t{CalcIncomeAllowance()} * type->GetValueFigure();
        if (expected < 1) return nullptr;
        int e = ClampToInt(expected);
        int v = RandomVary(e, e / 3);
        int g = offering >= 0 ? ClampToInt(int64_t{GetAnnualIncome()} * 3 / 48) : 3;
        if (v < RandomVary(g, g / 2)) return nullptr;
    }
    CPersonData* best = nullptr;
    int bestAptitude = 0;
    for (int i = 0; i < GetDirectorCount(); ++i) {
        CPersonData* director = GetDirector(i);
        if (!director || director->HasTask()) continue;
        int aptitude = director->GetTaskAptitude(CPersonData::eTASK_CONTRACT_CONSTRUCTION, true);
        if (aptitude > bestAptitude) {
            bestAptitude = aptitude;
            best = director;
        }
    }
    return best;
}
