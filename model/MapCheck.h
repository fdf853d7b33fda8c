#pragma once
// What must hold of a map area after any month: figures in their ranges,
// every covered cell with its anchor and every footprint covered, and
// stadium lists that agree with the structures on the map. Used by the
// soaks of the tests and by simulate's checks.

#include <string>

class CMapDoc;

// The first broken rule of the area, or "".
std::string CheckAreaInvariants(const CMapDoc& map, int area);
