#include "shell/ComposerReportService.h"

#include "game/VDoc.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "shell/MainFrame.h"
#include "shell/SetDrawMes.h"
#include "views/MapDrawWnd.h"

namespace {
// Why a purchase was called off, as the director's task tells it.
constexpr int kAlreadyOwned = 0;
constexpr int kCircumstancesChanged = 1;
constexpr int kExpoSite = 2;
// Why a contract cannot be taken.
constexpr int kContractNoFunds = 0;
constexpr int kContractNoDirector = 1;
// A team support's purpose as the task keeps it; the report's kind counts
// the other way round (nonzero: strength).
constexpr int kWinningPower = 0;
constexpr int kBlinkMs = CSetDrawMes::kBlinkMs;

BOOL AsBool(bool value) {
    return value ? TRUE : FALSE;
}
}  // namespace

const CPersonData* CComposerReportService::Person(int person) const {
    CVDoc* doc = m_frame ? m_frame->GetDocument() : nullptr;
    return doc ? doc->GetDirector(person) : nullptr;
}

void CComposerReportService::MarkRect(int area, CCellPoint first, CCellPoint second) {
    CVDoc* doc = m_frame ? m_frame->GetDocument() : nullptr;
    CMapDrawWnd* map = m_frame ? m_frame->GetMapDrawWnd() : nullptr;
    int width = 0, height = 0;
    if (!doc || !map || !doc->GetAreaSize(area, width, height)) return;
    if (first.x < 0 || first.y < 0 || second.x >= width || second.y >= height) return;
    doc->SelectArea(area);
    map->MarkCellRect(first.x, first.y, second.x, second.y, kBlinkMs);
}

void CComposerReportService::MarkCells(int area, const std::vector<CCellPoint>& cells) {
    for (const CCellPoint& cell : cells) MarkRect(area, cell, cell);
}

void CComposerReportService::MarkSite(int area, int x, int y, int structureType) {
    CVDoc* doc = m_frame ? m_frame->GetDocument() : nullptr;
    const CBD* type = doc ? doc->GetStructureType(structureType) : nullptr;
    int width = 1, height = 1;
    if (type) type->GetSize(width, height);
    MarkRect(area, CCellPoint(x - width + 1, y - height + 1), CCellPoint(x, y));
}

void CComposerReportService::EndHighlight() {
    if (CMapDrawWnd* map = m_frame ? m_frame->GetMapDrawWnd() : nullptr)
        map->FlushChangedCells(1);
}

void CComposerReportService::ShowPurchaseFailure(int, int person, int area, int x, int y,
                                                 int reason) {
    CSetDrawMes mes(m_frame);
    const CPersonData* director = Person(person);
    MarkCells(area, {CCellPoint(x, y)});
    if (reason == kAlreadyOwned) mes.ShowPurchaseAlreadyOwned(director);
    if (reason == kCircumstancesChanged) mes.ShowPurchaseCircumstancesChanged(director);
    if (reason == kExpoSite) mes.ShowPurchaseExpoSite(director);
    EndHighlight();
}

void CComposerReportService::ShowResignation(int, int person) {
    CSetDrawMes(m_frame).ShowPersonQuit(Person(person));
}

void CComposerReportService::ShowHeadhuntFailed(int, int hunter) {
    CSetDrawMes(m_frame).ShowHeadhuntFailed(Person(hunter));
}

void CComposerReportService::ShowHeadhuntSucceeded(int, int hunter, int) {
    CSetDrawMes(m_frame).ShowRecruitResult(Person(hunter));
}

void CComposerReportService::ShowHeadhuntLoss(int, int target, int hunterCompany) {
    CSetDrawMes(m_frame).ShowPersonJoined(Person(target), hunterCompany);
}

void CComposerReportService::ShowHeadhuntNotice(int hunter, int target) {
    m_detached.ShowHeadhuntNotice(hunter, target);
}

void CComposerReportService::ShowPaymentNotice(int company, int amount, int flag) {
    CSetDrawMes(m_frame).ShowBankRepaymentDemand(company, amount, AsBool(flag != 0));
}

void CComposerReportService::ShowForcedSale(int company) {
    CSetDrawMes(m_frame).ShowMustSellProperty(company);
}

void CComposerReportService::ShowContractProblem(int company, int area, int x, int y, int offering,
                                                 int structureType, int reason) {
    CSetDrawMes mes(m_frame);
    MarkSite(area, x, y, structureType);
    if (reason == kContractNoFunds) mes.ShowContractNoFunds(company, offering, area, structureType);
    if (reason == kContractNoDirector) mes.ShowNoDirector(company, offering, area, structureType);
    EndHighlight();
}

bool CComposerReportService::AskAcceptContract(int company, int area, int x, int y, int offering,
                                               int structureType, int price, int takeover) {
    // (x, y) is the site's anchor, its bottom-right cell; the structure
    // covers its footprint up and left from there.
    CVDoc* doc = m_frame ? m_frame->GetDocument() : nullptr;
    const CBD* type = doc ? doc->GetStructureType(structureType) : nullptr;
    int width = 1, height = 1;
    if (type) type->GetSize(width, height);
    const CCellPoint first(x - width + 1, y - height + 1);
    return CSetDrawMes(m_frame).AskGovernorContract(company, offering, area, first,
                                                    CCellPoint(x, y), structureType, price,
                                                    AsBool(takeover != 0)) != FALSE;
}

int CComposerReportService::AskDirectorChoice(int company, int orderKind) {
    return m_detached.AskDirectorChoice(company, orderKind);
}

void CComposerReportService::ShowChampion(int league, int team) {
    m_detached.ShowChampion(league, team);
}

void CComposerReportService::ShowTeamLostStadium(int company, int league) {
    CSetDrawMes(m_frame).ShowTeamLostStadium(company, league);
}

void CComposerReportService::ShowTeamPurchased(int company, int league, int team) {
    CSetDrawMes(m_frame).ShowTeamPurchased(company, league, team);
}

void CComposerReportService::ShowTeamPurchaseRefused(int company, int league, int team,
                                                     int reason) {
    CSetDrawMes(m_frame).ShowTeamPurchaseRefused(company, league, team, reason);
}

void CComposerReportService::ShowBankruptcy(int company) {
    CSetDrawMes(m_frame).ShowBankruptcy(company);
}

void CComposerReportService::ShowMerger(int absorber, int absorbed) {
    CSetDrawMes(m_frame).ShowMerged(absorbed, absorber);
}

void CComposerReportService::ShowContractorBankrupt(int client, int structureType,
                                                    int contractor) {
    CSetDrawMes(m_frame).ShowContractorBankrupt(client, structureType, contractor);
}

bool CComposerReportService::ConfirmOrder(const SOrderReport& report) {
    return CSetDrawMes(m_frame).ShowOrderLines(report, TRUE) != FALSE;
}

void CComposerReportService::ShowOrderReport(const SOrderReport& report) {
    CSetDrawMes(m_frame).ShowOrderLines(report, FALSE);
}

void CComposerReportService::ShowAdvice(int company) {
    CSetDrawMes(m_frame).ShowAdvice(company);
}

// ---------------------------------------------------------------- directors' tasks

void CComposerReportService::ShowDesignatedPurchaseRefused(int, int director, int owner) {
    CSetDrawMes(m_frame).ShowDesignatedPurchaseRefused(Person(director), owner);
}

bool CComposerReportService::AskDesignatedSale(int owner, int buyer, int director, int price,
                                               bool forced) {
    return CSetDrawMes(m_frame).AskDesignatedSale(owner, buyer, Person(director), price,
                                                  AsBool(forced)) != FALSE;
}

bool CComposerReportService::AskDesignatedPurchase(int, int director, int price, int mode,
                                                   bool affordable) {
    return CSetDrawMes(m_frame).AskDesignatedPurchase(Person(director), price, mode,
                                                      AsBool(affordable)) != FALSE;
}

bool CComposerReportService::AskLandPurchase(int, int director, int price) {
    return CSetDrawMes(m_frame).AskLandPurchase(Person(director), price) != FALSE;
}

void CComposerReportService::ShowLandAcquisitionFailed(int, int director, int area) {
    CSetDrawMes(m_frame).ShowLandAcquisitionFailed(Person(director), area);
}

void CComposerReportService::ShowEmployeesRecruited(int, int director, int count) {
    CSetDrawMes(m_frame).ShowEmployeesRecruited(Person(director), count);
}

void CComposerReportService::ShowLoanApproved(int, int director, int amount) {
    CSetDrawMes(m_frame).ShowLoanApproved(Person(director), amount);
}

void CComposerReportService::ShowAdvertisingFinished(int, int director, int area, int step) {
    CSetDrawMes(m_frame).ShowAdvertisingFinished(Person(director), area, step);
}

void CComposerReportService::ShowInvestmentCompleted(int, int director, int area, int kind,
                                                     int grade) {
    CSetDrawMes(m_frame).ShowInvestmentCompleted(Person(director), area, kind, grade);
}

bool CComposerReportService::AskEmployFoundTalent(int, int director, int found, int remark) {
    return CSetDrawMes(m_frame).AskEmployFoundTalent(Person(director), Person(found), remark) !=
           FALSE;
}

void CComposerReportService::ShowNoTalentFound(int, int director) {
    CSetDrawMes(m_frame).ShowNoTalentFound(Person(director));
}

void CComposerReportService::ShowConstructionCompleted(int, int director, int built, int) {
    // A mistaken construction names the type planned as the one before the
    // type built, so the built one is all the report needs.
    CSetDrawMes(m_frame).ShowConstructionCompleted(Person(director), built);
}

void CComposerReportService::ShowReinforcementEnded(int, int director) {
    CSetDrawMes(m_frame).ShowReinforcementEnded(Person(director));
}

void CComposerReportService::ShowReinforcementStopped(int, int director) {
    CSetDrawMes(m_frame).ShowReinforcementCancelled(Person(director));
}

bool CComposerReportService::ShowStockOfferDecision(int, int director, int stockCompany, int count,
                                                    int price) {
    return CSetDrawMes(m_frame).ShowStockOfferDecision(Person(director), stockCompany, count,
                                                       price) != FALSE;
}

void CComposerReportService::ShowStockPurchaseFailed(int, int director, int stockCompany) {
    CSetDrawMes(m_frame).ShowStockPurchaseFailed(Person(director), stockCompany);
}

void CComposerReportService::ShowTeamInvestmentResult(int company, int director, int league,
                                                      int purpose, int points) {
    CVDoc* doc = m_frame ? m_frame->GetDocument() : nullptr;
    const CEnterprise* owner = doc ? doc->GetEnterprise(company) : nullptr;
    const CProTeam* team = nullptr;
    if (owner && league >= 0 && league < CMapDoc::kLeagueCount) {
        const int t = owner->GetLeagueTeam(league);
        if (t >= 0 && t < doc->GetMap().GetLeague(league).GetTeamCount())
            team = &doc->GetMap().GetProTeam(league, t);
    }
    CSetDrawMes(m_frame).ShowTeamInvestmentResult(Person(director), team,
                                                  purpose == kWinningPower ? 1 : 0, points);
}

// ---------------------------------------------------------------- sales and contracts

bool CComposerReportService::AskLandSaleOffer(int buyer, int seller, int, int, int, int price,
                                              int lotPrice, bool affordable) {
    return CSetDrawMes(m_frame).AskLandSaleOffer(buyer, seller, price, lotPrice,
                                                 AsBool(affordable)) != FALSE;
}

void CComposerReportService::ShowSaleAnswer(int seller, int buyer, int area, int x, int y, int,
                                            bool accepted) {
    MarkCells(area, {CCellPoint(x, y)});
    CSetDrawMes(m_frame).ShowSaleAnswer(seller, buyer, AsBool(accepted));
    EndHighlight();
}

void CComposerReportService::ShowCannotBid(int company, int area, int x, int y, int reason) {
    CSetDrawMes(m_frame).ShowAuctionOpened(company, area, CCellPoint(x, y), reason);
}

void CComposerReportService::ShowAuctionResult(int, int, int, int, int winner, int price) {
    CSetDrawMes(m_frame).ShowAuctionResult(winner, price);
}

void CComposerReportService::ShowPublicWorksBanned(int company, int area, int structureType) {
    CSetDrawMes(m_frame).ShowTenderProhibited(company, area, structureType);
}

void CComposerReportService::ShowTenderLacksFunds(int company, int area, int structureType) {
    CSetDrawMes(m_frame).ShowTenderNoFunds(company, area, structureType);
}

void CComposerReportService::ShowTenderLacksDirector(int company, int area, int structureType) {
    CSetDrawMes(m_frame).ShowTenderNoDirector(company, area, structureType);
}

void CComposerReportService::ShowDevelopmentContract(int, int, int, int structureType, int price,
                                                     int winner) {
    CSetDrawMes(m_frame).ShowDevelopmentContract(winner, structureType, price);
}

void CComposerReportService::ShowBidFailed(int, int, int, int structureType) {
    CSetDrawMes(m_frame).ShowBidFailed(structureType);
}

void CComposerReportService::ShowDevelopmentPlanFailed(int company, int reason) {
    CSetDrawMes(m_frame).ShowDevelopmentPlanFailed(company, reason);
}

void CComposerReportService::ShowContractAnswer(int client, int contractor, int area, int x, int y,
                                                int structureType, bool accepted,
                                                bool shareholder) {
    MarkSite(area, x, y, structureType);
    CSetDrawMes(m_frame).ShowContractAnswer(client, contractor, structureType, AsBool(accepted),
                                            AsBool(shareholder));
    EndHighlight();
}

// ---------------------------------------------------------------- events

void CComposerReportService::ShowStrike(int company) {
    CSetDrawMes(m_frame).ShowStrike(company);
}

bool CComposerReportService::AskEmployApplicant(const SOrderReport& report) {
    return CSetDrawMes(m_frame).AskEmployApplicant(report) != FALSE;
}

bool CComposerReportService::AskBuyNewStock(int buyer, int issuer, int amount, int total) {
    return CSetDrawMes(m_frame).AskBuyNewStock(buyer, issuer, amount, total) != FALSE;
}

void CComposerReportService::ShowNewCompany(int company) {
    CSetDrawMes(m_frame).ShowCompanyFounded(company);
}

void CComposerReportService::ShowExpoPlanned(int area) {
    CSetDrawMes(m_frame).ShowExpoAnnounced(area);
}

void CComposerReportService::ShowExpoOpening(int area, int held,
                                             const std::vector<CCellPoint>& cells) {
    // An EXPO that opens runs its four months and closes; one that was not
    // held is called off at once.
    MarkCells(area, cells);
    CSetDrawMes(m_frame).ShowExpoClosing(area, AsBool(held != 0));
    EndHighlight();
}

void CComposerReportService::ShowIllegalDonations(int area, const std::vector<int>& companies) {
    CSetDrawMes(m_frame).ShowIllegalDonations(area, companies);
}
