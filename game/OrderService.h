#pragma once
// The order catalogue: every order a company gives during its turn is issued
// here and applied here. Issuing builds the order record in a network game
// and hands it on (the host keeps its own orders in its queue, everything
// else is sent for the company concerned), then applies the order on this
// machine as well. Applying gives a director a task with its work amount or
// takes effect at once. The network receiver calls OnCmdSetRecord with a
// peer's record, which is checked before anything is applied.
//
// Orders that the company record issues and applies itself (lot sale,
// contract, salary, advertising cost) only have their place in the
// receiver's table here.
//
// Directors and persons are indexes into the document's directors' table;
// send is non-zero when the order was given at this machine and must reach
// the other players.

#include <initializer_list>
#include <string>

#include "model/CellPoint.h"
#include "model/CmdSet.h"

class CEnterprise;
class CPersonData;
class CVDoc;

class COrderService {
public:
    explicit COrderService(CVDoc& doc) : m_doc(doc) {}
    COrderService(const COrderService&) = delete;
    COrderService& operator=(const COrderService&) = delete;

    // ---- orders a director carries out (OrderServiceTasks.cpp)
    // structure: the structure number bought with the lot, -1 = the lot's own.
    void IssueDesignatedPurchase(int director, int area, CCellPoint lot, int structure, int send);
    void ApplyDesignatedPurchase(int director, int area, CCellPoint lot, int structure);
    // lot (-1, -1): the director looks for one.
    void IssueAcquireLand(int director, int area, int amount, CCellPoint lot, int send);
    void ApplyAcquireLand(int director, int area, int amount, CCellPoint lot);
    void IssuePurchaseStock(int director, int stockCompany, int send);
    void ApplyPurchaseStock(int director, int stockCompany);
    void IssueReinforceBuilding(int director, int area, CCellPoint cell, int send);
    void ApplyReinforceBuilding(int director, int area, CCellPoint cell);
    void IssueRecruitEmployees(int director, int send);
    void ApplyRecruitEmployees(int director);
    void IssueRecruitManagement(int director, int send);
    void ApplyRecruitManagement(int director);
    void IssueHeadhunting(int director, int target, int send);
    void ApplyHeadhunting(int director, int target);
    void IssueAbandonProject(int director, int send);
    void ApplyAbandonProject(int director);
    // area -1: all cities.
    void IssueAdvertising(int director, int area, int budget, int send);
    void ApplyAdvertising(int director, int area, int budget);
    void IssueLoan(int director, int send);
    void ApplyLoan(int director);
    // kind 0..3: city project, disaster prevention, expo promotion, donation
    // to the governor.
    void IssueInvestment(int director, int area, int kind, int amount, int send);
    void ApplyInvestment(int director, int area, int kind, int amount);
    // purpose 1: to win more games; 0: for popularity.
    void IssueFinancialSupport(int director, int league, int purpose, int send);
    void ApplyFinancialSupport(int director, int league, int purpose);

    // ---- construction (OrderServiceConstruction.cpp)
    // cell: the structure's bottom-right corner; structureType -1 demolishes
    // the structure standing there.
    void IssueConstruction(int director, int area, CCellPoint cell, int structureType, int send);
    void ApplyConstruction(int director, int area, CCellPoint cell, int structureType);
    // A construction contract that the contractor's director starts for the
    // agreed price: half of it is paid to the contractor now, the lot's
    // owner (if any) pays all of it.
    void StartContractConstruction(int director, int area, CCellPoint cell, int structureType,
                                   int price);

    // ---- orders that take effect at once (OrderServiceImmediate.cpp)
    void IssueSellStock(int company, int stockCompany, int quantity, int send);
    void ApplySellStock(int company, int stockCompany, int quantity);
    // local: the order belongs to the player of this machine.
    void IssueRepayLoan(int company, int amount, int send, int local);
    void ApplyRepayLoan(int company, int amount);
    // d: 1-based position in the company's staff list; 0 = count employees.
    void IssueLayoff(int company, int d, int count, int send);
    void ApplyLayoff(int company, int d, int count);
    void IssueSellProTeam(int company, int league, int send);
    void ApplySellProTeam(int company, int league);

    // ---- teams bought and moved (OrderServiceTeams.cpp). In network play
    // the issuing machine does the first step only (payment, or a notice)
    // and completes the order when its record comes back (issuer 0).
    // price -1: the team's price.
    void IssueAcquireProTeam(int company, int league, int team, int area, CCellPoint stadium,
                             int price, int send);
    void CompleteProTeamPurchase(int company, int league, int team, int area, CCellPoint stadium,
                                 int price, int issuer);
    // The replaying machine found the purchase impossible (reason 1: the
    // team is owned; any other: its stadium is not available): the buyer is
    // told, at its own machine, and paid back there.
    void RefuseProTeamPurchase(int company, int league, int team, int reason, int price);
    void ReportProTeamPurchaseRefused(int company, int league, int team, int reason, int price);
    void IssueChangeHomeField(int company, int league, int area, CCellPoint stadium, int send);
    // Whether a received purchase can go ahead at once: 0 yes; 1 when the
    // team's owner (or the company's own team in the league) stands in the
    // way; 2 when the site is no stadium of the league's kind. A league,
    // team or site outside the game gives 0: the check of received orders
    // refuses it when it is applied.
    int CheckProTeamPurchase(int company, int league, int team, int area, CCellPoint site);
    // The same for a received purchase record (league, team and price as
    // its values, the area as its parameter, the stadium as its point); a
    // record whose lists are short gives 0 as well.
    int CheckProTeamPurchase(int company, const CCmdSet& record);
    void ApplyChangeHomeField(int company, int league, int area, CCellPoint stadium, int issuer);

    // ---- the network receiver (OrderServiceReceive.cpp)
    // Applies a record that came from company's player: false (and nothing
    // changed) when a list is too short or an index lies outside the game;
    // a type outside the catalogue is ignored (true).
    bool OnCmdSetRecord(int company, const CCmdSet& record);

    // The league's team and its sport ("" outside the leagues), for the log
    // lines and the reports.
    std::string TeamName(int league, int team);
    const char* LeagueSport(int league);

private:
    // Issue: a record is built only in network play and only when sent.
    bool ShouldRecord(int send);
    static CCmdSet BuildRecord(int type, std::initializer_list<int> kinds,
                               std::initializer_list<int> params,
                               std::initializer_list<CCellPoint> points,
                               std::initializer_list<int> values);
    // The host keeps the record in its own queue when hostKeeps; everything
    // else is sent for the company. A record too long for one network record
    // is not sent at all.
    void Route(const CCmdSet& order, int company, bool hostKeeps);
    // A director's order goes for the director's employer.
    void RouteDirectorOrder(const CCmdSet& order, int director, bool hostKeeps);

    CPersonData* Director(int person);
    // The company the director works for; nullptr for none.
    CEnterprise* EmployerOf(int person);
    CEnterprise* Company(int company);
    // The director takes up the task; area and target (x -1: none) follow.
    CPersonData* AssignTask(int director, int kind, int work, int area, CCellPoint target);
    // A cost paid at once by the director's company: its funds (a shortfall
    // becomes debt) and this month's profit.
    void PayCost(CEnterprise& company, int cost);
    void Finish(bool modified = true);
    // The company's heading and a line of the message log.
    void Log(CEnterprise& company, const std::string& line);
    static const char* SportName(int rankedByRate);

    // Receiver checks, one per record layout (OrderServiceReceive.cpp).
    bool IsValidRecord(int company, const CCmdSet& record);
    bool IsStaffOf(int company, int person);
    bool IsArea(int area);
    bool IsCell(int area, const CCellPoint& cell);
    bool IsCompany(int company);
    bool IsLeague(int league);
    bool IsTeam(int league, int team);
    bool IsStructureType(int type);

    CVDoc& m_doc;
};
