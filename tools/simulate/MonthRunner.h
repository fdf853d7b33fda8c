#pragma once
// One month of a game without windows, the phases in the order of the turn
// driver's chain: month start, the companies' turns, the areas, settlement,
// bankruptcies and the calendar. Phases whose rules the document does not
// carry out yet are passed over.

class CVDoc;

class CMonthRunner {
public:
    explicit CMonthRunner(CVDoc& doc) : m_doc(doc) {}

    // false when the game is over (the last year has ended, or no company
    // is left).
    bool RunMonth();
    bool IsGameOver() const;

private:
    void StartMonth();
    void RunTurns();
    void RunAreas();
    void Settle();
    void RemoveBankruptCompanies();
    void AdvanceCalendar();

    CVDoc& m_doc;
};
