#include "tools/mkdata/SiteFeaturePainter.h"

#include <cmath>

#include "tools/mkdata/ArtRandom.h"
#include "tools/mkdata/BuildingPainter.h"
#include "tools/mkdata/GroundPainter.h"

namespace {

constexpr double kTau = 6.2831853071795865;

// An irregular lump: a ring of points rising to a lower, smaller ring.
CSolid Lump(double x, double y, double r, double height, const SRgb& c, CArtRandom& random) {
    std::vector<SVec3> base;
    std::vector<SVec3> top;
    int n = 5 + random.Below(2);
    for (int i = 0; i < n; ++i) {
        double a = kTau * (i + random.Range(0.15, 0.85)) / n;
        double k = random.Range(0.75, 1.15);
        base.push_back({x + r * k * std::cos(a), y + r * k * std::sin(a), 0.0});
        top.push_back({x + 0.45 * r * k * std::cos(a), y + 0.45 * r * k * std::sin(a),
                       height * random.Range(0.8, 1.0)});
    }
    return CSolid::Loft({base, top}, c, c.Scaled(1.05));
}

CScene Rubble(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    scene.SetGround(
        [seed](double x, double y) {
            double n = CGroundPainter::Noise(x - std::floor(x), y - std::floor(y), 6, seed);
            return SRgb{118, 108, 96}.Mixed({92, 84, 76}, n);
        },
        CBuildingPainter::kLotInset);
    // A broken wall still standing at the back.
    scene.Add(
        CSolid::Loft({{{0.18, 0.2, 0.0}, {0.62, 0.2, 0.0}, {0.62, 0.26, 0.0}, {0.18, 0.26, 0.0}},
                      {{0.18, 0.2, 20.0}, {0.62, 0.2, 9.0}, {0.62, 0.26, 9.0}, {0.18, 0.26, 20.0}}},
                     {150, 140, 128}, {120, 112, 104}));
    const SRgb colors[] = {{168, 160, 150}, {140, 132, 122}, {160, 96, 74}, {110, 104, 98}};
    for (int i = 0; i < 9; ++i) {
        double x = random.Range(0.22, w - 0.22);
        double y = random.Range(0.3, h - 0.2);
        scene.Add(Lump(x, y, random.Range(0.07, 0.16), random.Range(4.0, 11.0),
                       colors[random.Below(4)], random));
    }
    // Bent steel sticking out.
    for (int i = 0; i < 3; ++i) {
        double x = random.Range(0.3, w - 0.3);
        double y = random.Range(0.35, h - 0.3);
        scene.Add(CSolid::Box(x, y, x + 0.015, y + 0.015, 0.0, random.Range(10.0, 16.0),
                              {90, 60, 44}, {90, 60, 44}));
    }
    return scene;
}

void AddFlame(CScene& scene, double x, double y, double z, double r, double height, const SRgb& c) {
    std::vector<SVec3> base;
    for (int i = 0; i < 5; ++i) {
        double a = kTau * (i + 0.5) / 5.0;
        base.push_back({x + r * std::cos(a), y + r * std::sin(a), z});
    }
    CSolid flame = CSolid::Loft({base, {{x, y, z + height}}}, c, c);
    for (CSolid::SFace& f : flame.faces) f.lit = false;
    scene.Add(flame);
}

CScene Fire(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    scene.SetGround([](double, double) { return SRgb{60, 54, 50}; }, CBuildingPainter::kLotInset);
    // The charred shell with glowing windows.
    CBuildingPainter::SStyle shell;
    shell.wall = {58, 52, 50};
    shell.roof = {40, 36, 34};
    shell.glass = {255, 120, 20};
    shell.litShare = 1.0;
    shell.lit = {255, 150, 30};
    shell.windowsPerCell = 2;
    scene.Add(CBuildingPainter::Block(0.2, 0.2, w - 0.2, h - 0.2, 0.0, 22.0, shell, seed, -1));
    const SRgb colors[] = {{224, 40, 0}, {255, 140, 0}, {255, 226, 80}};
    for (int layer = 0; layer < 3; ++layer) {
        int n = 4 - layer;
        for (int i = 0; i < n; ++i) {
            double x = random.Range(0.3, w - 0.3);
            double y = random.Range(0.3, h - 0.3);
            double r = 0.16 - 0.035 * layer;
            AddFlame(scene, x, y, 20.0 + 2.0 * layer, r, random.Range(20.0, 34.0) - 6.0 * layer,
                     colors[layer]);
        }
    }
    double z = 46.0;
    double r = 0.14;
    for (int i = 0; i < 4; ++i) {
        SRgb smoke = SRgb{70, 66, 64}.Mixed({150, 146, 144}, i / 3.0);
        scene.Add(CSolid::Dome(0.5 + i * 0.08, 0.45 - i * 0.06, r, r, z, r * 70.0, 7, smoke));
        z += 11.0;
        r += 0.03;
    }
    return scene;
}

// Striped barriers round the cell, a sign and a heap of earth.
CScene SiteMarker(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    scene.SetGround(
        [seed](double x, double y) {
            return CGroundPainter::Surface(EArtKind::Foundation, x - std::floor(x),
                                           y - std::floor(y), seed);
        },
        CBuildingPainter::kLotInset);
    const double m = 0.12;
    const double t = 0.025;
    const SRgb yellow{240, 200, 30};
    auto barrier = [&](double x0, double y0, double x1, double y1) {
        CSolid b = CSolid::Box(x0, y0, x1, y1, 3.0, 7.0, yellow, yellow);
        for (CSolid::SFace& f : b.faces) {
            if (!f.isWall) continue;
            int stripes = std::max(2, static_cast<int>(f.WallLength() * 8.0));
            for (int i = 0; i < stripes; i += 2)
                f.AddWallRect(static_cast<double>(i) / stripes, (i + 1.0) / stripes, 3.0, 7.0,
                              {30, 30, 30});
        }
        scene.Add(b);
        for (double s : {0.0, 1.0})
            scene.Add(CSolid::Box(x0 + (x1 - x0) * s - 0.01, y0 + (y1 - y0) * s - 0.01,
                                  x0 + (x1 - x0) * s + 0.01, y0 + (y1 - y0) * s + 0.01, 0.0, 3.0,
                                  {200, 200, 200}, {200, 200, 200}));
    };
    barrier(m, m, w - m, m + t);
    barrier(m, m, m + t, h - m);
    barrier(w - m - t, m, w - m, h - m);
    barrier(m, h - m - t, w * 0.4, h - m);
    scene.Add(CSolid::Box(0.6, 0.6, 0.62, 0.62, 0.0, 12.0, {120, 120, 120}, {120, 120, 120}));
    scene.Add(CSolid::Box(0.5, 0.6, 0.72, 0.62, 10.0, 20.0, {250, 250, 250}, {250, 250, 250}));
    scene.Add(Lump(0.36, 0.4, 0.16, 8.0, {140, 104, 66}, random));
    return scene;
}

// Poles and planks over the whole footprint; empty in between so the
// crossing under construction shows through.
CScene Scaffold(int w, int h, uint64_t) {
    CScene scene(w, h);
    const SRgb pole{210, 190, 60};
    const SRgb plank{150, 110, 60};
    const double height = 30.0;
    for (int i = 0; i <= w; ++i) {
        for (int j = 0; j <= h; ++j) {
            double x = std::clamp(i * 1.0, 0.1, w - 0.1);
            double y = std::clamp(j * 1.0, 0.1, h - 0.1);
            scene.Add(
                CSolid::Box(x - 0.015, y - 0.015, x + 0.015, y + 0.015, 0.0, height, pole, pole));
        }
    }
    for (double z : {12.0, 24.0}) {
        scene.Add(CSolid::Box(0.1, 0.085, w - 0.1, 0.135, z, z + 2.0, plank, plank));
        scene.Add(CSolid::Box(0.085, 0.1, 0.135, h - 0.1, z, z + 2.0, plank, plank));
    }
    // A crane at the back corner.
    scene.Add(
        CSolid::Box(0.08, 0.08, 0.16, 0.16, 0.0, height + 26.0, {230, 180, 20}, {230, 180, 20}));
    scene.Add(CSolid::Box(0.08, 0.1, w * 0.9, 0.14, height + 22.0, height + 26.0, {230, 180, 20},
                          {230, 180, 20}));
    return scene;
}

// The deck runs along the map's y axis, or its x axis for odd variants.
CScene Crossing(int w, int h, uint64_t seed, bool bridge) {
    CScene scene(w, h);
    bool alongX = (seed >> 7) & 1;
    const double level = bridge ? 8.0 : 18.0;
    const SRgb deck = bridge ? SRgb{170, 150, 124} : SRgb{170, 170, 166};
    const SRgb road{84, 86, 94};
    double lo = 0.18;
    double hi = (alongX ? h : w) - 0.18;
    double len = alongX ? w : h;
    auto box = [&](double a0, double a1, double b0, double b1, double z0, double z1, SRgb wall,
                   SRgb top) {
        return alongX ? CSolid::Box(b0, a0, b1, a1, z0, z1, wall, top)
                      : CSolid::Box(a0, b0, a1, b1, z0, z1, wall, top);
    };
    for (double p : {len * 0.5}) {
        scene.Add(box(lo + 0.1, hi - 0.1, p - 0.08, p + 0.08, 0.0, level, deck.Scaled(0.9),
                      deck.Scaled(0.9)));
    }
    scene.Add(box(lo, hi, 0.0, len, level, level + 4.0, deck, road));
    for (double a : {lo, hi - 0.04})
        scene.Add(box(a, a + 0.04, 0.0, len, level + 4.0, level + 8.0,
                      bridge ? SRgb{120, 80, 50} : SRgb{200, 200, 196}, {220, 220, 214}));
    return scene;
}

}  // namespace

bool CSiteFeaturePainter::Draws(EArtKind kind) {
    return kind == EArtKind::Rubble || kind == EArtKind::Fire || kind == EArtKind::SiteMarker ||
           kind == EArtKind::Scaffold || kind == EArtKind::Bridge || kind == EArtKind::Overpass;
}

CScene CSiteFeaturePainter::Scene(EArtKind kind, int w, int h, uint64_t seed) {
    switch (kind) {
        case EArtKind::Rubble:
            return Rubble(w, h, seed);
        case EArtKind::Fire:
            return Fire(w, h, seed);
        case EArtKind::SiteMarker:
            return SiteMarker(w, h, seed);
        case EArtKind::Scaffold:
            return Scaffold(w, h, seed);
        case EArtKind::Bridge:
            return Crossing(w, h, seed, true);
        default:
            return Crossing(w, h, seed, false);
    }
}
