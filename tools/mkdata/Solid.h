#pragma once
// A convex body of a scene (a wall block, a roof, a tank, a tree crown), as
// flat faces in map coordinates. Faces carry their colour and flat details
// (windows, doors, signs) that show only when the face does. Because the
// body is convex, the faces turned away from the viewer are simply left out.

#include <utility>
#include <vector>

#include "tools/mkdata/PointF.h"
#include "tools/mkdata/Rgb.h"
#include "tools/mkdata/Vec3.h"

class CSolid {
public:
    struct SDecal {
        std::vector<SVec3> points;
        SRgb color;
        // False for things that give their own light (lit windows, flames).
        bool lit = true;
    };
    struct SFace {
        SFace() = default;
        SFace(std::vector<SVec3> p, const SRgb& c, std::vector<SDecal> d = {})
            : points(std::move(p)), color(c), decals(std::move(d)) {}

        std::vector<SVec3> points;
        SRgb color;
        std::vector<SDecal> decals;
        // Walls: the bottom edge from left to right as seen from outside, and
        // the height range, so that details can be placed along the wall.
        bool isWall = false;
        SVec3 wallLeft;
        SVec3 wallRight;
        double z0 = 0.0;
        double z1 = 0.0;
        // Not lit by the sun (glowing faces).
        bool lit = true;

        // The point s (0 left .. 1 right) along the wall at height z.
        SVec3 WallPoint(double s, double z) const;
        // Map length of the wall's bottom edge in cells.
        double WallLength() const;
        // A rectangle on the wall: s0..s1 along it, z0..z1 up.
        void AddWallRect(double s0, double s1, double za, double zb, const SRgb& c,
                         bool litBySun = true);
    };

    // Drawing order among the bodies of a scene: lower layers first.
    int layer = 1;
    std::vector<SFace> faces;

    // An upright prism over a convex outline given counter-clockwise in map
    // coordinates.
    static CSolid Prism(const std::vector<SPointF>& outline, double z0, double z1, const SRgb& wall,
                        const SRgb& top);
    static CSolid Box(double x0, double y0, double x1, double y1, double z0, double z1,
                      const SRgb& wall, const SRgb& top);
    // A round body: a regular polygon of `sides` around (cx, cy).
    static CSolid Cylinder(double cx, double cy, double rx, double ry, double z0, double z1,
                           int sides, const SRgb& wall, const SRgb& top);
    // Rings of the same number of points stacked from bottom to top (cones,
    // domes, tapering towers); the last ring may be one point (an apex).
    static CSolid Loft(const std::vector<std::vector<SVec3>>& rings, const SRgb& side,
                       const SRgb& top);
    // A flat polygon (any plane) pushed along `depth`: signs, wheels, slabs.
    static CSolid Extrude(const std::vector<SVec3>& polygon, const SVec3& depth, const SRgb& side,
                          const SRgb& face);
    static CSolid Dome(double cx, double cy, double rx, double ry, double z0, double height,
                       int sides, const SRgb& color);
    // A roof over x0..x1 by y0..y1 from z0, its ridge along the x axis (or the
    // y axis) and `hip` cells shorter than the roof at each end (0: gable
    // ends in `gable` colour; half the short side: a pyramid).
    static CSolid Roof(double x0, double y0, double x1, double y1, double z0, double height,
                       bool ridgeAlongX, double hip, const SRgb& roof, const SRgb& gable);
    // A flat face lying on the ground (z) drawn before the bodies.
    static CSolid Flat(const std::vector<SPointF>& outline, double z, const SRgb& c);

    SVec3 Center() const;
    double MinZ() const;

private:
    // Orders every face's points so that its normal points away from the
    // body's centre.
    void Orient();
};
