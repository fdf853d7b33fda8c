#include "judge/EpFrameWnd.h"

#include "judge/ArboApp.h"
#include "judge/ArboView.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

bool CEpFrameWnd::CreatePane(CWnd* parent) {
    m_edge = GetSystemMetrics(SM_CXDLGFRAME);
    return CreateEx(WS_EX_WINDOWEDGE, CArboApp::kFaceClass, "", WS_CHILD | WS_VISIBLE,
                    CRect(0, 0, 0, 0), parent, 0) &&
           m_rows.CreatePane(this);
}

void CEpFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (m_rows.IsWindow()) m_rows.MoveWindow(0, 0, std::max(0, cx - m_edge), cy, TRUE);
}

bool CEpFrameWnd::IsOverEdge(CPoint point) const {
    CRect client;
    GetClientRect(&client);
    return m_view && m_view->GetDisplayMode() != CArboView::kModeNone &&
           point.x >= client.right - m_edge;
}

BOOL CEpFrameWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (m_overEdge || m_dragging) {
        SetCursor(CCursor::LoadStandard(IDC_SIZEWE));
        return TRUE;
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

void CEpFrameWnd::OnLButtonDown(UINT flags, CPoint point) {
    if (!IsOverEdge(point)) {
        CWnd::OnLButtonDown(flags, point);
        return;
    }
    CRect client;
    GetClientRect(&client);
    m_dragging = true;
    m_pressX = point.x;
    m_edgeStartX = client.right - m_edge;
    SetCapture();
}

void CEpFrameWnd::OnMouseMove(UINT flags, CPoint point) {
    m_overEdge = IsOverEdge(point);
    if (m_dragging) ReportDrag(point);
    CWnd::OnMouseMove(flags, point);
}

void CEpFrameWnd::OnLButtonUp(UINT flags, CPoint point) {
    if (m_dragging) {
        ReportDrag(point);
        m_dragging = false;
        ReleaseCapture();
    }
    CWnd::OnLButtonUp(flags, point);
}

void CEpFrameWnd::ReportDrag(CPoint point) {
    if (!m_view) return;
    CRect parent;
    m_view->GetClientRect(&parent);
    m_view->SetLeftWidth(CArboView::DraggedEdge(point.x, m_edgeStartX, m_pressX,
                                                parent.Width(), m_edge));
}

}  // namespace judge
