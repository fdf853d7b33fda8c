#include "model/CmdPacket.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>
#include <stdexcept>

#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/FixedField.h"
#include "model/FixedFieldFormat.h"
#include "model/MercavoError.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/TextFormat.h"

namespace {

// Whatever the income, an investment plan below this is not worth a step.
constexpr int kMinInvestmentBudget = 5;

// The director task that carries out each command kind, by kind 0..16.
constexpr int kTaskOfKind[eCOM_LAST + 1] = {0,  2,  1,  6,  3,  4,  5, 8, 9,
                                            10, 10, 10, 10, 12, 11, 0, 13};

bool IsOffice(int structureType) {
    return StructureCode::IsOfficeCode(Services::Map().GetStructureTypeCode(structureType));
}

// The size of structure type index type; 1 x 1 for an index outside the
// table.
void GetTypeSize(int type, int& width, int& height) {
    width = height = 1;
    if (const CBD* bd = Services::Map().GetStructureType(type)) bd->GetSize(width, height);
}

// ---------------------------------------------------------------- text

constexpr int kPlanTypeWidth = 3;
constexpr int kAgeWidth = 4;
constexpr int kCountWidth = 3;
constexpr int kKindWidth = 3;
constexpr int kParam1Width = 4;
constexpr int kParam2Width = 6;
constexpr int kShortWidth = 4;

bool StepFits(const CCmdPacket::SStep& step) {
    return FitsFixedInt(step.kind, kKindWidth) && FitsFixedInt(step.param1, kParam1Width) &&
           FitsFixedInt(step.param2, kParam2Width) && FitsFixedInt(step.param3, kShortWidth) &&
           FitsFixedInt(step.point.x, kShortWidth) && FitsFixedInt(step.point.y, kShortWidth) &&
           (step.group == 0 || step.group == 1) && (step.done == 0 || step.done == 1);
}

int ReadFlag(std::string_view text, int& pos) {
    int flag = static_cast<size_t>(pos) < text.size() && text[static_cast<size_t>(pos)] == '1';
    ++pos;
    return flag;
}

eCOM_CMD CheckKind(int kind) {
    return static_cast<eCOM_CMD>(CheckRange(kind, 0, static_cast<int>(eCOM_LAST)));
}

// ---------------------------------------------------------------- stored form

int ReadBlockCount(CArchive& ar) {
    return CheckRange(ar.ReadInt(), 0, CCmdPacket::kMaxSteps);
}

// The blocks after the first must repeat its count: any other count would
// leave the rest of the saved game read at the wrong place.
void ReadMatchingCount(CArchive& ar, size_t steps) {
    if (static_cast<size_t>(ReadBlockCount(ar)) != steps) throw eMERCAVO_ERROR_CONTENTS;
}

int ReadFlagValue(CArchive& ar) {
    return CheckRange(ar.ReadInt(), 0, 1);
}

}  // namespace

void CCmdPacket::Clear() {
    m_planType = ePLAN_NONE;
    m_age = 0;
    m_steps.clear();
}

CCellPoint& CCmdPacket::GetPoint(CCellPoint& point, int i) const {
    point = GetStep(i).point;
    return point;
}

int CCmdPacket::AddStep(const SStep& step) {
    m_steps.push_back(step);
    return GetStepCount() - 1;
}

int CCmdPacket::RemoveStep(int i) {
    if (i < 0 || i >= GetStepCount()) throw std::out_of_range("CCmdPacket::RemoveStep");
    bool wasOnly = m_steps.size() == 1;
    m_steps.erase(m_steps.begin() + i);
    return wasOnly ? 1 : 0;
}

int CCmdPacket::GetFirstGroupSize() const {
    if (m_steps.empty()) return 0;
    int size = 1;
    while (size < GetStepCount() && !m_steps[static_cast<size_t>(size)].group) ++size;
    return size;
}

int CCmdPacket::CanRunStep(int i, int busy) const {
    eCOM_CMD kind = GetKind(i);
    if (kind < eCOM_ACQUIRE_LAND || kind > eCOM_LAST) return 0;
    if (kind != eCOM_CONSTRUCTION) return 1;
    // Only one construction at a time; a demolition may go on beside one.
    int target = GetConstructionTarget();
    if (target != -1) return busy ? 0 : 1;
    return 1;
}

int CCmdPacket::GetStepAptitude(int i, const CPersonData& person) const {
    return person.GetTaskAptitude(kTaskOfKind[GetKind(i)], false);
}

int CCmdPacket::GetStepStaff(int i) const {
    const SStep& step = GetStep(i);
    if (step.kind != eCOM_CONSTRUCTION || step.param2 < 0) return 0;
    const CBD* type = Services::Map().GetStructureType(step.param2);
    return type ? type->GetValueFigure() : 0;
}

int CCmdPacket::GetPlanStaff() const {
    int64_t sum = 0;
    for (int i = 0; i < GetStepCount(); ++i) sum += GetStepStaff(i);
    return ClampToInt(sum);
}

int CCmdPacket::GetConstructionTarget() const {
    for (const SStep& step : m_steps)
        if (step.kind == eCOM_CONSTRUCTION) return step.param2;
    return -2;
}

int CCmdPacket::ReleaseDirector(int person, int remove) {
    auto found = std::find_if(m_steps.begin(), m_steps.end(),
                              [person](const SStep& step) { return step.param1 == person; });
    if (found == m_steps.end()) return 0;
    if (remove) {
        m_steps.erase(found);
    } else {
        found->param1 = -1;
        found->done = 0;
    }
    return 1;
}

int CCmdPacket::RemoveDirectorSteps(int person) {
    auto assigned = [person](const SStep& step) { return step.param1 == person; };
    if (std::none_of(m_steps.begin(), m_steps.end(), assigned)) return 0;
    std::erase_if(m_steps, [person](const SStep& step) {
        return step.param1 == person || step.param1 == -1;
    });
    return 1;
}

void CCmdPacket::GetFootprint(const SStep& step, int& width, int& height) const {
    int type = step.param2;
    if (type < 0)
        type = Services::Map().GetCellStructure(step.param3, step.point.x, step.point.y) - 1;
    GetTypeSize(type, width, height);
}

int CCmdPacket::CoversCell(int area, int x, int y) const {
    for (const SStep& step : m_steps) {
        if (step.param3 != area) continue;
        if (step.point.x == x && step.point.y == y) return 1;
        if (step.kind != eCOM_CONSTRUCTION) continue;
        int width = 1, height = 1;
        GetFootprint(step, width, height);
        if (x > step.point.x - width && x <= step.point.x && y > step.point.y - height &&
            y <= step.point.y)
            return 1;
    }
    return 0;
}

bool CCmdPacket::HasOfficePlanIn(int area) const {
    if (m_planType != ePLAN_BUILD) return false;
    return std::any_of(m_steps.begin(), m_steps.end(), [area](const SStep& step) {
        return step.param3 == area && step.param2 >= 0 && IsOffice(step.param2);
    });
}

int CCmdPacket::CountOwnedFreeCells(int company, int area) const {
    if (m_planType != ePLAN_BUILD) return 0;
    int count = 0;
    for (const SStep& step : m_steps) {
        if (step.kind != eCOM_CONSTRUCTION || step.param3 != area) continue;
        int width = 1, height = 1;
        if (step.param2 != -1) GetTypeSize(step.param2, width, height);
        for (int y = step.point.y - height + 1; y <= step.point.y; ++y)
            for (int x = step.point.x - width + 1; x <= step.point.x; ++x)
                if (Services::Map().GetCellOwner(area, x, y) == company + 1 &&
                    Services::Map().GetCellStructure(area, x, y) == 0)
                    ++count;
    }
    return count;
}

bool CCmdPacket::IsHeadhuntingTargetOf(int person) const {
    return m_planType == ePLAN_HEADHUNTING && !m_steps.empty() && m_steps[0].param2 == person;
}

// ---------------------------------------------------------------- builders

void CCmdPacket::Start(int planType) {
    Clear();
    m_planType = planType;
}

void CCmdPacket::AddSingleStep(eCOM_CMD kind, int param2, int param3, const CCellPoint& point) {
    SStep step;
    step.kind = kind;
    step.param2 = param2;
    step.param3 = param3;
    step.point = point;
    m_steps.push_back(step);
}

void CCmdPacket::MakeAcquireLand(int area) {
    Start(ePLAN_ACQUIRE_LAND);
    AddSingleStep(eCOM_ACQUIRE_LAND, -1, area);
}

bool CCmdPacket::AddFootprintPurchases(int company, int area, const CCellPoint& cell, int s) {
    int width = 1, height = 1;
    GetTypeSize(s, width, height);
    bool office = IsOffice(s);
    int left = cell.x - width + 1, top = cell.y - height + 1;
    for (int y = top; y <= cell.y; ++y) {
        for (int x = left; x <= cell.x; ++x) {
            int owner = Services::Map().GetCellOwner(area, x, y);
            if (owner == company + 1) continue;
            SStep step;
            step.kind = office ? eCOM_ACQUIRE_LAND : eCOM_DESIGNATED_PURCHASE;
            step.param2 = office || owner != 0 ? -1 : -2;
            step.param3 = area;
            step.point = CCellPoint(x, y);
            step.group = x == left && y == top ? 1 : 0;
            m_steps.push_back(step);
        }
    }
    return true;
}

int CCmdPacket::MakeBuildPlan(int company, int area, const CCellPoint& cell, int s) {
    Start(ePLAN_BUILD);
    try {
        if (s >= 0) {
            AddFootprintPurchases(company, area, cell, s);
            AddSingleStep(eCOM_CONSTRUCTION, s, area, cell);
        } else {
            AddSingleStep(eCOM_DESIGNATED_PURCHASE,
                          Services::Map().GetCellStructure(area, cell.x, cell.y), area, cell);
        }
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

void CCmdPacket::MakeDemolishOrReinforce(int area, int x, int y, int demolish) {
    if (demolish) {
        Start(ePLAN_BUILD);
        AddSingleStep(eCOM_CONSTRUCTION, -1, area, CCellPoint(x, y));
    } else {
        Start(ePLAN_REINFORCE);
        AddSingleStep(eCOM_REINFORCE, 5, area, CCellPoint(x, y));
    }
}

void CCmdPacket::MakeSingle(int planType) {
    Start(planType);
    eCOM_CMD kind = planType == ePLAN_RECRUIT_EMPLOYEES    ? eCOM_RECRUIT_EMPLOYEES
                    : planType == ePLAN_RECRUIT_MANAGEMENT ? eCOM_RECRUIT_MANAGEMENT
                                                           : eCOM_LOAN;
    AddSingleStep(kind, 0, -1);
}

void CCmdPacket::MakeHeadhunting(int target) {
    Start(ePLAN_HEADHUNTING);
    AddSingleStep(eCOM_HEADHUNTING, target, -1);
}

void CCmdPacket::MakeAdvertising(int area, int budget) {
    Start(ePLAN_ADVERTISING);
    AddSingleStep(eCOM_ADVERTISING, budget, area);
}

int CCmdPacket::MakeInvestmentPlan(int company, int area, int kind) {
    Start(ePLAN_INVESTMENT);
    const CEnterprise* enterprise = Services::Companies().GetCompany(company);
    if (!enterprise || kind < 0 || kind >= CEpMapData::kInvestmentKinds) return 0;
    int64_t spent = enterprise->GetMonthlyFigure(kind, -1, -1);
    // A year of losses has no income to invest from (and no real power).
    double income = std::max(enterprise->GetAnnualIncome(), 0);
    int64_t base = static_cast<int64_t>(std::pow(income, 0.3) * 4.0);
    const CPersonData* president = enterprise->GetPresident();
    int64_t ability = president ? president->GetAbility(0, false) : 0;
    int64_t budget = (ability + 70) * base / 100 - spent;
    if (kind == 3) budget /= 2;
    int value = static_cast<int>(std::clamp<int64_t>(budget, INT_MIN / 2, INT_MAX / 2));
    value = std::min(RandomVary(value, value / 3), enterprise->GetFunds());
    if (value < kMinInvestmentBudget) return 0;
    AddSingleStep(static_cast<eCOM_CMD>(eCOM_INVEST_PROJECT + kind), value, area);
    return 1;
}

void CCmdPacket::MakePurchaseStock(int company) {
    Start(ePLAN_PURCHASE_STOCK);
    AddSingleStep(eCOM_PURCHASE_STOCK, company, -1);
}

void CCmdPacket::MakeAcquireProTeam(int league, int team, int area, const CCellPoint& cell) {
    Start(ePLAN_ACQUIRE_TEAM);
    AddSingleStep(eCOM_ACQUIRE_TEAM, team, area, cell);
    m_steps.back().param1 = league;
}

void CCmdPacket::MakeFinancialSupport(int league, int team) {
    Start(ePLAN_FINANCIAL_SUPPORT);
    AddSingleStep(eCOM_FINANCIAL_SUPPORT, league, team);
}

// ---------------------------------------------------------------- stored form

void CCmdPacket::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt(m_planType);
        ar.WriteInt(m_age);
        auto block = [&](auto&& write) {
            ar.WriteInt(GetStepCount());
            for (const SStep& step : m_steps) write(step);
        };
        block([&](const SStep& s) { ar.WriteInt(s.kind); });
        block([&](const SStep& s) { ar.WriteInt(s.param1); });
        block([&](const SStep& s) { ar.WriteInt(s.param2); });
        block([&](const SStep& s) { ar.WriteInt(s.param3); });
        block([&](const SStep& s) {
            ar.WriteInt(s.point.x);
            ar.WriteInt(s.point.y);
        });
        block([&](const SStep& s) { ar.WriteInt(s.group); });
        block([&](const SStep& s) { ar.WriteInt(s.done); });
        return;
    }
    m_planType = ar.ReadInt();
    m_age = ar.ReadInt();
    m_steps.clear();
    m_steps.resize(static_cast<size_t>(ReadBlockCount(ar)));
    size_t n = m_steps.size();
    for (SStep& s : m_steps) s.kind = CheckKind(ar.ReadInt());
    ReadMatchingCount(ar, n);
    for (SStep& s : m_steps) s.param1 = ar.ReadInt();
    ReadMatchingCount(ar, n);
    for (SStep& s : m_steps) s.param2 = ar.ReadInt();
    ReadMatchingCount(ar, n);
    for (SStep& s : m_steps) s.param3 = CheckRange(ar.ReadInt(), -1, INT_MAX);
    ReadMatchingCount(ar, n);
    for (SStep& s : m_steps) {
        s.point.x = ar.ReadInt();
        s.point.y = ar.ReadInt();
    }
    ReadMatchingCount(ar, n);
    for (SStep& s : m_steps) s.group = ReadFlagValue(ar);
    ReadMatchingCount(ar, n);
    for (SStep& s : m_steps) s.done = ReadFlagValue(ar);
}

// ---------------------------------------------------------------- network text

bool CCmdPacket::AppendText(std::string& out, size_t room) const {
    if (!FitsFixedInt(m_planType, kPlanTypeWidth) || !FitsFixedInt(m_age, kAgeWidth) ||
        m_steps.size() > static_cast<size_t>(kMaxSteps))
        return false;
    if (!std::all_of(m_steps.begin(), m_steps.end(), StepFits)) return false;
    if (kHeadTextLength + m_steps.size() * kStepTextLength > room) return false;
    out += FormatText("%03d%04d%03d", m_planType, m_age, GetStepCount());
    for (const SStep& s : m_steps)
        out += FormatText("%03d%04d%06d%04d%04d%04d%d%d", static_cast<int>(s.kind), s.param1,
                          s.param2, s.param3, s.point.x, s.point.y, s.group, s.done);
    return true;
}

size_t CCmdPacket::ReadFromString(std::string_view text) {
    int pos = 0;
    CCmdPacket plan;
    plan.m_planType = ParseFixedInt(text, pos, kPlanTypeWidth);
    plan.m_age = ParseFixedInt(text, pos, kAgeWidth);
    int count = ParseFixedInt(text, pos, kCountWidth);
    if (count < 0 || text.size() < kHeadTextLength + static_cast<size_t>(count) * kStepTextLength)
        throw eMERCAVO_ERROR_CONTENTS;
    plan.m_steps.resize(static_cast<size_t>(count));
    for (SStep& s : plan.m_steps) {
        s.kind = CheckKind(ParseFixedInt(text, pos, kKindWidth));
        s.param1 = ParseFixedInt(text, pos, kParam1Width);
        s.param2 = ParseFixedInt(text, pos, kParam2Width);
        s.param3 = ParseFixedInt(text, pos, kShortWidth);
        s.point.x = ParseFixedInt(text, pos, kShortWidth);
        s.point.y = ParseFixedInt(text, pos, kShortWidth);
        s.group = ReadFlag(text, pos);
        s.done = ReadFlag(text, pos);
    }
    *this = std::move(plan);
    return static_cast<size_t>(pos);
}
