#pragma once
// One plan of a computer-played company: a short list of steps that the
// computer player has decided on and carries out over the coming months
// through the ordinary orders. The company keeps its plans with itself and
// saves them with it; the host sends them to the players as text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/CellPoint.h"

class CArchive;
class CEnterprise;
class CPersonData;

// What one step of a plan does.
enum eCOM_CMD : int32_t {
    eCOM_NONE = 0,
    eCOM_ACQUIRE_LAND = 1,
    eCOM_DESIGNATED_PURCHASE = 2,
    eCOM_CONSTRUCTION = 3,  // param2 -1: demolition
    eCOM_RECRUIT_EMPLOYEES = 4,
    eCOM_RECRUIT_MANAGEMENT = 5,
    eCOM_HEADHUNTING = 6,
    eCOM_LOAN = 7,
    eCOM_ADVERTISING = 8,
    eCOM_INVEST_PROJECT = 9,  // 9..12: investment of kind (kind - 9)
    eCOM_INVEST_PREVENTION = 10,
    eCOM_INVEST_EXPO = 11,
    eCOM_INVEST_DONATION = 12,
    eCOM_REINFORCE = 13,
    eCOM_PURCHASE_STOCK = 14,
    eCOM_ACQUIRE_TEAM = 15,
    eCOM_FINANCIAL_SUPPORT = 16,
    eCOM_LAST = eCOM_FINANCIAL_SUPPORT,
};

class CCmdPacket {
public:
    enum ePlanType {
        ePLAN_NONE = 0,
        ePLAN_ACQUIRE_LAND = 1,
        ePLAN_BUILD = 2,  // also demolition
        ePLAN_RECRUIT_EMPLOYEES = 3,
        ePLAN_RECRUIT_MANAGEMENT = 4,
        ePLAN_HEADHUNTING = 5,
        ePLAN_LOAN = 6,
        ePLAN_ADVERTISING = 7,
        ePLAN_INVESTMENT = 8,
        ePLAN_REINFORCE = 9,
        ePLAN_PURCHASE_STOCK = 10,
        ePLAN_ACQUIRE_TEAM = 11,
        ePLAN_FINANCIAL_SUPPORT = 12,
    };

    // One step. param1 is the director assigned to it (-1 none yet; the
    // league for a team acquisition), param2 its main value, param3 as a
    // rule the area. group is 1 on a step that starts a group of steps
    // carried out together.
    struct SStep {
        eCOM_CMD kind = eCOM_NONE;
        int param1 = -1;
        int param2 = 0;
        int param3 = -1;
        CCellPoint point{-1, -1};
        int group = 1;
        int done = 0;
        bool operator==(const SStep&) const = default;
    };

    // The step count travels as three digits.
    static constexpr int kMaxSteps = 999;
    // The network text: plan type, age and step count, then each step.
    static constexpr size_t kHeadTextLength = 3 + 4 + 3;
    static constexpr size_t kStepTextLength = 3 + 4 + 6 + 4 + 4 + 4 + 1 + 1;

    CCmdPacket() = default;

    // Plan type 0, age 0, no steps.
    void Clear();

    int GetPlanType() const { return m_planType; }
    int GetAge() const { return m_age; }
    // A month went by without a step of the plan being carried out.
    void AddAge() { ++m_age; }
    void ResetProgress() { m_age = 0; }
    int GetStepCount() const { return static_cast<int>(m_steps.size()); }
    // Step i; an index outside the plan throws std::out_of_range.
    const SStep& GetStep(int i) const { return m_steps.at(static_cast<size_t>(i)); }
    const std::vector<SStep>& GetSteps() const { return m_steps; }

    eCOM_CMD GetKind(int i) const { return GetStep(i).kind; }
    int GetParam1(int i) const { return GetStep(i).param1; }
    int GetParam2(int i) const { return GetStep(i).param2; }
    int GetParam3(int i) const { return GetStep(i).param3; }
    int GetStepFlag(int i) const { return GetStep(i).group; }
    int IsDone(int i) const { return GetStep(i).done; }
    // Copies the step's cell into point and returns it.
    CCellPoint& GetPoint(CCellPoint& point, int i) const;
    void SetParam1(int i, int value) { Step(i).param1 = value; }
    void SetDone(int i, int done) { Step(i).done = done ? 1 : 0; }
    // Appends a step and returns its index.
    int AddStep(const SStep& step);

    // Drops step i; 1 when it was the only one. Throws std::out_of_range for
    // a step that does not exist.
    int RemoveStep(int i);
    // Steps from step 0 up to the next one that starts a group.
    int GetFirstGroupSize() const;
    // Whether step i may be carried out now. busy: the company is already
    // constructing, which holds back a plan whose first construction step
    // builds (a demolition goes ahead).
    int CanRunStep(int i, int busy) const;
    // The person's aptitude for step i: the task aptitude, without
    // randomisation, for the director task that carries the step out.
    int GetStepAptitude(int i, const CPersonData& person) const;
    // The structure type's staff figure for a construction step, else 0.
    int GetStepStaff(int i) const;
    int GetPlanStaff() const;
    // param2 of the first construction step; -2 when there is none.
    int GetConstructionTarget() const;
    // The first step assigned to person goes back to unassigned and undone,
    // or with remove is dropped; 0 when no step is assigned to person.
    int ReleaseDirector(int person, int remove);
    // When some step is assigned to person, drops every step assigned to
    // person or to nobody and returns 1; else 0.
    int RemoveDirectorSteps(int person);
    // Whether a step of the area has the cell as its point, or is a
    // construction whose footprint covers it.
    int CoversCell(int area, int x, int y) const;
    // A construction plan with an office building (type code 60 or 61) in
    // the area.
    bool HasOfficePlanIn(int area) const;
    // For a construction plan: the cells of its construction footprints in
    // the area that the company owns and that carry no structure.
    int CountOwnedFreeCells(int company, int area) const;
    bool IsLoanPlan() const { return m_planType == ePLAN_LOAN; }
    bool IsHeadhuntingTargetOf(int person) const;

    // ---- costs and feasibility (CmdPacketFeasibility.cpp)
    // A plan older than this many months is given up at its whole-plan check.
    static constexpr int kMaxAge = 12;
    // What step i is expected to take from the funds.
    int GetStepCost(int i) const;
    // The step costs summed; with doneOnly only those of the steps done.
    int GetPlanCost(int doneOnly) const;
    // For a loan plan with a loan step: what the company could borrow now
    // without a director; else 0.
    int GetPlannedLoanAmount(const CEnterprise& company) const;
    // Whether the steps of the first group that are not done yet can go ahead
    // for the company now (wholePlan: whether the plan as a whole can still
    // be carried out, without the money tests). needDirector: the company
    // must have a free director for the steps that need one. A whole-plan
    // check that fails drops every step not done yet.
    int CheckFeasible(const CEnterprise& company, int needDirector, int wholePlan);

    // The builders. Each empties the record first; their steps have no
    // director, start a group and are not done unless said otherwise.
    void MakeAcquireLand(int area);
    // Buying the footprint of structure type s at cell (its anchor) in the
    // area, then building; s = -1: buying the structure standing on cell.
    // 1, or 0 when memory ran out.
    int MakeBuildPlan(int company, int area, const CCellPoint& cell, int s);
    void MakeDemolishOrReinforce(int area, int x, int y, int demolish);
    // Plan types 3, 4 and 6: recruiting employees or management, or a loan.
    void MakeSingle(int planType);
    void MakeRecruitEmployees() { MakeSingle(ePLAN_RECRUIT_EMPLOYEES); }
    void MakeRecruitManagement() { MakeSingle(ePLAN_RECRUIT_MANAGEMENT); }
    void MakeLoan() { MakeSingle(ePLAN_LOAN); }
    void MakeHeadhunting(int target);
    void MakeAdvertising(int area, int budget);
    // An investment of kind in the area with the budget the company can
    // afford; 0 (and no steps) when that budget is below 5.
    int MakeInvestmentPlan(int company, int area, int kind);
    void MakePurchaseStock(int company);
    void MakeAcquireProTeam(int league, int team, int area, const CCellPoint& cell);
    void MakeFinancialSupport(int league, int team);

    bool operator==(const CCmdPacket&) const = default;

    // Plan type, age, then seven blocks, each a count and that many values:
    // kinds, param1, param2, param3, points (x, y), group flags, done flags.
    // Loading refuses (eMERCAVO_ERROR_CONTENTS) blocks whose counts differ
    // or lie outside 0..kMaxSteps, a kind outside 0..16, a param3 below -1
    // and a flag other than 0 or 1.
    void Serialize(CArchive& ar);

    // The network text: "%03d%04d%03d" plan type, age and step count, then
    // per step "%03d%04d%06d%04d%04d%04d%d%d" kind, param1, param2, param3,
    // x, y, group and done flags. A value that does not fit its field would
    // shift every later field, so when one does not, or the text would not
    // fit in room characters, nothing is appended and the result is false.
    bool AppendText(std::string& out, size_t room) const;
    // Reads the same form from the start of text, replacing this record, and
    // returns the number of characters used. A flag character "1" reads as
    // 1, anything else as 0. A text shorter than its step count needs, a
    // negative step count or a kind outside 0..16 throws
    // eMERCAVO_ERROR_CONTENTS and leaves the record as it was.
    size_t ReadFromString(std::string_view text);

private:
    SStep& Step(int i) { return m_steps.at(static_cast<size_t>(i)); }
    void Start(int planType);
    void AddSingleStep(eCOM_CMD kind, int param2, int param3,
                       const CCellPoint& point = CCellPoint(-1, -1));
    bool AddFootprintPurchases(int company, int area, const CCellPoint& cell, int s);
    // The cells that construction step i stands on: from (right - width + 1,
    // bottom - height + 1) to its point.
    void GetFootprint(const SStep& step, int& width, int& height) const;

    int m_planType = ePLAN_NONE;
    int m_age = 0;
    std::vector<SStep> m_steps;
};
