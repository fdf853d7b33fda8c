#include "shell/ReceivedOrders.h"

#include "model/CmdSet.h"
#include "model/NetPlayerTable.h"
#include "model/OrderType.h"
#include "platform/core/TextFormat.h"
#include "shell/CmdSetTarget.h"

namespace {

void HandOn(ICmdSetTarget& target, const CCmdSet& order, int company,
            std::vector<int>& currentOrder) {
    currentOrder.assign(1, company);
    target.SendCmdSet(order, company);
}

void Apply(ICmdSetTarget& target, const CCmdSet& order, int company, const std::string& player) {
    if (target.ApplyCmdSet(company, order)) return;
    target.AddNetworkLog(FormatText("]An invalid order (type %d) from %s was dropped.",
                                    order.GetOrderType(), player.c_str()));
}

}  // namespace

void CReceivedOrders::Execute(CNetPlayerTable& table, int company, int playerId,
                              ICmdSetTarget& target, std::vector<int>& currentOrder) {
    const int entry = table.FindNetPlayerById(playerId);
    if (entry < 0) return;
    const bool own = table.IsNetPlayerSelf(entry) != 0;
    const std::string player = table.GetNetPlayerName(entry);
    // A copy: handing an order on may reach code that changes the table.
    const std::vector<CCmdSet> orders = table.Entry(entry)->turnOrders;
    for (const CCmdSet& order : orders) {
        const int type = order.GetOrderType();
        if (type == eORDER_ACQUIRE_TEAM) {
            const int result = target.CheckProTeamPurchase(company, order);
            if (result > 0) {
                target.ProposeProTeamPurchase(company, order, result);
                currentOrder.clear();
                return;
            }
            Apply(target, order, company, player);
        } else if (type == eORDER_HOME_FIELD) {
            HandOn(target, order, company, currentOrder);
            Apply(target, order, company, player);
        } else if (type >= eORDER_FIRST && type <= eORDER_LAST) {
            HandOn(target, order, company, currentOrder);
            if (!own) Apply(target, order, company, player);
        }
        currentOrder.clear();
    }
}
