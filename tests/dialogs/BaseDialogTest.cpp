// The dialog base: when a dialog confirms itself, when it plays its
// opening sound, the position all dialogs share, how it closes, the open
// dialog the frame knows of, and the ends that nobody could mend (a refused
// OK at the time-out, the network's forced end).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/BaseDialog.h"
#include "dialogs/DialogBench.h"
#include "platform/ui/DialogTemplateRegistry.h"
#include "platform/ui/Edit.h"

namespace {

constexpr int kOrderTemplate = 9100;
constexpr int kAmountEdit = 1000;
// The test's own command: opens a report over the dialog.
constexpr UINT kOpenReport = 5000;

const DIALOGTEMPLATE kOrderDialog = {kOrderTemplate,
                                     "Order",
                                     "MS Sans Serif",
                                     8,
                                     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                                     0,
                                     0,
                                     160,
                                     50,
                                     {{kAmountEdit, DialogItemKind::Edit, nullptr, "",
                                       WS_VISIBLE | WS_TABSTOP | WS_BORDER, 7, 7, 80, 12},
                                      {IDOK, DialogItemKind::Button, nullptr, "OK",
                                       WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 105, 6, 50, 14},
                                      {IDCANCEL, DialogItemKind::Button, nullptr, "Cancel",
                                       WS_VISIBLE | WS_TABSTOP, 105, 24, 50, 14}}};

// An order dialog as the later ones are: OnOK takes a typed amount of 1 or
// more and refuses anything else (beep, the edit selected); an OK that
// can be disabled is re-tested in OnOK.
class CTestOrderDlg : public CBaseDialog {
public:
    explicit CTestOrderDlg(bool restorePosition = true) : CBaseDialog(kOrderTemplate, nullptr) {
        SetRestorePosition(restorePosition ? 1 : 0);
    }
    bool disableOk = false;
    int amount = 0;
    int oks = 0;
    std::vector<UINT_PTR> timers;
    // Runs for each timer after the base has seen it.
    std::function<void(CTestOrderDlg&, UINT_PTR)> onTimer;
    std::function<void(CTestOrderDlg&)> onOpenReport;

protected:
    BOOL OnInitDialog() override {
        CBaseDialog::OnInitDialog();
        GetDlgItem(IDOK)->EnableWindow(disableOk ? FALSE : TRUE);
        return TRUE;
    }
    void OnOK() override {
        ++oks;
        if (!GetDlgItem(IDOK)->IsWindowEnabled()) return;
        BOOL read = FALSE;
        const int value = GetDlgItemInt(kAmountEdit, &read);
        if (!read || value < 1) {
            MessageBeep(0);
            static_cast<CEdit*>(GetDlgItem(kAmountEdit))->SetSel(0, -1);
            GotoDlgCtrl(GetDlgItem(kAmountEdit));
            return;
        }
        amount = value;
        EndDialog(IDOK);
    }
    void OnTimer(UINT_PTR id) override {
        timers.push_back(id);
        CBaseDialog::OnTimer(id);
        if (onTimer) onTimer(*this, id);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kOpenReport && onOpenReport) {
            onOpenReport(*this);
            return TRUE;
        }
        return CBaseDialog::OnCommand(wParam, lParam);
    }
};

class BaseDialogTest : public DialogBench {
protected:
    void SetUp() override {
        DialogBench::SetUp();
        RegisterTemplate(kOrderDialog);
    }
    static CPoint TopLeft(CWnd& window) {
        CRect rect;
        window.GetWindowRect(&rect);
        return rect.TopLeft();
    }
    // Where a dialog of the template opens on its own.
    CPoint PlainPlace() {
        CPoint at;
        OnOpen([&](CDialog& d) {
            at = TopLeft(d);
            d.EndDialog(IDCANCEL);
        });
        CDialog plain(kOrderTemplate, nullptr);
        plain.DoModal();
        return at;
    }
};

TEST_F(BaseDialogTest, WhenADialogConfirmsItselfAndWhenItSounds) {
    struct SCase {
        const char* name;
        int humans;
        std::function<void(CBaseDialog&)> setUp;
        int armed;  // the period timer 10 was asked for; -1 none
        int effects;
    };
    const SCase cases[] = {
        {"computer companies only", 0, [](CBaseDialog&) {}, 3000, 0},
        {"human players", 2, [](CBaseDialog&) {}, -1, 1},
        {"human players, silent", 2, [](CBaseDialog& d) { d.SetFrameNotify(0); }, -1, 0},
        {"human players, auto-close", 2, [](CBaseDialog& d) { d.SetAutoClose(5000); }, 5000, 0},
        // Nobody is at the screen in an unattended run.
        {"human players, unattended", 2, [](CBaseDialog&) { CAutoAnswer::Set(true); }, 3000, 0},
    };
    SmallGame(0);
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(doc.SetPlayerCount(c.humans, 1), 1);
        CAutoAnswer::Set(false);
        host.effects.clear();
        CTestOrderDlg dialog;
        c.setUp(dialog);
        // The amount a person would type; the time-out takes it as it is.
        OnOpen([&](CDialog& d) {
            d.SetDlgItemInt(kAmountEdit, 12);
            // Nobody answers a dialog that confirms itself; a person
            // presses Enter.
            if (c.armed < 0) dialog_script::PressKey(d, VK_RETURN);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.GetArmedTimeout(), c.armed);
        EXPECT_EQ(dialog.amount, 12);
        EXPECT_EQ(host.effects, std::vector<int>(static_cast<size_t>(c.effects), 3));
        EXPECT_EQ(dialog.timers, c.armed < 0 ? std::vector<UINT_PTR>{}
                                             : std::vector<UINT_PTR>{CBaseDialog::kTimeoutTimer});
    }
}

TEST_F(BaseDialogTest, ATimerOfAnotherIdEndsNothing) {
    SmallGame(2);
    CTestOrderDlg dialog;
    OnOpen([](CDialog& d) { d.SetTimer(11, 1); });
    dialog.onTimer = [](CTestOrderDlg& d, UINT_PTR id) {
        if (id != 11) return;
        d.KillTimer(11);
        // Still open: a person answers with Escape.
        dialog_script::PressKey(d, VK_ESCAPE);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.timers, std::vector<UINT_PTR>{11});
    EXPECT_EQ(dialog.oks, 0);
}

TEST_F(BaseDialogTest, EveryDialogOpensWhereTheLastOneClosed) {
    SmallGame(2);
    const CPoint plain = PlainPlace();
    std::vector<CPoint> opened;
    // The first dialog of the run opens in its own place; the script moves
    // it before it closes.
    OnOpen([&](CDialog& d) {
        opened.push_back(TopLeft(d));
        d.SetWindowPos(nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        d.PostMessage(WM_COMMAND, IDCANCEL);
    });
    CTestOrderDlg first;
    first.DoModal();
    EXPECT_EQ(host.dialogPos, CPoint(40, 50));
    // Then a dialog of another class, and one that keeps to its own place.
    OnOpen([&](CDialog& d) {
        opened.push_back(TopLeft(d));
        d.PostMessage(WM_COMMAND, IDCANCEL);
    });
    CMyMessageDlg report;
    report.DoModal();
    const size_t stores = host.storedPositions.size();
    CTestOrderDlg keepsItsPlace(false);
    keepsItsPlace.DoModal();
    EXPECT_EQ(host.storedPositions.size(), stores);
    // A dialog left with its left edge off the screen stores that x, and
    // the next one opens where it would.
    OnOpen([](CDialog& d) {
        d.SetWindowPos(nullptr, -5, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        d.PostMessage(WM_COMMAND, IDCANCEL);
    });
    CTestOrderDlg leftOffScreen;
    leftOffScreen.DoModal();
    // (The window system may pull the edge back a little, not on screen.)
    EXPECT_LT(host.dialogPos.x, 0);
    OnOpen([&](CDialog& d) {
        opened.push_back(TopLeft(d));
        d.PostMessage(WM_COMMAND, IDCANCEL);
    });
    CTestOrderDlg offScreen;
    offScreen.DoModal();
    EXPECT_EQ(opened, (std::vector<CPoint>{plain, CPoint(40, 50), plain, plain}));
}

TEST_F(BaseDialogTest, TheCloseBoxAndAPostedCloseCancel) {
    SmallGame(2);
    const std::function<void(CDialog&)> closes[] = {
        [](CDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); },
        [](CDialog& d) { d.PostMessage(WM_CLOSE); },
    };
    for (const auto& close : closes) {
        CTestOrderDlg dialog;
        OnOpen(close);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(host.openDialog, nullptr);
    }
}

TEST_F(BaseDialogTest, TheNetworkWindowComesBackAfterTheDialogInNetworkPlayOnly) {
    SmallGame(2);
    for (int network : {1, 0}) {
        for (int key : {VK_RETURN, VK_ESCAPE}) {
            SCOPED_TRACE(std::to_string(network) + " " + std::to_string(key));
            host.networkGame = network;
            host.networkWindow.clear();
            CTestOrderDlg dialog;
            dialog.SetReshowNetworkWindow();
            OnOpen([key](CDialog& d) {
                d.SetDlgItemInt(kAmountEdit, 3);
                dialog_script::PressKey(d, key);
            });
            dialog.DoModal();
            using Calls = std::vector<std::array<int, 3>>;
            const Calls expected = network ? Calls{{0, 1, 0}} : Calls{};
            EXPECT_EQ(host.networkWindow, expected);
        }
    }
}

TEST_F(BaseDialogTest, ARefusedOkAtTheTimeOutEndsAsACancel) {
    SmallGame(0);
    struct SCase {
        const char* name;
        bool disableOk;
        const char* typed;
    };
    // An empty amount is refused by OnOK; a disabled OK by its re-test.
    const SCase cases[] = {{"empty amount", false, ""}, {"disabled OK", true, "12"}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CTestOrderDlg dialog;
        dialog.disableOk = c.disableOk;
        OnOpen([&](CDialog& d) { d.SetDlgItemText(kAmountEdit, c.typed); });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(dialog.oks, 1);
        EXPECT_EQ(dialog.amount, 0);
    }
    // The refusal a person sees: a beep, and the dialog stays for them.
    ASSERT_EQ(doc.SetPlayerCount(2, 1), 1);
    const int beeps = Beeps();
    CTestOrderDlg byHand;
    OnOpen([](CDialog& d) {
        dialog_script::PressKey(d, VK_RETURN);
        dialog_script::Type(*d.GetDlgItem(kAmountEdit), "7");
        dialog_script::Click(*d.GetDlgItem(IDOK));
    });
    EXPECT_EQ(byHand.DoModal(), IDOK);
    EXPECT_EQ(byHand.oks, 2);
    EXPECT_EQ(byHand.amount, 7);
    EXPECT_EQ(Beeps() - beeps, 1);
}

TEST_F(BaseDialogTest, AReportOverAnOrderDialogGivesTheFrameBackTheOrderDialog) {
    SmallGame(2);
    CTestOrderDlg order;
    CBaseDialog* openUnderReport = nullptr;
    CBaseDialog* coveredByReport = nullptr;
    CBaseDialog* openAfterReport = nullptr;
    order.onOpenReport = [&](CTestOrderDlg& d) {
        CMyMessageDlg report(&d);
        CDialog::SetInitHook([&](CDialog& r, int) {
            openUnderReport = host.openDialog;
            coveredByReport = report.GetCoveredDialog();
            r.PostMessage(WM_COMMAND, IDOK);
        });
        report.DoModal();
        openAfterReport = host.openDialog;
        d.EndDialog(IDCANCEL);
    };
    OnOpen([](CDialog& d) { d.PostMessage(WM_COMMAND, kOpenReport); });
    order.DoModal();
    EXPECT_NE(openUnderReport, nullptr);
    EXPECT_NE(openUnderReport, &order);
    EXPECT_EQ(coveredByReport, &order);
    EXPECT_EQ(openAfterReport, &order);
    EXPECT_EQ(host.openDialog, nullptr);
}

TEST_F(BaseDialogTest, TheForcedEndEndsTheDialogOnTop) {
    SmallGame(2);
    EXPECT_FALSE(CBaseDialog::EndForced());
    host.commandInput = 1;
    struct SCase {
        const char* name;
        std::function<CBaseDialog*()> make;
        // What happened before the turn limit came.
        std::function<void(CDialog&)> before;
        int result;
    };
    CMyMessageDlg report;
    CMyMessageDlg question;
    question.SetYesNoMode(1);
    question.SetCancelShown(1);
    CTestOrderDlg order;
    order.disableOk = true;
    CTestOrderDlg confirmed;
    const auto nothing = [](CDialog&) {};
    const SCase cases[] = {
        {"a plain report during the orders", [&] { return &report; }, nothing, IDOK},
        {"a Yes/No question", [&] { return &question; }, nothing, IDCANCEL},
        {"an order dialog whose OK would refuse", [&] { return &order; }, nothing, IDCANCEL},
        // The person's OK is already ending it: the answer stays.
        {"an order dialog just confirmed", [&] { return &confirmed; },
         [](CDialog& d) { d.EndDialog(IDOK); }, IDOK},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        BOOL ended = FALSE;
        OnOpen([&](CDialog& d) {
            c.before(d);
            ended = CBaseDialog::EndForced();
        });
        EXPECT_EQ(c.make()->DoModal(), c.result);
        EXPECT_TRUE(ended);
        EXPECT_EQ(host.openDialog, nullptr);
    }
}

}  // namespace
