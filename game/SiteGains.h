#pragma once
// What placing each structure type at a site gains, kept for one
// construction planning pass. During the pass nothing changes the map, its
// owners or the company's plans (every trial is taken back exactly), so the
// gain of a type at a site is the same each time the pass tries it: the
// pass draws the same areas and sites again and again, and only the first
// try works the lots out. The draws around a trial (the owners' consent and
// the varied gain) do not depend on the gain and are made afresh each time.
//
// The pass also keeps the lots of the structures it places. A lot of the
// placed structure is worth the same in every trial whose clear rectangle
// holds it, when the type has no effect on its own kind: its environment
// then counts only the cells outside the rectangle, which hold what they
// hold with the pending constructions laid (the rectangle's other cells add
// exactly nothing), and its price, owner and type are the same. Sites next
// to one another share the cells of their rectangles.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "model/CellPoint.h"

class CMapDoc;

class CSiteGains {
public:
    // What the pass knows of one structure type at one cell.
    struct SGain {
        enum class EState : uint8_t {
            unknown,  // not worked out yet
            unlaid,   // the pending constructions could not be laid
            known,
        };
        EState state = EState::unknown;
        // The lot of the type placed over the cell, see above.
        bool placedKnown = false;
        double gain = 0.0;
        double placedValue = 0.0;
    };

    explicit CSiteGains(const CMapDoc& map);

    // The cell's entries, one per structure type in table order, all
    // unknown on the first ask; null for a cell off the area's grid. The
    // row stays where it is while the object lives.
    std::vector<SGain>* Row(int area, CCellPoint cell);

    // Whether the company may build on the cell, asked of `check` once per
    // cell in the pass; a cell off the grid is asked every time.
    template <typename Check>
    bool Buildable(int area, int x, int y, Check check) {
        int8_t* kept = BuildableEntry(area, x, y);
        if (!kept) return check();
        if (*kept < 0) *kept = check() ? 1 : 0;
        return *kept != 0;
    }

private:
    // -1 while not known.
    int8_t* BuildableEntry(int area, int x, int y);

    const CMapDoc& m_map;
    size_t m_typeCount;
    // Per area, per cell: the row's place in m_rows, or -1.
    std::vector<std::vector<int32_t>> m_rowOfCell;
    std::deque<std::vector<SGain>> m_rows;
    // Per area, per cell: whether the company may build there, or -1.
    std::vector<std::vector<int8_t>> m_buildable;
};
