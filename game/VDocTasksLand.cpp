// Land bought by directors: a designated lot (its owner asked first) and a
// lot found by a land search, with the free lot next to it when it was
// offered too.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/Wait.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {
constexpr double kResultPause = 1000;
constexpr int kBlinkMs = 180;

// The neighbouring lot of side 1..4 (y - 1, x + 1, y + 1, x - 1).
CCellPoint Neighbour(int x, int y, int side) {
    switch (side) {
        case 1:
            return {x, y - 1};
        case 2:
            return {x + 1, y};
        case 3:
            return {x, y + 1};
        case 4:
            return {x - 1, y};
        default:
            return {-1, -1};
    }
}
}  // namespace

// ---------------------------------------------------------------- designated lot

int CVDoc::NegotiateDesignatedPrice(const CPersonData& director, int area, int x, int y,
                                    int owner) {
    int64_t price = std::max(CalcLotPriceFor(&director, area, x, y), 0);
    if (owner > 0) price += std::max(GetMap().GetLotPrice(area, x, y, 0), 0);
    const int p = ClampToInt(price * 7 / 5);
    return ClampToInt(int64_t{RandomVary(p, p / 10)} + Random(10));
}

bool CVDoc::IsOwnerWilling(int owner, const CPersonData& director, int price) {
    const double stake = GetHoldingWeight(director.GetEmployer(), owner);
    const bool willing = Random(TruncToInt(stake * 1000) + 500) >= 500;
    if (!IsHumanPlayed(owner)) return willing;
    const int area = director.GetTaskArea();
    const int x = director.GetTaskTargetX(), y = director.GetTaskTargetY();
    SelectArea(area);
    Services::Frame().MarkCellRect(x, y, x, y, kBlinkMs);
    const int answer = AskDesignatedSale(owner, director, price, willing ? 1 : 0);
    Services::Frame().FlushChangedCells(1);
    return answer != 0;
}

void CVDoc::CompleteDesignatedPurchase(CPersonData& director) {
    const int c = director.GetEmployer();
    CEnterprise* buyer = GetEnterprise(c);
    const int area = director.GetTaskArea();
    const int x = director.GetTaskTargetX(), y = director.GetTaskTargetY();
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (!buyer || !record || !record->IsInGrid(x, y)) return FinishTask(director, 1);
    const int owner = record->GetCellOwner(x, y);
    const int price = NegotiateDesignatedPrice(director, area, x, y, owner);
    bool ok = buyer->GetFunds() >= price;
    if (owner > 0 && ok) ok = IsOwnerWilling(owner - 1, director, price);
    if (IsHumanPlayed(c)) {
        if (!ok && owner > 0)
            ReportDesignatedPurchaseRefused(director, owner - 1);
        else
            ok = AskDesignatedPurchase(director, area, x, y, price, 0) != 0;
    }
    if (ok) ApplyLandPurchase(director, area, {CCellPoint(x, y)}, price);
    // A free lot the company could not pay stays in its plan, to be tried
    // again.
    FinishTask(director, owner == 0 && !ok ? 0 : 1);
}

// ---------------------------------------------------------------- land search

bool CVDoc::TakeNeighbourLot(const CPersonData& director, std::vector<CCellPoint>& cells,
                             int& price) {
    const int c = director.GetEmployer();
    const int area = director.GetTaskArea();
    const CCellPoint next =
        Neighbour(director.GetTaskTargetX(), director.GetTaskTargetY(), director.GetTaskParam(3));
    const int extra = director.GetTaskParam(4);
    CMapData* record = GetArea(area);
    if (!record || !record->IsInGrid(next.x, next.y)) return false;
    if (!GetMap().IsCellFreeForSale(area, next.x, next.y)) return false;
    if (GetFunds(c) < int64_t{price} + extra) return false;
    if (IsHumanPlayed(c) && !AskLandPurchase(director, area, next.x, next.y, extra)) return false;
    cells.push_back(next);
    price = ClampToInt(int64_t{price} + extra);
    return true;
}

void CVDoc::CompleteLandAcquisition(CPersonData& director) {
    const int c = director.GetEmployer();
    CEnterprise* company = GetEnterprise(c);
    const int area = director.GetTaskArea();
    const int x = director.GetTaskTargetX(), y = director.GetTaskTargetY();
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (!company || !record) return FinishTask(director, 1);
    if (director.GetTaskParam(1) == 0 || !record->IsInGrid(x, y)) {
        if (IsHumanPlayed(c)) ReportLandAcquisitionFailed(director, area);
        return FinishTask(director, 1);
    }
    int price = director.GetTaskParam(2);
    const bool accepted = IsHumanPlayed(c)
                              ? AskDesignatedPurchase(director, area, x, y, price, 1) != 0
                              : company->GetFunds() >= price;
    if (accepted) {
        std::vector<CCellPoint> cells{CCellPoint(x, y)};
        if (director.GetTaskParam(3) >= 1) TakeNeighbourLot(director, cells, price);
        ApplyLandPurchase(director, area, cells, price);
    }
    FinishTask(director, 1);
}

// ---------------------------------------------------------------- the purchase

void CVDoc::ApplyLandPurchase(const CPersonData& director, int area,
                              const std::vector<CCellPoint>& cells, int price) {
    CMapData* record = area >= 0 ? GetArea(area) : nullptr;
    if (!record || cells.empty()) return;
    int64_t market = 0;
    for (const CCellPoint& cell : cells) {
        if (!record->IsInGrid(cell.x, cell.y)) return;
        market += std::max(GetMap().GetLotPrice(area, cell.x, cell.y, 0), 0);
    }
    IFrameService& frame = Services::Frame();
    SelectArea(area);
    for (const CCellPoint& cell : cells)
        frame.MarkCellRect(cell.x, cell.y, cell.x, cell.y, kBlinkMs);
    Wait(kResultPause, 0, 0);
    const int c = director.GetEmployer();
    LogLine(c, FormatText("  Purchased in %s for %d.", GetAreaName(area).c_str(), price));
    frame.AddInfoMessage(FormatText("     (Market Price %d)", ClampToInt(market)));
    LogProjectLine(director);
    for (size_t i = 0; i < cells.size(); ++i)
        TransferLot(area, cells[i].x, cells[i].y, c, i == 0 ? price : 0);
    Wait(kResultPause, 0, 0);
    frame.FlushChangedCells(1);
}
