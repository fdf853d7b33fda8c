#include "judge/MapNameWnd.h"

#include <algorithm>

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/ArboView.h"
#include "model/DrawingHelpers.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

namespace {

constexpr int kMargin = 10;

}  // namespace

bool CMapNameWnd::CreateStrip(CWnd* parent, UINT id) {
    return CreateEx(0, CArboApp::kFaceClass, "",
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_THICKFRAME, CRect(0, 0, 0, 0),
                    parent, id) != FALSE;
}

CSize CMapNameWnd::ComputeDefaultSize() {
    CArboApp* app = CArboApp::Get();
    CSize widest(0, 0);
    CDC dc;
    if (app && m_doc && dc.CreateCompatibleDC(nullptr)) {
        CFont* old = dc.SelectObject(app->GetFont(2));
        for (int a = 0; a < m_doc->GetMap().GetAreaCount(); ++a) {
            const CSize size = dc.GetTextExtent(m_doc->GetAreaName(a));
            widest.cx = std::max(widest.cx, size.cx);
            widest.cy = std::max(widest.cy, size.cy);
        }
        dc.SelectObject(old);
    }
    CSize size(widest.cx + 2 * GetSystemMetrics(SM_CXEDGE) + kMargin,
               widest.cy + 2 * GetSystemMetrics(SM_CYEDGE) + kMargin);
    if (CWnd* parent = IsWindow() ? GetParent() : nullptr) {
        CRect client;
        parent->GetClientRect(&client);
        size.cx = std::min<int>(size.cx, client.Width());
        size.cy = std::min<int>(size.cy, client.Height());
    }
    m_defaultSize = size;
    RestoreDefaultSize();
    return size;
}

void CMapNameWnd::RestoreDefaultSize() {
    CWnd* parent = IsWindow() ? GetParent() : nullptr;
    if (!parent) return;
    CRect client;
    parent->GetClientRect(&client);
    MoveWindow(0, std::max<int>(0, client.Height() - m_defaultSize.cy), m_defaultSize.cx,
               m_defaultSize.cy, TRUE);
}

void CMapNameWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawName(dc, client.Width(), client.Height());
}

void CMapNameWnd::DrawName(CDC& dc, int width, int height) {
    dc.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_BTNFACE));
    CArboApp* app = CArboApp::Get();
    if (!app || !m_doc || !m_view) return;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    CFont* old = dc.SelectObject(app->GetFont(2));
    const std::string name = m_doc->GetAreaName(m_view->GetShownArea());
    DrawTextInRect(dc, name.c_str(), CRect(0, 0, width, height), 1, FALSE, 0, -1);
    dc.SelectObject(old);
}

void CMapNameWnd::OnLButtonDown(UINT flags, CPoint point) {
    (void)flags;
    m_drag.Begin(*this, point);
}

void CMapNameWnd::OnLButtonUp(UINT flags, CPoint point) {
    (void)flags;
    m_drag.End(*this, point);
}

void CMapNameWnd::OnRButtonUp(UINT flags, CPoint point) {
    (void)flags;
    CMapChildDrag::ShowMenu(*this, point);
}

BOOL CMapNameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == CMapChildDrag::kDefaultSizeCommand) {
        RestoreDefaultSize();
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CMapNameWnd::OnGetMinMaxInfo(MINMAXINFO* info) {
    CWnd::OnGetMinMaxInfo(info);
    if (info) info->ptMinTrackSize = {20, 5};
}

}  // namespace judge
