// The orders a director carries out over the months: each gives the
// director a task with its work amount and parameters, and some are paid
// at once.

#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/OrderType.h"
#include "model/PersonData.h"

namespace {
using eTask = CPersonData::eTask;
const CCellPoint kNoCell(-1, -1);

constexpr int kLandWork = 800;
// A lot named in the land order: the director may pay this much above the
// price he negotiates.
constexpr int kNamedLotLimit = 10000;
constexpr int kStockWork = 300;
constexpr int kReinforceWork = 100;
constexpr int kReinforceCost = 5;
constexpr int kRecruitEmployeesWork = 600;
constexpr int kRecruitManagementWork = 400;
constexpr int kHeadhuntWork = 1300;
constexpr int kAdvertisingAllWork = 300;
constexpr int kAdvertisingAreaWork = 150;
constexpr int kLoanWork = 150;
constexpr int kInvestmentWork = 250;
constexpr int kSupportWork = 400;
}  // namespace

void COrderService::IssueDesignatedPurchase(int director, int area, CCellPoint lot, int structure,
                                            int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(
            BuildRecord(eORDER_DESIGNATED_PURCHASE, {director}, {area}, {lot}, {structure}),
            director, true);
    ApplyDesignatedPurchase(director, area, lot, structure);
}

void COrderService::ApplyDesignatedPurchase(int director, int area, CCellPoint lot, int structure) {
    if (!IsCell(area, lot)) return;
    if (structure == -1) structure = m_doc.GetCellStructure(area, lot.x, lot.y);
    int work = m_doc.GetMap().GetPurchaseWork(area, lot.x, lot.y);
    CPersonData* person = AssignTask(director, eTask::eTASK_DESIGNATED_PURCHASE, work, area, lot);
    if (!person) return;
    person->SetTaskParam(0, structure);
    Finish();
}

void COrderService::IssueAcquireLand(int director, int area, int amount, CCellPoint lot, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_ACQUIRE_LAND, {director}, {area}, {lot}, {amount}),
                           director, true);
    ApplyAcquireLand(director, area, amount, lot);
}

void COrderService::ApplyAcquireLand(int director, int area, int amount, CCellPoint lot) {
    bool named = lot.x != -1 || lot.y != -1;
    if (named && !IsCell(area, lot)) return;
    CPersonData* person =
        AssignTask(director, eTask::eTASK_LAND_PURCHASE, kLandWork, area, named ? lot : kNoCell);
    if (!person) return;
    if (named) {
        person->SetTaskParam(0, 0);
        person->SetTaskParam(1, kNamedLotLimit);
        person->SetTaskParam(2, m_doc.GetMap().GetLotPriceForDirector(area, lot.x, lot.y, person));
    } else {
        person->SetTaskParam(0, amount);
        person->SetTaskParam(1, 0);
        person->SetTaskParam(2, 0);
    }
    Finish();
}

void COrderService::IssuePurchaseStock(int director, int stockCompany, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_PURCHASE_STOCK, {director}, {}, {}, {stockCompany}),
                           director, true);
    ApplyPurchaseStock(director, stockCompany);
}

void COrderService::ApplyPurchaseStock(int director, int stockCompany) {
    CPersonData* person =
        AssignTask(director, eTask::eTASK_STOCK_PURCHASE, kStockWork, -1, kNoCell);
    if (!person) return;
    person->SetTaskParam(0, stockCompany);
    Finish();
}

void COrderService::IssueReinforceBuilding(int director, int area, CCellPoint cell, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_REINFORCE, {director}, {area}, {cell}, {}), director,
                           true);
    ApplyReinforceBuilding(director, area, cell);
}

void COrderService::ApplyReinforceBuilding(int director, int area, CCellPoint cell) {
    if (!IsCell(area, cell)) return;
    if (!AssignTask(director, eTask::eTASK_REINFORCEMENT, kReinforceWork, area, cell)) return;
    if (CEnterprise* company = EmployerOf(director)) PayCost(*company, kReinforceCost);
    Finish();
}

void COrderService::IssueRecruitEmployees(int director, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_RECRUIT_EMPLOYEES, {director}, {}, {}, {}), director,
                           true);
    ApplyRecruitEmployees(director);
}

void COrderService::ApplyRecruitEmployees(int director) {
    if (AssignTask(director, eTask::eTASK_RECRUIT_EMPLOYEES, kRecruitEmployeesWork, -1, kNoCell))
        Finish();
}

void COrderService::IssueRecruitManagement(int director, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_RECRUIT_MANAGEMENT, {director}, {}, {}, {}), director,
                           true);
    ApplyRecruitManagement(director);
}

void COrderService::ApplyRecruitManagement(int director) {
    if (AssignTask(director, eTask::eTASK_RECRUIT_MANAGEMENT, kRecruitManagementWork, -1, kNoCell))
        Finish();
}

void COrderService::IssueHeadhunting(int director, int target, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_HEADHUNTING, {director, target}, {}, {}, {}),
                           director, true);
    ApplyHeadhunting(director, target);
}

void COrderService::ApplyHeadhunting(int director, int target) {
    const CPersonData* hunted = Director(target);
    if (!hunted) return;
    CPersonData* person =
        AssignTask(director, eTask::eTASK_HEAD_HUNTING, kHeadhuntWork, -1, kNoCell);
    if (!person) return;
    person->SetTaskParam(0, target);
    person->SetTaskParam(1, hunted->GetEmployer());
    Finish();
}

void COrderService::IssueAbandonProject(int director, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_ABANDON, {director}, {}, {}, {}), director, true);
    ApplyAbandonProject(director);
}

// What was paid for the task stays paid.
void COrderService::ApplyAbandonProject(int director) {
    CPersonData* person = Director(director);
    if (!person) return;
    person->AssignTask(eTask::eTASK_NONE, 0);
    Finish();
}

void COrderService::IssueAdvertising(int director, int area, int budget, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_ADVERTISING, {director}, {area}, {}, {budget}),
                           director, true);
    ApplyAdvertising(director, area, budget);
}

void COrderService::ApplyAdvertising(int director, int area, int budget) {
    if (area != -1 && !IsArea(area)) return;
    int work = area == -1 ? kAdvertisingAllWork : kAdvertisingAreaWork;
    CPersonData* person = AssignTask(director, eTask::eTASK_ADVERTISING, work, area, kNoCell);
    if (!person) return;
    person->SetTaskParam(0, budget);
    if (CEnterprise* company = EmployerOf(director)) PayCost(*company, budget);
    Finish();
}

void COrderService::IssueLoan(int director, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_LOAN, {director}, {}, {}, {}), director, true);
    ApplyLoan(director);
}

void COrderService::ApplyLoan(int director) {
    if (AssignTask(director, eTask::eTASK_RAISE_FUNDS, kLoanWork, -1, kNoCell)) Finish();
}

void COrderService::IssueInvestment(int director, int area, int kind, int amount, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_INVESTMENT, {director}, {area}, {}, {kind, amount}),
                           director, true);
    ApplyInvestment(director, area, kind, amount);
}

void COrderService::ApplyInvestment(int director, int area, int kind, int amount) {
    if (!IsArea(area)) return;
    CPersonData* person =
        AssignTask(director, eTask::eTASK_INVESTING, kInvestmentWork, area, kNoCell);
    if (!person) return;
    person->SetTaskParam(0, kind);
    person->SetTaskParam(1, amount);
    if (CEnterprise* company = EmployerOf(director)) PayCost(*company, amount);
    Finish();
}

void COrderService::IssueFinancialSupport(int director, int league, int purpose, int send) {
    if (ShouldRecord(send))
        RouteDirectorOrder(BuildRecord(eORDER_TEAM_SUPPORT, {director}, {}, {}, {league, purpose}),
                           director, true);
    ApplyFinancialSupport(director, league, purpose);
}

void COrderService::ApplyFinancialSupport(int director, int league, int purpose) {
    if (!IsLeague(league)) return;
    CPersonData* person =
        AssignTask(director, eTask::eTASK_TEAM_SUPPORT, kSupportWork, -1, kNoCell);
    if (!person) return;
    person->SetTaskParam(0, league);
    person->SetTaskParam(1, purpose == 0 ? 1 : 0);
    if (CEnterprise* company = EmployerOf(director))
        PayCost(*company, m_doc.GetMap().GetLeagueFigure(league, company->GetLeagueTeam(league)));
    Finish();
}
