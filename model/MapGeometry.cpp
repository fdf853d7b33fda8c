#include "model/MapGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "model/BD.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/Saturate.h"

namespace {

constexpr int kSlotOfDirection[CMapGeometry::kDirections] = {1, 3, 2, 0};

int64_t Max64(int64_t a, int64_t b) { return a > b ? a : b; }

// A product of two file values, held far enough inside 64 bits that a few
// of them still add up without overflow.
int64_t Product(int64_t a, int64_t b) {
    constexpr int64_t kLimit = int64_t{1} << 60;
    int64_t p = 0;
    if (__builtin_mul_overflow(a, b, &p)) return (a < 0) != (b < 0) ? -kLimit : kLimit;
    return std::clamp(p, -kLimit, kLimit);
}

}  // namespace

CMapGeometry::CMapGeometry(const CMapDoc& map, int area, int direction, double zoom)
    : m_map(map), m_direction(direction & 3), m_zoom(zoom) {
    if (area >= 0 && area < map.GetAreaCount()) {
        m_area = &map.GetArea(area);
        m_width = m_area->GetWidth();
        m_height = m_area->GetHeight();
    }
}

int CMapGeometry::SlotOfDirection(int direction) { return kSlotOfDirection[direction & 3]; }

int CMapGeometry::Scale(int64_t value, double zoom) {
    const double v = static_cast<double>(value);
    return TruncToInt(zoom >= 1.0 ? v * zoom : (v + 1.0) * zoom);
}

int CMapGeometry::Metric(int i) const {
    return m_map.GetCellMetric(static_cast<CMapDoc::eCellMetric>(i));
}

int CMapGeometry::GetViewColumns() const { return (m_direction & 1) ? m_height : m_width; }
int CMapGeometry::GetViewRows() const { return (m_direction & 1) ? m_width : m_height; }

bool CMapGeometry::IsMapCell(int mx, int my) const {
    return mx >= 0 && my >= 0 && mx < m_width && my < m_height;
}

bool CMapGeometry::IsViewCell(int vx, int vy) const {
    return vx >= 0 && vy >= 0 && vx < GetViewColumns() && vy < GetViewRows();
}

CCellPoint CMapGeometry::MapToView(int mx, int my) const {
    switch (m_direction) {
        case 0: return {m_width - mx - 1, m_height - my - 1};
        case 1: return {m_height - my - 1, mx};
        case 3: return {my, m_width - mx - 1};
        default: return {mx, my};
    }
}

CCellPoint CMapGeometry::ViewToMap(int vx, int vy) const {
    switch (m_direction) {
        case 0: return {m_width - vx - 1, m_height - vy - 1};
        case 1: return {vy, m_height - vx - 1};
        case 3: return {m_width - vy - 1, vx};
        default: return {vx, vy};
    }
}

void CMapGeometry::TurnSize(int& w, int& h) const {
    if (m_direction & 1) std::swap(w, h);
}

int64_t CMapGeometry::ReferenceX(int vx, int vy) const {
    return (int64_t{vx} + 1) * Metric(CMapDoc::metricColumnStepX) +
           (int64_t{GetViewRows()} - vy - 1) * Metric(CMapDoc::metricRowStepX);
}

int64_t CMapGeometry::ReferenceY(int vx, int vy, int level) const {
    return (int64_t{vx} + 1) * Metric(CMapDoc::metricColumnStepY) +
           (int64_t{vy} + 1) * Metric(CMapDoc::metricRowStepY) +
           Product(2 * int64_t{Metric(CMapDoc::metricMaxLevel)} - level,
                   Metric(CMapDoc::metricLevelRise));
}

int CMapGeometry::GetCellScreenX(int vx, int vy) const {
    return ClampToInt(int64_t{Scale(ReferenceX(vx, vy), m_zoom)} - m_scrollX);
}

int CMapGeometry::GetCellScreenY(int vx, int vy, int level) const {
    return ClampToInt(int64_t{Scale(ReferenceY(vx, vy, level), m_zoom)} - m_scrollY);
}

int CMapGeometry::HeightAt(int mx, int my) const {
    return IsMapCell(mx, my) ? m_area->GetGroundHeight(mx, my) : 0;
}

CCellPoint CMapGeometry::AnchorOf(int mx, int my) const {
    if (!IsMapCell(mx, my)) return {mx, my};
    const CCellPoint anchor = m_area->GetAnchorCell(mx, my);
    // A covered cell whose record points outside the grid or at another
    // covered cell stands alone.
    if (!IsMapCell(anchor.x, anchor.y) || !m_area->IsAnchorOrFree(anchor.x, anchor.y))
        return {mx, my};
    return anchor;
}

const CBD* CMapGeometry::StructureAt(int mx, int my) const {
    if (!IsMapCell(mx, my)) return nullptr;
    const CCellPoint a = AnchorOf(mx, my);
    const int number = m_area->GetStructureAt(a.x, a.y, 0);
    return number > 0 ? m_map.GetStructureType(number - 1) : nullptr;
}

CCellPoint CMapGeometry::FarCornerOf(int vx, int vy, int* w, int* h) const {
    int bw = 1, bh = 1;
    CCellPoint far{vx, vy};
    const CCellPoint m = ViewToMap(vx, vy);
    if (const CBD* s = StructureAt(m.x, m.y)) {
        s->GetSize(bw, bh);
        TurnSize(bw, bh);
        // The far corner is the footprint cell with the largest view x and
        // y: the anchor turned, moved to the block's far side.
        const CCellPoint anchor = AnchorOf(m.x, m.y);
        int sw = 1, sh = 1;
        s->GetSize(sw, sh);
        // Map corners of the footprint: anchor - (sw - 1, sh - 1) .. anchor.
        const CCellPoint c0 = MapToView(anchor.x, anchor.y);
        const CCellPoint c1 = MapToView(anchor.x - sw + 1, anchor.y - sh + 1);
        far = {std::max(c0.x, c1.x), std::max(c0.y, c1.y)};
    }
    if (w) *w = bw;
    if (h) *h = bh;
    return far;
}

bool CMapGeometry::IsFarCorner(int vx, int vy) const {
    return FarCornerOf(vx, vy) == CCellPoint(vx, vy);
}

int CMapGeometry::PictureIndexOf(const CBD& type, int slot) {
    const int number = type.GetViewValueA(slot);
    return number >= 1 && number <= CBD::kDirections ? number - 1 : -1;
}

void CMapGeometry::RaiseByPicture(SCellExtents& e, const CBD* type, int64_t ox, int64_t oy,
                                  int64_t extraBelow) const {
    if (!type) return;
    const int p = PictureIndexOf(*type, GetSlot());
    if (p < 0) return;
    const CBD::SViewPoint& hot = type->GetViewOffset(p);
    const CBD::SViewPoint& size = type->GetViewExtent(p);
    e.left = ClampToInt(Max64(e.left, int64_t{hot.x} + ox));
    e.above = ClampToInt(Max64(e.above, int64_t{hot.y} + oy));
    e.right = ClampToInt(Max64(e.right, int64_t{size.x} - hot.x - ox));
    e.below = ClampToInt(Max64(e.below, int64_t{size.y} - hot.y - oy + extraBelow));
}

SCellExtents CMapGeometry::GetCellExtents(int vx, int vy, int wide) const {
    SCellExtents e;
    const CCellPoint m = ViewToMap(vx, vy);
    if (!IsMapCell(m.x, m.y)) return e;
    const int64_t hh = int64_t{HeightAt(m.x, m.y)} + (wide ? 1 : 0);
    const CBD* s = StructureAt(m.x, m.y);
    int w = 1, h = 1;
    if (s) {
        s->GetSize(w, h);
        TurnSize(w, h);
    }
    --w;
    --h;
    const int64_t dxCol = Metric(CMapDoc::metricColumnStepX);
    const int64_t dyCol = Metric(CMapDoc::metricColumnStepY);
    const int64_t dxRow = Metric(CMapDoc::metricRowStepX);
    const int64_t dyRow = Metric(CMapDoc::metricRowStepY);
    const int64_t dyLevel = Metric(CMapDoc::metricLevelRise);
    const int state = m_area->GetConstructionState(m.x, m.y);
    const CBD* built = ConstructionTypeOf(state, m_area->GetConstructionType(m.x, m.y));
    if (!wide) {
        for (int i = 0; i <= h; ++i)
            for (int j = 0; j <= w; ++j) {
                const CCellPoint c = ViewToMap(vx - j, vy - i);
                if (!IsViewCell(vx - j, vy - i)) continue;
                RaiseByPicture(e, m_map.GetLandTypeEntry(m_area->GetLandType(c.x, c.y)),
                               dxCol * j - dxRow * i, dyCol * j + dyRow * i, Product(dyLevel, hh));
            }
        RaiseByPicture(e, s, 0, 0, 0);
        RaiseByPicture(e, built, 0, 0, 0);
        return e;
    }
    const int slot = GetSlot();
    auto table = [&](CMapDoc::eExtent kind, int th, int tw) {
        return int64_t{m_map.GetExtent(kind, slot, th + 1, tw + 1)};
    };
    int64_t left = dxCol * w + table(CMapDoc::extentLeft, 0, 0);
    int64_t above = dyCol * w + dyRow * h + table(CMapDoc::extentAbove, 0, 0);
    int64_t right = dxRow * h + table(CMapDoc::extentRight, 0, 0);
    int64_t below = Product(dyLevel, hh) + table(CMapDoc::extentBelow, 0, 0);
    auto raise = [&] {
        left = Max64(left, table(CMapDoc::extentLeft, h, w));
        above = Max64(above, table(CMapDoc::extentAbove, h, w));
        right = Max64(right, table(CMapDoc::extentRight, h, w));
        below = Max64(below, table(CMapDoc::extentBelow, h, w));
    };
    if (s) raise();
    if (built) raise();
    return {ClampToInt(left), ClampToInt(right), ClampToInt(above), ClampToInt(below)};
}

const CBD* CMapGeometry::ConstructionTypeOf(int state, int type) const {
    // Under way: layer 6 is the type index; burning: the structure number
    // of the fire picture.
    if (state == CMapData::kConstructionUnderWay) return m_map.GetStructureType(type);
    if (state == CMapData::kConstructionBurning) return m_map.GetStructureType(type - 1);
    return nullptr;
}

bool CMapGeometry::BoxOverlaps(CCellPoint tested, CCellPoint reference,
                               const SCellExtents& box) const {
    const CCellPoint f = FarCornerOf(tested.x, tested.y);
    if (!IsViewCell(f.x, f.y)) return false;
    const SCellExtents c = GetCellExtents(f.x, f.y, 1);
    const CCellPoint mt = ViewToMap(tested.x, tested.y);
    const CCellPoint mr = ViewToMap(reference.x, reference.y);
    const int64_t ddx = int64_t{f.x} - reference.x;
    const int64_t ddy = int64_t{f.y} - reference.y;
    const int64_t dx = ddx * Metric(CMapDoc::metricColumnStepX) -
                       ddy * Metric(CMapDoc::metricRowStepX);
    const int64_t dy = ddx * Metric(CMapDoc::metricColumnStepY) +
                       ddy * Metric(CMapDoc::metricRowStepY) -
                       Product(Metric(CMapDoc::metricLevelRise),
                               int64_t{HeightAt(mt.x, mt.y)} - HeightAt(mr.x, mr.y));
    return dx + c.right >= -int64_t{box.left} && dx - c.left <= box.right &&
           dy - c.above <= box.below && dy + c.below >= -int64_t{box.above};
}

SCellRect CMapGeometry::GetRedrawRange(int vx, int vy, int wide) const {
    int w = 1, h = 1;
    const CCellPoint far = FarCornerOf(vx, vy, &w, &h);
    SCellRect r{std::max(far.x - w + 1, 0), std::max(far.y - h + 1, 0),
                std::min(far.x, GetViewColumns() - 1), std::min(far.y, GetViewRows() - 1)};
    if (r.x1 < 0 || r.y1 < 0) return {vx, vy, vx, vy};
    const CCellPoint ref{r.x1, r.y1};
    const SCellExtents box = GetCellExtents(ref.x, ref.y, wide);
    for (;;) {
        bool column = false, row = false;
        if (r.x0 > 0)
            for (int y = r.y0; y <= r.y1 && !column; ++y)
                column = BoxOverlaps({r.x0 - 1, y}, ref, box);
        if (r.y0 > 0)
            for (int x = r.x0; x <= r.x1 && !row; ++x) row = BoxOverlaps({x, r.y0 - 1}, ref, box);
        if (!column && !row) break;
        if (column) --r.x0;
        if (row) --r.y0;
    }
    return r;
}

void CMapGeometry::GetTotalSize(int& width, int& height) const {
    const int64_t c = GetViewColumns(), r = GetViewRows();
    const int64_t dxCol = Metric(CMapDoc::metricColumnStepX);
    const int64_t dyCol = Metric(CMapDoc::metricColumnStepY);
    const int64_t dxRow = Metric(CMapDoc::metricRowStepX);
    const int64_t dyRow = Metric(CMapDoc::metricRowStepY);
    const int64_t tw = (c - 1) * dxCol + std::llabs(dxCol + dxRow) + (r - 1) * dxRow;
    const int64_t th = (r - 1) * dyRow + std::llabs(dyCol + dyRow) + (c - 1) * dyCol +
                       Product(2 * int64_t{Metric(CMapDoc::metricMaxLevel)},
                               Metric(CMapDoc::metricLevelRise));
    width = Scale(tw, m_zoom);
    height = Scale(th, m_zoom);
}

int CMapGeometry::GetHighestLevel() const {
    int highest = 0;
    if (!m_area) return 0;
    for (int32_t level : m_area->Cells(CMapData::layerHeight)) highest = std::max(highest, level);
    return highest;
}

CCellPoint CMapGeometry::CellFromPoint(int px, int py) const {
    const CCellPoint none{-1, -1};
    if (!m_area || m_width <= 0 || m_height <= 0 || !(m_zoom > 0.0)) return none;
    const double dxCol = Metric(CMapDoc::metricColumnStepX);
    const double dyCol = Metric(CMapDoc::metricColumnStepY);
    const double dxRow = Metric(CMapDoc::metricRowStepX);
    const double dyRow = Metric(CMapDoc::metricRowStepY);
    const double dyLevel = Metric(CMapDoc::metricLevelRise);
    const double maxLevel = Metric(CMapDoc::metricMaxLevel);
    const double u = std::trunc((double(px) + m_scrollX) / m_zoom);
    const double v = std::trunc((double(py) + m_scrollY) / m_zoom) - 2.0 * maxLevel * dyLevel;
    const double k1 = -dyRow / dxRow;
    const double k2 = dyCol / dxCol;
    const double a = dyCol - dxCol * k1;
    const double b = dyRow + dxRow * k2;
    if (!std::isfinite(k1) || !std::isfinite(k2) || !std::isfinite(a) || !std::isfinite(b) ||
        a == 0.0 || b == 0.0)
        return none;
    const int cols = GetViewColumns(), rows = GetViewRows();
    const double baseX = (v - k1 * u - rows * dyRow) / a;
    const double baseY = (v - k2 * u - rows * dyRow) / -b;
    const double stepX = dyLevel / a, stepY = dyLevel / -b;
    // Only levels whose column and row can fall inside the grid are worth
    // trying; a damaged height layer may name any level.
    double lo = 0.0, hi = GetHighestLevel();
    auto narrow = [&](double base, double step, double limit) {
        if (step == 0.0) {
            if (!(base > -1.0 && base < limit)) hi = -1.0;
            return;
        }
        const double t1 = (-1.0 - base) / step, t2 = (limit - base) / step;
        lo = std::max(lo, std::floor(std::min(t1, t2)));
        hi = std::min(hi, std::ceil(std::max(t1, t2)));
    };
    narrow(baseX, stepX, cols);
    narrow(baseY, stepY, rows);
    if (dyLevel == 0.0) hi = std::min(hi, 0.0);
    if (!(hi >= lo)) return none;
    const double top = std::min(hi, double(std::numeric_limits<int>::max()));
    for (double level = top; level >= lo; level -= 1.0) {
        const double fx = baseX + level * stepX, fy = baseY + level * stepY;
        if (!std::isfinite(fx) || !std::isfinite(fy) || std::fabs(fx) > 1e9 ||
            std::fabs(fy) > 1e9)
            continue;
        const int cx = static_cast<int>(std::trunc(fx));
        const int cy = rows - 1 - static_cast<int>(std::trunc(fy));
        if (cx < 0 || cx >= cols || cy < 0 || cy >= rows) continue;
        const CCellPoint m = ViewToMap(cx, cy);
        if (HeightAt(m.x, m.y) >= level) return AnchorOf(m.x, m.y);
    }
    return none;
}

void CMapGeometry::FitScrollBars(int tw, int th, int cx, int cy, int barWidth, int barHeight,
                                 bool& horizontal, bool& vertical) {
    horizontal = tw > cx;
    vertical = th > cy;
    if (vertical) horizontal = tw > int64_t{cx} - barWidth;
    if (horizontal) vertical = th > int64_t{cy} - barHeight;
}

int CMapGeometry::LineStep(int page) { return std::max(page / 20, 1); }

int CMapGeometry::ClampScroll(int64_t pos, int min, int max, int page) {
    const int64_t last = int64_t{max} - page + 1;
    return ClampToInt(std::max<int64_t>(std::min(std::max<int64_t>(pos, min), last), min));
}
