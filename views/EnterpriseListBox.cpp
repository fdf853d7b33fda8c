#include "views/EnterpriseListBox.h"

#include <algorithm>
#include <new>

#include "game/VDoc.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "platform/gfx/DC.h"
#include "views/OwnerRow.h"

CEnterpriseListBox::CEnterpriseListBox() : m_document(OwnerRow::Document()) {}

int CEnterpriseListBox::AddRow(int company, const std::string& valueText, int flag) {
    try {
        m_rowFlag.reserve(m_rowFlag.size() + 1);
        m_rowCompany.reserve(m_rowCompany.size() + 1);
        m_rowText.reserve(m_rowText.size() + 1);
        m_rowText.push_back(valueText);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    // The room is reserved: these cannot fail.
    m_rowFlag.push_back(flag);
    m_rowCompany.push_back(company);
    return 1;
}

void CEnterpriseListBox::Fill() {
    const int height = std::max<int>(OwnerRow::LayoutSize().cy, OwnerRow::MarkCell().cy);
    for (int row = 0; row < GetRowCount(); ++row) {
        const int item = AddString("");
        SetItemHeight(item, static_cast<UINT>(height));
    }
    SetCurSel(0);
}

int CEnterpriseListBox::GetSelectedCompany() const {
    const int row = GetCurSel();
    if (row < 0 || row >= GetRowCount()) return -1;
    return m_rowCompany[static_cast<size_t>(row)];
}

int CEnterpriseListBox::StateOfRow(int row, bool selected) const {
    const bool available = row >= 0 && row < GetRowCount() && m_rowFlag[static_cast<size_t>(row)] > 0;
    return OwnerRow::StateOf(selected, available);
}

bool CEnterpriseListBox::HasRow(int row) const {
    return row >= 0 && row < GetRowCount();
}

void CEnterpriseListBox::DrawRow(CDC& dc, int row, const CRect& rect, int state) const {
    const int cw = OwnerRow::LayoutSize().cx;
    const int l = rect.left;
    auto cell = [&](int from, int to) { return CRect(from, rect.top, to, rect.bottom); };
    DrawTextInRect(dc, OwnerRow::Format("%3d", row + 1).c_str(), cell(l, l + 3 * cw), 0, FALSE, state, -1);
    const size_t at = static_cast<size_t>(row);
    const CEnterprise* company = m_document && m_rowCompany[at] >= 0 &&
                                         m_rowCompany[at] < m_document->GetCompanyCount()
                                     ? m_document->GetEnterprise(m_rowCompany[at])
                                     : nullptr;
    // The mark sits between the number and the name: centred on the
    // number's right edge it would hide the number.
    OwnerRow::DrawCompanyMark(dc, l + 9 * cw / 2, (rect.top + rect.bottom) / 2, company);
    if (company)
        DrawTextInRect(dc, company->GetName().c_str(), cell(l + 6 * cw, l + 26 * cw), 0, FALSE, state, -1);
    DrawTextInRect(dc, m_rowText[at].c_str(), cell(l + 26 * cw, std::min<int>(l + 35 * cw, rect.right)), 1,
                   FALSE, state, -1);
}
