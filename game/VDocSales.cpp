// Lots changing hands: the one transfer routine that negotiated sales,
// auctions and the directors' land purchases share.

#include <algorithm>
#include <climits>
#include <cstdint>

#include "game/VDoc.h"
#include "model/History.h"
#include "model/MapData.h"
#include "model/Saturate.h"
#include "model/services/Services.h"

namespace {

// Area levels: 1 present, 2 holding land, 3 with an office.
constexpr int kPresentLevel = 1;
constexpr int kLandLevel = 2;

// Employees come and go with a building's staff; at work never exceeds
// employed.
void MoveBuildingStaff(CEnterprise& company, int staff) {
    const int64_t employees = std::clamp<int64_t>(int64_t{company.GetEmployees()} + staff, 0,
                                                  INT_MAX);
    company.SetEmployees(static_cast<int>(employees));
    company.SetEmployeesAtWork(std::min(company.GetEmployeesAtWork(), company.GetEmployees()));
}

}  // namespace

int CVDoc::TransferLot(int area, int x, int y, int newOwner, int price) {
    CMapData* record = GetArea(area);
    // Values from a saved game, an order or a peer: the lot must lie on the
    // map and the new owner be one of the game's companies.
    if (area < 0 || !record || !record->IsInGrid(x, y)) return 0;
    if (newOwner != -1 && !GetEnterprise(newOwner)) return 0;
    price = std::max(price, 0);
    CMapDoc& map = GetMap();
    const int old = record->GetCellOwner(x, y);
    map.SetStructureOwner(area, x, y, newOwner + 1);
    const CBD* type = map.GetCellStructureType(area, x, y, 0);
    const bool building = type != nullptr;
    const int staff = building ? type->GetValueFigure() : 0;
    const int month = GetMonth();
    IFrameService& frame = Services::Frame();
    // Clients receive the money and counts from the host.
    const bool counts = !IsNetworkGame() || IsNetworkHost();
    const bool host = IsNetworkHost();
    auto sendRecords = [&](int company) {
        if (!host) return;
        SendCompanyState(company, eCOMPANY_FUNDS_AND_DEBT);
        SendCompanyState(company, eCOMPANY_MONTHLY_SERIES);
        SendCompanyState(company, eCOMPANY_STAFF_FIGURES);
        SendCompanyState(company, eCOMPANY_AREA_RECORDS);
    };

    if (CEnterprise* seller = counts ? GetEnterprise(old - 1) : nullptr) {
        seller->AddFunds(price);
        seller->AddMonthlySales(month, price);
        seller->AddMonthlyProfit(month, price);
        if (building) {
            seller->AddAreaBuildings(area, -1);
            MoveBuildingStaff(*seller, -staff);
        } else {
            seller->AddAreaLand(area, -1);
            if (seller->GetAreaLevel(area) == kLandLevel && seller->GetAreaLand(area) == 0) {
                seller->SetAreaLevel(area, kPresentLevel);
                frame.RefreshAreaButton(area);
            }
        }
        sendRecords(seller->GetNumber());
    }
    if (CEnterprise* buyer = counts ? GetEnterprise(newOwner) : nullptr) {
        const int charge = ClampToInt(-int64_t{price});
        buyer->AddFunds(charge);
        buyer->AddMonthlyProfit(month, charge);
        if (building) {
            buyer->AddAreaBuildings(area, 1);
            MoveBuildingStaff(*buyer, staff);
        } else {
            buyer->AddAreaLand(area, 1);
            if (buyer->GetAreaLevel(area) < kLandLevel) {
                buyer->SetAreaLevel(area, kLandLevel);
                CHistory entry;
                entry.SetLandPurchased(area);
                buyer->GetHistory().push_back(std::move(entry));
                frame.RefreshAreaButton(area);
            }
        }
        sendRecords(newOwner);
    }

    frame.RefreshInfoPanels();
    if (frame.GetShownArea() == area) frame.DrawMapCell(x, y);
    if (host) {
        SendAreaOwners(area);
        SendRefreshInfo();
        frame.SendRedrawListItem(area);
    }
    SetModifiedFlag(true);
    return 1;
}

int CVDoc::TransferLotToDirectorCompany(int area, int x, int y, int director, int price) {
    const CPersonData* person = GetDirector(director);
    // A former employer is no new owner.
    if (!person || !person->IsEmployed(false) || !GetEnterprise(person->GetEmployer())) return 0;
    return TransferLot(area, x, y, person->GetEmployer(), price);
}
