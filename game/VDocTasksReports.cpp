// Where the results of the directors' tasks go: a company played at another
// machine is told over the network (nothing to send yet); otherwise the
// report composer shows the result to the player here. A question that
// cannot be put to the player (away, or played elsewhere) is answered no.

#include "game/VDoc.h"
#include "model/services/Services.h"

namespace {
IReportService& Report() {
    return Services::Report();
}
}  // namespace

void CVDoc::ReportDesignatedPurchaseRefused(const CPersonData& director, int owner) {
    const int c = director.GetEmployer();
    if (!IsLocallyPlayed(c)) return;
    Report().ShowDesignatedPurchaseRefused(c, director.GetIndex(), owner);
}

int CVDoc::AskDesignatedSale(int owner, const CPersonData& director, int price, int forced) {
    if (!IsAskable(owner)) return 0;
    return Report().AskDesignatedSale(owner, director.GetEmployer(), director.GetIndex(), price,
                                      forced != 0)
               ? 1
               : 0;
}

int CVDoc::AskDesignatedPurchase(const CPersonData& director, int area, int x, int y, int price,
                                 int mode) {
    const int c = director.GetEmployer();
    if (!IsAskable(c)) return 0;
    const bool affordable = GetFunds(c) >= price;
    SelectArea(area);
    Services::Frame().MarkCellRect(x, y, x, y, 180);
    const bool yes =
        Report().AskDesignatedPurchase(c, director.GetIndex(), price, mode, affordable);
    Services::Frame().FlushChangedCells(1);
    return yes && affordable ? 1 : 0;
}

int CVDoc::AskLandPurchase(const CPersonData& director, int area, int x, int y, int price) {
    const int c = director.GetEmployer();
    if (!IsAskable(c)) return 0;
    SelectArea(area);
    Services::Frame().MarkCellRect(x, y, x, y, 180);
    const bool yes = Report().AskLandPurchase(c, director.GetIndex(), price);
    Services::Frame().FlushChangedCells(1);
    return yes ? 1 : 0;
}

int CVDoc::AskEmployFoundTalent(const CPersonData& director, const CPersonData& found) {
    const int c = director.GetEmployer();
    if (!IsAskable(c)) return 0;
    const int remark = director.RateFoundTalent(found);
    return Report().AskEmployFoundTalent(c, director.GetIndex(), found.GetIndex(), remark) ? 1 : 0;
}

void CVDoc::ReportLandAcquisitionFailed(const CPersonData& director, int area) {
    const int c = director.GetEmployer();
    if (IsLocallyPlayed(c)) Report().ShowLandAcquisitionFailed(c, director.GetIndex(), area);
}

void CVDoc::ReportEmployeesRecruited(const CPersonData& director, int count) {
    const int c = director.GetEmployer();
    if (IsLocallyPlayed(c)) Report().ShowEmployeesRecruited(c, director.GetIndex(), count);
}

void CVDoc::ReportLoanApproved(const CPersonData& director, int amount) {
    const int c = director.GetEmployer();
    if (IsLocallyPlayed(c)) Report().ShowLoanApproved(c, director.GetIndex(), amount);
}

void CVDoc::ReportAdvertisingFinished(const CPersonData& director, int area, int step) {
    const int c = director.GetEmployer();
    if (IsLocallyPlayed(c)) Report().ShowAdvertisingFinished(c, director.GetIndex(), area, step);
}

void CVDoc::ReportInvestmentCompleted(const CPersonData& director, int area, int kind, int grade) {
    const int c = director.GetEmployer();
    if (IsLocallyPlayed(c))
        Report().ShowInvestmentCompleted(c, director.GetIndex(), area, kind, grade);
}

void CVDoc::ReportNoTalentFound(const CPersonData& director) {
    const int c = director.GetEmployer();
    if (IsLocallyPlayed(c)) Report().ShowNoTalentFound(c, director.GetIndex());
}
