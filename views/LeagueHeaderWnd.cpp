#include "views/LeagueHeaderWnd.h"

#include "views/LeagueListOwner.h"
#include "views/OwnerRow.h"
#include "views/TableColumns.h"

void CLeagueHeaderWnd::DrawTitles(CDC& dc, CTableColumns& columns) const {
    auto title = [&](const char* text, const CRect& cell, int align) { Title(dc, text, cell, align); };
    title("Rank", columns.First(5), 2);
    title("Team name", columns.Next(24), 0);
    if (m_owner && m_owner->GetMode() == ILeagueListOwner::kModePurchase) {
        title("Win%", columns.Next(10), 1);
        title("Popularity", columns.Next(10), 1);
        title(" Price/Owner", columns.Next(20), 0);
    } else {
        title("Results", columns.Next(36), 0);
        title("Owner", columns.Next(-1), 0);
    }
}
