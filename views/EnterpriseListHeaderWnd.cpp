#include "views/EnterpriseListHeaderWnd.h"

#include "model/DrawingHelpers.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"

void CEnterpriseListHeaderWnd::SetTitles(const std::string& nameTitle, const std::string& valueTitle) {
    m_nameTitle = nameTitle;
    m_valueTitle = valueTitle;
}

void CEnterpriseListHeaderWnd::Draw(CDC& dc, const CRect& client) const {
    CRowPaintScope scope(dc);
    OwnerRow::EraseClient(dc, client);
    const CSize unit = OwnerRow::LayoutSize();
    const int cw = unit.cx;
    const int y = client.top + (client.Height() - unit.cy) / 2;
    const CRect name(client.left + 6 * cw, client.top, client.left + 26 * cw, client.bottom);
    const CRect value(client.left + 26 * cw, client.top, client.right, client.bottom);
    DrawColoredText(dc, m_nameTitle, name, CPoint(name.left, y), 0, FALSE, 0, -1);
    DrawColoredText(dc, m_valueTitle, value, CPoint(value.left, y), 0, FALSE, 0, -1);
}
