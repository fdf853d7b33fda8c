#pragma once
// The rows of the staff page: the shown company's directors with their
// name, five abilities (in tenths), salary, motivation toward the company,
// task and the task's area, in the order the viewing company chose.

#include <string>

#include "views/SortedTableBody.h"

class CPersonData;

class CSubordinateListWnd : public CSortedTableBody {
public:
    static constexpr int kColumns = 10;

    // The company whose directors are the rows; -1 none.
    void SetShownCompany(int company) { m_company = company; }
    int GetShownCompany() const { return m_company; }

    // The full value column 1..9 sorts by, for a director of a company
    // (column 1..5 the abilities before the division by ten, 8 the task
    // kind, 9 the task area: -2 none, -1 all areas).
    static int Value(const CPersonData& director, int column, int company);
    // The text column 0..9 shows.
    static std::string CellText(const CPersonData& director, int column, int company);

    int GetItemCount() const override;
    int GetRowHeight() const override;
    int GetColumnCount() const override { return kColumns; }

protected:
    int Compare(int column, int a, int b) const override;
    void DrawRow(CDC& dc, int item, const CRect& band,
                 const std::vector<int>& widths) const override;

private:
    const CPersonData* Director(int position) const;

    int m_company = -1;
};
