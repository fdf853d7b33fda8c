#include "platform/ui/detail/WindowList.h"

#include <algorithm>

#include "platform/ui/Wnd.h"

namespace {

std::vector<CWnd*>& Live() {
    static std::vector<CWnd*> windows;
    return windows;
}

std::vector<CWnd*>& Stack() {
    static std::vector<CWnd*> windows;
    return windows;
}

void Erase(std::vector<CWnd*>& list, const CWnd* wnd) {
    list.erase(std::remove(list.begin(), list.end(), wnd), list.end());
}

}  // namespace

void CWindowList::Add(CWnd* wnd) {
    Live().push_back(wnd);
    if (!(wnd->GetStyle() & WS_CHILD)) Stack().insert(Stack().begin(), wnd);
}

void CWindowList::Remove(CWnd* wnd) {
    Erase(Live(), wnd);
    Erase(Stack(), wnd);
}

bool CWindowList::IsAlive(const CWnd* wnd) {
    return wnd && std::find(Live().begin(), Live().end(), wnd) != Live().end();
}

const std::vector<CWnd*>& CWindowList::All() {
    return Live();
}

const std::vector<CWnd*>& CWindowList::TopLevelsFrontFirst() {
    return Stack();
}

void CWindowList::BringToFront(CWnd* topLevel) {
    auto& stack = Stack();
    auto it = std::find(stack.begin(), stack.end(), topLevel);
    if (it == stack.end()) return;
    stack.erase(it);
    stack.insert(stack.begin(), topLevel);
}

void CWindowList::Replace(CWnd* from, CWnd* to) {
    std::replace(Live().begin(), Live().end(), from, to);
    std::replace(Stack().begin(), Stack().end(), from, to);
}
