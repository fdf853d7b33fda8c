#pragma once
// The column titles above a company's team table: league, team, win rate
// and popularity, then results, or home field and attendance while a new
// home field is chosen.

#include "platform/ui/Wnd.h"

class IProTeamListOwner;

class CProTeamHeaderWnd : public CWnd {
public:
    void SetOwnerDialog(const IProTeamListOwner* owner) { m_owner = owner; }
    void Draw(CDC& dc, const CRect& client) const;

protected:
    void OnPaint() override;

private:
    const IProTeamListOwner* m_owner = nullptr;
};
