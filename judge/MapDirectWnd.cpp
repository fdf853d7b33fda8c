#include "judge/MapDirectWnd.h"

#include <cmath>

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/ArboView.h"
#include "judge/OffScreenPaint.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Pen.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

namespace {

constexpr double kPi = 3.14159265358979323846;
// An arrow's base corners lie this far either side of its tip's angle.
constexpr double kArrowSpread = 0.17453292;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kDarkGrey = RGB(128, 128, 128);

POINT AtRadius(CPoint centre, double radius, double angle) {
    return {centre.x + static_cast<LONG>(std::lround(radius * std::cos(angle))),
            centre.y - static_cast<LONG>(std::lround(radius * std::sin(angle)))};
}

int64_t Cross(POINT a, POINT b, POINT p) {
    return (int64_t{b.x} - a.x) * (int64_t{p.y} - a.y) - (int64_t{b.y} - a.y) * (int64_t{p.x} - a.x);
}

bool Contains(const CMapDirectWnd::STriangle& t, POINT p) {
    const int64_t d0 = Cross(t[0], t[1], p), d1 = Cross(t[1], t[2], p), d2 = Cross(t[2], t[0], p);
    const bool negative = d0 < 0 || d1 < 0 || d2 < 0;
    const bool positive = d0 > 0 || d1 > 0 || d2 > 0;
    return !(negative && positive);
}

}  // namespace

bool CMapDirectWnd::CreateDial(CWnd* parent, UINT id) {
    return CreateEx(0, CArboApp::kFaceClass, "",
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_THICKFRAME,
                    CRect(0, 0, kDefaultSize, kDefaultSize), parent, id) != FALSE;
}

int CMapDirectWnd::Direction() const {
    return m_doc ? m_doc->GetViewDirection() : 2;
}

void CMapDirectWnd::Angles(double& angle0, double& angle1) const {
    angle0 = m_doc ? m_doc->GetMap().Map().GetViewAngle1() : 0.0;
    angle1 = m_doc ? m_doc->GetMap().Map().GetViewAngle2() : 0.0;
}

CMapDirectWnd::STriangle CMapDirectWnd::Target(int target, int direction, double angle0,
                                               double angle1, CSize client) {
    const double s = std::min(client.cx, client.cy);
    const double u = s / 30.0;
    const CPoint centre(client.cx / 2, client.cy / 2);
    auto screenAngle = [&](int f) { return (f % 2 ? angle1 : angle0) - f * kPi / 2; };
    if (target == kCentre) {
        const double a = screenAngle(direction) + kPi / 2;
        return {AtRadius(centre, 10 * u, a), AtRadius(centre, 10 * u, a + kPi - kPi / 6),
                AtRadius(centre, 10 * u, a + kPi + kPi / 6)};
    }
    const int f = ((direction + 2 - target) % 4 + 4) % 4;
    const double a = screenAngle(f) + 3 * kPi / 2;
    return {AtRadius(centre, 10 * u, a), AtRadius(centre, 15 * u, a + kArrowSpread),
            AtRadius(centre, 15 * u, a - kArrowSpread)};
}

int CMapDirectWnd::HitTestAt(CPoint point, int direction, double angle0, double angle1,
                             CSize client) {
    for (int target = 0; target <= kCentre; ++target)
        if (Contains(Target(target, direction, angle0, angle1, client), point)) return target;
    return -1;
}

int CMapDirectWnd::HitTest(CPoint point) const {
    CRect client;
    GetClientRect(&client);
    double a0 = 0, a1 = 0;
    Angles(a0, a1);
    return HitTestAt(point, Direction(), a0, a1, client.Size());
}

int CMapDirectWnd::ChosenDirection(int target, int direction) {
    return target == kCentre ? (direction + 1) % 4 : target;
}

// ---------------------------------------------------------------- drawing

void CMapDirectWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CArboApp* app = CArboApp::Get();
    PaintOffScreen(dc, client.Width(), client.Height(), app ? app->GetPalette() : nullptr,
                   [&](CDC& memory) { DrawDial(memory, client.Width(), client.Height()); });
}

BOOL CMapDirectWnd::OnEraseBkgnd(CDC* dc) {
    (void)dc;
    return TRUE;
}

void CMapDirectWnd::DrawDial(CDC& dc, int width, int height) {
    dc.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_BTNFACE));
    DrawArrows(dc, CSize(width, height));
}

void CMapDirectWnd::DrawArrows(CDC& dc, CSize client) {
    double a0 = 0, a1 = 0;
    Angles(a0, a1);
    const int c = Direction();
    CPen pen(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT));
    CPen* oldPen = dc.SelectObject(&pen);
    auto fill = [&](int target, COLORREF colour) {
        STriangle t = Target(target, c, a0, a1, client);
        // A pressed or hovered target stands out by a pixel.
        if (target == m_pressed || target == m_hovered)
            for (POINT& p : t) ++p.x, ++p.y;
        CBrush brush(colour);
        CBrush* oldBrush = dc.SelectObject(&brush);
        dc.Polygon(t.data(), 3);
        dc.SelectObject(oldBrush);
    };
    for (int i = 0; i < 4; ++i) {
        const int f = (c + 2 - i + 4) % 4;
        const bool complete = m_doc && m_doc->GetMap().Map().IsDirectionComplete(f);
        fill(i, i == c ? kRed : complete ? kBlack : kDarkGrey);
    }
    const double s = std::min(client.cx, client.cy);
    const int r = static_cast<int>(10 * s / 30.0);
    const CPoint centre(client.cx / 2, client.cy / 2);
    CBrush face(GetSysColor(COLOR_BTNFACE));
    CBrush* oldBrush = dc.SelectObject(&face);
    dc.Ellipse(centre.x - r, centre.y - r, centre.x + r, centre.y + r);
    dc.SelectObject(oldBrush);
    fill(kCentre, kBlack);
    dc.SelectObject(oldPen);
}

// ---------------------------------------------------------------- mouse

void CMapDirectWnd::OnLButtonDown(UINT flags, CPoint point) {
    (void)flags;
    const int target = HitTest(point);
    if (target < 0) {
        m_drag.Begin(*this, point);
        return;
    }
    m_pressed = target;
    SetCapture();
    Invalidate(FALSE);
}

void CMapDirectWnd::OnLButtonUp(UINT flags, CPoint point) {
    (void)flags;
    if (m_drag.IsDragging()) {
        m_drag.End(*this, point);
        return;
    }
    if (m_pressed < 0) return;
    const int pressed = m_pressed;
    m_pressed = -1;
    ReleaseCapture();
    if (HitTest(point) == pressed && m_view)
        m_view->SetMapDirection(ChosenDirection(pressed, Direction()));
    Invalidate(FALSE);
}

void CMapDirectWnd::OnMouseMove(UINT flags, CPoint point) {
    (void)flags;
    const int hovered = HitTest(point);
    if (hovered == m_hovered) return;
    m_hovered = hovered;
    Invalidate(FALSE);
}

// Over a target the pointer becomes the application's own.
BOOL CMapDirectWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    CArboApp* app = CArboApp::Get();
    if (m_hovered >= 0 && app && app->GetCursor()) {
        SetCursor(app->GetCursor());
        return TRUE;
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

void CMapDirectWnd::OnRButtonUp(UINT flags, CPoint point) {
    (void)flags;
    CMapChildDrag::ShowMenu(*this, point);
}

BOOL CMapDirectWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == CMapChildDrag::kDefaultSizeCommand) {
        RestoreDefaultSize();
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CMapDirectWnd::RestoreDefaultSize() {
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* parent = GetParent()) parent->ScreenToClient(&rect);
    MoveWindow(rect.left, rect.top, kDefaultSize, kDefaultSize, TRUE);
}

void CMapDirectWnd::OnGetMinMaxInfo(MINMAXINFO* info) {
    CWnd::OnGetMinMaxInfo(info);
    if (info) info->ptMinTrackSize = {10, 10};
}

}  // namespace judge
