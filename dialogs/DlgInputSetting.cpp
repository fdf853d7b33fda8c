#include "dialogs/DlgInputSetting.h"

#include <algorithm>

#include "model/ColorMarkStrip.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"
#include "platform/net/LocalHost.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Edit.h"
#include "platform/ui/MessageBox.h"
#include "resources/SetUpIds.h"

static_assert(CDlgInputSetting::kMaxPlayers == kCompanyColorCount);

namespace {

using namespace setup_ids;

struct SModeInfo {
    const char* text;
    const char* description;
};

constexpr SModeInfo kModes[CDlgInputSetting::kModeCount] = {
    {"Normal play", "Normal Play."},
    {"Network play (Server)", "Hosting network play. Connecting to remote clients."},
    {"Network play (Client)", "Network play off remote server begins."},
    {"Continuous network play (Client)",
     "Resume network play.  Connecting to data file server."}};

constexpr int kYearRadios[] = {kYear1, kYear2, kYear3};
// The controls of a player page.
constexpr int kPlayerControls[] = {kPlayerPrompt, kCompanyLabel, kCompanyName, kPlayerLabel,
                                   kPlayerName,   kColourLabel,  kColour,      kBack};
// The controls of the game page whatever the mode.
constexpr int kGameControls[] = {kModeLabel, kMode, kModePicture, kModeText};

struct SLimit {
    int id;
    int chars;
};
constexpr SLimit kLimits[] = {{kAddress, 24}, {kCompanyName, 24}, {kPlayerName, 24}, {kPlayers, 2},
                              {kPassword, 10}, {kObservers, 2},   {kYears, 2}};

}  // namespace

const char* CDlgInputSetting::ModeText(int mode) {
    return mode >= 0 && mode < kModeCount ? kModes[mode].text : "";
}

const char* CDlgInputSetting::ModeDescription(int mode) {
    return mode >= 0 && mode < kModeCount ? kModes[mode].description : "";
}

CDlgInputSetting::CDlgInputSetting(CWnd* parent) : CDialog(kSettingDialog, parent) {
    m_colourOwners.fill(-1);
}

void CDlgInputSetting::InitFromDocument(int maxPlayers, const std::array<int, 3>& yearChoices) {
    m_maxPlayers = std::clamp(maxPlayers, 0, kMaxPlayers);
    m_yearChoiceCount = 0;
    for (int years : yearChoices) {
        if (years > 0) m_yearChoices[static_cast<size_t>(m_yearChoiceCount++)] = years;
    }
    m_ownAddress = CLocalHost::GetAddress();
}

int CDlgInputSetting::DoModal() {
    if (CAutoAnswer::IsAutoAnswer() && !CDialog::HasInitHook()) {
        m_players = 0;
        m_years = m_yearChoiceCount > 0 ? m_yearChoices[0] : 0;
        m_completed = 1;
        CAutoAnswer::Log(kGameTitle, ModeText(eNormal),
                         FormatText("0 players, %d years", m_years));
        return IDOK;
    }
    return CDialog::DoModal();
}

int CDlgInputSetting::GetColourOwner(int colour) const {
    if (colour < 0 || colour >= kMaxPlayers) return -1;
    return m_colourOwners[static_cast<size_t>(colour)];
}

// ---------------------------------------------------------------- opening

BOOL CDlgInputSetting::OnInitDialog() {
    CDialog::OnInitDialog();
    m_picture.SubclassDlgItem(kModePicture, this);
    m_logo.SubclassDlgItem(kLogo, this);
    m_colours.SubclassDlgItem(kColour, this);
    m_colours.SetOwnerTable(this);
    m_colours.SetSourceFlag(0);
    m_colours.FillColours();
    m_colours.SetCurrentColour(0);
    m_logo.StartAnimation(kLogoPeriodMs);

    auto* modes = static_cast<CComboBox*>(GetDlgItem(kMode));
    for (const SModeInfo& mode : kModes) modes->AddString(mode.text);
    modes->SetCurSel(eNormal);
    // Without choices offered the length is typed in.
    CheckRadioButton(kYear1, kYearTyped, m_yearChoiceCount > 0 ? kYear1 : kYearTyped);
    if (m_yearChoiceCount > 0) m_years = m_yearChoices[0];
    SetDlgItemInt(kPlayers, m_players);
    SetDlgItemInt(kObservers, m_observers);

    SetDlgItemText(kPlayersLabel, FormatText("&Players ( 0-%d):", m_maxPlayers));
    SetDlgItemText(kObserversLabel, FormatText("&Observers (0-%d):", kMaxObservers));
    SetDlgItemText(kCompanyLabel, "Company &Name:");
    SetDlgItemText(kColourLabel, "&Color:");
    for (int i = 0; i < m_yearChoiceCount; ++i)
        SetDlgItemText(kYearRadios[i], FormatText("%d year", m_yearChoices[static_cast<size_t>(i)]));

    for (const SLimit& limit : kLimits) static_cast<CEdit*>(GetDlgItem(limit.id))->LimitText(limit.chars);
    ShowPage();
    return TRUE;
}

// ---------------------------------------------------------------- pages

void CDlgInputSetting::Show(int id, bool shown) {
    if (CWnd* control = GetDlgItem(id)) control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

void CDlgInputSetting::ShowPage() {
    const bool game = m_page == kGamePage;
    for (int id : kGameControls) Show(id, game);
    for (int id : kPlayerControls) Show(id, !game);
    SetWindowText(game ? kGameTitle : kUserTitle);
    UpdateMode();
    if (!game) FillPlayerPage(m_page);
}

int CDlgInputSetting::ReadMode() {
    const int mode = std::clamp(static_cast<CComboBox*>(GetDlgItem(kMode))->GetCurSel(), 0,
                                kModeCount - 1);
    m_network = mode != eNormal;
    m_host = mode == eHost;
    m_resume = mode == eResume;
    return mode;
}

void CDlgInputSetting::UpdateMode() {
    const int mode = ReadMode();
    m_picture.SetPicture(mode);
    SetDlgItemText(kModeText, ModeDescription(mode));
    if (!m_network) {
        m_observer = 0;
        CheckDlgButton(kObserverCheck, BST_UNCHECKED);
    }
    SetDlgItemText(kAddress, m_host ? m_ownAddress : "");

    const bool game = m_page == kGamePage;
    const bool players = !m_network || m_host;
    Show(kAddressLabel, game && m_network);
    Show(kAddress, game && m_network);
    Show(kPlayersLabel, game && players);
    Show(kPlayers, game && players);
    Show(kPasswordLabel, game && m_resume);
    Show(kPassword, game && m_resume);
    for (int id : {kObserversLabel, kObservers, kObserversMax}) Show(id, game && m_host);
    Show(kYearGroup, game && players);
    for (int i = 0; i < 3; ++i) Show(kYearRadios[i], game && players && i < m_yearChoiceCount);
    Show(kYearTyped, game && players);
    Show(kYears, game && players);
    Show(kObserverCheck, game && m_network && !m_resume);
    SetDlgItemText(IDOK, m_network && !m_host ? kFinish : kNext);
}

int CDlgInputSetting::LowestFreeColour() const {
    for (int colour = 0; colour < kMaxPlayers; ++colour)
        if (m_colourOwners[static_cast<size_t>(colour)] == -1) return colour;
    return -1;
}

void CDlgInputSetting::FillPlayerPage(int page) {
    CSettingPlayer& row = m_rows.at(static_cast<size_t>(page));
    SetDlgItemText(kCompanyName, row.companyName);
    SetDlgItemText(kPlayerName, row.playerName);
    if (row.colour < 0) {
        // Never more pages than colours: one is always free.
        row.colour = LowestFreeColour();
        if (row.colour >= 0) m_colourOwners[static_cast<size_t>(row.colour)] = page;
    }
    m_colours.SetCurrentColour(std::max(row.colour, 0));
    const bool watching = m_network && m_observer;
    SetDlgItemText(kPlayerPrompt, watching ? "Please input observer's name."
                                           : FormatText("Decide company, player and color for player%d.", page + 1));
    SetDlgItemText(kPlayerLabel, watching ? "&Observer's Name:" : "&Player Name:");
    for (int id : {kCompanyLabel, kCompanyName, kColourLabel, kColour}) Show(id, !watching);
    const bool last = page == GetRowCount() - 1;
    SetDlgItemText(IDOK, !m_network && !last ? kNext : kFinish);
}

void CDlgInputSetting::SetRowCount(int count) {
    // The colours of the pages that go are free again.
    for (int& owner : m_colourOwners)
        if (owner >= count) owner = -1;
    m_rows.resize(static_cast<size_t>(count));
}

// ---------------------------------------------------------------- checks

void CDlgInputSetting::Refuse(int id) {
    CWnd* control = GetDlgItem(id);
    if (auto* edit = dynamic_cast<CEdit*>(control)) edit->SetSel(0, -1);
    GotoDlgCtrl(control);
    MessageBeep(0);
}

bool CDlgInputSetting::ReadGamePage() {
    ReadMode();
    const int checked = GetCheckedRadioButton(kYear1, kYearTyped);
    int years = 0;
    const bool yearsShown = !m_network || m_host;
    if (checked == kYearTyped) {
        BOOL ok = FALSE;
        years = GetDlgItemInt(kYears, &ok, TRUE);
        if (yearsShown && (!ok || years < 1 || years > 100)) {
            Refuse(kYears);
            return false;
        }
    } else if (checked >= kYear1 && checked - kYear1 < m_yearChoiceCount) {
        years = m_yearChoices[static_cast<size_t>(checked - kYear1)];
    }
    std::string address;
    if (m_network) {
        address = GetDlgItemText(kAddress);
        if (address.empty()) {
            Refuse(kAddress);
            return false;
        }
    }
    const int observer = m_network && IsDlgButtonChecked(kObserverCheck) ? 1 : 0;
    int players = m_players;
    int pages = 0;
    if (yearsShown) {
        BOOL ok = FALSE;
        players = GetDlgItemInt(kPlayers, &ok, TRUE);
        if (!ok || players < 0 || players > m_maxPlayers || (m_host && !observer && players < 1)) {
            Refuse(kPlayers);
            return false;
        }
        pages = m_network ? 1 : players;
    }
    int observers = 0;
    if (m_host) {
        BOOL ok = FALSE;
        observers = GetDlgItemInt(kObservers, &ok, TRUE);
        if (!ok || observers < 0 || observers > kMaxObservers || (observers == 0 && observer)) {
            Refuse(kObservers);
            return false;
        }
    }
    std::string password;
    if (m_resume) {
        password = GetDlgItemText(kPassword);
        if (password.empty()) {
            Refuse(kPassword);
            return false;
        }
    }
    m_years = years;
    m_address = address;
    m_observer = observer;
    m_players = players;
    m_observers = observers;
    m_password = password;
    // A game of computer players only has no player page.
    if (yearsShown && players == 0 && !observer) pages = 0;
    if (pages != GetRowCount()) SetRowCount(pages);
    return true;
}

bool CDlgInputSetting::ReadPlayerPage() {
    CSettingPlayer& row = m_rows.at(static_cast<size_t>(m_page));
    if (row.colour >= 0) m_colourOwners[static_cast<size_t>(row.colour)] = -1;
    if (m_network && m_observer) {
        row.colour = -1;
        row.companyName.clear();
    } else {
        row.colour = std::clamp(m_colours.GetCurrentColour(), 0, kMaxPlayers - 1);
        m_colourOwners[static_cast<size_t>(row.colour)] = m_page;
        const std::string company = GetDlgItemText(kCompanyName);
        if (company.empty()) {
            Refuse(kCompanyName);
            return false;
        }
        row.companyName = company;
    }
    const std::string player = GetDlgItemText(kPlayerName);
    if (player.empty()) {
        Refuse(kPlayerName);
        return false;
    }
    row.playerName = player;
    return true;
}

// ---------------------------------------------------------------- buttons

void CDlgInputSetting::OnOK() {
    const bool valid = m_page == kGamePage ? ReadGamePage() : ReadPlayerPage();
    if (!valid) return;
    ++m_page;
    if (m_page >= GetRowCount()) {
        m_completed = 1;
        CDialog::OnOK();
        return;
    }
    ShowPage();
}

void CDlgInputSetting::OnBack() {
    if (m_page == kGamePage) return;
    // What was typed is kept as far as it goes; a missing name does not
    // stop the way back.
    ReadPlayerPage();
    --m_page;
    if (m_page < 0) m_page = kGamePage;
    ShowPage();
}

void CDlgInputSetting::OnHelp() {
    CDesktop::OpenPage(Services::App().GetProgramDirectory() + kHelpPage);
}

BOOL CDlgInputSetting::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == static_cast<UINT>(kMode) && code == CBN_SELCHANGE) {
        UpdateMode();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
            case kBack:
                OnBack();
                return TRUE;
            case kHelp:
                OnHelp();
                return TRUE;
            case kObserverCheck:
                m_observer = IsDlgButtonChecked(kObserverCheck) ? 1 : 0;
                return TRUE;
            default:
                break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}
