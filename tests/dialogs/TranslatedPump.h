#pragma once
// Takes every message waiting in the queue as a modal loop would: each
// goes through the windows' PreTranslateMessage first (a dialog's Enter,
// Escape and Tab), then to its window. For scripts that look at a dialog
// between keys, from inside its init hook.

#include <set>
#include <utility>

#include "platform/ui/MessageLoop.h"

inline void PumpTranslated() {
    MSG msg;
    // Like a drain, each timer fires once: with time running as fast as
    // possible an animation's timer is due again at once and would keep the
    // loop going. The count bounds a window that keeps posting.
    std::set<std::pair<const CWnd*, UINT_PTR>> timersTaken;
    for (int taken = 0; taken < 10000 && CMessageLoop::Peek(msg, nullptr, 0, 0, PM_REMOVE);
         ++taken) {
        if (msg.message == WM_QUIT) {
            CMessageLoop::PostQuit(static_cast<int>(msg.wParam));
            return;
        }
        if (msg.message == WM_TIMER) {
            const bool again = !timersTaken.insert({msg.hwnd, msg.wParam}).second;
            if (again) return;
        }
        if (!CMessageLoop::PreTranslate(msg)) CMessageLoop::Dispatch(msg);
    }
}
