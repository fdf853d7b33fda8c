// The document's own steps of every month: the companies' settlement, the
// directors' relations, the leagues, the computer plans and the governors.

#include <cmath>
#include <cstdint>

#include "game/VDoc.h"
#include "game/NetDocState.h"
#include "model/MapData.h"
#include "model/NetStateOut.h"
#include "model/Random.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

void CVDoc::RunMonthlyCompanyStep() {
    const int next = GetNextMonth();
    for (CEnterprise& company : m_game.companies) {
        const int c = company.GetNumber();
        company.SetStrike(0);
        company.AddMonthlyExpense(next, -company.GetMonthlyExpense(next));
        if (!company.IsHumanPlayed()) company.RaiseBestAreaLevel();
        company.RunMonthlyGradeUpdate();
        if (company.GetSanctionMonths() > 0)
            company.SetSanctionMonths(company.GetSanctionMonths() - 1);
        int left = company.UpdateMorale();
        if (left > 0) {
            Services::Frame().AddInfoMessage(
                FormatText("%d employees left the %s.", left, company.GetName().c_str()));
            for (int d = 0; d < company.GetDirectorCount(); ++d)
                if (CPersonData* director = company.GetDirector(d))
                    director->SetRelation(c, director->GetRelation(c) - Random(10));
        }
        company.AccumulateMorale();
    }
}

void CVDoc::UpdatePersonRelations() {
    for (CPersonData& person : m_game.directors) {
        if (person.GetPresidentFlag() != 0) continue;
        if (person.GetEmployerNo() <= 0) {
            person.TryLeaveFormerEmployer();
            continue;
        }
        for (int c = 0; c < CompanyCount(); ++c) UpdateRelationToward(person, c);
        if (person.TryResign()) {
            Services::Frame().RefreshInfoPanels();
            if (IsNetworkHost()) SendRefreshInfo();
        }
    }
}

void CVDoc::UpdateRelationToward(CPersonData& person, int company) {
    int r = person.GetRelation(company);
    // Relation and sociability are stored words: their product needs more
    // than an int, its share of 200 or 300 does not.
    int64_t f = person.GetSociability();
    if (person.GetEmployer() == company) {
        int e = person.GetSalary() - person.CalcSalary(true);
        int bonus = e > 0 ? static_cast<int>(5.0 * std::sqrt(static_cast<double>(e))) : 3 * e;
        r += Random(static_cast<int>((2000 - r) * f / 200) + bonus);
        if (Random(48) == 0) r -= Random(1000);
    } else {
        r -= Random(static_cast<int>(r * f / 300));
        if (Random(100) == 0) r += Random(200);
    }
    person.SetRelation(company, r);
}

void CVDoc::RunLeagueMonth() {
    CMapDoc& map = GetMap();
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l) {
        CLeague& league = map.GetLeague(l);
        if (!league.IsRunning()) continue;
        bool changed = false;
        for (int i = 0; i < league.GetSeasonStartCount(); ++i)
            if (league.GetSeasonStartMonth(i) == m_game.month) {
                league.StartSeason();
                changed = true;
                break;
            }
        int played = 0;
        int ended = league.PlaySeasonMonth(played);
        if ((changed || played) && IsNetworkHost()) league.SendLeague(-1, l);
        bool owned = false;
        int champion = -1;
        for (int t = 0; t < league.GetTeamCount(); ++t) {
            if (league.GetTeam(t).GetRank() == 0) champion = t;
            if (league.GetTeam(t).GetOwnerIndex() >= 0) owned = true;
        }
        if (ended && champion >= 0) {
            if (CEnterprise* owner = GetEnterprise(league.GetTeam(champion).GetOwnerIndex()))
                owner->ApplyChampionship(l);
            if (owned) Services::Report().ShowChampion(l, champion);
        }
        bool mark = false;
        // Two passes, the offers first, then the popularity: a replayed seed
        // draws in this order.
        for (int t = 0; t < league.GetTeamCount(); ++t) {
            CProTeam& team = league.GetTeam(t);
            if (team.GetOwnerIndex() >= 0) continue;
            int flag = Random(team.GetWinPower()) > 5 ? 1 : 0;
            if (flag != team.IsForSale() && Random(12) == 0) {
                team.SetForSale(flag);
                mark = true;
            }
        }
        for (int t = 0; t < league.GetTeamCount(); ++t) {
            CProTeam& team = league.GetTeam(t);
            if (Random(36) == 0) {
                team.SetPopularity(team.GetPopularity() + (Random(10) >= 7 ? 1 : -1));
                mark = true;
            }
        }
        if (Random(24) == 1) {
            league.SetPopularity(league.GetPopularity() + Random(3) - 1);
            mark = true;
        }
        if (mark && IsNetworkHost()) league.SendLeague(-1, l);
    }
}

void CVDoc::AdvancePlans() {
    for (CEnterprise& company : m_game.companies) {
        if (company.IsHumanPlayed()) continue;
        for (CCmdPacket& plan : company.GetPlans()) plan.AddAge();
    }
}

void CVDoc::RunAreaGovernorMonth() {
    for (int a = 0; a < GetMap().GetAreaCount(); ++a)
        if (CPersonData* governor = GetAreaGovernor(a)) governor->MonthlyDrift();
    if (IsNetworkHost()) CNetStateOut::Send(-1, CNetDocState(*this).BuildGovernorAmounts());
}

void CVDoc::BroadcastGameData() {
    // The host's sending of the document's data comes with the network play.
    for (CEnterprise& company : m_game.companies) company.SetProcessedFlag(0);
}
