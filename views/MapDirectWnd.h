#pragma once
// The direction dial: the small window that floats over the map window and
// shows the view direction as a compass. Four arrows, one per direction,
// turn with the current direction and the map's screen axes, so that the
// current direction's arrow always sits below the centre, in red; a
// direction whose pictures are incomplete has a dark grey arrow. Clicking
// an arrow turns the map to its direction, clicking the centre turns it a
// quarter further; a press anywhere else drags the dial about.

#include <array>

#include "views/MapFloatWnd.h"

class CDC;
class CVDoc;

class CMapDirectWnd : public CMapFloatWnd {
public:
    static constexpr int kCentre = 4;
    static constexpr int kMinSize = 10;
    using STriangle = std::array<CPoint, 3>;

    // What the dial shows: the view direction, the map's two axis angles
    // (even and odd directions), which directions may be chosen, and the
    // pressed region still under the mouse (-1 none).
    struct SLook {
        int direction = 2;
        std::array<double, 2> angles{0.0, 0.0};
        std::array<int, 4> enabled{1, 1, 1, 1};
        int hot = -1;
    };

    CMapDirectWnd() : CMapFloatWnd(kMinSize, kMinSize) {}

    // The document whose direction the dial shows; until one is attached
    // the map window's document.
    void AttachFrameDocument(CVDoc* doc) { m_doc = doc; }
    // The region under a client point: an arrow 0..3, the centre 4, or -1.
    int HitTest(CPoint point) const;

    // The triangle of a region in a client area of the given size.
    static STriangle RegionTriangle(int region, const SLook& look, CSize client);
    static int HitTestAt(CPoint point, const SLook& look, CSize client);
    // The whole dial, as the window paints it.
    static void Draw(CDC& dc, CSize client, const SLook& look);
    // What the dial shows now; nullptr doc: nothing to show.
    SLook CurrentLook() const;
    CVDoc* GetDocument() const;

protected:
    void OnPaint() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    LRESULT OnNcHitTest(CPoint screenPoint) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;

private:
    static void DrawFace(CDC& dc, CSize client, const SLook& look);
    static void DrawArrows(CDC& dc, CSize client, const SLook& look);
    // Paints now, not when the queue gets to it: a press shows at once.
    void Repaint();

    CVDoc* m_doc = nullptr;
    int m_hotRegion = -1;
    int m_pressedRegion = -1;
    int m_cursorRegion = -1;
};
