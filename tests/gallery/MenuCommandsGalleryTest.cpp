// The main frame on a loaded game during a player's turn (menus enabled,
// the tool-bar buttons in the states of their rules, a pick's status text)
// and while the player waits (input off: the menu bar greyed but for Help,
// the tool bar disabled).

#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/GalleryFolder.h"
#include "resources/MercavoIds.h"
#include "shell/MenuCommandsFixture.h"

namespace {

using namespace mercavo_ids;

class MenuCommandsGalleryTest : public MenuCommandsTest {
protected:
    void StartSized() {
        {
            CProfile profile("QUELF", "MERCAVO\\1.0");
            profile.WriteProfileString("Window Layout", "MainWindow",
                                       "0,1,-1,-1,-1,-1,0,0,1024,720");
        }
        StartWithNewGame();
        // Towards the middle of the area.
        CRect client;
        Map().GetClientRect(&client);
        int cx = client.Width(), cy = client.Height();
        Map().UpdateScrollBars(cx, cy);
        for (UINT bar : {WM_HSCROLL, WM_VSCROLL}) Map().SendMessage(bar, SB_PAGEDOWN, 0);
    }
    void Save(const char* name) {
        frame->OnIdleUpdateCmdUI();
        CMessageLoop::PumpPending();
        const std::filesystem::path png = GalleryFolder() / name;
        ASSERT_TRUE(frame->SaveToPng(png.string()));
        EXPECT_GT(std::filesystem::file_size(png), 1000u);
    }
};

TEST_F(MenuCommandsGalleryTest, MainFrameDuringATurnAndWhileWaiting) {
    StartSized();
    OpenHumanTurn();
    Command(kPurchaseDesignated);
    Save("main_frame_turn.png");
    frame->EndMapPick(0);
    frame->EnableInput(0);
    Save("main_frame_waiting.png");
}

}  // namespace
