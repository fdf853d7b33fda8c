// The notice that opens a seat's operations phase in a network game, drawn
// with the application's fonts as the report box shows it.

#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/GalleryFolder.h"
#include "shell/NetPhaseFixture.h"

namespace {

TEST_F(NetPhaseTest, OperationsNoticeGallery) {
    CMyMessageDlg::SetModalHook(nullptr);
    CAutoAnswer::Set(false);
    Seat(false);
    const std::filesystem::path png = GalleryFolder() / "network_operations_notice.png";
    bool saved = false;
    CDialog::SetInitHook([&](CDialog& box, int) {
        box.ShowWindow(SW_SHOW);
        saved = box.SaveToPng(png.string());
        box.PostMessage(WM_COMMAND, IDOK);
    });
    frame->BeginNetworkOperations();
    CDialog::SetInitHook(nullptr);
    EXPECT_TRUE(saved);
    EXPECT_GT(std::filesystem::file_size(png), 1000u);
}

}  // namespace
