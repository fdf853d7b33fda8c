#include "model/MapDrawOrder.h"

#include <algorithm>
#include <new>

#include "model/MapGeometry.h"

void CMapDrawOrder::Clear() {
    m_columns = m_rows = 0;
    m_reachX.clear();
    m_reachY.clear();
    m_order.clear();
    m_paintsObjects.clear();
}

bool CMapDrawOrder::Rebuild(const CMapGeometry& geometry) {
    Clear();
    try {
        m_columns = std::max(geometry.GetViewColumns(), 0);
        m_rows = std::max(geometry.GetViewRows(), 0);
        BuildReach(geometry);
        BuildOrder(geometry);
        BuildObjectFlags();
        return true;
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    }
}

void CMapDrawOrder::BuildReach(const CMapGeometry& geometry) {
    const size_t cells = static_cast<size_t>(m_columns) * static_cast<size_t>(m_rows);
    m_reachX.assign(cells, 0);
    m_reachY.assign(cells, 0);
    for (int vy = 0; vy < m_rows; ++vy)
        for (int vx = 0; vx < m_columns; ++vx) {
            m_reachX[Index(vx, vy)] = vx;
            m_reachY[Index(vx, vy)] = vy;
        }
    for (int vy = 0; vy < m_rows; ++vy)
        for (int vx = 0; vx < m_columns; ++vx) {
            if (!geometry.IsFarCorner(vx, vy)) continue;
            const SCellRect range = geometry.GetRedrawRange(vx, vy, 0);
            for (int y = range.y0; y <= range.y1; ++y)
                for (int x = range.x0; x <= range.x1; ++x) {
                    if (!InTables(x, y)) continue;
                    int& rx = m_reachX[Index(x, y)];
                    int& ry = m_reachY[Index(x, y)];
                    rx = std::max(rx, vx);
                    ry = std::max(ry, vy);
                }
        }
}

void CMapDrawOrder::BuildOrder(const CMapGeometry& geometry) {
    struct SBlock {
        int x0, y0, x1, y1;
    };
    std::vector<SBlock> blocks;
    blocks.reserve(static_cast<size_t>(m_columns) * static_cast<size_t>(m_rows));
    for (int vy = 0; vy < m_rows; ++vy)
        for (int vx = 0; vx < m_columns; ++vx) {
            int w = 1, h = 1;
            const CCellPoint far = geometry.FarCornerOf(vx, vy, &w, &h);
            const SBlock b{far.x - w + 1, far.y - h + 1, far.x, far.y};
            // The first entry that this block must come before: one it
            // overlaps in one axis and lies before in the other.
            auto before = std::find_if(blocks.begin(), blocks.end(), [&](const SBlock& e) {
                return (b.x0 <= e.x1 && b.x1 >= e.x0 && b.y0 < e.y0 && b.y1 < e.y1) ||
                       (b.y0 <= e.y1 && b.y1 >= e.y0 && b.x0 < e.x0 && b.x1 < e.x1);
            });
            blocks.insert(before, b);
        }
    m_order.reserve(blocks.size());
    for (const SBlock& b : blocks) m_order.emplace_back(b.x1, b.y1);
}

void CMapDrawOrder::BuildObjectFlags() {
    m_paintsObjects.assign(static_cast<size_t>(m_columns) * static_cast<size_t>(m_rows), 0);
    for (int vy = 0; vy < m_rows; ++vy)
        for (int vx = 0; vx < m_columns; ++vx)
            for (const CCellPoint& e : m_order) {
                if (e.x > vx && e.y > vy) break;
                if (e.x == vx && e.y == vy) {
                    m_paintsObjects[Index(vx, vy)] = 1;
                    break;
                }
            }
}

CCellPoint CMapDrawOrder::GetReach(int vx, int vy) const {
    if (!InTables(vx, vy)) return {vx, vy};
    return {m_reachX[Index(vx, vy)], m_reachY[Index(vx, vy)]};
}

bool CMapDrawOrder::PaintsObjects(int vx, int vy) const {
    return InTables(vx, vy) && m_paintsObjects[Index(vx, vy)] != 0;
}
