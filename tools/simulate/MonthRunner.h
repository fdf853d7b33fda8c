#pragma once
// One month of a game without windows, the phases in the order of the turn
// driver's chain: month start, the companies' turns, the areas, settlement,
// bankruptcies and the calendar. Phases whose rules the document does not
// carry out yet are passed over.
//
// The runner is the last guard of the run-time error policy: whatever a
// phase throws ends the run, and the failure names the month and the phase.

#include <functional>
#include <optional>
#include <string>

class CVDoc;

class CMonthRunner {
public:
    struct SFailure {
        int year = 0;   // 0-based game year
        int month = 0;  // 0..11
        std::string step;
        std::string what;
    };

    explicit CMonthRunner(CVDoc& doc) : m_doc(doc) {}

    // false when the game is over (the last year has ended, or no company
    // is left) or a phase failed (GetFailure then tells which).
    bool RunMonth();
    bool IsGameOver() const;
    const std::optional<SFailure>& GetFailure() const { return m_failure; }
    // Called with the phase's name before each phase; lets a test make a
    // phase fail.
    void SetBeforeStep(std::function<void(const std::string&)> hook) {
        m_beforeStep = std::move(hook);
    }

private:
    using Step = void (CMonthRunner::*)();
    bool RunStep(const char* name, Step step, int year, int month);
    void StartMonth();
    void RunTurns();
    void RunAreas();
    void Settle();
    void RemoveBankruptCompanies();
    void AdvanceCalendar();

    CVDoc& m_doc;
    std::optional<SFailure> m_failure;
    std::function<void(const std::string&)> m_beforeStep;
};
