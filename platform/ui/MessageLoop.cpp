#include "platform/ui/MessageLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <deque>
#include <vector>

#include "platform/core/Clock.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/InputRouter.h"
#include "platform/ui/detail/UiSystem.h"
#include "platform/ui/detail/WindowList.h"
#include "platform/ui/detail/WndImpl.h"

namespace {

struct TimerEntry {
    CWnd* wnd = nullptr;
    UINT_PTR id = 0;
    int64_t period = 0;
    int64_t due = 0;
    uint64_t firedEpoch = 0;
};

struct LoopState {
    std::deque<MSG> queue;
    std::vector<TimerEntry> timers;
    bool quitPending = false;
    int quitCode = 0;
    // Every drain starts a new epoch; timers and paints remember the epoch
    // they last fired in, so a drain can tell what it already produced
    // (including inside drains nested in it).
    uint64_t epoch = 1;
    std::function<bool(long)> onIdle;
    std::function<bool(MSG&)> preTranslate;
};

LoopState& State() {
    static LoopState state;
    return state;
}

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool InRange(UINT message, UINT first, UINT last) {
    if (first == 0 && last == 0) return true;
    return message >= first && message <= last;
}

bool TakePosted(MSG& msg, CWnd* wnd, UINT first, UINT last, bool remove) {
    auto& queue = State().queue;
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if ((wnd && it->hwnd != wnd) || !InRange(it->message, first, last)) continue;
        msg = *it;
        if (remove) queue.erase(it);
        return true;
    }
    return false;
}

bool TakeQuit(MSG& msg, CWnd* wnd, UINT first, UINT last, bool remove) {
    LoopState& s = State();
    if (!s.quitPending || wnd || !InRange(WM_QUIT, first, last)) return false;
    msg = MSG{};
    msg.message = WM_QUIT;
    msg.wParam = static_cast<WPARAM>(s.quitCode);
    if (remove) s.quitPending = false;
    return true;
}

bool NeedsPaint(CWnd* w, uint64_t drainStart) {
    CWnd::Impl& impl = w->PlatformImpl();
    if (impl.invalid.isEmpty() || !w->IsWindowVisible()) return false;
    return drainStart == 0 || impl.paintEpoch < drainStart;
}

bool TakePaint(MSG& msg, CWnd* wnd, UINT first, UINT last, bool remove, uint64_t drainStart) {
    if (!InRange(WM_PAINT, first, last)) return false;
    for (CWnd* w : CWindowList::All()) {
        if ((wnd && w != wnd) || !NeedsPaint(w, drainStart)) continue;
        msg = MSG{};
        msg.hwnd = w;
        msg.message = WM_PAINT;
        if (remove) w->PlatformImpl().paintEpoch = State().epoch;
        return true;
    }
    return false;
}

TimerEntry* DueTimer(CWnd* wnd, uint64_t drainStart) {
    const int64_t now = NowMs();
    TimerEntry* best = nullptr;
    for (TimerEntry& t : State().timers) {
        if ((wnd && t.wnd != wnd) || t.due > now) continue;
        if (drainStart != 0 && t.firedEpoch >= drainStart) continue;
        if (!best || t.due < best->due) best = &t;
    }
    return best;
}

bool TakeTimer(MSG& msg, CWnd* wnd, UINT first, UINT last, bool remove, uint64_t drainStart) {
    if (!InRange(WM_TIMER, first, last)) return false;
    TimerEntry* t = DueTimer(wnd, drainStart);
    if (!t) return false;
    msg = MSG{};
    msg.hwnd = t->wnd;
    msg.message = WM_TIMER;
    msg.wParam = t->id;
    if (remove) {
        // Not accumulated: the next one is a whole period after this one is
        // taken, however late it was.
        t->due = NowMs() + t->period;
        t->firedEpoch = State().epoch;
    }
    return true;
}

bool PeekInternal(MSG& msg, CWnd* wnd, UINT first, UINT last, bool remove, uint64_t drainStart) {
    CMessageLoop::ProcessSystemEvents();
    if (TakePosted(msg, wnd, first, last, remove)) return true;
    if (TakeQuit(msg, wnd, first, last, remove)) return true;
    if (TakePaint(msg, wnd, first, last, remove, drainStart)) return true;
    return TakeTimer(msg, wnd, first, last, remove, drainStart);
}

// Sleeps in the window system until one of its events arrives or `ms`
// passes (-1 = no limit).
void BlockInSystem(int64_t ms) {
    CUiSystem::Ensure();
    static QTimer* wake = [] {
        auto* timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        return timer;
    }();
    if (ms >= 0) wake->start(static_cast<int>(std::min<int64_t>(ms, 1 << 30)));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    wake->stop();
}

int64_t MsUntilNextTimer() {
    int64_t next = -1;
    const int64_t now = NowMs();
    for (const TimerEntry& t : State().timers) {
        int64_t left = std::max<int64_t>(0, t.due - now);
        if (next < 0 || left < next) next = left;
    }
    return next;
}

void SendSetCursor(const MSG& msg) {
    CPoint screen(msg.pt);
    LRESULT hit = msg.hwnd->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    if (!CWindowList::IsAlive(msg.hwnd)) return;
    msg.hwnd->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(msg.hwnd),
                          MAKELPARAM(static_cast<int>(hit), static_cast<int>(msg.message)));
}

}  // namespace

void CMessageLoop::Post(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg;
    msg.hwnd = wnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = CClock::GetTickCount();
    State().queue.push_back(msg);
}

void CMessageLoop::PostPrepared(const MSG& msg) {
    State().queue.push_back(msg);
}

void CMessageLoop::PostQuit(int exitCode) {
    State().quitPending = true;
    State().quitCode = exitCode;
}

bool CMessageLoop::Peek(MSG& msg, CWnd* wnd, UINT first, UINT last, UINT remove) {
    return PeekInternal(msg, wnd, first, last, (remove & PM_REMOVE) != 0, 0);
}

bool CMessageLoop::Get(MSG& msg) {
    while (!PeekInternal(msg, nullptr, 0, 0, true, 0)) BlockInSystem(MsUntilNextTimer());
    return msg.message != WM_QUIT;
}

LRESULT CMessageLoop::Dispatch(const MSG& msg) {
    if (!CWindowList::IsAlive(msg.hwnd)) return 0;
    if (CInputRouter::IsFromInput(msg) && msg.message >= WM_MOUSEFIRST &&
        msg.message <= WM_MOUSELAST && msg.message != WM_MOUSEWHEEL) {
        SendSetCursor(msg);
        if (!CWindowList::IsAlive(msg.hwnd)) return 0;
    }
    LRESULT result = msg.hwnd->WindowProc(msg.message, msg.wParam, msg.lParam);
    // A paint handler that did not validate would be asked again forever.
    if (msg.message == WM_PAINT && CWindowList::IsAlive(msg.hwnd)) msg.hwnd->ValidateRect(nullptr);
    return result;
}

bool CMessageLoop::PreTranslate(MSG& msg) {
    for (CWnd* w = msg.hwnd; w && CWindowList::IsAlive(w); w = w->GetParent()) {
        if (w->PreTranslateMessage(&msg)) return true;
    }
    return State().preTranslate && State().preTranslate(msg);
}

void CMessageLoop::PumpPending() {
    LoopState& s = State();
    const uint64_t start = ++s.epoch;
    MSG msg;
    while (PeekInternal(msg, nullptr, 0, 0, true, start)) {
        if (msg.message == WM_QUIT) {
            PostQuit(static_cast<int>(msg.wParam));
            break;
        }
        Dispatch(msg);
    }
    // Later peeks belong to whatever runs after the drain.
    ++s.epoch;
}

bool CMessageLoop::WaitForMessage(int64_t timeoutMs) {
    const int64_t deadline = NowMs() + std::max<int64_t>(0, timeoutMs);
    for (;;) {
        if (HasPending()) return true;
        const int64_t left = deadline - NowMs();
        if (left <= 0) return false;
        const int64_t timer = MsUntilNextTimer();
        BlockInSystem(timer < 0 ? left : std::min(left, timer));
    }
}

bool CMessageLoop::WaitDispatching(int64_t timeoutMs, const std::function<bool()>& done) {
    const int64_t deadline = NowMs() + std::max<int64_t>(0, timeoutMs);
    for (bool first = true;; first = false) {
        if (done && done()) return true;
        const int64_t left = deadline - NowMs();
        if (left <= 0 && !first) return false;
        MSG msg;
        if (PeekInternal(msg, nullptr, 0, 0, true, 0)) {
            if (msg.message == WM_QUIT) {
                PostQuit(static_cast<int>(msg.wParam));
                return done && done();
            }
            Dispatch(msg);
        } else if (left > 0) {
            WaitForMessage(left);
        }
    }
}

int CMessageLoop::Run() {
    LoopState& s = State();
    long idleCount = 0;
    bool idle = true;
    for (;;) {
        while (idle && !HasPending()) {
            if (!s.onIdle || !s.onIdle(idleCount++)) idle = false;
        }
        MSG msg;
        if (!Get(msg)) return static_cast<int>(msg.wParam);
        if (!PreTranslate(msg)) Dispatch(msg);
        if (msg.message != WM_PAINT) {
            idle = true;
            idleCount = 0;
        }
    }
}

void CMessageLoop::SetIdleHandler(std::function<bool(long)> onIdle) {
    State().onIdle = std::move(onIdle);
}

void CMessageLoop::SetPreTranslateHandler(std::function<bool(MSG&)> hook) {
    State().preTranslate = std::move(hook);
}

bool CMessageLoop::RunNested(const std::function<bool()>& ended) {
    while (!ended()) {
        MSG msg;
        if (!Get(msg)) {
            PostQuit(static_cast<int>(msg.wParam));
            return false;
        }
        if (!PreTranslate(msg)) Dispatch(msg);
    }
    return true;
}

void CMessageLoop::RemoveMessages(CWnd* wnd, UINT first, UINT last) {
    auto& queue = State().queue;
    queue.erase(std::remove_if(
                    queue.begin(), queue.end(),
                    [&](const MSG& m) { return m.hwnd == wnd && InRange(m.message, first, last); }),
                queue.end());
}

bool CMessageLoop::HasPending() {
    MSG msg;
    return PeekInternal(msg, nullptr, 0, 0, false, 0);
}

void CMessageLoop::ProcessSystemEvents() {
    if (!QCoreApplication::instance()) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CMessageLoop::Reset() {
    LoopState& s = State();
    s.queue.clear();
    s.timers.clear();
    s.quitPending = false;
    s.quitCode = 0;
}

void CMessageLoop::SetTimer(CWnd* wnd, UINT_PTR id, int64_t realPeriodMs) {
    const int64_t due = NowMs() + realPeriodMs;
    for (TimerEntry& t : State().timers) {
        if (t.wnd == wnd && t.id == id) {
            t.period = realPeriodMs;
            t.due = due;
            return;
        }
    }
    // A timer made during a drain counts as fired in it: one that a handler
    // kills and sets again on every tick would otherwise keep a drain going
    // for ever when time runs as fast as possible.
    State().timers.push_back(TimerEntry{wnd, id, realPeriodMs, due, State().epoch});
}

bool CMessageLoop::KillTimer(CWnd* wnd, UINT_PTR id) {
    auto& timers = State().timers;
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const TimerEntry& t) { return t.wnd == wnd && t.id == id; });
    if (it == timers.end()) return false;
    timers.erase(it);
    return true;
}

void CMessageLoop::ForgetWindow(CWnd* wnd) {
    RemoveMessages(wnd, 0, 0);
    auto& timers = State().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [&](const TimerEntry& t) { return t.wnd == wnd; }),
                 timers.end());
}

void CMessageLoop::ReplaceWindow(CWnd* from, CWnd* to) {
    for (MSG& m : State().queue) {
        if (m.hwnd == from) m.hwnd = to;
    }
    for (TimerEntry& t : State().timers) {
        if (t.wnd == from) t.wnd = to;
    }
}
