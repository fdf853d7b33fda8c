#pragma once
// What the league table and its header read of the league dialog that owns
// them: the mode (0 standings, 1 a proposal received over the network,
// 2 purchase), the league, the map that holds it, the team shown in each
// row, the buying company with its budget, and which leagues it may buy in.

class CEnterprise;
class CMapDoc;

class ILeagueListOwner {
public:
    static constexpr int kModeStandings = 0;
    static constexpr int kModeProposal = 1;
    static constexpr int kModePurchase = 2;

    virtual ~ILeagueListOwner() = default;
    virtual int GetMode() const = 0;
    virtual int GetLeagueIndex() const = 0;
    // nullptr while there is none.
    virtual const CMapDoc* GetMapDoc() const = 0;
    // The league's team shown in row `row`.
    virtual int GetTeamOfRow(int row) const = 0;
    // The company that would buy; nullptr outside the purchase.
    virtual const CEnterprise* GetBuyer() const = 0;
    virtual int GetBudget() const = 0;
    // Nonzero: the buyer may buy a team in the league.
    virtual int IsLeagueUsable(int league) const = 0;
};
