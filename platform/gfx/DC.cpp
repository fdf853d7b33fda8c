#include "platform/gfx/DC.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/BitmapImpl.h"
#include "platform/gfx/BlockTransfer.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/DCImpl.h"
#include "platform/gfx/DibRows.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Palette.h"
#include "platform/gfx/Pen.h"
#include "platform/gfx/Raster.h"
#include "platform/gfx/SystemColors.h"
#include "platform/gfx/WindowSystem.h"

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

// 0x00BBGGRR <-> the 0xFFRRGGBB pixels of our 32-bit surfaces.
uint32_t ToPixel(COLORREF c) {
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

COLORREF FromPixel(uint32_t p) {
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

// The part of a surface rectangle that may be drawn, or an empty one.
SPixelBox Clipped(const CDCTarget& t, const SPixelBox& r) {
    return r.Intersected(t.clip);
}

}  // namespace

// ---- Surface -----------------------------------------------------------------

bool CDC::Impl::Resolve(CDCTarget& t) const {
    int baseX = 0, baseY = 0;
    SPixelBox area;
    if (kind == Kind::Window) {
        if (!window || !window->Resolve(t.pixels, area, baseX, baseY)) return false;
        t.window = window.get();
    } else if (kind == Kind::Memory) {
        if (!state.bitmap || !state.bitmap->IsCreated()) return false;
        t.pixels = state.bitmap->PlatformImpl().Rows();
        area = t.pixels.Box();
    } else {
        return false;
    }
    t.originX = baseX + state.viewportOrg.x;
    t.originY = baseY + state.viewportOrg.y;
    t.clip = area.Intersected(t.pixels.Box());
    if (state.clip) t.clip = t.clip.Intersected(*state.clip);
    return !t.clip.IsEmpty();
}

void CDC::Impl::Touched(const CDCTarget& t, const SPixelBox& area) {
    if (t.window && !area.IsEmpty()) t.window->Touched(area);
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
    return ToPixel(Resolve(color));
}

// ---- Life and selection --------------------------------------------------------

CDC::CDC() : m_impl(std::make_unique<Impl>()) {
    m_impl->state = DefaultState();
}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*) {
    m_impl->kind = Impl::Kind::Memory;
    m_impl->state = DefaultState();
    return TRUE;
}

BOOL CDC::DeleteDC() {
    m_impl->kind = Impl::Kind::None;
    m_impl->window.reset();
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
    const int64_t x = ok ? t.originX : 0, y = ok ? t.originY : 0;
    // A rectangle given right to left (or bottom to top) clips to the span
    // between its edges.
    const SPixelBox r =
        SPixelBox::Spanning(left + x, top + y, int64_t{right} - left, int64_t{bottom} - top);
    if (!m_impl->state.clip) {
        m_impl->state.clip = r;
        return right <= left || bottom <= top ? 1 : 2;
    }
    m_impl->state.clip = m_impl->state.clip->Intersected(r);
    return m_impl->state.clip->IsEmpty() ? 1 : 2;
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
    if (rect)
        *rect = CRect(t.clip.left - t.originX, t.clip.top - t.originY, t.clip.right - t.originX,
                      t.clip.bottom - t.originY);
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
        uint32_t& d = m_t.At(sx, sy);
        d = m_impl.state.rop2 == R2_COPYPEN ? pen : CRaster::Rop2(m_impl.state.rop2, pen, d);
    }

    uint32_t BrushPixel(const CBrush& brush, int sx, int sy) const {
        return m_impl.Pixel(brush.ColorAt(sx - m_t.originX, sy - m_t.originY));
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
                Dot(x + m_t.originX, y + m_t.originY, on ? color : gap, pen->Width());
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
    void FillCoverage(const std::vector<uint8_t>& mask, const SPixelBox& bounds,
                      const CBrush* brush) {
        if (!brush || brush->GetKind() == CBrush::Kind::Null) return;
        ForCovered(mask, bounds, [&](int sx, int sy) { PlotBrush(brush, sx, sy); });
    }

    void OutlineCoverage(const std::vector<uint8_t>& mask, const SPixelBox& bounds) {
        const CPen* pen = m_impl.state.pen;
        if (!pen || pen->Style() == PS_NULL) return;
        const uint32_t color = m_impl.Pixel(pen->Color());
        ForCovered(mask, bounds, [&](int sx, int sy) { Plot(sx, sy, color); });
    }

    // A rectangle of plain pixels (no drawing mode), surface coordinates.
    template <typename ColorAt>
    void Fill(const SPixelBox& r, ColorAt colorAt) {
        const SPixelBox c = Clipped(m_t, r);
        for (int y = c.top; y < c.bottom; ++y) {
            uint32_t* row = m_t.pixels.Row(y);
            for (int x = c.left; x < c.right; ++x) row[x] = colorAt(x, y);
        }
    }

    void Touch() { CDC::Impl::Touched(m_t, m_t.clip); }

private:
    // Calls `plot` with the surface point of every covered pixel of a mask.
    template <typename PlotAt>
    static void ForCovered(const std::vector<uint8_t>& mask, const SPixelBox& bounds, PlotAt plot) {
        const int w = bounds.Width();
        for (int y = 0; y < bounds.Height(); ++y) {
            const uint8_t* row = mask.data() + static_cast<size_t>(y) * w;
            for (int x = 0; x < w; ++x) {
                if (row[x] > 127) plot(bounds.left + x, bounds.top + y);
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

// A logical rectangle on the surface; given right to left (or bottom to
// top) it covers the span between its edges.
SPixelBox DeviceRect(const CDCTarget& t, int left, int top, int right, int bottom) {
    return SPixelBox::Spanning(int64_t{left} + t.originX, int64_t{top} + t.originY,
                               int64_t{right} - left, int64_t{bottom} - top);
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
        ring(CSystemColors::Color(COLOR_3DLIGHT), CSystemColors::Color(COLOR_3DDKSHADOW));
    } else if (edge & BDR_SUNKENOUTER) {
        ring(CSystemColors::Color(COLOR_BTNSHADOW), CSystemColors::Color(COLOR_BTNHIGHLIGHT));
    }
    if (edge & BDR_RAISEDINNER) {
        ring(CSystemColors::Color(COLOR_BTNHIGHLIGHT), CSystemColors::Color(COLOR_BTNSHADOW));
    } else if (edge & BDR_SUNKENINNER) {
        ring(CSystemColors::Color(COLOR_3DDKSHADOW), CSystemColors::Color(COLOR_3DLIGHT));
    }
    if (flags & BF_MIDDLE) FillSolidRect(r, CSystemColors::Color(COLOR_BTNFACE));
    if (flags & BF_ADJUST) *rect = r;
    SetBkColor(bk);
    return TRUE;
}

void CDC::DrawFocusRect(const RECT& rect) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return;
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    const SPixelBox r = DeviceRect(t, rect.left, rect.top, rect.right, rect.bottom);
    if (r.IsEmpty()) return;
    auto flip = [&](int x, int y) {
        if (((x + y) & 1) == 0 && t.Contains(x, y)) t.At(x, y) ^= 0x00FFFFFFu;
    };
    const int lastX = r.right - 1, lastY = r.bottom - 1;
    for (int x = r.left; x <= lastX; ++x) {
        flip(x, r.top);
        if (lastY > r.top) flip(x, lastY);
    }
    for (int y = r.top + 1; y < lastY; ++y) {
        flip(r.left, y);
        if (lastX > r.left) flip(lastX, y);
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
    IWindowSystem* system = IWindowSystem::Get();
    if (!system) return FALSE;
    std::vector<POINT> shape(static_cast<size_t>(count));
    SPixelBox hull{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int i = 0; i < count; ++i) {
        POINT& q = shape[static_cast<size_t>(i)];
        q = {points[i].x + t.originX, points[i].y + t.originY};
        hull = {std::min(hull.left, q.x), std::min(hull.top, q.y), std::max(hull.right, q.x),
                std::max(hull.bottom, q.y)};
    }
    const SPixelBox bounds =
        SPixelBox::Spanning(hull.left, hull.top, int64_t{hull.right} - hull.left + 1,
                            int64_t{hull.bottom} - hull.top + 1)
            .Intersected(t.clip);
    std::vector<uint8_t> mask;
    if (!bounds.IsEmpty() && system->PolygonCoverage(bounds, shape, mask))
        p.FillCoverage(mask, bounds, m_impl->state.brush);
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
    const SPixelBox inside = noPen
                                 ? DeviceRect(t, r.left, r.top, r.right - 1, r.bottom - 1)
                                 : DeviceRect(t, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
    const SPixelBox c = Clipped(t, inside);
    for (int y = c.top; y < c.bottom; ++y) {
        for (int x = c.left; x < c.right; ++x) p.PlotBrush(m_impl->state.brush, x, y);
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
    IWindowSystem* system = IWindowSystem::Get();
    if (!system) return FALSE;
    const SPixelBox box = DeviceRect(t, left, top, right, bottom);
    const SPixelBox bounds =
        SPixelBox::Spanning(int64_t{box.left} - 1, int64_t{box.top} - 1,
                            int64_t{box.right} - box.left + 2, int64_t{box.bottom} - box.top + 2)
            .Intersected(t.clip);
    if (bounds.IsEmpty()) return TRUE;
    Painter p(*m_impl, t);
    std::vector<uint8_t> fill, outline;
    if (!system->EllipseCoverage(bounds, box, false, fill) ||
        !system->EllipseCoverage(bounds, box, true, outline))
        return FALSE;
    p.FillCoverage(fill, bounds, m_impl->state.brush);
    p.OutlineCoverage(outline, bounds);
    p.Touch();
    return TRUE;
}

// ---- Text ------------------------------------------------------------------------------

namespace {

// The selected font as the window system draws it, else the stock font's;
// nullptr without a window system.
const CFontFace* FaceOf(const CDCState& state) {
    const CFont* font = state.font;
    const CFontFace* face = font && font->IsCreated() ? font->Face() : nullptr;
    if (face) return face;
    return static_cast<CFont*>(CGdiObject::GetStockObject(SYSTEM_FONT))->Face();
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
    const CFontFace* face = FaceOf(s);
    if (!face) return FALSE;
    STextJob job;
    job.surface = t.pixels;
    job.clip = t.clip;
    job.x = x + t.originX;
    job.y = y + t.originY;
    job.options = options;
    if (rect) {
        job.hasRect = true;
        job.rect = DeviceRect(t, rect->left, rect->top, rect->right, rect->bottom);
    }
    job.text = text;
    job.dx = dx;
    job.align = s.textAlign;
    job.textColor = m_impl->Resolve(s.textColor);
    job.bkColor = m_impl->Resolve(s.bkColor);
    job.bkMode = s.bkMode;
    if (!IWindowSystem::Get()->DrawText(*face, job)) return FALSE;
    Impl::Touched(t, t.clip);
    return TRUE;
}

CSize CDC::GetTextExtent(const std::string& text) const {
    const CFontFace* face = FaceOf(m_impl->state);
    return face ? IWindowSystem::Get()->TextExtent(*face, text) : CSize(0, 0);
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* tm) const {
    if (!tm) return FALSE;
    const CFontFace* face = FaceOf(m_impl->state);
    return face && IWindowSystem::Get()->TextMetrics(*face, tm) ? TRUE : FALSE;
}

// ---- Block transfers -----------------------------------------------------------------

namespace {

// The destination side of a transfer to x, y of `width` by `height`
// (negative sizes mirror), with the brush laid out as the pattern.
STransfer To(const CDC::Impl& impl, CDCTarget& t, int x, int y, int width, int height, DWORD rop) {
    STransfer tr;
    tr.dst = t.pixels;
    tr.clip = t.clip;
    tr.x = x + t.originX;
    tr.y = y + t.originY;
    tr.width = width;
    tr.height = height;
    tr.code = static_cast<uint8_t>((rop >> 16) & 0xFF);
    tr.patternX = t.originX;
    tr.patternY = t.originY;
    const CBrush* brush = impl.state.brush;
    if (!CRaster::UsesPattern(tr.code) || !brush || brush->GetKind() == CBrush::Kind::Null)
        return tr;
    if (brush->GetKind() == CBrush::Kind::Solid) {
        tr.pattern.fill(impl.Pixel(brush->Color()));
        return tr;
    }
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i)
            tr.pattern[static_cast<size_t>(j * 8 + i)] = impl.Pixel(brush->ColorAt(i, j));
    return tr;
}

bool Run(CDCTarget& t, const STransfer& tr) {
    SPixelBox area;
    if (!CBlockTransfer::Run(tr, &area)) return false;
    CDC::Impl::Touched(t, area);
    return true;
}

}  // namespace

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return FALSE;
    return Run(t, To(*m_impl, t, x, y, width, height, rop)) ? TRUE : FALSE;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop) {
    return StretchBlt(x, y, width, height, src, xSrc, ySrc, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc,
                     int srcWidth, int srcHeight, DWORD rop) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return FALSE;
    STransfer tr = To(*m_impl, t, x, y, width, height, rop);
    std::vector<uint32_t> copy;
    if (CRaster::UsesSource(tr.code)) {
        CDCTarget st;
        if (!src || !src->m_impl->Resolve(st)) return FALSE;
        const SPixelBox need = SPixelBox::Spanning(int64_t{xSrc} + st.originX,
                                                   int64_t{ySrc} + st.originY, srcWidth, srcHeight);
        const SPixelBox avail = need.Intersected(st.clip);
        if (avail.IsEmpty()) return TRUE;
        tr.srcX = xSrc + st.originX;
        tr.srcY = ySrc + st.originY;
        tr.srcWidth = srcWidth;
        tr.srcHeight = srcHeight;
        tr.src = st.pixels.bits;
        tr.srcStride = st.pixels.stride;
        tr.srcValid = avail;
        if (st.pixels.bits == t.pixels.bits) {
            // A copy onto the same surface reads the old pixels wherever the
            // rectangles overlap.
            const int w = avail.Width(), h = avail.Height();
            copy.resize(static_cast<size_t>(w) * h);
            for (int row = 0; row < h; ++row)
                std::copy_n(tr.src + (avail.top + row) * tr.srcStride + avail.left, w,
                            copy.data() + static_cast<size_t>(row) * w);
            tr.src = copy.data();
            tr.srcStride = w;
            tr.srcValid = {0, 0, w, h};
            tr.srcX -= avail.left;
            tr.srcY -= avail.top;
        }
    }
    return Run(t, tr) ? TRUE : FALSE;
}

int CDC::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                       int srcHeight, const void* bits, size_t bitsSize, const void* info,
                       size_t infoSize, UINT usage, DWORD rop) {
    if (usage != DIB_RGB_COLORS) return 0;
    // A size that cannot be negated has no mirrored form: nothing to draw.
    if (srcWidth == INT_MIN || srcHeight == INT_MIN || width == INT_MIN || height == INT_MIN)
        return 0;
    // The rows are converted as the transfer reads them: only the part that
    // shows is converted, and no 32-bit copy of the picture is made.
    CDibRows image;
    if (!image.Open(info, infoSize, bits, bitsSize)) return 0;
    CDCTarget t;
    if (!m_impl->Resolve(t)) return 0;
    // Mirroring asked for by the source size moves to the destination, so the
    // source rectangle can be made top-down and positive. The stored form
    // counts rows from the bottom for bottom-up bitmaps.
    const int sw = std::abs(srcWidth), sh = std::abs(srcHeight);
    STransfer tr =
        To(*m_impl, t, x, y, srcWidth < 0 ? -width : width, srcHeight < 0 ? -height : height, rop);
    tr.srcRows = &image;
    tr.srcValid = {0, 0, image.Width(), image.Height()};
    tr.srcX = srcWidth < 0 ? xSrc - sw : xSrc;
    const int bottom = srcHeight < 0 ? ySrc - sh : ySrc;
    tr.srcY = image.BottomUp() ? image.Height() - bottom - sh : bottom;
    tr.srcWidth = sw;
    tr.srcHeight = sh;
    return Run(t, tr) ? std::abs(srcHeight) : 0;
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
    const int sx = x + t.originX, sy = y + t.originY;
    if (!t.Contains(sx, sy)) return CLR_INVALID;
    return FromPixel(t.At(sx, sy));
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
    CDCTarget t;
    if (!m_impl->Resolve(t)) return CLR_INVALID;
    const int sx = x + t.originX, sy = y + t.originY;
    if (!t.Contains(sx, sy)) return CLR_INVALID;
    t.At(sx, sy) = m_impl->Pixel(color);
    Impl::Touched(t, {sx, sy, sx + 1, sy + 1});
    return m_impl->Resolve(color);
}

COLORREF CDC::GetNearestColor(COLORREF color) const {
    const CPalette* pal = m_impl->state.palette;
    if (pal && pal->IsCreated() && (color >> 24) == 0) {
        return pal->EntryColor(pal->GetNearestPaletteIndex(color));
    }
    return m_impl->Resolve(color);
}
