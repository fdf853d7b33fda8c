#pragma once
// The column titles above the league table: rank, team and results with
// the owner, or, for a purchase, win rate, popularity and price or owner.

#include "views/TableHeaderWnd.h"

class ILeagueListOwner;

class CLeagueHeaderWnd : public CTableHeaderWnd {
public:
    void SetOwnerDialog(const ILeagueListOwner* owner) { m_owner = owner; }

protected:
    void DrawTitles(CDC& dc, CTableColumns& columns) const override;

private:
    const ILeagueListOwner* m_owner = nullptr;
};
