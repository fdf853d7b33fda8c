#pragma once
// The game as a whole: its clock, options and play state, and its pictures. Part of what
// the records need of the game document (see DocService.h).

class CBitmap;

class IGameStateService {
public:
    virtual ~IGameStateService() = default;
    // The "WaitTime" option: the length of a timed wait step; 0 turns timed
    // waits off.
    virtual int GetWaitTime() = 0;
    // The month being played as a month index: year x 12 + month (year
    // counted from 0, month 0..11).
    virtual int GetCurrentMonthIndex() = 0;
    // The document's play-state word: 0 while no human plays.
    virtual int GetPlayState() = 0;
    // The game's length in years, as chosen at set-up.
    virtual int GetGameYears() = 0;
    // Marks the game as changed since it was last saved.
    virtual void SetModified() = 0;
    // Face strip number strip of the document: the bitmap that holds the
    // faces of a group of persons side by side; nullptr when there is none.
    virtual CBitmap* GetFaceStrip(int strip) = 0;
};
