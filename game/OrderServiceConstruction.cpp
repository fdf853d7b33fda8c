// Construction and demolition by a company's own director, and the start of
// a construction contract another company's director builds.

#include <algorithm>
#include <cstdint>

#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/OrderType.h"
#include "model/PersonData.h"
#include "model/Saturate.h"
#include "model/Wait.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {
constexpr int kWorkPerFigure = 300;
constexpr int kDemolitionWork = 150;
constexpr int kDemolitionCost = 10;
constexpr int kBlinkMs = 180;
constexpr double kPause = 500;

// What a structure type takes to build: the director's work, the staff it
// keeps at work and its cost.
struct SBuild {
    const CBD* type = nullptr;
    int work = 0, staff = 0, cost = 0, width = 1, height = 1;
};

// A construction puts staff to work, a demolition frees it again; never more
// at work than the company employs (a saved game refuses that).
void MoveStaffToWork(CEnterprise& company, int staff) {
    int64_t atWork = int64_t{company.GetEmployeesAtWork()} - staff;
    company.SetEmployeesAtWork(ClampToInt(std::min<int64_t>(atWork, company.GetEmployees())));
}

SBuild BuildFigures(const CBD* type) {
    SBuild b;
    b.type = type;
    if (!type) return b;
    b.work = ClampToInt(int64_t{type->GetPriceStep()} * kWorkPerFigure);
    b.staff = type->GetValueFigure();
    b.cost = type->GetBasePrice();
    type->GetSize(b.width, b.height);
    return b;
}
}  // namespace

void COrderService::IssueConstruction(int director, int area, CCellPoint cell, int structureType,
                                      int send) {
    if (ShouldRecord(send)) {
        // The host keeps it only when the builder's company is played here.
        const CPersonData* person = Director(director);
        bool local = person && m_doc.IsLocallyPlayed(person->GetEmployer());
        RouteDirectorOrder(
            BuildRecord(eORDER_CONSTRUCTION, {director}, {area}, {cell}, {structureType}), director,
            local);
    }
    ApplyConstruction(director, area, cell, structureType);
}

void COrderService::ApplyConstruction(int director, int area, CCellPoint cell, int structureType) {
    CPersonData* person = Director(director);
    if (!person || !IsCell(area, cell)) return;
    CMapDoc& map = m_doc.GetMap();
    SBuild b;
    if (structureType >= 0) {
        b = BuildFigures(map.GetStructureType(structureType));
        if (!b.type) return;
    } else {
        // A demolition takes down what stands on the cell.
        b = BuildFigures(map.GetCellStructureType(area, cell.x, cell.y, 0));
        b.work = kDemolitionWork;
        b.staff = -b.staff;
        b.cost = kDemolitionCost;
        if (b.type)
            map.RemoveHousePopulation(area, map.GetCellStructureNo(area, cell.x, cell.y, 0) - 1);
    }
    CCellPoint first(cell.x - b.width + 1, cell.y - b.height + 1);

    person->AssignTask(CPersonData::eTASK_CONSTRUCTION, b.work);
    person->SetTaskArea(area);
    person->SetTaskTarget(cell.x, cell.y);
    person->SetTaskParam(0, structureType);
    person->SetTaskParam(1, b.width);
    person->SetTaskParam(2, b.height);
    CEnterprise* company = EmployerOf(director);
    if (company) PayCost(*company, b.cost);

    IFrameService& frame = Services::Frame();
    m_doc.SelectArea(area);
    frame.MarkCellRect(first.x, first.y, cell.x, cell.y, kBlinkMs);
    if (company)
        Log(*company, FormatText("  The company started the construction in %s.",
                                 m_doc.GetAreaName(area).c_str()));
    Wait(kPause, 0, 0);
    // Only the picture: the structure itself stands when the work is done.
    if (structureType >= 0)
        frame.PaintStructurePreview(area, first.x, first.y, cell.x, cell.y, structureType);
    frame.RebuildMap();
    if (company) {
        MoveStaffToWork(*company, b.staff);
        if (structureType >= 0) company->ConvertLandToBuilding(area, b.width * b.height);
    }
    Wait(kPause, 0, 0);
    frame.FlushChangedCells(1);
    Finish();
}

void COrderService::StartContractConstruction(int director, int area, CCellPoint cell,
                                              int structureType, int price) {
    CPersonData* person = Director(director);
    CEnterprise* contractor = EmployerOf(director);
    SBuild b = BuildFigures(m_doc.GetMap().GetStructureType(structureType));
    if (!person || !contractor || !b.type || !IsCell(area, cell)) return;
    CCellPoint first(cell.x - b.width + 1, cell.y - b.height + 1);
    if (!IsCell(area, first)) return;
    int owner = m_doc.GetCellOwner(area, cell.x, cell.y);
    CEnterprise* client = owner > 0 ? Company(owner - 1) : nullptr;
    int half = price / 2;
    bool network = m_doc.IsNetworkGame();
    int month = m_doc.GetMonth();

    person->AssignTask(CPersonData::eTASK_CONTRACT_CONSTRUCTION, b.work);
    person->SetTaskArea(area);
    person->SetTaskTarget(cell.x, cell.y);
    person->SetTaskParam(0, structureType);
    person->SetTaskParam(1, price - half);
    int earned = ClampToInt(int64_t{half} - b.cost);
    contractor->AddFunds(earned);
    contractor->AddMonthlySales(month, half);
    contractor->AddMonthlyProfit(month, earned);
    int c = contractor->GetNumber();
    if (network) {
        m_doc.SendPersonState(*person, ePERSON_RECORD);
        m_doc.SendCompanyState(c, eCOMPANY_FUNDS_AND_DEBT);
        m_doc.SendCompanyState(c, eCOMPANY_MONTHLY_SERIES);
    }
    if (client) {
        PayCost(*client, price);
        if (network) {
            m_doc.SendCompanyState(client->GetNumber(), eCOMPANY_FUNDS_AND_DEBT);
            m_doc.SendCompanyState(client->GetNumber(), eCOMPANY_MONTHLY_SERIES);
        }
    }
    m_doc.GetMap().MarkSiteRect(area, first.x, first.y, cell.x, cell.y);

    if (!client) {
        contractor->IncAreaCount(area);
        m_doc.DiluteAreaInvestments(area, b.type->GetLandValue());
        CHistory entry;
        entry.SetConstructionOutsourced(area, structureType);
        contractor->GetHistory().push_back(std::move(entry));
        Services::Frame().RefreshAreaButton(area);
        if (network) {
            m_doc.SendCompanyState(c, eCOMPANY_MONTHLY_TABLE);
            m_doc.SendCompanyState(c, eCOMPANY_AREA_RECORDS);
            if (CPersonData* governor = m_doc.GetAreaGovernor(area))
                m_doc.SendPersonState(*governor, ePERSON_RECORD);
            Services::Frame().SendRedrawListItem(area);
        }
    } else {
        MoveStaffToWork(*client, b.staff);
        client->ConvertLandToBuilding(area, b.width * b.height);
        if (network) {
            m_doc.SendCompanyState(client->GetNumber(), eCOMPANY_STAFF_FIGURES);
            m_doc.SendCompanyState(client->GetNumber(), eCOMPANY_AREA_RECORDS);
        }
    }
    Finish();
    if (network) m_doc.SendRefreshInfo();
    if (client) client->IsLotPlannedForConstruction(director, area, cell.x, cell.y);
}
