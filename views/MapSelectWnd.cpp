#include "views/MapSelectWnd.h"

#include <algorithm>

#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
constexpr const char* kChildClass = "VELMO_3DFaceWindow";
// Until the logo and month windows measure themselves: their heights.
constexpr int kLogoHeight = 64;
constexpr int kRowHeight = 40;

}  // namespace

int CMapSelectWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    const CRect empty(0, 0, 0, 0);
    if (!m_logo.CreateEx(WS_EX_STATICEDGE, kChildClass, nullptr, kChildStyle, empty, this, 1004) ||
        !m_month.CreateEx(WS_EX_STATICEDGE, kChildClass, nullptr, kChildStyle, empty, this, 1200) ||
        !m_directorLine.CreateEx(WS_EX_STATICEDGE, kChildClass, nullptr, kChildStyle, empty, this,
                                 1201) ||
        !m_buttons.CreateEx(WS_EX_CLIENTEDGE, kChildClass, nullptr, kChildStyle, empty, this, 1002))
        return -1;
    if (m_buttons.CreateButtons() != 1) return -1;
    return 0;
}

void CMapSelectWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (!m_buttons.IsWindow()) return;
    const int logoHeight = std::min(kLogoHeight, cy);
    const int rowHeight = std::min(kRowHeight, cy - logoHeight);
    const int monthWidth = cx / 3;
    m_logo.SetWindowPos(nullptr, 0, 0, cx, logoHeight, SWP_NOZORDER);
    m_month.SetWindowPos(nullptr, 0, logoHeight, monthWidth, rowHeight, SWP_NOZORDER);
    m_directorLine.SetWindowPos(nullptr, monthWidth, logoHeight, cx - monthWidth, rowHeight,
                                SWP_NOZORDER);
    m_buttons.SetWindowPos(nullptr, 0, logoHeight + rowHeight, cx, cy - logoHeight - rowHeight,
                           SWP_NOZORDER);
}

void CMapSelectWnd::ResetButtons() {
    m_buttons.SetFirstVisible(0, TRUE);
    m_buttons.RefreshAll();
}

void CMapSelectWnd::ScrollButtonsToTop() {
    m_buttons.SetFirstVisible(0, TRUE);
}
