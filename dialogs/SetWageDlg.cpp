#include "dialogs/SetWageDlg.h"

#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/PersonData.h"

int CSetWageDlg::SetCompany(CVDoc* doc, int company) {
    m_salaries.clear();
    m_company = company;
    const CEnterprise* e = doc ? doc->GetEnterprise(company) : nullptr;
    if (!e) return 0;
    m_fixed = e->IsFixedPay() ? 1 : 0;
    m_salaries.push_back(m_fixed ? e->GetFixedPayTotal() : e->GetStandardSalary());
    for (int d = 0; d < e->GetDirectorCount(); ++d) {
        const CPersonData* director = e->GetDirector(d);
        m_salaries.push_back(director ? director->GetSalary() : 0);
    }
    return 1;
}

int CSetWageDlg::GetSalary(int row) const {
    if (row < 0 || row >= GetRowCount()) return 0;
    return m_salaries[static_cast<size_t>(row)];
}

void CSetWageDlg::SetSalary(int row, int value) {
    if (row >= 0 && row < GetRowCount()) m_salaries[static_cast<size_t>(row)] = value;
}
