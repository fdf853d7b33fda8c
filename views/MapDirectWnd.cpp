#include "views/MapDirectWnd.h"

#include <algorithm>
#include <cmath>

#include "game/VDoc.h"
#include "model/MapDoc.h"
#include "model/PaletteScope.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Pen.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/MapDrawWnd.h"
#include "views/ViewHost.h"

namespace {

// The dial's angles keep the precision it was laid out with.
constexpr double kPi = 3.1415926;
constexpr double kQuarter = kPi / 2;
// An arrow's base corners lie this far either side of its tip's angle.
constexpr double kArrowSpread = 0.17453292222222222;
// The centre triangle's back corners lie this far either side of its
// back.
constexpr double kCentreSpread = 0.5235987666666667;
constexpr double kArrowAngle = 4.7123889;
constexpr double kCentreAngle = 1.5707963;
constexpr COLORREF kRed = RGB(255, 0, 0);

// Radii in units of a thirtieth of the smaller side.
constexpr double kInnerRadius = 10.0;
constexpr double kOuterRadius = 15.0;

int Wrap(int value) {
    return ((value % 4) + 4) % 4;
}

CPoint Polar(CPoint centre, double radius, double angle) {
    return CPoint(centre.x + static_cast<int>(std::trunc(radius * std::cos(angle))),
                  centre.y + static_cast<int>(std::trunc(radius * std::sin(angle))));
}

double Unit(CSize client) {
    return std::min(client.cx, client.cy) / 30.0;
}

CPoint Centre(CSize client) {
    return CPoint(client.cx / 2, client.cy / 2);
}

// Twice the signed area of (a, b, p): which side of a-b the point lies on.
int64_t Side(CPoint a, CPoint b, CPoint p) {
    return (int64_t{b.x} - a.x) * (int64_t{p.y} - a.y) -
           (int64_t{b.y} - a.y) * (int64_t{p.x} - a.x);
}

// Inside or on an edge: the point is on no side opposite another.
bool Inside(const CMapDirectWnd::STriangle& t, CPoint p) {
    const int64_t s[3] = {Side(t[0], t[1], p), Side(t[1], t[2], p), Side(t[2], t[0], p)};
    const bool below = s[0] < 0 || s[1] < 0 || s[2] < 0;
    const bool above = s[0] > 0 || s[1] > 0 || s[2] > 0;
    return !(below && above);
}

void Fill(CDC& dc, CMapDirectWnd::STriangle t, int shift) {
    for (CPoint& p : t) p.Offset(shift, shift);
    dc.Polygon(t.data(), 3);
}

}  // namespace

CVDoc* CMapDirectWnd::GetDocument() const {
    if (m_doc) return m_doc;
    const CMapDrawWnd* map = GetMapWnd();
    return map ? map->GetDocument() : nullptr;
}

CMapDirectWnd::SLook CMapDirectWnd::CurrentLook() const {
    SLook look;
    look.hot = m_hotRegion;
    const CVDoc* doc = GetDocument();
    if (!doc) return look;
    const CMapDoc& map = doc->GetMap();
    look.direction = Wrap(doc->GetViewDirection());
    look.angles = {map.GetViewAngle1(), map.GetViewAngle2()};
    for (int d = 0; d < 4; ++d) look.enabled[static_cast<size_t>(d)] = map.IsDirectionComplete(d);
    return look;
}

CMapDirectWnd::STriangle CMapDirectWnd::RegionTriangle(int region, const SLook& look,
                                                       CSize client) {
    const double u = Unit(client);
    const CPoint c = Centre(client);
    const int d = Wrap(look.direction);
    if (region == kCentre) {
        const double b = d * -kQuarter + look.angles[static_cast<size_t>(d % 2)] + kCentreAngle;
        return {Polar(c, kInnerRadius * u, b), Polar(c, kInnerRadius * u, b + kPi - kCentreSpread),
                Polar(c, kInnerRadius * u, b + kPi + kCentreSpread)};
    }
    // Where arrow `region` sits: the current direction's below the centre,
    // the others a quarter turn apart.
    const int q = Wrap(2 + d - region);
    const double a = q * -kQuarter + look.angles[static_cast<size_t>(q % 2)] + kArrowAngle;
    return {Polar(c, kInnerRadius * u, a), Polar(c, kOuterRadius * u, a + kArrowSpread),
            Polar(c, kOuterRadius * u, a - kArrowSpread)};
}

int CMapDirectWnd::HitTestAt(CPoint point, const SLook& look, CSize client) {
    for (int region = 0; region <= kCentre; ++region)
        if (Inside(RegionTriangle(region, look, client), point)) return region;
    return -1;
}

int CMapDirectWnd::HitTest(CPoint point) const {
    CRect client;
    GetClientRect(&client);
    return HitTestAt(point, CurrentLook(), client.Size());
}

// ---------------------------------------------------------------- drawing

void CMapDirectWnd::Draw(CDC& dc, CSize client, const SLook& look) {
    DrawFace(dc, client, look);
    DrawArrows(dc, client, look);
}

void CMapDirectWnd::DrawFace(CDC& dc, CSize client, const SLook& look) {
    dc.FillSolidRect(0, 0, client.cx, client.cy, GetSysColor(COLOR_BTNFACE));
    const STriangle centre = RegionTriangle(kCentre, look, client);
    const CPoint c = Centre(client);
    const int r = static_cast<int>(std::trunc(kInnerRadius * Unit(client)));
    const bool pressed = look.hot == kCentre;
    CPen grey(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT));
    CPen* oldPen = dc.SelectObject(&grey);
    CGdiObject* oldBrush = dc.SelectStockObject(DKGRAY_BRUSH);
    // The shadow, which a pressed centre covers.
    Fill(dc, centre, pressed ? 0 : 1);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(c.x - r + 1, c.y - r + 1, c.x + r + 1, c.y + r + 1);
    dc.SelectStockObject(WHITE_PEN);
    const bool next = look.enabled[static_cast<size_t>(Wrap(look.direction + 1))] != 0;
    dc.SelectStockObject(next ? BLACK_BRUSH : DKGRAY_BRUSH);
    Fill(dc, centre, pressed ? 1 : 0);
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void CMapDirectWnd::DrawArrows(CDC& dc, CSize client, const SLook& look) {
    CPen grey(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT));
    CBrush red(kRed);
    CPen* oldPen = dc.SelectObject(&grey);
    CGdiObject* oldBrush = dc.SelectStockObject(DKGRAY_BRUSH);
    const int d = Wrap(look.direction);
    for (int i = 0; i < 4; ++i) {
        const STriangle arrow = RegionTriangle(i, look, client);
        // The current direction's arrow never sinks: choosing it changes
        // nothing.
        const bool pressed = i == look.hot && i != d;
        dc.SelectObject(&grey);
        dc.SelectStockObject(DKGRAY_BRUSH);
        Fill(dc, arrow, pressed ? 0 : 1);
        dc.SelectStockObject(WHITE_PEN);
        if (i == d)
            dc.SelectObject(&red);
        else
            dc.SelectStockObject(look.enabled[static_cast<size_t>(i)] ? BLACK_BRUSH : DKGRAY_BRUSH);
        Fill(dc, arrow, pressed ? 1 : 0);
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void CMapDirectWnd::OnPaint() {
    CPaintDC dc(this);
    if (!GetDocument()) return;
    CRect client;
    GetClientRect(&client);
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&dc) ||
        !bitmap.CreateBitmap(std::max<int>(client.Width(), 1), std::max<int>(client.Height(), 1)))
        return;
    CBitmap* old = memory.SelectObject(&bitmap);
    Draw(memory, client.Size(), CurrentLook());
    IBlockHost* host = IBlockHost::Get();
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CMapDirectWnd::Repaint() {
    Invalidate(FALSE);
    UpdateWindow();
}

// ---------------------------------------------------------------- mouse

void CMapDirectWnd::OnLButtonDown(UINT flags, CPoint point) {
    const int region = HitTest(point);
    if (region < 0) {
        BeginDrag(point);
        CWnd::OnLButtonDown(flags, point);
        return;
    }
    SetCapture();
    m_pressedRegion = m_hotRegion = region;
    Repaint();
}

void CMapDirectWnd::OnMouseMove(UINT flags, CPoint point) {
    if (!HasCapture()) return;
    if (m_pressedRegion < 0) {
        DragTo(point);
        CWnd::OnMouseMove(flags, point);
        return;
    }
    const int hot = HitTest(point) == m_pressedRegion ? m_pressedRegion : -1;
    if (hot == m_hotRegion) return;
    m_hotRegion = hot;
    Repaint();
}

void CMapDirectWnd::OnLButtonUp(UINT flags, CPoint point) {
    if (!HasCapture()) return;
    ReleaseCapture();
    if (m_pressedRegion < 0) {
        CWnd::OnLButtonUp(flags, point);
        return;
    }
    const int region = HitTest(point);
    const int pressed = m_pressedRegion;
    m_pressedRegion = m_hotRegion = -1;
    if (region == pressed) {
        const CVDoc* doc = GetDocument();
        const int direction = doc ? Wrap(doc->GetViewDirection()) : 2;
        CMapDrawWnd* map = GetMapWnd();
        IViewHost* view = map ? map->GetViewHost() : nullptr;
        if (view) view->SetDirection(pressed == kCentre ? Wrap(direction + 1) : pressed);
    }
    Repaint();
}

LRESULT CMapDirectWnd::OnNcHitTest(CPoint screenPoint) {
    CPoint client = screenPoint;
    ScreenToClient(&client);
    m_cursorRegion = HitTest(client);
    return CWnd::OnNcHitTest(screenPoint);
}

BOOL CMapDirectWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    IBlockHost* host = IBlockHost::Get();
    const CCursor* hand = host ? host->GetHandCursor() : nullptr;
    if (m_cursorRegion < 0 || !hand) return CWnd::OnSetCursor(wnd, hitTest, message);
    ::SetCursor(hand);
    return TRUE;
}
