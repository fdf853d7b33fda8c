// The salary and advertising orders, the month's report heading, and the
// company's monthly and yearly figures.

#include <algorithm>
#include <climits>

#include "model/CmdSet.h"
#include "model/Enterprise.h"
#include "model/InfoLogLines.h"
#include "model/OrderType.h"
#include "model/PersonData.h"
#include "model/Saturate.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {

constexpr int kReportEffect = 4;

// Series whose stored form refuses negative values stay at 0 or above, so
// that a saved game always loads again.
int ClampAmount(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, INT_MAX));
}

int& Entry(std::array<int, CEnterprise::kMonths>& series, int m) {
    return series.at(static_cast<size_t>(m));
}

int SumSeries(const std::array<int, CEnterprise::kMonths>& series) {
    int64_t sum = 0;
    for (int value : series) sum += value;
    return ClampToInt(sum);
}

int CurrentMonth() {
    int index = Services::Game().GetCurrentMonthIndex();
    return ((index % CEnterprise::kMonths) + CEnterprise::kMonths) % CEnterprise::kMonths;
}

}  // namespace

// ---------------------------------------------------------------- orders

int CEnterprise::SetSalary(int d, int amount, int fixedFlag) {
    if (d > 0) {
        CPersonData* director = GetDirector(d - 1);
        if (!director) return 0;
        if (director->SetSalary(amount)) {
            BeginReport();
            Services::Frame().AddInfoMessage(FormatText(
                "  %s salary set at %d.", director->GetName().c_str(), director->GetSalary()));
        }
    } else if (d == 0) {
        int changed = fixedFlag ? SetFixedPay(amount) : SetStandardSalary(amount);
        if (!changed) return 0;
        BeginReport();
        Services::Frame().AddInfoMessage(CInfoLogLines::SalariesChanged());
    } else {
        return 0;
    }
    Services::Frame().RefreshInfoPanels();
    Services::Game().SetModified();
    return 1;
}

void CEnterprise::IssueDirectorSalary(int d, int amount, int fixedFlag, int send) {
    if (!SetSalary(d, amount, fixedFlag) || !send || !Services::NetPlay().IsNetworkGame()) return;
    CCmdSet order;
    order.Init(eORDER_SALARY, -1);
    order.AddValue(d);
    order.AddValue(amount);
    order.AddValue(fixedFlag ? 1 : 0);
    RouteOrder(order, false);
}

int CEnterprise::SetAdvertisingCost(int amount) {
    int changed = SetAdvertisingBudget(amount);
    if (changed) {
        BeginReport();
        Services::Frame().AddInfoMessage(CInfoLogLines::AdvertisingChanged());
    }
    Services::Frame().RefreshInfoPanels();
    Services::Game().SetModified();
    return changed;
}

void CEnterprise::IssueAdvertisingCost(int amount, int send) {
    if (!SetAdvertisingCost(amount) || !send || !Services::NetPlay().IsNetworkGame()) return;
    CCmdSet order;
    order.Init(eORDER_ADVERTISING_COST, -1);
    order.AddValue(amount);
    RouteOrder(order, false);
}

// The host keeps an order in its own queue when the company is played there
// (hostKeepsOwn: whatever company it is); everything else goes out for the
// company.
void CEnterprise::RouteOrder(const CCmdSet& order, bool hostKeepsOwn) const {
    if (Services::NetPlay().IsNetworkHost() &&
        (hostKeepsOwn || Services::NetPlay().IsLocallyPlayed(m_number)))
        Services::Orders().StorePlayerCmdSet(order);
    else
        Services::Orders().SendCmdSet(order, m_number);
}

void CEnterprise::BeginReport() {
    if (m_reportHeadingWritten) return;
    if (IsHumanPlayed()) Services::Frame().PlayEffect(kReportEffect);
    Services::Frame().AddInfoHeading(m_number);
    m_reportHeadingWritten = 1;
}

void CEnterprise::SetProcessedFlag(int flag) {
    if (Services::NetPlay().IsNetworkHost()) Services::NetPlay().SendProcessedFlag(m_number, flag);
    m_reportHeadingWritten = flag;
}

// ---------------------------------------------------------------- figures

void CEnterprise::RecordMonthlyFigure(int j, int area, int value, int add, int month) {
    auto& series = m_monthlyFigures.at(static_cast<size_t>(j));
    int m = month == -1 ? CurrentMonth() : month;
    int& entry = Entry(series, m);
    entry = ClampAmount(add ? int64_t{entry} + value : value);
    if (month != -1 || area < 0) return;
    CEpMapData& record = Area(area);
    record.SetMonthFigure(j, ClampAmount(add ? int64_t{record.GetMonthFigure(j)} + value : value));
}

void CEnterprise::ClearCurrentMonth() {
    int m = CurrentMonth();
    for (auto& series : m_monthlyFigures) Entry(series, m) = 0;
}

int CEnterprise::SumPlannedInvestment(int j) const {
    int64_t sum = 0;
    for (const CCmdPacket& plan : m_plans) {
        if (plan.GetPlanType() != CCmdPacket::ePLAN_INVESTMENT) continue;
        for (int i = 0; i < plan.GetStepCount(); ++i)
            if (plan.GetKind(i) == eCOM_INVEST_PROJECT + j) sum += plan.GetParam2(i);
    }
    return ClampToInt(sum);
}

void CEnterprise::ClearMonth(int m) {
    Entry(m_monthlySales, m) = 0;
    Entry(m_monthlyProfit, m) = 0;
    Entry(m_monthlyIncome, m) = 0;
}

void CEnterprise::AddYearResult(int year, int m, int sales, int profit, int income, int add) {
    // The yearly arrays hold at most as many years as a saved game loads.
    if (year >= 0 && year < kMaxYears) {
        size_t size = static_cast<size_t>(year) + 1;
        if (m_pastSales.size() < size) m_pastSales.resize(size, 0);
        if (m_pastProfit.size() < size) m_pastProfit.resize(size, 0);
        int& pastSales = m_pastSales[size - 1];
        int& pastProfit = m_pastProfit[size - 1];
        pastSales = ClampAmount(int64_t{pastSales} + sales);
        pastProfit = ClampToInt(int64_t{pastProfit} + profit);
    }
    int& s = Entry(m_monthlySales, m);
    int& p = Entry(m_monthlyProfit, m);
    int& i = Entry(m_monthlyIncome, m);
    s = add ? ClampToInt(int64_t{s} + sales) : sales;
    p = add ? ClampToInt(int64_t{p} + profit) : profit;
    i = add ? ClampToInt(int64_t{i} + income) : income;
}

void CEnterprise::AddMonthlySales(int m, int value) {
    int& entry = Entry(m_monthlySales, m);
    entry = ClampToInt(int64_t{entry} + value);
}

void CEnterprise::AddMonthlyProfit(int m, int value) {
    int& entry = Entry(m_monthlyProfit, m);
    entry = ClampToInt(int64_t{entry} + value);
}

void CEnterprise::AddMonthlyExpense(int m, int value) {
    int& entry = Entry(m_monthlyExpense, m);
    entry = ClampAmount(int64_t{entry} + value);
}

int CEnterprise::GetAnnualSales(int year) const {
    if (year == -1) return SumSeries(m_monthlySales);
    if (year < 0 || static_cast<size_t>(year) >= m_pastSales.size()) return 0;
    return m_pastSales[static_cast<size_t>(year)];
}

int CEnterprise::GetAnnualProfit(int year) const {
    if (year == -1) return SumSeries(m_monthlyProfit);
    if (year < 0 || static_cast<size_t>(year) >= m_pastProfit.size()) return 0;
    return m_pastProfit[static_cast<size_t>(year)];
}

int CEnterprise::GetAnnualExpense() const {
    return SumSeries(m_monthlyExpense);
}

int CEnterprise::CountHistoryOfKind(int kind) const {
    return static_cast<int>(
        std::count_if(m_history.begin(), m_history.end(),
                      [kind](const CHistory& h) { return h.GetKind() == kind; }));
}
