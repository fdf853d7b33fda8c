#pragma once
// The company pages on a game of the authored data files (seed 1, six
// companies unless a fixture asks for another number, the first played by
// a person, in the mid-game month), each
// page inside a pages frame that shows the company the test names and
// makes no pages of its own, with the building blocks' host naming the
// game.

#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeBlockHost.h"
#include "fakes/MidGame.h"
#include "game/GameFixture.h"
#include "model/Enterprise.h"
#include "platform/core/Clock.h"
#include "platform/core/ProgramFolder.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WndClassRegistry.h"
#include "views/InfoDrawFrameWnd.h"
#include "views/InfoPage.h"
#include "views/PictureFixture.h"

// A pages frame that only keeps the shown company: the page under test is
// its one child.
class CTestPagesFrame : public CInfoDrawFrameWnd {
protected:
    int OnCreate(CREATESTRUCT* create) override { return CWnd::OnCreate(create); }
    void OnSize(UINT type, int cx, int cy) override { CWnd::OnSize(type, cx, cy); }
};

class InfoPagesTest : public GameTest {
protected:
    static constexpr int kHuman = 0;
    static constexpr int kComputer = 1;

    void SetUp() override {
        GameTest::SetUp();
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        CWndClassRegistry::Register({"VELMO_3DFaceWindow", 0, nullptr, COLOR_3DFACE + 1});
        CWndClassRegistry::Register({"VELMO_NoBackWindow", 0, nullptr, 0});
        ASSERT_TRUE(host.loaded) << "the program folder's palette, strips and fonts";
        ASSERT_TRUE(HasAuthoredData());
        CRuntimeRandom::Seed(1);
        doc.SetEnterpriseCount(companies);
        ASSERT_EQ(doc.PrepareNewGameFrom(CProgramFolder::File(CVDoc::kDefaultMapFile),
                                         CProgramFolder::File(CPersonDataFile::kFileName)),
                  1);
        ASSERT_EQ(doc.SetPlayerCount(1, 1), 1);
        // What the set-up wizard gives the company a person plays.
        CEnterprise& own = *doc.GetEnterprise(kHuman);
        own.SetName("Harbour Works");
        own.SetPresidentName("Ada Lindqvist");
        own.SetColor(4);
        ASSERT_EQ(doc.SetupEnterprises(), 1);
        MakeMidGame(doc);
        host.doc = &doc;
        cell = InfoPage::LayoutCell();
    }
    void TearDown() override {
        if (frame.IsWindow()) frame.DestroyWindow();
        CMessageLoop::Reset();
        host.doc = nullptr;
        GameTest::TearDown();
    }

    // Creates the frame of width x height with `page` filling it.
    void CreatePage(CWnd& page, int width, int height) {
        ASSERT_TRUE(frame.CreateEx(0, "VELMO_3DFaceWindow", "pages", WS_POPUP | WS_VISIBLE,
                                   CRect(0, 0, width, height), nullptr, 0));
        ASSERT_TRUE(page.CreateEx(0, "VELMO_3DFaceWindow", "", WS_CHILD | WS_VISIBLE,
                                  CRect(0, 0, width, height), &frame, 2351));
    }
    void Show(int company) { frame.ShowCompany(company, TRUE); }
    CEnterprise& Company(int c) { return *doc.GetEnterprise(c); }

    // The companies of the game; a fixture may set another number in its
    // constructor.
    int companies = 6;
    CFakeBlockHost host;
    CTestPagesFrame frame;
    CSize cell;
};
