#pragma once
// Every live window, in creation order, and the stacking order of the
// top-level ones (front first). Destroyed windows leave it at once, so a
// pointer can be checked before it is used after a handler ran.

#include <vector>

class CWnd;

class CWindowList {
public:
    static void Add(CWnd* wnd);
    static void Remove(CWnd* wnd);
    static bool IsAlive(const CWnd* wnd);
    static const std::vector<CWnd*>& All();
    static const std::vector<CWnd*>& TopLevelsFrontFirst();
    static void BringToFront(CWnd* topLevel);
    // Another object takes over a live window (subclassing).
    static void Replace(CWnd* from, CWnd* to);
};
