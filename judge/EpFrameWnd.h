#pragma once
// The company pane: the scrolling rows and, at the right, an edge strip the
// user drags to resize the pane (while the view shows a lower-right pane).

#include "judge/EpDrawFrameWnd.h"
#include "platform/ui/Wnd.h"

namespace judge {

class CArboDoc;
class CArboView;

class CEpFrameWnd : public CWnd {
public:
    CEpFrameWnd(CArboDoc* doc, CArboView* view) : m_rows(doc), m_view(view) {}

    // The pane and its rows; false when a window cannot be made.
    bool CreatePane(CWnd* parent);
    CEpDrawFrameWnd& GetRows() { return m_rows; }
    // The width of the edge strip.
    int GetEdgeWidth() const { return m_edge; }

protected:
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    bool IsOverEdge(CPoint point) const;
    void ReportDrag(CPoint point);

    CEpDrawFrameWnd m_rows;
    CArboView* m_view;
    int m_edge = 0;
    bool m_overEdge = false;
    bool m_dragging = false;
    int m_pressX = 0;
    int m_edgeStartX = 0;
};

}  // namespace judge
