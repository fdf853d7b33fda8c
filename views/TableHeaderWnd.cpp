#include "views/TableHeaderWnd.h"

#include "model/DrawingHelpers.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"
#include "views/TableColumns.h"

void CTableHeaderWnd::Draw(CDC& dc, const CRect& client) const {
    CRowPaintScope scope(dc);
    OwnerRow::EraseClient(dc, client);
    dc.SetBkColor(OwnerRow::Background(OwnerRow::kNormal));
    CTableColumns columns(client, OwnerRow::LayoutSize().cx);
    DrawTitles(dc, columns);
}

void CTableHeaderWnd::Title(CDC& dc, const char* text, const CRect& cell, int align) {
    DrawTextInRect(dc, text, cell, align, TRUE, 0, -1);
}
