// The company's people: pay, fair salary, strikes, morale, employees,
// directors, recruiting values and the adviser.

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <new>
#include <optional>

#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/services/Services.h"

namespace {

constexpr int kMinMorale = -100;
constexpr int kMaxMorale = 100;
constexpr int kMinFairSalary = 10;

}  // namespace

// ---------------------------------------------------------------- pay

int CEnterprise::CalcSalaryCost(int n, int months) const {
    // The products outgrow 32 bits for large but legal totals, and even 64
    // bits when all three factors are large.
    using Wide = __int128;
    Wide m = months == -1 ? kMonths : months;
    Wide cost = 0;
    if (m_fixedPay)
        cost = m_employees > 0 ? Wide{m_fixedPayTotal} * n * m / m_employees : 0;
    else
        cost = Wide{n} * m_standardSalary * m / 1000;
    if (n >= 1) cost = std::max<Wide>(cost, 1);
    return static_cast<int>(std::clamp<Wide>(cost, INT_MIN, INT_MAX));
}

int CEnterprise::GetMonthlyPayroll(int withDirectors, int atFairRate) const {
    int64_t pay = 0;
    if (m_fixedPay && !atFairRate) {
        pay = m_fixedPayTotal;
    } else {
        int64_t rate = atFairRate ? CalcFairSalary() : m_standardSalary;
        pay = rate * m_employees / 1000;
        if (rate != 0 && m_employees - pay * 1000 / rate > 0) ++pay;
    }
    if (withDirectors) {
        for (int person : m_directors) {
            const CPersonData* director = Services::Companies().GetDirector(person);
            if (director) pay += atFairRate ? director->CalcSalary(false) : director->GetSalary();
        }
    }
    return ClampToInt(pay);
}

int CEnterprise::SetStandardSalary(int rate) {
    if (rate == m_standardSalary && !m_fixedPay) return 0;
    m_fixedPay = 0;
    m_standardSalary = rate;
    return 1;
}

int CEnterprise::SetFixedPay(int total) {
    if (total == m_fixedPayTotal && m_fixedPay) return 0;
    m_fixedPay = 1;
    m_fixedPayTotal = total;
    return 1;
}

double CEnterprise::GetWageShare() const {
    if (m_employees == 0) return 0;
    double income = std::max(GetAnnualIncome(), 0);
    return std::min(99.0, 3.5 * std::pow(income, 0.3) + 30) / 100;
}

int CEnterprise::CalcFairSalary() const {
    if (m_employees < 1) return kMinFairSalary;
    double income = std::max(GetAnnualIncome(), 0);
    int fair = TruncToInt(GetWageShare() * income / 12 * 1000 / m_employees);
    return std::max(fair, kMinFairSalary);
}

int CEnterprise::CalcTargetAdvertisingCost() const {
    double weights = 0;
    for (int area = 0; area < m_areaCount; ++area) weights += GetAreaWeight(area);
    double v = std::pow(weights, 1.25) / 20;
    double income = std::max(50, GetAnnualIncome());
    int ability = 0;
    if (IsHumanPlayed()) {
        ability = 40;
    } else if (const CPersonData* president = GetPresident()) {
        ability = president->GetAbility(3, false);
    }
    int64_t a = (int64_t{ability} + 30) / 3;
    int64_t cap =
        TruncToInt(double(a + TruncToInt(std::pow(income, 0.55)) + 20) * v / 100) + a / 10 + 2;
    return ClampToInt(std::min<int64_t>(TruncToInt(v), cap));
}

// ---------------------------------------------------------------- employees

int CEnterprise::SetEmployees(int n) {
    if (n == m_employees) return 0;
    m_employees = n;
    return 1;
}

int CEnterprise::SetEmployeesAtWork(int n) {
    if (n == m_employeesAtWork) return 0;
    m_employeesAtWork = n;
    return 1;
}

int CEnterprise::AddBusyEmployees(int n) {
    m_employeesAtWork = ClampToInt(int64_t{m_employeesAtWork} + n);
    return m_employeesAtWork;
}

void CEnterprise::ChangeEmployees(int n) {
    // Counts stay where a saved game loads them again: no negative staff,
    // never more at work than employed.
    m_employees = static_cast<int>(std::clamp<int64_t>(int64_t{m_employees} + n, 0, INT_MAX));
    m_employeesAtWork = ClampToInt(std::min<int64_t>(int64_t{m_employeesAtWork} + n, m_employees));
    int passed = CountHistoryOfKind(CHistory::kindEmployeesPassed);
    if (m_employees >= (int64_t{passed} + 1) * 1000) {
        CHistory entry;
        entry.SetEmployeesPassed(passed);
        m_history.push_back(std::move(entry));
    }
    // A lay-off weighs seven times as much as a recruitment.
    int weight = ClampToInt(n < 0 ? int64_t{n} * 7 : n);
    for (int area = 0; area < m_areaCount; ++area)
        SetAreaGrade(area, ClampToInt(int64_t{GetAreaGrade(area)} + Random(weight) / 20), 1);
    UpdateAverageGrade();
}

// ---------------------------------------------------------------- strikes and morale

bool CEnterprise::TestStrike(int harsh) const {
    if (m_strike || m_employees == 0) return false;
    int64_t pay = m_fixedPay ? int64_t{m_fixedPayTotal} * 1000 / m_employees : m_standardSalary;
    int p = ClampToInt(pay);
    int f = CalcFairSalary();
    int a = RandomVary(p, p / 3);
    int b = RandomVary(f, f / 3);
    if (Random(ClampToInt(int64_t{a} - b)) >= 3) return false;
    int now = Services::Game().GetCurrentMonthIndex();
    if (m_previousStrikeMonth >= 0 && int64_t{now} - m_strikeMonth == 1) return false;
    int64_t t = (std::clamp(m_morale, kMinMorale, kMaxMorale) + int64_t{100}) * 10;
    if (harsh) t = t * t * 3;
    return Random(static_cast<int>(t)) + t < 1000;
}

void CEnterprise::SetStrike(int flag) {
    if (!flag) {
        m_strike = 0;
        return;
    }
    m_previousStrikeMonth = m_strikeMonth;
    m_strikeMonth = Services::Game().GetCurrentMonthIndex();
    m_strike = 1;
    m_strikeCount = ClampToInt(int64_t{m_strikeCount} + 1);
}

void CEnterprise::SetMorale(int value) {
    m_morale = std::clamp(value, kMinMorale, kMaxMorale);
}

void CEnterprise::AccumulateMorale() {
    m_moraleTotal = ClampToInt(int64_t{m_moraleTotal} + m_morale);
}

int CEnterprise::UpdateMorale() {
    if (m_employees == 0) return 0;
    double paid = GetMonthlyPayroll(0, 0);
    double fair = GetMonthlyPayroll(0, 1);
    int d = TruncToInt((std::sqrt(paid + 5) - std::sqrt(fair + 5)) * 15);
    // The varied pay term is drawn before the small jitter; separate
    // statements keep that order in every build.
    const int payTerm = RandomVary(TruncToInt(d * 0.7), std::abs(TruncToInt(d * 0.6)));
    const int drift = payTerm + Random(7) - 3;
    SetMorale(ClampToInt(int64_t{std::clamp(m_morale, kMinMorale, kMaxMorale)} + drift));
    int t = m_morale - 10;
    if (t > 0) return 0;
    int q = Random(Random(-t) * 3 / 2);
    if (q < 10) return 0;
    q = Random(Random(q) * 3 / 2 + 1) + 1;
    // Nobody can leave beyond those at work (never a negative number); the
    // grades suffer all the same.
    q = std::max(0, std::min(q, m_employeesAtWork));
    m_employeesAtWork -= q;
    m_employees -= q;
    for (int area = 0; area < m_areaCount; ++area) {
        int grade = GetAreaGrade(area);
        int loss = TruncToInt(std::pow(double(grade), 1.2) / 100);
        if (GetAreaLevel(area) < 3) loss /= 4;
        loss = RandomVary(loss * 3 / 4, loss / 2);
        SetAreaGrade(area, grade - loss, 1);
    }
    return q;
}

// ---------------------------------------------------------------- directors

CPersonData* CEnterprise::GetDirector(int i) const {
    if (i < 0 || i >= GetDirectorCount()) return nullptr;
    return Services::Companies().GetDirector(m_directors[static_cast<size_t>(i)]);
}

int CEnterprise::AddDirector(int person) {
    // A director is listed once.
    if (std::find(m_directors.begin(), m_directors.end(), person) != m_directors.end()) return 1;
    try {
        m_directors.push_back(person);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (CPersonData* director = Services::Companies().GetDirector(person)) {
        director->SetSalary(1);
        director->GrowEmployerRelation();
    }
    CHistory entry;
    entry.SetDirectorChange(person, true);
    m_history.push_back(std::move(entry));
    return 1;
}

int CEnterprise::RemoveDirector(int person) {
    auto found = std::find(m_directors.begin(), m_directors.end(), person);
    // Someone who is no director: nothing to remove and nobody resigned.
    if (found == m_directors.end()) return 1;
    m_directors.erase(found);
    for (CCmdPacket& plan : m_plans)
        for (int i = 0; i < plan.GetStepCount(); ++i)
            if (plan.GetParam1(i) == person) {
                plan.SetParam1(i, -1);
                plan.SetDone(i, 0);
            }
    CHistory entry;
    entry.SetDirectorChange(person, false);
    m_history.push_back(std::move(entry));
    return 1;
}

int CEnterprise::CountFreeDirectors() const {
    int count = 0;
    for (int i = 0; i < GetDirectorCount(); ++i) {
        const CPersonData* director = GetDirector(i);
        if (director && !director->HasTask()) ++count;
    }
    return count;
}

void CEnterprise::ListDirectors(std::vector<int>& out, int busyOnly) const {
    std::vector<int> list;
    for (int i = 0; i < GetDirectorCount(); ++i) {
        const CPersonData* director = GetDirector(i);
        if (!busyOnly || (director && director->HasTask()))
            list.push_back(m_directors[static_cast<size_t>(i)]);
    }
    if (list.empty()) return;
    ShuffleArray(list);
    out = std::move(list);
}

int CEnterprise::GetBestFreeDirectorAbility(int ability) const {
    int best = 0;
    for (int i = 0; i < GetDirectorCount(); ++i) {
        const CPersonData* director = GetDirector(i);
        if (director && !director->HasTask())
            best = std::max(best, director->GetAbility(ability, true));
    }
    return best;
}

CPersonData* CEnterprise::FindDirectorTaskAt(int area, int x, int y) const {
    for (int i = 0; i < GetDirectorCount(); ++i) {
        CPersonData* director = GetDirector(i);
        if (director && director->HasTask() && director->GetTaskArea() == area &&
            director->GetTaskTargetX() == x && director->GetTaskTargetY() == y)
            return director;
    }
    return nullptr;
}

CPersonData* CEnterprise::FindDesignatedPurchaseDirector(int area, int x, int y) const {
    for (int i = 0; i < GetDirectorCount(); ++i) {
        CPersonData* director = GetDirector(i);
        if (director && director->GetTaskKind() == CPersonData::eTASK_DESIGNATED_PURCHASE &&
            director->GetTaskArea() == area && director->GetTaskTargetX() == x &&
            director->GetTaskTargetY() == y)
            return director;
    }
    return nullptr;
}

int CEnterprise::CountPersonsOfCompany() const {
    int formerEmployer = -(m_number + 1);
    int count = 0;
    for (int i = 0; i < Services::Companies().GetPersonCount(); ++i) {
        const CPersonData* person = Services::Companies().GetDirector(i);
        if (person && person->GetEmployerNo() == formerEmployer) ++count;
    }
    return count;
}

int CEnterprise::CalcRecruitValue(int wide) const {
    int64_t month = int64_t{Services::Game().GetCurrentMonthIndex()} + 1;
    // A game always lasts a year or more; a length of 0 would divide by zero.
    int64_t years = std::max(Services::Game().GetGameYears(), 1);
    int64_t v = month * (wide ? 400 : 230) / (12 * years) + 30;
    int64_t d = GetDirectorCount();
    int s = ClampToInt((d + 1) * (d + 1) * 10);
    return ClampToInt(v - RandomVary(s, s / 2));
}

CPersonData* CEnterprise::FindHeadhuntTarget(int aptitude) const {
    if (m_employeesAtWork <= 0) return nullptr;
    int formerEmployer = -(m_number + 1);
    std::vector<int> candidates;
    for (int i = 0; i < Services::Companies().GetPersonCount(); ++i) {
        const CPersonData* person = Services::Companies().GetDirector(i);
        if (person && person->GetEmployerNo() == formerEmployer) candidates.push_back(i);
    }
    if (candidates.empty()) return nullptr;
    int spread = 0;
    if (aptitude > 0) {
        int64_t base = (int64_t{aptitude} + 1000) / 100;
        spread = std::clamp((200 - TruncToInt(std::pow(double(base), 1.2))) / 2, 10, 100);
    }
    ShuffleArray(candidates);
    CPersonData* best = nullptr;
    int bestValue = 0;
    for (int index : candidates) {
        CPersonData* person = Services::Companies().GetDirector(index);
        int v = ClampToInt(int64_t{person->GetBaseAbility(-1)} * 10);
        if (aptitude > 0) v = RandomVary(v, ClampToInt(int64_t{v} * spread / 100));
        if (v > bestValue) {
            bestValue = v;
            best = person;
        }
    }
    return best;
}

double CEnterprise::RatePersonForRecruit(int& person, int headhunt, int spread) const {
    if (headhunt && CountFreeDirectors() == 0) return 0.0;
    std::array<int, CPersonData::kAbilityCount> bestOwn{};
    for (int i = 0; i < GetDirectorCount(); ++i)
        if (const CPersonData* director = GetDirector(i))
            for (int a = 0; a < CPersonData::kAbilityCount; ++a)
                bestOwn[a] = std::max(bestOwn[a], director->GetAbility(a, false));
    std::optional<double> best;
    for (int i = 0; i < Services::Companies().GetPersonCount(); ++i) {
        const CPersonData* p = Services::Companies().GetDirector(i);
        if (!p || p->GetEmployerNo() <= 0 || p->GetPresidentFlag()) continue;
        int employer = p->GetEmployer();
        if (employer == m_number || Services::Companies().GetDirectorCount(employer) <= 1) continue;
        double base = headhunt ? 1000.0 - p->GetRelationMargin(m_number) : 400.0;
        base /= 6;
        base = base * 0.875 + Random(TruncToInt(base) / 4);
        double s = 0;
        for (int a = 0; a < CPersonData::kAbilityCount; ++a)
            s += std::pow(std::max<int64_t>(0, int64_t{p->GetAbility(a, false)} - bestOwn[a] + 100),
                          1.1);
        s = (s + Random(TruncToInt(s) / 2)) / 10;
        if (!headhunt) s *= 2;
        double v = base + s;
        if (spread > 0) {
            int e = TruncToInt(spread * v / 100);
            v = v + Random(e) - e;
        }
        if (!best || v > *best) {
            best = v;
            person = i;
        }
    }
    return best.value_or(0.0);
}

// ---------------------------------------------------------------- adviser

int CEnterprise::ChooseAdviser() const {
    int chosen = -1;
    int best = 0;
    for (int i = 0; i < GetDirectorCount(); ++i) {
        const CPersonData* director = GetDirector(i);
        if (!director) continue;
        int a = director->GetAbility(1, true);
        int r = Random(a) + a / 2;
        if (r > best) {
            best = r;
            chosen = m_directors[static_cast<size_t>(i)];
        }
    }
    return chosen;
}

int CEnterprise::FindAdviser() {
    int person = ChooseAdviser();
    if (person < 0) return 0;
    const CPersonData* adviser = Services::Companies().GetDirector(person);
    if (!adviser) return 0;
    int a = adviser->GetAbility(1, true);
    if (Random(Random(a) + a / 2) < 10) return 0;
    m_adviserAbility = a;
    m_adviceThreshold = std::max(0, 2200 - TruncToInt(std::pow(std::max(a, 0), 1.2) * 10));
    m_adviser = person;
    return 1;
}

void CEnterprise::PrepareAdvice() {
    if (FindAdviser())
        Services::ComputerPlayer().BuildAdvice(m_number);
    else
        m_adviser = -1;
}
