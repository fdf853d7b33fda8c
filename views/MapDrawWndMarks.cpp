// The map window's changed cells: the marks game code sets, the blink that
// shows them (timer 100, a sound on the inverted pictures) and the flush that
// redraws them plainly once the player has seen them.

#include <algorithm>

#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/Wait.h"
#include "model/services/Services.h"
#include "platform/ui/MessageLoop.h"
#include "views/MapDrawWnd.h"

namespace {
// The sound of the inverted blink picture.
constexpr int kBlinkEffect = 2;
// A negative wait dispatches in slices of this length, so that a quit
// posted meanwhile is noticed.
constexpr int64_t kWaitSliceMs = 1000;

bool IsQuitPending() {
    MSG msg;
    return CMessageLoop::Peek(msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE);
}
}  // namespace

int64_t CMapDrawWnd::ChangedIndex(int mx, int my) const {
    const CMapDoc* map = GetMapDoc();
    if (!map || mx < 0 || my < 0 || mx >= map->GetGridWidth() || my >= map->GetGridHeight())
        return -1;
    const int64_t i = int64_t{my} * map->GetGridWidth() + mx;
    return i < static_cast<int64_t>(m_changed.size()) ? i : -1;
}

bool CMapDrawWnd::IsCellMarked(int mx, int my) const {
    const int64_t i = ChangedIndex(mx, my);
    return i >= 0 && m_changed[static_cast<size_t>(i)] != 0;
}

void CMapDrawWnd::MarkCell(int mx, int my) {
    // Cells from outside (a peer's update) may lie anywhere: those outside
    // the grid are ignored.
    const int64_t i = ChangedIndex(mx, my);
    if (i < 0 || m_changed[static_cast<size_t>(i)] != 0) return;
    m_changed[static_cast<size_t>(i)] = 1;
    ++m_markedCount;
}

void CMapDrawWnd::MarkCellRect(int x1, int y1, int x2, int y2, int periodMs) {
    m_calls.push_back({"MarkCellRect", x1, y1, x2, y2, periodMs});
    const CMapDoc* map = GetMapDoc();
    if (map) {
        // Clipped to the grid, so that the loop never walks outside it.
        const int left = std::max(std::min(x1, x2), 0);
        const int top = std::max(std::min(y1, y2), 0);
        const int right = std::min(std::max(x1, x2), map->GetGridWidth() - 1);
        const int bottom = std::min(std::max(y1, y2), map->GetGridHeight() - 1);
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) MarkCell(x, y);
    }
    ScheduleBlink(periodMs);
}

void CMapDrawWnd::MarkCellList(std::span<const CCellPoint> cells, int periodMs) {
    Record("MarkCellList", static_cast<int>(cells.size()), periodMs);
    std::fill(m_changed.begin(), m_changed.end(), 0);
    m_markedCount = 0;
    for (CCellPoint cell : cells) MarkCell(cell.x, cell.y);
    ScheduleBlink(periodMs);
}

void CMapDrawWnd::AddCellMarks(std::span<const CCellPoint> cells, int periodMs) {
    Record("AddCellMarks", static_cast<int>(cells.size()), periodMs);
    for (CCellPoint cell : cells) MarkCell(cell.x, cell.y);
    ScheduleBlink(periodMs);
}

void CMapDrawWnd::ShowCellChanges(std::span<const CCellPoint> cells, int periodMs, int count) {
    AddCellMarks(cells, periodMs);
    WaitCellChanges(count);
}

int CMapDrawWnd::MarkCompanyCells(int company) {
    Record("MarkCompanyCells", company);
    const CMapData* area = m_doc ? m_doc->GetArea(GetCurrentArea()) : nullptr;
    if (!area || company < 0) return 0;
    int owned = 0;
    for (int y = 0; y < area->GetHeight(); ++y)
        for (int x = 0; x < area->GetWidth(); ++x) {
            if (area->GetCellOwner(x, y) != company + 1) continue;
            MarkCell(x, y);
            ++owned;
        }
    if (owned == 0) return 0;
    ScheduleBlink(kBlinkMs);
    return 1;
}

bool CMapDrawWnd::HasCursor() const { return m_cursorX >= 0 && m_cursorY >= 0; }

void CMapDrawWnd::ScheduleBlink(int periodMs) {
    // The cursor block stops being lit while cells blink.
    if (!m_blinkPending && HasCursor() && IsWindow()) Invalidate(FALSE);
    m_blinkPending = 1;
    m_blinkPeriod = periodMs;
    if (!IsWindow()) return;
    KillTimer(kBlinkTimerId);
    SetTimer(kBlinkTimerId, static_cast<UINT>(std::max(periodMs, 0)));
}

void CMapDrawWnd::OnBlinkTick() {
    KillTimer(kBlinkTimerId);
    if (m_blinkPhase) Services::Frame().PlayEffect(kBlinkEffect);
    // Only the marked cells look different in the other phase, and all of
    // them are redrawn below: the kept picture needs no full repaint.
    if (m_layerValid && (m_painted.blinkPending == m_blinkPending || !HasCursor())) {
        m_painted.blinkPending = m_blinkPending;
        m_painted.blinkPhase = m_blinkPhase;
    }
    const CMapDoc* map = GetMapDoc();
    if (map && m_markedCount > 0) {
        for (int y = 0; y < map->GetGridHeight(); ++y)
            for (int x = 0; x < map->GetGridWidth(); ++x)
                if (IsCellMarked(x, y)) DrawCell(x, y, 1);
    }
    m_blinkPhase = !m_blinkPhase;
    if (m_blinkCountdown > 0 && --m_blinkCountdown == 0) return;
    SetTimer(kBlinkTimerId, static_cast<UINT>(std::max(m_blinkPeriod, 0)));
}

void CMapDrawWnd::WaitCellChanges(int count) {
    m_blinkCountdown = -count;
    if (count < 0) {
        // A blink whose countdown ran out earlier left its marks without a
        // timer: it blinks again for this wait. Without a window no tick
        // comes at all, and the wait ends at once.
        if (m_markedCount > 0 && IsWindow())
            SetTimer(kBlinkTimerId, static_cast<UINT>(std::max(m_blinkPeriod, 0)));
        IFrameService& frame = Services::Frame();
        frame.SetPumping(1);
        auto done = [this] { return m_markedCount == 0 || m_blinkCountdown <= 0 || !IsWindow(); };
        while (!CMessageLoop::WaitDispatching(kWaitSliceMs, done)) {
            if (IsQuitPending()) break;
        }
        frame.SetPumping(0);
        frame.CheckCloseRequest();
    } else {
        Wait(count, 0, 0);
    }
    FlushChangedCells(1);
}

int CMapDrawWnd::IsNetworkClient() const {
    return m_doc && m_doc->IsNetworkGame() && !m_doc->IsNetworkHost() ? 1 : 0;
}

void CMapDrawWnd::FlushChangedCells(int redraw) {
    Record("FlushChangedCells", redraw);
    m_blinkPending = 0;
    std::vector<CCellPoint> cells;
    const CMapDoc* map = GetMapDoc();
    if (map && m_markedCount > 0) {
        try {
            for (int y = 0; y < map->GetGridHeight(); ++y)
                for (int x = 0; x < map->GetGridWidth(); ++x) {
                    const int64_t i = ChangedIndex(x, y);
                    if (i < 0 || !m_changed[static_cast<size_t>(i)]) continue;
                    m_changed[static_cast<size_t>(i)] = 0;
                    cells.emplace_back(x, y);
                }
        } catch (const std::bad_alloc&) {
            // The cells not collected stay unredrawn, but no mark is left.
            std::fill(m_changed.begin(), m_changed.end(), 0);
        }
    }
    m_markedCount = 0;
    if (redraw) {
        // Without a cursor only the flushed cells change; with one its block
        // lights up again, which a full repaint of the kept picture shows.
        if (m_layerValid && !HasCursor()) m_painted.blinkPending = 0;
        if (HasCursor() && IsWindow()) Invalidate(FALSE);
        const int wide = IsNetworkClient();
        for (CCellPoint cell : cells) DrawCell(cell.x, cell.y, wide);
    }
    if (IsWindow()) KillTimer(kBlinkTimerId);
}
