#pragma once
// A font made ready for drawing by the window system (see IWindowSystem);
// the raster core only keeps it with its CFont.

class CFontFace {
public:
    virtual ~CFontFace() = default;
};
