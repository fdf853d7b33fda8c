#pragma once
// Where the execution of a company's received orders (CReceivedOrders) hands
// each order: the network layer, the document's check and apply, the team
// purchase check with its proposal to the team's owner, and the network
// window's log. The frame answers it in the game; tests record it.

#include <string>

class CCmdSet;

class ICmdSetTarget {
public:
    virtual ~ICmdSetTarget() = default;

    // Hands the order on to the network layer for the company.
    virtual void SendCmdSet(const CCmdSet& order, int company) = 0;
    // Checks the order's persons, companies, areas, cells, leagues, teams
    // and rows against the game and applies it without sending it again;
    // false (and nothing changed) when the check refused it.
    virtual bool ApplyCmdSet(int company, const CCmdSet& order) = 0;
    // A team purchase (order type 6): 0 when the team can be bought at the
    // site, 1 when its owner or the company's own team in the league stands
    // in the way, 2 when the site is no stadium of the league's kind.
    virtual int CheckProTeamPurchase(int company, const CCmdSet& order) = 0;
    // A purchase that needs the owner's answer first.
    virtual void ProposeProTeamPurchase(int company, const CCmdSet& order, int result) = 0;
    // A line of the network window's log.
    virtual void AddNetworkLog(const std::string& line) = 0;
};
