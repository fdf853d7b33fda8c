#pragma once
// Takes every message waiting in the queue as a modal loop would: each
// goes through the windows' PreTranslateMessage first (a dialog's Enter,
// Escape and Tab), then to its window. For scripts that look at a dialog
// between keys, from inside its init hook.

#include "platform/ui/MessageLoop.h"

inline void PumpTranslated() {
    MSG msg;
    // A bound, so that a window that keeps posting cannot hold the test.
    for (int taken = 0; taken < 10000 && CMessageLoop::Peek(msg, nullptr, 0, 0, PM_REMOVE);
         ++taken) {
        if (msg.message == WM_QUIT) {
            CMessageLoop::PostQuit(static_cast<int>(msg.wParam));
            return;
        }
        if (!CMessageLoop::PreTranslate(msg)) CMessageLoop::Dispatch(msg);
    }
}
