#include "tools/mkdata/BuildingPainter.h"

#include <algorithm>
#include <cmath>

#include "tools/mkdata/ArtRandom.h"
#include "tools/mkdata/GroundPainter.h"

namespace {

using SStyle = CBuildingPainter::SStyle;

// Pixels along the ground of one cell's edge.
constexpr double kCellPixels = 36.0;

const SRgb kPlaster[] = {{228, 216, 186}, {234, 232, 222}, {230, 206, 142},
                         {180, 198, 214}, {214, 186, 168}, {198, 214, 180}};
const SRgb kBrick[] = {{168, 80, 58}, {130, 62, 48}, {186, 112, 72}};
const SRgb kTiles[] = {{178, 78, 48}, {92, 90, 118}, {126, 84, 54}, {96, 150, 130}};
const SRgb kAccent[] = {{210, 40, 40},  {40, 110, 200}, {30, 150, 80},
                        {230, 170, 20}, {150, 60, 170}, {230, 110, 30}};

template <size_t N>
SRgb Pick(const SRgb (&options)[N], CArtRandom& random) {
    return options[random.Below(static_cast<int>(N))];
}

int WallSide(const CSolid::SFace& f) {
    SVec3 d = f.wallRight - f.wallLeft;
    double nx = d.y;
    double ny = -d.x;
    if (std::fabs(ny) >= std::fabs(nx)) return ny > 0 ? 0 : 2;
    return nx > 0 ? 1 : 3;
}

void AddDoor(CSolid::SFace& f, const SStyle& style, double storey) {
    double half = 3.0 / (f.WallLength() * kCellPixels);
    f.AddWallRect(0.5 - half, 0.5 + half, f.z0, f.z0 + std::min(storey * 0.85, 10.0), style.door);
}

void AddWindows(CSolid::SFace& f, const SStyle& style, uint64_t seed, bool entrance) {
    double length = f.WallLength();
    int cols = std::max(1, static_cast<int>(std::lround(length * style.windowsPerCell)));
    int floors = std::max(1, static_cast<int>(std::floor((f.z1 - f.z0) / style.storey)));
    double storey = (f.z1 - f.z0) / floors;
    int side = WallSide(f);
    for (int k = 0; k < floors && !style.blind; ++k) {
        double za = f.z0 + k * storey + storey * (1.0 - style.windowHeight) * 0.6;
        double zb = za + storey * style.windowHeight;
        if (k == 0 && style.shopfront) {
            f.AddWallRect(0.06, 0.94, f.z0 + 1.0, f.z0 + storey * 0.8, style.glass.Scaled(1.3));
            continue;
        }
        if (style.ribbon) f.AddWallRect(0.0, 1.0, za, zb, style.glass);
        for (int c = 0; c < cols; ++c) {
            double lit = CArtRandom::Hash(k * 97 + c, side, seed);
            double s0 = (c + (1.0 - style.windowWidth) / 2.0) / cols;
            double s1 = s0 + style.windowWidth / cols;
            if (lit < style.litShare) {
                f.AddWallRect(s0, s1, za, zb, style.lit, false);
            } else if (!style.ribbon) {
                f.AddWallRect(s0, s1, za, zb, style.glass);
            }
        }
    }
    if (entrance) AddDoor(f, style, storey);
}

// A thin slab on top of a flat roof leaves a rim, the way a parapet looks.
void AddRoofCap(CScene& scene, double x0, double y0, double x1, double y1, double z,
                const SRgb& roof) {
    scene.Add(CSolid::Box(x0 + 0.04, y0 + 0.04, x1 - 0.04, y1 - 0.04, z, z + 1.5, roof.Scaled(0.85),
                          roof.Scaled(0.85)));
}

void AddRoofBoxes(CScene& scene, double x0, double y0, double x1, double y1, double z,
                  CArtRandom& random) {
    int n = 1 + random.Below(2);
    for (int i = 0; i < n; ++i) {
        double cx = random.Range(x0 + 0.15, std::max(x0 + 0.16, x1 - 0.3));
        double cy = random.Range(y0 + 0.15, std::max(y0 + 0.16, y1 - 0.3));
        scene.Add(CSolid::Box(cx, cy, cx + 0.14, cy + 0.12, z, z + 5.0, {170, 170, 168},
                              {196, 196, 192}));
    }
}

void AddChimney(CScene& scene, double x, double y, double z0, double z1, const SRgb& c) {
    scene.Add(CSolid::Box(x, y, x + 0.08, y + 0.08, z0, z1, c, c.Scaled(0.7)));
}

void AddSmoke(CScene& scene, double x, double y, double z, const SRgb& c, CArtRandom& random) {
    double r = 0.07;
    for (int i = 0; i < 3; ++i) {
        CSolid puff = CSolid::Dome(x + i * 0.05, y - i * 0.03, r, r, z, r * 60.0, 7, c);
        scene.Add(puff);
        z += random.Range(6.0, 9.0);
        r += 0.025;
    }
}

// Awning or canopy sticking out of the +y wall of a block.
void AddAwning(CScene& scene, double x0, double x1, double y, double z, const SRgb& c) {
    scene.Add(CSolid::Loft(
        {{{x0, y, z}, {x1, y, z}, {x1, y + 0.12, z - 4.0}, {x0, y + 0.12, z - 4.0}},
         {{x0, y, z + 1.0}, {x1, y, z + 1.0}, {x1, y + 0.12, z - 3.0}, {x0, y + 0.12, z - 3.0}}},
        c, c));
}

double Margin(int w, int h) {
    return std::min(w, h) == 1 ? 0.16 : 0.12;
}

CScene Cottage(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Lawn, seed);
    SStyle style;
    style.wall = Pick(kPlaster, random);
    style.windowsPerCell = 2;
    double m = 0.2;
    double x0 = m, x1 = w - m, y0 = m + 0.06, y1 = h - m - 0.04;
    scene.Add(CBuildingPainter::Block(x0, y0, x1, y1, 0.0, 13.0, style, seed));
    SRgb roof = Pick(kTiles, random);
    scene.Add(CSolid::Roof(x0 - 0.04, y0 - 0.04, x1 + 0.04, y1 + 0.04, 13.0, 13.0, w >= h, 0.0,
                           roof, style.wall));
    AddChimney(scene, x1 - 0.2, (y0 + y1) / 2.0 - 0.15, 16.0, 28.0, {140, 80, 60});
    CBuildingPainter::AddTree(scene, 0.12 + random.Range(0.0, 0.05), h - 0.14, 0.8, seed + 1);
    return scene;
}

CScene House(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Lawn, seed);
    SStyle style;
    style.wall = Pick(kPlaster, random);
    style.windowsPerCell = 2;
    double m = 0.16;
    double x0 = m, x1 = w - m - 0.2, y0 = m, y1 = h - m - 0.08;
    scene.Add(CBuildingPainter::Block(x0, y0, x1, y1, 0.0, 24.0, style, seed));
    SRgb roof = Pick(kTiles, random);
    double hip = std::min(x1 - x0, y1 - y0) * 0.3;
    scene.Add(CSolid::Roof(x0 - 0.04, y0 - 0.04, x1 + 0.04, y1 + 0.04, 24.0, 12.0, w >= h, hip,
                           roof, roof));
    SStyle garage = style;
    garage.blind = true;
    scene.Add(
        CBuildingPainter::Block(x1, y1 - 0.34, w - m + 0.04, y1, 0.0, 10.0, garage, seed, -1));
    CBuildingPainter::AddTree(scene, w - 0.16, 0.2, 0.9, seed + 1);
    return scene;
}

CScene Townhouses(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Paved, seed);
    int n = std::max(2, 3 * w);
    double m = 0.1;
    double width = (w - 2 * m) / n;
    for (int i = 0; i < n; ++i) {
        SStyle style;
        style.wall = i % 2 ? Pick(kPlaster, random) : Pick(kBrick, random);
        style.windowsPerCell = 4;
        double x0 = m + i * width;
        double z = random.Range(24.0, 30.0);
        scene.Add(
            CBuildingPainter::Block(x0, m + 0.1, x0 + width, h - m - 0.1, 0.0, z, style, seed + i));
        scene.Add(CSolid::Roof(x0, m + 0.06, x0 + width, h - m - 0.06, z, 9.0, false, 0.0,
                               Pick(kTiles, random), style.wall));
    }
    return scene;
}

CScene FlatBlock(int w, int h, uint64_t seed, int storeys, const SStyle& style, EArtKind lot) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, lot, seed);
    double m = Margin(w, h);
    double z = storeys * style.storey;
    scene.Add(CBuildingPainter::Block(m, m, w - m, h - m, 0.0, z, style, seed));
    AddRoofCap(scene, m, m, w - m, h - m, z, style.roof);
    AddRoofBoxes(scene, m, m, w - m, h - m, z + 1.5, random);
    return scene;
}

CScene Apartments(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    SStyle style;
    style.wall = random.Chance(0.5) ? Pick(kBrick, random) : Pick(kPlaster, random);
    style.windowsPerCell = 3;
    style.litShare = 0.25;
    int storeys = 3 + std::min(w, h) + random.Below(2);
    CScene scene = FlatBlock(w, h, seed, storeys, style, EArtKind::Lawn);
    CBuildingPainter::AddTree(scene, 0.1, h - 0.1, 0.6, seed + 3);
    return scene;
}

CScene HighRise(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    SStyle style;
    style.wall = Pick(kPlaster, random);
    style.windowsPerCell = 4;
    style.litShare = 0.3;
    int storeys = 6 + 3 * std::min(w, h) + random.Below(3);
    CScene scene = FlatBlock(w, h, seed, storeys, style, EArtKind::Paved);
    double m = Margin(w, h);
    double z = storeys * style.storey + 1.5;
    scene.Add(CSolid::Cylinder(w - m - 0.3, m + 0.25, 0.12, 0.12, z, z + 12.0, 8, {150, 110, 80},
                               {120, 90, 70}));
    return scene;
}

CScene ResidenceTower(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Plaza, seed);
    double m = Margin(w, h);
    SStyle base;
    base.wall = {196, 186, 170};
    base.shopfront = true;
    scene.Add(CBuildingPainter::Block(m, m, w - m, h - m, 0.0, 22.0, base, seed));
    double t = std::min(w, h) * 0.22 + m;
    SStyle tower;
    tower.wall = Pick(kPlaster, random);
    tower.glass = {96, 150, 190};
    tower.ribbon = true;
    tower.windowsPerCell = 4;
    tower.litShare = 0.2;
    double top = 22.0 + (12 + 4 * std::min(w, h)) * tower.storey;
    scene.Add(CBuildingPainter::Block(t, t, w - t, h - t, 22.0, top, tower, seed + 1, -1));
    scene.Add(CSolid::Box(t + 0.05, t + 0.05, w - t - 0.05, h - t - 0.05, top, top + 2.0,
                          {90, 140, 70}, {90, 150, 70}));
    return scene;
}

CScene Shack(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Scrub, seed);
    SStyle style;
    style.wall = random.Chance(0.5) ? SRgb{150, 110, 70} : SRgb{140, 140, 130};
    style.windowsPerCell = 1;
    double x0 = 0.3, x1 = w - 0.28, y0 = 0.32, y1 = h - 0.3;
    scene.Add(CBuildingPainter::Block(x0, y0, x1, y1, 0.0, 9.0, style, seed));
    scene.Add(CSolid::Roof(x0 - 0.05, y0 - 0.05, x1 + 0.05, y1 + 0.05, 9.0, 5.0, true, 0.0,
                           {120, 124, 130}, style.wall));
    scene.Add(CSolid::Box(0.16, h - 0.3, 0.28, h - 0.18, 0.0, 5.0, {160, 120, 70}, {180, 140, 90}));
    return scene;
}

CScene Kiosk(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Paved, seed);
    SStyle style;
    style.wall = Pick(kPlaster, random);
    style.shopfront = true;
    style.glass = {110, 150, 180};
    double x0 = 0.32, x1 = w - 0.32, y0 = 0.34, y1 = h - 0.34;
    scene.Add(CBuildingPainter::Block(x0, y0, x1, y1, 0.0, 11.0, style, seed, -1));
    SRgb accent = Pick(kAccent, random);
    AddAwning(scene, x0, x1, y1, 10.0, accent);
    scene.Add(CSolid::Box(x0, y0 + 0.1, x1, y0 + 0.14, 11.0, 17.0, accent, accent));
    return scene;
}

CScene Workshop(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Paved, seed);
    SStyle style;
    style.wall = {132, 150, 168};
    style.windowsPerCell = 2;
    double x0 = 0.16, x1 = w - 0.16, y0 = 0.2, y1 = h - 0.22;
    CSolid block = CBuildingPainter::Block(x0, y0, x1, y1, 0.0, 16.0, style, seed, -1);
    for (CSolid::SFace& f : block.faces)
        if (f.isWall && WallSide(f) == 0) f.AddWallRect(0.2, 0.6, 0.0, 11.0, {80, 84, 92});
    scene.Add(block);
    scene.Add(CSolid::Roof(x0 - 0.03, y0 - 0.03, x1 + 0.03, y1 + 0.03, 16.0, 6.0, true, 0.0,
                           {110, 114, 122}, style.wall));
    if (random.Chance(0.6)) AddChimney(scene, x1 - 0.2, y0 + 0.1, 18.0, 30.0, {100, 100, 100});
    return scene;
}

CScene Shop(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Paved, seed);
    SStyle style;
    style.wall = random.Chance(0.5) ? Pick(kPlaster, random) : Pick(kBrick, random);
    style.shopfront = true;
    double m = 0.14;
    double z = (2 + random.Below(2)) * style.storey;
    scene.Add(CBuildingPainter::Block(m, m, w - m, h - m, 0.0, z, style, seed, -1));
    AddRoofCap(scene, m, m, w - m, h - m, z, style.roof);
    AddAwning(scene, m + 0.04, w - m - 0.04, h - m, 9.0, Pick(kAccent, random));
    return scene;
}

CScene Restaurant(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Plaza, seed);
    SStyle style;
    style.wall = Pick(kPlaster, random);
    style.windowsPerCell = 2;
    style.litShare = 0.6;
    double x0 = 0.16, x1 = w - 0.16, y0 = 0.16, y1 = h - 0.42;
    scene.Add(CBuildingPainter::Block(x0, y0, x1, y1, 0.0, 14.0, style, seed));
    SRgb roof = Pick(kTiles, random);
    scene.Add(CSolid::Roof(x0 - 0.04, y0 - 0.04, x1 + 0.04, y1 + 0.04, 14.0, 10.0, true, 0.2, roof,
                           roof));
    SRgb umbrella = Pick(kAccent, random);
    for (double x : {0.3, w - 0.3}) {
        double y = h - 0.2;
        scene.Add(CSolid::Box(x - 0.01, y - 0.01, x + 0.01, y + 0.01, 0.0, 9.0, {200, 200, 200},
                              {200, 200, 200}));
        std::vector<SVec3> ring;
        for (int i = 0; i < 6; ++i) {
            double a = 6.2831853 * (i + 0.5) / 6.0;
            ring.push_back({x + 0.13 * std::cos(a), y + 0.13 * std::sin(a), 8.0});
        }
        scene.Add(CSolid::Loft({ring, {{x, y, 12.0}}}, umbrella, umbrella));
    }
    return scene;
}

SRgb Parking(double x, double y, uint64_t seed) {
    double fx = x * 5.0 - std::floor(x * 5.0);
    double edge = std::min(std::min(x, y), 1.0);
    (void)edge;
    if (fx < 0.06 && std::fmod(y, 1.0) > 0.55) return {226, 226, 220};
    return CGroundPainter::Surface(EArtKind::Motorway, x, y, seed);
}

CScene Supermarket(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    scene.SetGround([seed](double x, double y) { return Parking(x, y, seed); },
                    CBuildingPainter::kLotInset);
    SStyle style;
    style.wall = Pick(kPlaster, random);
    style.shopfront = true;
    style.blind = false;
    style.windowsPerCell = 0;
    double m = 0.12;
    double y1 = h * 0.6;
    scene.Add(CBuildingPainter::Block(m, m, w - m, y1, 0.0, 20.0, style, seed));
    SRgb accent = Pick(kAccent, random);
    scene.Add(CSolid::Box(m, y1 - 0.04, w - m, y1, 20.0, 27.0, accent, accent));
    AddRoofCap(scene, m, m, w - m, y1, 20.0, style.roof);
    AddRoofBoxes(scene, m, m, w - m, y1, 21.5, random);
    return scene;
}

CScene DepartmentStore(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Plaza, seed);
    SStyle style;
    style.wall = {210, 190, 150};
    style.shopfront = true;
    style.windowsPerCell = 3;
    style.litShare = 0.35;
    double m = Margin(w, h);
    double z = (4 + std::min(w, h)) * style.storey;
    CSolid block = CBuildingPainter::Block(m, m, w - m, h - m, 0.0, z, style, seed);
    SRgb accent = Pick(kAccent, random);
    for (CSolid::SFace& f : block.faces) {
        if (!f.isWall) continue;
        CBuildingPainter::Spaced(f, 2, [&](double s, int) {
            f.AddWallRect(s - 0.02, s + 0.02, style.storey * 1.4, z - 6.0, accent);
        });
    }
    scene.Add(block);
    double t = m + 0.2;
    scene.Add(
        CBuildingPainter::Block(t, t, w - t, h - t, z, z + 2 * style.storey, style, seed + 1, -1));
    AddRoofCap(scene, t, t, w - t, h - t, z + 2 * style.storey, style.roof);
    return scene;
}

CScene Mall(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    scene.SetGround([seed](double x, double y) { return Parking(x, y, seed); },
                    CBuildingPainter::kLotInset);
    SStyle style;
    style.wall = Pick(kPlaster, random);
    style.shopfront = true;
    style.windowsPerCell = 0;
    double m = 0.14;
    double mid = h * 0.55;
    scene.Add(CBuildingPainter::Block(m, m, w * 0.42, mid, 0.0, 26.0, style, seed));
    scene.Add(CBuildingPainter::Block(w * 0.58, m, w - m, mid, 0.0, 26.0, style, seed + 1));
    scene.Add(CBuildingPainter::Block(w * 0.42, m, w * 0.58, mid, 0.0, 20.0, style, seed + 2));
    scene.Add(CSolid::Roof(w * 0.42, m, w * 0.58, mid, 20.0, 16.0, false, 0.0, {120, 180, 220},
                           {120, 180, 220}));
    SRgb accent = Pick(kAccent, random);
    scene.Add(CSolid::Box(m, mid - 0.04, w * 0.42, mid, 26.0, 32.0, accent, accent));
    scene.Add(CSolid::Box(w * 0.58, mid - 0.04, w - m, mid, 26.0, 32.0, accent, accent));
    AddRoofBoxes(scene, m, m, w * 0.42, mid, 26.0, random);
    AddRoofBoxes(scene, w * 0.58, m, w - m, mid, 26.0, random);
    return scene;
}

CScene Office(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    SStyle style;
    style.wall = random.Chance(0.5) ? SRgb{184, 180, 172} : Pick(kPlaster, random);
    style.glass = {60, 100, 150};
    style.ribbon = true;
    style.windowsPerCell = 4;
    return FlatBlock(w, h, seed, 4 + 2 * std::min(w, h) + random.Below(2), style, EArtKind::Paved);
}

CScene OfficeTower(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Plaza, seed);
    SStyle style;
    style.wall = {70, 96, 130};
    style.glass = {110, 160, 210};
    style.ribbon = true;
    style.windowsPerCell = 4;
    style.litShare = 0.1;
    double m = Margin(w, h);
    double z = (8 + 3 * std::min(w, h) + random.Below(3)) * style.storey;
    scene.Add(CBuildingPainter::Block(m, m, w - m, h - m, 0.0, z, style, seed));
    double t = m + 0.12 * std::min(w, h);
    scene.Add(
        CBuildingPainter::Block(t, t, w - t, h - t, z, z + 2 * style.storey, style, seed + 1, -1));
    double top = z + 2 * style.storey;
    double c = w / 2.0;
    scene.Add(CSolid::Box(c - 0.02, h / 2.0 - 0.02, c + 0.02, h / 2.0 + 0.02, top, top + 24.0,
                          {200, 200, 200}, {200, 200, 200}));
    return scene;
}

CScene Skyscraper(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Plaza, seed);
    SStyle style;
    style.wall = random.Chance(0.5) ? SRgb{60, 70, 84} : SRgb{150, 140, 120};
    style.glass = {120, 176, 220};
    style.ribbon = true;
    style.windowsPerCell = 4;
    style.litShare = 0.12;
    double m = Margin(w, h);
    double z0 = 4 * style.storey;
    SStyle base = style;
    base.shopfront = true;
    scene.Add(CBuildingPainter::Block(m, m, w - m, h - m, 0.0, z0, base, seed));
    double t = m + 0.12 * std::min(w, h);
    double z1 = z0 + (14 + 3 * std::min(w, h)) * style.storey;
    scene.Add(CBuildingPainter::Block(t, t, w - t, h - t, z0, z1, style, seed + 1, -1));
    double t2 = t + 0.1 * std::min(w, h);
    double z2 = z1 + 4 * style.storey;
    scene.Add(CBuildingPainter::Block(t2, t2, w - t2, h - t2, z1, z2, style, seed + 2, -1));
    double cx = w / 2.0;
    double cy = h / 2.0;
    double r = (w - 2 * t2) * 0.3;
    scene.Add(CSolid::Loft(
        {{{cx - r, cy - r, z2}, {cx + r, cy - r, z2}, {cx + r, cy + r, z2}, {cx - r, cy + r, z2}},
         {{cx, cy, z2 + 40.0}}},
        {200, 204, 210}, {200, 204, 210}));
    return scene;
}

CScene Hotel(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    SStyle style;
    style.wall = Pick(kPlaster, random);
    style.windowsPerCell = 4;
    style.litShare = 0.45;
    double m = Margin(w, h);
    int storeys = 6 + 2 * std::min(w, h) + random.Below(2);
    CScene scene = FlatBlock(w, h, seed, storeys, style, EArtKind::Plaza);
    double z = storeys * style.storey;
    SRgb sign = Pick(kAccent, random);
    scene.Add(CSolid::Box(m + 0.2, h / 2.0 - 0.02, w - m - 0.2, h / 2.0 + 0.02, z + 1.5, z + 10.0,
                          sign, sign));
    AddAwning(scene, w / 2.0 - 0.3, w / 2.0 + 0.3, h - m, 10.0, {230, 220, 200});
    return scene;
}

CScene Resort(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    scene.SetGround(
        [seed, w](double x, double y) {
            if (x > w * 0.45 && x < w - 0.3 && y > 0.35 * w && y < 0.75 * w)
                return SRgb{60, 170, 210};
            return CGroundPainter::Surface(EArtKind::Lawn, x, y, seed);
        },
        CBuildingPainter::kLotInset);
    SStyle style;
    style.wall = {240, 236, 226};
    style.windowsPerCell = 3;
    style.litShare = 0.4;
    double m = 0.14;
    scene.Add(CBuildingPainter::Block(m, m, w - m, 0.3 * h, 0.0, 5 * style.storey, style, seed));
    scene.Add(CBuildingPainter::Block(m, 0.3 * h, 0.38 * w, h - m, 0.0, 4 * style.storey, style,
                                      seed + 1, 1));
    scene.Add(CSolid::Roof(m, m, w - m, 0.3 * h, 5 * style.storey, 10.0, true, 0.2, {178, 78, 48},
                           {178, 78, 48}));
    scene.Add(CSolid::Roof(m, 0.3 * h, 0.38 * w, h - m, 4 * style.storey, 10.0, false, 0.2,
                           {178, 78, 48}, {178, 78, 48}));
    for (int i = 0; i < 3; ++i)
        CBuildingPainter::AddTree(scene, w * 0.5 + i * 0.5, h - 0.18, 1.0, seed + 7 + i);
    return scene;
}

CScene Factory(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Paved, seed);
    SStyle style;
    style.wall = Pick(kBrick, random);
    style.windowsPerCell = 3;
    double m = 0.14;
    double z = 22.0;
    scene.Add(CBuildingPainter::Block(m, m, w - m - 0.2, h - m, 0.0, z, style, seed));
    int sheds = std::max(2, 2 * h);
    double depth = (h - 2 * m) / sheds;
    for (int i = 0; i < sheds; ++i)
        scene.Add(CSolid::Roof(m, m + i * depth, w - m - 0.2, m + (i + 1) * depth, z, 9.0, true,
                               0.0, {120, 124, 130}, {150, 170, 190}));
    double cx = w - m - 0.12;
    scene.Add(CSolid::Cylinder(cx, m + 0.2, 0.09, 0.09, 0.0, 70.0 + 10.0 * w, 8, {150, 70, 54},
                               {60, 60, 60}));
    AddSmoke(scene, cx, m + 0.2, 72.0 + 10.0 * w, {200, 200, 200}, random);
    return scene;
}

CScene Warehouse(int w, int h, uint64_t seed) {
    CArtRandom random(seed);
    CScene scene(w, h);
    CBuildingPainter::SetLot(scene, EArtKind::Motorway, seed);
    SStyle style;
    style.wall = random.Chance(0.5) ? SRgb{176, 184, 192} : SRgb{196, 176, 140};
    style.blind = true;
    double m = 0.12;
    double z = 24.0;
    CSolid block = CBuildingPainter::Block(m, m, w - m, h - m - 0.2, 0.0, z, style, seed, -1);
    for (CSolid::SFace& f : block.faces) {
        if (!f.isWall) continue;
        CBuildingPainter::Spaced(f, 1, [&](double s, int doors) {
            f.AddWallRect(s - 0.12 / doors, s + 0.12 / doors, 0.0, 13.0, {96, 100, 108});
        });
        f.AddWallRect(0.0, 1.0, z - 4.0, z - 2.0, {140, 60, 50});
    }
    scene.Add(block);
    scene.Add(
        CSolid::Roof(m, m, w - m, h - m - 0.2, z, 7.0, true, 0.0, {140, 146, 154}, style.wall));
    return scene;
}

}  // namespace

bool CBuildingPainter::Draws(EArtKind kind) {
    switch (kind) {
        case EArtKind::Cottage:
        case EArtKind::House:
        case EArtKind::Townhouses:
        case EArtKind::Apartments:
        case EArtKind::HighRise:
        case EArtKind::ResidenceTower:
        case EArtKind::Shack:
        case EArtKind::Kiosk:
        case EArtKind::Workshop:
        case EArtKind::Shop:
        case EArtKind::Restaurant:
        case EArtKind::Supermarket:
        case EArtKind::DepartmentStore:
        case EArtKind::Mall:
        case EArtKind::Office:
        case EArtKind::OfficeTower:
        case EArtKind::Skyscraper:
        case EArtKind::Hotel:
        case EArtKind::Resort:
        case EArtKind::Factory:
        case EArtKind::Warehouse:
            return true;
        default:
            return false;
    }
}

CScene CBuildingPainter::Scene(EArtKind kind, int w, int h, uint64_t seed) {
    switch (kind) {
        case EArtKind::Cottage:
            return Cottage(w, h, seed);
        case EArtKind::House:
            return House(w, h, seed);
        case EArtKind::Townhouses:
            return Townhouses(w, h, seed);
        case EArtKind::Apartments:
            return Apartments(w, h, seed);
        case EArtKind::HighRise:
            return HighRise(w, h, seed);
        case EArtKind::ResidenceTower:
            return ResidenceTower(w, h, seed);
        case EArtKind::Shack:
            return Shack(w, h, seed);
        case EArtKind::Kiosk:
            return Kiosk(w, h, seed);
        case EArtKind::Workshop:
            return Workshop(w, h, seed);
        case EArtKind::Shop:
            return Shop(w, h, seed);
        case EArtKind::Restaurant:
            return Restaurant(w, h, seed);
        case EArtKind::Supermarket:
            return Supermarket(w, h, seed);
        case EArtKind::DepartmentStore:
            return DepartmentStore(w, h, seed);
        case EArtKind::Mall:
            return Mall(w, h, seed);
        case EArtKind::Office:
            return Office(w, h, seed);
        case EArtKind::OfficeTower:
            return OfficeTower(w, h, seed);
        case EArtKind::Skyscraper:
            return Skyscraper(w, h, seed);
        case EArtKind::Hotel:
            return Hotel(w, h, seed);
        case EArtKind::Resort:
            return Resort(w, h, seed);
        case EArtKind::Factory:
            return Factory(w, h, seed);
        default:
            return Warehouse(w, h, seed);
    }
}

CSolid CBuildingPainter::Block(double x0, double y0, double x1, double y1, double z0, double z1,
                               const SStyle& style, uint64_t seed, int entrance) {
    CSolid block = CSolid::Box(x0, y0, x1, y1, z0, z1, style.wall, style.roof);
    for (CSolid::SFace& f : block.faces)
        if (f.isWall) AddWindows(f, style, seed, WallSide(f) == entrance && z0 == 0.0);
    return block;
}

void CBuildingPainter::SetLot(CScene& scene, EArtKind surface, uint64_t seed) {
    scene.SetGround(
        [surface, seed](double x, double y) {
            return CGroundPainter::Surface(surface, x - std::floor(x), y - std::floor(y), seed);
        },
        kLotInset);
}

void CBuildingPainter::AddTree(CScene& scene, double x, double y, double size, uint64_t seed) {
    CArtRandom random(seed);
    double trunk = 5.0 * size;
    scene.Add(CSolid::Box(x - 0.02, y - 0.02, x + 0.02, y + 0.02, 0.0, trunk + 2.0, {96, 66, 40},
                          {96, 66, 40}));
    double r = 0.12 * size;
    scene.Add(CSolid::Dome(x, y, r, r, trunk, random.Range(14.0, 18.0) * size, 7,
                           random.Chance(0.5) ? SRgb{70, 126, 48} : SRgb{96, 140, 52}));
}
