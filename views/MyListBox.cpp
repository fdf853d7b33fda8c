#include "views/MyListBox.h"

#include <new>

#include "model/DrawingHelpers.h"
#include "platform/gfx/DC.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"

int CMyListBox::SetItemCount(int n) {
    if (n < 0) n = 0;
    try {
        std::vector<int> values(static_cast<size_t>(n), 0);
        m_values.swap(values);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

void CMyListBox::SetItemValue(int item, int value) {
    if (item >= 0 && item < static_cast<int>(m_values.size()))
        m_values[static_cast<size_t>(item)] = value;
}

int CMyListBox::GetItemValue(int item) const {
    if (item < 0 || item >= static_cast<int>(m_values.size())) return 0;
    return m_values[static_cast<size_t>(item)];
}

void CMyListBox::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (!dis || !dis->hDC) return;
    CDC& dc = *dis->hDC;
    const CRect rect(dis->rcItem);
    const int item = static_cast<int>(dis->itemID);
    CRowPaintScope scope(dc);
    if (item < 0 || item >= GetCount()) {
        OwnerRow::Fill(dc, rect, OwnerRow::kNormal);
        return;
    }
    const int state = OwnerRow::StateOf((dis->itemState & ODS_SELECTED) != 0, GetItemValue(item) != 0);
    OwnerRow::Fill(dc, rect, state);
    const int top = rect.top + (rect.Height() - OwnerRow::LayoutSize().cy) / 2;
    DrawColoredText(dc, GetText(item), rect, CPoint(rect.left + 2, top), state, FALSE, 0, -1);
    OwnerRow::FocusFrameIf(dc, rect, dis->itemState);
}

BOOL CMyListBox::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (dc) OwnerRow::EraseClient(*dc, client);
    return TRUE;
}
