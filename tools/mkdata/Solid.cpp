#include "tools/mkdata/Solid.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;

SVec3 Normal(const std::vector<SVec3>& p) {
    SVec3 n;
    // Newell's method: robust for faces with more than three points.
    for (size_t i = 0; i < p.size(); ++i) {
        const SVec3& a = p[i];
        const SVec3& b = p[(i + 1) % p.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

SVec3 Mean(const std::vector<SVec3>& p) {
    SVec3 m;
    for (const SVec3& q : p) m = m + q;
    return m * (1.0 / static_cast<double>(p.size()));
}
}  // namespace

SVec3 CSolid::SFace::WallPoint(double s, double z) const {
    SVec3 p = wallLeft + (wallRight - wallLeft) * s;
    p.z = z;
    return p;
}

double CSolid::SFace::WallLength() const {
    SVec3 d = wallRight - wallLeft;
    return std::sqrt(d.x * d.x + d.y * d.y);
}

void CSolid::SFace::AddWallRect(double s0, double s1, double za, double zb, const SRgb& c,
                                bool litBySun) {
    decals.push_back({{WallPoint(s0, za), WallPoint(s1, za), WallPoint(s1, zb), WallPoint(s0, zb)},
                      c,
                      litBySun});
}

CSolid CSolid::Prism(const std::vector<SPointF>& outline, double z0, double z1, const SRgb& wall,
                     const SRgb& top) {
    CSolid s;
    size_t n = outline.size();
    for (size_t i = 0; i < n; ++i) {
        const SPointF& a = outline[i];
        const SPointF& b = outline[(i + 1) % n];
        SFace f;
        f.points = {{a.x, a.y, z0}, {b.x, b.y, z0}, {b.x, b.y, z1}, {a.x, a.y, z1}};
        f.color = wall;
        f.isWall = true;
        // Counter-clockwise outline: the outside is on the right of a -> b,
        // so a is on the left for someone looking at the wall from outside.
        f.wallLeft = {a.x, a.y, z0};
        f.wallRight = {b.x, b.y, z0};
        f.z0 = z0;
        f.z1 = z1;
        s.faces.push_back(f);
    }
    SFace cap;
    cap.color = top;
    for (const SPointF& p : outline) cap.points.push_back({p.x, p.y, z1});
    s.faces.push_back(cap);
    s.Orient();
    return s;
}

CSolid CSolid::Box(double x0, double y0, double x1, double y1, double z0, double z1,
                   const SRgb& wall, const SRgb& top) {
    return Prism({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, z0, z1, wall, top);
}

CSolid CSolid::Cylinder(double cx, double cy, double rx, double ry, double z0, double z1, int sides,
                        const SRgb& wall, const SRgb& top) {
    std::vector<SPointF> outline;
    for (int i = 0; i < sides; ++i) {
        double a = 2.0 * kPi * (i + 0.5) / sides;
        outline.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return Prism(outline, z0, z1, wall, top);
}

CSolid CSolid::Loft(const std::vector<std::vector<SVec3>>& rings, const SRgb& side,
                    const SRgb& top) {
    CSolid s;
    for (size_t r = 0; r + 1 < rings.size(); ++r) {
        const std::vector<SVec3>& lo = rings[r];
        const std::vector<SVec3>& hi = rings[r + 1];
        size_t n = lo.size();
        for (size_t i = 0; i < n; ++i) {
            SFace f;
            f.color = side;
            if (hi.size() == 1) {
                f.points = {lo[i], lo[(i + 1) % n], hi[0]};
            } else {
                f.points = {lo[i], lo[(i + 1) % n], hi[(i + 1) % n], hi[i]};
            }
            s.faces.push_back(f);
        }
    }
    if (rings.back().size() > 2) s.faces.push_back({rings.back(), top, {}});
    s.Orient();
    return s;
}

CSolid CSolid::Extrude(const std::vector<SVec3>& polygon, const SVec3& depth, const SRgb& side,
                       const SRgb& face) {
    CSolid s;
    size_t n = polygon.size();
    SFace front{polygon, face, {}};
    SFace back{{}, face, {}};
    for (const SVec3& p : polygon) back.points.push_back(p + depth);
    s.faces.push_back(front);
    s.faces.push_back(back);
    for (size_t i = 0; i < n; ++i) {
        const SVec3& a = polygon[i];
        const SVec3& b = polygon[(i + 1) % n];
        s.faces.push_back({{a, b, b + depth, a + depth}, side, {}});
    }
    s.Orient();
    return s;
}

CSolid CSolid::Dome(double cx, double cy, double rx, double ry, double z0, double height, int sides,
                    const SRgb& color) {
    std::vector<std::vector<SVec3>> rings;
    const int steps = 4;
    for (int k = 0; k < steps; ++k) {
        double a = (kPi / 2.0) * k / steps;
        std::vector<SVec3> ring;
        for (int i = 0; i < sides; ++i) {
            double t = 2.0 * kPi * (i + 0.5) / sides;
            ring.push_back({cx + rx * std::cos(a) * std::cos(t),
                            cy + ry * std::cos(a) * std::sin(t), z0 + height * std::sin(a)});
        }
        rings.push_back(ring);
    }
    rings.push_back({{cx, cy, z0 + height}});
    return Loft(rings, color, color);
}

CSolid CSolid::Roof(double x0, double y0, double x1, double y1, double z0, double height,
                    bool ridgeAlongX, double hip, const SRgb& roof, const SRgb& gable) {
    CSolid s;
    SVec3 a{x0, y0, z0}, b{x1, y0, z0}, c{x1, y1, z0}, d{x0, y1, z0};
    double zr = z0 + height;
    SVec3 r0, r1;
    if (ridgeAlongX) {
        double ym = (y0 + y1) / 2.0;
        r0 = {x0 + hip, ym, zr};
        r1 = {x1 - hip, ym, zr};
        s.faces.push_back({{a, b, r1, r0}, roof, {}});
        s.faces.push_back({{c, d, r0, r1}, roof, {}});
        s.faces.push_back({{d, a, r0}, hip > 0.0 ? roof : gable, {}});
        s.faces.push_back({{b, c, r1}, hip > 0.0 ? roof : gable, {}});
    } else {
        double xm = (x0 + x1) / 2.0;
        r0 = {xm, y0 + hip, zr};
        r1 = {xm, y1 - hip, zr};
        s.faces.push_back({{b, c, r1, r0}, roof, {}});
        s.faces.push_back({{d, a, r0, r1}, roof, {}});
        s.faces.push_back({{a, b, r0}, hip > 0.0 ? roof : gable, {}});
        s.faces.push_back({{c, d, r1}, hip > 0.0 ? roof : gable, {}});
    }
    s.Orient();
    return s;
}

CSolid CSolid::Flat(const std::vector<SPointF>& outline, double z, const SRgb& c) {
    CSolid s;
    s.layer = 0;
    SFace f;
    f.color = c;
    for (const SPointF& p : outline) f.points.push_back({p.x, p.y, z});
    if (Normal(f.points).z < 0.0) std::reverse(f.points.begin(), f.points.end());
    s.faces.push_back(f);
    return s;
}

SVec3 CSolid::Center() const {
    SVec3 lo = faces.front().points.front();
    SVec3 hi = lo;
    for (const SFace& f : faces) {
        for (const SVec3& p : f.points) {
            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
            hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
        }
    }
    return (lo + hi) * 0.5;
}

double CSolid::MinZ() const {
    double z = faces.front().points.front().z;
    for (const SFace& f : faces)
        for (const SVec3& p : f.points) z = std::min(z, p.z);
    return z;
}

void CSolid::Orient() {
    std::vector<SVec3> all;
    for (const SFace& f : faces) all.insert(all.end(), f.points.begin(), f.points.end());
    SVec3 centre = Mean(all);
    for (SFace& f : faces) {
        if (Normal(f.points).Dot(Mean(f.points) - centre) < 0.0) {
            std::reverse(f.points.begin(), f.points.end());
            std::swap(f.wallLeft, f.wallRight);
        }
    }
}
