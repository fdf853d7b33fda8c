// Lots sold at month end: by a negotiated sale to the company the seller
// named, or at a real-estate auction to the highest bidder.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "game/BidList.h"
#include "game/ComCommand.h"
#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {

// A lot on offer blinks this fast.
constexpr int kLotBlinkMs = 180;
// The bidder needs an office (this level) in the area to bid for a building.
constexpr int kOfficeLevel = 3;
// An auction without a bid still sells an owned lot to nobody when the
// minimum lies below this part of the lot price.
constexpr int kUnsoldShareNum = 4;
constexpr int kUnsoldShareDen = 5;
// The reasons a human company may not bid.
constexpr int kCannotBidFunds = 0;
constexpr int kCannotBidArea = 1;
// A pending sale to this buyer, or to no company at all, is an auction.
constexpr int kAuctionBuyer = -2;

}  // namespace

// ---------------------------------------------------------------- sale orders

void CVDoc::SettleSaleOrder(int company) {
    CEnterprise* seller = GetEnterprise(company);
    CEnterprise::SLotSale sale;
    if (!seller || !seller->GetAuctionBid(sale)) return;
    // The order is settled once, whatever comes of it.
    seller->ClearAuctionBid();
    // Only a lot the seller still owns is sold.
    if (GetCellOwner(sale.area, sale.x, sale.y) != company + 1) return;
    if (sale.buyer == kAuctionBuyer || sale.buyer == -1)
        RunAuction(sale.area, sale.x, sale.y, sale.minimalBid);
    else
        RunNegotiatedSale(sale.area, sale.x, sale.y, sale.minimalBid, sale.buyer);
}

void CVDoc::RunNegotiatedSale(int area, int x, int y, int price, int buyer) {
    const int seller = GetCellOwner(area, x, y) - 1;
    CEnterprise* buying = GetEnterprise(buyer);
    if (!buying || buyer == seller) return;
    // A buyer played at another machine answers through the network, which
    // has no answer to give yet.
    const bool taken = IsLocallyPlayed(buyer) && AskLandSaleOffer(area, x, y, price, buyer) != 0;
    const CEnterprise* selling = GetEnterprise(seller);
    if (selling && selling->IsHumanPlayed() && IsLocallyPlayed(seller))
        Services::Report().ShowSaleAnswer(seller, buyer, area, x, y, price, taken);
    if (!taken) return;
    IFrameService& frame = Services::Frame();
    buying->BeginReport();
    frame.AddInfoMessage(FormatText("  Purchased in %s for %d.", GetAreaName(area).c_str(), price));
    frame.AddInfoMessage(FormatText("    (Standard price:%d)", GetLotPrice(area, x, y, 0)));
    TransferLot(area, x, y, buyer, price);
}

int CVDoc::AskLandSaleOffer(int area, int x, int y, int price, int buyer) {
    CEnterprise* buying = GetEnterprise(buyer);
    if (!buying || GetLotPrice(area, x, y, 0) < 0) return 0;
    if (!buying->IsHumanPlayed()) {
        const int value = CComCommand(*this, buyer).ValueLotOffer(area, CCellPoint(x, y), price);
        return value > 0 && value >= price ? 1 : 0;
    }
    // A player who is away answers no.
    if (IsRemotePlayerAway(buyer)) return 0;
    SelectArea(area);
    MarkLot(area, x, y);
    const bool taken = Services::Report().AskLandSaleOffer(
        buyer, GetCellOwner(area, x, y) - 1, area, x, y, price, GetLotPrice(area, x, y, 0),
        buying->GetFunds() >= price);
    Services::Frame().FlushChangedCells(1);
    // The funds are checked again: the answer of a player without them is no.
    return taken && buying->GetFunds() >= price ? 1 : 0;
}

// ---------------------------------------------------------------- auctions

int CVDoc::RunAuction(int area, int x, int y, int minimum) {
    if (GetLotPrice(area, x, y, 0) < 0) return 0;
    SelectArea(area);
    const int old = GetCellOwner(area, x, y);
    int winner = -1, price = 0;
    const bool won = CollectAuctionBids(area, x, y, minimum, winner, price) != 0;
    const int lotPrice = GetLotPrice(area, x, y, 0);
    if (!won) {
        winner = -1;
        price = old > 0 && int64_t{minimum} < int64_t{lotPrice} * kUnsoldShareNum / kUnsoldShareDen
                    ? minimum
                    : 0;
    }
    ReportAuctionResult(area, x, y, winner, price, won ? 1 : 0);
    if (price <= 0) return 0;
    if (CEnterprise* buyer = GetEnterprise(winner)) {
        const int rise = std::max(static_cast<int>(std::pow(lotPrice, 0.4)), 1);
        buyer->SetAreaGrade(area, ClampToInt(int64_t{buyer->GetAreaGrade(area)} + rise), 1);
        if (buyer->GetAreaLevel(area) < kOfficeLevel) {
            buyer->AddMonthlyExpense(GetMonth(), price);
            if (IsNetworkGame()) SendCompanyState(winner, eCOMPANY_MONTHLY_SERIES);
        }
        if (IsNetworkGame()) SendCompanyState(winner, eCOMPANY_AREA_RECORDS);
    }
    TransferLot(area, x, y, winner, price);
    return price;
}

int CVDoc::CollectAuctionBids(int area, int x, int y, int minimum, int& winner, int& price) {
    winner = -1;
    price = minimum;
    const int seller = GetCellOwner(area, x, y) - 1;
    if (GetLotPrice(area, x, y, 0) < 0) return 0;
    const bool building = GetMap().HasStructureAt(area, x, y);
    CBidList bids;
    for (int p = 0; p < CompanyCount(); ++p) {
        const int c = GetTurnEnterprise(p);
        CEnterprise* company = GetEnterprise(c);
        if (!company || c == seller) continue;
        if (!company->IsHumanPlayed()) {
            const int bid = CComCommand(*this, c).ValueLotOffer(area, CCellPoint(x, y), minimum);
            if (bid > 0) bids.Add(c, bid);
            continue;
        }
        if (IsRemotePlayerAway(c)) continue;
        const int reason = building && company->GetAreaLevel(area) < kOfficeLevel
                               ? kCannotBidArea
                           : company->GetFunds() < minimum ? kCannotBidFunds
                                                           : -1;
        if (reason >= 0) {
            if (IsLocallyPlayed(c)) Services::Report().ShowCannotBid(c, area, x, y, reason);
            continue;
        }
        // A network game asks its human bidders together over the network,
        // which has no bids to give yet.
        if (IsNetworkGame()) continue;
        MarkLot(area, x, y);
        SBidPriceDialog dialog;
        dialog.company = c;
        dialog.area = area;
        dialog.cell = CCellPoint(x, y);
        dialog.lowest = minimum;
        dialog.highest = company->GetFunds();
        bids.AskPlayer(dialog);
    }
    return bids.DrawWinner(minimum, true, winner, price) ? 1 : 0;
}

void CVDoc::ReportAuctionResult(int area, int x, int y, int winner, int price, int won) {
    const int seller = GetCellOwner(area, x, y) - 1;
    const CEnterprise* selling = GetEnterprise(seller);
    const CEnterprise* buyer = won ? GetEnterprise(winner) : nullptr;
    SelectArea(area);
    MarkLot(area, x, y);
    const bool sellerHere = selling && selling->IsHumanPlayed() && IsLocallyPlayed(seller);
    if (sellerHere || IsActivityReportOn())
        Services::Report().ShowAuctionResult(seller, area, x, y, buyer ? winner : -1,
                                             price >= 1 ? price : 0);
    IFrameService& frame = Services::Frame();
    const int lotPrice = GetLotPrice(area, x, y, 0);
    frame.AddInfoMessage(FormatText("%s realestate auction closed.", GetAreaName(area).c_str()));
    if (price < 1)
        frame.AddInfoMessage("  Unsuccessful bid.");
    else if (buyer)
        frame.AddInfoMessage(FormatText("  %s purchased for %d.(Standard price:%d)",
                                        buyer->GetName().c_str(), price, lotPrice));
    else
        frame.AddInfoMessage(FormatText("  Sold for %d.(Standard price:%d)", price, lotPrice));
    frame.FlushChangedCells(1);
}

void CVDoc::MarkLot(int area, int x, int y) {
    CCellPoint anchor(x, y), first(x, y);
    if (GetCellStructure(area, x, y) > 0) GetMap().GetStructureExtent(area, x, y, anchor, first);
    Services::Frame().MarkCellRect(first.x, first.y, anchor.x, anchor.y, kLotBlinkMs);
}
