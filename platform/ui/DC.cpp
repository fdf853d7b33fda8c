#include "platform/ui/DC.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Font.h"
#include "platform/ui/Palette.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/BitmapImpl.h"
#include "platform/ui/detail/DCImpl.h"
#include "platform/ui/detail/DibDecoder.h"
#include "platform/ui/detail/FontImpl.h"
#include "platform/ui/detail/Raster.h"
#include "platform/ui/detail/UiSystem.h"
#include "platform/ui/detail/WindowList.h"
#include "platform/ui/detail/WndImpl.h"

namespace {

CBitmap* StockBitmap() {
    static CBitmap* bitmap = [] {
        auto* b = new CBitmap;
        b->CreateBitmap(1, 1);
        return b;
    }();
    return bitmap;
}

CDCState DefaultState() {
    CDCState s;
    s.pen = static_cast<CPen*>(CGdiObject::GetStockObject(BLACK_PEN));
    s.brush = static_cast<CBrush*>(CGdiObject::GetStockObject(WHITE_BRUSH));
    s.font = static_cast<CFont*>(CGdiObject::GetStockObject(SYSTEM_FONT));
    s.bitmap = StockBitmap();
    return s;
}

uint32_t& At(QImage& image, int x, int y) {
    return reinterpret_cast<uint32_t*>(image.scanLine(y))[x];
}

// The part of a surface rectangle that may be drawn, or an empty one.
QRect Clipped(const CDCTarget& t, const QRect& r) {
    return r.normalized().intersected(t.clip);
}

// Renders a shape with Qt into a coverage mask over `bounds` (surface
// coordinates) so that our own raster code can apply the drawing mode to
// exactly the pixels the shape covers.
template <typename Draw>
QImage Coverage(const QRect& bounds, Draw draw) {
    QImage mask(bounds.size(), QImage::Format_Alpha8);
    mask.fill(0);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(-bounds.topLeft());
    draw(p);
    return mask;
}

}  // namespace

// ---- Surface -----------------------------------------------------------------

bool CDC::Impl::Resolve(CDCTarget& t) const {
    QPoint base(0, 0);
    QRect area;
    if (kind == Kind::Window) {
        if (!CWindowList::IsAlive(wnd)) return false;
        CWnd::Impl& wi = wnd->PlatformImpl();
        if (!wi.widget || wi.widget->Surface().isNull()) return false;
        t.widget = wi.widget;
        t.image = &wi.widget->Surface();
        area = wholeWindow ? t.image->rect() : wi.ClientInWidget();
        base = area.topLeft();
        if (paintClip) area = area.intersected(paintClip->translated(base));
    } else if (kind == Kind::Memory) {
        if (!state.bitmap || !state.bitmap->IsCreated()) return false;
        t.image = &state.bitmap->PlatformImpl().image;
        area = t.image->rect();
    } else {
        return false;
    }
    t.origin = base + QPoint(state.viewportOrg.x, state.viewportOrg.y);
    t.clip = area.intersected(t.image->rect());
    if (state.clip) t.clip = t.clip.intersected(*state.clip);
    return !t.clip.isEmpty();
}

void CDC::Impl::Touched(const CDCTarget& t, const QRect& area) {
    if (t.widget && !area.isEmpty()) t.widget->update(area);
}

COLORREF CDC::Impl::Resolve(COLORREF color) const {
    const uint32_t kind = color >> 24;
    if (kind == 1 || kind == 2) {
        const CPalette* pal = state.palette;
        if (!pal || !pal->IsCreated()) return color & 0x00FFFFFFu;
        if (kind == 1) return pal->EntryColor(color & 0xFFFFu);
        return pal->EntryColor(pal->GetNearestPaletteIndex(color & 0x00FFFFFFu));
    }
    return color & 0x00FFFFFFu;
}

uint32_t CDC::Impl::Pixel(COLORREF color) const {
    return CUiSystem::ToPixel(Resolve(color));
}

// ---- Life and selection --------------------------------------------------------

CDC::CDC() : m_impl(std::make_unique<Impl>()) {
    m_impl->state = DefaultState();
}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*) {
    CUiSystem::Ensure();
    m_impl->kind = Impl::Kind::Memory;
    m_impl->state = DefaultState();
    return TRUE;
}

BOOL CDC::DeleteDC() {
    m_impl->kind = Impl::Kind::None;
    m_impl->state = DefaultState();
    return TRUE;
}

CPen* CDC::SelectObject(CPen* pen) {
    if (!pen) return nullptr;
    return std::exchange(m_impl->state.pen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (!brush) return nullptr;
    return std::exchange(m_impl->state.brush, brush);
}

CFont* CDC::SelectObject(CFont* font) {
    if (!font) return nullptr;
    return std::exchange(m_impl->state.font, font);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    if (!bitmap || m_impl->kind != Impl::Kind::Memory) return nullptr;
    return std::exchange(m_impl->state.bitmap, bitmap);
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    if (auto* pen = dynamic_cast<CPen*>(object)) return SelectObject(pen);
    if (auto* brush = dynamic_cast<CBrush*>(object)) return SelectObject(brush);
    if (auto* font = dynamic_cast<CFont*>(object)) return SelectObject(font);
    if (auto* bitmap = dynamic_cast<CBitmap*>(object)) return SelectObject(bitmap);
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int id) {
    return SelectObject(CGdiObject::GetStockObject(id));
}

CPen* CDC::GetCurrentPen() const {
    return m_impl->state.pen;
}
CBrush* CDC::GetCurrentBrush() const {
    return m_impl->state.brush;
}
CFont* CDC::GetCurrentFont() const {
    return m_impl->state.font;
}
CBitmap* CDC::GetCurrentBitmap() const {
    return m_impl->state.bitmap;
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL) {
    return std::exchange(m_impl->state.palette, palette);
}

UINT CDC::RealizePalette() {
    return 0;
}

int CDC::SaveDC() {
    m_impl->saved.push_back(m_impl->state);
    return static_cast<int>(m_impl->saved.size());
}

BOOL CDC::RestoreDC(int saved) {
    auto& stack = m_impl->saved;
    if (saved < 0) saved = static_cast<int>(stack.size()) + 1 + saved;
    if (saved <= 0 || saved > static_cast<int>(stack.size())) return FALSE;
    m_impl->state = stack[static_cast<size_t>(saved - 1)];
    stack.resize(static_cast<size_t>(saved - 1));
    return TRUE;
}

// ---- Attributes ------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF c) {
    return std::exchange(m_impl->state.textColor, c);
}
COLORREF CDC::GetTextColor() const {
    return m_impl->state.textColor;
}
COLORREF CDC::SetBkColor(COLORREF c) {
    return std::exchange(m_impl->state.bkColor, c);
}
COLORREF CDC::GetBkColor() const {
    return m_impl->state.bkColor;
}

int CDC::SetBkMode(int mode) {
    if (mode != OPAQUE && mode != TRANSPARENT) return 0;
    return std::exchange(m_impl->state.bkMode, mode);
}

int CDC::GetBkMode() const {
    return m_impl->state.bkMode;
}

int CDC::SetROP2(int mode) {
    if (mode < 1 || mode > 16) return 0;
    return std::exchange(m_impl->state.rop2, mode);
}

int CDC::GetROP2() const {
    return m_impl->state.rop2;
}
UINT CDC::SetTextAlign(UINT align) {
    return std::exchange(m_impl->state.textAlign, align);
}
UINT CDC::GetTextAlign() const {
    return m_impl->state.textAlign;
}
int CDC::SetStretchBltMode(int mode) {
    return std::exchange(m_impl->state.stretchMode, mode);
}

CPoint CDC::SetViewportOrg(int x, int y) {
    return std::exchange(m_impl->state.viewportOrg, CPoint(x, y));
}

CPoint CDC::GetViewportOrg() const {
    return m_impl->state.viewportOrg;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
    CDCTarget t;
    const bool ok = m_impl->Resolve(t);
    const QPoint origin = ok ? t.origin : QPoint();
    QRect r = CUiSystem::ToQRect(CRect(left, top, right, bottom)).translated(origin);
    m_impl->state.clip = m_impl->state.clip ? m_impl->state.clip->intersected(r) : r;
    return m_impl->state.clip->isEmpty() ? 1 : 2;
}

int CDC::IntersectClipRect(const RECT& r) {
    return IntersectClipRect(r.left, r.top, r.right, r.bottom);
}

int CDC::SelectClipRgn(std::nullptr_t) {
    m_impl->state.clip.reset();
    return 2;
}

int CDC::GetClipBox(RECT* rect) const {
    CDCTarget t;
    if (!m_impl->Resolve(t)) {
        if (rect) *rect = CRect();
        return 1;
    }
    if (rect) *rect = CUiSystem::FromQRect(t.clip.translated(-t.origin));
    return 2;
}

CBrush* CDC::GetHalftoneBrush() {
    return CBrush::GetHalftoneBrush();
}

// ---- Pixel work ---------------------------------------------------------------------

namespace {

class Painter {
public:
    Painter(const CDC::Impl& impl, CDCTarget& target) : m_impl(impl), m_t(target) {}

    // Applies the drawing mode with a pen or brush pixel.
    void Plot(int sx, int sy, uint32_t pen) {
        if (!m_t.Contains(sx, sy)) return;
        uint32_t& d = At(*m_t.image, sx, sy);
        d = m_impl.state.rop2 == R2_COPYPEN ? pen : CRaster::Rop2(m_impl.state.rop2, pen, d);
    }

    uint32_t BrushPixel(const CBrush& brush, int sx, int sy) const {
        return m_impl.Pixel(brush.ColorAt(sx - m_t.origin.x(), sy - m_t.origin.y()));
    }

    void PlotBrush(const CBrush* brush, int sx, int sy) {
        if (brush && brush->GetKind() != CBrush::Kind::Null)
            Plot(sx, sy, BrushPixel(*brush, sx, sy));
    }

    // A line in device coordinates without its last point; `step` carries
    // the dash pattern on across the segments of one figure.
    void Line(int x0, int y0, int x1, int y1, int& step) {
        const CPen* pen = m_impl.state.pen;
        if (!pen || pen->Style() == PS_NULL) return;
        const uint32_t color = m_impl.Pixel(pen->Color());
        const uint32_t gap = m_impl.Pixel(m_impl.state.bkColor);
        const bool opaqueGaps = m_impl.state.bkMode == OPAQUE;
        const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
        const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        int x = x0, y = y0;
        while (x != x1 || y != y1) {
            const bool on = Dash(pen->Style(), step++);
            if (on || opaqueGaps)
                Dot(x + m_t.origin.x(), y + m_t.origin.y(), on ? color : gap, pen->Width());
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
    }

    void Figure(const POINT* points, int count, bool closed) {
        int step = 0;
        for (int i = 0; i + 1 < count; ++i) {
            Line(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, step);
        }
        if (closed && count > 1) {
            Line(points[count - 1].x, points[count - 1].y, points[0].x, points[0].y, step);
        }
    }

    // Every covered pixel of a mask over `bounds` gets the brush.
    void FillCoverage(const QImage& mask, const QRect& bounds, const CBrush* brush) {
        if (!brush || brush->GetKind() == CBrush::Kind::Null) return;
        ForCovered(mask, bounds, [&](int sx, int sy) { PlotBrush(brush, sx, sy); });
    }

    void OutlineCoverage(const QImage& mask, const QRect& bounds) {
        const CPen* pen = m_impl.state.pen;
        if (!pen || pen->Style() == PS_NULL) return;
        const uint32_t color = m_impl.Pixel(pen->Color());
        ForCovered(mask, bounds, [&](int sx, int sy) { Plot(sx, sy, color); });
    }

    // A rectangle of plain pixels (no drawing mode), surface coordinates.
    template <typename ColorAt>
    void Fill(const QRect& r, ColorAt colorAt) {
        const QRect c = Clipped(m_t, r);
        for (int y = c.top(); y <= c.bottom(); ++y) {
            auto* row = reinterpret_cast<uint32_t*>(m_t.image->scanLine(y));
            for (int x = c.left(); x <= c.right(); ++x) row[x] = colorAt(x, y);
        }
    }

    void Touch() { CDC::Impl::Touched(m_t, m_t.clip); }

private:
    // Calls `plot` with the surface point of every covered pixel of a mask.
    template <typename PlotAt>
    static void ForCovered(const QImage& mask, const QRect& bounds, PlotAt plot) {
        for (int y = 0; y < mask.height(); ++y) {
            const uchar* row = mask.constScanLine(y);
            for (int x = 0; x < mask.width(); ++x) {
                if (row[x] > 127) plot(bounds.left() + x, bounds.top() + y);
            }
        }
    }

    static bool Dash(int style, int step) {
        if (style == PS_DOT) return (step / 3) % 2 == 0;
        if (style == PS_DASH) return step % 24 < 18;
        return true;
    }

    void Dot(int sx, int sy, uint32_t color, int width) {
        if (width <= 1) {
            Plot(sx, sy, color);
            return;
        }
        const int half = width / 2;
        for (int y = sy - half; y < sy - half + width; ++y) {
            for (int x = sx - half; x < sx - half + width; ++x) Plot(x, y, color);
        }
    }

    const CDC::Impl& m_impl;
    CDCTarget& m_t;
};

QRect DeviceRect(const CDCTarget& t, int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).translated(t.origin);
}

}  // namespace

// ---- Fills and frames ----------------------------------------------------------------

void CDC::FillRect(const RECT& rect, CBrush* brush) {
    CDCTarget t;
    if (!brush || brush->GetKind() == CBrush::Kind::Null || !m_impl->Resolve(t)) return;
    Painter p(*m_impl, t);
    p.Fill(DeviceRect(t, rect.left, rect.top, rect.right, rect.bottom),
           [&](int x, int y) { return p.BrushPixel(*brush, x, y); });
    p.Touch();
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color) {
    SetBkColor(color);
    CDCTarget t;
    if (!m_impl->Resolve(t)) return;
    Painter p(*m_impl, t);
    const uint32_t pixel = m_impl->Pixel(color);
    p.Fill(DeviceRect(t, rect.left, rect.top, rect.right, rect.bottom),
           [&](int, int) { return pixel; });
    p.Touch();
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    FillSolidRect(CRect(x, y, x + cx, y + cy), color);
}

void CDC::FrameRect(const RECT& r, CBrush* brush) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    FillRect(CRect(r.left, r.top, r.right, r.top + 1), brush);
    FillRect(CRect(r.left, r.bottom - 1, r.right, r.bottom), brush);
    FillRect(CRect(r.left, r.top, r.left + 1, r.bottom), brush);
    FillRect(CRect(r.right - 1, r.top, r.right, r.bottom), brush);
}

void CDC::InvertRect(const RECT& r) {
    PatBlt(r.left, r.top, r.right - r.left, r.bottom - r.top, DSTINVERT);
}

void CDC::Draw3dRect(const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(r.left, r.top, r.right - r.left, r.bottom - r.top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

BOOL CDC::DrawEdge(RECT* rect, UINT edge, UINT flags) {
    if (!rect) return FALSE;
    CRect r(*rect);
    const COLORREF bk = GetBkColor();
    auto ring = [&](COLORREF tl, COLORREF br) {
        if (flags & BF_TOP) FillSolidRect(r.left, r.top, r.Width(), 1, tl);
        if (flags & BF_LEFT) FillSolidRect(r.left, r.top, 1, r.Height(), tl);
        if (flags & BF_BOTTOM) FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, br);
        if (flags & BF_RIGHT) FillSolidRect(r.right - 1, r.top, 1, r.Height(), br);
        r.SetRect(r.left + ((flags & BF_LEFT) ? 1 : 0), r.top + ((flags & BF_TOP) ? 1 : 0),
                  r.right - ((flags & BF_RIGHT) ? 1 : 0), r.bottom - ((flags & BF_BOTTOM) ? 1 : 0));
    };
    if (edge & BDR_RAISEDOUTER) {
        ring(GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    } else if (edge & BDR_SUNKENOUTER) {
        ring(GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    }
    if (edge & BDR_RAISEDINNER) {
        ring(GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    } else if (edge & BDR_SUNKENINNER) {
        ring(GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
    }
    if (flags & BF_MIDDLE) FillSolidRect(r, GetSysColor(COLOR_BTNFACE));
    if (flags & BF_ADJUST) *rect = r;
    SetBkColor(bk);
    return TRUE;
}

void CDC::DrawFocusRect(const RECT& rect) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return;
    const QRect r = DeviceRect(t, rect.left, rect.top, rect.right, rect.bottom);
    if (r.isEmpty()) return;
    auto flip = [&](int x, int y) {
        if (((x + y) & 1) == 0 && t.Contains(x, y)) At(*t.image, x, y) ^= 0x00FFFFFFu;
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        flip(x, r.top());
        if (r.bottom() > r.top()) flip(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        flip(r.left(), y);
        if (r.right() > r.left()) flip(r.right(), y);
    }
    Impl::Touched(t, r);
}

// ---- Lines and shapes ---------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(m_impl->state.position, CPoint(x, y));
}

CPoint CDC::GetCurrentPosition() const {
    return m_impl->state.position;
}

BOOL CDC::LineTo(int x, int y) {
    const CPoint from = std::exchange(m_impl->state.position, CPoint(x, y));
    CDCTarget t;
    if (!m_impl->Resolve(t)) return TRUE;
    Painter p(*m_impl, t);
    int step = 0;
    p.Line(from.x, from.y, x, y, step);
    p.Touch();
    return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count) {
    if (!points || count < 2) return FALSE;
    CDCTarget t;
    if (!m_impl->Resolve(t)) return TRUE;
    Painter p(*m_impl, t);
    p.Figure(points, count, false);
    p.Touch();
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count) {
    if (!points || count < 2) return FALSE;
    CDCTarget t;
    if (!m_impl->Resolve(t)) return TRUE;
    Painter p(*m_impl, t);
    QPolygon shape;
    for (int i = 0; i < count; ++i) shape << QPoint(points[i].x, points[i].y) + t.origin;
    const QRect bounds = shape.boundingRect().intersected(t.clip);
    if (!bounds.isEmpty()) {
        const QImage mask = Coverage(bounds, [&](QPainter& qp) {
            qp.setPen(Qt::NoPen);
            qp.setBrush(Qt::black);
            qp.drawPolygon(shape, Qt::OddEvenFill);
        });
        p.FillCoverage(mask, bounds, m_impl->state.brush);
    }
    p.Figure(points, count, true);
    p.Touch();
    return TRUE;
}

BOOL CDC::Rectangle(const RECT& r) {
    return Rectangle(r.left, r.top, r.right, r.bottom);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return TRUE;
    CRect r(left, top, right, bottom);
    r.NormalizeRect();
    Painter p(*m_impl, t);
    const CPen* pen = m_impl->state.pen;
    const bool noPen = !pen || pen->Style() == PS_NULL;
    const QRect inside = noPen ? DeviceRect(t, r.left, r.top, r.right - 1, r.bottom - 1)
                               : DeviceRect(t, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
    const QRect c = Clipped(t, inside);
    for (int y = c.top(); y <= c.bottom(); ++y) {
        for (int x = c.left(); x <= c.right(); ++x) p.PlotBrush(m_impl->state.brush, x, y);
    }
    if (!noPen && r.Width() > 0 && r.Height() > 0) {
        const POINT corners[4] = {{r.left, r.top},
                                  {r.right - 1, r.top},
                                  {r.right - 1, r.bottom - 1},
                                  {r.left, r.bottom - 1}};
        if (r.Width() == 1 || r.Height() == 1) {
            int step = 0;
            p.Line(r.left, r.top, r.right - 1 + (r.Width() == 1 ? 0 : 1),
                   r.bottom - 1 + (r.Height() == 1 ? 0 : 1), step);
        } else {
            p.Figure(corners, 4, true);
        }
    }
    p.Touch();
    return TRUE;
}

BOOL CDC::Ellipse(const RECT& r) {
    return Ellipse(r.left, r.top, r.right, r.bottom);
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return TRUE;
    const QRect box = DeviceRect(t, left, top, right, bottom).normalized();
    const QRect bounds = box.adjusted(-1, -1, 1, 1).intersected(t.clip);
    if (bounds.isEmpty()) return TRUE;
    Painter p(*m_impl, t);
    const QImage fill = Coverage(bounds, [&](QPainter& qp) {
        qp.setPen(Qt::NoPen);
        qp.setBrush(Qt::black);
        qp.drawEllipse(box);
    });
    const QImage outline = Coverage(bounds, [&](QPainter& qp) {
        QPen pen(Qt::black);
        pen.setWidth(0);
        qp.setPen(pen);
        qp.setBrush(Qt::NoBrush);
        qp.drawEllipse(box.adjusted(0, 0, -1, -1));
    });
    p.FillCoverage(fill, bounds, m_impl->state.brush);
    p.OutlineCoverage(outline, bounds);
    p.Touch();
    return TRUE;
}

// ---- Text ------------------------------------------------------------------------------

namespace {

const CFont::Impl& FontOf(const CDCState& state) {
    const CFont* font = state.font;
    if (!font || !font->IsCreated() || !font->PlatformImpl().metrics) {
        font = static_cast<CFont*>(CGdiObject::GetStockObject(SYSTEM_FONT));
    }
    return font->PlatformImpl();
}

QPoint TextTopLeft(const CDCState& state, const QFontMetrics& fm, int x, int y, int width) {
    const UINT align = state.textAlign;
    if ((align & TA_CENTER) == TA_CENTER) {
        x -= width / 2;
    } else if (align & TA_RIGHT) {
        x -= width;
    }
    if ((align & TA_BASELINE) == TA_BASELINE) {
        y -= fm.ascent();
    } else if (align & TA_BOTTOM) {
        y -= fm.height();
    }
    return QPoint(x, y);
}

}  // namespace

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    return ExtTextOut(x, y, 0, nullptr, text, nullptr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const RECT* rect, const std::string& text,
                     const int* dx) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return TRUE;
    const CDCState& s = m_impl->state;
    const CFont::Impl& font = FontOf(s);
    const QFontMetrics& fm = *font.metrics;
    const QColor bk = CUiSystem::ToQColor(m_impl->Resolve(s.bkColor));
    QPainter p(t.image);
    QRect clip = t.clip;
    if (rect) {
        const QRect r = DeviceRect(t, rect->left, rect->top, rect->right, rect->bottom);
        if (options & ETO_OPAQUE) p.fillRect(Clipped(t, r), bk);
        if (options & ETO_CLIPPED) clip = clip.intersected(r);
    }
    const QList<uint> chars =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4();
    int width = 0;
    if (dx) {
        for (qsizetype i = 0; i < chars.size(); ++i) width += dx[i];
    } else {
        width = fm.horizontalAdvance(
            QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.data()), chars.size()));
    }
    const QPoint topLeft = TextTopLeft(s, fm, x, y, width) + t.origin;
    if (!clip.isEmpty() && !chars.isEmpty()) {
        p.setClipRect(clip);
        if (s.bkMode == OPAQUE) p.fillRect(QRect(topLeft, QSize(width, fm.height())), bk);
        p.setFont(font.font);
        p.setPen(CUiSystem::ToQColor(m_impl->Resolve(s.textColor)));
        const QPoint baseline = topLeft + QPoint(0, fm.ascent());
        if (dx) {
            int advance = 0;
            for (qsizetype i = 0; i < chars.size(); ++i) {
                const char32_t c = chars[i];
                p.drawText(baseline + QPoint(advance, 0), QString::fromUcs4(&c, 1));
                advance += dx[i];
            }
        } else {
            p.drawText(baseline, QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.data()),
                                                   chars.size()));
        }
    }
    p.end();
    Impl::Touched(t, t.clip);
    return TRUE;
}

CSize CDC::GetTextExtent(const std::string& text) const {
    const CFont::Impl& font = FontOf(m_impl->state);
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return CSize(font.metrics->horizontalAdvance(s), font.metrics->height());
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* tm) const {
    if (!tm) return FALSE;
    const CFont::Impl& font = FontOf(m_impl->state);
    const QFontMetrics& fm = *font.metrics;
    tm->tmAscent = fm.ascent();
    tm->tmDescent = fm.descent();
    tm->tmHeight = fm.ascent() + fm.descent();
    tm->tmInternalLeading = std::max(0, tm->tmHeight - font.font.pixelSize());
    tm->tmExternalLeading = std::max(0, fm.leading());
    tm->tmAveCharWidth = fm.horizontalAdvance(QLatin1Char('x'));
    tm->tmMaxCharWidth = fm.maxWidth();
    tm->tmWeight = font.log.lfWeight;
    return TRUE;
}

// ---- Block transfers -----------------------------------------------------------------

namespace {

// One transfer: destination rectangle in device coordinates (negative sizes
// mirror), source rectangle inside `source` (pixels outside `valid` are left
// alone), nearest-pixel stretching.
struct Transfer {
    QRect dst;  // x, y, signed width and height kept separately
    int dstW = 0;
    int dstH = 0;
    const QImage* source = nullptr;
    QRect valid;
    int srcX = 0;
    int srcY = 0;
    int srcW = 0;
    int srcH = 0;
};

// A transfer to x, y of `width` by `height` (negative sizes mirror).
Transfer To(int x, int y, int width, int height) {
    Transfer tr;
    tr.dst = QRect(x, y, 1, 1);
    tr.dstW = width;
    tr.dstH = height;
    return tr;
}

int SourceOffset(int d, int dstSize, int srcSize, bool mirror) {
    const int s = static_cast<int>((static_cast<int64_t>(d) * srcSize) / dstSize);
    return mirror ? srcSize - 1 - s : s;
}

bool Run(const CDC::Impl& impl, CDCTarget& t, const Transfer& tr, DWORD rop) {
    const uint8_t code = static_cast<uint8_t>((rop >> 16) & 0xFF);
    const bool useSource = CRaster::UsesSource(code);
    if (useSource && (!tr.source || tr.srcW == 0 || tr.srcH == 0)) return false;
    const int w = std::abs(tr.dstW), h = std::abs(tr.dstH);
    const int sw = std::abs(tr.srcW), sh = std::abs(tr.srcH);
    const bool mirrorX = (tr.dstW < 0) != (tr.srcW < 0);
    const bool mirrorY = (tr.dstH < 0) != (tr.srcH < 0);
    const int left = (tr.dstW < 0 ? tr.dst.x() + tr.dstW : tr.dst.x()) + t.origin.x();
    const int top = (tr.dstH < 0 ? tr.dst.y() + tr.dstH : tr.dst.y()) + t.origin.y();
    const int srcLeft = tr.srcW < 0 ? tr.srcX + tr.srcW : tr.srcX;
    const int srcTop = tr.srcH < 0 ? tr.srcY + tr.srcH : tr.srcY;
    const CBrush* brush = impl.state.brush;
    const bool usePattern = CRaster::UsesPattern(code);
    const QRect area = QRect(left, top, w, h).intersected(t.clip);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int sy = useSource ? srcTop + SourceOffset(y - top, h, sh, mirrorY) : 0;
        auto* row = reinterpret_cast<uint32_t*>(t.image->scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            uint32_t s = 0;
            if (useSource) {
                const int sx = srcLeft + SourceOffset(x - left, w, sw, mirrorX);
                if (!tr.valid.contains(sx, sy)) continue;
                s = reinterpret_cast<const uint32_t*>(tr.source->constScanLine(sy))[sx];
            }
            uint32_t p = 0;
            if (usePattern && brush && brush->GetKind() != CBrush::Kind::Null) {
                p = impl.Pixel(brush->ColorAt(x - t.origin.x(), y - t.origin.y()));
            }
            row[x] = CRaster::Rop3(code, p, s, row[x]);
        }
    }
    CDC::Impl::Touched(t, area);
    return true;
}

}  // namespace

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return FALSE;
    return Run(*m_impl, t, To(x, y, width, height), rop) ? TRUE : FALSE;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop) {
    return StretchBlt(x, y, width, height, src, xSrc, ySrc, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc,
                     int srcWidth, int srcHeight, DWORD rop) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return FALSE;
    Transfer tr = To(x, y, width, height);
    QImage copy;
    if (CRaster::UsesSource(static_cast<uint8_t>((rop >> 16) & 0xFF))) {
        CDCTarget st;
        if (!src || !src->m_impl->Resolve(st)) return FALSE;
        // Read the source before writing, so a copy onto itself sees the old
        // pixels wherever the rectangles overlap.
        const QRect need =
            QRect(QPoint(xSrc, ySrc), QSize(std::abs(srcWidth), std::abs(srcHeight)))
                .translated(srcWidth < 0 ? srcWidth : 0, srcHeight < 0 ? srcHeight : 0)
                .translated(st.origin);
        const QRect avail = need.intersected(st.clip);
        if (avail.isEmpty()) return TRUE;
        copy = st.image->copy(avail);
        tr.source = &copy;
        tr.valid = QRect(QPoint(0, 0), avail.size());
        tr.srcX = xSrc + st.origin.x() - avail.left();
        tr.srcY = ySrc + st.origin.y() - avail.top();
        tr.srcW = srcWidth;
        tr.srcH = srcHeight;
    }
    return Run(*m_impl, t, tr, rop) ? TRUE : FALSE;
}

int CDC::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                       int srcHeight, const void* bits, size_t bitsSize, const void* info,
                       size_t infoSize, UINT usage, DWORD rop) {
    if (usage != DIB_RGB_COLORS) return 0;
    bool bottomUp = true;
    const QImage image = CDibDecoder::Decode(info, infoSize, bits, bitsSize, &bottomUp);
    if (image.isNull()) return 0;
    CDCTarget t;
    if (!m_impl->Resolve(t)) return 0;
    // Mirroring asked for by the source size moves to the destination, so the
    // source rectangle can be made top-down and positive. The stored form
    // counts rows from the bottom for bottom-up bitmaps.
    const int sw = std::abs(srcWidth), sh = std::abs(srcHeight);
    Transfer tr = To(x, y, srcWidth < 0 ? -width : width, srcHeight < 0 ? -height : height);
    tr.source = &image;
    tr.valid = image.rect();
    tr.srcX = srcWidth < 0 ? xSrc - sw : xSrc;
    const int bottom = srcHeight < 0 ? ySrc - sh : ySrc;
    tr.srcY = bottomUp ? image.height() - bottom - sh : bottom;
    tr.srcW = sw;
    tr.srcH = sh;
    return Run(*m_impl, t, tr, rop) ? std::abs(srcHeight) : 0;
}

int CDC::SetDIBitsToDevice(int x, int y, int width, int height, int xSrc, int ySrc,
                           const void* bits, size_t bitsSize, const void* info, size_t infoSize,
                           UINT usage) {
    return StretchDIBits(x, y, width, height, xSrc, ySrc, width, height, bits, bitsSize, info,
                         infoSize, usage, SRCCOPY);
}

// ---- Pixels -------------------------------------------------------------------------------

COLORREF CDC::GetPixel(int x, int y) const {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return CLR_INVALID;
    const QPoint s = QPoint(x, y) + t.origin;
    if (!t.Contains(s.x(), s.y())) return CLR_INVALID;
    return CUiSystem::FromPixel(At(*t.image, s.x(), s.y()));
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return CLR_INVALID;
    const QPoint s = QPoint(x, y) + t.origin;
    if (!t.Contains(s.x(), s.y())) return CLR_INVALID;
    At(*t.image, s.x(), s.y()) = m_impl->Pixel(color);
    Impl::Touched(t, QRect(s, QSize(1, 1)));
    return m_impl->Resolve(color);
}

COLORREF CDC::GetNearestColor(COLORREF color) const {
    const CPalette* pal = m_impl->state.palette;
    if (pal && pal->IsCreated() && (color >> 24) == 0) {
        return pal->EntryColor(pal->GetNearestPaletteIndex(color));
    }
    return m_impl->Resolve(color);
}
