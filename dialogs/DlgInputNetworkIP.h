#pragma once
// The network address prompt (dialog 381, "Network setting") shown when a
// saved network game is reopened: one address field, preset by the
// caller. OK needs an address; Escape leaves the preset one. The second
// text (the game's password) is never asked for and stays empty.
//
// In an unattended run (and no test scripting the dialogs) it takes the
// preset address at once and logs it.

#include <string>

#include "platform/ui/Dialog.h"

class CDlgInputNetworkIP : public CDialog {
public:
    explicit CDlgInputNetworkIP(CWnd* parent = nullptr);

    void SetAddress(const std::string& address) { m_address = address; }
    std::string GetAddress() const { return m_address; }
    std::string GetSecondText() const { return m_secondText; }

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    std::string m_address;
    std::string m_secondText;
};
