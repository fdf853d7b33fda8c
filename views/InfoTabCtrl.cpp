#include "views/InfoTabCtrl.h"

#include "platform/ui/KeyState.h"
#include "views/AreaFocus.h"
#include "views/InfoDrawFrameWnd.h"

BOOL CInfoTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* head = reinterpret_cast<const NMHDR*>(lParam);
    if (message != WM_NOTIFY || !head || head->code != TCN_KEYDOWN)
        return CTabCtrl::OnChildNotify(message, wParam, lParam, result);
    const auto* key = reinterpret_cast<const NMTCKEYDOWN*>(lParam);
    if (key->wVKey == VK_TAB) {
        if (GetKeyState(VK_SHIFT) < 0) {
            m_frame.GetSelector().FocusSelected();
        } else {
            AreaFocus::FocusAreaTabs(*this);
        }
    }
    if (result) *result = 0;
    return TRUE;
}
