#pragma once
// The column layout of the league and team tables: columns given in layout
// units follow one another from the left edge, each cut at the right edge,
// with one unit of gap after the first.

#include <algorithm>

#include "platform/gfx/Rect.h"

class CTableColumns {
public:
    // Starts at the rectangle's left; unit is the layout width.
    CTableColumns(const CRect& row, int unit) : m_row(row), m_unit(unit), m_x(row.left) {}

    // The first column: from the left edge to `units` units.
    CRect First(int units) {
        const CRect cell = Cell(m_row.left, m_row.left + units * m_unit);
        m_x = cell.right + m_unit;
        return cell;
    }
    // The next column of `units` units; `units` < 0: to the right edge.
    CRect Next(int units) {
        const CRect cell = Cell(m_x, units < 0 ? m_row.right : m_x + units * m_unit);
        m_x = m_x + (units < 0 ? 0 : units * m_unit);
        return cell;
    }
    // Moves the next column's start by dx pixels.
    void Skip(int dx) { m_x += dx; }
    int X() const { return m_x; }

private:
    CRect Cell(int left, int right) const {
        return CRect(std::min<int>(left, m_row.right), m_row.top, std::min<int>(right, m_row.right), m_row.bottom);
    }
    CRect m_row;
    int m_unit;
    int m_x;
};
