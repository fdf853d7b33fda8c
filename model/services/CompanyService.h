#pragma once
// The companies of the game, their directors and shares, and the persons' tables. Part of what the
// records need of the game document (see DocService.h).

class CEnterprise;
class CPersonData;

class ICompanyService {
public:
    virtual ~ICompanyService() = default;
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
    // Sets an entry of the stock matrix (holder -1: the shares issued).
    virtual void SetStockHolding(int company, int holder, int value) = 0;
    // The company at index; nullptr outside the game.
    virtual CEnterprise* GetCompany(int index) = 0;
    // The company played at this machine; nullptr on an observer's machine.
    virtual CEnterprise* GetOwnCompany() = 0;
    // The bankrupt company gives up its holdings now and leaves the game at
    // the month's next safe point; its record stays until then.
    virtual void DropEnterprise(int company) = 0;
    // A new company's colour and start area, chosen by the document.
    virtual void ChooseCompanyColour(int company) = 0;
    virtual void ChooseStartArea(int company) = 0;
    // Whether holder's shares of company make it take holder's contract.
    virtual int ShareholderPressureRoll(int company, int holder) = 0;
    // The size of the directors' table (persons 0..count-1).
    virtual int GetPersonCount() = 0;
    // The person of the directors' table at index; nullptr outside it.
    virtual CPersonData* GetDirector(int index) = 0;
    // The governors' table; nullptr outside it.
    virtual CPersonData* GetGovernor(int index) = 0;
    // The player's own person record (a company whose president is 0);
    // nullptr when there is none.
    virtual CPersonData* GetPlayerPerson() = 0;
    // The company takes the director into or out of its staff.
    virtual void AddDirector(int company, int person) = 0;
    virtual void RemoveDirector(int company, int person) = 0;
    // Whether a reinforcement task can go on; when not, the document has
    // already broken it off.
    virtual bool CheckReinforcementTask(CPersonData& director) = 0;
};
