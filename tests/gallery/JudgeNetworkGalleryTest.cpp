// The judgment network's window, drawn in this process with the build's
// program folder: the server's window with its participants, the chat and
// START, a client's window, and the bar between list and chat dragged.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "fakes/GalleryFolder.h"
#include "fakes/JudgmentFileFixture.h"
#include "fakes/RecordingNetHost.h"
#include "fakes/TempFolder.h"
#include "judge/ArboApp.h"
#include "judge/JudgeNetwork.h"
#include "judge/MainFrame.h"
#include "judge/NetworkWnd.h"
#include "model/FrameState.h"
#include "model/NetRecordBuilder.h"
#include "model/NetSessionRecords.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Messages.h"

namespace {

using namespace judge;
namespace fs = std::filesystem;

constexpr DWORD kNetworkStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE;

class JudgeNetworkGalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        if (const char* config = std::getenv("XDG_CONFIG_HOME")) savedConfig = config;
        setenv("XDG_CONFIG_HOME", (folder.Path() / "config").c_str(), 1);
        fs::create_directories(folder.Path() / "game");
        CJudgmentFileFixture fixture(folder.Folder() + "game/");
        ASSERT_TRUE(fixture.ok());
        const std::string file = folder.Folder() + "judged.mqd";
        ASSERT_TRUE(fixture.Write(file));
        app = std::make_unique<CArboApp>();
        ASSERT_EQ(app->InitInstance({file}), 1);
        CMessageLoop::RemoveMessages(app->GetMainFrame(), CMainFrame::WM_START_ANNOUNCEMENT,
                                     CMainFrame::WM_START_ANNOUNCEMENT);
        CMessageLoop::PumpPending();
    }
    void TearDown() override {
        wnd.reset();
        network.reset();
        app.reset();
        CMessageLoop::Reset();
        CAutoAnswer::Reset();
        setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    }

    // A window over a network of these participants (role 1: logged in, 3:
    // absent), this program's own being `local`.
    void Open(bool host, int local) {
        CFrameState frame;
        struct SPeer {
            const char* name;
            int role;
            int colour;
        };
        const SPeer peers[] = {{"Hana", 1, 16}, {"Alice", 1, 17}, {"", 1, 18}, {"Bob", 3, 19}};
        for (int i = 0; i < 4; ++i) {
            CFrameState::SPeer peer;
            peer.playerNumber = i;
            peer.company = i;
            peer.name = peers[i].name;
            peer.companyName = *peers[i].name ? std::string(peers[i].name) + " Estates" : "";
            peer.colour = peers[i].colour;
            peer.state = peers[i].role;
            peer.localFlag = i == local ? 1 : 0;
            peer.personalCode = "00000" + std::to_string(i);
            frame.GetPeers().push_back(peer);
        }
        frame.SetNetworkRoles(1, host ? 1 : 0, 0);
        network = std::make_unique<CJudgeNetwork>(netHost);
        network->Load(frame, 0, 0);
        network->SetServer("127.0.0.1", host ? "000000" : "123456");
        wnd = std::make_unique<CNetworkWnd>();
        wnd->SetNetwork(network.get());
        ASSERT_TRUE(wnd->CreateEx(0, CArboApp::kFaceClass, "", kNetworkStyle, CRect(0, 0, 560, 360),
                                  app->GetMainFrame(), 0));
        wnd->ResetWindow();
    }
    void Save(CWnd& window, const std::string& name) {
        CMessageLoop::PumpPending();
        const fs::path png = GalleryFolder() / name;
        ASSERT_TRUE(window.SaveToPng(png.string())) << name;
        EXPECT_GT(fs::file_size(png), 1000u) << name;
    }

    CTempFolder folder;
    std::string savedConfig;
    std::unique_ptr<CArboApp> app;
    CRecordingNetHost netHost;
    std::unique_ptr<CJudgeNetwork> network;
    std::unique_ptr<CNetworkWnd> wnd;
};

TEST_F(JudgeNetworkGalleryTest, TheServersWindowWithItsParticipants) {
    Open(true, 0);
    // Alice and the nameless one have not finished the page.
    NetRecordBytes record{};
    ASSERT_TRUE(CNetSessionRecords::BuildClearFlags({1, 2}, record));
    network->Dispatch(record, nullptr);
    wnd->RefreshList();
    ASSERT_EQ(wnd->GetList().GetRowCount(), 4) << "the empty name keeps its row";
    // Alice's row is left out of the next chat line.
    wnd->GetList().SelectRow(1, true);
    wnd->AddMessage("]Lost connection with Bob.", -1);
    wnd->AddMessage("Alice:Good luck, everyone!", 17);
    wnd->AddMessage("Hana:Thank you, same to you.", 16);
    for (int i = 0; i < 3; ++i) wnd->GetLamp().Step(0);
    wnd->GetLamp().Step(1);
    EXPECT_TRUE(wnd->GetStart().IsWindowVisible());
    EXPECT_EQ(wnd->GetWindowText(), "MERCAVO-NETWORK <Connection 127.0.0.1>");
    Save(*wnd, "network-host.png");
}

TEST_F(JudgeNetworkGalleryTest, AClientsWindowNamesItsPasswordAndServer) {
    Open(false, 1);
    wnd->RefreshList();
    EXPECT_EQ(wnd->GetWindowText(), "MERCAVO-NETWORK [Password 123456] <Connection 127.0.0.1>");
    EXPECT_FALSE(wnd->GetStart().IsWindowVisible());
    wnd->AddMessage("]Please wait to get started.", -1);
    Save(*wnd, "network-client.png");
}

TEST_F(JudgeNetworkGalleryTest, TheListKeepsItsSizeUntilTheBarIsReleased) {
    Open(true, 0);
    CRect before;
    wnd->GetList().GetWindowRect(&before);
    const int split = wnd->GetSplit();
    wnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, split + 1));
    ASSERT_TRUE(wnd->IsDragging());
    wnd->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, split + 41));
    CRect during;
    wnd->GetList().GetWindowRect(&during);
    EXPECT_EQ(during.Height(), before.Height());
    wnd->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, split + 41));
    CRect after;
    wnd->GetList().GetWindowRect(&after);
    EXPECT_EQ(after.Height(), before.Height() + 40);
    EXPECT_FALSE(wnd->IsDragging());
}

TEST_F(JudgeNetworkGalleryTest, F2TogglesTheNetworkWindowOfANetworkGame) {
    CMainFrame& frame = *app->GetMainFrame();
    MSG key{};
    key.hwnd = &frame;
    key.message = WM_KEYDOWN;
    key.wParam = VK_F1 + 1;
    // A local game has no network window to show.
    EXPECT_FALSE(CMessageLoop::PreTranslate(key));
    EXPECT_FALSE(frame.GetNetworkWindow().IsWindowVisible());
    frame.SetNetworkGame(true);
    frame.SetupNetwork();
    for (bool visible : {true, false}) {
        EXPECT_TRUE(CMessageLoop::PreTranslate(key));
        EXPECT_EQ(frame.GetNetworkWindow().IsWindowVisible() != FALSE, visible);
    }
}

}  // namespace
