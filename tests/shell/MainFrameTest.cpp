// The main frame in this process, on the build's program folder, with a
// profile of its own: mode texts, load errors, the title, the tool-bar
// command, map modes, the saved placement and what a close writes.

#include "shell/MainFrame.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "fakes/HeldStart.h"
#include "fakes/TempFolder.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/WindowPlacement.h"
#include "game/VDoc.h"
#include "network/NetSession.h"
#include "shell/TarvoApp.h"
#include "shell/VView.h"

namespace {

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        setenv("XDG_CONFIG_HOME", config.Folder().c_str(), 1);
    }
    void TearDown() override {
        app.reset();
        CMessageLoop::Reset();
    }
    // Starts the application; the start message is handled when asked.
    void Start(bool handleStart = true) {
        app = std::make_unique<CTarvoApp>();
        ASSERT_EQ(app->InitInstance({}), 1);
        frame = app->GetMainFrame();
        ASSERT_NE(frame, nullptr);
        if (handleStart) {
            CMessageLoop::PumpPending();
            CHeldStart::OpenWindow(*frame);
        }
    }
    CProfile Profile() const { return CProfile(config.Folder() + "QUELF/MERCAVO-1.0.ini"); }
    std::string StatusText() { return frame->GetStatusBarWnd().GetPaneText(0); }

    CTempFolder config;
    CHeldStart held;
    std::unique_ptr<CTarvoApp> app;
    CMainFrame* frame = nullptr;
};

TEST_F(MainFrameTest, TheStartShowsTheFrameWithItsBarsAndTitle) {
    Start();
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_TRUE(frame->GetToolBar().IsWindowVisible());
    EXPECT_EQ(frame->GetToolBar().GetCount(), 14);
    EXPECT_EQ(StatusText(), "Please follow operation instructions.");
    // The founding-phase flag stays set from construction.
    EXPECT_EQ(frame->GetWindowText(), "MERCAVO-Preparing company setup");
    frame->SetFoundingPhase(0);
    EXPECT_EQ(frame->GetWindowText(), "MERCAVO");
    EXPECT_EQ(CMainFrame::TitleText(1), "MERCAVO-Preparing company setup");
    // The menu bar: the pop-ups of the command table, Help last.
    ASSERT_NE(frame->GetMenu(), nullptr);
    const int count = frame->GetMenu()->GetMenuItemCount();
    EXPECT_EQ(frame->GetMenu()->GetMenuString(count - 1, MF_BYPOSITION), "&Help");
}

TEST_F(MainFrameTest, ModeTextsFollowTheMapMode) {
    Start();
    frame->EnableInput(1);
    const char* texts[] = {"Please follow operation instructions.",
                           "Press ESC key to quit.",
                           "During the prosperity data display",
                           "Please click desired land or building to purchase.",
                           "Please click the real estate to sell.",
                           "Please click the land to build on.",
                           "Please click the building to reinforce.",
                           "Please select your home baseball stadium.",
                           "Please select your home stadium.",
                           "Please select your home baseball stadium.",
                           "Please select your home stadium."};
    for (int mode = 0; mode <= 10; ++mode) {
        SCOPED_TRACE(mode);
        frame->BeginMapMode(mode);
        EXPECT_EQ(frame->GetMapMode(), mode);
        EXPECT_EQ(StatusText(), texts[mode]);
    }
    EXPECT_EQ(CMainFrame::ModeTextId(11), 50000u);
    EXPECT_EQ(CMainFrame::ModeTextId(-1), 50000u);
}

TEST_F(MainFrameTest, LoadErrorsShowTheirTexts) {
    Start();
    struct Case {
        int code;
        const char* text;
    };
    for (const Case& c : {Case{1, "Insufficient memory.  Game unplayable."},
                          Case{2, "Unavailable file. Different file version."},
                          Case{3, "Incorrect file contents."}, Case{0, "Error."},
                          Case{99, "Error."}}) {
        SCOPED_TRACE(c.code);
        testing::internal::CaptureStderr();
        frame->ShowLoadError(c.code);
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_NE(log.find(std::string(": ") + c.text + " ->"), std::string::npos) << log;
    }
}

// A recent file that cannot be loaded is reported and the game stays.
TEST_F(MainFrameTest, ARecentFileIsOpenedIntoTheDocument) {
    Start();
    app->GetRecentFiles().Add(config.Folder() + "gone.mqd");
    testing::internal::CaptureStderr();
    frame->SendMessage(WM_COMMAND, 57616, 0);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find(": Error. ->"), std::string::npos) << log;
    EXPECT_FALSE(app->GetDocument()->IsLoadedGame());
    EXPECT_TRUE(frame->IsWindow());
}

TEST_F(MainFrameTest, ViewToolbarHidesAndShowsTheBarAndIsCheckedWhileShown) {
    Start();
    CMainBar& bar = frame->GetToolBar();
    for (bool shownAfter : {false, true, false}) {
        frame->SendMessage(WM_COMMAND, 32772, 0);
        EXPECT_EQ(bar.IsWindowVisible() != FALSE, shownAfter);
        CCmdUI ui;
        ui.m_nID = 32772;
        frame->UpdateCommand(&ui);
        EXPECT_EQ(ui.check, shownAfter ? 1 : 0);
    }
}

TEST_F(MainFrameTest, MapModesEndOnlyWhenForcedOrWhileInputIsOn) {
    Start();
    CMapDrawWnd& map = app->GetMainView()->GetMapDrawWnd();
    frame->EnableInput(1);
    frame->BeginMapMode(3);
    frame->SetMapPickMode(1, 2, 3);
    EXPECT_EQ(frame->GetPickFlag(), 1);
    frame->EnableInput(0);
    frame->EndMapPick(0);
    EXPECT_EQ(frame->GetMapMode(), 3) << "input off: not forced, nothing ends";
    frame->EndMapPick(1);
    EXPECT_EQ(frame->GetMapMode(), 0);
    EXPECT_EQ(frame->GetPickFlag(), 0);
    EXPECT_EQ(StatusText(), "Please follow operation instructions.");
    // The pick ended with a one-cell block and the cursor taken away.
    bool sizedBack = false;
    for (const auto& call : map.GetCalls()) sizedBack |= call.name == "SetCursorSize" && call.a == 1;
    EXPECT_TRUE(sizedBack);

    // With input off a new mode does not end the old one first, but is set.
    frame->BeginMapMode(5);
    EXPECT_EQ(frame->GetMapMode(), 5);
}

TEST_F(MainFrameTest, ChangeFlagsReportAChange) {
    Start();
    struct Case {
        int index, value, result;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{0, 7, 1}, Case{0, 7, 0}, Case{0, -1, 1},
                          Case{9, 3, 1}, Case{10, 3, 0}, Case{-1, 3, 0}}) {
        SCOPED_TRACE(testing::Message() << c.index << "=" << c.value);
        EXPECT_EQ(frame->SetChangeFlag(c.index, c.value), c.result);
    }
    EXPECT_EQ(frame->GetChangeFlag(0), -1);
    EXPECT_EQ(frame->GetChangeFlag(9), 3);
}

TEST_F(MainFrameTest, TheStoredMainWindowPlacesTheFrame) {
    struct Case {
        const char* stored;
        bool maximised;
        CRect normal;
    };
    const Case cases[] = {
        {"0,1,-1,-1,-1,-1,40,30,840,630", false, CRect(40, 30, 840, 630)},
        // A minimised show command is shown normally.
        {"0,2,-1,-1,-1,-1,50,60,650,560", false, CRect(50, 60, 650, 560)},
        {"2,3,-1,-1,-1,-1,40,30,840,630", true, CRect(40, 30, 840, 630)},
        // Nine numbers are no placement: maximised.
        {"0,1,-1,-1,-1,-1,40,30,840", true, CRect()},
        {nullptr, true, CRect()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "none");
        TearDown();
        SetUp();
        std::filesystem::remove_all(config.Path() / "QUELF");
        if (c.stored) Profile().WriteProfileString("Window Layout", "MainWindow", c.stored);
        Start();
        EXPECT_EQ(frame->IsZoomed() != FALSE, c.maximised);
        EXPECT_TRUE(frame->IsWindowVisible());
        if (!c.maximised) {
            WINDOWPLACEMENT placement;
            ASSERT_TRUE(CWindowPlacement::Get(frame, &placement));
            EXPECT_EQ(CRect(placement.rcNormalPosition), c.normal);
        }
    }
}

TEST_F(MainFrameTest, ReadWindowLayoutNeedsAllTenNumbers) {
    Start();
    WINDOWPLACEMENT placement;
    placement.showCmd = 7;
    app->GetProfile().WriteProfileString("Window Layout", "Test", "1,2,3,4,5,6,7,8,9");
    EXPECT_EQ(app->ReadWindowLayout(&placement, "Test"), 0);
    EXPECT_EQ(placement.showCmd, 7u);
    app->GetProfile().WriteProfileString("Window Layout", "Test", "2,3,4,5,6,7,8,9,10,11");
    EXPECT_EQ(app->ReadWindowLayout(&placement, "Test"), 1);
    EXPECT_EQ(placement.showCmd, 3u);
    EXPECT_EQ(CRect(placement.rcNormalPosition), CRect(8, 9, 10, 11));
    app->WriteWindowLayout(placement, "Copy");
    EXPECT_EQ(app->GetProfile().GetProfileString("Window Layout", "Copy", ""),
              "2,3,4,5,6,7,8,9,10,11");
}

TEST_F(MainFrameTest, ACloseInTheFoundingPhaseWritesOptionsButNotTheBars) {
    Start();
    frame->SendMessage(WM_CLOSE, 0, 0);
    EXPECT_FALSE(frame->IsWindow());
    const CProfile profile = Profile();
    EXPECT_EQ(profile.GetProfileString("OptionData", "BGM(MIDI)", "absent"), "1");
    EXPECT_EQ(profile.GetProfileString("OptionData", "ToolBar", "absent"), "absent");
    EXPECT_EQ(profile.GetProfileString("OptionData", "WaitTime", "absent"), "absent");
    EXPECT_NE(profile.GetProfileString("Window Layout", "MainWindow", "absent"), "absent");
}

TEST_F(MainFrameTest, AfterTheFoundingPhaseACloseWritesTheBars) {
    Start();
    frame->SetFoundingPhase(0);
    frame->SendMessage(WM_COMMAND, 32772, 0);
    frame->SendMessage(WM_CLOSE, 0, 0);
    const CProfile profile = Profile();
    EXPECT_EQ(profile.GetProfileInt("OptionData", "ToolBar", -1), 0);
    EXPECT_EQ(profile.GetProfileInt("OptionData", "StatusBar", -1), 1);
}

TEST_F(MainFrameTest, TheFrameServiceReachesTheViewsPanes) {
    Start();
    frame->AddInfoMessage("A line of the month.");
    const auto& lines = app->GetMainView()->GetInfoWnd().GetLog().GetLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().text, "A line of the month.");
    EXPECT_EQ(frame->GetShownArea(), app->GetMainView()->GetShownArea());
}

TEST_F(MainFrameTest, TheApplicationAnswersWhatTheOtherPartsAsk) {
    Start();
    EXPECT_EQ(app->GetDialogPos(), CPoint(-1, -1));
    app->SetDialogPos(CPoint(20, 30));
    EXPECT_EQ(app->GetDialogPos(), CPoint(20, 30));
    EXPECT_EQ(app->GetSpeedClass(), 300);
    EXPECT_EQ(app->GetIconCellSize(0), 20);
    EXPECT_EQ(app->GetIconCellSize(1), 20);
    EXPECT_EQ(app->GetMessageFont(), app->GetStandardFont());
    EXPECT_EQ(app->GetStandardCharWidth(), app->GetLayoutSize().cx);
    EXPECT_GT(app->GetLogoSize().cx, 0);
    EXPECT_EQ(app->GetHeaderSize().cy, app->GetLogoSize().cy);
    EXPECT_NE(app->GetPalette(), nullptr);
    EXPECT_NE(app->GetColourPen(31), nullptr);
    EXPECT_EQ(app->GetColourPen(32), nullptr);
    EXPECT_EQ(app->GetColourBrush(-1), nullptr);
    EXPECT_NE(app->GetAppCursor(CTarvoApp::kCursorHand), nullptr);
    // Three copies of the grey tool-button faces, one for each look.
    const CSize faces = app->GetStrips().GetBitmap(CPictureCatalog::kToolFacesGrey)->GetSize();
    for (int look = 0; look < 3; ++look) {
        ASSERT_NE(app->GetToolButtonFaces(look), nullptr);
        EXPECT_EQ(app->GetToolButtonFaces(look)->GetSize(), faces);
    }
    EXPECT_EQ(app->GetToolButtonFaces(3), nullptr);
}

}  // namespace

TEST_F(MainFrameTest, TheNetworkSessionReachesTheFrame) {
    Start();
    setenv("MERCAVO_PORT_BASE", "23700", 1);
    CNetSession& session = frame->GetNetSession();
    EXPECT_FALSE(session.IsHost());
    // Without a session every send is refused and a wait ends at once.
    EXPECT_FALSE(frame->SendToPlayer(1, "_MERCAVO40000100", true));
    EXPECT_TRUE(frame->WaitChannelsFree());
    // A client that finds no host: the box, then message 0x572.
    frame->SetSessionState(0);
    session.SetHostAddress("127.0.0.1");
    ASSERT_TRUE(frame->OpenNetwork());
    // The loop by hand, so that the failure message is seen, not handled.
    bool failed = false;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!failed && std::chrono::steady_clock::now() < end) {
        MSG msg;
        if (!CMessageLoop::Peek(msg, nullptr, 0, 0, PM_REMOVE)) {
            CMessageLoop::WaitForMessage(10);
            continue;
        }
        if (msg.hwnd == frame && msg.message == CMainFrame::WM_START_GAME) {
            failed = true;
            continue;
        }
        CMessageLoop::Dispatch(msg);
    }
    EXPECT_TRUE(failed);
    EXPECT_FALSE(session.IsOpen());
}
