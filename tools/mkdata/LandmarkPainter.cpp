#include "tools/mkdata/LandmarkPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkdata/ArtRandom.h"
#include "tools/mkdata/BuildingPainter.h"
#include "tools/mkdata/GroundPainter.h"

namespace {

using SStyle = CBuildingPainter::SStyle;
constexpr double kTau = 6.2831853071795865;

void AddFlag(CScene& scene, double x, double y, double z, const SRgb& c) {
    scene.Add(CSolid::Box(x, y, x + 0.02, y + 0.02, z, z + 22.0, {220, 220, 220}, {220, 220, 220}));
    scene.Add(CSolid::Box(x + 0.02, y, x + 0.24, y + 0.02, z + 14.0, z + 21.0, c, c));
}

void Lot(CScene& scene, EArtKind surface, uint64_t seed) {
    CBuildingPainter::SetLot(scene, surface, seed);
}

double Small(int w, int h) {
    return std::min(w, h);
}

// `n` points round an ellipse at height `z`, the first half a step past +x.
std::vector<SVec3> Ring(double x, double y, double rx, double ry, double z, int n) {
    std::vector<SVec3> ring;
    for (int i = 0; i < n; ++i) {
        double a = kTau * (i + 0.5) / n;
        ring.push_back({x + rx * std::cos(a), y + ry * std::sin(a), z});
    }
    return ring;
}

CScene HeadOffice(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    Lot(scene, EArtKind::Plaza, seed);
    SStyle base;
    base.wall = {214, 196, 150};
    base.shopfront = true;
    double m = 0.12;
    double z0 = 3 * base.storey;
    scene.Add(CBuildingPainter::Block(m, m, w - m, h - m, 0.0, z0, base, seed));
    SStyle tower;
    tower.wall = {40, 56, 80};
    tower.glass = {200, 170, 90};
    tower.ribbon = true;
    tower.windowsPerCell = 4;
    tower.litShare = 0.15;
    double t = m + 0.1 * Small(w, h);
    double z1 = z0 + (6 + 5 * Small(w, h)) * tower.storey;
    scene.Add(CBuildingPainter::Block(t, t, w - t, h - t, z0, z1, tower, seed + 1, -1));
    double c = m + 0.22 * Small(w, h);
    scene.Add(CSolid::Roof(c, c, w - c, h - c, z1, 14.0 * Small(w, h), true,
                           (std::min(w, h) - 2 * c) / 2.0, {220, 180, 60}, {220, 180, 60}));
    AddFlag(scene, w / 2.0, h / 2.0, z1 + 14.0 * Small(w, h), {230, 40, 40});
    return scene;
}

CScene BranchOffice(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    Lot(scene, EArtKind::Plaza, seed);
    SStyle style;
    style.wall = {220, 206, 170};
    style.glass = {60, 90, 130};
    style.windowsPerCell = 3;
    double m = 0.16;
    double z = (3 + Small(w, h)) * style.storey;
    scene.Add(CBuildingPainter::Block(m, m, w - m, h - m, 0.0, z, style, seed));
    scene.Add(CSolid::Box(m + 0.04, m + 0.04, w - m - 0.04, h - m - 0.04, z, z + 3.0,
                          {200, 170, 70}, {200, 170, 70}));
    AddFlag(scene, w - m - 0.1, m + 0.08, z + 3.0, {230, 40, 40});
    return scene;
}

CScene CityHall(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    Lot(scene, EArtKind::Plaza, seed);
    SStyle style;
    style.wall = {226, 218, 196};
    style.roof = {150, 140, 124};
    style.windowsPerCell = 3;
    style.windowHeight = 0.7;
    double m = 0.16;
    double front = h - m - 0.25;
    double z = 3 * 13.0;
    style.storey = 13.0;
    scene.Add(CBuildingPainter::Block(m, m, w - m, front, 0.0, z, style, seed));
    scene.Add(
        CSolid::Roof(m, m, w - m, front, z, 10.0, true, 0.3, {120, 110, 100}, {120, 110, 100}));
    // Portico: columns and a pediment on the +y side.
    double px0 = w / 2.0 - 0.25 * w / 2.0 - 0.2;
    double px1 = w / 2.0 + 0.25 * w / 2.0 + 0.2;
    int columns = 4 + 2 * (w / 2);
    for (int i = 0; i < columns; ++i) {
        double x = px0 + (px1 - px0) * (i + 0.5) / columns;
        scene.Add(CSolid::Cylinder(x, front + 0.16, 0.03, 0.03, 0.0, z - 4.0, 6, {240, 236, 226},
                                   {240, 236, 226}));
    }
    scene.Add(
        CSolid::Box(px0, front, px1, front + 0.24, z - 4.0, z, {236, 230, 214}, {236, 230, 214}));
    scene.Add(CSolid::Roof(px0, front - 0.1, px1, front + 0.24, z, 10.0, false, 0.0,
                           {120, 110, 100}, {236, 230, 214}));
    // Clock tower with a green dome.
    double c = w / 2.0;
    double cy = (m + front) / 2.0;
    scene.Add(CSolid::Box(c - 0.2, cy - 0.2, c + 0.2, cy + 0.2, z, z + 30.0, {232, 224, 204},
                          {232, 224, 204}));
    scene.Add(CSolid::Dome(c, cy, 0.2, 0.2, z + 30.0, 18.0, 10, {90, 156, 130}));
    AddFlag(scene, c - 0.01, cy - 0.01, z + 48.0, {40, 110, 200});
    return scene;
}

CScene Monument(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    Lot(scene, EArtKind::Plaza, seed);
    double cx = w / 2.0;
    double cy = h / 2.0;
    scene.Add(CSolid::Box(cx - 0.2, cy - 0.2, cx + 0.2, cy + 0.2, 0.0, 6.0, {190, 180, 160},
                          {200, 190, 170}));
    double r = 0.09;
    scene.Add(CSolid::Loft({{{cx - r, cy - r, 6.0},
                             {cx + r, cy - r, 6.0},
                             {cx + r, cy + r, 6.0},
                             {cx - r, cy + r, 6.0}},
                            {{cx - r * 0.6, cy - r * 0.6, 50.0 * Small(w, h)},
                             {cx + r * 0.6, cy - r * 0.6, 50.0 * Small(w, h)},
                             {cx + r * 0.6, cy + r * 0.6, 50.0 * Small(w, h)},
                             {cx - r * 0.6, cy + r * 0.6, 50.0 * Small(w, h)}},
                            {{cx, cy, 50.0 * Small(w, h) + 8.0}}},
                           {226, 220, 206}, {226, 220, 206}));
    for (double x : {0.18, w - 0.18})
        for (double y : {0.18, h - 0.18})
            CBuildingPainter::AddTree(scene, x, y, 0.7, seed + static_cast<uint64_t>(x * 10 + y));
    return scene;
}

// Rows of seats rising away from the field, along one side.
void AddStand(CScene& scene, double x0, double y0, double x1, double y1, int side, int rows,
              const SRgb& seats) {
    for (int r = 0; r < rows; ++r) {
        double k = static_cast<double>(r) / rows;
        double nx0 = x0, ny0 = y0, nx1 = x1, ny1 = y1;
        double depth = side % 2 == 0 ? (y1 - y0) : (x1 - x0);
        double cut = depth * k;
        switch (side) {
            case 0:
                ny1 = y1 - cut;
                break;  // field at +y, rows climb towards -y
            case 1:
                nx1 = x1 - cut;
                break;
            case 2:
                ny0 = y0 + cut;
                break;
            default:
                nx0 = x0 + cut;
                break;
        }
        SRgb c = r % 2 ? seats : seats.Scaled(0.8);
        scene.Add(CSolid::Box(nx0, ny0, nx1, ny1, 0.0, 4.0 + 4.0 * r, c, c));
    }
}

void AddLightMast(CScene& scene, double x, double y, double height) {
    scene.Add(CSolid::Box(x - 0.015, y - 0.015, x + 0.015, y + 0.015, 0.0, height, {170, 170, 170},
                          {170, 170, 170}));
    CSolid lamp = CSolid::Box(x - 0.06, y - 0.06, x + 0.06, y + 0.06, height, height + 5.0,
                              {255, 250, 200}, {255, 250, 200});
    for (CSolid::SFace& f : lamp.faces) f.lit = false;
    scene.Add(lamp);
}

CScene Ballpark(int w, int h, uint64_t) {
    CScene scene(w, h);
    double m = 0.1;
    double s = std::min(w, h) - 2 * m;
    scene.SetGround(
        [=](double x, double y) {
            // Home plate at the -x/-y corner of the field, the outfield
            // towards +x/+y.
            double fx = (x - m) / s;
            double fy = (y - m) / s;
            double d = std::sqrt(fx * fx + fy * fy);
            if (fx < 0.0 || fy < 0.0) return SRgb{176, 170, 160};
            if (std::fabs(fx - fy) < 0.02 && d < 0.95) return SRgb{240, 240, 236};
            if (fx + fy > 0.3 && fx < 0.42 && fy < 0.42 && std::fabs(fx - 0.42) < 0.03)
                return SRgb{196, 130, 80};
            if (fx < 0.45 && fy < 0.45 && d > 0.12) {
                double inner = std::max(fx, fy);
                return inner > 0.38 || std::min(fx, fy) < 0.04 ? SRgb{192, 128, 80}
                                                               : SRgb{74, 150, 60};
            }
            if (d < 0.12) return SRgb{192, 128, 80};
            bool stripe = static_cast<int>(std::floor(d * 12.0)) % 2 == 0;
            return stripe ? SRgb{84, 162, 66} : SRgb{72, 146, 58};
        },
        CBuildingPainter::kLotInset);
    AddStand(scene, m, m - 0.04, w - m, m + 0.3, 2, 4, {60, 90, 160});
    AddStand(scene, m - 0.04, m + 0.3, m + 0.3, h - m, 3, 4, {60, 90, 160});
    for (double x : {m + 0.05, w - m - 0.05})
        for (double y : {m + 0.05, h - m - 0.05})
            if (x > m + 0.1 || y > m + 0.1) AddLightMast(scene, x, y, 70.0);
    return scene;
}

CScene FootballStadium(int w, int h, uint64_t) {
    CScene scene(w, h);
    double m = 0.1;
    double band = 0.12 + 0.08 * std::min(w, h);
    double fx0 = m + band, fy0 = m + band, fx1 = w - m - band, fy1 = h - m - band;
    scene.SetGround(
        [=](double x, double y) {
            if (x < fx0 || x > fx1 || y < fy0 || y > fy1) return SRgb{160, 156, 150};
            double u = (x - fx0) / (fx1 - fx0);
            double v = (y - fy0) / (fy1 - fy0);
            bool line = u < 0.03 || u > 0.97 || v < 0.03 || v > 0.97 || std::fabs(u - 0.5) < 0.012;
            double cu = (u - 0.5) * (fx1 - fx0);
            double cv = (v - 0.5) * (fy1 - fy0);
            double r = std::sqrt(cu * cu + cv * cv);
            if (std::fabs(r - 0.22) < 0.02) line = true;
            if (line) return SRgb{240, 240, 236};
            bool stripe = static_cast<int>(std::floor(u * 10.0)) % 2 == 0;
            return stripe ? SRgb{70, 156, 62} : SRgb{60, 140, 54};
        },
        CBuildingPainter::kLotInset);
    const SRgb seats{200, 60, 50};
    AddStand(scene, m, m, w - m, fy0, 0, 5, seats);
    AddStand(scene, m, fy1, w - m, h - m, 2, 3, seats);
    AddStand(scene, m, fy0, fx0, fy1, 1, 4, seats);
    AddStand(scene, fx1, fy0, w - m, fy1, 3, 4, seats);
    // Roof over the main stand.
    scene.Add(CSolid::Box(m, m, w - m, fy0 - 0.05, 34.0, 36.0, {220, 220, 224}, {230, 230, 234}));
    for (double x : {m + 0.05, w - m - 0.05})
        for (double y : {m + 0.05, h - m - 0.05}) AddLightMast(scene, x, y, 64.0);
    return scene;
}

CScene ChemicalPlant(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    Lot(scene, EArtKind::Motorway, seed);
    SStyle hall;
    hall.wall = {176, 180, 170};
    hall.windowsPerCell = 2;
    scene.Add(CBuildingPainter::Block(0.14, h * 0.55, w * 0.55, h - 0.14, 0.0, 20.0, hall, seed));
    for (int i = 0; i < std::max(2, w); ++i) {
        double x = 0.4 + i * (w - 0.8) / std::max(1, std::max(2, w) - 1);
        double r = 0.2;
        scene.Add(CSolid::Cylinder(x, 0.42, r, r, 0.0, 26.0, 12, {226, 226, 220}, {226, 226, 220}));
        scene.Add(CSolid::Dome(x, 0.42, r, r, 26.0, 6.0, 12, {210, 210, 204}));
    }
    double cx = w - 0.35;
    double cy = h - 0.4;
    scene.Add(CSolid::Cylinder(cx, cy, 0.08, 0.08, 0.0, 60.0 + 10.0 * w, 8, {200, 200, 196},
                               {160, 160, 156}));
    for (double z : {20.0, 40.0})
        scene.Add(
            CSolid::Cylinder(cx, cy, 0.11, 0.11, z, z + 3.0, 8, {230, 120, 30}, {230, 120, 30}));
    scene.Add(CSolid::Box(w * 0.55, h * 0.7, cx, h * 0.7 + 0.04, 14.0, 17.0, {150, 150, 150},
                          {170, 170, 170}));
    double top = 60.0 + 10.0 * w;
    double r = 0.06;
    for (int i = 0; i < 3; ++i) {
        scene.Add(CSolid::Dome(cx + 0.04 * i, cy - 0.05 * i, r, r, top + 9.0 * i, r * 60.0, 7,
                               {230, 230, 230}));
        r += 0.025;
    }
    return scene;
}

CScene WastePlant(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    Lot(scene, EArtKind::Scrub, seed);
    SStyle hall;
    hall.wall = {110, 108, 100};
    hall.blind = true;
    hall.door = {60, 60, 60};
    scene.Add(CBuildingPainter::Block(0.14, 0.14, w - 0.5, h * 0.5, 0.0, 26.0, hall, seed));
    scene.Add(CSolid::Roof(0.14, 0.14, w - 0.5, h * 0.5, 26.0, 8.0, true, 0.0, {80, 80, 76},
                           {110, 108, 100}));
    double cx = w - 0.3;
    scene.Add(CSolid::Cylinder(cx, 0.3, 0.1, 0.1, 0.0, 70.0 + 10.0 * w, 8, {130, 120, 110},
                               {50, 50, 50}));
    double z = 72.0 + 10.0 * w;
    double r = 0.08;
    for (int i = 0; i < 4; ++i) {
        scene.Add(CSolid::Dome(cx + 0.05 * i, 0.3 - 0.04 * i, r, r, z, r * 64.0, 7,
                               SRgb{60, 58, 56}.Mixed({120, 116, 112}, i / 3.0)));
        z += 9.0;
        r += 0.03;
    }
    const SRgb heaps[] = {{120, 96, 70}, {96, 96, 92}, {140, 120, 80}};
    for (int i = 0; i < 3; ++i) {
        double x = 0.4 + i * (w - 0.8) / 2.0;
        double y = h - 0.4 - random.Range(0.0, 0.15);
        scene.Add(
            CSolid::Loft({Ring(x, y, 0.22, 0.18, 0.0, 7), {{x, y, 14.0}}}, heaps[i], heaps[i]));
    }
    return scene;
}

CScene FuelDepot(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    Lot(scene, EArtKind::Paved, seed);
    int n = std::max(1, w) * std::max(1, h) >= 4 ? 4 : 2;
    int cols = n == 4 ? 2 : 1;
    int rows = n / cols;
    for (int i = 0; i < n; ++i) {
        double x = (i % cols + 0.5) * w / cols;
        double y = (i / cols + 0.5) * h / rows;
        double r = std::min(static_cast<double>(w) / cols, static_cast<double>(h) / rows) * 0.36;
        CSolid tank = CSolid::Cylinder(x, y, r, r, 0.0, 30.0, 14, {236, 236, 232}, {210, 210, 206});
        for (CSolid::SFace& f : tank.faces)
            if (f.isWall) f.AddWallRect(0.0, 1.0, 20.0, 24.0, {220, 40, 30});
        scene.Add(tank);
        scene.Add(CSolid::Dome(x, y, r, r, 30.0, 5.0, 14, {210, 210, 206}));
    }
    return scene;
}

CScene Cinema(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    Lot(scene, EArtKind::Plaza, seed);
    SStyle style;
    style.wall = {120, 50, 70};
    style.blind = true;
    style.door = {240, 220, 120};
    double m = 0.14;
    double z = 34.0 + 6.0 * Small(w, h);
    CSolid hall = CBuildingPainter::Block(m, m, w - m, h - m, 0.0, z, style, seed);
    for (CSolid::SFace& f : hall.faces) {
        if (!f.isWall) continue;
        f.AddWallRect(0.05, 0.95, 13.0, 17.0, {255, 236, 120}, false);
        CBuildingPainter::Spaced(f, 2, [&](double s, int posters) {
            f.AddWallRect(s - 0.08 / posters * 2.0, s + 0.08 / posters * 2.0, 20.0, z - 6.0,
                          random.Chance(0.5) ? SRgb{40, 110, 200} : SRgb{230, 170, 20});
        });
    }
    scene.Add(hall);
    scene.Add(CSolid::Box(w / 2.0 - 0.3, h - m - 0.04, w / 2.0 + 0.3, h - m, z, z + 10.0,
                          {255, 240, 140}, {255, 240, 140}));
    return scene;
}

CScene Hospital(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    Lot(scene, EArtKind::Lawn, seed);
    SStyle style;
    style.wall = {238, 238, 234};
    style.glass = {90, 140, 170};
    style.windowsPerCell = 4;
    style.litShare = 0.4;
    double m = 0.14;
    double z = (5 + 2 * Small(w, h)) * style.storey;
    double x1 = w * 0.62;
    CSolid main = CBuildingPainter::Block(m, m, x1, h - m, 0.0, z, style, seed);
    for (CSolid::SFace& f : main.faces) {
        if (!f.isWall) continue;
        double half = 0.09 / f.WallLength();
        f.AddWallRect(0.5 - half, 0.5 + half, z - 22.0, z - 4.0, {220, 30, 30});
        f.AddWallRect(0.5 - 3.0 * half, 0.5 + 3.0 * half, z - 16.0, z - 10.0, {220, 30, 30});
    }
    scene.Add(main);
    scene.Add(CBuildingPainter::Block(x1, m + 0.2, w - m, h - m - 0.2, 0.0, 3 * style.storey, style,
                                      seed + 1, 1));
    scene.Add(CSolid::Cylinder((m + x1) / 2.0, h / 2.0, 0.3, 0.3, z, z + 1.5, 12, {90, 90, 96},
                               {90, 90, 96}));
    return scene;
}

CScene School(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    double m = 0.12;
    scene.SetGround(
        [=](double x, double y) {
            if (x > w * 0.45 && y > h * 0.45 && x < w - m - 0.05 && y < h - m - 0.05) {
                double u = x - w * 0.45;
                double v = y - h * 0.45;
                bool line = u < 0.04 || v < 0.04 || std::fabs(u - (w * 0.55 - m) / 2.0) < 0.02;
                return line ? SRgb{240, 240, 236} : SRgb{196, 104, 72};
            }
            return CGroundPainter::Surface(EArtKind::Lawn, x - std::floor(x), y - std::floor(y),
                                           seed);
        },
        CBuildingPainter::kLotInset);
    SStyle style;
    style.wall = {214, 170, 110};
    style.windowsPerCell = 3;
    style.windowWidth = 0.65;
    double z = 3 * style.storey;
    scene.Add(CBuildingPainter::Block(m, m, w - m, h * 0.4, 0.0, z, style, seed));
    scene.Add(CBuildingPainter::Block(m, h * 0.4, w * 0.4, h - m, 0.0, z, style, seed + 1, 1));
    scene.Add(CSolid::Roof(m, m, w - m, h * 0.4, z, 8.0, true, 0.0, {150, 70, 50}, style.wall));
    scene.Add(
        CSolid::Roof(m, h * 0.4, w * 0.4, h - m, z, 8.0, false, 0.0, {150, 70, 50}, style.wall));
    scene.Add(CSolid::Box(w * 0.25, m + 0.1, w * 0.25 + 0.12, m + 0.22, z, z + 20.0,
                          {226, 222, 214}, {180, 60, 50}));
    return scene;
}

CScene AmusementPark(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    Lot(scene, EArtKind::Paved, seed);
    // Big wheel standing in the x-z plane at the back.
    double wx = w * 0.35;
    double wy = 0.35;
    double r = 0.3 * std::min(w, h);
    double hub = r * 45.0 + 8.0;
    std::vector<SVec3> rim;
    for (int i = 0; i < 16; ++i) {
        double a = kTau * (i + 0.5) / 16.0;
        rim.push_back({wx + r * std::cos(a), wy, hub + r * 45.0 * std::sin(a)});
    }
    CSolid wheel = CSolid::Extrude(rim, {0.0, 0.06, 0.0}, {200, 60, 60}, {236, 230, 220});
    for (CSolid::SFace& f : wheel.faces)
        if (f.points.size() > 4) f.color = {110, 170, 220};
    scene.Add(wheel);
    for (double dx : {-0.15, 0.15})
        scene.Add(CSolid::Box(wx + dx - 0.02, wy + 0.07, wx + dx + 0.02, wy + 0.11, 0.0, hub,
                              {200, 200, 200}, {200, 200, 200}));
    // Carousel with a striped tent roof.
    double cx = w * 0.7;
    double cy = h * 0.65;
    scene.Add(
        CSolid::Cylinder(cx, cy, 0.32, 0.32, 0.0, 12.0, 12, {240, 220, 120}, {240, 220, 120}));
    CSolid tent = CSolid::Loft({Ring(cx, cy, 0.36, 0.36, 12.0, 12), {{cx, cy, 30.0}}},
                               {220, 50, 60}, {220, 50, 60});
    for (size_t i = 0; i < tent.faces.size(); ++i)
        if (i % 2) tent.faces[i].color = {244, 240, 230};
    scene.Add(tent);
    for (int i = 0; i < 3; ++i) {
        double x = 0.3 + i * 0.35;
        SRgb c = random.Chance(0.5) ? SRgb{40, 110, 200} : SRgb{230, 170, 20};
        scene.Add(CSolid::Box(x, h - 0.4, x + 0.2, h - 0.25, 0.0, 9.0, c, c.Scaled(0.8)));
    }
    return scene;
}

CScene Garden(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    scene.SetGround(
        [=](double x, double y) {
            double dx = x - w / 2.0;
            double dy = y - h / 2.0;
            if (std::fabs(dx) < 0.07 || std::fabs(dy) < 0.07 || std::hypot(dx, dy) < 0.4)
                return SRgb{206, 190, 150};
            return CGroundPainter::Surface(EArtKind::Grass, x - std::floor(x), y - std::floor(y),
                                           seed);
        },
        CBuildingPainter::kLotInset);
    scene.Add(CSolid::Cylinder(w / 2.0, h / 2.0, 0.26, 0.26, 0.0, 3.0, 12, {190, 186, 176},
                               {80, 150, 210}));
    scene.Add(CSolid::Cylinder(w / 2.0, h / 2.0, 0.05, 0.05, 3.0, 12.0, 6, {190, 186, 176},
                               {150, 200, 240}));
    for (int i = 0; i < w; ++i)
        for (int j = 0; j < h; ++j)
            for (double ox : {0.22, 0.78})
                for (double oy : {0.22, 0.78}) {
                    double x = i + ox;
                    double y = j + oy;
                    if (std::hypot(x - w / 2.0, y - h / 2.0) < 0.55) continue;
                    CBuildingPainter::AddTree(
                        scene, x, y, 0.8, seed + i * 31 + j * 7 + static_cast<uint64_t>(ox * 10));
                }
    return scene;
}

CScene ExpoPavilion(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    Lot(scene, EArtKind::Plaza, seed);
    double cx = w * 0.45;
    double cy = h * 0.55;
    double r = 0.34 * std::min(w, h);
    scene.Add(CSolid::Cylinder(cx, cy, r, r, 0.0, 8.0, 16, {230, 232, 236}, {230, 232, 236}));
    scene.Add(CSolid::Dome(cx, cy, r, r, 8.0, r * 50.0, 16, {200, 214, 230}));
    double tx = w - 0.35;
    double ty = 0.35;
    double top = 50.0 + 30.0 * std::min(w, h);
    scene.Add(CSolid::Cylinder(tx, ty, 0.05, 0.05, 0.0, top, 6, {220, 220, 226}, {220, 220, 226}));
    scene.Add(CSolid::Dome(tx, ty, 0.16, 0.16, top - 12.0, 12.0, 10, {230, 170, 40}));
    scene.Add(CSolid::Dome(tx, ty, 0.16, 0.16, top, 12.0, 10, {240, 190, 60}));
    const SRgb flags[] = {{210, 40, 40}, {40, 110, 200}, {30, 150, 80}, {230, 170, 20}};
    for (int i = 0; i < 4; ++i) AddFlag(scene, 0.2 + i * (w - 0.5) / 4.0, h - 0.2, 0.0, flags[i]);
    return scene;
}

CScene ObservationTower(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    Lot(scene, EArtKind::Plaza, seed);
    double cx = w / 2.0;
    double cy = h / 2.0;
    double height = 110.0 + 50.0 * std::min(w, h);
    double base = 0.18 + 0.06 * std::min(w, h);
    scene.Add(CSolid::Loft({Ring(cx, cy, base, base, 0.0, 8), Ring(cx, cy, 0.06, 0.06, height, 8)},
                           {226, 226, 230}, {226, 226, 230}));
    double pod = height * 0.78;
    CSolid deck =
        CSolid::Cylinder(cx, cy, 0.24, 0.24, pod, pod + 14.0, 12, {70, 110, 150}, {200, 200, 206});
    for (CSolid::SFace& f : deck.faces)
        if (f.isWall) f.AddWallRect(0.0, 1.0, pod + 4.0, pod + 10.0, {160, 210, 240});
    scene.Add(deck);
    scene.Add(CSolid::Box(cx - 0.015, cy - 0.015, cx + 0.015, cy + 0.015, height, height + 30.0,
                          {220, 60, 50}, {220, 60, 50}));
    return scene;
}

CScene ConventionCentre(int w, int h, uint64_t seed) {
    CScene scene(w, h);
    Lot(scene, EArtKind::Plaza, seed);
    double m = 0.16;
    SStyle style;
    style.wall = {120, 170, 210};
    style.glass = {180, 220, 240};
    style.ribbon = true;
    style.windowsPerCell = 4;
    style.storey = 9.0;
    double y1 = h - 0.5;
    scene.Add(CBuildingPainter::Block(m, m, w - m, y1, 0.0, 27.0, style, seed));
    // A barrel roof along x.
    std::vector<SVec3> arc;
    double ym = (m + y1) / 2.0;
    double half = (y1 - m) / 2.0;
    for (int i = 0; i <= 8; ++i) {
        double a = 3.14159265 * i / 8.0;
        arc.push_back({m, ym - half * std::cos(a), 27.0 + 22.0 * std::sin(a)});
    }
    scene.Add(CSolid::Extrude(arc, {w - 2 * m, 0.0, 0.0}, {236, 236, 240}, {210, 210, 216}));
    return scene;
}

// Two towers on a podium joined by a bridge; the crooked partner leans its
// towers and misses the bridge's level.
CScene Towers(int w, int h, uint64_t seed, bool crooked) {
    CArtRandom random(seed);
    CScene scene(w, h);
    Lot(scene, EArtKind::Plaza, seed);
    SStyle style;
    style.wall = crooked ? SRgb{150, 120, 90} : SRgb{180, 186, 196};
    style.glass = crooked ? SRgb{120, 110, 70} : SRgb{90, 140, 200};
    style.ribbon = true;
    style.windowsPerCell = 4;
    double m = 0.12;
    scene.Add(CBuildingPainter::Block(m, m, w - m, h - m, 0.0, 20.0, style, seed));
    double tw = (w - 2 * m) * 0.3;
    double ty0 = h * 0.3;
    double ty1 = h * 0.7;
    double height = 20.0 + (12 + 6 * std::min(w, h)) * style.storey;
    for (int i = 0; i < 2; ++i) {
        double x0 = i == 0 ? m + 0.08 : w - m - 0.08 - tw;
        double x1 = x0 + tw;
        double lean = crooked ? (i == 0 ? -0.25 : 0.18) * std::min(w, h) : 0.0;
        double top = crooked && i == 1 ? height * 0.8 : height;
        std::vector<SVec3> low = {
            {x0, ty0, 20.0}, {x1, ty0, 20.0}, {x1, ty1, 20.0}, {x0, ty1, 20.0}};
        std::vector<SVec3> high;
        for (const SVec3& p : low) high.push_back({p.x + lean, p.y, top});
        CSolid tower = CSolid::Loft({low, high}, style.wall, style.wall.Scaled(0.8));
        // Bands of glass every other storey.
        for (CSolid::SFace& f : tower.faces) {
            if (f.points.size() != 4 || f.points[0].z == f.points[2].z) continue;
            for (double z = 26.0; z < top - 6.0; z += 2 * style.storey) {
                auto at = [&](const SVec3& a, const SVec3& b, double zz) {
                    double t = (zz - a.z) / (b.z - a.z);
                    return a + (b - a) * t;
                };
                const std::vector<SVec3>& p = f.points;
                // p: two bottom points and two top points in some order.
                std::vector<SVec3> bottom, upper;
                for (const SVec3& q : p) (q.z < 21.0 ? bottom : upper).push_back(q);
                if (bottom.size() != 2 || upper.size() != 2) continue;
                auto match = [&](const SVec3& b) {
                    return std::fabs(upper[0].y - b.y) < 1e-9 &&
                                   std::fabs(upper[0].x - lean - b.x) < 1e-9
                               ? upper[0]
                               : upper[1];
                };
                SVec3 t0 = match(bottom[0]);
                SVec3 t1 = match(bottom[1]);
                f.decals.push_back({{at(bottom[0], t0, z), at(bottom[1], t1, z),
                                     at(bottom[1], t1, z + 5.0), at(bottom[0], t0, z + 5.0)},
                                    style.glass,
                                    true});
            }
        }
        scene.Add(tower);
    }
    double bz = height * 0.6;
    double bx0 = m + 0.08 + tw;
    double bx1 = w - m - 0.08 - tw;
    if (crooked) {
        scene.Add(CSolid::Loft({{{bx0 - 0.1, h / 2 - 0.08, bz},
                                 {bx1 + 0.05, h / 2 - 0.08, bz - 26.0},
                                 {bx1 + 0.05, h / 2 + 0.08, bz - 26.0},
                                 {bx0 - 0.1, h / 2 + 0.08, bz}},
                                {{bx0 - 0.1, h / 2 - 0.08, bz + 7.0},
                                 {bx1 + 0.05, h / 2 - 0.08, bz - 19.0},
                                 {bx1 + 0.05, h / 2 + 0.08, bz - 19.0},
                                 {bx0 - 0.1, h / 2 + 0.08, bz + 7.0}}},
                               {170, 130, 90}, {170, 130, 90}));
    } else {
        scene.Add(CSolid::Box(bx0, h / 2 - 0.08, bx1, h / 2 + 0.08, bz, bz + 7.0, {200, 206, 216},
                              {200, 206, 216}));
    }
    (void)random;
    return scene;
}

}  // namespace

CScene CLandmarkPainter::Scene(EArtKind kind, int w, int h, uint64_t seed) {
    switch (kind) {
        case EArtKind::HeadOffice:
            return HeadOffice(w, h, seed);
        case EArtKind::BranchOffice:
            return BranchOffice(w, h, seed);
        case EArtKind::CityHall:
            return CityHall(w, h, seed);
        case EArtKind::Monument:
            return Monument(w, h, seed);
        case EArtKind::Ballpark:
            return Ballpark(w, h, seed);
        case EArtKind::FootballStadium:
            return FootballStadium(w, h, seed);
        case EArtKind::ChemicalPlant:
            return ChemicalPlant(w, h, seed);
        case EArtKind::WastePlant:
            return WastePlant(w, h, seed);
        case EArtKind::FuelDepot:
            return FuelDepot(w, h, seed);
        case EArtKind::Cinema:
            return Cinema(w, h, seed);
        case EArtKind::Hospital:
            return Hospital(w, h, seed);
        case EArtKind::School:
            return School(w, h, seed);
        case EArtKind::AmusementPark:
            return AmusementPark(w, h, seed);
        case EArtKind::Garden:
            return Garden(w, h, seed);
        case EArtKind::ExpoPavilion:
            return ExpoPavilion(w, h, seed);
        case EArtKind::ObservationTower:
            return ObservationTower(w, h, seed);
        case EArtKind::ConventionCentre:
            return ConventionCentre(w, h, seed);
        case EArtKind::TwinTowers:
            return Towers(w, h, seed, false);
        default:
            return Towers(w, h, seed, true);
    }
}
