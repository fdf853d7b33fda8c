// The report box as the composer fills it, drawn with the application's
// fonts and marks: a report with the company panel and company names after
// their marks, a confirmation with OK and Cancel, and a director's task
// question to a lot's owner.

#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/GalleryFolder.h"
#include "shell/ReportFixture.h"

namespace {

TEST_F(ReportTest, ReportBoxGallery) {
    CMyMessageDlg::SetModalHook(nullptr);
    CAutoAnswer::Set(false);
    const int office = TypeOfCode(60);
    struct Picture {
        const char* file;
        std::function<void(CSetDrawMes&)> show;
    };
    const Picture pictures[] = {
        {"report_boxes.png", [&](CSetDrawMes& m) { m.ShowContractorBankrupt(0, office, 3); }},
        {"report_boxes_confirmation.png",
         [&](CSetDrawMes& m) { m.AskSellStock(0, 1, 2, 160); }},
        {"report_boxes_task_question.png",
         [&](CSetDrawMes& m) { m.AskDesignatedSale(0, 1, Role(1), 1250, FALSE); }},
    };
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.file);
        const std::filesystem::path png = GalleryFolder() / picture.file;
        bool saved = false;
        CDialog::SetInitHook([&](CDialog& box, int) {
            box.ShowWindow(SW_SHOW);
            saved = box.SaveToPng(png.string());
            box.PostMessage(WM_COMMAND, IDOK);
        });
        CSetDrawMes mes(frame);
        picture.show(mes);
        EXPECT_TRUE(saved);
        EXPECT_GT(std::filesystem::file_size(png), 1000u);
    }
}

}  // namespace
