#pragma once
// Small maps for the map view's tests, made by code and loaded from their
// map data file so that they carry picture strips: the fixture map's types
// with plain pictures of their own. Every land type is a tile (a top face
// with a short side below it, each in one colour) and every structure type
// a box standing on its footprint, all with exact black-and-white masks;
// slot s names picture s + 1 and picture s shows the footprint as the
// direction of slot s turns it. One area of the given grid, flat, land
// type 0, without structures or owners. The code-85 type (the arena)
// covers 3 x 3 cells.

#include <array>
#include <memory>

#include "platform/gfx/WinDefs.h"

class CMapDoc;

struct SViewMapOptions {
    int width = 6;
    int height = 5;
    // dxCol, dyCol, dxRow, dyRow, dyLevel, faceOffset, maxLevel.
    std::array<int, 7> metrics{32, 16, 32, 16, 8, 0, 3};
};

std::unique_ptr<CMapDoc> MakeViewMap(const SViewMapOptions& options = {});
// The colour of the top face of a land type's tile, and of a structure
// type's box.
COLORREF LandColour(int landType);
COLORREF StructureColour(int structureType);
