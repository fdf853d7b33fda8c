#pragma once
// The judgment window in process: the application started on a judgment
// data file of the fixture game, with a profile of the test's own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "fakes/JudgmentFileFixture.h"
#include "fakes/TempFolder.h"
#include "judge/ArboApp.h"
#include "judge/ArboView.h"
#include "judge/MainFrame.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/ui/MessageLoop.h"

class CJudgeWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* config = std::getenv("XDG_CONFIG_HOME")) savedConfig = config;
        setenv("XDG_CONFIG_HOME", (folder.Path() / "config").c_str(), 1);
        std::filesystem::create_directories(folder.Path() / "game");
        CJudgmentFileFixture fixture(folder.Folder() + "game/", FileOptions());
        ASSERT_TRUE(fixture.ok());
        PrepareGame(fixture);
        ASSERT_TRUE(fixture.Write(File()));
        std::filesystem::copy_file(File(), folder.Folder() + "kept.mqd");
    }
    void TearDown() override {
        app.reset();
        CMessageLoop::WaitDispatching(20, [] { return false; });
        setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
        CClock::SetTimeScale(0);
    }
    // The game of the judgment data file.
    virtual SJudgmentFileOptions FileOptions() const { return {}; }
    // Figures of the game set before the file is written.
    virtual void PrepareGame(CJudgmentFileFixture& fixture) { (void)fixture; }
    std::string File() const { return folder.Folder() + "judged.mqd"; }
    CProfile Profile() const {
        return CProfile(judge::CArboApp::kRegistryKey, judge::CArboApp::kProfileName);
    }
    // With announce, the announcement that the start posts stays queued;
    // without, the window stays on the item list.
    bool Start(bool announce = false) {
        app = std::make_unique<judge::CArboApp>();
        if (app->InitInstance({File()}) != 1) return false;
        frame = app->GetMainFrame();
        view = app->GetView();
        if (!announce) {
            CMessageLoop::RemoveMessages(frame, judge::CMainFrame::WM_START_ANNOUNCEMENT,
                                         judge::CMainFrame::WM_START_ANNOUNCEMENT);
        }
        return true;
    }
    // A pane's rectangle in the view.
    CRect PaneRect(CWnd& pane) const {
        CRect rect;
        pane.GetWindowRect(&rect);
        view->ScreenToClient(&rect);
        return rect;
    }

    CTempFolder folder;
    std::string savedConfig;
    std::unique_ptr<judge::CArboApp> app;
    judge::CMainFrame* frame = nullptr;
    judge::CArboView* view = nullptr;
};
