#pragma once
// The game program's report service: every result, notice and question
// that the document and the rules show to this machine's player opens the
// report composer's box for it. It implements the whole seam itself, so
// that a method added to the seam cannot fall through to a silent default
// unnoticed. Questions that a dialog rather than a box answers (the
// director choice, the champion) keep the detached answers, and the head
// hunting notice to everybody belongs to the message log, not to a box.

#include <vector>

#include "model/CellPoint.h"
#include "model/services/ReportService.h"

class CMainFrame;
class CPersonData;

class CComposerReportService : public IReportService {
public:
    explicit CComposerReportService(CMainFrame* frame) : m_frame(frame) {}

    void ShowPurchaseFailure(int company, int person, int area, int x, int y,
                             int reason) override;
    void ShowResignation(int company, int person) override;
    void ShowHeadhuntFailed(int company, int hunter) override;
    void ShowHeadhuntSucceeded(int company, int hunter, int target) override;
    void ShowHeadhuntLoss(int company, int target, int hunterCompany) override;
    void ShowHeadhuntNotice(int hunter, int target) override;
    void ShowPaymentNotice(int company, int amount, int flag) override;
    void ShowForcedSale(int company) override;
    void ShowContractProblem(int company, int area, int x, int y, int offering,
                             int structureType, int reason) override;
    bool AskAcceptContract(int company, int area, int x, int y, int offering, int structureType,
                           int price, int takeover) override;
    int AskDirectorChoice(int company, int orderKind) override;
    void ShowChampion(int league, int team) override;
    void ShowTeamLostStadium(int company, int league) override;
    void ShowTeamPurchased(int company, int league, int team) override;
    void ShowTeamPurchaseRefused(int company, int league, int team, int reason) override;
    void ShowBankruptcy(int company) override;
    void ShowMerger(int absorber, int absorbed) override;
    void ShowContractorBankrupt(int client, int structureType, int contractor) override;
    bool ConfirmOrder(const SOrderReport& report) override;
    void ShowOrderReport(const SOrderReport& report) override;
    void ShowAdvice(int company) override;

    // ---- directors' tasks
    void ShowDesignatedPurchaseRefused(int company, int director, int owner) override;
    bool AskDesignatedSale(int owner, int buyer, int director, int price, bool forced) override;
    bool AskDesignatedPurchase(int company, int director, int price, int mode,
                               bool affordable) override;
    bool AskLandPurchase(int company, int director, int price) override;
    void ShowLandAcquisitionFailed(int company, int director, int area) override;
    void ShowEmployeesRecruited(int company, int director, int count) override;
    void ShowLoanApproved(int company, int director, int amount) override;
    void ShowAdvertisingFinished(int company, int director, int area, int step) override;
    void ShowInvestmentCompleted(int company, int director, int area, int kind,
                                 int grade) override;
    bool AskEmployFoundTalent(int company, int director, int found, int remark) override;
    void ShowNoTalentFound(int company, int director) override;
    void ShowConstructionCompleted(int company, int director, int built, int planned) override;
    void ShowReinforcementEnded(int company, int director) override;
    void ShowReinforcementStopped(int company, int director) override;
    bool ShowStockOfferDecision(int company, int director, int stockCompany, int count,
                                int price) override;
    void ShowStockPurchaseFailed(int company, int director, int stockCompany) override;
    void ShowTeamInvestmentResult(int company, int director, int league, int purpose,
                                  int points) override;

    // ---- land sales, auctions and construction contracts
    bool AskLandSaleOffer(int buyer, int seller, int area, int x, int y, int price, int lotPrice,
                          bool affordable) override;
    void ShowSaleAnswer(int seller, int buyer, int area, int x, int y, int price,
                        bool accepted) override;
    void ShowCannotBid(int company, int area, int x, int y, int reason) override;
    void ShowAuctionResult(int seller, int area, int x, int y, int winner, int price) override;
    void ShowPublicWorksBanned(int company, int area, int structureType) override;
    void ShowTenderLacksFunds(int company, int area, int structureType) override;
    void ShowTenderLacksDirector(int company, int area, int structureType) override;
    void ShowDevelopmentContract(int area, int x, int y, int structureType, int price,
                                 int winner) override;
    void ShowBidFailed(int area, int x, int y, int structureType) override;
    void ShowDevelopmentPlanFailed(int company, int reason) override;
    void ShowContractAnswer(int client, int contractor, int area, int x, int y,
                            int structureType, bool accepted, bool shareholder) override;

    // ---- random events and fire
    void ShowStrike(int company) override;
    bool AskEmployApplicant(const SOrderReport& report) override;
    bool AskBuyNewStock(int buyer, int issuer, int amount, int total) override;
    void ShowNewCompany(int company) override;
    void ShowExpoPlanned(int area) override;
    void ShowExpoOpening(int area, int held, const std::vector<CCellPoint>& cells) override;
    void ShowIllegalDonations(int area, const std::vector<int>& companies) override;

private:
    const CPersonData* Person(int person) const;
    // The cells blink on the map while the box that follows is open;
    // EndHighlight ends it. A rectangle that leaves the area's grid is not
    // marked.
    void MarkRect(int area, CCellPoint first, CCellPoint second);
    void MarkCells(int area, const std::vector<CCellPoint>& cells);
    // The site of a structure of the type whose anchor (bottom-right
    // cell) is (x, y).
    void MarkSite(int area, int x, int y, int structureType);
    void EndHighlight();

    CMainFrame* m_frame;
    // What the seam answers where no box asks.
    CDetachedReportService m_detached;
};
