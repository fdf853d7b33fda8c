#pragma once
// The report composer of a game without windows: every result is one line
// of the transcript, and every question is answered with its default "no";
// the confirmations of the player's commands are cancelled.

#include "game/Transcript.h"
#include "model/services/ReportService.h"

class CHeadlessReportService : public CDetachedReportService {
public:
    explicit CHeadlessReportService(CTranscript& transcript) : m_transcript(transcript) {}

    void ShowPurchaseFailure(int company, int person, int area, int x, int y, int reason) override;
    void ShowResignation(int company, int person) override;
    void ShowHeadhuntFailed(int company, int hunter) override;
    void ShowHeadhuntSucceeded(int company, int hunter, int target) override;
    void ShowHeadhuntLoss(int company, int target, int hunterCompany) override;
    void ShowHeadhuntNotice(int hunter, int target) override;
    void ShowPaymentNotice(int company, int amount, int flag) override;
    void ShowForcedSale(int company) override;
    void ShowContractProblem(int company, int area, int x, int y, int offering, int structureType,
                             int reason) override;
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
    void ShowInvestmentCompleted(int company, int director, int area, int kind, int grade) override;
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
    void ShowContractAnswer(int client, int contractor, int area, int x, int y, int structureType,
                            bool accepted, bool shareholder) override;

    // ---- random events and fire
    void ShowStrike(int company) override;
    bool AskEmployApplicant(const SOrderReport& report) override;
    bool AskBuyNewStock(int buyer, int issuer, int amount, int total) override;
    void ShowNewCompany(int company) override;
    void ShowExpoPlanned(int area) override;
    void ShowExpoOpening(int area, int held, const std::vector<CCellPoint>& cells) override;
    void ShowIllegalDonations(int area, const std::vector<int>& companies) override;

private:
    void Add(const char* what, std::initializer_list<int> values);

    CTranscript& m_transcript;
};
