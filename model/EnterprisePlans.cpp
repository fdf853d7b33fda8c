// The questions and changes that the computer player, the orders and the
// directors' tasks put to a company's plans.

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"

namespace {

bool IsAt(const CCmdPacket::SStep& step, int area, int x, int y) {
    return step.param3 == area && step.point.x == x && step.point.y == y;
}

}  // namespace

void CEnterprise::RemovePlan(int i) {
    if (i < 0 || i >= GetPlanCount()) throw std::out_of_range("CEnterprise::RemovePlan");
    m_plans.erase(m_plans.begin() + i);
}

void CEnterprise::CancelPlanAt(int director, int remove) {
    if (IsHumanPlayed()) return;
    for (int i = 0; i < GetPlanCount(); ++i) {
        CCmdPacket& plan = m_plans[static_cast<size_t>(i)];
        if (!plan.ReleaseDirector(director, remove)) continue;
        if (plan.GetStepCount() == 0) RemovePlan(i);
        return;
    }
}

void CEnterprise::RemoveDirectorFromPlans(int director) {
    if (IsHumanPlayed()) return;
    for (int i = 0; i < GetPlanCount(); ++i) {
        CCmdPacket& plan = m_plans[static_cast<size_t>(i)];
        if (!plan.RemoveDirectorSteps(director)) continue;
        if (plan.GetStepCount() == 0) RemovePlan(i);
        return;
    }
}

bool CEnterprise::HasPlanAt(int area, int x, int y) const {
    return std::any_of(m_plans.begin(), m_plans.end(),
                       [&](const CCmdPacket& plan) { return plan.CoversCell(area, x, y) != 0; });
}

bool CEnterprise::IsLotPlannedForConstruction(int person, int area, int x, int y) {
    if (IsHumanPlayed()) return true;
    for (CCmdPacket& plan : m_plans) {
        if (plan.GetPlanType() != CCmdPacket::ePLAN_BUILD) continue;
        for (int i = 0; i < plan.GetStepCount(); ++i) {
            const CCmdPacket::SStep& step = plan.GetStep(i);
            if (step.kind != eCOM_CONSTRUCTION || !IsAt(step, area, x, y)) continue;
            plan.SetParam1(i, person);
            return true;
        }
    }
    return false;
}

bool CEnterprise::IsPlannedCommandAt(int kind, int area, int x, int y) {
    if (IsHumanPlayed()) return true;
    for (CCmdPacket& plan : m_plans)
        for (int i = 0; i < plan.GetStepCount(); ++i) {
            const CCmdPacket::SStep& step = plan.GetStep(i);
            if (step.kind != kind || !IsAt(step, area, x, y)) continue;
            plan.SetDone(i, 0);
            return true;
        }
    return false;
}

bool CEnterprise::HasPlanOfType(int planType, int v) const {
    return CountPlansOfType(planType, v) > 0;
}

int CEnterprise::CountPlansOfType(int planType, int v) const {
    return static_cast<int>(std::count_if(m_plans.begin(), m_plans.end(), [&](const CCmdPacket& p) {
        if (p.GetPlanType() != planType) return false;
        return v == -1 || (p.GetStepCount() > 0 && p.GetParam2(0) == v);
    }));
}

bool CEnterprise::HasPlanForArea(int area) const {
    return std::any_of(m_plans.begin(), m_plans.end(),
                       [area](const CCmdPacket& plan) { return plan.HasOfficePlanIn(area); }) ||
           HasDirectorInArea(area);
}

int CEnterprise::CountPlannedBuildings(int flag) const {
    // This flag is not the leagues' sport selector (kind 0 = code 80): here
    // 1 counts code-80 stadiums and 0 code-85 ones, as the rating callers pass it.
    int code = StructureCode::StadiumTypeCode(flag ? 0 : 1);
    int count = 0;
    for (const CCmdPacket& plan : m_plans)
        for (const CCmdPacket::SStep& step : plan.GetSteps())
            if (step.kind == eCOM_CONSTRUCTION && step.param2 >= 0 &&
                Services::Map().GetStructureTypeCode(step.param2) == code)
                ++count;
    return count;
}

int CEnterprise::CountPlannedSupport(int league, int team) const {
    int count = 0;
    for (const CCmdPacket& plan : m_plans)
        for (const CCmdPacket::SStep& step : plan.GetSteps())
            if (step.kind == eCOM_FINANCIAL_SUPPORT && step.param2 == league && step.param3 == team)
                ++count;
    return count;
}

int CEnterprise::CountPlannedLandBuys(int area) const {
    int count = 0;
    for (const CCmdPacket& plan : m_plans)
        for (const CCmdPacket::SStep& step : plan.GetSteps())
            if (step.kind == eCOM_ACQUIRE_LAND && step.param3 == area) ++count;
    return count;
}

int CEnterprise::CountLoanPlans() const {
    return static_cast<int>(std::count_if(m_plans.begin(), m_plans.end(),
                                          [](const CCmdPacket& p) { return p.IsLoanPlan(); }));
}

int CEnterprise::SumPlannedLoans() const {
    int64_t sum = 0;
    for (const CCmdPacket& plan : m_plans)
        if (plan.IsLoanPlan()) sum += plan.GetPlannedLoanAmount(*this);
    return ClampToInt(sum);
}

int CEnterprise::CountHuntsForPerson(int person) const {
    int count = static_cast<int>(
        std::count_if(m_plans.begin(), m_plans.end(),
                      [person](const CCmdPacket& p) { return p.IsHeadhuntingTargetOf(person); }));
    for (int i = 0; i < GetDirectorCount(); ++i) {
        const CPersonData* director = GetDirector(i);
        if (director && director->IsHuntingPerson(person)) ++count;
    }
    return count;
}
