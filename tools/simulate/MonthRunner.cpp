#include "MonthRunner.h"

#include <vector>

#include "game/VDoc.h"

bool CMonthRunner::IsGameOver() const {
    return m_doc.GetYear() >= m_doc.GetGameYears() || m_doc.CompanyCount() == 0;
}

bool CMonthRunner::RunMonth() {
    if (IsGameOver()) return false;
    StartMonth();
    RunTurns();
    RunAreas();
    Settle();
    RemoveBankruptCompanies();
    AdvanceCalendar();
    return !IsGameOver();
}

// Month start: a new turn order.
void CMonthRunner::StartMonth() {
    m_doc.ShuffleTurnOrder();
}

// The pre-turn step of every company, then the companies' turns; the turn
// order is drawn again when everybody has moved.
void CMonthRunner::RunTurns() {
    for (int p = 0; p < m_doc.CompanyCount(); ++p)
        if (CEnterprise* company = m_doc.GetEnterprise(m_doc.GetTurnEnterprise(p)))
            company->SetProcessedFlag(0);
    m_doc.ResetTurnPosition();
    m_doc.ShuffleTurnOrder();
    for (int c = 0; c < m_doc.CompanyCount(); ++c) m_doc.GetEnterprise(c)->SetProcessedFlag(0);
}

void CMonthRunner::RunAreas() {
    CMapDoc& map = m_doc.GetMap();
    for (int a = 0; a < map.GetAreaCount(); ++a) map.RunAreaMonth(a);
}

void CMonthRunner::Settle() {
    m_doc.RunMonthlyCompanyStep();
    m_doc.UpdatePersonRelations();
    m_doc.RunLeagueMonth();
    m_doc.AdvancePlans();
    m_doc.RunAreaGovernorMonth();
    m_doc.BroadcastGameData();
}

// The bank's recall, company by company in turn order. A company that
// fails it keeps its index until the safe point after the last recall.
void CMonthRunner::RemoveBankruptCompanies() {
    if (m_doc.CompanyCount() < 2) return;
    std::vector<int> order;
    for (int p = 0; p < m_doc.CompanyCount(); ++p) order.push_back(m_doc.GetTurnEnterprise(p));
    for (int c : order)
        if (CEnterprise* company = m_doc.GetEnterprise(c); company && !m_doc.IsLeaving(c))
            company->RunLoanRecall();
    m_doc.RemoveLeavingCompanies();
}

void CMonthRunner::AdvanceCalendar() {
    int month = (m_doc.GetMonth() + 1) % 12;
    m_doc.SetMonth(month);
    for (int c = 0; c < m_doc.CompanyCount(); ++c) m_doc.GetEnterprise(c)->ClearMonth(month);
    if (month == 0) m_doc.SetYear(m_doc.GetYear() + 1);
}
