// What every order shares: the record and its route in network play, the
// director's task, the costs paid at once and the lines of the message log.

#include "game/OrderService.h"

#include <cstring>

#include "game/VDoc.h"
#include "model/League.h"
#include "model/PersonData.h"
#include "model/Saturate.h"
#include "model/services/NetService.h"
#include "model/services/Services.h"

namespace {
// What goes before the order's text in a record from the host: the header
// word, the record class and code, and the company number.
const size_t kHostHeaderLength = std::strlen(kNetRecordHeader) + 3 + 5 + 4;
}  // namespace

bool COrderService::ShouldRecord(int send) {
    return send && m_doc.IsNetworkGame();
}

CCmdSet COrderService::BuildRecord(int type, std::initializer_list<int> kinds,
                                   std::initializer_list<int> params,
                                   std::initializer_list<CCellPoint> points,
                                   std::initializer_list<int> values) {
    CCmdSet order;
    order.Init(type, -1);
    for (int kind : kinds) order.AddKind(kind);
    for (int param : params) order.AddParam(param);
    for (const CCellPoint& point : points) order.AddPoint(point);
    for (int value : values) order.AddValue(value);
    return order;
}

void COrderService::Route(const CCmdSet& order, int company, bool hostKeeps) {
    // A field that spilled over its width, or a text longer than the record,
    // would reach the peers as a different order.
    std::string text;
    if (!order.AppendText(text, kNetRecordTextLimit - kHostHeaderLength)) return;
    if (m_doc.IsNetworkHost() && hostKeeps)
        m_doc.StorePlayerCmdSet(order);
    else
        m_doc.SendCmdSet(order, company);
}

void COrderService::RouteDirectorOrder(const CCmdSet& order, int director, bool hostKeeps) {
    const CPersonData* person = Director(director);
    Route(order, person ? person->GetEmployer() : -1, hostKeeps);
}

CPersonData* COrderService::Director(int person) {
    return m_doc.GetDirector(person);
}

CEnterprise* COrderService::EmployerOf(int person) {
    const CPersonData* director = Director(person);
    return director && director->IsEmployed(false) ? Company(director->GetEmployer()) : nullptr;
}

CEnterprise* COrderService::Company(int company) {
    return m_doc.GetEnterprise(company);
}

CPersonData* COrderService::AssignTask(int director, int kind, int work, int area,
                                       CCellPoint target) {
    CPersonData* person = Director(director);
    if (!person) return nullptr;
    person->AssignTask(kind, work);
    person->SetTaskArea(area);
    if (target.x != -1) person->SetTaskTarget(target.x, target.y);
    return person;
}

void COrderService::PayCost(CEnterprise& company, int cost) {
    int charge = ClampToInt(-int64_t{cost});
    company.AddFunds(charge);
    company.AddMonthlyProfit(m_doc.GetMonth(), charge);
}

void COrderService::Finish(bool modified) {
    Services::Frame().RefreshInfoPanels();
    if (modified) m_doc.SetModified();
}

void COrderService::Log(CEnterprise& company, const std::string& line) {
    company.BeginReport();
    Services::Frame().AddInfoMessage(line);
}

const char* COrderService::SportName(int rankedByRate) {
    // A league ranked by points plays football, the other baseball.
    return rankedByRate == 0 ? "Football" : "Baseball";
}

const char* COrderService::LeagueSport(int league) {
    return IsLeague(league) ? SportName(m_doc.GetMap().GetLeague(league).IsRankedByRate()) : "";
}

std::string COrderService::TeamName(int league, int team) {
    return IsTeam(league, team) ? m_doc.GetMap().GetLeague(league).GetTeam(team).GetName() : "";
}
