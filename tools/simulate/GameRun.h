#pragma once
// Runs the month chain of a game without windows, phase after phase, until
// enough months have passed, the game ends, or a phase fails.
//
// The runner is the last guard of the run-time error policy: whatever a
// phase throws ends the run, and the failure names the month and the phase.

#include <functional>
#include <optional>
#include <string>

#include "game/MonthChain.h"

class CVDoc;

class CGameRun {
public:
    struct SFailure {
        int year = 0;   // 0-based game year
        int month = 0;  // 0..11
        std::string step;
        std::string what;
    };
    enum eSTOP {
        eSTOP_MONTHS,    // the months asked for have passed
        eSTOP_GAME_END,  // the game has run its length: the judgment follows
        eSTOP_OVER,      // no company is left to play
        eSTOP_FAILED,    // GetFailure tells which phase failed
    };

    // phase: the phase the chain starts with (a new game at the month
    // start, a loaded one at the operations, as the game program does).
    CGameRun(CVDoc& doc, int phase) : m_doc(doc), m_chain(doc), m_phase(phase) {}

    // months < 0: to the end of the game. A month counts when its calendar
    // phase has run.
    eSTOP Run(int months);
    const std::optional<SFailure>& GetFailure() const { return m_failure; }
    CMonthChain& GetChain() { return m_chain; }

    // Called with the phase's name before each phase; lets a test make a
    // phase fail.
    void SetBeforeStep(std::function<void(const std::string&)> hook) {
        m_beforeStep = std::move(hook);
    }
    // Called after each phase with its number; simulate's checks hang
    // here.
    void SetAfterPhase(std::function<void(int phase)> hook) { m_afterPhase = std::move(hook); }

private:
    bool RunPhase();
    void Fail(const std::string& what);

    CVDoc& m_doc;
    CMonthChain m_chain;
    int m_phase;
    int m_lastPhase = ePHASE_OVER;
    std::optional<SFailure> m_failure;
    std::function<void(const std::string&)> m_beforeStep;
    std::function<void(int)> m_afterPhase;
};
