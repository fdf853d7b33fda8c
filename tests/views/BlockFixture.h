#pragma once
// A parent window that records the private messages its children post,
// with the building blocks' host (the program folder's palette, strips and
// fonts) registered.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "fakes/FakeBlockHost.h"
#include "platform/core/Clock.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/WndClassRegistry.h"

class CRecordingParent : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER) posted.emplace_back(message, wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<std::pair<UINT, WPARAM>> posted;
};

class BlocksTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        CWndClassRegistry::Register({"VELM_NormalWindow", 0, nullptr, COLOR_WINDOW + 1});
        CWndClassRegistry::Register({"VELMO_3DFaceWindow", 0, nullptr, COLOR_3DFACE + 1});
        ASSERT_TRUE(host.loaded) << "the program folder's palette, strips and fonts";
        ASSERT_TRUE(parent.CreateEx(0, "VELM_NormalWindow", "blocks", WS_POPUP | WS_VISIBLE,
                                    CRect(0, 0, 900, 700), nullptr, 0));
    }
    void TearDown() override {
        if (parent.IsWindow()) parent.DestroyWindow();
        CMessageLoop::Reset();
    }
    // Creates a child window of the face class at rect.
    void CreateChild(CWnd& child, const CRect& rect, DWORD style = 0, UINT id = 100) {
        ASSERT_TRUE(child.CreateEx(0, "VELMO_3DFaceWindow", "",
                                   WS_CHILD | WS_VISIBLE | style, rect, &parent, id));
    }
    // The messages posted since the last call.
    std::vector<std::pair<UINT, WPARAM>> TakePosted() {
        CMessageLoop::PumpPending();
        return std::exchange(parent.posted, {});
    }

    CFakeBlockHost host;
    CRecordingParent parent;
};
