#include "model/MapPainter.h"

#include <algorithm>
#include <climits>

#include "model/BD.h"
#include "model/CompanyPens.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/MapDrawOrder.h"
#include "model/MapGeometry.h"
#include "model/MapPictureCache.h"
#include "model/Saturate.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Pen.h"

namespace {

// Destination AND NOT source: clears the mask's shape from the target.
constexpr DWORD kMaskOut = 0x00220326;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Boxes are kept well inside int so that their sizes and unions never
// overflow, whatever heights and sizes damaged data names.
constexpr int64_t kCoordinateLimit = int64_t{1} << 29;

int Coordinate(int64_t v) { return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)); }

bool Meets(const CRect& a, const CRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The first i in [lo, hi] where a monotone false-then-true test holds;
// hi + 1 when it never does.
template <class Test>
int64_t FirstTrue(int64_t lo, int64_t hi, Test test) {
    while (lo <= hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        if (test(mid))
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return lo;
}

}  // namespace

CMapPainter::CMapPainter(const CMapGeometry& geometry, const CMapDrawOrder& order, SStyle style)
    : m_geometry(geometry), m_order(order), m_style(std::move(style)) {
    m_pictureDC.CreateCompatibleDC(nullptr);
    m_workDC.CreateCompatibleDC(nullptr);
}

CMapPainter::~CMapPainter() {
    if (m_workPrevious) m_workDC.SelectObject(m_workPrevious);
}

bool CMapPainter::EnsureWork(int width, int height) {
    if (width <= m_workWidth && height <= m_workHeight) return true;
    if (m_workPrevious) m_workDC.SelectObject(m_workPrevious);
    m_workPrevious = nullptr;
    m_work.DeleteObject();
    const int w = std::max(width, m_workWidth), h = std::max(height, m_workHeight);
    if (!m_work.CreateBitmap(w, h)) {
        m_workWidth = m_workHeight = 0;
        return false;
    }
    m_workWidth = w;
    m_workHeight = h;
    m_workPrevious = m_workDC.SelectObject(&m_work);
    return true;
}

bool CMapPainter::Highlighted(int vx, int vy) const {
    if (!m_style.highlight) return false;
    const CCellPoint m = m_geometry.ViewToMap(vx, vy);
    return m_style.highlight(m.x, m.y);
}

// ---- Whole rectangles ----

void CMapPainter::PaintRect(CDC& layer, CDC* coverage, const RECT& clip) {
    const CRect area(clip);
    if (area.IsRectEmpty() || !m_geometry.GetArea()) return;
    SCanvas canvas{&layer, coverage, nullptr, area};
    const int layerSaved = layer.SaveDC();
    layer.IntersectClipRect(area);
    int coverageSaved = 0;
    if (coverage) {
        coverageSaved = coverage->SaveDC();
        coverage->IntersectClipRect(area);
    }
    int rows = m_geometry.GetViewRows();
    if (m_style.partialRows >= 0) rows = std::min(rows, m_style.partialRows);
    const int columns = m_geometry.GetViewColumns();
    for (int vy = 0; vy < rows; ++vy)
        for (int vx = 0; vx < columns; ++vx) {
            if (m_style.mapMode == 2) {
                PaintCell(canvas, vx, vy, passGround);
                continue;
            }
            PaintCell(canvas, vx, vy, passGround);
            if (m_order.PaintsObjects(vx, vy)) PaintCell(canvas, vx, vy, passObjects);
        }
    if (coverage) coverage->RestoreDC(coverageSaved);
    layer.RestoreDC(layerSaved);
}

CRect CMapPainter::GetCellBounds(int vx, int vy) {
    CRect bounds(0, 0, 0, 0);
    SCanvas canvas{nullptr, nullptr, &bounds, CRect(INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2)};
    PaintCell(canvas, vx, vy, passGround | passObjects);
    return bounds;
}

void CMapPainter::PaintCell(SCanvas& canvas, int vx, int vy, int passes) {
    if (!m_geometry.IsViewCell(vx, vy)) return;
    if (canvas.layer) {
        // Measure first: a cell whose drawing misses the rectangle is
        // skipped whole.
        CRect bounds(0, 0, 0, 0);
        SCanvas measure{nullptr, nullptr, &bounds, canvas.clip};
        PaintCell(measure, vx, vy, passes);
        if (!Meets(bounds, canvas.clip)) return;
        if (m_style.painted) m_style.painted(vx, vy, bounds);
    }
    if (passes & passGround) {
        if (m_style.mapMode == 2) {
            const CCellPoint m = m_geometry.ViewToMap(vx, vy);
            const int level = m_geometry.HeightAt(m.x, m.y);
            Shade(canvas, m_geometry.GetCellScreenX(vx, vy),
                  m_geometry.GetCellScreenY(vx, vy, level), vx, vy);
            return;
        }
        PaintGround(canvas, vx, vy);
    }
    if ((passes & passObjects) && m_style.mapMode != 2) PaintObjects(canvas, vx, vy);
}

void CMapPainter::PaintGround(SCanvas& canvas, int vx, int vy) {
    const CCellPoint m = m_geometry.ViewToMap(vx, vy);
    const CMapData& area = *m_geometry.GetArea();
    const CMapDoc& map = m_geometry.GetMap();
    const int level = m_geometry.HeightAt(m.x, m.y);
    const bool highlight = Highlighted(vx, vy);
    PaintSides(canvas, vx, vy, level, highlight);
    const int x = m_geometry.GetCellScreenX(vx, vy);
    const int y = m_geometry.GetCellScreenY(vx, vy, level);
    Picture(canvas, map.GetLandTypeEntry(area.GetLandType(m.x, m.y)), x, y, highlight);
    Outline(canvas, x, y, vx, vy);
}

void CMapPainter::PaintSides(SCanvas& canvas, int vx, int vy, int level, bool highlight) {
    if (level <= 0) return;
    const CMapDoc& map = m_geometry.GetMap();
    const CBD* side = m_style.sidesFromFoundation
                          ? map.GetLandTypeEntry(map.GetCode17LandType())
                          : map.GetLandTypeEntry(map.GetLandTypeCount() - 1);
    CRect box;
    int picture = 0;
    const int x = m_geometry.GetCellScreenX(vx, vy);
    if (!side || !PictureBox(side, m_geometry.GetSlot(), x, 0, box, picture)) return;
    // Side i lies at the cell's reference point at level i; its box moves
    // monotonically with i, so the levels that reach into the rectangle
    // form one run (a damaged height layer may name any level).
    auto yAt = [&](int64_t i) { return m_geometry.GetCellScreenY(vx, vy, static_cast<int>(i)); };
    auto top = [&](int64_t i) { return int64_t{yAt(i)} + box.top; };
    const int64_t last = int64_t{level} - 1;
    if (top(0) == top(last)) {
        // Every side lies in the same place: once paints the same pixels.
        Picture(canvas, side, x, yAt(0), highlight);
        return;
    }
    if (!canvas.layer) {
        // Measuring: the two outermost sides bound all of them.
        Picture(canvas, side, x, yAt(0), highlight);
        Picture(canvas, side, x, yAt(last), highlight);
        return;
    }
    const int64_t height = box.Height();
    const CCellPoint m = m_geometry.ViewToMap(vx, vy);
    const int64_t floor = SideFloor(m.x, m.y, level);
    auto below = [&](int64_t i) { return top(i) >= canvas.clip.bottom; };
    auto above = [&](int64_t i) { return top(i) + height <= canvas.clip.top; };
    int64_t first = 0, end = last;
    if (top(last) < top(0)) {
        first = FirstTrue(0, last, [&](int64_t i) { return !below(i); });
        end = FirstTrue(0, last, above) - 1;
    } else {
        first = FirstTrue(0, last, [&](int64_t i) { return !above(i); });
        end = FirstTrue(0, last, below) - 1;
    }
    first = std::max(first, floor);
    for (int64_t i = first; i <= end; ++i) Picture(canvas, side, x, yAt(i), highlight);
}

int CMapPainter::SideFloor(int mx, int my, int level) const {
    if (!m_style.sidesFromLowestNeighbour) return 0;
    int lowest = level;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (!m_geometry.IsMapCell(mx + dx, my + dy)) return 0;
            lowest = std::min(lowest, m_geometry.HeightAt(mx + dx, my + dy));
        }
    return std::max(lowest, 0);
}

void CMapPainter::PaintObjects(SCanvas& canvas, int vx, int vy) {
    if (m_style.topographyOnly) return;
    int w = 1, h = 1;
    if (m_geometry.FarCornerOf(vx, vy, &w, &h) != CCellPoint(vx, vy)) return;
    const CMapDoc& map = m_geometry.GetMap();
    const CMapData& area = *m_geometry.GetArea();
    const CCellPoint m = m_geometry.ViewToMap(vx, vy);
    const int level = m_geometry.HeightAt(m.x, m.y);
    const int x = m_geometry.GetCellScreenX(vx, vy);
    const int y = m_geometry.GetCellScreenY(vx, vy, level);
    const bool highlight = Highlighted(vx, vy);
    const int state = area.GetConstructionState(m.x, m.y);
    const int built = area.GetConstructionType(m.x, m.y);
    if (state == CMapData::kConstructionUnderWay)
        Picture(canvas, m_geometry.ConstructionTypeOf(state, built), x, y, highlight);
    if (const CBD* s = m_geometry.StructureAt(m.x, m.y)) {
        Picture(canvas, s, x, y, highlight);
        // A construction may have an overlay: the type right after the one
        // being built, of the overlay code.
        const CBD* overlay = state == CMapData::kConstructionUnderWay && built >= 0
                                 ? map.GetStructureType(built + 1)
                                 : nullptr;
        if (overlay && overlay->GetTypeCode() == StructureCode::kCrossingPartner)
            Picture(canvas, overlay, x, y, highlight);
    }
    for (int by = vy - h + 1; by <= vy; ++by)
        for (int bx = vx - w + 1; bx <= vx; ++bx) {
            if (!m_geometry.IsViewCell(bx, by)) continue;
            const CCellPoint c = m_geometry.ViewToMap(bx, by);
            if (area.GetConstructionState(c.x, c.y) != CMapData::kConstructionBurning) continue;
            const CBD* fire = m_geometry.ConstructionTypeOf(CMapData::kConstructionBurning,
                                                            area.GetConstructionType(c.x, c.y));
            Picture(canvas, fire, m_geometry.GetCellScreenX(bx, by),
                    m_geometry.GetCellScreenY(bx, by, m_geometry.HeightAt(c.x, c.y)), highlight);
        }
}

// ---- One picture ----

bool CMapPainter::PictureBox(const CBD* type, int slot, int x, int y, CRect& box,
                             int& picture) const {
    if (!type) return false;
    picture = CMapGeometry::PictureIndexOf(*type, slot);
    if (picture < 0 || type->GetStripNumber() == -1 || type->GetPictureOffset(0, picture) == -1 ||
        type->GetPictureOffset(1, picture) == -1)
        return false;
    const CBD::SViewPoint& size = type->GetViewExtent(picture);
    const CBD::SViewPoint& hot = type->GetViewOffset(picture);
    const double z = m_geometry.GetZoom();
    const bool exact = z == 1.0;
    const int w = exact ? size.x : CMapGeometry::Scale(size.x, z);
    const int h = exact ? size.y : CMapGeometry::Scale(size.y, z);
    if (w <= 0 || h <= 0 || size.x <= 0 || size.y <= 0) return false;
    const int64_t left = int64_t{x} - TruncToInt(hot.x * z);
    const int64_t top = int64_t{y} - TruncToInt(hot.y * z);
    box.SetRect(Coordinate(left), Coordinate(top), Coordinate(left + w), Coordinate(top + h));
    if (box.IsRectEmpty()) return false;
    return true;
}

void CMapPainter::Picture(SCanvas& canvas, const CBD* type, int x, int y, bool highlight) {
    if (canvas.layer) {
        DrawPicture(*canvas.layer, canvas.coverage, type, x, y, m_geometry.GetSlot(), highlight);
        return;
    }
    CRect box;
    int picture = 0;
    if (PictureBox(type, m_geometry.GetSlot(), x, y, box, picture))
        canvas.bounds->UnionRect(*canvas.bounds, box);
}

void CMapPainter::DrawPicture(CDC& dc, CDC* coverage, const CBD* type, int x, int y, int slot,
                              bool highlight) {
    CRect box;
    int picture = 0;
    if (!PictureBox(type, slot, x, y, box, picture)) return;
    const CPictureStripBitmap* strip = m_geometry.GetMap().GetPictureStrip(type->GetStripNumber());
    if (!strip || !EnsureWork(box.Width(), box.Height())) return;
    const CBD::SViewPoint& size = type->GetViewExtent(picture);
    const int imageX = type->GetPictureOffset(0, picture);
    const int maskX = type->GetPictureOffset(1, picture);
    const int w = box.Width(), h = box.Height();
    const bool exact = m_geometry.GetZoom() == 1.0;
    if (m_style.pictures) {
        // The picture masked and the mask, at the drawn size, from the cache.
        const CBitmap& bits = strip->GetBitmap();
        CDC* masked = m_style.pictures->GetMasked(bits, imageX, maskX, highlight, size.x, size.y, w, h);
        CDC* mask = m_style.pictures->Get(bits, maskX, size.x, size.y, w, h);
        if (masked && mask) {
            dc.BitBlt(box.left, box.top, w, h, mask, 0, 0, kMaskOut);
            dc.BitBlt(box.left, box.top, w, h, masked, 0, 0, SRCPAINT);
            if (coverage) coverage->BitBlt(box.left, box.top, w, h, mask, 0, 0, SRCPAINT);
            return;
        }
    }
    // The strip is only read from.
    CBitmap* previous = m_pictureDC.SelectObject(const_cast<CBitmap*>(&strip->GetBitmap()));
    auto copy = [&](CDC& target, int tx, int ty, int sourceX, DWORD rop) {
        if (exact) {
            target.BitBlt(tx, ty, w, h, &m_pictureDC, sourceX, 0, rop);
        } else {
            target.SetStretchBltMode(COLORONCOLOR);
            target.StretchBlt(tx, ty, w, h, &m_pictureDC, sourceX, 0, size.x, size.y, rop);
        }
    };
    copy(m_workDC, 0, 0, imageX, highlight ? NOTSRCCOPY : SRCCOPY);
    copy(m_workDC, 0, 0, maskX, SRCAND);
    copy(dc, box.left, box.top, maskX, kMaskOut);
    dc.BitBlt(box.left, box.top, w, h, &m_workDC, 0, 0, SRCPAINT);
    if (coverage) copy(*coverage, box.left, box.top, maskX, SRCPAINT);
    m_pictureDC.SelectObject(previous);
}

// ---- Outlines and shades ----

void CMapPainter::FaceCorners(int x, int y, POINT p[4]) const {
    const CMapDoc& map = m_geometry.GetMap();
    const double z = m_geometry.GetZoom();
    auto scaled = [&](CMapDoc::eCellMetric metric) {
        return int64_t{TruncToInt(map.GetCellMetric(metric) * z)};
    };
    const int64_t dxCol = scaled(CMapDoc::metricColumnStepX);
    const int64_t dyCol = scaled(CMapDoc::metricColumnStepY);
    const int64_t dxRow = scaled(CMapDoc::metricRowStepX);
    const int64_t dyRow = scaled(CMapDoc::metricRowStepY);
    const int64_t face = scaled(CMapDoc::metricFaceOffset);
    const int64_t x0 = x, y0 = int64_t{y} - face;
    p[0] = {Coordinate(x0), Coordinate(y0)};
    p[1] = {Coordinate(x0 - dxCol), Coordinate(y0 - dyCol)};
    p[2] = {Coordinate(x0 - dxCol + dxRow), Coordinate(y0 - dyCol - dyRow)};
    p[3] = {Coordinate(x0 + dxRow), Coordinate(y0 - dyRow)};
}

void CMapPainter::Outline(SCanvas& canvas, int x, int y, int vx, int vy) {
    if (canvas.layer) {
        DrawOwnerOutline(*canvas.layer, canvas.coverage, x, y, vx, vy);
        return;
    }
    const CCellPoint m = m_geometry.ViewToMap(vx, vy);
    if (!m_geometry.IsMapCell(m.x, m.y) || m_geometry.GetArea()->GetCellOwner(m.x, m.y) == 0)
        return;
    POINT p[4];
    FaceCorners(x, y, p);
    CRect box(p[0].x, p[0].y, p[0].x, p[0].y);
    for (const POINT& c : p) {
        box.left = std::min<int>(box.left, c.x - 1);
        box.top = std::min<int>(box.top, c.y - 1);
        box.right = std::max<int>(box.right, c.x + 2);
        box.bottom = std::max<int>(box.bottom, c.y + 2);
    }
    canvas.bounds->UnionRect(*canvas.bounds, box);
}

void CMapPainter::DrawOwnerOutline(CDC& dc, CDC* coverage, int x, int y, int vx, int vy) {
    const CCellPoint m = m_geometry.ViewToMap(vx, vy);
    if (!m_geometry.IsMapCell(m.x, m.y) || !m_style.pens || !m_style.companyColour) return;
    const int owner = m_geometry.GetArea()->GetCellOwner(m.x, m.y);
    if (owner <= 0) return;
    const int colour = m_style.companyColour(owner - 1);
    CPen* dotted = m_style.pens->GetDotPen(colour);
    CPen* solid = m_style.pens->GetSolidPen(colour);
    if (!dotted || !solid) return;
    POINT p[4];
    FaceCorners(x, y, p);
    const POINT q[4] = {{p[0].x - 1, p[0].y - 1},
                        {p[1].x + 1, p[1].y - 1},
                        {p[2].x + 1, p[2].y + 1},
                        {p[3].x - 1, p[3].y + 1}};
    auto draw = [](CDC& target, CPen* inner, CPen* outer, const POINT* in, const POINT* out) {
        CPen* previous = target.SelectObject(inner);
        target.MoveTo(in[0]);
        for (int i = 1; i <= 4; ++i) target.LineTo(in[i % 4]);
        target.SelectObject(outer);
        target.MoveTo(out[0]);
        for (int i = 1; i <= 4; ++i) target.LineTo(out[i % 4]);
        target.SelectObject(previous);
    };
    dc.SetBkColor(kBlack);
    draw(dc, dotted, solid, q, p);
    if (coverage) {
        // The dotted pen's gaps are drawn in the background colour when the
        // context paints opaquely: white gaps cover the same pixels.
        CPen whiteDotted(PS_DOT, 1, kWhite);
        CPen whiteSolid(PS_SOLID, 1, kWhite);
        coverage->SetBkColor(kWhite);
        coverage->SetBkMode(dc.GetBkMode());
        draw(*coverage, &whiteDotted, &whiteSolid, q, p);
    }
}

void CMapPainter::Shade(SCanvas& canvas, int x, int y, int vx, int vy) {
    if (canvas.layer) {
        DrawLevelShade(*canvas.layer, canvas.coverage, x, y, vx, vy);
        return;
    }
    POINT p[4];
    FaceCorners(x, y, p);
    CRect box(p[0].x, p[0].y, p[0].x, p[0].y);
    for (const POINT& c : p) {
        box.left = std::min<int>(box.left, c.x);
        box.top = std::min<int>(box.top, c.y);
        box.right = std::max<int>(box.right, c.x + 1);
        box.bottom = std::max<int>(box.bottom, c.y + 1);
    }
    canvas.bounds->UnionRect(*canvas.bounds, box);
}

void CMapPainter::DrawLevelShade(CDC& dc, CDC* coverage, int x, int y, int vx, int vy) {
    const CCellPoint m = m_geometry.ViewToMap(vx, vy);
    if (!m_geometry.IsMapCell(m.x, m.y)) return;
    const int64_t value = 2 * int64_t{m_geometry.GetArea()->GetLandValue(m.x, m.y)};
    const int v = static_cast<int>(std::clamp<int64_t>(value, 0, 255));
    POINT p[4];
    FaceCorners(x, y, p);
    auto fill = [&](CDC& target, COLORREF inside, bool blackOutline) {
        CBrush brush(inside);
        CPen white(PS_SOLID, 1, kWhite);
        CBrush* previousBrush = target.SelectObject(&brush);
        CGdiObject* previousPen =
            blackOutline ? target.SelectStockObject(BLACK_PEN) : target.SelectObject(&white);
        target.Polygon(p, 4);
        target.SelectObject(previousPen);
        target.SelectObject(previousBrush);
    };
    fill(dc, RGB(v, v, v), true);
    if (coverage) fill(*coverage, kWhite, false);
}
