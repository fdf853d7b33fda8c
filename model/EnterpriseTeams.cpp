// A company's professional teams: which it owns, their titles and
// spectators, a championship's lift to the company's standing, and the
// monthly check that each team still has a stadium to play in.

#include <algorithm>
#include <climits>

#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"

namespace {

constexpr int kMaxGrade = 500;
constexpr int kGradeSpan = 400;

bool IsLeague(int league) {
    return league >= 0 && league < CEnterprise::kLeagueCount;
}

// The team's home field carries a stadium of its league's kind. A team
// without a home field (area -1) has none.
bool IsHomeFieldInOrder(const CMapDoc& map, const CLeague& league, const CProTeam& team) {
    int area = team.GetHomeArea(), x = team.GetHomeX(), y = team.GetHomeY();
    if (area < 0 || area >= map.GetAreaCount() || !map.GetArea(area).IsInGrid(x, y)) return false;
    return map.GetCellTypeCode(area, x, y, 0) ==
           StructureCode::StadiumTypeCode(league.GetStadiumKind());
}

}  // namespace

void CEnterprise::SetLeagueTeam(int league, int team) {
    size_t l = static_cast<size_t>(league);
    m_teams.at(l) = team < 0 ? 0 : team + 1;
    m_championships.at(l) = 0;
    m_attendance.at(l) = 0;
}

int CEnterprise::CountOwnedTeams() const {
    return static_cast<int>(
        std::count_if(m_teams.begin(), m_teams.end(), [](int t) { return t > 0; }));
}

void CEnterprise::IncChampionships(int league) {
    int& titles = m_championships.at(static_cast<size_t>(league));
    titles = ClampToInt(int64_t{titles} + 1);
}

void CEnterprise::AddTeamInvestment(int league, int value) {
    int& attendance = m_attendance.at(static_cast<size_t>(league));
    attendance = ClampToInt(int64_t{attendance} + value);
}

void CEnterprise::ApplyChampionship(int league) {
    if (!IsLeague(league)) return;
    const CLeague* l = Services::Map().GetLeague(league);
    int team = GetLeagueTeam(league);
    if (!l || team < 0 || team >= l->GetTeamCount()) return;
    int64_t q = int64_t{l->GetTeamCount()} * l->GetTeam(team).GetPopularity();
    for (int area = 0; area < m_areaCount; ++area) {
        int64_t grade = GetAreaGrade(area);
        int64_t step = (kMaxGrade - grade) * 100 / kGradeSpan;
        SetAreaGrade(area, ClampToInt(q * step / 3 / 100 + grade), 1);
    }
    CHistory entry;
    entry.SetChampions(league, team, GetChampionships(league));
    m_history.push_back(std::move(entry));
    IncChampionships(league);
    if (Services::NetPlay().IsNetworkHost()) {
        Services::NetPlay().SendCompanyState(m_number, eCOMPANY_AREA_RECORDS);
        Services::NetPlay().SendCompanyState(m_number, eCOMPANY_TEAM_HOLDINGS);
    }
}

int CEnterprise::ProcessLeagueTeams() {
    const CMapDoc* map = Services::Map().GetMapDoc();
    if (!map) return 0;
    for (int l = 0; l < kLeagueCount; ++l) {
        int team = GetLeagueTeam(l);
        const CLeague& league = map->GetLeague(l);
        if (team < 0 || team >= league.GetTeamCount()) continue;
        if (IsHomeFieldInOrder(*map, league, league.GetTeam(team))) continue;
        bool siteLeft = map->CountQualifyingListCells(m_number, league.GetStadiumKind(), -1, -1,
                                                      CCellPoint(-1, -1)) > 0;
        if (siteLeft) {
            if (IsHumanPlayed()) return Services::PlayerReports().AskNewHomeField(m_number, l);
            Services::ComputerPlayer().ChooseHomeField(m_number, l);
            return 1;
        }
        if (IsHumanPlayed()) Services::PlayerReports().ReportTeamLostStadium(m_number, l);
        Services::Orders().IssueTeamSale(m_number, l);
        return 1;
    }
    return 0;
}
