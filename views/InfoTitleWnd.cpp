#include "views/InfoTitleWnd.h"

#include <algorithm>

#include "model/Enterprise.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "views/InfoWnd.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"
#include "views/ViewHost.h"

std::string CInfoTitleWnd::SelectionText(int entry) {
    if (entry == 0) return "Company list";
    const CEnterprise* company = OwnerRow::CompanyAt(entry - 1);
    return company ? company->GetName() : std::string();
}

void CInfoTitleWnd::OnPaint() {
    CPaintDC dc(this);
    CRowPaintScope scope(dc);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_ACTIVECAPTION));
    dc.SetTextColor(GetSysColor(COLOR_CAPTIONTEXT));
    const int cx = OwnerRow::LayoutSize().cx;
    const int split = static_cast<int>(client.Width() * m_owner.GetSplitRatio());
    const CRect company(30 * cx, 0, split, client.bottom);
    if (!company.IsRectEmpty()) {
        const int entry = m_owner.GetPages().GetSelector().GetSelected();
        dc.ExtTextOut(company.left, 0, ETO_CLIPPED, &company, SelectionText(entry));
    }
    const CRect message(split + 2 * cx, 0, client.right, client.bottom);
    dc.ExtTextOut(message.left, 0, ETO_CLIPPED, &message, "Message");
}

BOOL CInfoTitleWnd::OnSetCursor(CWnd*, UINT, UINT) {
    SetCursor(CCursor::LoadStandard(IDC_SIZENS));
    return TRUE;
}

CWnd* CInfoTitleWnd::View() const {
    return m_owner.GetParent();
}

void CInfoTitleWnd::OnLButtonDown(UINT, CPoint point) {
    SetCapture();
    ClientToScreen(&point);
    m_pressed = m_last = point;
    CRect bar;
    GetWindowRect(&bar);
    m_height = bar.Height();
    if (CWnd* view = View()) view->ScreenToClient(&bar);
    m_top = bar.top;
}

void CInfoTitleWnd::OnMouseMove(UINT, CPoint point) {
    if (GetCapture() == this) DragTo(point);
}

void CInfoTitleWnd::OnLButtonUp(UINT, CPoint point) {
    if (GetCapture() != this) return;
    ReleaseCapture();
    DragTo(point);
}

void CInfoTitleWnd::DragTo(CPoint point) {
    ClientToScreen(&point);
    m_last = point;
    CWnd* view = View();
    IViewHost* host = m_owner.GetViewHost();
    if (!view || !host) return;
    CRect client;
    view->GetClientRect(&client);
    const int top = m_top + point.y - m_pressed.y;
    host->DragInfoWindow(std::clamp(top, 0, std::max(client.Height() - m_height, 0)));
}
