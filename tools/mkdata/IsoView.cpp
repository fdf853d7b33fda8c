#include "tools/mkdata/IsoView.h"

CIsoView::CIsoView(int pictureIndex, int footprintW, int footprintH)
    : m_direction(kDirectionOfPicture[pictureIndex & 3]), m_w(footprintW), m_h(footprintH) {
    bool turned = m_direction == 1 || m_direction == 3;
    m_viewW = turned ? m_h : m_w;
    m_viewH = turned ? m_w : m_h;
}

// The continuous form of the view's cell turn: direction 2 is the map as it
// is, 0 turns it half round, 1 and 3 a quarter.
SVec3 CIsoView::ToView(const SVec3& p) const {
    switch (m_direction) {
        case 0:
            return {m_w - p.x, m_h - p.y, p.z};
        case 1:
            return {m_h - p.y, p.x, p.z};
        case 3:
            return {p.y, m_w - p.x, p.z};
        default:
            return p;
    }
}

SVec3 CIsoView::FromView(double u, double v) const {
    switch (m_direction) {
        case 0:
            return {m_w - u, m_h - v, 0.0};
        case 1:
            return {v, m_h - u, 0.0};
        case 3:
            return {m_w - v, u, 0.0};
        default:
            return {u, v, 0.0};
    }
}

SPointF CIsoView::ToScreen(const SVec3& p) const {
    SVec3 q = ToView(p);
    double du = q.x - m_viewW;
    double dv = q.y - m_viewH;
    return {kColumnDx * du - kRowDx * dv, kColumnDy * du + kRowDy * dv - q.z};
}

void CIsoView::ScreenToView(double sx, double sy, double& u, double& v) const {
    double du = (sx / kColumnDx + sy / kColumnDy) / 2.0;
    double dv = (sy / kRowDy - sx / kRowDx) / 2.0;
    u = du + m_viewW;
    v = dv + m_viewH;
}
