// The frame's side of a network game's month: the operations phase under
// the time limit, the execution of received orders and the player table.

#include "shell/MainFrame.h"

bool CMainFrame::OnNetPhaseMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void CMainFrame::BeginNetworkOperations() {}

void CMainFrame::ExecuteCmdSet(int) {}
