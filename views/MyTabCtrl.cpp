#include "views/MyTabCtrl.h"

#include "platform/ui/KeyState.h"

void CMyTabCtrl::MoveFocus(bool backwards) {
    const auto& target = backwards ? m_owner.previousFocus : m_owner.nextFocus;
    CWnd* window = target ? target() : nullptr;
    if (window && window->IsWindow()) window->SetFocus();
}

BOOL CMyTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* head = reinterpret_cast<const NMHDR*>(lParam);
    if (message != WM_NOTIFY || !head) return CTabCtrl::OnChildNotify(message, wParam, lParam, result);
    if (head->code == TCN_KEYDOWN) {
        const auto* key = reinterpret_cast<const NMTCKEYDOWN*>(lParam);
        if (key->wVKey == VK_TAB) MoveFocus(GetKeyState(VK_SHIFT) < 0);
        if (result) *result = 0;
        return TRUE;
    }
    if (head->code == TCN_SELCHANGE) {
        if (m_owner.refreshAll) m_owner.refreshAll();
        if (result) *result = 0;
        return TRUE;
    }
    return CTabCtrl::OnChildNotify(message, wParam, lParam, result);
}
