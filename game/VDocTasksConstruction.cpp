// Constructions finished by directors: a company's own buildings and
// demolitions, buildings put up under contract for another company, the
// reinforcement result on the map, and what the game's end settles of the
// constructions still under way and of the governor donations.

#include <algorithm>
#include <cstdint>

#include "game/VDoc.h"
#include "model/BD.h"
#include "model/MapData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/Wait.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {
constexpr double kResultPause = 1000;
constexpr int kBlinkMs = 180;
// A code-71 site whose drawn site factor stays below this gets the partner
// type that follows it in the table.
constexpr int kSiteFactorThreshold = 195;
constexpr int kFirstEntryValueGain = 100;
// Governor donations up to this much in the last 12 months count for
// nothing at the game's end.
constexpr int kDonationAllowance = 50;

struct SSite {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int width = 1, height = 1;
};

// The site of a finished task: the target cell is its corner of largest x
// and y. False when it does not lie in the area's grid.
bool SiteOf(CMapData* record, int x, int y, int width, int height, SSite& site) {
    if (!record || width < 1 || height < 1) return false;
    site = {x - width + 1, y - height + 1, x, y, width, height};
    return record->IsInGrid(site.x0, site.y0) && record->IsInGrid(site.x1, site.y1);
}

int TypeCode(const CBD* type) {
    return type ? type->GetTypeCode() : 0;
}
}  // namespace

// ---------------------------------------------------------------- shared steps

int CVDoc::ChooseBuiltStructure(int s, int area, int x, int y, int company) {
    if (TypeCode(GetMap().GetStructureType(s)) != StructureCode::kTwoPart) return s;
    const int q = CalcSiteFactor(area, x, y, company);
    const int draw = Random(ClampToInt(int64_t{q} * 3 / 2)) + q / 2;
    if (draw >= kSiteFactorThreshold) return s;
    // Only the partner type that follows in the table can be built instead;
    // at the end of the table, or before a type of another kind, the site
    // gets what was ordered.
    const CBD* next = GetMap().GetStructureType(s + 1);
    return TypeCode(next) == StructureCode::kMistakenPart ? s + 1 : s;
}

void CVDoc::PlaceStructure(const CPersonData& director, int area, int x, int y, int structureType) {
    CMapDoc& map = GetMap();
    map.SetStructureAt(area, x, y, structureType + 1);
    map.RollCellLayer7(area, x, y, &director);
    map.ApplyStructureInfluence(area, x, y, structureType);
}

void CVDoc::DemolishSite(int area, int x, int y, int width, int height) {
    CMapDoc& map = GetMap();
    CMapData& record = map.GetArea(area);
    for (int cy = y - height + 1; cy <= y; ++cy)
        for (int cx = x - width + 1; cx <= x; ++cx) {
            // Clearing through the map keeps its stadium lists right.
            if (map.HasStructureAt(area, cx, cy)) map.SetStructureAt(area, cx, cy, 0);
            record.SetStructureNo(cx, cy, 0);
            record.SetCellLayer7(cx, cy, 0);
        }
}

void CVDoc::SetOfficeLevel(CEnterprise& company, int area, int code, bool withHistory) {
    if (code == StructureCode::kHeadOffice) {
        company.SetAreaLevel(area, 4);
        company.SetHomeArea(area);
    } else {
        // A branch office never takes a head office's area down.
        company.SetAreaLevel(area, std::max(company.GetAreaLevel(area), 3));
    }
    if (!withHistory) return;
    CHistory entry;
    entry.SetEnteredMarket(area);
    company.GetHistory().push_back(std::move(entry));
}

void CVDoc::RedrawSite(int area, int x0, int y0, int x1, int y1) {
    IFrameService& frame = Services::Frame();
    if (IsNetworkHost()) {
        SendAreaOwners(area);
        return;
    }
    frame.RebuildMap();
    if (frame.GetShownArea() != area) return;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) frame.DrawMapCell(x, y);
}

// ---------------------------------------------------------------- the company's own construction

void CVDoc::CompleteConstruction(CPersonData& director) {
    const int c = director.GetEmployer();
    CEnterprise* company = GetEnterprise(c);
    const int area = director.GetTaskArea();
    const int x = director.GetTaskTargetX(), y = director.GetTaskTargetY();
    const int planned = director.GetTaskParam(0);
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (!company || !record) return FinishTask(director, 1);

    const bool demolition = planned == -1;
    int built = -1, width = director.GetTaskParam(1), height = director.GetTaskParam(2);
    const CBD* type = nullptr;
    if (!demolition) {
        built = ChooseBuiltStructure(planned, area, x, y, c);
        type = GetMap().GetStructureType(built);
        if (!type) return FinishTask(director, 1);
        type->GetSize(width, height);
    }
    SSite site;
    if (!SiteOf(record, x, y, width, height, site)) return FinishTask(director, 1);
    const int code = TypeCode(type);
    const bool office = StructureCode::IsOfficeCode(code);
    // Counted before this company's own level changes.
    const bool firstEntry = office && CountStrongCompanies(area) == 0;

    ApplyConstructionCompleted(director, built, planned, office ? 1 : 0, firstEntry ? 1 : 0);
    company->RecountAreaLand(area);
    if (demolition) {
        DemolishSite(area, x, y, width, height);
    } else {
        PlaceStructure(director, area, x, y, built);
        company->AddBuildingEffects(area, built);
    }
    RedrawSite(area, site.x0, site.y0, site.x1, site.y1);

    if (demolition) company->ConvertLandToBuilding(area, -width * height);
    if (office) {
        SetOfficeLevel(*company, area, code, true);
        if (firstEntry) {
            const int g = RandomVary(40, 20);
            for (int a = 0; a < GetMap().GetAreaCount(); ++a)
                company->SetAreaGrade(
                    a, ClampToInt(int64_t{company->GetAreaGrade(a)} + (a == area ? g : g / 2)), 1);
            for (int which = 1; which <= CEpMapData::kEffectCount; ++which)
                company->SetAreaValue(
                    which, area,
                    ClampToInt(int64_t{company->GetAreaValue(which, area)} + kFirstEntryValueGain));
        }
    }
    Wait(kResultPause, 0, 0);
    FinishTask(director, 1);
    if (IsNetworkHost()) SendCompanyState(c, eCOMPANY_AREA_RECORDS);
}

void CVDoc::ApplyConstructionCompleted(const CPersonData& director, int built, int planned,
                                       int office, int firstEntry) {
    const int c = director.GetEmployer();
    const int area = director.GetTaskArea();
    const int x = director.GetTaskTargetX(), y = director.GetTaskTargetY();
    const CBD* type = built >= 0 ? GetMap().GetStructureType(built) : nullptr;
    int width = director.GetTaskParam(1), height = director.GetTaskParam(2);
    if (type) type->GetSize(width, height);
    IFrameService& frame = Services::Frame();
    SelectArea(area);
    frame.MarkCellRect(x - width + 1, y - height + 1, x, y, kBlinkMs);
    Wait(kResultPause, 0, 0);
    if (ReportsActivity(c) && IsLocallyPlayed(c))
        Services::Report().ShowConstructionCompleted(c, director.GetIndex(), built, planned);
    const std::string areaName = GetAreaName(area);
    if (CEnterprise* company = GetEnterprise(c)) company->BeginReport();
    const CBD* plannedType = planned >= 0 ? GetMap().GetStructureType(planned) : nullptr;
    if (type && TypeCode(plannedType) == StructureCode::kTwoPart)
        frame.AddInfoMessage(FormatText("    %s construction completed.", type->GetName().c_str()));
    frame.AddInfoMessage(FormatText("  %s contruction completed.", areaName.c_str()));
    const CEnterprise* company = GetEnterprise(c);
    const std::string companyName = company ? company->GetName() : std::string();
    if (!type)
        frame.AddInfoMessage("  Building demolished.");
    else if (office && firstEntry)
        frame.AddInfoMessage(
            FormatText("    %s first entered %s's market.", companyName.c_str(), areaName.c_str()));
    else if (office)
        frame.AddInfoMessage(
            FormatText("    %s entered %s's market.", companyName.c_str(), areaName.c_str()));
    LogProjectLine(director);
    Wait(kResultPause, 0, 0);
    frame.FlushChangedCells(1);
    frame.RefreshAreaButton(area);
}

// ---------------------------------------------------------------- contracted construction

void CVDoc::CompleteContractConstruction(CPersonData& director) {
    const int c = director.GetEmployer();
    CEnterprise* contractor = GetEnterprise(c);
    const int area = director.GetTaskArea();
    const int x = director.GetTaskTargetX(), y = director.GetTaskTargetY();
    const int s = director.GetTaskParam(0);
    const int payment = director.GetTaskParam(1);
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (!contractor || !record || !record->IsInGrid(x, y) || !GetMap().GetStructureType(s))
        return FinishTask(director, 1);
    const int owner = record->GetCellOwner(x, y);
    CEnterprise* client = owner > 0 ? GetEnterprise(owner - 1) : nullptr;
    const int built = client ? ChooseBuiltStructure(s, area, x, y, owner - 1) : s;
    const CBD* type = GetMap().GetStructureType(built);
    int width = 1, height = 1;
    type->GetSize(width, height);
    SSite site;
    if (!SiteOf(record, x, y, width, height, site)) return FinishTask(director, 1);

    ApplyContractConstructionCompleted(director, built, payment);
    PlaceStructure(director, area, x, y, built);
    RedrawSite(area, site.x0, site.y0, site.x1, site.y1);
    if (client) {
        client->AddBuildingEffects(area, built);
        if (StructureCode::IsOfficeCode(type->GetTypeCode())) {
            client->SetAreaLevel(area, std::max(client->GetAreaLevel(area), 3));
            Services::Frame().RefreshAreaButton(area);
            if (IsNetworkHost()) Services::Frame().SendRedrawListItem(area);
        }
    }
    const int month = GetMonth();
    contractor->AddFunds(payment);
    contractor->AddMonthlySales(month, payment);
    contractor->AddMonthlyProfit(month, payment);
    FinishTask(director, 1);
    if (IsNetworkHost()) {
        if (client) SendCompanyState(client->GetNumber(), eCOMPANY_AREA_RECORDS);
        SendCompanyState(c, eCOMPANY_FUNDS_AND_DEBT);
        SendCompanyState(c, eCOMPANY_MONTHLY_SERIES);
    }
    if (client) client->CancelPlanAt(director.GetIndex(), 1);
}

void CVDoc::ApplyContractConstructionCompleted(const CPersonData& director, int built,
                                               int payment) {
    const int c = director.GetEmployer();
    const int area = director.GetTaskArea();
    const int x = director.GetTaskTargetX(), y = director.GetTaskTargetY();
    const CBD* type = GetMap().GetStructureType(built);
    int width = 1, height = 1;
    if (type) type->GetSize(width, height);
    IFrameService& frame = Services::Frame();
    SelectArea(area);
    frame.MarkCellRect(x - width + 1, y - height + 1, x, y, kBlinkMs);
    Wait(kResultPause, 0, 0);
    LogLine(c, FormatText("  %s contruction completed.", GetAreaName(area).c_str()));
    if (type && (TypeCode(type) == StructureCode::kTwoPart ||
                 TypeCode(type) == StructureCode::kMistakenPart))
        frame.AddInfoMessage(FormatText("    %s contruction completed.", type->GetName().c_str()));
    frame.AddInfoMessage(FormatText("    Payment %d received.", payment));
    LogProjectLine(director);
    Wait(kResultPause, 0, 0);
    frame.FlushChangedCells(1);
}

// ---------------------------------------------------------------- reinforcement on the map

void CVDoc::ShowReinforcementResult(const CPersonData& director, int finished) {
    const int c = director.GetEmployer();
    const int area = director.GetTaskArea();
    const int x = director.GetTaskTargetX(), y = director.GetTaskTargetY();
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (!record || !record->IsInGrid(x, y)) return;
    CCellPoint anchor(x, y), first(x, y);
    GetMap().GetStructureExtent(area, x, y, anchor, first);
    IFrameService& frame = Services::Frame();
    SelectArea(area);
    frame.MarkCellRect(first.x, first.y, anchor.x, anchor.y, kBlinkMs);
    Wait(kResultPause, 0, 0);
    if (IsHumanPlayed(c) && IsLocallyPlayed(c)) {
        if (!finished)
            Services::Report().ShowReinforcementStopped(c, director.GetIndex());
        else if (IsActivityReportOn())
            Services::Report().ShowReinforcementEnded(c, director.GetIndex());
    }
    frame.FlushChangedCells(1);
}

// ---------------------------------------------------------------- game end

void CVDoc::CompletePendingConstructions() {
    for (CEnterprise& company : m_game.companies) {
        for (int i = 0; i < company.GetDirectorCount(); ++i) {
            CPersonData* director = GetDirector(company.GetDirectorIndex(i));
            if (!director) continue;
            const int kind = director->GetTaskKind();
            if (kind != CPersonData::eTASK_CONSTRUCTION &&
                kind != CPersonData::eTASK_CONTRACT_CONSTRUCTION)
                continue;
            const int area = director->GetTaskArea();
            const int x = director->GetTaskTargetX(), y = director->GetTaskTargetY();
            const int s = director->GetTaskParam(0);
            CMapData* record = area >= 0 ? GetArea(area) : nullptr;
            if (!record) continue;
            const CBD* type = s >= 0 ? GetMap().GetStructureType(s) : nullptr;
            int width = director->GetTaskParam(1), height = director->GetTaskParam(2);
            if (type) type->GetSize(width, height);
            SSite site;
            // Only an own construction can be a demolition (structure -1).
            const bool demolition = kind == CPersonData::eTASK_CONSTRUCTION && s == -1;
            if ((!type && !demolition) || !SiteOf(record, x, y, width, height, site)) continue;
            const int owner = record->GetCellOwner(x, y);
            if (!type) {
                DemolishSite(area, x, y, width, height);
                company.ConvertLandToBuilding(area, -width * height);
            } else {
                PlaceStructure(*director, area, x, y, s);
                // An office built under contract is the client's.
                CEnterprise* holder =
                    kind == CPersonData::eTASK_CONSTRUCTION ? &company : GetEnterprise(owner - 1);
                if (holder && StructureCode::IsOfficeCode(type->GetTypeCode()))
                    SetOfficeLevel(*holder, area, type->GetTypeCode(), false);
            }
            if (IsNetworkHost()) {
                SendAreaOwners(area);
                SendCompanyState(company.GetNumber(), eCOMPANY_AREA_RECORDS);
            }
            if (kind == CPersonData::eTASK_CONSTRUCTION) {
                company.CancelPlanAt(director->GetIndex(), 1);
                continue;
            }
            if (CEnterprise* client = GetEnterprise(owner - 1))
                client->CancelPlanAt(director->GetIndex(), 1);
            const int payment = director->GetTaskParam(1);
            company.AddFunds(payment);
            company.AddMonthlyProfit(GetMonth(), payment);
            if (IsNetworkHost()) {
                SendCompanyState(company.GetNumber(), eCOMPANY_FUNDS_AND_DEBT);
                SendCompanyState(company.GetNumber(), eCOMPANY_MONTHLY_SERIES);
            }
        }
    }
}

void CVDoc::SettleAreaFigures() {
    for (CEnterprise& company : m_game.companies) {
        bool changed = false;
        for (int area = 0; area < GetMap().GetAreaCount(); ++area) {
            const int donations = company.GetMonthlyFigure(3, area, -1);
            if (donations <= kDonationAllowance) continue;
            company.AddAreaSum(area, donations - kDonationAllowance);
            changed = true;
        }
        if (changed && IsNetworkHost())
            SendCompanyState(company.GetNumber(), eCOMPANY_AREA_RECORDS);
    }
}
