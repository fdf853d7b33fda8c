#include "model/PersonData.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "model/BasePerson.h"
#include "model/MercavoError.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Palette.h"

namespace {

constexpr const char* kAbilityNames[CPersonData::kAbilityCount] = {
    "Directing", "Analysis", "Negotiation", "Advertising", "Construction"};

struct STaskKind {
    const char* name;
    int weights[CPersonData::kAbilityCount];
};

constexpr STaskKind kTaskKinds[CPersonData::kTaskKindCount] = {
    {"None", {0, 0, 0, 0, 0}},
    {"The Purchasing", {30, 20, 50, 0, 0}},
    {"Purchasing", {20, 50, 30, 0, 0}},
    {"Recruiting Employees", {40, 0, 10, 50, 0}},
    {"Recruit Upper Management", {10, 80, 10, 0, 0}},
    {"Head Hunting", {10, 0, 70, 20, 0}},
    {"Construction", {20, 0, 0, 0, 80}},
    {"Contracting Construction", {20, 0, 0, 0, 80}},
    {"Raising Funds", {10, 10, 70, 10, 0}},
    {"Advertising", {10, 10, 0, 80, 0}},
    {"investing", {65, 15, 15, 15, 0}},
    {"Purchasing Stocks", {10, 40, 50, 0, 0}},
    {"Building Reinforcements", {10, 0, 0, 0, 90}},
    {"Financial Support Team", {70, 0, 10, 20, 0}},
};

// A task kind that only old files carry has no row in the tables.
constexpr const char* kUnknownName = "-----";

bool IsKnownTask(int kind) {
    return kind >= 0 && kind < CPersonData::kTaskKindCount;
}

int TaskWeightSum(int kind) {
    int sum = 0;
    for (int i = 0; i < CPersonData::kAbilityCount; ++i) sum += CPersonData::GetTaskWeight(kind, i);
    return sum;
}

// A stored text ends at its first zero byte, as the C string it was.
std::string ToCString(std::string text) {
    text.resize(std::strlen(text.c_str()));
    return text;
}

}  // namespace

// ---------------------------------------------------------------- tables

const char* CPersonData::GetAbilityName(int ability) {
    return ability >= 0 && ability < kAbilityCount ? kAbilityNames[ability] : kUnknownName;
}

const char* CPersonData::GetTaskName(int kind) {
    return IsKnownTask(kind) ? kTaskKinds[kind].name : kUnknownName;
}

int CPersonData::GetTaskWeight(int kind, int ability) {
    if (!IsKnownTask(kind) || ability < 0 || ability >= kAbilityCount) return 0;
    return kTaskKinds[kind].weights[ability];
}

// ---------------------------------------------------------------- record

int CPersonData::SetSalary(int salary) {
    if (salary == m_salary) return 0;
    m_salary = salary;
    return 1;
}

// ---------------------------------------------------------------- relations

void CPersonData::ResetRelations(int count) {
    m_relations.assign(std::max(count, 0), 0);
}

int CPersonData::SetRelation(int company, int value) {
    if (company < 0 || company >= GetRelationCount()) return 0;
    value = std::clamp(value, 0, kMaxRelation);
    int& relation = m_relations[static_cast<size_t>(company)];
    if (relation == value) return 0;
    relation = value;
    return 1;
}

int CPersonData::GetRelation(int company) const {
    if (company < 0 || company >= GetRelationCount()) return 0;
    return m_relations[static_cast<size_t>(company)];
}

int CPersonData::GetRelationLevel(int company) const {
    if (company != -1) return TruncToInt(std::sqrt(5.0 * GetRelation(company)));
    int sum = 0;
    for (int c = 0; c < GetRelationCount(); ++c) sum += GetRelationLevel(c);
    return sum;
}

int CPersonData::GetRelationMargin(int company) const {
    int employer = CurrentEmployer();
    int ownCount = employer >= 0 ? Services::Companies().GetDirectorCount(employer) : 0;
    int divisor = std::max(Services::Companies().GetDirectorCount(company) - ownCount + 1, 1);
    return GetRelation(employer) - GetRelation(company) / divisor;
}

void CPersonData::GrowEmployerRelation() {
    int employer = CurrentEmployer();
    if (employer < 0) return;
    int relation = GetRelation(employer);
    int gain = TruncToInt(std::pow(std::clamp(kMaxRelation - relation, 0, kMaxRelation), 0.8)) / 2;
    SetRelation(employer, relation + gain);
}

void CPersonData::ExtendRelations() {
    int count = Services::Companies().GetCompanyCount();
    size_t old = m_relations.size();
    m_relations.resize(static_cast<size_t>(std::max(count, 0)));
    for (size_t c = old; c < m_relations.size(); ++c)
        m_relations[c] = m_tableFlag != 0 ? RandomVary(400, 200) : Random(1333);
}

void CPersonData::RemoveCompanyIndex(int company) {
    int removed = company + 1;
    if (m_tableFlag == 0 && m_employerNo >= removed) --m_employerNo;
    if (m_employerNo == -removed)
        m_employerNo = 0;
    else if (m_employerNo < -removed)
        ++m_employerNo;
    if (company >= 0 && company < GetRelationCount())
        m_relations.erase(m_relations.begin() + company);
    int count = Services::Companies().GetCompanyCount();
    if (count >= 0 && count < GetRelationCount()) m_relations.resize(static_cast<size_t>(count));
    if (m_taskKind == eTASK_STOCK_PURCHASE && m_taskParams[0] >= company) --m_taskParams[0];
}

// ---------------------------------------------------------------- employer

int CPersonData::SetEmployer(int employerNo) {
    int previous = m_employerNo;
    m_employerNo = employerNo;
    m_hireMonth = employerNo != 0 ? Services::Game().GetCurrentMonthIndex() : 0;
    return previous;
}

int CPersonData::GetEmployer() const {
    if (m_employerNo == 0) return -1;
    // -(n + 1) rather than -n - 1: defined for every stored value.
    return m_employerNo > 0 ? m_employerNo - 1 : -(m_employerNo + 1);
}

bool CPersonData::IsEmployed(bool strict) const {
    return strict ? m_employerNo != 0 : m_employerNo > 0;
}

int CPersonData::GetFormerEmployerNo() const {
    return m_employerNo < 0 ? ClampToInt(-int64_t{m_employerNo}) : -1;
}

int CPersonData::GetAge(bool baseOnly) const {
    if (baseOnly) return m_baseAge;
    int years =
        m_tableFlag != 0 ? m_electionMonth / 12 : Services::Game().GetCurrentMonthIndex() / 12;
    return ClampToInt(int64_t{m_baseAge} + years);
}

void CPersonData::Reset() {
    std::fill(m_relations.begin(), m_relations.end(), 0);
    m_amount = m_extra1 = m_extra2 = 0;
    SetEmployer(0);
}

// ---------------------------------------------------------------- monthly steps

void CPersonData::NotifyHost(std::initializer_list<int> states) const {
    if (!Services::NetPlay().IsNetworkHost()) return;
    for (int state : states)
        Services::NetPlay().SendPersonState(*this, static_cast<ePERSON_STATE>(state));
}

void CPersonData::MonthlyDrift() {
    m_amount = ClampToInt(int64_t{m_amount} + Random(ClampToInt(int64_t{m_figure3} + 3)));
    bool changed = false;
    for (int& relation : m_relations) {
        // A sociability above 7 (damaged saved game) loses nothing rather
        // than gaining.
        int loss = Random(ClampToInt(std::max<int64_t>(7 - int64_t{m_sociability}, 0)));
        int lowered = ClampToInt(std::max<int64_t>(int64_t{relation} - loss, 0));
        changed = changed || lowered != relation;
        relation = lowered;
    }
    if (changed) NotifyHost({ePERSON_RELATIONS});
}

bool CPersonData::IsSpareDirector() const {
    return !HasTask() && Services::Companies().GetDirectorCount(CurrentEmployer()) != 1;
}

int CPersonData::TryResign() {
    int company = CurrentEmployer();
    if (company < 0) return 0;
    if (int64_t{Services::Game().GetCurrentMonthIndex()} - m_hireMonth < 4) return 0;
    int r = GetRelation(company);
    if (Random(TruncToInt(std::pow(r, 1.4)) + 30) >= 6 || !IsSpareDirector()) return 0;
    Services::PlayerReports().ReportResignation(company, m_index);
    Services::Companies().RemoveDirector(company, m_index);
    Dismiss();
    if (Services::NetPlay().IsNetworkHost()) Services::NetPlay().SendDirectorList(company);
    NotifyHost({ePERSON_RELATIONS, ePERSON_EXPERIENCE, ePERSON_STATUS});
    return 1;
}

int CPersonData::TryLeaveFormerEmployer() {
    if (m_employerNo >= 0) return 0;
    int a = GetAbility(0, false);
    if (Random(std::min(std::max(100 - (a + 30), 30), 100)) >= 20) return 0;
    SetEmployer(0);
    return 1;
}

void CPersonData::ChangeEmployer(int company) {
    int old = CurrentEmployer();
    for (int c = 0; c < GetRelationCount(); ++c) {
        if (c == company) continue;
        int& relation = m_relations[static_cast<size_t>(c)];
        relation = c == old ? relation / 2 : relation * 2 / 3;
    }
    LoseExperience();
    SetEmployer(company + 1);
    NotifyHost({ePERSON_RELATIONS, ePERSON_EXPERIENCE, ePERSON_STATUS});
}

void CPersonData::Dismiss() {
    int employer = CurrentEmployer();
    if (employer >= 0) SetRelation(employer, GetRelation(employer) / 2);
    LoseExperience();
    SetEmployer(0);
}

void CPersonData::LoseExperience() {
    for (int& x : m_experience) x -= Random(x) / 3;
}

bool CPersonData::AmountExceeds(int value) const {
    return Random(m_amount) > value;
}

// ---------------------------------------------------------------- abilities

int CPersonData::GetBaseAbility(int ability) const {
    if (ability == -1) {
        int64_t sum = 0;
        for (int value : m_baseAbility) sum += value;
        return ClampToInt(sum);
    }
    return ability >= 0 && ability < kAbilityCount ? m_baseAbility[ability] : 0;
}

int CPersonData::GetGrowth(int ability) const {
    return ability >= 0 && ability < kAbilityCount ? m_growth[ability] : 0;
}

int CPersonData::GetExperience(int ability) const {
    return ability >= 0 && ability < kAbilityCount ? m_experience[ability] : 0;
}

int CPersonData::GetAbility(int ability, bool withRelation) const {
    if (ability == -1) {
        int64_t sum = 0;
        for (int i = 0; i < kAbilityCount; ++i) sum += GetAbility(i, withRelation);
        return ClampToInt(sum);
    }
    if (ability < 0 || ability >= kAbilityCount) return 0;
    int64_t value = int64_t{m_baseAbility[ability]} * 10 +
                    TruncToInt(std::pow(m_experience[ability], 0.65) / 10);
    if (withRelation && m_employerNo > 0) {
        int r = GetRelation(CurrentEmployer());
        value = ((TruncToInt(std::pow(r, 0.65)) * int64_t{2} + 850) * value) / 1000;
    }
    return ClampToInt(value);
}

int CPersonData::CompareAbility(const CPersonData& other, int ability) const {
    return GetAbility(ability, false) - other.GetAbility(ability, false);
}

int CPersonData::GetBaseRating() const {
    return ClampToInt((int64_t{m_baseAbility[0]} + GetBaseAbility(-1)) * 5);
}

void CPersonData::GainExperience() {
    // An unknown task kind has no weights: nothing to share out.
    int total = TaskWeightSum(m_taskKind);
    if (!HasTask() || total == 0) return;
    int64_t effort = int64_t{m_taskWork} + int64_t{150} * m_taskProgress;
    for (int i = 0; i < kAbilityCount; ++i) {
        int64_t share = effort * GetTaskWeight(m_taskKind, i) / total;
        int gain = Random(ClampToInt(share * m_growth[i])) / 5;
        m_experience[i] = ClampToInt(int64_t{m_experience[i]} + gain);
    }
}

int CPersonData::CalcSalary(bool withEmployerFactor) const {
    // A hiring month after the current one (only from damaged data) counts
    // as no service at all rather than feeding pow a negative base.
    double m = std::max<double>(
        static_cast<double>(Services::Game().GetCurrentMonthIndex()) - m_hireMonth, 0);
    int64_t a = GetAbility(-1, false) / 10 + 5;
    double g = static_cast<double>(m_grade) + 5;
    int s = std::max(TruncToInt(a * (g * std::pow(m, 1.4) / 10) / 1000), 1);
    if (a / 160 < g * a * 1.4 * std::pow(m, 0.4) / 10000) {
        int m0 = TruncToInt(std::pow(10000.0 / (g * 200 * 1.4), 2.5));
        int64_t straight = (static_cast<int64_t>(m) - m0) * a / 160;
        s = TruncToInt(a * (g * std::pow(m0, 1.4) / 10) / 1000 + static_cast<double>(straight));
    }
    int employer = CurrentEmployer();
    if (withEmployerFactor && employer >= 0) {
        double income = Services::Companies().GetAnnualIncome(employer);
        double f = income >= 0 ? 100 + std::pow(income, 0.2) : 100 - std::pow(-income, 0.7);
        f = std::clamp(f, 55.0, 150.0);
        s = TruncToInt(s * f / 100);
    }
    return std::max(s, 1);
}

// ---------------------------------------------------------------- task

int CPersonData::GetTaskParam(int i) const {
    return i >= 0 && i < kTaskParamCount ? m_taskParams[static_cast<size_t>(i)] : 0;
}

void CPersonData::SetTaskParam(int i, int value) {
    if (i >= 0 && i < kTaskParamCount) m_taskParams[static_cast<size_t>(i)] = value;
}

int CPersonData::AssignTask(int kind, int work) {
    if (kind == m_taskKind) return 0;
    if (kind != 0) m_taskParams.fill(0);
    m_taskKind = kind;
    m_taskProgress = 0;
    m_taskArea = -1;
    m_targetX = m_targetY = -1;
    m_taskWork = m_taskWorkLeft = work;
    return 1;
}

int CPersonData::SetTaskArea(int area) {
    if (area == m_taskArea) return 0;
    m_taskArea = area;
    return 1;
}

int CPersonData::SetTaskTarget(int x, int y) {
    if (x == m_targetX && y == m_targetY) return 0;
    m_targetX = x;
    m_targetY = y;
    return 1;
}

int CPersonData::GetTaskArea() const {
    switch (m_taskKind) {
        case eTASK_NONE:
        case eTASK_RECRUIT_MANAGEMENT:
        case eTASK_HEAD_HUNTING:
        case eTASK_RAISE_FUNDS:
        case eTASK_STOCK_PURCHASE:
            return -2;
        case eTASK_RECRUIT_EMPLOYEES:
            return -1;
        default:
            return m_taskArea;
    }
}

int CPersonData::GetTaskAptitude(int kind, bool randomised) const {
    int64_t sum = 0;
    for (int i = 0; i < kAbilityCount; ++i) {
        int term = ClampToInt(int64_t{GetAbility(i, false)} * GetTaskWeight(kind, i));
        sum += randomised ? RandomVary(term, term / 10) : term;
    }
    return ClampToInt(sum);
}

int CPersonData::GetMonthlyWork(int kind) const {
    if (kind == 0) kind = m_taskKind;
    if (kind == 0) return 0;
    int64_t a = GetTaskAptitude(kind, false);
    if (kind == eTASK_CONSTRUCTION) a = a / 2 + 1000;
    // Stored abilities need not be sane: every task makes some progress, so
    // that the months left stay finite.
    return std::max(ClampToInt((a + 1000) / 10), 1);
}

int CPersonData::GetMonthsLeft() const {
    if (!HasTask()) return 0;
    int64_t work = GetMonthlyWork(0);
    return ClampToInt((int64_t{m_taskWorkLeft} + work - 1) / work);
}

bool CPersonData::IsBuildingOffice(int area) const {
    if (m_taskKind != eTASK_CONSTRUCTION || m_taskArea != area) return false;
    return StructureCode::IsOfficeCode(Services::Map().GetStructureTypeCode(m_taskParams[0]));
}

bool CPersonData::IsBuildingSportsFacility(int league) const {
    if (m_taskKind != eTASK_CONSTRUCTION) return false;
    // The league number stands for its stadium kind here.
    return Services::Map().GetStructureTypeCode(m_taskParams[0]) ==
           StructureCode::StadiumTypeCode(league);
}

bool CPersonData::IsHuntingPerson(int person) const {
    return m_taskKind == eTASK_HEAD_HUNTING && m_taskParams[0] == person;
}

// ---------------------------------------------------------------- one month of a task

void CPersonData::EndTaskAndNotify(int company) {
    AssignTask(eTASK_NONE, 0);
    Services::Frame().RefreshInfoPanels();
    if (Services::NetPlay().IsNetworkHost()) {
        Services::NetPlay().SendPersonState(*this, ePERSON_RECORD);
        Services::NetPlay().SendRefreshInfo();
    }
    if (company >= 0 && !Services::Companies().IsHumanPlayed(company))
        Services::ComputerPlayer().DropDirectorPlan(company, m_index);
}

int CPersonData::AdvanceTask() {
    m_taskProgress = ClampToInt(int64_t{m_taskProgress} + 1);
    m_taskWorkLeft -= std::min(m_taskWorkLeft, GetMonthlyWork(0));
    switch (m_taskKind) {
        case eTASK_DESIGNATED_PURCHASE:
            if (!CheckDesignatedLot()) return 0;
            break;
        case eTASK_LAND_PURCHASE:
            SearchLot();
            break;
        case eTASK_HEAD_HUNTING:
            if (HeadHuntStep()) return 0;
            break;
        case eTASK_REINFORCEMENT:
            if (!Services::Companies().CheckReinforcementTask(*this)) return 0;
            break;
        default:
            break;
    }
    return m_taskWorkLeft < 1 ? 1 : 0;
}

bool CPersonData::CheckDesignatedLot() {
    int reason = -1;
    if (Services::Map().GetCellOwner(m_taskArea, m_targetX, m_targetY) == m_employerNo)
        reason = 0;
    else if (Services::Map().GetCellStructure(m_taskArea, m_targetX, m_targetY) != m_taskParams[0])
        reason = 1;
    else if (Services::Map().IsProjectCell(m_taskArea, m_targetX, m_targetY))
        reason = 2;
    if (reason < 0) return true;
    int company = CurrentEmployer();
    Services::PlayerReports().ReportPurchaseFailure(company, m_index, m_taskArea, m_targetX,
                                                    m_targetY, reason);
    EndTaskAndNotify(company);
    return false;
}

void CPersonData::SearchLot() {
    if (m_taskParams[1] > 0 &&
        (Services::Map().GetCellOwner(m_taskArea, m_targetX, m_targetY) != 0 ||
         Services::Map().GetCellStructure(m_taskArea, m_targetX, m_targetY) != 0 ||
         Services::Map().IsProjectCell(m_taskArea, m_targetX, m_targetY))) {
        m_targetX = m_targetY = -1;
        std::fill(m_taskParams.begin() + 1, m_taskParams.begin() + 5, 0);
    }
    SLotFound found;
    int score = Services::Map().FindLotForDirector(*this, m_taskParams[0], found);
    if (score <= m_taskParams[1]) return;
    m_targetX = found.x;
    m_targetY = found.y;
    m_taskParams[1] = score;
    m_taskParams[2] = found.price;
    m_taskParams[3] = found.direction + 1;
    m_taskParams[4] = found.secondPrice;
}

int CPersonData::HeadHuntStep() {
    int company = CurrentEmployer();
    CPersonData* target = Services::Companies().GetDirector(m_taskParams[0]);
    if (!target || !target->IsEmployed(false) ||
        int64_t{target->m_employerNo} != int64_t{m_taskParams[1]} + 1) {
        if (Services::Companies().IsHumanPlayed(company))
            Services::PlayerReports().ReportHeadhuntFailed(company, m_index);
        EndTaskAndNotify(company);
        return 1;
    }
    // A sociability of 10 or more (damaged data) would divide by zero or
    // turn the pull negative.
    int resistance = std::max(10 - target->m_sociability, 1) * 20;
    int64_t pull = (int64_t{GetTaskAptitude(eTASK_HEAD_HUNTING, false)} +
                    int64_t{500} * m_sociability + 1000) /
                   resistance;
    int x = RandomVary(ClampToInt(pull), ClampToInt(pull / 3)) / 2;
    int n = TruncToInt(std::pow(std::max(Services::Companies().GetDirectorCount(company), 0), 1.6));
    x = ClampToInt(int64_t{x} * 10 / (int64_t{n} + 5));
    target->SetRelation(company, ClampToInt(int64_t{target->GetRelation(company)} + x));
    int targetCompany = target->CurrentEmployer();
    if (Services::Companies().GetDirectorCount(targetCompany) <= 1 ||
        target->GetRelationMargin(company) >= 0 || target->HasTask())
        return 0;
    TakeOver(*target, company, targetCompany);
    EndTaskAndNotify(company);
    return 1;
}

void CPersonData::TakeOver(CPersonData& target, int company, int targetCompany) {
    int person = target.m_index;
    if (Services::Companies().IsHumanPlayed(company))
        Services::PlayerReports().ReportHeadhuntSucceeded(company, m_index, person);
    if (Services::Companies().IsHumanPlayed(targetCompany))
        Services::PlayerReports().ReportHeadhuntLoss(targetCompany, person, company);
    Services::PlayerReports().ReportHeadhuntNotice(m_index, person);
    target.ChangeEmployer(company);
    Services::Companies().RemoveDirector(targetCompany, person);
    Services::Companies().AddDirector(company, person);
    GainExperience();
    if (!Services::NetPlay().IsNetworkHost()) return;
    Services::NetPlay().SendPersonState(target, ePERSON_SALARY);
    Services::NetPlay().SendPersonState(target, ePERSON_RELATIONS);
    Services::NetPlay().SendDirectorList(company);
    Services::NetPlay().SendDirectorList(targetCompany);
}

// ---------------------------------------------------------------- formulas

int CPersonData::CalcSearchPower() const {
    return std::max(1,
                    GetAbility(0, true) / 4 + TruncToInt(std::pow(GetAbility(1, true), 1.2) / 3));
}

int CPersonData::CalcSearchDivisor() const {
    // Abilities are never negative in sane data; keep the divisor positive
    // whatever was loaded.
    return 1000 / std::max(GetAbility(1, true) + 30, 1);
}

int CPersonData::CalcRecruitableEmployees(int company) const {
    if (company < 0) company = CurrentEmployer();
    int64_t s = m_index < 0
                    ? 590
                    : int64_t{GetAbility(3, true)} * 10 + int64_t{GetAbility(0, true)} * 3 + 200;
    int64_t grade = company >= 0 ? Services::Companies().GetTotalAreaGrade(company) : 0;
    int64_t e = (grade + 100) / 5;
    double factor = std::clamp(std::pow(static_cast<double>(s), 0.9) / 200, 0.5, 2.5);
    return TruncToInt(static_cast<double>(e) * factor / 2);
}

int CPersonData::RateFoundTalent(const CPersonData& found) const {
    int a = GetAbility(1, true);
    int r = RandomVary(a, std::max(a, 30));
    if (r < 0) return 0;
    int q = std::max(160 - TruncToInt(std::pow(int64_t{r} + 30, 1.1)), 0);
    if (q > 40) return 0;
    int sum = ClampToInt(int64_t{found.GetBaseAbility(-1)} * 10);
    int s = RandomVary(sum, ClampToInt(int64_t{sum} * q / 100));
    if (s > 250) return 1;
    int best = 0;
    for (int i = 0; i < kAbilityCount; ++i) best = std::max(best, found.GetAbility(i, false));
    int m = RandomVary(best, ClampToInt(int64_t{best} * q / 100));
    if (m > 50) return 2;
    return s > 190 ? 3 : 0;
}

int CPersonData::CalcAdvertisingEffect(int n) const {
    double area = (int64_t{GetAbility(3, false)} + 40) * std::max(int64_t{n} - 4, int64_t{1});
    return std::min(80, TruncToInt(std::sqrt(area)));
}

int CPersonData::CalcInvestmentEffect(int n) const {
    int64_t base = int64_t{n} * (int64_t{GetTaskAptitude(eTASK_INVESTING, false)} + 2000) / 100;
    return TruncToInt(std::pow(static_cast<double>(base), 0.6) / 2);
}

int CPersonData::EstimateBudget(bool exact) const {
    int employer = CurrentEmployer();
    int64_t income = employer >= 0 ? Services::Companies().GetAnnualIncome(employer) : 0;
    int t = ClampToInt(std::max(income + 20, int64_t{1000}) / 3);
    int v = TruncToInt(std::pow(100 - std::min(GetAbility(1, false), 100), 1.1) * t / 100);
    return exact ? ClampToInt(int64_t{t} + v) : RandomVary(t, v);
}

int CPersonData::PlanStockPurchase(int company, int& shares, int& price) const {
    shares = price = 0;
    int64_t issued = Services::Companies().GetStockHolding(company, -1);
    int64_t held = Services::Companies().GetStockHolding(company, -2);
    if (issued == held || issued < 1) return 0;
    int apt = GetTaskAptitude(eTASK_STOCK_PURCHASE, true) / 100;
    if (Random(apt) < 4) return 0;
    int want = Random(ClampToInt((issued - held) * apt / 100));
    if (want < 10) return 0;
    int employer = CurrentEmployer();
    int64_t own = employer >= 0 ? Services::Companies().GetStockHolding(company, employer) : 0;
    int p = ClampToInt(own * 1000 / issued);
    for (int i = 0; i < 3; ++i) p = Random(p);
    if (p > 125) return 0;
    int64_t count = std::min<int64_t>(want / 20, issued - held);
    if (count < 1) return 0;
    int64_t unit = int64_t{Services::Companies().GetStockPrice(company)} *
                   (150 - std::clamp(apt, 20, 90)) / 100;
    // A stock priced below 2 gives a unit price of 0: nothing can be bought.
    if (unit < 1) return 0;
    int64_t funds = employer >= 0 ? Services::Companies().GetFunds(employer) : 0;
    if (funds / unit < count) count = funds / unit;
    if (count <= 0) return 0;
    shares = ClampToInt(count);
    price = ClampToInt(unit);
    return 1;
}

int CPersonData::CalcReinforcement() const {
    return ClampToInt((int64_t{GetTaskAptitude(eTASK_REINFORCEMENT, true)} + 500) / 100);
}

// ---------------------------------------------------------------- files

void CPersonData::TakeBaseRecord(const CBasePerson& base) {
    base.CheckConvertible();
    for (int i = 0; i < kAbilityCount; ++i) {
        m_baseAbility[static_cast<size_t>(i)] = base.GetBaseAbility(i);
        m_growth[static_cast<size_t>(i)] = base.GetGrowth(i);
    }
    m_kind = base.GetKind();
    m_baseAge = base.GetBaseAge();
    m_grade = base.GetGrade();
    m_sociability = base.GetSociability();
    m_tableFlag = base.GetTableFlag();
    m_figure2 = base.GetFigure2();
    m_figure3 = base.GetFigure3();
    m_figure1 = base.GetFigure1();
    m_name = base.GetName();
    m_secondText = base.GetSecondText();
    for (int face = 0; face < kFaceCount; ++face)
        m_faces[static_cast<size_t>(face)] = base.GetFace(face);
}

void CPersonData::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        StoreRecord(ar);
    else
        LoadRecord(ar);
}

void CPersonData::StoreRecord(CArchive& ar) {
    auto words = [&](std::initializer_list<int> values) {
        for (int v : values) ar.WriteWord(static_cast<uint16_t>(v));
    };
    words({m_kind, m_baseAge, m_grade, m_sociability, m_figure1});
    ar.WriteByte(static_cast<uint8_t>(m_tableFlag));
    words({m_figure2, m_figure3, m_index});
    ar.WriteInt(m_employerNo);
    ar.WriteInt(m_hireMonth);
    ar.WriteByte(static_cast<uint8_t>(m_presidentFlag));
    if (m_relations.size() > 0xFFFF)
        throw CArchiveException(CArchiveException::badLength, "too many relations");
    ar.WriteWord(static_cast<uint16_t>(m_relations.size()));
    for (int relation : m_relations) ar.WriteWord(static_cast<uint16_t>(relation));
    ar.WriteWord(static_cast<uint16_t>(m_salary));
    ar.WriteInt(m_taskProgress);
    ar.WriteWord(static_cast<uint16_t>(m_taskKind));
    for (int v : {m_taskArea, m_targetX, m_targetY, m_taskWork, m_taskWorkLeft}) ar.WriteInt(v);
    for (int v : m_taskParams) ar.WriteInt(v);
    for (int v : m_baseAbility) ar.WriteWord(static_cast<uint16_t>(v));
    for (int v : m_growth) ar.WriteWord(static_cast<uint16_t>(v));
    for (int v : m_experience) ar.WriteInt(v);
    ar.WriteRecordText16(m_name);
    ar.WriteRecordText16(m_secondText);
    for (CBM& face : m_faces) face.Serialize(ar);
    for (int v : {m_amount, m_extra1, m_extra2, m_electionMonth}) ar.WriteInt(v);
    // The reserved bytes stay in memory only.
    const uint8_t zeros[32] = {};
    ar.Write(zeros, sizeof zeros);
}

void CPersonData::LoadRecord(CArchive& ar) {
    auto word = [&](int& value) { value = ar.ReadWord(); };
    for (int* v : {&m_kind, &m_baseAge, &m_grade, &m_sociability, &m_figure1}) word(*v);
    m_tableFlag = ar.ReadByte();
    for (int* v : {&m_figure2, &m_figure3, &m_index}) word(*v);
    CheckRange(m_kind, 0, 2);
    m_employerNo = ar.ReadInt();
    m_hireMonth = ar.ReadInt();
    m_presidentFlag = ar.ReadByte();
    m_relations.assign(ar.ReadWord(), 0);
    for (int& relation : m_relations) word(relation);
    word(m_salary);
    m_taskProgress = CheckRange(ar.ReadInt(), 0, std::numeric_limits<int>::max());
    word(m_taskKind);
    CheckRange(m_taskKind, 0, kMaxStoredTaskKind);
    m_taskArea = CheckRange(ar.ReadInt(), -1, std::numeric_limits<int>::max());
    m_targetX = ar.ReadInt();
    m_targetY = ar.ReadInt();
    m_taskWork = CheckRange(ar.ReadInt(), 0, std::numeric_limits<int>::max());
    m_taskWorkLeft = CheckRange(ar.ReadInt(), 0, std::numeric_limits<int>::max());
    for (int& v : m_taskParams) v = ar.ReadInt();
    for (int& v : m_baseAbility) word(v);
    for (int& v : m_growth) word(v);
    for (int& v : m_experience) v = CheckRange(ar.ReadInt(), 0, std::numeric_limits<int>::max());
    m_name = ToCString(ar.ReadRecordText16());
    m_secondText = ToCString(ar.ReadRecordText16());
    for (CBM& face : m_faces) face.Serialize(ar);
    for (int* v : {&m_amount, &m_extra1, &m_extra2, &m_electionMonth}) *v = ar.ReadInt();
    uint8_t skipped[32];
    ar.Read(skipped, sizeof skipped);
}

// ---------------------------------------------------------------- faces

int CPersonData::GetFaceIndexForAge() const {
    auto has = [&](int face) { return m_faces[static_cast<size_t>(face)].HasImage(); };
    auto first = [&](std::initializer_list<int> order) {
        for (int face : order)
            if (has(face)) return face;
        return *(order.end() - 1);
    };
    int age = GetAge(false);
    if (age < 26) return first({0, 1, 2});
    if (age > 55) return first({2, 1, 0});
    return age < 40 ? first({1, 0, 2}) : first({1, 2, 0});
}

bool CPersonData::GetFaceTarget(int face, int left, int top, int right, int bottom,
                                SFaceRect& out) const {
    if (face < 0 || face >= kFaceCount || m_faceStrip == -1 ||
        m_faceOffsets[static_cast<size_t>(face)] == -1)
        return false;
    const CBM& picture = m_faces[static_cast<size_t>(face)];
    int64_t w = int64_t{right} - left, h = int64_t{bottom} - top;
    int sourceW = picture.GetWidth(), sourceH = picture.GetHeight();
    // The proportions below divide by every one of these.
    if (w <= 0 || h <= 0 || sourceW <= 0 || sourceH <= 0) return false;
    double target = static_cast<double>(h) / static_cast<double>(w);
    double source = static_cast<double>(sourceH) / sourceW;
    int64_t drawW = w, drawH = h;
    if (target < source)
        drawW = TruncToInt(static_cast<double>(w) * target / source);
    else
        drawH = TruncToInt(static_cast<double>(h) * source / target);
    out.left = ClampToInt(left + (w - drawW) / 2);
    out.top = ClampToInt(top + (h - drawH) / 2);
    out.right = ClampToInt(out.left + drawW);
    out.bottom = ClampToInt(out.top + drawH);
    return true;
}

void CPersonData::DrawFace(CDC& dc, int left, int top, int right, int bottom, int face) const {
    SFaceRect target;
    if (!GetFaceTarget(face, left, top, right, bottom, target)) return;
    CBitmap* strip = Services::Game().GetFaceStrip(m_faceStrip);
    if (strip == nullptr) return;
    const CBM& picture = m_faces[static_cast<size_t>(face)];
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* previousBitmap = memory.SelectObject(strip);
    CPalette* palette = Services::App().GetPalette();
    CPalette* previousPalette = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    dc.RealizePalette();
    dc.SetStretchBltMode(COLORONCOLOR);
    dc.StretchBlt(target.left, target.top, target.right - target.left, target.bottom - target.top,
                  &memory, m_faceOffsets[static_cast<size_t>(face)], 0, picture.GetWidth(),
                  picture.GetHeight(), SRCCOPY);
    if (palette) dc.SelectPalette(previousPalette, FALSE);
    memory.SelectObject(previousBitmap);
}
