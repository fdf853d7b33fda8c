#include "dialogs/DlgInputEnterprise.h"

#include "dialogs/DialogHost.h"
#include "model/services/Services.h"
#include "platform/ui/Edit.h"
#include "platform/ui/MessageBox.h"
#include "resources/SetUpIds.h"

namespace {

using namespace setup_ids;

constexpr int kNameLimit = 24;
constexpr UINT kStartMessage = 0x572;
// The session state of a client that has sent its entry.
constexpr int kEntrySent = 3;

}  // namespace

CDlgInputEnterprise::CDlgInputEnterprise(CWnd* parent) : CDialog(kEnterpriseDialog, parent) {}

BOOL CDlgInputEnterprise::Create(CWnd* parent) {
    return CDialog::Create(kEnterpriseDialog, parent);
}

void CDlgInputEnterprise::SetColourTaken(int colour, int taken) {
    if (colour >= 0 && colour < kColourCount) m_colourTaken[static_cast<size_t>(colour)] = taken;
}

int CDlgInputEnterprise::IsColourTaken(int colour) const {
    if (colour < 0 || colour >= kColourCount) return 0;
    return m_colourTaken[static_cast<size_t>(colour)];
}

BOOL CDlgInputEnterprise::OnInitDialog() {
    CDialog::OnInitDialog();
    m_logo.SubclassDlgItem(kLogo, this);
    m_colours.SubclassDlgItem(kEntryColour, this);
    m_colours.SetOwnerTable(this);
    m_colours.SetSourceFlag(1);
    m_colours.FillColours();
    for (int id : {kEntryCompany, kEntryPlayer})
        static_cast<CEdit*>(GetDlgItem(id))->LimitText(kNameLimit);
    return TRUE;
}

void CDlgInputEnterprise::Restart() {
    IDialogHost* host = IDialogHost::Get();
    m_observer = host ? host->IsObserving() : 0;
    for (int id : {kEntryCompanyLabel, kEntryCompany, kEntryColourLabel, kEntryColour}) {
        if (CWnd* control = GetDlgItem(id)) control->ShowWindow(m_observer ? SW_HIDE : SW_SHOW);
    }
    SetDlgItemText(kEntryPlayerLabel, m_observer ? "&Observer's Name:" : "&Player Name:");
    m_colours.SetCurrentColour(0);
    m_logo.StartAnimation(kLogoPeriodMs);
}

void CDlgInputEnterprise::Refuse(int id) {
    CWnd* control = GetDlgItem(id);
    if (auto* edit = dynamic_cast<CEdit*>(control)) edit->SetSel(0, -1);
    GotoDlgCtrl(control);
    MessageBeep(0);
}

void CDlgInputEnterprise::OnOK() {
    std::string company;
    if (!m_observer) {
        company = GetDlgItemText(kEntryCompany);
        if (company.empty()) {
            Refuse(kEntryCompany);
            return;
        }
    }
    const std::string player = GetDlgItemText(kEntryPlayer);
    if (player.empty()) {
        Refuse(kEntryPlayer);
        return;
    }
    int colour = -1;
    if (!m_observer) {
        colour = m_colours.GetCurrentColour();
        if (colour < 0 || colour >= kColourCount || IsColourTaken(colour)) {
            MessageBeep(0);
            return;
        }
    }
    m_companyName = company;
    m_playerName = player;
    m_colour = colour;
    if (Services::HasNet()) Services::Net().SendEntryData(m_companyName, m_playerName, m_colour);
    ShowWindow(SW_HIDE);
    if (Services::HasNet()) Services::Net().SetSessionState(kEntrySent);
    if (IDialogHost* host = IDialogHost::Get()) {
        host->AddNetworkMessage(kWaitText);
        host->ShowNetworkWindow(0, 1, 0);
    }
}

void CDlgInputEnterprise::OnCancel() {
    if (Services::HasNet()) Services::Net().CloseNetwork();
    if (IDialogHost* host = IDialogHost::Get()) host->PostFrameMessage(kStartMessage);
    CDialog::OnCancel();
}
