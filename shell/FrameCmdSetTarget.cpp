#include "shell/FrameCmdSetTarget.h"

#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/CmdSet.h"
#include "shell/MainFrame.h"

namespace {

// A team purchase carries league, team and price as its values, the area as
// its parameter and the stadium as its point; the lists may be short when
// the order came from a peer.
struct STeamPurchase {
    int league = -1, team = -1, area = -1, price = 0;
    CCellPoint site{-1, -1};
};

STeamPurchase ReadTeamPurchase(const CCmdSet& order) {
    STeamPurchase p;
    if (order.GetValueCount() > 0) p.league = order.GetValue(0);
    if (order.GetValueCount() > 1) p.team = order.GetValue(1);
    if (order.GetValueCount() > 2) p.price = order.GetValue(2);
    if (order.GetParamCount() > 0) p.area = order.GetParam(0);
    if (order.GetPointCount() > 0) order.GetPoint(p.site, 0);
    return p;
}

}  // namespace

void CFrameCmdSetTarget::SendCmdSet(const CCmdSet& order, int company) {
    m_frame.SendCmdSet(order, company);
}

bool CFrameCmdSetTarget::ApplyCmdSet(int company, const CCmdSet& order) {
    CVDoc* doc = m_frame.GetDocument();
    return doc && doc->GetOrders().OnCmdSetRecord(company, order);
}

int CFrameCmdSetTarget::CheckProTeamPurchase(int company, const CCmdSet& order) {
    CVDoc* doc = m_frame.GetDocument();
    if (!doc) return 0;
    const STeamPurchase p = ReadTeamPurchase(order);
    return doc->GetOrders().CheckProTeamPurchase(company, p.league, p.team, p.area, p.site);
}

void CFrameCmdSetTarget::ProposeProTeamPurchase(int company, const CCmdSet& order, int result) {
    const STeamPurchase p = ReadTeamPurchase(order);
    m_frame.ProposeProTeamPurchase(company, p.league, p.team, result, p.price);
}

void CFrameCmdSetTarget::AddNetworkLog(const std::string& line) {
    m_frame.AddInfoMessage(line);
}
