#pragma once
// The rows of the company list page: every company of the game with its
// colour mark and name, funds, debt, inactive employees, salary,
// advertising cost and head office, in the order the viewing company chose.

#include <string>

#include "views/SortedTableBody.h"

class CEnterprise;

class CEpListInfoWnd : public CSortedTableBody {
public:
    static constexpr int kColumns = 7;
    static constexpr int kHeadOfficeColumn = 6;

    // The number shown and sorted by in column 1..6 (6: the home area
    // index); 0 for other columns.
    static int Value(const CEnterprise& company, int column);
    // The text of column 0..6: the name, the number, the head office's
    // name or "None".
    static std::string CellText(const CEnterprise& company, int column);

    int GetItemCount() const override;
    // The colour mark's height or the line height, whichever is larger.
    int GetRowHeight() const override;
    int GetColumnCount() const override { return kColumns; }

protected:
    int Compare(int column, int a, int b) const override;
    void DrawRow(CDC& dc, int item, const CRect& band,
                 const std::vector<int>& widths) const override;
};
