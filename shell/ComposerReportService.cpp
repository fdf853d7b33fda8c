#include "shell/ComposerReportService.h"

#include "game/VDoc.h"
#include "model/BD.h"
#include "model/PersonData.h"
#include "shell/MainFrame.h"
#include "shell/SetDrawMes.h"

namespace {
// Why a purchase was called off, as the director's task tells it.
constexpr int kAlreadyOwned = 0;
constexpr int kCircumstancesChanged = 1;
constexpr int kExpoSite = 2;
// Why a contract cannot be taken.
constexpr int kContractNoFunds = 0;
constexpr int kContractNoDirector = 1;

const CPersonData* Person(CMainFrame* frame, int person) {
    CVDoc* doc = frame ? frame->GetDocument() : nullptr;
    return doc ? doc->GetDirector(person) : nullptr;
}
}  // namespace

void CComposerReportService::ShowPurchaseFailure(int, int person, int, int, int, int reason) {
    CSetDrawMes mes(m_frame);
    const CPersonData* director = Person(m_frame, person);
    if (reason == kAlreadyOwned) mes.ShowPurchaseAlreadyOwned(director);
    if (reason == kCircumstancesChanged) mes.ShowPurchaseCircumstancesChanged(director);
    if (reason == kExpoSite) mes.ShowPurchaseExpoSite(director);
}

void CComposerReportService::ShowResignation(int, int person) {
    CSetDrawMes(m_frame).ShowPersonQuit(Person(m_frame, person));
}

void CComposerReportService::ShowHeadhuntFailed(int, int hunter) {
    CSetDrawMes(m_frame).ShowHeadhuntFailed(Person(m_frame, hunter));
}

void CComposerReportService::ShowHeadhuntSucceeded(int, int hunter, int) {
    CSetDrawMes(m_frame).ShowRecruitResult(Person(m_frame, hunter));
}

void CComposerReportService::ShowHeadhuntLoss(int, int target, int hunterCompany) {
    CSetDrawMes(m_frame).ShowPersonJoined(Person(m_frame, target), hunterCompany);
}

void CComposerReportService::ShowPaymentNotice(int company, int amount, int flag) {
    CSetDrawMes(m_frame).ShowBankRepaymentDemand(company, amount, flag ? TRUE : FALSE);
}

void CComposerReportService::ShowForcedSale(int company) {
    CSetDrawMes(m_frame).ShowMustSellProperty(company);
}

void CComposerReportService::ShowContractProblem(int company, int area, int, int, int offering,
                                                 int structureType, int reason) {
    CSetDrawMes mes(m_frame);
    if (reason == kContractNoFunds) mes.ShowContractNoFunds(company, offering, area, structureType);
    if (reason == kContractNoDirector) mes.ShowNoDirector(company, offering, area, structureType);
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
                                                    takeover ? TRUE : FALSE) != FALSE;
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
