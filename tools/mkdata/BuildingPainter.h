#pragma once
// Buildings as lit isometric blocks: walls with rows of windows (some lit),
// doors on the street side, roofs, and a lot of paving or lawn around them,
// sized to the type's footprint. Colours and heights vary with the seed so
// that types of one kind still look apart.

#include <algorithm>
#include <cstdint>

#include "tools/mkdata/ArtKind.h"
#include "tools/mkdata/Rgb.h"
#include "tools/mkdata/Scene.h"

class CBuildingPainter {
public:
    // How a block's walls look.
    struct SStyle {
        SRgb wall{200, 190, 170};
        SRgb roof{120, 116, 110};
        SRgb glass{52, 90, 140};
        SRgb lit{255, 236, 150};
        SRgb door{70, 50, 40};
        // Storey height in pixels.
        double storey = 11.0;
        int windowsPerCell = 3;
        // Window size as a share of its slot and of the storey.
        double windowWidth = 0.5;
        double windowHeight = 0.55;
        double litShare = 0.15;
        // Glass from end to end with thin bands between the storeys.
        bool ribbon = false;
        // A glass ground floor (shops).
        bool shopfront = false;
        // No windows at all (halls, tanks).
        bool blind = false;
    };

    // Lots stop this far inside the footprint, so the owner's outline that
    // the view draws on the cell's edge stays visible.
    static constexpr double kLotInset = 0.06;

    static bool Draws(EArtKind kind);
    static CScene Scene(EArtKind kind, int w, int h, uint64_t seed);

    // A block over x0..x1 by y0..y1 from z0 to z1 with windows on every wall
    // and a door on the wall facing `entrance` (0 +y, 1 +x, 2 -y, 3 -x; -1
    // none).
    static CSolid Block(double x0, double y0, double x1, double y1, double z0, double z1,
                        const SStyle& style, uint64_t seed, int entrance = 0);
    // The ground of a lot in the surface of a land kind.
    static void SetLot(CScene& scene, EArtKind surface, uint64_t seed);
    // A tree: trunk and a round or pointed crown.
    static void AddTree(CScene& scene, double x, double y, double size, uint64_t seed);
    // Features spaced evenly along a wall, two a cell and at least `least`:
    // `add(s, n)` adds the one centred at `s` (a share of the wall) of `n`.
    template <typename Add>
    static void Spaced(const CSolid::SFace& wall, int least, Add add) {
        const int n = std::max(least, static_cast<int>(wall.WallLength() * 2.0));
        for (int i = 0; i < n; ++i) add((i + 0.5) / n, n);
    }
};
