#include "tools/mkdata/GroundPainter.h"

#include <cmath>

#include "tools/mkdata/ArtRandom.h"
#include "tools/mkdata/IsoView.h"

namespace {

double Fract(double v) {
    return v - std::floor(v);
}

double Smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

// A fine grain: the same value over one grain of `cells` grains per side.
double Grain(double x, double y, int cells, uint64_t seed) {
    int64_t gx = static_cast<int64_t>(std::floor(x * cells)) % cells;
    int64_t gy = static_cast<int64_t>(std::floor(y * cells)) % cells;
    return CArtRandom::Hash((gx + cells) % cells, (gy + cells) % cells, seed);
}

SRgb Vary(const SRgb& c, double amount, double n) {
    return c.Scaled(1.0 + amount * (n - 0.5) * 2.0);
}

SRgb Scrub(double x, double y, uint64_t seed) {
    double n = CGroundPainter::Noise(x, y, 5, seed);
    SRgb c = SRgb{126, 104, 62}.Mixed({138, 138, 72}, Smooth(n));
    double g = Grain(x, y, 22, seed + 1);
    if (g > 0.93) return {82, 86, 40};
    if (g < 0.06) return {160, 130, 90};
    return Vary(c, 0.06, Grain(x, y, 30, seed + 2));
}

SRgb Meadow(double x, double y, uint64_t seed) {
    double n = CGroundPainter::Noise(x, y, 4, seed);
    SRgb c = SRgb{96, 136, 56}.Mixed({132, 150, 70}, n);
    double g = Grain(x, y, 26, seed + 3);
    if (g > 0.975) return {246, 240, 200};
    if (g > 0.955) return {236, 206, 80};
    if (g > 0.94) return {180, 140, 200};
    return Vary(c, 0.07, Grain(x, y, 32, seed + 4));
}

SRgb Grass(double x, double y, uint64_t seed) {
    double n = CGroundPainter::Noise(x, y, 4, seed);
    SRgb c = SRgb{62, 126, 44}.Mixed({92, 150, 58}, n);
    return Vary(c, 0.06, Grain(x, y, 32, seed + 5));
}

SRgb Lawn(double x, double y, uint64_t seed) {
    bool stripe = static_cast<int>(std::floor(y * 4.0)) % 2 == 0;
    SRgb c = stripe ? SRgb{104, 172, 66} : SRgb{88, 156, 56};
    double edge = std::min(std::min(x, 1.0 - x), std::min(y, 1.0 - y));
    if (edge < 0.05) c = {136, 128, 112};
    return Vary(c, 0.03, Grain(x, y, 32, seed + 6));
}

SRgb Paved(double x, double y, uint64_t seed) {
    const int slabs = 3;
    double fx = Fract(x * slabs);
    double fy = Fract(y * slabs);
    if (fx < 0.06 || fy < 0.06) return {128, 126, 120};
    double s = Grain(x, y, slabs, seed + 7);
    return Vary(SRgb{176, 172, 162}, 0.05, s);
}

SRgb Plaza(double x, double y, uint64_t seed) {
    double edge = std::min(std::min(x, 1.0 - x), std::min(y, 1.0 - y));
    if (edge < 0.08) return {150, 118, 96};
    double dx = x - 0.5;
    double dy = y - 0.5;
    if (std::fabs(dx) + std::fabs(dy) < 0.16) return {180, 96, 72};
    int tx = static_cast<int>(std::floor(x * 6.0));
    int ty = static_cast<int>(std::floor(y * 6.0));
    SRgb c = (tx + ty) % 2 == 0 ? SRgb{222, 208, 178} : SRgb{198, 182, 150};
    return Vary(c, 0.03, Grain(x, y, 24, seed + 8));
}

SRgb Foundation(double x, double y, uint64_t seed) {
    double edge = std::min(std::min(x, 1.0 - x), std::min(y, 1.0 - y));
    if (edge < 0.07) return {176, 172, 164};
    double fx = Fract(x * 4.0) - 0.5;
    double fy = Fract(y * 4.0) - 0.5;
    if (fx * fx + fy * fy < 0.012) return {96, 90, 84};
    return Vary(SRgb{164, 132, 90}, 0.08, CGroundPainter::Noise(x, y, 6, seed));
}

SRgb Canal(double x, double y, uint64_t seed) {
    double n = CGroundPainter::Noise(x, y, 3, seed);
    SRgb c = SRgb{34, 96, 120}.Mixed({48, 118, 138}, n);
    double ripple = Fract((x + y) * 5.0 + n * 0.8);
    if (ripple < 0.08) c = c.Mixed({150, 200, 210}, 0.6);
    return c;
}

SRgb Motorway(double x, double y, uint64_t seed) {
    double g = Grain(x, y, 28, seed + 9);
    SRgb c = Vary(SRgb{78, 82, 92}, 0.08, g);
    double edge = std::min(std::min(x, 1.0 - x), std::min(y, 1.0 - y));
    if (edge < 0.04) c = {150, 150, 144};
    return c;
}

SRgb Water(double x, double y, uint64_t seed) {
    double n = CGroundPainter::Noise(x, y, 3, seed);
    SRgb c = SRgb{22, 70, 136}.Mixed({36, 98, 166}, n);
    double wave = Grain(x * 0.5, y * 2.0, 8, seed + 10);
    double fy = Fract(y * 8.0);
    if (wave > 0.7 && fy < 0.12) c = {140, 190, 232};
    return c;
}

SRgb Sand(double x, double y, uint64_t seed) {
    double n = CGroundPainter::Noise(x, y, 4, seed);
    double ripple = 0.5 + 0.5 * std::sin((x * 2.0 + y) * 14.0 + n * 4.0);
    SRgb c = SRgb{214, 194, 142}.Mixed({236, 222, 178}, ripple * 0.7);
    return Vary(c, 0.04, Grain(x, y, 32, seed + 11));
}

SRgb Rock(double x, double y, uint64_t seed) {
    double n = CGroundPainter::Noise(x, y, 5, seed);
    SRgb c = SRgb{112, 100, 82}.Mixed({138, 132, 118}, n);
    return Vary(c, 0.08, Grain(x, y, 24, seed + 12));
}

SRgb Forest(double x, double y, uint64_t seed) {
    double n = CGroundPainter::Noise(x, y, 5, seed);
    SRgb c = SRgb{38, 74, 32}.Mixed({66, 92, 40}, n);
    return Vary(c, 0.08, Grain(x, y, 24, seed + 13));
}

}  // namespace

double CGroundPainter::Noise(double x, double y, int cells, uint64_t seed) {
    double gx = x * cells;
    double gy = y * cells;
    int64_t ix = static_cast<int64_t>(std::floor(gx));
    int64_t iy = static_cast<int64_t>(std::floor(gy));
    double tx = Smooth(gx - static_cast<double>(ix));
    double ty = Smooth(gy - static_cast<double>(iy));
    auto at = [&](int64_t a, int64_t b) {
        return CArtRandom::Hash(((a % cells) + cells) % cells, ((b % cells) + cells) % cells, seed);
    };
    double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
    double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

SRgb CGroundPainter::Surface(EArtKind kind, double x, double y, uint64_t seed) {
    switch (kind) {
        case EArtKind::Scrub:
            return Scrub(x, y, seed);
        case EArtKind::Meadow:
            return Meadow(x, y, seed);
        case EArtKind::Lawn:
            return Lawn(x, y, seed);
        case EArtKind::Paved:
            return Paved(x, y, seed);
        case EArtKind::Plaza:
            return Plaza(x, y, seed);
        case EArtKind::Foundation:
            return Foundation(x, y, seed);
        case EArtKind::Canal:
            return Canal(x, y, seed);
        case EArtKind::Motorway:
            return Motorway(x, y, seed);
        case EArtKind::Water:
            return Water(x, y, seed);
        case EArtKind::Sand:
            return Sand(x, y, seed);
        case EArtKind::Rock:
            return Rock(x, y, seed);
        case EArtKind::Forest:
            return Forest(x, y, seed);
        default:
            return Grass(x, y, seed);
    }
}

CScene CGroundPainter::Scene(EArtKind kind, uint64_t seed) {
    CScene scene(1, 1);
    if (kind == EArtKind::Side) {
        AddCliff(scene);
        return scene;
    }
    scene.SetGround([kind, seed](double x, double y) { return Surface(kind, x, y, seed); });
    if (kind == EArtKind::Forest) AddTrees(scene, seed);
    if (kind == EArtKind::Rock) AddBoulders(scene, seed);
    return scene;
}

void CGroundPainter::AddTrees(CScene& scene, uint64_t seed) {
    CArtRandom random(seed ^ 0x7265657473ULL);
    const double spots[4][2] = {{0.28, 0.30}, {0.72, 0.32}, {0.30, 0.72}, {0.72, 0.74}};
    for (const auto& spot : spots) {
        double x = spot[0] + random.Range(-0.06, 0.06);
        double y = spot[1] + random.Range(-0.06, 0.06);
        double trunk = random.Range(4.0, 6.0);
        double crown = random.Range(0.14, 0.19);
        scene.Add(CSolid::Box(x - 0.025, y - 0.025, x + 0.025, y + 0.025, 0.0, trunk, {92, 62, 36},
                              {92, 62, 36}));
        if (random.Chance(0.5)) {
            std::vector<std::vector<SVec3>> rings;
            std::vector<SVec3> base;
            for (int i = 0; i < 7; ++i) {
                double a = 6.2831853 * (i + 0.5) / 7.0;
                base.push_back({x + crown * std::cos(a), y + crown * std::sin(a), trunk});
            }
            rings.push_back(base);
            rings.push_back({{x, y, trunk + random.Range(20.0, 26.0)}});
            scene.Add(CSolid::Loft(rings, {40, 92, 44}, {40, 92, 44}));
        } else {
            scene.Add(CSolid::Dome(x, y, crown, crown, trunk - 1.0, random.Range(16.0, 20.0), 7,
                                   {70, 124, 48}));
        }
    }
}

void CGroundPainter::AddBoulders(CScene& scene, uint64_t seed) {
    CArtRandom random(seed ^ 0x726F636BULL);
    const double spots[3][2] = {{0.34, 0.36}, {0.68, 0.52}, {0.40, 0.72}};
    for (const auto& spot : spots) {
        double r = random.Range(0.10, 0.16);
        std::vector<std::vector<SVec3>> rings;
        std::vector<SVec3> base;
        std::vector<SVec3> mid;
        for (int i = 0; i < 6; ++i) {
            double a = 6.2831853 * (i + random.Range(0.2, 0.8)) / 6.0;
            double k = random.Range(0.8, 1.1);
            base.push_back({spot[0] + r * k * std::cos(a), spot[1] + r * k * std::sin(a), 0.0});
            mid.push_back({spot[0] + 0.6 * r * k * std::cos(a), spot[1] + 0.6 * r * k * std::sin(a),
                           r * 40.0});
        }
        rings.push_back(base);
        rings.push_back(mid);
        rings.push_back({{spot[0], spot[1], r * 58.0}});
        scene.Add(CSolid::Loft(rings, {150, 142, 128}, {150, 142, 128}));
    }
}

void CGroundPainter::AddCliff(CScene& scene) {
    CSolid block =
        CSolid::Box(0.0, 0.0, 1.0, 1.0, 0.0, CIsoView::kLevelDy, {150, 110, 70}, {150, 110, 70});
    for (CSolid::SFace& f : block.faces) {
        if (!f.isWall) continue;
        // Layers of earth and a band of rock.
        f.AddWallRect(0.0, 1.0, 3.0, 5.0, {126, 90, 56});
        f.AddWallRect(0.0, 1.0, 9.0, 10.0, {120, 84, 52});
        f.AddWallRect(0.0, 1.0, CIsoView::kLevelDy - 2.0, CIsoView::kLevelDy, {86, 120, 52});
        f.AddWallRect(0.18, 0.30, 5.0, 8.0, {150, 144, 130});
        f.AddWallRect(0.62, 0.74, 1.0, 3.0, {150, 144, 130});
    }
    scene.Add(block);
}
