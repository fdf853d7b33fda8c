// Menu 100: the pop-ups of the menu bar in the order of the command list,
// "End Operations" as an item of the bar itself and "Help" last.

#include <string>

#include "resources/CommandTable.h"
#include "resources/MercavoIds.h"
#include "resources/MercavoResources.h"

namespace mercavo_resources {

namespace {

using namespace mercavo_ids;

MENUITEMDEF Item(UINT id) {
    const SCommand* c = FindCommand(id);
    return {c ? c->menuText : "", id, 0, {}};
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
        Popup("&File", {Item(kFileOpen), Item(kFileSave), Item(kFileSaveAs), Separator(),
                        Item(kRecentFile1), Separator(), Item(kAppExit)}),
        Popup("&View",
              {Item(kShowAcquired), Item(kPortfolio), Item(kPartialMap), Separator(),
               Popup("&Map Scale", {Item(kZoom50), Item(kZoom75), Item(kZoom100),
                                    Item(kZoom125), Item(kZoom150), Item(kZoom200)}),
               Separator(), Item(kViewNorth), Item(kViewEast), Item(kViewSouth),
               Item(kViewWest), Separator(), Item(kNetworkWindow), Item(kViewToolbar),
               Item(kViewStatusBar)}),
        Popup("&Real Estate", {Item(kPurchaseDesignated), Item(kAcquireLand),
                               Item(kSellRealEstate)}),
        Popup("&Stock", {Item(kPurchaseStock), Item(kSellStock), Separator(),
                         Item(kPurchaseTeam), Item(kSellTeam)}),
        Popup("&Building", {Item(kConstruction), Item(kDemolition), Item(kReinforce)}),
        Popup("&Personnel", {Item(kSalary), Item(kRecruitEmployees), Item(kRecruitManagement),
                             Item(kHeadhunting), Item(kAbandonProject), Item(kLayoff)}),
        Popup("&Finance", {Item(kAdvertising), Item(kAdvertisingCost), Separator(),
                           Item(kLoan), Item(kRepayLoan)}),
        Popup("&Management", {Item(kAdvice), Item(kInvestment), Item(kScore), Separator(),
                              Item(kFinancialSupport), Item(kChangeHomeField), Separator(),
                              Item(kOptions)}),
        Item(kEndOperations),
        Popup("&Help", {Item(kHelpTopics), Item(kGettingStarted), Separator(), Item(kAppAbout),
                        Item(kDataAuthor), Separator(), Item(kHomepage), Item(kChatRoom)}),
    };
    return menu;
}

}  // namespace

const MENUTEMPLATE& MainMenu() {
    static const MENUTEMPLATE menu = BuildMainMenu();
    return menu;
}

}  // namespace mercavo_resources
