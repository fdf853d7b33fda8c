// The enabling rules of the main frame's commands over a matrix of states:
// the company at this seat, its directors, holdings, teams, funds, debt and
// staff, the input and network flags, the map modes, the zoom and the view
// directions.

#include "shell/CommandRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/MercavoIds.h"

namespace {

using namespace mercavo_ids;
using Change = std::function<void(SCommandState&)>;

// A company that may do everything: every rule that depends on the state
// enables its command here.
SCommandState Able() {
    SCommandState s;
    s.company = true;
    s.freeDirectors = 1;
    s.busyDirectors = 1;
    s.input = true;
    s.shownHoldings = 1;
    s.totalHoldings = 1;
    s.sharesHeld = true;
    s.teams = 1;
    s.funds = 10;
    s.debt = 1;
    s.employeesAtWork = 1;
    return s;
}

const Change kNoCompany = [](SCommandState& s) { s = SCommandState(); };
const Change kNoFreeDirector = [](SCommandState& s) { s.freeDirectors = 0; };
const Change kInputOff = [](SCommandState& s) { s.input = false; };

struct SCase {
    std::string what;
    UINT id;
    Change change;
    bool enabled;
    int check = 0;
};

void ExpectCases(const std::vector<SCase>& cases) {
    for (const SCase& c : cases) {
        SCommandState s = Able();
        if (c.change) c.change(s);
        const SCommandUi ui = CCommandRules::Evaluate(c.id, s);
        EXPECT_TRUE(ui.handled) << c.what;
        EXPECT_EQ(ui.enabled, c.enabled) << c.what;
        EXPECT_EQ(ui.check, c.check) << c.what;
    }
}

TEST(CommandRulesTest, RuleRNeedsACompanyWithAFreeDirectorAndInput) {
    const UINT ruleR[] = {kPurchaseDesignated, kAcquireLand, kPurchaseStock, kDemolition,
                          kReinforce, kRecruitEmployees, kRecruitManagement, kHeadhunting,
                          kLoan, kInvestment};
    std::vector<SCase> cases;
    for (UINT id : ruleR) {
        const std::string name = std::to_string(id);
        cases.push_back({name + " able", id, nullptr, true});
        cases.push_back({name + " no company", id, kNoCompany, false});
        cases.push_back({name + " no free director", id, kNoFreeDirector, false});
        cases.push_back({name + " input off", id, kInputOff, false});
        // Funds, holdings and teams do not matter to rule R.
        cases.push_back({name + " nothing held", id, [](SCommandState& s) {
                             s.funds = 0;
                             s.totalHoldings = s.shownHoldings = s.teams = 0;
                         }, true});
    }
    ExpectCases(cases);
}

TEST(CommandRulesTest, RuleIFollowsTheInputFlagAlone) {
    std::vector<SCase> cases;
    for (UINT id : {kSalary, kAdvice, kEndOperations}) {
        const std::string name = std::to_string(id);
        cases.push_back({name + " input on", id, nullptr, true});
        cases.push_back({name + " input off", id, kInputOff, false});
        cases.push_back({name + " observer with input", id, [](SCommandState& s) {
                             s = SCommandState();
                             s.input = true;
                         }, true});
    }
    ExpectCases(cases);
}

TEST(CommandRulesTest, CompanyRulesReadTheirOwnFigures) {
    const auto set = [](auto field, int value) {
        return [field, value](SCommandState& s) { s.*field = value; };
    };
    ExpectCases({
        // Display acquired real estate: holdings in the shown area, input.
        {"acquired", kShowAcquired, nullptr, true},
        {"acquired none shown", kShowAcquired, set(&SCommandState::shownHoldings, 0), false},
        {"acquired input off", kShowAcquired, kInputOff, false},
        {"acquired no company", kShowAcquired, kNoCompany, false},
        {"acquired free directors irrelevant", kShowAcquired, kNoFreeDirector, true},
        {"acquired checked in mode 1", kShowAcquired, set(&SCommandState::mapMode, 1), true, 1},
        // The portfolio needs no input.
        {"portfolio input off", kPortfolio, kInputOff, true},
        {"portfolio none shown", kPortfolio, set(&SCommandState::shownHoldings, 0), false},
        {"portfolio no company", kPortfolio, kNoCompany, false},
        // Sale: holdings in total, no auction bid pending.
        {"sell", kSellRealEstate, nullptr, true},
        {"sell none shown but some held", kSellRealEstate,
         set(&SCommandState::shownHoldings, 0), true},
        {"sell nothing held", kSellRealEstate, set(&SCommandState::totalHoldings, 0), false},
        {"sell auction bid pending", kSellRealEstate,
         [](SCommandState& s) { s.auctionBidPending = true; }, false},
        {"sell input off", kSellRealEstate, kInputOff, false},
        {"sell no free director", kSellRealEstate, kNoFreeDirector, true},
        {"sell checked in mode 4", kSellRealEstate, set(&SCommandState::mapMode, 4), true, 1},
        {"purchase checked in mode 3", kPurchaseDesignated, set(&SCommandState::mapMode, 3),
         true, 1},
        // Stock sale: shares held.
        {"sell stock", kSellStock, nullptr, true},
        {"sell stock none held", kSellStock, [](SCommandState& s) { s.sharesHeld = false; },
         false},
        {"sell stock input off", kSellStock, kInputOff, false},
        // Teams 0, 1 and 3.
        {"buy team with 0", kPurchaseTeam, set(&SCommandState::teams, 0), true},
        {"buy team with 1", kPurchaseTeam, nullptr, true},
        {"buy team with 3", kPurchaseTeam, set(&SCommandState::teams, 3), false},
        {"buy team input off", kPurchaseTeam, kInputOff, false},
        {"sell team with 0", kSellTeam, set(&SCommandState::teams, 0), false},
        {"sell team with 3", kSellTeam, set(&SCommandState::teams, 3), true},
        {"home field with 0", kChangeHomeField, set(&SCommandState::teams, 0), false},
        {"home field with 1", kChangeHomeField, nullptr, true},
        {"home field input off", kChangeHomeField, kInputOff, false},
        {"support with a team", kFinancialSupport, nullptr, true},
        {"support without a team", kFinancialSupport, set(&SCommandState::teams, 0), false},
        {"support no free director", kFinancialSupport, kNoFreeDirector, false},
        // Construction: company and input; checked in mode 5.
        {"construction", kConstruction, nullptr, true},
        {"construction no free director", kConstruction, kNoFreeDirector, true},
        {"construction input off", kConstruction, kInputOff, false},
        {"construction no company", kConstruction, kNoCompany, false},
        {"construction checked in mode 5", kConstruction, set(&SCommandState::mapMode, 5), true,
         1},
        {"reinforce checked in mode 6", kReinforce, set(&SCommandState::mapMode, 6), true, 1},
        // Abandon: a director with a task.
        {"abandon", kAbandonProject, nullptr, true},
        {"abandon nobody busy", kAbandonProject, set(&SCommandState::busyDirectors, 0), false},
        {"abandon input off", kAbandonProject, kInputOff, false},
        // Layoff: employees at work or free directors; no input needed.
        {"layoff", kLayoff, nullptr, true},
        {"layoff input off", kLayoff, kInputOff, true},
        {"layoff only employees", kLayoff, kNoFreeDirector, true},
        {"layoff only directors", kLayoff, set(&SCommandState::employeesAtWork, 0), true},
        {"layoff nobody", kLayoff, [](SCommandState& s) {
             s.employeesAtWork = 0;
             s.freeDirectors = 0;
         }, false},
        {"layoff no company", kLayoff, kNoCompany, false},
        // Funds 0, 4, 5, 9 and 10 and debt.
        {"advertise funds 0", kAdvertising, set(&SCommandState::funds, 0), false},
        {"advertise funds 4", kAdvertising, set(&SCommandState::funds, 4), true},
        {"advertise funds 10", kAdvertising, nullptr, true},
        {"advertise no free director", kAdvertising, kNoFreeDirector, false},
        {"advertise input off", kAdvertising, kInputOff, false},
        {"repay", kRepayLoan, nullptr, true},
        {"repay funds 0", kRepayLoan, set(&SCommandState::funds, 0), false},
        {"repay funds 5", kRepayLoan, set(&SCommandState::funds, 5), true},
        {"repay funds 9", kRepayLoan, set(&SCommandState::funds, 9), true},
        {"repay negative funds", kRepayLoan, set(&SCommandState::funds, -3), true},
        {"repay no debt", kRepayLoan, set(&SCommandState::debt, 0), false},
        {"repay no free director", kRepayLoan, kNoFreeDirector, true},
        {"repay input off", kRepayLoan, kInputOff, false},
    });
}

TEST(CommandRulesTest, FileAndNetworkRulesFollowTheSeat) {
    const Change network = [](SCommandState& s) { s.network = true; };
    const Change host = [](SCommandState& s) { s.network = s.host = true; };
    const Change hostBlocked = [](SCommandState& s) {
        s.network = s.host = s.saveBlocked = true;
    };
    const Change busyChain = [](SCommandState& s) { s.chainIdle = false; };
    std::vector<SCase> cases;
    for (UINT id : {kFileSave, kFileSaveAs}) {
        const std::string name = std::to_string(id);
        cases.push_back({name + " local", id, nullptr, true});
        cases.push_back({name + " local input off", id, kInputOff, true});
        cases.push_back({name + " local save-blocked flag ignored", id,
                         [](SCommandState& s) { s.saveBlocked = true; }, true});
        cases.push_back({name + " client", id, network, false});
        cases.push_back({name + " host", id, host, true});
        cases.push_back({name + " host save-blocked", id, hostBlocked, false});
    }
    cases.push_back({"open local idle", kFileOpen, nullptr, true});
    cases.push_back({"open local chain busy", kFileOpen, busyChain, false});
    cases.push_back({"open client", kFileOpen, network, false});
    cases.push_back({"open host", kFileOpen, host, false});
    cases.push_back({"recent client", kRecentFile1, network, false});
    cases.push_back({"recent host", kRecentFile1 + 7, host, false});
    cases.push_back({"recent chain busy", kRecentFile1 + 3, busyChain, false});
    cases.push_back({"network window local", kNetworkWindow, nullptr, false});
    cases.push_back({"network window client", kNetworkWindow, network, true});
    cases.push_back({"network window host", kNetworkWindow, host, true});
    for (UINT id : {kHomepage, kChatRoom}) {
        cases.push_back({std::to_string(id) + " observer input off", id, [](SCommandState& s) {
                             s = SCommandState();
                             s.network = true;
                         }, true});
    }
    ExpectCases(cases);
}

TEST(CommandRulesTest, ZoomEntriesAreCheckedAtExactlyTheirRate) {
    const UINT ids[] = {kZoom50, kZoom75, kZoom100, kZoom125, kZoom150, kZoom200};
    std::vector<SCase> cases;
    for (size_t stored = 0; stored < CCommandRules::kZoomRates.size(); ++stored) {
        for (size_t entry = 0; entry < std::size(ids); ++entry) {
            const double rate = CCommandRules::kZoomRates[stored];
            cases.push_back({"rate " + std::to_string(rate) + " entry " + std::to_string(entry),
                             ids[entry], [rate](SCommandState& s) {
                                 s = SCommandState();
                                 s.drawRate = rate;
                             }, true, stored == entry ? 1 : 0});
        }
    }
    // A rate between the entries checks none of them.
    for (UINT id : ids) {
        cases.push_back({"rate 0.8 " + std::to_string(id), id,
                         [](SCommandState& s) { s.drawRate = 0.8; }, true, 0});
    }
    ExpectCases(cases);
}

TEST(CommandRulesTest, ViewDirectionsFollowTheMapsEnableValues) {
    std::vector<SCase> cases;
    for (int current = 0; current < 4; ++current) {
        for (int d = 0; d < 4; ++d) {
            for (int enable : {0, 1}) {
                cases.push_back({"current " + std::to_string(current) + " entry " +
                                     std::to_string(d) + " enable " + std::to_string(enable),
                                 static_cast<UINT>(kViewNorth + d),
                                 [current, d, enable](SCommandState& s) {
                                     s = SCommandState();
                                     s.direction = current;
                                     s.directionEnabled[static_cast<size_t>(d)] = enable;
                                 },
                                 enable == 1, current == d ? 1 : 0});
            }
        }
    }
    ExpectCases(cases);
}

TEST(CommandRulesTest, MapModesCheckOnlyTheirOwnEntry) {
    const std::pair<UINT, int> checked[] = {{kShowAcquired, 1}, {kPurchaseDesignated, 3},
                                            {kSellRealEstate, 4}, {kConstruction, 5},
                                            {kReinforce, 6}};
    for (int mode = 0; mode <= 10; ++mode) {
        SCommandState s = Able();
        s.mapMode = mode;
        for (auto [id, own] : checked) {
            EXPECT_EQ(CCommandRules::Evaluate(id, s).check, mode == own ? 1 : 0)
                << id << " in mode " << mode;
        }
    }
}

TEST(CommandRulesTest, CommandsWithoutARuleFollowTheirMenu) {
    // Among them the keys that must do nothing (a new document would empty
    // the running game) and the recent files in a local game when idle,
    // which keep the list's own rule.
    const UINT free[] = {kPartialMap, kAdvertisingCost, kScore, kOptions, kHelpTopics,
                         kGettingStarted, kAppAbout, kDataAuthor, kAppExit, kProsperityDisplay,
                         kCursorToCentre, kHistoryTexts, kFileNew, kEditCopy, kEditPaste,
                         kEditCut, kEditUndo, kNextPane, kPrevPane, kRecentFile1};
    for (const SCommandState& s : {Able(), SCommandState()}) {
        for (UINT id : free) EXPECT_FALSE(CCommandRules::Evaluate(id, s).handled) << id;
    }
}

}  // namespace
