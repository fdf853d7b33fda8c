#pragma once
// The month of a running game, phase by phase, in the order of the turn
// driver's chain. Each phase member does the game document's side of one
// phase and answers the phase that follows. The game program's turn driver
// posts its messages (music, waits, drains, network records) around the same
// members; simulate runs them in a loop. The phase numbers are the driver's
// message ids, so that both sides name a phase alike.

#include <functional>

class CVDoc;

enum eMONTH_PHASE : int {
    ePHASE_MONTH_START = 0x564,
    ePHASE_ELECTIONS = 0x565,
    ePHASE_EVENTS = 0x566,
    ePHASE_BEFORE_TURNS = 0x567,
    ePHASE_PRE_TURN = 0x568,
    ePHASE_OPERATIONS = 0x569,
    ePHASE_DIRECTOR_TASKS = 0x56A,
    ePHASE_HEADHUNTING = 0x56B,
    ePHASE_AUCTIONS = 0x56C,
    ePHASE_AREA = 0x56D,
    ePHASE_SETTLEMENT = 0x56E,
    ePHASE_REVENUE = 0x56F,
    ePHASE_CALENDAR = 0x570,
    ePHASE_BANKRUPTCIES = 0x571,
    ePHASE_GAME_END = 0x6F4,
    // No phase follows: the game is over without a judgment (no company
    // left, or the last person-played company gone).
    ePHASE_OVER = 0,
    // Nothing is to follow now: the chain waits for something outside it
    // (a player's home-field pick, a player's orders, a close request).
    ePHASE_WAIT = -1,
};

class CMonthChain {
public:
    explicit CMonthChain(CVDoc& doc) : m_doc(doc) {}
    CMonthChain(const CMonthChain&) = delete;
    CMonthChain& operator=(const CMonthChain&) = delete;

    // Runs the phase and then the month's safe point (the companies that
    // left during the phase go before the next phase walks the companies).
    // The phase that follows; ePHASE_WAIT for an unknown phase.
    int Run(int phase);
    static const char* PhaseName(int phase);

    // The game has run its length, or no company is left.
    bool IsGameOver() const;

    // ---- the phases, in chain order
    int StartMonth();
    int RunElections();
    int RunEventPass();
    int PrepareTurns();
    // One company's pre-turn step; after the last, the automatic backup.
    int RunPreTurn();
    // One company's operations. A computer company plays its month and its
    // turn ends; a company on strike ends its turn at once; a company played
    // by a person is left to its player (ePHASE_WAIT), who ends it with
    // EndTurn.
    int RunOperations();
    // The end of the moving company's turn in a game at one machine.
    int EndTurn();
    int RunDirectorTasks();
    int RunHeadhuntingTasks();
    int RunAuctions();
    int RunArea();
    int Settle();
    int RunRevenue();
    int RemoveBankruptCompanies();
    int AdvanceCalendar();
    // The document's side of the game end; the caller then saves the game
    // for the judgment.
    void EndGame();

    // Called where the chain takes its automatic backup (after the last
    // company's pre-turn step); the caller decides whether and where to
    // save.
    void SetBackupPoint(std::function<void()> backup) { m_backup = std::move(backup); }

private:
    // The game-over test after companies left: no company left, or the last
    // company played by a person gone.
    bool HasGameEndedEarly(int playersBefore) const;
    // The company whose turn it is; -1 when the turn position names none
    // (every company left).
    int MovingCompany() const;
    void ClearProcessedFlags();
    void EnterMonthResults();

    CVDoc& m_doc;
    int m_areaCounter = 0;
    std::function<void()> m_backup;
};
