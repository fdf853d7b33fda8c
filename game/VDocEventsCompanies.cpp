// The events that concern companies: job applicants, a new company entering
// the market and the offer of newly traded shares.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "game/VDoc.h"
#include "game/NetDocState.h"
#include "model/InfoLogLines.h"
#include "model/MapData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {

// A company draws an applicant when its draw stays below this.
constexpr int kApplicantLimit = 1000;
constexpr int kApplicantTries = 100;
// The recruit value an applicant needs.
constexpr int kMinRecruitValue = 10;
constexpr int kAbilityCount = 5;
constexpr std::array<const char*, kAbilityCount> kAbilityNames = {
    "Directing", "Analysis", "Negotiation", "Advertising", "Construction"};
// A weak company lies this far below the mean (a deviation score).
constexpr double kWeakScore = 40.0;

}  // namespace

// ---------------------------------------------------------------- job applicants

bool CVDoc::IsApplicantSuitable(const CPersonData& person) const {
    return person.GetStartYear() <= GetYear() && !person.IsEmployed(false);
}

// The company with the smallest draw below the limit, in turn order; -1 none.
int CVDoc::ChooseApplicantCompany() {
    const int n = CompanyCount();
    int chosen = -1;
    int best = kApplicantLimit;
    for (int p = 0; p < n; ++p) {
        const int c = m_game.turnOrder.size() == static_cast<size_t>(n) ? GetTurnEnterprise(p) : p;
        const CEnterprise* company = GetEnterprise(c);
        if (!company) continue;
        int64_t s = int64_t{company->GetDirectorCount()} * 100;
        if (company->IsHumanPlayed()) s = s * 13 / 10;
        const int64_t v = Random(ClampToInt(s)) + s;
        if (v < best) {
            best = static_cast<int>(v);
            chosen = c;
        }
    }
    return chosen;
}

int CVDoc::JobApplicantEvent(int company) {
    const bool given = company >= 0;
    if (!given) company = ChooseApplicantCompany();
    CEnterprise* target = GetEnterprise(company);
    if (!target) return 0;
    if (target->CalcRecruitValue(given ? 1 : 0) <= kMinRecruitValue) return 0;
    const int persons = GetDirectorTableSize();
    int person = -1;
    for (int i = 0; i < kApplicantTries && persons > 0; ++i) {
        const int p = Random(persons);
        if (IsApplicantSuitable(m_game.directors[static_cast<size_t>(p)])) {
            person = p;
            break;
        }
    }
    if (person < 0) return 0;
    CPersonData& applicant = m_game.directors[static_cast<size_t>(person)];
    // The texts of the question show the applicant with the company.
    const int employer = applicant.GetEmployerNo();
    applicant.SetEmployer(company + 1);
    // A player at another machine is asked over the network, which answers
    // no until network play routes the question.
    const bool accepted = target->IsHumanPlayed()
                              ? IsLocallyPlayed(company) && AskEmployApplicant(person, company)
                              : DecideApplicantByComputer(person, company);
    applicant.SetEmployer(employer);
    if (!accepted) return 0;
    RecruitApplicant(company, person);
    return 1;
}

void CVDoc::RecruitApplicant(int company, int person) {
    LogApplicantRecruited(company, person);
    CPersonData& applicant = m_game.directors[static_cast<size_t>(person)];
    applicant.SetEmployer(company + 1);
    m_game.companies[static_cast<size_t>(company)].AddDirector(person);
    Services::Frame().RefreshInfoPanels();
    if (IsNetworkGame()) {
        SendPersonState(applicant, ePERSON_STATUS);
        SendPersonState(applicant, ePERSON_RELATIONS);
        SendPersonState(applicant, ePERSON_SALARY);
        SendDirectorList(company);
        SendRefreshInfo();
    }
}

bool CVDoc::DecideApplicantByComputer(int person, int company) {
    const CPersonData* applicant = GetDirector(person);
    const CEnterprise* target = GetEnterprise(company);
    if (!applicant || !target) return false;
    const CPersonData* president = target->GetPresident();
    int64_t sum = 0;
    for (int i = 0; i < kAbilityCount; ++i) {
        const int64_t p = president ? president->GetBaseAbility(i) : 0;
        const int64_t w = int64_t{applicant->GetBaseAbility(i)} * (p + 10);
        sum += Random(ClampToInt(w)) + w / 2;
    }
    const int64_t construction = president ? president->GetBaseAbility(kAbilityCount - 1) : 0;
    return sum >= 2 * construction + 100;
}

bool CVDoc::AskEmployApplicant(int person, int company) {
    const CPersonData* applicant = GetDirector(person);
    if (!applicant) return false;
    const std::string& name = applicant->GetName();
    SOrderReport report;
    report.company = company;
    report.person = person;
    int w = (applicant->GetGrade() + 5) * 10;
    w += Random(w / 2);
    const char* manner = w > 110  ? " ready to show my talents."
                         : w < 96 ? " applying for a position."
                                  : " ready to work hard.";
    report.lines.push_back("I am " + name + manner);
    int best = 0;
    for (int i = 1; i < kAbilityCount; ++i)
        if (applicant->GetAbility(i, false) > applicant->GetAbility(best, false)) best = i;
    int second = -1;
    for (int i = 0; i < kAbilityCount; ++i)
        if (i != best && (second < 0 || applicant->GetAbility(i, false) >
                                            applicant->GetAbility(second, false)))
            second = i;
    const int gap = applicant->GetAbility(best, false) / 10 - applicant->GetAbility(second, false) / 10;
    if (Random(gap * 10) > 8)
        report.lines.push_back(std::string("I excel in ") + kAbilityNames[static_cast<size_t>(best)] +
                               ".");
    report.lines.push_back("Will you employ " + name + "?");
    return Services::Report().AskEmployApplicant(report);
}

void CVDoc::LogApplicantRecruited(int company, int person) {
    const CEnterprise* target = GetEnterprise(company);
    const CPersonData* applicant = GetDirector(person);
    if (!target || !applicant) return;
    Services::Frame().AddInfoMessage(FormatText("%s recruited \"%s\".", target->GetName().c_str(),
                                                applicant->GetName().c_str()));
}

// ---------------------------------------------------------------- new company

int CVDoc::NewCompanyEvent() {
    const int n = CompanyCount();
    // Never beyond the map's maximum; with no company left there is no ratio
    // to the initial count.
    if (n == 0 || n >= GetMap().GetMaxCompanyCount()) return 0;
    const double ratio = static_cast<double>(GetMap().GetInitialCompanyCount()) / n;
    const int p = ClampToInt(TruncToInt64(std::pow(ratio, 3.5) * 100) + 1000);
    if (Random(p) < 1000) return 0;
    const auto free = std::count_if(m_game.directors.begin(), m_game.directors.end(),
                                    [this](const CPersonData& person) {
                                        return IsApplicantSuitable(person);
                                    });
    if (free < 2 || !CEnterprise::CanSetUpNewComputerCompany()) return 0;
    if (!AppendNewCompany()) return 0;
    const int c = n;
    CEnterprise& company = m_game.companies[static_cast<size_t>(c)];
    for (int i = 0; i < n; ++i)
        m_game.companies[static_cast<size_t>(i)].RecordNewCompany(company.GetName());
    Services::Report().ShowNewCompany(c);
    if (IsNetworkHost()) CNetDocState(*this).SendNewCompany(c);
    int m = 6;
    int j = 0;
    do {
        JobApplicantEvent(c);
        j = Random(m);
        --m;
    } while (j > 0);
    ShuffleTurnOrder();
    return 1;
}

bool CVDoc::AppendNewCompany() {
    const int n = CompanyCount();
    std::vector<int> stock;
    try {
        // Row r: the shares r issued, then those held by companies 0..n.
        const size_t row = static_cast<size_t>(n) + 2;
        stock.assign(row * (static_cast<size_t>(n) + 1), 0);
        for (int r = 0; r < n; ++r)
            for (int h = -1; h < n; ++h)
                stock[static_cast<size_t>(r) * row + static_cast<size_t>(h + 1)] =
                    m_game.stock[StockIndex(r, h)];
        m_game.companies.emplace_back();
    } catch (const std::bad_alloc&) {
        return false;
    }
    // The new company's row and column exist before its set-up records the
    // shares it issues.
    m_game.stock.swap(stock);
    CEnterprise& company = m_game.companies.back();
    if (company.Init(n, GetMap().GetAreaCount())) {
        for (bool governors : {false, true})
            for (CPersonData& person : Table(governors)) person.ExtendRelations();
        if (company.SetUpNewComputerCompany()) return true;
    }
    m_game.companies.pop_back();
    m_game.stock.swap(stock);
    return false;
}

// ---------------------------------------------------------------- stock offers

int CVDoc::FindWeakCompany(int skipOut) {
    const int n = CompanyCount();
    if (n == 0) return -1;
    // The squares of large incomes overflow 64-bit integers when summed.
    int64_t sum = 0;
    double squares = 0.0;
    for (const CEnterprise& company : m_game.companies) {
        const int64_t income = company.GetAnnualIncome();
        sum += income;
        squares += static_cast<double>(income) * static_cast<double>(income);
    }
    const int64_t mean = sum / n;
    const double meanSquare = std::trunc(squares / n);
    std::vector<int> order(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) order[static_cast<size_t>(i)] = i;
    ShuffleArray(order);
    int64_t best = Random(2000);
    int weak = -1;
    for (int c : order) {
        if (skipOut && IsLeaving(c)) continue;
        const int64_t income = m_game.companies[static_cast<size_t>(c)].GetAnnualIncome();
        const int64_t score = income + Random(ClampToInt(income));
        if (score < best) {
            best = score;
            weak = c;
        }
    }
    if (weak < 0) return -1;
    // Equal incomes leave no spread to measure against (and integer means
    // may even give a negative one): nobody is weak then.
    const double variance = meanSquare - static_cast<double>(mean) * static_cast<double>(mean);
    if (variance <= 0.0) return -1;
    const double deviation = static_cast<double>(best - mean) / std::sqrt(variance) * 10 + 50;
    return deviation <= kWeakScore ? weak : -1;
}

int CVDoc::ChooseStockBuyer() {
    const int n = CompanyCount();
    int64_t bound = int64_t{20} * n;
    std::vector<int> candidates;
    for (int c = 0; c < n; ++c) {
        double held = 0.0;
        for (int h = 0; h < n; ++h)
            if (h != c) held += GetShareRatio(c, h);
        const CEnterprise& company = m_game.companies[static_cast<size_t>(c)];
        int64_t score = Random(TruncToInt(1000 * held)) + Random(company.GetAnnualIncome()) / 100;
        if (company.IsHumanPlayed()) score += 10;
        if (score < bound) {
            bound = score;
            candidates.assign(1, c);
        } else if (score == bound) {
            candidates.push_back(c);
        }
    }
    if (candidates.empty()) return -1;
    return candidates[static_cast<size_t>(Random(static_cast<int>(candidates.size())))];
}

void CVDoc::StockOfferEvent() {
    const int n = CompanyCount();
    if (n < 2) return;
    int buyer = FindWeakCompany(0);
    if (buyer < 0) buyer = ChooseStockBuyer();
    if (buyer < 0) return;
    int issuer = Random(n - 1);
    if (issuer == buyer) issuer += 1;
    ExecuteStockOffer(buyer, issuer);
}

int CVDoc::ExecuteStockOffer(int buyer, int issuer) {
    CEnterprise* buying = GetEnterprise(buyer);
    const CEnterprise* issuing = GetEnterprise(issuer);
    if (!buying || !issuing || buyer == issuer) return 0;
    const int free = GetStockHolding(issuer, -1) - GetStockHolding(issuer, -2);
    int amount = Random(Random(free / 10));
    const int p = GetStockPrice(issuer);
    // A stock of a price below 4 still costs something per share.
    const int price = std::max(1, Random(p / 4) + p / 4);
    if (int64_t{buying->GetFunds()} < int64_t{amount} * price)
        amount = std::max(buying->GetFunds(), 0) / price;
    if (amount <= 0) return 0;
    const int total = ClampToInt(int64_t{amount} * price);
    if (buying->IsHumanPlayed() &&
        (!IsLocallyPlayed(buyer) || !Services::Report().AskBuyNewStock(buyer, issuer, amount, total)))
        return 0;
    Services::Frame().AddInfoMessage(
        CInfoLogLines::StockPurchase(buying->GetName(), issuing->GetName(), amount));
    SetStockHolding(issuer, buyer, ClampToInt(int64_t{GetStockHolding(issuer, buyer)} + amount));
    buying->AddFunds(-total);
    buying->AddMonthlyProfit(GetMonth(), -total);
    Services::Frame().RefreshInfoPanels();
    // The matrix, funds and series go to the players with the network play.
    return 1;
}
