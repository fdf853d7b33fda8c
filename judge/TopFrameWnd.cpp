#include "judge/TopFrameWnd.h"

#include "judge/ArboApp.h"
#include "judge/ArboView.h"
#include "model/DrawingHelpers.h"
#include "model/PictureCatalog.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

bool CTopFrameWnd::CreatePane(CWnd* parent) {
    m_edge = GetSystemMetrics(SM_CYDLGFRAME);
    const CRect none(0, 0, 0, 0);
    if (!CreateEx(WS_EX_WINDOWEDGE, CArboApp::kFaceClass, "",
                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, none, parent, 0) ||
        !m_logo.CreateEx(WS_EX_DLGMODALFRAME, CArboApp::kFaceClass, "", WS_CHILD | WS_VISIBLE,
                         none, this, kLogoId)) {
        return false;
    }
    m_logo.SetInterval(kLogoIntervalMs);
    return m_text.CreatePane(this, kTextId);
}

void CTopFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    CArboApp* app = CArboApp::Get();
    const CSize logo = app ? app->GetCellSize(CPictureCatalog::kLogo) : CSize(0, 0);
    const int f = GetSystemMetrics(SM_CXDLGFRAME);
    const int gap = logo.cy / 10;
    m_logo.MoveWindow(0, 0, logo.cx + 2 * f, std::max(0, cy - m_edge - gap), TRUE);
    const int left = logo.cx + 2 * f + gap;
    const int width = cx - left - gap;
    const int height = cy - m_edge - gap;
    if (width > 0 && height > 0) {
        m_text.MoveWindow(left, 0, width, height, TRUE);
        m_text.ShowWindow(SW_SHOW);
    } else {
        m_text.ShowWindow(SW_HIDE);
    }
}

void CTopFrameWnd::DrawFrames(CDC& dc) {
    for (CWnd* child : {static_cast<CWnd*>(&m_logo), static_cast<CWnd*>(&m_text)}) {
        if (!child->IsWindow() || !child->IsWindowVisible()) continue;
        CRect rect;
        child->GetWindowRect(&rect);
        ScreenToClient(&rect);
        rect.InflateRect(1, 1);
        Draw3DFrame(dc, rect, TRUE);
    }
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(0, client.bottom - m_edge, client.Width(), 1, GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CTopFrameWnd::OnPaint() {
    CPaintDC dc(this);
    DrawFrames(dc);
}

bool CTopFrameWnd::IsOverEdge(CPoint point) const {
    CRect client;
    GetClientRect(&client);
    return point.y >= client.bottom - m_edge;
}

BOOL CTopFrameWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (m_overEdge || m_dragging) {
        SetCursor(CCursor::LoadStandard(IDC_SIZENS));
        return TRUE;
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

void CTopFrameWnd::OnLButtonDown(UINT flags, CPoint point) {
    if (!IsOverEdge(point)) {
        CWnd::OnLButtonDown(flags, point);
        return;
    }
    CRect client;
    GetClientRect(&client);
    m_dragging = true;
    m_pressY = point.y;
    m_edgeStartY = client.bottom - m_edge;
    SetCapture();
}

void CTopFrameWnd::OnMouseMove(UINT flags, CPoint point) {
    m_overEdge = IsOverEdge(point);
    if (m_dragging) ReportDrag(point);
    CWnd::OnMouseMove(flags, point);
}

void CTopFrameWnd::OnLButtonUp(UINT flags, CPoint point) {
    if (m_dragging) {
        ReportDrag(point);
        m_dragging = false;
        ReleaseCapture();
    }
    CWnd::OnLButtonUp(flags, point);
}

void CTopFrameWnd::ReportDrag(CPoint point) {
    if (!m_view) return;
    CRect parent;
    m_view->GetClientRect(&parent);
    m_view->SetTopHeight(CArboView::DraggedEdge(point.y, m_edgeStartY, m_pressY, parent.Height(),
                                                m_edge));
}

}  // namespace judge
