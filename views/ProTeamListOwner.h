#pragma once
// What the company's team table and its header read of the team dialog
// that owns them: the mode (2: choosing a new home field) and the rows,
// each a league and a team of it.

class IProTeamListOwner {
public:
    static constexpr int kModeHomeField = 2;

    virtual ~IProTeamListOwner() = default;
    virtual int GetMode() const = 0;
    virtual int GetRowCount() const = 0;
    virtual int GetRowLeague(int row) const = 0;
    virtual int GetRowTeam(int row) const = 0;
};
