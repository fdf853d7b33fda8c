#pragma once
// The computer player's judgments and plans for the companies it plays. Part of what the records
// need of the game document (see DocService.h).

class IComputerPlayerService {
public:
    virtual ~IComputerPlayerService() = default;
    // The computer player's judgment whether the company can take on more areas.
    virtual bool CanManageMoreAreas(int company) = 0;
    // The document's rating of an area for a company (the computer's choice).
    virtual int RateAreaForCompany(int area, int company) = 0;
    // The computer player builds the company's advice for this month.
    virtual void BuildAdvice(int company) = 0;
    // A computer-played company forgets its plan entry for the director.
    virtual void DropDirectorPlan(int company, int person) = 0;
    // The computer player moves a team whose stadium is gone to a new home
    // field.
    virtual void ChooseHomeField(int company, int league) = 0;
};
