// The set-up wizard: the checks of its game and player pages, the pages of
// each play mode, the controls each mode shows, the colours of the player
// pages, the help page and the keyboard on its template.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>

#include "dialogs/DialogBench.h"
#include "dialogs/TranslatedPump.h"
#include "dialogs/DlgInputSetting.h"
#include "platform/core/ProgramFolder.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Edit.h"
#include "resources/SetUpIds.h"

namespace {

using namespace setup_ids;
using namespace dialog_script;

constexpr int kMax = 4;
const std::array<int, 3> kChoices = {5, 10, 20};

class SettingDialogTest : public DialogBench {
protected:
    void TearDown() override {
        CDesktop::SetLaunchHook(nullptr);
        DialogBench::TearDown();
    }
    // Runs the wizard with the script, which ends it (Cancel unless it
    // completed).
    void Run(const std::function<void(CDlgInputSetting&)>& script,
             const std::array<int, 3>& choices = kChoices) {
        wizard = std::make_unique<CDlgInputSetting>();
        wizard->InitFromDocument(kMax, choices);
        OnOpen([&](CDialog&) {
            wizard->ShowWindow(SW_SHOW);
            script(*wizard);
            if (wizard->IsWindow() && !wizard->IsEnding()) wizard->EndDialog(IDCANCEL);
        });
        result = wizard->DoModal();
    }
    static void Command(CDialog& d, int id, UINT code = BN_CLICKED) {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), 0);
    }
    static void Next(CDialog& d) { Command(d, IDOK); }
    static void Back(CDialog& d) { Command(d, kBack); }
    static void SetMode(CDialog& d, int mode) {
        static_cast<CComboBox*>(d.GetDlgItem(kMode))->SetCurSel(mode);
        Command(d, kMode, CBN_SELCHANGE);
    }
    static void FillPage(CDialog& d, int page) {
        d.SetDlgItemText(kCompanyName, "Company " + std::to_string(page));
        d.SetDlgItemText(kPlayerName, "Player " + std::to_string(page));
    }
    // A colour picked from the open list with the mouse.
    static void Choose(CColorCmbBox& colours, int colour) {
        colours.ShowDropDown(TRUE);
        colours.ChooseFromList(colour);
    }
    static bool Shown(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowVisible(); }
    static std::string Title(CDialog& d) { return d.GetWindowText(); }

    std::unique_ptr<CDlgInputSetting> wizard;
    int result = 0;
};

// ---------------------------------------------------------------- checks

struct SRefusal {
    const char* name;
    // Brings the wizard to the page and fills it; Finish or Next follows.
    std::function<void(CDialog&)> fill;
    int control;
};

void Game(CDialog& d, int mode, const char* players, const char* address = "10.0.0.1") {
    if (mode != 0) {
        static_cast<CComboBox*>(d.GetDlgItem(kMode))->SetCurSel(mode);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(kMode, CBN_SELCHANGE), 0);
        d.SetDlgItemText(kAddress, address);
    }
    d.SetDlgItemText(kPlayers, players);
}

// The field takes two characters from the keyboard; a longer text is set
// past the limit to reach the range check behind it.
void TypedYears(CDialog& d, const char* years, const char* players = "1") {
    Game(d, 0, players);
    d.CheckRadioButton(kYear1, kYearTyped, kYearTyped);
    static_cast<CEdit*>(d.GetDlgItem(kYears))->LimitText(3);
    d.SetDlgItemText(kYears, years);
}

TEST_F(SettingDialogTest, ARefusedValueBeepsSelectsItsTextAndKeepsThePage) {
    const SRefusal cases[] = {
        {"typed years 0", [](CDialog& d) { TypedYears(d, "0"); }, kYears},
        {"typed years 101", [](CDialog& d) { TypedYears(d, "101"); }, kYears},
        {"typed years empty", [](CDialog& d) { TypedYears(d, ""); }, kYears},
        {"typed years ab", [](CDialog& d) { TypedYears(d, "ab"); }, kYears},
        {"players above the maximum", [](CDialog& d) { Game(d, 0, "5"); }, kPlayers},
        {"players -1", [](CDialog& d) { Game(d, 0, "-1"); }, kPlayers},
        {"players x", [](CDialog& d) { Game(d, 0, "x"); }, kPlayers},
        {"a host who plays with 0 players", [](CDialog& d) { Game(d, 1, "0"); }, kPlayers},
        {"6 observers",
         [](CDialog& d) {
             Game(d, 1, "1");
             d.SetDlgItemText(kObservers, "6");
         },
         kObservers},
        {"0 observers while the host observes",
         [](CDialog& d) {
             Game(d, 1, "0");
             Click(*d.GetDlgItem(kObserverCheck));
             PumpTranslated();
             d.SetDlgItemText(kObservers, "0");
         },
         kObservers},
        {"empty address, host", [](CDialog& d) { Game(d, 1, "1", ""); }, kAddress},
        {"empty address, client", [](CDialog& d) { Game(d, 2, "1", ""); }, kAddress},
        {"empty address, resume", [](CDialog& d) { Game(d, 3, "1", ""); }, kAddress},
        {"empty password", [](CDialog& d) { Game(d, 3, "1"); }, kPassword},
        {"empty company name",
         [](CDialog& d) {
             Game(d, 0, "1");
             Next(d);
             d.SetDlgItemText(kPlayerName, "Ann");
         },
         kCompanyName},
        {"empty player name",
         [](CDialog& d) {
             Game(d, 0, "1");
             Next(d);
             d.SetDlgItemText(kCompanyName, "Ann's");
         },
         kPlayerName},
    };
    for (const SRefusal& c : cases) {
        SCOPED_TRACE(c.name);
        Run([&](CDlgInputSetting& d) {
            c.fill(d);
            const int page = d.GetPage();
            const std::string title = Title(d);
            const int beeps = Beeps();
            Next(d);
            EXPECT_EQ(Beeps(), beeps + 1);
            EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(c.control));
            int start = -1, end = -1;
            static_cast<CEdit*>(d.GetDlgItem(c.control))->GetSel(start, end);
            EXPECT_EQ(start, 0);
            EXPECT_EQ(end, static_cast<int>(d.GetDlgItemText(c.control).size()));
            EXPECT_EQ(d.GetPage(), page);
            EXPECT_EQ(Title(d), title);
            EXPECT_FALSE(d.IsEnding());
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(wizard->IsCompleted(), 0);
    }
}

TEST_F(SettingDialogTest, TypedYearsFromOneToAHundredAreTaken) {
    for (const char* typed : {"1", "100"}) {
        SCOPED_TRACE(typed);
        Run([&](CDlgInputSetting& d) {
            TypedYears(d, typed, "0");
            Next(d);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(wizard->GetYears(), std::atoi(typed));
    }
    Run([&](CDlgInputSetting& d) {
        Game(d, 0, "0");
        d.CheckRadioButton(kYear1, kYearTyped, kYear3);
        Next(d);
    });
    EXPECT_EQ(wizard->GetYears(), 20);
}

// One colour for each player: a larger maximum of the data is held at the
// number of colours, and a count above it is refused.
TEST_F(SettingDialogTest, NeverMorePlayersThanColours) {
    CDlgInputSetting setting;
    setting.InitFromDocument(40, kChoices);
    EXPECT_EQ(setting.GetMaxPlayers(), CDlgInputSetting::kMaxPlayers);
    OnOpen([&](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(kPlayersLabel), "&Players ( 0-32):");
        d.SetDlgItemText(kPlayers, "33");
        Next(d);
        EXPECT_EQ(Beeps(), 1);
        EXPECT_EQ(setting.GetPage(), CDlgInputSetting::kGamePage);
        d.EndDialog(IDCANCEL);
    });
    setting.DoModal();
}

// ---------------------------------------------------------------- pages

struct SFlow {
    const char* name;
    int mode;
    const char* players;
    bool observer;
    // What an earlier attempt did before this one (may be nothing).
    std::function<void(CDialog&)> before;
    // Title and button 1 of each page in turn.
    std::vector<std::pair<std::string, std::string>> pages;
};

TEST_F(SettingDialogTest, ThePagesOfEachMode) {
    const std::pair<std::string, std::string> game = {"MERCAVO - Game setting", "&Next >"};
    const std::pair<std::string, std::string> gameFinish = {"MERCAVO - Game setting", "Finish"};
    const std::pair<std::string, std::string> user = {"MERCAVO - User setting", "&Next >"};
    const std::pair<std::string, std::string> userFinish = {"MERCAVO - User setting", "Finish"};
    const auto hostAttempt = [](CDialog& d) {
        Game(d, 1, "1");
        Next(d);
        Back(d);
    };
    const SFlow cases[] = {
        {"normal play, nobody plays", 0, "0", false, nullptr, {game}},
        {"normal play, 3 players", 0, "3", false, nullptr, {game, user, user, userFinish}},
        {"client", 2, "1", false, nullptr, {gameFinish}},
        {"client after a host's attempt", 2, "1", false, hostAttempt, {gameFinish}},
        {"resume after a host's attempt", 3, "1", false, hostAttempt, {gameFinish}},
        {"host", 1, "2", false, nullptr, {game, userFinish}},
        {"host observing", 1, "0", true, nullptr, {game, userFinish}},
    };
    for (const SFlow& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<std::string, std::string>> seen;
        std::vector<bool> companyShown;
        std::vector<std::string> labels;
        Run([&](CDlgInputSetting& d) {
            if (c.before) c.before(d);
            Game(d, c.mode, c.players);
            d.SetDlgItemText(kPassword, "secret");
            d.SetDlgItemText(kObservers, "1");
            if (c.observer) {
                Click(*d.GetDlgItem(kObserverCheck));
                PumpTranslated();
            }
            for (int guard = 0; guard < 10 && !d.IsEnding(); ++guard) {
                seen.emplace_back(Title(d), d.GetDlgItemText(IDOK));
                if (d.GetPage() >= 0) {
                    companyShown.push_back(Shown(d, kCompanyName));
                    labels.push_back(d.GetDlgItemText(kPlayerLabel));
                    FillPage(d, d.GetPage());
                }
                Next(d);
            }
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(wizard->IsCompleted(), 1);
        EXPECT_EQ(seen, c.pages);
        EXPECT_EQ(wizard->GetRowCount(), static_cast<int>(c.pages.size()) - 1);
        for (size_t i = 0; i < companyShown.size(); ++i) {
            EXPECT_EQ(companyShown[i], !c.observer);
            EXPECT_EQ(labels[i], c.observer ? "&Observer's Name:" : "&Player Name:");
        }
        if (c.observer) {
            EXPECT_EQ(wizard->GetRow(0).colour, -1);
            EXPECT_EQ(wizard->GetRow(0).companyName, "");
            EXPECT_EQ(wizard->GetRow(0).playerName, "Player 0");
        }
    }
}

// Which controls of the game page each mode shows.
TEST_F(SettingDialogTest, EachModeShowsItsControls) {
    const int controls[] = {kAddressLabel, kAddress, kPlayersLabel, kPlayers, kPasswordLabel,
                            kPassword, kObserversLabel, kObservers, kObserversMax, kYearGroup,
                            kYear1, kYear2, kYear3, kYearTyped, kYears, kObserverCheck};
    struct SCase {
        int mode;
        std::set<int> shown;
    } cases[] = {
        {0, {kPlayersLabel, kPlayers, kYearGroup, kYear1, kYear2, kYearTyped, kYears}},
        {1, {kAddressLabel, kAddress, kPlayersLabel, kPlayers, kObserversLabel, kObservers,
             kObserversMax, kYearGroup, kYear1, kYear2, kYearTyped, kYears, kObserverCheck}},
        {2, {kAddressLabel, kAddress, kObserverCheck}},
        {3, {kAddressLabel, kAddress, kPasswordLabel, kPassword}},
    };
    Run(
        [&](CDlgInputSetting& d) {
            for (const SCase& c : cases) {
                SCOPED_TRACE(c.mode);
                SetMode(d, c.mode);
                EXPECT_EQ(d.GetModePicture().GetPicture(), c.mode);
                EXPECT_EQ(d.GetDlgItemText(kModeText), CDlgInputSetting::ModeDescription(c.mode));
                for (int id : controls) EXPECT_EQ(Shown(d, id), c.shown.count(id) == 1) << id;
            }
            // A player page shows none of them.
            SetMode(d, 0);
            Game(d, 0, "1");
            Next(d);
            for (int id : controls) EXPECT_FALSE(Shown(d, id)) << id;
            EXPECT_TRUE(Shown(d, kBack));
        },
        {5, 10, 0});
}

// ---------------------------------------------------------------- colours

TEST_F(SettingDialogTest, EachPageHoldsItsOwnColour) {
    Run([&](CDlgInputSetting& d) {
        CColorCmbBox& colours = d.GetColourList();
        Game(d, 0, "3");
        Next(d);
        for (int page = 0; page < 3; ++page) {
            EXPECT_EQ(colours.GetCurrentColour(), page);
            FillPage(d, page);
            if (page < 2) Next(d);
        }
        Back(d);
        Back(d);
        ASSERT_EQ(d.GetPage(), 0);
        Choose(colours, 5);
        EXPECT_EQ(colours.GetCurrentColour(), 5);
        Next(d);
        // Colour 0 is free for the others now; colour 2 is page 2's.
        EXPECT_EQ(d.GetColourOwner(0), -1);
        EXPECT_EQ(d.GetColourOwner(5), 0);
        Choose(colours, 0);
        EXPECT_EQ(colours.GetCurrentColour(), 0);
        const int beeps = Beeps();
        Choose(colours, 2);
        EXPECT_EQ(Beeps(), beeps + 1);
        EXPECT_EQ(colours.GetCurrentColour(), 0);
        // From 3 players to 1: the colours of pages 1 and 2 are free.
        Back(d);
        Back(d);
        ASSERT_EQ(d.GetPage(), CDlgInputSetting::kGamePage);
        d.SetDlgItemText(kPlayers, "1");
        Next(d);
        EXPECT_EQ(d.GetRowCount(), 1);
        for (int colour = 0; colour < 32; ++colour)
            EXPECT_EQ(d.GetColourOwner(colour), colour == 5 ? 0 : -1) << colour;
    });
}

TEST_F(SettingDialogTest, HelpOpensTheSettingPage) {
    std::vector<std::string> opened;
    CDesktop::SetLaunchHook([&](const std::string&, const std::vector<std::string>& args,
                                const std::string&) {
        opened.insert(opened.end(), args.begin(), args.end());
        return true;
    });
    Run([&](CDlgInputSetting& d) { Click(*d.GetDlgItem(kHelp)); PumpTranslated(); });
    ASSERT_EQ(opened.size(), 1u);
    const std::string expected = CProgramFolder::Get() + "hlp/initial_setting.html";
    EXPECT_NE(opened[0].find(expected), std::string::npos) << opened[0];
}

// ---------------------------------------------------------------- keyboard

TEST_F(SettingDialogTest, TabVisitsTheControlsInTemplateOrder) {
    std::vector<int> visited;
    Run([&](CDlgInputSetting& d) {
        SetMode(d, 1);
        d.CheckRadioButton(kYear1, kYearTyped, kYear2);
        d.GotoDlgCtrl(d.GetDlgItem(IDOK));
        for (int i = 0; i < 12; ++i) {
            PressKey(d, VK_TAB);
            PumpTranslated();
            CWnd* focus = CWnd::GetFocus();
            visited.push_back(focus ? static_cast<int>(focus->GetDlgCtrlID()) : 0);
        }
    });
    // From OK: Cancel, Help, the mode list, the address, the players, the
    // observer box, the observers, the year group on its checked radio,
    // the typed years, then round to OK.
    EXPECT_EQ(visited, (std::vector<int>{IDCANCEL, kHelp, kMode, kAddress, kPlayers,
                                         kObserverCheck, kObservers, kYear2, kYears, IDOK,
                                         IDCANCEL, kHelp}));
}

TEST_F(SettingDialogTest, EnterGoesOnAndEscapeCancels) {
    Run([&](CDlgInputSetting& d) {
        Game(d, 0, "0");
        d.GotoDlgCtrl(d.GetDlgItem(kPlayers));
        PressKey(d, VK_RETURN);
        PumpTranslated();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(wizard->IsCompleted(), 1);
    Run([&](CDlgInputSetting& d) {
        Game(d, 0, "1");
        Next(d);
        PressKey(d, VK_ESCAPE);
        PumpTranslated();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(wizard->IsCompleted(), 0);
}

TEST_F(SettingDialogTest, UnattendedItSetsUpAGameOfComputerPlayers) {
    CAutoAnswer::Set(true);
    testing::internal::CaptureStderr();
    CDlgInputSetting setting;
    setting.InitFromDocument(kMax, kChoices);
    EXPECT_EQ(setting.DoModal(), IDOK);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(setting.IsCompleted(), 1);
    EXPECT_EQ(setting.IsNetworkGame(), 0);
    EXPECT_EQ(setting.GetPlayers(), 0);
    EXPECT_EQ(setting.GetYears(), 5);
    EXPECT_NE(log.find("[auto-answer] MERCAVO - Game setting: Normal play"), std::string::npos)
        << log;
}

}  // namespace
