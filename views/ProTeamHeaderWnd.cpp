#include "views/ProTeamHeaderWnd.h"

#include "views/OwnerRow.h"
#include "views/ProTeamListOwner.h"
#include "views/TableColumns.h"

void CProTeamHeaderWnd::DrawTitles(CDC& dc, CTableColumns& columns) const {
    auto title = [&](const char* text, const CRect& cell, int align) { Title(dc, text, cell, align); };
    title("League", columns.First(8), 1);
    title("Team Name", columns.Next(18), 0);
    title("Win%/Popularity", columns.Next(24), 1);
    if (m_owner && m_owner->GetMode() == IProTeamListOwner::kModeHomeField) {
        columns.Skip(OwnerRow::MarkCell().cx);
        title("Home field", columns.Next(14), 0);
        title("Monthly Attendance", columns.Next(24), 2);
    } else {
        title("Results", columns.Next(36), 0);
    }
}
