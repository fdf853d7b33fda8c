// The whole main frame as the program shows it after its start, drawn in
// this process from the build's program folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "fakes/GalleryFolder.h"
#include "fakes/HeldStart.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/ui/MessageLoop.h"
#include "shell/MainFrame.h"
#include "shell/TarvoApp.h"

namespace {

TEST(MainFrameGalleryTest, MainFrame) {
    CMessageLoop::Reset();
    CClock::SetTimeScale(0);
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() / ("mercavo_gallery_" + std::to_string(getpid()));
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    {
        CProfile profile("QUELF", "MERCAVO\\1.0");
        profile.WriteProfileString("Window Layout", "MainWindow", "0,1,-1,-1,-1,-1,0,0,1024,720");
    }
    {
        CHeldStart held;
        CTarvoApp app;
        ASSERT_EQ(app.InitInstance({}), 1);
        CMessageLoop::PumpPending();
        CMainFrame* frame = app.GetMainFrame();
        CHeldStart::OpenWindow(*frame);
        ASSERT_TRUE(frame->IsWindowVisible());
        const std::filesystem::path png = GalleryFolder() / "main_frame.png";
        ASSERT_TRUE(frame->SaveToPng(png.string()));
        EXPECT_GT(std::filesystem::file_size(png), 1000u);
    }
    CMessageLoop::Reset();
    std::filesystem::remove_all(config);
}

}  // namespace
