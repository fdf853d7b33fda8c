#pragma once
// The judgment's map of one area: a gradient background and the area's
// cells as the game's map window paints them (ground blocks, land, owner
// outlines, structures), in the document's view direction and at the
// options' zoom, with scroll bars when the picture is larger than the
// window. The direction dial and the area name strip float on it; a turn
// of the view is shown by the grid's outline turning.

#include <array>
#include <memory>

#include "judge/MapDirectWnd.h"
#include "judge/MapNameWnd.h"
#include "model/MapDrawOrder.h"
#include "model/MapGeometry.h"
#include "model/MapPictureCache.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/Wnd.h"

class CDC;

namespace judge {

class CArboDoc;
class CArboView;

class CMapFrameWnd : public CWnd {
public:
    static constexpr UINT kDialId = 1000;
    static constexpr UINT kNameId = 1001;
    static constexpr int kTurnSteps = 30;
    static constexpr int kTurnTrail = 3;

    CMapFrameWnd(CArboDoc* doc, CArboView* view);
    ~CMapFrameWnd() override;
    // The frame (hidden) with its dial and name strip.
    bool CreateFrame(CWnd* parent);

    int GetViewDirection() const;
    int GetArea() const;
    double GetZoom() const;
    // The shown area's geometry at the current direction, zoom and scroll.
    CMapGeometry Geometry() const;

    // The colour of a background row: each channel first x (1 - t) +
    // second x t with t = row / (height - 1); the first colour for a
    // single row.
    static COLORREF GradientColour(COLORREF first, COLORREF second, int row, int height);
    void RebuildBackground();
    // The shown area painted into a width x height area of dc.
    void Paint(CDC& dc, int width, int height);
    // The outline of the grid turned by `turns` quarters, step by step.
    void AnimateTurn(int turns, int stepWait);
    // The corners of the outline at fraction t of a turn from `from` to
    // `to` (both relative to their centre); each corner runs on the
    // ellipse through its two ends, the other way round from the turn.
    static std::array<POINT, 4> TurnOutline(const std::array<POINT, 4>& from,
                                            const std::array<POINT, 4>& to, int turns, double t);
    // Where a child goes when the frame changes from old to new size: a
    // child on the right (bottom) edge stays there; others only move in as
    // far as needed; never to negative positions.
    static CRect DockChild(const CRect& child, CSize oldSize, CSize newSize);
    // The scroll bars for the picture's size and the client's.
    void UpdateScrollBars();
    // The shown area or direction changed: the draw order and the bars
    // follow.
    void ViewChanged();

    CMapDirectWnd& GetDial() { return m_dial; }
    CMapNameWnd& GetNameStrip() { return m_name; }
    int GetScrollX() const { return m_scrollX; }
    int GetScrollY() const { return m_scrollY; }

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnHScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;

private:
    // The grid's four corners at height 0 in a direction, screen pixels.
    std::array<POINT, 4> GridCorners(int direction) const;
    void BuildBackground(int width, int height);
    void DrawOutline(CDC& dc, const std::array<POINT, 4>& corners, CPoint centre);
    void Scroll(int bar, UINT code, UINT pos);

    CArboDoc* m_doc;
    CArboView* m_view;
    CMapDirectWnd m_dial;
    CMapNameWnd m_name;
    CBitmap m_background;
    CSize m_backgroundSize;
    CSize m_oldClient{-1, -1};
    CMapDrawOrder m_order;
    int m_orderArea = -2;
    int m_orderDirection = -1;
    CMapPictureCache m_pictures;
    double m_picturesZoom = 0.0;
    int m_scrollX = 0;
    int m_scrollY = 0;
    bool m_inScrollLayout = false;
};

}  // namespace judge
