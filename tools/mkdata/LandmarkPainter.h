#pragma once
// The larger and civic structures: offices with the company flag, the city
// hall, monuments, stadiums for the two sports, plants and depots, leisure,
// and the project structures (pavilions, towers, twin towers and their
// crooked partner).

#include <cstdint>

#include "tools/mkdata/ArtKind.h"
#include "tools/mkdata/Scene.h"

class CLandmarkPainter {
public:
    static CScene Scene(EArtKind kind, int w, int h, uint64_t seed);
};
