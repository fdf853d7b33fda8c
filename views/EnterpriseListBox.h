#pragma once
// The list of companies an order dialog offers, each row with its number,
// colour mark, name and one value column (a price and quantity, or funds).
// A row with a positive flag is available.

#include <string>
#include <vector>

#include "views/OwnerDrawList.h"

class CVDoc;

class CEnterpriseListBox : public COwnerDrawList {
public:
    // The active document of the application at construction.
    CEnterpriseListBox();

    // Appends a row: 1, or 0 when the memory runs out (the rows stay as
    // they were).
    int AddRow(int company, const std::string& valueText, int flag);
    int GetRowCount() const { return static_cast<int>(m_rowCompany.size()); }
    // Adds one item per row and selects the first.
    void Fill();
    // The company of the selected row; -1 without a selection.
    int GetSelectedCompany() const;
    // The row's state for a selection flag (OwnerRow states).
    int StateOfRow(int row, bool selected) const override;

protected:
    bool HasRow(int row) const override;
    void DrawRow(CDC& dc, int row, const CRect& rect, int state) const override;

private:
    CVDoc* m_document;
    std::vector<int> m_rowFlag;
    std::vector<int> m_rowCompany;
    std::vector<std::string> m_rowText;
};
