#pragma once
// An 8-bit picture in the game palette with a coverage flag per pixel: what
// a painter drew is covered, the rest is see-through and stays out of the
// picture's mask. Shapes are sampled at pixel centres, so polygons that share
// an edge neither overlap nor leave a gap.

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/mkdata/GamePalette.h"
#include "tools/mkdata/PointF.h"
#include "tools/mkdata/Rgb.h"

class CCanvas {
public:
    // Colour of one pixel from its position (pixel centre x + 0.5, y + 0.5).
    using Shader = std::function<SRgb(int x, int y)>;

    CCanvas(int width, int height, const CGamePalette& palette);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const CGamePalette& Palette() const { return *m_palette; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    uint8_t Index(int x, int y) const { return m_pixels[Offset(x, y)]; }
    bool IsCovered(int x, int y) const { return m_covered[Offset(x, y)] != 0; }
    // Palette indexes and coverage, top row first.
    const std::vector<uint8_t>& Pixels() const { return m_pixels; }

    void SetIndex(int x, int y, uint8_t index);
    void Plot(int x, int y, const SRgb& c);
    void Uncover(int x, int y);
    void Fill(const SRgb& c);
    void FillRect(int x, int y, int w, int h, const SRgb& c);

    void FillPolygon(const std::vector<SPointF>& points, const SRgb& c);
    void FillPolygon(const std::vector<SPointF>& points, const Shader& shader);
    void FillEllipse(double cx, double cy, double rx, double ry, const SRgb& c);
    void FillEllipse(double cx, double cy, double rx, double ry, const Shader& shader);
    // A one-pixel line through the pixel centres nearest to the segment.
    void DrawLine(SPointF a, SPointF b, const SRgb& c);

    // Copies the covered pixels of source with its top left corner at (x, y).
    void Draw(const CCanvas& source, int x, int y);

private:
    size_t Offset(int x, int y) const { return static_cast<size_t>(y) * m_width + x; }
    void PlotIfInside(int x, int y, const SRgb& c);

    int m_width;
    int m_height;
    const CGamePalette* m_palette;
    std::vector<uint8_t> m_pixels;
    std::vector<uint8_t> m_covered;
};
