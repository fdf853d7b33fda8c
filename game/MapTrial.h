#pragma once
// A trial change of one area's cells that is taken back exactly: every cell
// is recorded (all its layers) before its first change, and the stadium
// lists as they were; Restore puts the cells and the lists back, byte for
// byte, whatever was placed, removed or given away meanwhile.

#include <array>
#include <cstddef>
#include <vector>

#include "model/CellPoint.h"
#include "model/MapData.h"

class CMapTrial {
public:
    explicit CMapTrial(CMapData& area);
    ~CMapTrial() { Restore(); }
    CMapTrial(const CMapTrial&) = delete;
    CMapTrial& operator=(const CMapTrial&) = delete;

    // Records the cells of the rectangle (clipped to the grid) unless they
    // are recorded already; call before changing them.
    void Record(int x0, int y0, int x1, int y1);
    void Record(CCellPoint cell) { Record(cell.x, cell.y, cell.x, cell.y); }
    // Puts back every recorded cell and the stadium lists; the trial may go
    // on afterwards from the restored state.
    void Restore();
    // Whether a recorded cell lies within distance (in rows or columns) of
    // the cell.
    bool Touches(int x, int y, int distance) const;
    // The same among the first `count` cells recorded.
    bool Touches(int x, int y, int distance, size_t count) const;
    size_t RecordedCount() const { return m_cells.size(); }

private:
    struct SCell {
        int x, y;
        std::array<int, CMapData::kLayerCount> layers;
    };
    CMapData& m_area;
    std::vector<SCell> m_cells;
    std::array<std::vector<CCellPoint>, 2> m_stadiums;
};
