#pragma once
// A dialog made from a template of ours: a pop-up window with the
// template's controls, run modally (DoModal) or modelessly (Create).
//
// Modal: DoModal creates the window and its controls, sends WM_INITDIALOG
// (OnInitDialog), shows the dialog and runs a nested loop until EndDialog;
// the owner is disabled meanwhile, and every message of the program keeps
// flowing (timers, posted commands, other windows). The dialog's own
// keys: Escape, the close box and WM_CLOSE reach OnCancel (through
// WM_COMMAND IDCANCEL); Enter clicks the focused push button or the
// default button; Tab and Shift+Tab move the focus between controls with
// WS_TABSTOP; arrow keys move between the radio buttons of a group.
//
// Controls made from a template are objects of the standard control
// classes (CButton, CEdit, CListBox, ...), so GetDlgItem can be cast to
// them; custom controls are plain windows of their registered class, which
// a dialog attaches to its own objects with SubclassDlgItem.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Wnd.h"

class CDataExchange;
class CFont;

class CDialog : public CWnd {
public:
    CDialog();
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(const DIALOGTEMPLATE* dialog, CWnd* parent = nullptr);
    ~CDialog() override;

    // IDOK, IDCANCEL or the code given to EndDialog; -1 when the template
    // is missing, the window cannot be made, or the program quits meanwhile.
    virtual int DoModal();
    // A modeless dialog; it stays until DestroyWindow.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL CreateIndirect(const DIALOGTEMPLATE* dialog, CWnd* parent = nullptr);
    // Ends a modal dialog with the result (DoModal returns it) and hides it;
    // a modeless one is only hidden.
    void EndDialog(int result);
    bool IsModal() const { return m_modal; }
    // EndDialog was called since the dialog was made: it is ending and its
    // loop returns once the current message is handled.
    bool IsEnding() const { return m_endPending; }

    // Tests answer dialogs as a person would: the hook runs for every dialog
    // once its OnInitDialog has returned, with the dialog and its template
    // id (0 for a template given directly), and may post keys, clicks and
    // text to it. nullptr: none.
    using InitHook = std::function<void(CDialog&, int templateId)>;
    static void SetInitHook(InitHook hook);
    // Whether a test scripts the dialogs now (an unattended run then
    // still opens the dialogs that would answer themselves).
    static bool HasInitHook();

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Runs DoDataExchange to read the controls (TRUE) or to fill them
    // (FALSE); FALSE when a value was refused.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Controls by id.
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, int value, BOOL isSigned = TRUE);
    // The number at the start of the text (spaces allowed around it);
    // *translated tells whether there was one that fits.
    int GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    // Checks `check` and clears every other radio button of first..last.
    void CheckRadioButton(int first, int last, int check);
    int GetCheckedRadioButton(int first, int last) const;

    // Focus and the default button.
    void GotoDlgCtrl(CWnd* control);
    void NextDlgCtrl();
    void PrevDlgCtrl();
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const;
    void SetDefID(UINT id);
    UINT GetDefID() const;

    // Dialog units of this dialog's font to pixels.
    void MapDialogRect(RECT* rect) const;
    const CDialogUnits& GetDialogUnits() const { return m_units; }
    CFont* GetDialogFont() const { return m_font.get(); }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnClose() override;

private:
    const DIALOGTEMPLATE* ResolveTemplate() const;
    bool CreateFromTemplate(const DIALOGTEMPLATE& dialog, CWnd* owner);
    bool CreateItem(const DIALOGITEM& item);
    CRect PlaceDialog(const DIALOGTEMPLATE& dialog, CWnd* owner, const CSize& client) const;
    bool HandleKey(MSG* msg);
    bool ClickButton(int id, bool onlyUsable);

    UINT m_templateId = 0;
    const DIALOGTEMPLATE* m_template = nullptr;
    CWnd* m_parentWnd = nullptr;
    std::unique_ptr<CFont> m_font;
    CDialogUnits m_units{1, 1};
    std::vector<std::unique_ptr<CWnd>> m_items;
    bool m_modal = false;
    bool m_endPending = false;
    int m_endResult = 0;
    UINT m_defId = 0;
};
