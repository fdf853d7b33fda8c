#pragma once
// Orders: kept in the host's queue or sent, and the orders the rules issue themselves. Part of what
// the records need of the game document (see DocService.h).

class CCmdSet;

class IOrderService {
public:
    virtual ~IOrderService() = default;
    // An order given here: kept in the host's own queue, or sent for the
    // company.
    virtual void StorePlayerCmdSet(const CCmdSet& order) = 0;
    virtual void SendCmdSet(const CCmdSet& order, int company) = 0;
    // The repayment order: issued (sent with send) and applied.
    virtual void IssueRepayLoan(int company, int amount, int send, int local) = 0;
    // The order that sells a league team whose stadium is gone and for which
    // no stadium site is left.
    virtual void IssueTeamSale(int company, int league) = 0;
    // Every machine cancels the construction contract that a leaving company
    // was building at the cell (param: the contract's first task value, the
    // structure type).
    virtual void RouteContractorBankrupt(int area, int x, int y, int param, int contractor) = 0;
};
