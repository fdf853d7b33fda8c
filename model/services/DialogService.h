#pragma once
// What the rules need of the dialogs they open themselves, the order
// dialogs of the player's commands among them: one call per dialog, the
// values it shows going in and the player's answers coming back.
// Implemented by the game program's dialogs; programs without windows write
// a transcript line or use CDetachedDialogService, which cancels every
// order dialog.

#include <string>
#include <utility>
#include <vector>

#include "model/CellPoint.h"
#include "model/services/BidPriceDialog.h"
#include "model/PropertyData.h"

// ---- what the order dialogs of the player's commands are given and give
// back. ok is false when the player cancelled; the other answers are then
// meaningless.

// The person dialog ("Select Personnel"): the company's directors and the
// outside entries (companies) to choose from.
struct SPersonDialog {
    struct SEntry {
        int id = -1;  // a person index, or an outside id
        bool outside = false;
        // Directors: selectable. Outside entries: the unavailability value.
        int selectable = 1;
        int unavailable = 0;
        std::string task;  // a director's current task name
    };
    int company = -1;
    int dialogValue = 0;
    std::string caption;  // empty: the dialog's own
    std::string prompt;
    int listFlag = 0;
    int mode = 0;
    int extraValue = 0;
    std::vector<SEntry> entries;
};
struct SPersonAnswer {
    bool ok = false;
    int id = -1;
    bool outside = false;
};

// Answers with one or two values: an amount, a company and a quantity, a
// director number and a count, an investment kind and an amount, a league
// and a team or purpose.
struct SDialogAnswer {
    bool ok = false;
    int value = 0;
    int second = 0;
};

// The land-purchase confirmation: the director and the text; value: the
// entrusted amount.
struct SBuyMapDialog {
    int director = -1;
    std::string text;
};
// The league dialog: mode 0 the score, 2 a team purchase (with the funds);
// value: league, second: team.
struct SLeagueDialog {
    int mode = 0;
    int league = 0;
    int funds = 0;
    int frameNotify = 0;
};
// The team dialog: mode 0 sell, 1 financial support, 2 change home field;
// one row (league, team) per owned team. value: the league, second: the
// purpose (mode 1: 1 win more games, 0 popularity).
struct SProTeamDialog {
    int mode = 0;
    std::vector<std::pair<int, int>> teams;
};
// The real-estate portfolio; in selection mode the answer's cell is the
// chosen lot ((-1, -1) none).
struct SPropertyDialog {
    std::vector<CPropertyData> rows;
    int selectMode = 0;
};
struct SPropertyAnswer {
    bool ok = false;
    CCellPoint cell{-1, -1};
};
// The lot-sale dialog: a value per eligible company (company, value) and
// the standard price. method 0: direct sale to buyer; else an auction;
// price: the sale price or the auction's minimal bid.
struct SSaleMethodDialog {
    int company = -1;
    std::vector<std::pair<int, int>> rowValues;
    int standardPrice = 0;
};
struct SSaleMethodAnswer {
    bool ok = false;
    int method = 0;
    int buyer = -1;
    int price = 0;
};

class IDialogService {
public:
    virtual ~IDialogService() = default;
    // The December announcement of the new interest rate (percent) with
    // every company's debt (entry c: company c). autoCloseMs > 0: the dialog
    // confirms itself after that time.
    virtual void ShowInterest(int rate, const std::vector<int>& debts, int autoCloseMs) = 0;

    // ---- the order dialogs of the player's commands (see the structs)
    virtual SPersonAnswer SelectPerson(const SPersonDialog& dialog) = 0;
    virtual SDialogAnswer ConfirmBuyMap(const SBuyMapDialog& dialog) = 0;
    // Repayment: value the amount.
    virtual SDialogAnswer InputDebt(int funds, int debt) = 0;
    // Advertising: value the all-cities choice (0/1), second the budget.
    virtual SDialogAnswer InputPublicityCampaign(const std::string& areaName, int funds) = 0;
    // Share sale of the own company's holdings: value the stock's company,
    // second the quantity.
    virtual SDialogAnswer InputSaleStocks(int company) = 0;
    virtual SDialogAnswer ShowLeagues(const SLeagueDialog& dialog) = 0;
    virtual SDialogAnswer SelectProTeam(const SProTeamDialog& dialog) = 0;
    // Lay-off: value the director number (0 employees), second the count.
    virtual SDialogAnswer InputLayoff(int company) = 0;
    virtual SPropertyAnswer ShowProperties(const SPropertyDialog& dialog) = 0;
    // Investment in the area: value the kind 0..3, second the amount.
    virtual SDialogAnswer InputInvestment(int area) = 0;
    virtual SSaleMethodAnswer InputSaleMethod(const SSaleMethodDialog& dialog) = 0;

    // ---- land sales, auctions and construction contracts
    // The bid dialog of an auction or a tender: value the bid.
    virtual SDialogAnswer InputBidPrice(const SBidPriceDialog& dialog) = 0;

    // ---- governor elections
};

// Nobody to show anything to.
class CDetachedDialogService : public IDialogService {
public:
    void ShowInterest(int, const std::vector<int>&, int) override {}
    // Every order dialog is cancelled.
    SPersonAnswer SelectPerson(const SPersonDialog&) override { return {}; }
    SDialogAnswer ConfirmBuyMap(const SBuyMapDialog&) override { return {}; }
    SDialogAnswer InputDebt(int, int) override { return {}; }
    SDialogAnswer InputPublicityCampaign(const std::string&, int) override { return {}; }
    SDialogAnswer InputSaleStocks(int) override { return {}; }
    SDialogAnswer ShowLeagues(const SLeagueDialog&) override { return {}; }
    SDialogAnswer SelectProTeam(const SProTeamDialog&) override { return {}; }
    SDialogAnswer InputLayoff(int) override { return {}; }
    SPropertyAnswer ShowProperties(const SPropertyDialog&) override { return {}; }
    SDialogAnswer InputInvestment(int) override { return {}; }
    SSaleMethodAnswer InputSaleMethod(const SSaleMethodDialog&) override { return {}; }

    // ---- land sales, auctions and construction contracts
    SDialogAnswer InputBidPrice(const SBidPriceDialog&) override { return {}; }

    // ---- governor elections
};
