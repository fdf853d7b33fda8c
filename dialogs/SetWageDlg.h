#pragma once
// "Salary": the employees' pay (row 0) and each director's salary (row d
// for the company's director d - 1), with the common flag that says whether
// the employees get a fixed total.

#include <vector>

#include "dialogs/StandInDialog.h"

class CVDoc;

class CSetWageDlg : public CStandInDialog {
public:
    CSetWageDlg() : CStandInDialog("Salary") {}

    // Loads the company's pay: row 0 its fixed payroll when it pays a fixed
    // total, else its standard salary; row d director d - 1's salary. 0 for
    // a company that does not exist (the table stays empty).
    int SetCompany(CVDoc* doc, int company);
    void SetFrameNotify(int notify) { m_frameNotify = notify; }
    int GetFrameNotify() const { return m_frameNotify; }
    int GetCompany() const { return m_company; }

    int GetRowCount() const { return static_cast<int>(m_salaries.size()); }
    // 0 outside the table.
    int GetSalary(int row) const;
    void SetSalary(int row, int value);
    int GetFixedFlag() const { return m_fixed; }
    void SetFixedFlag(int flag) { m_fixed = flag ? 1 : 0; }

private:
    int m_company = -1;
    int m_frameNotify = 1;
    int m_fixed = 0;
    std::vector<int> m_salaries;
};
