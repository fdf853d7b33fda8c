#pragma once
// What the records need of the game document. Implemented by the game
// document; tests use recording fakes.

class IDocService {
public:
    virtual ~IDocService() = default;
    // The "WaitTime" option: the length of a timed wait step; 0 turns timed
    // waits off.
    virtual int GetWaitTime() = 0;
    // The month being played as a month index: year x 12 + month (year
    // counted from 0, month 0..11).
    virtual int GetCurrentMonthIndex() = 0;
};
