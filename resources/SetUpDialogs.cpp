// The dialogs that start a game: the start choice (357), the map data file
// choice (387), the set-up wizard (392), the company detail entry of a
// network game (379) and the network address prompt (381). The wizard's
// game page and player pages share one template: the dialog shows the
// controls of the page it is on.

#include "resources/MercavoResources.h"
#include "resources/SetUpIds.h"

namespace mercavo_resources {

namespace {

using namespace setup_ids;

constexpr const char* kFaceClass = "VELMO_3DFaceWindow";
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
constexpr DWORD kShown = WS_VISIBLE;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr DWORD kOwnerColours =
    WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;

const DIALOGTEMPLATE& StartDialog() {
    static const DIALOGTEMPLATE dialog = {
        static_cast<int>(kStartDialog),
        "MERCAVO-START",
        "MS Sans Serif",
        8,
        kDialogStyle,
        0,
        0,
        211,
        131,
        {{kLogo, DialogItemKind::Custom, kFaceClass, "", kShown, 3, 3, 205, 43},
         {kNewGame, DialogItemKind::Button, nullptr, "&New Game", kTab | BS_OWNERDRAW, 3, 47, 102,
          56},
         {kLoadData, DialogItemKind::Button, nullptr, "&Load Data", kTab | BS_OWNERDRAW, 106, 47,
          102, 56},
         {kText, DialogItemKind::Custom, kFaceClass, "", kShown, 3, 104, 205, 24}}};
    return dialog;
}

const DIALOGTEMPLATE& MapFileDialog() {
    static const DIALOGTEMPLATE dialog = {
        static_cast<int>(kMapFileDialog),
        "Map Data File",
        "MS Sans Serif",
        8,
        kDialogStyle,
        0,
        0,
        235,
        181,
        {{IDOK, DialogItemKind::Button, nullptr, "OK", kTab | BS_DEFPUSHBUTTON, 192, 3, 40, 14},
         {kFileList, DialogItemKind::ListBox, nullptr, "", kEdit | LBS_NOTIFY | WS_VSCROLL, 3, 28,
          94, 152},
         {kText, DialogItemKind::Custom, kFaceClass, "", kShown, 99, 28, 89, 152,
          WS_EX_CLIENTEDGE},
         {-1, DialogItemKind::Static, nullptr, "File Name", kShown, 3, 17, 89, 8},
         {-1, DialogItemKind::Static, nullptr, "File Content", kShown, 99, 17, 70, 8},
         {-1, DialogItemKind::Static, nullptr, "Select Map Data File", kShown, 3, 3, 183, 8}}};
    return dialog;
}

const DIALOGTEMPLATE& SettingDialog() {
    static const DIALOGTEMPLATE dialog = {
        static_cast<int>(kSettingDialog),
        "",
        "MS Sans Serif",
        8,
        kDialogStyle,
        0,
        0,
        384,
        113,
        {{kBack, DialogItemKind::Button, nullptr, "< &Back", kTab, 148, 93, 50, 14},
         {IDOK, DialogItemKind::Button, nullptr, "OK", kTab | BS_DEFPUSHBUTTON, 198, 93, 50, 14},
         {IDCANCEL, DialogItemKind::Button, nullptr, "Cancel", kTab, 252, 93, 50, 14},
         {kHelp, DialogItemKind::Button, nullptr, "Help", kTab, 325, 93, 50, 14},
         {kLogo, DialogItemKind::Custom, kFaceClass, "", kShown, 3, 2, 132, 44},
         {kModeLabel, DialogItemKind::Static, nullptr, "&Game Setting:", kShown, 135, 6, 84, 8},
         {kMode, DialogItemKind::ComboBox, nullptr, "", kTab | WS_VSCROLL | CBS_DROPDOWNLIST, 221,
          2, 154, 74},
         {kAddressLabel, DialogItemKind::Static, nullptr, "&IP Address:", kShown, 135, 18, 84, 8},
         {kAddress, DialogItemKind::Edit, nullptr, "", kEdit | ES_AUTOHSCROLL, 221, 15, 154, 12},
         {kPlayersLabel, DialogItemKind::Static, nullptr, "", kShown, 135, 31, 84, 8},
         {kPasswordLabel, DialogItemKind::Static, nullptr, "&Password:", kShown, 135, 31, 84, 8},
         {kPlayers, DialogItemKind::Edit, nullptr, "", kEdit, 221, 30, 23, 12},
         {kPassword, DialogItemKind::Edit, nullptr, "", kEdit, 221, 30, 75, 12},
         {kObserverCheck, DialogItemKind::Button, nullptr, "&Observer", kTab | BS_AUTOCHECKBOX,
          320, 31, 51, 9},
         {kObserversLabel, DialogItemKind::Static, nullptr, "", kShown, 135, 46, 84, 8},
         {kObservers, DialogItemKind::Edit, nullptr, "", kEdit | ES_AUTOHSCROLL, 221, 44, 23, 12},
         {kObserversMax, DialogItemKind::Static, nullptr, "(MAX)", kShown, 249, 46, 33, 8},
         {kYearGroup, DialogItemKind::Button, nullptr, "&Year", kShown | BS_GROUPBOX, 149, 58, 225,
          32},
         {kYear1, DialogItemKind::Button, nullptr, "", kTab | WS_GROUP | BS_AUTORADIOBUTTON, 197,
          66, 47, 9},
         {kYear2, DialogItemKind::Button, nullptr, "", kShown | BS_AUTORADIOBUTTON, 250, 66, 47, 9},
         {kYear3, DialogItemKind::Button, nullptr, "", kShown | BS_AUTORADIOBUTTON, 302, 66, 47, 9},
         {kYearTyped, DialogItemKind::Button, nullptr, "Direct input ->",
          kShown | BS_AUTORADIOBUTTON, 197, 78, 59, 9},
         {kYears, DialogItemKind::Edit, nullptr, "", kEdit | WS_GROUP | ES_NUMBER, 261, 76, 19, 12},
         {kModePicture, DialogItemKind::Custom, kFaceClass, "", kShown, 3, 57, 45, 22},
         {kModeText, DialogItemKind::Static, nullptr, "", kShown, 50, 57, 98, 32},
         {kPlayerPrompt, DialogItemKind::Static, nullptr, "", kShown | SS_CENTER, 137, 12, 224, 8},
         {kCompanyLabel, DialogItemKind::Static, nullptr, "Company &Name:", kShown, 135, 28, 93,
          8},
         {kCompanyName, DialogItemKind::Edit, nullptr, "", kEdit, 231, 25, 103, 12},
         {kPlayerLabel, DialogItemKind::Static, nullptr, "", kShown, 135, 44, 93, 8},
         {kPlayerName, DialogItemKind::Edit, nullptr, "", kEdit, 231, 42, 103, 12},
         {kColourLabel, DialogItemKind::Static, nullptr, "&Color:", kShown, 135, 61, 93, 8},
         {kColour, DialogItemKind::ComboBox, nullptr, "", kOwnerColours, 231, 58, 105, 141}}};
    return dialog;
}

const DIALOGTEMPLATE& EnterpriseDialog() {
    static const DIALOGTEMPLATE dialog = {
        static_cast<int>(kEnterpriseDialog),
        "MERCAVO - Company detail",
        "MS Sans Serif",
        8,
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
        0,
        0,
        340,
        123,
        {{IDOK, DialogItemKind::Button, nullptr, "OK", kTab | BS_DEFPUSHBUTTON, 222, 106, 50, 14},
         {IDCANCEL, DialogItemKind::Button, nullptr, "Cancel", kTab, 277, 106, 50, 14},
         {kEntryPrompt, DialogItemKind::Static, nullptr,
          "Decide company name, player name and symbol color for player", kShown | SS_CENTER, 145,
          3, 192, 19},
         {kEntryCompanyLabel, DialogItemKind::Static, nullptr, "Campany &Name:", kShown, 144, 31,
          80, 8},
         {kEntryCompany, DialogItemKind::Edit, nullptr, "", kEdit, 226, 28, 96, 12},
         {kEntryPlayerLabel, DialogItemKind::Static, nullptr, "&Player Name:", kShown, 144, 49, 80,
          8},
         {kEntryPlayer, DialogItemKind::Edit, nullptr, "", kEdit, 226, 46, 96, 12},
         {kEntryColourLabel, DialogItemKind::Static, nullptr, "&Color:", kShown, 144, 67, 80, 8},
         {kEntryColour, DialogItemKind::ComboBox, nullptr, "", kOwnerColours, 226, 64, 98, 141},
         {kLogo, DialogItemKind::Custom, kFaceClass, "", kShown, 0, 3, 143, 94}}};
    return dialog;
}

const DIALOGTEMPLATE& NetworkIPDialog() {
    static const DIALOGTEMPLATE dialog = {
        static_cast<int>(kNetworkIPDialog),
        "Network setting",
        "MS Sans Serif",
        8,
        kDialogStyle,
        0,
        0,
        243,
        23,
        {{IDOK, DialogItemKind::Button, nullptr, "OK", kTab | BS_DEFPUSHBUTTON, 200, 2, 40, 14},
         {-1, DialogItemKind::Static, nullptr, "&IP Address:", kShown, 4, 7, 48, 8},
         {kAddress, DialogItemKind::Edit, nullptr, "", kEdit | ES_AUTOHSCROLL, 56, 4, 139, 12}}};
    return dialog;
}

}  // namespace

const std::vector<const DIALOGTEMPLATE*>& SetUpDialogs() {
    static const std::vector<const DIALOGTEMPLATE*> dialogs = {
        &StartDialog(), &MapFileDialog(), &SettingDialog(), &EnterpriseDialog(),
        &NetworkIPDialog()};
    return dialogs;
}

}  // namespace mercavo_resources
