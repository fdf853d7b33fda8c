// The adviser's counsel: every advice kind is scored by the computer
// player's own planners and deciders in advice mode, and the best few that
// reach the adviser's acceptance level make the company's advice list.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "game/ComCommand.h"
#include "game/VDoc.h"
#include "model/AdvicePacket.h"
#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"

namespace {

constexpr int kAdviceKinds = CAdvicePacket::kLastKind + 1;
constexpr int kMaxSlots = 5;
// Never: the detailed sentence is not offered for the kind.
constexpr int kNever = -1;

// For each kind: the adviser's Analysis draw must exceed this for the
// detailed sentence.
constexpr int kDetailLevel[kAdviceKinds] = {35,     20, kNever, kNever, 30, 40, kNever,
                                            kNever, kNever, 40, kNever, kNever, 30, kNever,
                                            20,     20, 20, 20, 20, 40};

int64_t Abs64(int64_t v) {
    return v < 0 ? -v : v;
}

}  // namespace

std::vector<int> CComCommand::FillAdviceSlots(const std::vector<int>& scores, int slots,
                                              int threshold) {
    slots = std::clamp(slots, 0, kMaxSlots);
    std::vector<int> kinds;
    std::vector<int> taken;
    for (size_t kind = 0; kind < scores.size(); ++kind) {
        const int s = scores[kind];
        if (s < threshold || s <= 0) continue;
        // The first slot scoring strictly less takes it: equal scores keep
        // the earlier kind ahead.
        size_t j = 0;
        while (j < taken.size() && taken[j] >= s) ++j;
        if (j >= static_cast<size_t>(slots)) continue;
        taken.insert(taken.begin() + static_cast<std::ptrdiff_t>(j), s);
        kinds.insert(kinds.begin() + static_cast<std::ptrdiff_t>(j), static_cast<int>(kind));
        if (taken.size() > static_cast<size_t>(slots)) {
            taken.pop_back();
            kinds.pop_back();
        }
    }
    return kinds;
}

void CComCommand::BuildAdvice() {
    if (!IsUsable()) return;
    const int ability = m_company->GetAdviserAbility();
    const int threshold = m_company->GetAdviceThreshold();
    const int accept = ClampToInt(int64_t{threshold} * 3 / 2 + 300);
    const int slots = std::clamp(Random(ability / 10), 1, kMaxSlots);
    std::vector<int> scores;
    std::vector<CAdvicePacket> records;
    for (int kind = 0; kind < kAdviceKinds; ++kind) {
        CAdvicePacket record;
        scores.push_back(ScoreAdvice(kind, record, threshold));
        records.push_back(record);
    }
    std::vector<CAdvicePacket>& list = m_company->GetAdvice();
    list.clear();
    for (int kind : FillAdviceSlots(scores, slots, accept))
        list.push_back(records[static_cast<size_t>(kind)]);
}

int CComCommand::ScoreAdvice(int kind, CAdvicePacket& record, int threshold) {
    if (!IsUsable() || kind < 0 || kind >= kAdviceKinds) return 0;
    CCmdPacket plan;
    int score = 0;
    int company = -1, quantity = 0, person = -1, change = 0;
    switch (kind) {
        case 0:
            score = TruncToInt(PlanConstruction(plan, 0));
            break;
        case 1:
            score = Random(TruncToInt(PlanInvestment(plan, 0, 0)));
            break;
        case 2:
            score = PlanLandAcquisition(plan, 0) * 2 / 3;
            break;
        case 3:
            score = PlanAdvertising(plan, 0) / 2;
            break;
        case 4:
            score = Random(TruncToInt(PlanInvestment(plan, 1, 0)));
            break;
        case 5:
            score = Random(TruncToInt(PlanStockPurchase(plan, 0) / 2));
            break;
        case 6:
            score = DecideStockSale(company, quantity);
            break;
        case 7:
            score = TruncToInt(PlanBankLoan(plan, 0));
            break;
        case 8:
            score = ScoreLoanRepayment();
            break;
        case 9:
            score = TruncToInt(PlanExpansion(plan, 0));
            break;
        case 10:
            score = TruncToInt(PlanRecruitEmployees(plan, 0));
            break;
        case 11:
            score = TruncToInt(PlanRecruitManagement(plan, 0));
            break;
        case 12: {
            const int h = TruncToInt(PlanHeadhunting(plan, 0, threshold / 20));
            score = ClampToInt(int64_t{Random(ClampToInt(int64_t{h} * 3 / 2))} + h);
            break;
        }
        case 13:
            score = TruncToInt(PlanRepairs(plan, 0) * 2 / 3);
            break;
        case 14:
            score = RateAdvertisingBudget(change);
            break;
        case 15:
            score = RateEmployeeSalary(change);
            break;
        case 16:
            score = RateDirectorSalary(person, change);
            break;
        case 17:
            score = Random(TruncToInt(PlanInvestment(plan, 2, 0)));
            break;
        case 18:
            score = Random(TruncToInt(PlanInvestment(plan, 3, 0)));
            break;
        default:
            score = PlanProTeamPurchase(plan, 0);
            break;
    }
    if (score <= 0) return score;

    const int ability = m_company->GetAdviserAbility();
    const int level = kDetailLevel[kind];
    record.SetKind(kind);
    if (level != kNever) record.SetDetailed(Random(ability) > level);
    const bool hasStep = plan.GetStepCount() > 0;
    switch (kind) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 9:
        case 17:
        case 18:
            if (hasStep) record.SetValue(plan.GetParam3(0));
            if (kind == 0) record.SetParam3(plan.GetConstructionTarget());
            break;
        case 5:
            if (hasStep) record.SetParam1(plan.GetParam2(0));
            break;
        case 6:
            record.SetParam1(company);
            record.SetParam3(quantity);
            break;
        case 12:
            if (hasStep) record.SetParam2(plan.GetParam2(0));
            break;
        case 13:
            if (hasStep) {
                CCellPoint point;
                plan.GetPoint(point, 0);
                record.SetValue(plan.GetParam3(0));
                record.SetPoint(point.x, point.y);
                record.SetParam3(plan.GetKind(0) != eCOM_CONSTRUCTION ? 1 : 0);
            }
            break;
        case 14:
        case 15:
            record.SetParam3(change);
            break;
        case 16:
            record.SetParam2(person);
            record.SetParam3(change);
            break;
        case 19:
            if (hasStep) {
                record.SetParam2(plan.GetParam1(0));
                record.SetParam3(plan.GetParam2(0));
            }
            break;
        default:
            break;
    }
    return score - Random(threshold / 2);
}

int CComCommand::ScoreLoanRepayment() {
    const int x = DecideLoanRepayment();
    const int twice = ClampToInt(int64_t{x} * 2);
    return ClampToInt(int64_t{Random(twice)} + twice);
}

int CComCommand::RateAdvertisingBudget(int& change) {
    const int64_t t = m_company->CalcTargetAdvertisingCost();
    const int64_t c = m_company->GetAdvertisingCost();
    int64_t s = 0;
    if (t >= 1) {
        int64_t d = Abs64(c - t);
        if (c > t) d /= 3;
        s = (d * 100 / t) * 20;
    } else {
        s = c * 100;
    }
    change = ClampToInt(t - c);
    const int si = ClampToInt(s);
    return ClampToInt(int64_t{Random(si / 2)} + si);
}

int CComCommand::RateEmployeeSalary(int& change) {
    change = 0;
    const int64_t n = m_company->GetEmployees();
    const int64_t f = m_company->CalcFairSalary();
    // Without a fair salary no pay can be weighed against it.
    if (f <= 0) return 0;
    int64_t t = f * n / 1000;
    if (n - t * 1000 / f > 0) ++t;
    const int64_t c = m_company->GetMonthlyPayroll(0, 0);
    int64_t s = 0;
    if (t >= 1) {
        const int64_t d = Abs64(c - t) * 100 / t;
        s = c > t ? d * 40 : d * 100;
    } else {
        s = c * 50;
    }
    change = ClampToInt(t - c);
    const int si = ClampToInt(s);
    return ClampToInt(int64_t{Random(si / 2)} + si);
}

int CComCommand::RateDirectorSalary(int& person, int& change) {
    person = -1;
    change = 0;
    int best = 0;
    bool any = false;
    for (int i = 0; i < m_company->GetDirectorCount(); ++i) {
        const int index = m_company->GetDirectorIndex(i);
        const CPersonData* director = m_company->GetDirector(i);
        if (!director || index == m_company->GetAdviser()) continue;
        const int64_t f = director->CalcSalary(false);
        const int64_t c = director->GetSalary();
        // A director without a fair salary gives no measure of his pay.
        if (f <= 0) continue;
        int64_t x = Abs64(c - f) * 3000 / f;
        if (c > f) x /= 4;
        const int xi = ClampToInt(x);
        const int s = ClampToInt(int64_t{Random(xi / 2)} + xi);
        if (!any || s > best) {
            any = true;
            best = s;
            person = index;
            change = ClampToInt(f - c);
        }
    }
    return any ? best : 0;
}
