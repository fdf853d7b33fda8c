// Choosing the acting director, and the menu commands of the company's
// staff, money and stock.

#include "game/OrderCommands.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/PersonData.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"

namespace {
struct SPrompt {
    const char* text;
    int dialogValue;
};
constexpr SPrompt kPrompts[] = {
    {"Select land purchasing director.", 2},
    {"Select designated land purchasing director.", 4},
    {"Select human resources director.", 9},
    {"Select head hunting director.", 2},
    {"Select head hunting director to recruit employees from other companies.", 4},
    {"Select loan application director.", 4},
    {"Select advertising director.", 8},
    {"Select investing director.", 1},
    {"Select construction director.", 16},
    {"Select stock purchasing director.", 6},
    {"Select team temporary manager.", 1},
    {"Select operations cancelling director.", 0},
};
struct SOutsideMode {
    const char* caption;
    const char* prompt;
    bool directors;
    bool outside;
};
constexpr SOutsideMode kOutsideModes[] = {
    {"Construction", "Select construction director or outsource contract.", true, true},
    {"Purchase Stock-Company Name", "Select stock-company name.", false, true},
    {"Reinforce Building-Select Director", "Select building reinforcement director.", true,
     true},
    {"Demolition-Select Director", "Select demolition director.", true, false},
};
// Task kinds a director cannot be taken off: a construction, own or
// contracted.
constexpr int kTaskConstruction = 6;
constexpr int kTaskContract = 7;
constexpr const char* kInvestmentTexts[] = {"city project", "disaster prevention",
                                            "Expo  promotion"};
constexpr int kInvestmentKinds = 4;
}  // namespace

// ---------------------------------------------------------------- helpers

int COrderCommands::OwnIndex() {
    int company = m_doc.GetTurnEnterprise(-1);
    return m_doc.GetEnterprise(company) ? company : -1;
}

CEnterprise* COrderCommands::Own() {
    return m_doc.GetEnterprise(OwnIndex());
}

CPersonData* COrderCommands::Person(int person) {
    return m_doc.GetDirector(person);
}

int COrderCommands::ViewArea() {
    int area = Services::Frame().GetShownArea();
    return area >= 0 && area < m_doc.GetMap().GetAreaCount() ? area : -1;
}

std::string COrderCommands::CompanyName(int company) {
    const CEnterprise* c = m_doc.GetEnterprise(company);
    return c ? c->GetName() : "";
}

std::string COrderCommands::PersonName(int person) {
    const CPersonData* p = m_doc.GetDirector(person);
    return p ? p->GetName() : "";
}

bool COrderCommands::HasFreeDirector(const CEnterprise& company) {
    return company.CountFreeDirectors() > 0;
}

bool COrderCommands::Confirm(int company, int person, std::vector<std::string> lines,
                             const std::string& caption) {
    SOrderReport report;
    report.company = company;
    report.person = person;
    report.caption = caption;
    report.lines = std::move(lines);
    return Services::Report().ConfirmOrder(report);
}

void COrderCommands::Show(int company, int person, std::vector<std::string> lines) {
    SOrderReport report;
    report.company = company;
    report.person = person;
    report.lines = std::move(lines);
    Services::Report().ShowOrderReport(report);
}

// ---------------------------------------------------------------- directors

void COrderCommands::AddDirectorEntries(SPersonDialog& dialog, const CEnterprise& company,
                                        bool busy, const std::set<int>& refused) {
    for (int i = 0; i < company.GetDirectorCount(); ++i) {
        const CPersonData* director = company.GetDirector(i);
        if (!director) continue;
        const int person = company.GetDirectorIndex(i);
        const bool hasTask = director->GetTaskKind() != 0;
        SPersonDialog::SEntry entry;
        entry.id = person;
        entry.selectable = (busy ? hasTask : !hasTask) && !refused.count(person) ? 1 : 0;
        entry.task = CPersonData::GetTaskName(director->GetTaskKind());
        dialog.entries.push_back(entry);
    }
}

int COrderCommands::CheckedChoice(const SPersonDialog& dialog, int id, bool outside) {
    for (const SPersonDialog::SEntry& entry : dialog.entries) {
        if (entry.id != id || entry.outside != outside) continue;
        bool available = outside ? entry.unavailable == 0 : entry.selectable != 0;
        return available ? id : -1;
    }
    return -1;
}

int COrderCommands::SelectDirector(int company, int prompt, int value) {
    return SelectDirectorExcept(company, prompt, value, {});
}

int COrderCommands::SelectDirectorExcept(int company, int prompt, int value,
                                         const std::set<int>& refused) {
    const CEnterprise* c = m_doc.GetEnterprise(company);
    if (!c || prompt < 0 || prompt >= static_cast<int>(std::size(kPrompts))) return -1;
    const bool abandoning = prompt == kPromptAbandon;
    if (!abandoning && c->CountFreeDirectors() <= 0) return -1;
    SPersonDialog dialog;
    dialog.company = company;
    dialog.dialogValue = kPrompts[prompt].dialogValue;
    dialog.prompt = kPrompts[prompt].text;
    dialog.extraValue = value;
    AddDirectorEntries(dialog, *c, abandoning, refused);
    // Nobody left to choose: the dialog would offer nothing.
    if (std::none_of(dialog.entries.begin(), dialog.entries.end(),
                     [](const SPersonDialog::SEntry& e) { return e.selectable != 0; }))
        return -1;
    SPersonAnswer answer = Services::Dialogs().SelectPerson(dialog);
    return answer.ok ? CheckedChoice(dialog, answer.id, answer.outside) : -1;
}

int COrderCommands::SelectDirectorOrOutside(int company, int dialogValue,
                                            const std::vector<int>& ids,
                                            const std::vector<int>& unavailable, bool& outside,
                                            int mode, int value) {
    outside = false;
    const CEnterprise* c = m_doc.GetEnterprise(company);
    if (!c || mode < 0 || mode >= static_cast<int>(std::size(kOutsideModes))) return -1;
    const SOutsideMode& m = kOutsideModes[mode];
    SPersonDialog dialog;
    dialog.company = company;
    dialog.dialogValue = dialogValue;
    dialog.caption = m.caption;
    dialog.prompt = m.prompt;
    dialog.listFlag = mode == kModeStockCompany ? 1 : 0;
    dialog.mode = mode;
    dialog.extraValue = value;
    if (m.directors) AddDirectorEntries(dialog, *c, false, {});
    if (m.outside) {
        for (size_t i = 0; i < ids.size(); ++i) {
            SPersonDialog::SEntry entry;
            entry.id = ids[i];
            entry.outside = true;
            entry.unavailable = i < unavailable.size() ? unavailable[i] : 0;
            dialog.entries.push_back(entry);
        }
    }
    SPersonAnswer answer = Services::Dialogs().SelectPerson(dialog);
    if (!answer.ok) return -1;
    int id = CheckedChoice(dialog, answer.id, answer.outside);
    if (id >= 0) outside = answer.outside;
    return id;
}

int COrderCommands::SelectHeadhuntingTarget() {
    const int own = OwnIndex();
    SPersonDialog dialog;
    dialog.company = own;
    dialog.caption = "Character selection";
    dialog.prompt = "Select desired personnel.";
    for (int c = 0; c < m_doc.CompanyCount(); ++c) {
        if (c == own) continue;
        const CEnterprise& company = *m_doc.GetEnterprise(c);
        for (int i = 0; i < company.GetDirectorCount(); ++i) {
            const CPersonData* director = company.GetDirector(i);
            if (!director) continue;
            SPersonDialog::SEntry entry;
            entry.id = company.GetDirectorIndex(i);
            entry.task = CPersonData::GetTaskName(director->GetTaskKind());
            dialog.entries.push_back(entry);
        }
    }
    SPersonAnswer answer = Services::Dialogs().SelectPerson(dialog);
    return answer.ok ? CheckedChoice(dialog, answer.id, answer.outside) : -1;
}

int COrderCommands::ChooseDirector(CEnterprise& company, int prompt) {
    if (company.GetDirectorCount() <= 0) return -1;
    if (company.GetDirectorCount() == 1) return company.GetDirectorIndex(0);
    return SelectDirector(company.GetNumber(), prompt, 0);
}

// ---------------------------------------------------------------- menu commands

void COrderCommands::DoAcquireLand() {
    CEnterprise* company = Own();
    const int area = ViewArea();
    if (!company || area < 0) return;
    const int director = ChooseDirector(*company, kPromptLand);
    if (director < 0) return;
    SBuyMapDialog dialog;
    dialog.director = director;
    dialog.text = PersonName(director) + " will acquire " + m_doc.GetAreaName(area) + ".";
    SDialogAnswer answer = Services::Dialogs().ConfirmBuyMap(dialog);
    if (!answer.ok) return;
    m_doc.GetOrders().IssueAcquireLand(director, area, answer.value, CCellPoint(-1, -1), 1);
}

int COrderCommands::ConfirmedDirector(int prompt, const std::string& line) {
    CEnterprise* company = Own();
    if (!company) return -1;
    const int director = ChooseDirector(*company, prompt);
    if (director < 0 || !Confirm(company->GetNumber(), director, {line})) return -1;
    return director;
}

void COrderCommands::DoRecruitEmployees() {
    const int director = ConfirmedDirector(kPromptEmployees, "I will recruit new employees.");
    if (director >= 0) m_doc.GetOrders().IssueRecruitEmployees(director, 1);
}

void COrderCommands::DoRecruitManagement() {
    const int director = ConfirmedDirector(kPromptManagement, "I will recruit upper management.");
    if (director >= 0) m_doc.GetOrders().IssueRecruitManagement(director, 1);
}

void COrderCommands::DoHeadhunting() {
    CEnterprise* company = Own();
    if (!company || !HasFreeDirector(*company) || m_doc.CompanyCount() <= 1) return;
    const int target = SelectHeadhuntingTarget();
    if (target < 0) return;
    const int director = ChooseDirector(*company, kPromptHeadhunting);
    if (director < 0) return;
    const CPersonData* person = Person(target);
    const std::string from = person ? CompanyName(person->GetEmployer()) : "";
    if (!Confirm(company->GetNumber(), director,
                 {"I will headhunt " + PersonName(target) + " from " + from + "."}))
        return;
    m_doc.GetOrders().IssueHeadhunting(director, target, 1);
}

void COrderCommands::DoLoan() {
    const int director = ConfirmedDirector(kPromptLoan, "I will apply for a loan.");
    if (director >= 0) m_doc.GetOrders().IssueLoan(director, 1);
}

void COrderCommands::DoRepayLoan() {
    CEnterprise* company = Own();
    if (!company) return;
    SDialogAnswer answer = Services::Dialogs().InputDebt(company->GetFunds(), company->GetDebt());
    // Nothing to repay: a repayment below 1 would raise the debt.
    if (!answer.ok || answer.value <= 0) return;
    m_doc.GetOrders().IssueRepayLoan(company->GetNumber(), answer.value, 1, 1);
}

void COrderCommands::DoAdvertising() {
    CEnterprise* company = Own();
    const int viewArea = ViewArea();
    if (!company || !HasFreeDirector(*company) || company->GetFunds() <= 0) return;
    SDialogAnswer answer = Services::Dialogs().InputPublicityCampaign(
        viewArea >= 0 ? m_doc.GetAreaName(viewArea) : "", company->GetFunds());
    if (!answer.ok) return;
    const bool allCities = answer.value != 0;
    // One area needs an area shown.
    if (!allCities && viewArea < 0) return;
    const int budget = answer.second;
    const int director = ChooseDirector(*company, kPromptAdvertising);
    if (director < 0) return;
    const int area = allCities ? -1 : viewArea;
    const std::string areaText = allCities ? "all cities" : m_doc.GetAreaName(area);
    if (!Confirm(company->GetNumber(), director,
                 {"Begin " + areaText + " advertising campaign for " + std::to_string(budget) +
                  "."}))
        return;
    m_doc.GetOrders().IssueAdvertising(director, area, budget, 1);
}

void COrderCommands::DoPurchaseStock() {
    CEnterprise* company = Own();
    if (!company) return;
    const int own = company->GetNumber();
    std::vector<int> ids{own}, unavailable;
    for (int c = 0; c < m_doc.CompanyCount(); ++c)
        if (c != own) ids.push_back(c);
    for (int c : ids) {
        // Shares outside the companies' hands are what can be bought.
        int64_t outside =
            int64_t{m_doc.GetStockHolding(c, -1)} - m_doc.GetStockHolding(c, -2);
        unavailable.push_back(outside < 1 ? 1 : 0);
    }
    bool outside = false;
    const int stockCompany = SelectDirectorOrOutside(own, 0, ids, unavailable, outside,
                                                     kModeStockCompany, 0);
    if (stockCompany < 0) return;
    const int director = ChooseDirector(*company, kPromptStock);
    if (director < 0) return;
    if (!Confirm(own, director, {"I will purchase " + CompanyName(stockCompany) + " stock."}))
        return;
    m_doc.GetOrders().IssuePurchaseStock(director, stockCompany, 1);
}

void COrderCommands::DoSellStock() {
    CEnterprise* company = Own();
    if (!company) return;
    const int own = company->GetNumber();
    SDialogAnswer answer = Services::Dialogs().InputSaleStocks(own);
    if (!answer.ok) return;
    const int stockCompany = answer.value, quantity = answer.second;
    // Only shares the company holds can be sold.
    if (!m_doc.GetEnterprise(stockCompany) || quantity < 1 ||
        quantity > m_doc.GetStockHolding(stockCompany, own))
        return;
    const int total = ClampToInt(int64_t{m_doc.GetStockPrice(stockCompany)} * quantity);
    const std::string line = "We will sell our " + std::to_string(quantity) + " " +
                             CompanyName(stockCompany) + " stock" + (quantity > 1 ? "s" : "") +
                             " for " + std::to_string(total) + " total.";
    if (!Confirm(own, -1, {line})) return;
    m_doc.GetOrders().IssueSellStock(own, stockCompany, quantity, 1);
}

void COrderCommands::DoAdvice() {
    if (OwnIndex() >= 0) Services::Report().ShowAdvice(OwnIndex());
}

void COrderCommands::DoAbandonProject() {
    CEnterprise* company = Own();
    if (!company) return;
    const int own = company->GetNumber();
    const int busy = company->GetDirectorCount() - company->CountFreeDirectors();
    if (busy <= 0) return;
    // A director who cannot be stopped is not offered again, so that the
    // choice always comes to an end.
    std::set<int> refused;
    for (;;) {
        int director = -1;
        if (busy > 1) {
            director = SelectDirectorExcept(own, kPromptAbandon, 0, refused);
        } else {
            for (int i = 0; i < company->GetDirectorCount() && director < 0; ++i)
                if (company->GetDirector(i) && company->GetDirector(i)->GetTaskKind() != 0)
                    director = company->GetDirectorIndex(i);
        }
        const CPersonData* person = Person(director);
        if (!person) return;
        const std::string task = CPersonData::GetTaskName(person->GetTaskKind());
        if (person->GetTaskKind() == kTaskConstruction || person->GetTaskKind() == kTaskContract) {
            Show(own, director, {"We cannot stop " + task + "."});
            if (busy <= 1) return;
            refused.insert(director);
            continue;
        }
        if (Confirm(own, director, {"I terminated " + task + "."}))
            m_doc.GetOrders().IssueAbandonProject(director, 1);
        return;
    }
}

void COrderCommands::DoLayoff() {
    CEnterprise* company = Own();
    if (!company) return;
    const int own = company->GetNumber();
    SDialogAnswer answer = Services::Dialogs().InputLayoff(own);
    if (!answer.ok) return;
    const int d = answer.value, count = answer.second;
    if (d < 0 || d > company->GetDirectorCount() || (d == 0 && count < 1)) return;
    const int fired = d > 0 ? company->GetDirectorIndex(d - 1) : -1;
    const std::string line = d > 0 ? PersonName(fired) + " will be fired."
                                   : std::to_string(count) + " employees will be fired.";
    if (!Confirm(own, fired, {line})) return;
    m_doc.GetOrders().IssueLayoff(own, d, count, 1);
}

std::vector<CCellPoint> COrderCommands::PortfolioCells(int company, int area,
                                                       bool buildingsOnly) {
    std::vector<CCellPoint> cells;
    const CMapDoc& map = m_doc.GetMap();
    if (area < 0 || area >= map.GetAreaCount()) return cells;
    const CMapData& data = map.GetArea(area);
    for (int y = 0; y < data.GetHeight(); ++y) {
        for (int x = 0; x < data.GetWidth(); ++x) {
            if (data.GetCellOwner(x, y) != company + 1 || !map.IsAnchorCell(area, x, y)) continue;
            if (buildingsOnly && (!map.HasStructureAt(area, x, y) ||
                                  map.GetCellTypeCode(area, x, y, 0) == StructureCode::kMast))
                continue;
            cells.emplace_back(x, y);
        }
    }
    return cells;
}

SPropertyDialog COrderCommands::PortfolioDialog(int company, int area, bool buildingsOnly) {
    SPropertyDialog dialog;
    // The list of buildings is for choosing one.
    dialog.selectMode = buildingsOnly ? 1 : 0;
    for (const CCellPoint& cell : PortfolioCells(company, area, buildingsOnly)) {
        CPropertyData row;
        row.SetFromLot(area, cell.x, cell.y);
        dialog.rows.push_back(row);
    }
    return dialog;
}

void COrderCommands::DoRealEstatePortfolio() {
    CEnterprise* company = Own();
    const int area = ViewArea();
    if (!company || area < 0) return;
    if (company->GetAreaLand(area) <= 0 && company->GetAreaBuildings(area) <= 0) return;
    Services::Dialogs().ShowProperties(PortfolioDialog(company->GetNumber(), area, false));
}

void COrderCommands::DoInvestment() {
    CEnterprise* company = Own();
    const int area = ViewArea();
    if (!company || area < 0) return;
    SDialogAnswer answer = Services::Dialogs().InputInvestment(area);
    if (!answer.ok) return;
    const int kind = answer.value, amount = answer.second;
    if (kind < 0 || kind >= kInvestmentKinds) return;
    const int director = ChooseDirector(*company, kPromptInvestment);
    if (director < 0) return;
    const std::string name = m_doc.GetAreaName(area);
    const std::string line =
        kind == kInvestmentKinds - 1
            ? "We will donate " + std::to_string(amount) + " to the " + name + " governor."
            : "We will invest " + std::to_string(amount) + " in " + name +
                  kInvestmentTexts[kind];
    if (!Confirm(company->GetNumber(), director, {line})) return;
    m_doc.GetOrders().IssueInvestment(director, area, kind, amount, 1);
}

void COrderCommands::DoAreaPortfolio() {
    CEnterprise* company = Own();
    const int area = ViewArea();
    IFrameService& frame = Services::Frame();
    if (!company || area < 0) return;
    if (company->GetAreaBuildings(area) <= 0) {
        frame.EndMapPick(0);
        frame.Beep();
        return;
    }
    SPropertyAnswer answer =
        Services::Dialogs().ShowProperties(PortfolioDialog(company->GetNumber(), area, true));
    if (!answer.ok || answer.cell.x < 0 || answer.cell.y < 0) {
        frame.EndMapPick(0);
        return;
    }
    OnMapReinforceBuilding(answer.cell);
}
