#pragma once
// The set-up of a new game (dialog 392): a game page (the play mode, the
// address, the number of players and observers, the game length and, when
// a saved network game is resumed, its password) and then one page per
// player (company name, player name, colour), with "< &Back",
// "&Next >"/"Finish", Cancel and Help. Every input check beeps, selects the
// text of the offending field and puts the focus there; the page stays.
//
// In an unattended run (and no test scripting the dialogs) it answers at
// once with normal play, no players and the first game length.

#include <array>
#include <string>
#include <vector>

#include "dialogs/SettingPlayer.h"
#include "platform/ui/Dialog.h"
#include "views/ColorCmbBox.h"
#include "views/ColorCmbOwner.h"
#include "views/LogoMarkWnd.h"
#include "views/NetworkDrawBitmapWnd.h"

class CDlgInputSetting : public CDialog, public IColorCmbOwner {
public:
    static constexpr int kGamePage = -1;
    static constexpr int kMaxObservers = 5;
    // One colour per company: never more players than colours.
    static constexpr int kMaxPlayers = 32;
    static constexpr int kLogoPeriodMs = 500;
    static constexpr const char* kHelpPage = "hlp/initial_setting.html";
    static constexpr const char* kGameTitle = "MERCAVO - Game setting";
    static constexpr const char* kUserTitle = "MERCAVO - User setting";
    static constexpr const char* kNext = "&Next >";
    static constexpr const char* kFinish = "Finish";

    enum EMode { eNormal = 0, eHost = 1, eClient = 2, eResume = 3, kModeCount };
    static const char* ModeText(int mode);
    static const char* ModeDescription(int mode);

    explicit CDlgInputSetting(CWnd* parent = nullptr);

    // The largest number of players and the game lengths the data offers
    // (positive entries, in order); takes this machine's address.
    void InitFromDocument(int maxPlayers, const std::array<int, 3>& yearChoices);
    int DoModal() override;

    int IsCompleted() const { return m_completed; }
    int IsNetworkGame() const { return m_network; }
    int IsHost() const { return m_host; }
    int IsObserver() const { return m_observer; }
    int IsResume() const { return m_resume; }
    const std::string& GetAddress() const { return m_address; }
    const std::string& GetOwnAddress() const { return m_ownAddress; }
    const std::string& GetPassword() const { return m_password; }
    int GetPlayers() const { return m_players; }
    int GetObservers() const { return m_observers; }
    int GetYears() const { return m_years; }
    int GetMaxPlayers() const { return m_maxPlayers; }
    int GetYearChoiceCount() const { return m_yearChoiceCount; }
    int GetPage() const { return m_page; }
    // The number of player pages.
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    const CSettingPlayer& GetRow(int page) const { return m_rows.at(static_cast<size_t>(page)); }
    // The page that holds a colour; -1 when it is free.
    int GetColourOwner(int colour) const;
    CColorCmbBox& GetColourList() { return m_colours; }
    CNetworkDrawBitmapWnd& GetModePicture() { return m_picture; }

    // ---- IColorCmbOwner: the pages are the companies
    int GetColourCompany(int colour) override { return GetColourOwner(colour); }
    int GetCurrentCompany() override { return m_page; }

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowPage();
    // The network, host and resume flags from the chosen mode; the mode.
    int ReadMode();
    void UpdateMode();
    void FillPlayerPage(int page);
    bool ReadGamePage();
    bool ReadPlayerPage();
    void OnBack();
    void OnHelp();
    // Beeps, selects the control's text and moves the focus there.
    void Refuse(int id);
    void Show(int id, bool shown);
    void SetRowCount(int count);
    int LowestFreeColour() const;

    CLogoMarkWnd m_logo;
    CNetworkDrawBitmapWnd m_picture;
    CColorCmbBox m_colours;
    int m_yearChoiceCount = 0;
    std::array<int, 3> m_yearChoices{};
    int m_completed = 0;
    int m_maxPlayers = 0;
    int m_players = 1;
    int m_years = 0;
    int m_page = kGamePage;
    std::vector<CSettingPlayer> m_rows;
    std::array<int, kMaxPlayers> m_colourOwners;
    int m_network = 0;
    int m_host = 0;
    std::string m_address;
    int m_observer = 0;
    int m_observers = 0;
    int m_resume = 0;
    std::string m_ownAddress;
    std::string m_password;
};
