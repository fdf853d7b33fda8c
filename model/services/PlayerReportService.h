#pragma once
// Reports and questions to a company's player, shown here or sent to that player. Part of what the
// records need of the game document (see DocService.h).

class IPlayerReportService {
public:
    virtual ~IPlayerReportService() = default;
    // Reports to a company's player (shown here or sent to that player).
    virtual void ReportPurchaseFailure(int company, int person, int area, int x, int y,
                                       int reason) = 0;
    virtual void ReportResignation(int company, int person) = 0;
    virtual void ReportHeadhuntFailed(int company, int hunter) = 0;
    virtual void ReportHeadhuntSucceeded(int company, int hunter, int target) = 0;
    // To the company that lost target to hunterCompany.
    virtual void ReportHeadhuntLoss(int company, int target, int hunterCompany) = 0;
    // The notice to everybody naming both persons.
    virtual void ReportHeadhuntNotice(int hunter, int target) = 0;
    // The loan repayment notice to the company's player (flag 1: its
    // structures are being sold).
    virtual void ShowPaymentNotice(int company, int amount, int flag) = 0;
    // Tells the company's player that its structures go to auction.
    virtual void AnnounceForcedSale(int company) = 0;
    // A construction contract offered to a human-played company: the reason
    // it cannot take it (0 funds short, 1 no free director), the question
    // (non-zero: accepted), and the director the player picks for the order
    // kind (person index, -1 none).
    virtual void ReportContractProblem(int company, int area, int x, int y, int offering,
                                       int structureType, int reason) = 0;
    virtual int AskAcceptContract(int company, int area, int x, int y, int offering,
                                  int structureType, int price, int takeover) = 0;
    virtual int AskDirectorChoice(int company, int orderKind) = 0;
    // A team whose stadium is gone: the company's player chooses a new home
    // field (0 none, 1 moved, 2 still choosing); or, with no stadium site
    // left, the player is told (and the team is sold).
    virtual int AskNewHomeField(int company, int league) = 0;
    virtual void ReportTeamLostStadium(int company, int league) = 0;
};
