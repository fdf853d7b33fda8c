#include "game/HeadlessReportService.h"

#include <string>

void CHeadlessReportService::Add(const char* what, std::initializer_list<int> values) {
    std::string line = std::string("report: ") + what;
    for (int v : values) line += " " + std::to_string(v);
    m_transcript.Add(line);
}

void CHeadlessReportService::ShowPurchaseFailure(int company, int person, int area, int x, int y,
                                                 int reason) {
    Add("purchase failed", {company, person, area, x, y, reason});
}

void CHeadlessReportService::ShowResignation(int company, int person) {
    Add("resignation", {company, person});
}

void CHeadlessReportService::ShowHeadhuntFailed(int company, int hunter) {
    Add("head hunting failed", {company, hunter});
}

void CHeadlessReportService::ShowHeadhuntSucceeded(int company, int hunter, int target) {
    Add("head hunting succeeded", {company, hunter, target});
}

void CHeadlessReportService::ShowHeadhuntLoss(int company, int target, int hunterCompany) {
    Add("person lost to head hunting", {company, target, hunterCompany});
}

void CHeadlessReportService::ShowHeadhuntNotice(int hunter, int target) {
    Add("head hunting", {hunter, target});
}

void CHeadlessReportService::ShowPaymentNotice(int company, int amount, int flag) {
    Add("loan repayment", {company, amount, flag});
}

void CHeadlessReportService::ShowForcedSale(int company) {
    Add("structures sold", {company});
}

void CHeadlessReportService::ShowContractProblem(int company, int area, int x, int y, int offering,
                                                 int structureType, int reason) {
    Add("contract refused", {company, area, x, y, offering, structureType, reason});
}

bool CHeadlessReportService::AskAcceptContract(int company, int area, int x, int y, int offering,
                                               int structureType, int price, int takeover) {
    Add("contract offered [no]", {company, area, x, y, offering, structureType, price, takeover});
    return false;
}

int CHeadlessReportService::AskDirectorChoice(int company, int orderKind) {
    Add("director choice [none]", {company, orderKind});
    return -1;
}

void CHeadlessReportService::ShowChampion(int league, int team) {
    Add("league champion", {league, team});
}

void CHeadlessReportService::ShowTeamLostStadium(int company, int league) {
    Add("team lost its stadium", {company, league});
}

void CHeadlessReportService::ShowTeamPurchased(int company, int league, int team) {
    Add("team purchased", {company, league, team});
}

void CHeadlessReportService::ShowTeamPurchaseRefused(int company, int league, int team,
                                                     int reason) {
    Add("team purchase refused", {company, league, team, reason});
}

void CHeadlessReportService::ShowBankruptcy(int company) {
    Add("bankruptcy", {company});
}

void CHeadlessReportService::ShowMerger(int absorber, int absorbed) {
    Add("merger", {absorber, absorbed});
}

void CHeadlessReportService::ShowContractorBankrupt(int client, int structureType,
                                                    int contractor) {
    Add("contractor bankrupt", {client, structureType, contractor});
}

// ---- directors' tasks

void CHeadlessReportService::ShowDesignatedPurchaseRefused(int company, int director, int owner) {
    Add("designated purchase refused", {company, director, owner});
}

bool CHeadlessReportService::AskDesignatedSale(int owner, int buyer, int director, int price,
                                               bool forced) {
    Add("designated sale asked [no]", {owner, buyer, director, price, int(forced)});
    return false;
}

bool CHeadlessReportService::AskDesignatedPurchase(int company, int director, int price, int mode,
                                                   bool affordable) {
    Add("purchase price [no]", {company, director, price, mode, int(affordable)});
    return false;
}

bool CHeadlessReportService::AskLandPurchase(int company, int director, int price) {
    Add("neighbouring lot [no]", {company, director, price});
    return false;
}

void CHeadlessReportService::ShowLandAcquisitionFailed(int company, int director, int area) {
    Add("land acquisition unobtainable", {company, director, area});
}

void CHeadlessReportService::ShowEmployeesRecruited(int company, int director, int count) {
    Add("employees recruited", {company, director, count});
}

void CHeadlessReportService::ShowLoanApproved(int company, int director, int amount) {
    Add("loan approved", {company, director, amount});
}

void CHeadlessReportService::ShowAdvertisingFinished(int company, int director, int area,
                                                     int step) {
    Add("advertising finished", {company, director, area, step});
}

void CHeadlessReportService::ShowInvestmentCompleted(int company, int director, int area, int kind,
                                                     int grade) {
    Add("investment completed", {company, director, area, kind, grade});
}

bool CHeadlessReportService::AskEmployFoundTalent(int company, int director, int found,
                                                  int remark) {
    Add("talent found [no]", {company, director, found, remark});
    return false;
}

void CHeadlessReportService::ShowNoTalentFound(int company, int director) {
    Add("no talent found", {company, director});
}

void CHeadlessReportService::ShowConstructionCompleted(int company, int director, int built,
                                                       int planned) {
    Add("construction completed", {company, director, built, planned});
}

void CHeadlessReportService::ShowReinforcementEnded(int company, int director) {
    Add("reinforcement ended", {company, director});
}

void CHeadlessReportService::ShowReinforcementStopped(int company, int director) {
    Add("reinforcement stopped", {company, director});
}

bool CHeadlessReportService::ShowStockOfferDecision(int company, int director, int stockCompany,
                                                    int count, int price) {
    Add("stock purchase [no]", {company, director, stockCompany, count, price});
    return false;
}

void CHeadlessReportService::ShowStockPurchaseFailed(int company, int director, int stockCompany) {
    Add("stock purchase failed", {company, director, stockCompany});
}

void CHeadlessReportService::ShowTeamInvestmentResult(int company, int director, int league,
                                                      int purpose, int points) {
    Add("team investment", {company, director, league, purpose, points});
}

// ---- land sales, auctions and construction contracts

bool CHeadlessReportService::AskLandSaleOffer(int buyer, int seller, int area, int x, int y,
                                              int price, int lotPrice, bool affordable) {
    Add("lot offered [no]", {buyer, seller, area, x, y, price, lotPrice, affordable ? 1 : 0});
    return false;
}

void CHeadlessReportService::ShowSaleAnswer(int seller, int buyer, int area, int x, int y,
                                            int price, bool accepted) {
    Add("lot sale answer", {seller, buyer, area, x, y, price, accepted ? 1 : 0});
}

void CHeadlessReportService::ShowCannotBid(int company, int area, int x, int y, int reason) {
    Add("cannot bid", {company, area, x, y, reason});
}

void CHeadlessReportService::ShowAuctionResult(int seller, int area, int x, int y, int winner,
                                               int price) {
    Add("auction closed", {seller, area, x, y, winner, price});
}

void CHeadlessReportService::ShowPublicWorksBanned(int company, int area, int) {
    Add("barred from public works", {company, area});
}

void CHeadlessReportService::ShowTenderLacksFunds(int company, int area, int) {
    Add("tender: lacks funds", {company, area});
}

void CHeadlessReportService::ShowTenderLacksDirector(int company, int area, int) {
    Add("tender: lacks a director", {company, area});
}

void CHeadlessReportService::ShowDevelopmentContract(int area, int x, int y, int structureType,
                                                     int price, int winner) {
    Add("development contracted", {area, x, y, structureType, price, winner});
}

void CHeadlessReportService::ShowBidFailed(int area, int x, int y, int structureType) {
    Add("tender failed", {area, x, y, structureType});
}

void CHeadlessReportService::ShowDevelopmentPlanFailed(int company, int reason) {
    Add("development plan failed", {company, reason});
}

void CHeadlessReportService::ShowContractAnswer(int client, int contractor, int area, int x, int y,
                                                int structureType, bool accepted, bool) {
    Add("contract answer", {client, contractor, area, x, y, structureType, accepted ? 1 : 0});
}

// ---- random events and fire

void CHeadlessReportService::ShowStrike(int company) {
    Add("strike", {company});
}

bool CHeadlessReportService::AskEmployApplicant(const SOrderReport& report) {
    Add("applicant [no]", {report.company, report.person});
    return false;
}

bool CHeadlessReportService::AskBuyNewStock(int buyer, int issuer, int amount, int total) {
    Add("new stock offered [no]", {buyer, issuer, amount, total});
    return false;
}

void CHeadlessReportService::ShowNewCompany(int company) {
    Add("new company", {company});
}

void CHeadlessReportService::ShowExpoPlanned(int area) {
    Add("expo planned", {area});
}

void CHeadlessReportService::ShowExpoOpening(int area, int held,
                                             const std::vector<CCellPoint>& cells) {
    Add("expo opened", {area, held, static_cast<int>(cells.size())});
}

void CHeadlessReportService::ShowIllegalDonations(int area, const std::vector<int>& companies) {
    std::string line = "report: illegal donations " + std::to_string(area) + ":";
    for (int c : companies) line += " " + std::to_string(c);
    m_transcript.Add(line);
}

