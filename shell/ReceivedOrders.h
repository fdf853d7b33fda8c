#pragma once
// Carries out the orders received for one company this month, in the order
// they arrived, on every seat alike: each goes on to the network layer, and
// it is applied unless this seat gave it itself (its own orders took effect
// when they were given). A change of home field is always applied; a team
// purchase is checked first and, when the team's owner must agree, proposed
// to him, which ends the company's orders for this month. An order that
// fails the game's check is dropped and logged; the rest go on.

#include <vector>

class CNetPlayerTable;
class ICmdSetTarget;

class CReceivedOrders {
public:
    // playerId: the company's player id; a company without a table entry
    // (its player left) has no orders. currentOrder holds the company while
    // an order is handed on, and is empty otherwise.
    static void Execute(CNetPlayerTable& table, int company, int playerId, ICmdSetTarget& target,
                        std::vector<int>& currentOrder);
};
