// A computer company's monthly turn: stock sales, plans carried out by its
// directors, loan repayment, home fields, advertising and salaries. Every
// action is an order of the document's order service.

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "game/ComCommand.h"
#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"

namespace {

// Each pass carries out a step, removes a step or a plan, or ends the loop;
// the bound only guards against an order that changes nothing.
constexpr int kMaxPassesPerMonth = 64;

int CeilDiv(int64_t a, int64_t b) {
    return b > 0 ? ClampToInt((a + b - 1) / b) : INT_MAX;
}

}  // namespace

void CComCommand::RunMonth() {
    if (!IsUsable()) return;
    SellStock();
    DropInfeasiblePlans();
    for (int pass = 0; pass < kMaxPassesPerMonth && PlanAndExecute(); ++pass) {
    }
    RepayLoan();
    ReviewHomeFields();
    AdjustAdvertisingCost();
    AdjustStandardSalary();
    AdjustDirectorSalaries();
}

int CComCommand::PlanAndExecute() {
    if (!IsUsable()) return 0;
    if (!HasRunnablePlan()) {
        CCmdPacket plan;
        if (!PlanNext(plan)) return 0;
        m_company->GetPlans().push_back(std::move(plan));
    }
    return ExecuteNextStep();
}

int CComCommand::HasRunnablePlan() {
    for (CCmdPacket& plan : m_company->GetPlans())
        if (plan.CheckFeasible(*m_company, 1, 0)) return 1;
    return 0;
}

int CComCommand::DropInfeasiblePlans() {
    int removed = 0;
    for (int i = 0; i < m_company->GetPlanCount();) {
        CCmdPacket& plan = m_company->GetPlan(i);
        if (!plan.CheckFeasible(*m_company, 0, 1) && plan.GetStepCount() == 0) {
            m_company->RemovePlan(i);
            removed = 1;
            continue;
        }
        ++i;
    }
    return removed;
}

// ---------------------------------------------------------------- steps

// The least months any director (busy ones too) needs to finish his task and
// then work of this size at his construction rate.
int CComCommand::ConstructionBestTime(int work) const {
    int best = 9999;
    for (int j = 0; j < m_company->GetDirectorCount(); ++j) {
        const CPersonData* person = m_company->GetDirector(j);
        if (!person) continue;
        const int64_t months = int64_t{person->GetMonthsLeft()} +
                               CeilDiv(work, person->GetMonthlyWork(CPersonData::eTASK_CONSTRUCTION));
        best = static_cast<int>(std::min<int64_t>(best, months));
    }
    return best;
}

bool CComCommand::ChooseDirectorStep(int& planIndex, int& stepIndex, int& director) {
    if (m_company->CountFreeDirectors() < 1) return false;
    const int spread = Ability(1);
    int bestScore = INT_MIN;
    for (int p = 0; p < m_company->GetPlanCount(); ++p) {
        CCmdPacket& plan = m_company->GetPlan(p);
        if (!plan.CheckFeasible(*m_company, 1, 0)) continue;
        for (int i = 0; i < plan.GetFirstGroupSize(); ++i) {
            if (plan.IsDone(i) || !plan.CanRunStep(i, 0)) continue;
            const bool timed = plan.GetKind(i) == eCOM_CONSTRUCTION && plan.GetParam2(i) >= 0;
            int work = 0, bestTime = 0;
            if (timed) {
                const CBD* type = m_doc.GetMap().GetStructureType(plan.GetParam2(i));
                work = ClampToInt(int64_t{type ? type->GetPriceStep() : 0} * 300);
                bestTime = ConstructionBestTime(work);
            }
            for (int j = 0; j < m_company->GetDirectorCount(); ++j) {
                const CPersonData* person = m_company->GetDirector(j);
                if (!person || person->HasTask()) continue;
                int64_t aptitude = plan.GetStepAptitude(i, *person);
                if (timed) {
                    const int own = CeilDiv(work, person->GetMonthlyWork(CPersonData::eTASK_CONSTRUCTION));
                    aptitude = own > 0 ? aptitude * bestTime / own : aptitude;
                }
                const int score = RandomVary(ClampToInt(aptitude), spread);
                if (score > bestScore) {
                    bestScore = score;
                    planIndex = p;
                    stepIndex = i;
                    director = m_company->GetDirectorIndex(j);
                }
            }
        }
        if (bestScore != INT_MIN) return true;
    }
    return false;
}

bool CComCommand::ChooseUndirectedStep(int& planIndex, int& stepIndex, int& contractor,
                                       int& price) {
    int bestScore = INT_MIN;
    for (int p = 0; p < m_company->GetPlanCount(); ++p) {
        CCmdPacket& plan = m_company->GetPlan(p);
        if (!plan.CheckFeasible(*m_company, 0, 0)) continue;
        for (int i = 0; i < plan.GetFirstGroupSize(); ++i) {
            if (plan.IsDone(i)) continue;
            int weight = 0, chosen = -1, stepPrice = 0;
            if (plan.GetKind(i) == eCOM_ACQUIRE_TEAM) {
                weight = 1000;
            } else if (plan.GetKind(i) == eCOM_CONSTRUCTION && !plan.CanRunStep(i, 1) &&
                       plan.CanRunStep(i, 0)) {
                const CBD* type = m_doc.GetMap().GetStructureType(plan.GetParam2(i));
                if (!type) continue;
                stepPrice = ClampToInt(int64_t{type->GetPriceStep()} * 20 +
                                       int64_t{type->GetBasePrice()} * 2 + 10);
                if (FundsLessPlans(0) < stepPrice) continue;
                chosen = ChooseContractor(plan.GetParam3(i), plan.GetParam2(i), stepPrice, weight);
                if (chosen < 0) continue;
                if (Random(m_company->GetAnnualIncome() / 3) < stepPrice - type->GetBasePrice())
                    continue;
            } else {
                continue;
            }
            const int score = Random(weight);
            if (score > bestScore) {
                bestScore = score;
                planIndex = p;
                stepIndex = i;
                contractor = chosen;
                price = stepPrice;
            }
        }
        if (bestScore != INT_MIN) return true;
    }
    return false;
}

int CComCommand::ExecuteNextStep() {
    if (!IsUsable()) return 0;
    int planIndex = -1, stepIndex = -1, director = -1;
    if (ChooseDirectorStep(planIndex, stepIndex, director)) {
        CCmdPacket& plan = m_company->GetPlan(planIndex);
        // The acquire-team step takes its whole plan with it; a step naming
        // a person outside the tables is dropped and may leave its plan
        // empty.
        if (!IssueStep(plan, stepIndex, director) || plan.GetStepCount() == 0)
            m_company->RemovePlan(planIndex);
        return 1;
    }
    int contractor = -1, price = 0;
    if (!ChooseUndirectedStep(planIndex, stepIndex, contractor, price)) return 0;
    CCmdPacket& plan = m_company->GetPlan(planIndex);
    const CCmdPacket::SStep step = plan.GetStep(stepIndex);
    if (step.kind == eCOM_ACQUIRE_TEAM) {
        m_doc.GetOrders().IssueAcquireProTeam(m_companyIndex, step.param1, step.param2,
                                              step.param3, step.point, -1, 0);
        m_company->RemovePlan(planIndex);
        return 1;
    }
    // The work is given to another company: a contract bid, no order.
    m_company->PlaceContractBid(contractor, step.param3, step.point.x, step.point.y, step.param2,
                                price, 0);
    plan.SetDone(stepIndex, 1);
    plan.ResetProgress();
    return 1;
}

bool CComCommand::IssueStep(CCmdPacket& plan, int i, int director) {
    COrderService& orders = m_doc.GetOrders();
    const CCmdPacket::SStep step = plan.GetStep(i);
    switch (step.kind) {
        case eCOM_ACQUIRE_LAND:
            orders.IssueAcquireLand(director, step.param3, step.param2, step.point, 0);
            break;
        case eCOM_DESIGNATED_PURCHASE:
            // The planned sites carry no structure: structure number 0 is
            // the lot's.
            orders.IssueDesignatedPurchase(director, step.param3, step.point, 0, 1);
            break;
        case eCOM_CONSTRUCTION:
            orders.IssueConstruction(director, step.param3, step.point, step.param2, 1);
            break;
        case eCOM_RECRUIT_EMPLOYEES:
            orders.IssueRecruitEmployees(director, 0);
            break;
        case eCOM_RECRUIT_MANAGEMENT:
            orders.IssueRecruitManagement(director, 0);
            break;
        case eCOM_HEADHUNTING:
            if (!m_doc.GetDirector(step.param2)) {
                plan.RemoveStep(i);
                return true;
            }
            orders.IssueHeadhunting(director, step.param2, 0);
            break;
        case eCOM_LOAN:
            orders.IssueLoan(director, 0);
            break;
        case eCOM_ADVERTISING:
            orders.IssueAdvertising(director, step.param3, step.param2, 0);
            break;
        case eCOM_INVEST_PROJECT:
        case eCOM_INVEST_PREVENTION:
        case eCOM_INVEST_EXPO:
        case eCOM_INVEST_DONATION:
            orders.IssueInvestment(director, step.param3, step.kind - eCOM_INVEST_PROJECT,
                                   step.param2, 0);
            break;
        case eCOM_REINFORCE:
            orders.IssueReinforceBuilding(director, step.param3, step.point, 0);
            break;
        case eCOM_PURCHASE_STOCK:
            orders.IssuePurchaseStock(director, step.param2, 0);
            break;
        case eCOM_ACQUIRE_TEAM:
            orders.IssueAcquireProTeam(m_companyIndex, step.param1, step.param2, step.param3,
                                       step.point, -1, 0);
            return false;
        case eCOM_FINANCIAL_SUPPORT:
            orders.IssueFinancialSupport(director, step.param2, step.param3 == 0 ? 1 : 0, 0);
            break;
        default:
            return true;
    }
    plan.SetParam1(i, director);
    if (const CPersonData* person = m_doc.GetDirector(director))
        m_doc.SendPersonState(*person, ePERSON_RECORD);
    plan.SetDone(i, 1);
    plan.ResetProgress();
    return true;
}

// ---------------------------------------------------------------- money

void CComCommand::SellStock() {
    int stockCompany = -1, quantity = 0;
    if (DecideStockSale(stockCompany, quantity) > 0)
        m_doc.GetOrders().IssueSellStock(m_companyIndex, stockCompany, quantity, 1);
}

void CComCommand::RepayLoan() {
    const int amount = DecideLoanRepayment();
    if (amount > 0) m_doc.GetOrders().IssueRepayLoan(m_companyIndex, amount, 1, 1);
}

// ---------------------------------------------------------------- home fields

void CComCommand::ReviewHomeFields() {
    std::vector<int> leagues;
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
        if (m_company->GetLeagueTeam(l) >= 0) leagues.push_back(l);
    ShuffleArray(leagues);
    for (int l : leagues) ChooseHomeField(l);
}

void CComCommand::ChooseHomeField(int league) {
    CMapDoc& map = m_doc.GetMap();
    if (!IsUsable() || league < 0 || league >= CMapDoc::kLeagueCount) return;
    const int team = m_company->GetLeagueTeam(league);
    const CLeague& record = map.GetLeague(league);
    if (team < 0 || team >= record.GetTeamCount()) return;
    const CProTeam& pro = record.GetTeam(team);
    const int owner = m_companyIndex + 1;
    const int homeArea = pro.GetHomeArea();
    const CCellPoint home(pro.GetHomeX(), pro.GetHomeY());
    auto owned = [&](int area, CCellPoint cell) {
        return map.GetArea(area).GetCellOwner(cell.x, cell.y) == owner;
    };

    int64_t best = 0;
    const bool hasHome = homeArea >= 0 && homeArea < map.GetAreaCount() &&
                         map.GetArea(homeArea).IsInGrid(home.x, home.y);
    if (hasHome) {
        best = map.RateHomeFieldSite(homeArea, home.x, home.y, league, team, 0);
        if (owned(homeArea, home)) best *= 2;
    }
    const int kind = record.GetStadiumKind();
    int bestArea = -1;
    CCellPoint bestCell(-1, -1);
    for (int a = 0; a < map.GetAreaCount(); ++a) {
        const CMapData& area = map.GetArea(a);
        for (int i = 0; i < area.GetStadiumCount(kind); ++i) {
            const CCellPoint cell = area.GetPairListCell(kind, i);
            if (!area.IsInGrid(cell.x, cell.y) || (hasHome && a == homeArea && cell == home))
                continue;
            if (!map.IsCellAvailableTo(m_companyIndex, kind, a, cell.x, cell.y)) continue;
            int64_t rating = map.RateHomeFieldSite(a, cell.x, cell.y, league, team, -1);
            if (owned(a, cell)) rating *= 2;
            if (rating > best) {
                best = rating;
                bestArea = a;
                bestCell = cell;
            }
        }
    }
    if (bestArea >= 0)
        m_doc.GetOrders().IssueChangeHomeField(m_companyIndex, league, bestArea, bestCell, 0);
}

// ---------------------------------------------------------------- pay

void CComCommand::AdjustAdvertisingCost() {
    m_company->IssueAdvertisingCost(m_company->CalcTargetAdvertisingCost(), 1);
}

void CComCommand::AdjustStandardSalary() {
    const int a = Ability(1);
    const int d = Ability(0);
    const int g = m_president->GetSociability();
    const int64_t fair = m_company->CalcFairSalary();
    const int morale = m_company->GetRating();
    const int k1 = std::clamp((20000 / std::max(morale + 100, 1)) / 2, 50, 150);
    const int k2 = std::clamp(d / 3 + g * 6 + 85, 85, 130);
    const int target = ClampToInt(((fair * k2 / 100 + g) + fair * k1 / 100) * 5 / 10);
    const int64_t gap = std::llabs(int64_t{target} - m_company->GetStandardSalary());
    if (gap * 30 >= 150 - a / 2 - g * 5) m_company->IssueDirectorSalary(0, target, 0, 1);
}

void CComCommand::AdjustDirectorSalaries() {
    const int base = Ability(0) / 3 + m_president->GetSociability() * 6 + 85;
    for (int i = 0; i < m_company->GetDirectorCount(); ++i) {
        const CPersonData* person = m_company->GetDirector(i);
        if (!person) continue;
        const int r = person->GetRelation(m_companyIndex);
        const int64_t s = person->CalcSalary(true);
        const int64_t pay =
            (base + TruncToInt(std::sqrt(std::max(2000 - r, 0)))) * s / 100;
        m_company->IssueDirectorSalary(i + 1, ClampToInt(pay), 0, 1);
    }
}
