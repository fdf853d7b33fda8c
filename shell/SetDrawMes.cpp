// The composer's frame: the box, its automatic close, the map highlight,
// the shared heads and the generic builder, and the text tables.

#include "shell/SetDrawMes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dialogs/MyMessageDlg.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/ProTeam.h"
#include "model/services/ReportService.h"
#include "platform/ui/SystemMetrics.h"
#include "shell/MainFrame.h"
#include "shell/ReportLines.h"
#include "shell/TarvoApp.h"
#include "views/MapDrawWnd.h"

namespace {
constexpr std::array<const char*, CPersonData::kTaskKindCount> kTaskNames = {
    "None",          "The Purchasing", "Purchasing",        "Recruiting Employees",
    "Recruit Upper Management", "Head Hunting", "Construction", "Contracting Construction",
    "Raising Funds", "Advertising",    "investing",         "Purchasing Stocks",
    "Building Reinforcements",  "Financial Support Team"};
constexpr std::array<const char*, 3> kPronouns = {"him", "him", "her"};
constexpr std::array<const char*, 5> kChanceTexts = {
    "If I push harder maybe it is possible.", "Further talks are required.",
    "Much patience is needed.", "t might be beyond our power.", "It is impossible."};
constexpr std::array<const char*, 7> kPlanFailureTexts = {
    "but insufficient funds to order construction.",
    "but insufficient employees to order construction.",
    "If I push harder maybe it is possible.",
    "Further talks are required.",
    "Much patience is needed.",
    "t might be beyond our power.",
    "It is impossible."};
constexpr std::array<const char*, 6> kAwarenessTexts = {
    "Zero company awareness.",     "Very low company awareness.", "Low company awareness.",
    "Moderate company awareness.", "High company awareness.",     "Complete company awareness."};
constexpr std::array<const char*, 4> kInvestmentTexts = {
    " city project investment completed.", " disaster prevention investment completed.",
    " expo promotion completed.", " governor donatiion completed."};
constexpr std::array<const char*, 4> kEffectTexts = {
    "Very ineffective.", "Marginally effective.", "Very effective.", "Extremely effective."};
// Assessment 0 makes no remark.
constexpr std::array<const char*, 4> kTalentRemarks = {
    "", " is very remarkable and talented.", " possesses extraordinary business skills.",
    " is a reliable person."};

template <size_t N>
const char* Pick(const std::array<const char*, N>& table, int index, const char* fallback) {
    return index >= 0 && static_cast<size_t>(index) < N ? table[static_cast<size_t>(index)]
                                                        : fallback;
}
}  // namespace

CSetDrawMes::CSetDrawMes(CMainFrame* frame) : m_frame(frame), m_doc(nullptr) {
    if (!m_frame && CTarvoApp::Get()) m_frame = CTarvoApp::Get()->GetMainFrame();
    if (m_frame) m_doc = m_frame->GetDocument();
}

CSetDrawMes::~CSetDrawMes() = default;

// ---------------------------------------------------------------- frame

CReportLines CSetDrawMes::Lines(CMyMessageDlg& box) const {
    CTarvoApp* app = CTarvoApp::Get();
    return CReportLines(box.GetTextWnd(), app ? app->GetMessageFont() : nullptr,
                        app ? app->GetMessageFont2() : nullptr, GetSysColor(COLOR_BTNTEXT));
}

bool CSetDrawMes::IsNetworkGame() const {
    return m_doc && m_doc->IsNetworkGame();
}

int CSetDrawMes::RunModal(CMyMessageDlg& box) {
    return box.DoModal();
}

int CSetDrawMes::Run(CMyMessageDlg& box, int networkCloseMs) {
    if (networkCloseMs > 0 && IsNetworkGame()) box.SetAutoClose(networkCloseMs);
    return RunModal(box);
}

BOOL CSetDrawMes::Confirm(CMyMessageDlg& box) {
    box.SetCancelShown(1);
    return RunModal(box) == IDOK ? TRUE : FALSE;
}

BOOL CSetDrawMes::Ask(CMyMessageDlg& box, BOOL declinable, BOOL otherwise) {
    if (declinable) return Confirm(box);
    Run(box, kReportCloseMs);
    return otherwise;
}

void CSetDrawMes::MarkStructure(int area, CCellPoint cell) {
    if (!IsCell(area, cell)) return;
    CCellPoint anchor, first;
    if (!m_doc->GetMap().GetStructureExtent(area, cell.x, cell.y, anchor, first)) {
        anchor = first = cell;
    }
    MarkRect(first, anchor);
}

void CSetDrawMes::MarkRect(CCellPoint first, CCellPoint second) {
    if (CMapDrawWnd* map = m_frame ? m_frame->GetMapDrawWnd() : nullptr)
        map->MarkCellRect(first.x, first.y, second.x, second.y, kBlinkMs);
}

void CSetDrawMes::EndHighlight() {
    if (CMapDrawWnd* map = m_frame ? m_frame->GetMapDrawWnd() : nullptr)
        map->FlushChangedCells(1);
}

// ---------------------------------------------------------------- lookups

const CEnterprise* CSetDrawMes::Company(int company) const {
    return m_doc ? m_doc->GetEnterprise(company) : nullptr;
}

const CPersonData* CSetDrawMes::Person(int person) const {
    return m_doc ? m_doc->GetDirector(person) : nullptr;
}

const CEnterprise* CSetDrawMes::Employer(const CPersonData* person) const {
    return person ? Company(person->GetEmployer()) : nullptr;
}

const CPersonData* CSetDrawMes::TaskTarget(const CPersonData* director) const {
    return director ? Person(director->GetTaskParam(0)) : nullptr;
}

const CBD* CSetDrawMes::Type(int type) const {
    return m_doc && type >= 0 ? m_doc->GetMap().GetStructureType(type) : nullptr;
}

std::string CSetDrawMes::TypeName(int type) const {
    const CBD* bd = Type(type);
    return bd ? bd->GetName() : "";
}

bool CSetDrawMes::IsArea(int area) const {
    return m_doc && area >= 0 && area < m_doc->GetMap().GetAreaCount();
}

bool CSetDrawMes::IsCell(int area, CCellPoint cell) const {
    int width = 0, height = 0;
    return IsArea(area) && m_doc->GetAreaSize(area, width, height) && cell.x >= 0 &&
           cell.y >= 0 && cell.x < width && cell.y < height;
}

std::string CSetDrawMes::AreaName(int area) const {
    return IsArea(area) ? m_doc->GetAreaName(area) : "";
}

std::string CSetDrawMes::PersonName(const CPersonData* person) const {
    return person ? person->GetName() : "";
}

int CSetDrawMes::PersonIndex(const CPersonData* person) const {
    return person ? person->GetIndex() : -1;
}

const char* CSetDrawMes::Sport(int league) const {
    if (!m_doc || league < 0 || league >= CMapDoc::kLeagueCount) return "";
    return m_doc->GetMap().GetLeague(league).IsRankedByRate() ? "Baseball" : "Football";
}

const CProTeam* CSetDrawMes::Team(int league, int team) const {
    if (!m_doc || league < 0 || league >= CMapDoc::kLeagueCount) return nullptr;
    const CLeague& l = m_doc->GetMap().GetLeague(league);
    if (team < 0 || team >= l.GetTeamCount()) return nullptr;
    return &m_doc->GetMap().GetProTeam(league, team);
}

std::string CSetDrawMes::TeamName(const CProTeam* team) const {
    return team ? team->GetName() : "";
}

// ---------------------------------------------------------------- tables

const char* CSetDrawMes::TaskName(int kind) {
    return Pick(kTaskNames, kind, "");
}

const char* CSetDrawMes::Pronoun(int kind) {
    return Pick(kPronouns, kind, "him");
}

const char* CSetDrawMes::ChanceText(int index) {
    return Pick(kChanceTexts, index, "");
}

const char* CSetDrawMes::PlanFailureText(int reason) {
    return Pick(kPlanFailureTexts, reason, "");
}

const char* CSetDrawMes::AwarenessText(int step) {
    return Pick(kAwarenessTexts, step, "");
}

const char* CSetDrawMes::InvestmentText(int kind) {
    return Pick(kInvestmentTexts, kind, "");
}

const char* CSetDrawMes::EffectText(int grade) {
    return Pick(kEffectTexts, grade, "");
}

const char* CSetDrawMes::TalentRemark(int remark) {
    return Pick(kTalentRemarks, remark, "");
}

int CSetDrawMes::ChanceIndex(int margin) {
    const double m = std::max(margin, 0);
    const double i = std::trunc((std::pow(m, 0.9) + 15.0) / 50.0);
    return static_cast<int>(std::clamp(i, 0.0, 3.0));
}

// ---------------------------------------------------------------- heads

void CSetDrawMes::AddBiddingHead(CMyMessageDlg& box, CReportLines& lines, int area, int type) {
    if (m_doc && IsArea(area)) m_doc->SelectArea(area);
    box.SetStructure(type);
    box.SetCaption("Report");
    lines.Line(1).Bold(AreaName(area)).Text(" ").Bold(TypeName(type)).Text(
        " development bidding has opened.");
}

void CSetDrawMes::AddContractHead(CMyMessageDlg& box, CReportLines& lines, int company,
                                  int second, int area, int type) {
    box.SetStructure(type);
    box.SetCaption("Report");
    if (second >= 0) {
        lines.Line(1)
            .Company(Company(company))
            .Text(" contracted ")
            .Company(Company(second))
            .Text(" to construct the ")
            .Bold(TypeName(type))
            .Text(".");
        return;
    }
    const CPersonData* governor = m_doc ? m_doc->GetAreaGovernor(area) : nullptr;
    lines.Line(0)
        .Text("Governor ")
        .Text(PersonName(governor))
        .Text(" contracted ")
        .Company(Company(company));
    lines.Line(1).Text("to develop the ").Bold(TypeName(type)).Text(".");
}

void CSetDrawMes::AddStockOfferHead(CMyMessageDlg& box, CReportLines& lines, int company,
                                    int quantity, int price) {
    box.SetCaption("Report");
    lines.Line(0)
        .Number(quantity)
        .Text(" ")
        .Company(Company(company))
        .Text(quantity > 1 ? " stocks offered at " : " stock offered at ");
    lines.Line(1)
        .Number(price)
        .Text(" per a stock, total ")
        .Number(int64_t{quantity} * price)
        .Text(".");
}

// ---------------------------------------------------------------- generic

BOOL CSetDrawMes::ShowLines(const CPersonData* person, const std::vector<std::string>& strings,
                            BOOL bold, int n) {
    CMyMessageDlg box(m_frame);
    box.SetPerson(PersonIndex(person));
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    const int count = std::clamp(n, 0, static_cast<int>(strings.size()));
    for (int i = 0; i < count; ++i) {
        lines.Line(i + 1);
        if (bold)
            lines.Bold(strings[static_cast<size_t>(i)]);
        else
            lines.Text(strings[static_cast<size_t>(i)]);
    }
    return Confirm(box);
}

BOOL CSetDrawMes::ShowOrderLines(const SOrderReport& report, BOOL question) {
    CMyMessageDlg box(m_frame);
    if (!report.caption.empty()) box.SetCaption(report.caption);
    if (Person(report.person))
        box.SetPerson(report.person);
    else
        box.SetEnterprise(report.company);
    box.SetFrameNotify(FALSE);
    CReportLines lines = Lines(box);
    int y = 1;
    for (const std::string& text : report.lines) lines.Line(y++).Text(text);
    if (question) return Confirm(box);
    RunModal(box);
    return FALSE;
}
