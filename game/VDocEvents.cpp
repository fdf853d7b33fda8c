// The month's random events: the roulette that draws them pass by pass, the
// dispatch over the event kinds, and the events of the city itself (league
// popularity, strikes, land values, earthquakes). The company events live in
// VDocEventsCompanies.cpp, the sites, auctions and tenders in
// VDocEventsSites.cpp, the EXPO in VDocEventsExpo.cpp and the fire in
// VDocFire.cpp.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "game/VDoc.h"
#include "game/NetDocState.h"
#include "model/InfoLogLines.h"
#include "model/MapData.h"
#include "model/NetStateOut.h"
#include "model/Random.h"
#include "model/Saturate.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {

// The roulette's weights: two for the league popularity, per company five
// kinds and per area eleven.
constexpr int kLeagueWeight = 2;
constexpr int kCompanyKinds = 5;
constexpr int kAreaKinds = 11;
// A pass ends the phase when Random(total + 2y + kEndSpread) < kEndChance.
constexpr int kEndSpread = 60;
constexpr int kEndChance = 40;
// Land values: an event rise and fall, and the quake's intensity.
constexpr int kRiseBase = 2, kRiseSpread = 6;
constexpr int kFallBase = 2, kFallSpread = 8;
constexpr int kQuakeBase = 2, kQuakeSpread = 6;
// A league's popularity stays within these after a sharp change.
constexpr int kMinLeaguePopularity = 5;
constexpr int kMaxLeaguePopularity = 20;

}  // namespace

// ---------------------------------------------------------------- roulette

int CVDoc::DispatchPendingMessages() {
    IFrameService& frame = Services::Frame();
    frame.SetPumping(1);
    while (frame.PumpOneMessage(0)) {
    }
    frame.SetPumping(0);
    return frame.CheckCloseRequest();
}

int CVDoc::EventKindForDraw(int r, int companies, int areas) {
    if (r < kLeagueWeight) return 0;
    const int rest = r - kLeagueWeight;
    if (rest < kCompanyKinds * companies) return 1 + rest / companies;
    return 6 + (rest - kCompanyKinds * companies) / std::max(areas, 1);
}

int CVDoc::RunEventRoulette() {
    const int n = CompanyCount();
    const int a = GetMap().GetAreaCount();
    const int total = kCompanyKinds * n + kAreaKinds * a + kLeagueWeight;
    int r = Random(total);
    int kind = -1;
    if (AnyCompanyNeedsDirector() && m_monthEventCount == 0) {
        kind = 2;
    } else {
        if (Random(total + 2 * GetYear() + kEndSpread) < kEndChance) return 0;
        // A close request means the game ends here: no event is carried out.
        if (DispatchPendingMessages()) return -1;
        kind = EventKindForDraw(r, n, a);
    }
    RunEvent(kind);
    CountMonthEvent();
    return DispatchPendingMessages() ? -1 : 1;
}

bool CVDoc::AnyCompanyNeedsDirector() {
    for (const CEnterprise& company : m_game.companies) {
        const int directors = company.GetDirectorCount();
        if (directors == 0) return true;
        if (directors == 1 && Random(2) == 0) return true;
    }
    return false;
}

void CVDoc::RunEvent(int kind) {
    switch (kind) {
        case 0: LeaguePopularityEvent(); break;
        case 1: NewCompanyEvent(); break;
        case 2:
        case 3:
        case 4: JobApplicantEvent(-1); break;
        case 5: StockOfferEvent(); break;
        case 6: StrikeEvent(0); break;
        case 7: ChangeLandValue(1, kRiseBase, kRiseSpread, -1); break;
        case 8: ChangeLandValue(0, kFallBase, kFallSpread, -1); break;
        case 9: Earthquake(kQuakeBase, kQuakeSpread); break;
        case 10: StartFire(); break;
        case 11: LandAuctionEvent(); break;
        case 12: ConstructionBidEvent(); break;
        case 13:
        case 14:
        case 15: PublicWorksContractEvent(); break;
        case 16: ExpoEvent(); break;
        case 17: DonationScandalEvent(); break;
        default: break;
    }
}

void CVDoc::ResetMonthlyEvents() {
    m_monthEventCount = 0;
    m_landValueChanged.assign(static_cast<size_t>(GetMap().GetAreaCount()), 0);
}

bool CVDoc::HasLandValueChanged(int area) const {
    return area >= 0 && static_cast<size_t>(area) < m_landValueChanged.size() &&
           m_landValueChanged[static_cast<size_t>(area)] != 0;
}

// ---------------------------------------------------------------- leagues

void CVDoc::LeaguePopularityEvent() {
    if (Random(12) != 0) return;
    const int l = Random(CMapDoc::kLeagueCount);
    const bool rise = Random(2) == 0;
    const int amount = Random(8) + 3;
    CLeague& league = GetMap().GetLeague(l);
    const int value = league.GetPopularity() + (rise ? amount : -amount);
    if (value < kMinLeaguePopularity || value > kMaxLeaguePopularity) return;
    Services::Frame().AddInfoMessage(CInfoLogLines::LeaguePopularity(l, rise));
    league.SetPopularity(value);
    if (IsNetworkHost()) GetMap().GetLeague(l).SendLeague(-1, l);
}

// ---------------------------------------------------------------- strikes

int CVDoc::StrikeEvent(int flag) {
    const int n = CompanyCount();
    if (n == 0) return 0;
    int striking = -1;
    if (flag == 0) {
        for (int i = 0; i < n && striking < 0; ++i) {
            const int c = Random(n);
            if (m_game.companies[static_cast<size_t>(c)].TestStrike(0)) striking = c;
        }
    } else {
        std::vector<int> order(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) order[static_cast<size_t>(i)] = i;
        ShuffleArray(order);
        for (int c : order)
            if (m_game.companies[static_cast<size_t>(c)].TestStrike(1)) {
                striking = c;
                break;
            }
    }
    if (striking < 0) return 0;
    CEnterprise& company = m_game.companies[static_cast<size_t>(striking)];
    if (company.IsHumanPlayed() && IsLocallyPlayed(striking))
        Services::Report().ShowStrike(striking);
    Services::Frame().AddInfoMessage(CInfoLogLines::Strike(company.GetName()));
    const int earlier = company.CountHistoryOfKind(CHistory::kindStrike);
    company.SetStrike(1);
    CHistory entry;
    entry.SetStrike(earlier);
    company.GetHistory().push_back(std::move(entry));
    if (IsNetworkHost()) SendCompanyState(striking, eCOMPANY_STAFF_FIGURES);
    return 1;
}

// ---------------------------------------------------------------- land values

int CVDoc::ChangeLandValue(int rise, int base, int spread, int area) {
    const int areas = GetMap().GetAreaCount();
    if (areas == 0) return 0;
    if (area < 0) area = Random(areas);
    if (area >= areas || HasLandValueChanged(area)) return 0;
    // The draw below is repeated until it gives at least 1.
    if (int64_t{base} + spread < 1) return 0;
    int d = 0;
    do {
        d = RandomVary(base, spread);
    } while (d < 1);
    const int change = GetMap().GetArea(area).ClampLevelDelta(rise ? d : -d);
    if (change == 0) return 0;
    if (static_cast<size_t>(area) >= m_landValueChanged.size())
        m_landValueChanged.resize(static_cast<size_t>(areas), 0);
    m_landValueChanged[static_cast<size_t>(area)] = 1;
    ApplyLandValueChange(area, rise, std::abs(change));
    return 1;
}

void CVDoc::ApplyLandValueChange(int area, int rise, int amount) {
    CMapData* record = GetArea(area);
    if (!record) return;
    record->AddLevel(rise ? amount : -amount);
    SelectArea(area);
    Services::Frame().AddInfoMessage(FormatText("%s's average land value %s by %d.",
                                                record->GetName().c_str(),
                                                rise ? "increased" : "decreased", amount));
    Services::Frame().RefreshAreaButton(area);
    if (IsNetworkHost())
        CNetStateOut::Send(-1, CNetDocState::BuildLandValueChange(area, rise, amount));
}

void CVDoc::DriftLandValues() {
    const int areas = GetMap().GetAreaCount();
    std::vector<int> order(static_cast<size_t>(areas));
    for (int i = 0; i < areas; ++i) order[static_cast<size_t>(i)] = i;
    ShuffleArray(order);
    for (int area : order) {
        CMapData& record = GetMap().GetArea(area);
        const int p = record.GetPotential();
        const int varied = RandomVary(p, p / 2);
        int c = Random(std::abs(varied));
        if (Random(3) > 1) c = 0;
        if (c < 4) continue;
        const int step = std::max(1, std::abs(varied) / 4);
        const bool rise = varied >= 1;
        ChangeLandValue(rise ? 1 : 0, step, 3, area);
        record.AddPotential(rise ? -4 * step : 4 * step);
        if (IsNetworkHost()) record.SendAreaState(-1, area);
    }
}

// ---------------------------------------------------------------- earthquakes

void CVDoc::Earthquake(int base, int spread) {
    CMapDoc& map = GetMap();
    const int areas = map.GetAreaCount();
    int largest = 0;
    for (int a = 0; a < areas; ++a) largest = std::max(largest, map.GetArea(a).GetFigure20());
    if (areas == 0 || largest <= 0 || int64_t{base} + spread < 1) return;
    int area = 0;
    // Some area's figure is the largest, so the draw ends.
    do {
        area = Random(areas);
    } while (Random(largest + 1) >= map.GetArea(area).GetFigure20());
    int s = 0;
    do {
        s = RandomVary(base, spread);
    } while (s < 1);
    CMapData& record = map.GetArea(area);
    IFrameService& frame = Services::Frame();
    frame.AddInfoMessage(FormatText("An earthquake occurred in %s.", record.GetName().c_str()));
    CMapDoc::CCellSet lostAnchors, lostCells;
    if (map.WearByDisaster(area, s, lostAnchors, lostCells)) {
        RemoveLostStructures(area, lostAnchors, 0);
        frame.AddInfoMessage("  The area on the map sustained damage.");
        for (const auto& entry : lostCells)
            frame.MarkCellRect(entry.second.x, entry.second.y, entry.second.x, entry.second.y, 180);
    }
    frame.AddInfoMessage(FormatText("  The seismic intensity was %d.", s));
    const int fall = record.ClampLevelDelta(-Random(s));
    record.SetTrend(record.GetTrend() - Random(s));
    if (fall < 0) {
        record.AddLevel(fall);
        frame.AddInfoMessage(FormatText("  Average land prices declined by %d.", -fall));
        frame.RefreshAreaButton(area);
        frame.RebuildMap();
    }
    if (IsNetworkHost()) {
        record.SendAreaState(-1, area);
        frame.SendRedrawListItem(area);
    }
}

// Structures a disaster destroyed: their owners note the loss in their
// history, and the structures go.
void CVDoc::RemoveLostStructures(int area, const std::map<int, CCellPoint>& lostAnchors,
                                 int cause) {
    CMapDoc& map = GetMap();
    CMapData& record = map.GetArea(area);
    for (const auto& entry : lostAnchors) {
        const CCellPoint anchor = entry.second;
        const int number = record.GetStructureAt(anchor.x, anchor.y, 1);
        const int owner = record.GetCellOwner(anchor.x, anchor.y);
        if (CEnterprise* company = GetEnterprise(owner - 1)) {
            CHistory history;
            history.SetDisaster(area, number - 1, cause);
            company->GetHistory().push_back(std::move(history));
        }
        map.DemolishAt(area, anchor.x, anchor.y);
    }
    if (!lostAnchors.empty()) Services::Frame().RebuildMap();
}
