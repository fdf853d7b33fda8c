#pragma once
// The bids of an auction or a tender, in the order they came in, and the
// draw of the winner among the best of them.

#include <vector>

#include "model/services/BidPriceDialog.h"

class CBidList {
public:
    void Add(int company, int bid);
    // Opens the bid dialog for the player; a bid within the range it
    // offered is added.
    void AskPlayer(const SBidPriceDialog& dialog);
    // The best bid no worse than start wins (higher: the highest, else the
    // lowest); equal best bids are drawn at random. false without a bid at
    // start or better.
    bool DrawWinner(int start, bool higher, int& winner, int& price) const;

private:
    std::vector<int> m_bidders;
    std::vector<int> m_bids;
};
