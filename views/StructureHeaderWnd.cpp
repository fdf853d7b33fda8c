#include "views/StructureHeaderWnd.h"

#include "model/DrawingHelpers.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"

void CStructureHeaderWnd::Draw(CDC& dc, const CRect& client) const {
    static const char* const kTitles[] = {"No.", "Name", "Price", "Employee"};
    static const int kWidths[] = {7, 26, 6, 8};
    CRowPaintScope scope(dc);
    OwnerRow::EraseClient(dc, client);
    const CSize unit = OwnerRow::LayoutSize();
    const int y = client.top + (client.Height() - unit.cy) / 2;
    int column = 1;
    for (int i = 0; i < 4; ++i) {
        DrawColoredText(dc, kTitles[i], client, CPoint(client.left + unit.cx * column, y), 0, FALSE, 0, -1);
        column += kWidths[i];
    }
}
