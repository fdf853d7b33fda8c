#include "views/LeagueListBox.h"

#include <algorithm>

#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "model/ProTeam.h"
#include "platform/gfx/DC.h"
#include "views/LeagueListOwner.h"
#include "views/OwnerRow.h"
#include "views/TableColumns.h"

void CLeagueListBox::Fill() {
    ResetContent();
    const UINT height = static_cast<UINT>(std::max<int>(OwnerRow::LayoutSize().cy, OwnerRow::MarkCell().cy));
    for (int row = 0; row < GetRowCount(); ++row) SetItemHeight(AddString(""), height);
    if (GetCount() > 0) SetCurSel(0);
}

const CLeague* CLeagueListBox::League() const {
    const CMapDoc* map = m_owner ? m_owner->GetMapDoc() : nullptr;
    const int league = m_owner ? m_owner->GetLeagueIndex() : -1;
    if (!map || league < 0 || league >= CMapDoc::kLeagueCount) return nullptr;
    return &map->GetLeague(league);
}

int CLeagueListBox::GetRowCount() const {
    const CLeague* league = League();
    return league ? league->GetTeamCount() : 0;
}

const CProTeam* CLeagueListBox::TeamOfRow(int row) const {
    const CLeague* league = League();
    if (!league || row < 0 || row >= league->GetTeamCount()) return nullptr;
    const int team = m_owner->GetTeamOfRow(row);
    if (team < 0 || team >= league->GetTeamCount()) return nullptr;
    return &league->GetTeam(team);
}

bool CLeagueListBox::CanBuy(int row) const {
    const CProTeam* team = TeamOfRow(row);
    const CEnterprise* buyer = m_owner ? m_owner->GetBuyer() : nullptr;
    if (!team || !buyer) return false;
    const int league = m_owner->GetLeagueIndex();
    return team->IsForSale() && team->GetOwnerIndex() < 0 &&
           League()->GetTeamPrice(m_owner->GetTeamOfRow(row)) <= m_owner->GetBudget() &&
           buyer->GetLeagueTeam(league) < 0 && m_owner->IsLeagueUsable(league) != 0;
}

int CLeagueListBox::StateOfRow(int row, bool selected) const {
    if (!m_owner || m_owner->GetMode() != ILeagueListOwner::kModePurchase) return OwnerRow::kNormal;
    return OwnerRow::StateOf(selected, CanBuy(row));
}

std::string CLeagueListBox::ResultsText(const CLeague& league, const CProTeam& team) {
    std::string text = OwnerRow::RecordText(team.GetWins(), team.GetLosses(), team.GetDraws());
    if (league.IsRankedByRate()) return text + "PCT:" + OwnerRow::RateText(team.GetWinRate());
    return text + OwnerRow::Format("Point:%3d", team.GetPoints());
}

std::string CLeagueListBox::PriceText(int price) {
    return OwnerRow::Format("%6d", price);
}

void CLeagueListBox::DrawOwner(CDC& dc, const CRect& cell, const CProTeam& team, int state) const {
    const CEnterprise* owner = OwnerRow::CompanyAt(team.GetOwnerIndex());
    if (!owner) return;
    const int markW = OwnerRow::MarkCell().cx;
    const int x = cell.left + OwnerRow::LayoutSize().cx;
    OwnerRow::DrawCompanyMark(dc, x + markW / 2, (cell.top + cell.bottom) / 2, owner);
    const CRect name(std::min<int>(x + markW, cell.right), cell.top, cell.right, cell.bottom);
    DrawTextInRect(dc, owner->GetName().c_str(), name, 0, FALSE, state, -1);
}

bool CLeagueListBox::HasRow(int row) const {
    return TeamOfRow(row) != nullptr;
}

void CLeagueListBox::DrawRow(CDC& dc, int row, const CRect& rect, int state) const {
    const CProTeam* team = TeamOfRow(row);
    const int u = OwnerRow::LayoutSize().cx;
    CTableColumns columns(rect, u);
    auto text = [&](const std::string& s, const CRect& cell, int align) {
        DrawTextInRect(dc, s.c_str(), cell, align, FALSE, state, -1);
    };
    text(OwnerRow::Format("%d", team->GetRank() + 1), columns.First(5), 2);
    text(team->GetName(), columns.Next(24), 0);
    if (m_owner->GetMode() == ILeagueListOwner::kModePurchase) {
        text(OwnerRow::Format("%d", team->GetWinPower()), columns.Next(10), 1);
        text(OwnerRow::Format("%d", team->GetPopularity()), columns.Next(10), 1);
        const CRect last = columns.Next(20);
        if (team->GetOwnerIndex() >= 0)
            DrawOwner(dc, CRect(last.left, last.top, std::min<int>(last.left + 21 * u + OwnerRow::MarkCell().cx, rect.right), last.bottom),
                      *team, state);
        else if (team->IsForSale())
            text(PriceText(League()->GetTeamPrice(m_owner->GetTeamOfRow(row))), last, 0);
    } else {
        text(ResultsText(*League(), *team), columns.Next(36), 0);
        DrawOwner(dc, columns.Next(-1), *team, state);
    }
}
