#include "platform/ui/MainWindow.h"

#include "platform/ui/detail/WindowList.h"

namespace {

CWnd*& Main() {
    static CWnd* wnd = nullptr;
    return wnd;
}

}  // namespace

void CMainWindow::Set(CWnd* wnd) {
    Main() = wnd;
}

CWnd* CMainWindow::Get() {
    return CWindowList::IsAlive(Main()) ? Main() : nullptr;
}
