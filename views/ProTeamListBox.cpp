#include "views/ProTeamListBox.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/Formatting.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "model/ProTeam.h"
#include "platform/gfx/DC.h"
#include "views/OwnerRow.h"
#include "views/ProTeamListOwner.h"
#include "views/TableColumns.h"

CProTeamListBox::CProTeamListBox() : m_document(OwnerRow::Document()) {}

void CProTeamListBox::Fill() {
    ResetContent();
    if (!m_owner) return;
    const UINT height = static_cast<UINT>(std::max<int>(OwnerRow::LayoutSize().cy, OwnerRow::MarkCell().cy));
    for (int row = 0; row < m_owner->GetRowCount(); ++row) SetItemHeight(AddString(""), height);
    if (GetCount() > 0) SetCurSel(0);
}

const CProTeam* CProTeamListBox::TeamOfRow(int row) const {
    if (!m_owner || !m_document || row < 0 || row >= m_owner->GetRowCount()) return nullptr;
    const int league = m_owner->GetRowLeague(row), team = m_owner->GetRowTeam(row);
    if (league < 0 || league >= CMapDoc::kLeagueCount) return nullptr;
    const CLeague& teams = m_document->GetMap().GetLeague(league);
    if (team < 0 || team >= teams.GetTeamCount()) return nullptr;
    return &teams.GetTeam(team);
}

std::string CProTeamListBox::ResultsText(const CLeague& league, const CProTeam& team) {
    std::string text = OwnerRow::RecordText(team.GetWins(), team.GetLosses(), team.GetDraws());
    if (league.IsRankedByRate()) return text + OwnerRow::RateText(team.GetWinRate());
    return text + OwnerRow::Format("Point:%3d", team.GetPoints());
}

std::string CProTeamListBox::AttendanceText(int rating) {
    return FormatWithCommas(int64_t{rating} * 1000) + " Person";
}

std::string CProTeamListBox::HomeAreaText(int row) const {
    const CProTeam* team = TeamOfRow(row);
    return team ? m_document->GetAreaName(team->GetHomeArea()) : std::string();
}

std::string CProTeamListBox::HomeAttendanceText(int row) const {
    const CProTeam* team = TeamOfRow(row);
    if (!team) return std::string();
    const int rating = m_document->GetMap().RateHomeFieldSite(team->GetHomeArea(), team->GetHomeX(),
                                                              team->GetHomeY(), m_owner->GetRowLeague(row),
                                                              m_owner->GetRowTeam(row), -1);
    return AttendanceText(rating);
}

void CProTeamListBox::DrawHomeField(CDC& dc, int row, const CProTeam& team, const CRect& cell, int state) const {
    const int markW = OwnerRow::MarkCell().cx;
    // The cell keeps its owner as company number + 1; 0 is nobody.
    const int owner = m_document->GetCellOwner(team.GetHomeArea(), team.GetHomeX(), team.GetHomeY()) - 1;
    const CEnterprise* company = OwnerRow::CompanyAt(owner);
    if (!company) return;
    OwnerRow::DrawCompanyMark(dc, cell.left + markW / 2, (cell.top + cell.bottom) / 2, company);
    const CRect name(std::min<int>(cell.left + markW, cell.right), cell.top, cell.right, cell.bottom);
    DrawTextInRect(dc, HomeAreaText(row).c_str(), name, 0, FALSE, state, -1);
}

bool CProTeamListBox::HasRow(int row) const {
    return TeamOfRow(row) != nullptr;
}

int CProTeamListBox::StateOfRow(int row, bool selected) const {
    return OwnerRow::StateOf(selected, true);
}

void CProTeamListBox::DrawRow(CDC& dc, int row, const CRect& rect, int state) const {
    const CProTeam* team = TeamOfRow(row);
    CTableColumns columns(rect, OwnerRow::LayoutSize().cx);
    auto text = [&](const std::string& s, const CRect& cell, int align) {
        DrawTextInRect(dc, s.c_str(), cell, align, FALSE, state, -1);
    };
    const int league = m_owner->GetRowLeague(row);
    text(OwnerRow::Format("%d", league + 1), columns.First(8), 1);
    text(team->GetName(), columns.Next(18), 0);
    text(OwnerRow::Format("%d", team->GetWinPower()) + " / " + OwnerRow::Format("%d", team->GetPopularity()),
         columns.Next(24), 1);
    if (m_owner->GetMode() == IProTeamListOwner::kModeHomeField) {
        const int markW = OwnerRow::MarkCell().cx;
        const int start = columns.X();
        columns.Skip(markW);
        const CRect area = columns.Next(14);
        DrawHomeField(dc, row, *team, CRect(std::min<int>(start, rect.right), area.top, area.right, area.bottom),
                      state);
        text(HomeAttendanceText(row), columns.Next(24), 2);
    } else {
        text(ResultsText(m_document->GetMap().GetLeague(league), *team), columns.Next(36), 0);
    }
}
