#pragma once
// The one message loop of the user-interface thread.
//
// Order in which messages are taken: posted messages (and input, which is
// posted as it arrives) first-in first-out; then a pending quit; then
// WM_PAINT for a window that has an invalid part; then WM_TIMER for a timer
// that is due (the earliest first). See README.md beside this file for what
// a drain, a wait and a modal loop guarantee.

#include <cstdint>
#include <functional>

#include "platform/ui/Messages.h"

class CMessageLoop {
public:
    // Queues a message for a window (nullptr only for thread messages).
    static void Post(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Queues a message as given (time, position and origin marks kept).
    static void PostPrepared(const MSG& msg);
    static void PostQuit(int exitCode);

    // Takes the next message without waiting. With a window or a message
    // range (first..last, both 0 = all) only matching messages are looked at.
    static bool Peek(MSG& msg, CWnd* wnd, UINT first, UINT last, UINT remove);
    // Waits for the next message; false when it is WM_QUIT.
    static bool Get(MSG& msg);
    static LRESULT Dispatch(const MSG& msg);
    // Gives the message to PreTranslateMessage of its window and its parents,
    // then to the application's hook; true when one of them handled it.
    static bool PreTranslate(MSG& msg);

    // The drain: dispatches every pending message, also those posted while
    // it runs, and returns when none is left. Each timer fires at most once
    // and each window is painted at most once per drain, so it always ends
    // unless handlers keep posting. A quit met on the way is left queued.
    static void PumpPending();
    // Blocks (without dispatching) until a message can be taken or the real
    // time-out in milliseconds has passed; true when one is there.
    static bool WaitForMessage(int64_t timeoutMs);
    // Dispatches messages as they come until `done` answers true or the real
    // time-out in milliseconds has passed; returns done's last answer. Used
    // by timed waits: it sleeps on the loop rather than spinning.
    static bool WaitDispatching(int64_t timeoutMs, const std::function<bool()>& done);

    // The main loop: dispatches until WM_QUIT and returns its exit code.
    // While the queue is empty the idle hook is called with a growing count
    // until it returns false; the count starts at 0 again after a message.
    static int Run();
    static void SetIdleHandler(std::function<bool(long)> onIdle);
    static void SetPreTranslateHandler(std::function<bool(MSG&)> hook);

    // Runs a nested loop until `ended` answers true; false when a quit came
    // first (the quit is left queued for the outer loop).
    static bool RunNested(const std::function<bool()>& ended);

    // Drops queued posted messages of one window in a message range.
    static void RemoveMessages(CWnd* wnd, UINT first, UINT last);
    // Whether a message (other than a timer not yet due) could be taken now.
    static bool HasPending();
    // Lets the window system deliver its input and expose events into the
    // queue without dispatching anything.
    static void ProcessSystemEvents();
    // Forgets everything queued (tests start from a clean loop).
    static void Reset();

    // For the window code: timers and forgetting a destroyed window.
    static void SetTimer(CWnd* wnd, UINT_PTR id, int64_t realPeriodMs);
    static bool KillTimer(CWnd* wnd, UINT_PTR id);
    static void ForgetWindow(CWnd* wnd);
    // Queued messages and timers follow a window to the object that took it
    // over.
    static void ReplaceWindow(CWnd* from, CWnd* to);
};

// The usual spellings of the loop calls.
inline void PostQuitMessage(int exitCode) {
    CMessageLoop::PostQuit(exitCode);
}
inline BOOL PeekMessage(MSG* msg, CWnd* wnd, UINT first, UINT last, UINT remove) {
    return msg && CMessageLoop::Peek(*msg, wnd, first, last, remove) ? TRUE : FALSE;
}
inline BOOL GetMessage(MSG* msg) {
    return msg && CMessageLoop::Get(*msg) ? TRUE : FALSE;
}
// Character messages are produced when the key arrives, so translation has
// nothing left to do.
inline BOOL TranslateMessage(const MSG*) {
    return FALSE;
}
inline LRESULT DispatchMessage(const MSG* msg) {
    return msg ? CMessageLoop::Dispatch(*msg) : 0;
}
inline void PumpPendingMessages() {
    CMessageLoop::PumpPending();
}
