#pragma once
// The start choice (dialog 357): a new game, or a saved game loaded. Two
// picture buttons under the animated logo and the prompt "Select one".
// "&Load Data" runs the load step that the frame hands over (the saved-game
// file prompt and the opening of the file); a cancelled or failed load
// leaves the dialog open. Enter does nothing until a choice was made;
// Escape and the close box end it unchosen.
//
// In an unattended run (and no test scripting the dialogs) it takes
// "&New Game" at once and logs it.

#include <functional>

#include "dialogs/StartSelectBtn.h"
#include "platform/ui/Dialog.h"
#include "views/DrawTextWnd.h"
#include "views/LogoMarkWnd.h"

class CInputStartDlg : public CDialog {
public:
    static constexpr const char* kPrompt = "Select one";
    static constexpr int kLogoPeriodMs = 200;

    // load: asks for a saved game and opens it; true when it loaded.
    explicit CInputStartDlg(std::function<bool()> load, CWnd* parent = nullptr);

    int DoModal() override;
    // 1 once a button was pressed successfully.
    int IsChosen() const { return m_chosen; }
    // 1: a new game; 0: a saved game was loaded.
    int GetChoice() const { return m_choice; }

    CStartSelectBtn& GetButton(int picture) { return picture == 0 ? m_newGame : m_load; }
    CLogoMarkWnd& GetLogo() { return m_logo; }
    CDrawTextWnd& GetTextWnd() { return m_text; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void Choose(int choice);
    void OnLoadData();

    std::function<bool()> m_loadGame;
    int m_choice = 1;
    int m_chosen = 0;
    CLogoMarkWnd m_logo;
    CStartSelectBtn m_newGame;
    CStartSelectBtn m_load;
    CDrawTextWnd m_text;
};
