#include "tools/mkdata/Canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

CCanvas::CCanvas(int width, int height, const CGamePalette& palette)
    : m_width(width), m_height(height), m_palette(&palette) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("canvas: empty size");
    size_t count = static_cast<size_t>(width) * height;
    m_pixels.assign(count, CGamePalette::kBlack);
    m_covered.assign(count, 0);
}

void CCanvas::SetIndex(int x, int y, uint8_t index) {
    if (!Contains(x, y)) return;
    m_pixels[Offset(x, y)] = index;
    m_covered[Offset(x, y)] = 1;
}

void CCanvas::Plot(int x, int y, const SRgb& c) {
    SetIndex(x, y, m_palette->Nearest(c));
}

void CCanvas::PlotIfInside(int x, int y, const SRgb& c) {
    if (Contains(x, y)) SetIndex(x, y, m_palette->Nearest(c));
}

void CCanvas::Uncover(int x, int y) {
    if (!Contains(x, y)) return;
    m_pixels[Offset(x, y)] = CGamePalette::kBlack;
    m_covered[Offset(x, y)] = 0;
}

void CCanvas::Fill(const SRgb& c) {
    FillRect(0, 0, m_width, m_height, c);
}

void CCanvas::FillRect(int x, int y, int w, int h, const SRgb& c) {
    uint8_t index = m_palette->Nearest(c);
    for (int yy = std::max(y, 0); yy < std::min(y + h, m_height); ++yy)
        for (int xx = std::max(x, 0); xx < std::min(x + w, m_width); ++xx) SetIndex(xx, yy, index);
}

void CCanvas::FillPolygon(const std::vector<SPointF>& points, const SRgb& c) {
    FillPolygon(points, [&c](int, int) { return c; });
}

void CCanvas::FillPolygon(const std::vector<SPointF>& points, const Shader& shader) {
    if (points.size() < 3) return;
    double top = points[0].y;
    double bottom = points[0].y;
    for (const SPointF& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    int y0 = std::max(0, static_cast<int>(std::floor(top)));
    int y1 = std::min(m_height - 1, static_cast<int>(std::ceil(bottom)));
    std::vector<double> crossings;
    for (int y = y0; y <= y1; ++y) {
        double yc = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const SPointF& a = points[i];
            const SPointF& b = points[(i + 1) % points.size()];
            // Half-open in y, so a vertex on the scan line counts once.
            if ((a.y <= yc && yc < b.y) || (b.y <= yc && yc < a.y))
                crossings.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int x0 = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
            int x1 = std::min(m_width, static_cast<int>(std::ceil(crossings[i + 1] - 0.5)));
            for (int x = x0; x < x1; ++x) PlotIfInside(x, y, shader(x, y));
        }
    }
}

void CCanvas::FillEllipse(double cx, double cy, double rx, double ry, const SRgb& c) {
    FillEllipse(cx, cy, rx, ry, [&c](int, int) { return c; });
}

void CCanvas::FillEllipse(double cx, double cy, double rx, double ry, const Shader& shader) {
    if (rx <= 0.0 || ry <= 0.0) return;
    int y0 = std::max(0, static_cast<int>(std::floor(cy - ry)));
    int y1 = std::min(m_height - 1, static_cast<int>(std::ceil(cy + ry)));
    int x0 = std::max(0, static_cast<int>(std::floor(cx - rx)));
    int x1 = std::min(m_width - 1, static_cast<int>(std::ceil(cx + rx)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            double dx = (x + 0.5 - cx) / rx;
            double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy < 1.0) PlotIfInside(x, y, shader(x, y));
        }
    }
}

void CCanvas::DrawLine(SPointF a, SPointF b, const SRgb& c) {
    double dx = b.x - a.x;
    double dy = b.y - a.y;
    int steps = static_cast<int>(std::ceil(std::max(std::fabs(dx), std::fabs(dy))));
    if (steps == 0) steps = 1;
    for (int i = 0; i <= steps; ++i) {
        double t = static_cast<double>(i) / steps;
        PlotIfInside(static_cast<int>(std::floor(a.x + dx * t)),
                     static_cast<int>(std::floor(a.y + dy * t)), c);
    }
}

void CCanvas::Draw(const CCanvas& source, int x, int y) {
    for (int sy = 0; sy < source.m_height; ++sy)
        for (int sx = 0; sx < source.m_width; ++sx)
            if (source.IsCovered(sx, sy)) SetIndex(x + sx, y + sy, source.Index(sx, sy));
}
