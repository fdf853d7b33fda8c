#pragma once
// One company of the game: its identity (number, colour, name, president),
// its money, its staff and directors, its teams, its monthly and yearly
// figures, its pending contract and lot sale, and what it owns: a record per
// map area with its totals in front, the computer player's plans, the advice
// given to it and its history. The game document keeps the companies by
// value; company i is element i and its number is i. The saved game and the
// judgment data file hold the stored form.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/AdvicePacket.h"
#include "model/CmdPacket.h"
#include "model/EpMapData.h"
#include "model/History.h"

class CArchive;
class CCmdSet;
class CEnterpriseLimits;
class CPersonData;

class CEnterprise {
    // The network state records carry the fields as they are stored.
    friend class CNetCompanyRecords;

public:
    static constexpr int kLeagueCount = 3;
    static constexpr int kMonths = 12;
    static constexpr int kInvestmentKinds = CEpMapData::kInvestmentKinds;
    static constexpr int kColorCount = 32;
    static constexpr int kMaxNameLength = 255;
    static constexpr int kMaxSanctionMonths = 12;
    static constexpr int kJudgmentResults = 3;
    // No game comes near these; larger stored counts are bad data.
    static constexpr int kMaxDirectors = 100000;
    static constexpr int kMaxYears = 10000;
    static constexpr int kMaxListEntries = 1 << 20;
    // Stored after the record's fields, zero-filled.
    static constexpr int kReservedBytes = 64;
    static constexpr int kStartFunds = 150;
    static constexpr int kStartSalary = 10;

    // A stored block of a key, a direction (+1 or -1) and N slots (-1 when
    // empty). Kept, copied and stored with the company; nothing else uses it.
    template <size_t N>
    struct SSettingBlock {
        SSettingBlock() { slots.fill(-1); }
        int key = 1;
        int direction = 1;
        std::array<int, N> slots;
        bool operator==(const SSettingBlock&) const = default;
    };

    // A construction this company has offered to another company; contractor
    // -1: none pending.
    struct SContractBid {
        int contractor = -1, area = -1, x = -1, y = -1, structureType = -1, price = 0;
        bool operator==(const SContractBid&) const = default;
    };
    // An own lot put up for sale: the price (the sale price of a direct sale,
    // or the minimal bid of an auction; -1 none pending) and the buyer
    // company (-1 none: an auction).
    struct SLotSale {
        int minimalBid = -1, area = -1, x = -1, y = -1, buyer = -1;
        bool operator==(const SLotSale&) const = default;
    };

    CEnterprise();
    CEnterprise(const CEnterprise&) = default;
    CEnterprise(CEnterprise&&) = default;
    // Copies everything but the company name slot, which the target keeps:
    // that is how the document rebuilds its array after a company left.
    CEnterprise& operator=(const CEnterprise& other);
    // Moves everything, the name slot included (the array's own moves).
    CEnterprise& operator=(CEnterprise&&) = default;

    // Sets the number and the map's area count and makes area count + 1
    // fresh area records. 1, or 0 when memory ran out.
    int Init(int number, int areaCount);

    // The stored form. Loading checks each value as it is read and throws
    // eMERCAVO_ERROR_CONTENTS at the first bad one, among them an area count
    // other than the one Init was given; the record is then partly loaded.
    void Serialize(CArchive& ar);
    // The checks of the indexes into tables that the saved game holds after
    // the companies: persons, teams, company names, companies and areas.
    // Throws eMERCAVO_ERROR_CONTENTS.
    void Validate(const CEnterpriseLimits& limits) const;

    // ---- identity
    int GetNumber() const { return m_number; }
    int GetAreaCount() const { return m_areaCount; }
    int GetNetworkPlayerId() const { return m_networkPlayerId; }
    void SetNetworkPlayerId(int id) { m_networkPlayerId = id; }
    int GetNameSlot() const { return m_nameSlot; }
    void SetNameSlot(int slot) { m_nameSlot = slot; }
    int GetColor() const { return m_color; }
    void SetColor(int color) { m_color = color; }
    // A company with a higher number moves down one, then the removal goes
    // into the history.
    void OnCompanyRemoved(int removed, const std::string& removedName);
    void RecordNewCompany(const std::string& name);
    void RenumberAfterRemoval(int removed);
    // Played by a human rather than by the computer.
    bool IsHumanPlayed() const;

    // ---- arrangement of the staff and company list pages, kept per viewing
    // company: the sort column (0 = stored order, else page column + 1), the
    // direction (+1 or -1) shared by all columns and the pixel width of each
    // column (-1 = not set). A column outside the width block reads -1 and
    // is not set.
    static constexpr int kStaffColumns = 10;
    static constexpr int kListColumns = 7;
    int GetStaffSortColumn() const { return m_settings1.key; }
    void SetStaffSortColumn(int column) { m_settings1.key = column; }
    int GetStaffSortDirection() const { return m_settings1.direction; }
    void ReverseStaffSortDirection() { m_settings1.direction = -m_settings1.direction; }
    int GetStaffColumnWidth(int column) const { return SlotOf(m_settings1, column); }
    void SetStaffColumnWidth(int column, int width) { SetSlot(m_settings1, column, width); }
    int GetListSortColumn() const { return m_settings2.key; }
    void SetListSortColumn(int column) { m_settings2.key = column; }
    int GetListSortDirection() const { return m_settings2.direction; }
    void ReverseListSortDirection() { m_settings2.direction = -m_settings2.direction; }
    int GetListColumnWidth(int column) const { return SlotOf(m_settings2, column); }
    void SetListColumnWidth(int column, int width) { SetSlot(m_settings2, column, width); }

    // ---- names: 1 when set; an empty text leaves the name absent and gives 0.
    int SetName(const std::string& name);
    int SetPresidentName(const std::string& name);
    // Empty while absent.
    const std::string& GetName() const;
    const std::string& GetPresidentName() const;
    // 0: the player himself; else person index + 1 in the directors' table.
    void SetPresident(int president) { m_president = president; }
    int GetPresidentNumber() const { return m_president; }
    // The president's person record; nullptr when there is none.
    CPersonData* GetPresident() const;

    // ---- money
    int GetFunds() const { return m_funds; }
    void SetFunds(int funds) { m_funds = funds; }
    int GetDebt() const { return m_debt; }
    void SetDebt(int debt) { m_debt = debt; }
    // Funds += amount; a shortfall becomes debt and gives 0.
    int AddFunds(int amount);
    void Borrow(int amount);

    // ---- staff and figures kept here (their rules live with the monthly steps)
    int GetStandardSalary() const { return m_standardSalary; }
    int GetFixedPayTotal() const { return m_fixedPayTotal; }
    int IsFixedPay() const { return m_fixedPay; }
    int GetAdvertisingCost() const { return m_advertisingCost; }
    // 1 when the advertising cost changed.
    int SetAdvertisingBudget(int amount);
    int GetEmployees() const { return m_employees; }
    int GetEmployeesAtWork() const { return m_employeesAtWork; }
    int GetRating() const { return m_morale; }
    int GetMoraleTotal() const { return m_moraleTotal; }
    int IsOnStrike() const { return m_strike; }
    int GetStrikeMonth() const { return m_strikeMonth; }
    int GetPreviousStrikeMonth() const { return m_previousStrikeMonth; }
    int GetStrikeCount() const { return m_strikeCount; }
    int GetDirectorCount() const { return static_cast<int>(m_directors.size()); }
    // Person index of the i-th director; std::out_of_range outside.
    int GetDirectorIndex(int i) const { return m_directors.at(static_cast<size_t>(i)); }
    // A director of the company is building an office in the area.
    bool HasDirectorInArea(int area) const;
    // The league's team the company owns; -1 none.
    int GetLeagueTeam(int league) const { return m_teams.at(static_cast<size_t>(league)) - 1; }
    int GetChampionships(int league) const {
        return m_championships.at(static_cast<size_t>(league));
    }
    int GetAttendance(int league) const { return m_attendance.at(static_cast<size_t>(league)); }
    int GetAdviser() const { return m_adviser; }
    int GetAdviserAbility() const { return m_adviserAbility; }
    int GetAdviceThreshold() const { return m_adviceThreshold; }
    int GetSanctionMonths() const { return m_sanctionMonths; }
    void SetSanctionMonths(int months) {
        m_sanctionMonths = months < 0 ? 0 : months > kMaxSanctionMonths ? kMaxSanctionMonths : months;
    }
    int GetYearEndStockPrice() const { return m_yearEndStockPrice; }
    // The stock price at the end of December; never below 0, as loaded.
    void SetYearEndStockPrice(int price) { m_yearEndStockPrice = price < 0 ? 0 : price; }
    // Sum of the 12 months of income.
    int GetAnnualIncome() const;
    // area >= 0: the area's month figure of series j; else month >= 0: that
    // month of series j; else the 12 months of series j summed.
    int GetMonthlyFigure(int j, int area, int month) const;
    const SContractBid& GetContractBid() const { return m_contractBid; }
    const SLotSale& GetAuctionBid() const { return m_lotSale; }
    void ClearContractBid() { m_contractBid = SContractBid(); }
    void ClearAuctionBid() { m_lotSale = SLotSale(); }
    int GetReportHeadingWritten() const { return m_reportHeadingWritten; }
    void SetReportHeadingWritten(int flag) { m_reportHeadingWritten = flag; }
    int GetJudgmentResult(int i) const { return m_judgment.at(static_cast<size_t>(i)); }
    void SetJudgmentResult(int i, int value) { m_judgment.at(static_cast<size_t>(i)) = value; }

    // ---- owned collections
    // Element 0 holds the totals, element a + 1 area a.
    const CEpMapData& GetAreaRecord(int element) const {
        return m_areas.at(static_cast<size_t>(element));
    }
    std::vector<CCmdPacket>& GetPlans() { return m_plans; }
    const std::vector<CCmdPacket>& GetPlans() const { return m_plans; }
    std::vector<CAdvicePacket>& GetAdvice() { return m_advice; }
    const std::vector<CAdvicePacket>& GetAdvice() const { return m_advice; }
    std::vector<CHistory>& GetHistory() { return m_history; }
    const std::vector<CHistory>& GetHistory() const { return m_history; }

    // ---- per area: area a is element a + 1; an area outside the map throws
    // std::out_of_range unless the operation takes -1.
    int GetHomeArea() const { return m_areas.at(0).GetLevel() - 1; }
    void SetHomeArea(int area) { m_areas.at(0).SetLevel(area + 1); }
    int GetAreaLevel(int area) const { return Area(area).GetLevel(); }
    // 1 when it changed.
    int SetAreaLevel(int area, int level);
    // Areas at level 3 or more (flag set) or 2 or more.
    int CountAreasAtLevel(int flag) const;
    // Sum of the levels; with the flag an area at level 1 or 2 adds one more.
    int SumAreaLevels(int flag) const;
    // The computer player's monthly step: may raise one promising area.
    void RaiseBestAreaLevel();
    bool HasAnyArea() const;
    int GetAreaGrade(int area) const { return Area(area).GetGrade(); }
    // Clamped to 100..500; area -1 sets every area and never refreshes the
    // average, a single area refreshes it when refresh is set.
    void SetAreaGrade(int area, int grade, int refresh);
    void UpdateAverageGrade();
    // How many of the steps 166, 232, 298, 364, 430 the grade reaches.
    int GetAreaGradeStep(int area) const;
    double GetAreaWeight(int area) const;
    // The monthly loss of grade, slowed by advertising.
    void RunMonthlyGradeUpdate();
    int GetAreaLand(int area) const { return Area(area).GetLand(); }
    int GetAreaBuildings(int area) const { return Area(area).GetBuildings(); }
    // Each adds n in the area and to the totals; 1 when the area's count is
    // then 0. Counts never go below 0.
    int AddAreaLand(int area, int n);
    int AddAreaBuildings(int area, int n);
    // n units of land become one building (n < 1: a building goes).
    void ConvertLandToBuilding(int area, int n);
    // The area's land from the map's owner layer; then the total again.
    void RecountAreaLand(int area);
    void RecountAllHoldings();
    // Land not yet claimed by a plan; area -1 for all areas.
    int GetFreeAreaLand(int area) const;
    void IncAreaCount(int area);
    void AddAreaSum(int area, int value);
    // Effects 1..6, kept within -9999..9999.
    int GetAreaValue(int which, int area) const { return Area(area).GetEffect(which); }
    void SetAreaValue(int which, int area, int value);
    // The grade bonus and effects of a structure of the type built in the area.
    void AddBuildingEffects(int area, int structureType);
    void AddAreaTableValue(int kind, int area, int value);
    int GetAreaTableValue(int kind, int area) const { return Area(area).GetInvestment(kind); }
    // Set (or with add increased), then clamped to 0..2154.
    void SetAreaRating(int kind, int area, int value, int add);
    int GetAreaRating(int kind, int area) const { return Area(area).GetRating(kind); }

    // ---- pay (EnterpriseStaff.cpp)
    // Pay for n employees over m months (-1: 12); at least 1 when n >= 1.
    int CalcSalaryCost(int n, int months) const;
    // The employees' monthly pay at the standard salary, the fixed total or
    // (atFairRate) the fair salary, with the directors' salaries added.
    int GetMonthlyPayroll(int withDirectors, int atFairRate) const;
    // Each 1 when anything changed.
    int SetStandardSalary(int rate);
    int SetFixedPay(int total);
    int GetAdvertisingBudget() const { return m_advertisingCost; }
    // The share of the annual income that fair pay takes.
    double GetWageShare() const;
    // The fair monthly pay per 1000 employees; at least 10.
    int CalcFairSalary() const;
    // The computer player's monthly advertising cost.
    int CalcTargetAdvertisingCost() const;

    // ---- employees, strikes and morale (EnterpriseStaff.cpp)
    int SetEmployees(int n);
    int SetEmployeesAtWork(int n);
    int AddBusyEmployees(int n);
    // n > 0 recruits, n < 0 lays off; moves the area grades.
    void ChangeEmployees(int n);
    bool TestStrike(int harsh) const;
    void SetStrike(int flag);
    void SetMorale(int value);
    void AccumulateMorale();
    // The monthly morale step; the number of employees who quit.
    int UpdateMorale();

    // ---- directors (EnterpriseStaff.cpp)
    // The i-th director's person record; nullptr outside.
    CPersonData* GetDirector(int i) const;
    // 1, or 0 when memory ran out (the company is then unchanged).
    int AddDirector(int person);
    int RemoveDirector(int person);
    int CountFreeDirectors() const;
    // The directors (busyOnly: those with a task) in random order; out is
    // left alone when there are none.
    void ListDirectors(std::vector<int>& out, int busyOnly) const;
    int GetBestFreeDirectorAbility(int ability) const;
    CPersonData* FindDirectorTaskAt(int area, int x, int y) const;
    CPersonData* FindDesignatedPurchaseDirector(int area, int x, int y) const;
    // Persons whose former employer is this company.
    int CountPersonsOfCompany() const;
    int CalcRecruitValue(int wide) const;
    CPersonData* FindHeadhuntTarget(int aptitude) const;
    // The computer player's best recruit (person index into person) and his
    // score; 0.0 when there is none.
    double RatePersonForRecruit(int& person, int headhunt, int spread) const;

    // ---- adviser (EnterpriseStaff.cpp)
    int ChooseAdviser() const;
    int FindAdviser();
    void PrepareAdvice();

    // ---- salary and advertising orders, report heading (EnterpriseFigures.cpp)
    // d > 0: director d - 1's salary; d = 0: the employees' pay (fixed total
    // with fixedFlag). 1, or 0 when nothing was done.
    int SetSalary(int d, int amount, int fixedFlag);
    void IssueDirectorSalary(int d, int amount, int fixedFlag, int send);
    int SetAdvertisingCost(int amount);
    void IssueAdvertisingCost(int amount, int send);
    // Writes the company's heading into the message log once a month.
    void BeginReport();
    // The host tells the players, then the report-heading flag is set.
    void SetProcessedFlag(int flag);

    // ---- monthly and yearly figures (EnterpriseFigures.cpp)
    // Months are 0..11 (-1: the current month where allowed); others throw
    // std::out_of_range.
    void RecordMonthlyFigure(int j, int area, int value, int add, int month);
    void ClearCurrentMonth();
    int SumPlannedInvestment(int j) const;
    void ClearMonth(int m);
    void AddYearResult(int year, int m, int sales, int profit, int income, int add);
    void AddMonthlySales(int m, int value);
    void AddMonthlyProfit(int m, int value);
    void AddMonthlyExpense(int m, int value);
    int GetMonthlySales(int m) const { return m_monthlySales.at(static_cast<size_t>(m)); }
    int GetMonthlyProfit(int m) const { return m_monthlyProfit.at(static_cast<size_t>(m)); }
    int GetMonthlyExpense(int m) const { return m_monthlyExpense.at(static_cast<size_t>(m)); }
    // year -1: the current 12 months; a year not kept gives 0.
    int GetAnnualSales(int year) const;
    int GetAnnualProfit(int year) const;
    int GetAnnualExpense() const;
    int CountHistoryOfKind(int kind) const;

    // ---- finance and loans (EnterpriseFinance.cpp)
    static constexpr int kDebtCeiling = 1000;
    int CalcEstimatedTax(int thisYear) const;
    int CalcIncomeAllowance() const;
    // director may be nullptr.
    int CalcLoanAmount(const CPersonData* director) const;
    int CalcStandingScore() const;
    int SumPlannedValue() const;
    // The plans' costs summed (doneOnly: of the steps already carried out).
    int SumPlannedCosts(int doneOnly) const;
    // What the computer player's plans still lack in funds (withLoans:
    // counting the planned loans in); 0 when the funds are enough.
    int CalcFundsShortfall(int withLoans) const;
    // What the computer player may spend beyond its plans; early: keeps a
    // reserve, larger in the first game years.
    int CalcSpendableFunds(int early) const;
    // The month-end recall; 0 when the company was dropped from the game
    // (the record stays, with nothing left to hold, until the document
    // removes it at the month's next safe point).
    int RunLoanRecall();
    // Auctions structures until amount is raised; 1, or 0 when they are not
    // worth enough or the auctions raised nothing.
    int RaiseFundsBySale(int amount);

    // ---- pending deals (EnterpriseDeals.cpp)
    void SetContractBid(int contractor, int area, int x, int y, int structureType, int price);
    // 1, or 0 when none is pending; out gets the fields either way.
    int GetContractBid(SContractBid& out) const;
    void PlaceContractBid(int contractor, int area, int x, int y, int structureType, int price,
                          int send);
    void SetAuctionBid(int minimalBid, int area, int x, int y, int buyer);
    int GetAuctionBid(SLotSale& out) const;
    void PlaceAuctionBid(int minimalBid, int area, int x, int y, int buyer, int send);
    // Whether the pending contract's footprint, or the pending lot, lies in
    // the rectangle of the area (bounds included).
    bool IsContractBidTargetIn(int area, int left, int top, int right, int bottom) const;
    bool IsAuctionBidTargetIn(int area, int left, int top, int right, int bottom) const;
    bool IsBidTargetIn(int area, int left, int top, int right, int bottom) const;
    // Whether the company builds structureType for price for the offering
    // company (-1: a governor), and which director does it; takeover gets
    // the shareholder pressure roll. nullptr: refused.
    CPersonData* ChooseContractDirector(int structureType, int price, int offering, int& takeover,
                                        int area, int x, int y);
    static int AlwaysAllowed(int, int) { return 1; }

    // ---- the computer player's plans (EnterprisePlans.cpp). The operations
    // marked "computer" do nothing for a human-played company; the questions
    // marked "human: true" answer true for it.
    int GetPlanCount() const { return static_cast<int>(m_plans.size()); }
    // Plan i; std::out_of_range outside.
    CCmdPacket& GetPlan(int i) { return m_plans.at(static_cast<size_t>(i)); }
    const CCmdPacket& GetPlan(int i) const { return m_plans.at(static_cast<size_t>(i)); }
    void RemovePlan(int i);
    // Computer: the first plan with a step of the director lets that step go
    // (or drops it with remove); a plan left without steps goes.
    void CancelPlanAt(int director, int remove);
    // Computer: the first plan with steps of the director drops them and the
    // unassigned ones; a plan left without steps goes.
    void RemoveDirectorFromPlans(int director);
    bool HasPlanAt(int area, int x, int y) const;
    // Human: true. The first planned construction at the cell is given to
    // person.
    bool IsLotPlannedForConstruction(int person, int area, int x, int y);
    // Human: true. The first planned step of the kind at the cell is marked
    // not done again.
    bool IsPlannedCommandAt(int kind, int area, int x, int y);
    // Plans of the type; v other than -1: only those whose first step has
    // v as its main value.
    bool HasPlanOfType(int planType, int v = -1) const;
    int CountPlansOfType(int planType, int v = -1) const;
    // An office is planned or being built in the area.
    bool HasPlanForArea(int area) const;
    // Planned constructions of stadiums: type code 85 (flag 0) or 80 (flag 1).
    int CountPlannedBuildings(int flag) const;
    int CountPlannedSupport(int league, int team) const;
    int CountPlannedLandBuys(int area) const;
    int CountLoanPlans() const;
    int SumPlannedLoans() const;
    // Plans hunting the person plus directors hunting him.
    int CountHuntsForPerson(int person) const;

    // ---- teams (EnterpriseTeams.cpp)
    // team -1: none. Either way the league's championships and attendance
    // start again from 0.
    void SetLeagueTeam(int league, int team);
    int CountOwnedTeams() const;
    void IncChampionships(int league);
    // The monthly spectators of the league's team.
    void AddTeamInvestment(int league, int value);
    // The company's team won the league: every area grade rises, the more
    // the lower it is.
    void ApplyChampionship(int league);
    // The monthly check that every team plays in a stadium of its league:
    // 0 all in order, 1 a team was dealt with, 2 the player is still
    // choosing a new home field.
    int ProcessLeagueTeams();

    // ---- company events (EnterpriseEvents.cpp)
    // An exhibition at an expo in the area (from level 3): the grades, the
    // morale and the directors' relations move with its success.
    void HoldExhibition(int area, int success, int value);
    // Whether a new computer company can be founded: a company name and a
    // person to preside it must be free.
    static bool CanSetUpNewComputerCompany();
    // The new computer company (the last one of the game) gets its name,
    // colour, president, start area, funds, shares and grades. 0 (and
    // nothing done) when no name or no president is to be had.
    int SetUpNewComputerCompany();
    // This company is absorbed by company absorber: lots, holdings, staff.
    void MergeInto(int absorber);
    // The company leaves the game: lots, contracts, president and directors
    // go.
    void ReleaseAllHoldings();

    // ---- history text (EnterpriseHistoryText.cpp)
    // Writes "HIST_<number + 1>.TXT" into the program folder; 0 on failure.
    int WriteHistoryText() const;
    // The file's text with the given creation time (seconds since 1970 UTC).
    std::string BuildHistoryText(int64_t utcTime) const;

private:
    CEpMapData& Area(int area);
    const CEpMapData& Area(int area) const;
    void CopyFigures(const CEnterprise& other);
    void SerializeIdentity(CArchive& ar);
    void SerializeStaff(CArchive& ar);
    void SerializeFigures(CArchive& ar);
    void SerializeCollections(CArchive& ar);
    void LoadIdentity(CArchive& ar);
    void LoadStaff(CArchive& ar);
    void LoadFigures(CArchive& ar);
    void LoadCollections(CArchive& ar);
    void LoadAreas(CArchive& ar, int storedAreaCount);
    int CountOwnedCells(int area, bool anchors) const;
    // Staff, finance and history text helpers.
    void RouteOrder(const CCmdSet& order, bool hostKeepsOwn) const;
    std::string HistoryLine(const CHistory& entry) const;

    int m_networkPlayerId = -1;
    int m_nameSlot = -1;
    int m_areaCount = 0;
    int m_number = 0;
    int m_color = -1;
    int m_strike = 0;
    int m_strikeMonth = -1;
    int m_previousStrikeMonth = -1;
    std::optional<std::string> m_name;
    std::optional<std::string> m_presidentName;
    int m_president = 0;
    int m_funds = kStartFunds;
    int m_debt = 0;
    int m_standardSalary = kStartSalary;
    int m_fixedPayTotal = 0;
    int m_fixedPay = 0;
    int m_advertisingCost = 0;
    int m_employees = 0;
    int m_employeesAtWork = 0;
    int m_morale = 0;
    std::vector<int> m_directors;
    std::array<int, kLeagueCount> m_teams{};
    std::array<int, kLeagueCount> m_championships{};
    std::array<int, kLeagueCount> m_attendance{};
    template <size_t N>
    static int SlotOf(const SSettingBlock<N>& block, int i) {
        return i >= 0 && static_cast<size_t>(i) < N ? block.slots[static_cast<size_t>(i)] : -1;
    }
    template <size_t N>
    static void SetSlot(SSettingBlock<N>& block, int i, int value) {
        if (i >= 0 && static_cast<size_t>(i) < N) block.slots[static_cast<size_t>(i)] = value;
    }

    // The staff page's and the company list page's arrangement.
    SSettingBlock<kStaffColumns> m_settings1;
    SSettingBlock<kListColumns> m_settings2;
    int m_adviser = -1;
    int m_adviserAbility = 0;
    int m_adviceThreshold = 0;
    std::vector<int> m_pastSales;
    std::vector<int> m_pastProfit;
    std::array<int, kMonths> m_monthlySales{};
    std::array<int, kMonths> m_monthlyProfit{};
    std::array<int, kMonths> m_monthlyIncome{};
    std::array<int, kMonths> m_monthlyExpense{};
    std::array<std::array<int, kMonths>, kInvestmentKinds> m_monthlyFigures{};
    int m_sanctionMonths = 0;
    int m_strikeCount = 0;
    int m_yearEndStockPrice = 0;
    int m_moraleTotal = 0;
    SContractBid m_contractBid;
    SLotSale m_lotSale;
    int m_reportHeadingWritten = 0;
    std::vector<CEpMapData> m_areas;
    std::vector<CCmdPacket> m_plans;
    std::vector<CAdvicePacket> m_advice;
    std::vector<CHistory> m_history;
    std::array<int, kJudgmentResults> m_judgment{};
};
