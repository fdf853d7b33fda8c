#pragma once
// The column titles above a company's team table: league, team, win rate
// and popularity, then results, or home field and attendance while a new
// home field is chosen.

#include "views/TableHeaderWnd.h"

class IProTeamListOwner;

class CProTeamHeaderWnd : public CTableHeaderWnd {
public:
    void SetOwnerDialog(const IProTeamListOwner* owner) { m_owner = owner; }

protected:
    void DrawTitles(CDC& dc, CTableColumns& columns) const override;

private:
    const IProTeamListOwner* m_owner = nullptr;
};
