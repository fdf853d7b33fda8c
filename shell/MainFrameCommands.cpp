// The menu commands, tool-bar buttons and accelerators of the main frame,
// and the rules that enable them.

#include "shell/MainFrame.h"

bool CMainFrame::OnMenuCommand(UINT) {
    return false;
}

bool CMainFrame::OnUpdateMenuCommand(CCmdUI*) {
    return false;
}
