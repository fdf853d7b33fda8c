#include "views/InfoDrawFrameWnd.h"

#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"

namespace {
// The selector's share of the width until the pages lay themselves out.
constexpr int kSelectorWidth = 160;
}  // namespace

int CInfoDrawFrameWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    if (!m_selector.CreateEx(WS_EX_CLIENTEDGE, "VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                             CRect(0, 0, 0, 0), this, 0))
        return -1;
    return 0;
}

void CInfoDrawFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (m_selector.IsWindow()) {
        m_selector.SetWindowPos(nullptr, 0, 0, kSelectorWidth < cx ? kSelectorWidth : cx, cy,
                                SWP_NOZORDER);
    }
}

void CInfoDrawFrameWnd::SetCompany(int index) {
    if (index == m_company) return;
    m_company = index;
    m_selector.Select(index + 1, TRUE);
}

void CInfoDrawFrameWnd::ShowCompany(int index, BOOL force) {
    const int old = m_shown;
    if (index >= 0) m_shown = index;
    if (index != old || force) RefreshPages();
}

void CInfoDrawFrameWnd::SelectCompany(int index) {
    ShowCompany(index, TRUE);
    m_selector.Select(index + 1, TRUE);
}

void CInfoDrawFrameWnd::RefreshPages() {
    ++m_refreshCount;
    if (IsWindow()) Invalidate(TRUE);
}
