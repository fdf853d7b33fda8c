#include "shell/ReceivedOrders.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/CmdSet.h"
#include "model/FrameState.h"
#include "model/NetPlayerTable.h"
#include "model/OrderType.h"
#include "shell/CmdSetTarget.h"

namespace {

// Records every call as "send 4", "apply 4", "check 6", "propose 6 1" with
// the order's type, and what the current-order list held at each send.
class CRecordingTarget : public ICmdSetTarget {
public:
    explicit CRecordingTarget(const std::vector<int>& currentOrder)
        : m_currentOrder(currentOrder) {}

    void SendCmdSet(const CCmdSet& order, int company) override {
        calls.push_back("send " + std::to_string(order.GetOrderType()));
        sentFor.push_back(company);
        listAtSend.push_back(m_currentOrder);
    }
    bool ApplyCmdSet(int, const CCmdSet& order) override {
        calls.push_back("apply " + std::to_string(order.GetOrderType()));
        return !refused.count(order.GetOrderType());
    }
    int CheckProTeamPurchase(int, const CCmdSet& order) override {
        calls.push_back("check " + std::to_string(order.GetOrderType()));
        return checkResult;
    }
    void ProposeProTeamPurchase(int, const CCmdSet& order, int result) override {
        calls.push_back("propose " + std::to_string(order.GetOrderType()) + " " +
                        std::to_string(result));
    }
    void AddNetworkLog(const std::string& line) override { log.push_back(line); }

    std::vector<std::string> calls;
    std::vector<int> sentFor;
    std::vector<std::vector<int>> listAtSend;
    std::vector<std::string> log;
    // Types whose check of received orders fails.
    std::set<int> refused;
    int checkResult = 0;

private:
    const std::vector<int>& m_currentOrder;
};

CCmdSet Order(int type) {
    CCmdSet order;
    order.Init(type, 0);
    return order;
}

class ReceivedOrdersTest : public ::testing::Test {
protected:
    static constexpr int kCompany = 2;
    static constexpr int kPlayer = 8;

    void SetUp() override {
        state.SetNetworkRoles(1, 0, 0);
        table.AddNetPlayer(5, "Host", "", -1, "", 1, 0);
    }
    // The company's player, this seat's own or another's, with the orders.
    void Receive(bool own, const std::vector<int>& types) {
        const int i = table.AddNetPlayer(kPlayer, "Cara", "Cedar", 2, "", 1, own ? 1 : 0);
        table.SetNetPlayerCompany(i, kCompany);
        for (int type : types) table.Entry(i)->turnOrders.push_back(Order(type));
    }
    void Execute(int playerId = kPlayer) {
        CReceivedOrders::Execute(table, kCompany, playerId, target, currentOrder);
    }

    CFrameState state;
    CNetPlayerTable table{state};
    std::vector<int> currentOrder;
    CRecordingTarget target{currentOrder};
};

TEST_F(ReceivedOrdersTest, EveryTypeIsHandedOnAndAppliedUnlessThisSeatGaveIt) {
    struct SRow {
        int type;
        std::vector<std::string> other;
        std::vector<std::string> own;
    };
    std::vector<SRow> rows;
    for (int type = eORDER_FIRST; type <= eORDER_LAST; ++type) {
        const std::string t = std::to_string(type);
        if (type == eORDER_ACQUIRE_TEAM)
            // Checked, never handed on, applied on every seat.
            rows.push_back({type, {"check " + t, "apply " + t}, {"check " + t, "apply " + t}});
        else if (type == eORDER_HOME_FIELD)
            rows.push_back({type, {"send " + t, "apply " + t}, {"send " + t, "apply " + t}});
        else
            rows.push_back({type, {"send " + t, "apply " + t}, {"send " + t}});
    }
    // Types outside the catalogue do nothing.
    rows.push_back({0, {}, {}});
    rows.push_back({24, {}, {}});
    for (const SRow& row : rows) {
        for (bool own : {false, true}) {
            SCOPED_TRACE(std::to_string(row.type) + (own ? " own" : " other"));
            table.RemoveNetPlayer(kPlayer);
            target.calls.clear();
            Receive(own, {row.type});
            Execute();
            EXPECT_EQ(target.calls, own ? row.own : row.other);
            EXPECT_TRUE(currentOrder.empty());
        }
    }
    // While an order is handed on the list holds its company.
    for (const std::vector<int>& list : target.listAtSend)
        EXPECT_EQ(list, std::vector<int>{kCompany});
    for (int company : target.sentFor) EXPECT_EQ(company, kCompany);
    EXPECT_TRUE(target.log.empty());
}

TEST_F(ReceivedOrdersTest, AnOwnerToAskEndsTheCompanysOrdersForTheMonth) {
    Receive(false, {eORDER_LOAN, eORDER_ACQUIRE_TEAM, eORDER_SELL_STOCK, eORDER_HOME_FIELD});
    target.checkResult = 1;
    Execute();
    EXPECT_EQ(target.calls, (std::vector<std::string>{"send 19", "apply 19", "check 6",
                                                      "propose 6 1"}));
    EXPECT_TRUE(currentOrder.empty());

    // A site that is no stadium is proposed as well, with its own result.
    target.calls.clear();
    target.checkResult = 2;
    Execute();
    EXPECT_EQ(target.calls.back(), "propose 6 2");
}

TEST_F(ReceivedOrdersTest, ACompanyWithoutItsPlayerHasNoOrders) {
    Receive(false, {eORDER_LOAN, eORDER_HOME_FIELD});
    Execute(kPlayer + 1);
    Execute(-1);
    EXPECT_TRUE(target.calls.empty());
}

TEST_F(ReceivedOrdersTest, ARefusedOrderIsDroppedAndLoggedAndTheRestGoOn) {
    Receive(false, {eORDER_RECRUIT_EMPLOYEES, eORDER_SALARY, eORDER_ACQUIRE_TEAM,
                    eORDER_ADVERTISING_COST});
    target.refused = {eORDER_SALARY, eORDER_ACQUIRE_TEAM};
    Execute();
    EXPECT_EQ(target.calls,
              (std::vector<std::string>{"send 12", "apply 12", "send 11", "apply 11", "check 6",
                                        "apply 6", "send 18", "apply 18"}));
    EXPECT_EQ(target.log,
              (std::vector<std::string>{"]An invalid order (type 11) from Cara was dropped.",
                                        "]An invalid order (type 6) from Cara was dropped."}));
}

}  // namespace
