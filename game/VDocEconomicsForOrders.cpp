// The economic operations the orders apply, in the form the economic
// calculations give them: a repayment, a stock sale, a team bought and the
// dilution of an area's investments by an outsourced construction.

#include <algorithm>
#include <cstdint>

#include "game/VDoc.h"
#include "model/League.h"
#include "model/Saturate.h"

void CVDoc::RepayLoan(int company, int amount) {
    if (CEnterprise* c = GetEnterprise(company)) c->Borrow(ClampToInt(-int64_t{amount}));
}

void CVDoc::ApplyStockSale(int seller, int company, int quantity) {
    CEnterprise* s = GetEnterprise(seller);
    if (!s || !GetEnterprise(company)) return;
    int value = ClampToInt(int64_t{GetStockPrice(company)} * quantity);
    s->AddFunds(value);
    s->AddMonthlySales(m_game.month, value);
    s->AddMonthlyProfit(m_game.month, value);
    SetStockHolding(company, seller,
                    ClampToInt(int64_t{GetStockHolding(company, seller)} - quantity));
}

void CVDoc::ApplyProTeamPurchase(int company, int league, int team, int price) {
    CEnterprise* c = GetEnterprise(company);
    if (!c || league < 0 || league >= CMapDoc::kLeagueCount) return;
    CLeague& l = GetMap().GetLeague(league);
    if (team < 0 || team >= l.GetTeamCount()) return;
    c->SetLeagueTeam(league, team);
    // In network play the issuing machine has taken the payment already,
    // unless the company's player sits at another machine.
    bool remotelyPlayed = c->IsHumanPlayed() && !IsLocallyPlayed(company);
    if (!IsNetworkGame() || remotelyPlayed) {
        int charge = ClampToInt(-int64_t{price});
        c->AddFunds(charge);
        c->AddMonthlyProfit(m_game.month, charge);
    }
    CHistory entry;
    entry.SetTeamTrade(league, team, true);
    c->GetHistory().push_back(std::move(entry));
    l.GetTeam(team).SetOwner(company);
}

void CVDoc::DiluteAreaInvestments(int area, int amount) {
    if (!GetArea(area)) return;
    CPersonData* governor = GetAreaGovernor(area);
    int g = governor ? governor->GetAmount() : 0;
    int64_t total = int64_t{SumAreaRatings(0, area, 0)} + g;
    if (total == 0) return;
    double f = amount / 2.0 / static_cast<double>(total);
    auto lowered = [f](int v) {
        return ClampToInt(int64_t{v} - std::max<int64_t>(static_cast<int64_t>(v * f), 1));
    };
    // The amount setter keeps the governor's amount at 0 or above.
    if (governor) governor->SetAmount(lowered(g));
    for (CEnterprise& c : m_game.companies)
        c.SetAreaRating(0, area, lowered(c.GetAreaRating(0, area)), 0);
}
