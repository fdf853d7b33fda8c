#pragma once
// A point of a drawn scene: x and y in map cells, z (height) in pixels.

struct SVec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    SVec3 operator+(const SVec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    SVec3 operator-(const SVec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    SVec3 operator*(double f) const { return {x * f, y * f, z * f}; }
    double Dot(const SVec3& o) const { return x * o.x + y * o.y + z * o.z; }
    SVec3 Cross(const SVec3& o) const {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
};
