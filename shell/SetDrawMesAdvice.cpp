// The adviser's advice for the month: one line (two for a development
// target) per advice item, each tagged with the map area and cell it speaks
// of. Items come from a saved game or from the host: every index an item
// names is checked, and an item whose target cannot be named falls back to
// its kind's general sentence.

#include <cstdint>
#include <cstdlib>

#include "dialogs/MyMessageDlg.h"
#include "game/VDoc.h"
#include "model/AdvicePacket.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "shell/MainFrame.h"
#include "shell/ReportLines.h"
#include "shell/SetDrawMes.h"

namespace {
// Kind 14's verb: a strong form beyond this magnitude.
constexpr int kStrongAdjustment = 8;

const char* BudgetVerb(int adjustment) {
    const bool strong = std::abs(int64_t{adjustment}) > kStrongAdjustment;
    if (adjustment > 0) return strong ? "generously raise" : "raise";
    return strong ? "sharply reduce" : "reduce";
}
}  // namespace

void CSetDrawMes::ShowAdvice(int company) {
    const CEnterprise* c = Company(company);
    const int adviser = c ? c->GetAdviser() : -1;
    const CPersonData* person = Person(adviser);
    const bool hasAdvice = person && person->GetEmployer() == company && !c->GetAdvice().empty();

    CMyMessageDlg box(m_frame);
    box.SetCaption("Advice");
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    if (!hasAdvice) {
        box.SetEnterprise(company);
        box.SetEnterpriseStyle(0);
        lines.Line(1).Text("No advice.");
        RunModal(box);
        return;
    }
    box.SetPerson(adviser);
    box.EnableAdviceList(1);
    int r = 0;
    for (const CAdvicePacket& item : c->GetAdvice()) {
        int area = -1;
        CCellPoint point(-1, -1);
        r += AddAdviceText(lines, item, r, area, point);
        box.AddAdviceItem(area, point.x, point.y);
        ++r;
    }
    RunModal(box);
}

int CSetDrawMes::AddAdviceText(CReportLines& lines, const CAdvicePacket& item, int r, int& area,
                               CCellPoint& point) {
    const int kind = item.GetKind();
    if (kind < 0 || kind > CAdvicePacket::kLastKind) return 0;
    const int value = item.GetValue();
    // Kind 13 always names its building; kinds 2, 3, 7, 8, 10, 11 have one
    // sentence.
    if (kind == 13) {
        lines.Line(r)
            .Text(item.GetParam3() ? "I encourage reinforcing the " : "The collapsed ")
            .Bold(AreaName(value))
            .Text(item.GetParam3() ? " building." : " building must be demolished.");
        if (IsArea(value)) {
            area = value;
            point = item.GetPoint();
        }
        return 0;
    }
    const bool targeted = item.GetDetailed() || kind == 2 || kind == 3;
    if (targeted && AddAdviceTarget(lines, item, r, area)) return kind == 0 ? 1 : 0;
    // The general sentence; a target that could not be named leaves the
    // line without a place.
    area = -1;
    AddAdviceGeneral(lines, item, r);
    if (kind == 0 && !targeted && IsArea(value)) area = value;
    return 0;
}

bool CSetDrawMes::AddAdviceTarget(CReportLines& lines, const CAdvicePacket& item, int r,
                                  int& area) {
    const int value = item.GetValue();
    const int p2 = item.GetParam2(), p3 = item.GetParam3();
    lines.Line(r);
    switch (item.GetKind()) {
        case 0:
            if (!IsArea(value) || !Type(p3)) return false;
            lines.Text("I recommend developing a ").Bold(TypeName(p3));
            lines.Line(r + 1).Text("in ").Bold(AreaName(value)).Text(".");
            area = value;
            return true;
        case 1:
            if (!IsArea(value)) return false;
            lines.Text("I recommend invest in city project in ").Bold(AreaName(value)).Text(".");
            return true;
        case 2:
        case 3:
        case 4:
        case 9:
        case 17:
        case 18: {
            if (!IsArea(value)) return false;
            const int kind = item.GetKind();
            const std::string name = AreaName(value);
            if (kind == 2) lines.Text("We should purchase the land in ").Bold(name).Text(".");
            if (kind == 3) lines.Text("I endorse advertising in ").Bold(name).Text(".");
            if (kind == 4)
                lines.Text("I advise promoting disaster prevention support in ")
                    .Bold(name)
                    .Text("  ");
            if (kind == 9) lines.Text("I encourage expanding into ").Bold(name).Text(".");
            if (kind == 17)
                lines.Text("I recommend attracting ").Bold(name).Text(" EXPO participants.");
            if (kind == 18) lines.Bold(name).Text(" Governor contribution is encouraged.");
            area = value;
            return true;
        }
        case 5:
        case 6: {
            const CEnterprise* target = Company(item.GetParam1());
            if (!target) return false;
            lines.Text(item.GetKind() == 5 ? "I advocate buying " : "I urge selling ")
                .Company(target)
                .Text(" stock.");
            return true;
        }
        case 12: {
            const CPersonData* person = Person(p2);
            const CEnterprise* employer = Employer(person);
            if (!employer) return false;
            lines.Text("A very talented ")
                .Bold(PersonName(person))
                .Text(" works in ")
                .Company(employer)
                .Text(".");
            return true;
        }
        case 14:
            lines.Text("We should ").Text(BudgetVerb(p3)).Text(" the advertising budget.");
            return true;
        case 15:
            lines.Text("Employee salary requires a ").Text(p3 >= 1 ? "raise." : "reduction.");
            return true;
        case 16: {
            const CPersonData* person = Person(p2);
            if (!person) return false;
            lines.Text("We should ")
                .Text(p3 >= 1 ? "raise " : "reduce ")
                .Bold(PersonName(person))
                .Text("'s salary.");
            return true;
        }
        case 19: {
            const CProTeam* team = Team(p2, p3);
            if (!team) return false;
            lines.Text("We should buy the professional ")
                .Bold(Sport(p2))
                .Text(" team, ")
                .Bold(TeamName(team))
                .Text(".");
            return true;
        }
        default:
            return false;
    }
}

void CSetDrawMes::AddAdviceGeneral(CReportLines& lines, const CAdvicePacket& item, int r) {
    const int value = item.GetValue();
    lines.Line(r);
    switch (item.GetKind()) {
        case 0:
            lines.Text("We should develop in ").Bold(AreaName(value)).Text(".");
            return;
        case 1: lines.Text("We should invest in city project."); return;
        case 2: lines.Text("We should purchase the land in ").Bold(AreaName(value)).Text("."); return;
        case 3: lines.Text("I endorse advertising in ").Bold(AreaName(value)).Text("."); return;
        case 4: lines.Text("We should facilitate disaster prevention support."); return;
        case 5: lines.Text("I advocate buying stock."); return;
        case 6: lines.Text("I urge selling stock."); return;
        case 7: lines.Text("I propose getting a bank loan."); return;
        case 8: lines.Text("I endorse repaying the bank loan."); return;
        case 9: lines.Text("I encourage expanding into a new area."); return;
        case 10: lines.Text("We should recruit new employees."); return;
        case 11: lines.Text("We need more upper management."); return;
        case 12: lines.Text("Talented personel exist in another company."); return;
        case 14: lines.Text("Advertising budget needs adjusting."); return;
        case 15: lines.Text("Employee salary requires adjusting."); return;
        case 16: {
            lines.Bold(PersonName(Person(item.GetParam2()))).Text("'s salary requires adjusting.");
            return;
        }
        case 17: lines.Text("Attracting EXPO participants is a good investment."); return;
        case 18: lines.Text("Governor contribution is encouraged."); return;
        case 19: lines.Text("Let's purchase a professional sports team."); return;
        default: return;
    }
}
