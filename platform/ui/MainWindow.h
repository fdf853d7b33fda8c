#pragma once
// The program's main window: the owner of dialogs and message boxes that
// are opened without a parent. The frame registers itself when it is
// created; a program may set another.

class CWnd;

class CMainWindow {
public:
    static void Set(CWnd* wnd);
    // nullptr when none is set or the window is gone.
    static CWnd* Get();
};

inline CWnd* AfxGetMainWnd() {
    return CMainWindow::Get();
}
