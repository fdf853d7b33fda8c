// The turn driver: the month as a chain of private messages to the frame,
// one phase per message, and the start sequence of a game.

#include "shell/MainFrame.h"

bool CMainFrame::OnChainMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void CMainFrame::EndTurn() {}

bool CMainFrame::IsChainIdle() const {
    return true;
}

void CMainFrame::ShowHomeArea(int) {}
