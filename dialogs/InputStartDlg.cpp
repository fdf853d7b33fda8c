#include "dialogs/InputStartDlg.h"

#include "model/AppFonts.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Messages.h"
#include "platform/ui/SystemMetrics.h"
#include "resources/SetUpIds.h"
#include "views/BlockHost.h"

CInputStartDlg::CInputStartDlg(std::function<bool()> load, CWnd* parent)
    : CDialog(setup_ids::kStartDialog, parent), m_loadGame(std::move(load)) {}

int CInputStartDlg::DoModal() {
    if (CAutoAnswer::IsAutoAnswer() && !CDialog::HasInitHook()) {
        CAutoAnswer::Log("MERCAVO-START", kPrompt, "&New Game");
        m_choice = 1;
        m_chosen = 1;
        return IDOK;
    }
    return CDialog::DoModal();
}

BOOL CInputStartDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_logo.SubclassDlgItem(setup_ids::kLogo, this);
    m_logo.StartAnimation(kLogoPeriodMs);
    m_text.SubclassDlgItem(setup_ids::kText, this);
    IBlockHost* host = IBlockHost::Get();
    CFont* font = host && host->GetAppFonts() ? host->GetAppFonts()->GetMessageFont2() : nullptr;
    m_text.AddText(CPoint(0, 0), kPrompt, GetSysColor(COLOR_BTNTEXT), font, CDrawTextWnd::kNoMark,
                   0);
    m_text.CenterLine(0);
    m_newGame.SubclassDlgItem(setup_ids::kNewGame, this);
    m_newGame.SetPicture(CStartSelectBtn::kNewGamePicture);
    m_load.SubclassDlgItem(setup_ids::kLoadData, this);
    m_load.SetPicture(CStartSelectBtn::kLoadPicture);
    GotoDlgCtrl(&m_load);
    SetWindowPos(wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return FALSE;
}

// Enter on a picture button would press it: the start dialog takes Enter
// as OK, which waits for a choice.
BOOL CInputStartDlg::PreTranslateMessage(MSG* msg) {
    CWnd* focus = GetFocus();
    const bool mine = msg && IsWindow() && focus && (focus == this || focus->GetParent() == this);
    if (mine && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        OnOK();
        return TRUE;
    }
    if (mine && msg->message == WM_CHAR && msg->wParam == '\r') return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CInputStartDlg::OnOK() {
    if (m_chosen) CDialog::OnOK();
}

BOOL CInputStartDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case setup_ids::kNewGame:
                Choose(1);
                return TRUE;
            case setup_ids::kLoadData:
                OnLoadData();
                return TRUE;
            default:
                break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CInputStartDlg::OnLoadData() {
    if (m_loadGame && m_loadGame()) Choose(0);
}

void CInputStartDlg::Choose(int choice) {
    m_choice = choice;
    m_logo.StopAnimation();
    m_chosen = 1;
    EndDialog(IDOK);
}
