#include "views/SortedTableBody.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "platform/gfx/DC.h"
#include "platform/ui/PaintDC.h"
#include "views/InfoPage.h"

std::vector<int> CSortedTableBody::SortedOrder(int count, int column, int columns, int direction,
                                               const std::function<int(int, int, int)>& compare) {
    std::vector<int> order(static_cast<size_t>(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    if (column < 1 || column > columns) return order;
    const int d = direction < 0 ? -1 : 1;
    // A stable sort gives what picking the first best of the remaining
    // items for each place gives, in n log n.
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return compare(column, a, b) * d < 0; });
    return order;
}

int CSortedTableBody::CompareNames(const std::string& a, const std::string& b) {
    const int result = std::strcmp(a.c_str(), b.c_str());
    return (result > 0) - (result < 0);
}

void CSortedTableBody::Sort(int column, int direction) {
    m_column = column;
    m_direction = direction;
    m_order = SortedOrder(GetItemCount(), column, GetColumnCount(), direction,
                          [this](int c, int a, int b) { return Compare(c, a, b); });
}

void CSortedTableBody::Draw(CDC& dc, int width, int height) {
    const int count = GetItemCount();
    if (static_cast<int>(m_order.size()) != count) Sort(m_column, m_direction);
    const int rowHeight = std::max(GetRowHeight(), 1);
    const int top = std::max(m_topRow, 0);
    const int visible = std::min(count - top, (height - 1) / rowHeight + 1);
    for (int r = 0; r < visible; ++r) {
        const int item = m_order[static_cast<size_t>(top + r)];
        const CRect band(0, r * rowHeight, width, (r + 1) * rowHeight);
        DrawRow(dc, item, band, m_widths);
    }
}

void CSortedTableBody::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    InfoPage::PaintOffScreen(dc, client.Width(), client.Height(),
                             [&](CDC& body) { Draw(body, client.Width(), client.Height()); });
}

BOOL CSortedTableBody::OnEraseBkgnd(CDC* /*dc*/) {
    // The off-screen picture covers every pixel.
    return TRUE;
}
