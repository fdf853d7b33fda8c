// The money side of a company: estimated tax, the loan a director can
// raise, the allowance, the standing score, and the bank's month-end recall
// of loans with the forced sale of buildings.

#include <algorithm>
#include <climits>
#include <cmath>

#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/services/Services.h"

namespace {

constexpr int kRecallBase = 5000;

struct SLot {
    int area, x, y, halfPrice;
};

}  // namespace

int CEnterprise::CalcEstimatedTax(int thisYear) const {
    if (m_pastProfit.empty()) return 0;
    int64_t profit = 0;
    if (thisYear) {
        profit = GetAnnualProfit(-1);
    } else {
        // A year the array does not reach has no profit to tax.
        profit = GetAnnualProfit(Services::Game().GetCurrentMonthIndex() / kMonths);
    }
    if (profit <= 0) return 0;
    int64_t byRate = TruncToInt64(double(profit) * 0.65);
    int64_t byCurve = TruncToInt64(std::pow(double(profit / 10), 1.2) * 0.9);
    return ClampToInt(std::max<int64_t>(std::min(byRate, byCurve), 0));
}

int CEnterprise::CalcIncomeAllowance() const {
    int64_t x = std::max<int64_t>(30, int64_t{GetAnnualIncome()} / 4 * 5);
    int64_t a = TruncToInt64(std::pow(double(x), 0.7)) * 5;
    int64_t allowance = a / 12;
    if (GetDirectorCount() > 0) allowance /= GetDirectorCount();
    return ClampToInt(std::max<int64_t>(allowance, 1));
}

int CEnterprise::CalcLoanAmount(const CPersonData* director) const {
    if (m_debt == kDebtCeiling) return 0;
    int64_t headroom = std::max<int64_t>(int64_t{kDebtCeiling} - m_debt, 0);
    int64_t ability = director ? std::max(director->GetAbility(2, false), 100) : 35;
    int64_t y = TruncToInt64(std::pow(double(headroom * 100 / kDebtCeiling), 0.8) * 3.5);
    int64_t z = (ability + 20) * y / 70;
    return ClampToInt(std::min(headroom, std::max<int64_t>(10, z)));
}

int CEnterprise::CalcStandingScore() const {
    double debt = m_debt;
    int64_t directors = GetDirectorCount();
    int64_t score = TruncToInt64(debt * debt) / 5000 + directors * directors;
    int64_t income = GetAnnualIncome();
    if (income > 0) {
        score += TruncToInt64(double(income) * double(income)) / 5000;
    } else {
        income = std::max<int64_t>(income, -500);
        score -= TruncToInt64(std::pow(double(-income), 0.6));
    }
    return ClampToInt(score);
}

int CEnterprise::SumPlannedValue() const {
    int64_t sum = 0;
    for (const CCmdPacket& plan : m_plans) sum += plan.GetPlanStaff();
    return ClampToInt(sum);
}

int CEnterprise::SumPlannedCosts(int doneOnly) const {
    int64_t sum = 0;
    for (const CCmdPacket& plan : m_plans) sum += plan.GetPlanCost(doneOnly);
    return ClampToInt(sum);
}

int CEnterprise::CalcFundsShortfall(int withLoans) const {
    int64_t loans = withLoans ? SumPlannedLoans() : 0;
    const CPersonData* president = GetPresident();
    int64_t ability = president ? president->GetAbility(0, false) : 0;
    int64_t margin = (5 - ability) * 20 + int64_t{GetAnnualProfit(-1)} * 2 / 12;
    int64_t v = int64_t{m_funds} + loans - SumPlannedCosts(1) + Random(ClampToInt(margin));
    return v > 0 ? 0 : ClampToInt(-v);
}

int CEnterprise::CalcSpendableFunds(int early) const {
    int64_t t = int64_t{GetAnnualIncome()} * 3;
    int64_t reach = t / 5;
    int64_t reserve = 0;
    if (early) {
        int year = Services::Game().GetCurrentMonthIndex() / kMonths;
        if (year < 4) reach = int64_t{4 - year} * 15 + t / 5;
        reserve = reach / 2;
    }
    int64_t free = std::max<int64_t>(int64_t{m_funds} - SumPlannedCosts(0), 0);
    if (free >= reserve) return ClampToInt(std::min(free, std::max<int64_t>(reach, 0) + 180));
    return ClampToInt(5 * (free + reserve) / 10);
}

int CEnterprise::RunLoanRecall() {
    int64_t spare =
        int64_t{Services::Map().GetMaxCompanyCount()} - Services::Map().GetInitialCompanyCount();
    int64_t missing = std::max<int64_t>(0, int64_t{Services::Map().GetInitialCompanyCount()} -
                                               Services::Companies().GetCompanyCount());
    int64_t tolerance = kRecallBase;
    // A map that allows no companies beyond its initial ones has no term for
    // missing companies (it would divide by zero).
    if (!IsHumanPlayed() && spare > 0)
        tolerance += TruncToInt64(std::pow(double(missing), 2.1)) *
                     TruncToInt64(kRecallBase / std::pow(double(spare), 2.1));
    int t = ClampToInt(tolerance);
    if (m_debt <= 0) return 1;
    int s = ClampToInt(std::max<int64_t>(t, int64_t{CalcStandingScore()} + t));
    if (Random(s) <= t) return 1;
    int q = std::min(RandomVary(m_debt / 10, m_debt / 10), m_debt);
    if (Random(ClampToInt(int64_t{q} + 5)) < 5) return 1;
    if (m_funds < q) q /= 3;
    if (m_funds < q) {
        if (!RaiseFundsBySale(q)) {
            Services::Companies().DropEnterprise(m_number);
            return 0;
        }
    } else if (IsHumanPlayed()) {
        Services::PlayerReports().ShowPaymentNotice(m_number, q, 0);
    }
    SetProcessedFlag(0);
    Services::Orders().IssueRepayLoan(m_number, q, 1, 0);
    return 1;
}

int CEnterprise::RaiseFundsBySale(int amount) {
    bool human = IsHumanPlayed();
    std::vector<SLot> lots;
    int64_t total = 0;
    if (GetAnnualIncome() >= 0) {
        for (int area = 0; area < m_areaCount; ++area) {
            int width = 0, height = 0;
            if (!Services::Map().GetAreaSize(area, width, height)) continue;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    if (Services::Map().GetCellOwner(area, x, y) != m_number + 1 ||
                        Services::Map().GetCellStructure(area, x, y) <= 0 ||
                        !Services::Map().IsCellUsable(area, x, y))
                        continue;
                    int half = Services::Map().GetLotPrice(area, x, y, 0) / 2;
                    lots.push_back({area, x, y, half});
                    total += half;
                }
        }
    }
    if (GetAnnualIncome() < 0 || total < amount) {
        if (human) Services::PlayerReports().ShowPaymentNotice(m_number, amount, 0);
        return 0;
    }
    if (human) {
        Services::PlayerReports().ShowPaymentNotice(m_number, amount, 1);
        Services::PlayerReports().AnnounceForcedSale(m_number);
    }
    // The auctions may raise less than the half prices summed: when every
    // structure is gone the sale is over. A sale that raised nothing did not
    // happen, and no repayment may be made on it.
    int64_t left = amount;
    int64_t raised = 0;
    while (left >= 1 && !lots.empty()) {
        size_t pick = static_cast<size_t>(Random(static_cast<int>(lots.size())));
        SLot lot = lots[pick];
        lots.erase(lots.begin() + static_cast<std::ptrdiff_t>(pick));
        // A structure covers several cells: once one of them went under the
        // hammer, the others belong to its buyer and are not sold again.
        if (Services::Map().GetCellOwner(lot.area, lot.x, lot.y) != m_number + 1) continue;
        int money = Services::Map().RunAuction(lot.area, lot.x, lot.y, lot.halfPrice);
        left -= money;
        raised += money;
    }
    if (raised <= 0) {
        if (human) Services::PlayerReports().ShowPaymentNotice(m_number, amount, 0);
        return 0;
    }
    return 1;
}
