#include "model/NetCompanyRecords.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "model/Enterprise.h"
#include "model/MercavoError.h"
#include "model/NetRecordReader.h"
#include "model/NetStateOut.h"
#include "model/PersonData.h"

namespace {

constexpr int kClass = CNetStateOut::kStateClass;
// Bytes one advice item and one past year take.
constexpr int kAdviceItemBytes = 3 + 3 + 3 + 3 + 3 + 4 + 6 + 1;
constexpr int kYearBytes = 20;

// Reads width digits into value; for the short receivers below.
struct SFields {
    CNetRecordReader& in;
    bool Int(int width, int& value, const char* field) { return in.ReadInt(width, value, field); }
    // A value read whole that must lie in lo..hi.
    bool Range(int width, int& value, int lo, int hi, const char* field) {
        if (!in.ReadInt(width, value, field)) return false;
        return (value >= lo && value <= hi) || in.Refuse(field);
    }
    bool AtLeast(int width, int& value, int lo, const char* field) {
        return Range(width, value, lo, INT32_MAX, field);
    }
};

bool IsStaffIndexKnown(int index, const CNetCompanyRecords::SContext& context) {
    return context.directors && index >= 0 &&
           index < static_cast<int>(context.directors->size());
}

}  // namespace

CNetRecordBuilder CNetCompanyRecords::Head(int code, int company) {
    CNetRecordBuilder b(kClass, kGroup, code);
    b.Int(company, 4);
    return b;
}

bool CNetCompanyRecords::FullFitsStaff(const CEnterprise& c) {
    return BuildFull(c, true).Ok();
}

CNetRecordBuilder CNetCompanyRecords::BuildFull(const CEnterprise& c, bool withStaff) {
    CNetRecordBuilder b = Head(eFULL, c.m_number);
    b.Int(c.m_networkPlayerId, 4).Int(c.m_nameSlot, 4).Int(c.m_areaCount, 4).Int(c.m_color, 2);
    b.Text(c.GetName(), 3, CEnterprise::kMaxNameLength);
    b.Text(c.GetPresidentName(), 3, CEnterprise::kMaxNameLength);
    b.Int(c.m_president, 3).Int(c.m_funds, 10).Int(c.m_debt, 10).Int(c.m_standardSalary, 8);
    b.Int(c.m_fixedPayTotal, 10).Int(c.m_fixedPay, 1).Int(c.m_advertisingCost, 6);
    b.Int(c.m_employees, 8).Int(c.m_employeesAtWork, 8).Int(c.m_morale, 6).Int(c.m_moraleTotal, 8);
    const int staff = withStaff ? c.GetDirectorCount() : 0;
    b.Int(staff, 4);
    for (int i = 0; i < staff; ++i) b.Int(c.m_directors[static_cast<size_t>(i)], 3);
    for (int l = 0; l < CEnterprise::kLeagueCount; ++l)
        b.Int(c.m_teams[l], 4).Int(c.m_championships[l], 4).Int(c.m_attendance[l], 10);
    b.Int(c.m_yearEndStockPrice, 6);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildAreaGrades(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eAREA_GRADES, c.m_number);
    b.Int(c.m_areaCount + 1, 3);
    for (const CEpMapData& area : c.m_areas) b.Int(area.GetGrade(), 3);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildStrike(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eSTRIKE, c.m_number);
    b.Int(c.m_strike, 1).Int(c.m_strikeMonth, 5).Int(c.m_previousStrikeMonth, 5);
    b.Int(c.m_strikeCount, 4);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildFunds(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eFUNDS, c.m_number);
    b.Int(c.m_funds, 10).Int(c.m_debt, 10);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildStaffFigures(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eSTAFF_FIGURES, c.m_number);
    b.Int(c.m_employees, 8).Int(c.m_employeesAtWork, 8).Int(c.m_morale, 6).Int(c.m_moraleTotal, 8);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildDirectors(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eDIRECTORS, c.m_number);
    b.Int(c.GetDirectorCount(), 4);
    for (int person : c.m_directors) b.Int(person, 3);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildTeams(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eTEAMS, c.m_number);
    for (int l = 0; l < CEnterprise::kLeagueCount; ++l)
        b.Int(c.m_teams[l], 4).Int(c.m_championships[l], 4).Int(c.m_attendance[l], 10);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildAdvice(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eADVICE, c.m_number);
    b.Int(c.m_adviser, 4).Int(c.m_adviserAbility, 4).Int(c.m_adviceThreshold, 8);
    const int q = std::min(static_cast<int>(c.m_advice.size()), kMaxAdvice);
    b.Int(q, 2);
    for (int i = 0; i < q; ++i) {
        const CAdvicePacket& a = c.m_advice[static_cast<size_t>(i)];
        b.Int(a.GetKind(), 3).Int(a.GetValue(), 3).Int(a.GetPoint().x, 3).Int(a.GetPoint().y, 3);
        b.Int(a.GetParam1(), 3).Int(a.GetParam2(), 4).Int(a.GetParam3(), 6).Int(a.GetDetailed(), 1);
    }
    return b;
}

std::vector<CNetRecordBuilder> CNetCompanyRecords::BuildPastYears(const CEnterprise& c) {
    std::vector<CNetRecordBuilder> records;
    const int n = static_cast<int>(std::min(c.m_pastSales.size(), c.m_pastProfit.size()));
    auto years = [&](CNetRecordBuilder& b, int from, int to) {
        for (int y = from; y < to; ++y)
            b.Int(c.m_pastSales[static_cast<size_t>(y)], 10)
                .Int(c.m_pastProfit[static_cast<size_t>(y)], 10);
    };
    int e = std::min(n, kYearsPerRecord);
    CNetRecordBuilder first = Head(ePAST_YEARS, c.m_number);
    first.Int(n, 4).Int(e, 4);
    years(first, 0, e);
    records.push_back(first);
    while (e != n) {
        const int f = e;
        e = std::min(e + kYearsPerRecord, n);
        CNetRecordBuilder more = Head(ePAST_YEARS_MORE, c.m_number);
        more.Int(f, 4).Int(e, 4);
        years(more, f, e);
        records.push_back(more);
    }
    return records;
}

CNetRecordBuilder CNetCompanyRecords::BuildMonthlySeries(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eMONTHLY_SERIES, c.m_number);
    for (int m = 0; m < CEnterprise::kMonths; ++m)
        b.Int(c.m_monthlySales[m], 10).Int(c.m_monthlyProfit[m], 10).Int(c.m_monthlyIncome[m], 10);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildMonthlyExpenses(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eMONTHLY_EXPENSES, c.m_number);
    for (int m = 0; m < CEnterprise::kMonths; ++m) b.Int(c.m_monthlyExpense[m], 10);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildMonthlyTable(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eMONTHLY_TABLE, c.m_number);
    for (int m = 0; m < CEnterprise::kMonths; ++m)
        for (const auto& series : c.m_monthlyFigures) b.Int(series[m], 10);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildEventCounter(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eEVENT_COUNTER, c.m_number);
    b.Int(c.m_sanctionMonths, 4);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildYearEndPrice(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eYEAR_END_PRICE, c.m_number);
    b.Int(c.m_yearEndStockPrice, 6);
    return b;
}

// The auction's minimal bid is a price: it takes the wide field, in the
// saved order of the sale's fields.
CNetRecordBuilder CNetCompanyRecords::BuildBids(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eBIDS, c.m_number);
    const CEnterprise::SContractBid& k = c.m_contractBid;
    b.Int(k.contractor, 4).Int(k.area, 4).Int(k.x, 4).Int(k.y, 4).Int(k.structureType, 4);
    b.Int(k.price, 8);
    const CEnterprise::SLotSale& s = c.m_lotSale;
    b.Int(s.minimalBid, 8).Int(s.area, 4).Int(s.x, 4).Int(s.y, 4).Int(s.buyer, 4);
    return b;
}

CNetRecordBuilder& CNetCompanyRecords::AppendAreaRecord(CNetRecordBuilder& b, const CEnterprise& c,
                                                       int element) {
    const CEpMapData& a = c.m_areas.at(static_cast<size_t>(element));
    b.Int(element, 4).Int(a.GetGrade(), 4).Int(a.GetLevel(), 2).Int(a.GetLand(), 5);
    b.Int(a.GetBuildings(), 5).Int(a.GetContracts(), 3).Int(a.GetContribution(), 8);
    for (int e = 1; e <= CEpMapData::kEffectCount; ++e) b.Int(a.GetEffect(e), 8);
    for (int k = 0; k < CEpMapData::kInvestmentKinds; ++k)
        b.Int(a.GetInvestment(k), 10).Int(a.GetRating(k), 8).Int(a.GetMonthFigure(k), 8);
    return b;
}

std::vector<CNetRecordBuilder> CNetCompanyRecords::BuildAreaRecords(const CEnterprise& c,
                                                                   int element) {
    std::vector<int> elements;
    if (element == -1) {
        for (int e = 0; e <= c.m_areaCount; ++e) elements.push_back(e);
    } else if (element <= -2) {
        elements.push_back(-2 - element);
    } else {
        elements = {0, element + 1};
    }
    std::vector<CNetRecordBuilder> records;
    for (int e : elements) {
        if (e < 0 || e > c.m_areaCount) continue;
        CNetRecordBuilder b = Head(eAREA_RECORD, c.m_number);
        records.push_back(AppendAreaRecord(b, c, e));
    }
    return records;
}

std::vector<CNetRecordBuilder> CNetCompanyRecords::BuildHistory(const CEnterprise& c,
                                                               size_t first) {
    std::vector<CNetRecordBuilder> records;
    if (first == 0) {
        CNetRecordBuilder count = Head(eHISTORY_COUNT, c.m_number);
        count.Int(static_cast<int>(c.m_history.size()), 4);
        records.push_back(count);
    }
    // PackEntries always advances, so the loop ends.
    for (size_t next = first; next < c.m_history.size();) {
        std::string payload;
        next = CHistory::PackEntries(c.m_history, next, payload);
        CNetRecordBuilder b = Head(eHISTORY_ENTRIES, c.m_number);
        b.Raw(payload);
        records.push_back(b);
    }
    return records;
}

std::vector<CNetRecordBuilder> CNetCompanyRecords::BuildPlans(const CEnterprise& c) {
    std::vector<CNetRecordBuilder> records;
    CNetRecordBuilder count = Head(ePLAN_COUNT, c.m_number);
    count.Int(static_cast<int>(c.m_plans.size()), 4);
    records.push_back(count);
    for (size_t i = 0; i < c.m_plans.size(); ++i) {
        CNetRecordBuilder b = Head(ePLAN, c.m_number);
        b.Int(static_cast<int>(i), 4);
        std::string text;
        const size_t room = static_cast<size_t>(kNetRecordTextLimit) - b.Text().size();
        if (!c.m_plans[i].AppendText(text, room)) b.Fail("plan text beyond the record");
        b.Raw(text);
        records.push_back(b);
    }
    return records;
}

CNetRecordBuilder CNetCompanyRecords::BuildDirectorRelations(
    const CEnterprise& c, const std::function<const CPersonData*(int)>& director) {
    CNetRecordBuilder b = Head(eDIRECTOR_RELATIONS, c.m_number);
    b.Int(c.GetDirectorCount(), 4);
    for (int person : c.m_directors) {
        const CPersonData* p = director(person);
        b.Int(p ? p->GetRelation(c.m_number) : 0, 4);
    }
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildMonthEnd(const CEnterprise& c) {
    CNetRecordBuilder b = Head(eMONTH_END, c.m_number);
    b.Int(c.m_strike, 1).Int(c.m_strikeMonth, 5).Int(c.m_previousStrikeMonth, 5);
    b.Int(c.m_strikeCount, 4);
    for (int m = 0; m < CEnterprise::kMonths; ++m) b.Int(c.m_monthlyExpense[m], 10);
    b.Int(c.m_sanctionMonths, 4);
    b.Int(c.m_employees, 8).Int(c.m_employeesAtWork, 8).Int(c.m_morale, 6).Int(c.m_moraleTotal, 8);
    return b;
}

CNetRecordBuilder CNetCompanyRecords::BuildProcessed(const CEnterprise& c, int flag) {
    CNetRecordBuilder b = Head(ePROCESSED, c.m_number);
    b.Int(flag ? 1 : 0, 1);
    return b;
}

std::vector<CNetRecordBuilder> CNetCompanyRecords::BuildAll(const CEnterprise& c) {
    std::vector<CNetRecordBuilder> records;
    const bool staffFits = FullFitsStaff(c);
    records.push_back(BuildFull(c, staffFits));
    // A staff list too long for the full record follows it at once.
    if (!staffFits) records.push_back(BuildDirectors(c));
    records.push_back(BuildAdvice(c));
    for (CNetRecordBuilder& b : BuildPastYears(c)) records.push_back(b);
    records.push_back(BuildMonthlySeries(c));
    records.push_back(BuildMonthlyTable(c));
    records.push_back(BuildBids(c));
    for (CNetRecordBuilder& b : BuildAreaRecords(c, -1)) records.push_back(b);
    records.push_back(BuildMonthEnd(c));
    for (CNetRecordBuilder& b : BuildHistory(c)) records.push_back(b);
    for (CNetRecordBuilder& b : BuildPlans(c)) records.push_back(b);
    return records;
}

// ---------------------------------------------------------------- receiving

bool CNetCompanyRecords::Apply(CEnterprise& c, int code, CNetRecordReader& in,
                               const SContext& context) {
    switch (code) {
    case eFULL: return ApplyFull(c, in, context);
    case eADVICE: return ApplyAdvice(c, in);
    case ePAST_YEARS: return ApplyPastYears(c, in, false);
    case ePAST_YEARS_MORE: return ApplyPastYears(c, in, true);
    case eAREA_RECORD: return ApplyAreaRecord(c, in);
    case eHISTORY_COUNT: return ApplyHistoryCount(c, in);
    case eHISTORY_ENTRIES: return ApplyHistoryEntries(c, in);
    case ePLAN_COUNT: return ApplyPlanCount(c, in);
    case ePLAN: return ApplyPlan(c, in);
    case eDIRECTORS: return ApplyDirectors(c, in, context);
    case eDIRECTOR_RELATIONS: return ApplyDirectorRelations(c, in, context);
    case eMONTH_END: return ApplyMonthEnd(c, in);
    default: return ApplySmall(c, code, in);
    }
}

bool CNetCompanyRecords::ApplyFull(CEnterprise& c, CNetRecordReader& in, const SContext& context) {
    SFields f{in};
    int player = 0, slot = 0, areas = 0, color = 0;
    std::string name, president;
    f.AtLeast(4, player, -2, "player number");
    f.AtLeast(4, slot, -1, "second number");
    f.Range(4, areas, context.areaCount, context.areaCount, "area count");
    f.Range(2, color, 0, CEnterprise::kColorCount - 1, "colour");
    in.ReadText(3, CEnterprise::kMaxNameLength, name, "name");
    in.ReadText(3, CEnterprise::kMaxNameLength, president, "president name");
    const int persons = context.directors ? static_cast<int>(context.directors->size()) : 0;
    int presidentNo = 0, funds = 0, debt = 0, salary = 0, fixedTotal = 0, fixedFlag = 0;
    int advertising = 0, employees = 0, atWork = 0, morale = 0, moraleTotal = 0, staff = 0;
    f.Range(3, presidentNo, 0, persons, "president");
    f.AtLeast(10, funds, 0, "funds");
    f.AtLeast(10, debt, 0, "debt");
    f.AtLeast(8, salary, 0, "standard salary");
    f.AtLeast(10, fixedTotal, 0, "fixed pay total");
    f.Range(1, fixedFlag, 0, 1, "fixed-pay flag");
    f.AtLeast(6, advertising, 0, "advertising cost");
    f.AtLeast(8, employees, 0, "employees");
    f.Range(8, atWork, INT32_MIN, employees, "employees at work");
    f.Int(6, morale, "morale");
    f.Int(8, moraleTotal, "morale total");
    f.Range(4, staff, 0, std::max(in.Remaining() / 3, 0), "staff count");
    std::vector<int> directors;
    for (int i = 0; i < staff && in.Ok(); ++i) {
        int person = 0;
        if (f.Int(3, person, "staff index") && !IsStaffIndexKnown(person, context))
            in.Refuse("staff index");
        directors.push_back(person);
    }
    std::array<int, CEnterprise::kLeagueCount> teams{}, counters{}, attendance{};
    for (int l = 0; l < CEnterprise::kLeagueCount; ++l) {
        f.AtLeast(4, teams[l], 0, "team");
        f.AtLeast(4, counters[l], 0, "league counter");
        f.AtLeast(10, attendance[l], 0, "team investment");
    }
    int price = 0;
    f.AtLeast(6, price, 0, "year-end stock price");
    if (!in.Ok()) return false;
    c.m_number = context.number;
    c.m_networkPlayerId = player;
    c.m_nameSlot = slot;
    c.m_color = color;
    c.m_name = name.empty() ? std::nullopt : std::optional<std::string>(name);
    c.m_presidentName = president.empty() ? std::nullopt : std::optional<std::string>(president);
    c.m_president = presidentNo;
    c.m_funds = funds;
    c.m_debt = debt;
    c.m_standardSalary = salary;
    c.m_fixedPayTotal = fixedTotal;
    c.m_fixedPay = fixedFlag;
    c.m_advertisingCost = advertising;
    c.m_employees = employees;
    c.m_employeesAtWork = atWork;
    c.m_morale = morale;
    c.m_moraleTotal = moraleTotal;
    c.m_directors = std::move(directors);
    c.m_teams = teams;
    c.m_championships = counters;
    c.m_attendance = attendance;
    c.m_yearEndStockPrice = price;
    c.m_areas.resize(static_cast<size_t>(areas) + 1);
    return true;
}

bool CNetCompanyRecords::ApplyAdvice(CEnterprise& c, CNetRecordReader& in) {
    SFields f{in};
    int adviser = 0, ability = 0, charge = 0, q = 0;
    f.AtLeast(4, adviser, -1, "adviser");
    f.Int(4, ability, "adviser's ability");
    f.Int(8, charge, "advice charge");
    f.Range(2, q, 0, kMaxAdvice, "advice count");
    if (in.Ok() && q * kAdviceItemBytes > in.Remaining()) in.Refuse("advice count");
    std::vector<CAdvicePacket> advice(static_cast<size_t>(in.Ok() ? q : 0));
    for (CAdvicePacket& a : advice) {
        int kind = 0, value = 0, x = 0, y = 0, p1 = 0, p2 = 0, p3 = 0, flag = 0;
        f.Range(3, kind, CAdvicePacket::kNoKind, CAdvicePacket::kLastKind, "advice kind");
        f.Int(3, value, "advice value");
        f.Int(3, x, "advice x");
        f.Int(3, y, "advice y");
        f.Int(3, p1, "advice parameter 1");
        f.Int(4, p2, "advice parameter 2");
        f.Int(6, p3, "advice parameter 3");
        f.Range(1, flag, 0, 1, "advice flag");
        a.SetKind(kind);
        a.SetValue(value);
        a.SetPoint(x, y);
        a.SetParam1(p1);
        a.SetParam2(p2);
        a.SetParam3(p3);
        a.SetDetailed(flag);
    }
    if (!in.Ok()) return false;
    c.m_adviser = adviser;
    c.m_adviserAbility = ability;
    c.m_adviceThreshold = charge;
    c.m_advice = std::move(advice);
    return true;
}

bool CNetCompanyRecords::ApplyPastYears(CEnterprise& c, CNetRecordReader& in, bool more) {
    SFields f{in};
    int n = static_cast<int>(c.m_pastSales.size());
    int from = 0, to = 0;
    if (more) {
        f.Range(4, from, 0, n, "first year");
        f.Range(4, to, from, n, "end year");
    } else {
        f.Range(4, n, 0, CEnterprise::kMaxYears, "past years");
        f.Range(4, to, 0, std::min(n, kYearsPerRecord), "years in the record");
    }
    if (in.Ok() && (to - from > kYearsPerRecord || (to - from) * kYearBytes > in.Remaining()))
        in.Refuse("years in the record");
    std::vector<int> sales, profit;
    for (int y = from; y < to && in.Ok(); ++y) {
        int s = 0, p = 0;
        f.AtLeast(10, s, 0, "past sales");
        f.Int(10, p, "past profit");
        sales.push_back(s);
        profit.push_back(p);
    }
    if (!in.Ok()) return false;
    if (!more) {
        c.m_pastSales.resize(static_cast<size_t>(n), 0);
        c.m_pastProfit.resize(static_cast<size_t>(n), 0);
    }
    std::copy(sales.begin(), sales.end(), c.m_pastSales.begin() + from);
    std::copy(profit.begin(), profit.end(), c.m_pastProfit.begin() + from);
    return true;
}

bool CNetCompanyRecords::ApplyAreaRecord(CEnterprise& c, CNetRecordReader& in) {
    SFields f{in};
    int element = 0;
    f.Range(4, element, 0, c.m_areaCount, "element");
    int grade = 0, level = 0, land = 0, buildings = 0, contracts = 0, contribution = 0;
    f.AtLeast(4, grade, 0, "grade");
    f.AtLeast(2, level, 0, "level");
    f.AtLeast(5, land, 0, "land");
    f.AtLeast(5, buildings, 0, "buildings");
    f.AtLeast(3, contracts, 0, "first counter");
    f.AtLeast(8, contribution, 0, "second counter");
    CEpMapData a;
    for (int e = 1; e <= CEpMapData::kEffectCount; ++e) {
        int v = 0;
        f.Range(8, v, -CEpMapData::kEffectLimit, CEpMapData::kEffectLimit, "area value");
        a.SetEffect(e, v);
    }
    for (int k = 0; k < CEpMapData::kInvestmentKinds; ++k) {
        int investment = 0, rating = 0, month = 0;
        f.AtLeast(10, investment, 0, "table value");
        f.AtLeast(8, rating, 0, "rating");
        f.AtLeast(8, month, 0, "series mirror");
        a.SetInvestment(k, investment);
        a.SetRating(k, rating);
        a.SetMonthFigure(k, month);
    }
    if (!in.Ok() || element >= static_cast<int>(c.m_areas.size())) return in.Refuse("element");
    a.SetGrade(grade);
    a.SetLevel(level);
    a.SetLand(land);
    a.SetBuildings(buildings);
    a.SetContracts(contracts);
    a.SetContribution(contribution);
    c.m_areas[static_cast<size_t>(element)] = a;
    return true;
}

bool CNetCompanyRecords::ApplyHistoryCount(CEnterprise& c, CNetRecordReader& in) {
    SFields f{in};
    int count = 0;
    if (!f.Range(4, count, 0, CEnterprise::kMaxListEntries, "history count")) return false;
    c.m_history.resize(static_cast<size_t>(count));
    return true;
}

// The entries are read into a copy: a fault in the middle of the record
// leaves the history as it was.
bool CNetCompanyRecords::ApplyHistoryEntries(CEnterprise& c, CNetRecordReader& in) {
    std::vector<CHistory> copy = c.m_history;
    try {
        CHistory::ReadEntries(in.Rest(), copy);
    } catch (eMERCAVO_ERROR) {
        return in.Refuse("history entries");
    }
    c.m_history = std::move(copy);
    return true;
}

bool CNetCompanyRecords::ApplyPlanCount(CEnterprise& c, CNetRecordReader& in) {
    SFields f{in};
    int count = 0;
    if (!f.Range(4, count, 0, CEnterprise::kMaxListEntries, "plan count")) return false;
    c.m_plans.resize(static_cast<size_t>(count));
    return true;
}

bool CNetCompanyRecords::ApplyPlan(CEnterprise& c, CNetRecordReader& in) {
    SFields f{in};
    int index = 0;
    if (!f.Range(4, index, 0, static_cast<int>(c.m_plans.size()) - 1, "plan index")) return false;
    CCmdPacket plan;
    try {
        plan.ReadFromString(in.Rest());
    } catch (eMERCAVO_ERROR) {
        return in.Refuse("plan");
    }
    c.m_plans[static_cast<size_t>(index)] = plan;
    return true;
}

bool CNetCompanyRecords::ApplyDirectors(CEnterprise& c, CNetRecordReader& in,
                                        const SContext& context) {
    SFields f{in};
    int staff = 0;
    f.Range(4, staff, 0, std::max(in.Remaining() / 3, 0), "staff count");
    std::vector<int> directors;
    for (int i = 0; i < staff && in.Ok(); ++i) {
        int person = 0;
        if (f.Int(3, person, "staff index") && !IsStaffIndexKnown(person, context))
            in.Refuse("staff index");
        directors.push_back(person);
    }
    if (!in.Ok()) return false;
    c.m_directors = std::move(directors);
    return true;
}

bool CNetCompanyRecords::ApplyDirectorRelations(CEnterprise& c, CNetRecordReader& in,
                                                const SContext& context) {
    SFields f{in};
    int d = 0;
    f.Range(4, d, 0, std::min(c.GetDirectorCount(), std::max(in.Remaining() / 4, 0)),
            "director count");
    std::vector<int> values;
    for (int i = 0; i < d && in.Ok(); ++i) {
        int v = 0;
        f.Int(4, v, "relation");
        if (!IsStaffIndexKnown(c.m_directors[static_cast<size_t>(i)], context))
            in.Refuse("staff index");
        values.push_back(v);
    }
    if (!in.Ok()) return false;
    for (int i = 0; i < d; ++i) {
        const int person = c.m_directors[static_cast<size_t>(i)];
        (*context.directors)[static_cast<size_t>(person)].SetRelation(
            c.m_number, values[static_cast<size_t>(i)]);
    }
    return true;
}

bool CNetCompanyRecords::ApplyMonthEnd(CEnterprise& c, CNetRecordReader& in) {
    SFields f{in};
    int strike = 0, month = 0, previous = 0, count = 0, sanction = 0;
    f.Range(1, strike, 0, 1, "strike flag");
    f.AtLeast(5, month, -1, "strike month");
    f.AtLeast(5, previous, -1, "previous strike month");
    f.AtLeast(4, count, 0, "strike count");
    std::array<int, CEnterprise::kMonths> expense{};
    for (int& v : expense) f.AtLeast(10, v, 0, "expense");
    f.Range(4, sanction, 0, CEnterprise::kMaxSanctionMonths, "event counter");
    int employees = 0, atWork = 0, morale = 0, moraleTotal = 0;
    f.AtLeast(8, employees, 0, "employees");
    f.Range(8, atWork, INT32_MIN, employees, "employees at work");
    f.Int(6, morale, "morale");
    f.Int(8, moraleTotal, "morale total");
    if (!in.Ok()) return false;
    c.m_strike = strike;
    c.m_strikeMonth = month;
    c.m_previousStrikeMonth = previous;
    c.m_strikeCount = count;
    c.m_monthlyExpense = expense;
    c.m_sanctionMonths = sanction;
    c.m_employees = employees;
    c.m_employeesAtWork = atWork;
    c.m_morale = morale;
    c.m_moraleTotal = moraleTotal;
    return true;
}

bool CNetCompanyRecords::ApplySmall(CEnterprise& c, int code, CNetRecordReader& in) {
    SFields f{in};
    switch (code) {
    case eAREA_GRADES: {
        int m = 0;
        f.Range(3, m, c.m_areaCount + 1, c.m_areaCount + 1, "area count");
        std::vector<int> grades(static_cast<size_t>(in.Ok() ? m : 0));
        for (int& g : grades)
            f.Range(3, g, CEpMapData::kMinGrade, CEpMapData::kMaxGrade, "grade");
        if (!in.Ok()) return false;
        // The totals' grade is the host's average, taken as it is.
        for (size_t e = 0; e < grades.size() && e < c.m_areas.size(); ++e)
            c.m_areas[e].SetGrade(grades[e]);
        return true;
    }
    case eSTRIKE: {
        int strike = 0, month = 0, previous = 0, count = 0;
        f.Range(1, strike, 0, 1, "strike flag");
        f.AtLeast(5, month, -1, "strike month");
        f.AtLeast(5, previous, -1, "previous strike month");
        f.AtLeast(4, count, 0, "strike count");
        if (!in.Ok()) return false;
        c.m_strike = strike;
        c.m_strikeMonth = month;
        c.m_previousStrikeMonth = previous;
        c.m_strikeCount = count;
        return true;
    }
    case eFUNDS: {
        int funds = 0, debt = 0;
        f.AtLeast(10, funds, 0, "funds");
        f.AtLeast(10, debt, 0, "debt");
        if (!in.Ok()) return false;
        c.m_funds = funds;
        c.m_debt = debt;
        return true;
    }
    case eSTAFF_FIGURES: {
        int employees = 0, atWork = 0, morale = 0, moraleTotal = 0;
        f.AtLeast(8, employees, 0, "employees");
        f.Range(8, atWork, INT32_MIN, employees, "employees at work");
        f.Int(6, morale, "morale");
        f.Int(8, moraleTotal, "morale total");
        if (!in.Ok()) return false;
        c.m_employees = employees;
        c.m_employeesAtWork = atWork;
        c.m_morale = morale;
        c.m_moraleTotal = moraleTotal;
        return true;
    }
    case eTEAMS: {
        std::array<int, CEnterprise::kLeagueCount> teams{}, counters{}, attendance{};
        for (int l = 0; l < CEnterprise::kLeagueCount; ++l) {
            f.AtLeast(4, teams[l], 0, "team");
            f.AtLeast(4, counters[l], 0, "league counter");
            f.AtLeast(10, attendance[l], 0, "team investment");
        }
        if (!in.Ok()) return false;
        c.m_teams = teams;
        c.m_championships = counters;
        c.m_attendance = attendance;
        return true;
    }
    case eMONTHLY_SERIES: {
        std::array<int, CEnterprise::kMonths> sales{}, profit{}, income{};
        for (int m = 0; m < CEnterprise::kMonths; ++m) {
            f.Int(10, sales[m], "sales");
            f.Int(10, profit[m], "profit");
            f.Int(10, income[m], "income");
        }
        if (!in.Ok()) return false;
        c.m_monthlySales = sales;
        c.m_monthlyProfit = profit;
        c.m_monthlyIncome = income;
        return true;
    }
    case eMONTHLY_EXPENSES: {
        std::array<int, CEnterprise::kMonths> expense{};
        for (int& v : expense) f.AtLeast(10, v, 0, "expense");
        if (!in.Ok()) return false;
        c.m_monthlyExpense = expense;
        return true;
    }
    case eMONTHLY_TABLE: {
        auto table = c.m_monthlyFigures;
        for (int m = 0; m < CEnterprise::kMonths; ++m)
            for (auto& series : table) f.AtLeast(10, series[m], 0, "monthly table");
        if (!in.Ok()) return false;
        c.m_monthlyFigures = table;
        return true;
    }
    case eEVENT_COUNTER: {
        int sanction = 0;
        if (!f.Range(4, sanction, 0, CEnterprise::kMaxSanctionMonths, "event counter"))
            return false;
        c.m_sanctionMonths = sanction;
        return true;
    }
    case eYEAR_END_PRICE: {
        int price = 0;
        if (!f.AtLeast(6, price, 0, "year-end stock price")) return false;
        c.m_yearEndStockPrice = price;
        return true;
    }
    case eBIDS: {
        CEnterprise::SContractBid k;
        CEnterprise::SLotSale s;
        for (int* v : {&k.contractor, &k.area, &k.x, &k.y, &k.structureType})
            f.AtLeast(4, *v, -1, "contract bid");
        f.AtLeast(8, k.price, 0, "contract price");
        f.AtLeast(8, s.minimalBid, -2, "minimal bid");
        for (int* v : {&s.area, &s.x, &s.y, &s.buyer}) f.AtLeast(4, *v, -1, "auction bid");
        if (!in.Ok()) return false;
        c.m_contractBid = k;
        c.m_lotSale = s;
        return true;
    }
    case ePROCESSED: {
        int flag = 0;
        if (!f.Range(1, flag, 0, 1, "report-started flag")) return false;
        c.m_reportHeadingWritten = flag;
        return true;
    }
    default: return in.Refuse("code");
    }
}
