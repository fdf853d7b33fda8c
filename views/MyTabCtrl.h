#pragma once
// The area tab strip: a change of tab runs its owner's refresh, and Tab
// (Shift+Tab) moves the focus to the window the owner names after
// (before) the strip. The owner sets the callbacks when it creates it.

#include <functional>

#include "platform/ui/TabCtrl.h"

class CMyTabCtrl : public CTabCtrl {
public:
    struct SOwner {
        // Runs when the user chose another tab.
        std::function<void()> refreshAll;
        // The windows Tab and Shift+Tab move the focus to.
        std::function<CWnd*()> nextFocus;
        std::function<CWnd*()> previousFocus;
    };
    void SetOwner(SOwner owner) { m_owner = std::move(owner); }

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void MoveFocus(bool backwards);

    SOwner m_owner;
};
