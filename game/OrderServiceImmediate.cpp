// Orders that take effect at once: stock sales, loan repayments, lay-offs
// and team sales.

#include <algorithm>
#include <cstdint>

#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/OrderType.h"
#include "model/PersonData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "platform/core/TextFormat.h"

namespace {
// Relation points every remaining director loses per employee laid off, and
// for a dismissed director.
constexpr int kLayoffLossPerEmployee = 3;
constexpr int kDismissalLoss = 700;
constexpr int kGradeDrop = 30;
}  // namespace

void COrderService::IssueSellStock(int company, int stockCompany, int quantity, int send) {
    if (ShouldRecord(send))
        Route(BuildRecord(eORDER_SELL_STOCK, {}, {}, {}, {stockCompany, quantity}), company,
              m_doc.IsLocallyPlayed(company));
    ApplySellStock(company, stockCompany, quantity);
}

void COrderService::ApplySellStock(int company, int stockCompany, int quantity) {
    CEnterprise* seller = Company(company);
    const CEnterprise* stock = Company(stockCompany);
    if (!seller || !stock) return;
    m_doc.ApplyStockSale(company, stockCompany, quantity);
    Log(*seller, FormatText("  %d %s %s sold.", quantity, stock->GetName().c_str(),
                            quantity == 1 ? "stock" : "stocks"));
    Finish();
}

void COrderService::IssueRepayLoan(int company, int amount, int send, int local) {
    if (ShouldRecord(send))
        Route(BuildRecord(eORDER_REPAY_LOAN, {}, {}, {}, {amount}), company,
              local && m_doc.IsLocallyPlayed(company));
    ApplyRepayLoan(company, amount);
}

void COrderService::ApplyRepayLoan(int company, int amount) {
    CEnterprise* c = Company(company);
    if (!c) return;
    m_doc.RepayLoan(company, amount);
    Log(*c, FormatText("  %d loan payment completed.", amount));
    Finish();
}

void COrderService::IssueLayoff(int company, int d, int count, int send) {
    if (ShouldRecord(send))
        Route(BuildRecord(eORDER_LAYOFF, {}, {}, {}, {d, count}), company, true);
    ApplyLayoff(company, d, count);
}

void COrderService::ApplyLayoff(int company, int d, int count) {
    CEnterprise* c = Company(company);
    if (!c || d < 0 || d > c->GetDirectorCount()) return;
    int loss = 0;
    if (d == 0) {
        c->ChangeEmployees(ClampToInt(-int64_t{count}));
        loss = ClampToInt(int64_t{kLayoffLossPerEmployee} * count);
        Log(*c, FormatText("  The company dismissed %d employees.", count));
    } else {
        int person = c->GetDirectorIndex(d - 1);
        CPersonData* dismissed = Director(person);
        c->RemoveDirector(person);
        if (dismissed) dismissed->Dismiss();
        // Each area loses its own draw.
        for (int area = 0; area < c->GetAreaCount(); ++area)
            c->SetAreaGrade(area, c->GetAreaGrade(area) - Random(kGradeDrop), 0);
        c->UpdateAverageGrade();
        loss = kDismissalLoss;
        Log(*c, FormatText("  %s dismissed.", dismissed ? dismissed->GetName().c_str() : ""));
    }
    for (int i = 0; i < c->GetDirectorCount(); ++i)
        if (CPersonData* director = c->GetDirector(i))
            director->SetRelation(company,
                                  ClampToInt(int64_t{director->GetRelation(company)} - loss));
    // The lay-off leaves the modified flag as it is.
    Finish(false);
}

void COrderService::IssueSellProTeam(int company, int league, int send) {
    if (ShouldRecord(send))
        Route(BuildRecord(eORDER_SELL_TEAM, {}, {}, {}, {league}), company, true);
    ApplySellProTeam(company, league);
}

void COrderService::ApplySellProTeam(int company, int league) {
    CEnterprise* c = Company(company);
    if (!c || !IsLeague(league)) return;
    int team = c->GetLeagueTeam(league);
    if (!IsTeam(league, team)) return;
    Log(*c, FormatText("  %s sold the %s %s team.", c->GetName().c_str(),
                       TeamName(league, team).c_str(), LeagueSport(league)));
    m_doc.ApplyProTeamSale(company, league);
    Finish();
}
