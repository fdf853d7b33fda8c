#include "views/InfoWnd.h"

#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"

int CInfoWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    if (!m_pages.CreateEx(WS_EX_CLIENTEDGE, "VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                          CRect(0, 0, 0, 0), this, 0))
        return -1;
    if (!m_log.CreateEx(WS_EX_CLIENTEDGE, "VELMO_3DFaceWindow", nullptr,
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 0, 0), this, 0))
        return -1;
    m_log.ShowScrollBar(SB_VERT, FALSE);
    return 0;
}

void CInfoWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    LayoutPanes(cx, cy);
}

void CInfoWnd::AddMessage(const std::string& text) {
    m_log.AddMessage(text, 1, -1);
}

void CInfoWnd::LayoutPanes(int cx, int cy) {
    if (!m_pages.IsWindow() || !m_log.IsWindow()) return;
    const int pagesHeight = cy * m_splitRatio / 1000;
    m_pages.SetWindowPos(nullptr, 0, 0, cx, pagesHeight, SWP_NOZORDER);
    m_log.SetWindowPos(nullptr, 0, pagesHeight, cx, cy - pagesHeight, SWP_NOZORDER);
}
