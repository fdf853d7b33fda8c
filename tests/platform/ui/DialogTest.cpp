// Dialogs made from our templates: dialog units, the modal loop and how it
// ends, keys, data exchange, custom controls attached to the dialog's own
// objects, and message boxes.

#include <functional>

#include "UiTestSupport.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplateRegistry.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Font.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MainWindow.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WndClassRegistry.h"

namespace {

constexpr int kEnded = 99;     // a script's own end code
constexpr int kTimedOut = -2;  // the guard timer ended the dialog
constexpr UINT kGuardTimer = 77;
constexpr UINT kScript = WM_USER + 50;

const DIALOGTEMPLATE kSample = {
    500,
    "Sample",
    "MS Sans Serif",
    8,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    0,
    0,
    200,
    100,
    {
        {1, DialogItemKind::Button, nullptr, "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 140,
         6, 50, 14},
        {2, DialogItemKind::Button, nullptr, "Cancel", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 140,
         24, 50, 14},
        {1000, DialogItemKind::Edit, nullptr, "", WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_NUMBER,
         7, 7, 60, 12},
        {1001, DialogItemKind::Button, nullptr, "Check", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
         7, 24, 60, 10},
        {1002, DialogItemKind::Button, nullptr, "One",
         WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 7, 38, 40, 10},
        {1003, DialogItemKind::Button, nullptr, "Two", WS_VISIBLE | BS_AUTORADIOBUTTON, 7, 50, 40,
         10},
        {1004, DialogItemKind::Static, nullptr, "Label", WS_VISIBLE | WS_GROUP, 70, 7, 60, 8},
        {1005, DialogItemKind::Custom, "TestCustomWindow", "", WS_VISIBLE | WS_BORDER, 70, 40, 60,
         50},
    },
};

// A dialog whose opening runs a script of posted messages; a guard timer
// ends it if the script leaves it open.
class CScriptDialog : public CDialog {
public:
    explicit CScriptDialog(const DIALOGTEMPLATE* t = &kSample) : CDialog(t) {}
    std::function<void(CScriptDialog&)> onInit;
    std::function<void(CScriptDialog&)> onOK;
    int okCount = 0;
    int cancelCount = 0;
    int number = 0;
    int check = 0;
    int radio = -1;
    bool refuseCancel = false;
    BOOL initResult = TRUE;  // FALSE: the script placed the focus itself

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetTimer(kGuardTimer, 2000);
        if (onInit) onInit(*this);
        return initResult;
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, 1000, number);
        DDX_Check(dx, 1001, check);
        DDX_Radio(dx, 1002, radio);
    }
    void OnOK() override {
        ++okCount;
        if (onOK) onOK(*this);
        CDialog::OnOK();
    }
    void OnCancel() override {
        ++cancelCount;
        if (!refuseCancel) CDialog::OnCancel();
    }
    void OnTimer(UINT_PTR id) override {
        if (id == kGuardTimer) EndDialog(kTimedOut);
        // The time-out of the game's dialogs: post IDOK to ourselves, so
        // that the dialog ends through OnOK.
        if (id == 10) {
            KillTimer(10);
            PostMessage(WM_COMMAND, IDOK, 0);
        }
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kEnded) {
            EndDialog(kEnded);
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

void PostKey(CWnd* target, int vk) {
    MSG msg;
    msg.hwnd = target;
    msg.message = WM_KEYDOWN;
    msg.wParam = static_cast<WPARAM>(vk);
    msg.lParam = 1;
    CMessageLoop::PostPrepared(msg);
}

// A custom window that keeps lines given before its window exists.
class CLinesWnd : public CWnd {
public:
    std::vector<std::string> lines;
    int paints = 0;

protected:
    void OnPaint() override {
        CPaintDC dc(this);
        ++paints;
    }
};

class DialogTest : public UiTest {
protected:
    static void SetUpTestSuite() {
        CWndClassRegistry::Register({"TestCustomWindow", 0, nullptr, COLOR_WINDOW + 1});
    }
    void SetUp() override {
        UiTest::SetUp();
        CAutoAnswer::Set(false);
        CClock::SetTimeScale(1);
    }
    void TearDown() override {
        CAutoAnswer::Reset();
        UiTest::TearDown();
    }
};

TEST_F(DialogTest, DialogUnitsConvertWithTheFontsBaseUnits) {
    const CDialogUnits units(6, 13);
    // x 317 * 6 / 4 = 475.5 -> 476; y 3 * 13 / 8 = 4.9 -> 5; sizes on their own.
    EXPECT_EQ(units.Map(317, 3, 40, 14), CRect(476, 5, 536, 28));
    EXPECT_EQ(units.Map(3, 3, 313, 136), CRect(5, 5, 475, 226));
    CRect r(4, 8, 8, 16);
    units.MapRect(&r);
    EXPECT_EQ(r, CRect(6, 13, 12, 26));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "MS Sans Serif"));
    const CDialogUnits measured = CDialogUnits::ForFont(&font);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(measured.BaseY(), tm.tmHeight);
    const int letters = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz").cx;
    EXPECT_EQ(measured.BaseX(), (letters / 26 + 1) / 2);
    EXPECT_GE(measured.BaseX(), 4);
    EXPECT_LE(measured.BaseX(), 9);
}

TEST_F(DialogTest, ControlsSitWhereTheTemplateSays) {
    CScriptDialog dlg;
    std::vector<std::pair<CRect, CRect>> placed;
    CSize client;
    dlg.onInit = [&](CScriptDialog& d) {
        for (const DIALOGITEM& item : kSample.items) {
            CWnd* control = d.GetDlgItem(item.id);
            ASSERT_NE(control, nullptr) << item.id;
            CRect r;
            control->GetWindowRect(&r);
            d.ScreenToClient(&r);
            placed.emplace_back(r, d.GetDialogUnits().Map(item.x, item.y, item.cx, item.cy));
        }
        CRect c;
        d.GetClientRect(&c);
        client = c.Size();
        d.PostMessage(WM_COMMAND, kEnded);
    };
    EXPECT_EQ(dlg.DoModal(), kEnded);
    for (const auto& [got, expected] : placed) EXPECT_EQ(got, expected);
    EXPECT_EQ(client, dlg.GetDialogUnits().Map(0, 0, 200, 100).Size());
    EXPECT_FALSE(dlg.IsWindow());
}

TEST_F(DialogTest, TheWaysAModalDialogEnds) {
    struct Case {
        const char* name;
        std::function<void(CScriptDialog&)> script;
        int result;
        int oks;
        int cancels;
    };
    const std::vector<Case> cases = {
        {"posted IDOK from a timer", [](CScriptDialog& d) { d.SetTimer(10, 30); }, IDOK, 1, 0},
        {"Escape", [](CScriptDialog& d) { PostKey(d.GetDlgItem(1000), VK_ESCAPE); }, IDCANCEL, 0,
         1},
        {"close box", [](CScriptDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }, IDCANCEL, 0,
         1},
        {"posted WM_CLOSE", [](CScriptDialog& d) { d.PostMessage(WM_CLOSE); }, IDCANCEL, 0, 1},
        {"Enter takes the default button",
         [](CScriptDialog& d) { PostKey(d.GetDlgItem(1000), VK_RETURN); }, IDOK, 1, 0},
        {"Enter on a focused push button clicks it",
         [](CScriptDialog& d) {
             d.GotoDlgCtrl(d.GetDlgItem(IDCANCEL));
             d.initResult = FALSE;
             PostKey(d.GetDlgItem(IDCANCEL), VK_RETURN);
         },
         IDCANCEL, 0, 1},
        {"a click on Cancel",
         [](CScriptDialog& d) {
             CWnd* cancel = d.GetDlgItem(IDCANCEL);
             cancel->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
             cancel->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
         },
         IDCANCEL, 0, 1},
        {"any code given to EndDialog", [](CScriptDialog& d) { d.EndDialog(42); }, 42, 0, 0},
    };
    for (const Case& c : cases) {
        CScriptDialog dlg;
        dlg.onInit = c.script;
        EXPECT_EQ(dlg.DoModal(), c.result) << c.name;
        EXPECT_EQ(dlg.okCount, c.oks) << c.name;
        EXPECT_EQ(dlg.cancelCount, c.cancels) << c.name;
    }
}

TEST_F(DialogTest, OtherWindowsKeepWorkingAndTheOwnerIsDisabledMeanwhile) {
    CRecorderWnd owner;
    ASSERT_TRUE(owner.CreatePopup());
    CRecorderWnd other;
    ASSERT_TRUE(other.CreatePopup());
    bool ownerEnabled = true;
    int nestedResult = 0;
    CScriptDialog outer;
    other.hooks[kScript] = [&](WPARAM, LPARAM) {
        ownerEnabled = owner.IsWindowEnabled() != FALSE;
        // A dialog opened from inside the first one's loop.
        CScriptDialog nested;
        nested.onInit = [&](CScriptDialog&) { other.SetTimer(5, 5); };
        other.hooks[WM_TIMER] = [&](WPARAM, LPARAM) {
            other.KillTimer(5);
            nested.PostMessage(WM_COMMAND, kEnded);
            return 0;
        };
        nestedResult = nested.DoModal();
        outer.PostMessage(WM_COMMAND, kEnded);
        return 0;
    };
    outer.onInit = [&](CScriptDialog&) { other.PostMessage(kScript); };
    CMainWindow::Set(&owner);
    EXPECT_EQ(outer.DoModal(), kEnded);
    CMainWindow::Set(nullptr);
    EXPECT_FALSE(ownerEnabled) << "the main window is the owner of a dialog without a parent";
    EXPECT_EQ(nestedResult, kEnded);
    EXPECT_GE(other.Count(WM_TIMER), 1) << "timers of other windows fire inside the loop";
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(DialogTest, DataExchangeFillsAndReadsTheControls) {
    CScriptDialog dlg;
    dlg.number = 250;
    dlg.check = 1;
    dlg.radio = 1;
    std::string shown;
    int checkShown = -1, twoChecked = -1;
    dlg.onInit = [&](CScriptDialog& d) {
        shown = d.GetDlgItemText(1000);
        checkShown = static_cast<int>(d.IsDlgButtonChecked(1001));
        twoChecked = static_cast<int>(d.IsDlgButtonChecked(1003));
        d.SetDlgItemText(1000, "77");
        d.CheckDlgButton(1001, 0);
        d.CheckRadioButton(1002, 1003, 1002);
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(shown, "250");
    EXPECT_EQ(checkShown, 1);
    EXPECT_EQ(twoChecked, 1);
    EXPECT_EQ(dlg.number, 77);
    EXPECT_EQ(dlg.check, 0);
    EXPECT_EQ(dlg.radio, 0);
}

TEST_F(DialogTest, ARefusedValueKeepsTheDialogOpen) {
    CAutoAnswer::Set(true);  // the complaint answers itself
    CScriptDialog dlg;
    CRecorderWnd helper;
    ASSERT_TRUE(helper.CreatePopup());
    helper.hooks[kScript] = [&](WPARAM, LPARAM) {
        EXPECT_TRUE(dlg.IsWindowVisible());
        dlg.SetDlgItemText(1000, "12");
        dlg.PostMessage(WM_COMMAND, IDOK);
        return 0;
    };
    dlg.onInit = [&](CScriptDialog& d) {
        // An ES_NUMBER field takes no letters from the keyboard, but a
        // program can put them there.
        d.SetDlgItemText(1000, "12x");
        d.PostMessage(WM_COMMAND, IDOK);
        helper.PostMessage(kScript);
    };
    testing::internal::CaptureStderr();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(dlg.okCount, 2);
    EXPECT_EQ(dlg.number, 12);
    EXPECT_NE(err.find("Please enter an integer."), std::string::npos);
}

TEST_F(DialogTest, GetDlgItemIntReadsWholeNumbersOnly) {
    struct Case {
        const char* text;
        BOOL isSigned;
        BOOL ok;
        int value;
    };
    const Case cases[] = {
        {"42", TRUE, TRUE, 42},         {" -17 ", TRUE, TRUE, -17},
        {"-17", FALSE, FALSE, 0},       {"", TRUE, FALSE, 0},
        {"12x", TRUE, FALSE, 0},        {"2147483647", TRUE, TRUE, 2147483647},
        {"2147483648", TRUE, FALSE, 0}, {"99999999999999999999", TRUE, FALSE, 0},
    };
    CScriptDialog dlg;
    dlg.onInit = [&](CScriptDialog& d) {
        for (const Case& c : cases) {
            d.SetDlgItemText(1004, c.text);
            BOOL ok = -1;
            const int value = d.GetDlgItemInt(1004, &ok, c.isSigned);
            EXPECT_EQ(ok, c.ok) << c.text;
            EXPECT_EQ(value, c.value) << c.text;
        }
        d.PostMessage(WM_COMMAND, kEnded);
    };
    EXPECT_EQ(dlg.DoModal(), kEnded);
}

// A dialog that attaches its own window object to the custom control.
class CHostDialog : public CScriptDialog {
public:
    CLinesWnd text;
    bool attached = false;

protected:
    BOOL OnInitDialog() override {
        attached = text.SubclassDlgItem(1005, this) != FALSE;
        return CScriptDialog::OnInitDialog();
    }
};

TEST_F(DialogTest, ACustomControlFilledBeforeDoModalKeepsItsContent) {
    CHostDialog dlg;
    dlg.text.lines = {"first", "second"};
    CRect where, expected;
    CWnd* found = nullptr;
    dlg.onInit = [&](CScriptDialog& d) {
        found = d.GetDlgItem(1005);
        dlg.text.GetWindowRect(&where);
        d.ScreenToClient(&where);
        expected = d.GetDialogUnits().Map(70, 40, 60, 50);
        dlg.text.Invalidate();
        dlg.text.UpdateWindow();
        d.PostMessage(WM_COMMAND, kEnded);
    };
    EXPECT_EQ(dlg.DoModal(), kEnded);
    EXPECT_TRUE(dlg.attached);
    EXPECT_EQ(found, &dlg.text);
    EXPECT_EQ(where, expected);
    EXPECT_EQ(dlg.text.lines, (std::vector<std::string>{"first", "second"}));
    EXPECT_GE(dlg.text.paints, 1) << "the attached object paints the control";
    EXPECT_FALSE(dlg.text.IsWindow()) << "destroyed with the dialog";
}

TEST_F(DialogTest, TabMovesBetweenTabStopsAndIntoTheCheckedRadio) {
    CScriptDialog dlg;
    std::vector<UINT> order;
    dlg.onInit = [&](CScriptDialog& d) {
        d.CheckRadioButton(1002, 1003, 1003);
        d.GotoDlgCtrl(d.GetDlgItem(1));
        for (int i = 0; i < 5; ++i) {
            CWnd* next = d.GetNextDlgTabItem(CWnd::GetFocus());
            d.GotoDlgCtrl(next);
            order.push_back(next ? next->GetDlgCtrlID() : 0);
        }
        d.PostMessage(WM_COMMAND, kEnded);
    };
    EXPECT_EQ(dlg.DoModal(), kEnded);
    EXPECT_EQ(order, (std::vector<UINT>{2, 1000, 1001, 1003, 1}));
}

TEST_F(DialogTest, TemplatesAreFoundById) {
    CDialogTemplateRegistry::Register(&kSample);
    class CById : public CDialog {
    public:
        CById() : CDialog(500u) {}

    protected:
        BOOL OnInitDialog() override {
            CDialog::OnInitDialog();
            PostMessage(WM_COMMAND, IDCANCEL);
            return TRUE;
        }
    };
    CById byId;
    EXPECT_EQ(byId.DoModal(), IDCANCEL);
    CDialogTemplateRegistry::Unregister(500);
    CById missing;
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST_F(DialogTest, ACentredDialogGoesByTheScreenWhileItsOwnerIsHidden) {
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    DIALOGTEMPLATE centred = kSample;
    centred.style |= DS_CENTER;
    struct SCase {
        const char* name;
        DWORD ownerStyle;
    };
    for (const SCase& c :
         {SCase{"hidden owner", WS_POPUP}, SCase{"small shown owner", WS_POPUP | WS_VISIBLE}}) {
        SCOPED_TRACE(c.name);
        CRecorderWnd owner;
        ASSERT_TRUE(owner.CreatePopup(CRect(0, 0, 40, 30), nullptr, c.ownerStyle));
        CScriptDialog dlg;
        ASSERT_TRUE(dlg.CreateIndirect(&centred, &owner));
        CRect r;
        dlg.GetWindowRect(&r);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        if (!(c.ownerStyle & WS_VISIBLE)) {
            // Centred on the screen, give or take the frame.
            EXPECT_NEAR((r.left + r.right) / 2, screenW / 2, 16);
            EXPECT_NEAR((r.top + r.bottom) / 2, screenH / 2, 32);
        }
        dlg.DestroyWindow();
    }
}

TEST_F(DialogTest, AModelessDialogStaysUntilDestroyed) {
    CScriptDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(&kSample, nullptr));
    dlg.ShowWindow(SW_SHOW);
    EXPECT_FALSE(dlg.IsModal());
    dlg.PostMessage(WM_COMMAND, IDCANCEL);
    PumpPendingMessages();
    EXPECT_TRUE(dlg.IsWindow());
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
}

TEST_F(DialogTest, MessageBoxesUnderAutoAnswerTakeTheDefaultAndLogIt) {
    CAutoAnswer::Set(true);
    struct Case {
        UINT type;
        int answer;
    };
    const Case cases[] = {{MB_OK, IDOK},
                          {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
                          {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO},
                          {MB_YESNO, IDYES},
                          {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL}};
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(MessageBox(nullptr, "End Game\nreally?", "MERCAVO", c.type), c.answer);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("MERCAVO"), std::string::npos);
        EXPECT_NE(err.find("End Game really?"), std::string::npos) << err;
    }
}

TEST_F(DialogTest, MessageBoxesAnswerWithTheirButtonsAndEscape) {
    struct Case {
        UINT type;
        int key;  // 0 = a click on `button`
        int button;
        int answer;
    };
    const Case cases[] = {
        {MB_OKCANCEL, VK_ESCAPE, 0, IDCANCEL},
        {MB_OK | MB_ICONEXCLAMATION, VK_ESCAPE, 0, IDOK},
        {MB_YESNO | MB_DEFBUTTON2, VK_RETURN, 0, IDNO},
        {MB_YESNO, 0, IDYES, IDYES},
        // Escape means nothing in a Yes/No box; the guard ends it.
        {MB_YESNO, VK_ESCAPE, 0, -2},
    };
    for (const Case& c : cases) {
        CMessageBox box(nullptr, "Reset Default Value.", "MERCAVO", c.type);
        CRecorderWnd driver;
        ASSERT_TRUE(driver.CreatePopup());
        driver.hooks[kScript] = [&](WPARAM, LPARAM) {
            CMessageBox* open = CMessageBox::GetOpen();
            EXPECT_EQ(open, &box);
            if (!open) return 0;
            if (c.key) {
                PostKey(CWnd::GetFocus() ? CWnd::GetFocus() : open, c.key);
            } else {
                open->GetDlgItem(c.button)->SendMessage(BM_CLICK);
            }
            driver.SetTimer(1, 300);
            return 0;
        };
        driver.hooks[WM_TIMER] = [&](WPARAM, LPARAM) {
            driver.KillTimer(1);
            if (CMessageBox* open = CMessageBox::GetOpen()) open->EndDialog(-2);
            return 0;
        };
        driver.PostMessage(kScript);
        EXPECT_EQ(box.DoModal(), c.answer) << c.type << " " << c.key;
        EXPECT_EQ(CMessageBox::GetOpen(), nullptr);
    }
}

}  // namespace
