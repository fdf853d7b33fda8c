#pragma once
// The company detail entry of a network game (dialog 379, modeless): a
// client's company name, player name and colour, or an observer's name
// alone, sent to the host once the host has accepted the connection. The
// frame creates it hidden with its own window; the network play fills the
// taken colours, calls Restart and shows it. OK sends the entry and waits
// for the start; Cancel leaves the network game and starts again.

#include <array>
#include <string>

#include "platform/ui/Dialog.h"
#include "views/ColorCmbBox.h"
#include "views/ColorCmbOwner.h"
#include "views/LogoMarkWnd.h"

class CDlgInputEnterprise : public CDialog, public IColorCmbOwner {
public:
    static constexpr int kColourCount = 32;
    static constexpr int kLogoPeriodMs = 500;
    static constexpr const char* kWaitText = "]Please wait to get started.";

    explicit CDlgInputEnterprise(CWnd* parent = nullptr);

    // Creates the hidden dialog.
    BOOL Create(CWnd* parent);
    // 1 for each colour another participant uses (the network play's).
    void SetColourTaken(int colour, int taken);
    int IsColourTaken(int colour) const;
    // Takes the frame's observer flag, shows the controls for it, selects
    // colour 0 and starts the logo.
    void Restart();

    const std::string& GetCompanyName() const { return m_companyName; }
    const std::string& GetPlayerName() const { return m_playerName; }
    int GetColour() const { return m_colour; }
    int IsObserver() const { return m_observer; }
    CColorCmbBox& GetColourList() { return m_colours; }

    // ---- IColorCmbOwner: the lobby's taken colours decide
    int GetColourCompany(int) override { return -1; }
    int GetCurrentCompany() override { return -1; }
    int IsLobbyColourTaken(int colour) override { return IsColourTaken(colour); }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void Refuse(int id);

    std::string m_companyName;
    std::string m_playerName;
    int m_colour = -1;
    int m_observer = 0;
    std::array<int, kColourCount> m_colourTaken{};
    CColorCmbBox m_colours;
    CLogoMarkWnd m_logo;
};
