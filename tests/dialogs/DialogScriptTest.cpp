// The bench's script answers a dialog as a person would: Space on a focused
// check box, typed text, a list item and a combo item picked, then OK; and
// finds a window that is not a dialog by its caption.

#include <gtest/gtest.h>

#include "dialogs/DialogBench.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplateRegistry.h"
#include "platform/ui/ListBox.h"

namespace {

constexpr int kFormTemplate = 9101;
constexpr int kName = 1000, kCheck = 1001, kList = 1002, kCombo = 1003;

const DIALOGTEMPLATE kForm = {
    kFormTemplate,
    "Form",
    "MS Sans Serif",
    8,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    0,
    0,
    200,
    110,
    {{kCheck, DialogItemKind::Button, nullptr, "Check", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
      7, 7, 60, 10},
     {kName, DialogItemKind::Edit, nullptr, "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, 7, 22, 80, 12},
     {kList, DialogItemKind::ListBox, nullptr, "", WS_VISIBLE | WS_TABSTOP | WS_BORDER | LBS_NOTIFY,
      7, 38, 80, 50},
     {kCombo, DialogItemKind::ComboBox, nullptr, "",
      WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 95, 22, 80, 60},
     {IDOK, DialogItemKind::Button, nullptr, "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 140,
      90, 50, 14}}};

class CFormDlg : public CDialog {
public:
    CFormDlg() : CDialog(kFormTemplate, nullptr) {}
    std::string name;
    int checked = -1, listPick = -1, comboPick = -1;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        for (const char* item : {"North", "East", "South", "West"}) {
            static_cast<CListBox*>(GetDlgItem(kList))->AddString(item);
            static_cast<CComboBox*>(GetDlgItem(kCombo))->AddString(item);
        }
        return TRUE;
    }
    void OnOK() override {
        name = GetDlgItemText(kName);
        checked = static_cast<int>(IsDlgButtonChecked(kCheck));
        listPick = static_cast<CListBox*>(GetDlgItem(kList))->GetCurSel();
        comboPick = static_cast<CComboBox*>(GetDlgItem(kCombo))->GetCurSel();
        CDialog::OnOK();
    }
};

class DialogScriptTest : public DialogBench {
protected:
    void SetUp() override {
        DialogBench::SetUp();
        RegisterTemplate(kForm);
    }
};

TEST_F(DialogScriptTest, TheScriptFillsADialogAsAPersonWould) {
    CFormDlg form;
    int hookTemplate = 0;
    CDialog::SetInitHook([&](CDialog& d, int templateId) {
        hookTemplate = templateId;
        using namespace dialog_script;
        // The check box has the focus first: Space checks it.
        PressKey(d, VK_SPACE);
        Type(*d.GetDlgItem(kName), "Harbour");
        PickListItem(*static_cast<CListBox*>(d.GetDlgItem(kList)), 2);
        PickComboItem(*static_cast<CComboBox*>(d.GetDlgItem(kCombo)), 3);
        Click(*d.GetDlgItem(IDOK));
    });
    EXPECT_EQ(form.DoModal(), IDOK);
    EXPECT_EQ(hookTemplate, kFormTemplate);
    EXPECT_EQ(form.checked, 1);
    EXPECT_EQ(form.name, "Harbour");
    EXPECT_EQ(form.listPick, 2);
    EXPECT_EQ(form.comboPick, 3);
}

TEST_F(DialogScriptTest, AWindowThatIsNotADialogIsFoundByItsCaption) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "Company list", WS_POPUP | WS_VISIBLE,
                                CRect(0, 0, 100, 60), nullptr, 0));
    EXPECT_EQ(dialog_script::FindTopWindow("Company list"), &window);
    EXPECT_EQ(dialog_script::FindTopWindow("Founding"), nullptr);
    window.DestroyWindow();
}

}  // namespace
