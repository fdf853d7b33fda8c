// The file and colour dialogs, and what the program asks of the desktop.

#include <filesystem>
#include <fstream>
#include <functional>

#include "UiTestSupport.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MessageBox.h"

namespace fs = std::filesystem;

namespace {

constexpr UINT kStep = WM_USER + 60;

// Runs steps inside a modal loop, one per posted message.
class CDriver : public CRecorderWnd {
public:
    std::vector<std::function<void()>> steps;
    size_t next = 0;

    void Start() {
        ASSERT_TRUE(CreatePopup());
        hooks[kStep] = [this](WPARAM, LPARAM) {
            if (next < steps.size()) {
                steps[next++]();
                PostMessage(kStep);
            }
            return 0;
        };
        PostMessage(kStep);
    }
};

void AnswerOpenBox(int answer) {
    if (CMessageBox* box = CMessageBox::GetOpen()) box->EndDialog(answer);
}

class CommonDialogsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        CAutoAnswer::Set(false);
        folder = fs::temp_directory_path() / ("filedlg-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "sub");
        for (const char* name : {"a.mqd", "b.mqd", "c.txt"}) std::ofstream(folder / name) << "x";
    }
    void TearDown() override {
        fs::remove_all(folder);
        CAutoAnswer::Reset();
        CDesktop::SetLaunchHook(nullptr);
        UiTest::TearDown();
    }
    std::vector<std::string> Listed(CFileDialog& dlg) {
        auto* list = static_cast<CListBox*>(dlg.GetDlgItem(1120));
        std::vector<std::string> out;
        for (int i = 0; i < list->GetCount(); ++i) out.push_back(list->GetText(i));
        return out;
    }
    fs::path folder;
};

const char* kFilter = "Saved games (*.mqd)|*.mqd|All files (*.*)|*.*||";

TEST_F(CommonDialogsTest, OpenListsTheFilterAndAddsTheDefaultExtension) {
    CFileDialog dlg(TRUE, "mqd", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kFilter);
    dlg.m_ofn.lpstrInitialDir = folder.string();
    std::vector<std::string> first, second;
    CDriver driver;
    driver.steps = {
        [&] { first = Listed(dlg); },
        [&] {
            auto* types = static_cast<CComboBox*>(dlg.GetDlgItem(1136));
            types->PostMessage(WM_KEYDOWN, VK_DOWN, 1);
        },
        [&] { second = Listed(dlg); },
        [&] {
            dlg.SetDlgItemText(1152, "b");
            dlg.PostMessage(WM_COMMAND, IDOK);
        },
    };
    driver.Start();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(first, (std::vector<std::string>{"[..]", "[sub]", "a.mqd", "b.mqd"}));
    EXPECT_EQ(second, (std::vector<std::string>{"[..]", "[sub]", "a.mqd", "b.mqd", "c.txt"}));
    EXPECT_EQ(dlg.GetPathName(), (folder / "b.mqd").string());
    EXPECT_EQ(dlg.GetFileName(), "b.mqd");
    EXPECT_EQ(dlg.GetFileExt(), "mqd");
    EXPECT_EQ(dlg.GetFileTitle(), "b");
}

TEST_F(CommonDialogsTest, AMissingFileIsRefusedAndAPostedCancelEndsTheDialog) {
    CFileDialog dlg(TRUE, "mqd", nullptr, OFN_FILEMUSTEXIST, kFilter);
    dlg.m_ofn.lpstrInitialDir = folder.string();
    bool complained = false, stillOpen = false;
    CDriver driver;
    driver.steps = {
        [&] {
            dlg.SetDlgItemText(1152, "nothere");
            dlg.PostMessage(WM_COMMAND, IDOK);
        },
        [&] {
            complained = CMessageBox::GetOpen() != nullptr;
            AnswerOpenBox(IDOK);
        },
        [&] {
            stillOpen = dlg.IsWindowVisible() != FALSE;
            dlg.PostMessage(WM_COMMAND, IDCANCEL);  // what the network code does
        },
    };
    driver.Start();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(complained);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dlg.GetPathName(), "");
}

TEST_F(CommonDialogsTest, SavingOverAFileAsksFirst) {
    for (int answer : {IDNO, IDYES}) {
        CFileDialog dlg(FALSE, "mqd", "a", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
        dlg.m_ofn.lpstrInitialDir = folder.string();
        std::string question;
        CDriver driver;
        driver.steps = {
            [&] { dlg.PostMessage(WM_COMMAND, IDOK); },
            [&] {
                if (CMessageBox* box = CMessageBox::GetOpen()) {
                    question = box->GetDlgItemText(0xFFFF);
                }
                AnswerOpenBox(answer);
            },
            [&] { dlg.PostMessage(WM_COMMAND, IDCANCEL); },
        };
        driver.Start();
        EXPECT_EQ(dlg.DoModal(), answer == IDYES ? IDOK : IDCANCEL);
        EXPECT_EQ(question, "a.mqd already exists.\nDo you want to replace it?");
    }
}

TEST_F(CommonDialogsTest, UnattendedRunsCancelTheDialogsAtOnce) {
    CAutoAnswer::Set(true);
    testing::internal::CaptureStderr();
    CFileDialog open(TRUE, "mqd", nullptr, 0, kFilter);
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    CColorDialog colour(RGB(1, 2, 3), CC_RGBINIT);
    EXPECT_EQ(colour.DoModal(), IDCANCEL);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Open"), std::string::npos);
}

TEST_F(CommonDialogsTest, TheColourDialogTakesAndGivesTheCustomColours) {
    COLORREF custom[16];
    for (int i = 0; i < 16; ++i) custom[i] = RGB(i, i, i);
    CColorDialog dlg(RGB(10, 20, 30), CC_RGBINIT | CC_FULLOPEN);
    dlg.m_cc.lpCustColors = custom;
    std::string red;
    CDriver driver;
    driver.steps = {
        [&] { red = dlg.GetDlgItemText(706); },
        [&] { dlg.SetDlgItemText(708, "200"); },                            // blue
        [&] { dlg.PostMessage(WM_COMMAND, MAKEWPARAM(712, BN_CLICKED)); },  // add to custom
        [&] { dlg.PostMessage(WM_COMMAND, IDOK); },
    };
    driver.Start();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(red, "10");
    EXPECT_EQ(dlg.GetColor(), RGB(10, 20, 200));
    EXPECT_EQ(custom[0], RGB(10, 20, 200));
    EXPECT_EQ(custom[1], RGB(1, 1, 1));

    // A click on a basic colour, then Cancel: nothing comes back.
    CColorDialog other(RGB(0, 0, 0), 0);
    other.m_cc.lpCustColors = custom;
    COLORREF shown = 0;
    CDriver second;
    second.steps = {
        [&] {
            CWnd* grid = other.GetDlgItem(720);
            grid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
            shown = other.CurrentColor();
            other.PostMessage(WM_COMMAND, IDCANCEL);
        },
    };
    second.Start();
    EXPECT_EQ(other.DoModal(), IDCANCEL);
    EXPECT_EQ(shown, RGB(255, 0, 0));
    EXPECT_EQ(custom[0], RGB(10, 20, 200));
}

TEST_F(CommonDialogsTest, PagesAndProgramsGoToTheDesktopWithoutAShell) {
    struct Launch {
        std::string program;
        std::vector<std::string> args;
        std::string dir;
    };
    std::vector<Launch> launches;
    CDesktop::SetLaunchHook(
        [&](const std::string& p, const std::vector<std::string>& a, const std::string& d) {
            launches.push_back({p, a, d});
            return true;
        });
    EXPECT_TRUE(CDesktop::OpenPage("/opt/mercavo/hlp/about_mercavo.html"));
    EXPECT_TRUE(CDesktop::OpenPage("https://example.org/mnetchat.cgi"));
    EXPECT_TRUE(CDesktop::StartProgram("/opt/mercavo/qordin", {"a b", "$HOME;rm"}, "/tmp"));
    EXPECT_FALSE(CDesktop::StartProgram("qordin", {}));
    EXPECT_FALSE(CDesktop::OpenPage(""));
    ASSERT_EQ(launches.size(), 3u);
    EXPECT_EQ(launches[0].program, "xdg-open");
    EXPECT_EQ(launches[0].args,
              (std::vector<std::string>{"file:///opt/mercavo/hlp/about_mercavo.html"}));
    EXPECT_EQ(launches[1].args, (std::vector<std::string>{"https://example.org/mnetchat.cgi"}));
    EXPECT_EQ(launches[2].program, "/opt/mercavo/qordin");
    EXPECT_EQ(launches[2].args, (std::vector<std::string>{"a b", "$HOME;rm"}));
    EXPECT_EQ(launches[2].dir, "/tmp");

    CDesktop::SetLaunchHook(nullptr);
    EXPECT_FALSE(CDesktop::StartProgram("/nonexistent/program", {}));
    const fs::path marker = folder / "started";
    ASSERT_TRUE(CDesktop::StartProgram("/usr/bin/touch", {marker.string()}));
    for (int i = 0; i < 200 && !fs::exists(marker); ++i) CMessageLoop::WaitForMessage(10);
    EXPECT_TRUE(fs::exists(marker));
}

}  // namespace
