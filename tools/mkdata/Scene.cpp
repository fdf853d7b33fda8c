#include "tools/mkdata/Scene.h"

#include <algorithm>
#include <cmath>

#include "tools/mkdata/IsoView.h"

namespace {

// A cell's edge measured in screen pixels of height (the projection looks
// down at 30 degrees), used to make normals of the mixed units comparable.
constexpr double kCellLength = 45.25;
constexpr double kHeightScale = 1.0 / 0.866;
// Where the light comes from, in world units: the viewer's upper left.
const SVec3 kSun = SVec3{0.33, 0.72, 1.0} * (1.0 / 1.2853);

SVec3 ViewNormal(const CIsoView& view, const std::vector<SVec3>& points) {
    SVec3 n;
    for (size_t i = 0; i < points.size(); ++i) {
        SVec3 a = view.ToView(points[i]);
        SVec3 b = view.ToView(points[(i + 1) % points.size()]);
        a = {a.x * kCellLength, a.y * kCellLength, a.z * kHeightScale};
        b = {b.x * kCellLength, b.y * kCellLength, b.z * kHeightScale};
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

bool FacesViewer(const SVec3& worldNormal) {
    // The viewing ray in world units: one cell along u and v rises 32 pixels.
    SVec3 toViewer{kCellLength, kCellLength, 32.0 * kHeightScale};
    return worldNormal.Dot(toViewer) > 1e-9;
}

struct SBox {
    double left, top, right, bottom;
    void Add(const SPointF& p) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
};

}  // namespace

CScene::CScene(int footprintW, int footprintH) : m_w(footprintW), m_h(footprintH) {}

void CScene::SetGround(GroundShader shader, double inset) {
    m_ground = std::move(shader);
    m_inset = inset;
}

void CScene::Add(CSolid solid) {
    if (!solid.faces.empty()) m_solids.push_back(std::move(solid));
}

double CScene::Light(const SVec3& viewNormal) {
    double length = std::sqrt(viewNormal.Dot(viewNormal));
    if (length <= 0.0) return 1.0;
    double d = std::max(0.0, viewNormal.Dot(kSun) / length);
    const double ambient = 0.40;
    const double sun = 0.62;
    return (ambient + sun * d) / (ambient + sun * kSun.z);
}

SPicture CScene::Render(int pictureIndex, const CGamePalette& palette) const {
    CIsoView view(pictureIndex, m_w, m_h);
    int vw = view.ViewWidth();
    int vh = view.ViewHeight();
    // The footprint's diamond always fits, so the view's extents cover it.
    SBox box{-CIsoView::kColumnDx * static_cast<double>(vw),
             -CIsoView::kColumnDy * static_cast<double>(vw + vh) - m_headroom,
             CIsoView::kRowDx * static_cast<double>(vh), 0.0};
    for (const CSolid& s : m_solids)
        for (const CSolid::SFace& f : s.faces)
            for (const SVec3& p : f.points) box.Add(view.ToScreen(p));
    int left = static_cast<int>(std::floor(box.left));
    int top = static_cast<int>(std::floor(box.top));
    int width = static_cast<int>(std::ceil(box.right)) - left;
    int height = static_cast<int>(std::ceil(box.bottom)) - top;
    SPicture picture{CCanvas(width, height, palette), -left, -top};
    CCanvas& canvas = picture.image;
    auto project = [&](const SVec3& p) {
        SPointF s = view.ToScreen(p);
        return SPointF{s.x - left, s.y - top};
    };

    if (m_ground) {
        std::vector<SPointF> diamond = {project(view.FromView(m_inset, m_inset)),
                                        project(view.FromView(vw - m_inset, m_inset)),
                                        project(view.FromView(vw - m_inset, vh - m_inset)),
                                        project(view.FromView(m_inset, vh - m_inset))};
        canvas.FillPolygon(diamond, [&](int x, int y) {
            double u, v;
            view.ScreenToView(x + 0.5 + left, y + 0.5 + top, u, v);
            SVec3 m = view.FromView(u, v);
            return m_ground(std::clamp(m.x, 0.0, static_cast<double>(m_w)),
                            std::clamp(m.y, 0.0, static_cast<double>(m_h)));
        });
    }

    std::vector<const CSolid*> order;
    for (const CSolid& s : m_solids) order.push_back(&s);
    std::stable_sort(order.begin(), order.end(), [&](const CSolid* a, const CSolid* b) {
        if (a->layer != b->layer) return a->layer < b->layer;
        SVec3 ca = view.ToView(a->Center());
        SVec3 cb = view.ToView(b->Center());
        double da = ca.x + ca.y;
        double db = cb.x + cb.y;
        if (std::fabs(da - db) > 1e-6) return da < db;
        return a->MinZ() < b->MinZ();
    });

    for (const CSolid* s : order) {
        for (const CSolid::SFace& f : s->faces) {
            SVec3 n = ViewNormal(view, f.points);
            if (!FacesViewer(n)) continue;
            double light = f.lit ? Light(n) : 1.0;
            std::vector<SPointF> poly;
            for (const SVec3& p : f.points) poly.push_back(project(p));
            canvas.FillPolygon(poly, f.color.Scaled(light));
            for (const CSolid::SDecal& d : f.decals) {
                std::vector<SPointF> dp;
                for (const SVec3& p : d.points) dp.push_back(project(p));
                canvas.FillPolygon(dp, d.lit ? d.color.Scaled(light) : d.color);
            }
        }
    }
    return picture;
}
