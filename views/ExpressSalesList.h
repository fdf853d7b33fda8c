#pragma once
// The sales ranking of the proceeds dialog: a framed header row of titles
// over one row per company (rank, colour mark, name, sales, salary,
// advertising, profit), scrolled by rows with its vertical bar when more
// rows exist than fit.

#include "platform/ui/Wnd.h"

class ISalesListOwner;

class CExpressSalesList : public CWnd {
public:
    // The row height: one and a half layout lines.
    CExpressSalesList();

    void SetOwnerDialog(const ISalesListOwner* owner) { m_owner = owner; }
    // Shows the bar with the rows that do not fit as its range, or hides it
    // when everything fits.
    void UpdateScrollBar();
    int GetTopRow() const { return m_topRow; }
    int GetRowHeight() const { return m_rowHeight; }
    // The rows a page step moves in a range: a tenth, at least 1.
    static int PageOf(int minimum, int maximum);
    // The top row a scroll request leads to from `top` in [minimum, maximum].
    static int ScrolledTop(UINT code, int pos, int top, int minimum, int maximum);

    void Draw(CDC& dc, const CRect& client) const;

protected:
    void OnPaint() override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;

private:
    void DrawHeader(CDC& dc, const CRect& inner) const;
    void DrawRow(CDC& dc, int record, const CRect& row) const;
    const ISalesListOwner* m_owner = nullptr;
    int m_topRow = 0;
    int m_rowHeight;
};
