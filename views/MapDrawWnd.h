#pragma once
// The map drawing window, the left pane of the main view: the shown area as
// an isometric picture in the document's view direction at the frame's
// zoom, over a background gradient, with scroll bars. The geometry and the
// painting live in model (CMapGeometry, CMapDrawOrder, CMapPainter); this
// window owns the tables and pictures between paints.
//
// It keeps its cells in a client-sized layer over black with a coverage
// mask of everything drawn, and shows (background AND NOT coverage) OR
// layer: a scroll moves the layer and paints only the uncovered strip, and
// DrawCell repaints one block, each to the same pixels a full repaint
// gives. It also records the calls its callers make on it (turns, rebuilds,
// marks, cursor and balloon) so that they can be checked.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/CellPoint.h"
#include "model/MapDrawOrder.h"
#include "model/MapGeometry.h"
#include "model/MapPictureCache.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"
#include "platform/ui/Point.h"
#include "platform/ui/Size.h"
#include "platform/ui/Wnd.h"
#include "views/BalonWnd.h"
#include "views/MapDirectWnd.h"
#include "views/MapNameWnd.h"

class CMapDoc;
class CMapPainter;
class CMenu;
class CVDoc;
class IViewHost;

class CMapDrawWnd : public CWnd {
public:
    static constexpr int kDirectWndId = 2030;
    static constexpr int kNameWndId = 2031;
    static constexpr int kDirectWndSize = 70;

    struct SCall {
        std::string name;
        int a = 0;
        int b = 0;
        int c = 0;
        int d = 0;
        int e = 0;
        bool operator==(const SCall& other) const = default;
    };

    CMapDrawWnd();
    ~CMapDrawWnd() override;

    // Takes the view's document; the view keeps the shown area and provides
    // the zoom, colours, pens and modes.
    void AttachDocument(CVDoc* doc, IViewHost* view);
    CVDoc* GetDocument() const { return m_doc; }
    // The view that holds the window; nullptr before AttachDocument.
    IViewHost* GetViewHost() const { return m_view; }
    // The map inside the document; nullptr without one.
    CMapDoc* GetMapDoc() const;
    // The area the view shows; -1 none.
    int GetCurrentArea() const;
    void GetViewGridSize(int& columns, int& rows) const;
    // The geometry of the shown area now (direction, zoom, scroll).
    CMapGeometry GetGeometry() const;

    // Sizes the per-cell tables for the shown map: 1, or 0 without memory.
    int ResetCellTables();

    // ---- changed cells: marked, blinking, then flushed
    // The blink period every caller in the game uses.
    static constexpr int kBlinkMs = 180;
    static constexpr UINT_PTR kBlinkTimerId = 100;
    // Marks the shown area's cells of a company: 1 when any was marked (the
    // blink then starts), 0 without touching the timer.
    int MarkCompanyCells(int company);
    // Marks the cells of the rectangle (corners in any order, clipped to
    // the grid) as changed, blinking with the period in milliseconds.
    void MarkCellRect(int x1, int y1, int x2, int y2, int periodMs);
    // Forgets every mark, then marks the cells given (cells outside the
    // grid are ignored) and blinks them.
    void MarkCellList(std::span<const CCellPoint> cells, int periodMs);
    // Adds the cells to the marked ones and blinks them.
    void AddCellMarks(std::span<const CCellPoint> cells, int periodMs);
    // AddCellMarks, then WaitCellChanges (count).
    void ShowCellChanges(std::span<const CCellPoint> cells, int periodMs, int count);
    // A negative count dispatches messages until the marks are flushed or
    // -count blink ticks have passed; a count >= 0 waits count tenths of
    // the "WaitTime" option. Then the marks are flushed and redrawn.
    void WaitCellChanges(int count);
    // Ends the blink and forgets the marked cells, redrawing them when asked.
    void FlushChangedCells(int redraw);
    int CountChangedCells() const { return m_markedCount; }
    bool IsCellMarked(int mx, int my) const;
    int IsBlinkPending() const { return m_blinkPending; }
    int GetBlinkPhase() const { return m_blinkPhase; }
    // (Re)starts the blink timer with the period.
    void ScheduleBlink(int periodMs);

    // ---- effects
    // The earthquake: rows shift by 2 x strength pixels, alternately left
    // and right, 4 times (6 from strength 3), with a sound every second time.
    void ShakeMap(int strength);
    // Animates a turn of the map by `step` quarter turns (recorded with the
    // direction it starts from), waiting stepMs after each of its steps.
    void AnimateTurn(int step, int stepMs);

    // ---- cursor, picks, balloon
    static constexpr UINT_PTR kHoverTimerId = 101;
    static constexpr UINT_PTR kNextCellTimerId = 102;
    static constexpr int kHoverMs = 1500;
    static constexpr int kNextCellMs = 50;
    // Eight cell changes within this time are a sweep of the mouse.
    static constexpr uint32_t kSweepMs = 2500;
    static constexpr int kHoverTicks = 8;
    static constexpr UINT kPortfolioCommand = 40025;
    static constexpr UINT kExplanationCommand = 40500;
    static constexpr UINT kFirstAreaCommand = 40400;
    static constexpr int kAreaCommands = 64;

    // Moves the cursor block; (-1, -1) removes it. 1 when it changed.
    int SetCursorCell(int mx, int my, BOOL redraw);
    // The cursor block's size in cells; 1 when it changed.
    int SetCursorSize(int cx, int cy);
    CCellPoint GetCursorCell() const { return {m_cursorX, m_cursorY}; }
    void GetCursorSize(int& cx, int& cy) const {
        cx = m_cursorWidth;
        cy = m_cursorHeight;
    }
    // Hands a cell to the pick of the frame's map interaction mode: 1 when
    // a pick (modes 3..10) took it. Cells outside the grid, and in the
    // construction pick blocks that stick out of it, are refused.
    int PickCell(CCellPoint cell);
    void ShowBalloon(int x, int y);
    void HideBalloon();
    int IsBalloonShown() const { return m_balloonShown; }
    CCellPoint GetHoverCell() const { return m_hoverCell; }
    // Where a balloon of the size goes for a mouse at a screen point: below
    // and right of the mouse cursor, kept on the screen.
    static CPoint BalloonPosition(CPoint mouse, CSize balloon, CSize cursor, CSize screen);
    // The context menu of the right button.
    BOOL BuildContextMenu(CMenu& menu) const;
    // Tests drive the sweep rule and the mouse position: nullptr goes back
    // to the platform's clock and mouse.
    // A new source also restarts the eight hover tick counts at its time.
    void SetTickSource(std::function<uint32_t()> ticks);
    void SetCursorPosSource(std::function<CPoint()> pos) { m_cursorPosSource = std::move(pos); }

    // Recomputes the reach tables and the draw order after the area,
    // direction or structures change. Neither zooms nor invalidates.
    void RebuildMap();
    // Repaints, directly on the window, every cell whose picture can
    // overlap the block of map cell (mx, my); wide makes the block one level
    // taller.
    void DrawCell(int mx, int my, int wide);
    // Moves a rectangle in screen coordinates by (dx, dy) and back inside
    // the client area; returns it in client coordinates. The floating name
    // and direction windows keep themselves on the map with it.
    CRect ClampRectToClient(const CRect& screenRect, int dx, int dy) const;
    // Shows the scroll bars the picture needs in a client area of cx x cy,
    // resets the scroll position and returns the client size left.
    void UpdateScrollBars(int& cx, int& cy);
    // Recreates the background gradient in the frame's map colours.
    void BuildBackground();
    // Rows painted by the full repaint (-1 all); 1 when it changed.
    int SetPartView(int rows);
    // Shows the ground only; 1 when it changed.
    int SetTopographyOnly(int flag);
    int GetScrollX() const { return m_scrollX; }
    int GetScrollY() const { return m_scrollY; }

    // The cell under a client pixel; (-1, -1) for none.
    CCellPoint CellFromPoint(int x, int y) const { return GetGeometry().CellFromPoint(x, y); }

    // Draws what the window shows into a context of the client size,
    // painting whatever is out of date first.
    void RenderPicture(CDC& dc);
    // Drops the kept picture: the next paint repaints every cell.
    void ForgetPicture() { m_layerValid = false; }

    CMapDirectWnd& GetDirectWnd() { return m_direct; }
    CMapNameWnd& GetNameWnd() { return m_name; }
    CBalonWnd& GetBalloonWnd() { return m_balloon; }

    const std::vector<SCall>& GetCalls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnHScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    void OnTimer(UINT_PTR id) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // What the kept layer was painted for; any change repaints it whole,
    // except the scroll position, which moves it.
    struct SPaintState {
        int area = -1;
        int direction = 0;
        double zoom = 1.0;
        int mapMode = 0;
        int width = 0;
        int height = 0;
        int partialRows = -1;
        int topographyOnly = 0;
        int cursorX = -1;
        int cursorY = -1;
        int cursorWidth = 1;
        int cursorHeight = 1;
        int blinkPending = 0;
        int blinkPhase = 0;
        bool operator==(const SPaintState&) const = default;
    };

    void Record(const char* name, int a = 0, int b = 0, int c = 0);
    SPaintState CurrentState() const;
    std::unique_ptr<CMapPainter> MakePainter(const CMapGeometry& geometry) const;
    bool IsHighlighted(int mx, int my) const;
    // The index of a map cell in the changed-flag table; -1 outside it.
    int64_t ChangedIndex(int mx, int my) const;
    void MarkCell(int mx, int my);
    void OnBlinkTick();
    bool HasCursor() const;
    // A network client redraws flushed cells one level taller.
    int IsNetworkClient() const;
    // The map cells of the cursor block at (mx, my) in the current
    // direction: its near corner and its far corner (largest x and y).
    void CursorBlock(int mx, int my, CCellPoint& nearCorner, CCellPoint& farCorner) const;
    void MoveCursorByKey(UINT key);
    uint32_t Ticks() const;
    CPoint MouseScreenPos() const;
    int CompanyColour(int company) const;
    // Brings the layer up to date: a whole repaint, or a move by the scroll
    // delta and the strips uncovered.
    void UpdateLayer();
    bool SizeLayer(int width, int height);
    void RepaintLayer(const CRect& rect);
    void ScrollLayer(int dx, int dy);
    // (background AND NOT coverage) OR layer within rect, onto dc.
    void Compose(CDC& dc, const CRect& rect);
    void Scroll(int bar, UINT code, UINT pos);
    void PlaceChild(CWnd& child, int cw, int ch);
    // Keeps the box a cell's pictures took, in picture coordinates (before
    // scrolling), so that DrawCell also clears what a changed cell drew
    // before.
    void NotePainted(int vx, int vy, const RECT& box);
    CRect PaintedBox(int vx, int vy) const;

    CVDoc* m_doc = nullptr;
    IViewHost* m_view = nullptr;
    int m_lastWidth = -1;
    int m_lastHeight = -1;
    std::unique_ptr<CBitmap> m_background;
    int m_cursorX = -1;
    int m_cursorY = -1;
    int m_cursorWidth = 1;
    int m_cursorHeight = 1;
    int m_blinkPending = 0;
    int m_blinkPhase = 0;
    int m_scrollX = 0;
    int m_scrollY = 0;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    int m_partialRows = -1;
    int m_topographyOnly = 0;
    // Set while DrawCell repaints a block: raised cells then draw only the
    // sides their neighbours leave in view.
    bool m_blockRepaint = false;
    std::vector<int> m_changed;
    CMapDrawOrder m_order;
    CMapPictureCache m_pictures;
    CMapDirectWnd m_direct;
    CMapNameWnd m_name;
    CBalonWnd m_balloon;
    int m_balloonShown = 0;
    CCellPoint m_hoverCell{-1, -1};
    CPoint m_lastMouse{-1, -1};
    int m_savedCursorWidth = 1;
    int m_savedCursorHeight = 1;
    // Newest first.
    std::array<uint32_t, kHoverTicks> m_hoverTicks{};
    CCellPoint m_lastBalloonCell{-1, -1};
    int m_balloonTimerPending = 0;
    int m_blinkPeriod = kBlinkMs;
    int m_blinkCountdown = 0;
    int m_markedCount = 0;
    std::function<uint32_t()> m_tickSource;
    std::function<CPoint()> m_cursorPosSource;

    // The kept picture: cells over black, what they cover, and a spare pair
    // for moving them.
    std::unique_ptr<CBitmap> m_layer = std::make_unique<CBitmap>();
    std::unique_ptr<CBitmap> m_coverage = std::make_unique<CBitmap>();
    std::unique_ptr<CBitmap> m_spareLayer = std::make_unique<CBitmap>();
    std::unique_ptr<CBitmap> m_spareCoverage = std::make_unique<CBitmap>();
    CBitmap m_picture;
    int m_layerWidth = 0;
    int m_layerHeight = 0;
    bool m_layerValid = false;
    SPaintState m_painted;
    int m_paintedScrollX = 0;
    int m_paintedScrollY = 0;
    int m_boxColumns = 0;
    std::vector<CRect> m_paintedBoxes;

    std::vector<SCall> m_calls;
};
