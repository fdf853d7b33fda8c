#pragma once
// A plain owner-drawn list whose rows can be unavailable: each item keeps
// one value beside its text, 0 meaning unavailable, and is drawn in the
// shared row states.

#include <vector>

#include "views/OwnerDrawList.h"

class CMyListBox : public COwnerDrawList {
public:
    // Empties the values and makes n of them, all 0: 1, or 0 when the
    // memory runs out (the values stay as they were).
    int SetItemCount(int n);
    // A value for an item outside the count is ignored.
    void SetItemValue(int item, int value);
    // 0 for an item without a value.
    int GetItemValue(int item) const;
    int StateOfRow(int row, bool selected) const override;

protected:
    bool HasRow(int row) const override;
    void DrawRow(CDC& dc, int row, const CRect& rect, int state) const override;

private:
    std::vector<int> m_values;
};
