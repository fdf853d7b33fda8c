// Teams bought and moved to a new home field. In network play the issuing
// machine takes the first step at once and the rest when its own record
// comes back through the receiver.

#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/League.h"
#include "model/OrderType.h"
#include "model/Saturate.h"
#include "model/StructureCodes.h"
#include "model/services/NetService.h"
#include "model/services/Services.h"
#include "platform/core/TextFormat.h"

namespace {
// The refusal record to a buyer at another machine.
constexpr int kRefusalClass = 400;
}  // namespace

void COrderService::IssueAcquireProTeam(int company, int league, int team, int area,
                                        CCellPoint stadium, int price, int send) {
    if (price == -1 && IsLeague(league))
        price = m_doc.GetMap().GetLeague(league).GetTeamPrice(team);
    // Also when replayed (send 0): the record then goes out to complete the
    // purchase on the other machines.
    if (m_doc.IsNetworkGame())
        Route(BuildRecord(eORDER_ACQUIRE_TEAM, {}, {area}, {stadium}, {league, team, price}),
              company, send != 0);
    CompleteProTeamPurchase(company, league, team, area, stadium, price, send);
}

void COrderService::CompleteProTeamPurchase(int company, int league, int team, int area,
                                            CCellPoint stadium, int price, int issuer) {
    CEnterprise* c = Company(company);
    if (!c || !IsTeam(league, team)) return;
    bool network = m_doc.IsNetworkGame();
    if (network && !issuer && m_doc.IsLocallyPlayed(company))
        Services::Report().ShowTeamPurchased(company, league, team);
    c->BeginReport();
    std::string name = TeamName(league, team);
    if (!network || !issuer) {
        m_doc.ApplyProTeamPurchase(company, league, team, price);
        m_doc.GetMap().GetLeague(league).GetTeam(team).SetHomeField(area, stadium.x, stadium.y);
        Log(*c, FormatText("  %s acquired the %s %s team.", c->GetName().c_str(), name.c_str(),
                           LeagueSport(league)));
    } else {
        PayCost(*c, price);
        Log(*c, FormatText("  %s will acquire the %s %s team.", c->GetName().c_str(), name.c_str(),
                           LeagueSport(league)));
    }
    Finish();
}

void COrderService::RefuseProTeamPurchase(int company, int league, int team, int reason,
                                          int price) {
    const CEnterprise* buyer = Company(company);
    if (!buyer) return;
    bool remote =
        m_doc.IsNetworkGame() && buyer->IsHumanPlayed() && !m_doc.IsLocallyPlayed(company);
    if (!remote) {
        ReportProTeamPurchaseRefused(company, league, team, reason, price);
        return;
    }
    std::string record = FormatText("%s%03d00002%04d%04d%02d%010d", kNetRecordHeader, kRefusalClass,
                                    league, team, reason, price);
    // A field that outgrew its width would not read back as the same refusal.
    if (record.size() > static_cast<size_t>(kNetRecordTextLimit) || !Services::HasNet()) return;
    Services::Net().SendRecord(buyer->GetNetworkPlayerId(), record);
}

void COrderService::ReportProTeamPurchaseRefused(int company, int league, int team, int reason,
                                                 int price) {
    CEnterprise* buyer = Company(company);
    if (!buyer) return;
    Services::Report().ShowTeamPurchaseRefused(company, league, team, reason);
    // The payment taken when the order was given comes back.
    PayCost(*buyer, ClampToInt(-int64_t{price}));
    Finish();
}

void COrderService::IssueChangeHomeField(int company, int league, int area, CCellPoint stadium,
                                         int send) {
    if (ShouldRecord(send))
        Route(BuildRecord(eORDER_HOME_FIELD, {}, {area}, {stadium}, {league}), company,
              m_doc.IsLocallyPlayed(company));
    ApplyChangeHomeField(company, league, area, stadium, send);
}

void COrderService::ApplyChangeHomeField(int company, int league, int area, CCellPoint stadium,
                                         int issuer) {
    CEnterprise* c = Company(company);
    if (!c || !IsLeague(league)) return;
    int team = c->GetLeagueTeam(league);
    if (!IsTeam(league, team)) return;
    std::string name = TeamName(league, team);
    if (!m_doc.IsNetworkGame() || !issuer) {
        m_doc.GetMap().GetLeague(league).GetTeam(team).SetHomeField(area, stadium.x, stadium.y);
        Log(*c, FormatText("  The %s %s team moved their home field to %s.", name.c_str(),
                           LeagueSport(league), m_doc.GetAreaName(area).c_str()));
    } else {
        Log(*c, FormatText("  The %s %s team is planning to change their home field.", name.c_str(),
                           LeagueSport(league)));
    }
    Finish();
}

int COrderService::CheckProTeamPurchase(int company, int league, int team, int area,
                                        CCellPoint site) {
    const CEnterprise* c = Company(company);
    if (!c || !IsTeam(league, team) || !IsCell(area, site)) return 0;
    CMapDoc& map = m_doc.GetMap();
    const int owner = map.GetLeague(league).GetTeam(team).GetOwnerIndex();
    const int held = c->GetLeagueTeam(league);
    if ((owner != -1 && owner != company) || (held != -1 && held != team)) return 1;
    const int kind = map.GetLeague(league).GetStadiumKind();
    if (map.GetCellTypeCode(area, site.x, site.y, 0) != StructureCode::StadiumTypeCode(kind))
        return 2;
    return 0;
}

int COrderService::CheckProTeamPurchase(int company, const CCmdSet& record) {
    if (record.GetValueCount() < 2 || record.GetParamCount() < 1 || record.GetPointCount() < 1)
        return 0;
    CCellPoint site;
    record.GetPoint(site, 0);
    return CheckProTeamPurchase(company, record.GetValue(0), record.GetValue(1), record.GetParam(0),
                                site);
}
