#pragma once
// The land pictures: one cell of ground seen from the four view directions,
// its patterns laid out in map coordinates so that they turn with the view.
// Every land tile covers exactly its cell's top face, so neighbouring tiles
// meet without gaps. Also the surfaces that building lots stand on.

#include <cstdint>

#include "tools/mkdata/ArtKind.h"
#include "tools/mkdata/Rgb.h"
#include "tools/mkdata/Scene.h"

class CGroundPainter {
public:
    // The scene of a land kind (Scrub .. Side).
    static CScene Scene(EArtKind kind, uint64_t seed);
    // The surface colour of a land kind at map point (x, y) of its cell.
    static SRgb Surface(EArtKind kind, double x, double y, uint64_t seed);

    // Smooth noise 0..1 over a cell that repeats from cell to cell, with
    // `cells` lattice steps per cell side.
    static double Noise(double x, double y, int cells, uint64_t seed);

private:
    static void AddTrees(CScene& scene, uint64_t seed);
    static void AddBoulders(CScene& scene, uint64_t seed);
    static void AddCliff(CScene& scene);
};
