#pragma once
// The main frame of a test without a game: the start of the program is
// held, and the game window opens over the empty document as it opens for a
// loaded game (panes, placement, shown), but no month follows.

#include "game/VDoc.h"
#include "shell/MainFrame.h"

class CHeldStart {
public:
    CHeldStart() {
        CMainFrame::SetChainGate([](UINT message) { return message == CMainFrame::WM_GAME_WINDOW; });
    }
    ~CHeldStart() { CMainFrame::SetChainGate(nullptr); }
    CHeldStart(const CHeldStart&) = delete;
    CHeldStart& operator=(const CHeldStart&) = delete;

    static void OpenWindow(CMainFrame& frame) {
        CVDoc* doc = frame.GetDocument();
        const bool loaded = doc->IsLoadedGame();
        doc->SetLoadedGame(true);
        frame.SendMessage(CMainFrame::WM_GAME_WINDOW, 0, 0);
        doc->SetLoadedGame(loaded);
    }
};
