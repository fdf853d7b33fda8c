#pragma once
// The cached part of the map geometry: per view cell the farthest block
// whose picture covers it (the reach tables) and the order in which the
// blocks' objects are painted. Rebuilt when the shown area, the view
// direction or the structures change; the zoom does not affect it.

#include <cstddef>
#include <vector>

#include "model/CellPoint.h"

class CMapGeometry;

class CMapDrawOrder {
public:
    // Recomputes everything for the geometry's area and direction; false
    // (and empty tables) when there is no memory for them.
    bool Rebuild(const CMapGeometry& geometry);
    void Clear();

    int GetColumns() const { return m_columns; }
    int GetRows() const { return m_rows; }
    // The farthest block covering view cell (vx, vy); the cell itself
    // outside the tables.
    CCellPoint GetReach(int vx, int vy) const;
    // The far corners of the blocks in painting order, one entry per cell.
    const std::vector<CCellPoint>& GetOrder() const { return m_order; }
    // Whether painting view cell (vx, vy) paints its objects: walking the
    // order from its start until an entry lies beyond the cell in both
    // axes meets an entry equal to the cell.
    bool PaintsObjects(int vx, int vy) const;

private:
    bool InTables(int vx, int vy) const {
        return vx >= 0 && vy >= 0 && vx < m_columns && vy < m_rows;
    }
    size_t Index(int vx, int vy) const {
        return static_cast<size_t>(vy) * static_cast<size_t>(m_columns) + static_cast<size_t>(vx);
    }
    void BuildReach(const CMapGeometry& geometry);
    void BuildOrder(const CMapGeometry& geometry);
    void BuildObjectFlags();

    int m_columns = 0;
    int m_rows = 0;
    std::vector<int> m_reachX;
    std::vector<int> m_reachY;
    std::vector<CCellPoint> m_order;
    std::vector<char> m_paintsObjects;
};
