#include "tools/mkdata/LandmarkPainter.h"

#include "tools/mkdata/BuildingPainter.h"

CScene CLandmarkPainter::Scene(EArtKind kind, int w, int h, uint64_t seed) {
    (void)kind;
    return CBuildingPainter::Scene(EArtKind::Warehouse, w, h, seed);
}
