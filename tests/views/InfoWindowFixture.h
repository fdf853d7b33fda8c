#pragma once
// The information window (or its pages frame alone) in a window of its
// own over a new game, with the building blocks' host naming that game, a
// recording main view for the title bar's drags and a frame service that
// writes the companies' report headings into the window's log, as the main
// frame does.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fakes/FakeBlockHost.h"
#include "fakes/FakeViewHost.h"
#include "game/GameFixture.h"
#include "model/Enterprise.h"
#include "platform/core/Clock.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/WndClassRegistry.h"
#include "views/InfoWnd.h"
#include "views/ViewHost.h"

// The view's fake, keeping where the title bar was dragged to.
class CRecordingViewHost : public CFakeViewHost {
public:
    void DragInfoWindow(int y) override { drags.push_back(y); }

    std::vector<int> drags;
};

// Headings go into the log of the window named, as the main frame writes
// them.
class CHeadingFrameService : public CFakeFrameService {
public:
    void AddInfoHeading(int company) override {
        CFakeFrameService::AddInfoHeading(company);
        const CEnterprise* e = doc ? doc->GetEnterprise(company) : nullptr;
        if (info && e) info->AddMessage(e->GetName());
    }
    CInfoWnd* info = nullptr;
    CVDoc* doc = nullptr;
};

class InfoWindowTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        CWndClassRegistry::Register({"VELM_NormalWindow", 0, nullptr, COLOR_WINDOW + 1});
        CWndClassRegistry::Register({"VELMO_3DFaceWindow", 0, nullptr, COLOR_3DFACE + 1});
        CWndClassRegistry::Register({"VELMO_NoBackWindow", 0, nullptr, COLOR_SCROLLBAR + 1});
        ASSERT_TRUE(host.loaded) << "the program folder's palette, strips and fonts";
        host.doc = &doc;
        headings.doc = &doc;
        ASSERT_TRUE(parent.CreateEx(0, "VELM_NormalWindow", "view", WS_POPUP | WS_VISIBLE,
                                    CRect(0, 0, 1280, 700), nullptr, 0));
    }
    void TearDown() override {
        headings.info = nullptr;
        if (parent.IsWindow()) parent.DestroyWindow();
        CMessageLoop::Reset();
        GameTest::TearDown();
    }
    // A new game of the program folder's data files.
    void NewAuthoredGame(int companies, int humans = 0) {
        const char* home = std::getenv("MERCAVO_HOME");
        const std::string dir = home ? std::string(home) + "/" : std::string();
        CRuntimeRandom::Seed(1);
        doc.SetEnterpriseCount(companies);
        ASSERT_EQ(doc.PrepareNewGameFrom(dir + "ORIGINAL.MQM", dir + "ORIGINAL.MQP"), 1);
        ASSERT_EQ(doc.SetPlayerCount(humans, 1), 1);
        ASSERT_EQ(doc.SetupEnterprises(), 1);
    }
    // The information window at rect of the parent.
    CInfoWnd& MakeInfo(const CRect& rect) {
        info.SetViewHost(&viewHost);
        EXPECT_TRUE(info.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE, rect,
                                &parent, 1000));
        headings.info = &info;
        return info;
    }
    // The pages frame alone, its selector showing `rows` whole rows.
    CInfoDrawFrameWnd& MakePages(int rows, int width = 900) {
        EXPECT_TRUE(pages.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                                 CRect(0, 0, width, 10), &parent, 1));
        SizeForRows(rows, width);
        return pages;
    }
    // The selector's client area holds rows whole rows (its client edge
    // takes 2 pixels a side).
    void SizeForRows(int rows, int width = 900) {
        const int height = rows * pages.GetSelector().GetRowHeight() + 4;
        pages.MoveWindow(0, 0, width, height);
    }
    void MouseAt(CWnd& wnd, UINT message, int x, int y) {
        wnd.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }

    CFakeBlockHost host;
    CRecordingViewHost viewHost;
    CHeadingFrameService headings;
    CScopedService<IFrameService> scopedHeadings = ScopedFrame(&headings);
    CWnd parent;
    CInfoWnd info;
    CInfoDrawFrameWnd pages;
};
