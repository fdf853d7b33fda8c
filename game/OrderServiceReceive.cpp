// The receiver's side: an order record from another player is checked as a
// whole before it reaches the apply operation of its type. The record comes
// from a peer, so every list length and every index into the game's tables
// is checked, and the acting director must work for the company the record
// came from.

#include <algorithm>
#include <array>

#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/OrderType.h"
#include "model/PersonData.h"

namespace {

// The exact list lengths of each order type: kinds, params, points, values.
struct SLayout {
    int kinds, params, points, values;
};
constexpr std::array<SLayout, eORDER_LAST + 1> kLayouts{{
    {0, 0, 0, 0},  // no type 0
    {1, 1, 1, 1},  // designated purchase
    {1, 1, 1, 1},  // acquire land
    {0, 1, 1, 2},  // lot sale
    {1, 0, 0, 1},  // purchase stock
    {0, 0, 0, 2},  // sell stock
    {0, 1, 1, 3},  // acquire team
    {0, 0, 0, 1},  // sell team
    {1, 1, 1, 1},  // construction
    {0, 1, 1, 3},  // contract
    {1, 1, 1, 0},  // reinforce
    {0, 0, 0, 3},  // salary
    {1, 0, 0, 0},  // recruit employees
    {1, 0, 0, 0},  // recruit management
    {2, 0, 0, 0},  // headhunting
    {1, 0, 0, 0},  // abandon
    {0, 0, 0, 2},  // lay-off
    {1, 1, 0, 1},  // advertising
    {0, 0, 0, 1},  // advertising cost
    {1, 0, 0, 0},  // loan
    {0, 0, 0, 1},  // repay loan
    {1, 1, 0, 2},  // investment
    {1, 0, 0, 2},  // team support
    {0, 1, 1, 1},  // home field
}};

constexpr int kInvestmentKinds = 4;
// A lot sale's minimal bid: -2 sells directly to the buyer, -1 withdraws.
constexpr int kDirectSale = -2;

bool HasLayout(const CCmdSet& r, const SLayout& l) {
    return r.GetKindCount() == l.kinds && r.GetParamCount() == l.params &&
           r.GetPointCount() == l.points && r.GetValueCount() == l.values;
}

CCellPoint PointOf(const CCmdSet& r) {
    CCellPoint point;
    return r.GetPoint(point, 0);
}

}  // namespace

bool COrderService::IsStaffOf(int company, int person) {
    const CEnterprise* c = Company(company);
    if (!c || !Director(person)) return false;
    for (int i = 0; i < c->GetDirectorCount(); ++i)
        if (c->GetDirectorIndex(i) == person) return true;
    return false;
}

bool COrderService::IsArea(int area) {
    return area >= 0 && area < m_doc.GetMap().GetAreaCount();
}

bool COrderService::IsCell(int area, const CCellPoint& cell) {
    return IsArea(area) && m_doc.GetMap().GetArea(area).IsInGrid(cell.x, cell.y);
}

bool COrderService::IsCompany(int company) {
    return Company(company) != nullptr;
}

bool COrderService::IsLeague(int league) {
    return league >= 0 && league < CMapDoc::kLeagueCount;
}

bool COrderService::IsTeam(int league, int team) {
    return IsLeague(league) && team >= 0 && team < m_doc.GetMap().GetLeague(league).GetTeamCount();
}

bool COrderService::IsStructureType(int type) {
    return type >= 0 && type < m_doc.GetMap().GetStructureTypeCount();
}

bool COrderService::IsValidRecord(int company, const CCmdSet& r) {
    const int type = r.GetOrderType();
    CEnterprise* c = Company(company);
    if (!c || !HasLayout(r, kLayouts[static_cast<size_t>(type)])) return false;
    // The lists hold what the layout promises from here on.
    auto kind = [&](int i) { return r.GetKind(i); };
    auto param = [&](int i) { return r.GetParam(i); };
    auto value = [&](int i) { return r.GetValue(i); };
    auto staff = [&] { return IsStaffOf(company, kind(0)); };
    auto site = [&] { return IsCell(param(0), PointOf(r)); };
    auto position = [&](int d) { return d >= 0 && d <= c->GetDirectorCount(); };
    const int companies = m_doc.CompanyCount();

    switch (type) {
        case eORDER_DESIGNATED_PURCHASE:
            return staff() && site() && value(0) >= -1 &&
                   value(0) <= m_doc.GetMap().GetStructureTypeCount();
        case eORDER_ACQUIRE_LAND:
            return staff() && IsArea(param(0)) && value(0) >= 0 &&
                   (PointOf(r) == CCellPoint(-1, -1) || site());
        case eORDER_LOT_SALE:
            return site() && value(0) >= kDirectSale && value(1) >= -1 && value(1) < companies;
        case eORDER_PURCHASE_STOCK:
            return staff() && IsCompany(value(0));
        case eORDER_SELL_STOCK:
            return IsCompany(value(0)) && value(1) >= 0 &&
                   value(1) <= m_doc.GetStockHolding(value(0), company);
        case eORDER_ACQUIRE_TEAM: {
            if (!site() || !IsTeam(value(0), value(1)) || value(2) < 0) return false;
            // A team has one owner and a company one team per league.
            int owner = m_doc.GetMap().GetLeague(value(0)).GetTeam(value(1)).GetOwnerIndex();
            int held = c->GetLeagueTeam(value(0));
            return (owner == -1 || owner == company) && (held == -1 || held == value(1));
        }
        case eORDER_SELL_TEAM:
            return IsLeague(value(0));
        case eORDER_CONSTRUCTION: {
            if (!staff() || !site()) return false;
            if (value(0) == -1) return true;
            if (!IsStructureType(value(0))) return false;
            int width = 1, height = 1;
            m_doc.GetMap().GetStructureType(value(0))->GetSize(width, height);
            CCellPoint cell = PointOf(r);
            return IsCell(param(0), CCellPoint(cell.x - width + 1, cell.y - height + 1));
        }
        case eORDER_CONTRACT:
            return value(0) >= -1 && value(0) < companies && site() && value(1) >= -1 &&
                   value(1) < m_doc.GetMap().GetStructureTypeCount() && value(2) >= 0;
        case eORDER_REINFORCE:
            return staff() && site();
        case eORDER_SALARY:
            return position(value(0)) && value(1) >= 0;
        case eORDER_RECRUIT_EMPLOYEES:
        case eORDER_RECRUIT_MANAGEMENT:
        case eORDER_ABANDON:
        case eORDER_LOAN:
            return staff();
        case eORDER_HEADHUNTING:
            return staff() && Director(kind(1)) != nullptr;
        case eORDER_LAYOFF:
            return position(value(0)) && value(1) >= 0;
        case eORDER_ADVERTISING:
            return staff() && (param(0) == -1 || IsArea(param(0))) && value(0) >= 0;
        case eORDER_ADVERTISING_COST:
            return value(0) >= 0;
        case eORDER_REPAY_LOAN:
            // Funds and debt both stay at 0 or above.
            return value(0) >= 0 && value(0) <= std::min(c->GetFunds(), c->GetDebt());
        case eORDER_INVESTMENT:
            return staff() && IsArea(param(0)) && value(0) >= 0 && value(0) < kInvestmentKinds &&
                   value(1) >= 0;
        case eORDER_TEAM_SUPPORT:
            return staff() && IsLeague(value(0));
        case eORDER_HOME_FIELD:
            return IsLeague(value(0)) && site();
        default:
            return false;
    }
}

bool COrderService::OnCmdSetRecord(int company, const CCmdSet& r) {
    const int type = r.GetOrderType();
    if (type < eORDER_FIRST || type > eORDER_LAST) return true;
    if (!IsValidRecord(company, r)) return false;
    CEnterprise& c = *Company(company);
    auto kind = [&](int i) { return r.GetKind(i); };
    auto param = [&](int i) { return r.GetParam(i); };
    auto value = [&](int i) { return r.GetValue(i); };
    const CCellPoint point = r.GetPointCount() > 0 ? PointOf(r) : CCellPoint(-1, -1);

    switch (type) {
        case eORDER_DESIGNATED_PURCHASE:
            ApplyDesignatedPurchase(kind(0), param(0), point, value(0));
            break;
        case eORDER_ACQUIRE_LAND:
            ApplyAcquireLand(kind(0), param(0), value(0), point);
            break;
        case eORDER_LOT_SALE:
            c.SetAuctionBid(value(0), param(0), point.x, point.y, value(1));
            break;
        case eORDER_PURCHASE_STOCK:
            ApplyPurchaseStock(kind(0), value(0));
            break;
        case eORDER_SELL_STOCK:
            ApplySellStock(company, value(0), value(1));
            break;
        case eORDER_ACQUIRE_TEAM:
            CompleteProTeamPurchase(company, value(0), value(1), param(0), point, value(2), 0);
            break;
        case eORDER_SELL_TEAM:
            ApplySellProTeam(company, value(0));
            break;
        case eORDER_CONSTRUCTION:
            ApplyConstruction(kind(0), param(0), point, value(0));
            break;
        case eORDER_CONTRACT:
            c.SetContractBid(value(0), param(0), point.x, point.y, value(1), value(2));
            break;
        case eORDER_REINFORCE:
            ApplyReinforceBuilding(kind(0), param(0), point);
            break;
        case eORDER_SALARY:
            c.SetSalary(value(0), value(1), value(2) == 1);
            break;
        case eORDER_RECRUIT_EMPLOYEES:
            ApplyRecruitEmployees(kind(0));
            break;
        case eORDER_RECRUIT_MANAGEMENT:
            ApplyRecruitManagement(kind(0));
            break;
        case eORDER_HEADHUNTING:
            ApplyHeadhunting(kind(0), kind(1));
            break;
        case eORDER_ABANDON:
            IssueAbandonProject(kind(0), 0);
            break;
        case eORDER_LAYOFF:
            ApplyLayoff(company, value(0), value(1));
            break;
        case eORDER_ADVERTISING:
            ApplyAdvertising(kind(0), param(0), value(0));
            break;
        case eORDER_ADVERTISING_COST:
            c.SetAdvertisingCost(value(0));
            break;
        case eORDER_LOAN:
            ApplyLoan(kind(0));
            break;
        case eORDER_REPAY_LOAN:
            IssueRepayLoan(company, value(0), 0, 1);
            break;
        case eORDER_INVESTMENT:
            ApplyInvestment(kind(0), param(0), value(0), value(1));
            break;
        case eORDER_TEAM_SUPPORT:
            ApplyFinancialSupport(kind(0), value(0), value(1) == 1);
            break;
        case eORDER_HOME_FIELD:
            ApplyChangeHomeField(company, value(0), param(0), point, 0);
            break;
    }
    return true;
}
