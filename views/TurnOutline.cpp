#include "views/TurnOutline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// A full turn as the animation has always measured it.
constexpr double kFullTurn = 6.2831852;
// Squares closer than this count as equal: no ellipse is fitted through them.
constexpr double kEpsilon = 0.000001;

POINT CentreOf(const CTurnOutline::SCorners& corners) {
    int64_t x = 0, y = 0;
    for (const POINT& p : corners) {
        x += p.x;
        y += p.y;
    }
    // Integer means, division toward zero.
    return {static_cast<LONG>(x / 4), static_cast<LONG>(y / 4)};
}

double AngleOf(double x, double y, double a) {
    if (!(a > 0)) return 0;
    const double angle = std::acos(std::clamp(x / a, -1.0, 1.0));
    return y < 0 ? -angle : angle;
}

int TruncToInt(double v) {
    if (!std::isfinite(v)) return 0;
    v = std::trunc(v);
    v = std::clamp(v, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max()));
    return static_cast<int>(v);
}

}  // namespace

CTurnOutline::SPath CTurnOutline::FitPath(double x1, double y1, double x2, double y2) {
    const double xx1 = x1 * x1, yy1 = y1 * y1, xx2 = x2 * x2, yy2 = y2 * y2;
    double aa = 0, bb = 0;
    bool fitted = false;
    if (std::fabs(yy1 - yy2) >= kEpsilon && std::fabs(xx1 - xx2) >= kEpsilon) {
        aa = (xx2 * yy1 - xx1 * yy2) / (yy1 - yy2);
        bb = (xx1 * yy2 - xx2 * yy1) / (xx1 - xx2);
        // The two corners need not lie on an ellipse around the centre:
        // then an axis comes out zero, negative or infinite.
        fitted = std::isfinite(aa) && std::isfinite(bb) && aa > 0 && bb > 0;
    }
    SPath path;
    if (fitted) {
        path.a = std::sqrt(aa);
        path.b = std::sqrt(bb);
    } else {
        path.a = path.b = std::sqrt(xx1 + yy1);
    }
    path.start = AngleOf(x1, y1, path.a);
    path.end = AngleOf(x2, y2, path.a);
    return path;
}

CTurnOutline::CTurnOutline(const SCorners& source, const SCorners& target, int turns)
    : m_turns(turns), m_sourceCentre(CentreOf(source)), m_targetCentre(CentreOf(target)) {
    for (int i = 0; i < 4; ++i) {
        const int j = ((i + turns) % 4 + 4) % 4;
        const POINT& from = source[static_cast<size_t>(i)];
        const POINT& to = target[static_cast<size_t>(j)];
        m_paths[static_cast<size_t>(i)] =
            FitPath(double(from.x) - m_sourceCentre.x, double(from.y) - m_sourceCentre.y,
                    double(to.x) - m_targetCentre.x, double(to.y) - m_targetCentre.y);
    }
}

CTurnOutline::SCorners CTurnOutline::At(int step, int steps) const {
    SCorners corners{};
    if (steps <= 0) steps = 1;
    const int64_t q = step, n = steps;
    // The centre moves straight from one outline's centre to the other's.
    const POINT centre = {
        static_cast<LONG>(((n - q) * m_sourceCentre.x + q * m_targetCentre.x) / n),
        static_cast<LONG>(((n - q) * m_sourceCentre.y + q * m_targetCentre.y) / n)};
    for (size_t i = 0; i < 4; ++i) {
        const SPath& path = m_paths[i];
        double delta = path.end - path.start;
        // A corner never runs in the sense of the turn: it goes the other
        // way round.
        if (m_turns * delta > 0) delta += delta > 0 ? -kFullTurn : kFullTurn;
        const double angle = path.start + double(q) * delta / double(n);
        corners[i] = {TruncToInt(std::cos(angle) * path.a + centre.x),
                      TruncToInt(std::sin(angle) * path.b + centre.y)};
    }
    return corners;
}
