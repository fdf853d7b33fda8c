#pragma once
// Runs a pop-up menu: shows it, follows the mouse and the keys in a nested
// loop of its own (accelerators and dialog keys are not translated
// meanwhile), and says what was chosen.

#include "platform/ui/Point.h"
#include "platform/ui/WinDefs.h"

class CMenu;
class CWnd;

class CMenuTracker {
public:
    struct Result {
        UINT command = 0;  // 0 = nothing chosen
        int move = 0;      // -1 / +1: the user asked for the neighbouring menu
    };
    // `screen` is the pop-up's top-left corner (TPM_RIGHTALIGN: top-right,
    // TPM_CENTERALIGN: top-centre).
    static Result Track(CMenu* menu, CPoint screen, CWnd* owner, UINT flags);
    // Whether a pop-up is being tracked (the tests drive it through this).
    static CWnd* ActivePopup();
};
