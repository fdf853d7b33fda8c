#pragma once
// What stands on a footprint: an optional ground surface and convex bodies,
// drawn for any of the four pictures of a type. The ground is coloured pixel
// by pixel from map coordinates, so its patterns turn with the view; the
// bodies are lit by one sun that stays at the viewer's upper left.

#include <functional>
#include <vector>

#include "tools/mkdata/GamePalette.h"
#include "tools/mkdata/Picture.h"
#include "tools/mkdata/Solid.h"

class CScene {
public:
    // Colour of the ground at map point (x, y), 0..w by 0..h.
    using GroundShader = std::function<SRgb(double x, double y)>;

    CScene(int footprintW, int footprintH);

    int Width() const { return m_w; }
    int Height() const { return m_h; }
    // inset: the ground stops that many cells inside the footprint's edge.
    void SetGround(GroundShader shader, double inset = 0.0);
    void Add(CSolid solid);
    // Extra empty pixels above the bodies (smoke that fades out, say).
    void SetHeadroom(int pixels) { m_headroom = pixels; }

    SPicture Render(int pictureIndex, const CGamePalette& palette) const;

    // How bright the sun makes a face with this view-space normal, where a
    // face looking straight up gives 1.0.
    static double Light(const SVec3& viewNormal);

private:
    GroundShader m_ground;
    double m_inset = 0.0;
    int m_w;
    int m_h;
    int m_headroom = 0;
    std::vector<CSolid> m_solids;
};
