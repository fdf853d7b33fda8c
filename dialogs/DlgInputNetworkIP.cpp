#include "dialogs/DlgInputNetworkIP.h"

#include "platform/ui/AutoAnswer.h"
#include "platform/ui/MessageBox.h"
#include "resources/SetUpIds.h"

CDlgInputNetworkIP::CDlgInputNetworkIP(CWnd* parent)
    : CDialog(setup_ids::kNetworkIPDialog, parent) {}

int CDlgInputNetworkIP::DoModal() {
    if (CAutoAnswer::IsAutoAnswer() && !CDialog::HasInitHook()) {
        CAutoAnswer::Log("Network setting", "&IP Address:", m_address);
        return IDCANCEL;
    }
    return CDialog::DoModal();
}

BOOL CDlgInputNetworkIP::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(setup_ids::kAddress, m_address);
    EnableSystemClose(TRUE);
    return TRUE;
}

void CDlgInputNetworkIP::OnOK() {
    const std::string address = GetDlgItemText(setup_ids::kAddress);
    if (address.empty()) {
        MessageBeep(0);
        return;
    }
    m_address = address;
    CDialog::OnOK();
}
