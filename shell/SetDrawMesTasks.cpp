// The results and questions of the directors' tasks, each in the words of
// the director who carried the task out: land purchases and the lot
// owner's consent, recruiting, loans, advertising, investments and the
// search for upper management. Results close themselves after three
// seconds in a network game (an investment after five); a question that
// can be declined waits for the player.

#include <functional>

#include "dialogs/MyMessageDlg.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "shell/MainFrame.h"
#include "shell/ReportLines.h"
#include "shell/SetDrawMes.h"

namespace {
constexpr int kNegotiatedPrice = 0;
}  // namespace

void CSetDrawMes::ShowDirectorReport(const CPersonData* director, int networkCloseMs,
                                     const std::function<void(CReportLines&)>& fill) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    fill(lines);
    Run(box, networkCloseMs);
}

void CSetDrawMes::ShowDesignatedPurchaseRefused(const CPersonData* director, int owner) {
    if (director)
        MarkStructure(director->GetTaskArea(),
                      CCellPoint(director->GetTaskTargetX(), director->GetTaskTargetY()));
    ShowDirectorReport(director, kReportCloseMs, [&](CReportLines& lines) {
        lines.Line(1).Text("Disignated ").Company(Company(owner)).Text(
            " purchase proposal refused.");
    });
    EndHighlight();
}

BOOL CSetDrawMes::AskDesignatedSale(int owner, int buyer, const CPersonData* director, int price,
                                    BOOL forced) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(owner);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    lines.Line(1)
        .Company(Company(buyer))
        .Text(" representative ")
        .Bold(PersonName(director))
        .Text(".");
    lines.Line(2).Text("I can offer ").Number(price).Text(".");
    lines.Line(4).Text(forced ? "I can not refuse our company's stock." : "Will you sell?");
    // A large shareholder's offer cannot be refused, however the box closes.
    return Ask(box, !forced, TRUE);
}

BOOL CSetDrawMes::AskDesignatedPurchase(const CPersonData* director, int price, int mode,
                                        BOOL affordable) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    lines.Line(1)
        .Text(mode == kNegotiatedPrice ? "Negotiated price " : "Survey confirms buying price ")
        .Number(price)
        .Text(".");
    lines.Line(2).Text(affordable ? "Purchase approved." : "Insufficient funds.");
    return Ask(box, affordable, FALSE);
}

BOOL CSetDrawMes::AskLandPurchase(const CPersonData* director, int price) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    lines.Line(1).Text("Buying price ").Number(price).Text(" confirmed.");
    lines.Line(2).Text("Purchase approved.");
    return Confirm(box);
}

void CSetDrawMes::ShowLandAcquisitionFailed(const CPersonData* director, int area) {
    ShowDirectorReport(director, kReportCloseMs, [&](CReportLines& lines) {
        lines.Line(1).Bold(AreaName(area)).Text(" land acquisition unobtainable.");
    });
}

void CSetDrawMes::ShowEmployeesRecruited(const CPersonData* director, int count) {
    ShowDirectorReport(director, kReportCloseMs, [&](CReportLines& lines) {
        lines.Line(1).Number(count).Text(" employess recruited.");
    });
}

void CSetDrawMes::ShowLoanApproved(const CPersonData* director, int amount) {
    ShowDirectorReport(director, kReportCloseMs, [&](CReportLines& lines) {
        lines.Line(1).Number(amount).Text(" loan approved.");
    });
}

void CSetDrawMes::ShowAdvertisingFinished(const CPersonData* director, int area, int step) {
    ShowDirectorReport(director, kReportCloseMs, [&](CReportLines& lines) {
        if (area < 0)
            lines.Line(1).Text("All advertising campaigns finished.");
        else
            lines.Line(1).Bold(AreaName(area)).Text(" advertising campaign finished.");
        lines.Line(2).Text(AwarenessText(step));
    });
}

void CSetDrawMes::ShowInvestmentCompleted(const CPersonData* director, int area, int kind,
                                          int grade) {
    ShowDirectorReport(director, kLongCloseMs, [&](CReportLines& lines) {
        lines.Line(1).Bold(AreaName(area)).Text(InvestmentText(kind));
        lines.Line(2).Text(EffectText(grade));
    });
}

BOOL CSetDrawMes::AskEmployFoundTalent(const CPersonData* director, const CPersonData* found,
                                       int remark) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    const std::string name = PersonName(found);
    int y = 1;
    lines.Line(y++).Text("I headhunted ").Bold(name).Text(".");
    const std::string said = TalentRemark(remark);
    if (!said.empty()) lines.Line(y++).Bold(name).Text(said);
    lines.Line(y).Text("Employ ").Bold(name).Text("?");
    return Confirm(box);
}

void CSetDrawMes::ShowNoTalentFound(const CPersonData* director) {
    ShowDirectorReport(director, kReportCloseMs,
                       [](CReportLines& lines) { lines.Line(1).Text("No head hunting results."); });
}
