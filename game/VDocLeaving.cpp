// Companies taken out of play during the month: a bankrupt company gives up
// everything and leaves at the month's safe point, a company holding half or
// more of another's shares absorbs it, and the construction contracts a
// leaving company was building for others are cancelled.

#include <algorithm>
#include <numeric>

#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/Random.h"
#include "model/StructureCodes.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {

// A holding of at least this part of the issued shares absorbs the issuer.
constexpr double kMergerShare = 0.5;
// Blinking period of a lost construction site.
constexpr int kSiteBlinkMs = 180;

// Codes of the company notices sent to the peers.
constexpr int kBankruptcyReportNotice = 2067;
constexpr int kBankruptcyLogNotice = 2068;
constexpr int kMergerReportNotice = 2057;
constexpr int kMergerHoldingsNotice = 2058;
constexpr int kMergerDocumentNotice = 2059;
constexpr int kCompanyRemovedNotice = 2070;

}  // namespace

void CVDoc::DropEnterprise(int company) {
    CEnterprise* c = GetEnterprise(company);
    if (!c || IsLeaving(company)) return;
    SendCompanyNotice(kBankruptcyReportNotice, company, -1);
    // A client leaves the report out for a human-played company while the
    // play state is 1.
    bool quietClient = IsNetworkGame() && !IsNetworkHost() && c->IsHumanPlayed() &&
                       GetPlayState() == 1;
    if (!quietClient) Services::Report().ShowBankruptcy(company);
    SendCompanyNotice(kBankruptcyLogNotice, company, -1);
    Services::Frame().AddInfoMessage(FormatText("%s went bankrupt.", c->GetName().c_str()));
    // Its offices and sites leave the map and its staff and president are
    // free now; the record itself goes at the month's safe point, since the
    // company's own loan recall is still running.
    c->ReleaseAllHoldings();
    // A merger into it would hand a company's holdings to one that leaves.
    std::erase_if(m_game.leaving,
                  [company](const SGame::SLeaving& l) { return l.absorber == company; });
    m_game.leaving.push_back({company, -1});
}

bool CVDoc::FindMergerPair(int& absorbed, int& absorber) {
    std::vector<int> order(static_cast<size_t>(CompanyCount()));
    std::iota(order.begin(), order.end(), 0);
    // The random order decides which of several qualifying pairs merges.
    ShuffleArray(order);
    for (int a : order) {
        if (IsLeaving(a)) continue;
        for (int b : order) {
            if (b == a || IsLeaving(b)) continue;
            // GetShareRatio gives 0 for a company without issued shares, so
            // such a company is never absorbed.
            if (GetShareRatio(a, b) >= kMergerShare) {
                absorbed = a;
                absorber = b;
                return true;
            }
        }
    }
    return false;
}

int CVDoc::CheckMergers() {
    int a = -1, b = -1;
    if (!FindMergerPair(a, b)) return 0;
    SendCompanyNotice(kMergerReportNotice, b, a);
    Services::Report().ShowMerger(b, a);
    SendCompanyNotice(kMergerHoldingsNotice, b, a);
    GetEnterprise(a)->MergeInto(b);
    SendCompanyNotice(kMergerDocumentNotice, b, a);
    if (!MergeEnterprise(a, b)) return 0;
    RenumberLeaving(a);
    AnnounceCompanyLeft(a);
    return 1;
}

void CVDoc::AnnounceCompanyLeft(int company) {
    SendCompanyRemoved(company);
    ShuffleTurnOrder();
    IFrameService& frame = Services::Frame();
    frame.ScrollAreaButtonsToFirst();
    if (IsNetworkHost()) frame.SendRedrawListItem(-1);
}

void CVDoc::RouteContractorBankrupt(int area, int x, int y, int param, int contractor) {
    // In network play the host sends the cancellation to the peers first;
    // every machine then cancels it the same way.
    CancelBankruptContracts(area, x, y, param, contractor);
}

void CVDoc::CancelBankruptContracts(int area, int x, int y, int structureType, int contractor) {
    CMapDoc& map = GetMap();
    const CBD* type = map.GetStructureType(structureType);
    if (!type || area < 0 || area >= map.GetAreaCount()) return;
    CMapData& record = map.GetArea(area);
    int width = 1, height = 1;
    type->GetSize(width, height);
    const int x0 = x - width + 1, y0 = y - height + 1;
    // Task values come from a saved game or a peer: the site must lie on the map.
    if (!record.IsInGrid(x, y) || !record.IsInGrid(x0, y0)) return;
    const int owner = record.GetCellOwner(x, y);
    if (CEnterprise* client = GetEnterprise(owner - 1)) {
        if (client->IsHumanPlayed() && IsLocallyPlayed(client->GetNumber())) {
            SelectArea(area);
            Services::Frame().MarkCellRect(x0, y0, x, y, kSiteBlinkMs);
            Services::Report().ShowContractorBankrupt(client->GetNumber(), structureType,
                                                      contractor);
            Services::Frame().FlushChangedCells(1);
        }
        // The staff it had sent to the site comes back, never more than the
        // company employs (a saved game refuses that).
        client->AddBusyEmployees(type->GetValueFigure());
        client->SetEmployeesAtWork(
            std::min(client->GetEmployeesAtWork(), client->GetEmployees()));
        Services::Frame().RefreshInfoPanels();
    } else if (owner == 0 && type->GetTypeCode() == StructureCode::kProject) {
        for (int i = 0; i < record.GetProjectSiteCount(); ++i) {
            CCellPoint site = record.GetProjectSitePoint(i);
            if (site.x >= x0 && site.x <= x && site.y >= y0 && site.y <= y)
                record.SetProjectSiteFlag(i, 0);
        }
    }
    for (int cy = y0; cy <= y; ++cy)
        for (int cx = x0; cx <= x; ++cx) map.SetStructureAt(area, cx, cy, 0);
}

// Network play sends these notices to the peers; nothing outside it.
void CVDoc::SendCompanyNotice(int /*code*/, int /*company*/, int /*other*/) {}

void CVDoc::SendCompanyRemoved(int /*company*/) {}
