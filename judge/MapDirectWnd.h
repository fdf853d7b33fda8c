#pragma once
// The direction dial on the judgment's map: four arrows, one per view
// direction, and a centre that turns the view by a quarter. The arrow of
// the current direction is red; the others black, or grey where the map
// lacks pictures for that direction. The dial can be dragged within the
// map and given back its default size from its menu.

#include <array>

#include "judge/MapChildDrag.h"
#include "platform/ui/Wnd.h"

class CDC;

namespace judge {

class CArboDoc;
class CArboView;

class CMapDirectWnd : public CWnd {
public:
    static constexpr int kCentre = 4;
    static constexpr int kDefaultSize = 70;
    using STriangle = std::array<POINT, 3>;

    CMapDirectWnd(CArboDoc* doc, CArboView* view) : m_doc(doc), m_view(view) {}
    bool CreateDial(CWnd* parent, UINT id);

    // The triangle of target 0..3 (the arrows) or 4 (the centre) for the
    // current direction, in a client of the given size, with the map's two
    // projection angles.
    static STriangle Target(int target, int direction, double angle0, double angle1, CSize client);
    // The first target whose triangle holds the point, or -1.
    static int HitTestAt(CPoint point, int direction, double angle0, double angle1, CSize client);
    int HitTest(CPoint point) const;
    // The direction a release on the target chooses.
    static int ChosenDirection(int target, int direction);
    void DrawDial(CDC& dc, int width, int height);
    void RestoreDefaultSize();

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    int Direction() const;
    void Angles(double& angle0, double& angle1) const;
    void DrawArrows(CDC& dc, CSize client);

    CArboDoc* m_doc;
    CArboView* m_view;
    int m_pressed = -1;
    int m_hovered = -1;
    CMapChildDrag m_drag;
};

}  // namespace judge
