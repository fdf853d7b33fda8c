// Directors' tasks: the month's run over a company's directors, the common
// end of every finished task, and the tasks about staff, money, advertising,
// investments, stock, reinforcements and teams. Land purchases live in
// VDocTasksLand.cpp, constructions in VDocTasksConstruction.cpp, the results
// shown to the players in VDocTasksReports.cpp.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/InfoLogLines.h"
#include "model/MapData.h"
#include "model/ProTeam.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/Wait.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {
constexpr double kResultPause = 1000;
constexpr int kInvestmentKinds = CEnterprise::kInvestmentKinds;

const char* const kInvestmentLogText[kInvestmentKinds] = {
    "of city project", "of disaster prevention", "of expo promotion", "donation to the governor"};
}  // namespace

// ---------------------------------------------------------------- the month's run

int CVDoc::RunDirectorTasks() {
    return RunTurnTasks(false);
}

int CVDoc::RunHeadhuntingTasks() {
    return RunTurnTasks(true);
}

int CVDoc::RunTurnTasks(bool headHunts) {
    CEnterprise* company = GetEnterprise(GetTurnEnterprise(-1));
    if (!company) return 1;
    if (!headHunts) company->ClearCurrentMonth();
    if (!company->IsOnStrike()) {
        // A handler may change the staff (a recruit joins): the list is taken
        // first, and each director is checked again before his turn.
        std::vector<int> busy;
        for (int i = 0; i < company->GetDirectorCount(); ++i) {
            const CPersonData* d = GetDirector(company->GetDirectorIndex(i));
            if (d && d->HasTask()) busy.push_back(d->GetIndex());
        }
        for (int person : busy) {
            CPersonData* d = GetDirector(person);
            if (!d || !d->HasTask() || d->GetEmployer() != company->GetNumber()) continue;
            bool hunt = d->GetTaskKind() == CPersonData::eTASK_HEAD_HUNTING;
            if (hunt != headHunts) continue;
            if (d->AdvanceTask()) CompleteTask(*d);
        }
    }
    return NextTurn() ? 0 : 1;
}

void CVDoc::CompleteTask(CPersonData& director) {
    switch (director.GetTaskKind()) {
        case CPersonData::eTASK_DESIGNATED_PURCHASE:
            CompleteDesignatedPurchase(director);
            break;
        case CPersonData::eTASK_LAND_PURCHASE:
            CompleteLandAcquisition(director);
            break;
        case CPersonData::eTASK_RECRUIT_EMPLOYEES:
            CompleteEmployeeRecruiting(director);
            break;
        case CPersonData::eTASK_RECRUIT_MANAGEMENT:
            CompleteTalentSearch(director);
            break;
        case CPersonData::eTASK_HEAD_HUNTING:
            CompleteHeadHunting(director);
            break;
        case CPersonData::eTASK_CONSTRUCTION:
            CompleteConstruction(director);
            break;
        case CPersonData::eTASK_CONTRACT_CONSTRUCTION:
            CompleteContractConstruction(director);
            break;
        case CPersonData::eTASK_RAISE_FUNDS:
            CompleteFundRaising(director);
            break;
        case CPersonData::eTASK_ADVERTISING:
            CompleteAdvertising(director);
            break;
        case CPersonData::eTASK_INVESTING:
            CompleteInvestment(director);
            break;
        case CPersonData::eTASK_STOCK_PURCHASE:
            CompleteStockPurchase(director);
            break;
        case CPersonData::eTASK_REINFORCEMENT:
            CompleteReinforcement(director, 1);
            break;
        case CPersonData::eTASK_TEAM_SUPPORT:
            CompleteTeamSupport(director);
            break;
        default:
            // A kind without a handler (kept from an old saved game) ends.
            FinishTask(director, 1);
            break;
    }
}

void CVDoc::FinishTask(CPersonData& director, int done) {
    director.GainExperience();
    director.AssignTask(CPersonData::eTASK_NONE, 0);
    Services::Frame().RefreshInfoPanels();
    if (IsNetworkHost()) {
        SendPersonState(director, ePERSON_RECORD);
        SendRefreshInfo();
    }
    if (CEnterprise* company = TaskCompany(director))
        company->CancelPlanAt(director.GetIndex(), done);
}

CEnterprise* CVDoc::TaskCompany(const CPersonData& director) {
    return GetEnterprise(director.GetEmployer());
}

bool CVDoc::IsAskable(int company) {
    return IsLocallyPlayed(company) && !IsRemotePlayerAway(company);
}

bool CVDoc::ReportsActivity(int company) {
    return IsActivityReportOn() && IsHumanPlayed(company);
}

void CVDoc::LogLine(int company, const std::string& line) {
    if (CEnterprise* c = GetEnterprise(company)) c->BeginReport();
    Services::Frame().AddInfoMessage(line);
}

void CVDoc::LogProjectLine(const CPersonData& director) {
    Services::Frame().AddInfoMessage(
        CInfoLogLines::ProjectHead(director.GetName(), director.GetTaskProgress()));
}

// ---------------------------------------------------------------- staff

void CVDoc::CompleteEmployeeRecruiting(CPersonData& director) {
    const int c = director.GetEmployer();
    CEnterprise* company = GetEnterprise(c);
    if (!company) return FinishTask(director, 1);
    int n = director.CalcRecruitableEmployees(c);
    n = RandomVary(n, n / 3);
    if (ReportsActivity(c)) ReportEmployeesRecruited(director, n);
    LogEmployeesRecruited(director, n);
    FinishTask(director, 1);
    company->ChangeEmployees(n);
    AttractCandidate(c, n);
    Wait(kResultPause, 0, 0);
    if (IsNetworkHost()) SendCompanyState(c, eCOMPANY_STAFF_FIGURES);
}

void CVDoc::AttractCandidate(int company, int amount) {
    CEnterprise* c = GetEnterprise(company);
    if (!c) return;
    if (Random(c->CountPersonsOfCompany() + 1) != 0) return;
    for (int i = 0; i < amount / 10; ++i) {
        // The draw runs over the company count; a person outside the table
        // is no candidate.
        CPersonData* person = GetDirector(Random(CompanyCount()));
        if (Random(50) >= 6 || !person || person->GetEmployerNo() != 0) continue;
        person->SetEmployer(-(company + 1));
        if (IsNetworkHost()) SendPersonState(*person, ePERSON_STATUS);
        return;
    }
}

CPersonData* CVDoc::SearchTalent(const CPersonData& director, const CEnterprise& company) {
    const int apt = director.GetTaskAptitude(CPersonData::eTASK_RECRUIT_MANAGEMENT, true);
    if (CPersonData* applicant = company.FindHeadhuntTarget(apt)) return applicant;
    const int64_t reach = (int64_t{apt} + 1000) / 100;
    const int64_t tries = reach * reach / 200;
    const int m = std::max(10 - TruncToInt(std::pow(static_cast<double>(reach), 0.8) / 5), 3);
    const int table = GetDirectorTableSize();
    for (int64_t i = 0; i < tries && table > 0; ++i) {
        CPersonData* person = GetDirector(Random(table));
        if (!person || person->GetStartYear() > GetYear() || person->IsEmployed(false)) continue;
        if (Random(m) < 2) return person;
    }
    return nullptr;
}

void CVDoc::CompleteTalentSearch(CPersonData& director) {
    const int c = director.GetEmployer();
    CEnterprise* company = GetEnterprise(c);
    if (!company) return FinishTask(director, 1);
    CPersonData* found =
        company->CalcRecruitValue(0) > 0 ? SearchTalent(director, *company) : nullptr;
    if (found) {
        bool employ = !IsHumanPlayed(c) || AskEmployFoundTalent(director, *found);
        if (employ) EmployFoundTalent(director, *found);
    } else if (IsHumanPlayed(c)) {
        ReportNoTalentFound(director);
    }
    FinishTask(director, 1);
}

void CVDoc::EmployFoundTalent(CPersonData& director, CPersonData& found) {
    const int c = director.GetEmployer();
    LogLine(c, CInfoLogLines::Recruited(found.GetName()));
    LogProjectLine(director);
    found.SetEmployer(c + 1);
    GetEnterprise(c)->AddDirector(found.GetIndex());
    if (!IsNetworkHost()) return;
    SendPersonState(found, ePERSON_STATUS);
    SendPersonState(found, ePERSON_SALARY);
    SendDirectorList(c);
}

void CVDoc::CompleteHeadHunting(CPersonData& director) {
    const int c = director.GetEmployer();
    if (IsHumanPlayed(c)) ReportHeadhuntFailed(c, director.GetIndex());
    FinishTask(director, 1);
}

// ---------------------------------------------------------------- money

void CVDoc::CompleteFundRaising(CPersonData& director) {
    const int c = director.GetEmployer();
    CEnterprise* company = GetEnterprise(c);
    if (!company) return FinishTask(director, 1);
    const int amount = company->CalcLoanAmount(&director);
    if (ReportsActivity(c)) ReportLoanApproved(director, amount);
    LogLoanResult(director, amount);
    company->Borrow(amount);
    if (IsNetworkHost()) SendCompanyState(c, eCOMPANY_FUNDS_AND_DEBT);
    FinishTask(director, 1);
}

void CVDoc::CompleteStockPurchase(CPersonData& director) {
    const int c = director.GetEmployer();
    const int issuer = director.GetTaskParam(0);
    CEnterprise* company = GetEnterprise(c);
    if (!company || !GetEnterprise(issuer)) return FinishTask(director, 1);
    int count = 0, price = 0;
    if (director.PlanStockPurchase(issuer, count, price)) {
        const int64_t cost = int64_t{count} * price;
        bool buy = false;
        if (!IsHumanPlayed(c))
            buy = company->GetFunds() >= cost;
        else if (IsAskable(c))
            buy = Services::Report().ShowStockOfferDecision(c, director.GetIndex(), issuer, count,
                                                            price);
        if (buy) {
            SetStockHolding(issuer, c, ClampToInt(int64_t{GetStockHolding(issuer, c)} + count));
            company->AddFunds(ClampToInt(-cost));
            company->AddMonthlyProfit(GetMonth(), ClampToInt(-cost));
            LogLine(c, CInfoLogLines::OwnStockPurchase(count, GetEnterprise(issuer)->GetName()));
            LogProjectLine(director);
            if (IsNetworkHost()) SendCompanyState(c, eCOMPANY_FUNDS_AND_DEBT);
        }
    } else if (IsHumanPlayed(c) && IsLocallyPlayed(c)) {
        Services::Report().ShowStockPurchaseFailed(c, director.GetIndex(), issuer);
    }
    FinishTask(director, 1);
}

// ---------------------------------------------------------------- advertising and investments

void CVDoc::CompleteAdvertising(CPersonData& director) {
    const int c = director.GetEmployer();
    CEnterprise* company = GetEnterprise(c);
    const int area = director.GetTaskArea();
    const int areas = GetMap().GetAreaCount();
    if (!company || area < -1 || area >= areas) return FinishTask(director, 1);
    int e = director.CalcAdvertisingEffect(director.GetTaskParam(0));
    e = RandomVary(e, e / 5);
    if (area == -1) e /= std::max(std::max(areas, 3) / 3, 1);
    for (int a = 0; a < areas; ++a)
        if (area == -1 || a == area)
            company->SetAreaGrade(a, ClampToInt(int64_t{company->GetAreaGrade(a)} + e), 1);
    if (IsNetworkHost()) SendCompanyState(c, eCOMPANY_AREA_RECORDS);
    if (IsHumanPlayed(c))
        ReportAdvertisingFinished(director, area, company->GetAreaGradeStep(area));
    LogAdvertisingDone(director, area);
    FinishTask(director, 1);
}

void CVDoc::CompleteInvestment(CPersonData& director) {
    const int c = director.GetEmployer();
    CEnterprise* company = GetEnterprise(c);
    const int area = director.GetTaskArea();
    const int kind = director.GetTaskParam(0);
    const int amount = director.GetTaskParam(1);
    if (!company || !GetArea(area) || area < 0 || kind < 0 || kind >= kInvestmentKinds)
        return FinishTask(director, 1);
    int e = director.CalcInvestmentEffect(amount);
    if (kind == 3) e = ClampToInt(int64_t{e} * 3);
    company->RecordMonthlyFigure(kind, area, amount, 1, -1);
    company->SetAreaRating(kind, area, e, 1);
    company->AddAreaTableValue(kind, area, e);
    if (IsNetworkHost()) SendCompanyState(c, eCOMPANY_AREA_RECORDS);
    if (kind == 1) {
        CMapData& record = *GetArea(area);
        int fall = TruncToInt(std::pow(static_cast<double>(Random(e)), 0.7));
        record.SetFire(std::max(ClampToInt(int64_t{record.GetFire()} - fall), 0));
    } else if (kind == 3) {
        if (CPersonData* governor = GetAreaGovernor(area)) {
            int64_t relation = int64_t{governor->GetRelation(c)} + e;
            governor->SetRelation(
                c, static_cast<int>(std::clamp<int64_t>(relation, 0, CPersonData::kMaxRelation)));
            if (IsNetworkHost()) SendPersonState(*governor, ePERSON_RELATIONS);
        }
    }
    if (IsHumanPlayed(c)) {
        double rating = company->GetAreaRating(kind, area);
        int grade = std::min(TruncToInt(std::pow(rating, 0.6) / 100 * 4), 3);
        ReportInvestmentCompleted(director, area, kind, grade);
    }
    LogInvestmentDone(director, area, kind, amount);
    Services::Frame().RefreshAreaButton(area);
    FinishTask(director, 1);
}

// ---------------------------------------------------------------- reinforcements and teams

bool CVDoc::CheckReinforcementTask(CPersonData& director) {
    const int area = director.GetTaskArea();
    const int x = director.GetTaskTargetX(), y = director.GetTaskTargetY();
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    bool standing = record && record->IsInGrid(x, y) && GetMap().HasStructureAt(area, x, y) &&
                    record->GetCellOwner(x, y) == director.GetEmployer() + 1 &&
                    GetMap().GetCellTypeCode(area, x, y, 0) != StructureCode::kRubble;
    if (standing) return true;
    CompleteReinforcement(director, 0);
    return false;
}

void CVDoc::CompleteReinforcement(CPersonData& director, int finished) {
    const int area = director.GetTaskArea();
    const int x = director.GetTaskTargetX(), y = director.GetTaskTargetY();
    ShowReinforcementResult(director, finished);
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (finished && record && record->IsInGrid(x, y) && GetMap().HasStructureAt(area, x, y)) {
        LogBuildingReinforced(director, area);
        const int b = director.CalcReinforcement();
        int64_t durability =
            int64_t{GetMap().GetStructureLayer7(area, x, y)} + Random(b / 2) + int64_t{b} * 3 / 4;
        GetMap().SetStructureLayer7(area, x, y, ClampToInt(durability));
    }
    FinishTask(director, 1);
}

void CVDoc::CompleteTeamSupport(CPersonData& director) {
    const int c = director.GetEmployer();
    CEnterprise* company = GetEnterprise(c);
    const int league = director.GetTaskParam(0);
    const int purpose = director.GetTaskParam(1);
    if (!company || league < 0 || league >= CEnterprise::kLeagueCount)
        return FinishTask(director, 1);
    const int team = company->GetLeagueTeam(league);
    if (team < 0 || team >= GetMap().GetLeague(league).GetTeamCount())
        return FinishTask(director, 1);
    int g = Random(director.GetTaskAptitude(CPersonData::eTASK_TEAM_SUPPORT, true)) / 1500;
    g = g == 0 ? 0 : g <= 3 ? 1 : 2;
    CProTeam& pro = GetMap().GetProTeam(league, team);
    int change = 0;
    if (purpose == 0) {
        const int old = pro.GetWinPower();
        pro.SetWinPower(old + g);
        pro.SetStrength(pro.GetStrength() + g);
        change = pro.GetWinPower() - old;
    } else {
        const int old = pro.GetPopularity();
        pro.SetPopularity(old + g);
        change = pro.GetPopularity() - old;
    }
    if (ReportsActivity(c) && IsLocallyPlayed(c))
        Services::Report().ShowTeamInvestmentResult(c, director.GetIndex(), league, purpose,
                                                    change);
    LogTeamInvestmentResult(director, league, purpose, change);
    FinishTask(director, 1);
}

// ---------------------------------------------------------------- log lines

void CVDoc::LogEmployeesRecruited(const CPersonData& director, int count) {
    LogLine(director.GetEmployer(), FormatText("  %d employees recruited.", count));
    LogProjectLine(director);
}

void CVDoc::LogLoanResult(const CPersonData& director, int amount) {
    LogLine(director.GetEmployer(),
            amount != 0 ? FormatText("  %d loan approved.", amount) : "  Loan rejected.");
    LogProjectLine(director);
}

void CVDoc::LogAdvertisingDone(const CPersonData& director, int area) {
    LogLine(director.GetEmployer(), "  The company carried out the advertising activity");
    Services::Frame().AddInfoMessage(
        FormatText("  in %s.", area == -1 ? "all cities" : GetAreaName(area).c_str()));
    LogProjectLine(director);
}

void CVDoc::LogInvestmentDone(const CPersonData& director, int area, int kind, int amount) {
    LogLine(director.GetEmployer(),
            FormatText("  The company invested %d %s", amount, kInvestmentLogText[kind]));
    Services::Frame().AddInfoMessage(FormatText("  in %s", GetAreaName(area).c_str()));
    LogProjectLine(director);
}

void CVDoc::LogBuildingReinforced(const CPersonData& director, int area) {
    LogLine(director.GetEmployer(),
            FormatText("  %s building reinforced.", GetAreaName(area).c_str()));
    LogProjectLine(director);
}

void CVDoc::LogTeamInvestmentResult(const CPersonData& director, int league, int purpose,
                                    int change) {
    const CEnterprise* company = GetEnterprise(director.GetEmployer());
    const std::string team =
        company ? m_orders->TeamName(league, company->GetLeagueTeam(league)) : std::string();
    const char* sport = m_orders->LeagueSport(league);
    std::string line;
    if (change < 1)
        line = FormatText("  No %s %s team investment return.", team.c_str(), sport);
    else if (purpose == 0)
        line = FormatText("  %s %s team's winning percentage improved.", team.c_str(), sport);
    else
        line = FormatText("  %s %s team's public popularity improved.", team.c_str(), sport);
    LogLine(director.GetEmployer(), line);
    LogProjectLine(director);
}
