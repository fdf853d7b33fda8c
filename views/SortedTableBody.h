#pragma once
// The rows of a sortable table page under its header: the display order of
// the rows (indices of the page's items) and the first visible row. The
// order is rebuilt by Sort; when the number of items changed since (a
// company or director left or came), painting sorts again first, so a row
// never names an item that is gone. Each row is painted in the widths the
// page last gave.

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Wnd.h"

class CSortedTableBody : public CWnd {
public:
    // The display order of `count` items sorted by `column` (1..columns;
    // 0 or any other value keeps item order): item a comes before item b
    // when compare(column, a, b) x direction < 0; items that compare equal
    // keep their order.
    static std::vector<int> SortedOrder(int count, int column, int columns, int direction,
                                        const std::function<int(int, int, int)>& compare);
    // Three-way comparisons for the sort keys, free of overflow: numbers
    // larger first and names (their bytes as unsigned values) A to Z when
    // the direction is +1.
    static int CompareNumbers(long long a, long long b) { return (b > a) - (b < a); }
    static int CompareNames(const std::string& a, const std::string& b);

    // Sorts the current items by column and direction.
    void Sort(int column, int direction);
    const std::vector<int>& GetOrder() const { return m_order; }
    int GetTopRow() const { return m_topRow; }
    void SetTopRow(int row) { m_topRow = row; }
    void SetColumnWidths(const std::vector<int>& widths) { m_widths = widths; }
    const std::vector<int>& GetColumnWidths() const { return m_widths; }

    // The number of items now, the height of a row and the number of
    // columns.
    virtual int GetItemCount() const = 0;
    virtual int GetRowHeight() const = 0;
    virtual int GetColumnCount() const = 0;

    // Draws the visible rows onto a context set up by
    // InfoPage::PrepareContext.
    void Draw(CDC& dc, int width, int height);

protected:
    // The three-way comparison of two items' keys in a column (1..columns).
    virtual int Compare(int column, int a, int b) const = 0;
    // Draws an item in a row's band, the columns in the given widths.
    virtual void DrawRow(CDC& dc, int item, const CRect& band,
                         const std::vector<int>& widths) const = 0;

    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    std::vector<int> m_order;
    std::vector<int> m_widths;
    int m_topRow = 0;
    int m_column = 0;
    int m_direction = 1;
};
