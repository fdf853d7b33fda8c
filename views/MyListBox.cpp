#include "views/MyListBox.h"

#include <new>

#include "model/DrawingHelpers.h"
#include "platform/gfx/DC.h"
#include "views/OwnerRow.h"

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

bool CMyListBox::HasRow(int row) const {
    return row >= 0 && row < GetCount();
}

int CMyListBox::StateOfRow(int row, bool selected) const {
    return OwnerRow::StateOf(selected, GetItemValue(row) != 0);
}

void CMyListBox::DrawRow(CDC& dc, int row, const CRect& rect, int state) const {
    const int top = rect.top + (rect.Height() - OwnerRow::LayoutSize().cy) / 2;
    DrawColoredText(dc, GetText(row), rect, CPoint(rect.left + 2, top), state, FALSE, 0, -1);
}
