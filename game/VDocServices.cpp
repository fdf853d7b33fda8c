// What the records ask of the game document. Network play routes results to
// remote players and sends state; until a network layer answers here, every
// company is played at this machine and nothing is sent.

#include <algorithm>
#include <cmath>

#include "game/ComCommand.h"
#include "game/NetDocState.h"
#include "game/OrderCommands.h"
#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/MapData.h"
#include "model/NetCompanyRecords.h"
#include "model/NetPersonRecords.h"
#include "model/NetStateOut.h"
#include "model/Random.h"
#include "model/services/Services.h"

namespace {
IReportService& Report() {
    return Services::Report();
}
}  // namespace

// ---------------------------------------------------------------- companies

int CVDoc::GetAnnualIncome(int company) {
    const CEnterprise* c = GetEnterprise(company);
    return c ? c->GetAnnualIncome() : 0;
}

int CVDoc::GetFunds(int company) {
    const CEnterprise* c = GetEnterprise(company);
    return c ? c->GetFunds() : 0;
}

int CVDoc::GetDirectorCount(int company) {
    const CEnterprise* c = GetEnterprise(company);
    return c ? c->GetDirectorCount() : 0;
}

// The totals' grade: the average over the areas.
int CVDoc::GetTotalAreaGrade(int company) {
    const CEnterprise* c = GetEnterprise(company);
    return c ? c->GetAreaGrade(-1) : 0;
}

bool CVDoc::IsHumanPlayed(int company) {
    const CEnterprise* c = GetEnterprise(company);
    return c && c->IsHumanPlayed();
}

void CVDoc::AddDirector(int company, int person) {
    if (CEnterprise* c = GetEnterprise(company)) c->AddDirector(person);
}

void CVDoc::RemoveDirector(int company, int person) {
    if (CEnterprise* c = GetEnterprise(company)) c->RemoveDirector(person);
}

// A director whose task ended or was dropped frees his plan step: the
// computer company drops that step.
void CVDoc::DropDirectorPlan(int company, int person) {
    if (CEnterprise* c = GetEnterprise(company)) c->CancelPlanAt(person, 1);
}

CPersonData* CVDoc::GetPlayerPerson() {
    return m_game.humanPlayers > 0 ? &m_sparePerson : nullptr;
}

// The computer player's judgment whether to grow by one presence level.
bool CVDoc::CanManageMoreAreas(int company) {
    return CComCommand(*this, company).CanManageMoreAreas(0);
}

int CVDoc::RateAreaForCompany(int area, int company) {
    const CEnterprise* c = GetEnterprise(company);
    return c ? RateAreaForCompany(*c, area, 1) : 0;
}

// The repayment order: recorded and sent in network play, applied here.
void CVDoc::IssueRepayLoan(int company, int amount, int send, int local) {
    m_orders->IssueRepayLoan(company, amount, send, local);
}

// ---------------------------------------------------------------- map

int CVDoc::SelectArea(int area) {
    IFrameService& frame = Services::Frame();
    // A client's map window may still highlight cells a peer changed.
    if (IsNetworkGame() && !IsNetworkHost()) frame.FlushChangedCells(1);
    return frame.SelectAreaButton(area) ? 1 : 0;
}

int CVDoc::GetCellOwner(int area, int x, int y) {
    CMapData* record = GetArea(area);
    return record && record->IsInGrid(x, y) ? record->GetCellOwner(x, y) : 0;
}

int CVDoc::GetCellStructure(int area, int x, int y) {
    CMapData* record = GetArea(area);
    return record && record->IsInGrid(x, y) ? record->GetStructureAt(x, y, 1) : 0;
}

bool CVDoc::IsProjectCell(int area, int x, int y) {
    CMapData* record = GetArea(area);
    return record && record->IsInGrid(x, y) && record->IsProjectCell(x, y);
}

int CVDoc::GetStructureTypeCode(int type) {
    const CBD* entry = GetMap().GetStructureType(type);
    return entry ? entry->GetTypeCode() : 0;
}

const CBD* CVDoc::GetLandType(int index) {
    return GetMap().GetLandTypeEntry(index);
}

const CBD* CVDoc::GetStructureType(int index) {
    return GetMap().GetStructureType(index);
}

bool CVDoc::GetAreaSize(int area, int& width, int& height) {
    CMapData* record = GetArea(area);
    if (!record) return false;
    width = record->GetWidth();
    height = record->GetHeight();
    return true;
}

const CLeague* CVDoc::GetLeague(int league) {
    if (league < 0 || league >= CMapDoc::kLeagueCount) return nullptr;
    return &GetMap().GetLeague(league);
}

int CVDoc::FindLotForDirector(const CPersonData& director, int priceLimit, SLotFound& found) {
    return GetMap().FindLotForDirector(director, priceLimit, found);
}

bool CVDoc::IsCellUsable(int area, int x, int y) {
    CMapData* record = GetArea(area);
    return record && record->IsInGrid(x, y) && GetMap().IsCellUsable(area, x, y);
}

int CVDoc::GetLotPrice(int area, int x, int y, int landOnly) {
    CMapData* record = GetArea(area);
    if (!record || !record->IsInGrid(x, y)) return -1;
    return GetMap().GetLotPrice(area, x, y, landOnly);
}

// ---------------------------------------------------------------- reports

void CVDoc::ReportPurchaseFailure(int company, int person, int area, int x, int y, int reason) {
    Report().ShowPurchaseFailure(company, person, area, x, y, reason);
}

void CVDoc::ReportResignation(int company, int person) {
    Report().ShowResignation(company, person);
}

void CVDoc::ReportHeadhuntFailed(int company, int hunter) {
    Report().ShowHeadhuntFailed(company, hunter);
}

void CVDoc::ReportHeadhuntSucceeded(int company, int hunter, int target) {
    Report().ShowHeadhuntSucceeded(company, hunter, target);
}

void CVDoc::ReportHeadhuntLoss(int company, int target, int hunterCompany) {
    Report().ShowHeadhuntLoss(company, target, hunterCompany);
}

void CVDoc::ReportHeadhuntNotice(int hunter, int target) {
    Report().ShowHeadhuntNotice(hunter, target);
}

void CVDoc::ShowPaymentNotice(int company, int amount, int flag) {
    Report().ShowPaymentNotice(company, amount, flag);
}

void CVDoc::AnnounceForcedSale(int company) {
    Report().ShowForcedSale(company);
}

void CVDoc::ReportContractProblem(int company, int area, int x, int y, int offering,
                                  int structureType, int reason) {
    Report().ShowContractProblem(company, area, x, y, offering, structureType, reason);
}

int CVDoc::AskAcceptContract(int company, int area, int x, int y, int offering, int structureType,
                             int price, int takeover) {
    return Report().AskAcceptContract(company, area, x, y, offering, structureType, price, takeover)
               ? 1
               : 0;
}

int CVDoc::AskDirectorChoice(int company, int orderKind) {
    return Report().AskDirectorChoice(company, orderKind);
}

void CVDoc::ReportTeamLostStadium(int company, int league) {
    Report().ShowTeamLostStadium(company, league);
}

namespace {
// AskNewHomeField's answer while the player picks on the map.
constexpr int kHomeFieldStillChoosing = 2;
}  // namespace

// The company's player picks the new home field on the map: the answer is
// "still choosing", and the month goes on once the stadium click has moved
// the team.
int CVDoc::AskNewHomeField(int company, int league) {
    const CEnterprise* c = GetEnterprise(company);
    if (!c || league < 0 || league >= CEnterprise::kLeagueCount) return 0;
    m_commands->BeginHomeFieldSelection(league, c->GetLeagueTeam(league), 0);
    return kHomeFieldStillChoosing;
}

void CVDoc::ChooseHomeField(int company, int league) {
    CComCommand(*this, company).ChooseHomeField(league);
}

// The sale is an order given here for the company.
void CVDoc::IssueTeamSale(int company, int league) {
    m_orders->IssueSellProTeam(company, league, 1);
}

CMapDoc* CVDoc::GetMapDoc() {
    return m_game.map.get();
}

CEnterprise* CVDoc::GetOwnCompany() {
    return GetEnterprise(GetOwnCompanyIndex());
}

int CVDoc::GetOwnCompanyIndex() {
    if (!IsNetworkGame() || m_frame->IsObserver()) return GetTurnEnterprise(-1);
    return CNetPlayerTable(*m_frame).GetOwnCompany();
}

// Cancelling the contracts of a bankrupt contractor belongs to the
// construction contracts.
void CVDoc::BuildAdvice(int company) {
    CComCommand(*this, company).BuildAdvice();
}

// ---------------------------------------------------------------- network

bool CVDoc::IsNetworkGame() {
    return m_frame->IsNetworkGame() != 0;
}

bool CVDoc::IsNetworkHost() {
    return IsNetworkGame() && m_frame->IsNetworkHost() != 0;
}

namespace {
// The frame's table, or one over the frame state's peers.
template <typename Query>
bool AskPlayers(CNetPlayerTable* players, CFrameState& frame, Query query) {
    if (players) return query(*players);
    CNetPlayerTable table(frame);
    return query(table);
}
}  // namespace

// A game at one machine plays every company here.
bool CVDoc::IsLocallyPlayed(int company) {
    const CEnterprise* c = GetEnterprise(company);
    if (!c) return false;
    if (!IsNetworkGame()) return true;
    return AskPlayers(m_netPlayers, *m_frame, [&](const CNetPlayerTable& t) {
        return t.IsLocallyPlayed(c->GetNetworkPlayerId());
    });
}

bool CVDoc::IsRemotelyPlayed(int company) {
    const CEnterprise* c = GetEnterprise(company);
    if (!c || !IsNetworkGame()) return false;
    return AskPlayers(m_netPlayers, *m_frame, [&](const CNetPlayerTable& t) {
        return t.IsRemotelyPlayed(c->GetNetworkPlayerId(), c->IsHumanPlayed());
    });
}

bool CVDoc::IsRemotePlayerAway(int company) {
    const CEnterprise* c = GetEnterprise(company);
    if (!c || !IsNetworkGame()) return false;
    return AskPlayers(m_netPlayers, *m_frame, [&](const CNetPlayerTable& t) {
        return t.IsRemotePlayerAway(c->GetNetworkPlayerId(), c->IsHumanPlayed());
    });
}

void CVDoc::SendPersonState(const CPersonData& person, ePERSON_STATE what) {
    if (!IsNetworkHost()) return;
    static constexpr int kCodes[] = {CNetPersonRecords::eRELATIONS, CNetPersonRecords::eSTATUS,
                                     CNetPersonRecords::eSALARY, CNetPersonRecords::eEXPERIENCE,
                                     CNetPersonRecords::eRECORD};
    if (what < 0 || what >= static_cast<int>(std::size(kCodes))) return;
    CNetStateOut::Send(-1, CNetPersonRecords::Build(person, kCodes[what]));
}

void CVDoc::SendDirectorList(int company) {
    const CEnterprise* c = GetEnterprise(company);
    if (!c || !IsNetworkHost()) return;
    CNetStateOut::Send(-1, CNetCompanyRecords::BuildDirectors(*c));
}

void CVDoc::SendRefreshInfo() {}

void CVDoc::SendProcessedFlag(int company, int flag) {
    const CEnterprise* c = GetEnterprise(company);
    if (!c || !IsNetworkHost()) return;
    CNetStateOut::Send(-1, CNetCompanyRecords::BuildProcessed(*c, flag));
}

void CVDoc::SendCompanyState(int company, eCOMPANY_STATE what) {
    const CEnterprise* c = GetEnterprise(company);
    if (!c || !IsNetworkHost()) return;
    using R = CNetCompanyRecords;
    switch (what) {
    case eCOMPANY_AREA_GRADES: CNetStateOut::Send(-1, R::BuildAreaGrades(*c)); break;
    case eCOMPANY_STAFF_FIGURES: CNetStateOut::Send(-1, R::BuildStaffFigures(*c)); break;
    case eCOMPANY_DIRECTOR_RELATIONS:
        CNetStateOut::Send(-1, R::BuildDirectorRelations(*c, [this](int p) { return GetDirector(p); }));
        break;
    case eCOMPANY_AREA_RECORDS: CNetStateOut::Send(-1, R::BuildAreaRecords(*c, -1)); break;
    case eCOMPANY_TEAM_HOLDINGS: CNetStateOut::Send(-1, R::BuildTeams(*c)); break;
    case eCOMPANY_FUNDS_AND_DEBT: CNetStateOut::Send(-1, R::BuildFunds(*c)); break;
    case eCOMPANY_MONTHLY_SERIES: CNetStateOut::Send(-1, R::BuildMonthlySeries(*c)); break;
    case eCOMPANY_MONTHLY_TABLE: CNetStateOut::Send(-1, R::BuildMonthlyTable(*c)); break;
    }
}

void CVDoc::SendAreaOwners(int area) {
    const CMapData* record = GetArea(area);
    if (!record || !IsNetworkHost()) return;
    CNetStateOut::SendTexts(-1, record->BuildLayer(area, CMapData::layerOwner));
}

void CVDoc::ReportBuildingBroke(int area, const std::vector<CCellPoint>& cells) {
    CNetDocState state(*this);
    if (IsNetworkHost())
        state.SendBuildingBroke(area, cells);
    else
        state.ShowBuildingBroke(area, cells);
}

void CVDoc::StorePlayerCmdSet(const CCmdSet& /*order*/) {}

void CVDoc::SendCmdSet(const CCmdSet& /*order*/, int /*company*/) {}
