#include "views/LeagueHeaderWnd.h"

#include "model/DrawingHelpers.h"
#include "platform/ui/PaintDC.h"
#include "views/LeagueListOwner.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"
#include "views/TableColumns.h"

void CLeagueHeaderWnd::Draw(CDC& dc, const CRect& client) const {
    CRowPaintScope scope(dc);
    OwnerRow::EraseClient(dc, client);
    dc.SetBkColor(OwnerRow::Background(OwnerRow::kNormal));
    CTableColumns columns(client, OwnerRow::LayoutSize().cx);
    auto title = [&](const char* text, const CRect& cell, int align) {
        DrawTextInRect(dc, text, cell, align, TRUE, 0, -1);
    };
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

void CLeagueHeaderWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(dc, client);
}
