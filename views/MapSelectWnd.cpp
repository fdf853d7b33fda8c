#include "views/MapSelectWnd.h"

#include <algorithm>

#include "model/AppFonts.h"
#include "model/PictureCatalog.h"
#include "model/PictureStrips.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/OwnerRow.h"
#include "views/ViewHost.h"

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
constexpr const char* kChildClass = "VELMO_3DFaceWindow";
// The small-mark strip's cells, of which the month window keeps one's width.
constexpr int kSmallMarkCells = 15;

CSize CellOf(int id) {
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    return strips ? strips->GetCellSize(id) : CSize(0, 0);
}

// The width of the splitter zone at the left edge.
int SplitterWidth() {
    return GetSystemMetrics(SM_CXDLGFRAME);
}

}  // namespace

void CMapSelectWnd::SetViewHost(IViewHost* view) {
    m_view = view;
    m_buttons.SetViewHost(view);
}

int CMapSelectWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    const CRect empty(0, 0, 0, 0);
    if (!m_logo.CreateEx(WS_EX_STATICEDGE, kChildClass, nullptr, kChildStyle, empty, this, kLogoId) ||
        !m_month.CreateEx(WS_EX_STATICEDGE, kChildClass, nullptr, kChildStyle, empty, this,
                          kMonthId) ||
        !m_directorLine.CreateEx(WS_EX_STATICEDGE, kChildClass, nullptr, kChildStyle, empty, this,
                                 kCompanyId) ||
        !m_buttons.CreateEx(WS_EX_CLIENTEDGE, kChildClass, nullptr, kChildStyle, empty, this,
                            kButtonFrameId))
        return -1;
    if (m_buttons.CreateButtons() != 1) return -1;
    return 0;
}

void CMapSelectWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (!m_buttons.IsWindow()) return;
    const int m = SplitterWidth();
    const CSize cell = OwnerRow::LayoutSize();
    const int iconH = OwnerRow::MarkCell().cy;
    const int logoH = CellOf(CPictureCatalog::kLogo).cy;
    const int charW = OwnerRow::CharSize().cx;
    const int stripW = CellOf(CPictureCatalog::kSmallMarks).cx * kSmallMarkCells;
    const int width = std::max(cx - m, 0);
    m_logo.SetWindowPos(nullptr, m, 0, width, logoH, SWP_NOZORDER);
    m_logo.Invalidate(TRUE);
    const int rowH = std::max(cell.cy, iconH) + 2 * cell.cy;
    const int monthW = 20 * charW + stripW / kSmallMarkCells;
    m_month.SetWindowPos(nullptr, m, logoH, monthW, rowH, SWP_NOZORDER);
    m_directorLine.SetWindowPos(nullptr, m + monthW, logoH, std::max(0, cx - m - monthW), rowH,
                                SWP_NOZORDER);
    m_buttons.SetWindowPos(nullptr, m, logoH + rowH, width, std::max(cy - (logoH + rowH), 0),
                           SWP_NOZORDER);
}

void CMapSelectWnd::ResetButtons() {
    m_buttons.SetFirstVisible(0, TRUE);
    CRect client;
    m_buttons.GetClientRect(&client);
    m_buttons.Layout(client.Width(), client.Height());
    m_buttons.RefreshAll();
}

void CMapSelectWnd::ScrollButtonsToTop() {
    m_buttons.SetFirstVisible(0, TRUE);
}

void CMapSelectWnd::RepaintMonth() {
    if (m_month.IsWindow()) m_month.Invalidate(TRUE);
}

// ---------------------------------------------------------------- splitter

void CMapSelectWnd::OnLButtonDown(UINT flags, CPoint point) {
    if (point.x < SplitterWidth()) {
        SetCapture();
        m_dragStart = point;
        CRect client;
        GetClientRect(&client);
        m_dragLeft = client.left;
    }
    CWnd::OnLButtonDown(flags, point);
}

void CMapSelectWnd::OnMouseMove(UINT flags, CPoint point) {
    if (GetCapture() == this) DragTo(point);
    CWnd::OnMouseMove(flags, point);
}

void CMapSelectWnd::OnLButtonUp(UINT flags, CPoint point) {
    if (GetCapture() == this) {
        DragTo(point);
        ReleaseCapture();
    }
    CWnd::OnLButtonUp(flags, point);
}

// The pane follows the pointer: its left edge moves with it, so the next
// point is again measured from where the drag began.
void CMapSelectWnd::DragTo(CPoint point) {
    if (m_view) m_view->SetSelectPaneWidth(point.x - m_dragStart.x);
}

BOOL CMapSelectWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    POINT point{0, 0};
    GetCursorPos(&point);
    ScreenToClient(&point);
    if (wnd == this && point.x < SplitterWidth()) {
        SetCursor(CCursor::LoadStandard(IDC_SIZEWE));
        return TRUE;
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}
