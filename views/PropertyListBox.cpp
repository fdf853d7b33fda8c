#include "views/PropertyListBox.h"

#include <algorithm>

#include "model/DrawingHelpers.h"
#include "model/PropertyData.h"
#include "platform/gfx/DC.h"
#include "views/OwnerRow.h"
#include "views/PropertyListOwner.h"

void CPropertyListBox::Fill() {
    ResetContent();
    if (!m_owner) return;
    const UINT height = static_cast<UINT>(OwnerRow::LayoutSize().cy);
    for (int entry = 0; entry < m_owner->GetPropertyCount(); ++entry) SetItemHeight(AddString(""), height);
}

CPropertyListBox::Texts CPropertyListBox::ColumnTexts(int kind, const std::string& landName,
                                                      const std::string& structureName, const int (&values)[4]) {
    Texts texts;
    texts[0] = kind ? structureName : landName;
    texts[1] = values[0] < 0 ? "-" : OwnerRow::Format("%d", values[0]);
    if (kind)
        for (int i = 1; i < 4; ++i) texts[static_cast<size_t>(i + 1)] = OwnerRow::Format("%d", values[i]);
    return texts;
}

CPropertyListBox::Texts CPropertyListBox::ColumnTexts(const CPropertyData& lot) {
    const int values[4] = {lot.GetPrice(), lot.GetProceeds(), lot.GetProfit(), lot.GetLife()};
    return ColumnTexts(lot.HasStructure(), lot.GetLandName(), lot.GetStructureName(), values);
}

CRect CPropertyListBox::ColumnRect(int column, const CRect& row) const {
    if (!m_owner) return CRect(row.left, row.top, row.left, row.bottom);
    const CRect first = m_owner->GetTitleRect(0), title = m_owner->GetTitleRect(column);
    const int left = std::min<int>(row.left + title.left - first.left, row.right);
    const int right = std::clamp<int>(left + title.Width() - 5, left, row.right);
    return CRect(left, row.top, right, row.bottom);
}

bool CPropertyListBox::HasRow(int row) const {
    return m_owner && row >= 0 && row < m_owner->GetPropertyCount() && m_owner->GetProperty(row) != nullptr;
}

int CPropertyListBox::StateOfRow(int row, bool selected) const {
    return OwnerRow::StateOf(selected, true);
}

void CPropertyListBox::DrawRow(CDC& dc, int row, const CRect& rect, int state) const {
    const CPropertyData* lot = m_owner->GetProperty(row);
    const Texts texts = ColumnTexts(*lot);
    for (int column = 0; column < IPropertyListOwner::kColumnCount; ++column) {
        const std::string& text = texts[static_cast<size_t>(column)];
        if (!text.empty())
            DrawTextInRect(dc, text.c_str(), ColumnRect(column, rect), column == 0 ? 0 : 2, FALSE, state, -1);
    }
}
