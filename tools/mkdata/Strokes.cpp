#include "tools/mkdata/Strokes.h"

#include <algorithm>
#include <cmath>

namespace {

// Squared distance from p to the segment a-b.
double SegmentDistance2(SPointF p, SPointF a, SPointF b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return ex * ex + ey * ey;
}

// Calls plot(x, y) for every pixel of the box x0..x1, y0..y1 (inclusive,
// kept inside the canvas) whose centre passes inside(px, py).
template <typename Inside>
void FillWhere(CCanvas& canvas, double x0, double y0, double x1, double y1, Inside inside,
               const CCanvas::Shader& shader) {
    const int left = std::max(0, static_cast<int>(std::floor(x0)));
    const int top = std::max(0, static_cast<int>(std::floor(y0)));
    const int right = std::min(canvas.Width() - 1, static_cast<int>(std::ceil(x1)));
    const int bottom = std::min(canvas.Height() - 1, static_cast<int>(std::ceil(y1)));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (inside(x + 0.5, y + 0.5)) canvas.Plot(x, y, shader(x, y));
}

CCanvas::Shader Solid(const SRgb& c) {
    return [c](int, int) { return c; };
}

}  // namespace

void CStrokes::Capsule(CCanvas& canvas, SPointF a, SPointF b, double radius, const SRgb& c) {
    const double r2 = radius * radius;
    FillWhere(
        canvas, std::min(a.x, b.x) - radius, std::min(a.y, b.y) - radius,
        std::max(a.x, b.x) + radius, std::max(a.y, b.y) + radius,
        [&](double x, double y) { return SegmentDistance2({x, y}, a, b) < r2; }, Solid(c));
}

void CStrokes::Path(CCanvas& canvas, const std::vector<SPointF>& points, double radius,
                    const SRgb& c, bool closed) {
    for (size_t i = 0; i + 1 < points.size(); ++i)
        Capsule(canvas, points[i], points[i + 1], radius, c);
    if (closed && points.size() > 2) Capsule(canvas, points.back(), points.front(), radius, c);
}

void CStrokes::Ring(CCanvas& canvas, double cx, double cy, double outer, double inner,
                    const SRgb& c) {
    FillWhere(
        canvas, cx - outer, cy - outer, cx + outer, cy + outer,
        [&](double x, double y) {
            const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            return d2 < outer * outer && d2 >= inner * inner;
        },
        Solid(c));
}

void CStrokes::RoundBox(CCanvas& canvas, double x, double y, double w, double h, double radius,
                        const SRgb& c) {
    RoundBox(canvas, x, y, w, h, radius, Solid(c));
}

void CStrokes::RoundBox(CCanvas& canvas, double x, double y, double w, double h, double radius,
                        const CCanvas::Shader& shader) {
    // Inside when within radius of the inner box shrunk by radius.
    const double ix0 = x + radius, iy0 = y + radius, ix1 = x + w - radius, iy1 = y + h - radius;
    FillWhere(
        canvas, x, y, x + w, y + h,
        [&](double px, double py) {
            if (px < x || px >= x + w || py < y || py >= y + h) return false;
            const double dx = px < ix0 ? ix0 - px : (px > ix1 ? px - ix1 : 0.0);
            const double dy = py < iy0 ? iy0 - py : (py > iy1 ? py - iy1 : 0.0);
            return dx * dx + dy * dy < radius * radius || radius <= 0.0;
        },
        shader);
}

void CStrokes::FlatDisc(CCanvas& canvas, double cx, double y, double rx, double ry,
                        const SRgb& line, const SRgb& face, const SRgb& edge) {
    canvas.FillEllipse(cx, y + 1.5, rx, ry, line);
    canvas.FillRect(static_cast<int>(cx - rx), static_cast<int>(y), static_cast<int>(2 * rx), 2,
                    line);
    canvas.FillEllipse(cx, y, rx, ry, line);
    canvas.FillEllipse(cx, y + 0.8, rx - 1.0, ry - 0.8, edge);
    canvas.FillEllipse(cx, y - 0.3, rx - 1.0, ry - 0.9, face);
}

CCanvas::Shader CStrokes::Gradient(int y0, int y1, const SRgb& top, const SRgb& bottom) {
    return [=](int, int y) {
        const double t = y1 > y0 ? std::clamp(double(y - y0) / (y1 - y0), 0.0, 1.0) : 0.0;
        return top.Mixed(bottom, t);
    };
}
