// The document's economic rules: the month's revenue of every company from
// its buildings and its teams, a lot's monthly figures, the December change
// of the interest rate, the stock price and the share figures, loan
// repayment, stock sales, team trades, and the small area and site figures
// that events, tasks and the computer player use.
//
// Network play sends the month's figures and the new interest rate to the
// peers; until the network layer answers here nothing is sent.

#include <algorithm>
#include <array>
#include <cmath>
#include <new>

#include "game/VDoc.h"
#include "game/NetDocState.h"
#include "model/MapData.h"
#include "model/NetStateOut.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/services/Services.h"

namespace {

constexpr int kMonths = CMapDoc::kMonths;
// The interest dialog of a network game confirms itself after this time.
constexpr int kInterestDialogNetworkMs = 5000;
// A team's draw (its site rating) earns one unit per this many spectators.
constexpr int kAttendancePerUnit = 15;
// What a team in season costs its owner each month besides its draw.
constexpr int kTeamMonthlyCost = 3;
constexpr int kSalesMilestoneStep = 1000;
// Below this share figure a holder cannot press a company.
constexpr int kPressureThreshold = 10;

// The per-month parts of a lot's figures, each already divided by the
// structure's cell count: k1 to k3 earn by the monthly factor, k4 is the
// monthly expense.
struct SLotBases {
    double k1 = 0, k2 = 0, k3 = 0, k4 = 0;
};

// The parts of k2 and k3 that do not depend on the cell: the area's
// population term and the owner's grades.
// The lot values are worked out many times over for the same areas and
// owners (the computer player rates its trials by them): the powers of the
// last population and of the usual grades are kept once worked out.
double PopulationTerm(const CMapData& area) {
    const int population = std::max(area.GetPopulation(), 0);
    thread_local int lastPopulation = -1;
    thread_local double lastTerm = 0.0;
    if (population != lastPopulation) {
        lastTerm = std::pow(population * 10.0, 0.7);
        lastPopulation = population;
    }
    return lastTerm;
}

// grade^0.8.
double GradePower(int grade) {
    constexpr int kKept = 1024;
    if (grade < 0 || grade >= kKept) return std::pow(grade, 0.8);
    thread_local std::array<double, kKept> kept = [] {
        std::array<double, kKept> values;
        values.fill(-1.0);
        return values;
    }();
    double& power = kept[static_cast<size_t>(grade)];
    if (power < 0.0) power = std::pow(grade, 0.8);
    return power;
}

// A company without a record of the area (a game whose companies and map
// disagree) has no grade there.
double GradeTerm(const CEnterprise& owner, int area) {
    if (area >= owner.GetAreaCount()) return 0.0;
    return GradePower(owner.GetAreaGrade(area)) + GradePower(owner.GetAreaGrade(-1));
}

SLotBases CalcLotBases(const CMapDoc& map, int area, int x, int y, const CBD& type,
                       double population, double grades, double cells) {
    SLotBases k;
    k.k1 = type.GetRevenueFigure(1) / cells / 10;
    const double price = map.GetLotPrice(area, x, y, 1);
    const double environment = map.RateStructureEnvironment(area, x, y);
    k.k2 = type.GetRevenueFigure(2) * (200 + price + population) / 300 / cells;
    k.k2 = k.k2 * (100 + environment) / 100 / 10;
    k.k3 = grades * type.GetRevenueFigure(3) / 200 / cells / 10;
    k.k4 = type.GetRevenueFigure(0) / cells;
    return k;
}

// A team that plays at the lot: its league and what its draw earns a month.
struct SHomeTeam {
    const CLeague* league;
    int income;
};

std::vector<SHomeTeam> FindHomeTeams(const CMapDoc& map, int area, int x, int y) {
    std::vector<int> leagues, teams;
    map.FindTeamsWithHomeAt(area, x, y, leagues, teams);
    std::vector<SHomeTeam> found;
    for (size_t i = 0; i < leagues.size(); ++i) {
        int rating = map.RateHomeFieldSite(area, x, y, leagues[i], teams[i], -1);
        found.push_back({&map.GetLeague(leagues[i]), rating / kAttendancePerUnit});
    }
    return found;
}

}  // namespace

// ---------------------------------------------------------------- revenue

int CVDoc::CalcMonthlyRevenue() {
    std::vector<SRevenueFigures> work;
    try {
        work.resize(m_game.companies.size());
    } catch (const std::bad_alloc&) {
        return 0;
    }
    // The teams' takings alone do not make the month worth applying: only
    // the buildings and the running costs do.
    bool changed = SumBuildingRevenue(work);
    SumTeamRevenue(work);
    changed = SumRunningCosts(work) || changed;
    if (!changed) return 0;
    for (size_t c = 0; c < work.size(); ++c)
        work[c].cash -= m_game.companies[c].GetMonthlyPayroll(1, 1);
    // The host sends these to the peers (at most 10 companies a record)
    // with the network play.
    m_game.revenue = std::move(work);
    for (size_t c = 0; c < m_game.revenue.size(); ++c) {
        CEnterprise& company = m_game.companies[c];
        company.AddFunds(TruncToInt(m_game.revenue[c].profit));
        AddSalesMilestones(company);
    }
    // The host sends the month's company data with the network play.
    return 1;
}

bool CVDoc::SumBuildingRevenue(std::vector<SRevenueFigures>& work) {
    CMapDoc& map = GetMap();
    const int month = m_game.month;
    bool changed = false;
    // The owners' grade terms of the area, worked out when first needed
    // (NaN: not yet) and again after rubble lowered a grade.
    std::vector<double> grades(work.size());
    for (int a = 0; a < map.GetAreaCount(); ++a) {
        const CMapData& area = map.GetArea(a);
        const double population = PopulationTerm(area);
        std::fill(grades.begin(), grades.end(), std::nan(""));
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < area.GetWidth(); ++x) {
                const int owner = area.GetCellOwner(x, y);
                CEnterprise* company = GetEnterprise(owner - 1);
                if (!company || !map.HasStructureAt(a, x, y)) continue;
                double& grade = grades[static_cast<size_t>(owner - 1)];
                if (map.GetCellTypeCode(a, x, y, 0) == StructureCode::kRubble &&
                    a < company->GetAreaCount()) {
                    company->SetAreaGrade(a, company->GetAreaGrade(a) - 1, 1);
                    grade = std::nan("");
                }
                if (std::isnan(grade)) grade = GradeTerm(*company, a);
                double income = 0, expense = 0;
                if (AddLotValue(a, x, y, month, {population, grade}, income, expense, 0))
                    changed = true;
                SRevenueFigures& figures = work[static_cast<size_t>(owner - 1)];
                figures.sales += income;
                figures.profit += income - expense;
                figures.cash += income - expense;
            }
    }
    return changed;
}

void CVDoc::SumTeamRevenue(std::vector<SRevenueFigures>& work) {
    CMapDoc& map = GetMap();
    const int month = m_game.month;
    for (size_t c = 0; c < work.size(); ++c) {
        CEnterprise& company = m_game.companies[c];
        for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
            CLeague& league = map.GetLeague(l);
            const int t = company.GetLeagueTeam(l);
            if (!league.IsRunning() || !league.IsInSeason(month) || t < 0 ||
                t >= league.GetTeamCount())
                continue;
            CProTeam& team = league.GetTeam(t);
            const int attendance = RateHomeField(team, l, t);
            const int income = attendance / kAttendancePerUnit;
            SRevenueFigures& figures = work[c];
            figures.sales += income;
            figures.profit += income - kTeamMonthlyCost;
            figures.cash += income - kTeamMonthlyCost;
            team.AddSeasonFigures(attendance, 2 * income, income + kTeamMonthlyCost);
            company.AddTeamInvestment(l, attendance);
        }
    }
}

int CVDoc::RateHomeField(const CProTeam& team, int league, int t) const {
    const CMapDoc& map = GetMap();
    const int area = team.GetHomeArea();
    // A team without a home field on the map draws nobody.
    if (area < 0 || area >= map.GetAreaCount() ||
        !map.GetArea(area).IsInGrid(team.GetHomeX(), team.GetHomeY()))
        return 0;
    return map.RateHomeFieldSite(area, team.GetHomeX(), team.GetHomeY(), league, t, -1);
}

bool CVDoc::SumRunningCosts(std::vector<SRevenueFigures>& work) {
    bool changed = false;
    for (size_t c = 0; c < work.size(); ++c) {
        const CEnterprise& company = m_game.companies[c];
        SRevenueFigures& figures = work[c];
        figures.payroll = company.GetMonthlyPayroll(1, 0);
        figures.advertising = company.GetAdvertisingBudget();
        figures.profit -= static_cast<double>(figures.payroll) + figures.advertising;
        if (figures.payroll >= 1 || figures.advertising > 0) changed = true;
    }
    return changed;
}

void CVDoc::AddSalesMilestones(CEnterprise& company) {
    const int64_t sales = company.GetAnnualSales(-1);
    int64_t reached = company.CountHistoryOfKind(CHistory::kindSalesTarget);
    while (sales >= (reached + 1) * kSalesMilestoneStep) {
        CHistory entry;
        entry.SetSalesTarget(static_cast<int>(reached));
        company.GetHistory().push_back(std::move(entry));
        ++reached;
    }
}

int CVDoc::CalcLotValue(int area, int x, int y, int month, double& income, double& expense,
                        int withSalary) {
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (!record || !record->IsInGrid(x, y) || month < -1 || month >= kMonths) return 0;
    // A lot nobody owns has no grade part.
    const CEnterprise* owner = GetEnterprise(record->GetCellOwner(x, y) - 1);
    const SLotTerms terms{PopulationTerm(*record), owner ? GradeTerm(*owner, area) : 0.0};
    return AddLotValue(area, x, y, month, terms, income, expense, withSalary);
}

namespace {

// Every owned lot, each worked out.
class CEveryLot : public CVDoc::ILotSelection {
public:
    bool Takes(int, int) override { return true; }
    bool Recalls(int, int, double&) override { return false; }
    void Note(int, int, double) override {}
};

}  // namespace

void CVDoc::ListOwnedLotValues(int area, int x0, int y0, int x1, int y1, int month,
                               std::vector<SOwnedLot>& lots) {
    CEveryLot every;
    ListOwnedLotValues(area, x0, y0, x1, y1, month, lots, every);
}

void CVDoc::ListOwnedLotValues(int area, int x0, int y0, int x1, int y1, int month,
                               std::vector<SOwnedLot>& lots, ILotSelection& selection) {
    lots.clear();
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (!record || month < -1 || month >= kMonths) return;
    const double population = PopulationTerm(*record);
    const int companies = CompanyCount();
    // The owners' grade terms, each worked out once.
    std::vector<double> grades(static_cast<size_t>(companies), std::nan(""));
    // The bounds are clipped once; the cells are read without a test each.
    const auto owners = record->Cells(CMapData::layerOwner);
    const auto structures = record->Cells(CMapData::layerStructure);
    for (int y = std::max(y0, 0); y <= std::min(y1, record->GetHeight() - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, record->GetWidth() - 1); ++x) {
            const size_t cell = record->CellIndex(x, y);
            const int owner = owners[cell];
            if (owner < 1 || owner > companies) continue;
            // A structure's anchor, or a cell it covers.
            const int number = structures[cell];
            if ((number <= 0 && number != -1) || !selection.Takes(x, y)) continue;
            double value = 0;
            if (!selection.Recalls(x, y, value)) {
                double& grade = grades[static_cast<size_t>(owner - 1)];
                if (std::isnan(grade)) grade = GradeTerm(*GetEnterprise(owner - 1), area);
                double income = 0, expense = 0;
                AddLotValue(area, x, y, month, SLotTerms{population, grade}, income, expense, 1);
                value = income - expense;
                selection.Note(x, y, value);
            }
            lots.push_back({x, y, owner - 1, value});
        }
}

int CVDoc::AddLotValue(int area, int x, int y, int month, const SLotTerms& terms, double& income,
                       double& expense, int withSalary) {
    const CMapDoc& map = GetMap();
    const CBD* type = map.GetCellStructureType(area, x, y, 0);
    if (!type) return 0;
    int width = 0, height = 0;
    type->GetSize(width, height);
    // The map loader refuses sizes below 1; a type that has one anyway
    // earns and costs nothing rather than divide by zero.
    if (width < 1 || height < 1) return 0;
    const double cells = static_cast<double>(width) * height;
    const SLotBases k =
        CalcLotBases(map, area, x, y, *type, terms.population, terms.grades, cells);
    std::vector<SHomeTeam> teams;
    if (type->GetTypeCode() == StructureCode::kStadiumKind0 ||
        type->GetTypeCode() == StructureCode::kStadiumKind1)
        teams = FindHomeTeams(map, area, x, y);

    const int first = month == -1 ? 0 : month;
    const int last = month == -1 ? kMonths - 1 : month;
    double in = 0, out = 0;
    for (int m = first; m <= last; ++m) {
        const double f = type->GetMonthFactor(m);
        int t = 0;
        for (const SHomeTeam& team : teams)
            if (team.league->IsInSeason(m)) t += team.income;
        in += f * k.k1 + f * k.k2 + f * k.k3 + t;
        out += k.k4;
    }
    const CEnterprise* owner = GetEnterprise(map.GetArea(area).GetCellOwner(x, y) - 1);
    if (withSalary && owner)
        out += owner->CalcSalaryCost(type->GetValueFigure(), last - first + 1) / cells;
    income += in;
    expense += out;
    return in > 0 || out > 0 ? 1 : 0;
}

// ---------------------------------------------------------------- interest

void CVDoc::AdjustInterestRate() {
    if (m_game.month != kMonths - 1) return;
    const int rate = m_game.interestRate;
    const int target = std::min(m_game.year + kMinInterestRate, kMaxInterestRate);
    const int toward = target > rate ? 1 : target < rate ? -1 : 0;
    // The noise is drawn before the step toward the target.
    const int noise = (Random(9) - 4) / 2;
    const int step = Random(2 * toward);
    const int next = std::clamp(rate + noise + step, kMinInterestRate, kMaxInterestRate);
    // The host sends the new rate before every machine shows it, and the
    // stored rate afterwards, with the network play.
    std::vector<int> debts;
    for (const CEnterprise& company : m_game.companies) debts.push_back(company.GetDebt());
    Services::Dialogs().ShowInterest(next, debts, IsNetworkGame() ? kInterestDialogNetworkMs : 0);
    SetInterestRate(next);
    if (IsNetworkHost()) CNetStateOut::Send(-1, CNetDocState(*this).BuildInterestRate());
}

// ---------------------------------------------------------------- stock

int CVDoc::GetStockPrice(int company) {
    const CEnterprise* c = GetEnterprise(company);
    int issued = GetStockHolding(company, -1);
    // Before the founding phase has issued shares there is no price.
    if (!c || issued <= 0) return 0;
    int held = GetStockHolding(company, -2);
    double s = std::max(c->GetAnnualIncome(), 80);
    double base = (std::pow(s, 0.9) + 1500) * 10 / issued;
    int64_t ratio = int64_t{held} * 1000 / issued;
    double price = base * static_cast<double>(ratio + 300) / 300;
    return static_cast<int>(std::min(price, 2147483647.0));
}

double CVDoc::GetHoldingWeight(int holder, int company) const {
    // A negative holding from a bad matrix weighs nothing (and the power of
    // a negative number is no number).
    const double stake = std::clamp(2 * GetShareRatio(company, holder), 0.0, 1.0);
    return std::pow(stake, 0.8);
}

int CVDoc::ShareholderPressureRoll(int company, int holder) {
    int v = static_cast<int>(GetShareRatio(company, holder) * 1000);
    if (v < kPressureThreshold) return 0;
    // The holder's part is drawn first, then the chance part.
    const int stake = Random(Random(v));
    const int chance = Random(Random(Random(100)));
    return stake + chance >= 61 ? 1 : 0;
}

void CVDoc::RepayLoan(int company, int amount) {
    CEnterprise* c = GetEnterprise(company);
    if (!c) return;
    c->Borrow(ClampToInt(-int64_t{amount}));
    SetModified();
}

void CVDoc::ApplyStockSale(int seller, int company, int quantity) {
    CEnterprise* s = GetEnterprise(seller);
    if (!s || !GetEnterprise(company)) return;
    // Nobody sells more shares than he holds.
    const int held = GetStockHolding(company, seller);
    quantity = std::min(quantity, held);
    if (quantity < 1) return;
    const int value = ClampToInt(int64_t{GetStockPrice(company)} * quantity);
    s->AddFunds(value);
    s->AddMonthlySales(m_game.month, value);
    s->AddMonthlyProfit(m_game.month, value);
    SetStockHolding(company, seller, held - quantity);
    SetModified();
}

// ---------------------------------------------------------------- teams

void CVDoc::ApplyProTeamPurchase(int company, int league, int team, int price) {
    CEnterprise* c = GetEnterprise(company);
    if (!c || league < 0 || league >= CMapDoc::kLeagueCount) return;
    CLeague& l = GetMap().GetLeague(league);
    if (team < 0 || team >= l.GetTeamCount()) return;
    c->SetLeagueTeam(league, team);
    // In network play the issuing machine has taken the payment already,
    // unless the company's player sits at another machine.
    if (!IsNetworkGame() || (c->IsHumanPlayed() && !IsLocallyPlayed(company))) {
        const int charge = ClampToInt(-int64_t{price});
        c->AddFunds(charge);
        c->AddMonthlyProfit(m_game.month, charge);
    }
    CHistory entry;
    entry.SetTeamTrade(league, team, true);
    c->GetHistory().push_back(std::move(entry));
    l.GetTeam(team).SetOwner(company);
    SetModified();
}

void CVDoc::ApplyProTeamSale(int company, int league) {
    CEnterprise* c = GetEnterprise(company);
    if (!c || league < 0 || league >= CMapDoc::kLeagueCount) return;
    CLeague& l = GetMap().GetLeague(league);
    int team = c->GetLeagueTeam(league);
    if (team < 0 || team >= l.GetTeamCount()) return;
    int proceeds = std::max(l.GetTeamPrice(team) / 2, 1);
    c->SetLeagueTeam(league, -1);
    c->AddFunds(proceeds);
    c->AddMonthlySales(m_game.month, proceeds);
    c->AddMonthlyProfit(m_game.month, proceeds);
    for (int d = 0; d < c->GetDirectorCount(); ++d) {
        CPersonData* director = c->GetDirector(d);
        if (director && director->GetTaskKind() == CPersonData::eTASK_TEAM_SUPPORT &&
            director->GetTaskParam(0) == league)
            director->AssignTask(CPersonData::eTASK_NONE, 0);
    }
    l.GetTeam(team).SetOwner(-1);
    SetModified();
}

// ---------------------------------------------------------------- areas and sites

int CVDoc::GetAreaValue(int area) {
    const CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (!record) return 0;
    return ClampToInt(int64_t{record->GetProjectFund()} + SumAreaRatings(2, area, 0));
}

int CVDoc::CountStrongCompanies(int area) const {
    if (area < 0 || area >= GetMap().GetAreaCount()) return 0;
    return static_cast<int>(
        std::count_if(m_game.companies.begin(), m_game.companies.end(),
                      [area](const CEnterprise& c) { return c.GetAreaLevel(area) >= 3; }));
}

void CVDoc::DiluteAreaInvestments(int area, int amount) {
    if (area < 0 || area >= GetMap().GetAreaCount()) return;
    CPersonData* governor = GetAreaGovernor(area);
    const int g = governor ? governor->GetAmount() : 0;
    const int64_t total = int64_t{SumAreaRatings(0, area, 0)} + g;
    if (total <= 0) return;
    const double f = static_cast<double>(amount) / 2 / static_cast<double>(total);
    // The amount setter keeps a governor's amount at 0 or more, so one at 0
    // stays there.
    if (governor) governor->SetAmount(ClampToInt(int64_t{g} - std::max(TruncToInt(g * f), 1)));
    for (CEnterprise& company : m_game.companies) {
        const int rating = company.GetAreaRating(0, area);
        company.SetAreaRating(0, area, -std::max(TruncToInt(rating * f), 1), 1);
    }
}

int CVDoc::CalcSiteFactor(int area, int x, int y, int company) {
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (!record || !record->IsInGrid(x, y)) return 0;
    auto strength = [](const CEnterprise& c) {
        return int64_t{TruncToInt(c.GetAnnualSales(-1) * 0.4)} +
               std::max(TruncToInt(c.GetAnnualIncome() * 0.6), 0);
    };
    int64_t best = 50;
    for (const CEnterprise& c : m_game.companies) best = std::max(best, strength(c));
    const CEnterprise* builder = GetEnterprise(company);
    const int64_t own = std::max({builder ? strength(*builder) : 0, int64_t{50}, best / 7});
    const int64_t height = GetMap().GetGroundHeight(area, x, y);
    return ClampToInt(best * 10 / own + height * 10 + 90);
}

int CVDoc::CalcLotPriceFor(const CPersonData* director, int area, int x, int y) const {
    if (area < 0 || area >= GetMap().GetAreaCount() || !GetMap().GetArea(area).IsInGrid(x, y))
        return -1;
    return GetMap().GetLotPriceForDirector(area, x, y, director);
}
