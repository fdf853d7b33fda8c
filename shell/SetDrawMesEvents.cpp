// Reports of the month's business events: cancelled land purchases,
// auctions and development tenders, construction contracts, failed plans,
// finished constructions, new stock and stock offers, reinforcements and a
// contractor's bankruptcy. Unless said otherwise they close themselves
// after three seconds in a network game.

#include <cstdint>

#include "dialogs/MyMessageDlg.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "shell/MainFrame.h"
#include "shell/ReportLines.h"
#include "shell/SetDrawMes.h"

void CSetDrawMes::ShowPurchaseCancelled(const CPersonData* director, const std::string& why) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    lines.Line(0).Text(why);
    lines.Line(1).Text("Purchase cancelled.");
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowPurchaseAlreadyOwned(const CPersonData* director) {
    ShowPurchaseCancelled(director, "We already own this property.");
}

void CSetDrawMes::ShowPurchaseCircumstancesChanged(const CPersonData* director) {
    ShowPurchaseCancelled(director, "Circumstances changed.");
}

void CSetDrawMes::ShowPurchaseExpoSite(const CPersonData* director) {
    ShowPurchaseCancelled(director, "EXPO planing site.");
}

void CSetDrawMes::ShowAuctionOpened(int company, int area, CCellPoint cell, int reason) {
    CMyMessageDlg box(m_frame);
    CReportLines lines = Lines(box);
    lines.Line(0).Bold(AreaName(area)).Text(" auction opened.");
    if (reason == 0) {
        lines.Line(2).Company(Company(company)).Text(" lacks funds to bid.");
    } else if (reason == 1) {
        lines.Line(2).Company(Company(company)).Text("can not participate");
        lines.Line(3).Text("because it has not expanded into this area yet.");
    }
    MarkStructure(area, cell);
    Run(box, kReportCloseMs);
    EndHighlight();
}

void CSetDrawMes::ShowTenderRefusal(int company, int area, int type, const std::string& first,
                                    const std::vector<std::string>& further) {
    CMyMessageDlg box(m_frame);
    CReportLines lines = Lines(box);
    AddBiddingHead(box, lines, area, type);
    lines.Line(3).Company(Company(company)).Text(first);
    int y = 4;
    for (const std::string& text : further) lines.Line(y++).Text(text);
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowTenderProhibited(int company, int area, int type) {
    ShowTenderRefusal(company, area, type, " is prohibited",
                      {"from developing public facilities.", "construction."});
}

void CSetDrawMes::ShowTenderNoFunds(int company, int area, int type) {
    ShowTenderRefusal(company, area, type, " lacks funds to participate.", {});
}

void CSetDrawMes::ShowTenderNotExpanded(int company, int area, int type) {
    ShowTenderRefusal(company, area, type, " can not participate",
                      {"because it has not expanded into this area yet."});
}

void CSetDrawMes::ShowTenderNoDirector(int company, int area, int type) {
    ShowTenderRefusal(company, area, type, " lacks a participating director.", {});
}

void CSetDrawMes::ShowAuctionResult(int winner, int price) {
    CMyMessageDlg box(m_frame);
    box.SetCaption("The bid result");
    CReportLines lines = Lines(box);
    lines.Line(1).Text("Auction closed ");
    if (price <= 0) {
        lines.Text("with no successful bids.");
    } else {
        lines.Text("at ").Number(price);
        if (const CEnterprise* c = Company(winner)) lines.Text(" to ").Company(c);
        lines.Text(".");
    }
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowContractProblem(int company, int second, int area, int type,
                                      const char* text) {
    CMyMessageDlg box(m_frame);
    CReportLines lines = Lines(box);
    AddContractHead(box, lines, company, second, area, type);
    lines.Line(4).Text(text);
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowContractNoFunds(int company, int second, int area, int type) {
    ShowContractProblem(company, second, area, type, "Insufficient funds to accept contract.");
}

void CSetDrawMes::ShowNoDirector(int company, int second, int area, int type) {
    ShowContractProblem(company, second, area, type, "No available director.");
}

void CSetDrawMes::ShowContractAnswer(int companyA, int companyB, int type, BOOL accepted,
                                     BOOL shareholder) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(companyA);
    box.SetEnterpriseStyle(0);
    CReportLines lines = Lines(box);
    const CEnterprise* b = Company(companyB);
    if (accepted && shareholder) {
        lines.Line(0)
            .Company(b)
            .Text(" could not refuse the ")
            .Bold(TypeName(type))
            .Text(" construction contract ");
        lines.Line(1).Text("to ").Company(Company(companyA)).Text(", a large shareholder.");
    } else {
        lines.Line(0).Company(b).Text(accepted ? " contracted" : " refused");
        lines.Line(1).Text("the ").Bold(TypeName(type)).Text(" construction.");
    }
    Run(box, kReportCloseMs);
}

BOOL CSetDrawMes::AskGovernorContract(int company, int contracting, int area, CCellPoint first,
                                      CCellPoint second, int type, int price, BOOL shareholder) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    box.SetCancelShown(1);
    CReportLines lines = Lines(box);
    const CEnterprise* offering = Company(contracting);
    lines.Line(1);
    if (offering) {
        lines.Company(offering, false);
    } else {
        const CPersonData* governor = m_doc ? m_doc->GetAreaGovernor(area) : nullptr;
        lines.Text("Governor ").Bold(PersonName(governor));
    }
    lines.Text(" contracted us to build");
    const CBD* bd = Type(type);
    lines.Line(2)
        .Text("the ")
        .Bold(TypeName(type))
        .Text(" for ")
        .Number(price)
        .Text(".(Cost : ")
        .Number(bd ? bd->GetBasePrice() : 0)
        .Text(")");
    if (shareholder) {
        // A large shareholder's contract cannot be declined.
        box.SetCancelShown(0);
        lines.Line(3).Text("We must accept the ").Company(offering, false).Text(" contract");
        lines.Line(4).Text("because they are a large shareholder.");
    } else {
        lines.Line(4).Text("Do you accept it?");
    }
    MarkRect(first, second);
    const int result = RunModal(box);
    EndHighlight();
    return result == IDOK ? TRUE : FALSE;
}

void CSetDrawMes::ShowDevelopmentPlanFailed(int company, int reason) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    CReportLines lines = Lines(box);
    lines.Line(1).Text("We had development plans ");
    lines.Line(2).Text(PlanFailureText(reason));
    Run(box, kNoAutoClose);
}

void CSetDrawMes::ShowConstructionCompleted(const CPersonData* director, int type) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    const CBD* bd = Type(type);
    // A mistaken construction names the type it should have been, the one
    // before it; a first type has none and reads as a plain completion.
    if (bd && bd->IsType72() && type >= 1) {
        lines.Line(1).Text("Mistakenly constructed the ").Bold(TypeName(type));
        lines.Line(2).Text("instead of the ").Bold(TypeName(type - 1)).Text(".");
    } else if (type >= 0) {
        lines.Line(1).Text("Completed the ").Bold(TypeName(type)).Text(" Constuction.");
    }
    Run(box, kReportCloseMs);
}

BOOL CSetDrawMes::AskBuyNewStock(int company, int stockCompany, int quantity, int64_t total) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    CReportLines lines = Lines(box);
    lines.Line(1).Company(Company(stockCompany)).Text("stock just began trading.");
    lines.Line(2)
        .Number(quantity)
        .Text(quantity > 1 ? " stocks have begun trading for " : " stock have begun trading for ")
        .Number(total)
        .Text(" total.");
    lines.Line(4).Text("Shall we purchase?");
    return Confirm(box);
}

void CSetDrawMes::ShowStockPurchaseFailed(const CPersonData* director, int company) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    Lines(box).Line(1).Text("I failed securring ").Company(Company(company)).Text(" stock.");
    Run(box, kReportCloseMs);
}

BOOL CSetDrawMes::ShowStockOfferDecision(const CPersonData* director, int offering, int quantity,
                                         int price) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    AddStockOfferHead(box, lines, offering, quantity, price);
    const CEnterprise* employer = Employer(director);
    // In 64 bits: a large offer must not wrap round to an affordable one.
    const bool affordable =
        employer && int64_t{employer->GetFunds()} >= int64_t{quantity} * int64_t{price};
    lines.Line(4).Text(affordable ? "We shall buy." : "Insufficient funds to purchase.");
    if (!affordable) {
        RunModal(box);
        return FALSE;
    }
    return Confirm(box);
}

void CSetDrawMes::ShowReinforcementCancelled(const CPersonData* director) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    lines.Line(1).Text("I terminated reinforcing this building");
    lines.Line(2).Text("after conditions changed.");
    Run(box, kNoAutoClose);
}

void CSetDrawMes::ShowReinforcementEnded(const CPersonData* director) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    Lines(box).Line(1).Text("Building reinforcement ended.");
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowContractorBankrupt(int company, int type, int contractor) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    CReportLines lines = Lines(box);
    lines.Line(0).Company(Company(contractor)).Text(", the company we outsourced");
    lines.Line(1).Text("the ").Bold(TypeName(type)).Text(" contruction to went bankrupt.");
    lines.Line(2).Text("All involved financing is a loss.");
    Run(box, kReportCloseMs);
}

BOOL CSetDrawMes::AskLandSaleOffer(int buyer, int seller, int price, int lotPrice,
                                   BOOL affordable) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(buyer);
    CReportLines lines = Lines(box);
    lines.Line(1).Company(Company(seller)).Text(" notified us this is for sale.");
    if (!affordable) {
        lines.Line(3).Text("Purchase not possible. Insufficient funds.");
        return Ask(box, FALSE, FALSE);
    }
    lines.Line(2).Text("The price is");
    lines.Line(3).Number(price).Text(".(Standard price:").Number(lotPrice).Text(")");
    lines.Line(5).Text("Are we going to get it?");
    return Ask(box, TRUE, FALSE);
}

void CSetDrawMes::ShowSaleAnswer(int seller, int buyer, BOOL accepted) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(seller);
    Lines(box).Line(1).Company(Company(buyer)).Text(accepted ? " purchased this."
                                                             : " did not purchase this.");
    Run(box, kSaleAnswerCloseMs);
}

void CSetDrawMes::ShowDevelopmentContract(int winner, int type, int price) {
    CMyMessageDlg box(m_frame);
    box.SetStructure(type);
    Lines(box)
        .Line(1)
        .Text("Contracted ")
        .Company(Company(winner))
        .Text(" to develop a ")
        .Bold(TypeName(type))
        .Text(" for ")
        .Number(price)
        .Text(".");
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowBidFailed(int type) {
    CMyMessageDlg box(m_frame);
    box.SetStructure(type);
    Lines(box).Line(1).Text("Unsuccessful bid.");
    Run(box, kReportCloseMs);
}
