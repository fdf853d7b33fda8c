// The map clicks of the player's commands: each check runs in a fixed
// order, and the first that fails answers with its report or a beep.

#include <algorithm>
#include <cstdint>

#include "game/OrderCommands.h"
#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/League.h"
#include "model/PersonData.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"

namespace {
constexpr int kBlinkMs = 180;
// A company below this level in an area has not entered it yet.
constexpr int kEnteredLevel = 3;
// The person dialog's value for the construction and reinforcement picks.
constexpr int kBuildDialogValue = 16;
constexpr int kReinforcementCost = 5;
constexpr int kConflictContract = 1;
constexpr int kConflictSale = 2;
constexpr int kSideSale = 1;
// The outside entries' values of a construction contract: free, a contract
// already pending, an office (built only by the company itself), funds
// short of the price.
constexpr int kOutsourceFree = 0;
constexpr int kOutsourcePending = 1;
constexpr int kOutsourceOffice = 2;
constexpr int kOutsourceFunds = 3;
// A lot for sale without a buyer goes to auction.
constexpr int kAuctionBuyer = -1;
constexpr int kTaskConstructionKind = 6;
}  // namespace

int COrderCommands::StaffIndexOf(const CEnterprise& company, const CPersonData* director) {
    for (int i = 0; i < company.GetDirectorCount(); ++i)
        if (company.GetDirector(i) == director) return company.GetDirectorIndex(i);
    return -1;
}

bool COrderCommands::ClickTarget(CCellPoint cell, CEnterprise*& company, int& area) {
    company = Own();
    area = ViewArea();
    return company && IsInViewArea(area, cell);
}

bool COrderCommands::IsInViewArea(int area, CCellPoint cell) {
    if (area < 0 || cell.x < 0 || cell.y < 0) return false;
    const CMapData& data = m_doc.GetMap().GetArea(area);
    return cell.x < data.GetWidth() && cell.y < data.GetHeight();
}

bool COrderCommands::HasLandUseConflict(int company, int area, int left, int top, int right,
                                        int bottom, int side) {
    const CEnterprise* c = m_doc.GetEnterprise(company);
    if (!c) return false;
    int kind = 0;
    if (c->IsContractBidTargetIn(area, left, top, right, bottom))
        kind = kConflictContract;
    else if (c->IsAuctionBidTargetIn(area, left, top, right, bottom))
        kind = kConflictSale;
    if (kind == 0) return false;
    const char* text = kind == kConflictContract
                           ? (side == kSideSale ? "Planned land for development can not be sold."
                                                : "Can not develop on land with planned construction.")
                           : (side == kSideSale ? "Land for sale can not be sold."
                                                : "Land for sale can not be developed.");
    Show(company, -1, {text});
    return true;
}

int COrderCommands::ConstructionMonths(const CPersonData& director, const CBD& type) {
    const int64_t aptitude = director.GetTaskAptitude(kTaskConstructionKind, false);
    const int64_t pace = std::max<int64_t>((aptitude / 2 + 2000) / 10, 1);
    return ClampToInt(int64_t{type.GetPriceStep()} * 300 / pace + 1);
}

// ---------------------------------------------------------------- purchase and sale

void COrderCommands::OnMapDesignatedPurchase(CCellPoint cell) {
    CEnterprise* company = nullptr;
    int area = -1;
    if (!ClickTarget(cell, company, area)) return;
    const int own = company->GetNumber();
    CMapDoc& map = m_doc.GetMap();
    IFrameService& frame = Services::Frame();
    const int x = cell.x, y = cell.y;
    const int owner = map.GetArea(area).GetCellOwner(x, y);
    const bool built = map.HasStructureAt(area, x, y);
    if (!map.IsCellUsable(area, x, y)) {
        const CBD* lot = map.GetCellStructureType(area, x, y, built ? 0 : 1);
        Show(own, -1, {"Unavailable " + (lot ? lot->GetName() : std::string())});
        return;
    }
    if (owner == own + 1) {
        Show(own, -1, {"Property of " + company->GetName() + " not for sale."});
        return;
    }
    if (built && company->GetAreaLevel(area) < kEnteredLevel) {
        Show(own, -1, {"You must expand into this area", "before you can develop."});
        return;
    }
    if (map.GetArea(area).IsProjectCell(x, y)) {
        Show(own, -1, {"Planned EXPO site."});
        return;
    }
    if (const CPersonData* negotiating = company->FindDesignatedPurchaseDirector(area, x, y)) {
        Show(own, StaffIndexOf(*company, negotiating),
             {negotiating->GetName() + " is undergoing negotiations."});
        return;
    }
    const int director = ChooseDirector(*company, kPromptDesignated);
    if (director < 0) {
        frame.FocusMap();
        return;
    }
    frame.MarkCellRect(x, y, x, y, kBlinkMs);
    if (Confirm(own, director, {"Initiate designated realestate purchasing procedures."})) {
        m_doc.GetOrders().IssueDesignatedPurchase(director, area, cell, -1, 1);
        frame.EndMapPick(0);
    }
    frame.FlushChangedCells(1);
    frame.FocusMap();
}

void COrderCommands::OnMapSellRealEstate(CCellPoint cell) {
    CEnterprise* company = nullptr;
    int area = -1;
    if (!ClickTarget(cell, company, area)) return;
    const int own = company->GetNumber();
    CMapDoc& map = m_doc.GetMap();
    IFrameService& frame = Services::Frame();
    const int x = cell.x, y = cell.y;
    if (HasLandUseConflict(own, area, x, y, x, y, kSideSale)) return;
    if (map.GetArea(area).GetCellOwner(x, y) != own + 1) return;
    if (!map.IsCellUsable(area, x, y)) {
        frame.Beep();
        return;
    }
    const bool built = map.HasStructureAt(area, x, y);
    SSaleMethodDialog dialog;
    dialog.company = own;
    for (int c = 0; c < m_doc.CompanyCount(); ++c) {
        if (c == own) continue;
        const bool eligible = !built || m_doc.GetEnterprise(c)->GetAreaLevel(area) >= kEnteredLevel;
        dialog.rowValues.emplace_back(c, eligible ? 1 : 0);
    }
    dialog.standardPrice = map.GetLotPrice(area, x, y, 0);
    CCellPoint cursor = frame.GetCursorCell();
    int width = 1, height = 1;
    frame.GetCursorBlock(width, height);
    frame.MarkCellRect(cursor.x - width + 1, cursor.y - height + 1, cursor.x, cursor.y, kBlinkMs);
    SSaleMethodAnswer answer = Services::Dialogs().InputSaleMethod(dialog);
    const bool direct = answer.method == 0;
    // A direct sale goes to a company the dialog offered; a price below 0
    // would leave no sale pending.
    bool valid = answer.ok && answer.price >= 0;
    if (valid && direct) {
        valid = false;
        for (const auto& [c, value] : dialog.rowValues)
            if (c == answer.buyer && value) valid = true;
    }
    if (valid) {
        const int buyer = direct ? answer.buyer : kAuctionBuyer;
        const std::string price = std::to_string(answer.price);
        const std::string line =
            direct ? "Contracting " + CompanyName(buyer) + " to sell for " + price + " by month end."
                   : "We will auction this with a minimal bid of " + price + " by month end.";
        if (Confirm(own, -1, {line}, "Accepted contract to sell"))
            company->PlaceAuctionBid(answer.price, area, x, y, buyer, 1);
    }
    frame.FlushChangedCells(1);
    frame.EndMapPick(0);
}

// ---------------------------------------------------------------- construction

void COrderCommands::OnMapConstruction(CCellPoint cell) {
    CEnterprise* company = nullptr;
    int area = -1;
    if (!ClickTarget(cell, company, area)) return;
    const int own = company->GetNumber();
    CMapDoc& map = m_doc.GetMap();
    IFrameService& frame = Services::Frame();
    const int x = cell.x, y = cell.y;
    const int s = frame.GetPickParam(0);
    const bool demolition = s < 0;
    const CBD* type = nullptr;
    bool office = false;
    if (!demolition) {
        type = map.GetStructureType(s);
        if (!type) return;
        office = StructureCode::IsOfficeCode(type->GetTypeCode());
        const bool entered =
            company->GetAreaLevel(area) >= kEnteredLevel || HasDirectorWorkingIn(*company, area);
        if (!entered && !office) {
            Show(own, -1, {"We must penetrate the area before we can develop."});
            return;
        }
        if (entered && office) {
            Show(own, -1, {"Already expanded into this area.", "Additional branch office unfeasible."});
            return;
        }
    } else {
        type = map.GetCellStructureType(area, x, y, 0);
        if (!type) {
            frame.Beep();
            return;
        }
    }
    int width = 1, height = 1;
    type->GetSize(width, height);
    const int left = x - width + 1, top = y - height + 1;
    if (left < 0 || top < 0) return;
    if (HasLandUseConflict(own, area, left, top, x, y, 0)) return;
    if (!map.IsRectBuildable(area, left, top, x, y, own, demolition ? 1 : 0)) {
        frame.Beep();
        return;
    }
    const int price = ClampToInt(int64_t{type->GetPriceStep()} * 20 +
                                 int64_t{type->GetBasePrice()} * 2 + 10);
    const int availability =
        OutsourcingValue(demolition, office, company->GetContractBid().contractor != -1,
                         company->GetFunds() < price);
    std::vector<int> ids, values;
    for (int c = 0; c < m_doc.CompanyCount(); ++c) {
        if (c == own || m_doc.GetEnterprise(c)->GetAreaLevel(area) < kEnteredLevel) continue;
        ids.push_back(c);
        values.push_back(availability);
    }
    bool outside = false;
    const int chosen = SelectDirectorOrOutside(own, kBuildDialogValue, ids, values, outside,
                                               demolition ? kModeDemolition : kModeConstruction, 0);
    if (chosen < 0) {
        frame.FocusMap();
        return;
    }
    frame.MarkCellRect(left, top, x, y, kBlinkMs);
    bool ordered = false;
    if (outside) {
        if (Confirm(own, -1,
                    {"Contracting " + CompanyName(chosen) + " to develop",
                     "the " + type->GetName() + " for " + std::to_string(price) + " by month end."},
                    "Construction Order Confirmation")) {
            company->PlaceContractBid(chosen, area, x, y, s, price, 0);
            ordered = true;
        }
    } else {
        const CPersonData* director = Person(chosen);
        std::vector<std::string> lines{"I will demolish this."};
        if (!demolition && director)
            lines = {"Commence " + type->GetName() + " construction",
                     "with a " + std::to_string(ConstructionMonths(*director, *type)) +
                         " month finishing time."};
        if (Confirm(own, chosen, lines)) {
            frame.EnableInput(0);
            m_doc.GetOrders().IssueConstruction(chosen, area, cell, s, 1);
            frame.EnableInput(1);
            ordered = true;
        }
    }
    EndConstructionPick(ordered);
}

int COrderCommands::OutsourcingValue(bool demolition, bool office, bool contractPending,
                                    bool fundsShort) {
    if (demolition) return kOutsourceOffice;
    int value = kOutsourceFree;
    if (contractPending) value = kOutsourcePending;
    if (fundsShort) value = kOutsourceFunds;
    if (office) value = kOutsourceOffice;
    return value;
}

void COrderCommands::EndConstructionPick(bool ordered) {
    IFrameService& frame = Services::Frame();
    frame.FlushChangedCells(1);
    if (ordered) {
        frame.EndMapPick(0);
        frame.SetMapPickMode(0, 1, 1);
    } else {
        frame.FocusMap();
    }
}

bool COrderCommands::HasDirectorWorkingIn(const CEnterprise& company, int area) {
    for (int i = 0; i < company.GetDirectorCount(); ++i) {
        const CPersonData* director = company.GetDirector(i);
        if (director && director->GetTaskKind() != 0 && director->GetTaskArea() == area)
            return true;
    }
    return false;
}

void COrderCommands::OnMapReinforceBuilding(CCellPoint cell) {
    CEnterprise* company = nullptr;
    int area = -1;
    if (!ClickTarget(cell, company, area)) return;
    const int own = company->GetNumber();
    CMapDoc& map = m_doc.GetMap();
    IFrameService& frame = Services::Frame();
    CCellPoint anchor, first;
    if (!map.GetStructureExtent(area, cell.x, cell.y, anchor, first) ||
        map.GetArea(area).GetCellOwner(anchor.x, anchor.y) != own + 1)
        return;
    if (HasLandUseConflict(own, area, first.x, first.y, anchor.x, anchor.y, 0)) {
        frame.FocusMap();
        return;
    }
    bool outside = false;
    const int director = SelectDirectorOrOutside(own, kBuildDialogValue, {}, {}, outside,
                                                 kModeReinforcement, 0);
    if (director < 0 || outside) {
        frame.FocusMap();
        return;
    }
    frame.MarkCellRect(first.x, first.y, anchor.x, anchor.y, kBlinkMs);
    if (Confirm(own, director,
                {"I will reinforce this for " + std::to_string(kReinforcementCost) + "."})) {
        frame.EnableInput(0);
        m_doc.GetOrders().IssueReinforceBuilding(director, area, cell, 1);
        frame.EnableInput(1);
        frame.EndMapPick(0);
    }
    frame.FlushChangedCells(1);
}

// ---------------------------------------------------------------- stadiums

void COrderCommands::OnMapHomeField(CCellPoint cell) {
    IFrameService& frame = Services::Frame();
    const int area = ViewArea();
    const int league = frame.GetPickParam(0), team = frame.GetPickParam(1);
    if (!IsInViewArea(area, cell) || !IsLeagueTeam(league, team)) return;
    const int mode = frame.GetMapPickMode();
    const bool purchase = mode == kPickTeamPurchase || mode == kPickTeamPurchase + 1;
    const int company = purchase ? OwnIndex() : HomeFieldCompany(league, team);
    if (!m_doc.GetEnterprise(company)) return;
    CMapDoc& map = m_doc.GetMap();
    const int kind = map.GetLeague(league).GetStadiumKind();
    const int x = cell.x, y = cell.y;
    if (map.GetCellTypeCode(area, x, y, 0) != StructureCode::StadiumTypeCode(kind)) {
        frame.Beep();
        return;
    }
    CCellPoint anchor(x, y), first(x, y);
    map.GetStructureExtent(area, x, y, anchor, first);
    frame.MarkCellRect(first.x, first.y, anchor.x, anchor.y, kBlinkMs);
    if (!map.IsCellAvailableTo(company, kind, area, x, y)) {
        Show(company, -1,
             {"We can not base our team here", "because it is already occupied by another team."});
        frame.FlushChangedCells(1);
        return;
    }
    if (!Confirm(company, -1, {"We shall base our home field here."})) {
        frame.FlushChangedCells(1);
        frame.FocusMap();
        return;
    }
    const bool inputWasOn = frame.IsInputEnabled() != 0;
    if (inputWasOn) frame.EnableInput(0);
    if (purchase)
        m_doc.GetOrders().IssueAcquireProTeam(company, league, team, area, cell, -1,
                                              m_doc.IsNetworkGame() ? 1 : 0);
    else
        m_doc.GetOrders().IssueChangeHomeField(company, league, area, cell, 1);
    if (inputWasOn) frame.EnableInput(1);
    frame.EndMapPick(inputWasOn ? 0 : 1);
    // The player answered a request to move a team during the month's
    // processing: the month goes on.
    if (!inputWasOn) {
        if (m_doc.IsNetworkGame())
            frame.SendStadiumAnswer(area, cell);
        else
            frame.ContinueMonth();
    }
    frame.FocusMap();
}
