#pragma once
// The outline of the map grid as it turns on the screen when the view
// direction changes: each corner of the outline before the turn runs on an
// ellipse around the centre to its place after the turn, while the centre
// moves straight. Pure arithmetic, so that the maths can be checked alone.

#include <array>
#include <cstddef>

#include "platform/ui/Point.h"

class CTurnOutline {
public:
    using SCorners = std::array<POINT, 4>;

    // One corner's path: the ellipse's axes and the angles it runs between.
    struct SPath {
        double a = 0;
        double b = 0;
        double start = 0;
        double end = 0;
    };

    // source and target are the outline before and after the turn, in
    // screen points; turns is the number of quarter turns (sign = sense).
    CTurnOutline(const SCorners& source, const SCorners& target, int turns);

    // The path of a corner from (x1, y1) to (x2, y2), both relative to the
    // centre. A corner pair that fits no ellipse around the centre runs on
    // the circle through its start; a corner at the centre stays there.
    static SPath FitPath(double x1, double y1, double x2, double y2);

    // The outline at step `step` of `steps` (0 = the source).
    SCorners At(int step, int steps) const;

    const SPath& GetPath(int corner) const { return m_paths[static_cast<size_t>(corner)]; }
    POINT GetSourceCentre() const { return m_sourceCentre; }
    POINT GetTargetCentre() const { return m_targetCentre; }

private:
    int m_turns;
    POINT m_sourceCentre{};
    POINT m_targetCentre{};
    std::array<SPath, 4> m_paths{};
};
