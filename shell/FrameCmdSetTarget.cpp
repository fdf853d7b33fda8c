#include "shell/FrameCmdSetTarget.h"

#include "game/OrderService.h"
#include "game/VDoc.h"
#include "model/CmdSet.h"
#include "shell/MainFrame.h"

namespace {

// A team purchase carries league, team and price as its values; the lists
// may be short when the order came from a peer.
int ValueOr(const CCmdSet& order, int i, int fallback) {
    return i < order.GetValueCount() ? order.GetValue(i) : fallback;
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
    return doc ? doc->GetOrders().CheckProTeamPurchase(company, order) : 0;
}

void CFrameCmdSetTarget::ProposeProTeamPurchase(int company, const CCmdSet& order, int result) {
    m_frame.ProposeProTeamPurchase(company, ValueOr(order, 0, -1), ValueOr(order, 1, -1), result,
                                   ValueOr(order, 2, 0));
}

void CFrameCmdSetTarget::AddNetworkLog(const std::string& line) {
    m_frame.AddInfoMessage(line);
}
