#pragma once
// What the rules need of the report composer and the report dialogs: the
// results, notices and questions shown to the player of a company that is
// played at this machine. The game document decides where a result goes
// (here, or to a remote player over the network) and calls these only for
// what is shown here. Implemented by the shell's composer; programs without
// windows use CDetachedReportService or a transcript.

#include <string>
#include <vector>

#include "model/CellPoint.h"

// A report of the player's commands: the caption (empty: none) and lines
// of a report box shown for the company, with the face of the person (a
// director; -1 none).
struct SOrderReport {
    int company = -1;
    int person = -1;
    std::string caption;
    std::vector<std::string> lines;
};

class IReportService {
public:
    virtual ~IReportService() = default;
    // A lot purchase that failed (reason 0..2) for the director's company.
    virtual void ShowPurchaseFailure(int company, int person, int area, int x, int y,
                                     int reason) = 0;
    virtual void ShowResignation(int company, int person) = 0;
    // Head hunting: failure and success for the hunting company, the loss
    // for the company that lost target, and the notice to everybody.
    virtual void ShowHeadhuntFailed(int company, int hunter) = 0;
    virtual void ShowHeadhuntSucceeded(int company, int hunter, int target) = 0;
    virtual void ShowHeadhuntLoss(int company, int target, int hunterCompany) = 0;
    virtual void ShowHeadhuntNotice(int hunter, int target) = 0;
    // The loan repayment notice (flag 1: structures will be sold).
    virtual void ShowPaymentNotice(int company, int amount, int flag) = 0;
    virtual void ShowForcedSale(int company) = 0;
    // Why the company cannot take a construction contract (0 funds, 1 no
    // free director), and the question whether it takes it (true = yes).
    virtual void ShowContractProblem(int company, int area, int x, int y, int offering,
                                     int structureType, int reason) = 0;
    virtual bool AskAcceptContract(int company, int area, int x, int y, int offering,
                                   int structureType, int price, int takeover) = 0;
    // The director the player picks for an order kind; -1 none.
    virtual int AskDirectorChoice(int company, int orderKind) = 0;
    // A league's season ended with this champion team.
    virtual void ShowChampion(int league, int team) = 0;
    // The company's team of the league lost its stadium and is sold.
    virtual void ShowTeamLostStadium(int company, int league) = 0;
    // The company bought the league's team; or it could not (reason 1: the
    // team is already owned; any other: its stadium is not available).
    virtual void ShowTeamPurchased(int company, int league, int team) = 0;
    virtual void ShowTeamPurchaseRefused(int company, int league, int team, int reason) = 0;
    // A company went bankrupt and leaves the game.
    virtual void ShowBankruptcy(int company) = 0;
    // absorber took over absorbed, which leaves the game.
    virtual void ShowMerger(int absorber, int absorbed) = 0;
    // The contractor building a structure of the type for client went
    // bankrupt; the site is lost.
    virtual void ShowContractorBankrupt(int client, int structureType, int contractor) = 0;

    // ---- the player's commands
    // A confirmation with OK and Cancel: true for OK.
    virtual bool ConfirmOrder(const SOrderReport& report) = 0;
    // A refusal or notice.
    virtual void ShowOrderReport(const SOrderReport& report) = 0;
    // The adviser's proposals for the company ("No advice." without any).
    virtual void ShowAdvice(int company) = 0;

    // ---- directors' tasks
    // A designated lot purchase: the owner company refused to sell; the
    // owner's player is asked to sell (forced: the sale cannot be refused,
    // OK only); the buyer's player confirms the negotiated (mode 0) or
    // surveyed (mode 1) price (not affordable: "Insufficient funds.", OK
    // only, answered no) and the price of the neighbouring lot offered with
    // it. Questions: true for Yes or OK.
    virtual void ShowDesignatedPurchaseRefused(int company, int director, int owner) = 0;
    virtual bool AskDesignatedSale(int owner, int buyer, int director, int price, bool forced) = 0;
    virtual bool AskDesignatedPurchase(int company, int director, int price, int mode,
                                       bool affordable) = 0;
    virtual bool AskLandPurchase(int company, int director, int price) = 0;
    // The director's results, each for the director's company.
    virtual void ShowLandAcquisitionFailed(int company, int director, int area) = 0;
    virtual void ShowEmployeesRecruited(int company, int director, int count) = 0;
    virtual void ShowLoanApproved(int company, int director, int amount) = 0;
    // area -1: all cities; step: the awareness step 0..5 reached.
    virtual void ShowAdvertisingFinished(int company, int director, int area, int step) = 0;
    // kind: the investment kind 0..3; grade: its effect grade 0..3.
    virtual void ShowInvestmentCompleted(int company, int director, int area, int kind,
                                         int grade) = 0;
    // found: the person found; remark: the director's assessment 0..3 (0
    // none). True: employ.
    virtual bool AskEmployFoundTalent(int company, int director, int found, int remark) = 0;
    virtual void ShowNoTalentFound(int company, int director) = 0;
    // built: the structure type built (-1 a demolition); planned: the one
    // ordered (differs when another was built instead).
    virtual void ShowConstructionCompleted(int company, int director, int built, int planned) = 0;
    virtual void ShowReinforcementEnded(int company, int director) = 0;
    virtual void ShowReinforcementStopped(int company, int director) = 0;
    // The planned purchase of count shares of stockCompany at price each;
    // true: buy (never when the funds do not cover it).
    virtual bool ShowStockOfferDecision(int company, int director, int stockCompany, int count,
                                        int price) = 0;
    virtual void ShowStockPurchaseFailed(int company, int director, int stockCompany) = 0;
    // purpose 0: winning power, 1: popularity; points: the gain.
    virtual void ShowTeamInvestmentResult(int company, int director, int league, int purpose,
                                          int points) = 0;

    // ---- land sales, auctions and construction contracts
    // An offered lot: the buyer is asked whether it buys from seller at
    // price (lotPrice the standard price); without the funds (affordable
    // false) it is only told so, and the answer is no.
    virtual bool AskLandSaleOffer(int buyer, int seller, int area, int x, int y, int price,
                                  int lotPrice, bool affordable) = 0;
    // The seller hears whether buyer took its lot.
    virtual void ShowSaleAnswer(int seller, int buyer, int area, int x, int y, int price,
                                bool accepted) = 0;
    // Why the company cannot bid at the auction of the lot (0 funds, 1 no
    // office in the area).
    virtual void ShowCannotBid(int company, int area, int x, int y, int reason) = 0;
    // An auction closed: sold to winner (-1: to nobody) for price (below 1:
    // not sold), shown to the seller's player (-1: nobody's lot).
    virtual void ShowAuctionResult(int seller, int area, int x, int y, int winner, int price) = 0;
    // Why the company takes no part in a tender in the area for a
    // structure of the type.
    virtual void ShowPublicWorksBanned(int company, int area, int structureType) = 0;
    virtual void ShowTenderLacksFunds(int company, int area, int structureType) = 0;
    virtual void ShowTenderLacksDirector(int company, int area, int structureType) = 0;
    // A tender's result: the winner develops the structure for price, or
    // nobody bid.
    virtual void ShowDevelopmentContract(int area, int x, int y, int structureType, int price,
                                         int winner) = 0;
    virtual void ShowBidFailed(int area, int x, int y, int structureType) = 0;
    // A construction the company ordered could not be given out (0 funds,
    // 1 employees).
    virtual void ShowDevelopmentPlanFailed(int company, int reason) = 0;
    // The client hears whether the contractor took its construction
    // (shareholder: the client holds so much of the contractor that it
    // could not refuse).
    virtual void ShowContractAnswer(int client, int contractor, int area, int x, int y,
                                    int structureType, bool accepted, bool shareholder) = 0;

    // ---- random events and fire
    // The company's employees strike next month.
    virtual void ShowStrike(int company) = 0;
    // A job applicant's letter (the applicant's face and the lines) to the
    // company's player: true = employ.
    virtual bool AskEmployApplicant(const SOrderReport& report) = 0;
    // The issuer's new stock is offered to the buyer: amount shares for total.
    // true = buy.
    virtual bool AskBuyNewStock(int buyer, int issuer, int amount, int total) = 0;
    // A new company entered the market.
    virtual void ShowNewCompany(int company) = 0;
    // An EXPO was planned in the area; an EXPO opened there (held or not)
    // on the project cells.
    virtual void ShowExpoPlanned(int area) = 0;
    virtual void ShowExpoOpening(int area, int held, const std::vector<CCellPoint>& cells) = 0;
    // Companies exposed for illegal donations to the area's governor.
    virtual void ShowIllegalDonations(int area, const std::vector<int>& companies) = 0;
};

// Nobody to show anything to: results vanish and questions are answered no.
class CDetachedReportService : public IReportService {
public:
    void ShowPurchaseFailure(int, int, int, int, int, int) override {}
    void ShowResignation(int, int) override {}
    void ShowHeadhuntFailed(int, int) override {}
    void ShowHeadhuntSucceeded(int, int, int) override {}
    void ShowHeadhuntLoss(int, int, int) override {}
    void ShowHeadhuntNotice(int, int) override {}
    void ShowPaymentNotice(int, int, int) override {}
    void ShowForcedSale(int) override {}
    void ShowContractProblem(int, int, int, int, int, int, int) override {}
    bool AskAcceptContract(int, int, int, int, int, int, int, int) override { return false; }
    int AskDirectorChoice(int, int) override { return -1; }
    void ShowChampion(int, int) override {}
    void ShowTeamLostStadium(int, int) override {}
    void ShowTeamPurchased(int, int, int) override {}
    void ShowTeamPurchaseRefused(int, int, int, int) override {}
    void ShowBankruptcy(int) override {}
    void ShowMerger(int, int) override {}
    void ShowContractorBankrupt(int, int, int) override {}
    bool ConfirmOrder(const SOrderReport&) override { return false; }
    void ShowOrderReport(const SOrderReport&) override {}
    void ShowAdvice(int) override {}

    // ---- directors' tasks
    void ShowDesignatedPurchaseRefused(int, int, int) override {}
    bool AskDesignatedSale(int, int, int, int, bool) override { return false; }
    bool AskDesignatedPurchase(int, int, int, int, bool) override { return false; }
    bool AskLandPurchase(int, int, int) override { return false; }
    void ShowLandAcquisitionFailed(int, int, int) override {}
    void ShowEmployeesRecruited(int, int, int) override {}
    void ShowLoanApproved(int, int, int) override {}
    void ShowAdvertisingFinished(int, int, int, int) override {}
    void ShowInvestmentCompleted(int, int, int, int, int) override {}
    bool AskEmployFoundTalent(int, int, int, int) override { return false; }
    void ShowNoTalentFound(int, int) override {}
    void ShowConstructionCompleted(int, int, int, int) override {}
    void ShowReinforcementEnded(int, int) override {}
    void ShowReinforcementStopped(int, int) override {}
    bool ShowStockOfferDecision(int, int, int, int, int) override { return false; }
    void ShowStockPurchaseFailed(int, int, int) override {}
    void ShowTeamInvestmentResult(int, int, int, int, int) override {}

    // ---- land sales, auctions and construction contracts
    bool AskLandSaleOffer(int, int, int, int, int, int, int, bool) override { return false; }
    void ShowSaleAnswer(int, int, int, int, int, int, bool) override {}
    void ShowCannotBid(int, int, int, int, int) override {}
    void ShowAuctionResult(int, int, int, int, int, int) override {}
    void ShowPublicWorksBanned(int, int, int) override {}
    void ShowTenderLacksFunds(int, int, int) override {}
    void ShowTenderLacksDirector(int, int, int) override {}
    void ShowDevelopmentContract(int, int, int, int, int, int) override {}
    void ShowBidFailed(int, int, int, int) override {}
    void ShowDevelopmentPlanFailed(int, int) override {}
    void ShowContractAnswer(int, int, int, int, int, int, bool, bool) override {}

    // ---- random events and fire
    void ShowStrike(int) override {}
    bool AskEmployApplicant(const SOrderReport&) override { return false; }
    bool AskBuyNewStock(int, int, int, int) override { return false; }
    void ShowNewCompany(int) override {}
    void ShowExpoPlanned(int) override {}
    void ShowExpoOpening(int, int, const std::vector<CCellPoint>&) override {}
    void ShowIllegalDonations(int, const std::vector<int>&) override {}
};
