// The menu commands of the professional teams and the league scores.

#include "game/OrderCommands.h"


#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "model/services/Services.h"

namespace {
// The music played after the league dialogs.
constexpr int kLeagueMusic = 3;
constexpr int kTeamSell = 0;
constexpr int kTeamSupport = 1;
constexpr int kTeamHomeField = 2;
constexpr int kLeagueScore = 0;
constexpr int kLeaguePurchase = 2;
}  // namespace

bool COrderCommands::IsLeagueTeam(int league, int team) {
    const CMapDoc& map = m_doc.GetMap();
    return league >= 0 && league < CEnterprise::kLeagueCount && team >= 0 &&
           team < map.GetLeague(league).GetTeamCount();
}

std::vector<std::pair<int, int>> COrderCommands::OwnedTeams(const CEnterprise& company) {
    std::vector<std::pair<int, int>> teams;
    for (int league = 0; league < CEnterprise::kLeagueCount; ++league) {
        int team = company.GetLeagueTeam(league);
        if (IsLeagueTeam(league, team)) teams.emplace_back(league, team);
    }
    return teams;
}

std::optional<std::pair<int, int>> COrderCommands::AskOwnedTeam(const CEnterprise& company,
                                                                int mode, int& purpose) {
    SProTeamDialog dialog;
    dialog.mode = mode;
    dialog.teams = OwnedTeams(company);
    SDialogAnswer answer = Services::Dialogs().SelectProTeam(dialog);
    purpose = answer.second ? 1 : 0;
    if (!answer.ok) return std::nullopt;
    for (const std::pair<int, int>& row : dialog.teams)
        if (row.first == answer.value) return row;
    return std::nullopt;
}

void COrderCommands::DoShowScore() {
    IFrameService& frame = Services::Frame();
    SLeagueDialog dialog;
    dialog.mode = kLeagueScore;
    dialog.league = frame.GetShownLeague();
    SDialogAnswer answer = Services::Dialogs().ShowLeagues(dialog);
    if (answer.value >= 0 && answer.value < CEnterprise::kLeagueCount)
        frame.SetShownLeague(answer.value);
    frame.PlayMusic(kLeagueMusic, 0);
}

void COrderCommands::DoPurchaseProTeam() {
    CEnterprise* company = Own();
    if (!company) return;
    SLeagueDialog dialog;
    dialog.mode = kLeaguePurchase;
    dialog.league = Services::Frame().GetShownLeague();
    dialog.funds = company->GetFunds();
    SDialogAnswer answer = Services::Dialogs().ShowLeagues(dialog);
    if (!answer.ok) {
        Services::Frame().PlayMusic(kLeagueMusic, 0);
        return;
    }
    if (!IsLeagueTeam(answer.value, answer.second)) return;
    BeginHomeFieldSelection(answer.value, answer.second, 1);
}

void COrderCommands::DoSellProTeam() {
    CEnterprise* company = Own();
    if (!company) return;
    int purpose = 0;
    auto team = AskOwnedTeam(*company, kTeamSell, purpose);
    if (team) m_doc.GetOrders().IssueSellProTeam(company->GetNumber(), team->first, 1);
}

void COrderCommands::DoFinancialSupport() {
    CEnterprise* company = Own();
    if (!company || !HasFreeDirector(*company)) return;
    int purpose = 0;
    auto row = AskOwnedTeam(*company, kTeamSupport, purpose);
    if (!row) return;
    const int director = ChooseDirector(*company, kPromptTeamSupport);
    if (director < 0) return;
    const int league = row->first, team = row->second;
    const int cost = m_doc.GetMap().GetLeagueFigure(league, team);
    if (!Confirm(company->GetNumber(), director,
                 {"We shall invest " + std::to_string(cost) + " in " +
                      m_doc.GetOrders().TeamName(league, team),
                  purpose ? "to help them win more games." : "to increase their popularity."}))
        return;
    m_doc.GetOrders().IssueFinancialSupport(director, league, purpose, 1);
}

void COrderCommands::DoChangeHomeField() {
    CEnterprise* company = Own();
    if (!company) return;
    int purpose = 0;
    auto row = AskOwnedTeam(*company, kTeamHomeField, purpose);
    if (row) BeginHomeFieldSelection(row->first, row->second, 0);
}

int COrderCommands::HomeFieldCompany(int league, int team) {
    // A team on the move belongs to its owner, whose turn it need not be
    // while the month is processed.
    if (IsLeagueTeam(league, team)) {
        int owner = m_doc.GetMap().GetLeague(league).GetTeam(team).GetOwnerIndex();
        if (m_doc.GetEnterprise(owner)) return owner;
    }
    return OwnIndex();
}

void COrderCommands::BeginHomeFieldSelection(int league, int team, int purchase) {
    if (!IsLeagueTeam(league, team)) return;
    const CLeague& l = m_doc.GetMap().GetLeague(league);
    Show(purchase ? OwnIndex() : HomeFieldCompany(league, team), -1,
         {"Select the stadium location for",
          std::string("the professional ") + m_doc.GetOrders().LeagueSport(league) + " team " +
              l.GetTeam(team).GetName(),
          "Potential stadium areas."});
    IFrameService& frame = Services::Frame();
    frame.SetPickParam(0, league);
    frame.SetPickParam(1, team);
    frame.SetMapMode((purchase ? kPickTeamPurchase : kPickHomeField) +
                     (l.GetStadiumKind() == 0 ? 1 : 0));
    frame.SetMapPickMode(1, 1, 1);
}
