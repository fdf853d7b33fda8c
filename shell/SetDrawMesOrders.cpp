// Confirmations of the player's own orders, in the words of the director
// who will carry them out, and the refusals of orders that cannot be
// given. They keep the frame from counting the box as a report; none
// closes itself, except the unavailable plot in a network game.

#include <algorithm>
#include <cstdint>

#include "dialogs/MyMessageDlg.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/ProTeam.h"
#include "shell/MainFrame.h"
#include "shell/ReportLines.h"
#include "shell/SetDrawMes.h"

namespace {
// The construction task's kind, whose aptitude sets the building time.
constexpr int kConstructionTask = CPersonData::eTASK_CONSTRUCTION;
// Stadium lists of the qualifying cells: 0 for baseball, 1 for football.
constexpr int kBaseballList = 0;
constexpr int kFootballList = 1;
}  // namespace

void CSetDrawMes::ShowInadequateFunds() {
    CMyMessageDlg box(m_frame);
    box.SetFrameNotify(FALSE);
    Lines(box).Line(1).Text("Inadequate funds.  Not possible.");
    Run(box, kNoAutoClose);
}

void CSetDrawMes::ShowNoDirectors() {
    CMyMessageDlg box(m_frame);
    box.SetFrameNotify(FALSE);
    Lines(box).Line(1).Text("No directors available.");
    Run(box, kNoAutoClose);
}

void CSetDrawMes::ShowPlannedExpoSite() {
    CMyMessageDlg box(m_frame);
    box.SetFrameNotify(FALSE);
    Lines(box).Line(1).Text("Planned EXPO site.");
    Run(box, kNoAutoClose);
}

void CSetDrawMes::ShowPlotUnderNegotiation(int area, CCellPoint cell, const CPersonData* person) {
    CMyMessageDlg box(m_frame);
    box.SetFrameNotify(FALSE);
    Lines(box).Line(1).Bold(PersonName(person)).Text(" is undergoing negotiations.");
    MarkStructure(area, cell);
    Run(box, kNoAutoClose);
    EndHighlight();
}

void CSetDrawMes::ShowPlotUnavailable(int company, int area, CCellPoint cell, int reason) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    if (reason == 0) {
        const CBD* land =
            IsCell(area, cell) ? m_doc->GetMap().GetCellStructureType(area, cell.x, cell.y, 1)
                               : nullptr;
        const bool usable = land && land->GetUsableFlag() != 0;
        lines.Line(1).Text("Unavailable ").Bold(usable ? "building" : "land").Text(".");
    } else if (reason == 1) {
        const int owner = m_doc ? m_doc->GetCellOwner(area, cell.x, cell.y) - 1 : -1;
        lines.Line(1).Text("Property of ").Company(Company(owner)).Text(" not for sale.");
    } else if (reason == 2) {
        lines.Line(1).Text("You must expand into this area");
        lines.Line(2).Text("before you can develop.");
    }
    MarkStructure(area, cell);
    Run(box, kReportCloseMs);
    EndHighlight();
}

BOOL CSetDrawMes::AskSaleContract(int company, int buyer, int price) {
    CMyMessageDlg box(m_frame);
    box.SetCaption("Accepted contract to sell");
    box.SetEnterprise(company);
    box.SetEnterpriseStyle(0);
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    // Any negative buyer is an auction.
    if (buyer < 0) {
        lines.Line(1)
            .Text("We will auction this with a minimal bid of ")
            .Number(price)
            .Text(" by month end.");
    } else {
        lines.Line(1).Text("Contracting ").Company(Company(buyer));
        lines.Line(2).Text(" to sell for ").Number(price).Text(" by month end.");
    }
    return Confirm(box);
}

void CSetDrawMes::ShowCannotBuildOffice(int company, BOOL expanded) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    if (expanded) {
        lines.Line(1).Text("Already expanded into this area.");
        lines.Line(2).Text("Additional branch office unfeasible.");
    } else {
        lines.Line(1).Text("We must penetrate the area before we can develop.");
    }
    // Cancel is offered, but the answer changes nothing.
    Confirm(box);
}

BOOL CSetDrawMes::AskConstructionOrder(int contractor, int type, int price) {
    CMyMessageDlg box(m_frame);
    box.SetCaption("Construction Order Confirmation");
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    lines.Line(0).Text("Contracting ").Company(Company(contractor)).Text(" to develop");
    lines.Line(1)
        .Text("the ")
        .Bold(TypeName(type))
        .Text(" for ")
        .Number(price)
        .Text(" by month end.");
    return Confirm(box);
}

int64_t CSetDrawMes::ConstructionMonths(int64_t aptitude, int64_t workFigure) {
    // A divisor that the aptitude's range keeps positive; guarded all the same.
    const int64_t divisor = std::max<int64_t>((aptitude / 2 + 2000) / 10, 1);
    return workFigure * 300 / divisor + 1;
}

BOOL CSetDrawMes::AskConstruction(const CPersonData* director, int type) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    if (type < 0) {
        lines.Line(1).Text("I will demolish this.");
        return Confirm(box);
    }
    const int aptitude = director ? director->GetTaskAptitude(kConstructionTask, false) : 0;
    const CBD* bd = Type(type);
    const int64_t months = ConstructionMonths(aptitude, bd ? bd->GetPriceStep() : 0);
    lines.Line(1).Text("Commence ").Bold(TypeName(type)).Text(" construction");
    lines.Line(2).Text("with a ").Number(months).Text(" month finishing time.");
    return Confirm(box);
}

BOOL CSetDrawMes::AskReinforcement(const CPersonData* director) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    box.SetFrameNotify(FALSE);
    Lines(box).Line(1).Text("I will reinforce this for ").Number(5).Text(".");
    return Confirm(box);
}

void CSetDrawMes::ShowLandUseConflict(int kind, BOOL selling) {
    CMyMessageDlg box(m_frame);
    box.SetFrameNotify(FALSE);
    const char* text = kind == 1 ? (selling ? "Planned land for development can not be sold."
                                            : "Can not develop on land with planned construction.")
                                 : (selling ? "Land for sale can not be sold."
                                            : "Land for sale can not be developed.");
    Lines(box).Line(2).Text(text);
    Run(box, kNoAutoClose);
}

BOOL CSetDrawMes::AskAdvertising(const CPersonData* director, const std::string& campaign,
                                 int cost) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    box.SetFrameNotify(FALSE);
    Lines(box)
        .Line(1)
        .Text("Begin ")
        .Bold(campaign)
        .Text(" advertising campaign for ")
        .Number(cost)
        .Text(".");
    return Confirm(box);
}

BOOL CSetDrawMes::AskPurchaseStock(const CPersonData* director, int company) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    box.SetFrameNotify(FALSE);
    Lines(box).Line(1).Text("I will purchase ").Company(Company(company)).Text(" stock.");
    return Confirm(box);
}

BOOL CSetDrawMes::AskInvestment(const CPersonData* director, int area, int kind, int amount) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    if (kind >= 0 && kind <= 2) {
        lines.Line(1).Text("We will invest ").Number(amount).Text(" in ").Bold(AreaName(area));
        lines.Line(2);
        if (kind == 0) lines.Bold("city project");
        if (kind == 1) lines.Text("disaster prevention");
        if (kind == 2) lines.Bold("Expo  promotion");
        lines.Text(".");
    } else if (kind == 3) {
        lines.Line(1)
            .Text("We will donate ")
            .Number(amount)
            .Text(" to the ")
            .Bold(AreaName(area))
            .Text(" governor.");
    }
    return Confirm(box);
}

BOOL CSetDrawMes::AskHeadhunt(const CPersonData* director, const CPersonData* target) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    lines.Line(1).Text("I will headhunt ").Bold(PersonName(target));
    // A target who has just left his company is named without one.
    if (const CEnterprise* employer = Employer(target)) lines.Text(" from ").Company(employer);
    lines.Text(".");
    return Confirm(box);
}

BOOL CSetDrawMes::AskSellStock(int company, int stockCompany, int quantity, int64_t total) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    box.SetFrameNotify(FALSE);
    Lines(box)
        .Line(1)
        .Text("We will sell our ")
        .Number(quantity)
        .Text(" ")
        .Company(Company(stockCompany))
        .Text(quantity > 1 ? " stocks for " : " stock for ")
        .Number(total)
        .Text(" total.");
    return Confirm(box);
}

void CSetDrawMes::ShowStadiumChoice(int company, int league, int team) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    const std::string sport = Sport(league);
    lines.Line(0).Text("Select the stadium location for");
    lines.Line(1)
        .Text("the professional ")
        .Text(sport)
        .Text(" team ")
        .Bold(TeamName(Team(league, team)))
        .Text(".");
    lines.Line(2).Text("Potential stadium areas.");
    if (m_doc) {
        const CMapDoc& map = m_doc->GetMap();
        const int list = sport == "Baseball" ? kBaseballList : kFootballList;
        int y = 3;
        for (int area = 0; area < map.GetAreaCount(); ++area) {
            if (map.CountQualifyingListCells(company, list, area, -1, CCellPoint(-1, -1)) == 0)
                continue;
            lines.Line(y++, 2).Text("   ").Bold(AreaName(area));
        }
    }
    Run(box, kNoAutoClose);
}

void CSetDrawMes::ShowHomeFieldOccupied(int company) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    lines.Line(0).Text("We can not base our team here");
    lines.Line(1).Text("because it is already occupied by another team.");
    Run(box, kNoAutoClose);
}

BOOL CSetDrawMes::AskHomeField(int company) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    box.SetFrameNotify(FALSE);
    Lines(box).Line(1).Text("We shall base our home field here.");
    return Confirm(box);
}

BOOL CSetDrawMes::AskTeamInvestment(const CPersonData* director, const CProTeam* team, int kind,
                                    int amount) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    lines.Line(0).Text("We shall invest ").Number(amount).Text(" in ").Bold(TeamName(team));
    lines.Line(1).Text(kind ? "to help them win more games." : "to increase their popularity.");
    return Confirm(box);
}

void CSetDrawMes::ShowCannotStopTask(int company, const CPersonData* director) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    CReportLines lines = Lines(box);
    lines.Line(0).Text("We cannot stop ");
    lines.Line(1).Bold(TaskName(director ? director->GetTaskKind() : -1)).Text(".");
    Run(box, kNoAutoClose);
}

BOOL CSetDrawMes::AskStopTask(const CPersonData* director) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    box.SetFrameNotify(FALSE);
    Lines(box)
        .Line(1)
        .Text("I terminated ")
        .Bold(TaskName(director ? director->GetTaskKind() : -1))
        .Text(".");
    return Confirm(box);
}

BOOL CSetDrawMes::AskLayoff(int company, int directorPlusOne, int count) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    if (directorPlusOne > 0) {
        const CEnterprise* c = Company(company);
        const CPersonData* director = c ? c->GetDirector(directorPlusOne - 1) : nullptr;
        lines.Line(1).Bold(PersonName(director)).Bold(" will be fired.");
    } else {
        lines.Line(1).Number(count).Text(" employees will be fired.");
    }
    return Confirm(box);
}
