#pragma once
// The keyboard and mouse-button state as the window system saw it: whether a
// key is down now and whether it was pressed since the last query. Fed from
// the input events the loop receives, so it follows keys even while nothing
// is dispatched (a wait that only watches for Space or Enter).

#include "platform/ui/WinDefs.h"

class CKeyState {
public:
    // High bit (0x8000): down now. Low bit: pressed since the last
    // GetAsyncKeyState of that key; the query clears it.
    static short GetAsyncKeyState(int vk);
    // High bit: down now; the pressed-since flag is left alone.
    static short GetKeyState(int vk);

    // Fed by the input code (and by tests that play a user).
    static void Press(int vk);
    static void Release(int vk);
    // Follows a modifier seen on an input event without counting a press.
    static void SetDown(int vk, bool down);
    static void Clear();
};

inline short GetAsyncKeyState(int vk) {
    return CKeyState::GetAsyncKeyState(vk);
}
inline short GetKeyState(int vk) {
    return CKeyState::GetKeyState(vk);
}
