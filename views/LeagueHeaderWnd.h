#pragma once
// The column titles above the league table: rank, team and results with
// the owner, or, for a purchase, win rate, popularity and price or owner.

#include "platform/ui/Wnd.h"

class ILeagueListOwner;

class CLeagueHeaderWnd : public CWnd {
public:
    void SetOwnerDialog(const ILeagueListOwner* owner) { m_owner = owner; }
    void Draw(CDC& dc, const CRect& client) const;

protected:
    void OnPaint() override;

private:
    const ILeagueListOwner* m_owner = nullptr;
};
