#pragma once
// The participants of the network window: row i is entry i of the
// judgment network's peer table, one row for every entry (an empty name
// included). Rows are selected only as a whole (the window's "Select all");
// a click does nothing here.

#include <vector>

#include "platform/ui/ListBox.h"

namespace judge {

class CJudgeNetwork;

class CNetworkListBox : public CListBox {
public:
    void SetNetwork(const CJudgeNetwork* network) { m_network = network; }
    // One row per participant; the selection is kept for those still there.
    void Refill();
    bool IsRowSelected(int row) const;
    void SelectRow(int row, bool select);
    int GetRowCount() const { return static_cast<int>(m_selected.size()); }
    static int RowHeight();

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override;

protected:
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;

private:
    const CJudgeNetwork* m_network = nullptr;
    std::vector<bool> m_selected;
};

}  // namespace judge
