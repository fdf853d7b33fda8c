#pragma once
// What the bid dialog of an auction or a tender shows: the bidding company,
// the lot, and the range a bid must lie in. The answer's value is the bid.

#include "model/CellPoint.h"

struct SBidPriceDialog {
    int company = -1;
    // A tender's structure type and construction cost; -1 for an auction.
    int structureType = -1;
    int cost = -1;
    int area = -1;
    CCellPoint cell{-1, -1};
    int lowest = 0;
    int highest = 0;
};
