#include "views/SubordinateListBox.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "platform/gfx/DC.h"
#include "views/OwnerRow.h"
#include "views/PersonListOwner.h"

CSubordinateListBox::CSubordinateListBox() : m_document(OwnerRow::Document()) {}

void CSubordinateListBox::Fill() {
    if (!m_owner) return;
    const int text = OwnerRow::LayoutSize().cy;
    const int marked = std::max<int>(text, OwnerRow::MarkCell().cy);
    for (int entry = 0; entry < m_owner->GetPersonEntryCount(); ++entry)
        SetItemHeight(AddString(""), static_cast<UINT>(m_owner->GetPersonEntryMark(entry) ? marked : text));
    for (int entry = 0; entry < m_owner->GetOutsideEntryCount(); ++entry)
        SetItemHeight(AddString(""), static_cast<UINT>(marked));
}

int CSubordinateListBox::GetRowCount() const {
    return m_owner ? m_owner->GetPersonEntryCount() + m_owner->GetOutsideEntryCount() : 0;
}

int CSubordinateListBox::StateOfRow(int row, bool selected) const {
    if (!m_owner || row < 0 || row >= GetRowCount()) return OwnerRow::StateOf(selected, false);
    const int persons = m_owner->GetPersonEntryCount();
    const bool available = row < persons ? m_owner->GetPersonEntryAvailable(row) != 0
                                         : m_owner->IsOutsideEntryAvailable(row - persons) != 0;
    return OwnerRow::StateOf(selected, available);
}

void CSubordinateListBox::DrawPerson(CDC& dc, int entry, const CRect& rect, int state) const {
    const int index = m_owner->GetPersonEntryPerson(entry);
    const CPersonData* person =
        m_document && index >= 0 && index < m_document->GetDirectorTableSize() ? m_document->GetDirector(index)
                                                                              : nullptr;
    if (!person) return;
    const CSize unit = OwnerRow::LayoutSize();
    const int iconW = OwnerRow::MarkCell().cx;
    const int y = rect.top + (rect.Height() - unit.cy) / 2;
    int x = rect.left + 3;
    if (m_owner->GetPersonEntryMark(entry)) {
        // A person nobody employs has no mark; the name keeps its place.
        OwnerRow::DrawCompanyMark(dc, rect.left + iconW / 2, (rect.top + rect.bottom) / 2,
                                  OwnerRow::CompanyAt(person->GetEmployer()));
        x += iconW;
    }
    const CRect name(rect.left, rect.top, rect.left + 20 * unit.cx, rect.bottom);
    DrawColoredText(dc, person->GetName(), name, CPoint(x, y), state, FALSE, 0, -1);
    const std::string extra = m_owner->GetPersonEntryText(entry);
    if (!extra.empty()) {
        const CRect rest(rect.left + 20 * unit.cx, rect.top, rect.right, rect.bottom);
        DrawColoredText(dc, extra, rest, CPoint(rest.left, y), state, FALSE, 0, -1);
    }
}

void CSubordinateListBox::DrawOutside(CDC& dc, int row, const CRect& rect, int state) const {
    const CEnterprise* company = OwnerRow::CompanyAt(m_owner->GetItemId(row));
    if (!company) return;
    const int iconW = OwnerRow::MarkCell().cx;
    const int y = rect.top + (rect.Height() - OwnerRow::LayoutSize().cy) / 2;
    OwnerRow::DrawCompanyMark(dc, rect.left + iconW / 2, (rect.top + rect.bottom) / 2, company);
    const CRect name(rect.left + iconW, rect.top, rect.right, rect.bottom);
    DrawColoredText(dc, company->GetName(), name, CPoint(rect.left + iconW + 3, y), state, FALSE, 0, -1);
}

bool CSubordinateListBox::HasRow(int row) const {
    return row >= 0 && row < GetRowCount();
}

void CSubordinateListBox::DrawRow(CDC& dc, int row, const CRect& rect, int state) const {
    if (row < m_owner->GetPersonEntryCount())
        DrawPerson(dc, row, rect, state);
    else
        DrawOutside(dc, row, rect, state);
}
