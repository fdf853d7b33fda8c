#pragma once
// What the records need of the game document. Implemented by the game
// document; tests use recording fakes.

#include <string>

class CBD;
class CBitmap;
class CCmdSet;
class CEnterprise;
class CLeague;
class CMapDoc;
class CPersonData;

// What the map document's lot search for a purchasing director found.
struct SLotFound {
    int x = -1, y = -1;   // the best cell
    int price = 0;        // its price as the director sees it
    int direction = -1;   // a neighbour also for sale: 0 up, 1 right, 2 down, 3 left; -1 none
    int secondPrice = 0;  // that neighbour's price
};

// The parts of a person's state that the network host sends to the players.
enum ePERSON_STATE {
    ePERSON_RELATIONS,
    ePERSON_STATUS,
    ePERSON_SALARY,
    ePERSON_EXPERIENCE,
    ePERSON_RECORD
};

// The parts of a company's state that the network host sends to the players.
enum eCOMPANY_STATE {
    eCOMPANY_AREA_GRADES,
    eCOMPANY_STAFF_FIGURES,
    eCOMPANY_DIRECTOR_RELATIONS,
    eCOMPANY_AREA_RECORDS,
    eCOMPANY_TEAM_HOLDINGS
};

class IDocService {
public:
    virtual ~IDocService() = default;
    // The "WaitTime" option: the length of a timed wait step; 0 turns timed
    // waits off.
    virtual int GetWaitTime() = 0;
    // The month being played as a month index: year x 12 + month (year
    // counted from 0, month 0..11).
    virtual int GetCurrentMonthIndex() = 0;

    // The number of companies in the game. The company queries below answer
    // 0 (false) for an index outside the game.
    virtual int GetCompanyCount() = 0;
    // A company's income over the last twelve months.
    virtual int GetAnnualIncome(int company) = 0;
    // A company's funds.
    virtual int GetFunds(int company) = 0;
    // How many directors a company employs.
    virtual int GetDirectorCount(int company) = 0;
    // The sum of a company's area grades.
    virtual int GetTotalAreaGrade(int company) = 0;
    // Whether a human plays the company (otherwise the computer does).
    virtual bool IsHumanPlayed(int company) = 0;
    // The price of one share of the company.
    virtual int GetStockPrice(int company) = 0;
    // holder >= 0: shares of company held by holder; -1: shares the company
    // issued; -2: its shares held by all companies together.
    virtual int GetStockHolding(int company, int holder) = 0;
    // The person of the directors' table at index; nullptr outside it.
    virtual CPersonData* GetDirector(int index) = 0;
    // The company takes the director into or out of its staff.
    virtual void AddDirector(int company, int person) = 0;
    virtual void RemoveDirector(int company, int person) = 0;
    // A computer-played company forgets its plan entry for the director.
    virtual void DropDirectorPlan(int company, int person) = 0;
    // Map cells: owner (company + 1, 0 none), structure number (0 none) and
    // whether the cell belongs to the area's project. Any area or cell outside
    // the map answers 0, 0 and false.
    virtual int GetCellOwner(int area, int x, int y) = 0;
    virtual int GetCellStructure(int area, int x, int y) = 0;
    virtual bool IsProjectCell(int area, int x, int y) = 0;
    // The type code of structure type index type; 0 outside the table.
    virtual int GetStructureTypeCode(int type) = 0;
    // Entry index of the game map's land-type / structure-type table;
    // nullptr outside the table.
    virtual const CBD* GetLandType(int index) = 0;
    virtual const CBD* GetStructureType(int index) = 0;
    // Face strip number strip of the document: the bitmap that holds the
    // faces of a group of persons side by side; nullptr when there is none.
    virtual CBitmap* GetFaceStrip(int strip) = 0;
    // The map document's lot search for a purchasing director in the
    // director's task area: the best score (0 = nothing found) and the lot.
    virtual int FindLotForDirector(const CPersonData& director, int priceLimit,
                                   SLotFound& found) = 0;
    // Whether a reinforcement task can go on; when not, the document has
    // already broken it off.
    virtual bool CheckReinforcementTask(CPersonData& director) = 0;
    // Reports to a company's player (shown here or sent to that player).
    virtual void ReportPurchaseFailure(int company, int person, int area, int x, int y,
                                       int reason) = 0;
    virtual void ReportResignation(int company, int person) = 0;
    virtual void ReportHeadhuntFailed(int company, int hunter) = 0;
    virtual void ReportHeadhuntSucceeded(int company, int hunter, int target) = 0;
    // To the company that lost target to hunterCompany.
    virtual void ReportHeadhuntLoss(int company, int target, int hunterCompany) = 0;
    // The notice to everybody naming both persons.
    virtual void ReportHeadhuntNotice(int hunter, int target) = 0;
    // Whether this program hosts a network game; only the host sends state.
    virtual bool IsNetworkHost() = 0;
    // The host sends part of a person's state to every player.
    virtual void SendPersonState(const CPersonData& person, ePERSON_STATE what) = 0;
    // The host sends a company's director list to every player.
    virtual void SendDirectorList(int company) = 0;
    // The host asks every player to refresh the information pages.
    virtual void SendRefreshInfo() = 0;

    // The document's play-state word: 0 while no human plays.
    virtual int GetPlayState() = 0;
    // The player's own person record (a company whose president is 0);
    // nullptr when there is none.
    virtual CPersonData* GetPlayerPerson() = 0;
    // The company at index; nullptr outside the game.
    virtual CEnterprise* GetCompany(int index) = 0;
    // An area's grid size; false (and nothing set) for an area outside the map.
    virtual bool GetAreaSize(int area, int& width, int& height) = 0;
    // The computer player's judgment whether the company can take on more areas.
    virtual bool CanManageMoreAreas(int company) = 0;
    // The document's rating of an area for a company (the computer's choice).
    virtual int RateAreaForCompany(int area, int company) = 0;

    // ---- a company's staff, money, pending deals and history text
    // The size of the directors' table (persons 0..count-1).
    virtual int GetPersonCount() = 0;
    // The governors' table; nullptr outside it.
    virtual CPersonData* GetGovernor(int index) = 0;
    // The game's length in years, as chosen at set-up.
    virtual int GetGameYears() = 0;
    // An area's name ("" outside the map).
    virtual std::string GetAreaName(int area) = 0;
    // League 0..2 of the map; nullptr outside.
    virtual const CLeague* GetLeague(int league) = 0;
    // Marks the game as changed since it was last saved.
    virtual void SetModified() = 0;
    // The map's company counts: a new game's and the most the map allows.
    virtual int GetInitialCompanyCount() = 0;
    virtual int GetMaxCompanyCount() = 0;
    // Whether a cell can be built on; false outside the map.
    virtual bool IsCellUsable(int area, int x, int y) = 0;
    // The map's price of a lot with (landOnly 0) or without its structure;
    // -1 when the cell is not usable.
    virtual int GetLotPrice(int area, int x, int y, int landOnly) = 0;
    // Auctions the lot with the minimum bid; the price paid (0 = no sale).
    virtual int RunAuction(int area, int x, int y, int minimum) = 0;
    // The loan repayment notice to the company's player (flag 1: its
    // structures are being sold).
    virtual void ShowPaymentNotice(int company, int amount, int flag) = 0;
    // Tells the company's player that its structures go to auction.
    virtual void AnnounceForcedSale(int company) = 0;
    // The bankrupt company gives up its holdings now and leaves the game at
    // the month's next safe point; its record stays until then.
    virtual void DropEnterprise(int company) = 0;
    // The repayment order: issued (sent with send) and applied.
    virtual void IssueRepayLoan(int company, int amount, int send, int local) = 0;
    // The host tells the players a company's processed flag.
    virtual void SendProcessedFlag(int company, int flag) = 0;
    // Whether holder's shares of company make it take holder's contract.
    virtual int ShareholderPressureRoll(int company, int holder) = 0;
    // Network play: whether this program plays in a network game, whether the
    // company's player sits at this machine, and whether its remote player
    // is away (questions to it count as no).
    virtual bool IsNetworkGame() = 0;
    virtual bool IsLocallyPlayed(int company) = 0;
    virtual bool IsRemotePlayerAway(int company) = 0;
    // An order given here: kept in the host's own queue, or sent for the
    // company.
    virtual void StorePlayerCmdSet(const CCmdSet& order) = 0;
    virtual void SendCmdSet(const CCmdSet& order, int company) = 0;
    // A construction contract offered to a human-played company: the reason
    // it cannot take it (0 funds short, 1 no free director), the question
    // (non-zero: accepted), and the director the player picks for the order
    // kind (person index, -1 none).
    virtual void ReportContractProblem(int company, int area, int x, int y, int offering,
                                       int structureType, int reason) = 0;
    virtual int AskAcceptContract(int company, int area, int x, int y, int offering,
                                  int structureType, int price, int takeover) = 0;
    virtual int AskDirectorChoice(int company, int orderKind) = 0;
    // The computer player builds the company's advice for this month.
    virtual void BuildAdvice(int company) = 0;

    // ---- a company's plans, teams and events; property rows
    // The game's map; nullptr while there is none.
    virtual CMapDoc* GetMapDoc() = 0;
    // The company played at this machine; nullptr on an observer's machine.
    virtual CEnterprise* GetOwnCompany() = 0;
    // Adds the income and expenses of the structure covering the cell over
    // one month (month -1: the whole year), with or without its staff's pay;
    // 1 when either is above 0.
    virtual int CalcLotValue(int area, int x, int y, int month, double& income, double& expense,
                             int withSalary) = 0;
    // The host sends part of a company's state to every player.
    virtual void SendCompanyState(int company, eCOMPANY_STATE what) = 0;
    // The host sends an area's owner layer to every player.
    virtual void SendAreaOwners(int area) = 0;
    // Every machine cancels the construction contract that a leaving company
    // was building at the cell (param: the contract's first task value).
    virtual void RouteContractorBankrupt(int area, int x, int y, int param) = 0;
    // A team whose stadium is gone: the company's player chooses a new home
    // field (0 none, 1 moved, 2 still choosing); the computer player moves it;
    // or, with no stadium site left, the player is told and the team is sold.
    virtual int AskNewHomeField(int company, int league) = 0;
    virtual void ChooseHomeField(int company, int league) = 0;
    virtual void ReportTeamLostStadium(int company, int league) = 0;
    virtual void IssueTeamSale(int company, int league) = 0;
    // A new company's colour and start area, chosen by the document.
    virtual void ChooseCompanyColour(int company) = 0;
    virtual void ChooseStartArea(int company) = 0;
    // Sets an entry of the stock matrix (holder -1: the shares issued).
    virtual void SetStockHolding(int company, int holder, int value) = 0;
};
