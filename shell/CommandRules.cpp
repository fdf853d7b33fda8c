#include "shell/CommandRules.h"

#include <cstddef>

#include "resources/MercavoIds.h"

using namespace mercavo_ids;

namespace {

constexpr int kRecentFiles = 8;
constexpr int kAllLeagues = 3;

SCommandUi Rule(bool enabled, int check = 0) {
    return {true, enabled, check};
}

// Rule R: a company at this seat with a free director, input on.
bool RuleR(const SCommandState& s) {
    return s.company && s.freeDirectors > 0 && s.input;
}

bool Own(const SCommandState& s) {
    return s.company && s.input;
}

// Saving in a network game is the host's, and only while it is allowed.
bool CanSave(const SCommandState& s) {
    return !s.network || (s.host && !s.saveBlocked);
}

int Checked(const SCommandState& s, int mode) {
    return s.mapMode == mode ? 1 : 0;
}

}  // namespace

double CCommandRules::ZoomRate(UINT id) {
    static constexpr UINT kIds[] = {kZoom50, kZoom75, kZoom100, kZoom125, kZoom150, kZoom200};
    for (std::size_t i = 0; i < kZoomRates.size(); ++i) {
        if (kIds[i] == id) return kZoomRates[i];
    }
    return 0;
}

int CCommandRules::ViewDirection(UINT id) {
    return id >= kViewNorth && id <= kViewWest ? static_cast<int>(id - kViewNorth) : -1;
}

bool CCommandRules::IsRecentFile(UINT id) {
    return id >= kRecentFile1 && id < kRecentFile1 + kRecentFiles;
}

SCommandUi CCommandRules::Evaluate(UINT id, const SCommandState& s) {
    if (const double rate = ZoomRate(id); rate > 0) return Rule(true, s.drawRate == rate ? 1 : 0);
    if (const int d = ViewDirection(id); d >= 0) {
        return Rule(s.directionEnabled[static_cast<std::size_t>(d)] != 0, s.direction == d ? 1 : 0);
    }
    // Opening replaces the running game: never in a network game, and only
    // while no chain message is outstanding. Otherwise the recent files
    // keep the list's own rule.
    if (id == kFileOpen) return Rule(!s.network && s.chainIdle);
    if (IsRecentFile(id)) return s.network || !s.chainIdle ? Rule(false) : SCommandUi{};
    switch (id) {
        case kFileSave:
        case kFileSaveAs:
            return Rule(CanSave(s));
        case kShowAcquired:
            return Rule(Own(s) && s.shownHoldings > 0, Checked(s, kMapAcquired));
        case kPortfolio:
            return Rule(s.company && s.shownHoldings > 0);
        case kNetworkWindow:
            return Rule(s.network);
        case kPurchaseDesignated:
            return Rule(RuleR(s), Checked(s, kMapPurchase));
        case kSellRealEstate:
            return Rule(Own(s) && s.totalHoldings > 0 && !s.auctionBidPending,
                        Checked(s, kMapSale));
        case kSellStock:
            return Rule(Own(s) && s.sharesHeld);
        case kPurchaseTeam:
            return Rule(Own(s) && s.teams != kAllLeagues);
        case kSellTeam:
        case kChangeHomeField:
            return Rule(Own(s) && s.teams > 0);
        case kConstruction:
            return Rule(Own(s), Checked(s, kMapConstruction));
        case kReinforce:
            return Rule(RuleR(s), Checked(s, kMapReinforce));
        case kAbandonProject:
            return Rule(Own(s) && s.busyDirectors > 0);
        case kLayoff:
            return Rule(s.company && (s.employeesAtWork > 0 || s.freeDirectors > 0));
        case kAdvertising:
            return Rule(Own(s) && s.funds > 0 && s.freeDirectors > 0);
        case kRepayLoan:
            return Rule(Own(s) && s.debt > 0 && s.funds != 0);
        case kFinancialSupport:
            return Rule(Own(s) && s.teams > 0 && s.freeDirectors > 0);
        case kAcquireLand:
        case kPurchaseStock:
        case kDemolition:
        case kRecruitEmployees:
        case kRecruitManagement:
        case kHeadhunting:
        case kLoan:
        case kInvestment:
            return Rule(RuleR(s));
        case kSalary:
        case kAdvice:
        case kEndOperations:
            return Rule(s.input);
        case kHomepage:
        case kChatRoom:
            return Rule(true);
        default:
            return {};
    }
}
