#pragma once
// What placing each structure type at a site gains, kept for one
// construction planning pass. During the pass nothing changes the map, its
// owners or the company's plans (every trial is taken back exactly), so the
// gain of a type at a site is the same each time the pass tries it: the
// pass draws the same areas and sites again and again, and only the first
// try works the lots out. The draws around a trial (the owners' consent and
// the varied gain) do not depend on the gain and are made afresh each time.

#include <cstddef>
#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "model/CellPoint.h"

class CSiteGains {
public:
    struct SGain {
        enum class EState : uint8_t {
            unknown,  // not worked out yet
            unlaid,   // the pending constructions could not be laid
            known,
        };
        EState state = EState::unknown;
        double gain = 0.0;
    };

    explicit CSiteGains(int typeCount) : m_typeCount(typeCount > 0 ? typeCount : 0) {}

    // The site's gains, one per structure type in table order, all unknown
    // on the first ask. The row stays where it is while the object lives.
    std::vector<SGain>& Row(int area, CCellPoint site);

private:
    int m_typeCount;
    // Keyed by area, row and column.
    std::map<std::tuple<int, int, int>, std::vector<SGain>> m_rows;
};
