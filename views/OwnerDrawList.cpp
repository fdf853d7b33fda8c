#include "views/OwnerDrawList.h"

#include "platform/gfx/DC.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"

void COwnerDrawList::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (!dis || !dis->hDC) return;
    CDC& dc = *dis->hDC;
    const CRect rect(dis->rcItem);
    const int row = static_cast<int>(dis->itemID);
    CRowPaintScope scope(dc, UsesSecondFont());
    if (!HasRow(row)) {
        OwnerRow::Fill(dc, rect, OwnerRow::kNormal);
        return;
    }
    const int state = StateOfRow(row, (dis->itemState & ODS_SELECTED) != 0);
    OwnerRow::Fill(dc, rect, state);
    DrawRow(dc, row, rect, state);
    OwnerRow::FocusFrameIf(dc, rect, dis->itemState);
}

BOOL COwnerDrawList::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (dc) OwnerRow::EraseClient(*dc, client);
    return TRUE;
}
