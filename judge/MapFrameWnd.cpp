#include "judge/MapFrameWnd.h"

#include <algorithm>
#include <cmath>

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/ArboView.h"
#include "judge/MainFrame.h"
#include "judge/OffScreenPaint.h"
#include "model/MapBackground.h"
#include "model/MapPainter.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Pen.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

namespace {

constexpr double kFullTurn = 6.2831852;
constexpr COLORREF kDefaultTop = RGB(255, 255, 255);
constexpr COLORREF kDefaultBottom = RGB(63, 63, 63);

const COptionData* Options() {
    CArboApp* app = CArboApp::Get();
    CMainFrame* frame = app ? app->GetMainFrame() : nullptr;
    return frame ? &frame->GetOptions() : nullptr;
}

// An empty map for a frame without a document.
const ::CMapDoc& EmptyMap() {
    static const ::CMapDoc empty;
    return empty;
}

}  // namespace

CMapFrameWnd::CMapFrameWnd(CArboDoc* doc, CArboView* view)
    : m_doc(doc), m_view(view), m_dial(doc, view), m_name(doc, view) {}

CMapFrameWnd::~CMapFrameWnd() {
    if (IsWindow()) DestroyWindow();
}

bool CMapFrameWnd::CreateFrame(CWnd* parent) {
    if (!CreateEx(WS_EX_CLIENTEDGE, CArboApp::kNormalClass, "",
                  WS_CHILD | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL, CRect(0, 0, 0, 0), parent,
                  0)) {
        return false;
    }
    ShowScrollBar(SB_BOTH, FALSE);
    if (!m_dial.CreateDial(this, kDialId) || !m_name.CreateStrip(this, kNameId)) return false;
    if (CArboApp* app = CArboApp::Get()) m_name.SetFont(app->GetFont(2));
    return true;
}

int CMapFrameWnd::GetViewDirection() const {
    return m_doc ? m_doc->GetViewDirection() : 2;
}

int CMapFrameWnd::GetArea() const {
    return m_view ? m_view->GetShownArea() : -1;
}

double CMapFrameWnd::GetZoom() const {
    const COptionData* options = Options();
    return options ? options->mapDrawRate : 1.0;
}

CMapGeometry CMapFrameWnd::Geometry() const {
    const ::CMapDoc& map = m_doc ? m_doc->GetMap().Map() : EmptyMap();
    CMapGeometry geometry(map, m_doc ? GetArea() : -1, GetViewDirection(), GetZoom());
    geometry.SetScroll(m_scrollX, m_scrollY);
    return geometry;
}

// ---------------------------------------------------------------- background

COLORREF CMapFrameWnd::GradientColour(COLORREF first, COLORREF second, int row, int height) {
    return CMapBackground::RowColour(first, second, row, height);
}

void CMapFrameWnd::RebuildBackground() {
    CRect client;
    GetClientRect(&client);
    BuildBackground(client.Width(), client.Height());
}

void CMapFrameWnd::BuildBackground(int width, int height) {
    const COptionData* options = Options();
    const COLORREF top = options ? static_cast<COLORREF>(options->mapBkColor) : kDefaultTop;
    const COLORREF bottom = options ? static_cast<COLORREF>(options->mapBkColor2) : kDefaultBottom;
    CArboApp* app = CArboApp::Get();
    if (CMapBackground::Build(m_background, width, height, top, bottom,
                              app ? app->GetPalette() : nullptr)) {
        m_backgroundSize = CSize(std::max(width, 1), std::max(height, 1));
    } else {
        m_backgroundSize = CSize(0, 0);
    }
}

// ---------------------------------------------------------------- painting

void CMapFrameWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CArboApp* app = CArboApp::Get();
    PaintOffScreen(dc, client.Width(), client.Height(), app ? app->GetPalette() : nullptr,
                   [&](CDC& memory) { Paint(memory, client.Width(), client.Height()); });
}

BOOL CMapFrameWnd::OnEraseBkgnd(CDC* dc) {
    (void)dc;
    return TRUE;
}

void CMapFrameWnd::Paint(CDC& dc, int width, int height) {
    if (m_backgroundSize != CSize(std::max(width, 1), std::max(height, 1)))
        BuildBackground(width, height);
    if (m_backgroundSize.cx > 0) {
        CDC source;
        if (source.CreateCompatibleDC(&dc)) {
            CBitmap* old = source.SelectObject(&m_background);
            dc.BitBlt(0, 0, width, height, &source, 0, 0, SRCCOPY);
            source.SelectObject(old);
        }
    }
    const CMapGeometry geometry = Geometry();
    if (!m_doc || !geometry.GetArea()) return;
    if (m_orderArea != GetArea() || m_orderDirection != GetViewDirection()) {
        if (!m_order.Rebuild(geometry)) return;
        m_orderArea = GetArea();
        m_orderDirection = GetViewDirection();
    }
    if (m_picturesZoom != geometry.GetZoom()) {
        m_pictures.Clear();
        m_picturesZoom = geometry.GetZoom();
    }
    CArboApp* app = CArboApp::Get();
    CMapPainter::SStyle style;
    style.companyColour = [this](int company) {
        const CEnterprise* e = m_doc->GetCompany(company);
        return e ? e->Record().GetColor() : -1;
    };
    style.pens = app ? app->GetCompanyPens() : nullptr;
    style.pictures = &m_pictures;
    style.sidesFromFoundation = true;
    CMapPainter painter(geometry, m_order, std::move(style));
    painter.PaintRect(dc, nullptr, CRect(0, 0, width, height));
}

// ---------------------------------------------------------------- size and scrolling

CRect CMapFrameWnd::DockChild(const CRect& child, CSize oldSize, CSize newSize) {
    auto place = [](int start, int size, int oldExtent, int newExtent) {
        // Before the frame had a size there is no edge to keep to.
        const bool onEdge = oldExtent > 0 && start + size >= oldExtent;
        const int moved = onEdge ? newExtent - size : std::min(start, newExtent - size);
        return std::max(0, moved);
    };
    const int x = place(child.left, child.Width(), oldSize.cx, newSize.cx);
    const int y = place(child.top, child.Height(), oldSize.cy, newSize.cy);
    return CRect(x, y, x + child.Width(), y + child.Height());
}

void CMapFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (m_inScrollLayout) return;
    const CSize now(cx, cy);
    for (CWnd* child : {static_cast<CWnd*>(&m_dial), static_cast<CWnd*>(&m_name)}) {
        if (!child->IsWindow()) continue;
        CRect rect;
        child->GetWindowRect(&rect);
        ScreenToClient(&rect);
        child->MoveWindow(DockChild(rect, m_oldClient, now), TRUE);
    }
    m_oldClient = now;
    UpdateScrollBars();
    RebuildBackground();
}

void CMapFrameWnd::ViewChanged() {
    m_orderArea = -2;
    UpdateScrollBars();
    if (m_name.IsWindow()) m_name.Invalidate(TRUE);
    if (m_dial.IsWindow()) m_dial.Invalidate(TRUE);
}

void CMapFrameWnd::UpdateScrollBars() {
    if (m_inScrollLayout || !IsWindow()) return;
    m_inScrollLayout = true;
    m_scrollX = m_scrollY = 0;
    const CMapGeometry geometry = Geometry();
    if (!m_doc || !geometry.GetArea()) {
        ShowScrollBar(SB_BOTH, FALSE);
    } else {
        // The bars are judged against the whole window's inside.
        CRect client;
        GetClientRect(&client);
        SCROLLINFO shown{};
        shown.cbSize = sizeof shown;
        int cx = client.Width(), cy = client.Height();
        if (GetStyle() & WS_VSCROLL) cx += GetSystemMetrics(SM_CXVSCROLL);
        if (GetStyle() & WS_HSCROLL) cy += GetSystemMetrics(SM_CYHSCROLL);
        int tw = 0, th = 0;
        geometry.GetTotalSize(tw, th);
        bool horizontal = false, vertical = false;
        CMapGeometry::FitScrollBars(tw, th, cx, cy, GetSystemMetrics(SM_CXVSCROLL),
                                    GetSystemMetrics(SM_CYHSCROLL), horizontal, vertical);
        ShowScrollBar(SB_HORZ, horizontal);
        ShowScrollBar(SB_VERT, vertical);
        GetClientRect(&client);
        auto setBar = [this](int bar, bool on, int total, int page) {
            if (!on) return;
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            info.nMin = 0;
            info.nMax = std::max(total - 1, 0);
            info.nPage = static_cast<UINT>(std::max(page, 0));
            info.nPos = 0;
            SetScrollInfo(bar, &info, TRUE);
        };
        setBar(SB_HORZ, horizontal, tw, client.Width());
        setBar(SB_VERT, vertical, th, client.Height());
    }
    m_inScrollLayout = false;
    Invalidate(FALSE);
}

void CMapFrameWnd::Scroll(int bar, UINT code, UINT pos) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollInfo(bar, &info, SIF_ALL)) return;
    const int page = static_cast<int>(info.nPage);
    int& current = bar == SB_HORZ ? m_scrollX : m_scrollY;
    int64_t next = current;
    switch (code) {
        case SB_LINEUP: next -= 1; break;
        case SB_LINEDOWN: next += 1; break;
        case SB_PAGEUP: next -= page; break;
        case SB_PAGEDOWN: next += page; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: next = static_cast<int>(pos); break;
        case SB_ENDSCROLL: Invalidate(FALSE); return;
        default: return;
    }
    current = CMapGeometry::ClampScroll(next, info.nMin, info.nMax, page);
    SetScrollPos(bar, current, TRUE);
}

void CMapFrameWnd::OnHScroll(UINT code, UINT pos, CWnd* scrollBar) {
    (void)scrollBar;
    Scroll(SB_HORZ, code, pos);
}

void CMapFrameWnd::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
    (void)scrollBar;
    Scroll(SB_VERT, code, pos);
}

// ---------------------------------------------------------------- turning

std::array<POINT, 4> CMapFrameWnd::GridCorners(int direction) const {
    const ::CMapDoc& map = m_doc ? m_doc->GetMap().Map() : EmptyMap();
    CMapGeometry geometry(map, m_doc ? GetArea() : -1, direction, GetZoom());
    geometry.SetScroll(m_scrollX, m_scrollY);
    const int w = geometry.GetWidth(), h = geometry.GetHeight();
    const CCellPoint cells[4] = {{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}};
    std::array<POINT, 4> corners{};
    for (int i = 0; i < 4; ++i) {
        const CCellPoint v = geometry.MapToView(cells[i].x, cells[i].y);
        corners[static_cast<size_t>(i)] = {geometry.GetCellScreenX(v.x, v.y),
                                           geometry.GetCellScreenY(v.x, v.y, 0)};
    }
    return corners;
}

std::array<POINT, 4> CMapFrameWnd::TurnOutline(const std::array<POINT, 4>& from,
                                               const std::array<POINT, 4>& to, int turns,
                                               double t) {
    std::array<POINT, 4> out{};
    for (size_t i = 0; i < 4; ++i) {
        const double x0 = from[i].x, y0 = from[i].y, x1 = to[i].x, y1 = to[i].y;
        // The ellipse x^2/A + y^2/B = 1 through both ends.
        const double det = x0 * x0 * y1 * y1 - y0 * y0 * x1 * x1;
        const double p = det != 0 ? (y1 * y1 - y0 * y0) / det : 0;
        const double q = det != 0 ? (x0 * x0 - x1 * x1) / det : 0;
        if (!(p > 0) || !(q > 0)) {
            // No such ellipse: the corner moves straight.
            out[i] = {static_cast<LONG>(std::lround(x0 + (x1 - x0) * t)),
                      static_cast<LONG>(std::lround(y0 + (y1 - y0) * t))};
            continue;
        }
        const double a = 1 / std::sqrt(p), b = 1 / std::sqrt(q);
        const double start = std::atan2(y0 / b, x0 / a);
        double difference = std::atan2(y1 / b, x1 / a) - start;
        if (difference * turns > 0) difference += difference > 0 ? -kFullTurn : kFullTurn;
        const double angle = start + difference * t;
        out[i] = {static_cast<LONG>(std::lround(a * std::cos(angle))),
                  static_cast<LONG>(std::lround(b * std::sin(angle)))};
    }
    return out;
}

void CMapFrameWnd::DrawOutline(CDC& dc, const std::array<POINT, 4>& corners, CPoint centre) {
    POINT points[5];
    for (size_t i = 0; i < 4; ++i)
        points[i] = {corners[i].x + centre.x, corners[i].y + centre.y};
    points[4] = points[0];
    dc.Polyline(points, 5);
}

void CMapFrameWnd::AnimateTurn(int turns, int stepWait) {
    if (!IsWindow() || !m_doc || GetArea() < 0) return;
    const int direction = GetViewDirection();
    std::array<POINT, 4> from = GridCorners(direction);
    std::array<POINT, 4> to = GridCorners(((direction + turns) % 4 + 4) % 4);
    auto centre = [](std::array<POINT, 4>& corners) {
        CPoint c(0, 0);
        for (const POINT& p : corners) c.x += p.x, c.y += p.y;
        c.x /= 4;
        c.y /= 4;
        for (POINT& p : corners) p.x -= c.x, p.y -= c.y;
        return c;
    };
    const CPoint at = centre(from);
    centre(to);
    CClientDC dc(this);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc.SelectObject(&pen);
    const int oldMode = dc.SetROP2(R2_NOTXORPEN);
    const int drawn = kTurnSteps - kTurnTrail;
    auto outline = [&](int j) { return TurnOutline(from, to, turns, double(j) / drawn); };
    CArboApp* app = CArboApp::Get();
    CMainFrame* frame = app ? app->GetMainFrame() : nullptr;
    for (int j = 0; j < kTurnSteps; ++j) {
        if (j < drawn) DrawOutline(dc, outline(j), at);
        // Drawing an outline again in this mode takes it away.
        if (j >= kTurnTrail) DrawOutline(dc, outline(j - kTurnTrail), at);
        if (frame) frame->WaitMilliseconds(stepWait, 1, 0);
    }
    dc.SetROP2(oldMode);
    dc.SelectObject(oldPen);
}

}  // namespace judge
