#include "GameRun.h"

#include <exception>

#include "game/VDoc.h"
#include "model/MercavoError.h"

namespace {

// No phase of a month repeats itself more often than this: the events
// phase ends with a chance of at least 40 in about 1,000 a pass, and the
// per-company and per-area phases repeat once per company or area. A chain
// past it is stuck.
constexpr int kMaxPhasesPerMonth = 200000;

}  // namespace

CGameRun::eSTOP CGameRun::Run(int months) {
    if (m_failure) return eSTOP_FAILED;
    int monthsRun = 0, phasesThisMonth = 0;
    while (months < 0 || monthsRun < months) {
        if (m_phase == ePHASE_OVER) return eSTOP_OVER;
        if (m_phase == ePHASE_GAME_END) return RunPhase() ? eSTOP_GAME_END : eSTOP_FAILED;
        const bool calendar = m_phase == ePHASE_CALENDAR;
        if (!RunPhase()) return eSTOP_FAILED;
        if (m_phase == ePHASE_WAIT) {
            m_phase = m_lastPhase;
            Fail("the chain waits for a player, but no company is played by a person");
            return eSTOP_FAILED;
        }
        if (calendar) {
            ++monthsRun;
            phasesThisMonth = 0;
        } else if (++phasesThisMonth > kMaxPhasesPerMonth) {
            Fail("the month's phases do not come to an end");
            return eSTOP_FAILED;
        }
    }
    // Months asked for have passed: a game that has run its length still
    // ends, so that the judgment file is written whatever the count.
    if (m_phase == ePHASE_GAME_END) return RunPhase() ? eSTOP_GAME_END : eSTOP_FAILED;
    return m_phase == ePHASE_OVER ? eSTOP_OVER : eSTOP_MONTHS;
}

// A phase that throws has left the game in a state nobody checked: the run
// stops here rather than carry it into the next phase or a saved file.
bool CGameRun::RunPhase() {
    const int phase = m_lastPhase = m_phase;
    std::string what;
    try {
        if (m_beforeStep) m_beforeStep(CMonthChain::PhaseName(phase));
        m_phase = m_chain.Run(phase);
        if (m_afterPhase) m_afterPhase(phase);
        return true;
    } catch (const std::exception& e) {
        what = e.what();
    } catch (eMERCAVO_ERROR e) {
        what = GetMercavoErrorText(e);
    } catch (...) {
        what = "an unknown exception";
    }
    m_phase = phase;
    Fail(what);
    return false;
}

void CGameRun::Fail(const std::string& what) {
    m_failure = SFailure{m_doc.GetYear(), m_doc.GetMonth(), CMonthChain::PhaseName(m_phase), what};
}
