#pragma once
// Helpers shared by the window-layer tests: a window that records what it
// receives, and a clean loop for every test.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/core/Clock.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Wnd.h"

// Logs every message id (and timer id as WM_TIMER entries) it handles; a
// test can hook any message.
class CRecorderWnd : public CWnd {
public:
    struct Entry {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Entry> log;
    std::map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> hooks;
    bool refuseClose = false;
    bool nc_destroyed = false;

    std::vector<UINT> Messages(UINT first = WM_USER, UINT last = 0xFFFF) const {
        std::vector<UINT> out;
        for (const Entry& e : log) {
            if (e.message >= first && e.message <= last) out.push_back(e.message);
        }
        return out;
    }
    int Count(UINT message) const {
        int n = 0;
        for (const Entry& e : log) n += e.message == message ? 1 : 0;
        return n;
    }
    std::vector<WPARAM> Timers() const {
        std::vector<WPARAM> out;
        for (const Entry& e : log) {
            if (e.message == WM_TIMER) out.push_back(e.wParam);
        }
        return out;
    }
    BOOL CreatePopup(const CRect& rect = CRect(0, 0, 120, 80), CWnd* owner = nullptr,
                     DWORD style = WS_POPUP | WS_VISIBLE) {
        return CreateEx(0, nullptr, "recorder", style, rect, owner, 0);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        log.push_back({message, wParam, lParam});
        auto it = hooks.find(message);
        if (it != hooks.end()) return it->second(wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void OnClose() override {
        if (!refuseClose) CWnd::OnClose();
    }
    void PostNcDestroy() override { nc_destroyed = true; }
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMessageLoop::Reset();
        CKeyState::Clear();
        CClock::SetTimeScale(0);
    }
    void TearDown() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
    }
};
