#include "platform/ui/detail/MenuTracker.h"

#include <memory>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/detail/MenuPopupWnd.h"
#include "platform/ui/detail/WindowList.h"

namespace {

CWnd* g_active = nullptr;

}  // namespace

CWnd* CMenuTracker::ActivePopup() {
    return CWindowList::IsAlive(g_active) ? g_active : nullptr;
}

CMenuTracker::Result CMenuTracker::Track(CMenu* menu, CPoint screen, CWnd* owner, UINT flags) {
    Result result;
    CWnd* previous = g_active;
    CWnd* oldCapture = CWnd::GetCapture();
    auto popup = std::make_unique<CMenuPopupWnd>(menu, owner, (flags & TPM_RIGHTBUTTON) != 0);
    if (!popup->Open(screen, flags)) return result;
    g_active = popup.get();
    for (;;) {
        CMenuPopupWnd::Action action = popup->TakeAction();
        if (action == CMenuPopupWnd::Action::Choose) {
            const int hot = popup->Hot();
            const CMenu::Item& item = popup->Menu()->Items()[static_cast<size_t>(hot)];
            if (item.flags & (MF_GRAYED | MF_DISABLED)) continue;
            if (item.popup) {
                // A cascade opens in place of its parent.
                CRect r = popup->ItemRect(hot);
                popup->ClientToScreen(&r);
                const CPoint at(r.right, r.top);
                CMenu* sub = item.popup.get();
                popup->DestroyWindow();
                if (owner->IsWindow()) {
                    owner->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), hot);
                }
                popup = std::make_unique<CMenuPopupWnd>(sub, owner, (flags & TPM_RIGHTBUTTON) != 0);
                if (!popup->Open(at, 0)) break;
                g_active = popup.get();
                continue;
            }
            result.command = item.id;
            break;
        }
        if (action == CMenuPopupWnd::Action::Cancel) break;
        if (action == CMenuPopupWnd::Action::Left || action == CMenuPopupWnd::Action::Right) {
            result.move = action == CMenuPopupWnd::Action::Left ? -1 : 1;
            break;
        }
        if (!owner->IsWindow()) break;
        MSG msg;
        if (!CMessageLoop::Get(msg)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        // The keys belong to the menu while it is open.
        if (msg.message == WM_KEYDOWN) {
            popup->Key(static_cast<UINT>(msg.wParam));
            continue;
        }
        if (msg.message == WM_KEYUP || msg.message == WM_CHAR) continue;
        CMessageLoop::Dispatch(msg);
    }
    if (popup->IsWindow()) popup->DestroyWindow();
    if (owner->IsWindow()) owner->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    g_active = previous;
    if (CWindowList::IsAlive(oldCapture) && oldCapture != popup.get())
        oldCapture->SetCapture();
    else
        CWnd::ReleaseCapture();
    return result;
}
