#pragma once
// Shapes the small pictures are built from beyond the canvas's own: round
// capped strokes, rings, rounded boxes and polygon outlines. Each covers the
// pixels whose centres lie inside it, like the canvas's shapes.

#include <vector>

#include "tools/mkdata/Canvas.h"

class CStrokes {
public:
    // Every pixel within radius of the segment a-b.
    static void Capsule(CCanvas& canvas, SPointF a, SPointF b, double radius, const SRgb& c);
    // Capsules along the points, each to the next (closed: back to the first).
    static void Path(CCanvas& canvas, const std::vector<SPointF>& points, double radius,
                     const SRgb& c, bool closed);
    // The pixels between two circles round (cx, cy).
    static void Ring(CCanvas& canvas, double cx, double cy, double outer, double inner,
                     const SRgb& c);
    // A box from (x, y) of w x h with corners rounded by radius.
    static void RoundBox(CCanvas& canvas, double x, double y, double w, double h, double radius,
                         const SRgb& c);
    // The same box coloured pixel by pixel.
    static void RoundBox(CCanvas& canvas, double x, double y, double w, double h, double radius,
                         const CCanvas::Shader& shader);
    // A flat disc seen from the side (a coin), its top face centred on
    // (cx, y) with radii rx, ry and its edge one and a half pixels below:
    // outlined in line, the edge in edge and the top in face.
    static void FlatDisc(CCanvas& canvas, double cx, double y, double rx, double ry,
                         const SRgb& line, const SRgb& face, const SRgb& edge);
    // A vertical blend from top to bottom over the rows y0..y1.
    static CCanvas::Shader Gradient(int y0, int y1, const SRgb& top, const SRgb& bottom);
};
