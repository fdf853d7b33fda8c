#pragma once
// The teams of one league as the league dialog shows them: in standings
// their rank, name, results and owner; for a purchase their win rate,
// popularity and price or owner, with the teams the buyer cannot buy
// unavailable. Selection is shown only for a purchase.

#include <string>

#include "views/OwnerDrawList.h"

class CLeague;
class CProTeam;
class ILeagueListOwner;

class CLeagueListBox : public COwnerDrawList {
public:
    void SetOwnerDialog(const ILeagueListOwner* owner) { m_owner = owner; }
    // One item per team of the league; selects the first.
    void Fill();
    int GetRowCount() const;
    int StateOfRow(int row, bool selected) const override;
    // Whether the buyer can buy the team of the row (purchase only).
    bool CanBuy(int row) const;

    // The results column: wins, losses, draws and the win rate or points.
    static std::string ResultsText(const CLeague& league, const CProTeam& team);
    // A price right-aligned in six characters.
    static std::string PriceText(int price);

protected:
    bool HasRow(int row) const override;
    void DrawRow(CDC& dc, int row, const CRect& rect, int state) const override;

private:
    const CLeague* League() const;
    // The team of the row; nullptr outside the league.
    const CProTeam* TeamOfRow(int row) const;
    void DrawOwner(CDC& dc, const CRect& cell, const CProTeam& team, int state) const;
    const ILeagueListOwner* m_owner = nullptr;
};
