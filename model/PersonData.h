#pragma once
// One person of the game: a director, a director candidate or a governor.
// The document keeps two tables of them (directors with candidates, and
// governors); each person knows its own index in its table.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/BM.h"

class CArchive;
class CBasePerson;
class CDC;

// Where a face goes inside a target rectangle (right and bottom exclusive).
struct SFaceRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class CPersonData {
    // The network state records carry the fields as they are stored.
    friend class CNetPersonRecords;

public:
    static constexpr int kAbilityCount = 5;
    static constexpr int kTaskParamCount = 16;
    // Task kinds 0..13 have names and weights; 14 loads for compatibility.
    static constexpr int kTaskKindCount = 14;
    static constexpr int kMaxStoredTaskKind = 14;
    static constexpr int kMaxRelation = 2000;

    enum eKind { eDIRECTOR = 0, eCANDIDATE = 1, eGOVERNOR = 2 };
    enum eTask {
        eTASK_NONE = 0,
        eTASK_DESIGNATED_PURCHASE = 1,
        eTASK_LAND_PURCHASE = 2,
        eTASK_RECRUIT_EMPLOYEES = 3,
        eTASK_RECRUIT_MANAGEMENT = 4,
        eTASK_HEAD_HUNTING = 5,
        eTASK_CONSTRUCTION = 6,
        eTASK_CONTRACT_CONSTRUCTION = 7,
        eTASK_RAISE_FUNDS = 8,
        eTASK_ADVERTISING = 9,
        eTASK_INVESTING = 10,
        eTASK_STOCK_PURCHASE = 11,
        eTASK_REINFORCEMENT = 12,
        eTASK_TEAM_SUPPORT = 13,
    };

    // The names shown to the player; a placeholder outside the tables.
    static const char* GetAbilityName(int ability);
    static const char* GetTaskName(int kind);
    // The weight of ability i in work on a task of the kind; 0 outside the
    // table.
    static int GetTaskWeight(int kind, int ability);

    // --- Record ---
    int GetIndex() const { return m_index; }
    void SetIndex(int index) { m_index = index; }
    int GetKind() const { return m_kind; }
    int GetTableFlag() const { return m_tableFlag; }
    int GetGrade() const { return m_grade; }
    int GetSociability() const { return m_sociability; }
    // The first game year in which the person may be hired (0 = the first).
    int GetStartYear() const { return m_figure1; }
    // Personal figure 2: the weight of the person's own name when standing
    // for governor.
    int GetVoteWeight() const { return m_figure2; }
    void SetVoteWeight(int weight) { m_figure2 = weight; }
    int GetFigure3() const { return m_figure3; }
    const std::string& GetName() const { return m_name; }
    const std::string& GetSecondText() const { return m_secondText; }
    int GetEmployerNo() const { return m_employerNo; }
    int GetHireMonth() const { return m_hireMonth; }
    void SetHireMonth(int month) { m_hireMonth = month; }
    int GetPresidentFlag() const { return m_presidentFlag; }
    void SetPresidentFlag(int flag) { m_presidentFlag = flag; }
    int GetElectionMonth() const { return m_electionMonth; }
    void SetElectionMonth(int month) { m_electionMonth = month; }
    int GetAmount() const { return m_amount; }
    void SetAmount(int amount) { m_amount = amount < 0 ? 0 : amount; }
    int GetSalary() const { return m_salary; }
    int SetSalary(int salary);

    // --- Relations toward the companies, 0..2000 ---
    void ResetRelations(int count);
    int GetRelationCount() const { return static_cast<int>(m_relations.size()); }
    // A company outside the list has relation 0 and cannot be set.
    int SetRelation(int company, int value);
    int GetRelation(int company) const;
    int GetRelationLevel(int company) const;
    int GetRelationMargin(int company) const;
    void GrowEmployerRelation();
    void ExtendRelations();
    void RemoveCompanyIndex(int company);

    // --- Employer ---
    int SetEmployer(int employerNo);
    // The company index of the employer or former employer; -1 for none.
    int GetEmployer() const;
    bool IsEmployed(bool strict) const;
    int GetFormerEmployerNo() const;
    int GetAge(bool baseOnly) const;
    void Reset();

    // --- Monthly and staffing steps ---
    void MonthlyDrift();
    int TryResign();
    int TryLeaveFormerEmployer();
    void ChangeEmployer(int company);
    void Dismiss();
    void LoseExperience();
    bool IsSpareDirector() const;
    bool AmountExceeds(int value) const;

    // --- Abilities and salary ---
    int GetBaseAbility(int ability) const;
    int GetGrowth(int ability) const;
    int GetExperience(int ability) const;
    int GetAbility(int ability, bool withRelation) const;
    int CompareAbility(const CPersonData& other, int ability) const;
    int GetBaseRating() const;
    void GainExperience();
    int CalcSalary(bool withEmployerFactor) const;

    // --- Task ---
    bool HasTask() const { return m_taskKind != 0; }
    int GetTaskKind() const { return m_taskKind; }
    int GetTaskProgress() const { return m_taskProgress; }
    void SetTaskProgress(int progress) { m_taskProgress = progress; }
    int GetTaskWork() const { return m_taskWork; }
    int GetTaskWorkLeft() const { return m_taskWorkLeft; }
    int GetTaskTargetX() const { return m_targetX; }
    int GetTaskTargetY() const { return m_targetY; }
    int GetTaskParam(int i) const;
    void SetTaskParam(int i, int value);
    int AssignTask(int kind, int work);
    int SetTaskArea(int area);
    int SetTaskTarget(int x, int y);
    int GetTaskArea() const;
    int GetTaskAptitude(int kind, bool randomised) const;
    int GetMonthlyWork(int kind) const;
    int GetMonthsLeft() const;
    int AdvanceTask();
    int HeadHuntStep();
    bool IsBuildingOffice(int area) const;
    bool IsBuildingSportsFacility(int league) const;
    bool IsHuntingPerson(int person) const;

    // --- Formulas of the task handlers ---
    int CalcSearchPower() const;
    int CalcSearchDivisor() const;
    int CalcRecruitableEmployees(int company) const;
    int RateFoundTalent(const CPersonData& found) const;
    int CalcAdvertisingEffect(int n) const;
    int CalcInvestmentEffect(int n) const;
    int EstimateBudget(bool exact) const;
    int PlanStockPurchase(int company, int& shares, int& price) const;
    int CalcReinforcement() const;

    // --- Faces: young, middle-aged, old ---
    static constexpr int kFaceCount = 3;
    const CBM& GetFace(int face) const { return m_faces.at(static_cast<size_t>(face)); }
    // The document's face strip that holds the faces, and each face's x in it
    // (-1 when the face is missing).
    int GetFaceStrip() const { return m_faceStrip; }
    int GetFaceOffset(int face) const { return m_faceOffsets.at(static_cast<size_t>(face)); }
    void SetFaceStrip(int strip) { m_faceStrip = strip; }
    void SetFaceOffset(int face, int x) { m_faceOffsets.at(static_cast<size_t>(face)) = x; }
    int GetFaceIndexForAge() const;
    // The rectangle a face is drawn into within the target (left, top, right,
    // bottom): narrowed to the face's proportions and centred. False when
    // nothing is to be drawn: an empty or inverted target, a face of no size,
    // no face strip or no place in it.
    bool GetFaceTarget(int face, int left, int top, int right, int bottom, SFaceRect& out) const;
    // Draws a face (0..2) from the document's face strip into the target,
    // with the application palette; nothing when GetFaceTarget says so or
    // the document has no such strip.
    void DrawFace(CDC& dc, int left, int top, int right, int bottom, int face) const;

    // --- Files ---
    // The saved-game record. Loading throws eMERCAVO_ERROR_CONTENTS for a
    // value out of range.
    void Serialize(CArchive& ar);
    // Takes the figures, texts and faces of a data-file record; throws
    // eMERCAVO_ERROR_CONTENTS, changing nothing, for a record that makes no
    // sound person.
    void TakeBaseRecord(const CBasePerson& base);

private:
    // The employing company's index (employer number > 0), else -1.
    int CurrentEmployer() const { return m_employerNo > 0 ? m_employerNo - 1 : -1; }
    void EndTaskAndNotify(int company);
    bool CheckDesignatedLot();
    void SearchLot();
    void TakeOver(CPersonData& target, int company, int targetCompany);
    void StoreRecord(CArchive& ar);
    void LoadRecord(CArchive& ar);
    void NotifyHost(std::initializer_list<int> states) const;

    int m_kind = eDIRECTOR;
    int m_baseAge = 30;
    int m_grade = 3;
    int m_sociability = 3;
    int m_figure1 = 0;
    int m_tableFlag = 0;
    int m_figure2 = 3;
    int m_figure3 = 3;
    int m_index = -1;
    int m_employerNo = 0;
    int m_hireMonth = 0;
    int m_presidentFlag = 0;
    std::vector<int> m_relations;
    int m_salary = 0;
    int m_taskProgress = 0;
    int m_taskKind = 0;
    int m_taskArea = -1;
    int m_targetX = -1;
    int m_targetY = -1;
    int m_taskWork = 0;
    int m_taskWorkLeft = 0;
    std::array<int, kTaskParamCount> m_taskParams{};
    std::array<int, kAbilityCount> m_baseAbility{3, 3, 3, 3, 3};
    std::array<int, kAbilityCount> m_growth{2, 2, 2, 2, 2};
    std::array<int, kAbilityCount> m_experience{};
    std::string m_name = "-----------";
    std::string m_secondText;
    int m_amount = 0;
    int m_extra1 = 0;
    int m_extra2 = 0;
    int m_electionMonth = 0;
    std::array<uint8_t, 32> m_reserved{};
    std::array<CBM, kFaceCount> m_faces;
    int m_faceStrip = -1;
    std::array<int, 3> m_faceOffsets{-1, -1, -1};
};
