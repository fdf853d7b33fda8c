#include "resources/CommandTable.h"

#include "resources/MercavoIds.h"

namespace mercavo_resources {

using namespace mercavo_ids;

const std::vector<SCommand>& Commands() {
    static const std::vector<SCommand> commands = {
        {kFileOpen, "&Open...\tCtrl+O", "Open"},
        {kFileSave, "&Save\tCtrl+S", "Save"},
        {kFileSaveAs, "Save &As...", "Save As"},
        {kRecentFile1, "Recent Files", "Open this data file"},
        {kAppExit, "E&xit MERCAVO", "Exit MERCAVO"},
        {kShowAcquired, "&Display Aquired Real Estate", nullptr},
        {kPortfolio, "&Real Estate Portfolio", nullptr},
        {kPartialMap, "&Partial Map Display", nullptr},
        {kZoom50, "50%(&1)", nullptr},
        {kZoom75, "75%(&2)", nullptr},
        {kZoom100, "100%(&3)", nullptr},
        {kZoom125, "125%(&4)", nullptr},
        {kZoom150, "150%(&5)", nullptr},
        {kZoom200, "200%(&6)", nullptr},
        {kViewNorth, "&North View", nullptr},
        {kViewEast, "&East View", nullptr},
        {kViewSouth, "&South View", nullptr},
        {kViewWest, "&West View", nullptr},
        {kNetworkWindow, "Netw&ork Window\tF2", nullptr},
        {kViewToolbar, "&Toolbar", nullptr},
        {kViewStatusBar, "Status &bar", nullptr},
        {kPurchaseDesignated, "&Purchase Designated Real Estate", nullptr},
        {kAcquireLand, "&Acquire Land", nullptr},
        {kSellRealEstate, "&Sell Real Estate", nullptr},
        {kPurchaseStock, "P&urchase Stock", nullptr},
        {kSellStock, "S&ell Stock", nullptr},
        {kPurchaseTeam, "Purchase Pro &Team", nullptr},
        {kSellTeam, "Sell Pro Tea&m", nullptr},
        {kConstruction, "&Construction", nullptr},
        {kDemolition, "&Demolition", nullptr},
        {kReinforce, "&Building Reinforcement", nullptr},
        {kSalary, "&Salary", nullptr},
        {kRecruitEmployees, "&Recruit Employees", nullptr},
        {kRecruitManagement, "Recruit Upper &Management", nullptr},
        {kHeadhunting, "&Headhunting", nullptr},
        {kAbandonProject, "&Abandon Project", nullptr},
        {kLayoff, "&Layoff", nullptr},
        {kAdvertising, "&Advertising", nullptr},
        {kAdvertisingCost, "Adjust Advertising &Cost", nullptr},
        {kLoan, "&Loan", nullptr},
        {kRepayLoan, "&Repay Loan", nullptr},
        {kAdvice, "&Advice", nullptr},
        {kInvestment, "&Investment", nullptr},
        {kScore, "&Score", nullptr},
        {kFinancialSupport, "&Financial Support", nullptr},
        {kChangeHomeField, "&Change Home Field", nullptr},
        {kOptions, "&Options", nullptr},
        {kEndOperations, "&End Operations ", "Operation end"},
        {kHelpTopics, "&Help", "Help Topics"},
        {kGettingStarted, "&Getting Started", nullptr},
        {kAppAbout, "&About", nullptr},
        {kDataAuthor, "&Data's Author", nullptr},
        {kHomepage, "Ho&mepage", nullptr},
        {kChatRoom, "&Players Chat Room", nullptr},
    };
    return commands;
}

const SCommand* FindCommand(UINT id) {
    for (const SCommand& c : Commands()) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

}  // namespace mercavo_resources
