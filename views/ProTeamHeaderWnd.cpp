#include "views/ProTeamHeaderWnd.h"

#include "model/DrawingHelpers.h"
#include "platform/ui/PaintDC.h"
#include "views/OwnerRow.h"
#include "views/ProTeamListOwner.h"
#include "views/RowPaintScope.h"
#include "views/TableColumns.h"

void CProTeamHeaderWnd::Draw(CDC& dc, const CRect& client) const {
    CRowPaintScope scope(dc);
    OwnerRow::EraseClient(dc, client);
    dc.SetBkColor(OwnerRow::Background(OwnerRow::kNormal));
    CTableColumns columns(client, OwnerRow::LayoutSize().cx);
    auto title = [&](const char* text, const CRect& cell, int align) {
        DrawTextInRect(dc, text, cell, align, TRUE, 0, -1);
    };
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

void CProTeamHeaderWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(dc, client);
}
