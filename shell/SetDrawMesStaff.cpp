// Reports around people and companies: recruiting and head hunting, persons
// who join or quit, strikes, sports teams, EXPOs, illegal donations, bank
// demands, founding, bankruptcy and mergers; a job applicant's letter,
// the one that asks whether he is employed.

#include <cstdint>

#include "dialogs/MyMessageDlg.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/ProTeam.h"
#include "model/services/ReportService.h"
#include "shell/MainFrame.h"
#include "shell/ReportLines.h"
#include "shell/SetDrawMes.h"

namespace {
// The chance text for an employer who could not spare the target.
constexpr int kImpossibleChance = 4;
}  // namespace

void CSetDrawMes::ShowHeadhuntFailed(const CPersonData* director) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    const CPersonData* target = TaskTarget(director);
    const CEnterprise* employer = Employer(target);
    lines.Line(1).Text("Unsuccessfully recruited ").Bold(PersonName(target));
    // A target who has left his company has nobody to be hunted from.
    if (employer) lines.Text(" from ").Company(employer);
    lines.Text(".");
    int chance = kImpossibleChance;
    if (employer && employer->GetDirectorCount() > 1) {
        const CEnterprise* own = Employer(director);
        chance = ChanceIndex(own && target ? target->GetRelationMargin(own->GetNumber()) : 0);
    }
    lines.Line(3).Text(ChanceText(chance));
    Run(box, kRecruitCloseMs);
}

void CSetDrawMes::ShowRecruitTargetGone(const CPersonData* director) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    const CPersonData* target = TaskTarget(director);
    lines.Line(1).Bold(PersonName(target)).Text(" moved to another company");
    lines.Line(2).Text(std::string("before I tried to recruit ") +
                       Pronoun(target ? target->GetKind() : -1) + ".");
    Run(box, kRecruitCloseMs);
}

void CSetDrawMes::ShowRecruitResult(const CPersonData* director) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    const CPersonData* target = TaskTarget(director);
    lines.Line(1).Bold(PersonName(target));
    if (const CEnterprise* employer = Employer(target)) lines.Text(" of ").Company(employer);
    lines.Line(2).Text("will enter our company.");
    Run(box, kRecruitCloseMs);
}

void CSetDrawMes::ShowPersonJoined(const CPersonData* person, int company) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(person ? person->GetEmployer() : -1);
    Lines(box)
        .Line(1)
        .Bold(PersonName(person))
        .Text(" has joined ")
        .Company(Company(company))
        .Text(".");
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowPersonQuit(const CPersonData* person) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(person ? person->GetEmployer() : -1);
    Lines(box).Line(1).Bold(PersonName(person)).Text(" quit.");
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowExpoAnnounced(int area) {
    CMyMessageDlg box(m_frame);
    Lines(box)
        .Line(1)
        .Text("The ")
        .Bold(AreaName(area))
        .Text(" EXPO will be held in ")
        .Number(2)
        .Text(" years.");
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowExpoClosing(int area, BOOL successful) {
    CMyMessageDlg box(m_frame);
    CReportLines lines = Lines(box);
    if (successful) {
        lines.Line(1)
            .Text("The very successful ")
            .Bold(AreaName(area))
            .Text(" EXPO will close after 4 months.");
    } else {
        lines.Line(1)
            .Text("Inadequate preparation cancelled the ")
            .Bold(AreaName(area))
            .Text(" EXPO.");
    }
    Run(box, kLongCloseMs);
}

void CSetDrawMes::ShowStrike(int company) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    Lines(box).Line(1).Text("A strike crippled company operations for next month.");
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowTeamInvestmentResult(const CPersonData* director, const CProTeam* team,
                                           int kind, int points) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(director));
    CReportLines lines = Lines(box);
    if (points != 0) {
        const int total = team ? (kind ? team->GetStrength() : team->GetPopularity()) : 0;
        lines.Line(0).Text("Investing in the ").Bold(TeamName(team));
        lines.Line(1)
            .Text("raised their ")
            .Text(kind ? "strength" : "popularity")
            .Text(" rating by ")
            .Number(points)
            .Text(", totalling ")
            .Number(total)
            .Text(" points.");
    } else {
        lines.Line(0).Text("We invested in ").Bold(TeamName(team)).Text(", ");
        lines.Line(1).Text(kind ? "but their winning percentage did not change."
                                : "but popularity never increased.");
    }
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowTeamLostStadium(int company, int league) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    CReportLines lines = Lines(box);
    const CEnterprise* c = Company(company);
    const bool known = c && league >= 0 && league < CMapDoc::kLeagueCount;
    const CProTeam* team = known ? Team(league, c->GetLeagueTeam(league)) : nullptr;
    lines.Line(0)
        .Text("We must sell the professional ")
        .Text(Sport(league))
        .Text(" team, ")
        .Bold(TeamName(team))
        .Text(",");
    lines.Line(1).Text("because we lost their stadium.");
    Run(box, kNoAutoClose);
}

void CSetDrawMes::ShowTeamPurchaseRefused(int company, int league, int team, int reason) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    CReportLines lines = Lines(box);
    lines.Line(0).Text("We can not purchase the professional ");
    lines.Line(1).Text(Sport(league)).Text(" team, ").Bold(TeamName(Team(league, team))).Text(",");
    lines.Line(2).Text(reason == 1 ? "because they are already owned."
                                   : "because their stadium is not available.");
    Run(box, kLongCloseMs);
}

void CSetDrawMes::ShowTeamPurchased(int company, int league, int team) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    CReportLines lines = Lines(box);
    lines.Line(0).Text("We purchased");
    lines.Line(1)
        .Text("the professional ")
        .Text(Sport(league))
        .Text(" team ")
        .Bold(TeamName(Team(league, team)))
        .Text(".");
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowIllegalDonations(int area, const std::vector<int>& companies) {
    CMyMessageDlg box(m_frame);
    CReportLines lines = Lines(box);
    const CPersonData* governor = m_doc ? m_doc->GetAreaGovernor(area) : nullptr;
    lines.Line(0)
        .Bold(AreaName(area))
        .Bold(" Governer ")
        .Bold(PersonName(governor))
        .Text(" received illegal donations.");
    lines.Line(1).Text("The following company is prohibited");
    lines.Line(2).Text("from developing public facilities for one year.");
    int y = 3;
    for (int company : companies) {
        const CEnterprise* c = Company(company);
        if (c) lines.Line(y++).Company(c);
    }
    Run(box, kDonationsCloseMs);
}

void CSetDrawMes::ShowBankRepaymentDemand(int company, int amount, BOOL danger) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(company);
    if (danger) box.SetBitmap(1);
    CReportLines lines = Lines(box);
    lines.Line(1).Text("Bank requested ").Number(amount).Text(" loan repayment.");
    if (danger) {
        lines.Line(3).Bold("Finances are too far in the red.");
        lines.Line(4).Bold("Bankruptcy is imminent.");
    }
    Run(box, kNoAutoClose);
}

void CSetDrawMes::ShowCompanyFounded(int company) {
    CMyMessageDlg box(m_frame);
    CReportLines lines = Lines(box);
    const CEnterprise* c = Company(company);
    lines.Line(1).Company(c).Text("was established with ");
    lines.Line(2).Bold(PersonName(c ? c->GetPresident() : nullptr)).Text(" as president.");
    Run(box, kReportCloseMs);
}

void CSetDrawMes::ShowBankruptcy(int company) {
    CMyMessageDlg box(m_frame);
    Lines(box)
        .Line(1)
        .Text("Failure to repay bank loans rendered ")
        .Company(Company(company))
        .Text(" bankrupt.");
    Run(box, kLongCloseMs);
}

void CSetDrawMes::ShowMerged(int companyA, int companyB) {
    CMyMessageDlg box(m_frame);
    Lines(box)
        .Line(1)
        .Company(Company(companyB))
        .Text(" acquired at least 51% of ")
        .Company(Company(companyA))
        .Text(" stock merging our companies.");
    Run(box, kLongCloseMs);
}

void CSetDrawMes::ShowCeoDismissed(int companyA, int companyB, BOOL close) {
    CMyMessageDlg box(m_frame);
    box.SetEnterprise(companyA);
    box.SetBitmap(1);
    CReportLines lines = Lines(box);
    const CEnterprise* a = Company(companyA);
    lines.Line(1).Text("CEO ").Bold(a ? a->GetPresidentName() : "").Text(" was dismissed");
    lines.Line(2).Text("after ").Company(Company(companyB)).Text(" bought at least 51% of our stocks.");
    // The caller's flag closes it in any game.
    if (close) box.SetAutoClose(kLongCloseMs);
    RunModal(box);
}

// The box shows no picture: the company is named by the player it reaches.
void CSetDrawMes::ShowMustSellProperty(int /*company*/) {
    CMyMessageDlg box(m_frame);
    Lines(box).Line(1).Text("We must sell property to repay the bank loan.");
    Run(box, kNoAutoClose);
}

BOOL CSetDrawMes::AskEmployApplicant(const SOrderReport& report) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(Person(report.person) ? report.person : -1);
    box.SetEnterprise(Company(report.company) ? report.company : -1);
    CReportLines lines = Lines(box);
    int y = 1;
    for (const std::string& text : report.lines) lines.Line(y++).Text(text);
    return Confirm(box);
}
