#include "MonthChain.h"

#include <vector>

#include "game/ComCommand.h"
#include "game/NetDocState.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "model/NetStateOut.h"
#include "model/Saturate.h"

namespace {

constexpr int kDecember = 11;

}  // namespace

int CMonthChain::Run(int phase) {
    int next = ePHASE_WAIT;
    switch (phase) {
    case ePHASE_MONTH_START: next = StartMonth(); break;
    case ePHASE_ELECTIONS: next = RunElections(); break;
    case ePHASE_EVENTS: next = RunEventPass(); break;
    case ePHASE_BEFORE_TURNS: next = PrepareTurns(); break;
    case ePHASE_PRE_TURN: next = RunPreTurn(); break;
    case ePHASE_OPERATIONS: next = RunOperations(); break;
    case ePHASE_DIRECTOR_TASKS: next = RunDirectorTasks(); break;
    case ePHASE_HEADHUNTING: next = RunHeadhuntingTasks(); break;
    case ePHASE_AUCTIONS: next = RunAuctions(); break;
    case ePHASE_AREA: next = RunArea(); break;
    case ePHASE_SETTLEMENT: next = Settle(); break;
    case ePHASE_REVENUE: next = RunRevenue(); break;
    case ePHASE_BANKRUPTCIES: next = RemoveBankruptCompanies(); break;
    case ePHASE_CALENDAR: next = AdvanceCalendar(); break;
    case ePHASE_GAME_END: EndGame(); return ePHASE_OVER;
    default: return ePHASE_WAIT;
    }
    const int playersBefore = m_doc.GetPlayState();
    if (m_doc.RemoveLeavingCompanies() > 0 && HasGameEndedEarly(playersBefore)) return ePHASE_OVER;
    return next;
}

const char* CMonthChain::PhaseName(int phase) {
    switch (phase) {
    case ePHASE_MONTH_START: return "month start";
    case ePHASE_ELECTIONS: return "elections";
    case ePHASE_EVENTS: return "events";
    case ePHASE_BEFORE_TURNS: return "before the turns";
    case ePHASE_PRE_TURN: return "pre-turn";
    case ePHASE_OPERATIONS: return "operations";
    case ePHASE_DIRECTOR_TASKS: return "directors' tasks";
    case ePHASE_HEADHUNTING: return "head hunting";
    case ePHASE_AUCTIONS: return "sales and contracts";
    case ePHASE_AREA: return "areas";
    case ePHASE_SETTLEMENT: return "settlement";
    case ePHASE_REVENUE: return "revenue";
    case ePHASE_BANKRUPTCIES: return "bankruptcies";
    case ePHASE_CALENDAR: return "calendar";
    case ePHASE_GAME_END: return "game end";
    default: return "none";
    }
}

bool CMonthChain::IsGameOver() const {
    return m_doc.GetYear() >= m_doc.GetGameYears() || m_doc.CompanyCount() == 0;
}

bool CMonthChain::HasGameEndedEarly(int playersBefore) const {
    return m_doc.CompanyCount() == 0 || (playersBefore >= 1 && m_doc.GetPlayState() == 0);
}

int CMonthChain::MovingCompany() const {
    const int company = m_doc.GetTurnEnterprise(-1);
    return company >= 0 && company < m_doc.CompanyCount() ? company : -1;
}

void CMonthChain::ClearProcessedFlags() {
    for (int c = 0; c < m_doc.CompanyCount(); ++c) m_doc.GetEnterprise(c)->SetProcessedFlag(0);
}

// ---------------------------------------------------------------- phases

int CMonthChain::StartMonth() {
    if (m_doc.CompanyCount() == 0) return ePHASE_OVER;
    m_doc.ShuffleTurnOrder();
    m_doc.ResetMonthlyEvents();
    return ePHASE_ELECTIONS;
}

// The elections due this month; then the land values drift and the
// companies are tested for strikes until none starts.
int CMonthChain::RunElections() {
    m_doc.RunDueElections();
    m_doc.DriftLandValues();
    // Each round starts at most one strike, and a company on strike does
    // not strike again: more rounds than companies would be a loop.
    for (int round = 0; round <= m_doc.CompanyCount() && m_doc.StrikeEvent(1); ++round) {
    }
    return ePHASE_EVENTS;
}

// One pass of the month's events: another pass, the end of the phase, or
// nothing when a close request was replayed meanwhile.
int CMonthChain::RunEventPass() {
    switch (m_doc.RunEventRoulette()) {
    case 1: return ePHASE_EVENTS;
    case 0: return ePHASE_BEFORE_TURNS;
    default: return ePHASE_WAIT;
    }
}

// Advice is prepared only for the companies of persons: a computer company
// has nobody to read it.
int CMonthChain::PrepareTurns() {
    m_doc.RunExpos();
    for (int c = 0; c < m_doc.CompanyCount(); ++c)
        if (m_doc.IsHumanPlayed(c)) m_doc.GetEnterprise(c)->PrepareAdvice();
    m_doc.ResetTurnPosition();
    return ePHASE_PRE_TURN;
}

int CMonthChain::RunPreTurn() {
    const int c = MovingCompany();
    if (c < 0) return ePHASE_OVER;
    CEnterprise& company = *m_doc.GetEnterprise(c);
    company.SetProcessedFlag(0);
    switch (company.ProcessLeagueTeams()) {
    case 2: return ePHASE_WAIT;  // its player picks a home field first
    case 1: return ePHASE_PRE_TURN;
    default: break;
    }
    if (m_doc.NextTurn()) return ePHASE_PRE_TURN;
    m_doc.ResetTurnPosition();
    if (m_backup) m_backup();
    return ePHASE_OPERATIONS;
}

int CMonthChain::RunOperations() {
    const int c = MovingCompany();
    if (c < 0) return ePHASE_OVER;
    CEnterprise& company = *m_doc.GetEnterprise(c);
    if (company.IsOnStrike()) return EndTurn();
    if (m_doc.IsHumanPlayed(c)) return ePHASE_WAIT;
    CComCommand(m_doc, c).RunMonth();
    return EndTurn();
}

int CMonthChain::EndTurn() {
    if (m_doc.NextTurn()) return ePHASE_OPERATIONS;
    m_doc.ShuffleTurnOrder();
    // The host's turn state goes out first; every processed flag is then
    // cleared.
    m_doc.BroadcastGameData();
    return ePHASE_DIRECTOR_TASKS;
}

// One company's directors a phase, in turn order, until the last.
int CMonthChain::RunDirectorTasks() {
    if (!m_doc.RunDirectorTasks()) return ePHASE_DIRECTOR_TASKS;
    m_doc.ResetTurnPosition();
    return ePHASE_HEADHUNTING;
}

int CMonthChain::RunHeadhuntingTasks() {
    if (!m_doc.RunHeadhuntingTasks()) return ePHASE_HEADHUNTING;
    m_doc.ResetTurnPosition();
    return ePHASE_AUCTIONS;
}

// Each company's pending sale and contract orders, in turn order.
int CMonthChain::RunAuctions() {
    for (int p = 0; p < m_doc.CompanyCount(); ++p) {
        const int c = m_doc.GetTurnEnterprise(p);
        m_doc.SettleSaleOrder(c);
        m_doc.SettleContractOrder(c);
    }
    m_areaCounter = 0;
    return ePHASE_AREA;
}

int CMonthChain::RunArea() {
    CMapDoc& map = m_doc.GetMap();
    if (m_areaCounter < map.GetAreaCount()) map.RunAreaMonth(m_areaCounter++);
    return m_areaCounter < map.GetAreaCount() ? ePHASE_AREA : ePHASE_SETTLEMENT;
}

int CMonthChain::Settle() {
    m_doc.RunMonthlyCompanyStep();
    m_doc.UpdatePersonRelations();
    m_doc.RunLeagueMonth();
    m_doc.RunAreaGovernorMonth();
    const int playersBefore = m_doc.GetPlayState();
    int mergers = 0;
    while (m_doc.CheckMergers()) ++mergers;
    if (mergers > 0 && HasGameEndedEarly(playersBefore)) return ePHASE_OVER;
    return ePHASE_REVENUE;
}

int CMonthChain::RunRevenue() {
    m_doc.AdvancePlans();
    if (m_doc.CalcMonthlyRevenue()) EnterMonthResults();
    if (m_doc.GetMonth() == kDecember) m_doc.AdjustInterestRate();
    m_areaCounter = 0;
    return ePHASE_BANKRUPTCIES;
}

// The month's takings enter the company's monthly series and the figures of
// the current game year, so that its annual sales and profit grow month by
// month.
void CMonthChain::EnterMonthResults() {
    const auto& figures = m_doc.GetRevenueFigures();
    for (int c = 0; c < m_doc.CompanyCount() && c < static_cast<int>(figures.size()); ++c) {
        const CVDoc::SRevenueFigures& f = figures[static_cast<size_t>(c)];
        m_doc.GetEnterprise(c)->AddYearResult(m_doc.GetYear(), m_doc.GetMonth(),
                                              TruncToInt(f.sales), TruncToInt(f.profit),
                                              TruncToInt(f.cash), 1);
    }
}

// The bank's recall, company by company in turn order. A company that
// fails it keeps its index until the month's safe point, which follows the
// phase.
int CMonthChain::RemoveBankruptCompanies() {
    if (m_doc.CompanyCount() < 2) return ePHASE_CALENDAR;
    std::vector<int> order;
    for (int p = 0; p < m_doc.CompanyCount(); ++p) order.push_back(m_doc.GetTurnEnterprise(p));
    for (int c : order)
        if (CEnterprise* company = m_doc.GetEnterprise(c); company && !m_doc.IsLeaving(c))
            company->RunLoanRecall();
    return ePHASE_CALENDAR;
}

int CMonthChain::AdvanceCalendar() {
    const int count = m_doc.CompanyCount();
    if (m_doc.GetMonth() == kDecember)
        for (int c = 0; c < count; ++c)
            m_doc.GetEnterprise(c)->SetYearEndStockPrice(m_doc.GetStockPrice(c));
    const int month = (m_doc.GetMonth() + 1) % 12;
    m_doc.SetMonth(month);
    for (int c = 0; c < count; ++c) m_doc.GetEnterprise(c)->ClearMonth(month);
    if (month == 0) {
        m_doc.SetYear(m_doc.GetYear() + 1);
        CMapDoc& map = m_doc.GetMap();
        for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
            CLeague& league = map.GetLeague(l);
            for (int t = 0; t < league.GetTeamCount(); ++t) league.GetTeam(t).ClearSeasonFigures();
        }
    }
    if (m_doc.IsNetworkHost()) CNetStateOut::Send(-1, CNetDocState(m_doc).BuildCalendar());
    return m_doc.GetYear() >= m_doc.GetGameYears() ? ePHASE_GAME_END : ePHASE_MONTH_START;
}

void CMonthChain::EndGame() {
    m_doc.CompletePendingConstructions();
    m_doc.SettleAreaFigures();
}
