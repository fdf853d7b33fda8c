#pragma once
// Message boxes: a text, a caption, an icon (MB_ICON...), the buttons of
// MB_OK, MB_OKCANCEL, MB_YESNO or MB_YESNOCANCEL and a default button
// (MB_DEFBUTTON1..3). The answer is IDOK, IDCANCEL, IDYES or IDNO. Escape
// and the close box answer IDCANCEL where there is a Cancel button, IDOK
// in a box with only OK, and nothing in a Yes/No box.
//
// With MERCAVO_AUTO_ANSWER=1 (CAutoAnswer) no window opens: the default
// button is the answer at once, and caption, text and answer are written
// to standard error.

#include <string>
#include <vector>

#include "platform/ui/ControlStyles.h"
#include "platform/ui/Dialog.h"

class CMessageBox : public CDialog {
public:
    CMessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type);
    ~CMessageBox() override;

    int DoModal() override;
    // The answer the box gives without a person: its default button's.
    int DefaultAnswer() const;
    // The innermost message box on the screen, or nullptr (code that must
    // break off a question, such as the end of a network turn, closes it).
    static CMessageBox* GetOpen();
    // The caption of AfxMessageBox; "MERCAVO" unless the program sets its
    // own name.
    static void SetApplicationName(const std::string& name);
    static const std::string& GetApplicationName();

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnCancel() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<int> Buttons() const;
    void BuildTemplate();

    std::string m_text;
    std::string m_caption;
    UINT m_type;
    DIALOGTEMPLATE m_dialog;
    CMessageBox* m_outer = nullptr;
};

int MessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type = MB_OK);
// Owned by the main window, captioned with the application's name.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// The warning beep of the window system (type is kept for the callers'
// spelling; every type gives the same beep).
BOOL MessageBeep(UINT type);
// How many beeps the process gave (tests check that one came).
int GetMessageBeepCount();
