// The dialogs that start a game as a person sees them: the start choice
// with one button held down, the map file choice previewing the authored
// map, the set-up wizard's game page in each play mode and a player page
// with its colour list open, the company detail entry of a player and of
// an observer, the address prompt, and the host's and the client's start
// buttons.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "dialogs/DialogBench.h"
#include "dialogs/DlgInputEnterprise.h"
#include "dialogs/DlgInputNetworkIP.h"
#include "dialogs/DlgInputSetting.h"
#include "dialogs/DlgSelectMapFile.h"
#include "dialogs/InputStartDlg.h"
#include "dialogs/StartNetworkBtnWnd.h"
#include "fakes/GalleryFolder.h"
#include "platform/core/ProgramFolder.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ListBox.h"
#include "resources/SetUpIds.h"

namespace {

namespace fs = std::filesystem;
using namespace setup_ids;

class SetUpDialogsGalleryTest : public DialogBench {
protected:
    // Opens the dialog, lets the script set it up, saves what it shows and
    // ends it.
    void Render(CDialog& dialog, const char* name, const std::function<void(CDialog&)>& script) {
        const fs::path png = GalleryFolder() / name;
        bool saved = false;
        OnOpen([&](CDialog& d) {
            d.ShowWindow(SW_SHOW);
            script(d);
            CMessageLoop::PumpPending();
            saved = d.SaveToPng(png.string());
            d.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
        EXPECT_TRUE(saved) << name;
    }
};

TEST_F(SetUpDialogsGalleryTest, StartChoice) {
    CInputStartDlg start([] { return false; });
    Render(start, "setup_start_choice.png",
           [&](CDialog&) { start.GetButton(0).SetState(TRUE); });
}

TEST_F(SetUpDialogsGalleryTest, MapFileChoice) {
    if (!fs::exists(fs::path(CProgramFolder::Get()) / "ORIGINAL.MQM"))
        GTEST_SKIP() << "no authored map";
    CDlgSelectMapFile select;
    select.SetFileNames({"ORIGINAL.MQM", "Second.mqm"});
    Render(select, "setup_map_file.png", [](CDialog& d) {
        dialog_script::PickListItem(*static_cast<CListBox*>(d.GetDlgItem(kFileList)), 0);
    });
}

TEST_F(SetUpDialogsGalleryTest, GamePageOfEachMode) {
    const char* names[] = {"setup_wizard_normal.png", "setup_wizard_host.png",
                           "setup_wizard_client.png", "setup_wizard_resume.png"};
    for (int mode = 0; mode < CDlgInputSetting::kModeCount; ++mode) {
        CDlgInputSetting setting;
        setting.InitFromDocument(7, {10, 20, 30});
        Render(setting, names[mode], [mode](CDialog& d) {
            static_cast<CComboBox*>(d.GetDlgItem(kMode))->SetCurSel(mode);
            d.SendMessage(WM_COMMAND, MAKEWPARAM(kMode, CBN_SELCHANGE), 0);
            if (mode != 1) d.SetDlgItemText(kAddress, "192.168.1.20");
            else d.SetDlgItemText(kAddress, "192.168.1.5");
        });
    }
}

// The page, and the list as it drops below the box (a window of its own):
// the colour of the first page is crossed out.
TEST_F(SetUpDialogsGalleryTest, PlayerPageWithTheColourListOpen) {
    CDlgInputSetting setting;
    setting.InitFromDocument(7, {10, 20, 30});
    bool listSaved = false;
    Render(setting, "setup_wizard_player.png", [&](CDialog& d) {
        d.SetDlgItemText(kPlayers, "2");
        d.SendMessage(WM_COMMAND, IDOK, 0);
        d.SetDlgItemText(kCompanyName, "Harbour Trading");
        d.SetDlgItemText(kPlayerName, "Ann Lee");
        d.SendMessage(WM_COMMAND, IDOK, 0);
        d.SetDlgItemText(kCompanyName, "Riverside Works");
        d.SetDlgItemText(kPlayerName, "Bo Park");
        setting.GetColourList().ShowDropDown(TRUE);
        CWnd* list = CWnd::GetCapture();
        ASSERT_NE(list, nullptr);
        CMessageLoop::PumpPending();
        listSaved = list->SaveToPng((GalleryFolder() / "setup_wizard_colour_list.png").string());
        setting.GetColourList().ShowDropDown(FALSE);
    });
    EXPECT_TRUE(listSaved);
}

TEST_F(SetUpDialogsGalleryTest, CompanyDetailEntry) {
    for (int observing : {0, 1}) {
        host.observing = observing;
        CDlgInputEnterprise entry;
        ASSERT_TRUE(entry.Create(nullptr));
        entry.SetColourTaken(0, 1);
        entry.SetColourTaken(2, 1);
        entry.Restart();
        entry.SetDlgItemText(kEntryCompany, "Harbour Trading");
        entry.SetDlgItemText(kEntryPlayer, "Ann Lee");
        entry.GetColourList().SetCurrentColour(1);
        entry.ShowWindow(SW_SHOW);
        CMessageLoop::PumpPending();
        const fs::path png =
            GalleryFolder() / (observing ? "setup_entry_observer.png" : "setup_entry_player.png");
        EXPECT_TRUE(entry.SaveToPng(png.string()));
        entry.DestroyWindow();
    }
}

TEST_F(SetUpDialogsGalleryTest, AddressPrompt) {
    CDlgInputNetworkIP prompt;
    prompt.SetAddress("192.168.1.20");
    Render(prompt, "setup_address.png", [](CDialog&) {});
}

TEST_F(SetUpDialogsGalleryTest, StartButtons) {
    for (int hosting : {1, 0}) {
        CWnd parent;
        ASSERT_TRUE(parent.CreateEx(0, "VELMO_3DFaceWindow", "Network", WS_POPUP | WS_VISIBLE,
                                    CRect(0, 0, 320, 40), nullptr, 0));
        CStartNetworkBtnWnd strip;
        strip.SetStartShown(hosting);
        ASSERT_TRUE(strip.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(4, 6, 316, 34), &parent,
                                 1010));
        strip.Layout(-1, -1);
        CMessageLoop::PumpPending();
        const fs::path png =
            GalleryFolder() / (hosting ? "setup_start_strip_host.png" : "setup_start_strip_client.png");
        EXPECT_TRUE(parent.SaveToPng(png.string()));
        strip.DestroyWindow();
        parent.DestroyWindow();
    }
}

}  // namespace
