#pragma once
// The game program's report service: every result, notice and question
// that the document and the rules show to this machine's player opens the
// report composer's box for it. Questions that a dialog rather than a box
// answers (the director choice, the champion) keep the detached answers.

#include "model/services/ReportService.h"

class CMainFrame;

class CComposerReportService : public CDetachedReportService {
public:
    explicit CComposerReportService(CMainFrame* frame) : m_frame(frame) {}

    void ShowPurchaseFailure(int company, int person, int area, int x, int y,
                             int reason) override;
    void ShowResignation(int company, int person) override;
    void ShowHeadhuntFailed(int company, int hunter) override;
    void ShowHeadhuntSucceeded(int company, int hunter, int target) override;
    void ShowHeadhuntLoss(int company, int target, int hunterCompany) override;
    void ShowPaymentNotice(int company, int amount, int flag) override;
    void ShowForcedSale(int company) override;
    void ShowContractProblem(int company, int area, int x, int y, int offering,
                             int structureType, int reason) override;
    bool AskAcceptContract(int company, int area, int x, int y, int offering, int structureType,
                           int price, int takeover) override;
    void ShowTeamLostStadium(int company, int league) override;
    void ShowTeamPurchased(int company, int league, int team) override;
    void ShowTeamPurchaseRefused(int company, int league, int team, int reason) override;
    void ShowBankruptcy(int company) override;
    void ShowMerger(int absorber, int absorbed) override;
    void ShowContractorBankrupt(int client, int structureType, int contractor) override;
    bool ConfirmOrder(const SOrderReport& report) override;
    void ShowOrderReport(const SOrderReport& report) override;
    void ShowAdvice(int company) override;

private:
    CMainFrame* m_frame;
};
