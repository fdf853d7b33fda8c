#pragma once
// The pictures of the structures the rules treat specially: rubble, fire,
// the construction-site marker, the scaffold drawn over a crossing being
// built, and the crossings themselves (a bridge over canal land, an
// overpass over motorway land). Crossings leave the land under them to show.

#include <cstdint>

#include "tools/mkdata/ArtKind.h"
#include "tools/mkdata/Scene.h"

class CSiteFeaturePainter {
public:
    static bool Draws(EArtKind kind);
    static CScene Scene(EArtKind kind, int w, int h, uint64_t seed);
};
