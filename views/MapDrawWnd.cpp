#include "views/MapDrawWnd.h"

#include <algorithm>
#include <new>

#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/MapBackground.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/MapPainter.h"
#include "platform/core/Clock.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Messages.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Palette.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "views/ViewHost.h"

namespace {

// Destination AND NOT source: the background is kept where nothing covers it.
constexpr DWORD kMaskOut = 0x00220326;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_THICKFRAME;
// A nested scroll-bar update (showing a bar resizes the window) returns at once.
bool g_updatingScrollBars = false;

}  // namespace

CMapDrawWnd::CMapDrawWnd() { m_hoverTicks.fill(CClock::GetTickCount()); }

CMapDrawWnd::~CMapDrawWnd() = default;

void CMapDrawWnd::AttachDocument(CVDoc* doc, IViewHost* view) {
    m_doc = doc;
    m_view = view;
    // The children were created before the view was known.
    if (m_view && m_name.IsWindow()) m_name.SetFont(m_view->GetMessageFont(1), FALSE);
    if (m_view && m_balloon.IsWindow()) m_balloon.SetFont(m_view->GetMessageFont(0), FALSE);
}

CMapDoc* CMapDrawWnd::GetMapDoc() const { return m_doc ? &m_doc->GetMap() : nullptr; }

int CMapDrawWnd::GetCurrentArea() const { return m_view ? m_view->GetShownArea() : -1; }

CMapGeometry CMapDrawWnd::GetGeometry() const {
    static const CMapDoc empty;
    const CMapDoc* map = GetMapDoc();
    CMapGeometry geometry(map ? *map : empty, GetCurrentArea(),
                          m_doc ? m_doc->GetViewDirection() : 2,
                          m_view ? m_view->GetMapDrawRate() : 1.0);
    geometry.SetScroll(m_scrollX, m_scrollY);
    return geometry;
}

void CMapDrawWnd::GetViewGridSize(int& columns, int& rows) const {
    const CMapGeometry geometry = GetGeometry();
    columns = geometry.GetViewColumns();
    rows = geometry.GetViewRows();
}

void CMapDrawWnd::Record(const char* name, int a, int b, int c) {
    m_calls.push_back({name, a, b, c});
}

int CMapDrawWnd::ResetCellTables() {
    Record("ResetCellTables");
    const CMapDoc* map = GetMapDoc();
    try {
        const size_t cells = map ? static_cast<size_t>(std::max(map->GetGridWidth(), 0)) *
                                       static_cast<size_t>(std::max(map->GetGridHeight(), 0))
                                 : 0;
        m_changed.resize(cells, 0);
        m_markedCount = static_cast<int>(std::count(m_changed.begin(), m_changed.end(), 1));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    // A map was loaded: its strips are new.
    m_pictures.Clear();
    m_layerValid = false;
    if (IsWindow()) Invalidate(TRUE);
    return 1;
}

void CMapDrawWnd::RebuildMap() {
    Record("RebuildMap");
    // The kept picture stays: callers redraw the changed cells or
    // invalidate the window.
    if (!GetMapDoc() || !m_order.Rebuild(GetGeometry())) m_order.Clear();
}

CRect CMapDrawWnd::ClampRectToClient(const CRect& screenRect, int dx, int dy) const {
    CRect rect = screenRect;
    ScreenToClient(&rect);
    rect.OffsetRect(dx, dy);
    CRect client;
    GetClientRect(&client);
    // Right and bottom first, so that a rectangle larger than the client
    // area ends up at its top left corner.
    if (rect.right > client.right) rect.OffsetRect(client.right - rect.right, 0);
    if (rect.bottom > client.bottom) rect.OffsetRect(0, client.bottom - rect.bottom);
    if (rect.left < 0) rect.OffsetRect(-rect.left, 0);
    if (rect.top < 0) rect.OffsetRect(0, -rect.top);
    return rect;
}

int CMapDrawWnd::SetPartView(int rows) {
    if (rows == m_partialRows) return 0;
    m_partialRows = rows;
    return 1;
}

int CMapDrawWnd::SetTopographyOnly(int flag) {
    if (flag == m_topographyOnly) return 0;
    m_topographyOnly = flag;
    return 1;
}

// ---------------------------------------------------------------- painting

bool CMapDrawWnd::IsHighlighted(int mx, int my) const {
    if (m_blinkPending) return m_blinkPhase && IsCellMarked(mx, my);
    if (m_cursorX < 0 || m_cursorY < 0) return false;
    // The cursor block reaches from the cursor cell toward smaller view
    // coordinates.
    const CMapGeometry geometry = GetGeometry();
    int w = m_cursorWidth, h = m_cursorHeight;
    geometry.TurnSize(w, h);
    const CCellPoint cursor = geometry.MapToView(m_cursorX, m_cursorY);
    const CCellPoint cell = geometry.MapToView(mx, my);
    return cell.x <= cursor.x && cell.x > cursor.x - w && cell.y <= cursor.y &&
           cell.y > cursor.y - h;
}

int CMapDrawWnd::CompanyColour(int company) const {
    const CEnterprise* e = m_doc ? m_doc->GetEnterprise(company) : nullptr;
    return e ? e->GetColor() : -1;
}

std::unique_ptr<CMapPainter> CMapDrawWnd::MakePainter(const CMapGeometry& geometry) const {
    CMapPainter::SStyle style;
    style.mapMode = m_view ? m_view->GetMapMode() : 0;
    style.topographyOnly = m_topographyOnly;
    style.partialRows = m_partialRows;
    style.highlight = [this](int mx, int my) { return IsHighlighted(mx, my); };
    style.companyColour = [this](int company) { return CompanyColour(company); };
    style.pens = m_view ? m_view->GetCompanyPens() : nullptr;
    // Painting is the window's own; the painter is const only to callers.
    auto* self = const_cast<CMapDrawWnd*>(this);
    style.painted = [self](int vx, int vy, const RECT& box) { self->NotePainted(vx, vy, box); };
    style.pictures = &self->m_pictures;
    style.sidesFromLowestNeighbour = m_blockRepaint;
    return std::make_unique<CMapPainter>(geometry, m_order, std::move(style));
}

CMapDrawWnd::SPaintState CMapDrawWnd::CurrentState() const {
    SPaintState s;
    s.area = GetCurrentArea();
    s.direction = m_doc ? m_doc->GetViewDirection() : 2;
    s.zoom = m_view ? m_view->GetMapDrawRate() : 1.0;
    s.mapMode = m_view ? m_view->GetMapMode() : 0;
    s.width = m_clientWidth;
    s.height = m_clientHeight;
    s.partialRows = m_partialRows;
    s.topographyOnly = m_topographyOnly;
    s.cursorX = m_cursorX;
    s.cursorY = m_cursorY;
    s.cursorWidth = m_cursorWidth;
    s.cursorHeight = m_cursorHeight;
    s.blinkPending = m_blinkPending;
    s.blinkPhase = m_blinkPhase;
    return s;
}

bool CMapDrawWnd::SizeLayer(int width, int height) {
    if (width == m_layerWidth && height == m_layerHeight) return true;
    m_layerValid = false;
    m_layerWidth = m_layerHeight = 0;
    for (CBitmap* b : {m_layer.get(), m_coverage.get(), m_spareLayer.get(), m_spareCoverage.get(), &m_picture}) {
        b->DeleteObject();
        if (!b->CreateBitmap(std::max(width, 1), std::max(height, 1))) return false;
    }
    m_layerWidth = width;
    m_layerHeight = height;
    return true;
}

void CMapDrawWnd::RepaintLayer(const CRect& rect) {
    CDC layer, coverage;
    if (!layer.CreateCompatibleDC(nullptr) || !coverage.CreateCompatibleDC(nullptr)) return;
    CBitmap* oldLayer = layer.SelectObject(m_layer.get());
    CBitmap* oldCoverage = coverage.SelectObject(m_coverage.get());
    layer.FillSolidRect(rect, RGB(0, 0, 0));
    coverage.FillSolidRect(rect, RGB(0, 0, 0));
    const CMapGeometry geometry = GetGeometry();
    if (GetMapDoc() && geometry.GetArea()) MakePainter(geometry)->PaintRect(layer, &coverage, rect);
    coverage.SelectObject(oldCoverage);
    layer.SelectObject(oldLayer);
}

void CMapDrawWnd::NotePainted(int vx, int vy, const RECT& box) {
    if (vx < 0 || vy < 0 || vx >= m_boxColumns) return;
    const size_t i = static_cast<size_t>(vy) * static_cast<size_t>(m_boxColumns) +
                     static_cast<size_t>(vx);
    if (i >= m_paintedBoxes.size()) return;
    CRect moved(box);
    moved.OffsetRect(m_scrollX, m_scrollY);
    m_paintedBoxes[i].UnionRect(m_paintedBoxes[i], moved);
}

CRect CMapDrawWnd::PaintedBox(int vx, int vy) const {
    if (vx < 0 || vy < 0 || vx >= m_boxColumns) return CRect(0, 0, 0, 0);
    const size_t i = static_cast<size_t>(vy) * static_cast<size_t>(m_boxColumns) +
                     static_cast<size_t>(vx);
    if (i >= m_paintedBoxes.size()) return CRect(0, 0, 0, 0);
    CRect box = m_paintedBoxes[i];
    if (!box.IsRectEmpty()) box.OffsetRect(-m_scrollX, -m_scrollY);
    return box;
}

void CMapDrawWnd::ScrollLayer(int dx, int dy) {
    // Move both pictures through the spare pair, then paint what came
    // into view.
    CDC from, to;
    if (!from.CreateCompatibleDC(nullptr) || !to.CreateCompatibleDC(nullptr)) return;
    const CRect all(0, 0, m_layerWidth, m_layerHeight);
    for (auto [kept, spare] : {std::pair{m_layer.get(), m_spareLayer.get()},
                               std::pair{m_coverage.get(), m_spareCoverage.get()}}) {
        CBitmap* oldFrom = from.SelectObject(kept);
        CBitmap* oldTo = to.SelectObject(spare);
        to.FillSolidRect(all, RGB(0, 0, 0));
        to.BitBlt(dx, dy, m_layerWidth, m_layerHeight, &from, 0, 0, SRCCOPY);
        from.SelectObject(oldFrom);
        to.SelectObject(oldTo);
    }
    std::swap(m_layer, m_spareLayer);
    std::swap(m_coverage, m_spareCoverage);
    // The strips uncovered: a column at the left or right, a row at the
    // top or bottom.
    if (dx > 0) RepaintLayer(CRect(0, 0, std::min(dx, m_layerWidth), m_layerHeight));
    if (dx < 0) RepaintLayer(CRect(std::max(m_layerWidth + dx, 0), 0, m_layerWidth, m_layerHeight));
    if (dy > 0) RepaintLayer(CRect(0, 0, m_layerWidth, std::min(dy, m_layerHeight)));
    if (dy < 0)
        RepaintLayer(CRect(0, std::max(m_layerHeight + dy, 0), m_layerWidth, m_layerHeight));
}

void CMapDrawWnd::UpdateLayer() {
    // The pictures follow the client area as it is now, whatever resizes
    // came in between (showing or hiding a scroll bar resizes it too).
    CRect client(0, 0, m_clientWidth, m_clientHeight);
    if (IsWindow()) GetClientRect(&client);
    m_clientWidth = client.Width();
    m_clientHeight = client.Height();
    if (!m_background || m_background->GetSize() != CSize(std::max(m_clientWidth, 1),
                                                           std::max(m_clientHeight, 1)))
        BuildBackground();
    if (!SizeLayer(m_clientWidth, m_clientHeight)) return;
    const SPaintState state = CurrentState();
    const int64_t dx = int64_t{m_paintedScrollX} - m_scrollX;
    const int64_t dy = int64_t{m_paintedScrollY} - m_scrollY;
    if (!m_layerValid || !(state == m_painted) || std::abs(dx) >= m_layerWidth ||
        std::abs(dy) >= m_layerHeight) {
        if (state.zoom != m_painted.zoom) m_pictures.Clear();
        const CMapGeometry geometry = GetGeometry();
        m_boxColumns = std::max(geometry.GetViewColumns(), 0);
        m_paintedBoxes.assign(static_cast<size_t>(m_boxColumns) *
                                  static_cast<size_t>(std::max(geometry.GetViewRows(), 0)),
                              CRect(0, 0, 0, 0));
        RepaintLayer(CRect(0, 0, m_layerWidth, m_layerHeight));
    } else if (dx != 0 || dy != 0) {
        ScrollLayer(static_cast<int>(dx), static_cast<int>(dy));
    }
    m_painted = state;
    m_paintedScrollX = m_scrollX;
    m_paintedScrollY = m_scrollY;
    m_layerValid = true;
}

void CMapDrawWnd::Compose(CDC& dc, const CRect& rect) {
    CDC picture, source;
    if (!picture.CreateCompatibleDC(nullptr) || !source.CreateCompatibleDC(nullptr)) return;
    CBitmap* oldPicture = picture.SelectObject(&m_picture);
    const int x = rect.left, y = rect.top, w = rect.Width(), h = rect.Height();
    CBitmap* oldSource = nullptr;
    if (m_background) {
        oldSource = source.SelectObject(m_background.get());
        picture.BitBlt(x, y, w, h, &source, x, y, SRCCOPY);
    } else {
        oldSource = source.SelectObject(m_coverage.get());
        picture.FillSolidRect(rect, RGB(0, 0, 0));
    }
    source.SelectObject(m_coverage.get());
    picture.BitBlt(x, y, w, h, &source, x, y, kMaskOut);
    source.SelectObject(m_layer.get());
    picture.BitBlt(x, y, w, h, &source, x, y, SRCPAINT);
    source.SelectObject(oldSource);
    CPalette* palette = m_view ? m_view->GetPalette() : nullptr;
    CPalette* oldPalette = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    if (palette) dc.RealizePalette();
    dc.BitBlt(x, y, w, h, &picture, x, y, SRCCOPY);
    if (oldPalette) dc.SelectPalette(oldPalette, FALSE);
    picture.SelectObject(oldPicture);
}

void CMapDrawWnd::RenderPicture(CDC& dc) {
    UpdateLayer();
    if (m_layerWidth > 0 && m_layerHeight > 0)
        Compose(dc, CRect(0, 0, m_layerWidth, m_layerHeight));
}

void CMapDrawWnd::OnPaint() {
    CPaintDC dc(this);
    RenderPicture(dc);
}

BOOL CMapDrawWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CMapDrawWnd::DrawCell(int mx, int my, int wide) {
    Record("DrawCell", mx, my, wide);
    const CMapGeometry geometry = GetGeometry();
    if (!IsWindow() || mx < 0 || my < 0 || mx >= geometry.GetWidth() ||
        my >= geometry.GetHeight())
        return;
    UpdateLayer();
    if (!m_layerValid) return;
    const CCellPoint anchor = geometry.AnchorOf(mx, my);
    const CCellPoint view = geometry.MapToView(anchor.x, anchor.y);
    int w = 1, h = 1;
    const CCellPoint far = geometry.FarCornerOf(view.x, view.y, &w, &h);
    const SCellExtents box = geometry.GetCellExtents(far.x, far.y, wide);
    const double z = geometry.GetZoom();
    const CCellPoint farMap = geometry.ViewToMap(far.x, far.y);
    const int level = geometry.HeightAt(farMap.x, farMap.y) + (wide ? 1 : 0);
    const int64_t x = int64_t{geometry.GetCellScreenX(far.x, far.y)} -
                      TruncToInt(double(box.left) * z);
    const int64_t y = int64_t{geometry.GetCellScreenY(far.x, far.y, level)} -
                      TruncToInt(double(box.above) * z);
    CRect rect(ClampToInt(x), ClampToInt(y),
               ClampToInt(x + TruncToInt((double(box.left) + box.right) * z)),
               ClampToInt(y + TruncToInt((double(box.above) + box.below) * z)));
    // What the block's cells draw now counts too: the tables may not know a
    // picture a peer's update brought.
    auto painter = MakePainter(geometry);
    auto add = [&](int vx, int vy) {
        for (const CRect& cell : {painter->GetCellBounds(vx, vy), PaintedBox(vx, vy)})
            if (!cell.IsRectEmpty()) rect.UnionRect(rect, cell);
    };
    for (int i = 0; i < h; ++i)
        for (int j = 0; j < w; ++j) add(far.x - j, far.y - i);
    add(view.x, view.y);
    const CCellPoint own = geometry.MapToView(mx, my);
    add(own.x, own.y);
    if (!rect.IntersectRect(rect, CRect(0, 0, m_layerWidth, m_layerHeight))) return;
    m_blockRepaint = true;
    RepaintLayer(rect);
    m_blockRepaint = false;
    CClientDC dc(this);
    Compose(dc, rect);
    CMessageLoop::RemoveMessages(this, WM_MOUSEMOVE, WM_MOUSEMOVE);
}

// ---------------------------------------------------------------- layout

int CMapDrawWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    if (!m_direct.Create("VELMO_3DFaceWindow", nullptr, kChildStyle,
                         CRect(0, 0, kDirectWndSize, kDirectWndSize), this, kDirectWndId))
        return -1;
    m_direct.SetDefaultSize(kDirectWndSize, kDirectWndSize);
    if (!m_name.Create("VELMO_3DFaceWindow", nullptr, kChildStyle, CRect(0, 0, 0, 0), this,
                       kNameWndId))
        return -1;
    if (m_view) m_name.SetFont(m_view->GetMessageFont(1), FALSE);
    if (!m_balloon.CreateEx(WS_EX_DLGMODALFRAME, "VELMO_SaveBitsWindow", "", WS_POPUP | WS_BORDER,
                            CRect(0, 0, 0, 0), this, 0))
        return -1;
    if (m_view) m_balloon.SetFont(m_view->GetMessageFont(0), FALSE);
    return 0;
}

void CMapDrawWnd::OnDestroy() {
    KillTimer(kBlinkTimerId);
    HideBalloon();
    m_background.reset();
    CWnd::OnDestroy();
}

void CMapDrawWnd::PlaceChild(CWnd& child, int cw, int ch) {
    if (!child.IsWindow()) return;
    CRect r;
    child.GetWindowRect(&r);
    ScreenToClient(&r);
    int x = r.left, y = r.top;
    x = (m_lastWidth > 0 && r.right == m_lastWidth) ? cw - r.Width() : std::min(x, cw - r.Width());
    y = (m_lastHeight > 0 && r.bottom == m_lastHeight) ? ch - r.Height()
                                                       : std::min(y, ch - r.Height());
    child.SetWindowPos(nullptr, std::max(x, 0), std::max(y, 0), 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMapDrawWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (g_updatingScrollBars) return;
    m_scrollX = m_scrollY = 0;
    int cw = cx, ch = cy;
    UpdateScrollBars(cw, ch);
    PlaceChild(m_direct, cw, ch);
    PlaceChild(m_name, cw, ch);
    m_lastWidth = cw;
    m_lastHeight = ch;
    BuildBackground();
}

void CMapDrawWnd::UpdateScrollBars(int& cx, int& cy) {
    if (g_updatingScrollBars || !IsWindow()) return;
    g_updatingScrollBars = true;
    const CMapGeometry geometry = GetGeometry();
    if (GetCurrentArea() < 0 || !geometry.GetArea()) {
        ShowScrollBar(SB_BOTH, FALSE);
        CRect client;
        GetClientRect(&client);
        m_clientWidth = cx = client.Width();
        m_clientHeight = cy = client.Height();
        g_updatingScrollBars = false;
        Invalidate(TRUE);
        UpdateWindow();
        return;
    }
    int tw = 0, th = 0;
    geometry.GetTotalSize(tw, th);
    bool horizontal = false, vertical = false;
    CMapGeometry::FitScrollBars(tw, th, cx, cy, GetSystemMetrics(SM_CXVSCROLL),
                                GetSystemMetrics(SM_CYHSCROLL), horizontal, vertical);
    ShowScrollBar(SB_HORZ, horizontal);
    ShowScrollBar(SB_VERT, vertical);
    CRect client;
    GetClientRect(&client);
    m_clientWidth = client.Width();
    m_clientHeight = client.Height();
    auto setBar = [this](int bar, bool shown, int total, int page) {
        if (!shown) return;
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nMax = std::max(total - 1, 0);
        info.nPage = static_cast<UINT>(std::max(page, 0));
        info.nPos = 0;
        SetScrollInfo(bar, &info, TRUE);
    };
    setBar(SB_HORZ, horizontal, tw, m_clientWidth);
    setBar(SB_VERT, vertical, th, m_clientHeight);
    m_scrollX = m_scrollY = 0;
    g_updatingScrollBars = false;
    Invalidate(TRUE);
    cx = m_clientWidth;
    cy = m_clientHeight;
}

void CMapDrawWnd::BuildBackground() {
    m_background.reset();
    CRect client;
    GetClientRect(&client);
    auto bitmap = std::make_unique<CBitmap>();
    COLORREF top = RGB(255, 255, 255), bottom = RGB(63, 63, 63);
    if (m_view) m_view->GetMapColors(top, bottom);
    CPalette* palette = m_view ? m_view->GetPalette() : nullptr;
    if (!CMapBackground::Build(*bitmap, client.Width(), client.Height(), top, bottom, palette))
        return;
    m_background = std::move(bitmap);
}

// ---------------------------------------------------------------- scrolling

void CMapDrawWnd::Scroll(int bar, UINT code, UINT pos) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollInfo(bar, &info, SIF_ALL)) return;
    const int page = static_cast<int>(info.nPage);
    const int step = CMapGeometry::LineStep(page);
    int& current = bar == SB_HORZ ? m_scrollX : m_scrollY;
    int64_t next = current;
    switch (code) {
        case SB_LINEUP: next -= step; break;
        case SB_LINEDOWN: next += step; break;
        case SB_PAGEUP: next -= page; break;
        case SB_PAGEDOWN: next += page; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: next = static_cast<int>(pos); break;
        case SB_TOP: next = info.nMin; break;
        case SB_BOTTOM: next = info.nMax; break;
        case SB_ENDSCROLL:
            // The picture moves only now: the layer follows the scroll
            // position on the next paint.
            Invalidate(FALSE);
            return;
        default: return;
    }
    current = CMapGeometry::ClampScroll(next, info.nMin, info.nMax, page);
    SetScrollPos(bar, current, TRUE);
}

void CMapDrawWnd::OnHScroll(UINT code, UINT pos, CWnd*) { Scroll(SB_HORZ, code, pos); }

void CMapDrawWnd::OnVScroll(UINT code, UINT pos, CWnd*) { Scroll(SB_VERT, code, pos); }
