// The computer player's planners: each weighs one kind of plan for the
// company and fills a scratch plan; PlanNext keeps the best. With real 0 the
// planners answer for the adviser and do not ask for a free director.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/ComCommand.h"
#include "game/ComCommandMath.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"

using namespace ComMath;

namespace {

// A plan of some kind waits while this many of its kind are pending.
int PendingLimit(const CEnterprise& company) {
    return std::max(company.GetDirectorCount() / 2 + 1, 1);
}

// The best plan so far and its score; a candidate replaces it only when it
// scores strictly higher, so ties keep the earlier one.
struct SBest {
    double score = 0;
    CCmdPacket plan;
    bool Offer(double candidate, const CCmdPacket& scratch) {
        if (candidate <= score) return false;
        score = candidate;
        plan = scratch;
        return true;
    }
};

}  // namespace

bool CComCommand::NoFreeDirector(int real) const {
    return real && m_company->CountFreeDirectors() < 1;
}

int CComCommand::PickRandomArea(int flag) const {
    const int count = m_company->GetAreaCount();
    const int level = flag ? 3 : 1;
    bool exists = false;
    for (int a = 0; a < count; ++a) exists = exists || m_company->GetAreaLevel(a) >= level;
    if (!exists) return -1;
    for (;;) {
        const int a = Random(count);
        if (m_company->GetAreaLevel(a) >= level) return a;
    }
}

// ---------------------------------------------------------------- next plan

bool CComCommand::PlanNext(CCmdPacket& result) {
    if (!IsUsable()) return false;
    SBest best;
    auto group = [&](std::initializer_list<double> scores, std::vector<CCmdPacket>& plans) {
        SBest inner;
        size_t i = 0;
        for (double s : scores) inner.Offer(s, plans[i++]);
        best.Offer(std::trunc(inner.score), inner.plan);
    };
    std::vector<CCmdPacket> p(5);
    {
        const double construction = PlanConstruction(p[0], 1);
        const double project = PlanInvestment(p[1], 0, 1);
        group({construction, project}, p);
    }
    {
        std::vector<CCmdPacket> q(1);
        const double land = PlanLandAcquisition(q[0], 1);
        group({land}, q);
    }
    {
        std::vector<CCmdPacket> q(1);
        const double advertising = PlanAdvertising(q[0], 1);
        group({advertising}, q);
    }
    {
        std::vector<CCmdPacket> q(2);
        const double prevention = PlanInvestment(q[0], 1, 1);
        const double donation = PlanInvestment(q[1], 3, 1);
        group({prevention, donation}, q);
    }
    {
        std::vector<CCmdPacket> q(4);
        const double stock = PlanStockPurchase(q[0], 1);
        const double expo = std::trunc(PlanInvestment(q[1], 2, 1));
        const double team = PlanProTeamPurchase(q[2], 1);
        const double support = PlanTeamSupport(q[3], 1);
        group({stock, expo, team, support}, q);
    }
    {
        std::vector<CCmdPacket> q(1);
        const double loan = PlanBankLoan(q[0], 1);
        group({loan}, q);
    }
    {
        std::vector<CCmdPacket> q(5);
        const double expansion = PlanExpansion(q[0], 1);
        const double employees = PlanRecruitEmployees(q[1], 1);
        const double management = PlanRecruitManagement(q[2], 1);
        const double headhunting = PlanHeadhunting(q[3], 1, 0);
        const double repairs = PlanRepairs(q[4], 1);
        group({expansion, employees, management, headhunting, repairs}, q);
    }
    if (best.score <= 0) return false;
    result = best.plan;
    return true;
}

// ---------------------------------------------------------------- construction

double CComCommand::PlanConstruction(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    const int strong = CountStrongAreas();
    if (strong == 0) return 0;
    if (m_company->CountPlansOfType(CCmdPacket::ePLAN_BUILD) >= PendingLimit(*m_company)) return 0;
    const int tries = std::max(2 * strong, 1);
    // The tries come back to the same areas and sites: their gains are
    // worked out once for the pass.
    CSiteGains gains(m_doc.GetMap());
    struct SPassGains {
        CSiteGains*& slot;
        ~SPassGains() { slot = nullptr; }
    } pass{m_siteGains};
    if (m_keepSiteGains) m_siteGains = &gains;
    double best = 0;
    int bestArea = -1, bestType = -1;
    CCellPoint bestSite(-1, -1);
    for (int t = 0; t < tries; ++t) {
        const int area = PickRandomArea(1);
        if (area < 0 || area >= m_doc.GetMap().GetAreaCount()) continue;
        std::vector<CCellPoint> own;
        if (m_company->GetAreaLand(area) > 0) {
            const CMapData& record = m_doc.GetMap().GetArea(area);
            for (int y = 0; y < record.GetHeight(); ++y)
                for (int x = 0; x < record.GetWidth(); ++x)
                    if (record.GetCellOwner(x, y) == m_companyIndex + 1 &&
                        IsBuildableSite(area, x, y))
                        own.push_back({x, y});
        }
        CCellPoint site(-1, -1);
        int type = -1;
        const double rating = RateAreaSites(area, own, site, type);
        if (rating > best) {
            best = rating;
            bestArea = area;
            bestSite = site;
            bestType = type;
        }
    }
    if (best <= 0) return 0;
    if (!plan.MakeBuildPlan(m_companyIndex, bestArea, bestSite, bestType)) return 0;
    return real ? 1000 * best : 1000 * 0.8 * best;
}

// ---------------------------------------------------------------- investment

double CComCommand::RateInvestmentTry(int kind, int area, int budget, int planned) {
    const int level = m_company->GetAreaLevel(area);
    int rivals = 0;
    for (int c = 0; c < m_doc.CompanyCount(); ++c) {
        if (c == m_companyIndex) continue;
        const int other = m_doc.GetEnterprise(c)->GetAreaLevel(area);
        rivals += other == 4 ? 3 : other == 2 ? 1 : 0;
    }
    const int level2 = level + Random(level);
    const int dirs = m_company->GetDirectorCount();
    const int d = Ability(0);
    // The kind's budget left, in percent; a kind without a budget gives
    // nothing.
    if (budget <= 0) return 0;
    const double left = static_cast<double>((int64_t{budget} - planned) * 100 / budget);
    const double f = std::max(2.0 - std::pow(rivals, 0.9) / 4.0, 0.5);
    double x = 0;
    switch (kind) {
        case 0: {
            if (m_company->GetSanctionMonths() > 0) return 0;
            const CPersonData* governor = m_doc.GetAreaGovernor(area);
            int highest = 0, own = 0;
            if (governor) {
                own = governor->GetRelation(m_companyIndex);
                for (int c = 0; c < m_doc.CompanyCount(); ++c)
                    if (c != m_companyIndex) highest = std::max(highest, governor->GetRelation(c));
            }
            const int ratio = (highest + 200) / std::max(own + 200, 1);
            x = left * (level2 + 5) / 10.0 * f * ratio * (dirs + 3) / 7.0 * (d + 100) / 130.0 * 10.0;
            return Random(TruncToInt(std::max(x, 0.0)));
        }
        case 1: {
            const int free = m_doc.GetMap().CountCompanyCells(area, m_companyIndex, 1);
            const int built = m_doc.GetMap().CountCompanyCells(area, m_companyIndex, 2);
            const int r = TruncToInt(Pow0(free + 3.0 * built, 0.7));
            const int s = 150 - m_doc.SumAreaRatings(1, area, 1);
            x = left * r / 10.0 * (level2 + 8) / 13.0 * s / 100.0 * (dirs + 2) / 6.0 * (d + 100) /
                130.0 * 10.0;
            return Random(TruncToInt(std::max(x, 0.0)) * 3 / 2);
        }
        case 2:
            x = left * ((level2 + 8) / 13) * ((dirs + 4) / 8) * ((d + 50) / 80) * 10.0;
            return Random(TruncToInt(std::max(x, 0.0)));
        default: {
            const CPersonData* governor = m_doc.GetAreaGovernor(area);
            const int w = governor ? governor->GetFigure3() : 0;
            const int m = std::max(m_company->GetMonthlyFigure(3, area, -1) - 50, 0);
            // A president without Directing weighs any past donation as
            // enough.
            const int q = m == 0 ? 100 : d > 0 ? std::max(100 - m * 20 / d, 0) : 0;
            x = left * (level2 + 5) / 10.0 * f * q / 100.0 * (w + 5) / 8.0 * (d + 100) / 130.0 *
                10.0;
            return Random(TruncToInt(std::max(x, 0.0)));
        }
    }
}

double CComCommand::PlanInvestment(CCmdPacket& plan, int kind, int real) {
    if (NoFreeDirector(real)) return 0;
    if (FundsLessPlans(0) < 5) return 0;
    const int a = ClampToInt(int64_t{m_company->GetAnnualIncome()} * 4 / 5);
    const int planned = ClampToInt(int64_t{m_company->GetMonthlyFigure(kind, -1, -1)} +
                                   m_company->SumPlannedInvestment(kind));
    int budget = 0;
    switch (kind) {
        case 0:
        case 3:
            budget = a / 20;
            break;
        case 1:
            budget = TruncToInt(Pow0(a, 0.7)) * 3 / 5;
            break;
        default:
            budget = a / 10;
            break;
    }
    const int areas = m_company->GetAreaCount();
    const int tries = (Ability(1) / 10) * areas;
    double best = 0.0;
    int bestArea = -1;
    for (int t = 0; t < tries; ++t) {
        const int area = Random(areas);
        if (m_company->GetAreaLevel(area) < 3) continue;
        const double value = RateInvestmentTry(kind, area, budget, planned);
        if (value >= best) {
            best = value;
            bestArea = area;
        }
    }
    if (bestArea < 0 || !plan.MakeInvestmentPlan(m_companyIndex, bestArea, kind)) return 0;
    return best;
}

// ---------------------------------------------------------------- land

int CComCommand::PlanLandAcquisition(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    const int pending = m_company->CountPlansOfType(CCmdPacket::ePLAN_ACQUIRE_LAND);
    if (pending >= PendingLimit(*m_company) || CountStrongAreas() == 0) return 0;
    const int spendable = m_company->CalcSpendableFunds(1);
    const int d = Ability(0);
    int best = 0, bestArea = -1;
    for (int t = 0; t < Ability(1); ++t) {
        const int area = PickRandomArea(0);
        const CMapData* record = m_doc.GetArea(area);
        if (!record) continue;
        const int free = m_company->GetFreeAreaLand(area) - pending;
        const int cost = record->GetLevel();
        if (Random(cost) + cost / 2 > spendable) continue;
        const int level = m_company->GetAreaLevel(area);
        const int base = level == 4 ? 6 : level >= 3 ? 4 : level < 1 ? 0 : 2;
        const int v = Random(ClampToInt((int64_t{base} - free) * (d + 50) * 6)) /
                      (m_company->CountPlannedLandBuys(area) + 1);
        if (v > best) {
            best = v;
            bestArea = area;
        }
    }
    if (best <= 0) return 0;
    plan.MakeAcquireLand(bestArea);
    return best;
}

// ---------------------------------------------------------------- advertising

int CComCommand::PlanAdvertising(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    if (FundsLessPlans(0) <= 5) return 0;
    const int a = ClampToInt(int64_t{m_company->GetAnnualIncome()} * 4 / 5);
    const int e55 = a >= 1 ? TruncToInt(std::pow(a, 0.55)) : 0;
    const int e5 = a >= 1 ? TruncToInt(std::sqrt(a)) : 0;
    int bestGap = 0, bestArea = -1;
    for (int area = 0; area < m_company->GetAreaCount(); ++area) {
        const int level = m_company->GetAreaLevel(area);
        const int t = (level + 8) * 400 / 19 + e55 + 2 * Ability(3) + 20;
        const int gap = m_company->GetAreaGrade(area) - (Random(t / 5) + t * 8 / 10);
        if (gap < bestGap) {
            bestGap = gap;
            bestArea = area;
        }
    }
    const int cap = 736 + RandomVary(e5, e5 / 3);
    if (bestArea < 0) return 0;
    const int base = TruncToInt(std::pow(2.0 * -bestGap, 2)) / 35 + 5;
    int score = TruncToInt(std::pow(-bestGap, 1.5) * 3.0);
    int amount = Random((base + e5) / 3) + (base + e5) * 5 / 6;
    amount = std::min(amount, m_company->CalcSpendableFunds(0));
    amount = std::min(amount, std::max(a / 2, 50));
    amount = std::min(amount, cap);
    amount = std::max(amount, 5);
    plan.MakeAdvertising(bestArea, amount);
    const int pending = m_company->CountPlansOfType(CCmdPacket::ePLAN_ADVERTISING);
    if (pending > 0) score /= (pending + 1) * (pending + 1);
    return score;
}

// ---------------------------------------------------------------- loan

double CComCommand::PlanBankLoan(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    const int debt = m_company->GetDebt();
    if (m_doc.GetMonth() == 11 || debt >= 1000) return 0;
    plan.MakeLoan();
    const int d = Ability(0);
    const int64_t need =
        int64_t{m_company->SumPlannedCosts(0)} + Random(2 * d) - m_company->GetFunds();
    const int64_t covered = int64_t{m_company->CalcLoanAmount(nullptr)} *
                            m_company->CountPlansOfType(CCmdPacket::ePLAN_LOAN) * 3 / 4;
    double base = 0;
    if (need - covered > 0)
        base = std::pow(static_cast<double>(need - covered), 0.2) *
                   static_cast<double>(1000 - debt - covered) +
               200.0;
    const int v = TruncToInt(Random(3 * d) + base);
    return RandomVary(v, v / 2);
}

// ---------------------------------------------------------------- staff

double CComCommand::PlanRecruitEmployees(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    const int plans = m_company->CountPlansOfType(CCmdPacket::ePLAN_RECRUIT_EMPLOYEES);
    const int64_t pending =
        plans > 0 ? int64_t{CPersonData().CalcRecruitableEmployees(m_companyIndex)} * plans : 0;
    plan.MakeRecruitEmployees();
    const int atWork = m_company->GetEmployeesAtWork();
    if (!real) {
        const int s = std::max(Random(3 * Ability(0) - atWork), 0);
        return std::pow(s, 1.3) * 10;
    }
    const int x = ClampToInt(int64_t{m_company->SumPlannedValue()} - atWork - pending);
    if (x > 0) return Pow0(RandomVary(x, x / 3), 0.5) * 150 + 2500;
    const int64_t y = std::max<int64_t>(int64_t{m_company->GetAnnualIncome()} * 4 / 5 + 200, 0);
    const int s = std::max(TruncToInt(std::pow(static_cast<double>(y), 0.75) + 100.0), 500);
    return Random(s) / (plans + 1);
}

double CComCommand::PlanRecruitManagement(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    if (m_doc.CountFreeDirectors() < 1) return 0;
    plan.MakeRecruitManagement();
    int64_t v = 0;
    if (const CPersonData* target = m_company->FindHeadhuntTarget(0))
        v = 30 * int64_t{target->GetAbility(-1, false)};
    else
        v = int64_t{m_company->CalcRecruitValue(0)} * 3 / 2;
    double score = v > 0 ? std::pow(100.0 * static_cast<double>(v), 0.9) * 1.2 : Random(200);
    const int pending = m_company->CountPlansOfType(CCmdPacket::ePLAN_RECRUIT_MANAGEMENT);
    if (pending >= 1) score = 2 * score / (pending * pending + 1);
    return score;
}

double CComCommand::PlanHeadhunting(CCmdPacket& plan, int real, int extra) {
    if (NoFreeDirector(real)) return 0;
    int person = -1;
    double r = m_company->RatePersonForRecruit(person, real, extra);
    if (r <= 0 || !m_doc.GetDirector(person)) return 0;
    if (!real) r *= Random(4) + 1;
    plan.MakeHeadhunting(person);
    const int pending = m_company->CountPlansOfType(CCmdPacket::ePLAN_HEADHUNTING, person);
    return r / (pending * pending + 1);
}

// ---------------------------------------------------------------- expansion

double CComCommand::PlanExpansion(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    const int count = m_company->GetAreaCount();
    for (int a = 0; a < count; ++a)
        if (m_company->HasPlanForArea(a)) return 0;
    if (CountStrongAreas() > 0 && !CanManageMoreAreas(1)) return 0;
    int64_t best = 0;
    int bestArea = -1;
    for (int t = 0; t < 5 * count + 5; ++t) {
        const int area = Random(count);
        const int level = m_company->GetAreaLevel(area);
        const CMapData* record = m_doc.GetArea(area);
        if (level >= 3 || !record) continue;
        int64_t crowd = 200 + 40 * level;
        for (int c = 0; c < m_doc.CompanyCount(); ++c) {
            const int other = c == m_companyIndex ? 0 : m_doc.GetEnterprise(c)->GetAreaLevel(area);
            if (other > 0) crowd -= 20 * (other + 1);
        }
        const int v = ClampToInt(std::max<int64_t>(crowd, 0) +
                                 TruncToInt(Pow0(200 - record->GetLevel(), 1.1)) / 2);
        const int64_t score = int64_t{Random(v)} + v;
        if (score > best) {
            best = score;
            bestArea = area;
        }
    }
    if (bestArea < 0) return 0;
    CCellPoint site(-1, -1);
    int type = -1;
    if (!ChooseOfficeSite(bestArea, site, type)) return 0;
    if (!plan.MakeBuildPlan(m_companyIndex, bestArea, site, type)) return 0;
    const int d = Ability(0);
    return RandomVary(20 * d, 10 * d);
}

// ---------------------------------------------------------------- stock

double CComCommand::PlanStockPurchase(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    const int income = m_company->GetAnnualIncome();
    const int d = Ability(0);
    const int64_t growth = TruncToInt(Pow0(income, 0.8));
    if (Random(ClampToInt(growth * (d + 50) / 100)) < 80) return 0;
    const CPersonData* buyer = nullptr;
    int bestAptitude = 0;
    for (int i = 0; i < m_company->GetDirectorCount(); ++i) {
        const CPersonData* person = m_company->GetDirector(i);
        if (!person || (real && person->HasTask())) continue;
        const int aptitude = person->GetTaskAptitude(CPersonData::eTASK_STOCK_PURCHASE, true);
        if (!buyer || aptitude > bestAptitude) {
            buyer = person;
            bestAptitude = aptitude;
        }
    }
    if (!buyer) return 0;
    const int tries = std::max(RandomVary(d + 30, d) / 20, 1);
    double best = 0;
    int chosen = -1;
    for (int c = 0; c < m_doc.CompanyCount(); ++c) {
        int shares = 0, unit = 0;
        for (int t = 0; t < tries && !buyer->PlanStockPurchase(c, shares, unit); ++t) {
        }
        // Without shares issued no holding ratio exists; without a unit
        // price nothing is bought.
        const int64_t issued = m_doc.GetStockHolding(c, -1);
        if (shares <= 0 || unit <= 0 || issued <= 0) continue;
        if (FundsLessPlans(0) < unit) continue;
        const int64_t bought = std::min<int64_t>(shares, m_company->CalcSpendableFunds(1) / unit);
        const int64_t held = m_doc.GetStockHolding(c, m_companyIndex);
        int64_t v = (held + bought) * 1000 / issued * 10 + 5000 + 10 * growth;
        if (c != m_companyIndex) {
            int shared = 0;
            const CEnterprise* other = m_doc.GetEnterprise(c);
            for (int a = 0; a < m_company->GetAreaCount() && a < other->GetAreaCount(); ++a)
                if (m_company->GetAreaLevel(a) >= 3 && other->GetAreaLevel(a) >= 3) ++shared;
            v += TruncToInt(std::pow(100.0 * shared, 0.7) * 200);
        } else {
            v += (m_doc.GetStockHolding(c, -2) - held) * 1000 / issued * 5;
        }
        // Two draws: each its own statement, so that they are taken in this
        // order whatever order the compiler picks for the operands of +.
        const int quantityDraw = Random(ClampToInt(std::max<int64_t>(bought, 0) * 200));
        const int valueDraw = Random(ClampToInt(v));
        const double score = quantityDraw + valueDraw / 4;
        if (score > best) {
            best = score;
            chosen = c;
        }
    }
    if (chosen < 0) return 0;
    plan.MakePurchaseStock(chosen);
    return best / (m_company->CountPlansOfType(CCmdPacket::ePLAN_PURCHASE_STOCK) + 1);
}

// ---------------------------------------------------------------- teams

int CComCommand::PlanProTeamPurchase(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    CMapDoc& map = m_doc.GetMap();
    const int money = FundsLessPlans(0);
    const int income = m_company->GetAnnualIncome();
    struct SCandidate {
        int league, team, price;
    };
    std::vector<SCandidate> candidates;
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
        const CLeague& league = map.GetLeague(l);
        if (m_company->GetLeagueTeam(l) >= 0) continue;
        if (map.CountQualifyingListCells(m_companyIndex, league.GetStadiumKind(), -1, -1,
                                         CCellPoint(-1, -1)) < 1)
            continue;
        for (int t = 0; t < league.GetTeamCount(); ++t) {
            const CProTeam& team = league.GetTeam(t);
            if (team.GetOwnerIndex() >= 0 || !team.IsForSale()) continue;
            const int price = league.GetTeamPrice(t);
            if (price <= money && price / 3 <= income) candidates.push_back({l, t, price});
        }
    }
    if (candidates.empty()) return 0;
    const int tries = (Ability(1) + Ability(0)) * 5 / 10;
    int best = 0;
    SCandidate chosen{-1, -1, 0};
    for (int t = 0; t < tries; ++t) {
        const SCandidate& c = candidates[static_cast<size_t>(Random(static_cast<int>(candidates.size())))];
        const CLeague& league = map.GetLeague(c.league);
        const int64_t n = league.GetTeamCount();
        const int64_t schedule = league.GetSeasonStartCount();
        // A league that plays no games a month has no season months.
        const int perMonth = league.GetGamesPerMonth();
        const int64_t months =
            perMonth > 0 ? (league.GetSeasonGames() + perMonth - 1) / perMonth : 0;
        const int64_t m = std::min<int64_t>(months * schedule, 12);
        const int score = Random(ClampToInt((schedule + 1) * c.price * (m + 5) / (n + 5)));
        if (score > best) {
            best = score;
            chosen = c;
        }
    }
    if (best <= 0) return 0;
    const int kind = map.GetLeague(chosen.league).GetStadiumKind();
    int bestRating = 0, bestArea = -1;
    CCellPoint bestCell(-1, -1);
    for (int a = 0; a < map.GetAreaCount(); ++a) {
        const CMapData& area = map.GetArea(a);
        for (int i = 0; i < area.GetStadiumCount(kind); ++i) {
            const CCellPoint cell = area.GetPairListCell(kind, i);
            if (!area.IsInGrid(cell.x, cell.y) ||
                !map.IsCellAvailableTo(m_companyIndex, kind, a, cell.x, cell.y))
                continue;
            const int rating =
                map.RateHomeFieldSite(a, cell.x, cell.y, chosen.league, chosen.team, -1);
            if (rating > bestRating) {
                bestRating = rating;
                bestArea = a;
                bestCell = cell;
            }
        }
    }
    if (bestArea < 0) return 0;
    plan.MakeAcquireProTeam(chosen.league, chosen.team, bestArea, bestCell);
    return best;
}

int CComCommand::PlanTeamSupport(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    if (m_company->CountOwnedTeams() < 1) return 0;
    const int d = Ability(0);
    const int64_t a = std::max<int64_t>(int64_t{m_company->GetAnnualIncome()} * 4 / 5, 0);
    const int incomeDraw = Random(ClampToInt(a));
    const int bar = Random(2500 - 15 * d);
    if (incomeDraw < bar) return 0;
    CMapDoc& map = m_doc.GetMap();
    const int companies = std::max(m_doc.CompanyCount(), 1);
    int best = 0, bestLeague = -1, bestPopularity = 0;
    for (int t = 0; t < 6; ++t) {
        const int l = Random(CMapDoc::kLeagueCount);
        const int team = m_company->GetLeagueTeam(l);
        const CLeague& league = map.GetLeague(l);
        if (team < 0 || team >= league.GetTeamCount()) continue;
        const int popularity = Random(3) < 2 ? 0 : 1;
        if (map.GetLeagueFigure(l, team) > FundsLessPlans(1)) continue;
        int highest = 0, owned = 0;
        for (int i = 0; i < league.GetTeamCount(); ++i) {
            highest = std::max(highest, league.GetTeam(i).GetWinPower());
            if (league.GetTeam(i).GetOwnerIndex() >= 0) ++owned;
        }
        const int o = 100 * owned / companies;
        const CProTeam& pro = league.GetTeam(team);
        int weight = 0;
        if (popularity) {
            if (pro.GetPopularity() >= 30) continue;
            weight = Random(10 * o + 1200);
        } else {
            if (pro.GetWinPower() >= 30) continue;
            const int gap = highest - pro.GetWinPower();
            const int base = gap < 1 ? 1200 : std::max(2000 - 100 * gap, 1200);
            weight = Random(10 * o + base);
        }
        const int pending = m_company->CountPlannedSupport(l, popularity);
        if (pending > 0) weight /= pending;
        if (weight > best) {
            best = weight;
            bestLeague = l;
            bestPopularity = popularity;
        }
    }
    if (bestLeague < 0) return 0;
    plan.MakeFinancialSupport(bestLeague, bestPopularity);
    return best;
}

// ---------------------------------------------------------------- repairs

double CComCommand::PlanRepairs(CCmdPacket& plan, int real) {
    if (NoFreeDirector(real)) return 0;
    CMapDoc& map = m_doc.GetMap();
    const int left = m_doc.GetGameYears() * 12 - m_doc.GetMonthIndex();
    const int q = 2 * std::min(left, 12) + 70;
    struct SCandidate {
        int area;
        CCellPoint cell;
        int priority;
        int rebuild;
    };
    std::vector<SCandidate> candidates;
    for (int area = 0; area < m_company->GetAreaCount() && area < map.GetAreaCount(); ++area) {
        if (m_company->GetAreaLevel(area) < 3) continue;
        const CMapData& record = map.GetArea(area);
        for (int y = 0; y < record.GetHeight(); ++y)
            for (int x = 0; x < record.GetWidth(); ++x) {
                if (record.GetCellOwner(x, y) != m_companyIndex + 1) continue;
                if (!map.HasStructureAt(area, x, y) || !map.IsAnchorCell(area, x, y)) continue;
                const CBD* type = map.GetCellStructureType(area, x, y, 0);
                if (!type) continue;
                const int code = type->GetTypeCode();
                if (code == StructureCode::kMast || StructureCode::IsOfficeCode(code)) continue;
                SCandidate c{area, {x, y}, 500, 1};
                if (code != StructureCode::kRubble) {
                    const double e = EstimateLotIncome(area, {x, y}, 1);
                    if (e > 0) {
                        int w = 1, h = 1;
                        type->GetSize(w, h);
                        const int64_t base =
                            std::max<int64_t>(TruncToInt(std::sqrt(w * h) * q) -
                                                  map.GetStructureLayer7(area, x, y),
                                              0) *
                            4;
                        c.priority = TruncToInt((std::pow(e, 0.7) + 80.0) / 100.0 *
                                                static_cast<double>(base));
                        c.rebuild = 0;
                    } else {
                        c.priority = TruncToInt(e * -3.0) + 333;
                    }
                }
                c.priority = std::min(c.priority, 500);
                candidates.push_back(c);
            }
    }
    if (candidates.empty()) return 0;
    const double u = (100 - std::clamp(Ability(1), 0, 100)) / 100.0;
    int best = 0;
    const SCandidate* chosen = nullptr;
    for (const SCandidate& c : candidates) {
        if (m_company->HasPlanAt(c.area, c.cell.x, c.cell.y)) continue;
        const int score = RandomVary(10 * c.priority, TruncToInt(10 * c.priority * u));
        if (score > best) {
            best = score;
            chosen = &c;
        }
    }
    if (!chosen) return 0;
    plan.MakeDemolishOrReinforce(chosen->area, chosen->cell.x, chosen->cell.y, chosen->rebuild);
    return best;
}
