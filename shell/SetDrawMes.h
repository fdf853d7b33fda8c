#pragma once
// The report composer: every report, confirmation, refusal and piece of
// advice that a player reads is built here as runs of text on numbered
// lines of the report box, with the box's caption, pictures and buttons.
// Each builder shows one box and returns when it is closed; a confirmation
// returns TRUE when it was closed with OK. In a network game most reports
// close themselves after a few seconds so that they never hold up the
// other machines. The composer keeps only the document; create one for a
// message and drop it.
//
// Topic files: SetDrawMes.cpp (the frame, the shared heads, ShowLines),
// SetDrawMesAdvice.cpp (advice), SetDrawMesOrders.cpp (confirmations and
// refusals of the player's orders), SetDrawMesEvents.cpp (land, auction,
// contract, construction and stock reports, land offers and tender
// results), SetDrawMesStaff.cpp (staff, team, EXPO, bank and company
// reports, job applicants), SetDrawMesTasks.cpp (the results and questions
// of the directors' tasks).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/CellPoint.h"
#include "platform/ui/GdiDefs.h"

class CAdvicePacket;
class CBD;
class CEnterprise;
class CMainFrame;
class CMyMessageDlg;
class CPersonData;
class CProTeam;
class CReportLines;
class CVDoc;
struct SOrderReport;

class CSetDrawMes {
public:
    // Automatic close periods in a network game, in milliseconds.
    static constexpr int kNoAutoClose = 0;
    static constexpr int kReportCloseMs = 3000;
    static constexpr int kLongCloseMs = 5000;
    static constexpr int kRecruitCloseMs = 6000;
    static constexpr int kSaleAnswerCloseMs = 6000;
    static constexpr int kDonationsCloseMs = 8000;
    // The blink period of the cells a report points at.
    static constexpr int kBlinkMs = 180;

    // The frame of the application when none is given.
    explicit CSetDrawMes(CMainFrame* frame = nullptr);
    virtual ~CSetDrawMes();
    CSetDrawMes(const CSetDrawMes&) = delete;
    CSetDrawMes& operator=(const CSetDrawMes&) = delete;

    // ---- shared heads and the generic builder
    void AddBiddingHead(CMyMessageDlg& box, CReportLines& lines, int area, int type);
    void AddContractHead(CMyMessageDlg& box, CReportLines& lines, int company, int second,
                         int area, int type);
    void AddStockOfferHead(CMyMessageDlg& box, CReportLines& lines, int company, int quantity,
                           int price);
    // The first n strings on lines 1..n, all bold or all normal, under the
    // person's face, with Cancel.
    BOOL ShowLines(const CPersonData* person, const std::vector<std::string>& strings, BOOL bold,
                   int n);
    // A report of the player's commands whose lines come composed: the
    // caption (empty: the default), the company's panel when no person
    // speaks, the lines from line 1 in the normal font; with Cancel when
    // it is a question (then TRUE for OK).
    BOOL ShowOrderLines(const SOrderReport& report, BOOL question);

    // ---- advice
    void ShowAdvice(int company);

    // ---- confirmations and refusals of the player's orders
    void ShowInadequateFunds();
    void ShowNoDirectors();
    void ShowPlannedExpoSite();
    void ShowPlotUnderNegotiation(int area, CCellPoint cell, const CPersonData* person);
    void ShowPlotUnavailable(int company, int area, CCellPoint cell, int reason);
    // buyer < 0: an auction.
    BOOL AskSaleContract(int company, int buyer, int price);
    void ShowCannotBuildOffice(int company, BOOL expanded);
    BOOL AskConstructionOrder(int contractor, int type, int price);
    // A negative type: a demolition.
    BOOL AskConstruction(const CPersonData* director, int type);
    BOOL AskReinforcement(const CPersonData* director);
    void ShowLandUseConflict(int kind, BOOL selling);
    BOOL AskAdvertising(const CPersonData* director, const std::string& campaign, int cost);
    BOOL AskPurchaseStock(const CPersonData* director, int company);
    // kind 0 city project, 1 disaster prevention, 2 EXPO promotion, 3 a
    // donation to the governor.
    BOOL AskInvestment(const CPersonData* director, int area, int kind, int amount);
    BOOL AskHeadhunt(const CPersonData* director, const CPersonData* target);
    BOOL AskSellStock(int company, int stockCompany, int quantity, int64_t total);
    void ShowStadiumChoice(int company, int league, int team);
    void ShowHomeFieldOccupied(int company);
    BOOL AskHomeField(int company);
    // kind nonzero: to win more games; 0: popularity.
    BOOL AskTeamInvestment(const CPersonData* director, const CProTeam* team, int kind,
                           int amount);
    void ShowCannotStopTask(int company, const CPersonData* director);
    BOOL AskStopTask(const CPersonData* director);
    // directorPlusOne: the company's director (position + 1), 0 the
    // employees.
    BOOL AskLayoff(int company, int directorPlusOne, int count);

    // ---- land, auction, contract, construction and stock reports
    void ShowPurchaseAlreadyOwned(const CPersonData* director);
    void ShowPurchaseCircumstancesChanged(const CPersonData* director);
    void ShowPurchaseExpoSite(const CPersonData* director);
    void ShowAuctionOpened(int company, int area, CCellPoint cell, int reason);
    void ShowTenderProhibited(int company, int area, int type);
    void ShowTenderNoFunds(int company, int area, int type);
    void ShowTenderNotExpanded(int company, int area, int type);
    void ShowTenderNoDirector(int company, int area, int type);
    // winner -1: none.
    void ShowAuctionResult(int winner, int price);
    // second -1: the area's governor offers the contract.
    void ShowContractNoFunds(int company, int second, int area, int type);
    void ShowNoDirector(int company, int second, int area, int type);
    void ShowContractAnswer(int companyA, int companyB, int type, BOOL accepted,
                            BOOL shareholder);
    // contracting -1: the area's governor. The rectangle between the two
    // cells blinks while the box is open.
    BOOL AskGovernorContract(int company, int contracting, int area, CCellPoint first,
                             CCellPoint second, int type, int price, BOOL shareholder);
    void ShowDevelopmentPlanFailed(int company, int reason);
    void ShowConstructionCompleted(const CPersonData* director, int type);
    BOOL AskBuyNewStock(int company, int stockCompany, int quantity, int64_t total);
    void ShowStockPurchaseFailed(const CPersonData* director, int company);
    // TRUE when the director's company can pay and the player chose OK.
    BOOL ShowStockOfferDecision(const CPersonData* director, int offering, int quantity,
                                int price);
    void ShowReinforcementCancelled(const CPersonData* director);
    void ShowReinforcementEnded(const CPersonData* director);
    void ShowContractorBankrupt(int company, int type, int contractor);
    // A lot seller offers to buyer at price (lotPrice the standard price);
    // without the funds the buyer is only told so and the answer is FALSE.
    BOOL AskLandSaleOffer(int buyer, int seller, int price, int lotPrice, BOOL affordable);
    // The seller hears whether buyer took its lot.
    void ShowSaleAnswer(int seller, int buyer, BOOL accepted);
    // A development tender's result: winner builds the type for price, or
    // nobody bid.
    void ShowDevelopmentContract(int winner, int type, int price);
    void ShowBidFailed(int type);

    // ---- staff, sports team, EXPO, bank and company reports
    void ShowHeadhuntFailed(const CPersonData* director);
    void ShowRecruitTargetGone(const CPersonData* director);
    void ShowRecruitResult(const CPersonData* director);
    void ShowPersonJoined(const CPersonData* person, int company);
    void ShowPersonQuit(const CPersonData* person);
    void ShowExpoAnnounced(int area);
    void ShowExpoClosing(int area, BOOL successful);
    void ShowStrike(int company);
    // kind nonzero: strength; 0: popularity.
    void ShowTeamInvestmentResult(const CPersonData* director, const CProTeam* team, int kind,
                                  int points);
    void ShowTeamLostStadium(int company, int league);
    void ShowTeamPurchaseRefused(int company, int league, int team, int reason);
    void ShowTeamPurchased(int company, int league, int team);
    void ShowIllegalDonations(int area, const std::vector<int>& companies);
    void ShowBankRepaymentDemand(int company, int amount, BOOL danger);
    void ShowCompanyFounded(int company);
    void ShowBankruptcy(int company);
    // companyB took over companyA.
    void ShowMerged(int companyA, int companyB);
    void ShowCeoDismissed(int companyA, int companyB, BOOL close);
    void ShowMustSellProperty(int company);
    // A job applicant's letter, its lines composed: the applicant's face,
    // the company's panel; TRUE to employ.
    BOOL AskEmployApplicant(const SOrderReport& report);

    // ---- results and questions of the directors' tasks
    // The owner company refused to sell the lot of the director's task.
    void ShowDesignatedPurchaseRefused(const CPersonData* director, int owner);
    // The lot's owner is asked to sell to buyer, whose director offers the
    // price; a forced sale offers only OK and is always TRUE.
    BOOL AskDesignatedSale(int owner, int buyer, const CPersonData* director, int price,
                           BOOL forced);
    // mode 0: the negotiated price, 1: the surveyed one. Without the funds
    // the player is only told so and the answer is FALSE.
    BOOL AskDesignatedPurchase(const CPersonData* director, int price, int mode,
                               BOOL affordable);
    // The price of the neighbouring lot offered with the purchase.
    BOOL AskLandPurchase(const CPersonData* director, int price);
    void ShowLandAcquisitionFailed(const CPersonData* director, int area);
    void ShowEmployeesRecruited(const CPersonData* director, int count);
    void ShowLoanApproved(const CPersonData* director, int amount);
    // area -1: all cities; step: the awareness step 0..5 reached.
    void ShowAdvertisingFinished(const CPersonData* director, int area, int step);
    // kind: the investment kind 0..3; grade: its effect grade 0..3.
    void ShowInvestmentCompleted(const CPersonData* director, int area, int kind, int grade);
    // remark: the director's assessment 1..3 (0: none). TRUE: employ.
    BOOL AskEmployFoundTalent(const CPersonData* director, const CPersonData* found, int remark);
    void ShowNoTalentFound(const CPersonData* director);

    // ---- text tables; an index outside a table gives its fallback
    // The task names of kinds 0..13; "" outside.
    static const char* TaskName(int kind);
    // "him", "him", "her" by the person's kind; "him" outside.
    static const char* Pronoun(int kind);
    // The head-hunting chance texts 0..4; "" outside.
    static const char* ChanceText(int index);
    // Why development plans failed, 0..6; "" outside.
    static const char* PlanFailureText(int reason);
    // The months a construction of the work figure takes a director of the
    // construction aptitude.
    static int64_t ConstructionMonths(int64_t aptitude, int64_t workFigure);
    // The head-hunting chance text's index for the attachment margin.
    static int ChanceIndex(int margin);
    // The company awareness texts of steps 0..5; "" outside.
    static const char* AwarenessText(int step);
    // What an investment of kind 0..3 completed; "" outside.
    static const char* InvestmentText(int kind);
    // The effect grades 0..3; "" outside.
    static const char* EffectText(int grade);
    // A found talent's remark by the assessment 1..3; "" otherwise.
    static const char* TalentRemark(int remark);

private:
    CReportLines Lines(CMyMessageDlg& box) const;
    // Arms the automatic close in a network game (period > 0) and runs the
    // box; the box's result.
    int Run(CMyMessageDlg& box, int networkCloseMs);
    int RunModal(CMyMessageDlg& box);
    BOOL Confirm(CMyMessageDlg& box);
    // A question that needs the player's yes: with Cancel when it can be
    // declined (TRUE on OK); otherwise a notice with OK only, closing
    // itself in a network game, whose answer is the given one.
    BOOL Ask(CMyMessageDlg& box, BOOL declinable, BOOL otherwise);
    void MarkStructure(int area, CCellPoint cell);
    void MarkRect(CCellPoint first, CCellPoint second);
    void EndHighlight();
    bool IsNetworkGame() const;

    const CEnterprise* Company(int company) const;
    const CPersonData* Person(int person) const;
    // A person's employer company; nullptr without one.
    const CEnterprise* Employer(const CPersonData* person) const;
    // The person a recruiting director's task names.
    const CPersonData* TaskTarget(const CPersonData* director) const;
    const CBD* Type(int type) const;
    std::string TypeName(int type) const;
    std::string AreaName(int area) const;
    std::string PersonName(const CPersonData* person) const;
    int PersonIndex(const CPersonData* person) const;
    // "Baseball" or "Football" by the league's kind.
    const char* Sport(int league) const;
    const CProTeam* Team(int league, int team) const;
    std::string TeamName(const CProTeam* team) const;
    // A report in the director's words: his face and the lines fill adds.
    void ShowDirectorReport(const CPersonData* director, int networkCloseMs,
                            const std::function<void(CReportLines&)>& fill);
    // The purchase-cancelled reports share their frame.
    void ShowPurchaseCancelled(const CPersonData* director, const std::string& why);
    // The four tender refusals: the bidding head, then the company's line
    // 3 and the further lines.
    void ShowTenderRefusal(int company, int area, int type, const std::string& first,
                           const std::vector<std::string>& further);
    void ShowContractProblem(int company, int second, int area, int type, const char* text);
    // One advice item on line r; returns the lines it used.
    int AddAdviceText(CReportLines& lines, const CAdvicePacket& item, int r, int& area,
                      CCellPoint& point);
    // The flagged sentence when its indexes hold; false leaves the line to
    // the general sentence.
    bool AddAdviceTarget(CReportLines& lines, const CAdvicePacket& item, int r, int& area);
    void AddAdviceGeneral(CReportLines& lines, const CAdvicePacket& item, int r);
    bool IsArea(int area) const;
    // A cell of the area's grid.
    bool IsCell(int area, CCellPoint cell) const;

    CMainFrame* m_frame;
    CVDoc* m_doc;
};
