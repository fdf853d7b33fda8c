#include "MonthRunner.h"

#include <exception>
#include <vector>

#include "game/VDoc.h"
#include "model/MercavoError.h"

bool CMonthRunner::IsGameOver() const {
    return m_doc.GetYear() >= m_doc.GetGameYears() || m_doc.CompanyCount() == 0;
}

bool CMonthRunner::RunMonth() {
    if (IsGameOver() || m_failure) return false;
    struct SStep {
        const char* name;
        Step run;
    };
    static constexpr SStep kSteps[] = {
        {"month start", &CMonthRunner::StartMonth},
        {"turns", &CMonthRunner::RunTurns},
        {"areas", &CMonthRunner::RunAreas},
        {"settlement", &CMonthRunner::Settle},
        {"bankruptcies", &CMonthRunner::RemoveBankruptCompanies},
        {"calendar", &CMonthRunner::AdvanceCalendar},
    };
    const int year = m_doc.GetYear(), month = m_doc.GetMonth();
    for (const SStep& step : kSteps)
        if (!RunStep(step.name, step.run, year, month)) return false;
    return !IsGameOver();
}

// A phase that throws has left the game in a state nobody checked: the run
// stops here rather than carry it into the next phase or a saved file.
bool CMonthRunner::RunStep(const char* name, Step step, int year, int month) {
    std::string what;
    try {
        if (m_beforeStep) m_beforeStep(name);
        (this->*step)();
        // Every phase ends at a safe point: the companies that left during
        // it go before the next phase walks the companies.
        m_doc.RemoveLeavingCompanies();
        return true;
    } catch (const std::exception& e) {
        what = e.what();
    } catch (eMERCAVO_ERROR e) {
        what = GetMercavoErrorText(e);
    } catch (...) {
        what = "an unknown exception";
    }
    m_failure = SFailure{year, month, name, what};
    return false;
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
// fails it keeps its index until the phase ends.
void CMonthRunner::RemoveBankruptCompanies() {
    if (m_doc.CompanyCount() < 2) return;
    std::vector<int> order;
    for (int p = 0; p < m_doc.CompanyCount(); ++p) order.push_back(m_doc.GetTurnEnterprise(p));
    for (int c : order)
        if (CEnterprise* company = m_doc.GetEnterprise(c); company && !m_doc.IsLeaving(c))
            company->RunLoanRecall();
}

void CMonthRunner::AdvanceCalendar() {
    int month = (m_doc.GetMonth() + 1) % 12;
    m_doc.SetMonth(month);
    for (int c = 0; c < m_doc.CompanyCount(); ++c) m_doc.GetEnterprise(c)->ClearMonth(month);
    if (month == 0) m_doc.SetYear(m_doc.GetYear() + 1);
}
