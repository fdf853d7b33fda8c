#include "platform/net/SocketWnd.h"

#include "platform/net/AsyncSocket.h"
#include "platform/ui/Rect.h"

namespace {

// A private message of this window only.
constexpr UINT WM_SOCKET_NOTIFY = WM_USER + 1;

}  // namespace

CSocketWnd& CSocketWnd::Instance() {
    // Lives as long as the program: notifications may be queued until the
    // very end.
    static CSocketWnd* wnd = new CSocketWnd;
    if (!wnd->IsWindow()) wnd->Create(nullptr, "sockets", 0, CRect(0, 0, 0, 0), nullptr, 0);
    return *wnd;
}

void CSocketWnd::Post(uint64_t serial, int kind) {
    Instance().PostMessage(WM_SOCKET_NOTIFY, static_cast<WPARAM>(serial), kind);
}

LRESULT CSocketWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SOCKET_NOTIFY) return CWnd::WindowProc(message, wParam, lParam);
    CAsyncSocket::DeliverNotification(static_cast<uint64_t>(wParam), static_cast<int>(lParam));
    return 0;
}
