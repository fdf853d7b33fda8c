// Menu 128 and dialog 100 of the judgment program.

#include "resources/JudgeResources.h"

#include "platform/ui/DialogTemplateRegistry.h"
#include "resources/JudgeIds.h"

namespace judge_resources {

namespace {

using namespace judge_ids;

MENUITEMDEF Item(const char* text, UINT id) {
    return {text, id, 0, {}};
}

MENUITEMDEF Separator() {
    return {nullptr, 0, MF_SEPARATOR, {}};
}

MENUITEMDEF Popup(const char* text, std::vector<MENUITEMDEF> items) {
    return {text, 0, MF_POPUP, std::move(items)};
}

MENUTEMPLATE BuildMainMenu() {
    MENUTEMPLATE menu;
    menu.id = kMainResource;
    menu.items = {
        Popup("&File", {Item("&Contribution Results", kContributionResults), Separator(),
                        Item("E&xit MERCAVO Judge", kAppExit)}),
        Popup("&View", {Item("&Map", kMap), Item("&Network Window", kNetworkWindow)}),
        Popup("&Help", {Item("&About", kAppAbout), Item("A&uthor of the data", kDataAuthor),
                        Separator(), Item("&Homepage", kHomepage)}),
    };
    return menu;
}

}  // namespace

const MENUTEMPLATE& MainMenu() {
    static const MENUTEMPLATE menu = BuildMainMenu();
    return menu;
}

const DIALOGTEMPLATE& AboutDialog() {
    static const DIALOGTEMPLATE dialog = {
        static_cast<int>(kAboutDialog),
        "About",
        "MS Sans Serif",
        8,
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
        0,
        0,
        180,
        62,
        {{kAboutVersionText, DialogItemKind::Static, nullptr, "MERCAVO JUDGMENT Ver5.03",
          WS_VISIBLE | SS_CENTER, 10, 14, 160, 10},
         {IDOK, DialogItemKind::Button, nullptr, "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
          65, 38, 50, 14}}};
    return dialog;
}

void Register() {
    CMenu::RegisterTemplate(&MainMenu());
    CDialogTemplateRegistry::Register(&AboutDialog());
}

}  // namespace judge_resources
