// The map window and the player: the cursor block that follows the mouse
// and the arrow keys while the frame waits for a cell, the hand-over of a
// picked cell to the frame, the balloon that tells about the cell under a
// resting mouse, and the right button's context menu.

#include <algorithm>

#include "game/VDoc.h"
#include "model/MapDoc.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "views/MapDrawWnd.h"
#include "views/ViewHost.h"

namespace {
// The frame's map interaction modes that hand cells to a pick.
constexpr int kFirstPickMode = 3;
constexpr int kConstructionMode = 5;
constexpr int kReinforceMode = 6;
constexpr int kLastPickMode = 10;
// A click whose handling pumps messages (the picks open dialogs) ignores
// the clicks that arrive meanwhile.
bool g_inLeftButtonUp = false;
}  // namespace

// ---------------------------------------------------------------- cursor

int CMapDrawWnd::SetCursorCell(int mx, int my, BOOL redraw) {
    Record("SetCursorCell", mx, my, redraw ? 1 : 0);
    const CMapGeometry geometry = GetGeometry();
    if ((mx != -1 || my != -1) && geometry.GetArea()) {
        // The block reaches from the cell toward smaller view coordinates:
        // it is kept inside the view grid.
        int w = m_cursorWidth, h = m_cursorHeight;
        geometry.TurnSize(w, h);
        const CCellPoint v = geometry.MapToView(mx, my);
        const int vx = std::min(std::max(v.x, w - 1), geometry.GetViewColumns() - 1);
        const int vy = std::min(std::max(v.y, h - 1), geometry.GetViewRows() - 1);
        if (vx != v.x || vy != v.y) {
            const CCellPoint m = geometry.ViewToMap(vx, vy);
            mx = m.x;
            my = m.y;
        }
    }
    if (mx == m_cursorX && my == m_cursorY) return 0;
    const int oldX = m_cursorX, oldY = m_cursorY;
    m_cursorX = mx;
    m_cursorY = my;
    if (redraw && IsWindow() && m_layerValid) {
        // Both blocks repaint through DrawCell; the kept picture then holds
        // the new cursor.
        m_painted.cursorX = mx;
        m_painted.cursorY = my;
        int w = m_cursorWidth, h = m_cursorHeight;
        geometry.TurnSize(w, h);
        for (CCellPoint cell : {CCellPoint(oldX, oldY), CCellPoint(mx, my)}) {
            if (!geometry.IsMapCell(cell.x, cell.y)) continue;
            const CCellPoint v = geometry.MapToView(cell.x, cell.y);
            for (int i = h - 1; i >= 0; --i)
                for (int j = w - 1; j >= 0; --j) {
                    const CCellPoint m = geometry.ViewToMap(v.x - j, v.y - i);
                    DrawCell(m.x, m.y, 0);
                }
        }
    }
    return 1;
}

int CMapDrawWnd::SetCursorSize(int cx, int cy) {
    Record("SetCursorSize", cx, cy);
    if (cx == m_cursorWidth && cy == m_cursorHeight) return 0;
    m_cursorWidth = cx;
    m_cursorHeight = cy;
    return 1;
}

void CMapDrawWnd::CursorBlock(int mx, int my, CCellPoint& nearCorner,
                              CCellPoint& farCorner) const {
    const int w = m_cursorWidth, h = m_cursorHeight;
    switch (m_doc ? m_doc->GetViewDirection() : 2) {
        case 0:
            nearCorner = {mx, my};
            farCorner = {mx + w - 1, my + h - 1};
            break;
        case 1:
            nearCorner = {mx - w + 1, my};
            farCorner = {mx, my + h - 1};
            break;
        case 3:
            nearCorner = {mx, my - h + 1};
            farCorner = {mx + w - 1, my};
            break;
        default:
            nearCorner = {mx - w + 1, my - h + 1};
            farCorner = {mx, my};
            break;
    }
}

int CMapDrawWnd::PickCell(CCellPoint cell) {
    const int mode = m_view ? m_view->GetMapMode() : 0;
    if (mode < kFirstPickMode || mode > kLastPickMode) return 0;
    // No cursor (a click off the map, a sweep that removed it) or a cell
    // from anywhere else outside the grid reaches no pick.
    const CMapGeometry geometry = GetGeometry();
    if (!geometry.IsMapCell(cell.x, cell.y)) return 0;
    if (mode == kConstructionMode) {
        CCellPoint nearCorner, farCorner;
        CursorBlock(cell.x, cell.y, nearCorner, farCorner);
        if (!geometry.IsMapCell(nearCorner.x, nearCorner.y) ||
            !geometry.IsMapCell(farCorner.x, farCorner.y))
            return 0;
        cell = farCorner;
    }
    m_view->PickMapCell(cell);
    return 1;
}

// ---------------------------------------------------------------- balloon

void CMapDrawWnd::SetTickSource(std::function<uint32_t()> ticks) {
    m_tickSource = std::move(ticks);
    m_hoverTicks.fill(Ticks());
}

uint32_t CMapDrawWnd::Ticks() const {
    return m_tickSource ? m_tickSource() : CClock::GetTickCount();
}

CPoint CMapDrawWnd::MouseScreenPos() const {
    if (m_cursorPosSource) return m_cursorPosSource();
    POINT p{};
    GetCursorPos(&p);
    return CPoint(p.x, p.y);
}

CPoint CMapDrawWnd::BalloonPosition(CPoint mouse, CSize balloon, CSize cursor, CSize screen) {
    const int64_t left = std::max<int64_t>(
        std::min<int64_t>(int64_t{mouse.x} + cursor.cx, int64_t{screen.cx} - balloon.cx), 0);
    const int64_t top = std::max<int64_t>(
        std::min<int64_t>(int64_t{mouse.y} + cursor.cy, int64_t{screen.cy} - balloon.cy), 0);
    return CPoint(static_cast<int>(std::min<int64_t>(left, screen.cx)),
                  static_cast<int>(std::min<int64_t>(top, screen.cy)));
}

void CMapDrawWnd::ShowBalloon(int x, int y) {
    m_balloonTimerPending = 0;
    if (!m_doc || !IsWindow()) return;
    if (m_doc->GetPlayState() != 0 && !(m_view && m_view->IsInputEnabled())) return;
    // A timer that comes after the mouse has left the map shows nothing.
    if (CWnd::WindowFromPoint(MouseScreenPos()) != this) return;
    m_hoverCell = CellFromPoint(x, y);
    if (m_hoverCell.x < 0 || m_hoverCell.y < 0) return;
    m_savedCursorWidth = m_cursorWidth;
    m_savedCursorHeight = m_cursorHeight;
    POINT screen{x, y};
    ClientToScreen(&screen);
    m_balloon.SetDrawSource(m_doc);
    const CSize size = m_balloon.Prepare(GetCurrentArea(), m_hoverCell.x, m_hoverCell.y);
    const CPoint at = BalloonPosition(
        CPoint(screen.x, screen.y), size,
        CSize(GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR)),
        CSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    if (m_balloon.IsWindow()) {
        m_balloon.SetWindowPos(nullptr, at.x, at.y, size.cx, size.cy,
                               SWP_NOZORDER | SWP_NOACTIVATE);
        m_balloon.ShowWindow(SW_SHOWNOACTIVATE);
    }
    m_balloonShown = 1;
    SetCapture();
}

void CMapDrawWnd::HideBalloon() {
    Record("HideBalloon");
    if (!m_balloonShown) return;
    if (m_balloon.IsWindow()) m_balloon.ShowWindow(SW_HIDE);
    m_balloonShown = 0;
    m_cursorWidth = m_savedCursorWidth;
    m_cursorHeight = m_savedCursorHeight;
    m_hoverCell = {-1, -1};
    SetCursorCell(-1, -1, TRUE);
    m_balloonTimerPending = 0;
    if (CWnd::GetCapture() == this) CWnd::ReleaseCapture();
}

// ---------------------------------------------------------------- mouse

void CMapDrawWnd::OnMouseMove(UINT flags, CPoint point) {
    const CCellPoint h = CellFromPoint(point.x, point.y);
    const bool isCell = h.x >= 0 && h.y >= 0;
    if (m_balloonShown && !(h == m_hoverCell)) {
        HideBalloon();
        if (isCell) {
            bool sweeping = false;
            if (!(h == m_lastBalloonCell)) {
                std::rotate(m_hoverTicks.rbegin(), m_hoverTicks.rbegin() + 1, m_hoverTicks.rend());
                m_hoverTicks[0] = Ticks();
                sweeping = m_hoverTicks[0] - m_hoverTicks[kHoverTicks - 1] < kSweepMs;
            }
            if (sweeping) {
                // The mouse is sweeping over the map: no balloon follows it.
                SetCursorCell(-1, -1, TRUE);
                m_cursorWidth = m_savedCursorWidth;
                m_cursorHeight = m_savedCursorHeight;
                CWnd::OnMouseMove(flags, point);
                return;
            }
            SetTimer(kNextCellTimerId, kNextCellMs);
            m_lastBalloonCell = h;
            m_balloonTimerPending = 1;
            m_lastMouse = point;
        }
    } else if (!m_balloonShown && isCell) {
        // Every move restarts the wait: the balloon comes once the mouse rests.
        if (!m_balloonTimerPending) SetTimer(kHoverTimerId, kHoverMs);
        m_lastMouse = point;
    }
    if ((m_view && m_view->GetPickFlag()) || m_balloonShown) SetCursorCell(h.x, h.y, TRUE);
    CWnd::OnMouseMove(flags, point);
}

void CMapDrawWnd::OnTimer(UINT_PTR id) {
    if (id == kBlinkTimerId) {
        OnBlinkTick();
    } else if (id == kHoverTimerId || id == kNextCellTimerId) {
        ShowBalloon(m_lastMouse.x, m_lastMouse.y);
        m_lastBalloonCell = m_hoverCell;
        KillTimer(id);
    } else {
        CWnd::OnTimer(id);
    }
}

void CMapDrawWnd::OnLButtonUp(UINT flags, CPoint point) {
    if (!g_inLeftButtonUp) {
        g_inLeftButtonUp = true;
        if (!PickCell(GetCursorCell())) {
            SetCursorCell(m_cursorX, m_cursorY, TRUE);
            m_lastMouse = point;
            ShowBalloon(point.x, point.y);
            m_lastBalloonCell = m_hoverCell;
            KillTimer(kHoverTimerId);
            KillTimer(kNextCellTimerId);
        }
        g_inLeftButtonUp = false;
    }
    CWnd::OnLButtonUp(flags, point);
}

// ---------------------------------------------------------------- keys

void CMapDrawWnd::MoveCursorByKey(UINT key) {
    // The arrows move in the view grid as the player sees it, wrapping at
    // its edges.
    const CMapGeometry geometry = GetGeometry();
    const int columns = geometry.GetViewColumns(), rows = geometry.GetViewRows();
    if (columns <= 0 || rows <= 0) return;
    CCellPoint v = geometry.MapToView(m_cursorX, m_cursorY);
    switch (key) {
        case VK_LEFT: v.x = (v.x - 1 + columns) % columns; break;
        case VK_RIGHT: v.x = (v.x + 1) % columns; break;
        case VK_UP: v.y = (v.y - 1 + rows) % rows; break;
        case VK_DOWN: v.y = (v.y + 1) % rows; break;
        default: return;
    }
    const CCellPoint m = geometry.ViewToMap(v.x, v.y);
    SetCursorCell(m.x, m.y, TRUE);
}

void CMapDrawWnd::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (m_view && m_view->GetPickFlag()) {
        if (key == VK_ESCAPE && m_view->GetMapMode() != 0) {
            m_view->EndMapPick(0);
            return;
        }
        if (GetGeometry().IsMapCell(m_cursorX, m_cursorY)) {
            if (key == VK_RETURN) {
                PickCell(GetCursorCell());
            } else {
                MoveCursorByKey(key);
            }
        }
    }
    CWnd::OnKeyDown(key, repeat, flags);
}

// ---------------------------------------------------------------- context menu

BOOL CMapDrawWnd::BuildContextMenu(CMenu& menu) const {
    if (!menu.CreatePopupMenu()) return FALSE;
    if (m_view && m_view->GetMapMode() == kReinforceMode) {
        menu.AppendMenu(MF_STRING, kPortfolioCommand, "Real Estate Portfolio");
        menu.AppendMenu(MF_SEPARATOR);
    }
    menu.AppendMenu(MF_STRING, kExplanationCommand, "Show area explanation");
    const CMapDoc* map = GetMapDoc();
    const int areas = map ? std::min(map->GetAreaCount(), kAreaCommands) : 0;
    if (areas <= 1) return TRUE;
    menu.AppendMenu(MF_SEPARATOR);
    const int shown = GetCurrentArea();
    for (int i = 0; i < areas; ++i) {
        if (i == shown) continue;
        menu.AppendMenu(MF_STRING, kFirstAreaCommand + static_cast<UINT>(i),
                        FormatText("%2d:%s", i + 1, map->GetAreaName(i).c_str()));
    }
    return TRUE;
}

void CMapDrawWnd::OnRButtonUp(UINT flags, CPoint point) {
    CMenu menu;
    if (!BuildContextMenu(menu)) {
        MessageBeep(0);
        return;
    }
    POINT screen{point.x, point.y};
    ClientToScreen(&screen);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, screen.x, screen.y, this);
    menu.DestroyMenu();
    CWnd::OnRButtonUp(flags, point);
}

BOOL CMapDrawWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (!m_view) return CWnd::OnCommand(wParam, lParam);
    if (id == kPortfolioCommand) {
        m_view->DoAreaPortfolio();
    } else if (id == kExplanationCommand) {
        m_view->ShowAreaExplanation();
    } else if (id >= kFirstAreaCommand && id < kFirstAreaCommand + kAreaCommands) {
        const CMapDoc* map = GetMapDoc();
        const int area = static_cast<int>(id - kFirstAreaCommand);
        if (map && area < map->GetAreaCount()) m_view->SelectArea(area);
    } else {
        return CWnd::OnCommand(wParam, lParam);
    }
    return TRUE;
}
