#include "views/SubordinateHeaderWnd.h"

#include "model/DrawingHelpers.h"
#include "views/OwnerRow.h"
#include "views/PersonListOwner.h"
#include "views/RowPaintScope.h"

void CSubordinateHeaderWnd::Draw(CDC& dc, const CRect& client) const {
    CRowPaintScope scope(dc);
    OwnerRow::EraseClient(dc, client);
    const int kind = m_owner ? m_owner->GetHeaderKind() : -1;
    const int cw = OwnerRow::LayoutSize().cx;
    auto title = [&](const char* text, int x) {
        DrawColoredText(dc, text, client, CPoint(client.left + x, client.top), 0, FALSE, 0, -1);
    };
    if (kind == 0) {
        title("Name", 0);
        title("Work", 21 * cw);
    } else if (kind == 1) {
        title("Stock", 0);
    }
}
