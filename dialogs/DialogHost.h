#pragma once
// What the game's dialogs ask of the application and the main frame: the
// position that every dialog shares for the run, the active game document,
// the frame's sound effects, its command-input and network flags, its
// network window, and which dialog is open. The application registers
// itself as the host at start-up; tests register a recording fake. Without
// a host a dialog opens where its template puts it and tells nobody.

#include <string>

#include "platform/ui/Point.h"

class CBaseDialog;
class CVDoc;

class IDialogHost {
public:
    virtual ~IDialogHost() = default;

    // The registered host; nullptr while none is.
    static IDialogHost* Get();
    static void Set(IDialogHost* host);

    // The shared dialog position, a screen point; (-1, -1) until the first
    // dialog stored one.
    virtual CPoint GetDialogPos() const = 0;
    virtual void SetDialogPos(CPoint pos) = 0;

    // The document of the running game; nullptr while none.
    virtual CVDoc* GetActiveDocument() = 0;
    // Plays sound effect 0..4 unless one is still playing.
    virtual void PlayEffect(int effect) = 0;
    // 1 while a person gives the orders of a company (its operations phase).
    virtual int IsCommandInputActive() = 0;
    virtual int IsNetworkGame() = 0;
    // The network window's visibility (see CMainFrame::ShowNetworkWindow);
    // nothing outside network play.
    virtual void ShowNetworkWindow(int toggle, int show, int refresh) = 0;

    // The open dialog the frame knows of: the innermost one while dialogs
    // nest; nullptr when none is open.
    virtual CBaseDialog* GetOpenDialog() = 0;
    virtual void SetOpenDialog(CBaseDialog* dialog) = 0;

    // ---- the gathering of a network game (nothing without a frame)
    // A line in the network window's message log.
    virtual void AddNetworkMessage(const std::string& /*text*/) {}
    // Posts one of the frame's private messages (the start 0x572, the game
    // window 0x573).
    virtual void PostFrameMessage(unsigned /*message*/) {}
    // The program ends without asking to save: the game is marked unchanged
    // and the frame is closed.
    virtual void CloseProgramUnasked() {}
    // This machine only watches the network game.
    virtual int IsObserving() { return 0; }
    // The observers the host admitted at the set-up.
    virtual int GetAdmittedObservers() { return 0; }
};
