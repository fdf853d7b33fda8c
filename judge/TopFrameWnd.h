#pragma once
// The top frame of the judgment screen: the animated logo on the left, the
// announcement's text pane beside it, and along the bottom an edge strip the
// user drags to change the frame's height.

#include "judge/DrawJudgeTextWnd.h"
#include "judge/LogoMarkWnd.h"
#include "platform/ui/Wnd.h"

namespace judge {

class CArboView;

class CTopFrameWnd : public CWnd {
public:
    static constexpr UINT kLogoId = 1000;
    static constexpr UINT kTextId = 1001;
    static constexpr UINT kLogoIntervalMs = 500;

    explicit CTopFrameWnd(CArboView* view) : m_view(view) {}

    // The frame, the logo and the text pane; false when one cannot be made.
    bool CreatePane(CWnd* parent);
    CLogoMarkWnd& GetLogo() { return m_logo; }
    CDrawJudgeTextWnd& GetTextPane() { return m_text; }
    int GetEdgeHeight() const { return m_edge; }
    // Draws the frames around the children and the edge's highlight line.
    void DrawFrames(CDC& dc);

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    bool IsOverEdge(CPoint point) const;
    void ReportDrag(CPoint point);

    CArboView* m_view;
    CLogoMarkWnd m_logo;
    CDrawJudgeTextWnd m_text;
    int m_edge = 0;
    bool m_overEdge = false;
    bool m_dragging = false;
    int m_pressY = 0;
    int m_edgeStartY = 0;
};

}  // namespace judge
