// What a plan costs and whether it can go ahead: the computer player budgets
// with the costs and asks the feasibility check before each step and once a
// month for the plan as a whole.

#include <algorithm>
#include <climits>
#include <cmath>

#include "model/BD.h"
#include "model/CmdPacket.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"

namespace {

constexpr int kDemolitionCost = 10;
// Rubble: nothing to reinforce.
// Land bought without a director is reckoned at this multiple of the area's
// price level.
constexpr double kLandLevelFactor = 1.3;

const CMapDoc* Map() {
    return Services::Map().GetMapDoc();
}

bool IsAreaOnMap(int area) {
    const CMapDoc* map = Map();
    return map && area >= 0 && area < map->GetAreaCount();
}

bool IsCellOnMap(int area, int x, int y) {
    return IsAreaOnMap(area) && Map()->GetArea(area).IsInGrid(x, y);
}

const CLeague* LeagueOf(int league) {
    return league >= 0 && league < CEnterprise::kLeagueCount ? Services::Map().GetLeague(league)
                                                             : nullptr;
}

bool HasTeam(const CLeague* league, int team) {
    return league && team >= 0 && team < league->GetTeamCount();
}

// The step's director, when one is assigned.
const CPersonData* DirectorOf(const CCmdPacket::SStep& step) {
    return step.param1 >= 0 ? Services::Companies().GetDirector(step.param1) : nullptr;
}

int LandCost(const CCmdPacket::SStep& step) {
    if (const CPersonData* director = DirectorOf(step)) {
        int entrusted = director->GetTaskParam(0);
        return entrusted != 0 ? entrusted : director->EstimateBudget(true);
    }
    if (!IsAreaOnMap(step.param3)) return 0;
    return static_cast<int>(Map()->GetArea(step.param3).GetLevel() * kLandLevelFactor);
}

int PurchaseCost(const CCmdPacket::SStep& step) {
    if (!IsCellOnMap(step.param3, step.point.x, step.point.y)) return 0;
    int price =
        Map()->GetLotPriceForDirector(step.param3, step.point.x, step.point.y, DirectorOf(step));
    // A lot that cannot be traded (-1) costs nothing rather than lowering
    // the plan's total.
    return ClampToInt(std::max<int64_t>(int64_t{price} * 7 / 5, 0));
}

int ConstructionCost(int structureType) {
    if (structureType < 0) return kDemolitionCost;
    const CBD* type = Services::Map().GetStructureType(structureType);
    return type ? type->GetBasePrice() : 0;
}

int TeamPrice(int league, int team) {
    const CLeague* l = LeagueOf(league);
    return HasTeam(l, team) ? l->GetTeamPrice(team) : 0;
}

int SupportCost(int league, int team) {
    const CMapDoc* map = Map();
    return map && HasTeam(LeagueOf(league), team) ? map->GetLeagueFigure(league, team) : 0;
}

// The size of the cells a construction step stands on; a demolition is
// checked at its cell alone.
void CheckedFootprint(const CCmdPacket::SStep& step, int& width, int& height) {
    width = height = 1;
    if (step.param2 < 0) return;
    if (const CBD* type = Services::Map().GetStructureType(step.param2))
        type->GetSize(width, height);
}

int StructureCodeAt(int area, int x, int y) {
    int number = Services::Map().GetCellStructure(area, x, y);
    return number > 0 ? Services::Map().GetStructureTypeCode(number - 1) : 0;
}

// One feasibility check of one plan for one company.
class CFeasibility {
public:
    CFeasibility(const CEnterprise& company, int needDirector, int wholePlan)
        : m_company(company),
          m_owner(company.GetNumber() + 1),
          m_needDirector(needDirector),
          m_wholePlan(wholePlan) {}

    bool Test(const CCmdPacket& plan, int i) const {
        const CCmdPacket::SStep& step = plan.GetStep(i);
        switch (step.kind) {
            case eCOM_ACQUIRE_LAND:
                return m_wholePlan || (CanPay(plan, i) && HasDirector());
            case eCOM_DESIGNATED_PURCHASE:
                return PurchaseStillOpen(step) &&
                       (m_wholePlan || (CanPay(plan, i) && HasDirector()));
            case eCOM_CONSTRUCTION:
                return ConstructionPossible(step, i);
            case eCOM_RECRUIT_EMPLOYEES:
            case eCOM_RECRUIT_MANAGEMENT:
            case eCOM_HEADHUNTING:
            case eCOM_LOAN:
                return HasDirector();
            case eCOM_ADVERTISING:
            case eCOM_INVEST_PROJECT:
            case eCOM_INVEST_PREVENTION:
            case eCOM_INVEST_EXPO:
            case eCOM_INVEST_DONATION:
            case eCOM_PURCHASE_STOCK:
                return HasFunds(step.param2) && HasDirector();
            case eCOM_REINFORCE:
                return HasFunds(step.param2) && HasDirector() && CanReinforce(step);
            case eCOM_ACQUIRE_TEAM:
                return TeamAvailable(step);
            case eCOM_FINANCIAL_SUPPORT:
                return LeagueOf(step.param2) && m_company.GetLeagueTeam(step.param2) >= 0 &&
                       HasFunds(SupportCost(step.param2, step.param3));
            default:
                return true;
        }
    }

private:
    bool HasDirector() const { return !m_needDirector || m_company.CountFreeDirectors() > 0; }
    // The money tests belong to the check of the next steps only.
    bool HasFunds(int amount) const { return m_wholePlan || amount <= m_company.GetFunds(); }
    bool CanPay(const CCmdPacket& plan, int i) const {
        int cost = plan.GetStepCost(i);
        return RandomVary(cost, cost / 3) <= m_company.GetFunds();
    }

    bool PurchaseStillOpen(const CCmdPacket::SStep& step) const {
        int area = step.param3, x = step.point.x, y = step.point.y;
        if (!Services::Map().IsCellUsable(area, x, y)) return false;
        if (step.param2 < 1)
            return !(step.param2 == -2 && Services::Map().GetCellOwner(area, x, y) != 0);
        return Services::Map().GetCellOwner(area, x, y) != m_owner &&
               Services::Map().GetCellStructure(area, x, y) == step.param2;
    }

    bool ConstructionPossible(const CCmdPacket::SStep& step, int i) const {
        bool building = step.param2 != -1;
        bool ownershipMatters = !m_wholePlan || i == 0;
        int width = 1, height = 1;
        CheckedFootprint(step, width, height);
        for (int y = step.point.y - height + 1; y <= step.point.y; ++y)
            for (int x = step.point.x - width + 1; x <= step.point.x; ++x) {
                if (ownershipMatters && Services::Map().GetCellOwner(step.param3, x, y) != m_owner)
                    return false;
                if (building && Services::Map().GetCellStructure(step.param3, x, y) != 0)
                    return false;
            }
        if (m_wholePlan) return true;
        if (!building) return m_company.GetFunds() >= kDemolitionCost;
        const CBD* type = Services::Map().GetStructureType(step.param2);
        int cost = type ? type->GetBasePrice() : 0;
        int staff = type ? type->GetValueFigure() : 0;
        return m_company.GetFunds() >= cost && m_company.GetEmployeesAtWork() >= staff;
    }

    bool CanReinforce(const CCmdPacket::SStep& step) const {
        int area = step.param3, x = step.point.x, y = step.point.y;
        return Services::Map().GetCellOwner(area, x, y) == m_owner &&
               StructureCodeAt(area, x, y) != StructureCode::kRubble;
    }

    bool TeamAvailable(const CCmdPacket::SStep& step) const {
        const CLeague* league = LeagueOf(step.param1);
        if (!HasTeam(league, step.param2)) return false;
        int area = step.param3, x = step.point.x, y = step.point.y;
        if (!IsCellOnMap(area, x, y) ||
            !Map()->IsCellAvailableTo(m_company.GetNumber(), league->GetStadiumKind(), area, x, y))
            return false;
        const CProTeam& team = league->GetTeam(step.param2);
        if (team.GetOwnerIndex() >= 0 || !team.IsForSale()) return false;
        return HasFunds(league->GetTeamPrice(step.param2));
    }

    const CEnterprise& m_company;
    int m_owner;
    int m_needDirector;
    int m_wholePlan;
};

}  // namespace

int CCmdPacket::GetStepCost(int i) const {
    const SStep& step = GetStep(i);
    switch (step.kind) {
        case eCOM_ACQUIRE_LAND:
            return LandCost(step);
        case eCOM_DESIGNATED_PURCHASE:
            return PurchaseCost(step);
        case eCOM_CONSTRUCTION:
            return ConstructionCost(step.param2);
        case eCOM_ADVERTISING:
        case eCOM_INVEST_PROJECT:
        case eCOM_INVEST_PREVENTION:
        case eCOM_INVEST_EXPO:
        case eCOM_INVEST_DONATION:
        case eCOM_REINFORCE:
        case eCOM_PURCHASE_STOCK:
            return step.param2;
        case eCOM_ACQUIRE_TEAM:
            return TeamPrice(step.param1, step.param2);
        case eCOM_FINANCIAL_SUPPORT:
            return SupportCost(step.param2, step.param3);
        default:
            return 0;
    }
}

int CCmdPacket::GetPlanCost(int doneOnly) const {
    int64_t sum = 0;
    for (int i = 0; i < GetStepCount(); ++i)
        if (!doneOnly || m_steps[static_cast<size_t>(i)].done) sum += GetStepCost(i);
    return ClampToInt(sum);
}

int CCmdPacket::GetPlannedLoanAmount(const CEnterprise& company) const {
    if (!IsLoanPlan()) return 0;
    bool hasLoanStep = std::any_of(m_steps.begin(), m_steps.end(),
                                   [](const SStep& step) { return step.kind == eCOM_LOAN; });
    return hasLoanStep ? company.CalcLoanAmount(nullptr) : 0;
}

int CCmdPacket::CheckFeasible(const CEnterprise& company, int needDirector, int wholePlan) {
    int checked = wholePlan ? GetStepCount() : GetFirstGroupSize();
    bool ok = checked > 0;
    if (wholePlan && m_age > kMaxAge) ok = false;
    CFeasibility feasibility(company, needDirector, wholePlan);
    int pending = 0;
    for (int i = 0; i < checked && ok; ++i) {
        const SStep& step = m_steps[static_cast<size_t>(i)];
        if (step.done) continue;
        ++pending;
        ok = feasibility.Test(*this, i);
    }
    if (!wholePlan && pending == 0) return 0;
    if (wholePlan && !ok) std::erase_if(m_steps, [](const SStep& step) { return !step.done; });
    return ok ? 1 : 0;
}
